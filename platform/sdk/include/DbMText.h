// OdDbMText: multiline text. The location is the attachment point of the text box; the box
// lies in the plane of the normal along the direction (the rotation measures the direction
// from the X axis of the normal's object coordinate system). Contents keep their formatting
// codes; text() is the same text without them.
//
// Layout model (the stand-in has no fonts): every glyph advances 0.6 x text height, spaces
// included, whatever formatting codes say about fonts, heights or widths. Lines are the
// paragraphs of the contents ("\P", and the column break "\N"), each wrapped at the defined
// width when it is positive (at the column width for texts with columns). Baselines are
// 5/3 x text height x line spacing factor apart for both line spacing styles, so the actual
// height of n lines is height + (n - 1) x that distance. With columns the lines fill the
// columns in order, ceil(lines / column count) per column. The flow direction is stored but
// every direction lays out left to right.
//
// The box that attachment and bounding points refer to is the defined width (or the columns
// with their gutters) wide, or the actual width when no width is defined, and the actual
// height tall.
//
// Setters need write access; a refused value raises OdError(eInvalidInput) and leaves the text
// unchanged. Non-finite numbers are always refused.
#ifndef OD_DB_MTEXT_H
#define OD_DB_MTEXT_H

#include "CmColor.h"
#include "DbEntity.h"
#include "Ge/GePoint3dArray.h"
#include "Ge/GeVector3d.h"

namespace OdDb
{
enum LineSpacingStyle
{
  kAtLeast = 1,
  kExactly = 2
};
} // namespace OdDb

class OdDbMText : public OdDbEntity
{
public:
  ODRX_DECLARE_MEMBERS(OdDbMText);

  enum AttachmentPoint
  {
    kTopLeft = 1,
    kTopCenter = 2,
    kTopRight = 3,
    kMiddleLeft = 4,
    kMiddleCenter = 5,
    kMiddleRight = 6,
    kBottomLeft = 7,
    kBottomCenter = 8,
    kBottomRight = 9
  };

  enum FlowDirection
  {
    kLtoR = 1,
    kRtoL = 2,
    kTtoB = 3,
    kBtoT = 4,
    kByStyle = 5
  };

  enum ColumnType
  {
    kNoColumns = 0,
    kStaticColumns = 1,
    kDynamicColumns = 2
  };

  OdDbMText();

  OdGePoint3d location() const;
  void setLocation(const OdGePoint3d& location);
  OdGeVector3d normal() const;
  // Stored normalised; a zero-length vector is refused. The direction is turned into the new
  // plane (keeping the rotation).
  void setNormal(const OdGeVector3d& normal);
  // Unit vector of the text direction in the plane of the normal.
  OdGeVector3d direction() const;
  // Projected onto the plane and normalised; a vector along the normal is refused.
  void setDirection(const OdGeVector3d& direction);
  double rotation() const;
  // Whole turns are dropped, keeping the sign: the rotation stays within (-2pi, 2pi).
  void setRotation(double rotation);

  AttachmentPoint attachment() const;
  // Keeps the location: the box moves around it. Values outside 1..9 are refused.
  void setAttachment(AttachmentPoint attachment);
  FlowDirection flowDirection() const;
  // Values outside kLtoR..kByStyle are refused.
  void setFlowDirection(FlowDirection flowDirection);

  // Defined width; 0 means no wrapping.
  double width() const;
  // Non-negative.
  void setWidth(double width);
  double textHeight() const;
  // Positive.
  void setTextHeight(double height);

  OdString contents() const;
  void setContents(const OdString& contents);
  // The contents without formatting codes; paragraphs are separated by '\n', stacked
  // fractions show as "numerator/denominator".
  OdString text() const;

  // Null selects no style; otherwise a text style record (OdError(eWrongObjectType)).
  OdDbObjectId textStyle() const;
  void setTextStyle(const OdDbObjectId& textStyleId);

