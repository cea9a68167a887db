// OdDbHatch: loops, island style, pattern and gradient, exact area and extents.
#include "DbHatch.h"

#include <algorithm>
#include <cmath>

#include "DbFiler.h"
#include "Ge/GeCircArc2d.h"
#include "Ge/GeEllipArc2d.h"
#include "Ge/GeExtents3d.h"
#include "Ge/GeGbl.h"
#include "Ge/GeLineSeg2d.h"
#include "Ge/GeMatrix2d.h"
#include "Ge/GeMatrix3d.h"
#include "Ge/GeNurbCurve2d.h"
#include "HatchLoopGeom.h"
#include "../curves/CurveGeom.h"
#include "../../aecge/ProfileArcs.h"
#include "AECGe/Ge2dProfile.h"
#include "Ge/GeExtents2d.h"
#include "OdError.h"
#include "SdkRxMacros.h"
#include "db/DbInternal.h"

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbHatch, OdDbEntity, L"HATCH")

struct OdDbHatch::Loop
{
  OdInt32 type = 0;
  OdGePoint2dArray vertices; // polyline form
  OdGeDoubleArray bulges;
  EdgeArray edges; // edge form, owned
  OdDbObjectIdArray sources;

  Loop() = default;
  Loop(const Loop& other) : type(other.type), vertices(other.vertices), bulges(other.bulges), sources(other.sources)
  {
    for (OdGeCurve2d* edge : other.edges)
      edges.append(static_cast<OdGeCurve2d*>(edge->copy()));
  }
  Loop& operator=(const Loop&) = delete;
  ~Loop()
  {
    for (OdGeCurve2d* edge : edges)
      delete edge;
  }
  bool isPolyline() const { return (type & kPolyline) != 0; }

  double signedArea() const
  {
    if (isPolyline())
      return hatchgeom::polylineArea(vertices, bulges);
    if (edges.isEmpty())
      return 0.0;
    OdGePoint2d origin;
    edges[0]->hasStartPoint(origin);
    double sum = 0.0;
    for (const OdGeCurve2d* edge : edges)
      sum += hatchgeom::edgeArea(*edge, origin);
    return sum;
  }
  // The loop as a contour for the profile booleans: bulges kept, circular arcs as bulges, other
  // curves as chains that keep their area.
  AECGe::Contour2D contour() const
  {
    AECGe::Contour2D out;
    out.setClosed(true);
    if (isPolyline())
    {
      for (unsigned i = 0; i < vertices.size(); ++i)
        out.appendVertex(vertices[i], i < bulges.size() ? bulges[i] : 0.0);
      return out;
    }
    std::vector<OdGePoint2d> pts;
    for (const OdGeCurve2d* edge : edges)
    {
      OdGeInterval iv;
      edge->getInterval(iv);
      switch (edge->type())
      {
      case OdGe::kLineSeg2d: out.appendVertex(edge->evalPoint(iv.lowerBound())); break;
      case OdGe::kCircArc2d:
      {
        // Pieces of at most half a turn, each one bulge.
        const double span = iv.upperBound() - iv.lowerBound();
        const int pieces = std::max(1, static_cast<int>(std::ceil(span / OdaPI - 1e-12)));
        const double sweep = static_cast<const OdGeCircArc2d*>(edge)->isClockWise() ? -span : span;
        for (int k = 0; k < pieces; ++k)
          out.appendVertex(edge->evalPoint(iv.lowerBound() + span * k / pieces), std::tan(sweep / pieces / 4.0));
        break;
      }
      default:
        pts.clear();
        hatchgeom::flattenKeepingArea(*edge, pts);
        for (const OdGePoint2d& p : pts)
          out.appendVertex(p);
      }
    }
    return out;
  }
  std::vector<OdGePoint2d> outline() const
  {
    std::vector<OdGePoint2d> pts;
    if (isPolyline())
      hatchgeom::samplePolyline(vertices, bulges, pts);
    else
      for (const OdGeCurve2d* edge : edges)
        hatchgeom::sampleEdge(*edge, pts);
    return pts;
  }
};

