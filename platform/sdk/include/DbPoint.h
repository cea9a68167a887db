// OdDbPoint: a point entity at a position (world coordinates), with a thickness along its normal
// and the rotation of its object coordinate system's X axis about that normal (radians).
#ifndef OD_DB_POINT_H
#define OD_DB_POINT_H

#include "DbEntity.h"
#include "Ge/GeVector3d.h"

class OdDbPoint : public OdDbEntity
{
public:
  ODRX_DECLARE_MEMBERS(OdDbPoint);

  OdDbPoint();
  explicit OdDbPoint(const OdGePoint3d& position);

  OdGePoint3d position() const;
  // Non-finite coordinates raise OdError(eInvalidInput) and leave the point unchanged.
  void setPosition(const OdGePoint3d& position);
  double thickness() const;
  // Any finite value, zero and negative ones included.
  void setThickness(double thickness);
  OdGeVector3d normal() const;
  // Stored normalised; a zero-length or non-finite vector raises OdError(eInvalidInput).
  void setNormal(const OdGeVector3d& normal);
  double ecsRotation() const;
  // Any finite angle, kept as given.
  void setEcsRotation(double rotation);

  // The position and, with a thickness, its end along the normal.
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;
  // Moves the position, turns the normal and scales the thickness.
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  OdGePoint3d m_position;
  double m_thickness = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  double m_ecsRotation = 0.0;
};

typedef OdSmartPtr<OdDbPoint> OdDbPointPtr;

#endif
