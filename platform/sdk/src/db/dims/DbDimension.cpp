// OdDbDimension: dimension variables in force (override, else style), the style data copies,
// text, block and constraint state shared by every dimension.
#include "DbDimension.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "DbDimStyleTableRecord.h"
#include "DbDimVarBuffers.h"
#include "DbFiler.h"
#include "db/DbInternal.h"
#include "SdkRxMacros.h"

ODRX_SDK_DBOBJECT_NO_CONS_DEFINE_MEMBERS(OdDbDimension, OdDbEntity)

OdDbDimension::OdDbDimension() = default;

#define OD_DIMENSION_BODIES(getter, setter, code, kind, T, imperial, metric, flags) \
  T OdDbDimension::getter() const                                                  \
  {                                                                                   \
    return OdDimVarGet<T>::from(dimVarValue(static_cast<int>(OdDimVar::getter)));  \
  }                                                                                   \
  void OdDbDimension::setter(OdDimVarParam<T>::type value)                         \
  {                                                                                   \
    OdDimVarValue v;                                                                  \
    odDimVarPut(v, value);                                                            \
    setDimVarValue(static_cast<int>(OdDimVar::getter), v);                            \
  }
OD_DIM_VARS(OD_DIMENSION_BODIES)
#undef OD_DIMENSION_BODIES

const OdDimVarValue* OdDbDimension::findOverride(int index) const
{
  auto it = std::lower_bound(m_overrides.begin(), m_overrides.end(), index,
                             [](const std::pair<int, OdDimVarValue>& o, int i) { return o.first < i; });
  return it != m_overrides.end() && it->first == index ? &it->second : nullptr;
}

namespace
{
// The imperial defaults, made once: read whenever a dimension's style does not open. Kept out
// of line so that the style reads, which nearly always find their style, stay small.
[[gnu::noinline, gnu::cold]] const OdDimVarValue& imperialDefault(int index)
{
  static const std::vector<OdDimVarValue> defaults = [] {
    std::vector<OdDimVarValue> all;
    for (int i = 0; i < kOdDimVarCount; ++i)
      all.push_back(odDimVarDefault(i, false));
    return all;
  }();
  return defaults[static_cast<std::size_t>(index)];
}
} // namespace

const OdDimVarValue& OdDbDimension::styleValue(int index) const
{
  // Every row of a dimension reads a variable, most of them from the style: the style record is
  // read in place (no open, no reference taken), and one that is gone or of another class counts
  // as no style, as a failed open would.
  const OdDbStub* pStub = m_style;
  const OdDbObject* pObj = pStub && !pStub->erased ? odDbRawObject(m_style) : nullptr;
  const OdRxClass* pStyleClass = OdDbDimStyleTableRecord::desc();
  if (!pObj || (pObj->isA() != pStyleClass && !pObj->isA()->isDerivedFrom(pStyleClass)))
    return imperialDefault(index);
  return static_cast<const OdDbDimStyleTableRecord*>(pObj)->m_values[index];
}

const OdDimVarValue& OdDbDimension::dimVarValue(int index) const
{
  assertReadEnabled();
  odDimVarCheckIndex(index);
  if (m_overridden[static_cast<std::size_t>(index)])
    return *findOverride(index);
  return styleValue(index);
}

void OdDbDimension::setDimVarValue(int index, const OdDimVarValue& value)
{
  assertWriteEnabled(false, false);
  odDimVarCheck(index, value);
  assertWriteEnabled();
  auto it = std::lower_bound(m_overrides.begin(), m_overrides.end(), index,
                             [](const std::pair<int, OdDimVarValue>& o, int i) { return o.first < i; });
  if (it != m_overrides.end() && it->first == index)
    it->second = value;
  else
    m_overrides.insert(it, std::make_pair(index, value));
  m_overridden.set(static_cast<std::size_t>(index));
}

bool OdDbDimension::hasDimVarOverride(int index) const
{
  assertReadEnabled();
  odDimVarDesc(index);
  return findOverride(index) != nullptr;
}

OdResult OdDbDimension::removeDimVarOverride(int index)
{
  assertWriteEnabled(false, false);
  odDimVarDesc(index);
  auto it = std::find_if(m_overrides.begin(), m_overrides.end(),
                         [index](const std::pair<int, OdDimVarValue>& o) { return o.first == index; });
  if (it == m_overrides.end())
    return eKeyNotFound;
  assertWriteEnabled();
  m_overrides.erase(it);
  m_overridden.reset(static_cast<std::size_t>(index));
  return eOk;
}

OdArray<int> OdDbDimension::dimVarOverrides() const
{
  assertReadEnabled();
  OdArray<int> out;
  for (const auto& o : m_overrides)
    out.append(o.first);
  return out;
}

OdDbObjectId OdDbDimension::dimensionStyle() const
{
  assertReadEnabled();
  return m_style;
}

