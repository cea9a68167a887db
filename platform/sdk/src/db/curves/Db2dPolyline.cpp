// OdDb2dPolyline: heavy 2D polyline over its owned vertices, with fitting that really adds and
// removes generated vertices. Segment geometry is the lightweight polyline's (BulgeSeg).
#include "Db2dPolyline.h"

#include <cmath>

#include "CurveGeom.h"
#include "DbDatabase.h"
#include "DbFiler.h"
#include "db/DbInternal.h"
#include "Ge/GeFinite.h"
#include "SdkRxMacros.h"

using namespace odDbCurveGeom;

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDb2dPolyline, OdDbCurve, L"POLYLINE")

namespace
{
bool isGenerated(OdDb::Vertex2dType type)
{
  return type == OdDb::k2dSplineFitVertex || type == OdDb::k2dCurveFitVertex;
}

// Bulge of the arc from a to m on the circle through a, m and b (m between a and b on it).
double bulgeOnCircle(const OdGePoint2d& a, const OdGePoint2d& m, const OdGePoint2d& b, bool firstHalf)
{
  const OdGeVector2d u = m - a, v = b - m;
  const double cross = u.x * v.y - u.y * v.x;
  if (std::fabs(cross) <= 1e-12 * (u.length() * v.length() + 1e-300))
    return 0.0;
  // The chord from a to m sees b under the inscribed angle, half the sweep of the arc a..m.
  const OdGePoint2d& p = firstHalf ? a : m;
  const OdGePoint2d& q = firstHalf ? m : b;
  const OdGePoint2d& o = firstHalf ? b : a;
  const OdGeVector2d op = p - o, oq = q - o;
  const double inscribed = std::atan2(std::fabs(op.x * oq.y - op.y * oq.x), op.x * oq.x + op.y * oq.y);
  const double sweep = 2.0 * inscribed * (cross > 0.0 ? 1.0 : -1.0);
  return std::tan(sweep / 4.0);
}
} // namespace

OdDb2dPolyline::OdDb2dPolyline() = default;

std::vector<OdDb2dVertexPtr> OdDb2dPolyline::openAll(OdDb::OpenMode mode) const
{
  std::vector<OdDb2dVertexPtr> vertices;
  vertices.reserve(m_vertices.size());
  for (unsigned int i = 0; i < m_vertices.size(); ++i)
  {
    OdDbObjectPtr pObj = m_vertices.open(i, mode);
    if (!pObj.isNull())
      vertices.push_back(OdDb2dVertex::cast(pObj.get()));
  }
  return vertices;
}

// The drawn path: the generated spline points of a spline-fitted polyline, otherwise every
// vertex but spline control and spline-fit ones.
std::vector<OdDb2dPolyline::PathVertex> OdDb2dPolyline::path() const
{
  const bool spline = m_polyType == OdDb::k2dQuadSplinePoly || m_polyType == OdDb::k2dCubicSplinePoly;
  std::vector<PathVertex> points;
  for (const OdDb2dVertexPtr& v : openAll(OdDb::kForRead))
  {
    const OdDb::Vertex2dType type = v->m_type;
    const bool onPath = spline ? type == OdDb::k2dSplineFitVertex
                               : type != OdDb::k2dSplineCtlVertex && type != OdDb::k2dSplineFitVertex;
    if (onPath)
      points.push_back(PathVertex{OdGePoint2d(v->m_position.x, v->m_position.y), spline ? 0.0 : v->m_bulge});
  }
  return points;
}

unsigned int OdDb2dPolyline::segCount(unsigned int pathSize) const
{
  if (pathSize < 2)
    return 0;
  return m_closed ? pathSize : pathSize - 1;
}

OdDb::Poly2dType OdDb2dPolyline::polyType() const
{
  assertReadEnabled();
  return m_polyType;
}

