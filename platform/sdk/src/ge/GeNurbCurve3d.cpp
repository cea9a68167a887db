// OdGeNurbCurve3d: de Boor evaluation in homogeneous coordinates, the derivative through the
// derivative curve's control points, arc length per knot span and the nearest-point search.
#include "Ge/GeNurbCurve3d.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "OdError.h"
#include "db/curves/CurveGeom.h"

namespace
{
// A control point times its weight, and the weight. Default construction leaves it unset, so
// that evaluation buffers cost nothing; Homog() is zero.
struct Homog
{
  double x, y, z, w;
  Homog() = default;
  Homog(double x_, double y_, double z_, double w_) : x(x_), y(y_), z(z_), w(w_) {}
  Homog operator+(const Homog& o) const { return {x + o.x, y + o.y, z + o.z, w + o.w}; }
  Homog operator-(const Homog& o) const { return {x - o.x, y - o.y, z - o.z, w - o.w}; }
  Homog operator*(double f) const { return {x * f, y * f, z * f, w * f}; }
};

// The index k of the span [t[k], t[k + 1]) holding u, with degree <= k < count (the last span
// also holds the end of the interval).
int findSpan(const double* t, int count, int degree, double u)
{
  const int k = static_cast<int>(std::upper_bound(t + degree + 1, t + count, u) - t) - 1;
  return std::max(degree, std::min(k, count - 1));
}

// De Boor's algorithm for the B-spline of degree p with the knots t at u in the span k, on the
// p + 1 homogeneous control points of the span in d (overwritten). Returns the point; with
// derivative set, also the homogeneous derivative, p / (t[k + 1] - t[k]) times the difference
// of the two points of the last-but-one level.
Homog deBoorSpan(Homog* d, const double* t, int p, int k, double u, Homog* derivative)
{
  for (int r = 1; r <= p; ++r)
  {
    if (r == p && derivative)
    {
      const double span = t[k + 1] - t[k];
      *derivative = span == 0.0 ? Homog(0.0, 0.0, 0.0, 0.0) : (d[p] - d[p - 1]) * (p / span);
    }
    for (int j = p; j >= r; --j)
    {
      const int i = j + k - p;
      const double denom = t[i + 1 + p - r] - t[i];
      const double alpha = denom == 0.0 ? 0.0 : (u - t[i]) / denom;
      d[j] = d[j - 1] * (1.0 - alpha) + d[j] * alpha;
    }
  }
  return d[p];
}

// The point (and with derivative set, the derivative) at u of the curve of degree p: the
// control points of the span are gathered on the stack for the degrees drawings use.
Homog evalHomogeneous(const OdGePoint3dArray& points, const OdGeDoubleArray& weights, const double* t, int p,
                      double u, Homog* derivative)
{
  if (p < 1) // a valid curve has degree 1 or more
  {
    if (derivative)
      *derivative = Homog(0.0, 0.0, 0.0, 0.0);
    return Homog(points.first().x, points.first().y, points.first().z, 1.0);
  }
  const int k = findSpan(t, static_cast<int>(points.size()), p, u);
  Homog small[16];
  std::vector<Homog> large;
  Homog* d = small;
  if (p + 1 > 16)
  {
    large.resize(static_cast<std::size_t>(p) + 1);
    d = large.data();
  }
  const OdGePoint3d* at = points.getPtr() + (k - p);
  if (weights.isEmpty())
    for (int j = 0; j <= p; ++j)
      d[j] = Homog(at[j].x, at[j].y, at[j].z, 1.0);
  else
  {
    const double* w = weights.getPtr() + (k - p);
    for (int j = 0; j <= p; ++j)
      d[j] = Homog(at[j].x * w[j], at[j].y * w[j], at[j].z * w[j], w[j]);
  }
  return deBoorSpan(d, t, p, k, u, derivative);
}

// The vector divided by its length, however short (zero for a zero or non-finite vector):
// normal() treats vectors below the tolerance as zero, and small curves have such directions.
OdGeVector3d unit(const OdGeVector3d& v)
{
  const double len = v.length();
  return std::isfinite(len) && len > 0.0 ? v / len : OdGeVector3d();
}

OdGeVector3d normalTowardsPositive(OdGeVector3d n)
{
  if (n.z < 0.0 || (n.z == 0.0 && (n.y < 0.0 || (n.y == 0.0 && n.x < 0.0))))
    n = -n;
  return n;
}
} // namespace

OdGeNurbCurve3d::OdGeNurbCurve3d(int degree, const OdGeKnotVector& knots, const OdGePoint3dArray& controlPoints,
                                 const OdGeDoubleArray& weights, bool isPeriodic)
{
  if (!checkData(degree, knots.getArray(), controlPoints, weights))
    return;
  m_degree = degree;
  m_knots = knots;
  m_points = controlPoints;
  m_weights = weights;
  m_periodic = isPeriodic;
}

