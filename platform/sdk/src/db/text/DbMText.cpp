// OdDbMText: multiline text, its layout under the glyph model of TextLayout.h and its box.
#include "DbMText.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "DbFiler.h"
#include "DbTextStyleTableRecord.h"
#include "Ge/GeGbl.h"
#include "SdkRxMacros.h"
#include "db/DbInternal.h"
#include "db/text/TextLayout.h"

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbMText, OdDbEntity, L"MTEXT")

namespace
{
OdGeVector3d ocsXAxis(const OdGeVector3d& normal)
{
  return OdGeMatrix3d::planeToWorld(normal).getCsXAxis();
}

void checkNonNegative(double value)
{
  odDbCheckFinite(value);
  if (value < 0.0)
    throw OdError(eInvalidInput);
}
} // namespace

OdDbMText::OdDbMText() = default;

OdGePoint3d OdDbMText::location() const
{
  assertReadEnabled();
  return m_location;
}

void OdDbMText::setLocation(const OdGePoint3d& location)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(location);
  assertWriteEnabled();
  m_location = location;
}

OdGeVector3d OdDbMText::normal() const
{
  assertReadEnabled();
  return m_normal;
}

void OdDbMText::setNormal(const OdGeVector3d& normal)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(normal);
  if (normal.isZeroLength())
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_normal = normal.normal();
}

OdGeVector3d OdDbMText::directionVector() const
{
  return ocsXAxis(m_normal).rotateBy(m_rotation, m_normal);
}

OdGeVector3d OdDbMText::direction() const
{
  assertReadEnabled();
  return directionVector();
}

void OdDbMText::setDirection(const OdGeVector3d& direction)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(direction);
  const OdGeVector3d inPlane = direction - m_normal * direction.dotProduct(m_normal);
  if (inPlane.isZeroLength())
    throw OdError(eInvalidInput);
  const double rotation = ocsXAxis(m_normal).angleTo(inPlane.normal(), m_normal);
  assertWriteEnabled();
  m_rotation = rotation;
}

double OdDbMText::rotation() const
{
  assertReadEnabled();
  return m_rotation;
}

void OdDbMText::setRotation(double rotation)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(rotation);
  assertWriteEnabled();
  m_rotation = std::fmod(rotation, Oda2PI);
}

OdDbMText::AttachmentPoint OdDbMText::attachment() const
{
  assertReadEnabled();
  return m_attachment;
}

void OdDbMText::setAttachment(AttachmentPoint attachment)
{
  assertWriteEnabled(false, false);
  if (attachment < kTopLeft || attachment > kBottomRight)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_attachment = attachment;
}

OdDbMText::FlowDirection OdDbMText::flowDirection() const
{
  assertReadEnabled();
  return m_flowDirection;
}

void OdDbMText::setFlowDirection(FlowDirection flowDirection)
{
  assertWriteEnabled(false, false);
  if (flowDirection < kLtoR || flowDirection > kByStyle)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_flowDirection = flowDirection;
}

double OdDbMText::width() const
{
  assertReadEnabled();
  return m_width;
}

void OdDbMText::setWidth(double width)
{
  assertWriteEnabled(false, false);
  checkNonNegative(width);
  setLayoutInput(m_width, width);
}

double OdDbMText::textHeight() const
{
  assertReadEnabled();
  return m_textHeight;
}

void OdDbMText::setTextHeight(double height)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(height);
  if (height <= 0.0)
    throw OdError(eInvalidInput);
  setLayoutInput(m_textHeight, height);
}

OdString OdDbMText::contents() const
{
  assertReadEnabled();
  return m_contents;
}

void OdDbMText::setContents(const OdString& contents)
{
  assertWriteEnabled(false, false);
  setLayoutInput(m_contents, contents);
}

OdString OdDbMText::text() const
{
  assertReadEnabled();
  return OdDbTextLayout::plainText(m_contents);
}

OdDbObjectId OdDbMText::textStyle() const
{
  assertReadEnabled();
  return m_textStyleId;
}

void OdDbMText::setTextStyle(const OdDbObjectId& textStyleId)
{
  assertWriteEnabled(false, false);
  if (!textStyleId.isNull() && !odDbIdIsKindOf(textStyleId, OdDbTextStyleTableRecord::desc()))
    throw OdError(eWrongObjectType);
  assertWriteEnabled();
  m_textStyleId = textStyleId;
}

