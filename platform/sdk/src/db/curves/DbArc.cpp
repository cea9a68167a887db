// OdDbArc: circular arc with real geometry. Angles are stored reduced into [0, 2pi); the sweep
// runs counter-clockwise from the start angle to the end angle, so the end parameter is the end
// angle plus 2pi whenever the end angle is the smaller.
#include "DbArc.h"

#include <algorithm>
#include <cmath>

#include "CurveGeom.h"
#include "DbFiler.h"
#include "Ge/GeFinite.h"
#include "SdkRxMacros.h"

using namespace odDbCurveGeom;

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbArc, OdDbCurve, L"ARC")

OdDbArc::OdDbArc()
{
  placeEnds();
}

// The end points are read far more often than the arc changes: they are worked out once per
// change, with the same evaluation a read would make.
void OdDbArc::placeEnds()
{
  m_startPoint = pointOnCircle(m_center, m_normal, m_radius, m_startAngle);
  m_endPoint = pointOnCircle(m_center, m_normal, m_radius, m_endAngle);
}

double OdDbArc::sweep() const
{
  return m_endAngle < m_startAngle ? m_endAngle + Oda2PI - m_startAngle : m_endAngle - m_startAngle;
}

OdGePoint3d OdDbArc::center() const
{
  assertReadEnabled();
  return m_center;
}

void OdDbArc::setCenter(const OdGePoint3d& center)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(center))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_center = center;
  placeEnds();
}

double OdDbArc::radius() const
{
  assertReadEnabled();
  return m_radius;
}

void OdDbArc::setRadius(double radius)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(radius) || radius <= 0.0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_radius = radius;
  placeEnds();
}

double OdDbArc::thickness() const
{
  assertReadEnabled();
  return m_thickness;
}

void OdDbArc::setThickness(double thickness)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(thickness))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_thickness = thickness;
}

OdGeVector3d OdDbArc::normal() const
{
  assertReadEnabled();
  return m_normal;
}

void OdDbArc::setNormal(const OdGeVector3d& normal)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(normal) || normal.isZeroLength())
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_normal = normal.normal();
  placeEnds();
}

double OdDbArc::startAngle() const
{
  assertReadEnabled();
  return m_startAngle;
}

void OdDbArc::setStartAngle(double startAngle)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(startAngle))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_startAngle = normalizeAngle(startAngle);
  placeEnds();
}

double OdDbArc::endAngle() const
{
  assertReadEnabled();
  return m_endAngle;
}

void OdDbArc::setEndAngle(double endAngle)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(endAngle))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_endAngle = normalizeAngle(endAngle);
  placeEnds();
}

OdResult OdDbArc::getStartParam(double& startParam) const
{
  assertReadEnabled();
  startParam = m_startAngle;
  return eOk;
}

OdResult OdDbArc::getEndParam(double& endParam) const
{
  assertReadEnabled();
  endParam = m_startAngle + sweep();
  return eOk;
}

OdResult OdDbArc::getStartPoint(OdGePoint3d& startPoint) const
{
  assertReadEnabled();
  startPoint = m_startPoint;
  return eOk;
}

OdResult OdDbArc::getEndPoint(OdGePoint3d& endPoint) const
{
  assertReadEnabled();
  endPoint = m_endPoint;
  return eOk;
}

OdResult OdDbArc::getPointAtParam(double param, OdGePoint3d& pointOnCurve) const
{
  assertReadEnabled();
  const double angTol = OdGeContext::gTol.equalVector();
  if (!odgeIsFinite(param) || param < m_startAngle - angTol || param > m_startAngle + sweep() + angTol)
    return eInvalidInput;
  pointOnCurve = param == m_startAngle ? m_startPoint : pointOnCircle(m_center, m_normal, m_radius, param);
  return eOk;
}

OdResult OdDbArc::getParamAtPoint(const OdGePoint3d& pointOnCurve, double& param) const
{
  assertReadEnabled();
  if (!odgeIsFinite(pointOnCurve))
    return eInvalidInput;
  const OdGeVector3d offset = pointOnCurve - m_center;
  const double tol = pointTol(m_radius);
  const double height = offset.dotProduct(m_normal);
  const OdGeVector3d inPlane = offset - m_normal * height;
  if (std::fabs(height) > tol || std::fabs(inPlane.length() - m_radius) > tol)
    return eInvalidInput;
  if (inPlane.isZeroLength())
  {
    param = m_startAngle;
    return eOk;
  }
  const double angTol = m_radius > 0.0 ? tol / m_radius : 0.0;
  double along = normalizeAngle(ecsAngle(m_normal, inPlane) - m_startAngle);
  if (along > Oda2PI - angTol)
    along = 0.0;
  if (along > sweep() + angTol)
    return eInvalidInput;
  param = m_startAngle + std::min(along, sweep());
  return eOk;
}

OdResult OdDbArc::getDistAtParam(double param, double& dist) const
{
  assertReadEnabled();
  const double angTol = OdGeContext::gTol.equalVector();
  if (!odgeIsFinite(param) || param < m_startAngle - angTol || param > m_startAngle + sweep() + angTol)
    return eInvalidInput;
  dist = m_radius * std::max(0.0, param - m_startAngle);
  return eOk;
}

