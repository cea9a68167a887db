// Three-dimensional vector: plain x, y and z members with the vector algebra of the geometry
// library. normalize() leaves a zero-length vector unchanged (the flag overload reports k0This);
// angleTo(v, reference) measures counter-clockwise about the reference, in [0, 2pi).
#ifndef OD_GE_VECTOR3D_H
#define OD_GE_VECTOR3D_H

#include <cmath>

#include "Ge/GeContext.h"
#include "Ge/GeGbl.h"
#include "Ge/GeVector2d.h"

class OdGeMatrix3d;
class OdGePlanarEnt;
class OdGePoint3d;

class OdGeVector3d
{
public:
  double x;
  double y;
  double z;

  constexpr OdGeVector3d() : x(0.0), y(0.0), z(0.0) {}
  constexpr OdGeVector3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
  // The vector whose components along the plane's axes are vect2d.x and vect2d.y.
  OdGeVector3d(const OdGePlanarEnt& plane, const OdGeVector2d& vect2d) { set(plane, vect2d); }

  static const OdGeVector3d kIdentity;
  static const OdGeVector3d kXAxis;
  static const OdGeVector3d kYAxis;
  static const OdGeVector3d kZAxis;

  OdGeVector3d& set(double xx, double yy, double zz)
  {
    x = xx;
    y = yy;
    z = zz;
    return *this;
  }
  OdGeVector3d& set(const OdGePlanarEnt& plane, const OdGeVector2d& vect2d);

  double operator[](unsigned int i) const { return i == 0 ? x : (i == 1 ? y : z); }
  double& operator[](unsigned int i) { return i == 0 ? x : (i == 1 ? y : z); }
  // Index (0, 1 or 2) of the component with the largest absolute value.
  unsigned int largestElement() const
  {
    const double ax = std::fabs(x), ay = std::fabs(y), az = std::fabs(z);
    if (ax >= ay && ax >= az)
      return 0;
    return ay >= az ? 1 : 2;
  }

