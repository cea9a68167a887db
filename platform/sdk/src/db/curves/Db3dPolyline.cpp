// OdDb3dPolyline: heavy 3D polyline of straight segments over its owned vertices; spline fitting
// adds fit vertices (the path) behind the placed ones, which become control vertices.
#include "Db3dPolyline.h"

#include <cmath>

#include "CurveGeom.h"
#include "DbDatabase.h"
#include "DbFiler.h"
#include "db/DbInternal.h"
#include "Ge/GeFinite.h"
#include "SdkRxMacros.h"

using namespace odDbCurveGeom;

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDb3dPolyline, OdDbCurve, L"POLYLINE")

OdDb3dPolyline::OdDb3dPolyline() = default;

std::vector<OdDb3dPolylineVertexPtr> OdDb3dPolyline::openAll(OdDb::OpenMode mode) const
{
  std::vector<OdDb3dPolylineVertexPtr> vertices;
  vertices.reserve(m_vertices.size());
  for (unsigned int i = 0; i < m_vertices.size(); ++i)
  {
    OdDbObjectPtr pObj = m_vertices.open(i, mode);
    if (!pObj.isNull())
      vertices.push_back(OdDb3dPolylineVertex::cast(pObj.get()));
  }
  return vertices;
}

// The fit vertices of a spline-fitted polyline, otherwise the simple ones.
std::vector<OdGePoint3d> OdDb3dPolyline::path() const
{
  const OdDb::Vertex3dType onPath = m_polyType == OdDb::k3dSimplePoly ? OdDb::k3dSimpleVertex : OdDb::k3dFitVertex;
  std::vector<OdGePoint3d> points;
  for (const OdDb3dPolylineVertexPtr& v : openAll(OdDb::kForRead))
    if (v->m_type == onPath)
      points.push_back(v->m_position);
  return points;
}

OdDb::Poly3dType OdDb3dPolyline::polyType() const
{
  assertReadEnabled();
  return m_polyType;
}

void OdDb3dPolyline::setPolyType(OdDb::Poly3dType type)
{
  if (type == OdDb::k3dSimplePoly)
    straighten();
  else
    splineFit(type, database() ? database()->getSPLINESEGS() : m_splineSegs);
}

void OdDb3dPolyline::setPolyTypeOnly(OdDb::Poly3dType type)
{
  assertWriteEnabled(false, false);
  if (type < 0 || type > 2)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_polyType = type;
}

OdDbObjectId OdDb3dPolyline::appendVertex(OdDb3dPolylineVertex* pVertex)
{
  OdDbVertexChain::checkAppend(this, pVertex);
  if (m_polyType != OdDb::k3dSimplePoly && pVertex->m_type == OdDb::k3dSimpleVertex)
    pVertex->m_type = OdDb::k3dControlVertex;
  return m_vertices.insert(this, pVertex, m_vertices.size());
}

OdDbObjectIteratorPtr OdDb3dPolyline::vertexIterator() const
{
  assertReadEnabled();
  return m_vertices.iterator(this);
}

void OdDb3dPolyline::removeGenerated()
{
  for (unsigned int i = m_vertices.size(); i-- > 0;)
  {
    OdDbObjectPtr pObj = m_vertices.open(i, OdDb::kForRead);
    if (!pObj.isNull() && OdDb3dPolylineVertex::cast(pObj.get())->m_type == OdDb::k3dFitVertex)
    {
      pObj.release();
      m_vertices.remove(i);
    }
  }
}

void OdDb3dPolyline::straighten()
{
  assertWriteEnabled();
  removeGenerated();
  for (const OdDb3dPolylineVertexPtr& v : openAll(OdDb::kForWrite))
  {
    v->assertWriteEnabled();
    v->m_type = OdDb::k3dSimpleVertex;
  }
  m_polyType = OdDb::k3dSimplePoly;
}

void OdDb3dPolyline::splineFit()
{
  splineFit(OdDb::k3dCubicSplinePoly, database() ? database()->getSPLINESEGS() : m_splineSegs);
}

void OdDb3dPolyline::splineFit(OdDb::Poly3dType splineType, OdInt16 splineSegs)
{
  assertWriteEnabled(false, false);
  if ((splineType != OdDb::k3dQuadSplinePoly && splineType != OdDb::k3dCubicSplinePoly) || splineSegs < 1)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  removeGenerated();
  std::vector<OdGePoint3d> control;
  for (const OdDb3dPolylineVertexPtr& v : openAll(OdDb::kForWrite))
  {
    v->assertWriteEnabled();
    v->m_type = OdDb::k3dControlVertex;
    control.push_back(v->m_position);
  }
  m_polyType = splineType;
  m_splineSegs = splineSegs;
  for (const OdGePoint3d& p :
       uniformBSplinePoints(control, splineType == OdDb::k3dQuadSplinePoly ? 2 : 3, splineSegs, m_closed))
  {
    OdDb3dPolylineVertexPtr pFit = OdDb3dPolylineVertex::createObject();
    pFit->m_type = OdDb::k3dFitVertex;
    pFit->m_position = p;
    m_vertices.insert(this, pFit, m_vertices.size());
  }
}

bool OdDb3dPolyline::isClosed() const
{
  assertReadEnabled();
  return m_closed;
}

void OdDb3dPolyline::makeClosed()
{
  assertWriteEnabled();
  if (m_closed)
    return;
  m_closed = true;
  if (m_polyType != OdDb::k3dSimplePoly)
    splineFit(m_polyType, m_splineSegs);
}

