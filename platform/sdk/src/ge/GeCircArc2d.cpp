// Planar circular arcs: construction from angles, three points or a bulge; evaluation,
// parameters, closest points and conformal transformation.
#include "Ge/GeCircArc2d.h"

#include "GeArcAngles.h"
#include "OdError.h"

OdGeCircArc2d& OdGeCircArc2d::set(const OdGePoint2d& center, double radius)
{
  return set(center, radius, 0.0, Oda2PI);
}

OdGeCircArc2d& OdGeCircArc2d::set(const OdGePoint2d& center, double radius, double startAng, double endAng,
                                  const OdGeVector2d& refVec, bool isClockWise)
{
  if (radius < 0.0 || refVec.isZeroLength(OdGeContext::gZeroTol))
    throw OdError(eInvalidInput);
  m_center = center;
  m_radius = radius;
  m_refVec = refVec.normal(OdGeContext::gZeroTol);
  m_clockWise = isClockWise;
  return setAngles(startAng, endAng);
}

OdGeCircArc2d& OdGeCircArc2d::set(const OdGePoint2d& startPoint, const OdGePoint2d& point, const OdGePoint2d& endPoint)
{
  const OdGeVector2d u = point - startPoint;
  const OdGeVector2d w = endPoint - startPoint;
  const double cross = u.crossProduct(w);
  if (std::fabs(cross) <= OdGeContext::gTol.equalVector() * u.length() * w.length())
    throw OdError(eDegenerateGeometry);
  // Circumcenter relative to startPoint.
  const double uu = u.lengthSqrd();
  const double ww = w.lengthSqrd();
  const OdGeVector2d c((w.y * uu - u.y * ww) / (2.0 * cross), (u.x * ww - w.x * uu) / (2.0 * cross));
  m_center = startPoint + c;
  m_radius = c.length();
  m_refVec = OdGeVector2d::kXAxis;
  m_clockWise = cross < 0.0;
  const double start = odge::angleFrom(paramOf(startPoint), 0.0);
  return setAngles(start, odge::angleFrom(paramOf(endPoint), start));
}

OdGeCircArc2d& OdGeCircArc2d::set(const OdGePoint2d& startPoint, const OdGePoint2d& endPoint, double bulge,
                                  bool bulgeFlag)
{
  const OdGeVector2d chord = endPoint - startPoint;
  const double c = chord.length();
  if (c <= OdGeContext::gTol.equalPoint() || bulge == 0.0)
    throw OdError(eDegenerateGeometry);
  // With bulgeFlag the bulge is the arc's height over the chord: tan(sweep / 4) = 2h / c.
  const double b = bulgeFlag ? 2.0 * bulge / c : bulge;
  const double sweep = 4.0 * std::atan(std::fabs(b));
  m_radius = c / (2.0 * std::sin(sweep / 2.0));
  m_clockWise = b < 0.0;
  // The center lies on the chord's bisector, left of the chord for a counter-clockwise arc
  // smaller than a half circle.
  const OdGeVector2d left = chord.perpVector() / c;
  const double offset = (c / 2.0) / std::tan(sweep / 2.0);
  m_center = startPoint + chord * 0.5 + left * (m_clockWise ? -offset : offset);
  m_refVec = OdGeVector2d::kXAxis;
  const double start = odge::angleFrom(paramOf(startPoint), 0.0);
  return setAngles(start, start + sweep);
}

OdGeCircArc2d& OdGeCircArc2d::setCenter(const OdGePoint2d& center)
{
  m_center = center;
  return *this;
}

OdGeCircArc2d& OdGeCircArc2d::setRadius(double radius)
{
  if (radius < 0.0)
    throw OdError(eInvalidInput);
  m_radius = radius;
  return *this;
}

OdGeCircArc2d& OdGeCircArc2d::setAngles(double startAng, double endAng)
{
  odge::orderArcAngles(startAng, endAng);
  m_startAng = startAng;
  m_endAng = endAng;
  return *this;
}

OdGeCircArc2d& OdGeCircArc2d::setRefVec(const OdGeVector2d& refVec)
{
  if (refVec.isZeroLength(OdGeContext::gZeroTol))
    throw OdError(eInvalidInput);
  m_refVec = refVec.normal(OdGeContext::gZeroTol);
  return *this;
}

OdGePoint2d OdGeCircArc2d::evalPoint(double param) const
{
  return m_center + (m_refVec * std::cos(param) + perp() * std::sin(param)) * m_radius;
}

double OdGeCircArc2d::paramOf(const OdGePoint2d& point, const OdGeTol&) const
{
  const OdGeVector2d v = point - m_center;
  return odge::angleFrom(std::atan2(v.dotProduct(perp()), v.dotProduct(m_refVec)), m_startAng);
}

double OdGeCircArc2d::length(double fromParam, double toParam, double) const
{
  return m_radius * std::fabs(toParam - fromParam);
}

OdGePoint2d OdGeCircArc2d::closestPointTo(const OdGePoint2d& point, const OdGeTol& tol) const
{
  const double a = paramOf(point, tol);
  if (a <= m_endAng)
    return evalPoint(a);
  const OdGePoint2d s = startPoint();
  const OdGePoint2d e = endPoint();
  return point.distanceTo(s) <= point.distanceTo(e) ? s : e;
}

bool OdGeCircArc2d::isOn(const OdGePoint2d& point, const OdGeTol& tol) const
{
  return closestPointTo(point, tol).distanceTo(point) <= tol.equalPoint();
}

OdGeCurve2d& OdGeCircArc2d::reverseParam()
{
  // Turning the other way about the same reference vector maps angle a to -a.
  m_clockWise = !m_clockWise;
  const double start = odge::angleFrom(-m_endAng, 0.0);
  setAngles(start, start + (m_endAng - m_startAng));
  return *this;
}

OdGeEntity2d& OdGeCircArc2d::transformBy(const OdGeMatrix2d& xfm)
{
  const OdGeVector2d p = perp();
  const OdGeVector2d ref = OdGeVector2d(m_refVec).transformBy(xfm);
  const OdGeVector2d per = OdGeVector2d(p).transformBy(xfm);
  const double s = ref.length();
  const OdGeTol& tol = OdGeContext::gTol;
  const double limit = tol.equalVector() * (s > 1.0 ? s : 1.0);
  if (!(s > 0.0) || std::fabs(per.length() - s) > limit || std::fabs(ref.dotProduct(per)) > limit * s)
    throw OdError(eNotApplicable);
  m_center.transformBy(xfm);
  m_radius *= s;
  m_refVec = ref / s;
  // A reflection reverses the turning direction; the angles stay valid.
  m_clockWise = ref.crossProduct(per) < 0.0;
  return *this;
}