  OdGeVector3d operator+(const OdGeVector3d& v) const { return OdGeVector3d(x + v.x, y + v.y, z + v.z); }
  OdGeVector3d operator-(const OdGeVector3d& v) const { return OdGeVector3d(x - v.x, y - v.y, z - v.z); }
  OdGeVector3d operator-() const { return OdGeVector3d(-x, -y, -z); }
  OdGeVector3d operator*(double s) const { return OdGeVector3d(x * s, y * s, z * s); }
  OdGeVector3d operator/(double s) const { return OdGeVector3d(x / s, y / s, z / s); }
  friend OdGeVector3d operator*(double s, const OdGeVector3d& v) { return v * s; }
  OdGeVector3d& operator+=(const OdGeVector3d& v) { x += v.x; y += v.y; z += v.z; return *this; }
  OdGeVector3d& operator-=(const OdGeVector3d& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
  OdGeVector3d& operator*=(double s) { x *= s; y *= s; z *= s; return *this; }
  OdGeVector3d& operator/=(double s) { x /= s; y /= s; z /= s; return *this; }
  OdGeVector3d& negate() { x = -x; y = -y; z = -z; return *this; }

  bool operator==(const OdGeVector3d& v) const { return isEqualTo(v); }
  bool operator!=(const OdGeVector3d& v) const { return !isEqualTo(v); }
  bool isEqualTo(const OdGeVector3d& v, const OdGeTol& tol = OdGeContext::gTol) const
  {
    return (*this - v).length() <= tol.equalVector();
  }

  double length() const { return std::sqrt(x * x + y * y + z * z); }
  double lengthSqrd() const { return x * x + y * y + z * z; }
  double dotProduct(const OdGeVector3d& v) const { return x * v.x + y * v.y + z * v.z; }
  OdGeVector3d crossProduct(const OdGeVector3d& v) const
  {
    return OdGeVector3d(y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x);
  }

  bool isZeroLength(const OdGeTol& tol = OdGeContext::gTol) const { return length() <= tol.equalVector(); }
  bool isUnitLength(const OdGeTol& tol = OdGeContext::gTol) const { return std::fabs(length() - 1.0) <= tol.equalVector(); }

  OdGeVector3d& normalize(const OdGeTol& tol = OdGeContext::gTol)
  {
    OdGeError flag;
    return normalize(tol, flag);
  }
  OdGeVector3d& normalize(const OdGeTol& tol, OdGeError& flag)
  {
    const double len = length();
    if (len <= tol.equalVector())
    {
      flag = OdGe::k0This;
      return *this;
    }
    flag = OdGe::kOk;
    return *this /= len;
  }
  OdGeVector3d normal(const OdGeTol& tol = OdGeContext::gTol) const { return OdGeVector3d(*this).normalize(tol); }
  // Normalizes when the length exceeds tol and returns the length it had.
  double normalizeGetLength(double tol = 1.e-300)
  {
    const double len = length();
    if (len > tol)
      *this /= len;
    return len;
  }

  // Zero-length vectors are neither parallel, codirectional nor perpendicular to anything.
  bool isParallelTo(const OdGeVector3d& v, const OdGeTol& tol = OdGeContext::gTol) const
  {
    if (isZeroLength(tol) || v.isZeroLength(tol))
      return false;
    return normal(tol).crossProduct(v.normal(tol)).length() <= tol.equalVector();
  }
  bool isCodirectionalTo(const OdGeVector3d& v, const OdGeTol& tol = OdGeContext::gTol) const
  {
    if (isZeroLength(tol) || v.isZeroLength(tol))
      return false;
    return (normal(tol) - v.normal(tol)).length() <= tol.equalVector();
  }
  bool isPerpendicularTo(const OdGeVector3d& v, const OdGeTol& tol = OdGeContext::gTol) const
  {
    if (isZeroLength(tol) || v.isZeroLength(tol))
      return false;
    return std::fabs(normal(tol).dotProduct(v.normal(tol))) <= tol.equalVector();
  }

  // Unsigned angle between the two vectors, in [0, pi].
  double angleTo(const OdGeVector3d& v) const { return std::atan2(crossProduct(v).length(), dotProduct(v)); }
  // Angle from this vector to v, counter-clockwise when looking down the reference vector,
  // in [0, 2pi).
  double angleTo(const OdGeVector3d& v, const OdGeVector3d& reference) const
  {
    const double a = angleTo(v);
    if (reference.dotProduct(crossProduct(v)) >= 0.0)
      return a;
    return Oda2PI - a;
  }

  // A vector perpendicular to this one, chosen by the arbitrary-axis rule of object coordinate
  // systems: (0,1,0) x this when this lies within 1/64 of the Z axis, else (0,0,1) x this.
  // Its direction is the X axis of the coordinate system whose Z axis is this vector.
  OdGeVector3d perpVector() const
  {
    const double limit = 1.0 / 64.0;
    const double len = length();
    if (std::fabs(x) < limit * len && std::fabs(y) < limit * len)
      return kYAxis.crossProduct(*this);
    return kZAxis.crossProduct(*this);
  }
  // The component of this vector lying in the plane with the given normal.
  OdGeVector3d orthoProject(const OdGeVector3d& planeNormal) const
  {
    const OdGeVector3d n = planeNormal.normal();
    return *this - n * dotProduct(n);
  }
  // Mirror image in the plane through the origin with the given normal.
  OdGeVector3d& mirror(const OdGeVector3d& normalToPlane)
  {
    const OdGeVector3d n = normalToPlane.normal();
    return *this -= n * (2.0 * dotProduct(n));
  }

  // Rotation by angle radians, counter-clockwise when looking down the axis. A zero axis
  // leaves the vector unchanged.
  OdGeVector3d& rotateBy(double angle, const OdGeVector3d& axis);
  // Only the linear part of the matrix applies to a vector: translation does not move it.
  OdGeVector3d& transformBy(const OdGeMatrix3d& matrix);
  OdGeVector3d& setToProduct(const OdGeMatrix3d& matrix, const OdGeVector3d& vect);
  OdGeVector3d& setToProduct(const OdGeVector3d& vect, double scale) { return set(vect.x * scale, vect.y * scale, vect.z * scale); }
  OdGeVector3d& setToSum(const OdGeVector3d& a, const OdGeVector3d& b) { return set(a.x + b.x, a.y + b.y, a.z + b.z); }

  // Components along the plane's axes (the decomposition of the projected vector).
  OdGeVector2d convert2d(const OdGePlanarEnt& plane) const;
  // The x and y components.
  OdGeVector2d convert2d() const { return OdGeVector2d(x, y); }

  OdGePoint3d asPoint() const;
};

inline const OdGeVector3d OdGeVector3d::kIdentity(0.0, 0.0, 0.0);
inline const OdGeVector3d OdGeVector3d::kXAxis(1.0, 0.0, 0.0);
inline const OdGeVector3d OdGeVector3d::kYAxis(0.0, 1.0, 0.0);
inline const OdGeVector3d OdGeVector3d::kZAxis(0.0, 0.0, 1.0);

// The point class completes asPoint().
#include "Ge/GePoint3d.h"

#endif
