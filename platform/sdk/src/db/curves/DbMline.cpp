// OdDbMline: the vertices, style, scale and justification are the truth; segment directions,
// miters and element parameters are recomputed from them after every change. A change whose
// geometry would leave the finite range puts the previous values back and raises eInvalidInput.
#include "DbMline.h"

#include <cmath>

#include "CurveGeom.h"
#include "DbFiler.h"
#include "DbMlineStyle.h"
#include "Ge/GeFinite.h"
#include "OdError.h"
#include "SdkRxMacros.h"
#include "db/DbInternal.h"

using namespace odDbCurveGeom;

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbMline, OdDbEntity, L"MLINE")

namespace
{
const double kHalfPi = 1.57079632679489661923;
// Below this a direction counts as none and a miter as folded back onto its segment.
const double kTiny = 1e-9;
// How many segments either way a zero-length segment looks for a direction.
const int kSearch = 8;

// The part of v in the plane of the unit normal, normalised; zero when v is (nearly) along it.
OdGeVector3d inPlane(const OdGeVector3d& v, const OdGeVector3d& normal)
{
  const OdGeVector3d p = v - normal * normal.dotProduct(v);
  const double length = p.length();
  return length < kTiny ? OdGeVector3d() : p / length;
}
} // namespace

OdDbMline::OdDbMline() = default;

void OdDbMline::checkIndex(int index) const
{
  if (index < 0 || index >= static_cast<int>(m_vertices.size()))
    throw OdError(eInvalidIndex);
}

OdDbObjectId OdDbMline::style() const
{
  assertReadEnabled();
  return m_style;
}

std::vector<double> OdDbMline::elementOffsets() const
{
  std::vector<double> offsets;
  OdDbObjectPtr pObj = m_style.openObject();
  if (OdDbMlineStyle* pStyle = OdDbMlineStyle::cast(pObj.get()).get())
  {
    for (int i = 0; i < pStyle->numElements(); ++i)
    {
      double offset = 0.0;
      OdCmColor color;
      OdDbObjectId linetype;
      pStyle->getElementAt(i, offset, color, linetype);
      offsets.push_back(offset);
    }
  }
  if (offsets.empty())
    offsets.push_back(0.0);
  return offsets;
}

OdDbMline::Frame OdDbMline::frame() const
{
  Frame f;
  f.offsets = elementOffsets();
  OdDbObjectPtr pObj = m_style.openObject();
  if (OdDbMlineStyle* pStyle = OdDbMlineStyle::cast(pObj.get()).get())
  {
    f.startAngle = pStyle->startAngle();
    f.endAngle = pStyle->endAngle();
  }
  // Offsets are sorted highest first: the top element is the first, the bottom one the last.
  f.shift = m_justification == Mline::kTop ? -f.offsets.front()
            : m_justification == Mline::kBottom ? -f.offsets.back()
                                                : 0.0;
  return f;
}

int OdDbMline::segmentCount() const
{
  const int n = static_cast<int>(m_vertices.size());
  return n < 2 ? 0 : (m_closed ? n : n - 1);
}

// A zero-length segment takes the direction of the nearest segment that has one, up to
// kSearch segments away (the earlier one first), else the X axis of the plane.
OdGeVector3d OdDbMline::segmentDirection(int segment) const
{
  const int n = static_cast<int>(m_vertices.size());
  const int segments = segmentCount();
  auto direction = [&](int k) {
    if (m_closed)
      k = ((k % segments) + segments) % segments;
    else if (k < 0 || k >= segments)
      return OdGeVector3d();
    const OdGeVector3d d = m_vertices[static_cast<std::size_t>((k + 1) % n)].point -
                           m_vertices[static_cast<std::size_t>(k)].point;
    const double length = d.length();
    return length < kTiny ? OdGeVector3d() : d / length;
  };
  for (int step = 0; segments > 0 && step <= kSearch && step < segments; ++step)
  {
    OdGeVector3d d = direction(segment - step);
    if (d.isZeroLength() && step > 0)
      d = direction(segment + step);
    if (!d.isZeroLength())
      return d;
  }
  OdGeVector3d xAxis, yAxis;
  ecsAxes(m_normal, xAxis, yAxis);
  return xAxis;
}

