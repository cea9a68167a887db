// Planar elliptical arcs: evaluation, parameters, closest points, lengths and affine maps.
#include "Ge/GeEllipArc2d.h"

#include <cmath>

#include "GeArcAngles.h"
#include "OdError.h"

namespace
{
// Gauss-Legendre nodes and weights on [-1, 1], 8 points.
const double kGaussX[8] = {-0.9602898564975363, -0.7966664774136267, -0.5255324099163290, -0.1834346424956498,
                           0.1834346424956498,  0.5255324099163290,  0.7966664774136267,  0.9602898564975363};
const double kGaussW[8] = {0.1012285362903763, 0.2223810344533745, 0.3137066458778873, 0.3626837833783620,
                           0.3626837833783620, 0.3137066458778873, 0.2223810344533745, 0.1012285362903763};
} // namespace

OdGeEllipArc2d& OdGeEllipArc2d::set(const OdGePoint2d& center, const OdGeVector2d& majorAxis,
                                    const OdGeVector2d& minorAxis, double majorRadius, double minorRadius,
                                    double startAng, double endAng)
{
  if (majorRadius < 0.0 || minorRadius < 0.0 || majorAxis.isZeroLength(OdGeContext::gZeroTol) ||
      minorAxis.isZeroLength(OdGeContext::gZeroTol) || majorAxis.isParallelTo(minorAxis))
    throw OdError(eInvalidInput);
  m_center = center;
  m_majorAxis = majorAxis.normal(OdGeContext::gZeroTol);
  m_minorAxis = minorAxis.normal(OdGeContext::gZeroTol);
  m_majorRadius = majorRadius;
  m_minorRadius = minorRadius;
  return setAngles(startAng, endAng);
}

OdGeEllipArc2d& OdGeEllipArc2d::setAngles(double startAng, double endAng)
{
  if (!std::isfinite(startAng) || !std::isfinite(endAng))
    throw OdError(eInvalidInput);
  m_startAng = startAng;
  m_endAng = endAng;
  if (m_endAng - m_startAng > Oda2PI)
    m_endAng = m_startAng + Oda2PI;
  while (m_endAng <= m_startAng)
    m_endAng += Oda2PI;
  return *this;
}

OdGePoint2d OdGeEllipArc2d::evalPoint(double param) const
{
  return m_center + m_majorAxis * (m_majorRadius * std::cos(param)) + m_minorAxis * (m_minorRadius * std::sin(param));
}

OdGeVector2d OdGeEllipArc2d::evalDeriv(double param) const
{
  return m_majorAxis * (-m_majorRadius * std::sin(param)) + m_minorAxis * (m_minorRadius * std::cos(param));
}

double OdGeEllipArc2d::paramOf(const OdGePoint2d& point, const OdGeTol&) const
{
  // Coarse sampling, then Newton steps on the squared distance.
  const int samples = 64;
  double best = m_startAng;
  double bestDist = point.distanceTo(evalPoint(best));
  for (int i = 1; i <= samples; ++i)
  {
    const double t = m_startAng + (m_endAng - m_startAng) * i / samples;
    const double d = point.distanceTo(evalPoint(t));
    if (d < bestDist)
    {
      bestDist = d;
      best = t;
    }
  }
  for (int it = 0; it < 20; ++it)
  {
    const OdGeVector2d r = evalPoint(best) - point;
    const OdGeVector2d d1 = evalDeriv(best);
    const OdGeVector2d d2 = m_majorAxis * (-m_majorRadius * std::cos(best)) + m_minorAxis * (-m_minorRadius * std::sin(best));
    const double f = r.dotProduct(d1);
    const double df = d1.dotProduct(d1) + r.dotProduct(d2);
    if (df <= 0.0)
      break;
    double next = best - f / df;
    next = std::min(std::max(next, m_startAng), m_endAng);
    if (std::fabs(next - best) < 1e-15)
      break;
    best = next;
  }
  return best;
}

double OdGeEllipArc2d::length(double fromParam, double toParam, double) const
{
  if (fromParam > toParam)
    std::swap(fromParam, toParam);
  const int pieces = std::max(1, static_cast<int>(std::ceil((toParam - fromParam) / (OdaPI / 8.0))));
  const double h = (toParam - fromParam) / pieces;
  double sum = 0.0;
  for (int p = 0; p < pieces; ++p)
  {
    const double a = fromParam + h * p;
    for (int i = 0; i < 8; ++i)
      sum += kGaussW[i] * evalDeriv(a + h * 0.5 * (kGaussX[i] + 1.0)).length() * h * 0.5;
  }
  return sum;
}

OdGePoint2d OdGeEllipArc2d::closestPointTo(const OdGePoint2d& point, const OdGeTol& tol) const
{
  return evalPoint(paramOf(point, tol));
}

bool OdGeEllipArc2d::isOn(const OdGePoint2d& point, const OdGeTol& tol) const
{
  return closestPointTo(point, tol).distanceTo(point) <= tol.equalPoint();
}

OdGeCurve2d& OdGeEllipArc2d::reverseParam()
{
  // Mirroring the minor axis runs the same points the other way: t -> -t.
  m_minorAxis = -m_minorAxis;
  const double start = -m_endAng;
  const double end = -m_startAng;
  m_startAng = start;
  m_endAng = end;
  return *this;
}

OdGeEntity2d& OdGeEllipArc2d::transformBy(const OdGeMatrix2d& xfm)
{
  // The images of the two semi-axes are conjugate semi-diameters; the principal axes follow
  // from the angle that makes them perpendicular, and the parameters shift by that angle.
  OdGeVector2d p = m_majorAxis * m_majorRadius;
  OdGeVector2d q = m_minorAxis * m_minorRadius;
  p.transformBy(xfm);
  q.transformBy(xfm);
  OdGePoint2d c = m_center;
  c.transformBy(xfm);
  const double shift = 0.5 * std::atan2(2.0 * p.dotProduct(q), p.lengthSqrd() - q.lengthSqrd());
  const OdGeVector2d a = p * std::cos(shift) + q * std::sin(shift);
  const OdGeVector2d b = q * std::cos(shift) - p * std::sin(shift);
  if (a.isZeroLength(OdGeContext::gZeroTol) || b.isZeroLength(OdGeContext::gZeroTol))
    throw OdError(eNotApplicable);
  m_center = c;
  m_majorRadius = a.length();
  m_minorRadius = b.length();
  m_majorAxis = a / m_majorRadius;
  m_minorAxis = b / m_minorRadius;
  // point(t) = c + p cos t + q sin t = c + a cos(t - shift) + b sin(t - shift)
  m_startAng -= shift;
  m_endAng -= shift;
  return *this;
}
