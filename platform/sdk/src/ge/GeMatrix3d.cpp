// Spatial transformation matrices: construction of the usual transformations, coordinate
// systems (including the object coordinate system of a normal), products and inversion.
#include "Ge/GeMatrix3d.h"

#include <algorithm>
#include <cmath>

#include "Ge/GePlane.h"
#include "GeMatrixSolve.h"
#include "GeWorldPlane.h"
#include "OdError.h"

namespace
{
OdGeVector3d column(const OdGeMatrix3d& m, int c)
{
  return OdGeVector3d(m.entry[0][c], m.entry[1][c], m.entry[2][c]);
}

// Unit axes of the object coordinate system of a normal (arbitrary-axis rule).
void ocsAxes(const OdGeVector3d& normal, OdGeVector3d& xAxis, OdGeVector3d& yAxis, OdGeVector3d& zAxis)
{
  if (normal.isZeroLength(OdGeContext::gZeroTol))
    throw OdError(eInvalidInput);
  zAxis = normal.normal(OdGeContext::gZeroTol);
  xAxis = zAxis.perpVector().normal(OdGeContext::gZeroTol);
  yAxis = zAxis.crossProduct(xAxis).normal(OdGeContext::gZeroTol);
}

// Origin and unit axes of a plane's coordinate system: x along u, z the normal, y = z x x.
void planeAxes(const OdGePlane& plane, OdGePoint3d& origin, OdGeVector3d& xAxis, OdGeVector3d& yAxis,
               OdGeVector3d& zAxis)
{
  OdGeVector3d u, v;
  plane.getCoordSystem(origin, u, v);
  zAxis = plane.normal();
  xAxis = u.normal(OdGeContext::gZeroTol);
  yAxis = zAxis.crossProduct(xAxis).normal(OdGeContext::gZeroTol);
}
}

OdGeMatrix3d& OdGeMatrix3d::setToIdentity()
{
  return *this = OdGeMatrix3d();
}

OdGeMatrix3d& OdGeMatrix3d::setToTranslation(const OdGeVector3d& vect)
{
  setToIdentity();
  entry[0][3] = vect.x;
  entry[1][3] = vect.y;
  entry[2][3] = vect.z;
  return *this;
}

OdGeMatrix3d& OdGeMatrix3d::setToRotation(double angle, const OdGeVector3d& axis, const OdGePoint3d& center)
{
  if (axis.isZeroLength(OdGeContext::gZeroTol))
    throw OdError(eInvalidInput);
  const OdGeVector3d k = axis.normal(OdGeContext::gZeroTol);
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  const double t = 1.0 - c;
  setToIdentity();
  entry[0][0] = c + k.x * k.x * t;
  entry[0][1] = k.x * k.y * t - k.z * s;
  entry[0][2] = k.x * k.z * t + k.y * s;
  entry[1][0] = k.y * k.x * t + k.z * s;
  entry[1][1] = c + k.y * k.y * t;
  entry[1][2] = k.y * k.z * t - k.x * s;
  entry[2][0] = k.z * k.x * t - k.y * s;
  entry[2][1] = k.z * k.y * t + k.x * s;
  entry[2][2] = c + k.z * k.z * t;
  // The center stays in place: translation = center - R * center.
  const OdGeVector3d moved = center.asVector() - OdGeVector3d().setToProduct(*this, center.asVector());
  entry[0][3] = moved.x;
  entry[1][3] = moved.y;
  entry[2][3] = moved.z;
  return *this;
}

OdGeMatrix3d& OdGeMatrix3d::setToScaling(double scale, const OdGePoint3d& center)
{
  return setToScaling(OdGeScale3d(scale), center);
}

OdGeMatrix3d& OdGeMatrix3d::setToScaling(const OdGeScale3d& scale, const OdGePoint3d& center)
{
  setToIdentity();
  entry[0][0] = scale.sx;
  entry[1][1] = scale.sy;
  entry[2][2] = scale.sz;
  entry[0][3] = center.x * (1.0 - scale.sx);
  entry[1][3] = center.y * (1.0 - scale.sy);
  entry[2][3] = center.z * (1.0 - scale.sz);
  return *this;
}

OdGeMatrix3d& OdGeMatrix3d::setToMirroring(const OdGePlane& mirrorPlane)
{
  const OdGeVector3d n = mirrorPlane.normal();
  const double d = n.dotProduct(mirrorPlane.pointOnPlane().asVector());
  setToIdentity();
  for (int i = 0; i < 3; ++i)
  {
    for (int j = 0; j < 3; ++j)
      entry[i][j] -= 2.0 * n[i] * n[j];
    entry[i][3] = 2.0 * d * n[i];
  }
  return *this;
}

OdGeMatrix3d& OdGeMatrix3d::setToMirroring(const OdGePoint3d& mirrorPoint)
{
  setToIdentity();
  for (int i = 0; i < 3; ++i)
  {
    entry[i][i] = -1.0;
    entry[i][3] = 2.0 * mirrorPoint[i];
  }
  return *this;
}

