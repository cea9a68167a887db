// Axis-aligned boxes and rectangles: growth by points and boxes, transformation, containment.
#include <algorithm>
#include <cfloat>

#include "Ge/GeExtents2d.h"
#include "Ge/GeExtents3d.h"

namespace
{
const OdGePoint3d kInvalidMin3d(DBL_MAX, DBL_MAX, DBL_MAX);
const OdGePoint3d kInvalidMax3d(-DBL_MAX, -DBL_MAX, -DBL_MAX);
const OdGePoint2d kInvalidMin2d(DBL_MAX, DBL_MAX);
const OdGePoint2d kInvalidMax2d(-DBL_MAX, -DBL_MAX);
}

const OdGeExtents3d OdGeExtents3d::kInvalid;
const OdGeExtents2d OdGeExtents2d::kInvalid;

OdGeExtents3d::OdGeExtents3d() : m_min(kInvalidMin3d), m_max(kInvalidMax3d)
{
}

OdGeExtents3d& OdGeExtents3d::set(const OdGePoint3d& min, const OdGePoint3d& max)
{
  m_min = min;
  m_max = max;
  return *this;
}

OdGeExtents3d& OdGeExtents3d::comparingSet(const OdGePoint3d& point1, const OdGePoint3d& point2)
{
  m_min.set(std::min(point1.x, point2.x), std::min(point1.y, point2.y), std::min(point1.z, point2.z));
  m_max.set(std::max(point1.x, point2.x), std::max(point1.y, point2.y), std::max(point1.z, point2.z));
  return *this;
}

OdGeExtents3d& OdGeExtents3d::addPoint(const OdGePoint3d& point)
{
  if (!isValidExtents())
    return set(point, point);
  m_min.set(std::min(m_min.x, point.x), std::min(m_min.y, point.y), std::min(m_min.z, point.z));
  m_max.set(std::max(m_max.x, point.x), std::max(m_max.y, point.y), std::max(m_max.z, point.z));
  return *this;
}

OdGeExtents3d& OdGeExtents3d::addPoints(const OdGePoint3dArray& points)
{
  for (const OdGePoint3d& p : points)
    addPoint(p);
  return *this;
}

OdGeExtents3d& OdGeExtents3d::addExt(const OdGeExtents3d& extents)
{
  if (extents.isValidExtents())
  {
    addPoint(extents.m_min);
    addPoint(extents.m_max);
  }
  return *this;
}

void OdGeExtents3d::expandBy(const OdGeVector3d& vect)
{
  if (!isValidExtents())
    return;
  const OdGeVector3d grow(std::fabs(vect.x), std::fabs(vect.y), std::fabs(vect.z));
  m_min -= grow;
  m_max += grow;
}

void OdGeExtents3d::translate(const OdGeVector3d& vect)
{
  if (!isValidExtents())
    return;
  m_min += vect;
  m_max += vect;
}

void OdGeExtents3d::transformBy(const OdGeMatrix3d& xfm)
{
  if (!isValidExtents())
    return;
  const OdGePoint3d lo = m_min, hi = m_max;
  *this = OdGeExtents3d();
  for (int corner = 0; corner < 8; ++corner)
  {
    OdGePoint3d p((corner & 1) ? hi.x : lo.x, (corner & 2) ? hi.y : lo.y, (corner & 4) ? hi.z : lo.z);
    addPoint(p.transformBy(xfm));
  }
}

bool OdGeExtents3d::contains(const OdGePoint3d& point, const OdGeTol& tol) const
{
  const double t = tol.equalPoint();
  return point.x >= m_min.x - t && point.x <= m_max.x + t && point.y >= m_min.y - t && point.y <= m_max.y + t &&
         point.z >= m_min.z - t && point.z <= m_max.z + t;
}

bool OdGeExtents3d::contains(const OdGeExtents3d& extents, const OdGeTol& tol) const
{
  return extents.isValidExtents() && contains(extents.m_min, tol) && contains(extents.m_max, tol);
}

