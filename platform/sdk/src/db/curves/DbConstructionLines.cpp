// OdDbConstructionLine and its two kinds: a base point and a unit direction over parameters that
// start nowhere (OdDbXline) or at 0 (OdDbRay).
#include <cmath>
#include <limits>

#include "DbFiler.h"
#include "DbRay.h"
#include "DbXline.h"
#include "Ge/GeFinite.h"
#include "SdkRxMacros.h"
#include "db/DbInternal.h"

ODRX_SDK_DBOBJECT_NO_CONS_DEFINE_MEMBERS(OdDbConstructionLine, OdDbCurve)
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbXline, OdDbConstructionLine, L"XLINE")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbRay, OdDbConstructionLine, L"RAY")

OdDbConstructionLine::OdDbConstructionLine(double lowestParam) : m_low(lowestParam) {}

OdDbXline::OdDbXline() : OdDbConstructionLine(-std::numeric_limits<double>::infinity()) {}

OdDbRay::OdDbRay() : OdDbConstructionLine(0.0) {}

void OdDbXline::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbEntity::dxfOutFields(pFiler);
  writeLineFields(pFiler, L"OdDbXline");
}

void OdDbRay::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbEntity::dxfOutFields(pFiler);
  writeLineFields(pFiler, L"OdDbRay");
}

OdGePoint3d OdDbConstructionLine::basePoint() const
{
  assertReadEnabled();
  return m_base;
}

void OdDbConstructionLine::setBasePoint(const OdGePoint3d& basePoint)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(basePoint);
  assertWriteEnabled();
  m_base = basePoint;
}

OdGeVector3d OdDbConstructionLine::unitDir() const
{
  assertReadEnabled();
  return m_dir;
}

// Normalising a vector of unit length again would move its last bits each time it is read.
void OdDbConstructionLine::setUnitDir(const OdGeVector3d& unitDir)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(unitDir);
  if (unitDir.isZeroLength())
    throw OdError(eInvalidInput);
  const OdGeVector3d dir = std::fabs(unitDir.length() - 1.0) <= 1e-12 ? unitDir : unitDir.normal();
  assertWriteEnabled();
  m_dir = dir;
}

bool OdDbConstructionLine::onCurve(double t) const
{
  return std::isfinite(t) && t >= m_low - OdGeContext::gTol.equalPoint();
}

OdResult OdDbConstructionLine::getStartParam(double& startParam) const
{
  assertReadEnabled();
  if (!std::isfinite(m_low))
    return eNotApplicable;
  startParam = m_low;
  return eOk;
}

OdResult OdDbConstructionLine::getEndParam(double&) const
{
  assertReadEnabled();
  return eNotApplicable;
}

OdResult OdDbConstructionLine::getStartPoint(OdGePoint3d& startPoint) const
{
  assertReadEnabled();
  if (!std::isfinite(m_low))
    return eNotApplicable;
  startPoint = m_base + m_dir * m_low;
  return eOk;
}

OdResult OdDbConstructionLine::getEndPoint(OdGePoint3d&) const
{
  assertReadEnabled();
  return eNotApplicable;
}

OdResult OdDbConstructionLine::getPointAtParam(double param, OdGePoint3d& pointOnCurve) const
{
  assertReadEnabled();
  if (!onCurve(param))
    return eInvalidInput;
  pointOnCurve = m_base + m_dir * clamp(param);
  return eOk;
}

OdResult OdDbConstructionLine::getParamAtPoint(const OdGePoint3d& pointOnCurve, double& param) const
{
  assertReadEnabled();
  if (!odgeIsFinite(pointOnCurve))
    return eInvalidInput;
  const double foot = (pointOnCurve - m_base).dotProduct(m_dir);
  if (!onCurve(foot) || !(m_base + m_dir * clamp(foot)).isEqualTo(pointOnCurve))
    return eInvalidInput;
  param = clamp(foot);
  return eOk;
}

OdResult OdDbConstructionLine::getDistAtParam(double param, double& dist) const
{
  assertReadEnabled();
  if (!std::isfinite(m_low))
    return eNotApplicable;
  if (!onCurve(param))
    return eInvalidInput;
  dist = clamp(param) - m_low;
  return eOk;
}

OdResult OdDbConstructionLine::getParamAtDist(double dist, double& param) const
{
  assertReadEnabled();
  if (!std::isfinite(m_low))
    return eNotApplicable;
  if (!onCurve(m_low + dist))
    return eInvalidInput;
  param = clamp(m_low + dist);
  return eOk;
}

OdResult OdDbConstructionLine::getFirstDeriv(double param, OdGeVector3d& firstDeriv) const
{
  assertReadEnabled();
  if (!onCurve(param))
    return eInvalidInput;
  firstDeriv = m_dir;
  return eOk;
}

OdResult OdDbConstructionLine::getSecondDeriv(double param, OdGeVector3d& secondDeriv) const
{
  assertReadEnabled();
  if (!onCurve(param))
    return eInvalidInput;
  secondDeriv = OdGeVector3d();
  return eOk;
}

OdResult OdDbConstructionLine::getClosestPointTo(const OdGePoint3d& givenPoint, OdGePoint3d& pointOnCurve,
                                                 bool extend) const
{
  assertReadEnabled();
  if (!odgeIsFinite(givenPoint))
    return eInvalidInput;
  const double foot = (givenPoint - m_base).dotProduct(m_dir);
  pointOnCurve = m_base + m_dir * (extend ? foot : clamp(foot));
  return eOk;
}

OdResult OdDbConstructionLine::getArea(double& area) const
{
  assertReadEnabled();
  area = 0.0;
  return eOk;
}

OdResult OdDbConstructionLine::getPlane(OdGePlane& plane, OdDb::Planarity& planarity) const
{
  assertReadEnabled();
  plane = OdGePlane(m_base, m_dir.perpVector().normal());
  planarity = OdDb::kLinear;
  return eOk;
}

OdResult OdDbConstructionLine::getGeomExtents(OdGeExtents3d&) const
{
  assertReadEnabled();
  return eInvalidExtents;
}

// Moves the base point and turns the direction; refuses matrices that are not finite or that
// collapse the direction.
OdResult OdDbConstructionLine::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  if (!odDbMatrixIsFinite(xform))
    return eInvalidInput;
  const OdGePoint3d base = xform * m_base;
  const OdGeVector3d dir = xform * m_dir;
  if (!odgeIsFinite(base) || !odgeIsFinite(dir) || dir.isZeroLength())
    return eInvalidInput;
  assertWriteEnabled();
  m_base = base;
  m_dir = dir.normal();
  return eOk;
}

void OdDbConstructionLine::writeLineFields(OdDbDxfFiler* pFiler, const OdChar* marker) const
{
  pFiler->wrSubclassMarker(marker);
  pFiler->wrPoint3d(OdDb::kDxfXCoord, m_base);
  pFiler->wrVector3d(11, m_dir);
}

void OdDbConstructionLine::copyFrom(const OdRxObject* pSource)
{
  OdDbCurve::copyFrom(pSource);
  const OdDbConstructionLine* pSrc = static_cast<const OdDbConstructionLine*>(pSource);
  m_base = pSrc->m_base;
  m_dir = pSrc->m_dir;
}