OdGeMatrix3d& OdGeMatrix3d::setCoordSystem(const OdGePoint3d& origin, const OdGeVector3d& xAxis,
                                           const OdGeVector3d& yAxis, const OdGeVector3d& zAxis)
{
  setToIdentity();
  for (int i = 0; i < 3; ++i)
  {
    entry[i][0] = xAxis[i];
    entry[i][1] = yAxis[i];
    entry[i][2] = zAxis[i];
    entry[i][3] = origin[i];
  }
  return *this;
}

void OdGeMatrix3d::getCoordSystem(OdGePoint3d& origin, OdGeVector3d& xAxis, OdGeVector3d& yAxis,
                                  OdGeVector3d& zAxis) const
{
  origin = getCsOrigin();
  xAxis = getCsXAxis();
  yAxis = getCsYAxis();
  zAxis = getCsZAxis();
}

OdGeMatrix3d& OdGeMatrix3d::setToAlignCoordSys(const OdGePoint3d& fromOrigin, const OdGeVector3d& fromXAxis,
                                               const OdGeVector3d& fromYAxis, const OdGeVector3d& fromZAxis,
                                               const OdGePoint3d& toOrigin, const OdGeVector3d& toXAxis,
                                               const OdGeVector3d& toYAxis, const OdGeVector3d& toZAxis)
{
  OdGeMatrix3d from;
  from.setCoordSystem(fromOrigin, fromXAxis, fromYAxis, fromZAxis);
  OdGeMatrix3d to;
  to.setCoordSystem(toOrigin, toXAxis, toYAxis, toZAxis);
  return *this = to * from.inverse();
}

OdGeMatrix3d& OdGeMatrix3d::setToPlaneToWorld(const OdGeVector3d& normal)
{
  if (odge::isWorldZ(normal))
    return setToIdentity();
  OdGeVector3d x, y, z;
  ocsAxes(normal, x, y, z);
  return setCoordSystem(OdGePoint3d::kOrigin, x, y, z);
}

OdGeMatrix3d& OdGeMatrix3d::setToWorldToPlane(const OdGeVector3d& normal)
{
  // The inverse of a rotation is its transpose.
  return setToPlaneToWorld(normal).transposeIt();
}

OdGeMatrix3d& OdGeMatrix3d::setToPlaneToWorld(const OdGePlane& plane)
{
  OdGePoint3d origin;
  OdGeVector3d x, y, z;
  planeAxes(plane, origin, x, y, z);
  return setCoordSystem(origin, x, y, z);
}

OdGeMatrix3d& OdGeMatrix3d::setToWorldToPlane(const OdGePlane& plane)
{
  return setToPlaneToWorld(plane).invert();
}

OdGeMatrix3d& OdGeMatrix3d::setToProjection(const OdGePlane& projectionPlane)
{
  const OdGeVector3d n = projectionPlane.normal();
  const double d = n.dotProduct(projectionPlane.pointOnPlane().asVector());
  setToIdentity();
  for (int i = 0; i < 3; ++i)
  {
    for (int j = 0; j < 3; ++j)
      entry[i][j] -= n[i] * n[j];
    entry[i][3] = d * n[i];
  }
  return *this;
}

OdGeMatrix3d OdGeMatrix3d::translation(const OdGeVector3d& vect)
{
  return OdGeMatrix3d().setToTranslation(vect);
}

OdGeMatrix3d OdGeMatrix3d::rotation(double angle, const OdGeVector3d& axis, const OdGePoint3d& center)
{
  return OdGeMatrix3d().setToRotation(angle, axis, center);
}

OdGeMatrix3d OdGeMatrix3d::scaling(double scale, const OdGePoint3d& center)
{
  return OdGeMatrix3d().setToScaling(scale, center);
}

OdGeMatrix3d OdGeMatrix3d::scaling(const OdGeScale3d& scale, const OdGePoint3d& center)
{
  return OdGeMatrix3d().setToScaling(scale, center);
}

OdGeMatrix3d OdGeMatrix3d::mirroring(const OdGePlane& mirrorPlane)
{
  return OdGeMatrix3d().setToMirroring(mirrorPlane);
}

OdGeMatrix3d OdGeMatrix3d::mirroring(const OdGePoint3d& mirrorPoint)
{
  return OdGeMatrix3d().setToMirroring(mirrorPoint);
}

OdGeMatrix3d OdGeMatrix3d::alignCoordSys(const OdGePoint3d& fromOrigin, const OdGeVector3d& fromXAxis,
                                         const OdGeVector3d& fromYAxis, const OdGeVector3d& fromZAxis,
                                         const OdGePoint3d& toOrigin, const OdGeVector3d& toXAxis,
                                         const OdGeVector3d& toYAxis, const OdGeVector3d& toZAxis)
{
  return OdGeMatrix3d().setToAlignCoordSys(fromOrigin, fromXAxis, fromYAxis, fromZAxis, toOrigin, toXAxis, toYAxis,
                                           toZAxis);
}

