// Tests of the 2D profile library: exact contour areas with bulges, orientation, and booleans
// whose curved results keep the areas of the true regions (not of the chords Clipper sees),
// at any offset and size, with degenerate operands that must neither crash nor give NaN.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "AECGe/Ge2dProfile.h"
#include "Ge/GeGbl.h"

using AECGe::Contour2D;
using AECGe::Profile2D;
using AECGe::Profile2DBool;

namespace
{
// A full circle as two half-circle bulges.
Contour2D circle(double cx, double cy, double r, bool ccw = true)
{
  Contour2D c;
  const double b = ccw ? 1.0 : -1.0;
  c.appendVertex(OdGePoint2d(cx + r, cy), b);
  c.appendVertex(OdGePoint2d(cx - r, cy), b);
  c.setClosed(true);
  return c;
}

Contour2D rect(double x0, double y0, double x1, double y1)
{
  Contour2D c;
  OdGePoint2dArray pts;
  pts.append(OdGePoint2d(x0, y0));
  pts.append(OdGePoint2d(x1, y0));
  pts.append(OdGePoint2d(x1, y1));
  pts.append(OdGePoint2d(x0, y1));
  c.appendVertices(pts);
  c.setClosed(true);
  return c;
}

// Area common to two unit circles whose centres are d apart.
double lens(double d) { return 2.0 * std::acos(d / 2.0) - (d / 2.0) * std::sqrt(4.0 - d * d); }

double evalArea(const Profile2D& a, const Profile2D& b, int op)
{
  Profile2DBool evaluator;
  Profile2D result;
  EXPECT_TRUE(evaluator.evalRegions(a, b, op, result));
  return result.signedArea();
}
} // namespace

TEST(ProfileContour, AreasCountArcsExactlyAndFollowOrientation)
{
  EXPECT_NEAR(circle(0, 0, 1).signedArea(), OdaPI, 1e-14);
  EXPECT_NEAR(circle(5, -3, 2, false).signedArea(), -4.0 * OdaPI, 1e-12);
  EXPECT_DOUBLE_EQ(rect(0, 0, 3, 2).signedArea(), 6.0);

  // A quarter-turn bulge on one side of a unit square adds the circular segment beyond it.
  Contour2D bulged = rect(0, 0, 1, 1);
  bulged.setBulgeAt(0, std::tan(OdaPI / 8.0)); // counter-clockwise: bulges below y = 0, outwards
  const double r = 1.0 / (2.0 * std::sin(OdaPI / 4.0));
  EXPECT_NEAR(bulged.signedArea(), 1.0 + 0.5 * r * r * (OdaPI / 2.0 - 1.0), 1e-14);

  Contour2D reversed = bulged;
  reversed.reverse();
  EXPECT_NEAR(reversed.signedArea(), -bulged.signedArea(), 1e-14);
  reversed.makeCCW(true);
  EXPECT_NEAR(reversed.signedArea(), bulged.signedArea(), 1e-14);
  reversed.makeCCW(false);
  EXPECT_LT(reversed.signedArea(), 0.0);

  EXPECT_THROW(bulged.setBulgeAt(4, 0.5), OdError);
}

TEST(ProfileBool, CircleOperationsMatchTheirAnalyticAreas)
{
  struct Case
  {
    double distance;
    int op;
    double expected;
  };
  const Case cases[] = {
      {0.3, Profile2DBool::kUnion, 2 * OdaPI - lens(0.3)},
      {1.0, Profile2DBool::kUnion, 2 * OdaPI - lens(1.0)},
      {1.9, Profile2DBool::kUnion, 2 * OdaPI - lens(1.9)},
      {1.995, Profile2DBool::kUnion, 2 * OdaPI - lens(1.995)},
      {1.999, Profile2DBool::kIntersection, lens(1.999)},
      {1.9999, Profile2DBool::kIntersection, lens(1.9999)},
      {1.99999999, Profile2DBool::kIntersection, lens(1.99999999)},
      {1.0, Profile2DBool::kIntersection, lens(1.0)},
      {1.0, Profile2DBool::kDifference, OdaPI - lens(1.0)},
      {1.0, Profile2DBool::kSymmetricDifference, 2 * OdaPI - 2 * lens(1.0)},
      {2.5, Profile2DBool::kUnion, 2 * OdaPI},
      {2.5, Profile2DBool::kIntersection, 0.0},
  };
  for (const Case& c : cases)
  {
    // Along the axis and along a direction halfway between two chord ends.
    for (double angle : {0.0, OdaPI / 32.0, 0.3})
    {
      const double area = evalArea(Profile2D(circle(0, 0, 1)),
                                   Profile2D(circle(c.distance * std::cos(angle), c.distance * std::sin(angle), 1)), c.op);
      EXPECT_NEAR(area, c.expected, 1e-9) << "distance " << c.distance << " angle " << angle << " operation " << c.op;
    }
  }
}

