// OdDbLine: a straight segment from a start to an end point (world coordinates), with a
// thickness along its normal. Parameters run from 0 at the start to the length at the end.
#ifndef OD_DB_LINE_H
#define OD_DB_LINE_H

#include "DbCurve.h"

class OdDbLine : public OdDbCurve
{
public:
  ODRX_DECLARE_MEMBERS(OdDbLine);

  OdDbLine();
  OdDbLine(const OdGePoint3d& start, const OdGePoint3d& end);

  OdGePoint3d startPoint() const;
  // Non-finite coordinates raise OdError(eInvalidInput) and leave the line unchanged.
  void setStartPoint(const OdGePoint3d& startPoint);
  OdGePoint3d endPoint() const;
  void setEndPoint(const OdGePoint3d& endPoint);
  double thickness() const;
  // Any finite value, zero and negative ones included.
  void setThickness(double thickness);
  OdGeVector3d normal() const;
  // Stored normalised; a zero-length or non-finite vector raises OdError(eInvalidInput).
  void setNormal(const OdGeVector3d& normal);

  bool isClosed() const override { return false; }
  bool isPeriodic() const override { return false; }
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

  // Both points and the thickness extruded along the normal.
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;
  // Moves the points, turns the normal and scales the thickness; eInvalidInput for a matrix
  // with non-finite entries or one that collapses the normal.
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  OdGePoint3d m_start;
  OdGePoint3d m_end;
  double m_thickness = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
};

typedef OdSmartPtr<OdDbLine> OdDbLinePtr;

#endif
