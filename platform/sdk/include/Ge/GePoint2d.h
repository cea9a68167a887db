// Two-dimensional point: plain x and y members. Differences of points are vectors; a point
// plus or minus a vector is a point.
#ifndef OD_GE_POINT2D_H
#define OD_GE_POINT2D_H

#include "Ge/GeVector2d.h"

class OdGeMatrix2d;

class OdGePoint2d
{
public:
  double x;
  double y;

  constexpr OdGePoint2d() : x(0.0), y(0.0) {}
  constexpr OdGePoint2d(double xx, double yy) : x(xx), y(yy) {}

  static const OdGePoint2d kOrigin;

  OdGePoint2d& set(double xx, double yy)
  {
    x = xx;
    y = yy;
    return *this;
  }

  double operator[](unsigned int i) const { return i == 0 ? x : y; }
  double& operator[](unsigned int i) { return i == 0 ? x : y; }

  OdGeVector2d operator-(const OdGePoint2d& p) const { return OdGeVector2d(x - p.x, y - p.y); }
  OdGePoint2d operator+(const OdGeVector2d& v) const { return OdGePoint2d(x + v.x, y + v.y); }
  OdGePoint2d operator-(const OdGeVector2d& v) const { return OdGePoint2d(x - v.x, y - v.y); }
  OdGePoint2d operator*(double s) const { return OdGePoint2d(x * s, y * s); }
  OdGePoint2d operator/(double s) const { return OdGePoint2d(x / s, y / s); }
  friend OdGePoint2d operator*(double s, const OdGePoint2d& p) { return p * s; }
  OdGePoint2d& operator+=(const OdGeVector2d& v) { x += v.x; y += v.y; return *this; }
  OdGePoint2d& operator-=(const OdGeVector2d& v) { x -= v.x; y -= v.y; return *this; }
  OdGePoint2d& operator*=(double s) { x *= s; y *= s; return *this; }
  OdGePoint2d& operator/=(double s) { x /= s; y /= s; return *this; }

  bool operator==(const OdGePoint2d& p) const { return isEqualTo(p); }
  bool operator!=(const OdGePoint2d& p) const { return !isEqualTo(p); }
  bool isEqualTo(const OdGePoint2d& p, const OdGeTol& tol = OdGeContext::gTol) const
  {
    return distanceTo(p) <= tol.equalPoint();
  }

  double distanceTo(const OdGePoint2d& p) const { return std::hypot(x - p.x, y - p.y); }
  OdGeVector2d asVector() const { return OdGeVector2d(x, y); }

  OdGePoint2d& setToSum(const OdGePoint2d& p, const OdGeVector2d& v) { return set(p.x + v.x, p.y + v.y); }
  OdGePoint2d& setToProduct(const OdGeMatrix2d& matrix, const OdGePoint2d& point);
  OdGePoint2d& transformBy(const OdGeMatrix2d& matrix);
  // Counter-clockwise rotation about wrtPoint.
  OdGePoint2d& rotateBy(double angle, const OdGePoint2d& wrtPoint = kOrigin)
  {
    OdGeVector2d v = *this - wrtPoint;
    *this = wrtPoint + v.rotateBy(angle);
    return *this;
  }
  OdGePoint2d& scaleBy(double factor, const OdGePoint2d& wrtPoint = kOrigin)
  {
    *this = wrtPoint + (*this - wrtPoint) * factor;
    return *this;
  }
};

inline const OdGePoint2d OdGePoint2d::kOrigin(0.0, 0.0);

inline OdGePoint2d OdGeVector2d::asPoint() const
{
  return OdGePoint2d(x, y);
}

#endif
