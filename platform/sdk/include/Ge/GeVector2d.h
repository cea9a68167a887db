// Two-dimensional vector: plain x and y members with the vector algebra used by planar geometry.
// angle() is the direction from the X axis as atan2(y, x), in (-pi, pi]; callers that need
// [0, 2pi) add 2pi to a negative result. A zero-length vector is never changed by normalize().
#ifndef OD_GE_VECTOR2D_H
#define OD_GE_VECTOR2D_H

#include <cmath>

#include "Ge/GeContext.h"
#include "Ge/GeGbl.h"

class OdGeMatrix2d;
class OdGePoint2d;

class OdGeVector2d
{
public:
  double x;
  double y;

  constexpr OdGeVector2d() : x(0.0), y(0.0) {}
  constexpr OdGeVector2d(double xx, double yy) : x(xx), y(yy) {}

  static const OdGeVector2d kIdentity;
  static const OdGeVector2d kXAxis;
  static const OdGeVector2d kYAxis;

  OdGeVector2d& set(double xx, double yy)
  {
    x = xx;
    y = yy;
    return *this;
  }

  double operator[](unsigned int i) const { return i == 0 ? x : y; }
  double& operator[](unsigned int i) { return i == 0 ? x : y; }

  OdGeVector2d operator+(const OdGeVector2d& v) const { return OdGeVector2d(x + v.x, y + v.y); }
  OdGeVector2d operator-(const OdGeVector2d& v) const { return OdGeVector2d(x - v.x, y - v.y); }
  OdGeVector2d operator-() const { return OdGeVector2d(-x, -y); }
  OdGeVector2d operator*(double s) const { return OdGeVector2d(x * s, y * s); }
  OdGeVector2d operator/(double s) const { return OdGeVector2d(x / s, y / s); }
  friend OdGeVector2d operator*(double s, const OdGeVector2d& v) { return v * s; }
  OdGeVector2d& operator+=(const OdGeVector2d& v) { x += v.x; y += v.y; return *this; }
  OdGeVector2d& operator-=(const OdGeVector2d& v) { x -= v.x; y -= v.y; return *this; }
  OdGeVector2d& operator*=(double s) { x *= s; y *= s; return *this; }
  OdGeVector2d& operator/=(double s) { x /= s; y /= s; return *this; }
  OdGeVector2d& negate() { x = -x; y = -y; return *this; }

  bool operator==(const OdGeVector2d& v) const { return isEqualTo(v); }
  bool operator!=(const OdGeVector2d& v) const { return !isEqualTo(v); }
  bool isEqualTo(const OdGeVector2d& v, const OdGeTol& tol = OdGeContext::gTol) const
  {
    return (*this - v).length() <= tol.equalVector();
  }

  double length() const { return std::hypot(x, y); }
  double lengthSqrd() const { return x * x + y * y; }
  double dotProduct(const OdGeVector2d& v) const { return x * v.x + y * v.y; }
  // z component of the 3D cross product: positive when v lies counter-clockwise of this vector.
  double crossProduct(const OdGeVector2d& v) const { return x * v.y - y * v.x; }
  // This vector turned by +90 degrees.
  OdGeVector2d perpVector() const { return OdGeVector2d(-y, x); }

  double angle() const { return std::atan2(y, x); }
  // Unsigned angle between the two vectors, in [0, pi].
  double angleTo(const OdGeVector2d& v) const { return std::fabs(std::atan2(crossProduct(v), dotProduct(v))); }

  bool isZeroLength(const OdGeTol& tol = OdGeContext::gTol) const { return length() <= tol.equalVector(); }
  bool isUnitLength(const OdGeTol& tol = OdGeContext::gTol) const { return std::fabs(length() - 1.0) <= tol.equalVector(); }

  OdGeVector2d& normalize(const OdGeTol& tol = OdGeContext::gTol)
  {
    OdGeError flag;
    return normalize(tol, flag);
  }
  OdGeVector2d& normalize(const OdGeTol& tol, OdGeError& flag)
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
  OdGeVector2d normal(const OdGeTol& tol = OdGeContext::gTol) const { return OdGeVector2d(*this).normalize(tol); }
  // Normalizes when the length exceeds tol and returns the length it had.
  double normalizeGetLength(double tol = 1.e-300)
  {
    const double len = length();
    if (len > tol)
      *this /= len;
    return len;
  }

  bool isParallelTo(const OdGeVector2d& v, const OdGeTol& tol = OdGeContext::gTol) const
  {
    if (isZeroLength(tol) || v.isZeroLength(tol))
      return false;
    return std::fabs(normal(tol).crossProduct(v.normal(tol))) <= tol.equalVector();
  }
  bool isCodirectionalTo(const OdGeVector2d& v, const OdGeTol& tol = OdGeContext::gTol) const
  {
    if (isZeroLength(tol) || v.isZeroLength(tol))
      return false;
    return (normal(tol) - v.normal(tol)).length() <= tol.equalVector();
  }
  bool isPerpendicularTo(const OdGeVector2d& v, const OdGeTol& tol = OdGeContext::gTol) const
  {
    if (isZeroLength(tol) || v.isZeroLength(tol))
      return false;
    return std::fabs(normal(tol).dotProduct(v.normal(tol))) <= tol.equalVector();
  }

  // Counter-clockwise rotation by angle radians.
  OdGeVector2d& rotateBy(double angle)
  {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return set(c * x - s * y, s * x + c * y);
  }

  OdGeVector2d& transformBy(const OdGeMatrix2d& matrix);
  OdGeVector2d& setToProduct(const OdGeMatrix2d& matrix, const OdGeVector2d& vect);
  OdGeVector2d& setToProduct(const OdGeVector2d& vect, double scale) { return set(vect.x * scale, vect.y * scale); }
  OdGeVector2d& setToSum(const OdGeVector2d& a, const OdGeVector2d& b) { return set(a.x + b.x, a.y + b.y); }

  OdGePoint2d asPoint() const;
};

inline const OdGeVector2d OdGeVector2d::kIdentity(0.0, 0.0);
inline const OdGeVector2d OdGeVector2d::kXAxis(1.0, 0.0);
inline const OdGeVector2d OdGeVector2d::kYAxis(0.0, 1.0);

// The point class completes asPoint().
#include "Ge/GePoint2d.h"

#endif