TEST(ProfileBool, ArcsCrossingStraightEdgesAreCutExactly)
{
  // A unit circle cut by a rectangle through its centre: a half disc, and a lens-free union.
  EXPECT_NEAR(evalArea(Profile2D(circle(0, 0, 1)), Profile2D(rect(0, -2, 2, 2)), Profile2DBool::kIntersection),
              OdaPI / 2.0, 1e-9);
  // The cap above y = 0.5: r^2 acos(h) - h sqrt(1 - h^2).
  const double h = 0.5;
  const double cap = std::acos(h) - h * std::sqrt(1 - h * h);
  EXPECT_NEAR(evalArea(Profile2D(circle(0, 0, 1)), Profile2D(rect(-2, -2, 2, h)), Profile2DBool::kDifference), cap,
              1e-9);
}

// A straight edge that cuts a thin cap off a circle, between two chord ends of the circle and
// at one of them, and a small circle poking out of a large one by a thin crescent.
TEST(ProfileBool, ThinCapsAndCrescentsAreKept)
{
  for (double depth : {0.004, 1e-4, 1e-6})
    for (double angle : {OdaPI / 32.0, OdaPI / 2.0, 0.7})
    {
      const OdGeVector2d n(std::cos(angle), std::sin(angle));
      const OdGeVector2d t = n.perpVector();
      const double p = 1.0 - depth;
      Contour2D below;
      OdGePoint2dArray pts;
      pts.append(OdGePoint2d() + n * p - t * 5.0);
      pts.append(OdGePoint2d() + n * p - t * 5.0 - n * 5.0);
      pts.append(OdGePoint2d() + n * p + t * 5.0 - n * 5.0);
      pts.append(OdGePoint2d() + n * p + t * 5.0);
      below.appendVertices(pts);
      below.setClosed(true);
      below.makeCCW(true);
      const double cap = std::acos(p) - p * std::sqrt(1.0 - p * p);
      EXPECT_NEAR(evalArea(Profile2D(circle(0, 0, 1)), Profile2D(below), Profile2DBool::kDifference), cap, 1e-9 + 1e-6 * cap)
        << "depth " << depth << " angle " << angle;
    }
  // A unit circle whose edge lies 0.003 outside a circle of radius 5, off the chord ends.
  const double d = 4.003;
  const double x = (d * d + 25.0 - 1.0) / (2.0 * d);
  const double h = std::sqrt(25.0 - x * x);
  // What pokes out: the small circle's segment beyond the common chord (which lies x - d past
  // its centre) less the large circle's segment there.
  const double small = std::acos(x - d) - (x - d) * std::sqrt(1.0 - (x - d) * (x - d));
  const double large = 25.0 * std::acos(x / 5.0) - x * h;
  const double out = small - large;
  const double a = 0.3;
  EXPECT_NEAR(evalArea(Profile2D(circle(d * std::cos(a), d * std::sin(a), 1)), Profile2D(circle(0, 0, 5)),
                       Profile2DBool::kDifference),
              out, 1e-9);
}

TEST(ProfileBool, PrecisionHoldsFarFromTheOriginAndAtAnySize)
{
  for (double offset : {0.0, 1.0e4, 1.0e7})
    for (double size : {1.0e-4, 1.0, 1.0e5})
    {
      const double area = evalArea(Profile2D(circle(offset, offset, size)), Profile2D(circle(offset + size, offset, size)),
                                   Profile2DBool::kUnion);
      const double expected = (2 * OdaPI - lens(1.0)) * size * size;
      // Beyond 1e-9, only what the doubles of the input points can hold at that offset.
      const double inputPrecision = 4.0 * std::numeric_limits<double>::epsilon() * offset / size;
      EXPECT_NEAR(area / expected, 1.0, 1e-9 + inputPrecision) << "offset " << offset << " size " << size;
    }
}

namespace
{
struct Disk
{
  double x, y, r;
};
// A convex polygon, counter-clockwise.
typedef std::vector<OdGePoint2d> Convex;

struct Crowd
{
  std::vector<Disk> disks;
  std::vector<Convex> polygons;

