// Bounded line segments in the plane and in space: parameters, closest points, lengths.
#include <algorithm>

#include "Ge/GeLineSeg2d.h"
#include "Ge/GeLineSeg3d.h"

OdGeEntity2d& OdGeLineSeg2d::transformBy(const OdGeMatrix2d& xfm)
{
  m_start.transformBy(xfm);
  m_end.transformBy(xfm);
  return *this;
}

bool OdGeLineSeg2d::isOn(const OdGePoint2d& point, const OdGeTol& tol) const
{
  return closestPointTo(point, tol).distanceTo(point) <= tol.equalPoint();
}

double OdGeLineSeg2d::paramOf(const OdGePoint2d& point, const OdGeTol& tol) const
{
  const OdGeVector2d d = m_end - m_start;
  const double lenSqrd = d.lengthSqrd();
  if (lenSqrd <= tol.equalPoint() * tol.equalPoint())
    return 0.0;
  return (point - m_start).dotProduct(d) / lenSqrd;
}

double OdGeLineSeg2d::length(double fromParam, double toParam, double) const
{
  return std::fabs(toParam - fromParam) * (m_end - m_start).length();
}

OdGePoint2d OdGeLineSeg2d::closestPointTo(const OdGePoint2d& point, const OdGeTol& tol) const
{
  return evalPoint(std::clamp(paramOf(point, tol), 0.0, 1.0));
}

OdGeCurve2d& OdGeLineSeg2d::reverseParam()
{
  std::swap(m_start, m_end);
  return *this;
}

OdGeEntity3d& OdGeLineSeg3d::transformBy(const OdGeMatrix3d& xfm)
{
  m_start.transformBy(xfm);
  m_end.transformBy(xfm);
  return *this;
}

bool OdGeLineSeg3d::isOn(const OdGePoint3d& point, const OdGeTol& tol) const
{
  return closestPointTo(point, tol).distanceTo(point) <= tol.equalPoint();
}

double OdGeLineSeg3d::paramOf(const OdGePoint3d& point, const OdGeTol& tol) const
{
  const OdGeVector3d d = m_end - m_start;
  const double lenSqrd = d.lengthSqrd();
  if (lenSqrd <= tol.equalPoint() * tol.equalPoint())
    return 0.0;
  return (point - m_start).dotProduct(d) / lenSqrd;
}

double OdGeLineSeg3d::length(double fromParam, double toParam, double) const
{
  return std::fabs(toParam - fromParam) * (m_end - m_start).length();
}

OdGePoint3d OdGeLineSeg3d::closestPointTo(const OdGePoint3d& point, const OdGeTol& tol) const
{
  return evalPoint(std::clamp(paramOf(point, tol), 0.0, 1.0));
}

OdGeCurve3d& OdGeLineSeg3d::reverseParam()
{
  std::swap(m_start, m_end);
  return *this;
}