namespace
{
bool isFinite(const OdGePoint2d& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

bool isSupportedEdge(const OdGeCurve2d* edge)
{
  if (!edge)
    return false;
  const OdGe::EntityId t = edge->type();
  return t == OdGe::kLineSeg2d || t == OdGe::kCircArc2d || t == OdGe::kEllipArc2d || t == OdGe::kNurbCurve2d;
}

// Whether a loop of this type takes part in the fill under the island style.
bool takesPart(OdDbHatch::HatchStyle style, OdInt32 type)
{
  switch (style)
  {
  case OdDbHatch::kNormal: return true;
  case OdDbHatch::kOuter: return (type & (OdDbHatch::kExternal | OdDbHatch::kOutermost)) != 0;
  case OdDbHatch::kIgnore: return (type & OdDbHatch::kExternal) != 0;
  }
  return false;
}

// Lines of a pattern definition turned by an angle and scaled.
OdHatchPattern placeLines(const OdHatchPattern& lines, double angle, double scale)
{
  OdHatchPattern out;
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  for (const OdHatchPatternLine& line : lines)
  {
    OdHatchPatternLine placed;
    placed.m_dLineAngle = line.m_dLineAngle + angle;
    placed.m_basePoint = OdGePoint2d((line.m_basePoint.x * c - line.m_basePoint.y * s) * scale,
                                     (line.m_basePoint.x * s + line.m_basePoint.y * c) * scale);
    placed.m_patternOffset = OdGeVector2d((line.m_patternOffset.x * c - line.m_patternOffset.y * s) * scale,
                                          (line.m_patternOffset.x * s + line.m_patternOffset.y * c) * scale);
    for (double dash : line.m_dashes)
      placed.m_dashes.append(dash * scale);
    out.append(placed);
  }
  return out;
}

// The same about a point (a pattern's origin) instead of (0, 0).
OdHatchPattern placeLinesAbout(const OdHatchPattern& lines, double angle, double scale, const OdGePoint2d& about)
{
  OdHatchPattern out = lines;
  for (OdHatchPatternLine& line : out)
    line.m_basePoint -= about.asVector();
  out = placeLines(out, angle, scale);
  for (OdHatchPatternLine& line : out)
    line.m_basePoint += about.asVector();
  return out;
}

// The defining values of an edge beyond its ends and interval.
void edgeOutFields(const OdGeCurve2d* edge, OdDbDxfFiler* pFiler)
{
  switch (edge->type())
  {
  case OdGe::kCircArc2d:
  {
    const OdGeCircArc2d* arc = static_cast<const OdGeCircArc2d*>(edge);
    pFiler->wrPoint2d(12, arc->center());
    pFiler->wrDouble(42, arc->radius());
    pFiler->wrBool(73, arc->isClockWise());
    break;
  }
  case OdGe::kEllipArc2d:
  {
    const OdGeEllipArc2d* arc = static_cast<const OdGeEllipArc2d*>(edge);
    pFiler->wrPoint2d(12, arc->center());
    pFiler->wrVector2d(13, arc->majorAxis() * arc->majorRadius());
    pFiler->wrVector2d(14, arc->minorAxis() * arc->minorRadius());
    break;
  }
  case OdGe::kNurbCurve2d:
  {
    const OdGeNurbCurve2d* spline = static_cast<const OdGeNurbCurve2d*>(edge);
    pFiler->wrInt16(94, static_cast<OdInt16>(spline->degree()));
    pFiler->wrBool(74, spline->isPeriodic());
    for (int i = 0; i < spline->knots().length(); ++i)
      pFiler->wrDouble(40, spline->knots()[i]);
    for (int i = 0; i < spline->numControlPoints(); ++i)
    {
      pFiler->wrPoint2d(10, spline->controlPointAt(i));
      pFiler->wrDouble(42, spline->weightAt(i));
    }
    for (const OdGePoint2d& p : spline->fitPoints())
      pFiler->wrPoint2d(11, p);
    pFiler->wrVector2d(12, spline->startTangent());
    pFiler->wrVector2d(13, spline->endTangent());
    break;
  }
  default: break;
  }
}

bool linesFinite(const OdHatchPattern& lines)
{
  for (const OdHatchPatternLine& line : lines)
  {
    if (!std::isfinite(line.m_dLineAngle) || !isFinite(line.m_basePoint) || !std::isfinite(line.m_patternOffset.x) ||
        !std::isfinite(line.m_patternOffset.y))
      return false;
    for (double dash : line.m_dashes)
      if (!std::isfinite(dash))
        return false;
  }
  return true;
}

void checkLoopIndex(int index, size_t count)
{
  if (index < 0 || static_cast<size_t>(index) >= count)
    throw OdError(eInvalidIndex);
}
} // namespace

OdDbHatch::OdDbHatch() = default;

OdDbHatch::~OdDbHatch()
{
  for (Loop* loop : m_loops)
    delete loop;
}

int OdDbHatch::numLoops() const
{
  assertReadEnabled();
  return static_cast<int>(m_loops.size());
}

OdInt32 OdDbHatch::loopTypeAt(int loopIndex) const
{
  assertReadEnabled();
  checkLoopIndex(loopIndex, m_loops.size());
  return m_loops[loopIndex]->type;
}

void OdDbHatch::getLoopAt(int loopIndex, OdGePoint2dArray& vertices, OdGeDoubleArray& bulges) const
{
  assertReadEnabled();
  checkLoopIndex(loopIndex, m_loops.size());
  const Loop& loop = *m_loops[loopIndex];
  if (!loop.isPolyline())
    throw OdError(eNotApplicable);
  vertices = loop.vertices;
  bulges = loop.bulges;
}

void OdDbHatch::getLoopAt(int loopIndex, EdgeArray& edgePtrs) const
{
  assertReadEnabled();
  checkLoopIndex(loopIndex, m_loops.size());
  const Loop& loop = *m_loops[loopIndex];
  if (loop.isPolyline())
    throw OdError(eNotApplicable);
  edgePtrs = loop.edges;
}

void OdDbHatch::appendLoop(OdInt32 loopType, const OdGePoint2dArray& vertices, const OdGeDoubleArray& bulges)
{
  insertLoopAt(numLoops(), loopType, vertices, bulges);
}

void OdDbHatch::insertLoopAt(int loopIndex, OdInt32 loopType, const OdGePoint2dArray& vertices,
                             const OdGeDoubleArray& bulges)
{
  assertWriteEnabled(false, false);
  if (loopIndex < 0 || static_cast<size_t>(loopIndex) > m_loops.size())
    throw OdError(eInvalidIndex);
  if (vertices.isEmpty() || (!bulges.isEmpty() && bulges.size() != vertices.size()))
    throw OdError(eInvalidInput);
  for (const OdGePoint2d& p : vertices)
    if (!isFinite(p))
      throw OdError(eInvalidInput);
  for (double b : bulges)
    odDbCheckFinite(b);
  assertWriteEnabled();
  Loop* loop = new Loop;
  loop->type = loopType | kPolyline;
  loop->vertices = vertices;
  loop->bulges = bulges;
  m_loops.insert(m_loops.begin() + loopIndex, loop);
}

void OdDbHatch::appendLoop(OdInt32 loopType, const EdgeArray& edgePtrs)
{
  assertWriteEnabled(false, false);
  for (const OdGeCurve2d* edge : edgePtrs)
    if (!isSupportedEdge(edge))
      throw OdError(eInvalidInput);
  assertWriteEnabled();
  Loop* loop = new Loop;
  loop->type = loopType & ~kPolyline;
  loop->edges = edgePtrs;
  m_loops.push_back(loop);
}

void OdDbHatch::removeLoopAt(int loopIndex)
{
  assertWriteEnabled(false, false);
  checkLoopIndex(loopIndex, m_loops.size());
  assertWriteEnabled();
  delete m_loops[loopIndex];
  m_loops.erase(m_loops.begin() + loopIndex);
}

void OdDbHatch::getAssocObjIdsAt(int loopIndex, OdDbObjectIdArray& dbObjIds) const
{
  assertReadEnabled();
  checkLoopIndex(loopIndex, m_loops.size());
  dbObjIds = m_loops[loopIndex]->sources;
}

void OdDbHatch::setAssocObjIdsAt(int loopIndex, const OdDbObjectIdArray& dbObjIds)
{
  assertWriteEnabled(false, false);
  checkLoopIndex(loopIndex, m_loops.size());
  assertWriteEnabled();
  m_loops[loopIndex]->sources = dbObjIds;
}

OdDbHatch::HatchStyle OdDbHatch::hatchStyle() const
{
  assertReadEnabled();
  return m_style;
}

void OdDbHatch::setHatchStyle(HatchStyle hatchStyle)
{
  assertWriteEnabled(false, false);
  if (hatchStyle != kNormal && hatchStyle != kOuter && hatchStyle != kIgnore)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_style = hatchStyle;
}

bool OdDbHatch::associative() const
{
  assertReadEnabled();
  return m_associative;
}

void OdDbHatch::setAssociative(bool isAssociative)
{
  assertWriteEnabled();
  m_associative = isAssociative;
}

double OdDbHatch::elevation() const
{
  assertReadEnabled();
  return m_elevation;
}

void OdDbHatch::setElevation(double elevation)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(elevation);
  assertWriteEnabled();
  m_elevation = elevation;
}

