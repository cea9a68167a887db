// OdDbRotatedDimension: a linear dimension measuring the distance between the origins of its two
// extension lines (xLine1Point, xLine2Point) along the direction of its rotation (radians from the
// X axis of the plane of its normal); the dimension line runs in that direction through
// dimLinePoint. The extension lines may lean by an oblique angle. Points are world coordinates.
#ifndef OD_DB_ROTATED_DIMENSION_H
#define OD_DB_ROTATED_DIMENSION_H

#include "DbDimension.h"

class OdDbRotatedDimension : public OdDbDimension
{
public:
  ODRX_DECLARE_MEMBERS(OdDbRotatedDimension);

  OdDbRotatedDimension();

  OdGePoint3d xLine1Point() const;
  void setXLine1Point(const OdGePoint3d& point);
  OdGePoint3d xLine2Point() const;
  void setXLine2Point(const OdGePoint3d& point);
  OdGePoint3d dimLinePoint() const;
  void setDimLinePoint(const OdGePoint3d& point);
  double rotation() const;
  // Any finite angle, kept as given.
  void setRotation(double rotation);
  double oblique() const;
  void setOblique(double oblique);

  // The unit direction of the dimension line in world coordinates.
  OdGeVector3d direction() const;
  // The length of the projection of xLine1Point→xLine2Point onto the direction.
  double getMeasurement() const override;
  // The middle between the extension lines' feet on the dimension line.
  OdGePoint3d defaultTextPosition() const override;
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  OdGePoint3d m_xLine1;
  OdGePoint3d m_xLine2;
  OdGePoint3d m_dimLine;
  double m_rotation = 0.0;
  double m_oblique = 0.0;
};

typedef OdSmartPtr<OdDbRotatedDimension> OdDbRotatedDimensionPtr;

#endif