OdResult OdDbArc::getParamAtDist(double dist, double& param) const
{
  assertReadEnabled();
  const double length = m_radius * sweep();
  if (!odgeIsFinite(dist) || dist < 0.0 || dist > length + pointTol(length))
    return eInvalidInput;
  param = m_radius > 0.0 ? m_startAngle + std::min(dist / m_radius, sweep()) : m_startAngle;
  return eOk;
}

OdResult OdDbArc::getFirstDeriv(double param, OdGeVector3d& firstDeriv) const
{
  OdGePoint3d point;
  const OdResult res = getPointAtParam(param, point);
  if (res != eOk)
    return res;
  firstDeriv = m_normal.crossProduct(point - m_center);
  return eOk;
}

OdResult OdDbArc::getSecondDeriv(double param, OdGeVector3d& secondDeriv) const
{
  OdGePoint3d point;
  const OdResult res = getPointAtParam(param, point);
  if (res != eOk)
    return res;
  secondDeriv = m_center - point;
  return eOk;
}

OdResult OdDbArc::getClosestPointTo(const OdGePoint3d& givenPoint, OdGePoint3d& pointOnCurve, bool extend) const
{
  assertReadEnabled();
  if (!odgeIsFinite(givenPoint))
    return eInvalidInput;
  const OdGeVector3d offset = givenPoint - m_center;
  const OdGeVector3d inPlane = offset - m_normal * offset.dotProduct(m_normal);
  const double angle = inPlane.isZeroLength() ? m_startAngle : ecsAngle(m_normal, inPlane);
  if (extend || normalizeAngle(angle - m_startAngle) <= sweep())
  {
    pointOnCurve = pointOnCircle(m_center, m_normal, m_radius, angle);
    return eOk;
  }
  const OdGePoint3d start = m_startPoint;
  const OdGePoint3d end = m_endPoint;
  pointOnCurve = start.distanceTo(givenPoint) <= end.distanceTo(givenPoint) ? start : end;
  return eOk;
}

OdResult OdDbArc::getArea(double& area) const
{
  assertReadEnabled();
  const double theta = sweep();
  area = 0.5 * m_radius * m_radius * (theta - std::sin(theta));
  return eOk;
}

OdResult OdDbArc::getPlane(OdGePlane& plane, OdDb::Planarity& planarity) const
{
  assertReadEnabled();
  plane.set(m_center, m_normal);
  planarity = OdDb::kPlanar;
  return eOk;
}

OdResult OdDbArc::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  extents = OdGeExtents3d();
  addArcExtents(extents, m_center, m_normal, m_radius, m_startAngle, m_startAngle + sweep());
  addThickness(extents, m_normal, m_thickness);
  return eOk;
}

OdResult OdDbArc::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  double scale = 1.0;
  bool mirrors = false;
  const OdResult check = checkUniformTransform(xform, scale, mirrors);
  if (check != eOk)
    return check;
  const OdGePoint3d center = xform * m_center;
  const OdGeVector3d normal = (xform * m_normal).normal();
  // The image of the start direction (of the end direction under a reflection, which reverses
  // the run) fixes the new start angle; the sweep is kept exactly.
  OdGeVector3d xAxis, yAxis;
  ecsAxes(m_normal, xAxis, yAxis);
  const double from = mirrors ? m_endAngle : m_startAngle;
  const OdGeVector3d startDir = xform * (xAxis * std::cos(from) + yAxis * std::sin(from));
  const double startAngle = ecsAngle(normal, startDir);
  const double endAngle = normalizeAngle(startAngle + sweep());
  const double radius = m_radius * scale;
  const double thickness = m_thickness * scale;
  if (!odgeIsFinite(center) || !odgeIsFinite(normal) || !odgeIsFinite(startAngle) || !odgeIsFinite(radius) ||
      !odgeIsFinite(thickness))
    return eInvalidInput;
  assertWriteEnabled();
  m_center = center;
  m_normal = normal;
  m_radius = radius;
  m_thickness = thickness;
  m_startAngle = startAngle;
  m_endAngle = endAngle;
  placeEnds();
  return eOk;
}

void OdDbArc::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  assertReadEnabled();
  OdDbCurve::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbArc");
  pFiler->wrDouble(39, m_thickness);
  pFiler->wrPoint3d(10, OdGeMatrix3d::worldToPlane(m_normal) * m_center);
  pFiler->wrDouble(40, m_radius);
  pFiler->wrVector3d(210, m_normal);
  pFiler->wrAngle(50, m_startAngle);
  pFiler->wrAngle(51, m_endAngle);
}

void OdDbArc::copyFrom(const OdRxObject* pSource)
{
  OdDbCurve::copyFrom(pSource);
  const OdDbArc* pSrc = static_cast<const OdDbArc*>(pSource);
  m_center = pSrc->m_center;
  m_radius = pSrc->m_radius;
  m_thickness = pSrc->m_thickness;
  m_normal = pSrc->m_normal;
  m_startAngle = pSrc->m_startAngle;
  m_endAngle = pSrc->m_endAngle;
  m_startPoint = pSrc->m_startPoint;
  m_endPoint = pSrc->m_endPoint;
}
