// OdDbPolyline: lightweight polyline with real geometry. Vertices are 2D points in the object
// coordinate system of the normal at the polyline's elevation; segments are lines or bulge arcs
// (see CurveGeom.h). A non-zero stored constant width always equals every vertex's widths.
#include "DbPolyline.h"

#include <algorithm>
#include <cmath>

#include "CurveGeom.h"
#include "DbFiler.h"
#include "db/DbObjectPool.h"
#include "Ge/GeFinite.h"
#include "SdkRxMacros.h"

using namespace odDbCurveGeom;

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbPolyline, OdDbCurve, L"LWPOLYLINE")

namespace
{
bool isZeroBulge(double bulge)
{
  return std::fabs(bulge) <= OdGeContext::gTol.equalVector();
}
} // namespace

OdDbPolyline::OdDbPolyline() = default;

void* OdDbPolyline::allocateVertexBlock(std::size_t bytes)
{
  return odDbPoolAllocate(bytes);
}

void OdDbPolyline::releaseVertexBlock(void* p, std::size_t bytes)
{
  odDbPoolRelease(p, bytes);
}

unsigned int OdDbPolyline::numSegs() const
{
  const unsigned int n = m_vertices.size();
  if (n < 2)
    return 0;
  return m_closed ? n : n - 1;
}

void OdDbPolyline::checkVertex(unsigned int vertexIndex) const
{
  if (vertexIndex >= m_vertices.size())
    throw OdError_InvalidIndex();
}

void OdDbPolyline::checkSegment(unsigned int index) const
{
  if (index >= numSegs())
    throw OdError_InvalidIndex();
}

OdGePoint2d OdDbPolyline::segEnd(unsigned int index) const
{
  return m_vertices[(index + 1) % m_vertices.size()].point;
}

OdGePoint3d OdDbPolyline::toWorld(const OdGePoint2d& point) const
{
  // In the world XY plane the identity transform is skipped; adding zero gives the same values it
  // would (a negative zero comes out positive).
  if (odge::isWorldZ(m_normal))
    return OdGePoint3d(point.x + 0.0, point.y + 0.0, m_elevation + 0.0);
  return OdGeMatrix3d::planeToWorld(m_normal) * OdGePoint3d(point.x, point.y, m_elevation);
}

bool OdDbPolyline::splitParam(double param, unsigned int& index, double& t) const
{
  const unsigned int segs = numSegs();
  const double tol = OdGeContext::gTol.equalVector();
  if (!odgeIsFinite(param) || param < -tol || param > segs + tol || m_vertices.isEmpty())
    return false;
  const double p = std::min(std::max(param, 0.0), static_cast<double>(segs));
  if (segs == 0)
  {
    index = 0;
    t = 0.0;
    return true;
  }
  index = std::min(static_cast<unsigned int>(std::floor(p)), segs - 1);
  t = p - index;
  return true;
}

void OdDbPolyline::syncConstantWidth(double startWidth, double endWidth)
{
  if (startWidth != m_constantWidth || endWidth != m_constantWidth)
    m_constantWidth = 0.0;
}

unsigned int OdDbPolyline::numVerts() const
{
  assertReadEnabled();
  return m_vertices.size();
}

void OdDbPolyline::addVertexAt(unsigned int vertexIndex, const OdGePoint2d& point, double bulge, double startWidth,
                               double endWidth)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(point) || !odgeIsFinite(bulge) || !odgeIsFinite(startWidth) || !odgeIsFinite(endWidth))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  Vertex vertex;
  vertex.point = point;
  vertex.bulge = bulge;
  Widths widths;
  widths.start = startWidth < 0.0 ? m_constantWidth : startWidth;
  widths.end = endWidth < 0.0 ? m_constantWidth : endWidth;
  syncConstantWidth(widths.start, widths.end);
  m_vertices.insertAt(std::min(vertexIndex, m_vertices.size()), vertex, widths);
}

void OdDbPolyline::removeVertexAt(unsigned int vertexIndex)
{
  assertWriteEnabled(false, false);
  checkVertex(vertexIndex);
  assertWriteEnabled();
  m_vertices.removeAt(vertexIndex);
}

void OdDbPolyline::reset(bool reuse, unsigned int numVerts)
{
  assertWriteEnabled();
  if (!reuse)
  {
    m_vertices.clear();
    // Room for the vertices a caller is about to add (bounded: it is only a hint).
    m_vertices.reserve(std::min(numVerts, 65536u));
  }
  else if (numVerts < m_vertices.size())
    m_vertices.resize(numVerts);
}