void OdDb2dPolyline::setPolyType(OdDb::Poly2dType type)
{
  switch (type)
  {
  case OdDb::k2dSimplePoly:
    straighten();
    break;
  case OdDb::k2dFitCurvePoly:
    curveFit();
    break;
  case OdDb::k2dQuadSplinePoly:
  case OdDb::k2dCubicSplinePoly:
    splineFit(type, database() ? database()->getSPLINESEGS() : m_splineSegs);
    break;
  default:
    throw OdError(eInvalidInput);
  }
}

void OdDb2dPolyline::setPolyTypeOnly(OdDb::Poly2dType type)
{
  assertWriteEnabled(false, false);
  if (type < 0 || type > 3)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_polyType = type;
}

OdDbObjectId OdDb2dPolyline::appendVertex(OdDb2dVertex* pVertex)
{
  OdDbVertexChain::checkAppend(this, pVertex);
  const bool spline = m_polyType == OdDb::k2dQuadSplinePoly || m_polyType == OdDb::k2dCubicSplinePoly;
  if (spline && pVertex->m_type == OdDb::k2dVertex)
    pVertex->m_type = OdDb::k2dSplineCtlVertex;
  pVertex->m_position.z = m_elevation;
  return m_vertices.insert(this, pVertex, m_vertices.size());
}

OdDbObjectIteratorPtr OdDb2dPolyline::vertexIterator() const
{
  assertReadEnabled();
  return m_vertices.iterator(this);
}

OdGePoint3d OdDb2dPolyline::vertexPosition(const OdDb2dVertex& vertex) const
{
  assertReadEnabled();
  const OdGePoint3d p = vertex.position();
  return OdGeMatrix3d::planeToWorld(m_normal) * OdGePoint3d(p.x, p.y, m_elevation);
}

void OdDb2dPolyline::removeGenerated()
{
  for (unsigned int i = m_vertices.size(); i-- > 0;)
  {
    OdDbObjectPtr pObj = m_vertices.open(i, OdDb::kForRead);
    if (!pObj.isNull() && isGenerated(OdDb2dVertex::cast(pObj.get())->m_type))
    {
      pObj.release();
      m_vertices.remove(i);
    }
  }
}

void OdDb2dPolyline::straighten()
{
  assertWriteEnabled();
  const bool wasCurveFit = m_polyType == OdDb::k2dFitCurvePoly;
  removeGenerated();
  for (const OdDb2dVertexPtr& v : openAll(OdDb::kForWrite))
  {
    v->assertWriteEnabled();
    v->m_type = OdDb::k2dVertex;
    // Curve fitting replaced the bulges; the straightened polyline has straight segments.
    if (wasCurveFit)
      v->m_bulge = 0.0;
  }
  m_polyType = OdDb::k2dSimplePoly;
}

// One curve-fit vertex per segment, on the Catmull-Rom curve through the placed vertices at the
// segment's middle; both halves become arcs of the circle through the segment's ends and it.
void OdDb2dPolyline::curveFit()
{
  assertWriteEnabled();
  removeGenerated();
  std::vector<OdDb2dVertexPtr> placed = openAll(OdDb::kForWrite);
  for (const OdDb2dVertexPtr& v : placed)
  {
    v->assertWriteEnabled();
    v->m_type = OdDb::k2dVertex;
  }
  m_polyType = OdDb::k2dFitCurvePoly;
  const unsigned int n = static_cast<unsigned int>(placed.size());
  const unsigned int segs = segCount(n);
  auto at = [&](int i) -> OdGePoint2d {
    if (m_closed)
      i = (i % static_cast<int>(n) + static_cast<int>(n)) % static_cast<int>(n);
    else
      i = std::max(0, std::min(i, static_cast<int>(n) - 1));
    const OdGePoint3d& p = placed[static_cast<unsigned>(i)]->m_position;
    return OdGePoint2d(p.x, p.y);
  };
  // Inserting shifts the chain: walk the segments from the last one back.
  for (unsigned int s = segs; s-- > 0;)
  {
    const OdGePoint2d p0 = at(static_cast<int>(s) - 1), p1 = at(static_cast<int>(s)),
                      p2 = at(static_cast<int>(s) + 1), p3 = at(static_cast<int>(s) + 2);
    const OdGePoint2d mid((-p0.x + 9.0 * p1.x + 9.0 * p2.x - p3.x) / 16.0,
                          (-p0.y + 9.0 * p1.y + 9.0 * p2.y - p3.y) / 16.0);
    OdDb2dVertex* pStart = placed[s].get();
    OdDb2dVertexPtr pFit = OdDb2dVertex::createObject();
    pFit->m_type = OdDb::k2dCurveFitVertex;
    pFit->m_position = OdGePoint3d(mid.x, mid.y, m_elevation);
    pFit->m_startWidth = pStart->m_startWidth;
    pFit->m_endWidth = pStart->m_endWidth;
    pFit->m_bulge = bulgeOnCircle(p1, mid, p2, false);
    pStart->m_bulge = bulgeOnCircle(p1, mid, p2, true);
    // The placed vertices sit at chain positions; find this one's position now.
    unsigned int chainIndex = 0;
    for (unsigned int i = 0; i < m_vertices.size(); ++i)
      if (m_vertices.open(i, OdDb::kForRead).get() == pStart)
        chainIndex = i;
    m_vertices.insert(this, pFit, chainIndex + 1);
  }
}