void OdDbMline::updateVertex(int i, const Frame& f)
{
  const int n = static_cast<int>(m_vertices.size());
  const int segments = segmentCount();
  OdGeVector3d fallback, unused;
  ecsAxes(m_normal, fallback, unused);
  // The left of a direction, seen from the normal.
  auto leftOf = [&](const OdGeVector3d& d) {
    OdGeVector3d flat = inPlane(d, m_normal);
    if (flat.isZeroLength())
      flat = fallback;
    return m_normal.crossProduct(flat).normal();
  };
  Vertex& v = m_vertices[static_cast<std::size_t>(i)];
  const OdGeVector3d next = segmentDirection(segments == 0 ? 0 : std::min(i, segments - 1));
  v.axis = next;
  const OdGeVector3d left = leftOf(next);
  OdGeVector3d miter;
  if (n == 1)
    miter = left;
  else if (m_closed || (i > 0 && i < n - 1))
  {
    miter = leftOf(segmentDirection(i > 0 ? i - 1 : segments - 1)) + left;
    miter = miter.length() < kTiny ? left : miter.normal();
  }
  else
  {
    // The caps run at the style's angles: from the first segment's direction at the start,
    // from the reversed last segment's direction at the end.
    const OdGeVector3d flat = inPlane(next, m_normal).isZeroLength() ? fallback : inPlane(next, m_normal);
    const double angle = i == 0 ? f.startAngle : f.endAngle;
    // cos(pi / 2) is not quite 0: right-angled caps are exactly perpendicular.
    const double along = angle == kHalfPi ? 0.0 : std::cos(angle);
    miter = flat * (i == 0 ? along : -along) + left * std::sin(angle);
  }
  v.miter = miter;
  double across = miter.dotProduct(left);
  if (std::fabs(across) < kTiny)
    across = 1.0;
  v.distances.resize(f.offsets.size());
  for (std::size_t e = 0; e < f.offsets.size(); ++e)
    v.distances[e] = (f.offsets[e] + f.shift) * m_scale / across;
}

void OdDbMline::recompute()
{
  m_frame = frame();
  m_elements = static_cast<int>(m_frame.offsets.size());
  for (int i = 0; i < static_cast<int>(m_vertices.size()); ++i)
    updateVertex(i, m_frame);
}

bool OdDbMline::recomputeAround(int vertex)
{
  const Frame f = frame();
  const int n = static_cast<int>(m_vertices.size());
  // A style that changed since the last computation changes every vertex.
  if (!(f == m_frame) || n <= 2 * kSearch + 3)
  {
    recompute();
    return allFinite(0, n - 1);
  }
  // Vertex i depends on the segments from i - 1 - kSearch to i + kSearch.
  bool finite = true;
  for (int k = vertex - 1 - kSearch; k <= vertex + 1 + kSearch; ++k)
  {
    const int i = m_closed ? ((k % n) + n) % n : k;
    if (i < 0 || i >= n)
      continue;
    updateVertex(i, f);
    finite = finite && allFinite(i, i);
  }
  return finite;
}

bool OdDbMline::allFinite(int first, int last) const
{
  for (int i = std::max(first, 0); i <= last && i < static_cast<int>(m_vertices.size()); ++i)
    for (double d : m_vertices[static_cast<std::size_t>(i)].distances)
      if (!std::isfinite(d))
        return false;
  return true;
}

OdDbMline::Saved OdDbMline::saved() const
{
  return {m_style, m_justification, m_scale, m_normal, m_closed, m_vertices};
}

void OdDbMline::commit(const Saved& previous)
{
  recompute();
  if (allFinite(0, static_cast<int>(m_vertices.size()) - 1))
    return;
  m_style = previous.style;
  m_justification = previous.justification;
  m_scale = previous.scale;
  m_normal = previous.normal;
  m_closed = previous.closed;
  m_vertices = previous.vertices;
  recompute();
  throw OdError(eInvalidInput);
}

