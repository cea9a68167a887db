// Arcs given by two points and a bulge.
#include "ProfileArcs.h"

#include <algorithm>
#include <cmath>

#include "Ge/GeGbl.h"

namespace profile
{
namespace
{
// The chord's length, the signed sweep and the radius of a bulge's arc; false for a straight
// segment (zero or non-finite bulge, coincident ends) or one without a finite radius.
bool sweepAndRadius(const OdGePoint2d& from, const OdGePoint2d& to, double bulge, double& length, double& sweep, double& radius)
{
  if (bulge == 0.0 || !std::isfinite(bulge))
    return false;
  length = (to - from).length();
  if (!(length > 0.0) || !std::isfinite(length))
    return false;
  sweep = 4.0 * std::atan(bulge);
  radius = length / (2.0 * std::sin(std::fabs(sweep) / 2.0));
  return std::isfinite(radius);
}
} // namespace

bool bulgeArc(const OdGePoint2d& from, const OdGePoint2d& to, double bulge, BulgeArc& arc)
{
  double length = 0.0;
  if (!sweepAndRadius(from, to, bulge, length, arc.sweep, arc.radius))
    return false;
  const double half = std::fabs(arc.sweep) / 2.0;
  // The center lies on the chord's bisector, to the left for a counter-clockwise arc below a
  // half turn; past a half turn the tangent changes sign and the center crosses the chord.
  const OdGeVector2d chord = to - from;
  const OdGeVector2d left = chord.perpVector() / length;
  const double offset = (length / 2.0) / std::tan(half);
  arc.center = from + chord * 0.5 + left * (arc.sweep > 0.0 ? offset : -offset);
  arc.startAngle = std::atan2(from.y - arc.center.y, from.x - arc.center.x);
  return std::isfinite(arc.center.x) && std::isfinite(arc.center.y);
}

double bulgeSegmentArea(const OdGePoint2d& from, const OdGePoint2d& to, double bulge)
{
  double length = 0.0, sweep = 0.0, radius = 0.0;
  if (!sweepAndRadius(from, to, bulge, length, sweep, radius))
    return 0.0;
  const double s = std::fabs(sweep);
  const double area = 0.5 * radius * radius * (s - std::sin(s));
  return sweep > 0.0 ? area : -area;
}

void addBulgeExtents(OdGeExtents2d& ext, const OdGePoint2d& from, const OdGePoint2d& to, double bulge)
{
  BulgeArc arc;
  if (bulgeArc(from, to, bulge, arc))
    addArcExtents(ext, arc, to);
}

void addArcExtents(OdGeExtents2d& ext, const BulgeArc& arc, const OdGePoint2d& to)
{
  // Quadrant points k * pi/2 passed by the sweep.
  const double a0 = arc.startAngle;
  const double a1 = a0 + arc.sweep;
  const double lo = std::min(a0, a1);
  const double hi = std::max(a0, a1);
  static const double kCos[4] = {1.0, 0.0, -1.0, 0.0};
  static const double kSin[4] = {0.0, 1.0, 0.0, -1.0};
  for (double k = std::ceil(lo / OdaPI2); k * OdaPI2 <= hi; k += 1.0)
  {
    const long long quadrant = static_cast<long long>(k);
    const int q = static_cast<int>(((quadrant % 4) + 4) % 4);
    ext.addPoint(arc.center + OdGeVector2d(kCos[q], kSin[q]) * arc.radius);
  }
  ext.addPoint(to);
}
} // namespace profile
