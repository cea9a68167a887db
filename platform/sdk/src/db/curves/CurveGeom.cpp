// Geometry shared by the circle, arc and lightweight polyline stand-ins: object coordinate
// systems, arc extents and the segments of a polyline given by their bulges.
#include "CurveGeom.h"

#include <algorithm>
#include <cmath>

#include "Ge/GeContext.h"
#include "Ge/GeFinite.h"

namespace odDbCurveGeom
{
double normalizeAngle(double angle)
{
  double a = std::fmod(angle, Oda2PI);
  if (a < 0.0)
    a += Oda2PI;
  if (a >= Oda2PI)
    a = 0.0;
  return a;
}

double integrate(const std::function<double(double)>& f, double a, double b, int pieces)
{
  static const double kNodes[4] = {0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                                   0.9602898564975363};
  static const double kWeights[4] = {0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                                     0.1012285362903763};
  if (pieces < 1 || a == b)
    return 0.0;
  const double step = (b - a) / pieces;
  double sum = 0.0;
  for (int i = 0; i < pieces; ++i)
  {
    const double mid = a + (i + 0.5) * step;
    const double half = step / 2.0;
    for (int k = 0; k < 4; ++k)
      sum += kWeights[k] * (f(mid - half * kNodes[k]) + f(mid + half * kNodes[k])) * half;
  }
  return sum;
}

double integrateGauss(const std::function<double(double)>& f, double a, double b, int n)
{
  // The non-negative nodes of each rule on [-1, 1] and their weights (a node at 0 comes first).
  struct Rule
  {
    int count;
    double nodes[4];
    double weights[4];
  };
  static const Rule kRules[8] = {
    {1, {0.0}, {2.0}},
    {1, {0.5773502691896257}, {1.0}},
    {2, {0.0, 0.7745966692414834}, {0.8888888888888888, 0.5555555555555556}},
    {2, {0.3399810435848563, 0.8611363115940526}, {0.6521451548625461, 0.3478548451374538}},
    {3, {0.0, 0.5384693101056831, 0.9061798459386640}, {0.5688888888888889, 0.4786286704993665, 0.2369268850561891}},
    {3, {0.2386191860831969, 0.6612093864662645, 0.9324695142031521},
     {0.4679139345726910, 0.3607615730481386, 0.1713244923791704}},
    {4, {0.0, 0.4058451513773972, 0.7415311855993945, 0.9491079123427585},
     {0.4179591836734694, 0.3818300505051189, 0.2797053914892766, 0.1294849661688697}},
    {4, {0.1834346424956498, 0.5255324099163290, 0.7966664774136267, 0.9602898564975363},
     {0.3626837833783620, 0.3137066458778873, 0.2223810344533745, 0.1012285362903763}},
  };
  if (n < 1 || n > 8)
    return integrate(f, a, b, 1);
  if (a == b)
    return 0.0;
  const Rule& rule = kRules[n - 1];
  const double mid = (a + b) / 2.0, half = (b - a) / 2.0;
  double sum = 0.0;
  for (int k = 0; k < rule.count; ++k)
    sum += rule.nodes[k] == 0.0 ? rule.weights[k] * f(mid)
                                : rule.weights[k] * (f(mid - half * rule.nodes[k]) + f(mid + half * rule.nodes[k]));
  return sum * half;
}

double pointTol(double size)
{
  return OdGeContext::gTol.equalPoint() * std::max(1.0, std::fabs(size));
}

void ecsAxes(const OdGeVector3d& normal, OdGeVector3d& xAxis, OdGeVector3d& yAxis)
{
  if (odge::isWorldZ(normal))
  {
    xAxis = OdGeVector3d::kXAxis;
    yAxis = OdGeVector3d::kYAxis;
    return;
  }
  const OdGeMatrix3d toWorld = OdGeMatrix3d::planeToWorld(normal);
  xAxis = toWorld.getCsXAxis();
  yAxis = toWorld.getCsYAxis();
}

double ecsAngle(const OdGeVector3d& normal, const OdGeVector3d& dir)
{
  OdGeVector3d xAxis, yAxis;
  ecsAxes(normal, xAxis, yAxis);
  return normalizeAngle(std::atan2(dir.dotProduct(yAxis), dir.dotProduct(xAxis)));
}

OdGePoint3d pointOnCircle(const OdGePoint3d& center, const OdGeVector3d& normal, double radius, double angle)
{
  OdGeVector3d xAxis, yAxis;
  ecsAxes(normal, xAxis, yAxis);
  return center + xAxis * (radius * std::cos(angle)) + yAxis * (radius * std::sin(angle));
}

void addArcExtents(OdGeExtents3d& extents, const OdGePoint3d& center, const OdGeVector3d& normal, double radius,
                   double startAng, double endAng)
{
  const double sweep = endAng - startAng;
  extents.addPoint(pointOnCircle(center, normal, radius, startAng));
  extents.addPoint(pointOnCircle(center, normal, radius, endAng));
  const OdGeVector3d axes[3] = {OdGeVector3d::kXAxis, OdGeVector3d::kYAxis, OdGeVector3d::kZAxis};
  for (const OdGeVector3d& axis : axes)
  {
    // The circle reaches its extremes along the axis where it runs towards the axis'
    // projection into its plane, and opposite.
    const OdGeVector3d inPlane = axis - normal * axis.dotProduct(normal);
    if (inPlane.isZeroLength())
      continue;
    const double extreme = ecsAngle(normal, inPlane);
    for (const double angle : {extreme, extreme + OdaPI})
    {
      if (normalizeAngle(angle - startAng) <= sweep)
        extents.addPoint(pointOnCircle(center, normal, radius, angle));
    }
  }
}

void addThickness(OdGeExtents3d& extents, const OdGeVector3d& normal, double thickness)
{
  if (thickness == 0.0 || !extents.isValidExtents())
    return;
  const OdGeVector3d offset = normal * thickness;
  extents.addExt(OdGeExtents3d(extents.minPoint() + offset, extents.maxPoint() + offset));
}

OdResult checkUniformTransform(const OdGeMatrix3d& xform, double& scale, bool& mirrors)
{
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      if (!odgeIsFinite(xform.entry[i][j]))
        return eInvalidInput;
  if (xform.isPerspective() || !xform.isUniScaledOrtho())
    return eNotApplicable;
  scale = xform.scale();
  if (!(scale > 0.0) || !odgeIsFinite(scale))
    return eNotApplicable;
  mirrors = xform.det() < 0.0;
  return eOk;
}

BulgeSeg::BulgeSeg(const OdGePoint2d& start, const OdGePoint2d& end, double bulge) : p0(start), p1(end)
{
  const OdGeVector2d chord = p1 - p0;
  const double halfChord = chord.length() / 2.0;
  if (bulge == 0.0 || halfChord <= pointTol(std::max(std::fabs(p0.x), std::fabs(p0.y))))
    return;
  isArc = true;
  sweep = 4.0 * std::atan(bulge);
  radius = halfChord * (1.0 + bulge * bulge) / (2.0 * std::fabs(bulge));
  // The centre lies on the chord's bisector, left of the chord for a counter-clockwise arc of
  // less than half a turn.
  const OdGeVector2d left = OdGeVector2d(-chord.y, chord.x) / chord.length();
  const OdGePoint2d mid = p0 + chord * 0.5;
  center = mid + left * (halfChord * (1.0 - bulge * bulge) / (2.0 * bulge));
  startAng = std::atan2(p0.y - center.y, p0.x - center.x);
}

double BulgeSeg::length() const
{
  return isArc ? radius * std::fabs(sweep) : p0.distanceTo(p1);
}

OdGePoint2d BulgeSeg::pointAt(double t) const
{
  if (!isArc)
    return p0 + (p1 - p0) * t;
  if (t == 1.0)
    return p1;
  const double a = startAng + sweep * t;
  return OdGePoint2d(center.x + radius * std::cos(a), center.y + radius * std::sin(a));
}

OdGeVector2d BulgeSeg::firstDeriv(double t) const
{
  if (!isArc)
    return p1 - p0;
  const double a = startAng + sweep * t;
  return OdGeVector2d(-std::sin(a), std::cos(a)) * (radius * sweep);
}

OdGeVector2d BulgeSeg::secondDeriv(double t) const
{
  if (!isArc)
    return OdGeVector2d();
  const double a = startAng + sweep * t;
  return OdGeVector2d(std::cos(a), std::sin(a)) * (-radius * sweep * sweep);
}

double BulgeSeg::arcSegmentArea() const
{
  return isArc ? 0.5 * radius * radius * (sweep - std::sin(sweep)) : 0.0;
}

bool BulgeSeg::paramOf(const OdGePoint2d& point, double tol, double& t) const
{
  if (!isArc)
  {
    const OdGeVector2d chord = p1 - p0;
    const double len2 = chord.lengthSqrd();
    double u = len2 > 0.0 ? (point - p0).dotProduct(chord) / len2 : 0.0;
    u = std::min(1.0, std::max(0.0, u));
    if (pointAt(u).distanceTo(point) > tol)
      return false;
    t = u;
    return true;
  }
  if (std::fabs(point.distanceTo(center) - radius) > tol)
    return false;
  if (point.distanceTo(p0) <= tol)
  {
    t = 0.0;
    return true;
  }
  if (point.distanceTo(p1) <= tol)
  {
    t = 1.0;
    return true;
  }
  const double a = std::atan2(point.y - center.y, point.x - center.x);
  const double along = normalizeAngle(sweep > 0.0 ? a - startAng : startAng - a);
  if (along > std::fabs(sweep))
    return false;
  t = along / std::fabs(sweep);
  return true;
}

double BulgeSeg::closestParam(const OdGePoint2d& point, bool extendBefore, bool extendAfter) const
{
  if (!isArc)
  {
    const OdGeVector2d chord = p1 - p0;
    const double len2 = chord.lengthSqrd();
    double u = len2 > 0.0 ? (point - p0).dotProduct(chord) / len2 : 0.0;
    if (!extendBefore)
      u = std::max(0.0, u);
    if (!extendAfter)
      u = std::min(1.0, u);
    return u;
  }
  const OdGeVector2d fromCenter = point - center;
  if (fromCenter.isZeroLength())
    return 0.0;
  const double a = std::atan2(fromCenter.y, fromCenter.x);
  const double along = normalizeAngle(sweep > 0.0 ? a - startAng : startAng - a);
  const double total = std::fabs(sweep);
  if (along <= total)
    return along / total;
  if (extendBefore || extendAfter)
  {
    // On the rest of the circle: beyond the end or before the start, whichever is nearer in angle.
    const double beyond = along - total;
    const double before = Oda2PI - along;
    if (extendAfter && (!extendBefore || beyond <= before))
      return along / total;
    return -before / total;
  }
  return pointAt(0.0).distanceTo(point) <= pointAt(1.0).distanceTo(point) ? 0.0 : 1.0;
}
namespace
{
// De Boor's evaluation at t in the span [knots[k], knots[k + 1]).
OdGePoint3d deBoor(const std::vector<OdGePoint3d>& control, const std::vector<double>& knots, int degree, int k,
                   double t)
{
  std::vector<OdGePoint3d> d(control.begin() + (k - degree), control.begin() + (k + 1));
  for (int r = 1; r <= degree; ++r)
    for (int j = degree; j >= r; --j)
    {
      const double a0 = knots[j + k - degree];
      const double a1 = knots[j + 1 + k - r];
      const double alpha = a1 > a0 ? (t - a0) / (a1 - a0) : 0.0;
      d[j] = d[j - 1] + (d[j] - d[j - 1]) * alpha;
    }
  return d[degree];
}
} // namespace

std::vector<OdGePoint3d> uniformBSplinePoints(const std::vector<OdGePoint3d>& control, int degree, int segments,
                                              bool closed)
{
  const int n = static_cast<int>(control.size());
  if (n < 2 || segments < 1 || degree < 1)
    return control;
  std::vector<OdGePoint3d> points;
  if (closed)
  {
    // Periodic: the control polygon wrapped by `degree` points, knots 0, 1, 2, ...
    const int p = std::min(degree, n - 1);
    std::vector<OdGePoint3d> wrapped(control);
    for (int i = 0; i < p; ++i)
      wrapped.push_back(control[i]);
    std::vector<double> knots;
    for (int i = 0; i < static_cast<int>(wrapped.size()) + p + 1; ++i)
      knots.push_back(i);
    for (int span = 0; span < n; ++span)
      for (int s = 0; s < segments; ++s)
        points.push_back(deBoor(wrapped, knots, p, p + span, p + span + double(s) / segments));
    return points;
  }
  const int p = std::min(degree, n - 1);
  const int spans = n - p;
  std::vector<double> knots(p + 1, 0.0);
  for (int i = 1; i < spans; ++i)
    knots.push_back(i);
  knots.insert(knots.end(), p + 1, double(spans));
  for (int span = 0; span < spans; ++span)
    for (int s = 0; s < segments; ++s)
      points.push_back(deBoor(control, knots, p, p + span, span + double(s) / segments));
  points.push_back(control.back());
  return points;
}
} // namespace odDbCurveGeom