void OdDbMline::setStyle(const OdDbObjectId& styleId)
{
  assertWriteEnabled();
  const Saved previous = saved();
  m_style = styleId;
  commit(previous);
}

Mline::MlineJustification OdDbMline::justification() const
{
  assertReadEnabled();
  return m_justification;
}

void OdDbMline::setJustification(Mline::MlineJustification justification)
{
  assertWriteEnabled(false, false);
  if (justification != Mline::kTop && justification != Mline::kZero && justification != Mline::kBottom)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  const Saved previous = saved();
  m_justification = justification;
  commit(previous);
}

double OdDbMline::scale() const
{
  assertReadEnabled();
  return m_scale;
}

void OdDbMline::setScale(double scale)
{
  assertWriteEnabled(false, false);
  if (!std::isfinite(scale))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  const Saved previous = saved();
  m_scale = scale;
  commit(previous);
}

OdGeVector3d OdDbMline::normal() const
{
  assertReadEnabled();
  return m_normal;
}

void OdDbMline::setNormal(const OdGeVector3d& normal)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(normal);
  if (normal.isZeroLength())
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  const Saved previous = saved();
  m_normal = normal.normal();
  commit(previous);
}

bool OdDbMline::closedMline() const
{
  assertReadEnabled();
  return m_closed;
}

void OdDbMline::setClosedMline(bool closed)
{
  assertWriteEnabled();
  const Saved previous = saved();
  m_closed = closed;
  commit(previous);
}

bool OdDbMline::suppressStartCaps() const
{
  assertReadEnabled();
  return m_suppressStart;
}

void OdDbMline::setSuppressStartCaps(bool suppress)
{
  assertWriteEnabled();
  m_suppressStart = suppress;
}

bool OdDbMline::suppressEndCaps() const
{
  assertReadEnabled();
  return m_suppressEnd;
}

void OdDbMline::setSuppressEndCaps(bool suppress)
{
  assertWriteEnabled();
  m_suppressEnd = suppress;
}

int OdDbMline::numVertices() const
{
  assertReadEnabled();
  return static_cast<int>(m_vertices.size());
}

OdGePoint3d OdDbMline::vertexAt(int index) const
{
  assertReadEnabled();
  checkIndex(index);
  return m_vertices[static_cast<std::size_t>(index)].point;
}

void OdDbMline::appendSeg(const OdGePoint3d& point)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(point);
  assertWriteEnabled();
  // Only the vertices near the new one change: an append costs the same however long the
  // multiline is.
  m_vertices.push_back(Vertex{point, OdGeVector3d(), OdGeVector3d(), {}});
  const int index = static_cast<int>(m_vertices.size()) - 1;
  if (!recomputeAround(index))
  {
    m_vertices.pop_back();
    recomputeAround(index - 1);
    throw OdError(eInvalidInput);
  }
}

void OdDbMline::moveVertexAt(int index, const OdGePoint3d& point)
{
  assertWriteEnabled(false, false);
  checkIndex(index);
  odDbCheckFinite(point);
  assertWriteEnabled();
  const OdGePoint3d previous = m_vertices[static_cast<std::size_t>(index)].point;
  m_vertices[static_cast<std::size_t>(index)].point = point;
  if (!recomputeAround(index))
  {
    m_vertices[static_cast<std::size_t>(index)].point = previous;
    recomputeAround(index);
    throw OdError(eInvalidInput);
  }
}

OdResult OdDbMline::removeLastSeg(OdGePoint3d& lastPoint)
{
  assertWriteEnabled(false, false);
  if (m_vertices.empty())
    return eInvalidInput;
  assertWriteEnabled();
  lastPoint = m_vertices.back().point;
  m_vertices.pop_back();
  recompute();
  return eOk;
}

OdGeVector3d OdDbMline::axisAt(int index) const
{
  assertReadEnabled();
  checkIndex(index);
  return m_vertices[static_cast<std::size_t>(index)].axis;
}

OdGeVector3d OdDbMline::miterAt(int index) const
{
  assertReadEnabled();
  checkIndex(index);
  return m_vertices[static_cast<std::size_t>(index)].miter;
}

