// Scale factors along the three axes (used by block references and scaling matrices).
#ifndef OD_GE_SCALE3D_H
#define OD_GE_SCALE3D_H

#include <cmath>

#include "Ge/GeContext.h"

class OdGeMatrix3d;

class OdGeScale3d
{
public:
  double sx;
  double sy;
  double sz;

  constexpr OdGeScale3d() : sx(1.0), sy(1.0), sz(1.0) {}
  constexpr explicit OdGeScale3d(double factor) : sx(factor), sy(factor), sz(factor) {}
  constexpr OdGeScale3d(double xFactor, double yFactor, double zFactor) : sx(xFactor), sy(yFactor), sz(zFactor) {}

  static const OdGeScale3d kIdentity;

  OdGeScale3d& set(double xFactor, double yFactor, double zFactor)
  {
    sx = xFactor;
    sy = yFactor;
    sz = zFactor;
    return *this;
  }

  double operator[](unsigned int i) const { return i == 0 ? sx : (i == 1 ? sy : sz); }
  double& operator[](unsigned int i) { return i == 0 ? sx : (i == 1 ? sy : sz); }

  OdGeScale3d operator*(const OdGeScale3d& s) const { return OdGeScale3d(sx * s.sx, sy * s.sy, sz * s.sz); }
  OdGeScale3d operator*(double factor) const { return OdGeScale3d(sx * factor, sy * factor, sz * factor); }
  OdGeScale3d& operator*=(const OdGeScale3d& s) { return set(sx * s.sx, sy * s.sy, sz * s.sz); }
  OdGeScale3d& operator*=(double factor) { return set(sx * factor, sy * factor, sz * factor); }
  OdGeScale3d& setToProduct(const OdGeScale3d& a, const OdGeScale3d& b) { return set(a.sx * b.sx, a.sy * b.sy, a.sz * b.sz); }

  bool operator==(const OdGeScale3d& s) const { return isEqualTo(s); }
  bool operator!=(const OdGeScale3d& s) const { return !isEqualTo(s); }
  bool isEqualTo(const OdGeScale3d& s, const OdGeTol& tol = OdGeContext::gTol) const
  {
    return std::fabs(sx - s.sx) <= tol.equalVector() && std::fabs(sy - s.sy) <= tol.equalVector() &&
           std::fabs(sz - s.sz) <= tol.equalVector();
  }
  bool isProportional(const OdGeTol& tol = OdGeContext::gTol) const
  {
    return std::fabs(sx - sy) <= tol.equalVector() && std::fabs(sx - sz) <= tol.equalVector();
  }

  // The diagonal scaling matrix.
  void getMatrix(OdGeMatrix3d& xfm) const;
};

inline const OdGeScale3d OdGeScale3d::kIdentity(1.0, 1.0, 1.0);

#endif