void OdDbPolyline::getPointAt(unsigned int vertexIndex, OdGePoint2d& point) const
{
  assertReadEnabled();
  checkVertex(vertexIndex);
  point = m_vertices[vertexIndex].point;
}

void OdDbPolyline::getPointAt(unsigned int vertexIndex, OdGePoint3d& point) const
{
  assertReadEnabled();
  checkVertex(vertexIndex);
  point = toWorld(m_vertices[vertexIndex].point);
}

void OdDbPolyline::setPointAt(unsigned int vertexIndex, const OdGePoint2d& point)
{
  assertWriteEnabled(false, false);
  checkVertex(vertexIndex);
  if (!odgeIsFinite(point))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_vertices[vertexIndex].point = point;
}

double OdDbPolyline::getBulgeAt(unsigned int vertexIndex) const
{
  assertReadEnabled();
  checkVertex(vertexIndex);
  return m_vertices[vertexIndex].bulge;
}

void OdDbPolyline::setBulgeAt(unsigned int vertexIndex, double bulge)
{
  assertWriteEnabled(false, false);
  checkVertex(vertexIndex);
  if (!odgeIsFinite(bulge))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_vertices[vertexIndex].bulge = bulge;
}

void OdDbPolyline::getWidthsAt(unsigned int vertexIndex, double& startWidth, double& endWidth) const
{
  assertReadEnabled();
  checkVertex(vertexIndex);
  const Widths widths = m_vertices.widths(vertexIndex);
  startWidth = widths.start;
  endWidth = widths.end;
}

void OdDbPolyline::setWidthsAt(unsigned int vertexIndex, double startWidth, double endWidth)
{
  assertWriteEnabled(false, false);
  checkVertex(vertexIndex);
  if (!odgeIsFinite(startWidth) || !odgeIsFinite(endWidth) || startWidth < 0.0 || endWidth < 0.0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_vertices.setWidths(vertexIndex, Widths{startWidth, endWidth});
  syncConstantWidth(startWidth, endWidth);
}

double OdDbPolyline::getConstantWidth() const
{
  assertReadEnabled();
  return m_constantWidth;
}

void OdDbPolyline::setConstantWidth(double width)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(width) || width < 0.0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_constantWidth = width;
  m_vertices.setAllWidths(width);
}

bool OdDbPolyline::hasWidth() const
{
  assertReadEnabled();
  return m_vertices.hasWidth();
}

bool OdDbPolyline::hasBulges() const
{
  assertReadEnabled();
  for (unsigned int i = 0; i < m_vertices.size(); ++i)
    if (!isZeroBulge(m_vertices[i].bulge))
      return true;
  return false;
}

bool OdDbPolyline::isOnlyLines() const
{
  assertReadEnabled();
  for (unsigned int i = 0; i < numSegs(); ++i)
    if (segType(i) == kArc)
      return false;
  return true;
}

double OdDbPolyline::elevation() const
{
  assertReadEnabled();
  return m_elevation;
}

void OdDbPolyline::setElevation(double elevation)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(elevation))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_elevation = elevation;
}

OdGeVector3d OdDbPolyline::normal() const
{
  assertReadEnabled();
  return m_normal;
}

void OdDbPolyline::setNormal(const OdGeVector3d& normal)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(normal) || normal.isZeroLength())
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_normal = normal.normal();
}

double OdDbPolyline::thickness() const
{
  assertReadEnabled();
  return m_thickness;
}

void OdDbPolyline::setThickness(double thickness)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(thickness))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_thickness = thickness;
}

bool OdDbPolyline::isClosed() const
{
  assertReadEnabled();
  return m_closed;
}

void OdDbPolyline::setClosed(bool closed)
{
  assertWriteEnabled();
  m_closed = closed;
}

bool OdDbPolyline::hasPlinegen() const
{
  assertReadEnabled();
  return m_plinegen;
}

void OdDbPolyline::setPlinegen(bool plinegen)
{
  assertWriteEnabled();
  m_plinegen = plinegen;
}

OdDbPolyline::SegType OdDbPolyline::segType(unsigned int index) const
{
  assertReadEnabled();
  if (m_vertices.size() == 1 && index == 0)
    return kPoint;
  if (index >= numSegs())
    return kEmpty;
  const OdGePoint2d& start = m_vertices[index].point;
  const OdGePoint2d end = segEnd(index);
  if (start.distanceTo(end) <= pointTol(std::max(std::fabs(start.x), std::fabs(start.y))))
    return kCoincident;
  return isZeroBulge(m_vertices[index].bulge) ? kLine : kArc;
}