  bool inside(const OdGePoint2d& p, const void* except) const
  {
    for (const Disk& d : disks)
      if (&d != except && std::hypot(p.x - d.x, p.y - d.y) < d.r)
        return true;
    for (const Convex& poly : polygons)
    {
      if (&poly == except)
        continue;
      bool in = true;
      for (size_t k = 0; k < poly.size() && in; ++k)
        in = (poly[(k + 1) % poly.size()] - poly[k]).crossProduct(p - poly[k]) > 0.0;
      if (in)
        return true;
    }
    return false;
  }
};

// Where the segment a -> b crosses the circle, as parameters along the segment.
std::vector<double> segmentCircle(const OdGePoint2d& a, const OdGePoint2d& b, const Disk& d)
{
  const OdGeVector2d ab = b - a, f = a - OdGePoint2d(d.x, d.y);
  const double qa = ab.lengthSqrd(), qb = 2.0 * ab.dotProduct(f), qc = f.lengthSqrd() - d.r * d.r;
  const double disc = qb * qb - 4.0 * qa * qc;
  std::vector<double> ts;
  if (disc > 0.0)
    for (double t : {(-qb - std::sqrt(disc)) / (2.0 * qa), (-qb + std::sqrt(disc)) / (2.0 * qa)})
      if (t > 0.0 && t < 1.0)
        ts.push_back(t);
  return ts;
}

// The union's area by Green's theorem over the pieces of its boundary: every circle and edge is
// cut where it crosses another shape, and a piece counts where its midpoint lies in no other.
double unionArea(const Crowd& crowd)
{
  double area = 0.0;
  for (const Disk& a : crowd.disks)
  {
    std::vector<double> cuts = {-OdaPI, OdaPI};
    for (const Disk& b : crowd.disks)
    {
      const double d = std::hypot(b.x - a.x, b.y - a.y);
      if (&b == &a || d >= a.r + b.r || d <= std::fabs(a.r - b.r))
        continue;
      const double towards = std::atan2(b.y - a.y, b.x - a.x);
      const double half = std::acos((d * d + a.r * a.r - b.r * b.r) / (2.0 * d * a.r));
      for (double t : {towards - half, towards + half})
        cuts.push_back(std::remainder(t, Oda2PI));
    }
    for (const Convex& poly : crowd.polygons)
      for (size_t k = 0; k < poly.size(); ++k)
        for (double t : segmentCircle(poly[k], poly[(k + 1) % poly.size()], a))
        {
          const OdGePoint2d p = poly[k] + (poly[(k + 1) % poly.size()] - poly[k]) * t;
          cuts.push_back(std::atan2(p.y - a.y, p.x - a.x));
        }
    std::sort(cuts.begin(), cuts.end());
    for (size_t k = 0; k + 1 < cuts.size(); ++k)
    {
      const double t0 = cuts[k], t1 = cuts[k + 1], mid = 0.5 * (t0 + t1);
      if (!crowd.inside(OdGePoint2d(a.x + a.r * std::cos(mid), a.y + a.r * std::sin(mid)), &a))
        area += 0.5 * (a.r * a.x * (std::sin(t1) - std::sin(t0)) - a.r * a.y * (std::cos(t1) - std::cos(t0)) +
                       a.r * a.r * (t1 - t0));
    }
  }
  for (const Convex& poly : crowd.polygons)
    for (size_t k = 0; k < poly.size(); ++k)
    {
      const OdGePoint2d a = poly[k], b = poly[(k + 1) % poly.size()];
      std::vector<double> cuts = {0.0, 1.0};
      for (const Disk& d : crowd.disks)
        for (double t : segmentCircle(a, b, d))
          cuts.push_back(t);
      for (const Convex& other : crowd.polygons)
        for (size_t j = 0; j < other.size() && &other != &poly; ++j)
        {
          const OdGePoint2d c = other[j], e = other[(j + 1) % other.size()];
          const double denom = (b - a).crossProduct(e - c);
          if (denom == 0.0)
            continue;
          const double t = (c - a).crossProduct(e - c) / denom, u = (c - a).crossProduct(b - a) / denom;
          if (t > 0.0 && t < 1.0 && u > 0.0 && u < 1.0)
            cuts.push_back(t);
        }
      std::sort(cuts.begin(), cuts.end());
      for (size_t j = 0; j + 1 < cuts.size(); ++j)
      {
        const OdGePoint2d p = a + (b - a) * cuts[j], q = a + (b - a) * cuts[j + 1];
        if (!crowd.inside(a + (b - a) * (0.5 * (cuts[j] + cuts[j + 1])), &poly))
          area += 0.5 * (p.x * q.y - q.x * p.y);
      }
    }
  return area;
}
} // namespace

