// Hatch boundary edges as lightweight polylines, and the hatch pattern catalogue.
#include "KyHatchEngine.h"

#include <cmath>

#include "DbPolyline.h"
#include "Ge/GeCircArc2d.h"
#include "Ge/GeEllipArc2d.h"
#include "Ge/GeExtents2d.h"
#include "Ge/GeGbl.h"
#include "Ge/GeLineSeg2d.h"
#include "Ge/GeNurbCurve2d.h"
#include "OdError.h"

const double CKyHatchEngine::kArcFitTolerance = 1.0e-7;

namespace
{
const int kMaxFitDepth = 14;

struct Vertex
{
  OdGePoint2d point;
  double bulge;
};

// Bulge of the arc from a through m to b; 0 when the three points are in line.
double bulgeThrough(const OdGePoint2d& a, const OdGePoint2d& m, const OdGePoint2d& b)
{
  // The inscribed angle at m is half the central angle of the far arc: the arc a -> b through
  // m sweeps 2 (pi - angle at m).
  const OdGeVector2d u = a - m;
  const OdGeVector2d v = b - m;
  const double cross = u.crossProduct(v);
  if (std::fabs(cross) <= 1e-15 * u.length() * v.length())
    return 0.0;
  const double atM = std::atan2(std::fabs(cross), u.dotProduct(v));
  const double sweep = 2.0 * (OdaPI - atM);
  // Counter-clockwise when m lies right of the chord a -> b.
  return (b - a).crossProduct(m - a) < 0.0 ? std::tan(sweep / 4.0) : -std::tan(sweep / 4.0);
}

// Distance from p to the arc's circle (or line) through a, m, b.
double offArc(const OdGePoint2d& a, const OdGePoint2d& m, const OdGePoint2d& b, const OdGePoint2d& p)
{
  try
  {
    const OdGeCircArc2d arc(a, m, b);
    return std::fabs(p.distanceTo(arc.center()) - arc.radius());
  }
  catch (const OdError&)
  {
    const OdGeVector2d d = b - a;
    const double len = d.length();
    return len > 0.0 ? std::fabs(d.crossProduct(p - a)) / len : p.distanceTo(a);
  }
}

// Arcs through three points of the curve over [t0, t1], halving until the curve keeps within
// tol of them at the quarter points.
void fitArcs(const OdGeCurve2d& curve, double t0, double t1, double tol, int depth, std::vector<Vertex>& out)
{
  const OdGePoint2d a = curve.evalPoint(t0);
  const OdGePoint2d b = curve.evalPoint(t1);
  const OdGePoint2d m = curve.evalPoint(0.5 * (t0 + t1));
  const double dev = std::max(offArc(a, m, b, curve.evalPoint(0.75 * t0 + 0.25 * t1)),
                              offArc(a, m, b, curve.evalPoint(0.25 * t0 + 0.75 * t1)));
  if ((dev <= tol && t1 - t0 <= OdaPI2 + 1e-12) || depth >= kMaxFitDepth || !std::isfinite(dev))
  {
    out.push_back({a, bulgeThrough(a, m, b)});
    return;
  }
  fitArcs(curve, t0, 0.5 * (t0 + t1), tol, depth + 1, out);
  fitArcs(curve, 0.5 * (t0 + t1), t1, tol, depth + 1, out);
}

double curveSize(const OdGeCurve2d& curve, double t0, double t1)
{
  OdGeExtents2d box;
  for (int i = 0; i <= 16; ++i)
    box.addPoint(curve.evalPoint(t0 + (t1 - t0) * i / 16));
  const OdGeVector2d d = box.diagonal();
  return std::max(d.x, d.y);
}

bool edgeVertices(const OdGeCurve2d* edge, std::vector<Vertex>& out)
{
  if (!edge)
    return false;
  OdGeInterval iv;
  edge->getInterval(iv);
  switch (edge->type())
  {
  case OdGe::kLineSeg2d:
    out.push_back({static_cast<const OdGeLineSeg2d*>(edge)->startPoint(), 0.0});
    return true;
  case OdGe::kCircArc2d:
  {
    // Quarter turns at most per vertex, so that a full circle keeps two distinct vertices.
    const OdGeCircArc2d* arc = static_cast<const OdGeCircArc2d*>(edge);
    const double sweep = arc->endAng() - arc->startAng();
    const int pieces = std::max(1, static_cast<int>(std::ceil(sweep / OdaPI2 - 1e-12)));
    const double bulge = std::tan(sweep / pieces / 4.0) * (arc->isClockWise() ? -1.0 : 1.0);
    for (int i = 0; i < pieces; ++i)
      out.push_back({arc->evalPoint(arc->startAng() + sweep * i / pieces), bulge});
    return true;
  }
  case OdGe::kEllipArc2d:
  case OdGe::kNurbCurve2d:
  {
    if (edge->type() == OdGe::kNurbCurve2d && static_cast<const OdGeNurbCurve2d*>(edge)->isEmpty())
      return true;
    const double tol = CKyHatchEngine::kArcFitTolerance * curveSize(*edge, iv.lowerBound(), iv.upperBound());
    fitArcs(*edge, iv.lowerBound(), iv.upperBound(), tol, 0, out);
    return true;
  }
  default:
    return false;
  }
}
} // namespace

