// OdDbConstructionLine: what infinite lines (OdDbXline) and rays (OdDbRay) share in this SDK: a base
// point (world coordinates) and a unit direction, with parameters t >= lowestParam() giving the
// point basePoint + t * unitDir. Code outside the SDK uses the two concrete classes.
#ifndef OD_DB_CONSTRUCTION_LINE_H
#define OD_DB_CONSTRUCTION_LINE_H

#include "DbCurve.h"

class OdDbConstructionLine : public OdDbCurve
{
public:
  ODRX_DECLARE_MEMBERS(OdDbConstructionLine);

  OdGePoint3d basePoint() const;
  // Non-finite coordinates raise OdError(eInvalidInput) and leave the line unchanged.
  void setBasePoint(const OdGePoint3d& basePoint);
  OdGeVector3d unitDir() const;
  // Stored normalised (a vector of unit length to 1e-12 as given); a zero-length or non-finite
  // vector raises OdError(eInvalidInput).
  void setUnitDir(const OdGeVector3d& unitDir);

  bool isClosed() const override { return false; }
  bool isPeriodic() const override { return false; }
  // The start is the base point when parameters are bounded below; no end: eNotApplicable.
  OdResult getStartParam(double& startParam) const override;
  OdResult getEndParam(double& endParam) const override;
  OdResult getStartPoint(OdGePoint3d& startPoint) const override;
  OdResult getEndPoint(OdGePoint3d& endPoint) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& pointOnCurve) const override;
  OdResult getParamAtPoint(const OdGePoint3d& pointOnCurve, double& param) const override;
  // Distances from the start: only where parameters start (rays).
  OdResult getDistAtParam(double param, double& dist) const override;
  OdResult getParamAtDist(double dist, double& param) const override;
  OdResult getFirstDeriv(double param, OdGeVector3d& firstDeriv) const override;
  OdResult getSecondDeriv(double param, OdGeVector3d& secondDeriv) const override;
  // With extend, the whole line through the base point counts.
  OdResult getClosestPointTo(const OdGePoint3d& givenPoint, OdGePoint3d& pointOnCurve,
                             bool extend = false) const override;
  OdResult getArea(double& area) const override;
  bool isPlanar() const override { return true; }
  OdResult getPlane(OdGePlane& plane, OdDb::Planarity& planarity) const override;
  // An unbounded curve has no extents: eInvalidExtents.
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  void copyFrom(const OdRxObject* pSource) override;

protected:
  // lowestParam: -infinity for a line without start, 0 for a ray.
  explicit OdDbConstructionLine(double lowestParam);
  // The kind's subclass: its marker, the base point (10) and the direction (11).
  void writeLineFields(OdDbDxfFiler* pFiler, const OdChar* marker) const;

private:
  bool onCurve(double t) const;
  double clamp(double t) const { return t < m_low ? m_low : t; }

  OdGePoint3d m_base;
  OdGeVector3d m_dir = OdGeVector3d::kXAxis;
  double m_low;
};

#endif