  double lineSpacingFactor() const;
  // 0.25 .. 4.0.
  void setLineSpacingFactor(double factor);
  OdDb::LineSpacingStyle lineSpacingStyle() const;
  // kAtLeast or kExactly.
  void setLineSpacingStyle(OdDb::LineSpacingStyle style);

  bool backgroundFillOn() const;
  void setBackgroundFill(bool enable);
  OdCmColor getBackgroundFillColor() const;
  void setBackgroundFillColor(const OdCmColor& color);
  // Fill with the drawing's background colour instead of the fill colour.
  bool useBackgroundColorOn() const;
  void setUseBackgroundColor(bool useBackgroundColor);
  // Margin of the fill around the text, per unit of text height: 1.0 .. 5.0.
  double getBackgroundScaleFactor() const;
  void setBackgroundScaleFactor(double scale);

  ColumnType getColumnType() const;
  // Values outside kNoColumns..kDynamicColumns are refused.
  void setColumnType(ColumnType columnType);
  // Non-negative.
  double getColumnWidth() const;
  void setColumnWidth(double width);
  double getColumnGutterWidth() const;
  void setColumnGutterWidth(double width);
  // At least 1.
  OdInt32 getColumnCount() const;
  void setColumnCount(OdInt32 count);

  // Height and width of the laid-out text (0 for empty contents).
  double actualHeight() const;
  double actualWidth() const;

  // The corners of the text box in world coordinates: top left, top right, bottom left,
  // bottom right.
  void getBoundingPoints(OdGePoint3dArray& boundingPoints) const;

  // The corners of the box; eInvalidExtents for empty contents.
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;
  // Location, direction and normal follow the matrix; the text height takes the scaling
  // across the direction, the widths the scaling along it. eInvalidInput for non-finite
  // matrices and ones that collapse the text plane.
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  // 10 location, 40 text height, 41 width, 46 actual height, 71 attachment, 72 flow direction,
  // 1 contents, 7 style handle, 210 normal, 11 direction, 42 actual width, 50 rotation,
  // 73 line spacing style, 44 line spacing factor, 90 fill flags (1 fill, 2 background
  // colour), 63 fill colour index, 45 fill scale, 75 column type, 76 column count, 48 column
  // width, 49 gutter width.
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  struct Layout
  {
    double boxWidth = 0.0;
    double actualWidth = 0.0;
    double actualHeight = 0.0;
  };
  // The layout of the text as it stands, kept until a layout input changes (dxfOut and the
  // extents ask for it often).
  Layout layout() const;
  Layout computeLayout() const;
  void forgetLayout() { m_layoutKnown = false; }
  OdGeVector3d directionVector() const;
  // Stores a value that the text's layout depends on (a size, the contents, the column settings),
  // unless the layout would overflow (a huge height times the line pitch or the glyph count):
  // then nothing changes and eInvalidInput is raised.
  template <class T>
  void setLayoutInput(T& member, const T& value);

  OdGePoint3d m_location;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  double m_rotation = 0.0;
  AttachmentPoint m_attachment = kTopLeft;
  FlowDirection m_flowDirection = kLtoR;
  double m_width = 0.0;
  double m_textHeight = 1.0;
  OdString m_contents;
  OdDbObjectId m_textStyleId;
  double m_lineSpacingFactor = 1.0;
  OdDb::LineSpacingStyle m_lineSpacingStyle = OdDb::kAtLeast;
  bool m_backgroundFill = false;
  OdCmColor m_backgroundFillColor;
  bool m_useBackgroundColor = false;
  double m_backgroundScaleFactor = 1.5;
  ColumnType m_columnType = kNoColumns;
  double m_columnWidth = 0.0;
  double m_columnGutterWidth = 0.0;
  OdInt32 m_columnCount = 1;
  mutable Layout m_layout;
  mutable bool m_layoutKnown = false;
};

typedef OdSmartPtr<OdDbMText> OdDbMTextPtr;

#endif
