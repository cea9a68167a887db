// HATCH: boundary loops (polylines with bulges, or edges: lines, circular and elliptical arcs,
// splines with their fit data), source objects, island style, pattern and its lines, seed
// points and gradient. Loops are a nested structure of counted groups, so they are read in
// order with a cursor; a group that breaks the structure ends the loops there (repaired) and
// the rest of the hatch is read as usual. Clockwise arc and ellipse edges keep their angles
// as files do: measured clockwise. Ellipse edges give polar angles, not parameters.
#include <cmath>
#include <string>

#include "DbHatch.h"
#include "DxfEntityValues.h"
#include "DxfReader.h"
#include "DxfWriter.h"
#include "Ge/GeCircArc2d.h"
#include "Ge/GeEllipArc2d.h"
#include "Ge/GeGbl.h"
#include "Ge/GeLineSeg2d.h"
#include "Ge/GeNurbCurve2d.h"

namespace kydxf
{
namespace
{
const double kDegree = OdaPI / 180.0;

// Polar angle of an ellipse point at parameter t and back, keeping the turns (360 stays 360).
double wrapToHalfTurn(double a) { return a - Oda2PI * std::floor((a + OdaPI) / Oda2PI); }
double ellipseAngleOf(double param, double ratio)
{
  return param + wrapToHalfTurn(std::atan2(ratio * std::sin(param), std::cos(param)) - param);
}
double ellipseParamOf(double angle, double ratio)
{
  return angle + wrapToHalfTurn(std::atan2(std::sin(angle) / ratio, std::cos(angle)) - angle);
}

void edgeFields(const OdDbHatch* pHatch, const OdGeCurve2d* edge, DxfFields& out)
{
  switch (edge->type())
  {
  case OdGe::kLineSeg2d:
  {
    const OdGeLineSeg2d* line = static_cast<const OdGeLineSeg2d*>(edge);
    out.integer(72, 1);
    out.point(10, line->startPoint());
    out.point(11, line->endPoint());
    break;
  }
  case OdGe::kCircArc2d:
  {
    // Counter-clockwise angles from X; clockwise ones measured clockwise from X.
    const OdGeCircArc2d* arc = static_cast<const OdGeCircArc2d*>(edge);
    const double ref = arc->refVec().angle();
    const bool cw = arc->isClockWise();
    out.integer(72, 2);
    out.point(10, arc->center());
    out.real(40, arc->radius());
    out.angle(50, cw ? arc->startAng() - ref : arc->startAng() + ref);
    out.angle(51, cw ? arc->endAng() - ref : arc->endAng() + ref);
    out.integer(73, cw ? 0 : 1);
    break;
  }
  case OdGe::kEllipArc2d:
  {
    const OdGeEllipArc2d* arc = static_cast<const OdGeEllipArc2d*>(edge);
    const double ratio = arc->majorRadius() > 0.0 ? arc->minorRadius() / arc->majorRadius() : 0.0;
    out.integer(72, 3);
    out.point(10, arc->center());
    out.point(11, (arc->majorAxis() * arc->majorRadius()).asPoint());
    out.real(40, ratio);
    out.angle(50, ellipseAngleOf(arc->startAng(), ratio));
    out.angle(51, ellipseAngleOf(arc->endAng(), ratio));
    out.integer(73, arc->isClockWise() ? 0 : 1);
    break;
  }
  case OdGe::kNurbCurve2d:
  {
    const OdGeNurbCurve2d* spline = static_cast<const OdGeNurbCurve2d*>(edge);
    out.integer(72, 4);
    out.integer(94, spline->degree());
    out.integer(73, spline->isRational() ? 1 : 0);
    out.integer(74, spline->isPeriodic() ? 1 : 0);
    out.integer(95, spline->knots().length());
    out.integer(96, spline->numControlPoints());
    for (int i = 0; i < spline->knots().length(); ++i)
      out.real(40, spline->knots()[i]);
    for (int i = 0; i < spline->numControlPoints(); ++i)
    {
      out.point(10, spline->controlPointAt(i));
      if (spline->isRational())
        out.real(42, spline->weightAt(i));
    }
    // Before R2010 a 97 after the edge is the loop's source count: fit data cannot be told apart.
    if (spline->numFitPoints() > 0)
      dxfRequireVersion(pHatch, "HATCH", out, kDxfR2010, "a spline edge with fit points");
    if (out.version() >= kDxfR2010)
    {
      out.integer(97, spline->numFitPoints());
      for (const OdGePoint2d& p : spline->fitPoints())
        out.point(11, p);
      if (spline->numFitPoints() > 0)
      {
        out.point(12, spline->startTangent().asPoint());
        out.point(13, spline->endTangent().asPoint());
      }
    }
    break;
  }
  default: throw DxfWriteError{"HATCH edge of a kind files cannot hold"};
  }
}

void colorValue(DxfFields& out, const OdCmColor& color)
{
  out.integer(63, color.colorIndex());
  if (color.isByColor())
    out.integer(421, (color.red() << 16) | (color.green() << 8) | color.blue());
}

void hatchFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbHatch* pHatch = static_cast<const OdDbHatch*>(pObj);
  entityFields(pHatch, "HATCH", out);
  out.subclass("AcDbHatch", {10, 20, 30, 210, 220, 230, 2, 70, 71, 91, 92, 72, 73, 93, 11, 21, 40, 50, 51, 94, 74,
                             95, 96, 42, 97, 12, 22, 13, 23, 330, 75, 76, 52, 41, 77, 78, 53, 43, 44, 45, 46, 79,
                             49, 47, 98, 450, 451, 452, 453, 460, 461, 462, 463, 63, 421, 470});
  out.point(10, OdGePoint3d(0.0, 0.0, pHatch->elevation()));
  out.vector(210, pHatch->normal());
  out.text(2, pHatch->isGradient() ? OdString(L"SOLID") : pHatch->patternName());
  const bool solid = pHatch->isSolidFill() || pHatch->isGradient();
  out.integer(70, solid ? 1 : 0);
  out.integer(71, pHatch->associative() ? 1 : 0);
  out.integer(91, pHatch->numLoops());
  for (int i = 0; i < pHatch->numLoops(); ++i)
  {
    const OdInt32 type = pHatch->loopTypeAt(i);
    out.integer(92, type);
    if (type & OdDbHatch::kPolyline)
    {
      OdGePoint2dArray vertices;
      OdGeDoubleArray bulges;
      pHatch->getLoopAt(i, vertices, bulges);
      bool hasBulge = false;
      for (double b : bulges)
        hasBulge = hasBulge || b != 0.0;
      out.integer(72, hasBulge ? 1 : 0);
      out.integer(73, 1);
      out.integer(93, vertices.size());
      for (unsigned k = 0; k < vertices.size(); ++k)
      {
        out.point(10, vertices[k]);
        if (hasBulge)
          out.real(42, bulges[k]);
      }
    }
    else
    {
      OdDbHatch::EdgeArray edges;
      pHatch->getLoopAt(i, edges);
      out.integer(93, edges.size());
      for (const OdGeCurve2d* edge : edges)
        edgeFields(pHatch, edge, out);
    }
    OdDbObjectIdArray sources;
    pHatch->getAssocObjIdsAt(i, sources);
    out.integer(97, sources.size());
    for (const OdDbObjectId& id : sources)
      out.handle(330, id);
  }
  out.integer(75, pHatch->hatchStyle());
  out.integer(76, pHatch->patternType());
  // A solid or gradient fill has no use for pattern values, but one that holds some (read from a
  // file that wrote them) keeps them.
  const bool patternValues = pHatch->patternAngle() != 0.0 || pHatch->patternScale() != 1.0 ||
                             pHatch->patternDouble() || pHatch->numPatternDefinitions() > 0;
  if (!solid || patternValues)
  {
    out.angle(52, pHatch->patternAngle());
    // A user-defined pattern keeps its spacing where others keep their scale.
    out.real(41, pHatch->patternType() == OdDbHatch::kUserDefined ? pHatch->patternSpace() : pHatch->patternScale());
    out.integer(77, pHatch->patternDouble() ? 1 : 0);
    out.integer(78, pHatch->numPatternDefinitions());
    for (int k = 0; k < pHatch->numPatternDefinitions(); ++k)
    {
      double angle, bx, by, ox, oy;
      OdGeDoubleArray dashes;
      pHatch->getPatternDefinitionAt(k, angle, bx, by, ox, oy, dashes);
      out.angle(53, angle);
      out.real(43, bx);
      out.real(44, by);
      out.real(45, ox);
      out.real(46, oy);
      out.integer(79, dashes.size());
      for (double d : dashes)
        out.real(49, d);
    }
  }
  if (pHatch->pixelSize() != 0.0)
    out.real(47, pHatch->pixelSize());
  out.integer(98, pHatch->seedPoints().size());
  for (const OdGePoint2d& p : pHatch->seedPoints())
    out.point(10, p);
  if (pHatch->isGradient())
  {
    dxfRequireVersion(pHatch, "HATCH", out, kDxfR2004, "a gradient");
    OdCmColorArray colors;
    OdGeDoubleArray values;
    pHatch->getGradientColors(colors, values);
    out.integer(450, 1);
    out.integer(451, 0);
    out.integer(452, pHatch->gradientOneColorMode() ? 1 : 0);
    out.integer(453, colors.size());
    out.real(460, pHatch->gradientAngle());
    out.real(461, pHatch->gradientShift());
    out.real(462, pHatch->shadeTintValue());
    for (unsigned k = 0; k < colors.size(); ++k)
    {
      out.real(463, values[k]);
      colorValue(out, colors[k]);
    }
    out.text(470, pHatch->gradientName());
  }
  dxfXDataFields(pHatch, "HATCH", out);
}

const DxfKindWriter kHatchWriter{"HATCH", &OdDbHatch::desc, &hatchFields};
const DxfKindWriters kHatchWriters{&kHatchWriter};

// Reads the hatch's own tags in order.
class Cursor
{
public:
  explicit Cursor(const std::vector<const DxfTag*>& tags) : m_tags(tags) {}
  bool done() const { return m_i >= m_tags.size(); }
  const DxfTag* peek() const { return done() ? nullptr : m_tags[m_i]; }
  const DxfTag* next() { return done() ? nullptr : m_tags[m_i++]; }
  // The next tag when it has the code.
  const DxfTag* take(int code)
  {
    const DxfTag* t = peek();
    if (!t || t->code != code)
      return nullptr;
    ++m_i;
    return t;
  }
  bool point(int code, OdGePoint2d& p)
  {
    const DxfTag* x = take(code);
    if (!x)
      return false;
    p.x = x->real;
    const DxfTag* y = take(code + 10);
    p.y = y ? y->real : 0.0;
    take(code + 20);
    return true;
  }
  int line() const { return done() ? (m_tags.empty() ? 0 : m_tags.back()->line + 1) : m_tags[m_i]->line + 1; }

private:
  const std::vector<const DxfTag*>& m_tags;
  size_t m_i = 0;
};

struct BadLoop
{
  int line;
  std::string problem;
};

[[noreturn]] void badLoop(const Cursor& c, const std::string& what)
{
  const DxfTag* t = c.peek();
  throw BadLoop{c.line(), what + (t ? ", found group code " + std::to_string(t->code) : ", found the end of the hatch")};
}

const DxfTag* need(Cursor& c, int code, const char* what)
{
  const DxfTag* t = c.take(code);
  if (!t)
    badLoop(c, std::string("expected ") + what + " (group code " + std::to_string(code) + ")");
  return t;
}

OdGePoint2d needPoint(Cursor& c, int code, const char* what)
{
  OdGePoint2d p;
  if (!c.point(code, p))
    badLoop(c, std::string("expected ") + what + " (group code " + std::to_string(code) + ")");
  return p;
}

bool finite(const OdGePoint2d& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

OdGeCurve2d* readEdge(Cursor& c)
{
  const DxfTag* type = need(c, 72, "an edge type");
  switch (type->integer)
  {
  case 1:
  {
    const OdGePoint2d s = needPoint(c, 10, "a line start");
    const OdGePoint2d e = needPoint(c, 11, "a line end");
    return new OdGeLineSeg2d(s, e);
  }
  case 2:
  {
    const OdGePoint2d center = needPoint(c, 10, "an arc centre");
    const double r = need(c, 40, "an arc radius")->real;
    const double s = need(c, 50, "an arc start angle")->real * kDegree;
    const double e = need(c, 51, "an arc end angle")->real * kDegree;
    const DxfTag* ccw = c.take(73);
    if (!(r >= 0.0) || !std::isfinite(r) || !std::isfinite(s) || !std::isfinite(e) || !finite(center))
      throw BadLoop{type->line + 1, "arc edge with radius " + std::to_string(r)};
    return new OdGeCircArc2d(center, r, s, e, OdGeVector2d::kXAxis, ccw && ccw->integer == 0);
  }
  case 3:
  {
    const OdGePoint2d center = needPoint(c, 10, "an ellipse centre");
    const OdGePoint2d major = needPoint(c, 11, "an ellipse major axis");
    const double ratio = need(c, 40, "an ellipse axis ratio")->real;
    const double s = need(c, 50, "an ellipse start angle")->real * kDegree;
    const double e = need(c, 51, "an ellipse end angle")->real * kDegree;
    const DxfTag* ccw = c.take(73);
    const OdGeVector2d axis = major.asVector();
    const double a = axis.length();
    if (!(a > 0.0) || !(ratio > 0.0) || ratio > 1.0 || !std::isfinite(a) || !std::isfinite(s) || !std::isfinite(e) ||
        !finite(center))
      throw BadLoop{type->line + 1, "ellipse edge with major axis " + std::to_string(a) + " and ratio " + std::to_string(ratio)};
    const OdGeVector2d u = axis / a;
    const bool cw = ccw && ccw->integer == 0;
    const OdGeVector2d v = cw ? OdGeVector2d(u.y, -u.x) : u.perpVector();
    return new OdGeEllipArc2d(center, u, v, a, a * ratio, ellipseParamOf(s, ratio), ellipseParamOf(e, ratio));
  }
  case 4:
  {
    const int degree = static_cast<int>(need(c, 94, "a spline degree")->integer);
    const bool rational = need(c, 73, "the spline rational flag")->integer != 0;
    const bool periodic = need(c, 74, "the spline periodic flag")->integer != 0;
    const std::int64_t knotCount = need(c, 95, "a knot count")->integer;
    const std::int64_t pointCount = need(c, 96, "a control point count")->integer;
    OdGeDoubleArray knots, weights;
    OdGePoint2dArray points;
    for (std::int64_t k = 0; k < knotCount; ++k)
      knots.append(need(c, 40, "a knot")->real);
    for (std::int64_t k = 0; k < pointCount; ++k)
    {
      points.append(needPoint(c, 10, "a control point"));
      if (const DxfTag* w = c.take(42))
        weights.append(w->real);
      else if (rational)
        weights.append(1.0);
    }
    if (!rational)
      weights.clear();
    if (!OdGeNurbCurve2d::checkData(degree, knots, points, weights))
      throw BadLoop{type->line + 1, "spline edge whose degree, knots and control points do not make a curve"};
    OdGeNurbCurve2d* spline = new OdGeNurbCurve2d(degree, OdGeKnotVector(knots), points, weights, periodic);
    // Fit data (R2010 files): a count, the points, then both end tangents.
    const DxfTag* fitCount = c.peek();
    if (fitCount && fitCount->code == 97)
    {
      // A 97 followed by 330 or another loop is the source count of the loop, not fit data.
      c.next();
      OdGePoint2dArray fit;
      for (std::int64_t k = 0; k < fitCount->integer; ++k)
      {
        OdGePoint2d p;
        if (!c.point(11, p))
          break;
        fit.append(p);
      }
      OdGePoint2d t0, t1;
      c.point(12, t0);
      c.point(13, t1);
      spline->setFitData(fit, t0.asVector(), t1.asVector());
    }
    return spline;
  }
  default: throw BadLoop{type->line + 1, "edge type " + std::to_string(type->integer) + " is not 1 to 4"};
  }
}
} // namespace

OdDbEntityPtr DxfReader::readHatch(DxfEntityProps& props)
{
  OdDbHatchPtr pHatch = OdDbHatch::createObject();
  std::vector<const DxfTag*> own;
  for (const DxfTag* t : m_parts.body)
    if (!commonEntityTag(*t, props))
      own.push_back(t);
  Cursor c(own);
  OdCmColorArray colors;
  OdGeDoubleArray colorValues;
  OdHatchPattern lines;
  OdGePoint2dArray seeds;
  const DxfTag *name = nullptr, *patternType = nullptr, *style = nullptr, *associative = nullptr;
  RealValue angle, scale, pixel;
  bool gradient = false, patternDouble = false, oneColor = false;
  double gradientAngle = 0.0, gradientShift = 0.0, tint = 0.0;
  OdString gradientName;
  PointValue normal;
  double elevation = 0.0;
  int elevationLine = 0;
  struct Sources
  {
    int loop;
    std::vector<std::uint64_t> handles;
    int line;
  };
  std::vector<Sources> sources;
  int loopsStated = -1;
  const DxfTag* loopCountTag = nullptr;
  while (!c.done())
  {
    const DxfTag* t = c.next();
    switch (t->code)
    {
    case 10:
      if (!loopCountTag)
      {
        elevationLine = t->line + 1;
        if (c.take(20))
          if (const DxfTag* z = c.take(30))
            elevation = z->real;
      }
      break;
    case 210:
    case 220:
    case 230: normal.take(*t, 210); break;
    case 2: name = t; break;
    case 71: associative = t; break;
    case 91:
    {
      loopCountTag = t;
      loopsStated = static_cast<int>(t->integer);
      // The loops, each: 92 type, its polyline or edges, 97 sources and their 330 handles.
      int read = 0;
      try
      {
        while (c.peek() && c.peek()->code == 92)
        {
          const DxfTag* typeTag = c.next();
          const OdInt32 type = static_cast<OdInt32>(typeTag->integer);
          if (type & OdDbHatch::kPolyline)
          {
            c.take(72);
            c.take(73);
            const std::int64_t count = need(c, 93, "a vertex count")->integer;
            OdGePoint2dArray vertices;
            OdGeDoubleArray bulges;
            for (std::int64_t k = 0; k < count; ++k)
            {
              vertices.append(needPoint(c, 10, "a vertex"));
              const DxfTag* b = c.take(42);
              bulges.append(b ? b->real : 0.0);
            }
            if (vertices.isEmpty())
              throw BadLoop{typeTag->line + 1, "polyline loop without vertices"};
            for (unsigned k = 0; k < vertices.size(); ++k)
              if (!finite(vertices[k]) || !std::isfinite(bulges[k]))
                throw BadLoop{typeTag->line + 1, "polyline loop with a non-finite vertex or bulge"};
            pHatch->appendLoop(type, vertices, bulges);
          }
          else
          {
            const std::int64_t count = need(c, 93, "an edge count")->integer;
            OdDbHatch::EdgeArray edges;
            try
            {
              for (std::int64_t k = 0; k < count; ++k)
                edges.append(readEdge(c));
            }
            catch (...)
            {
              for (OdGeCurve2d* e : edges)
                delete e;
              throw;
            }
            pHatch->appendLoop(type, edges);
          }
          if (const DxfTag* n = c.take(97))
          {
            Sources s{read, {}, n->line + 1};
            for (std::int64_t k = 0; k < n->integer; ++k)
              if (const DxfTag* h = c.take(330))
                s.handles.push_back(parseHandle(*h));
            if (!s.handles.empty())
              sources.push_back(s);
          }
          ++read;
        }
      }
      catch (const BadLoop& bad)
      {
        repair(bad.line, "HATCH loop " + std::to_string(read + 1) + ": " + bad.problem,
               "kept the " + std::to_string(read) + " loops before it");
        // Pass over the rest of the loops up to the style.
        while (c.peek() && c.peek()->code != 75)
          c.next();
      }
      if (loopsStated != read)
        checkCount(loopCountTag, static_cast<unsigned>(pHatch->numLoops()), "HATCH", "loop");
      break;
    }
    case 75: style = t; break;
    case 76: patternType = t; break;
    case 52: angle.take(*t, 52); break;
    case 41: scale.take(*t, 41); break;
    case 77: patternDouble = t->integer != 0; break;
    case 78:
    {
      for (std::int64_t k = 0; k < t->integer && c.peek() && c.peek()->code == 53; ++k)
      {
        OdHatchPatternLine line;
        line.m_dLineAngle = c.next()->real * kDegree;
        if (const DxfTag* v = c.take(43))
          line.m_basePoint.x = v->real;
        if (const DxfTag* v = c.take(44))
          line.m_basePoint.y = v->real;
        if (const DxfTag* v = c.take(45))
          line.m_patternOffset.x = v->real;
        if (const DxfTag* v = c.take(46))
          line.m_patternOffset.y = v->real;
        if (const DxfTag* n = c.take(79))
          for (std::int64_t d = 0; d < n->integer; ++d)
            if (const DxfTag* v = c.take(49))
              line.m_dashes.append(v->real);
        lines.append(line);
      }
      break;
    }
    case 47: pixel.take(*t, 47); break;
    case 98:
      for (std::int64_t k = 0; k < t->integer; ++k)
      {
        OdGePoint2d p;
        if (!c.point(10, p))
          break;
        seeds.append(p);
      }
      break;
    case 450: gradient = t->integer != 0; break;
    case 452: oneColor = t->integer != 0; break;
    case 460: gradientAngle = t->real; break;
    case 461: gradientShift = t->real; break;
    case 462: tint = t->real; break;
    case 463:
    {
      // A colour: its position, then its index (63) and true colour (421).
      colorValues.append(t->real);
      OdCmColor color;
      if (const DxfTag* aci = c.take(63))
        color.setColorIndex(static_cast<OdUInt16>(aci->integer < 0 || aci->integer > 256 ? 7 : aci->integer));
      if (const DxfTag* rgb = c.take(421))
        color.setRGB(static_cast<OdUInt8>(rgb->integer >> 16), static_cast<OdUInt8>(rgb->integer >> 8),
                     static_cast<OdUInt8>(rgb->integer));
      colors.append(color);
      break;
    }
    case 470: gradientName = text(*t); break;
    default: break;
    }
  }

  if (associative)
    pHatch->setAssociative(associative->integer != 0);
  apply(elevationLine, "HATCH elevation", [&] { pHatch->setElevation(elevation); });
  if (normal.set)
    apply(normal.line, "HATCH normal", [&] { pHatch->setNormal(normal.vector()); });
  OdString patternName = name ? text(*name) : OdString(L"SOLID");
  // A gradient fills solid: its pattern is "SOLID", which is also what a file gets back.
  if (gradient && patternName.iCompare(L"SOLID") != 0)
  {
    repair(name->line + 1, "HATCH gradient with the pattern '" + patternName.toUtf8() + "'", "took the pattern SOLID");
    patternName = L"SOLID";
  }
  if (patternType)
  {
    const int line = patternType->line + 1;
    apply(line, "HATCH pattern type", [&] {
      pHatch->setPattern(enumValue<OdDbHatch::HatchPatternType>(patternType->integer, 0, 2, line, "HATCH pattern type"),
                         patternName);
    });
  }
  else
    pHatch->setPattern(OdDbHatch::kPreDefined, patternName);
  if (scale.set && pHatch->patternType() == OdDbHatch::kUserDefined)
    apply(scale.line, "HATCH pattern spacing", [&] { pHatch->setPatternSpace(scale.v); });
  else if (scale.set)
    apply(scale.line, "HATCH pattern scale", [&] { pHatch->setPatternScale(scale.v); });
  if (angle.set)
    apply(angle.line, "HATCH pattern angle", [&] { pHatch->setPatternAngle(angle.v * kDegree); });
  pHatch->setPatternDouble(patternDouble);
  // A file has no pattern origin of its own: writers place the lines at it, so the first line's
  // base point is where the pattern starts. Then the file's lines as they are, after the values
  // that would regenerate them.
  if (!lines.isEmpty())
    apply(m_object.line, "HATCH pattern origin", [&] { pHatch->setOriginPoint(lines[0].m_basePoint); });
  apply(m_object.line, "HATCH pattern lines", [&] { pHatch->setPatternDefinitions(lines); });
  if (style)
  {
    const int line = style->line + 1;
    apply(line, "HATCH island style", [&] {
      pHatch->setHatchStyle(enumValue<OdDbHatch::HatchStyle>(style->integer, 0, 2, line, "HATCH island style"));
    });
  }
  if (pixel.set)
    apply(pixel.line, "HATCH pixel size", [&] { pHatch->setPixelSize(pixel.v); });
  apply(m_object.line, "HATCH seed points", [&] { pHatch->setSeedPoints(seeds); });
  if (gradient)
  {
    pHatch->setHatchObjectType(OdDbHatch::kGradientObject);
    pHatch->setGradient(OdDbHatch::kPreDefinedGradient, gradientName);
    apply(m_object.line, "HATCH gradient", [&] {
      pHatch->setGradientAngle(gradientAngle);
      pHatch->setGradientShift(gradientShift);
      pHatch->setShadeTintValue(tint);
      if (!colors.isEmpty())
        pHatch->setGradientColors(colors.size(), colors.asArrayPtr(), colorValues.asArrayPtr());
    });
    pHatch->setGradientOneColorMode(oneColor);
  }
  // The source objects once the whole file is read. A source the drawing does not hold is
  // mostly one of a kind the reader passes over (a block reference): the loop keeps the others.
  if (!sources.empty())
    defer(m_object.line, [this, pHatch, sources] {
      for (const Sources& s : sources)
      {
        OdDbObjectIdArray ids;
        for (std::uint64_t h : s.handles)
        {
          const OdDbObjectId id = idOfHandle(h);
          if (!id.isNull())
            ids.append(id);
        }
        if (s.loop < pHatch->numLoops())
          pHatch->setAssocObjIdsAt(s.loop, ids);
      }
    });
  return pHatch;
}
} // namespace kydxf
