// OdDbText: single-line text, its justification and its box under the glyph model of
// TextLayout.h.
#include "DbText.h"

#include <cmath>

#include "DbFiler.h"
#include "DbTextStyleTableRecord.h"
#include "Ge/GeGbl.h"
#include "SdkRxMacros.h"
#include "db/DbInternal.h"
#include "db/text/TextFrame.h"
#include "db/text/TextLayout.h"

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbText, OdDbEntity, L"TEXT")

namespace
{
const double kMaxOblique = 85.0 * OdaPI / 180.0;

void checkPositive(double value)
{
  odDbCheckFinite(value);
  if (value <= 0.0)
    throw OdError(eInvalidInput);
}
} // namespace

OdDbText::OdDbText() = default;

OdGePoint3d OdDbText::position() const
{
  assertReadEnabled();
  return m_position;
}

void OdDbText::setPosition(const OdGePoint3d& position)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(position);
  assertWriteEnabled();
  m_position = position;
}

OdGePoint3d OdDbText::alignmentPoint() const
{
  assertReadEnabled();
  return m_alignmentPoint;
}

void OdDbText::setAlignmentPoint(const OdGePoint3d& alignmentPoint)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(alignmentPoint);
  assertWriteEnabled();
  m_alignmentPoint = alignmentPoint;
}

OdDb::TextHorzMode OdDbText::horizontalMode() const
{
  assertReadEnabled();
  return m_horizontalMode;
}

void OdDbText::setHorizontalMode(OdDb::TextHorzMode horizontalMode)
{
  assertWriteEnabled(false, false);
  if (horizontalMode < OdDb::kTextLeft || horizontalMode > OdDb::kTextFit)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_horizontalMode = horizontalMode;
}

OdDb::TextVertMode OdDbText::verticalMode() const
{
  assertReadEnabled();
  return m_verticalMode;
}

void OdDbText::setVerticalMode(OdDb::TextVertMode verticalMode)
{
  assertWriteEnabled(false, false);
  if (verticalMode < OdDb::kTextBase || verticalMode > OdDb::kTextTop)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_verticalMode = verticalMode;
}

bool OdDbText::isDefaultAlignment() const
{
  assertReadEnabled();
  return m_horizontalMode == OdDb::kTextLeft && m_verticalMode == OdDb::kTextBase;
}

double OdDbText::height() const
{
  assertReadEnabled();
  return m_height;
}

void OdDbText::setHeight(double height)
{
  assertWriteEnabled(false, false);
  checkPositive(height);
  assertWriteEnabled();
  m_height = height;
}

double OdDbText::rotation() const
{
  assertReadEnabled();
  return m_rotation;
}

void OdDbText::setRotation(double rotation)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(rotation);
  assertWriteEnabled();
  m_rotation = std::fmod(rotation, Oda2PI);
}

double OdDbText::widthFactor() const
{
  assertReadEnabled();
  return m_widthFactor;
}

void OdDbText::setWidthFactor(double widthFactor)
{
  assertWriteEnabled(false, false);
  checkPositive(widthFactor);
  assertWriteEnabled();
  m_widthFactor = widthFactor;
}

double OdDbText::oblique() const
{
  assertReadEnabled();
  return m_oblique;
}

void OdDbText::setOblique(double oblique)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(oblique);
  if (std::fabs(oblique) > kMaxOblique + 1e-12)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_oblique = oblique;
}

double OdDbText::thickness() const
{
  assertReadEnabled();
  return m_thickness;
}

void OdDbText::setThickness(double thickness)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(thickness);
  assertWriteEnabled();
  m_thickness = thickness;
}

OdGeVector3d OdDbText::normal() const
{
  assertReadEnabled();
  return m_normal;
}

void OdDbText::setNormal(const OdGeVector3d& normal)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(normal);
  if (normal.isZeroLength())
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_normal = normal.normal();
}

OdString OdDbText::textString() const
{
  assertReadEnabled();
  return m_textString;
}

