// OdDbXline and OdDbRay: a base point and a unit direction. The two differ only in where their
// parameters start (nowhere for the infinite line, 0 for the ray), so the geometry is written once
// over that lower bound.
#include <cmath>
#include <limits>

#include "DbFiler.h"
#include "db/DbInternal.h"
#include "DbRay.h"
#include "DbXline.h"
#include "Ge/GeFinite.h"
#include "SdkRxMacros.h"

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbXline, OdDbCurve, L"XLINE")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbRay, OdDbCurve, L"RAY")

namespace
{
const double kUnbounded = -std::numeric_limits<double>::infinity();

// A base point, a unit direction and the lowest parameter of the curve.
struct Construction
{
  const OdGePoint3d& base;
  const OdGeVector3d& dir;
  double low;

  bool onCurve(double t) const
  {
    return std::isfinite(t) && t >= low - OdGeContext::gTol.equalPoint();
  }
  double clamp(double t) const { return t < low ? low : t; }

  OdResult pointAt(double t, OdGePoint3d& p) const
  {
    if (!onCurve(t))
      return eInvalidInput;
    p = base + dir * clamp(t);
    return eOk;
  }
  OdResult paramAt(const OdGePoint3d& p, double& t) const
  {
    if (!odgeIsFinite(p))
      return eInvalidInput;
    const double foot = (p - base).dotProduct(dir);
    if (!onCurve(foot) || !(base + dir * clamp(foot)).isEqualTo(p))
      return eInvalidInput;
    t = clamp(foot);
    return eOk;
  }
  OdResult closest(const OdGePoint3d& p, OdGePoint3d& onLine) const
  {
    if (!odgeIsFinite(p))
      return eInvalidInput;
    onLine = base + dir * clamp((p - base).dotProduct(dir));
    return eOk;
  }
  OdResult plane(OdGePlane& plane, OdDb::Planarity& planarity) const
  {
    plane = OdGePlane(base, dir.perpVector().normal());
    planarity = OdDb::kLinear;
    return eOk;
  }
};

// Moves the base point and turns the direction; refuses matrices that are not finite or that
// collapse the direction.
OdResult transformLine(const OdGeMatrix3d& xform, OdGePoint3d& base, OdGeVector3d& dir)
{
  if (!odDbMatrixIsFinite(xform))
    return eInvalidInput;
  const OdGePoint3d newBase = xform * base;
  const OdGeVector3d newDir = xform * dir;
  if (!odgeIsFinite(newBase) || !odgeIsFinite(newDir) || newDir.isZeroLength())
    return eInvalidInput;
  base = newBase;
  dir = newDir.normal();
  return eOk;
}

void checkDirection(const OdGeVector3d& dir)
{
  odDbCheckFinite(dir);
  if (dir.isZeroLength())
    throw OdError(eInvalidInput);
}

void writeLine(OdDbDxfFiler* pFiler, const OdChar* marker, const OdGePoint3d& base, const OdGeVector3d& dir)
{
  pFiler->wrSubclassMarker(marker);
  pFiler->wrPoint3d(OdDb::kDxfXCoord, base);
  pFiler->wrVector3d(11, dir);
}
} // namespace

// ---- OdDbXline -----------------------------------------------------------------------------------

OdDbXline::OdDbXline() = default;

OdGePoint3d OdDbXline::basePoint() const
{
  assertReadEnabled();
  return m_base;
}

void OdDbXline::setBasePoint(const OdGePoint3d& basePoint)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(basePoint);
  assertWriteEnabled();
  m_base = basePoint;
}

OdGeVector3d OdDbXline::unitDir() const
{
  assertReadEnabled();
  return m_dir;
}

void OdDbXline::setUnitDir(const OdGeVector3d& unitDir)
{
  assertWriteEnabled(false, false);
  checkDirection(unitDir);
  assertWriteEnabled();
  m_dir = unitDir.normal();
}