void OdDbMline::getParametersAt(int index, OdMLSegmentArray& params) const
{
  assertReadEnabled();
  checkIndex(index);
  params.clear();
  for (double d : m_vertices[static_cast<std::size_t>(index)].distances)
  {
    OdMLSegment segment;
    segment.segParams.append(d);
    segment.segParams.append(0.0);
    params.append(segment);
  }
}

int OdDbMline::numElements() const
{
  assertReadEnabled();
  return m_elements;
}

OdGePoint3d OdDbMline::elementPointAt(int index, int element) const
{
  assertReadEnabled();
  checkIndex(index);
  const Vertex& v = m_vertices[static_cast<std::size_t>(index)];
  if (element < 0 || element >= static_cast<int>(v.distances.size()))
    throw OdError(eInvalidIndex);
  return v.point + v.miter * v.distances[static_cast<std::size_t>(element)];
}

OdResult OdDbMline::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  if (m_vertices.empty())
    return eInvalidExtents;
  extents = OdGeExtents3d();
  for (const Vertex& v : m_vertices)
  {
    extents.addPoint(v.point);
    for (double d : v.distances)
      extents.addPoint(v.point + v.miter * d);
  }
  return eOk;
}

OdResult OdDbMline::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  double factor = 1.0;
  bool mirrors = false;
  const OdResult check = checkUniformTransform(xform, factor, mirrors);
  if (check != eOk)
    return check;
  std::vector<Vertex> moved = m_vertices;
  for (Vertex& v : moved)
  {
    v.point = xform * v.point;
    if (!odgeIsFinite(v.point))
      return eInvalidInput;
  }
  OdGeVector3d normal = xform * m_normal;
  const double scale = m_scale * factor;
  if (!odgeIsFinite(normal) || normal.isZeroLength() || !std::isfinite(scale))
    return eInvalidInput;
  normal = normal.normal();
  assertWriteEnabled();
  const Saved previous = saved();
  m_vertices = moved;
  // A reflection turns the plane over, so that the elements stay on the side it puts them.
  m_normal = mirrors ? -normal : normal;
  m_scale = scale;
  try
  {
    commit(previous);
  }
  catch (const OdError&)
  {
    return eInvalidInput;
  }
  return eOk;
}

void OdDbMline::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  assertReadEnabled();
  OdDbEntity::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbMline");
  pFiler->wrObjectId(340, m_style);
  pFiler->wrDouble(40, m_scale);
  pFiler->wrInt16(70, static_cast<OdInt16>(m_justification));
  pFiler->wrInt16(71, static_cast<OdInt16>((m_vertices.empty() ? 0 : 1) | (m_closed ? 2 : 0) |
                                            (m_suppressStart ? 4 : 0) | (m_suppressEnd ? 8 : 0)));
  pFiler->wrInt16(72, static_cast<OdInt16>(m_vertices.size()));
  pFiler->wrInt16(73, static_cast<OdInt16>(m_elements));
  pFiler->wrVector3d(210, m_normal);
  for (const Vertex& v : m_vertices)
  {
    pFiler->wrPoint3d(11, v.point);
    pFiler->wrVector3d(12, v.axis);
    pFiler->wrVector3d(13, v.miter);
    for (double d : v.distances)
    {
      pFiler->wrInt16(74, 2);
      pFiler->wrDouble(41, d);
      pFiler->wrDouble(41, 0.0);
      pFiler->wrInt16(75, 0);
    }
  }
}

void OdDbMline::copyFrom(const OdRxObject* pSource)
{
  OdDbEntity::copyFrom(pSource);
  const OdDbMline* pSrc = static_cast<const OdDbMline*>(pSource);
  m_style = pSrc->m_style;
  m_justification = pSrc->m_justification;
  m_scale = pSrc->m_scale;
  m_normal = pSrc->m_normal;
  m_closed = pSrc->m_closed;
  m_suppressStart = pSrc->m_suppressStart;
  m_suppressEnd = pSrc->m_suppressEnd;
  m_vertices = pSrc->m_vertices;
  m_elements = pSrc->m_elements;
  m_frame = pSrc->m_frame;
}