OdGeVector3d OdDbHatch::normal() const
{
  assertReadEnabled();
  return m_normal;
}

void OdDbHatch::setNormal(const OdGeVector3d& normal)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(normal);
  if (normal.isZeroLength(OdGeContext::gZeroTol))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_normal = normal.normal(OdGeContext::gZeroTol);
}

OdGePoint2d OdDbHatch::originPoint() const
{
  assertReadEnabled();
  return m_origin;
}

void OdDbHatch::setOriginPoint(const OdGePoint2d& origin)
{
  assertWriteEnabled(false, false);
  if (!isFinite(origin))
    throw OdError(eInvalidInput);
  // The pattern moves with its origin; an origin that would carry a line past the finite numbers
  // is refused.
  OdHatchPattern lines = m_patternLines;
  for (OdHatchPatternLine& line : lines)
    line.m_basePoint = origin + (line.m_basePoint - m_origin);
  if (!linesFinite(lines))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_patternLines = lines;
  m_origin = origin;
}

OdDbHatch::HatchObjectType OdDbHatch::hatchObjectType() const
{
  assertReadEnabled();
  return m_objectType;
}

void OdDbHatch::setHatchObjectType(HatchObjectType type)
{
  assertWriteEnabled(false, false);
  if (type != kHatchObject && type != kGradientObject)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_objectType = type;
}

bool OdDbHatch::isSolidFill() const
{
  assertReadEnabled();
  return m_objectType == kHatchObject && m_patternType == kPreDefined && m_patternName.iCompare(L"SOLID") == 0;
}

OdDbHatch::HatchPatternType OdDbHatch::patternType() const
{
  assertReadEnabled();
  return m_patternType;
}

OdString OdDbHatch::patternName() const
{
  assertReadEnabled();
  return m_patternName;
}

void OdDbHatch::regenerateUserLines()
{
  // One family at the pattern angle, spacing apart; a double pattern crosses it at right angles.
  OdHatchPattern lines;
  OdHatchPatternLine line;
  line.m_basePoint = m_origin;
  line.m_dLineAngle = m_patternAngle;
  line.m_patternOffset = OdGeVector2d(-std::sin(m_patternAngle), std::cos(m_patternAngle)) * m_patternSpace;
  lines.append(line);
  if (m_patternDouble)
  {
    line.m_dLineAngle = m_patternAngle + OdaPI2;
    line.m_patternOffset = OdGeVector2d(-std::cos(m_patternAngle), -std::sin(m_patternAngle)) * m_patternSpace;
    lines.append(line);
  }
  m_patternLines = lines;
}

void OdDbHatch::setPattern(HatchPatternType patType, const OdString& patName)
{
  assertWriteEnabled(false, false);
  if (patType != kUserDefined && patType != kPreDefined && patType != kCustomDefined)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_patternType = patType;
  m_patternName = patName;
  if (patType == kUserDefined)
    regenerateUserLines();
  else
    m_patternLines.clear();
}

