// OdDbRay: the half-infinite construction line from a base point (world coordinates) along a unit
// direction. Parameters run from 0 at the base point: the point at t >= 0 is basePoint + t * unitDir.
#ifndef OD_DB_RAY_H
#define OD_DB_RAY_H

#include "DbCurve.h"

class OdDbRay : public OdDbCurve
{
public:
  ODRX_DECLARE_MEMBERS(OdDbRay);

  // From the origin along +X.
  OdDbRay();

  OdGePoint3d basePoint() const;
  // Non-finite coordinates raise OdError(eInvalidInput) and leave the ray unchanged.
  void setBasePoint(const OdGePoint3d& basePoint);
  OdGeVector3d unitDir() const;
  // Stored normalised; a zero-length or non-finite vector raises OdError(eInvalidInput).
  void setUnitDir(const OdGeVector3d& unitDir);

  bool isClosed() const override { return false; }
  bool isPeriodic() const override { return false; }
  // Starts at parameter 0 (the base point); no end: eNotApplicable.
  OdResult getStartParam(double& startParam) const override;
  OdResult getEndParam(double& endParam) const override;
  OdResult getStartPoint(OdGePoint3d& startPoint) const override;
  OdResult getEndPoint(OdGePoint3d& endPoint) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& pointOnCurve) const override;
  OdResult getParamAtPoint(const OdGePoint3d& pointOnCurve, double& param) const override;
  OdResult getDistAtParam(double param, double& dist) const override;
  OdResult getParamAtDist(double dist, double& param) const override;
  OdResult getFirstDeriv(double param, OdGeVector3d& firstDeriv) const override;
  OdResult getSecondDeriv(double param, OdGeVector3d& secondDeriv) const override;
  OdResult getClosestPointTo(const OdGePoint3d& givenPoint, OdGePoint3d& pointOnCurve,
                             bool extend = false) const override;
  OdResult getArea(double& area) const override;
  bool isPlanar() const override { return true; }
  OdResult getPlane(OdGePlane& plane, OdDb::Planarity& planarity) const override;
  // An unbounded curve has no extents: eInvalidExtents.
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  OdGePoint3d m_base;
  OdGeVector3d m_dir = OdGeVector3d::kXAxis;
};

typedef OdSmartPtr<OdDbRay> OdDbRayPtr;

#endif