void OdDbPolyline::getLineSegAt(unsigned int index, OdGeLineSeg2d& line) const
{
  assertReadEnabled();
  checkSegment(index);
  if (segType(index) == kArc)
    throw OdError(eNotApplicable);
  line.set(m_vertices[index].point, segEnd(index));
}

void OdDbPolyline::getLineSegAt(unsigned int index, OdGeLineSeg3d& line) const
{
  assertReadEnabled();
  checkSegment(index);
  if (segType(index) == kArc)
    throw OdError(eNotApplicable);
  line.set(toWorld(m_vertices[index].point), toWorld(segEnd(index)));
}

void OdDbPolyline::getArcSegAt(unsigned int index, OdGeCircArc2d& arc) const
{
  assertReadEnabled();
  checkSegment(index);
  if (segType(index) != kArc)
    throw OdError(eNotApplicable);
  arc.set(m_vertices[index].point, segEnd(index), m_vertices[index].bulge, false);
}

void OdDbPolyline::getArcSegAt(unsigned int index, OdGeCircArc3d& arc) const
{
  assertReadEnabled();
  checkSegment(index);
  if (segType(index) != kArc)
    throw OdError(eNotApplicable);
  const BulgeSeg seg(m_vertices[index].point, segEnd(index), m_vertices[index].bulge);
  // A clockwise segment is counter-clockwise about the reversed normal, whose angles are the
  // object angles negated (same reference axis).
  const bool ccw = seg.sweep > 0.0;
  OdGeVector3d xAxis, yAxis;
  ecsAxes(m_normal, xAxis, yAxis);
  const double startAng = ccw ? seg.startAng : -seg.startAng;
  arc.set(toWorld(seg.center), ccw ? m_normal : -m_normal, xAxis, seg.radius, startAng,
          startAng + std::fabs(seg.sweep));
}

OdResult OdDbPolyline::getStartParam(double& startParam) const
{
  assertReadEnabled();
  startParam = 0.0;
  return eOk;
}

OdResult OdDbPolyline::getEndParam(double& endParam) const
{
  assertReadEnabled();
  endParam = numSegs();
  return eOk;
}

OdResult OdDbPolyline::getStartPoint(OdGePoint3d& startPoint) const
{
  assertReadEnabled();
  if (m_vertices.isEmpty())
    return eDegenerateGeometry;
  startPoint = toWorld(m_vertices[0].point);
  return eOk;
}

OdResult OdDbPolyline::getEndPoint(OdGePoint3d& endPoint) const
{
  assertReadEnabled();
  if (m_vertices.isEmpty())
    return eDegenerateGeometry;
  endPoint = toWorld(m_closed ? m_vertices[0].point : m_vertices[m_vertices.size() - 1].point);
  return eOk;
}

OdResult OdDbPolyline::getPointAtParam(double param, OdGePoint3d& pointOnCurve) const
{
  assertReadEnabled();
  unsigned int index = 0;
  double t = 0.0;
  if (!splitParam(param, index, t))
    return eInvalidInput;
  if (numSegs() == 0)
  {
    pointOnCurve = toWorld(m_vertices[0].point);
    return eOk;
  }
  const BulgeSeg seg(m_vertices[index].point, segEnd(index), m_vertices[index].bulge);
  pointOnCurve = toWorld(seg.pointAt(t));
  return eOk;
}

OdResult OdDbPolyline::getParamAtPoint(const OdGePoint3d& pointOnCurve, double& param) const
{
  assertReadEnabled();
  if (!odgeIsFinite(pointOnCurve) || m_vertices.isEmpty())
    return eInvalidInput;
  const OdGePoint3d local = OdGeMatrix3d::worldToPlane(m_normal) * pointOnCurve;
  const OdGePoint2d point(local.x, local.y);
  const double tol = pointTol(std::max(std::fabs(local.x), std::fabs(local.y)));
  if (std::fabs(local.z - m_elevation) > pointTol(m_elevation))
    return eInvalidInput;
  if (numSegs() == 0)
  {
    if (point.distanceTo(m_vertices[0].point) > tol)
      return eInvalidInput;
    param = 0.0;
    return eOk;
  }
  for (unsigned int i = 0; i < numSegs(); ++i)
  {
    const BulgeSeg seg(m_vertices[i].point, segEnd(i), m_vertices[i].bulge);
    double t = 0.0;
    if (seg.paramOf(point, tol, t))
    {
      param = i + t;
      return eOk;
    }
  }
  return eInvalidInput;
}