void OdDb2dPolyline::splineFit()
{
  splineFit(OdDb::k2dCubicSplinePoly, database() ? database()->getSPLINESEGS() : m_splineSegs);
}

// The placed vertices become control vertices; the sampled spline follows them as spline-fit
// vertices (the path).
void OdDb2dPolyline::splineFit(OdDb::Poly2dType splineType, OdInt16 splineSegs)
{
  assertWriteEnabled(false, false);
  if ((splineType != OdDb::k2dQuadSplinePoly && splineType != OdDb::k2dCubicSplinePoly) || splineSegs < 1)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  removeGenerated();
  std::vector<OdDb2dVertexPtr> placed = openAll(OdDb::kForWrite);
  std::vector<OdGePoint3d> control;
  for (const OdDb2dVertexPtr& v : placed)
  {
    v->assertWriteEnabled();
    v->m_type = OdDb::k2dSplineCtlVertex;
    control.push_back(OdGePoint3d(v->m_position.x, v->m_position.y, 0.0));
  }
  m_polyType = splineType;
  m_splineSegs = splineSegs;
  const double width = placed.empty() ? 0.0 : placed[0]->m_startWidth;
  for (const OdGePoint3d& p :
       uniformBSplinePoints(control, splineType == OdDb::k2dQuadSplinePoly ? 2 : 3, splineSegs, m_closed))
  {
    OdDb2dVertexPtr pFit = OdDb2dVertex::createObject();
    pFit->m_type = OdDb::k2dSplineFitVertex;
    pFit->m_position = OdGePoint3d(p.x, p.y, m_elevation);
    pFit->m_startWidth = width;
    pFit->m_endWidth = width;
    m_vertices.insert(this, pFit, m_vertices.size());
  }
}

void OdDb2dPolyline::refit()
{
  if (m_polyType == OdDb::k2dFitCurvePoly)
    curveFit();
  else if (m_polyType != OdDb::k2dSimplePoly)
    splineFit(m_polyType, m_splineSegs);
}

bool OdDb2dPolyline::isClosed() const
{
  assertReadEnabled();
  return m_closed;
}

void OdDb2dPolyline::makeClosed()
{
  assertWriteEnabled();
  if (m_closed)
    return;
  m_closed = true;
  refit();
}

void OdDb2dPolyline::makeOpen()
{
  assertWriteEnabled();
  if (!m_closed)
    return;
  m_closed = false;
  refit();
}

bool OdDb2dPolyline::isLinetypeGenerationOn() const
{
  assertReadEnabled();
  return m_plinegen;
}

void OdDb2dPolyline::setLinetypeGenerationOn()
{
  assertWriteEnabled();
  m_plinegen = true;
}

void OdDb2dPolyline::setLinetypeGenerationOff()
{
  assertWriteEnabled();
  m_plinegen = false;
}

