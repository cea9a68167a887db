// Planar entities and unbounded planes: construction from points, axes, normals or
// coefficients, projection of points, and the relations between planes.
#include "Ge/GePlane.h"

#include "OdError.h"

const OdGePlane OdGePlane::kXYPlane(OdGePoint3d::kOrigin, OdGeVector3d::kXAxis, OdGeVector3d::kYAxis);
const OdGePlane OdGePlane::kYZPlane(OdGePoint3d::kOrigin, OdGeVector3d::kYAxis, OdGeVector3d::kZAxis);
const OdGePlane OdGePlane::kZXPlane(OdGePoint3d::kOrigin, OdGeVector3d::kZAxis, OdGeVector3d::kXAxis);

void OdGePlanarEnt::setAxes(const OdGePoint3d& origin, const OdGeVector3d& uAxis, const OdGeVector3d& vAxis)
{
  const OdGeVector3d n = uAxis.crossProduct(vAxis);
  // Parallel or zero axes span no plane; the test is relative to the axes' own lengths.
  if (!(n.length() > OdGeContext::gTol.equalVector() * uAxis.length() * vAxis.length()))
    throw OdError(eInvalidInput);
  m_origin = origin;
  m_uAxis = uAxis;
  m_vAxis = vAxis;
  m_normal = n.normal(OdGeContext::gZeroTol);
}

OdGeEntity3d& OdGePlanarEnt::transformBy(const OdGeMatrix3d& xfm)
{
  setAxes(OdGePoint3d(m_origin).transformBy(xfm), OdGeVector3d(m_uAxis).transformBy(xfm),
          OdGeVector3d(m_vAxis).transformBy(xfm));
  return *this;
}

bool OdGePlanarEnt::isOn(const OdGePoint3d& point, const OdGeTol& tol) const
{
  return std::fabs(m_normal.dotProduct(point - m_origin)) <= tol.equalPoint();
}

OdGePoint3d OdGePlanarEnt::closestPointTo(const OdGePoint3d& point) const
{
  return point - m_normal * m_normal.dotProduct(point - m_origin);
}

bool OdGePlanarEnt::project(const OdGePoint3d& p, const OdGeVector3d& unitDir, OdGePoint3d& projP,
                            const OdGeTol& tol) const
{
  const double denom = m_normal.dotProduct(unitDir);
  if (std::fabs(denom) <= tol.equalVector())
    return false;
  projP = p + unitDir * (m_normal.dotProduct(m_origin - p) / denom);
  return true;
}

bool OdGePlanarEnt::isParallelTo(const OdGePlanarEnt& plane, const OdGeTol& tol) const
{
  return m_normal.isParallelTo(plane.m_normal, tol);
}

bool OdGePlanarEnt::isPerpendicularTo(const OdGePlanarEnt& plane, const OdGeTol& tol) const
{
  return m_normal.isPerpendicularTo(plane.m_normal, tol);
}

bool OdGePlanarEnt::isCoplanarTo(const OdGePlanarEnt& plane, const OdGeTol& tol) const
{
  return isParallelTo(plane, tol) && isOn(plane.m_origin, tol);
}

OdGePlane& OdGePlane::set(const OdGePoint3d& origin, const OdGeVector3d& normal)
{
  if (normal.isZeroLength(OdGeContext::gZeroTol))
    throw OdError(eInvalidInput);
  const OdGeVector3d n = normal.normal(OdGeContext::gZeroTol);
  const OdGeVector3d u = n.perpVector().normal(OdGeContext::gZeroTol);
  setAxes(origin, u, n.crossProduct(u));
  return *this;
}

OdGePlane& OdGePlane::set(const OdGePoint3d& origin, const OdGeVector3d& uAxis, const OdGeVector3d& vAxis)
{
  setAxes(origin, uAxis, vAxis);
  return *this;
}

OdGePlane& OdGePlane::set(const OdGePoint3d& uPnt, const OdGePoint3d& origin, const OdGePoint3d& vPnt)
{
  setAxes(origin, uPnt - origin, vPnt - origin);
  return *this;
}

OdGePlane& OdGePlane::set(double a, double b, double c, double d)
{
  const OdGeVector3d n(a, b, c);
  if (n.isZeroLength(OdGeContext::gZeroTol))
    throw OdError(eInvalidInput);
  // The point of the plane nearest to the world origin.
  return set(OdGePoint3d::kOrigin + n * (-d / n.lengthSqrd()), n);
}

void OdGePlane::getCoefficients(double& a, double& b, double& c, double& d) const
{
  a = m_normal.x;
  b = m_normal.y;
  c = m_normal.z;
  d = -m_normal.dotProduct(m_origin.asVector());
}