void OdDbHatch::setPattern(HatchPatternType patType, const OdString& patName, double angle, double scale,
                           const OdHatchPattern& pattern, const OdGePoint2d& basePoint)
{
  assertWriteEnabled(false, false);
  if (patType != kUserDefined && patType != kPreDefined && patType != kCustomDefined)
    throw OdError(eInvalidInput);
  odDbCheckFinite(angle);
  if (!(scale > 0.0) || !std::isfinite(scale) || !isFinite(basePoint))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_patternType = patType;
  m_patternName = patName;
  m_patternAngle = angle;
  m_patternScale = scale;
  if (patType == kUserDefined && pattern.isEmpty())
  {
    regenerateUserLines();
    return;
  }
  OdHatchPattern lines = placeLines(pattern, angle, scale);
  for (OdHatchPatternLine& line : lines)
    line.m_basePoint += basePoint.asVector();
  m_patternLines = linesFinite(lines) ? lines : OdHatchPattern();
}

double OdDbHatch::patternAngle() const
{
  assertReadEnabled();
  return m_patternAngle;
}

void OdDbHatch::setPatternAngle(double angle)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(angle);
  if (m_patternType == kUserDefined)
  {
    assertWriteEnabled();
    m_patternAngle = angle;
    regenerateUserLines();
    return;
  }
  const OdHatchPattern lines = placeLinesAbout(m_patternLines, angle - m_patternAngle, 1.0, m_origin);
  // Lines far from the origin may be turned past the finite numbers.
  if (!linesFinite(lines))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_patternLines = lines;
  m_patternAngle = angle;
}

double OdDbHatch::patternScale() const
{
  assertReadEnabled();
  return m_patternScale;
}

void OdDbHatch::setPatternScale(double scale)
{
  assertWriteEnabled(false, false);
  if (!(scale > 0.0) || !std::isfinite(scale))
    throw OdError(eInvalidInput);
  const OdHatchPattern lines =
    m_patternType == kUserDefined ? m_patternLines
                                  : placeLinesAbout(m_patternLines, 0.0, scale / m_patternScale, m_origin);
  if (!linesFinite(lines))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_patternLines = lines;
  m_patternScale = scale;
}

double OdDbHatch::patternSpace() const
{
  assertReadEnabled();
  return m_patternSpace;
}

void OdDbHatch::setPatternSpace(double space)
{
  assertWriteEnabled(false, false);
  if (!(space > 0.0) || !std::isfinite(space))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_patternSpace = space;
  if (m_patternType == kUserDefined)
    regenerateUserLines();
}

bool OdDbHatch::patternDouble() const
{
  assertReadEnabled();
  return m_patternDouble;
}

void OdDbHatch::setPatternDouble(bool isDouble)
{
  assertWriteEnabled();
  m_patternDouble = isDouble;
  if (m_patternType == kUserDefined)
    regenerateUserLines();
}

int OdDbHatch::numPatternDefinitions() const
{
  assertReadEnabled();
  return static_cast<int>(m_patternLines.size());
}

void OdDbHatch::getPatternDefinitionAt(int index, double& angle, double& baseX, double& baseY, double& offsetX,
                                       double& offsetY, OdGeDoubleArray& dashes) const
{
  assertReadEnabled();
  checkLoopIndex(index, m_patternLines.size());
  const OdHatchPatternLine& line = m_patternLines[static_cast<unsigned>(index)];
  angle = line.m_dLineAngle;
  baseX = line.m_basePoint.x;
  baseY = line.m_basePoint.y;
  offsetX = line.m_patternOffset.x;
  offsetY = line.m_patternOffset.y;
  dashes = line.m_dashes;
}

void OdDbHatch::setPatternDefinitions(const OdHatchPattern& lines)
{
  assertWriteEnabled(false, false);
  for (const OdHatchPatternLine& line : lines)
  {
    odDbCheckFinite(line.m_dLineAngle);
    if (!isFinite(line.m_basePoint) || !std::isfinite(line.m_patternOffset.x) || !std::isfinite(line.m_patternOffset.y))
      throw OdError(eInvalidInput);
    for (double dash : line.m_dashes)
      odDbCheckFinite(dash);
  }
  assertWriteEnabled();
  m_patternLines = lines;
}

int OdDbHatch::isoPenWidth() const
{
  assertReadEnabled();
  return m_isoPenWidth;
}

void OdDbHatch::setIsoPenWidth(int width)
{
  assertWriteEnabled();
  m_isoPenWidth = width;
}

double OdDbHatch::pixelSize() const
{
  assertReadEnabled();
  return m_pixelSize;
}

void OdDbHatch::setPixelSize(double size)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(size);
  assertWriteEnabled();
  m_pixelSize = size;
}

const OdGePoint2dArray& OdDbHatch::seedPoints() const
{
  assertReadEnabled();
  return m_seedPoints;
}

void OdDbHatch::setSeedPoints(const OdGePoint2dArray& points)
{
  assertWriteEnabled(false, false);
  for (const OdGePoint2d& p : points)
    if (!isFinite(p))
      throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_seedPoints = points;
}

OdDbHatch::GradientPatternType OdDbHatch::gradientType() const
{
  assertReadEnabled();
  return m_gradientType;
}

OdString OdDbHatch::gradientName() const
{
  assertReadEnabled();
  return m_gradientName;
}

void OdDbHatch::setGradient(GradientPatternType gradType, const OdString& gradName)
{
  assertWriteEnabled(false, false);
  if (gradType != kPreDefinedGradient && gradType != kUserDefinedGradient)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_gradientType = gradType;
  m_gradientName = gradName;
}

double OdDbHatch::gradientAngle() const
{
  assertReadEnabled();
  return m_gradientAngle;
}

void OdDbHatch::setGradientAngle(double angle)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(angle);
  assertWriteEnabled();
  m_gradientAngle = angle;
}

double OdDbHatch::gradientShift() const
{
  assertReadEnabled();
  return m_gradientShift;
}

void OdDbHatch::setGradientShift(double shift)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(shift);
  assertWriteEnabled();
  m_gradientShift = shift;
}

