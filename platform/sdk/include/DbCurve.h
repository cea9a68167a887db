// OdDbCurve: an entity that is a curve, parametrised from a start to an end parameter.
// The queries return eOk or an error and deliver their results through the out arguments;
// this base class answers eNotImplementedYet for the queries its subclasses must provide and
// builds the point/distance conversions on top of them.
#ifndef OD_DB_CURVE_H
#define OD_DB_CURVE_H

#include "DbEntity.h"
#include "Ge/GePlane.h"
#include "Ge/GeVector3d.h"

class OdDbCurve : public OdDbEntity
{
public:
  ODRX_DECLARE_MEMBERS(OdDbCurve);

  virtual bool isClosed() const;
  virtual bool isPeriodic() const;

  virtual OdResult getStartParam(double& startParam) const;
  virtual OdResult getEndParam(double& endParam) const;
  virtual OdResult getStartPoint(OdGePoint3d& startPoint) const;
  virtual OdResult getEndPoint(OdGePoint3d& endPoint) const;
  // eInvalidInput for a parameter outside the curve's range or a point not on the curve.
  virtual OdResult getPointAtParam(double param, OdGePoint3d& pointOnCurve) const;
  virtual OdResult getParamAtPoint(const OdGePoint3d& pointOnCurve, double& param) const;
  virtual OdResult getDistAtParam(double param, double& dist) const;
  virtual OdResult getParamAtDist(double dist, double& param) const;
  // Through getParamAtPoint / getDistAtParam.
  virtual OdResult getDistAtPoint(const OdGePoint3d& pointOnCurve, double& dist) const;
  // Through getParamAtDist / getPointAtParam.
  virtual OdResult getPointAtDist(double dist, OdGePoint3d& pointOnCurve) const;
  virtual OdResult getFirstDeriv(double param, OdGeVector3d& firstDeriv) const;
  // Through getParamAtPoint.
  virtual OdResult getFirstDeriv(const OdGePoint3d& pointOnCurve, OdGeVector3d& firstDeriv) const;
  virtual OdResult getSecondDeriv(double param, OdGeVector3d& secondDeriv) const;
  virtual OdResult getClosestPointTo(const OdGePoint3d& givenPoint, OdGePoint3d& pointOnCurve,
                                     bool extend = false) const;
  // Area enclosed by the curve (closed with a straight segment when open).
  virtual OdResult getArea(double& area) const;
  virtual bool isPlanar() const;
  virtual OdResult getPlane(OdGePlane& plane, OdDb::Planarity& planarity) const;

protected:
  OdDbCurve();
};

typedef OdSmartPtr<OdDbCurve> OdDbCurvePtr;

#endif
