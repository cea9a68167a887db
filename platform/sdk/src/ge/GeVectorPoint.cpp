// Operations of points and vectors that involve matrices or planes: transformation, rotation,
// projection and conversion between spatial and plane coordinates.
#include "Ge/GeMatrix2d.h"
#include "Ge/GeMatrix3d.h"
#include "Ge/GePlane.h"

namespace
{
// Components (s, t) of d along the independent vectors u and v, after dropping the part of d
// that is perpendicular to both (least squares on the Gram matrix).
OdGePoint2d decompose(const OdGeVector3d& d, const OdGeVector3d& u, const OdGeVector3d& v)
{
  const double a = u.dotProduct(u);
  const double b = u.dotProduct(v);
  const double c = v.dotProduct(v);
  const double r1 = d.dotProduct(u);
  const double r2 = d.dotProduct(v);
  const double det = a * c - b * b;
  return OdGePoint2d((c * r1 - b * r2) / det, (a * r2 - b * r1) / det);
}
}

OdGeVector2d& OdGeVector2d::setToProduct(const OdGeMatrix2d& m, const OdGeVector2d& v)
{
  return set(m.entry[0][0] * v.x + m.entry[0][1] * v.y, m.entry[1][0] * v.x + m.entry[1][1] * v.y);
}

OdGeVector2d& OdGeVector2d::transformBy(const OdGeMatrix2d& matrix)
{
  return setToProduct(matrix, OdGeVector2d(*this));
}

OdGePoint2d& OdGePoint2d::setToProduct(const OdGeMatrix2d& m, const OdGePoint2d& p)
{
  double nx = m.entry[0][0] * p.x + m.entry[0][1] * p.y + m.entry[0][2];
  double ny = m.entry[1][0] * p.x + m.entry[1][1] * p.y + m.entry[1][2];
  const double w = m.entry[2][0] * p.x + m.entry[2][1] * p.y + m.entry[2][2];
  if (w != 1.0 && w != 0.0)
  {
    nx /= w;
    ny /= w;
  }
  return set(nx, ny);
}

OdGePoint2d& OdGePoint2d::transformBy(const OdGeMatrix2d& matrix)
{
  return setToProduct(matrix, OdGePoint2d(*this));
}

OdGeVector3d& OdGeVector3d::set(const OdGePlanarEnt& plane, const OdGeVector2d& vect2d)
{
  OdGePoint3d origin;
  OdGeVector3d u, v;
  plane.getCoordSystem(origin, u, v);
  return *this = u * vect2d.x + v * vect2d.y;
}

OdGeVector3d& OdGeVector3d::rotateBy(double angle, const OdGeVector3d& axis)
{
  const double len = axis.length();
  if (len == 0.0)
    return *this;
  const OdGeVector3d k = axis / len;
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  return *this = *this * c + k.crossProduct(*this) * s + k * (k.dotProduct(*this) * (1.0 - c));
}

OdGeVector3d& OdGeVector3d::setToProduct(const OdGeMatrix3d& m, const OdGeVector3d& v)
{
  return set(m.entry[0][0] * v.x + m.entry[0][1] * v.y + m.entry[0][2] * v.z,
             m.entry[1][0] * v.x + m.entry[1][1] * v.y + m.entry[1][2] * v.z,
             m.entry[2][0] * v.x + m.entry[2][1] * v.y + m.entry[2][2] * v.z);
}

OdGeVector3d& OdGeVector3d::transformBy(const OdGeMatrix3d& matrix)
{
  return setToProduct(matrix, OdGeVector3d(*this));
}

OdGeVector2d OdGeVector3d::convert2d(const OdGePlanarEnt& plane) const
{
  OdGePoint3d origin;
  OdGeVector3d u, v;
  plane.getCoordSystem(origin, u, v);
  return decompose(*this, u, v).asVector();
}

OdGePoint3d& OdGePoint3d::set(const OdGePlanarEnt& plane, const OdGePoint2d& pnt2d)
{
  return *this = plane.evalPoint(pnt2d);
}

OdGePoint3d& OdGePoint3d::setToProduct(const OdGeMatrix3d& m, const OdGePoint3d& p)
{
  double nx = m.entry[0][0] * p.x + m.entry[0][1] * p.y + m.entry[0][2] * p.z + m.entry[0][3];
  double ny = m.entry[1][0] * p.x + m.entry[1][1] * p.y + m.entry[1][2] * p.z + m.entry[1][3];
  double nz = m.entry[2][0] * p.x + m.entry[2][1] * p.y + m.entry[2][2] * p.z + m.entry[2][3];
  const double w = m.entry[3][0] * p.x + m.entry[3][1] * p.y + m.entry[3][2] * p.z + m.entry[3][3];
  if (w != 1.0 && w != 0.0)
  {
    nx /= w;
    ny /= w;
    nz /= w;
  }
  return set(nx, ny, nz);
}

OdGePoint3d& OdGePoint3d::transformBy(const OdGeMatrix3d& matrix)
{
  return setToProduct(matrix, OdGePoint3d(*this));
}

OdGePoint3d& OdGePoint3d::mirror(const OdGePlane& plane)
{
  return transformBy(OdGeMatrix3d::mirroring(plane));
}

OdGePoint3d OdGePoint3d::orthoProject(const OdGePlane& plane) const
{
  return plane.closestPointTo(*this);
}

OdGePoint3d OdGePoint3d::project(const OdGePlane& plane, const OdGeVector3d& projectDirection) const
{
  OdGePoint3d result;
  if (!plane.project(*this, projectDirection.normal(), result))
    return *this;
  return result;
}

OdGePoint2d OdGePoint3d::convert2d(const OdGePlanarEnt& plane) const
{
  return plane.paramOf(*this);
}

OdGePoint2d OdGePlanarEnt::paramOf(const OdGePoint3d& point) const
{
  return decompose(point - m_origin, m_uAxis, m_vAxis);
}

OdGePoint3d operator*(const OdGeMatrix3d& matrix, const OdGePoint3d& point)
{
  return OdGePoint3d().setToProduct(matrix, point);
}

OdGeVector3d operator*(const OdGeMatrix3d& matrix, const OdGeVector3d& vect)
{
  return OdGeVector3d().setToProduct(matrix, vect);
}