void OdDbDimension::setDimensionStyle(const OdDbObjectId& styleId)
{
  assertWriteEnabled(false, false);
  if (!styleId.isNull() && !odDbIdIsKindOf(styleId, OdDbDimStyleTableRecord::desc()))
    throw OdError(eWrongObjectType);
  assertWriteEnabled();
  m_style = styleId;
}

void OdDbDimension::getDimstyleData(OdDbDimStyleTableRecord* pRecord) const
{
  assertReadEnabled();
  if (!pRecord)
    throw OdError(eNullObjectPointer);
  for (int i = 0; i < kOdDimVarCount; ++i)
    pRecord->setDimVarValue(i, dimVarValue(i));
}

void OdDbDimension::setDimstyleData(const OdDbDimStyleTableRecord* pRecord)
{
  assertWriteEnabled(false, false);
  if (!pRecord)
    throw OdError(eNullObjectPointer);
  std::vector<std::pair<int, OdDimVarValue>> overrides;
  for (int i = 0; i < kOdDimVarCount; ++i)
  {
    const OdDimVarValue& wanted = pRecord->dimVarValue(i);
    if (!odDimVarEqual(odDimVarDesc(i).kind, wanted, styleValue(i)))
      overrides.emplace_back(i, wanted);
  }
  assertWriteEnabled();
  m_overrides.swap(overrides);
  m_overridden.reset();
  for (const auto& o : m_overrides)
    m_overridden.set(static_cast<std::size_t>(o.first));
}

void OdDbDimension::setDimstyleData(const OdDbObjectId& styleId)
{
  OdDbDimStyleTableRecordPtr pStyle = OdDbDimStyleTableRecord::cast(styleId.openObject().get());
  if (pStyle.isNull())
    throw OdError(styleId.isNull() ? eNullObjectId : eWrongObjectType);
  setDimstyleData(pStyle.get());
}

OdString OdDbDimension::dimensionText() const
{
  assertReadEnabled();
  return m_text;
}

void OdDbDimension::setDimensionText(const OdString& text)
{
  assertWriteEnabled();
  m_text = text;
}

OdGePoint3d OdDbDimension::textPosition() const
{
  assertReadEnabled();
  return m_textPosition;
}

void OdDbDimension::setTextPosition(const OdGePoint3d& position)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(position);
  assertWriteEnabled();
  m_textPosition = position;
}

bool OdDbDimension::isUsingDefaultTextPosition() const
{
  assertReadEnabled();
  return !m_userTextPosition;
}

void OdDbDimension::useSetTextPosition()
{
  assertWriteEnabled();
  m_userTextPosition = true;
}

void OdDbDimension::useDefaultTextPosition()
{
  assertWriteEnabled();
  m_userTextPosition = false;
  m_textPosition = defaultTextPosition();
}

void OdDbDimension::geometryChanged()
{
  if (!m_userTextPosition)
    m_textPosition = defaultTextPosition();
}

double OdDbDimension::textRotation() const
{
  assertReadEnabled();
  return m_textRotation;
}

void OdDbDimension::setTextRotation(double rotation)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(rotation);
  assertWriteEnabled();
  m_textRotation = rotation;
}

int OdDbDimension::textAttachment() const
{
  assertReadEnabled();
  return m_attachment;
}

void OdDbDimension::setTextAttachment(int attachment)
{
  assertWriteEnabled(false, false);
  if (attachment < 1 || attachment > 9)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_attachment = attachment;
}

int OdDbDimension::textLineSpacingStyle() const
{
  assertReadEnabled();
  return m_lineSpacingStyle;
}

void OdDbDimension::setTextLineSpacingStyle(int style)
{
  assertWriteEnabled(false, false);
  if (style != 1 && style != 2)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_lineSpacingStyle = style;
}

double OdDbDimension::textLineSpacingFactor() const
{
  assertReadEnabled();
  return m_lineSpacingFactor;
}

void OdDbDimension::setTextLineSpacingFactor(double factor)
{
  assertWriteEnabled(false, false);
  if (!(factor >= 0.25 && factor <= 4.0))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_lineSpacingFactor = factor;
}

OdGeVector3d OdDbDimension::normal() const
{
  assertReadEnabled();
  return m_normal;
}

void OdDbDimension::setNormal(const OdGeVector3d& normal)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(normal);
  if (normal.length() < 1e-12)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_normal = normal.normal();
}

OdDbObjectId OdDbDimension::dimBlockId() const
{
  assertReadEnabled();
  return m_block;
}

void OdDbDimension::setDimBlockId(const OdDbObjectId& blockId)
{
  assertWriteEnabled();
  m_block = blockId;
}

OdGePoint3d OdDbDimension::dimBlockPosition() const
{
  assertReadEnabled();
  return m_blockPosition;
}

void OdDbDimension::setDimBlockPosition(const OdGePoint3d& position)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(position);
  assertWriteEnabled();
  m_blockPosition = position;
}

double OdDbDimension::getMeasurement() const
{
  assertReadEnabled();
  return 0.0;
}

OdGePoint3d OdDbDimension::defaultTextPosition() const
{
  return m_textPosition;
}

OdCmColor OdDbDimension::getBgrndTxtColor() const
{
  return dimtfillclr();
}