OdResult OdDbXline::getStartParam(double&) const
{
  assertReadEnabled();
  return eNotApplicable;
}

OdResult OdDbXline::getEndParam(double&) const
{
  assertReadEnabled();
  return eNotApplicable;
}

OdResult OdDbXline::getStartPoint(OdGePoint3d&) const
{
  assertReadEnabled();
  return eNotApplicable;
}

OdResult OdDbXline::getEndPoint(OdGePoint3d&) const
{
  assertReadEnabled();
  return eNotApplicable;
}

OdResult OdDbXline::getPointAtParam(double param, OdGePoint3d& pointOnCurve) const
{
  assertReadEnabled();
  return Construction{m_base, m_dir, kUnbounded}.pointAt(param, pointOnCurve);
}

OdResult OdDbXline::getParamAtPoint(const OdGePoint3d& pointOnCurve, double& param) const
{
  assertReadEnabled();
  return Construction{m_base, m_dir, kUnbounded}.paramAt(pointOnCurve, param);
}

OdResult OdDbXline::getFirstDeriv(double param, OdGeVector3d& firstDeriv) const
{
  assertReadEnabled();
  if (!std::isfinite(param))
    return eInvalidInput;
  firstDeriv = m_dir;
  return eOk;
}

OdResult OdDbXline::getSecondDeriv(double param, OdGeVector3d& secondDeriv) const
{
  assertReadEnabled();
  if (!std::isfinite(param))
    return eInvalidInput;
  secondDeriv = OdGeVector3d();
  return eOk;
}

// The infinite line reaches every foot point, so extend changes nothing.
OdResult OdDbXline::getClosestPointTo(const OdGePoint3d& givenPoint, OdGePoint3d& pointOnCurve, bool) const
{
  assertReadEnabled();
  return Construction{m_base, m_dir, kUnbounded}.closest(givenPoint, pointOnCurve);
}

OdResult OdDbXline::getArea(double& area) const
{
  assertReadEnabled();
  area = 0.0;
  return eOk;
}

OdResult OdDbXline::getPlane(OdGePlane& plane, OdDb::Planarity& planarity) const
{
  assertReadEnabled();
  return Construction{m_base, m_dir, kUnbounded}.plane(plane, planarity);
}

OdResult OdDbXline::getGeomExtents(OdGeExtents3d&) const
{
  assertReadEnabled();
  return eInvalidExtents;
}

OdResult OdDbXline::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  OdGePoint3d base = m_base;
  OdGeVector3d dir = m_dir;
  const OdResult res = transformLine(xform, base, dir);
  if (res != eOk)
    return res;
  assertWriteEnabled();
  m_base = base;
  m_dir = dir;
  return eOk;
}

void OdDbXline::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbEntity::dxfOutFields(pFiler);
  writeLine(pFiler, L"OdDbXline", m_base, m_dir);
}

void OdDbXline::copyFrom(const OdRxObject* pSource)
{
  OdDbCurve::copyFrom(pSource);
  const OdDbXline* pSrc = static_cast<const OdDbXline*>(pSource);
  m_base = pSrc->m_base;
  m_dir = pSrc->m_dir;
}

// ---- OdDbRay -------------------------------------------------------------------------------------

OdDbRay::OdDbRay() = default;

OdGePoint3d OdDbRay::basePoint() const
{
  assertReadEnabled();
  return m_base;
}

void OdDbRay::setBasePoint(const OdGePoint3d& basePoint)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(basePoint);
  assertWriteEnabled();
  m_base = basePoint;
}

OdGeVector3d OdDbRay::unitDir() const
{
  assertReadEnabled();
  return m_dir;
}

void OdDbRay::setUnitDir(const OdGeVector3d& unitDir)
{
  assertWriteEnabled(false, false);
  checkDirection(unitDir);
  assertWriteEnabled();
  m_dir = unitDir.normal();
}

