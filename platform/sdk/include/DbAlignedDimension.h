// OdDbAlignedDimension: a linear dimension measuring the distance between the origins of its two
// extension lines (xLine1Point, xLine2Point), with the dimension line through dimLinePoint
// parallel to them. The extension lines may lean by an oblique angle (radians, 0 for
// perpendicular). Points are world coordinates.
#ifndef OD_DB_ALIGNED_DIMENSION_H
#define OD_DB_ALIGNED_DIMENSION_H

#include "DbDimension.h"

class OdDbAlignedDimension : public OdDbDimension
{
public:
  ODRX_DECLARE_MEMBERS(OdDbAlignedDimension);

  OdDbAlignedDimension();

  OdGePoint3d xLine1Point() const;
  void setXLine1Point(const OdGePoint3d& point);
  OdGePoint3d xLine2Point() const;
  void setXLine2Point(const OdGePoint3d& point);
  OdGePoint3d dimLinePoint() const;
  void setDimLinePoint(const OdGePoint3d& point);
  double oblique() const;
  void setOblique(double oblique);

  // The distance between the extension line origins.
  double getMeasurement() const override;
  // The middle of the dimension line.
  OdGePoint3d defaultTextPosition() const override;
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  OdGePoint3d m_xLine1;
  OdGePoint3d m_xLine2;
  OdGePoint3d m_dimLine;
  double m_oblique = 0.0;
};

typedef OdSmartPtr<OdDbAlignedDimension> OdDbAlignedDimensionPtr;

#endif
