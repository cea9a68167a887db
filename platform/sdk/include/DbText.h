// OdDbText: single-line text. The position is the start of the baseline; for justifications
// other than left/baseline the alignment point is the anchor and adjustAlignment() derives the
// position from it. Points are in world coordinates, angles in radians; the text lies in the
// plane of its normal, its direction is the rotation measured from the X axis of the normal's
// object coordinate system.
//
// Glyph model (the stand-in has no fonts): every glyph advances 0.6 x height x width factor,
// spaces included; "%%d", "%%p", "%%c", "%%%" and "%%nnn" count as one glyph and the toggles
// "%%u" and "%%o" as none. The text box is one height tall and sits on the baseline (no
// descent, so bottom and baseline justification coincide). The obliquing angle does not change
// the box. Mirrored in X the box runs backwards from the position, mirrored in Y it hangs below
// the baseline.
//
// Setters need write access; a refused value raises OdError(eInvalidInput) and leaves the text
// unchanged. Non-finite numbers are always refused.
#ifndef OD_DB_TEXT_H
#define OD_DB_TEXT_H

#include "DbEntity.h"
#include "Ge/GePoint3dArray.h"
#include "Ge/GeVector3d.h"

class OdDbText : public OdDbEntity
{
public:
  ODRX_DECLARE_MEMBERS(OdDbText);

  OdDbText();

  OdGePoint3d position() const;
  void setPosition(const OdGePoint3d& position);
  // The anchor of non-left justifications, the far end of the baseline for aligned and fit.
  OdGePoint3d alignmentPoint() const;
  void setAlignmentPoint(const OdGePoint3d& alignmentPoint);
  OdDb::TextHorzMode horizontalMode() const;
  // Values outside kTextLeft..kTextFit are refused.
  void setHorizontalMode(OdDb::TextHorzMode horizontalMode);
  OdDb::TextVertMode verticalMode() const;
  // Values outside kTextBase..kTextTop are refused.
  void setVerticalMode(OdDb::TextVertMode verticalMode);
  // Left and baseline.
  bool isDefaultAlignment() const;

  double height() const;
  // Positive.
  void setHeight(double height);
  double rotation() const;
  // Whole turns are dropped, keeping the sign: the rotation stays within (-2pi, 2pi).
  void setRotation(double rotation);
  double widthFactor() const;
  // Positive.
  void setWidthFactor(double widthFactor);
  // Obliquing angle; within +-85 degrees.
  double oblique() const;
  void setOblique(double oblique);
  double thickness() const;
  void setThickness(double thickness);
  OdGeVector3d normal() const;
  // Stored normalised; a zero-length vector is refused.
  void setNormal(const OdGeVector3d& normal);

  OdString textString() const;
  void setTextString(const OdString& textString);
  // Null selects no style; otherwise the id must name a text style record
  // (OdError(eWrongObjectType) otherwise).
  OdDbObjectId textStyle() const;
  void setTextStyle(const OdDbObjectId& textStyleId);

  // Backwards (glyphs run right to left) and upside down.
  bool isMirroredInX() const;
  void mirrorInX(bool mirror);
  bool isMirroredInY() const;
  void mirrorInY(bool mirror);

  // Places the text on its alignment point. Left/baseline text is left as it is. Aligned and
  // fit text get their direction from the position towards the alignment point and, so that
  // the glyphs span exactly that distance, a new height (aligned) or width factor (fit); an
  // empty string or coincident points change nothing. Every other justification moves the
  // position so that the anchor of the box lies on the alignment point. The database is not
  // needed by the glyph model and may be null.
  virtual void adjustAlignment(OdDbDatabase* pDb = 0);

  // The corners of the text box in world coordinates: top left, top right, bottom left,
  // bottom right (in the text's own reading direction).
  void getBoundingPoints(OdGePoint3dArray& boundingPoints) const;

  // The four corners, and their copies along the normal by the thickness.
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;
  // Points, normal and direction follow the matrix; the height takes the scaling across the
  // baseline, the width factor the remaining scaling along it, the thickness the scaling along
  // the normal. A mirroring matrix turns the normal over (the glyphs are mirrored with the
  // geometry). eInvalidInput for non-finite matrices and ones that collapse the text plane.
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  // 1 string, 7 style handle, 10 position, 11 alignment point, 40 height, 41 width factor,
  // 50 rotation, 51 oblique, 71 mirror flags (2 backwards, 4 upside down), 72 / 73
  // justification, 39 thickness, 210 normal.
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  // Unit vectors of the glyph direction and of the glyph up direction (mirroring applied).
  void textAxes(OdGeVector3d& along, OdGeVector3d& up) const;
  double textLength() const;

  OdGePoint3d m_position;
  OdGePoint3d m_alignmentPoint;
  OdDb::TextHorzMode m_horizontalMode = OdDb::kTextLeft;
  OdDb::TextVertMode m_verticalMode = OdDb::kTextBase;
  double m_height = 1.0;
  double m_rotation = 0.0;
  double m_widthFactor = 1.0;
  double m_oblique = 0.0;
  double m_thickness = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  OdString m_textString;
  OdDbObjectId m_textStyleId;
  bool m_mirroredInX = false;
  bool m_mirroredInY = false;
};

typedef OdSmartPtr<OdDbText> OdDbTextPtr;

#endif