OdResult OdDbPolyline::getDistAtParam(double param, double& dist) const
{
  assertReadEnabled();
  unsigned int index = 0;
  double t = 0.0;
  if (!splitParam(param, index, t))
    return eInvalidInput;
  dist = 0.0;
  if (numSegs() == 0)
    return eOk;
  for (unsigned int i = 0; i < index; ++i)
    dist += BulgeSeg(m_vertices[i].point, segEnd(i), m_vertices[i].bulge).length();
  dist += BulgeSeg(m_vertices[index].point, segEnd(index), m_vertices[index].bulge).length() * t;
  return eOk;
}

OdResult OdDbPolyline::getParamAtDist(double dist, double& param) const
{
  assertReadEnabled();
  if (!odgeIsFinite(dist) || dist < 0.0 || m_vertices.isEmpty())
    return eInvalidInput;
  double walked = 0.0;
  const unsigned int segs = numSegs();
  for (unsigned int i = 0; i < segs; ++i)
  {
    const double length = BulgeSeg(m_vertices[i].point, segEnd(i), m_vertices[i].bulge).length();
    if (dist <= walked + length)
    {
      param = i + (length > 0.0 ? std::max(0.0, dist - walked) / length : 0.0);
      return eOk;
    }
    walked += length;
  }
  if (dist > walked + pointTol(walked))
    return eInvalidInput;
  param = segs;
  return eOk;
}

OdResult OdDbPolyline::getFirstDeriv(double param, OdGeVector3d& firstDeriv) const
{
  assertReadEnabled();
  unsigned int index = 0;
  double t = 0.0;
  if (!splitParam(param, index, t))
    return eInvalidInput;
  if (numSegs() == 0)
  {
    firstDeriv = OdGeVector3d();
    return eOk;
  }
  const OdGeVector2d d = BulgeSeg(m_vertices[index].point, segEnd(index), m_vertices[index].bulge).firstDeriv(t);
  firstDeriv = OdGeMatrix3d::planeToWorld(m_normal) * OdGeVector3d(d.x, d.y, 0.0);
  return eOk;
}

OdResult OdDbPolyline::getSecondDeriv(double param, OdGeVector3d& secondDeriv) const
{
  assertReadEnabled();
  unsigned int index = 0;
  double t = 0.0;
  if (!splitParam(param, index, t))
    return eInvalidInput;
  if (numSegs() == 0)
  {
    secondDeriv = OdGeVector3d();
    return eOk;
  }
  const OdGeVector2d d = BulgeSeg(m_vertices[index].point, segEnd(index), m_vertices[index].bulge).secondDeriv(t);
  secondDeriv = OdGeMatrix3d::planeToWorld(m_normal) * OdGeVector3d(d.x, d.y, 0.0);
  return eOk;
}

OdResult OdDbPolyline::getClosestPointTo(const OdGePoint3d& givenPoint, OdGePoint3d& pointOnCurve, bool extend) const
{
  assertReadEnabled();
  if (!odgeIsFinite(givenPoint))
    return eInvalidInput;
  if (m_vertices.isEmpty())
    return eDegenerateGeometry;
  // The nearest point of a planar curve is the nearest one to the point's projection.
  const OdGePoint3d local = OdGeMatrix3d::worldToPlane(m_normal) * givenPoint;
  const OdGePoint2d point(local.x, local.y);
  const unsigned int segs = numSegs();
  OdGePoint2d best = m_vertices[0].point;
  double bestDist = best.distanceTo(point);
  for (unsigned int i = 0; i < segs; ++i)
  {
    const BulgeSeg seg(m_vertices[i].point, segEnd(i), m_vertices[i].bulge);
    const bool open = extend && !m_closed;
    const OdGePoint2d candidate = seg.pointAt(seg.closestParam(point, open && i == 0, open && i + 1 == segs));
    if (candidate.distanceTo(point) < bestDist)
    {
      best = candidate;
      bestDist = candidate.distanceTo(point);
    }
  }
  pointOnCurve = toWorld(best);
  return eOk;
}

OdResult OdDbPolyline::getArea(double& area) const
{
  assertReadEnabled();
  const unsigned int n = m_vertices.size();
  double twice = 0.0;
  for (unsigned int i = 0; i < n; ++i)
  {
    const OdGePoint2d& a = m_vertices[i].point;
    const OdGePoint2d& b = m_vertices[(i + 1) % n].point;
    twice += a.x * b.y - b.x * a.y;
  }
  double signedArea = twice / 2.0;
  for (unsigned int i = 0; i < numSegs(); ++i)
    signedArea += BulgeSeg(m_vertices[i].point, segEnd(i), m_vertices[i].bulge).arcSegmentArea();
  area = std::fabs(signedArea);
  return eOk;
}