OdResult CKyHatchEngine::EdgesToDbSegments(const OdArray<OdGeCurve2d*>& edges, const OdGeVector3d& normal,
                                          OdArray<OdRxObjectPtr>& segments)
{
  OdArray<OdRxObjectPtr> out;
  for (const OdGeCurve2d* edge : edges)
  {
    std::vector<Vertex> vertices;
    if (!edgeVertices(edge, vertices))
      return eInvalidInput;
    OdDbPolylinePtr pline = OdDbPolyline::createObject();
    if (!normal.isZeroLength())
      pline->setNormal(normal);
    for (const Vertex& v : vertices)
      pline->addVertexAt(pline->numVerts(), v.point, v.bulge);
    out.append(OdRxObjectPtr(pline.get()));
  }
  segments = out;
  return eOk;
}

namespace
{
// A pattern line as pattern files give it: angle in degrees, origin, offset along and across
// the line, dashes.
struct LineDef
{
  double angle, x, y, dx, dy;
  std::initializer_list<double> dashes;
};
struct PatternDef
{
  const wchar_t* name;
  bool metricOnly;
  std::initializer_list<LineDef> lines;
};

// Imperial definitions (inches); the metric set scales them by 25.4 and adds the ISO line patterns.
const PatternDef kPatterns[] = {
    {L"SOLID", false, {}},
    {L"ANGLE", false, {{0, 0, 0, 0, .275, {.2, -.075}}, {90, 0, 0, 0, .275, {.2, -.075}}}},
    {L"ANSI31", false, {{45, 0, 0, 0, .125, {}}}},
    {L"ANSI32", false, {{45, 0, 0, 0, .375, {}}, {45, .176776695, 0, 0, .375, {}}}},
    {L"ANSI37", false, {{45, 0, 0, 0, .125, {}}, {135, 0, 0, 0, .125, {}}}},
    {L"BRICK", false, {{0, 0, 0, 0, .25, {}}, {90, 0, 0, .25, .25, {.25, -.25}}, {90, .125, 0, .25, .25, {-.25, .25}}}},
    {L"CROSS", false, {{0, 0, 0, .25, .25, {.125, -.375}}, {90, .0625, -.0625, .25, .25, {.125, -.375}}}},
    {L"DASH", false, {{0, 0, 0, .125, .125, {.125, -.125}}}},
    {L"DOTS", false, {{0, 0, 0, .03125, .0625, {0, -.0625}}}},
    {L"LINE", false, {{0, 0, 0, 0, .125, {}}}},
    {L"NET", false, {{0, 0, 0, 0, .125, {}}, {90, 0, 0, 0, .125, {}}}},
    {L"SQUARE", false, {{0, 0, 0, 0, .125, {.125, -.125}}, {90, 0, 0, 0, .125, {.125, -.125}}}},
    {L"ISO02W100", true, {{0, 0, 0, 0, 5.0 / 25.4, {12.0 / 25.4, -3.0 / 25.4}}}},
    {L"ISO03W100", true, {{0, 0, 0, 0, 5.0 / 25.4, {12.0 / 25.4, -18.0 / 25.4}}}},
};

OdHatchPattern toLines(const PatternDef& def, int measurement)
{
  const double unit = measurement == 1 ? 25.4 : 1.0;
  OdHatchPattern lines;
  for (const LineDef& l : def.lines)
  {
    OdHatchPatternLine line;
    const double a = l.angle * OdaPI / 180.0;
    line.m_dLineAngle = a;
    line.m_basePoint = OdGePoint2d(l.x * unit, l.y * unit);
    // Files give the offset along and across the line; stored in the plane's axes.
    line.m_patternOffset = OdGeVector2d((l.dx * std::cos(a) - l.dy * std::sin(a)) * unit,
                                        (l.dx * std::sin(a) + l.dy * std::cos(a)) * unit);
    for (double d : l.dashes)
      line.m_dashes.append(d * unit);
    lines.append(line);
  }
  return lines;
}
} // namespace

int CKyHatchPatternCatalog::ListPatterns(OdDbHatch::HatchPatternType type, int measurement, OdArray<CKyString>& names)
{
  names.clear();
  switch (type)
  {
  case OdDbHatch::kUserDefined: names.append(CKyString(L"_U")); return 0;
  case OdDbHatch::kPreDefined:
  {
    // The names are made once per measurement: the palette asks for them at every read of a
    // hatch's pattern row.
    auto listed = [](bool metric) {
      OdArray<CKyString> out;
      for (const PatternDef& def : kPatterns)
        if (!def.metricOnly || metric)
          out.append(CKyString(def.name));
      return out;
    };
    static const OdArray<CKyString> imperialNames = listed(false), metricNames = listed(true);
    names = measurement == 1 ? metricNames : imperialNames;
    return 0;
  }
  case OdDbHatch::kCustomDefined:
    if (m_custom.isEmpty())
      return 1;
    for (const Custom& c : m_custom)
      names.append(c.name);
    return 0;
  }
  return 1;
}

int CKyHatchPatternCatalog::GetPatternDefinition(OdDbHatch::HatchPatternType type, const CKyString& name, int measurement,
                                                 OdHatchPattern& lines)
{
  lines.clear();
  const QString wanted = name.toQString();
  if (type == OdDbHatch::kPreDefined)
  {
    for (const PatternDef& def : kPatterns)
      if ((!def.metricOnly || measurement == 1) && wanted.compare(QString::fromWCharArray(def.name), Qt::CaseInsensitive) == 0)
      {
        lines = toLines(def, measurement);
        return 0;
      }
  }
  else if (type == OdDbHatch::kCustomDefined)
  {
    for (const Custom& c : m_custom)
      if (wanted.compare(c.name.toQString(), Qt::CaseInsensitive) == 0)
      {
        lines = c.lines;
        return 0;
      }
  }
  return 1;
}

void CKyHatchPatternCatalog::AddCustomPattern(const CKyString& name, const OdHatchPattern& lines)
{
  m_custom.append(Custom{name, lines});
}