OdGeMatrix3d OdGeMatrix3d::planeToWorld(const OdGeVector3d& normal)
{
  return OdGeMatrix3d().setToPlaneToWorld(normal);
}

OdGeMatrix3d OdGeMatrix3d::planeToWorld(const OdGePlane& plane)
{
  return OdGeMatrix3d().setToPlaneToWorld(plane);
}

OdGeMatrix3d OdGeMatrix3d::worldToPlane(const OdGeVector3d& normal)
{
  return OdGeMatrix3d().setToWorldToPlane(normal);
}

OdGeMatrix3d OdGeMatrix3d::worldToPlane(const OdGePlane& plane)
{
  return OdGeMatrix3d().setToWorldToPlane(plane);
}

OdGeMatrix3d OdGeMatrix3d::projection(const OdGePlane& projectionPlane)
{
  return OdGeMatrix3d().setToProjection(projectionPlane);
}

OdGeMatrix3d OdGeMatrix3d::operator*(const OdGeMatrix3d& matrix) const
{
  OdGeMatrix3d result;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
    {
      double sum = 0.0;
      for (int k = 0; k < 4; ++k)
        sum += entry[i][k] * matrix.entry[k][j];
      result.entry[i][j] = sum;
    }
  return result;
}

OdGeMatrix3d& OdGeMatrix3d::preMultBy(const OdGeMatrix3d& leftSide)
{
  return *this = leftSide * *this;
}

OdGeMatrix3d& OdGeMatrix3d::postMultBy(const OdGeMatrix3d& rightSide)
{
  return *this = *this * rightSide;
}

OdGeMatrix3d& OdGeMatrix3d::setToProduct(const OdGeMatrix3d& a, const OdGeMatrix3d& b)
{
  return *this = a * b;
}

double OdGeMatrix3d::det() const
{
  return odge::determinant<4>(entry);
}

bool OdGeMatrix3d::isSingular(const OdGeTol& tol) const
{
  return std::fabs(det()) <= tol.equalPoint();
}

bool OdGeMatrix3d::inverse(OdGeMatrix3d& inverseMatrix, double tol) const
{
  OdGeMatrix3d result;
  if (!odge::invert<4>(entry, result.entry, tol))
    return false;
  inverseMatrix = result;
  return true;
}

OdGeMatrix3d& OdGeMatrix3d::invert()
{
  if (!inverse(*this, OdGeContext::gZeroTol.equalPoint()))
    throw OdError(eInvalidInput);
  return *this;
}

OdGeMatrix3d OdGeMatrix3d::inverse() const
{
  return OdGeMatrix3d(*this).invert();
}

OdGeMatrix3d& OdGeMatrix3d::transposeIt()
{
  for (int i = 0; i < 4; ++i)
    for (int j = i + 1; j < 4; ++j)
      std::swap(entry[i][j], entry[j][i]);
  return *this;
}

OdGeMatrix3d OdGeMatrix3d::transpose() const
{
  return OdGeMatrix3d(*this).transposeIt();
}

bool OdGeMatrix3d::isEqualTo(const OdGeMatrix3d& matrix, const OdGeTol& tol) const
{
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      if (std::fabs(entry[i][j] - matrix.entry[i][j]) > tol.equalVector())
        return false;
  return true;
}

bool OdGeMatrix3d::isScaledOrtho(const OdGeTol& tol) const
{
  const OdGeVector3d x = column(*this, 0), y = column(*this, 1), z = column(*this, 2);
  return x.isPerpendicularTo(y, tol) && y.isPerpendicularTo(z, tol) && z.isPerpendicularTo(x, tol);
}

bool OdGeMatrix3d::isUniScaledOrtho(const OdGeTol& tol) const
{
  if (!isScaledOrtho(tol))
    return false;
  const double lx = column(*this, 0).length();
  const double limit = tol.equalVector() * (lx > 1.0 ? lx : 1.0);
  return std::fabs(column(*this, 1).length() - lx) <= limit && std::fabs(column(*this, 2).length() - lx) <= limit;
}

bool OdGeMatrix3d::isPerspective(const OdGeTol& tol) const
{
  return std::fabs(entry[3][0]) > tol.equalPoint() || std::fabs(entry[3][1]) > tol.equalPoint() ||
         std::fabs(entry[3][2]) > tol.equalPoint() || std::fabs(entry[3][3] - 1.0) > tol.equalPoint();
}

double OdGeMatrix3d::scale() const
{
  return std::max(column(*this, 0).length(), std::max(column(*this, 1).length(), column(*this, 2).length()));
}

void OdGeScale3d::getMatrix(OdGeMatrix3d& xfm) const
{
  xfm.setToScaling(*this);
}