OdResult OdDbPolyline::getPlane(OdGePlane& plane, OdDb::Planarity& planarity) const
{
  assertReadEnabled();
  plane.set((m_normal * m_elevation).asPoint(), m_normal);
  planarity = OdDb::kPlanar;
  return eOk;
}

OdResult OdDbPolyline::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  if (m_vertices.isEmpty())
    return eInvalidExtents;
  extents = OdGeExtents3d();
  for (unsigned int i = 0; i < m_vertices.size(); ++i)
    extents.addPoint(toWorld(m_vertices[i].point));
  for (unsigned int i = 0; i < numSegs(); ++i)
  {
    const BulgeSeg seg(m_vertices[i].point, segEnd(i), m_vertices[i].bulge);
    if (!seg.isArc)
      continue;
    // Counter-clockwise about the normal: from the start for a positive sweep, else from the end.
    const double from = seg.sweep > 0.0 ? seg.startAng : seg.startAng + seg.sweep;
    addArcExtents(extents, toWorld(seg.center), m_normal, seg.radius, from, from + std::fabs(seg.sweep));
  }
  addThickness(extents, m_normal, m_thickness);
  return eOk;
}

OdResult OdDbPolyline::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  double scale = 1.0;
  bool mirrors = false;
  const OdResult check = checkUniformTransform(xform, scale, mirrors);
  if (check != eOk)
    return check;
  const OdGeVector3d normal = (xform * m_normal).normal();
  const OdGeMatrix3d toPlane = OdGeMatrix3d::worldToPlane(normal);
  VertexList vertices = m_vertices;
  for (unsigned int i = 0; i < vertices.size(); ++i)
  {
    const OdGePoint3d local = toPlane * (xform * toWorld(vertices[i].point));
    vertices[i].point.set(local.x, local.y);
    if (mirrors)
      vertices[i].bulge = -vertices[i].bulge;
  }
  vertices.scaleWidths(scale);
  // The plane keeps one elevation: that of the image of any point of the old plane.
  const double elevation = (toPlane * (xform * toWorld(OdGePoint2d::kOrigin))).z;
  const double thickness = m_thickness * scale;
  const double constantWidth = m_constantWidth * scale;
  bool finite = odgeIsFinite(normal) && odgeIsFinite(elevation) && odgeIsFinite(thickness) && odgeIsFinite(constantWidth);
  for (unsigned int i = 0; finite && i < vertices.size(); ++i)
  {
    const Widths widths = vertices.widths(i);
    finite = odgeIsFinite(vertices[i].point) && odgeIsFinite(widths.start) && odgeIsFinite(widths.end);
  }
  if (!finite)
    return eInvalidInput;
  assertWriteEnabled();
  m_vertices = vertices;
  m_normal = normal;
  m_elevation = elevation;
  m_thickness = thickness;
  m_constantWidth = constantWidth;
  return eOk;
}

void OdDbPolyline::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  assertReadEnabled();
  OdDbCurve::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbPolyline");
  pFiler->wrInt32(90, static_cast<OdInt32>(m_vertices.size()));
  pFiler->wrInt16(70, static_cast<OdInt16>((m_closed ? 1 : 0) | (m_plinegen ? 128 : 0)));
  pFiler->wrDouble(43, m_constantWidth);
  pFiler->wrDouble(38, m_elevation);
  pFiler->wrDouble(39, m_thickness);
  for (unsigned int i = 0; i < m_vertices.size(); ++i)
  {
    const Vertex& vertex = m_vertices[i];
    const Widths widths = m_vertices.widths(i);
    pFiler->wrPoint2d(10, vertex.point);
    pFiler->wrDouble(40, widths.start);
    pFiler->wrDouble(41, widths.end);
    pFiler->wrDouble(42, vertex.bulge);
  }
  pFiler->wrVector3d(210, m_normal);
}

void OdDbPolyline::copyFrom(const OdRxObject* pSource)
{
  OdDbCurve::copyFrom(pSource);
  const OdDbPolyline* pSrc = static_cast<const OdDbPolyline*>(pSource);
  m_vertices = pSrc->m_vertices;
  m_constantWidth = pSrc->m_constantWidth;
  m_elevation = pSrc->m_elevation;
  m_thickness = pSrc->m_thickness;
  m_normal = pSrc->m_normal;
  m_closed = pSrc->m_closed;
  m_plinegen = pSrc->m_plinegen;
}