bool OdGeExtents3d::isDisjoint(const OdGeExtents3d& extents, const OdGeTol& tol) const
{
  if (!isValidExtents() || !extents.isValidExtents())
    return true;
  const double t = tol.equalPoint();
  return extents.m_min.x > m_max.x + t || extents.m_max.x < m_min.x - t || extents.m_min.y > m_max.y + t ||
         extents.m_max.y < m_min.y - t || extents.m_min.z > m_max.z + t || extents.m_max.z < m_min.z - t;
}

OdGeExtents2d::OdGeExtents2d() : m_min(kInvalidMin2d), m_max(kInvalidMax2d)
{
}

OdGeExtents2d& OdGeExtents2d::set(const OdGePoint2d& min, const OdGePoint2d& max)
{
  m_min = min;
  m_max = max;
  return *this;
}

OdGeExtents2d& OdGeExtents2d::comparingSet(const OdGePoint2d& point1, const OdGePoint2d& point2)
{
  m_min.set(std::min(point1.x, point2.x), std::min(point1.y, point2.y));
  m_max.set(std::max(point1.x, point2.x), std::max(point1.y, point2.y));
  return *this;
}

OdGeExtents2d& OdGeExtents2d::addPoint(const OdGePoint2d& point)
{
  if (!isValidExtents())
    return set(point, point);
  m_min.set(std::min(m_min.x, point.x), std::min(m_min.y, point.y));
  m_max.set(std::max(m_max.x, point.x), std::max(m_max.y, point.y));
  return *this;
}

OdGeExtents2d& OdGeExtents2d::addPoints(const OdGePoint2dArray& points)
{
  for (const OdGePoint2d& p : points)
    addPoint(p);
  return *this;
}

OdGeExtents2d& OdGeExtents2d::addExt(const OdGeExtents2d& extents)
{
  if (extents.isValidExtents())
  {
    addPoint(extents.m_min);
    addPoint(extents.m_max);
  }
  return *this;
}

void OdGeExtents2d::expandBy(const OdGeVector2d& vect)
{
  if (!isValidExtents())
    return;
  const OdGeVector2d grow(std::fabs(vect.x), std::fabs(vect.y));
  m_min -= grow;
  m_max += grow;
}

void OdGeExtents2d::translate(const OdGeVector2d& vect)
{
  if (!isValidExtents())
    return;
  m_min += vect;
  m_max += vect;
}

void OdGeExtents2d::transformBy(const OdGeMatrix2d& xfm)
{
  if (!isValidExtents())
    return;
  const OdGePoint2d lo = m_min, hi = m_max;
  *this = OdGeExtents2d();
  for (int corner = 0; corner < 4; ++corner)
  {
    OdGePoint2d p((corner & 1) ? hi.x : lo.x, (corner & 2) ? hi.y : lo.y);
    addPoint(p.transformBy(xfm));
  }
}

bool OdGeExtents2d::contains(const OdGePoint2d& point, const OdGeTol& tol) const
{
  const double t = tol.equalPoint();
  return point.x >= m_min.x - t && point.x <= m_max.x + t && point.y >= m_min.y - t && point.y <= m_max.y + t;
}

bool OdGeExtents2d::contains(const OdGeExtents2d& extents, const OdGeTol& tol) const
{
  return extents.isValidExtents() && contains(extents.m_min, tol) && contains(extents.m_max, tol);
}

bool OdGeExtents2d::isDisjoint(const OdGeExtents2d& extents, const OdGeTol& tol) const
{
  if (!isValidExtents() || !extents.isValidExtents())
    return true;
  const double t = tol.equalPoint();
  return extents.m_min.x > m_max.x + t || extents.m_max.x < m_min.x - t || extents.m_min.y > m_max.y + t ||
         extents.m_max.y < m_min.y - t;
}