// Random crowds of circles of mixed sizes and of turned rectangles, many placed to all but touch
// what came before (circles from outside or inside, a corner or an edge just in or out of a
// circle, an edge through a hair from where two circles cross), united as pushed regions: the
// rebuilt arcs give the exact area of the union. There the chords would otherwise meet in
// another order than the curves.
TEST(ProfileBool, UnionsOfCrowdsMatchTheirExactArea)
{
  std::mt19937 random(20261210);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  auto hair = [&] { return (unit(random) < 0.5 ? -1.0 : 1.0) * std::pow(10.0, -2.0 - 4.0 * unit(random)); };
  auto rectangle = [&](const OdGePoint2d& corner, double angle) {
    const OdGeVector2d u(std::cos(angle), std::sin(angle));
    const double w = 0.2 + 2.0 * unit(random), h = 0.2 + 2.0 * unit(random);
    return Convex{corner, corner + u * w, corner + u * w + u.perpVector() * h, corner + u.perpVector() * h};
  };
  for (int trial = 0; trial < 400; ++trial)
  {
    Crowd crowd;
    const int count = 2 + trial % 13;
    for (int k = 0; k < count; ++k)
    {
      const double angle = Oda2PI * unit(random);
      const OdGeVector2d dir(std::cos(angle), std::sin(angle));
      const Disk* last = crowd.disks.empty() ? nullptr : &crowd.disks.back();
      const double pick = unit(random);
      if (trial % 2 == 1 && pick < 0.4)
      {
        OdGePoint2d corner(4.0 * unit(random), 4.0 * unit(random));
        double turn = Oda2PI * unit(random);
        if (last && pick < 0.15)
          corner = OdGePoint2d(last->x, last->y) + dir * (last->r + hair());  // a corner at the circle
        else if (last && pick < 0.3)
        {
          // An edge along a line a hair from the circle, or through where it crosses another.
          const Disk* other = crowd.disks.size() > 1 ? &crowd.disks[crowd.disks.size() - 2] : nullptr;
          const double d = other ? std::hypot(other->x - last->x, other->y - last->y) : 0.0;
          OdGePoint2d through = OdGePoint2d(last->x, last->y) + dir * (last->r + hair());
          if (other && d < last->r + other->r && d > std::fabs(last->r - other->r))
          {
            const double x = (d * d + last->r * last->r - other->r * other->r) / (2.0 * d);
            const OdGeVector2d u = OdGeVector2d(other->x - last->x, other->y - last->y) / d;
            through = OdGePoint2d(last->x, last->y) + u * x + u.perpVector() * std::sqrt(last->r * last->r - x * x) +
                      dir * hair();
          }
          else
            turn = angle + OdaPI2;
          corner = through - OdGeVector2d(std::cos(turn), std::sin(turn)) * (0.1 + unit(random));
        }
        crowd.polygons.push_back(rectangle(corner, turn));
        continue;
      }
      Disk disk{4.0 * unit(random), 4.0 * unit(random), 0.05 + 1.5 * unit(random) * unit(random)};
      if (last && pick < 0.7)
      {
        const double gap = std::fabs(hair());
        const double d = unit(random) < 0.5 ? last->r + disk.r - gap : std::fabs(last->r - disk.r) + gap;
        disk.x = last->x + d * dir.x;
        disk.y = last->y + d * dir.y;
      }
      crowd.disks.push_back(disk);
    }
    Profile2DBool evaluator;
    std::vector<Profile2D> regions;
    for (const Disk& d : crowd.disks)
      regions.push_back(Profile2D(circle(d.x, d.y, d.r)));
    for (const Convex& poly : crowd.polygons)
    {
      Contour2D c;
      for (const OdGePoint2d& p : poly)
        c.appendVertex(p);
      c.setClosed(true);
      regions.push_back(Profile2D(c));
    }
    for (const Profile2D& region : regions)
      evaluator.pushRegion(region);
    Profile2D united;
    ASSERT_TRUE(evaluator.evalPushedRegions(Profile2DBool::kUnion, united));
    const double expected = unionArea(crowd);
    EXPECT_NEAR(std::fabs(united.signedArea()), expected, 1e-9 * expected)
      << "trial " << trial << ": " << crowd.disks.size() << " circles, " << crowd.polygons.size() << " rectangles";
  }
}

