// OdDbDimStyleTableRecord: the variables of a dimension style, their generated accessors and the
// access by DXF group code.
#include "DbDimStyleTableRecord.h"

#include <algorithm>

#include "DbFiler.h"
#include "DbDimVarBuffers.h"

OdDbDimStyleTableRecord::OdDbDimStyleTableRecord()
{
  for (int i = 0; i < kOdDimVarCount; ++i)
    m_values[i] = odDimVarDefault(i, false);
}

#define OD_DIM_STYLE_BODIES(getter, setter, code, kind, T, imperial, metric, flags) \
  T OdDbDimStyleTableRecord::getter() const                                        \
  {                                                                                   \
    return OdDimVarGet<T>::from(dimVarValue(static_cast<int>(OdDimVar::getter)));  \
  }                                                                                   \
  void OdDbDimStyleTableRecord::setter(OdDimVarParam<T>::type value)               \
  {                                                                                   \
    OdDimVarValue v;                                                                  \
    odDimVarPut(v, value);                                                            \
    setDimVarValue(static_cast<int>(OdDimVar::getter), v);                            \
  }
OD_DIM_VARS(OD_DIM_STYLE_BODIES)
#undef OD_DIM_STYLE_BODIES

const OdDimVarValue& OdDbDimStyleTableRecord::dimVarValue(int index) const
{
  assertReadEnabled();
  odDimVarDesc(index);
  return m_values[index];
}

void OdDbDimStyleTableRecord::setDimVarValue(int index, const OdDimVarValue& value)
{
  assertWriteEnabled(false, false);
  odDimVarCheck(index, value);
  assertWriteEnabled();
  m_values[index] = value;
  m_set.set(static_cast<std::size_t>(index));
}

bool OdDbDimStyleTableRecord::isDimVarSet(int index) const
{
  assertReadEnabled();
  odDimVarDesc(index);
  return m_set.test(static_cast<std::size_t>(index));
}

void OdDbDimStyleTableRecord::setDefaults(bool metric)
{
  assertWriteEnabled();
  m_set.reset();
  for (int i = 0; i < kOdDimVarCount; ++i)
  {
    m_values[i] = odDimVarDefault(i, metric);
    if (!odDimVarEqual(odDimVarDesc(i).kind, m_values[i], odDimVarDefault(i, false)))
      m_set.set(static_cast<std::size_t>(i));
  }
}

OdResBufPtr OdDbDimStyleTableRecord::dimVar(int groupCode) const
{
  assertReadEnabled();
  const int index = odDimVarByCode(groupCode, true);
  if (index >= 0)
    return m_set.test(static_cast<std::size_t>(index)) ? odDimVarBuffer(index, groupCode, m_values[index])
                                                        : OdResBufPtr();
  auto it = m_extra.find(groupCode);
  if (it == m_extra.end())
    return OdResBufPtr();
  OdResBufPtr pCopy = OdResBuf::newRb(groupCode);
  pCopy->copyFrom(it->second);
  return pCopy;
}

void OdDbDimStyleTableRecord::setDimVar(const OdResBuf* pValue)
{
  assertWriteEnabled(false, false);
  if (!pValue || OdResBuf::dataKind(pValue->restype()) == OdResBuf::kNone)
    throw OdError(eInvalidResBuf);
  const int index = odDimVarByCode(pValue->restype(), true);
  if (index >= 0)
  {
    setDimVarValue(index, odDimVarFromBuffer(index, pValue, database()));
    return;
  }
  OdResBufPtr pCopy = OdResBuf::newRb(pValue->restype());
  pCopy->copyFrom(pValue);
  assertWriteEnabled();
  m_extra[pValue->restype()] = pCopy;
}

OdResult OdDbDimStyleTableRecord::removeDimVar(int groupCode)
{
  assertWriteEnabled(false, false);
  const int index = odDimVarByCode(groupCode, true);
  if (index >= 0)
  {
    if (!m_set.test(static_cast<std::size_t>(index)))
      return eKeyNotFound;
    assertWriteEnabled();
    m_set.reset(static_cast<std::size_t>(index));
    m_values[index] = odDimVarDefault(index, false);
    return eOk;
  }
  auto it = m_extra.find(groupCode);
  if (it == m_extra.end())
    return eKeyNotFound;
  assertWriteEnabled();
  m_extra.erase(it);
  return eOk;
}

OdArray<int> OdDbDimStyleTableRecord::dimVarCodes() const
{
  assertReadEnabled();
  std::vector<int> codes;
  for (int i = 0; i < kOdDimVarCount; ++i)
    if (m_set.test(static_cast<std::size_t>(i)) && !(odDimVarDesc(i).flags & kOdDimVarNoDxf))
      codes.push_back(odDimVarDesc(i).code);
  for (const auto& var : m_extra)
    codes.push_back(var.first);
  std::sort(codes.begin(), codes.end());
  OdArray<int> out;
  for (int c : codes)
    out.append(c);
  return out;
}

void OdDbDimStyleTableRecord::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbSymbolTableRecord::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbDimStyleTableRecord");
  pFiler->wrInt16(OdDb::kDxfInt16, 0);
  const OdArray<int> codes = dimVarCodes();
  for (unsigned i = 0; i < codes.size(); ++i)
  {
    // A variable the record does not carry under its code (the text fill colour, whose code is
    // the flags') is written from its value.
    OdResBufPtr value = dimVar(codes[i]);
    if (value.isNull())
    {
      const int index = odDimVarByCode(codes[i], false);
      value = odDimVarBuffer(index, codes[i], m_values[index]);
    }
    odDimVarWriteBuffer(pFiler, value.get());
  }
  // Variables without a DXF code, as "name=value".
  for (int i = 0; i < kOdDimVarCount; ++i)
    if (m_set.test(static_cast<std::size_t>(i)) && (odDimVarDesc(i).flags & kOdDimVarNoDxf))
      pFiler->wrString(1000, OdString(odDimVarDesc(i).name) + L"=" + odDimVarText(i, m_values[i]));
}

void OdDbDimStyleTableRecord::copyFrom(const OdRxObject* pSource)
{
  OdDbSymbolTableRecord::copyFrom(pSource);
  const OdDbDimStyleTableRecord* pSrc = static_cast<const OdDbDimStyleTableRecord*>(pSource);
  for (int i = 0; i < kOdDimVarCount; ++i)
    m_values[i] = pSrc->m_values[i];
  m_set = pSrc->m_set;
  m_extra.clear();
  for (const auto& var : pSrc->m_extra)
  {
    OdResBufPtr pCopy = OdResBuf::newRb(var.first);
    pCopy->copyFrom(var.second);
    m_extra[var.first] = pCopy;
  }
}
