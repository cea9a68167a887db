// OdDbMlineStyle: elements kept sorted by offset (highest first), so that index 0 is the top
// element of a multiline and the last index the bottom one.
#include "DbMlineStyle.h"

#include <cmath>

#include "DbFiler.h"
#include "OdError.h"
#include "SdkRxMacros.h"
#include "db/DbInternal.h"

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbMlineStyle, OdDbObject, L"MLINESTYLE")

const wchar_t* const OdDbMlineStyle::kDictionaryName = L"ACAD_MLINESTYLE";

namespace
{
const double kPi = 3.14159265358979323846;
const OdUInt16 kKnownFlags = OdDbMlineStyle::kFillOn | OdDbMlineStyle::kShowMiters | OdDbMlineStyle::kStartSquareCap |
                             OdDbMlineStyle::kStartInnerArcs | OdDbMlineStyle::kStartRoundCap |
                             OdDbMlineStyle::kEndSquareCap | OdDbMlineStyle::kEndInnerArcs |
                             OdDbMlineStyle::kEndRoundCap;

void checkAngle(double angle)
{
  if (!std::isfinite(angle) || angle <= 0.0 || angle >= kPi)
    throw OdError(eInvalidInput);
}
} // namespace

OdDbMlineStyle::OdDbMlineStyle()
{
  initMlineStyle();
}

void OdDbMlineStyle::initMlineStyle()
{
  assertWriteEnabled();
  m_name = L"Standard";
  m_description = OdString();
  m_flags = 0;
  m_fillColor = OdCmColor(OdCmEntityColor::kByLayer);
  m_startAngle = kPi / 2.0;
  m_endAngle = kPi / 2.0;
  m_elements.clear();
  m_elements.push_back({0.5, OdCmColor(OdCmEntityColor::kByLayer), OdDbObjectId()});
  m_elements.push_back({-0.5, OdCmColor(OdCmEntityColor::kByLayer), OdDbObjectId()});
}

OdString OdDbMlineStyle::name() const
{
  assertReadEnabled();
  return m_name;
}

void OdDbMlineStyle::setName(const OdString& name)
{
  assertWriteEnabled();
  m_name = name;
}

OdString OdDbMlineStyle::description() const
{
  assertReadEnabled();
  return m_description;
}

void OdDbMlineStyle::setDescription(const OdString& description)
{
  assertWriteEnabled();
  m_description = description;
}

OdUInt16 OdDbMlineStyle::flags() const
{
  assertReadEnabled();
  return m_flags;
}

void OdDbMlineStyle::setFlags(OdUInt16 flags)
{
  assertWriteEnabled(false, false);
  if ((flags & ~kKnownFlags) != 0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_flags = flags;
}

bool OdDbMlineStyle::filled() const
{
  return (flags() & kFillOn) != 0;
}

void OdDbMlineStyle::setFilled(bool filled)
{
  setFlags(filled ? (m_flags | kFillOn) : (m_flags & ~kFillOn));
}

OdCmColor OdDbMlineStyle::fillColor() const
{
  assertReadEnabled();
  return m_fillColor;
}

void OdDbMlineStyle::setFillColor(const OdCmColor& color)
{
  assertWriteEnabled();
  m_fillColor = color;
}

double OdDbMlineStyle::startAngle() const
{
  assertReadEnabled();
  return m_startAngle;
}

void OdDbMlineStyle::setStartAngle(double angle)
{
  assertWriteEnabled(false, false);
  checkAngle(angle);
  assertWriteEnabled();
  m_startAngle = angle;
}

double OdDbMlineStyle::endAngle() const
{
  assertReadEnabled();
  return m_endAngle;
}

void OdDbMlineStyle::setEndAngle(double angle)
{
  assertWriteEnabled(false, false);
  checkAngle(angle);
  assertWriteEnabled();
  m_endAngle = angle;
}

int OdDbMlineStyle::numElements() const
{
  assertReadEnabled();
  return static_cast<int>(m_elements.size());
}

int OdDbMlineStyle::insertSorted(const Element& element)
{
  std::size_t at = 0;
  while (at < m_elements.size() && m_elements[at].offset >= element.offset)
    ++at;
  m_elements.insert(m_elements.begin() + static_cast<std::ptrdiff_t>(at), element);
  return static_cast<int>(at);
}

int OdDbMlineStyle::addElement(double offset, const OdCmColor& color, const OdDbObjectId& linetypeId)
{
  assertWriteEnabled(false, false);
  if (!std::isfinite(offset))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  return insertSorted({offset, color, linetypeId});
}

OdResult OdDbMlineStyle::getElementAt(int index, double& offset, OdCmColor& color, OdDbObjectId& linetypeId) const
{
  assertReadEnabled();
  if (index < 0 || index >= static_cast<int>(m_elements.size()))
    return eInvalidIndex;
  const Element& e = m_elements[static_cast<std::size_t>(index)];
  offset = e.offset;
  color = e.color;
  linetypeId = e.linetypeId;
  return eOk;
}

OdResult OdDbMlineStyle::setElement(int index, double offset, const OdCmColor& color, const OdDbObjectId& linetypeId)
{
  assertWriteEnabled(false, false);
  if (index < 0 || index >= static_cast<int>(m_elements.size()))
    return eInvalidIndex;
  if (!std::isfinite(offset))
    return eInvalidInput;
  assertWriteEnabled();
  m_elements.erase(m_elements.begin() + index);
  insertSorted({offset, color, linetypeId});
  return eOk;
}

OdResult OdDbMlineStyle::removeElementAt(int index)
{
  assertWriteEnabled(false, false);
  if (index < 0 || index >= static_cast<int>(m_elements.size()))
    return eInvalidIndex;
  assertWriteEnabled();
  m_elements.erase(m_elements.begin() + index);
  return eOk;
}

double OdDbMlineStyle::maxOffset() const
{
  assertReadEnabled();
  return m_elements.empty() ? 0.0 : m_elements.front().offset;
}

double OdDbMlineStyle::minOffset() const
{
  assertReadEnabled();
  return m_elements.empty() ? 0.0 : m_elements.back().offset;
}

void OdDbMlineStyle::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  assertReadEnabled();
  OdDbObject::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbMlineStyle");
  pFiler->wrString(2, m_name);
  pFiler->wrInt16(70, static_cast<OdInt16>(m_flags));
  pFiler->wrString(3, m_description);
  pFiler->wrUInt32(62, m_fillColor.color());
  pFiler->wrDouble(51, m_startAngle);
  pFiler->wrDouble(52, m_endAngle);
  pFiler->wrInt16(71, static_cast<OdInt16>(m_elements.size()));
  for (const Element& e : m_elements)
  {
    pFiler->wrDouble(49, e.offset);
    pFiler->wrUInt32(62, e.color.color());
    pFiler->wrObjectId(6, e.linetypeId);
  }
}

void OdDbMlineStyle::copyFrom(const OdRxObject* pSource)
{
  OdDbObject::copyFrom(pSource);
  const OdDbMlineStyle* pSrc = static_cast<const OdDbMlineStyle*>(pSource);
  m_name = pSrc->m_name;
  m_description = pSrc->m_description;
  m_flags = pSrc->m_flags;
  m_fillColor = pSrc->m_fillColor;
  m_startAngle = pSrc->m_startAngle;
  m_endAngle = pSrc->m_endAngle;
  m_elements = pSrc->m_elements;
}
