// Planar transformation matrices: translation, rotation, scaling, mirroring, coordinate
// systems, products and inversion.
#include "Ge/GeMatrix2d.h"

#include <utility>

#include "GeMatrixSolve.h"
#include "OdError.h"

OdGeMatrix2d& OdGeMatrix2d::setToIdentity()
{
  return *this = OdGeMatrix2d();
}

OdGeMatrix2d& OdGeMatrix2d::setToTranslation(const OdGeVector2d& vect)
{
  setToIdentity();
  entry[0][2] = vect.x;
  entry[1][2] = vect.y;
  return *this;
}

OdGeMatrix2d& OdGeMatrix2d::setToRotation(double angle, const OdGePoint2d& center)
{
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  setToIdentity();
  entry[0][0] = c;
  entry[0][1] = -s;
  entry[1][0] = s;
  entry[1][1] = c;
  entry[0][2] = center.x - (c * center.x - s * center.y);
  entry[1][2] = center.y - (s * center.x + c * center.y);
  return *this;
}

OdGeMatrix2d& OdGeMatrix2d::setToScaling(double scale, const OdGePoint2d& center)
{
  setToIdentity();
  entry[0][0] = scale;
  entry[1][1] = scale;
  entry[0][2] = center.x * (1.0 - scale);
  entry[1][2] = center.y * (1.0 - scale);
  return *this;
}

OdGeMatrix2d& OdGeMatrix2d::setToMirroring(const OdGePoint2d& point, const OdGeVector2d& direction)
{
  if (direction.isZeroLength(OdGeContext::gZeroTol))
    throw OdError(eInvalidInput);
  // Reflection in the line: I - 2 n n^T with n the unit normal of the line.
  const OdGeVector2d n = direction.perpVector().normal(OdGeContext::gZeroTol);
  const double d = n.dotProduct(point.asVector());
  setToIdentity();
  entry[0][0] = 1.0 - 2.0 * n.x * n.x;
  entry[0][1] = -2.0 * n.x * n.y;
  entry[1][0] = -2.0 * n.y * n.x;
  entry[1][1] = 1.0 - 2.0 * n.y * n.y;
  entry[0][2] = 2.0 * d * n.x;
  entry[1][2] = 2.0 * d * n.y;
  return *this;
}

OdGeMatrix2d& OdGeMatrix2d::setCoordSystem(const OdGePoint2d& origin, const OdGeVector2d& xAxis,
                                           const OdGeVector2d& yAxis)
{
  setToIdentity();
  entry[0][0] = xAxis.x;
  entry[1][0] = xAxis.y;
  entry[0][1] = yAxis.x;
  entry[1][1] = yAxis.y;
  entry[0][2] = origin.x;
  entry[1][2] = origin.y;
  return *this;
}

void OdGeMatrix2d::getCoordSystem(OdGePoint2d& origin, OdGeVector2d& xAxis, OdGeVector2d& yAxis) const
{
  origin.set(entry[0][2], entry[1][2]);
  xAxis.set(entry[0][0], entry[1][0]);
  yAxis.set(entry[0][1], entry[1][1]);
}

OdGeMatrix2d OdGeMatrix2d::translation(const OdGeVector2d& vect)
{
  return OdGeMatrix2d().setToTranslation(vect);
}

OdGeMatrix2d OdGeMatrix2d::rotation(double angle, const OdGePoint2d& center)
{
  return OdGeMatrix2d().setToRotation(angle, center);
}

OdGeMatrix2d OdGeMatrix2d::scaling(double scale, const OdGePoint2d& center)
{
  return OdGeMatrix2d().setToScaling(scale, center);
}

OdGeMatrix2d OdGeMatrix2d::mirroring(const OdGePoint2d& point, const OdGeVector2d& direction)
{
  return OdGeMatrix2d().setToMirroring(point, direction);
}

OdGeMatrix2d OdGeMatrix2d::operator*(const OdGeMatrix2d& matrix) const
{
  OdGeMatrix2d result;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
    {
      double sum = 0.0;
      for (int k = 0; k < 3; ++k)
        sum += entry[i][k] * matrix.entry[k][j];
      result.entry[i][j] = sum;
    }
  return result;
}

OdGeMatrix2d& OdGeMatrix2d::preMultBy(const OdGeMatrix2d& leftSide)
{
  return *this = leftSide * *this;
}

OdGeMatrix2d& OdGeMatrix2d::postMultBy(const OdGeMatrix2d& rightSide)
{
  return *this = *this * rightSide;
}

OdGeMatrix2d& OdGeMatrix2d::setToProduct(const OdGeMatrix2d& a, const OdGeMatrix2d& b)
{
  return *this = a * b;
}

double OdGeMatrix2d::det() const
{
  return odge::determinant<3>(entry);
}

bool OdGeMatrix2d::isSingular(const OdGeTol& tol) const
{
  return std::fabs(det()) <= tol.equalPoint();
}

OdGeMatrix2d& OdGeMatrix2d::invert()
{
  OdGeMatrix2d result;
  if (!odge::invert<3>(entry, result.entry, OdGeContext::gZeroTol.equalPoint()))
    throw OdError(eInvalidInput);
  return *this = result;
}

OdGeMatrix2d OdGeMatrix2d::inverse() const
{
  return OdGeMatrix2d(*this).invert();
}

OdGeMatrix2d& OdGeMatrix2d::transposeIt()
{
  for (int i = 0; i < 3; ++i)
    for (int j = i + 1; j < 3; ++j)
      std::swap(entry[i][j], entry[j][i]);
  return *this;
}

OdGeMatrix2d OdGeMatrix2d::transpose() const
{
  return OdGeMatrix2d(*this).transposeIt();
}

bool OdGeMatrix2d::isEqualTo(const OdGeMatrix2d& matrix, const OdGeTol& tol) const
{
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      if (std::fabs(entry[i][j] - matrix.entry[i][j]) > tol.equalVector())
        return false;
  return true;
}