OdGeVector3d OdDb2dPolyline::normal() const
{
  assertReadEnabled();
  return m_normal;
}

void OdDb2dPolyline::setNormal(const OdGeVector3d& normal)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(normal) || normal.isZeroLength())
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_normal = normal.normal();
}

double OdDb2dPolyline::elevation() const
{
  assertReadEnabled();
  return m_elevation;
}

void OdDb2dPolyline::setElevation(double elevation)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(elevation);
  assertWriteEnabled();
  m_elevation = elevation;
  for (const OdDb2dVertexPtr& v : openAll(OdDb::kForWrite))
  {
    v->assertWriteEnabled();
    v->m_position.z = elevation;
  }
}

double OdDb2dPolyline::thickness() const
{
  assertReadEnabled();
  return m_thickness;
}

void OdDb2dPolyline::setThickness(double thickness)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(thickness);
  assertWriteEnabled();
  m_thickness = thickness;
}

double OdDb2dPolyline::defaultStartWidth() const
{
  assertReadEnabled();
  return m_defaultStartWidth;
}

void OdDb2dPolyline::setDefaultStartWidth(double width)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(width) || width < 0.0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_defaultStartWidth = width;
}

double OdDb2dPolyline::defaultEndWidth() const
{
  assertReadEnabled();
  return m_defaultEndWidth;
}

void OdDb2dPolyline::setDefaultEndWidth(double width)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(width) || width < 0.0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_defaultEndWidth = width;
}

OdResult OdDb2dPolyline::getStartParam(double& startParam) const
{
  assertReadEnabled();
  startParam = 0.0;
  return eOk;
}

OdResult OdDb2dPolyline::getEndParam(double& endParam) const
{
  assertReadEnabled();
  endParam = segCount(static_cast<unsigned int>(path().size()));
  return eOk;
}

OdResult OdDb2dPolyline::getStartPoint(OdGePoint3d& startPoint) const
{
  return getPointAtParam(0.0, startPoint);
}

OdResult OdDb2dPolyline::getEndPoint(OdGePoint3d& endPoint) const
{
  double endParam = 0.0;
  getEndParam(endParam);
  return getPointAtParam(endParam, endPoint);
}

OdResult OdDb2dPolyline::getPointAtParam(double param, OdGePoint3d& pointOnCurve) const
{
  assertReadEnabled();
  const std::vector<PathVertex> pts = path();
  if (pts.empty())
    return eDegenerateGeometry;
  const unsigned int segs = segCount(static_cast<unsigned int>(pts.size()));
  if (!odgeIsFinite(param) || param < -1e-10 || param > segs + 1e-10)
    return eInvalidInput;
  OdGePoint2d p = pts[0].point;
  if (segs > 0)
  {
    const unsigned int i = std::min(static_cast<unsigned int>(std::max(0.0, std::floor(param))), segs - 1);
    const BulgeSeg seg(pts[i].point, pts[(i + 1) % pts.size()].point, pts[i].bulge);
    p = seg.pointAt(std::max(0.0, std::min(1.0, param - i)));
  }
  pointOnCurve = OdGeMatrix3d::planeToWorld(m_normal) * OdGePoint3d(p.x, p.y, m_elevation);
  return eOk;
}

OdResult OdDb2dPolyline::getDistAtParam(double param, double& dist) const
{
  assertReadEnabled();
  const std::vector<PathVertex> pts = path();
  const unsigned int segs = segCount(static_cast<unsigned int>(pts.size()));
  if (!odgeIsFinite(param) || param < -1e-10 || param > segs + 1e-10)
    return eInvalidInput;
  dist = 0.0;
  for (unsigned int i = 0; i < segs && i < param; ++i)
  {
    const double length = BulgeSeg(pts[i].point, pts[(i + 1) % pts.size()].point, pts[i].bulge).length();
    dist += length * std::min(1.0, param - i);
  }
  return eOk;
}