TEST(ProfileBool, SymmetricDifferenceMakesIslandsAndPushedRegionsUniteOnce)
{
  // Square of side 10 with an island of side 4, then a second copy of the square pushed with it.
  Profile2DBool evaluator;
  Profile2D region(rect(0, 0, 10, 10));
  ASSERT_TRUE(evaluator.evalRegions(region, Profile2D(rect(3, 3, 7, 7)), Profile2DBool::kSymmetricDifference, region));
  EXPECT_NEAR(region.signedArea(), 84.0, 1e-9);

  evaluator.reset();
  evaluator.pushRegion(region);
  Profile2D covering(rect(0, 0, 10, 10));
  evaluator.pushRegion(covering);
  evaluator.pushRegion(covering);
  Profile2D united;
  ASSERT_TRUE(evaluator.evalPushedRegions(Profile2DBool::kUnion, united));
  EXPECT_NEAR(std::fabs(united.signedArea()), 100.0, 1e-9);

  // After a reset nothing is pushed.
  evaluator.reset();
  EXPECT_EQ(evaluator.numPushedRegions(), 0u);
  Profile2D empty(rect(0, 0, 1, 1));
  ASSERT_TRUE(evaluator.evalPushedRegions(Profile2DBool::kUnion, empty));
  EXPECT_TRUE(empty.isEmpty());
}

TEST(ProfileBool, RepeatedFoldsKeepCurvedResultsCompactAndExact)
{
  // A disc with a ring of holes folded in one by one: each fold reads back the previous result's
  // bulges, so its vertex count must not grow with the number of folds.
  Profile2DBool evaluator;
  Profile2D region(circle(0, 0, 10));
  double expected = 100.0 * OdaPI;
  for (int k = 0; k < 8; ++k)
  {
    const double a = k * Oda2PI / 8.0;
    ASSERT_TRUE(evaluator.evalRegions(region, Profile2D(circle(6 * std::cos(a), 6 * std::sin(a), 1)),
                                      Profile2DBool::kSymmetricDifference, region));
    expected -= OdaPI;
  }
  EXPECT_NEAR(region.signedArea(), expected, 1e-8);
  unsigned vertices = 0;
  for (unsigned i = 0; i < region.numContours(); ++i)
    vertices += region.contourAt(i).numVerts();
  EXPECT_LE(vertices, 9u * 4u);
}

TEST(ProfileBool, DegenerateOperandsNeverGiveNaN)
{
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  Contour2D point;
  point.appendVertex(OdGePoint2d(1, 1));
  Contour2D flat = rect(0, 0, 5, 0);
  Contour2D bowtie;
  bowtie.appendVertex(OdGePoint2d(0, 0));
  bowtie.appendVertex(OdGePoint2d(2, 2));
  bowtie.appendVertex(OdGePoint2d(2, 0));
  bowtie.appendVertex(OdGePoint2d(0, 2));
  Contour2D broken = rect(0, 0, 2, 2);
  broken.appendVertex(OdGePoint2d(nan, 1), 0.5);
  broken.appendVertex(OdGePoint2d(inf, -inf), nan);
  Contour2D empty;

  const Contour2D operands[] = {point, flat, bowtie, broken, empty, circle(0, 0, 0)};
  for (const Contour2D& c : operands)
  {
    EXPECT_TRUE(std::isfinite(c.signedArea()));
    for (int op = 1; op <= 4; ++op)
    {
      const double area = evalArea(Profile2D(c), Profile2D(rect(1, 1, 3, 3)), op);
      EXPECT_TRUE(std::isfinite(area)) << "operation " << op;
    }
  }
  // The vertices with non-finite values are left out: the square alone remains.
  EXPECT_DOUBLE_EQ(broken.signedArea(), 4.0);
  // Both lobes of a self-crossing contour are filled.
  EXPECT_NEAR(std::fabs(evalArea(Profile2D(bowtie), Profile2D(), Profile2DBool::kUnion)), 2.0, 1e-9);
}

TEST(ProfileBool, UnknownOperationLeavesTheResultAlone)
{
  Profile2DBool evaluator;
  Profile2D result(rect(0, 0, 1, 1));
  EXPECT_FALSE(evaluator.evalRegions(Profile2D(rect(0, 0, 2, 2)), Profile2D(rect(1, 1, 3, 3)), 0, result));
  EXPECT_FALSE(evaluator.evalRegions(Profile2D(rect(0, 0, 2, 2)), Profile2D(rect(1, 1, 3, 3)), 5, result));
  evaluator.pushRegion(Profile2D(rect(0, 0, 2, 2)));
  EXPECT_FALSE(evaluator.evalPushedRegions(7, result));
  EXPECT_DOUBLE_EQ(result.signedArea(), 1.0);
}