bool OdDbHatch::gradientOneColorMode() const
{
  assertReadEnabled();
  return m_gradientOneColor;
}

void OdDbHatch::setGradientOneColorMode(bool oneColorMode)
{
  assertWriteEnabled();
  m_gradientOneColor = oneColorMode;
}

double OdDbHatch::shadeTintValue() const
{
  assertReadEnabled();
  return m_shadeTint;
}

void OdDbHatch::setShadeTintValue(double value)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(value);
  assertWriteEnabled();
  m_shadeTint = value;
}

void OdDbHatch::getGradientColors(OdCmColorArray& colors, OdGeDoubleArray& values) const
{
  assertReadEnabled();
  colors = m_gradientColors;
  values = m_gradientValues;
}

void OdDbHatch::setGradientColors(unsigned count, const OdCmColor* colors, const double* values)
{
  assertWriteEnabled(false, false);
  if (count == 0 || !colors || !values)
    throw OdError(eInvalidInput);
  for (unsigned i = 0; i < count; ++i)
    odDbCheckFinite(values[i]);
  assertWriteEnabled();
  m_gradientColors.clear();
  m_gradientValues.clear();
  for (unsigned i = 0; i < count; ++i)
  {
    m_gradientColors.append(colors[i]);
    m_gradientValues.append(values[i]);
  }
}

namespace
{
// Whether a side of one closed outline passes through a side of the other; sides that only touch
// do not cross.
bool outlinesCross(const std::vector<OdGePoint2d>& p, const std::vector<OdGePoint2d>& q, const OdGeExtents2d& qExt)
{
  for (size_t i = 0; i < p.size(); ++i)
  {
    const OdGePoint2d& a = p[i];
    const OdGePoint2d& b = p[(i + 1) % p.size()];
    if (std::max(a.x, b.x) < qExt.minPoint().x || std::min(a.x, b.x) > qExt.maxPoint().x ||
        std::max(a.y, b.y) < qExt.minPoint().y || std::min(a.y, b.y) > qExt.maxPoint().y)
      continue;
    for (size_t j = 0; j < q.size(); ++j)
    {
      const OdGePoint2d& c = q[j];
      const OdGePoint2d& d = q[(j + 1) % q.size()];
      if (std::max(c.x, d.x) < std::min(a.x, b.x) || std::min(c.x, d.x) > std::max(a.x, b.x) ||
          std::max(c.y, d.y) < std::min(a.y, b.y) || std::min(c.y, d.y) > std::max(a.y, b.y))
        continue;
      const double o1 = (b - a).crossProduct(c - a), o2 = (b - a).crossProduct(d - a);
      const double o3 = (d - c).crossProduct(a - c), o4 = (d - c).crossProduct(b - c);
      if (((o1 > 0.0 && o2 < 0.0) || (o1 < 0.0 && o2 > 0.0)) && ((o3 > 0.0 && o4 < 0.0) || (o3 < 0.0 && o4 > 0.0)))
        return true;
    }
  }
  return false;
}
} // namespace

OdResult OdDbHatch::getArea(double& area) const
{
  assertReadEnabled();
  area = measureArea();
  return eOk;
}

double OdDbHatch::measureArea() const
{
  std::vector<const Loop*> parts;
  parts.reserve(m_loops.size());
  for (const Loop* loop : m_loops)
    if (takesPart(m_style, loop->type))
      parts.push_back(loop);
  // One loop has nothing to cross or lie in.
  if (parts.size() == 1)
  {
    const double a = std::fabs(parts[0]->signedArea());
    return std::isfinite(a) ? a : 0.0;
  }
  std::vector<std::vector<OdGePoint2d>> outlines;
  std::vector<OdGeExtents2d> extents(parts.size());
  outlines.reserve(parts.size());
  for (size_t i = 0; i < parts.size(); ++i)
  {
    outlines.push_back(parts[i]->outline());
    for (const OdGePoint2d& p : outlines.back())
      extents[i].addPoint(p);
  }

  // Loops that cross each other have no depth: what an odd number of them covers is filled, found
  // by the profile booleans (exact along lines and arcs).
  for (size_t i = 0; i < parts.size(); ++i)
    for (size_t j = i + 1; j < parts.size(); ++j)
      if (outlines[i].size() > 2 && outlines[j].size() > 2 && !extents[i].isDisjoint(extents[j]) &&
          outlinesCross(outlines[i], outlines[j], extents[j]))
      {
        std::vector<AECGe::Profile2D> regions;
        regions.reserve(parts.size());
        AECGe::Profile2DBool evaluator;
        for (const Loop* loop : parts)
        {
          regions.emplace_back(loop->contour());
          evaluator.pushRegion(regions.back(), false);
        }
        AECGe::Profile2D filled;
        evaluator.evalPushedRegions(AECGe::Profile2DBool::kSymmetricDifference, filled);
        const double a = std::fabs(filled.signedArea());
        return std::isfinite(a) ? a : 0.0;
      }

  // Otherwise each loop counts by the parity of the number of other loops around it: an island
  // inside the outer loop is empty, an island inside that is filled again.
  double sum = 0.0;
  for (size_t i = 0; i < parts.size(); ++i)
  {
    const double a = std::fabs(parts[i]->signedArea());
    if (!std::isfinite(a) || outlines[i].empty())
      continue;
    // A point of the loop itself, halfway along its first piece, stands for the loop.
    const OdGePoint2d probe = outlines[i].size() > 1 ? outlines[i][0] + (outlines[i][1] - outlines[i][0]) * 0.5 : outlines[i][0];
    int depth = 0;
    for (size_t j = 0; j < parts.size(); ++j)
      if (j != i && outlines[j].size() > 2 && hatchgeom::contains(outlines[j], probe))
        ++depth;
    sum += depth % 2 == 0 ? a : -a;
  }
  return std::fabs(sum);
}