double OdDbMText::lineSpacingFactor() const
{
  assertReadEnabled();
  return m_lineSpacingFactor;
}

void OdDbMText::setLineSpacingFactor(double factor)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(factor);
  if (factor < 0.25 || factor > 4.0)
    throw OdError(eInvalidInput);
  setLayoutInput(m_lineSpacingFactor, factor);
}

OdDb::LineSpacingStyle OdDbMText::lineSpacingStyle() const
{
  assertReadEnabled();
  return m_lineSpacingStyle;
}

void OdDbMText::setLineSpacingStyle(OdDb::LineSpacingStyle style)
{
  assertWriteEnabled(false, false);
  if (style != OdDb::kAtLeast && style != OdDb::kExactly)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_lineSpacingStyle = style;
}

bool OdDbMText::backgroundFillOn() const
{
  assertReadEnabled();
  return m_backgroundFill;
}

void OdDbMText::setBackgroundFill(bool enable)
{
  assertWriteEnabled();
  m_backgroundFill = enable;
}

OdCmColor OdDbMText::getBackgroundFillColor() const
{
  assertReadEnabled();
  return m_backgroundFillColor;
}

void OdDbMText::setBackgroundFillColor(const OdCmColor& color)
{
  assertWriteEnabled();
  m_backgroundFillColor = color;
}

bool OdDbMText::useBackgroundColorOn() const
{
  assertReadEnabled();
  return m_useBackgroundColor;
}

void OdDbMText::setUseBackgroundColor(bool useBackgroundColor)
{
  assertWriteEnabled();
  m_useBackgroundColor = useBackgroundColor;
}

double OdDbMText::getBackgroundScaleFactor() const
{
  assertReadEnabled();
  return m_backgroundScaleFactor;
}

void OdDbMText::setBackgroundScaleFactor(double scale)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(scale);
  if (scale < 1.0 || scale > 5.0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_backgroundScaleFactor = scale;
}

OdDbMText::ColumnType OdDbMText::getColumnType() const
{
  assertReadEnabled();
  return m_columnType;
}

void OdDbMText::setColumnType(ColumnType columnType)
{
  assertWriteEnabled(false, false);
  if (columnType < kNoColumns || columnType > kDynamicColumns)
    throw OdError(eInvalidInput);
  setLayoutInput(m_columnType, columnType);
}

double OdDbMText::getColumnWidth() const
{
  assertReadEnabled();
  return m_columnWidth;
}

void OdDbMText::setColumnWidth(double width)
{
  assertWriteEnabled(false, false);
  checkNonNegative(width);
  setLayoutInput(m_columnWidth, width);
}

double OdDbMText::getColumnGutterWidth() const
{
  assertReadEnabled();
  return m_columnGutterWidth;
}

void OdDbMText::setColumnGutterWidth(double width)
{
  assertWriteEnabled(false, false);
  checkNonNegative(width);
  setLayoutInput(m_columnGutterWidth, width);
}

OdInt32 OdDbMText::getColumnCount() const
{
  assertReadEnabled();
  return m_columnCount;
}

void OdDbMText::setColumnCount(OdInt32 count)
{
  assertWriteEnabled(false, false);
  if (count < 1)
    throw OdError(eInvalidInput);
  setLayoutInput(m_columnCount, count);
}

template <class T>
void OdDbMText::setLayoutInput(T& member, const T& value)
{
  // The value is tried in place; `other` holds the one that is not.
  T other = value;
  std::swap(member, other);
  // Every extent of the layout stays below this bound: no line is wider than all the glyphs of
  // the contents (the plain text is never longer), there are no more lines than glyphs plus
  // one, and columns lie at most the column count of pitches apart. Below it nothing can
  // overflow, so the text is laid out only when the bound is passed.
  const double glyphs = static_cast<double>(m_contents.getLength());
  const double height = std::fabs(m_textHeight);
  const double columns = m_columnType != kNoColumns ? static_cast<double>(m_columnCount) : 1.0;
  const double bound = columns * (std::fabs(m_columnWidth) + std::fabs(m_columnGutterWidth)) + std::fabs(m_width) +
                       glyphs * OdDbTextLayout::kGlyphAdvance * height +
                       height * (1.0 + (glyphs + 1.0) * OdDbTextLayout::kLineSpacing * std::fabs(m_lineSpacingFactor));
  if (!(bound < 1e300))
  {
    const Layout box = computeLayout();
    if (!std::isfinite(box.actualWidth) || !std::isfinite(box.actualHeight) || !std::isfinite(box.boxWidth))
    {
      std::swap(member, other);
      throw OdError(eInvalidInput);
    }
  }
  // Reactors told of the change see the text as it was.
  std::swap(member, other);
  assertWriteEnabled();
  std::swap(member, other);
  forgetLayout();
}

