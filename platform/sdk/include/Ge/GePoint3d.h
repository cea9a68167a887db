// Three-dimensional point: plain x, y and z members. Differences of points are vectors; a
// point plus or minus a vector is a point. convert2d() gives a point's coordinates in the
// parameter system (origin, u axis, v axis) of a plane.
#ifndef OD_GE_POINT3D_H
#define OD_GE_POINT3D_H

#include "Ge/GePoint2d.h"
#include "Ge/GeVector3d.h"

class OdGeMatrix3d;
class OdGePlanarEnt;
class OdGePlane;

class OdGePoint3d
{
public:
  double x;
  double y;
  double z;

  constexpr OdGePoint3d() : x(0.0), y(0.0), z(0.0) {}
  constexpr OdGePoint3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
  // The point at parameters pnt2d of the plane: origin + pnt2d.x * u axis + pnt2d.y * v axis.
  OdGePoint3d(const OdGePlanarEnt& plane, const OdGePoint2d& pnt2d) { set(plane, pnt2d); }

  static const OdGePoint3d kOrigin;

  OdGePoint3d& set(double xx, double yy, double zz)
  {
    x = xx;
    y = yy;
    z = zz;
    return *this;
  }
  OdGePoint3d& set(const OdGePlanarEnt& plane, const OdGePoint2d& pnt2d);

  double operator[](unsigned int i) const { return i == 0 ? x : (i == 1 ? y : z); }
  double& operator[](unsigned int i) { return i == 0 ? x : (i == 1 ? y : z); }

  OdGeVector3d operator-(const OdGePoint3d& p) const { return OdGeVector3d(x - p.x, y - p.y, z - p.z); }
  OdGePoint3d operator+(const OdGeVector3d& v) const { return OdGePoint3d(x + v.x, y + v.y, z + v.z); }
  OdGePoint3d operator-(const OdGeVector3d& v) const { return OdGePoint3d(x - v.x, y - v.y, z - v.z); }
  OdGePoint3d operator*(double s) const { return OdGePoint3d(x * s, y * s, z * s); }
  OdGePoint3d operator/(double s) const { return OdGePoint3d(x / s, y / s, z / s); }
  friend OdGePoint3d operator*(double s, const OdGePoint3d& p) { return p * s; }
  OdGePoint3d& operator+=(const OdGeVector3d& v) { x += v.x; y += v.y; z += v.z; return *this; }
  OdGePoint3d& operator-=(const OdGeVector3d& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
  OdGePoint3d& operator*=(double s) { x *= s; y *= s; z *= s; return *this; }
  OdGePoint3d& operator/=(double s) { x /= s; y /= s; z /= s; return *this; }

  bool operator==(const OdGePoint3d& p) const { return isEqualTo(p); }
  bool operator!=(const OdGePoint3d& p) const { return !isEqualTo(p); }
  bool isEqualTo(const OdGePoint3d& p, const OdGeTol& tol = OdGeContext::gTol) const
  {
    return distanceTo(p) <= tol.equalPoint();
  }

  double distanceTo(const OdGePoint3d& p) const { return (*this - p).length(); }
  OdGeVector3d asVector() const { return OdGeVector3d(x, y, z); }

  OdGePoint3d& setToSum(const OdGePoint3d& p, const OdGeVector3d& v) { return set(p.x + v.x, p.y + v.y, p.z + v.z); }
  // Applies the whole matrix, translation included (and the perspective division when the
  // last row is not (0, 0, 0, 1)).
  OdGePoint3d& setToProduct(const OdGeMatrix3d& matrix, const OdGePoint3d& point);
  OdGePoint3d& transformBy(const OdGeMatrix3d& matrix);
  // Rotation about the axis through wrtPoint, counter-clockwise when looking down the axis.
  OdGePoint3d& rotateBy(double angle, const OdGeVector3d& vect, const OdGePoint3d& wrtPoint = kOrigin)
  {
    OdGeVector3d v = *this - wrtPoint;
    *this = wrtPoint + v.rotateBy(angle, vect);
    return *this;
  }
  OdGePoint3d& scaleBy(double factor, const OdGePoint3d& wrtPoint = kOrigin)
  {
    *this = wrtPoint + (*this - wrtPoint) * factor;
    return *this;
  }
  OdGePoint3d& mirror(const OdGePlane& plane);

  // Foot of the perpendicular from this point onto the plane.
  OdGePoint3d orthoProject(const OdGePlane& plane) const;
  // Projection onto the plane along projectDirection; a direction parallel to the plane gives
  // the point unchanged.
  OdGePoint3d project(const OdGePlane& plane, const OdGeVector3d& projectDirection) const;

  // Parameters (u, v) of this point, projected onto the plane, in the plane's origin and axes.
  OdGePoint2d convert2d(const OdGePlanarEnt& plane) const;
  // The x and y coordinates.
  OdGePoint2d convert2d() const { return OdGePoint2d(x, y); }
};

inline const OdGePoint3d OdGePoint3d::kOrigin(0.0, 0.0, 0.0);

inline OdGePoint3d OdGeVector3d::asPoint() const
{
  return OdGePoint3d(x, y, z);
}

// Product of a matrix and a point (the matrix applied to the point).
OdGePoint3d operator*(const OdGeMatrix3d& matrix, const OdGePoint3d& point);

#endif