namespace
{
// World extents of plane geometry at an elevation. Arcs, elliptical arcs and splines are exact:
// their ends and the parameters at which a world coordinate peaks, in any plane.
struct PlaneExtents
{
  OdGeMatrix3d toWorld;
  double elevation = 0.0;
  OdGeExtents3d extents;

  void add(const OdGePoint2d& p)
  {
    if (isFinite(p))
      extents.addPoint(OdGePoint3d(p.x, p.y, elevation).transformBy(toWorld));
  }
  // c + U cos t + V sin t for t from t0 to t1 (t0 <= t1).
  void addArc(const OdGePoint2d& c, const OdGeVector2d& U, const OdGeVector2d& V, double t0, double t1)
  {
    auto at = [&](double t) { return c + U * std::cos(t) + V * std::sin(t); };
    add(at(t0));
    add(at(t1));
    if (!std::isfinite(t0) || !std::isfinite(t1))
      return;
    const OdGeVector3d u = OdGeVector3d(U.x, U.y, 0.0).transformBy(toWorld);
    const OdGeVector3d v = OdGeVector3d(V.x, V.y, 0.0).transformBy(toWorld);
    const double uk[3] = {u.x, u.y, u.z};
    const double vk[3] = {v.x, v.y, v.z};
    for (int k = 0; k < 3; ++k)
      for (double peak : {std::atan2(vk[k], uk[k]), std::atan2(vk[k], uk[k]) + OdaPI})
      {
        double t = std::fmod(peak - t0, Oda2PI);
        if (t < 0.0)
          t += Oda2PI;
        if (t0 + t <= t1)
          add(at(t0 + t));
      }
  }
  void addBulge(const OdGePoint2d& from, const OdGePoint2d& to, double bulge)
  {
    profile::BulgeArc arc;
    if (isFinite(from) && isFinite(to) && profile::bulgeArc(from, to, bulge, arc))
      addArc(arc.center, OdGeVector2d(arc.radius, 0.0), OdGeVector2d(0.0, arc.radius),
             std::min(arc.startAngle, arc.startAngle + arc.sweep), std::max(arc.startAngle, arc.startAngle + arc.sweep));
  }
  // A spline by its span ends and, along each world axis, the parameters where the coordinate
  // peaks inside a span: each peak sampled is narrowed by golden-section search to rounding. A
  // span of degree p has at most p - 1 peaks per axis; 4 (p + 1) samples part them.
  void addSpline(const OdGeNurbCurve2d& spline)
  {
    OdGeInterval iv;
    spline.getInterval(iv);
    const double lo = iv.lowerBound(), hi = iv.upperBound();
    if (!std::isfinite(lo) || !std::isfinite(hi) || !(lo < hi))
      return;
    std::vector<double> ends{lo};
    const OdGeKnotVector& knots = spline.knots();
    for (int i = 0; i < knots.length(); ++i)
      if (knots[i] > ends.back() && knots[i] < hi)
        ends.push_back(knots[i]);
    ends.push_back(hi);
    for (double t : ends)
      add(spline.evalPoint(t));
    const int samples = 4 * (std::max(spline.degree(), 1) + 1);
    for (unsigned k = 0; k < 3; ++k)
    {
      // The world coordinate k of a plane point, less its constant part.
      const double ax = toWorld(k, 0), ay = toWorld(k, 1);
      if (ax == 0.0 && ay == 0.0)
        continue; // the plane is level along this axis
      auto f = [&](double t) {
        const OdGePoint2d p = spline.evalPoint(t);
        return ax * p.x + ay * p.y;
      };
      for (size_t span = 0; span + 1 < ends.size(); ++span)
      {
        const double a = ends[span], step = (ends[span + 1] - a) / samples;
        std::vector<double> v(static_cast<size_t>(samples) + 1);
        for (int i = 0; i <= samples; ++i)
          v[static_cast<size_t>(i)] = f(a + step * i);
        for (int i = 1; i < samples; ++i)
        {
          const double before = v[static_cast<size_t>(i - 1)], here = v[static_cast<size_t>(i)],
                       after = v[static_cast<size_t>(i + 1)];
          if (here == before && here == after)
            continue;
          const double sign = here >= before && here >= after ? 1.0 : here <= before && here <= after ? -1.0 : 0.0;
          if (sign != 0.0)
            add(spline.evalPoint(peakOf([&](double t) { return sign * f(t); }, a + step * (i - 1), a + step * (i + 1))));
        }
      }
    }
  }
  // The parameter in [a, b] where g, single-peaked there, is largest.
  template <class F>
  static double peakOf(F g, double a, double b)
  {
    const double r = 0.5 * (std::sqrt(5.0) - 1.0);
    double x1 = b - r * (b - a), x2 = a + r * (b - a);
    double g1 = g(x1), g2 = g(x2);
    for (int i = 0; i < 100 && b - a > 1e-15 * std::max(1.0, std::fabs(a) + std::fabs(b)); ++i)
    {
      if (g1 < g2)
      {
        a = x1;
        x1 = x2;
        g1 = g2;
        x2 = a + r * (b - a);
        g2 = g(x2);
      }
      else
      {
        b = x2;
        x2 = x1;
        g2 = g1;
        x1 = b - r * (b - a);
        g1 = g(x1);
      }
    }
    return 0.5 * (a + b);
  }
  void addEdge(const OdGeCurve2d& edge)
  {
    OdGeInterval iv;
    edge.getInterval(iv);
    switch (edge.type())
    {
    case OdGe::kCircArc2d:
    {
      const OdGeCircArc2d& arc = static_cast<const OdGeCircArc2d&>(edge);
      const OdGeVector2d ref = arc.refVec();
      const OdGeVector2d perp = arc.isClockWise() ? OdGeVector2d(ref.y, -ref.x) : ref.perpVector();
      addArc(arc.center(), ref * arc.radius(), perp * arc.radius(), arc.startAng(), arc.endAng());
      return;
    }
    case OdGe::kEllipArc2d:
    {
      const OdGeEllipArc2d& arc = static_cast<const OdGeEllipArc2d&>(edge);
      addArc(arc.center(), arc.majorAxis() * arc.majorRadius(), arc.minorAxis() * arc.minorRadius(), arc.startAng(),
             arc.endAng());
      return;
    }
    case OdGe::kNurbCurve2d:
      addSpline(static_cast<const OdGeNurbCurve2d&>(edge));
      return;
    default:
    {
      // Lines by their ends.
      std::vector<OdGePoint2d> pts;
      hatchgeom::sampleEdge(edge, pts);
      for (const OdGePoint2d& p : pts)
        add(p);
      OdGePoint2d end;
      if (edge.hasEndPoint(end))
        add(end);
    }
    }
  }
};
} // namespace

