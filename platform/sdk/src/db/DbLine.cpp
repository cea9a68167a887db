// OdDbLine: end points, thickness and normal; parameters are distances from the start point.
#include <algorithm>
#include <cmath>

#include "DbFiler.h"
#include "DbInternal.h"
#include "DbLine.h"
#include "SdkRxMacros.h"

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbLine, OdDbCurve, L"LINE")

OdDbLine::OdDbLine() = default;

OdDbLine::OdDbLine(const OdGePoint3d& start, const OdGePoint3d& end)
{
  odDbCheckFinite(start);
  odDbCheckFinite(end);
  m_start = start;
  m_end = end;
}

OdGePoint3d OdDbLine::startPoint() const
{
  assertReadEnabled();
  return m_start;
}

void OdDbLine::setStartPoint(const OdGePoint3d& startPoint)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(startPoint);
  assertWriteEnabled();
  m_start = startPoint;
}

OdGePoint3d OdDbLine::endPoint() const
{
  assertReadEnabled();
  return m_end;
}

void OdDbLine::setEndPoint(const OdGePoint3d& endPoint)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(endPoint);
  assertWriteEnabled();
  m_end = endPoint;
}

double OdDbLine::thickness() const
{
  assertReadEnabled();
  return m_thickness;
}

void OdDbLine::setThickness(double thickness)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(thickness);
  assertWriteEnabled();
  m_thickness = thickness;
}

OdGeVector3d OdDbLine::normal() const
{
  assertReadEnabled();
  return m_normal;
}

void OdDbLine::setNormal(const OdGeVector3d& normal)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(normal);
  if (normal.isZeroLength())
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_normal = normal.normal();
}

// ---- curve queries ---------------------------------------------------------------------------

namespace
{
bool paramInRange(double param, double length)
{
  const double tol = OdGeContext::gTol.equalPoint();
  return std::isfinite(param) && param >= -tol && param <= length + tol;
}
} // namespace

OdResult OdDbLine::getStartParam(double& startParam) const
{
  assertReadEnabled();
  startParam = 0.0;
  return eOk;
}

OdResult OdDbLine::getEndParam(double& endParam) const
{
  assertReadEnabled();
  endParam = m_start.distanceTo(m_end);
  return eOk;
}

OdResult OdDbLine::getStartPoint(OdGePoint3d& startPoint) const
{
  assertReadEnabled();
  startPoint = m_start;
  return eOk;
}

OdResult OdDbLine::getEndPoint(OdGePoint3d& endPoint) const
{
  assertReadEnabled();
  endPoint = m_end;
  return eOk;
}

OdResult OdDbLine::getPointAtParam(double param, OdGePoint3d& pointOnCurve) const
{
  assertReadEnabled();
  const double length = m_start.distanceTo(m_end);
  if (!paramInRange(param, length))
    return eInvalidInput;
  pointOnCurve = length > 0.0 ? m_start + (m_end - m_start) * (param / length) : m_start;
  return eOk;
}

OdResult OdDbLine::getParamAtPoint(const OdGePoint3d& pointOnCurve, double& param) const
{
  assertReadEnabled();
  if (!odgeIsFinite(pointOnCurve))
    return eInvalidInput;
  const OdGeVector3d dir = m_end - m_start;
  const double length = dir.length();
  const double t = length > 0.0 ? (pointOnCurve - m_start).dotProduct(dir) / length : 0.0;
  if (!paramInRange(t, length))
    return eInvalidInput;
  OdGePoint3d foot;
  getPointAtParam(std::min(std::max(t, 0.0), length), foot);
  if (!foot.isEqualTo(pointOnCurve))
    return eInvalidInput;
  param = std::min(std::max(t, 0.0), length);
  return eOk;
}

OdResult OdDbLine::getDistAtParam(double param, double& dist) const
{
  assertReadEnabled();
  if (!paramInRange(param, m_start.distanceTo(m_end)))
    return eInvalidInput;
  dist = param;
  return eOk;
}

