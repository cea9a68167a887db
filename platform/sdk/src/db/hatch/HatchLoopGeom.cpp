// Exact loop areas and flattened outlines of hatch loops.
#include "HatchLoopGeom.h"

#include <algorithm>
#include <cmath>

#include "../../aecge/ProfileArcs.h"
#include "Ge/GeCircArc2d.h"
#include "Ge/GeEllipArc2d.h"
#include "Ge/GeGbl.h"
#include "Ge/GeLineSeg2d.h"
#include "Ge/GeNurbCurve2d.h"

namespace hatchgeom
{
namespace
{
const double kGaussX[8] = {-0.9602898564975363, -0.7966664774136267, -0.5255324099163290, -0.1834346424956498,
                           0.1834346424956498,  0.5255324099163290,  0.7966664774136267,  0.9602898564975363};
const double kGaussW[8] = {0.1012285362903763, 0.2223810344533745, 0.3137066458778873, 0.3626837833783620,
                           0.3626837833783620, 0.3137066458778873, 0.2223810344533745, 0.1012285362903763};
const int kSamplesPerTurn = 64;

// p(t) = c + U cos t + V sin t from t0 to t1: the integral of (p - o) x p' dt / 2 in closed form.
double conicArea(const OdGeVector2d& c, const OdGeVector2d& U, const OdGeVector2d& V, double t0, double t1)
{
  const double linear = c.crossProduct(U * (std::cos(t1) - std::cos(t0)) + V * (std::sin(t1) - std::sin(t0)));
  return 0.5 * (linear + U.crossProduct(V) * (t1 - t0));
}

// Parameter breaks of a spline: its distinct knots inside the interval.
std::vector<double> splineBreaks(const OdGeNurbCurve2d& spline)
{
  OdGeInterval iv;
  spline.getInterval(iv);
  std::vector<double> breaks{iv.lowerBound()};
  const OdGeKnotVector& knots = spline.knots();
  for (int i = 0; i < knots.length(); ++i)
    if (knots[i] > breaks.back() && knots[i] < iv.upperBound())
      breaks.push_back(knots[i]);
  breaks.push_back(iv.upperBound());
  return breaks;
}
} // namespace

double edgeArea(const OdGeCurve2d& edge, const OdGePoint2d& origin)
{
  switch (edge.type())
  {
  case OdGe::kLineSeg2d:
  {
    const OdGeLineSeg2d& line = static_cast<const OdGeLineSeg2d&>(edge);
    return 0.5 * (line.startPoint() - origin).crossProduct(line.endPoint() - origin);
  }
  case OdGe::kCircArc2d:
  {
    const OdGeCircArc2d& arc = static_cast<const OdGeCircArc2d&>(edge);
    const OdGeVector2d ref = arc.refVec();
    const OdGeVector2d perp = arc.isClockWise() ? OdGeVector2d(ref.y, -ref.x) : ref.perpVector();
    return conicArea(arc.center() - origin, ref * arc.radius(), perp * arc.radius(), arc.startAng(), arc.endAng());
  }
  case OdGe::kEllipArc2d:
  {
    const OdGeEllipArc2d& arc = static_cast<const OdGeEllipArc2d&>(edge);
    return conicArea(arc.center() - origin, arc.majorAxis() * arc.majorRadius(), arc.minorAxis() * arc.minorRadius(),
                     arc.startAng(), arc.endAng());
  }
  case OdGe::kNurbCurve2d:
  {
    const OdGeNurbCurve2d& spline = static_cast<const OdGeNurbCurve2d&>(edge);
    if (spline.isEmpty())
      return 0.0;
    // Exact for polynomial pieces up to degree 8; each span is split in four for rational ones.
    const std::vector<double> breaks = splineBreaks(spline);
    const int split = spline.isRational() ? 4 : 1;
    double sum = 0.0;
    for (size_t s = 0; s + 1 < breaks.size(); ++s)
      for (int k = 0; k < split; ++k)
      {
        const double a = breaks[s] + (breaks[s + 1] - breaks[s]) * k / split;
        const double h = (breaks[s + 1] - breaks[s]) / split;
        for (int i = 0; i < 8; ++i)
        {
          const double t = a + h * 0.5 * (kGaussX[i] + 1.0);
          sum += kGaussW[i] * h * 0.5 * (spline.evalPoint(t) - origin).crossProduct(spline.evalDeriv(t));
        }
      }
    return 0.5 * sum;
  }
  default:
  {
    // Any other curve: the chords of a fine sampling.
    std::vector<OdGePoint2d> pts;
    sampleEdge(edge, pts);
    OdGePoint2d end;
    if (edge.hasEndPoint(end))
      pts.push_back(end);
    double sum = 0.0;
    for (size_t i = 0; i + 1 < pts.size(); ++i)
      sum += (pts[i] - origin).crossProduct(pts[i + 1] - origin);
    return 0.5 * sum;
  }
  }
}

double polylineArea(const OdGePoint2dArray& vertices, const OdGeDoubleArray& bulges)
{
  const unsigned n = vertices.size();
  if (n == 0)
    return 0.0;
  const OdGePoint2d origin = vertices[0];
  double sum = 0.0;
  for (unsigned i = 0; i < n; ++i)
  {
    const OdGePoint2d& a = vertices[i];
    const OdGePoint2d& b = vertices[(i + 1) % n];
    sum += 0.5 * (a - origin).crossProduct(b - origin);
    if (i < bulges.size())
      sum += profile::bulgeSegmentArea(a, b, bulges[i]);
  }
  return sum;
}

void sampleEdge(const OdGeCurve2d& edge, std::vector<OdGePoint2d>& out)
{
  OdGeInterval iv;
  edge.getInterval(iv);
  int count = 1;
  switch (edge.type())
  {
  case OdGe::kLineSeg2d: count = 1; break;
  case OdGe::kCircArc2d:
  case OdGe::kEllipArc2d:
    count = std::max(1, static_cast<int>(std::ceil((iv.upperBound() - iv.lowerBound()) / (Oda2PI / kSamplesPerTurn))));
    break;
  default:
    if (edge.type() == OdGe::kNurbCurve2d)
    {
      const std::vector<double> breaks = splineBreaks(static_cast<const OdGeNurbCurve2d&>(edge));
      for (size_t s = 0; s + 1 < breaks.size(); ++s)
        for (int k = 0; k < 16; ++k)
          out.push_back(edge.evalPoint(breaks[s] + (breaks[s + 1] - breaks[s]) * k / 16));
      return;
    }
    count = 64;
  }
  const double t0 = iv.lowerBound(), step = (iv.upperBound() - iv.lowerBound()) / count;
  if (count > 2 && (edge.type() == OdGe::kCircArc2d || edge.type() == OdGe::kEllipArc2d))
  {
    // Equal steps of a conic's angle: p(k+1) - c = 2 cos(step) (p(k) - c) - (p(k-1) - c), which
    // spares a sine and a cosine per point (the outline only decides crossing and containment).
    const OdGePoint2d c = edge.type() == OdGe::kCircArc2d ? static_cast<const OdGeCircArc2d&>(edge).center()
                                                          : static_cast<const OdGeEllipArc2d&>(edge).center();
    const double twoCos = 2.0 * std::cos(step);
    OdGeVector2d before = edge.evalPoint(t0) - c, at = edge.evalPoint(t0 + step) - c;
    out.push_back(c + before);
    out.push_back(c + at);
    for (int k = 2; k < count; ++k)
    {
      const OdGeVector2d next = at * twoCos - before;
      out.push_back(c + next);
      before = at;
      at = next;
    }
    return;
  }
  for (int k = 0; k < count; ++k)
    out.push_back(edge.evalPoint(t0 + (iv.upperBound() - iv.lowerBound()) * k / count));
}

void samplePolyline(const OdGePoint2dArray& vertices, const OdGeDoubleArray& bulges, std::vector<OdGePoint2d>& out)
{
  const unsigned n = vertices.size();
  out.reserve(out.size() + n);
  for (unsigned i = 0; i < n; ++i)
  {
    out.push_back(vertices[i]);
    profile::BulgeArc arc;
    if (i < bulges.size() && profile::bulgeArc(vertices[i], vertices[(i + 1) % n], bulges[i], arc))
    {
      const int count = std::max(1, static_cast<int>(std::ceil(std::fabs(arc.sweep) / (Oda2PI / kSamplesPerTurn))));
      for (int k = 1; k < count; ++k)
      {
        const double a = arc.startAngle + arc.sweep * k / count;
        out.push_back(arc.center + OdGeVector2d(std::cos(a), std::sin(a)) * arc.radius);
      }
    }
  }
}

void flattenKeepingArea(const OdGeCurve2d& edge, std::vector<OdGePoint2d>& out)
{
  OdGeInterval iv;
  edge.getInterval(iv);
  std::vector<double> params;
  if (edge.type() == OdGe::kNurbCurve2d)
  {
    const std::vector<double> breaks = splineBreaks(static_cast<const OdGeNurbCurve2d&>(edge));
    for (size_t s = 0; s + 1 < breaks.size(); ++s)
      for (int k = 0; k < 32; ++k)
        params.push_back(breaks[s] + (breaks[s + 1] - breaks[s]) * k / 32);
  }
  else
  {
    // Four times the outline's density: a conic's angle, any other curve's whole interval.
    const double span = iv.upperBound() - iv.lowerBound();
    const int count = edge.type() == OdGe::kEllipArc2d
                        ? std::max(4, static_cast<int>(std::ceil(span / (Oda2PI / (4 * kSamplesPerTurn)))))
                        : 256;
    for (int k = 0; k < count; ++k)
      params.push_back(iv.lowerBound() + span * k / count);
  }
  params.push_back(iv.upperBound());
  if (!std::isfinite(params.front()) || !std::isfinite(params.back()))
    return;

  // Points on the curve, the curve's midpoints between them, and how far each midpoint is off its
  // chord (as the signed area of the triangle it makes with the chord).
  const size_t n = params.size() - 1;
  std::vector<OdGePoint2d> on(n + 1), mid(n);
  for (size_t k = 0; k <= n; ++k)
    on[k] = edge.evalPoint(params[k]);
  const OdGePoint2d origin = on[0];
  double chords = 0.0, triangles = 0.0;
  for (size_t k = 0; k < n; ++k)
  {
    mid[k] = edge.evalPoint(0.5 * (params[k] + params[k + 1]));
    chords += 0.5 * (on[k] - origin).crossProduct(on[k + 1] - origin);
    triangles += 0.5 * (mid[k] - on[k]).crossProduct(on[k + 1] - on[k]);
  }
  // The midpoints' offsets scaled so that the chain's area is the edge's: 4/3 for a parabola, a
  // little more or less for other curves; kept on the curve's side and within reason.
  double factor = 4.0 / 3.0;
  if (std::fabs(triangles) > 0.0)
  {
    const double wanted = (edgeArea(edge, origin) - chords) / triangles;
    if (std::isfinite(wanted) && wanted >= 0.0 && wanted <= 3.0)
      factor = wanted;
  }
  for (size_t k = 0; k < n; ++k)
  {
    out.push_back(on[k]);
    const OdGePoint2d chordMid = on[k] + (on[k + 1] - on[k]) * 0.5;
    out.push_back(chordMid + (mid[k] - chordMid) * factor);
  }
}

bool contains(const std::vector<OdGePoint2d>& outline, const OdGePoint2d& point)
{
  bool inside = false;
  const size_t n = outline.size();
  for (size_t i = 0, j = n - 1; i < n; j = i++)
  {
    const OdGePoint2d& a = outline[i];
    const OdGePoint2d& b = outline[j];
    if ((a.y > point.y) != (b.y > point.y) && point.x < (b.x - a.x) * (point.y - a.y) / (b.y - a.y) + a.x)
      inside = !inside;
  }
  return inside;
}
} // namespace hatchgeom
