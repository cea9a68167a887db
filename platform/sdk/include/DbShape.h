// OdDbShape: one shape of a shape file, placed like text: a position (world coordinates) in the
// plane of a normal, a size (its height), a rotation from the X axis of the normal's object
// coordinate system, a width factor and an obliquing angle (radians), a thickness along the
// normal. The shape is its number in the shape file of a text style (a shape-file style); its
// name is resolved through that style. A name no shape-file style of the database defines is
// kept as it was given, with shape number 0.
//
// Setters need write access; a refused value raises OdError(eInvalidInput) and leaves the shape
// unchanged. Non-finite numbers are always refused.
#ifndef OD_DB_SHAPE_H
#define OD_DB_SHAPE_H

#include "DbEntity.h"
#include "Ge/GeVector3d.h"

class OdDbShape : public OdDbEntity
{
public:
  ODRX_DECLARE_MEMBERS(OdDbShape);

  // Size 1, width factor 1, no style and no name.
  OdDbShape();

  OdGePoint3d position() const;
  void setPosition(const OdGePoint3d& position);
  double size() const;
  // Any finite value (a negative size turns the shape over).
  void setSize(double size);
  double rotation() const;
  // Any finite angle, kept as given.
  void setRotation(double rotation);
  double widthFactor() const;
  // Positive.
  void setWidthFactor(double widthFactor);
  double oblique() const;
  // Any finite angle, kept as given.
  void setOblique(double oblique);
  double thickness() const;
  // Any finite value, zero and negative ones included.
  void setThickness(double thickness);
  OdGeVector3d normal() const;
  // Stored normalised; a zero-length vector is refused.
  void setNormal(const OdGeVector3d& normal);

  // The shape-file style whose shape file holds the shape (null when none is known).
  OdDbObjectId styleId() const;
  // A text style record or null; other ids raise OdError(eWrongObjectType).
  void setStyleId(const OdDbObjectId& styleId);
  OdUInt16 shapeNumber() const;
  // The name follows the number when the style defines it.
  void setShapeNumber(OdUInt16 shapeNumber);
  // The shape's name in its style, or the name as it was given when the style does not define it.
  OdString name() const;
  // Looks the name up in the shape-file styles of the database, the shape's own style first;
  // found, the style and the number follow it. Otherwise the name is kept and the number is 0.
  // The shape needs write access.
  void setName(const OdString& name);

  // The box of size x width factor by size from the position along the rotated direction (the
  // obliquing angle leans nothing), and its ends along the normal with a thickness.
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;
  // Moves the position; the rotation, size and width factor follow the direction and the scale
  // across it, the normal turns and the thickness scales. eInvalidInput when the matrix
  // collapses the shape's plane.
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  OdGePoint3d m_position;
  double m_size = 1.0;
  double m_rotation = 0.0;
  double m_widthFactor = 1.0;
  double m_oblique = 0.0;
  double m_thickness = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  OdDbObjectId m_styleId;
  OdUInt16 m_shapeNumber = 0;
  OdString m_name; // as given; name() prefers the style's name for the number
};

typedef OdSmartPtr<OdDbShape> OdDbShapePtr;

#endif