void OdDbText::setTextString(const OdString& textString)
{
  assertWriteEnabled();
  m_textString = textString;
}

OdDbObjectId OdDbText::textStyle() const
{
  assertReadEnabled();
  return m_textStyleId;
}

void OdDbText::setTextStyle(const OdDbObjectId& textStyleId)
{
  assertWriteEnabled(false, false);
  if (!textStyleId.isNull() && !odDbIdIsKindOf(textStyleId, OdDbTextStyleTableRecord::desc()))
    throw OdError(eWrongObjectType);
  assertWriteEnabled();
  m_textStyleId = textStyleId;
}

bool OdDbText::isMirroredInX() const
{
  assertReadEnabled();
  return m_mirroredInX;
}

void OdDbText::mirrorInX(bool mirror)
{
  assertWriteEnabled();
  m_mirroredInX = mirror;
}

bool OdDbText::isMirroredInY() const
{
  assertReadEnabled();
  return m_mirroredInY;
}

void OdDbText::mirrorInY(bool mirror)
{
  assertWriteEnabled();
  m_mirroredInY = mirror;
}

void OdDbText::textAxes(OdGeVector3d& along, OdGeVector3d& up) const
{
  along = odDbOcsXAxis(m_normal).rotateBy(m_rotation, m_normal);
  up = m_normal.crossProduct(along);
  if (m_mirroredInX)
    along.negate();
  if (m_mirroredInY)
    up.negate();
}

double OdDbText::textLength() const
{
  return OdDbTextLayout::glyphCount(m_textString) * OdDbTextLayout::kGlyphAdvance * m_height * m_widthFactor;
}

void OdDbText::adjustAlignment(OdDbDatabase* /*pDb*/)
{
  assertWriteEnabled(false, false);
  if (m_horizontalMode == OdDb::kTextLeft && m_verticalMode == OdDb::kTextBase)
    return;

  if (m_horizontalMode == OdDb::kTextAlign || m_horizontalMode == OdDb::kTextFit)
  {
    OdGeVector3d baseline = m_alignmentPoint - m_position;
    baseline -= m_normal * baseline.dotProduct(m_normal);
    const double distance = baseline.length();
    const int glyphs = OdDbTextLayout::glyphCount(m_textString);
    if (glyphs == 0 || distance <= OdGeContext::gTol.equalPoint())
      return;
    // Backwards text runs against its direction, so the direction points the other way.
    OdGeVector3d direction = baseline / distance;
    if (m_mirroredInX)
      direction.negate();
    const double rotation = odDbOcsXAxis(m_normal).angleTo(direction, m_normal);
    const double perUnit = glyphs * OdDbTextLayout::kGlyphAdvance;
    double height = m_height;
    double widthFactor = m_widthFactor;
    if (m_horizontalMode == OdDb::kTextAlign)
      height = distance / (perUnit * m_widthFactor);
    else
      widthFactor = distance / (perUnit * m_height);
    if (!odgeIsFinite(height) || !odgeIsFinite(widthFactor) || height <= 0.0 || widthFactor <= 0.0)
      throw OdError(eInvalidInput);
    assertWriteEnabled();
    m_rotation = rotation;
    m_height = height;
    m_widthFactor = widthFactor;
    return;
  }

  const double length = textLength();
  double alongOffset = 0.0;
  if (m_horizontalMode == OdDb::kTextCenter || m_horizontalMode == OdDb::kTextMid)
    alongOffset = length / 2.0;
  else if (m_horizontalMode == OdDb::kTextRight)
    alongOffset = length;
  double upOffset = 0.0;
  if (m_horizontalMode == OdDb::kTextMid || m_verticalMode == OdDb::kTextVertMid)
    upOffset = m_height / 2.0;
  else if (m_verticalMode == OdDb::kTextTop)
    upOffset = m_height;
  OdGeVector3d along, up;
  textAxes(along, up);
  assertWriteEnabled();
  m_position = m_alignmentPoint - along * alongOffset - up * upOffset;
}