bool OdGeNurbCurve3d::checkData(int degree, const OdGeDoubleArray& knots, const OdGePoint3dArray& controlPoints,
                                const OdGeDoubleArray& weights)
{
  const int n = static_cast<int>(controlPoints.size());
  if (degree < 1 || n < degree + 1 || static_cast<int>(knots.size()) != n + degree + 1)
    return false;
  for (unsigned i = 0; i < knots.size(); ++i)
    if (!std::isfinite(knots[i]) || (i > 0 && knots[i] < knots[i - 1]))
      return false;
  if (!(knots[static_cast<unsigned>(degree)] < knots[static_cast<unsigned>(n)]))
    return false;
  for (unsigned i = 0; i < controlPoints.size(); ++i)
    if (!std::isfinite(controlPoints[i].x) || !std::isfinite(controlPoints[i].y) || !std::isfinite(controlPoints[i].z))
      return false;
  if (weights.isEmpty())
    return true;
  if (weights.size() != controlPoints.size())
    return false;
  for (unsigned i = 0; i < weights.size(); ++i)
    if (!std::isfinite(weights[i]) || weights[i] <= 0.0)
      return false;
  return true;
}

OdGeEntity3d& OdGeNurbCurve3d::transformBy(const OdGeMatrix3d& xfm)
{
  for (unsigned i = 0; i < m_points.size(); ++i)
    m_points[i] = xfm * m_points[i];
  return *this;
}

bool OdGeNurbCurve3d::isOn(const OdGePoint3d& point, const OdGeTol& tol) const
{
  return !isEmpty() && closestPointTo(point, tol).distanceTo(point) <= tol.equalPoint();
}

void OdGeNurbCurve3d::getInterval(OdGeInterval& interval) const
{
  if (isEmpty())
    interval.set(0.0, 0.0);
  else
    interval.set(m_knots[m_degree], m_knots[numControlPoints()]);
}

OdGePoint3d OdGeNurbCurve3d::evalPoint(double param) const
{
  if (isEmpty())
    return OdGePoint3d::kOrigin;
  OdGeInterval interval;
  getInterval(interval);
  const double u = std::min(std::max(param, interval.lowerBound()), interval.upperBound());
  // A clamped end is its control point: the start and end points cost no evaluation.
  const double* t = m_knots.getArray().getPtr();
  const int n = static_cast<int>(m_points.size());
  if (u == t[m_degree] && t[0] == t[m_degree])
    return m_points.first();
  if (u == t[n] && t[n] == t[n + m_degree])
    return m_points.last();
  const Homog h = evalHomogeneous(m_points, m_weights, t, m_degree, u, nullptr);
  return OdGePoint3d(h.x / h.w, h.y / h.w, h.z / h.w);
}

OdGeVector3d OdGeNurbCurve3d::evalDeriv(double param) const
{
  OdGeVector3d derivative;
  pointAndDerivative(param, &derivative);
  return derivative;
}

OdGePoint3d OdGeNurbCurve3d::evalPoint(double param, int numDeriv, OdGeVector3dArray& derivatives) const
{
  if (numDeriv < 0 || numDeriv > 1)
    throw OdError(eNotImplementedYet);
  derivatives.resize(static_cast<unsigned>(numDeriv));
  return numDeriv == 1 ? pointAndDerivative(param, &derivatives[0]) : evalPoint(param);
}

OdGePoint3d OdGeNurbCurve3d::pointAndDerivative(double param, OdGeVector3d* derivative) const
{
  if (isEmpty())
  {
    *derivative = OdGeVector3d();
    return OdGePoint3d::kOrigin;
  }
  OdGeInterval interval;
  getInterval(interval);
  const double u = std::min(std::max(param, interval.lowerBound()), interval.upperBound());
  Homog da;
  const Homog a = evalHomogeneous(m_points, m_weights, m_knots.getArray().getPtr(), m_degree, u, &da);
  // C = A / w, so C' = (A' - w' C) / w.
  const double w = a.w;
  *derivative = OdGeVector3d((da.x - da.w * a.x / w) / w, (da.y - da.w * a.y / w) / w, (da.z - da.w * a.z / w) / w);
  return OdGePoint3d(a.x / w, a.y / w, a.z / w);
}

double OdGeNurbCurve3d::length(double fromParam, double toParam, double) const
{
  if (isEmpty())
    return 0.0;
  OdGeInterval interval;
  getInterval(interval);
  double a = std::max(std::min(fromParam, toParam), interval.lowerBound());
  const double b = std::min(std::max(fromParam, toParam), interval.upperBound());
  double sum = 0.0;
  // One integration per knot span: the speed is smooth inside a span but not across knots.
  for (int k = m_degree; k < numControlPoints() && a < b; ++k)
  {
    const double spanEnd = std::min(b, m_knots[k + 1]);
    if (spanEnd > a)
    {
      sum += odDbCurveGeom::integrate([this](double u) { return evalDeriv(u).length(); }, a, spanEnd, 4);
      a = spanEnd;
    }
  }
  return sum;
}

