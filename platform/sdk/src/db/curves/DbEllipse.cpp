// OdDbEllipse: ellipses and elliptical arcs with real geometry. The state is kept in parameters;
// angles are converted on the way in and out, so a changed ratio keeps the points' parameters.
#include "DbEllipse.h"

#include <algorithm>
#include <cmath>

#include "CurveGeom.h"
#include "DbFiler.h"
#include "Ge/GeFinite.h"
#include "SdkRxMacros.h"

using namespace odDbCurveGeom;

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbEllipse, OdDbCurve, L"ELLIPSE")

namespace
{
// Parameters a little outside [start, end] still count as on the curve (rounding of callers).
const double kParamTol = 1e-10;

// The value brought into (low, low + 2pi].
double intoTurnAbove(double value, double low)
{
  double v = low + normalizeAngle(value - low);
  if (v <= low)
    v += Oda2PI;
  return v;
}
} // namespace

OdDbEllipse::OdDbEllipse() = default;

OdGePoint3d OdDbEllipse::center() const
{
  assertReadEnabled();
  return m_center;
}

void OdDbEllipse::setCenter(const OdGePoint3d& center)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(center))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_center = center;
}

OdGeVector3d OdDbEllipse::normal() const
{
  assertReadEnabled();
  return m_normal;
}

OdGeVector3d OdDbEllipse::majorAxis() const
{
  assertReadEnabled();
  return m_majorAxis;
}

OdGeVector3d OdDbEllipse::minorVector() const
{
  return m_normal.crossProduct(m_majorAxis) * m_ratio;
}

OdGeVector3d OdDbEllipse::minorAxis() const
{
  assertReadEnabled();
  return minorVector();
}

double OdDbEllipse::radiusRatio() const
{
  assertReadEnabled();
  return m_ratio;
}

void OdDbEllipse::setRadiusRatio(double ratio)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(ratio) || ratio <= 0.0 || ratio > 1.0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_ratio = ratio;
}

double OdDbEllipse::paramAtAngle(double angle) const
{
  assertReadEnabled();
  const double turns = std::floor(angle / Oda2PI);
  const double base = angle - turns * Oda2PI;
  return turns * Oda2PI + normalizeAngle(std::atan2(std::sin(base), m_ratio * std::cos(base)));
}

double OdDbEllipse::angleAtParam(double param) const
{
  assertReadEnabled();
  const double turns = std::floor(param / Oda2PI);
  const double base = param - turns * Oda2PI;
  return turns * Oda2PI + normalizeAngle(std::atan2(m_ratio * std::sin(base), std::cos(base)));
}

double OdDbEllipse::startAngle() const
{
  return angleAtParam(m_startParam);
}

double OdDbEllipse::endAngle() const
{
  // The end lies above the start by at most a turn; the conversion keeps that turn.
  const double start = startAngle();
  if (isClosed())
    return start + Oda2PI;
  return intoTurnAbove(angleAtParam(m_endParam), start);
}

void OdDbEllipse::placeEnd(double endParam)
{
  m_endParam = intoTurnAbove(endParam, m_startParam);
}

void OdDbEllipse::setStartAngle(double angle)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(angle))
    throw OdError(eInvalidInput);
  const double start = normalizeAngle(paramAtAngle(angle));
  assertWriteEnabled();
  const double end = m_endParam;
  m_startParam = start;
  placeEnd(end);
}

void OdDbEllipse::setEndAngle(double angle)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(angle))
    throw OdError(eInvalidInput);
  const double end = paramAtAngle(angle);
  assertWriteEnabled();
  placeEnd(end);
}

void OdDbEllipse::setStartParam(double param)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(param))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  const double end = m_endParam;
  m_startParam = normalizeAngle(param);
  placeEnd(end);
}

void OdDbEllipse::setEndParam(double param)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(param))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  placeEnd(param);
}

void OdDbEllipse::get(OdGePoint3d& center, OdGeVector3d& unitNormal, OdGeVector3d& majorAxis, double& radiusRatio,
                      double& startAngle, double& endAngle) const
{
  assertReadEnabled();
  center = m_center;
  unitNormal = m_normal;
  majorAxis = m_majorAxis;
  radiusRatio = m_ratio;
  startAngle = this->startAngle();
  endAngle = this->endAngle();
}

