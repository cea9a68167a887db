// Base of the spatial curves: a point for every parameter of an interval, lengths between
// parameters, and the closest point to a given point.
#ifndef OD_GE_CURVE3D_H
#define OD_GE_CURVE3D_H

#include "Ge/GeEntity3d.h"
#include "Ge/GeInterval.h"

class OdGeCurve3d : public OdGeEntity3d
{
public:
  bool isKindOf(OdGe::EntityId entType) const override
  {
    return entType == OdGe::kCurve3d || OdGeEntity3d::isKindOf(entType);
  }

  virtual void getInterval(OdGeInterval& interval) const = 0;
  virtual OdGePoint3d evalPoint(double param) const = 0;
  // Parameter of the curve point closest to the given point.
  virtual double paramOf(const OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const = 0;
  // Length of the curve between two parameters (order does not matter).
  virtual double length(double fromParam, double toParam, double tol = OdGeContext::gTol.equalPoint()) const = 0;
  virtual OdGePoint3d closestPointTo(const OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const = 0;
  // Reverses the direction of the curve; its point set does not change.
  virtual OdGeCurve3d& reverseParam() = 0;

  // Length over the whole interval.
  double length() const
  {
    OdGeInterval interval;
    getInterval(interval);
    return length(interval.lowerBound(), interval.upperBound());
  }
  double distanceTo(const OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const
  {
    return closestPointTo(point, tol).distanceTo(point);
  }
  bool hasStartPoint(OdGePoint3d& startPoint) const
  {
    OdGeInterval interval;
    getInterval(interval);
    if (!interval.isBounded())
      return false;
    startPoint = evalPoint(interval.lowerBound());
    return true;
  }
  bool hasEndPoint(OdGePoint3d& endPoint) const
  {
    OdGeInterval interval;
    getInterval(interval);
    if (!interval.isBounded())
      return false;
    endPoint = evalPoint(interval.upperBound());
    return true;
  }
  virtual bool isClosed(const OdGeTol& tol = OdGeContext::gTol) const
  {
    OdGePoint3d s, e;
    return hasStartPoint(s) && hasEndPoint(e) && s.isEqualTo(e, tol);
  }
};

#endif