OdResult OdDbHatch::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  PlaneExtents plane;
  plane.toWorld = OdGeMatrix3d::planeToWorld(m_normal);
  plane.elevation = m_elevation;
  for (const Loop* loop : m_loops)
  {
    if (loop->isPolyline())
    {
      const unsigned n = loop->vertices.size();
      for (unsigned i = 0; i < n; ++i)
      {
        plane.add(loop->vertices[i]);
        if (i < loop->bulges.size())
          plane.addBulge(loop->vertices[i], loop->vertices[(i + 1) % n], loop->bulges[i]);
      }
    }
    else
      for (const OdGeCurve2d* edge : loop->edges)
        plane.addEdge(*edge);
  }
  extents = plane.extents;
  return extents.isValidExtents() ? eOk : eInvalidExtents;
}

namespace
{
// The direction at this angle, mapped, as an angle in [0, 2 pi).
double mappedAngle(const OdGeMatrix2d& map, double angle)
{
  const OdGeVector2d v = OdGeVector2d(std::cos(angle), std::sin(angle)).transformBy(map);
  double a = std::atan2(v.y, v.x);
  return a < 0.0 ? a + Oda2PI : a;
}
} // namespace

OdResult OdDbHatch::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  double scale = 1.0;
  bool mirrors = false;
  const OdResult check = odDbCurveGeom::checkUniformTransform(xform, scale, mirrors);
  if (check != eOk)
    return check;
  // The map from the old hatch plane, at its elevation, into the new one.
  const OdGeVector3d normal = (xform * m_normal).normal();
  const OdGeMatrix3d full = OdGeMatrix3d::worldToPlane(normal) * xform * OdGeMatrix3d::planeToWorld(m_normal);
  OdGeMatrix2d map;
  for (unsigned r = 0; r < 2; ++r)
  {
    map[r][0] = full(r, 0);
    map[r][1] = full(r, 1);
    map[r][2] = full(r, 2) * m_elevation + full(r, 3);
  }
  const double elevation = full(2, 2) * m_elevation + full(2, 3);
  const bool reverses = map[0][0] * map[1][1] - map[0][1] * map[1][0] < 0.0;

  // Everything is mapped on copies first, so that a failure leaves the hatch as it was.
  std::vector<Loop*> loops;
  auto discard = [&loops] {
    for (Loop* loop : loops)
      delete loop;
  };
  bool finite = odgeIsFinite(normal) && std::isfinite(elevation);
  try
  {
    for (const Loop* old : m_loops)
    {
      loops.push_back(new Loop(*old));
      Loop& loop = *loops.back();
      for (OdGePoint2d& p : loop.vertices)
        finite = finite && isFinite(p.transformBy(map));
      if (reverses)
        for (double& b : loop.bulges)
          b = -b;
      for (OdGeCurve2d* edge : loop.edges)
        edge->transformBy(map);
    }
  }
  catch (const OdError& e)
  {
    discard();
    return e.code();
  }
  OdGePoint2dArray seeds = m_seedPoints;
  for (OdGePoint2d& p : seeds)
    finite = finite && isFinite(p.transformBy(map));
  OdGePoint2d origin = m_origin;
  finite = finite && isFinite(origin.transformBy(map));
  OdHatchPattern lines = m_patternLines;
  for (OdHatchPatternLine& line : lines)
  {
    line.m_dLineAngle = mappedAngle(map, line.m_dLineAngle);
    line.m_basePoint.transformBy(map);
    line.m_patternOffset.transformBy(map);
    for (double& dash : line.m_dashes)
      dash *= scale;
  }
  finite = finite && linesFinite(lines);
  if (!finite)
  {
    discard();
    return eInvalidInput;
  }

  assertWriteEnabled();
  std::swap(m_loops, loops);
  discard();
  m_seedPoints = seeds;
  m_origin = origin;
  m_patternLines = lines;
  m_patternAngle = mappedAngle(map, m_patternAngle);
  m_patternScale *= scale;
  m_patternSpace *= scale;
  m_gradientAngle = mappedAngle(map, m_gradientAngle);
  m_normal = normal;
  m_elevation = elevation;
  return eOk;
}