double OdGeNurbCurve3d::paramOf(const OdGePoint3d& point, const OdGeTol&) const
{
  if (isEmpty())
    return 0.0;
  // The nearest of 16 samples per span, then a golden-section search between its neighbours.
  OdGeInterval interval;
  getInterval(interval);
  const double lo = interval.lowerBound(), hi = interval.upperBound();
  const int samples = 16 * (numControlPoints() - m_degree);
  const double step = (hi - lo) / samples;
  int best = 0;
  double bestDist = evalPoint(lo).distanceTo(point);
  for (int i = 1; i <= samples; ++i)
  {
    const double d = evalPoint(lo + i * step).distanceTo(point);
    if (d < bestDist)
    {
      bestDist = d;
      best = i;
    }
  }
  double a = std::max(lo, lo + (best - 1) * step), b = std::min(hi, lo + (best + 1) * step);
  const double g = (std::sqrt(5.0) - 1.0) / 2.0;
  for (int i = 0; i < 80 && b - a > 1e-15 * std::max(1.0, std::fabs(b)); ++i)
  {
    const double c = b - g * (b - a), d = a + g * (b - a);
    if (evalPoint(c).distanceTo(point) < evalPoint(d).distanceTo(point))
      b = d;
    else
      a = c;
  }
  return (a + b) / 2.0;
}

OdGePoint3d OdGeNurbCurve3d::closestPointTo(const OdGePoint3d& point, const OdGeTol& tol) const
{
  return evalPoint(paramOf(point, tol));
}

OdGeCurve3d& OdGeNurbCurve3d::reverseParam()
{
  if (isEmpty())
    return *this;
  m_points.reverse();
  m_weights.reverse();
  const OdGeDoubleArray& old = m_knots.getArray();
  const double sum = old.first() + old.last();
  OdGeDoubleArray knots;
  for (unsigned i = old.size(); i-- > 0;)
    knots.append(sum - old[i]);
  m_knots = OdGeKnotVector(knots, m_knots.tolerance());
  return *this;
}

void OdGeNurbCurve3d::getDefinitionData(int& degree, bool& rational, bool& periodic, OdGeKnotVector& knots,
                                        OdGePoint3dArray& controlPoints, OdGeDoubleArray& weights) const
{
  degree = m_degree;
  rational = isRational();
  periodic = m_periodic;
  knots = m_knots;
  controlPoints = m_points;
  weights = m_weights;
}

bool OdGeNurbCurve3d::isLinear(OdGeLine3d& line, const OdGeTol& tol) const
{
  if (isEmpty())
    return false;
  const OdGePoint3d origin = m_points.first();
  OdGePoint3d far = origin;
  for (unsigned i = 1; i < m_points.size(); ++i)
    if (m_points[i].distanceTo(origin) > far.distanceTo(origin))
      far = m_points[i];
  if (far.distanceTo(origin) <= tol.equalPoint())
    return false;
  const OdGeLine3d candidate(origin, far - origin);
  for (unsigned i = 0; i < m_points.size(); ++i)
    if (candidate.closestPointTo(m_points[i]).distanceTo(m_points[i]) > tol.equalPoint())
      return false;
  line = candidate;
  return true;
}

bool OdGeNurbCurve3d::isPlanar(OdGePlane& plane, const OdGeTol& tol) const
{
  if (isEmpty())
    return false;
  OdGeLine3d line;
  if (isLinear(line, tol))
  {
    const OdGeVector3d dir = unit(line.evalPoint(1.0) - line.pointOnLine());
    OdGeVector3d normal = unit(dir.crossProduct(OdGeVector3d::kZAxis).crossProduct(dir));
    if (normal.isZeroLength())
      normal = unit(dir.perpVector());
    if (normal.isZeroLength())
      return false;
    plane.set(line.pointOnLine(), normalTowardsPositive(normal));
    return true;
  }
  // The plane through the first control point, the farthest one and the one farthest from their
  // line.
  const OdGePoint3d origin = m_points.first();
  OdGePoint3d far = origin;
  for (unsigned i = 1; i < m_points.size(); ++i)
    if (m_points[i].distanceTo(origin) > far.distanceTo(origin))
      far = m_points[i];
  const OdGeLine3d axis(origin, far - origin);
  OdGePoint3d third = origin;
  double thirdDist = 0.0;
  for (unsigned i = 0; i < m_points.size(); ++i)
  {
    const double d = axis.closestPointTo(m_points[i]).distanceTo(m_points[i]);
    if (d > thirdDist)
    {
      thirdDist = d;
      third = m_points[i];
    }
  }
  if (thirdDist <= tol.equalPoint())
    return false;
  const OdGeVector3d normal = normalTowardsPositive(unit((far - origin).crossProduct(third - origin)));
  if (normal.isZeroLength())
    return false;
  for (unsigned i = 0; i < m_points.size(); ++i)
    if (std::fabs((m_points[i] - origin).dotProduct(normal)) > tol.equalPoint())
      return false;
  plane.set(origin, normal);
  return true;
}
