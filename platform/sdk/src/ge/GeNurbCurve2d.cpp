// Planar NURBS curves, evaluated through the spatial curve in the plane z = 0.
#include "Ge/GeNurbCurve2d.h"

namespace
{
OdGePoint3dArray toSpace(const OdGePoint2dArray& points)
{
  OdGePoint3dArray out;
  out.reserve(points.size());
  for (const OdGePoint2d& p : points)
    out.append(OdGePoint3d(p.x, p.y, 0.0));
  return out;
}
} // namespace

OdGeNurbCurve2d::OdGeNurbCurve2d(int degree, const OdGeKnotVector& knots, const OdGePoint2dArray& controlPoints,
                                 const OdGeDoubleArray& weights, bool isPeriodic)
    : m_curve(degree, knots, toSpace(controlPoints), weights, isPeriodic)
{
}

bool OdGeNurbCurve2d::checkData(int degree, const OdGeDoubleArray& knots, const OdGePoint2dArray& controlPoints,
                                const OdGeDoubleArray& weights)
{
  return OdGeNurbCurve3d::checkData(degree, knots, toSpace(controlPoints), weights);
}

OdGePoint2d OdGeNurbCurve2d::controlPointAt(int index) const
{
  const OdGePoint3d p = m_curve.controlPointAt(index);
  return OdGePoint2d(p.x, p.y);
}

OdGePoint2d OdGeNurbCurve2d::evalPoint(double param) const
{
  const OdGePoint3d p = m_curve.evalPoint(param);
  return OdGePoint2d(p.x, p.y);
}

OdGeVector2d OdGeNurbCurve2d::evalDeriv(double param) const
{
  const OdGeVector3d v = m_curve.evalDeriv(param);
  return OdGeVector2d(v.x, v.y);
}

double OdGeNurbCurve2d::paramOf(const OdGePoint2d& point, const OdGeTol& tol) const
{
  return m_curve.paramOf(OdGePoint3d(point.x, point.y, 0.0), tol);
}

double OdGeNurbCurve2d::length(double fromParam, double toParam, double tol) const
{
  return m_curve.length(fromParam, toParam, tol);
}

OdGePoint2d OdGeNurbCurve2d::closestPointTo(const OdGePoint2d& point, const OdGeTol& tol) const
{
  return evalPoint(paramOf(point, tol));
}

bool OdGeNurbCurve2d::isOn(const OdGePoint2d& point, const OdGeTol& tol) const
{
  return closestPointTo(point, tol).distanceTo(point) <= tol.equalPoint();
}

OdGeCurve2d& OdGeNurbCurve2d::reverseParam()
{
  m_curve.reverseParam();
  m_fitPoints.reverse();
  const OdGeVector2d start = m_startTangent;
  m_startTangent = -m_endTangent;
  m_endTangent = -start;
  return *this;
}

OdGeEntity2d& OdGeNurbCurve2d::transformBy(const OdGeMatrix2d& xfm)
{
  OdGeMatrix3d m;
  m(0, 0) = xfm(0, 0);
  m(0, 1) = xfm(0, 1);
  m(0, 3) = xfm(0, 2);
  m(1, 0) = xfm(1, 0);
  m(1, 1) = xfm(1, 1);
  m(1, 3) = xfm(1, 2);
  m_curve.transformBy(m);
  for (OdGePoint2d& p : m_fitPoints)
    p.transformBy(xfm);
  m_startTangent.transformBy(xfm);
  m_endTangent.transformBy(xfm);
  return *this;
}

void OdGeNurbCurve2d::setFitData(const OdGePoint2dArray& fitPoints, const OdGeVector2d& startTangent,
                                 const OdGeVector2d& endTangent)
{
  m_fitPoints = fitPoints;
  m_startTangent = startTangent;
  m_endTangent = endTangent;
}