void OdDbDimension::setBgrndTxtColor(const OdCmColor& color, OdUInt16 fillMode)
{
  assertWriteEnabled(false, false);
  if (fillMode > 2)
    throw OdError(eInvalidInput);
  setDimtfillclr(color);
  setDimtfill(static_cast<OdInt16>(fillMode));
}

bool OdDbDimension::inspection() const
{
  assertReadEnabled();
  return m_inspection;
}

void OdDbDimension::setInspection(bool on)
{
  assertWriteEnabled();
  m_inspection = on;
}

int OdDbDimension::inspectionFrame() const
{
  assertReadEnabled();
  return m_inspectionFrame;
}

void OdDbDimension::setInspectionFrame(int frame)
{
  assertWriteEnabled(false, false);
  if (frame < 0 || frame > 63)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_inspectionFrame = frame;
}

OdString OdDbDimension::inspectionLabel() const
{
  assertReadEnabled();
  return m_inspectionLabel;
}

void OdDbDimension::setInspectionLabel(const OdString& label)
{
  assertWriteEnabled();
  m_inspectionLabel = label;
}

OdString OdDbDimension::inspectionRate() const
{
  assertReadEnabled();
  return m_inspectionRate;
}

void OdDbDimension::setInspectionRate(const OdString& rate)
{
  assertWriteEnabled();
  m_inspectionRate = rate;
}

bool OdDbDimension::isConstraintDynamic() const
{
  assertReadEnabled();
  return m_constraintObject && m_constraintDynamic;
}

OdResult OdDbDimension::setConstraintDynamic(bool bDynamic)
{
  assertWriteEnabled();
  m_constraintDynamic = bDynamic;
  return eOk;
}

bool OdDbDimension::isConstraintObject() const
{
  assertReadEnabled();
  return m_constraintObject;
}

OdResult OdDbDimension::setConstraintObject(bool bConstraint)
{
  assertWriteEnabled();
  m_constraintObject = bConstraint;
  return eOk;
}

void OdDbDimension::transformBase(const OdGeMatrix3d& xform)
{
  m_textPosition.transformBy(xform);
  m_blockPosition.transformBy(xform);
  OdGeVector3d n = m_normal;
  n.transformBy(xform);
  if (n.length() > 1e-12)
    m_normal = n.normal();
}

void OdDbDimension::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbEntity::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbDimension");
  pFiler->wrObjectId(3, m_style);
  pFiler->wrObjectId(2, m_block);
  pFiler->wrPoint3d(12, m_blockPosition);
  pFiler->wrString(1, m_text);
  pFiler->wrPoint3d(11, m_textPosition);
  pFiler->wrBool(280, m_userTextPosition);
  pFiler->wrAngle(53, m_textRotation);
  pFiler->wrInt16(71, static_cast<OdInt16>(m_attachment));
  pFiler->wrInt16(72, static_cast<OdInt16>(m_lineSpacingStyle));
  pFiler->wrDouble(41, m_lineSpacingFactor);
  pFiler->wrVector3d(210, m_normal);
  pFiler->wrBool(290, m_constraintObject);
  pFiler->wrBool(291, m_constraintDynamic);
  pFiler->wrBool(292, m_inspection);
  pFiler->wrInt16(73, static_cast<OdInt16>(m_inspectionFrame));
  pFiler->wrString(4, m_inspectionLabel);
  pFiler->wrString(5, m_inspectionRate);
  // Overrides as the extended data carries them: code, then value.
  for (const auto& o : m_overrides)
  {
    const OdDimVarDesc& d = odDimVarDesc(o.first);
    pFiler->wrString(1000, OdString(d.name));
    pFiler->wrString(1000, odDimVarText(o.first, o.second));
  }
}

void OdDbDimension::copyFrom(const OdRxObject* pSource)
{
  OdDbEntity::copyFrom(pSource);
  const OdDbDimension* pSrc = static_cast<const OdDbDimension*>(pSource);
  m_overrides = pSrc->m_overrides;
  m_overridden = pSrc->m_overridden;
  m_style = pSrc->m_style;
  m_block = pSrc->m_block;
  m_blockPosition = pSrc->m_blockPosition;
  m_text = pSrc->m_text;
  m_textPosition = pSrc->m_textPosition;
  m_userTextPosition = pSrc->m_userTextPosition;
  m_textRotation = pSrc->m_textRotation;
  m_attachment = pSrc->m_attachment;
  m_lineSpacingStyle = pSrc->m_lineSpacingStyle;
  m_lineSpacingFactor = pSrc->m_lineSpacingFactor;
  m_normal = pSrc->m_normal;
  m_inspection = pSrc->m_inspection;
  m_inspectionFrame = pSrc->m_inspectionFrame;
  m_inspectionLabel = pSrc->m_inspectionLabel;
  m_inspectionRate = pSrc->m_inspectionRate;
  m_constraintObject = pSrc->m_constraintObject;
  m_constraintDynamic = pSrc->m_constraintDynamic;
}
