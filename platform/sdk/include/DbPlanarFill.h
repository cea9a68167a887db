// OdDbPlanarFill: what traces (OdDbTrace) and 2D solids (OdDbSolid) share in this SDK: four corners
// (world coordinates) in the plane of a normal, with a thickness along the normal. Corners are
// kept in the order they were given; the fill runs through corners 0, 1, 3, 2, as files store
// them. Code outside the SDK uses the two concrete classes.
#ifndef OD_DB_PLANAR_FILL_H
#define OD_DB_PLANAR_FILL_H

#include "DbEntity.h"
#include "Ge/GeVector3d.h"

class OdDbPlanarFill : public OdDbEntity
{
public:
  ODRX_DECLARE_MEMBERS(OdDbPlanarFill);

  // Corner 0 to 3; eInvalidIndex for any other index (the point is left as it was).
  OdResult getPointAt(OdUInt16 index, OdGePoint3d& point) const;
  // eInvalidIndex for an index above 3, eInvalidInput for a non-finite point; the corner is
  // unchanged then.
  OdResult setPointAt(OdUInt16 index, const OdGePoint3d& point);
  double thickness() const;
  // Any finite value, zero and negative ones included.
  void setThickness(double thickness);
  OdGeVector3d normal() const;
  // Stored normalised; a zero-length or non-finite vector raises OdError(eInvalidInput).
  void setNormal(const OdGeVector3d& normal);

  // The corners and, with a thickness, their ends along the normal.
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  // Both kinds write the subclass "AcDbTrace".
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

protected:
  // All four corners at the origin.
  OdDbPlanarFill();
  // Non-finite corners raise OdError(eInvalidInput).
  OdDbPlanarFill(const OdGePoint3d& pt0, const OdGePoint3d& pt1, const OdGePoint3d& pt2, const OdGePoint3d& pt3);

private:
  OdGePoint3d m_corners[4];
  double m_thickness = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
};

#endif
