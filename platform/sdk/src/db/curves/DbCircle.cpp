// OdDbCircle: full circle with real geometry. Parameters are object-coordinate angles, so the
// distance at a parameter is radius * param and the start point lies on the object X axis.
#include "DbCircle.h"

#include <cmath>

#include "CurveGeom.h"
#include "DbFiler.h"
#include "Ge/GeFinite.h"
#include "SdkRxMacros.h"

using namespace odDbCurveGeom;

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbCircle, OdDbCurve, L"CIRCLE")

OdDbCircle::OdDbCircle() = default;

OdGePoint3d OdDbCircle::center() const
{
  assertReadEnabled();
  return m_center;
}

void OdDbCircle::setCenter(const OdGePoint3d& center)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(center))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_center = center;
}

double OdDbCircle::radius() const
{
  assertReadEnabled();
  return m_radius;
}

void OdDbCircle::setRadius(double radius)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(radius) || radius <= 0.0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_radius = radius;
}

double OdDbCircle::diameter() const
{
  return 2.0 * radius();
}

void OdDbCircle::setDiameter(double diameter)
{
  setRadius(diameter / 2.0);
}

double OdDbCircle::circumference() const
{
  return Oda2PI * radius();
}

void OdDbCircle::setCircumference(double circumference)
{
  setRadius(circumference / Oda2PI);
}

double OdDbCircle::thickness() const
{
  assertReadEnabled();
  return m_thickness;
}

void OdDbCircle::setThickness(double thickness)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(thickness))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_thickness = thickness;
}

OdGeVector3d OdDbCircle::normal() const
{
  assertReadEnabled();
  return m_normal;
}

void OdDbCircle::setNormal(const OdGeVector3d& normal)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(normal) || normal.isZeroLength())
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_normal = normal.normal();
}

OdResult OdDbCircle::getStartParam(double& startParam) const
{
  assertReadEnabled();
  startParam = 0.0;
  return eOk;
}

OdResult OdDbCircle::getEndParam(double& endParam) const
{
  assertReadEnabled();
  endParam = Oda2PI;
  return eOk;
}

OdResult OdDbCircle::getStartPoint(OdGePoint3d& startPoint) const
{
  assertReadEnabled();
  startPoint = pointOnCircle(m_center, m_normal, m_radius, 0.0);
  return eOk;
}

OdResult OdDbCircle::getEndPoint(OdGePoint3d& endPoint) const
{
  return getStartPoint(endPoint);
}

OdResult OdDbCircle::getPointAtParam(double param, OdGePoint3d& pointOnCurve) const
{
  assertReadEnabled();
  if (!odgeIsFinite(param))
    return eInvalidInput;
  pointOnCurve = pointOnCircle(m_center, m_normal, m_radius, param);
  return eOk;
}

OdResult OdDbCircle::getParamAtPoint(const OdGePoint3d& pointOnCurve, double& param) const
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
  param = inPlane.isZeroLength() ? 0.0 : ecsAngle(m_normal, inPlane);
  return eOk;
}

OdResult OdDbCircle::getDistAtParam(double param, double& dist) const
{
  assertReadEnabled();
  if (!odgeIsFinite(param) || param < 0.0 || param > Oda2PI)
    return eInvalidInput;
  dist = m_radius * param;
  return eOk;
}

OdResult OdDbCircle::getParamAtDist(double dist, double& param) const
{
  assertReadEnabled();
  if (!odgeIsFinite(dist) || dist < 0.0 || dist > Oda2PI * m_radius || m_radius <= 0.0)
    return eInvalidInput;
  param = dist / m_radius;
  return eOk;
}

OdResult OdDbCircle::getFirstDeriv(double param, OdGeVector3d& firstDeriv) const
{
  assertReadEnabled();
  if (!odgeIsFinite(param))
    return eInvalidInput;
  OdGeVector3d xAxis, yAxis;
  ecsAxes(m_normal, xAxis, yAxis);
  firstDeriv = (yAxis * std::cos(param) - xAxis * std::sin(param)) * m_radius;
  return eOk;
}

OdResult OdDbCircle::getSecondDeriv(double param, OdGeVector3d& secondDeriv) const
{
  assertReadEnabled();
  if (!odgeIsFinite(param))
    return eInvalidInput;
  secondDeriv = m_center - pointOnCircle(m_center, m_normal, m_radius, param);
  return eOk;
}

OdResult OdDbCircle::getClosestPointTo(const OdGePoint3d& givenPoint, OdGePoint3d& pointOnCurve, bool) const
{
  assertReadEnabled();
  if (!odgeIsFinite(givenPoint))
    return eInvalidInput;
  const OdGeVector3d offset = givenPoint - m_center;
  const OdGeVector3d inPlane = offset - m_normal * offset.dotProduct(m_normal);
  // A point on the circle's axis is equally near to every point of it: the start point is given.
  const double angle = inPlane.isZeroLength() ? 0.0 : ecsAngle(m_normal, inPlane);
  pointOnCurve = pointOnCircle(m_center, m_normal, m_radius, angle);
  return eOk;
}

OdResult OdDbCircle::getArea(double& area) const
{
  assertReadEnabled();
  area = OdaPI * m_radius * m_radius;
  return eOk;
}

OdResult OdDbCircle::getPlane(OdGePlane& plane, OdDb::Planarity& planarity) const
{
  assertReadEnabled();
  plane.set(m_center, m_normal);
  planarity = OdDb::kPlanar;
  return eOk;
}

OdResult OdDbCircle::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  extents = OdGeExtents3d();
  addArcExtents(extents, m_center, m_normal, m_radius, 0.0, Oda2PI);
  addThickness(extents, m_normal, m_thickness);
  return eOk;
}

OdResult OdDbCircle::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  double scale = 1.0;
  bool mirrors = false;
  const OdResult check = checkUniformTransform(xform, scale, mirrors);
  if (check != eOk)
    return check;
  const OdGePoint3d center = xform * m_center;
  const OdGeVector3d normal = (xform * m_normal).normal();
  const double radius = m_radius * scale;
  const double thickness = m_thickness * scale;
  if (!odgeIsFinite(center) || !odgeIsFinite(normal) || !odgeIsFinite(radius) || !odgeIsFinite(thickness))
    return eInvalidInput;
  assertWriteEnabled();
  m_center = center;
  m_normal = normal;
  m_radius = radius;
  m_thickness = thickness;
  return eOk;
}

void OdDbCircle::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  assertReadEnabled();
  OdDbCurve::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbCircle");
  pFiler->wrDouble(39, m_thickness);
  pFiler->wrPoint3d(10, OdGeMatrix3d::worldToPlane(m_normal) * m_center);
  pFiler->wrDouble(40, m_radius);
  pFiler->wrVector3d(210, m_normal);
}

void OdDbCircle::copyFrom(const OdRxObject* pSource)
{
  OdDbCurve::copyFrom(pSource);
  const OdDbCircle* pSrc = static_cast<const OdDbCircle*>(pSource);
  m_center = pSrc->m_center;
  m_radius = pSrc->m_radius;
  m_thickness = pSrc->m_thickness;
  m_normal = pSrc->m_normal;
}