void OdDb3dPolyline::makeOpen()
{
  assertWriteEnabled();
  if (!m_closed)
    return;
  m_closed = false;
  if (m_polyType != OdDb::k3dSimplePoly)
    splineFit(m_polyType, m_splineSegs);
}

namespace
{
unsigned int segments(std::size_t n, bool closed)
{
  if (n < 2)
    return 0;
  return static_cast<unsigned int>(closed ? n : n - 1);
}
} // namespace

OdResult OdDb3dPolyline::getStartParam(double& startParam) const
{
  assertReadEnabled();
  startParam = 0.0;
  return eOk;
}

OdResult OdDb3dPolyline::getEndParam(double& endParam) const
{
  assertReadEnabled();
  endParam = segments(path().size(), m_closed);
  return eOk;
}

OdResult OdDb3dPolyline::getStartPoint(OdGePoint3d& startPoint) const
{
  return getPointAtParam(0.0, startPoint);
}

OdResult OdDb3dPolyline::getEndPoint(OdGePoint3d& endPoint) const
{
  double endParam = 0.0;
  getEndParam(endParam);
  return getPointAtParam(endParam, endPoint);
}

OdResult OdDb3dPolyline::getPointAtParam(double param, OdGePoint3d& pointOnCurve) const
{
  assertReadEnabled();
  const std::vector<OdGePoint3d> pts = path();
  if (pts.empty())
    return eDegenerateGeometry;
  const unsigned int segs = segments(pts.size(), m_closed);
  if (!odgeIsFinite(param) || param < -1e-10 || param > segs + 1e-10)
    return eInvalidInput;
  pointOnCurve = pts[0];
  if (segs > 0)
  {
    const unsigned int i = std::min(static_cast<unsigned int>(std::max(0.0, std::floor(param))), segs - 1);
    const double t = std::max(0.0, std::min(1.0, param - i));
    pointOnCurve = pts[i] + (pts[(i + 1) % pts.size()] - pts[i]) * t;
  }
  return eOk;
}

OdResult OdDb3dPolyline::getDistAtParam(double param, double& dist) const
{
  assertReadEnabled();
  const std::vector<OdGePoint3d> pts = path();
  const unsigned int segs = segments(pts.size(), m_closed);
  if (!odgeIsFinite(param) || param < -1e-10 || param > segs + 1e-10)
    return eInvalidInput;
  dist = 0.0;
  for (unsigned int i = 0; i < segs && i < param; ++i)
    dist += pts[i].distanceTo(pts[(i + 1) % pts.size()]) * std::min(1.0, param - i);
  return eOk;
}

OdResult OdDb3dPolyline::getArea(double& area) const
{
  assertReadEnabled();
  const std::vector<OdGePoint3d> pts = path();
  OdGeVector3d newell;
  for (std::size_t i = 0; i < pts.size(); ++i)
  {
    const OdGePoint3d& a = pts[i];
    const OdGePoint3d& b = pts[(i + 1) % pts.size()];
    newell += OdGeVector3d((a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y));
  }
  area = newell.length() / 2.0;
  return eOk;
}

bool OdDb3dPolyline::isPlanar() const
{
  assertReadEnabled();
  const std::vector<OdGePoint3d> pts = path();
  OdGeVector3d normal;
  for (std::size_t i = 0; i < pts.size(); ++i)
  {
    const OdGePoint3d& a = pts[i];
    const OdGePoint3d& b = pts[(i + 1) % pts.size()];
    normal += OdGeVector3d((a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y));
  }
  if (normal.isZeroLength())
    return true;
  normal.normalize();
  for (const OdGePoint3d& p : pts)
    if (std::fabs((p - pts[0]).dotProduct(normal)) > pointTol(OdGeVector3d(p.x, p.y, p.z).length()))
      return false;
  return true;
}

OdResult OdDb3dPolyline::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  const std::vector<OdGePoint3d> pts = path();
  if (pts.empty())
    return eInvalidExtents;
  extents = OdGeExtents3d();
  for (const OdGePoint3d& p : pts)
    extents.addPoint(p);
  return eOk;
}

void OdDb3dPolyline::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  assertReadEnabled();
  OdDbEntity::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"AcDb3dPolyline");
  pFiler->wrPoint3d(10, OdGePoint3d());
  OdInt16 flags = 8;
  if (m_closed)
    flags |= 1;
  if (m_polyType != OdDb::k3dSimplePoly)
    flags |= 4;
  pFiler->wrInt16(70, flags);
  pFiler->wrInt16(75, m_polyType == OdDb::k3dQuadSplinePoly ? 5 : m_polyType == OdDb::k3dCubicSplinePoly ? 6 : 0);
}

void OdDb3dPolyline::copyFrom(const OdRxObject* pSource)
{
  const OdDb3dPolyline* pOther = dynamic_cast<const OdDb3dPolyline*>(pSource);
  if (!pOther)
    throw OdError_NotThatKindOfClass();
  OdDbCurve::copyFrom(pSource);
  m_vertices.copyFrom(this, pOther->m_vertices);
  m_polyType = pOther->m_polyType;
  m_splineSegs = pOther->m_splineSegs;
  m_closed = pOther->m_closed;
}

OdResult OdDb3dPolyline::subErase(bool erasing)
{
  m_vertices.eraseAll(erasing);
  return eOk;
}
