// Circular arcs in space: construction from axes and angles or three points; evaluation,
// parameters, closest points and conformal transformation.
#include "Ge/GeCircArc3d.h"

#include "GeArcAngles.h"
#include "OdError.h"

OdGeCircArc3d& OdGeCircArc3d::set(const OdGePoint3d& center, const OdGeVector3d& normal, double radius)
{
  return set(center, normal, normal.perpVector(), radius, 0.0, Oda2PI);
}

OdGeCircArc3d& OdGeCircArc3d::set(const OdGePoint3d& center, const OdGeVector3d& normal, const OdGeVector3d& refVec,
                                  double radius, double startAng, double endAng)
{
  if (radius < 0.0)
    throw OdError(eInvalidInput);
  setAxes(normal, refVec);
  m_center = center;
  m_radius = radius;
  return setAngles(startAng, endAng);
}

OdGeCircArc3d& OdGeCircArc3d::set(const OdGePoint3d& startPoint, const OdGePoint3d& secondPoint,
                                  const OdGePoint3d& endPoint)
{
  const OdGeVector3d u = secondPoint - startPoint;
  const OdGeVector3d w = endPoint - startPoint;
  const OdGeVector3d n = u.crossProduct(w);
  const double nn = n.lengthSqrd();
  if (!(n.length() > OdGeContext::gTol.equalVector() * u.length() * w.length()))
    throw OdError(eDegenerateGeometry);
  // Circumcenter relative to startPoint.
  const OdGeVector3d c = (w.crossProduct(n) * u.lengthSqrd() + n.crossProduct(u) * w.lengthSqrd()) / (2.0 * nn);
  m_center = startPoint + c;
  m_radius = c.length();
  m_normal = n.normal(OdGeContext::gZeroTol);
  m_refVec = m_normal.perpVector().normal(OdGeContext::gZeroTol);
  const double start = odge::angleFrom(paramOf(startPoint), 0.0);
  return setAngles(start, odge::angleFrom(paramOf(endPoint), start));
}

OdGeCircArc3d& OdGeCircArc3d::setCenter(const OdGePoint3d& center)
{
  m_center = center;
  return *this;
}

OdGeCircArc3d& OdGeCircArc3d::setRadius(double radius)
{
  if (radius < 0.0)
    throw OdError(eInvalidInput);
  m_radius = radius;
  return *this;
}

OdGeCircArc3d& OdGeCircArc3d::setAngles(double startAng, double endAng)
{
  odge::orderArcAngles(startAng, endAng);
  m_startAng = startAng;
  m_endAng = endAng;
  return *this;
}

OdGeCircArc3d& OdGeCircArc3d::setAxes(const OdGeVector3d& normal, const OdGeVector3d& refVec)
{
  if (normal.isZeroLength(OdGeContext::gZeroTol))
    throw OdError(eInvalidInput);
  const OdGeVector3d n = normal.normal(OdGeContext::gZeroTol);
  const OdGeVector3d ref = refVec - n * refVec.dotProduct(n);
  if (!(ref.length() > OdGeContext::gTol.equalVector() * refVec.length()))
    throw OdError(eInvalidInput);
  m_normal = n;
  m_refVec = ref.normal(OdGeContext::gZeroTol);
  return *this;
}

OdGePoint3d OdGeCircArc3d::evalPoint(double param) const
{
  return m_center + (m_refVec * std::cos(param) + m_normal.crossProduct(m_refVec) * std::sin(param)) * m_radius;
}

double OdGeCircArc3d::paramOf(const OdGePoint3d& point, const OdGeTol&) const
{
  const OdGeVector3d v = point - m_center;
  const double a = std::atan2(v.dotProduct(m_normal.crossProduct(m_refVec)), v.dotProduct(m_refVec));
  return odge::angleFrom(a, m_startAng);
}

double OdGeCircArc3d::length(double fromParam, double toParam, double) const
{
  return m_radius * std::fabs(toParam - fromParam);
}

OdGePoint3d OdGeCircArc3d::closestPointTo(const OdGePoint3d& point, const OdGeTol& tol) const
{
  const double a = paramOf(point, tol);
  if (a <= m_endAng)
    return evalPoint(a);
  const OdGePoint3d s = startPoint();
  const OdGePoint3d e = endPoint();
  return point.distanceTo(s) <= point.distanceTo(e) ? s : e;
}

bool OdGeCircArc3d::isOn(const OdGePoint3d& point, const OdGeTol& tol) const
{
  return closestPointTo(point, tol).distanceTo(point) <= tol.equalPoint();
}

OdGeCurve3d& OdGeCircArc3d::reverseParam()
{
  // Turning about the opposite normal from the same reference vector maps angle a to -a.
  m_normal = -m_normal;
  const double start = odge::angleFrom(-m_endAng, 0.0);
  setAngles(start, start + (m_endAng - m_startAng));
  return *this;
}

void OdGeCircArc3d::getPlane(OdGePlane& plane) const
{
  plane.set(m_center, m_refVec, m_normal.crossProduct(m_refVec));
}

OdGeEntity3d& OdGeCircArc3d::transformBy(const OdGeMatrix3d& xfm)
{
  const OdGeVector3d ref = OdGeVector3d(m_refVec).transformBy(xfm);
  const OdGeVector3d per = OdGeVector3d(m_normal.crossProduct(m_refVec)).transformBy(xfm);
  const double s = ref.length();
  const OdGeTol& tol = OdGeContext::gTol;
  const double limit = tol.equalVector() * (s > 1.0 ? s : 1.0);
  if (!(s > 0.0) || std::fabs(per.length() - s) > limit || std::fabs(ref.dotProduct(per)) > limit * s)
    throw OdError(eNotApplicable);
  m_center.transformBy(xfm);
  m_radius *= s;
  m_refVec = ref / s;
  m_normal = ref.crossProduct(per).normal(OdGeContext::gZeroTol);
  return *this;
}