OdResult OdDbEllipse::set(const OdGePoint3d& center, const OdGeVector3d& unitNormal, const OdGeVector3d& majorAxis,
                          double radiusRatio, double startAngle, double endAngle)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(center) || !odgeIsFinite(unitNormal) || !odgeIsFinite(majorAxis) || !odgeIsFinite(radiusRatio) ||
      !odgeIsFinite(startAngle) || !odgeIsFinite(endAngle))
    return eInvalidInput;
  if (unitNormal.isZeroLength() || majorAxis.isZeroLength() || radiusRatio <= 0.0 || radiusRatio > 1.0)
    return eInvalidInput;
  const OdGeVector3d normal = unitNormal.normal();
  if (std::fabs(normal.dotProduct(majorAxis)) > 1e-9 * majorAxis.length())
    return eInvalidInput;
  assertWriteEnabled();
  m_center = center;
  m_normal = normal;
  m_majorAxis = majorAxis;
  m_ratio = radiusRatio;
  m_startParam = normalizeAngle(paramAtAngle(startAngle));
  // An end a whole turn or more above the start closes the ellipse, as the full default does.
  if (endAngle - startAngle >= Oda2PI)
    m_endParam = m_startParam + Oda2PI;
  else
    placeEnd(paramAtAngle(endAngle));
  return eOk;
}

bool OdDbEllipse::isClosed() const
{
  assertReadEnabled();
  return std::fabs(m_endParam - m_startParam - Oda2PI) <= kParamTol;
}

OdGePoint3d OdDbEllipse::pointAt(double param) const
{
  return m_center + m_majorAxis * std::cos(param) + minorVector() * std::sin(param);
}

OdResult OdDbEllipse::getStartParam(double& startParam) const
{
  assertReadEnabled();
  startParam = m_startParam;
  return eOk;
}

OdResult OdDbEllipse::getEndParam(double& endParam) const
{
  assertReadEnabled();
  endParam = m_endParam;
  return eOk;
}

OdResult OdDbEllipse::getStartPoint(OdGePoint3d& startPoint) const
{
  assertReadEnabled();
  startPoint = pointAt(m_startParam);
  return eOk;
}

OdResult OdDbEllipse::getEndPoint(OdGePoint3d& endPoint) const
{
  assertReadEnabled();
  endPoint = pointAt(m_endParam);
  return eOk;
}

OdResult OdDbEllipse::getPointAtParam(double param, OdGePoint3d& pointOnCurve) const
{
  assertReadEnabled();
  if (!odgeIsFinite(param) || param < m_startParam - kParamTol || param > m_endParam + kParamTol)
    return eInvalidInput;
  pointOnCurve = pointAt(param);
  return eOk;
}

OdResult OdDbEllipse::getParamAtPoint(const OdGePoint3d& pointOnCurve, double& param) const
{
  assertReadEnabled();
  if (!odgeIsFinite(pointOnCurve))
    return eInvalidInput;
  const double major = m_majorAxis.length();
  const OdGeVector3d offset = pointOnCurve - m_center;
  const OdGeVector3d xDir = m_majorAxis / major;
  const OdGeVector3d yDir = m_normal.crossProduct(xDir);
  const double t = normalizeAngle(std::atan2(offset.dotProduct(yDir) / (major * m_ratio), offset.dotProduct(xDir) / major));
  if (pointAt(t).distanceTo(pointOnCurve) > pointTol(major))
    return eInvalidInput;
  const double inRange = intoTurnAbove(t, m_startParam - kParamTol);
  if (inRange > m_endParam + kParamTol)
    return eInvalidInput;
  param = std::min(std::max(inRange, m_startParam), m_endParam);
  return eOk;
}

OdResult OdDbEllipse::getDistAtParam(double param, double& dist) const
{
  assertReadEnabled();
  if (!odgeIsFinite(param) || param < m_startParam - kParamTol || param > m_endParam + kParamTol)
    return eInvalidInput;
  const OdGeVector3d minor = minorVector();
  const double major = m_majorAxis.length();
  const double b = minor.length();
  // |d/dt| = sqrt(a^2 sin^2 t + b^2 cos^2 t); 16 pieces per quarter turn keep the error far
  // below the point tolerance for ratios down to 1e-3.
  const double a2 = major * major, b2 = b * b;
  const int pieces = 16 * std::max(1, static_cast<int>(std::ceil((param - m_startParam) / OdaPI2)));
  dist = integrate([&](double t) { return std::sqrt(a2 * std::sin(t) * std::sin(t) + b2 * std::cos(t) * std::cos(t)); },
                   m_startParam, std::max(param, m_startParam), pieces);
  return eOk;
}