OdResult OdDb2dPolyline::getArea(double& area) const
{
  assertReadEnabled();
  const std::vector<PathVertex> pts = path();
  const std::size_t n = pts.size();
  double twice = 0.0;
  for (std::size_t i = 0; i < n; ++i)
  {
    const OdGePoint2d& a = pts[i].point;
    const OdGePoint2d& b = pts[(i + 1) % n].point;
    twice += a.x * b.y - b.x * a.y;
  }
  double signedArea = twice / 2.0;
  for (unsigned int i = 0; i < segCount(static_cast<unsigned int>(n)); ++i)
    signedArea += BulgeSeg(pts[i].point, pts[(i + 1) % n].point, pts[i].bulge).arcSegmentArea();
  area = std::fabs(signedArea);
  return eOk;
}

OdResult OdDb2dPolyline::getPlane(OdGePlane& plane, OdDb::Planarity& planarity) const
{
  assertReadEnabled();
  plane.set((m_normal * m_elevation).asPoint(), m_normal);
  planarity = OdDb::kPlanar;
  return eOk;
}

OdResult OdDb2dPolyline::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  const std::vector<PathVertex> pts = path();
  if (pts.empty())
    return eInvalidExtents;
  const OdGeMatrix3d toWorld = OdGeMatrix3d::planeToWorld(m_normal);
  auto world = [&](const OdGePoint2d& p) { return toWorld * OdGePoint3d(p.x, p.y, m_elevation); };
  extents = OdGeExtents3d();
  for (const PathVertex& v : pts)
    extents.addPoint(world(v.point));
  for (unsigned int i = 0; i < segCount(static_cast<unsigned int>(pts.size())); ++i)
  {
    const BulgeSeg seg(pts[i].point, pts[(i + 1) % pts.size()].point, pts[i].bulge);
    if (!seg.isArc)
      continue;
    const double from = seg.sweep > 0.0 ? seg.startAng : seg.startAng + seg.sweep;
    addArcExtents(extents, world(seg.center), m_normal, seg.radius, from, from + std::fabs(seg.sweep));
  }
  addThickness(extents, m_normal, m_thickness);
  return eOk;
}

void OdDb2dPolyline::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  assertReadEnabled();
  OdDbEntity::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"AcDb2dPolyline");
  pFiler->wrPoint3d(10, OdGePoint3d(0.0, 0.0, m_elevation));
  OdInt16 flags = 0;
  if (m_closed)
    flags |= 1;
  if (m_polyType == OdDb::k2dFitCurvePoly)
    flags |= 2;
  if (m_polyType == OdDb::k2dQuadSplinePoly || m_polyType == OdDb::k2dCubicSplinePoly)
    flags |= 4;
  if (m_plinegen)
    flags |= 128;
  pFiler->wrInt16(70, flags);
  pFiler->wrDouble(39, m_thickness);
  pFiler->wrDouble(40, m_defaultStartWidth);
  pFiler->wrDouble(41, m_defaultEndWidth);
  pFiler->wrInt16(75, m_polyType == OdDb::k2dQuadSplinePoly ? 5 : m_polyType == OdDb::k2dCubicSplinePoly ? 6 : 0);
  pFiler->wrVector3d(210, m_normal);
}

void OdDb2dPolyline::copyFrom(const OdRxObject* pSource)
{
  const OdDb2dPolyline* pOther = dynamic_cast<const OdDb2dPolyline*>(pSource);
  if (!pOther)
    throw OdError_NotThatKindOfClass();
  OdDbCurve::copyFrom(pSource);
  m_vertices.copyFrom(this, pOther->m_vertices);
  m_polyType = pOther->m_polyType;
  m_normal = pOther->m_normal;
  m_elevation = pOther->m_elevation;
  m_thickness = pOther->m_thickness;
  m_defaultStartWidth = pOther->m_defaultStartWidth;
  m_defaultEndWidth = pOther->m_defaultEndWidth;
  m_splineSegs = pOther->m_splineSegs;
  m_closed = pOther->m_closed;
  m_plinegen = pOther->m_plinegen;
}

OdResult OdDb2dPolyline::subErase(bool erasing)
{
  m_vertices.eraseAll(erasing);
  return eOk;
}