OdResult OdDbLine::getParamAtDist(double dist, double& param) const
{
  assertReadEnabled();
  if (!paramInRange(dist, m_start.distanceTo(m_end)))
    return eInvalidInput;
  param = dist;
  return eOk;
}

OdResult OdDbLine::getFirstDeriv(double param, OdGeVector3d& firstDeriv) const
{
  assertReadEnabled();
  const OdGeVector3d dir = m_end - m_start;
  const double length = dir.length();
  if (!paramInRange(param, length))
    return eInvalidInput;
  firstDeriv = length > 0.0 ? dir / length : OdGeVector3d();
  return eOk;
}

OdResult OdDbLine::getSecondDeriv(double param, OdGeVector3d& secondDeriv) const
{
  assertReadEnabled();
  if (!paramInRange(param, m_start.distanceTo(m_end)))
    return eInvalidInput;
  secondDeriv = OdGeVector3d();
  return eOk;
}

OdResult OdDbLine::getClosestPointTo(const OdGePoint3d& givenPoint, OdGePoint3d& pointOnCurve, bool extend) const
{
  assertReadEnabled();
  if (!odgeIsFinite(givenPoint))
    return eInvalidInput;
  const OdGeVector3d dir = m_end - m_start;
  const double lengthSqrd = dir.lengthSqrd();
  if (lengthSqrd == 0.0)
  {
    pointOnCurve = m_start;
    return eOk;
  }
  double t = (givenPoint - m_start).dotProduct(dir) / lengthSqrd;
  if (!extend)
    t = std::min(std::max(t, 0.0), 1.0);
  pointOnCurve = m_start + dir * t;
  return eOk;
}

OdResult OdDbLine::getArea(double& area) const
{
  assertReadEnabled();
  area = 0.0;
  return eOk;
}

OdResult OdDbLine::getPlane(OdGePlane& plane, OdDb::Planarity& planarity) const
{
  assertReadEnabled();
  // Any plane through the line will do; prefer the one the line's normal describes.
  const OdGeVector3d dir = m_end - m_start;
  OdGeVector3d planeNormal = m_normal;
  if (!dir.isZeroLength() && !dir.isPerpendicularTo(m_normal))
    planeNormal = dir.perpVector().normal();
  plane = OdGePlane(m_start, planeNormal);
  planarity = OdDb::kLinear;
  return eOk;
}

OdResult OdDbLine::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  extents = OdGeExtents3d();
  extents.addPoint(m_start);
  extents.addPoint(m_end);
  if (m_thickness != 0.0)
  {
    const OdGeVector3d extrusion = m_normal * m_thickness;
    extents.addPoint(m_start + extrusion);
    extents.addPoint(m_end + extrusion);
  }
  return eOk;
}

OdResult OdDbLine::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  if (!odDbMatrixIsFinite(xform))
    return eInvalidInput;
  const OdGePoint3d start = xform * m_start;
  const OdGePoint3d end = xform * m_end;
  const OdGeVector3d normal = xform * m_normal;
  const double normalLength = normal.length();
  if (!odgeIsFinite(start) || !odgeIsFinite(end) || !std::isfinite(normalLength) ||
      normal.isZeroLength())
    return eInvalidInput;
  assertWriteEnabled();
  m_start = start;
  m_end = end;
  m_thickness *= normalLength;
  m_normal = normal / normalLength;
  return eOk;
}

void OdDbLine::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbEntity::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbLine");
  pFiler->wrDouble(OdDb::kDxfThickness, m_thickness);
  pFiler->wrPoint3d(OdDb::kDxfXCoord, m_start);
  pFiler->wrPoint3d(11, m_end);
  pFiler->wrVector3d(OdDb::kDxfNormalX, m_normal);
}

void OdDbLine::copyFrom(const OdRxObject* pSource)
{
  OdDbCurve::copyFrom(pSource);
  const OdDbLine* pSrc = static_cast<const OdDbLine*>(pSource);
  m_start = pSrc->m_start;
  m_end = pSrc->m_end;
  m_thickness = pSrc->m_thickness;
  m_normal = pSrc->m_normal;
}