OdResult OdDbRay::getStartParam(double& startParam) const
{
  assertReadEnabled();
  startParam = 0.0;
  return eOk;
}

OdResult OdDbRay::getEndParam(double&) const
{
  assertReadEnabled();
  return eNotApplicable;
}

OdResult OdDbRay::getStartPoint(OdGePoint3d& startPoint) const
{
  assertReadEnabled();
  startPoint = m_base;
  return eOk;
}

OdResult OdDbRay::getEndPoint(OdGePoint3d&) const
{
  assertReadEnabled();
  return eNotApplicable;
}

OdResult OdDbRay::getPointAtParam(double param, OdGePoint3d& pointOnCurve) const
{
  assertReadEnabled();
  return Construction{m_base, m_dir, 0.0}.pointAt(param, pointOnCurve);
}

OdResult OdDbRay::getParamAtPoint(const OdGePoint3d& pointOnCurve, double& param) const
{
  assertReadEnabled();
  return Construction{m_base, m_dir, 0.0}.paramAt(pointOnCurve, param);
}

// The direction is a unit vector: parameters are distances from the base point.
OdResult OdDbRay::getDistAtParam(double param, double& dist) const
{
  assertReadEnabled();
  if (!Construction{m_base, m_dir, 0.0}.onCurve(param))
    return eInvalidInput;
  dist = param < 0.0 ? 0.0 : param;
  return eOk;
}

OdResult OdDbRay::getParamAtDist(double dist, double& param) const
{
  assertReadEnabled();
  if (!Construction{m_base, m_dir, 0.0}.onCurve(dist))
    return eInvalidInput;
  param = dist < 0.0 ? 0.0 : dist;
  return eOk;
}

OdResult OdDbRay::getFirstDeriv(double param, OdGeVector3d& firstDeriv) const
{
  assertReadEnabled();
  if (!Construction{m_base, m_dir, 0.0}.onCurve(param))
    return eInvalidInput;
  firstDeriv = m_dir;
  return eOk;
}

OdResult OdDbRay::getSecondDeriv(double param, OdGeVector3d& secondDeriv) const
{
  assertReadEnabled();
  if (!Construction{m_base, m_dir, 0.0}.onCurve(param))
    return eInvalidInput;
  secondDeriv = OdGeVector3d();
  return eOk;
}

// With extend, the ray's line behind the base point counts too.
OdResult OdDbRay::getClosestPointTo(const OdGePoint3d& givenPoint, OdGePoint3d& pointOnCurve, bool extend) const
{
  assertReadEnabled();
  return Construction{m_base, m_dir, extend ? kUnbounded : 0.0}.closest(givenPoint, pointOnCurve);
}

OdResult OdDbRay::getArea(double& area) const
{
  assertReadEnabled();
  area = 0.0;
  return eOk;
}

OdResult OdDbRay::getPlane(OdGePlane& plane, OdDb::Planarity& planarity) const
{
  assertReadEnabled();
  return Construction{m_base, m_dir, 0.0}.plane(plane, planarity);
}

OdResult OdDbRay::getGeomExtents(OdGeExtents3d&) const
{
  assertReadEnabled();
  return eInvalidExtents;
}

OdResult OdDbRay::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  OdGePoint3d base = m_base;
  OdGeVector3d dir = m_dir;
  const OdResult res = transformLine(xform, base, dir);
  if (res != eOk)
    return res;
  assertWriteEnabled();
  m_base = base;
  m_dir = dir;
  return eOk;
}

void OdDbRay::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbEntity::dxfOutFields(pFiler);
  writeLine(pFiler, L"OdDbRay", m_base, m_dir);
}

void OdDbRay::copyFrom(const OdRxObject* pSource)
{
  OdDbCurve::copyFrom(pSource);
  const OdDbRay* pSrc = static_cast<const OdDbRay*>(pSource);
  m_base = pSrc->m_base;
  m_dir = pSrc->m_dir;
}