OdDbMText::Layout OdDbMText::layout() const
{
  if (!m_layoutKnown)
  {
    m_layout = computeLayout();
    m_layoutKnown = true;
  }
  return m_layout;
}

OdDbMText::Layout OdDbMText::computeLayout() const
{
  const double advance = OdDbTextLayout::kGlyphAdvance * m_textHeight;
  const bool columns = m_columnType != kNoColumns;
  const double wrapWidth = columns ? m_columnWidth : m_width;
  const std::vector<OdString> lines =
      OdDbTextLayout::wrapLines(OdDbTextLayout::plainText(m_contents), advance, wrapWidth);
  const int columnCount = columns ? m_columnCount : 1;
  const int lineCount = static_cast<int>(lines.size());
  const int perColumn = (lineCount + columnCount - 1) / columnCount;
  const int usedColumns = perColumn > 0 ? (lineCount + perColumn - 1) / perColumn : 0;
  const double pitch = m_columnWidth + m_columnGutterWidth;

  Layout result;
  if (perColumn > 0)
    result.actualHeight =
        m_textHeight + (perColumn - 1) * OdDbTextLayout::kLineSpacing * m_textHeight * m_lineSpacingFactor;
  for (int i = 0; i < lineCount; ++i)
  {
    const double offset = columns ? (i / perColumn) * pitch : 0.0;
    result.actualWidth = std::max(result.actualWidth, offset + OdDbTextLayout::lineWidth(lines[i], advance));
  }
  if (columns)
    result.boxWidth = m_columnCount * m_columnWidth + (m_columnCount - 1) * m_columnGutterWidth;
  else
    result.boxWidth = m_width > 0.0 ? m_width : result.actualWidth;
  if (columns && usedColumns > 0 && result.boxWidth < result.actualWidth)
    result.boxWidth = result.actualWidth;
  return result;
}

double OdDbMText::actualHeight() const
{
  assertReadEnabled();
  return layout().actualHeight;
}

double OdDbMText::actualWidth() const
{
  assertReadEnabled();
  return layout().actualWidth;
}

void OdDbMText::getBoundingPoints(OdGePoint3dArray& boundingPoints) const
{
  assertReadEnabled();
  const Layout box = layout();
  const OdGeVector3d along = directionVector();
  const OdGeVector3d up = m_normal.crossProduct(along);
  // Column 0 left, 1 centre, 2 right; row 0 top, 1 middle, 2 bottom.
  const int column = (m_attachment - 1) % 3;
  const int row = (m_attachment - 1) / 3;
  const OdGePoint3d topLeft =
      m_location - along * (column * box.boxWidth / 2.0) + up * (row * box.actualHeight / 2.0);
  boundingPoints.clear();
  boundingPoints.append(topLeft);
  boundingPoints.append(topLeft + along * box.boxWidth);
  boundingPoints.append(topLeft - up * box.actualHeight);
  boundingPoints.append(topLeft - up * box.actualHeight + along * box.boxWidth);
}

OdResult OdDbMText::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  if (OdDbTextLayout::plainText(m_contents).isEmpty())
    return eInvalidExtents;
  OdGePoint3dArray corners;
  getBoundingPoints(corners);
  extents = OdGeExtents3d();
  for (const OdGePoint3d& corner : corners)
    extents.addPoint(corner);
  return eOk;
}