void OdDbHatch::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbEntity::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbHatch");
  pFiler->wrPoint3d(OdDb::kDxfXCoord, OdGePoint3d(0.0, 0.0, m_elevation));
  pFiler->wrVector3d(OdDb::kDxfNormalX, m_normal);
  pFiler->wrString(2, m_patternName);
  pFiler->wrInt16(70, isSolidFill() ? 1 : 0);
  pFiler->wrInt16(71, m_associative ? 1 : 0);
  pFiler->wrInt32(91, static_cast<OdInt32>(m_loops.size()));
  for (const Loop* loop : m_loops)
  {
    pFiler->wrInt32(92, loop->type);
    if (loop->isPolyline())
    {
      pFiler->wrInt32(93, static_cast<OdInt32>(loop->vertices.size()));
      for (unsigned i = 0; i < loop->vertices.size(); ++i)
      {
        pFiler->wrPoint2d(10, loop->vertices[i]);
        pFiler->wrDouble(42, i < loop->bulges.size() ? loop->bulges[i] : 0.0);
      }
    }
    else
    {
      pFiler->wrInt32(93, static_cast<OdInt32>(loop->edges.size()));
      for (const OdGeCurve2d* edge : loop->edges)
      {
        OdGeInterval iv;
        edge->getInterval(iv);
        pFiler->wrInt16(72, static_cast<OdInt16>(edge->type()));
        OdGePoint2d s, e;
        edge->hasStartPoint(s);
        edge->hasEndPoint(e);
        pFiler->wrPoint2d(10, s);
        pFiler->wrPoint2d(11, e);
        pFiler->wrDouble(40, iv.lowerBound());
        pFiler->wrDouble(41, iv.upperBound());
        edgeOutFields(edge, pFiler);
      }
    }
    pFiler->wrInt32(97, static_cast<OdInt32>(loop->sources.size()));
    for (const OdDbObjectId& id : loop->sources)
      pFiler->wrObjectId(330, id);
  }
  pFiler->wrInt16(75, static_cast<OdInt16>(m_style));
  pFiler->wrInt16(76, static_cast<OdInt16>(m_patternType));
  pFiler->wrAngle(52, m_patternAngle);
  pFiler->wrDouble(41, m_patternScale);
  pFiler->wrDouble(42, m_patternSpace);
  pFiler->wrInt16(77, m_patternDouble ? 1 : 0);
  pFiler->wrInt16(78, static_cast<OdInt16>(m_patternLines.size()));
  for (const OdHatchPatternLine& line : m_patternLines)
  {
    pFiler->wrAngle(53, line.m_dLineAngle);
    pFiler->wrPoint2d(43, line.m_basePoint);
    pFiler->wrVector2d(45, line.m_patternOffset);
    pFiler->wrInt16(79, static_cast<OdInt16>(line.m_dashes.size()));
    for (double dash : line.m_dashes)
      pFiler->wrDouble(49, dash);
  }
  pFiler->wrInt32(48, m_isoPenWidth);
  pFiler->wrDouble(47, m_pixelSize);
  pFiler->wrInt32(98, static_cast<OdInt32>(m_seedPoints.size()));
  for (const OdGePoint2d& p : m_seedPoints)
    pFiler->wrPoint2d(10, p);
  pFiler->wrPoint2d(11, m_origin);
  pFiler->wrInt32(450, m_objectType);
  pFiler->wrInt32(451, m_gradientType);
  pFiler->wrString(470, m_gradientName);
  pFiler->wrAngle(460, m_gradientAngle);
  pFiler->wrDouble(461, m_gradientShift);
  pFiler->wrInt32(452, m_gradientOneColor ? 1 : 0);
  pFiler->wrDouble(462, m_shadeTint);
  pFiler->wrInt32(453, static_cast<OdInt32>(m_gradientColors.size()));
  for (unsigned i = 0; i < m_gradientColors.size(); ++i)
  {
    pFiler->wrDouble(463, m_gradientValues[i]);
    pFiler->wrInt32(421, static_cast<OdInt32>(m_gradientColors[i].color()));
  }
}

void OdDbHatch::copyFrom(const OdRxObject* pSource)
{
  OdDbEntity::copyFrom(pSource);
  const OdDbHatch* pSrc = static_cast<const OdDbHatch*>(pSource);
  for (Loop* loop : m_loops)
    delete loop;
  m_loops.clear();
  for (const Loop* loop : pSrc->m_loops)
    m_loops.push_back(new Loop(*loop));
  m_style = pSrc->m_style;
  m_associative = pSrc->m_associative;
  m_elevation = pSrc->m_elevation;
  m_normal = pSrc->m_normal;
  m_origin = pSrc->m_origin;
  m_objectType = pSrc->m_objectType;
  m_patternType = pSrc->m_patternType;
  m_patternName = pSrc->m_patternName;
  m_patternAngle = pSrc->m_patternAngle;
  m_patternScale = pSrc->m_patternScale;
  m_patternSpace = pSrc->m_patternSpace;
  m_patternDouble = pSrc->m_patternDouble;
  m_patternLines = pSrc->m_patternLines;
  m_isoPenWidth = pSrc->m_isoPenWidth;
  m_pixelSize = pSrc->m_pixelSize;
  m_seedPoints = pSrc->m_seedPoints;
  m_gradientType = pSrc->m_gradientType;
  m_gradientName = pSrc->m_gradientName;
  m_gradientAngle = pSrc->m_gradientAngle;
  m_gradientShift = pSrc->m_gradientShift;
  m_gradientOneColor = pSrc->m_gradientOneColor;
  m_shadeTint = pSrc->m_shadeTint;
  m_gradientColors = pSrc->m_gradientColors;
  m_gradientValues = pSrc->m_gradientValues;
}