OdResult OdDbEllipse::getParamAtDist(double dist, double& param) const
{
  assertReadEnabled();
  double total = 0.0;
  getDistAtParam(m_endParam, total);
  if (!odgeIsFinite(dist) || dist < 0.0 || dist > total + pointTol(total))
    return eInvalidInput;
  double low = m_startParam, high = m_endParam;
  for (int i = 0; i < 60; ++i)
  {
    const double mid = (low + high) / 2.0;
    double d = 0.0;
    getDistAtParam(mid, d);
    (d < dist ? low : high) = mid;
  }
  param = (low + high) / 2.0;
  return eOk;
}

OdResult OdDbEllipse::getFirstDeriv(double param, OdGeVector3d& firstDeriv) const
{
  assertReadEnabled();
  if (!odgeIsFinite(param))
    return eInvalidInput;
  firstDeriv = minorVector() * std::cos(param) - m_majorAxis * std::sin(param);
  return eOk;
}

OdResult OdDbEllipse::getSecondDeriv(double param, OdGeVector3d& secondDeriv) const
{
  assertReadEnabled();
  if (!odgeIsFinite(param))
    return eInvalidInput;
  secondDeriv = m_center - pointAt(param);
  return eOk;
}

OdResult OdDbEllipse::getArea(double& area) const
{
  assertReadEnabled();
  const double ab = m_majorAxis.length() * minorVector().length();
  const double sweep = m_endParam - m_startParam;
  area = isClosed() ? OdaPI * ab : ab * (sweep - std::sin(sweep)) / 2.0;
  return eOk;
}

OdResult OdDbEllipse::getPlane(OdGePlane& plane, OdDb::Planarity& planarity) const
{
  assertReadEnabled();
  plane.set(m_center, m_normal);
  planarity = OdDb::kPlanar;
  return eOk;
}

OdResult OdDbEllipse::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  extents = OdGeExtents3d();
  extents.addPoint(pointAt(m_startParam));
  extents.addPoint(pointAt(m_endParam));
  const OdGeVector3d minor = minorVector();
  for (int axis = 0; axis < 3; ++axis)
  {
    // x(t) = c + M cos t + m sin t is extreme where tan t = m / M.
    const double extreme = std::atan2(minor[axis], m_majorAxis[axis]);
    for (double t : {extreme, extreme + OdaPI})
    {
      const double inRange = intoTurnAbove(t, m_startParam);
      if (inRange <= m_endParam)
        extents.addPoint(pointAt(inRange));
    }
  }
  return eOk;
}

OdResult OdDbEllipse::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  double scale = 1.0;
  bool mirrors = false;
  const OdResult check = checkUniformTransform(xform, scale, mirrors);
  if (check != eOk)
    return check;
  // The images of both axes give the new normal, so a reflection keeps every parameter's point.
  const OdGePoint3d center = xform * m_center;
  const OdGeVector3d major = xform * m_majorAxis;
  const OdGeVector3d minor = xform * minorVector();
  const OdGeVector3d normal = major.crossProduct(minor).normal();
  if (!odgeIsFinite(center) || !odgeIsFinite(major) || !odgeIsFinite(normal))
    return eInvalidInput;
  assertWriteEnabled();
  m_center = center;
  m_majorAxis = major;
  m_normal = normal;
  return eOk;
}

void OdDbEllipse::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  assertReadEnabled();
  OdDbCurve::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbEllipse");
  pFiler->wrPoint3d(10, m_center);
  pFiler->wrVector3d(11, m_majorAxis);
  pFiler->wrVector3d(210, m_normal);
  pFiler->wrDouble(40, m_ratio);
  pFiler->wrDouble(41, m_startParam);
  pFiler->wrDouble(42, m_endParam);
}

void OdDbEllipse::copyFrom(const OdRxObject* pSource)
{
  OdDbCurve::copyFrom(pSource);
  const OdDbEllipse* pSrc = static_cast<const OdDbEllipse*>(pSource);
  m_center = pSrc->m_center;
  m_normal = pSrc->m_normal;
  m_majorAxis = pSrc->m_majorAxis;
  m_ratio = pSrc->m_ratio;
  m_startParam = pSrc->m_startParam;
  m_endParam = pSrc->m_endParam;
}