OdResult OdDbMText::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  if (!odDbMatrixIsFinite(xform))
    return eInvalidInput;
  const OdGeVector3d along = directionVector();
  const OdGeVector3d up = m_normal.crossProduct(along);
  const OdGeVector3d newAlong = OdGeVector3d(along).transformBy(xform);
  const OdGeVector3d newUp = OdGeVector3d(up).transformBy(xform);
  const OdGeVector3d newNormalRaw = newAlong.crossProduct(newUp);
  const double alongScale = newAlong.length();
  const double area = newNormalRaw.length();
  if (alongScale <= 1e-12 || area <= 1e-12)
    return eInvalidInput;
  const double acrossScale = area / alongScale;
  const OdGeVector3d newNormal = newNormalRaw / area;
  const double rotation = ocsXAxis(newNormal).angleTo(newAlong / alongScale, newNormal);
  const OdGePoint3d location = OdGePoint3d(m_location).transformBy(xform);
  const double height = m_textHeight * acrossScale;
  if (!odgeIsFinite(location) || !odgeIsFinite(height) || height <= 0.0 || !odgeIsFinite(alongScale))
    return eInvalidInput;
  assertWriteEnabled();
  m_location = location;
  m_normal = newNormal;
  m_rotation = rotation;
  m_textHeight = height;
  m_width *= alongScale;
  m_columnWidth *= alongScale;
  m_columnGutterWidth *= alongScale;
  forgetLayout();
  xDataTransformBy(xform);
  return eOk;
}

void OdDbMText::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbEntity::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(desc()->name());
  const Layout box = layout();
  pFiler->wrPoint3d(OdDb::kDxfXCoord, m_location);
  pFiler->wrDouble(OdDb::kDxfTxtSize, m_textHeight);
  pFiler->wrDouble(41, m_width);
  pFiler->wrDouble(46, box.actualHeight);
  pFiler->wrInt16(71, static_cast<OdInt16>(m_attachment));
  pFiler->wrInt16(72, static_cast<OdInt16>(m_flowDirection));
  pFiler->wrString(OdDb::kDxfText, m_contents);
  pFiler->wrObjectId(OdDb::kDxfTextStyleName, m_textStyleId);
  pFiler->wrVector3d(OdDb::kDxfNormalX, m_normal);
  pFiler->wrVector3d(11, directionVector());
  pFiler->wrDouble(42, box.actualWidth);
  pFiler->wrAngle(OdDb::kDxfAngle, m_rotation);
  pFiler->wrInt16(73, static_cast<OdInt16>(m_lineSpacingStyle));
  pFiler->wrDouble(44, m_lineSpacingFactor);
  pFiler->wrInt32(90, (m_backgroundFill ? 1 : 0) | (m_useBackgroundColor ? 2 : 0));
  pFiler->wrInt16(63, static_cast<OdInt16>(m_backgroundFillColor.colorIndex()));
  pFiler->wrDouble(45, m_backgroundScaleFactor);
  pFiler->wrInt16(75, static_cast<OdInt16>(m_columnType));
  pFiler->wrInt16(76, static_cast<OdInt16>(m_columnCount));
  pFiler->wrDouble(48, m_columnWidth);
  pFiler->wrDouble(49, m_columnGutterWidth);
}

void OdDbMText::copyFrom(const OdRxObject* pSource)
{
  OdDbEntity::copyFrom(pSource);
  const OdDbMText* pSrc = static_cast<const OdDbMText*>(pSource);
  if (pSrc == this)
    return;
  m_location = pSrc->m_location;
  m_normal = pSrc->m_normal;
  m_rotation = pSrc->m_rotation;
  m_attachment = pSrc->m_attachment;
  m_flowDirection = pSrc->m_flowDirection;
  m_width = pSrc->m_width;
  m_textHeight = pSrc->m_textHeight;
  m_contents = pSrc->m_contents;
  m_textStyleId = pSrc->m_textStyleId;
  m_lineSpacingFactor = pSrc->m_lineSpacingFactor;
  m_lineSpacingStyle = pSrc->m_lineSpacingStyle;
  m_backgroundFill = pSrc->m_backgroundFill;
  m_backgroundFillColor = pSrc->m_backgroundFillColor;
  m_useBackgroundColor = pSrc->m_useBackgroundColor;
  m_backgroundScaleFactor = pSrc->m_backgroundScaleFactor;
  m_columnType = pSrc->m_columnType;
  m_columnWidth = pSrc->m_columnWidth;
  m_columnGutterWidth = pSrc->m_columnGutterWidth;
  m_columnCount = pSrc->m_columnCount;
  forgetLayout();
}