void OdDbText::getBoundingPoints(OdGePoint3dArray& boundingPoints) const
{
  assertReadEnabled();
  OdGeVector3d along, up;
  textAxes(along, up);
  const OdGeVector3d length = along * textLength();
  const OdGeVector3d height = up * m_height;
  boundingPoints.clear();
  boundingPoints.append(m_position + height);
  boundingPoints.append(m_position + height + length);
  boundingPoints.append(m_position);
  boundingPoints.append(m_position + length);
}

OdResult OdDbText::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  if (OdDbTextLayout::glyphCount(m_textString) == 0)
    return eInvalidExtents;
  OdGePoint3dArray corners;
  getBoundingPoints(corners);
  extents = OdGeExtents3d();
  const OdGeVector3d extrusion = m_normal * m_thickness;
  for (const OdGePoint3d& corner : corners)
  {
    extents.addPoint(corner);
    extents.addPoint(corner + extrusion);
  }
  return eOk;
}

OdResult OdDbText::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  if (!odDbMatrixIsFinite(xform))
    return eInvalidInput;
  OdDbTextFrame frame{m_position, m_normal, m_rotation, m_height, m_widthFactor, m_thickness};
  const OdGePoint3d alignmentPoint = OdGePoint3d(m_alignmentPoint).transformBy(xform);
  if (!frame.transformBy(xform) || !odgeIsFinite(alignmentPoint))
    return eInvalidInput;
  assertWriteEnabled();
  m_position = frame.position;
  m_alignmentPoint = alignmentPoint;
  m_normal = frame.normal;
  m_rotation = frame.rotation;
  m_height = frame.height;
  m_widthFactor = frame.widthFactor;
  m_thickness = frame.thickness;
  xDataTransformBy(xform);
  return eOk;
}

void OdDbText::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbEntity::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(desc()->name());
  pFiler->wrDouble(OdDb::kDxfThickness, m_thickness);
  pFiler->wrPoint3d(OdDb::kDxfXCoord, m_position);
  pFiler->wrDouble(OdDb::kDxfTxtSize, m_height);
  pFiler->wrString(OdDb::kDxfText, m_textString);
  pFiler->wrAngle(OdDb::kDxfAngle, m_rotation);
  pFiler->wrDouble(OdDb::kDxfTxtStyleXScale, m_widthFactor);
  pFiler->wrAngle(51, m_oblique);
  pFiler->wrObjectId(OdDb::kDxfTextStyleName, m_textStyleId);
  pFiler->wrInt16(71, static_cast<OdInt16>((m_mirroredInX ? 2 : 0) | (m_mirroredInY ? 4 : 0)));
  pFiler->wrInt16(72, static_cast<OdInt16>(m_horizontalMode));
  pFiler->wrPoint3d(11, m_alignmentPoint);
  pFiler->wrVector3d(OdDb::kDxfNormalX, m_normal);
  pFiler->wrInt16(73, static_cast<OdInt16>(m_verticalMode));
}

void OdDbText::copyFrom(const OdRxObject* pSource)
{
  OdDbEntity::copyFrom(pSource);
  const OdDbText* pSrc = static_cast<const OdDbText*>(pSource);
  if (pSrc == this)
    return;
  m_position = pSrc->m_position;
  m_alignmentPoint = pSrc->m_alignmentPoint;
  m_horizontalMode = pSrc->m_horizontalMode;
  m_verticalMode = pSrc->m_verticalMode;
  m_height = pSrc->m_height;
  m_rotation = pSrc->m_rotation;
  m_widthFactor = pSrc->m_widthFactor;
  m_oblique = pSrc->m_oblique;
  m_thickness = pSrc->m_thickness;
  m_normal = pSrc->m_normal;
  m_textString = pSrc->m_textString;
  m_textStyleId = pSrc->m_textStyleId;
  m_mirroredInX = pSrc->m_mirroredInX;
  m_mirroredInY = pSrc->m_mirroredInY;
}
