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

// The union of disks by Green's theorem over the arcs of its boundary: each circle's arcs
// between its crossings with the others, kept where their midpoint lies in no other disk.
double unionOfDisks(const std::vector<Disk>& disks)
{
  double area = 0.0;
  for (size_t i = 0; i < disks.size(); ++i)
  {
    const Disk& a = disks[i];
    bool covered = false;
    std::vector<double> cuts = {-OdaPI, OdaPI};
    for (size_t j = 0; j < disks.size() && !covered; ++j)
    {
      const Disk& b = disks[j];
      const double d = std::hypot(b.x - a.x, b.y - a.y);
      if (j == i || d >= a.r + b.r)
        continue;
      if (d + a.r <= b.r)
        covered = true;
      if (d <= std::fabs(a.r - b.r))
        continue;
      const double towards = std::atan2(b.y - a.y, b.x - a.x);
      const double half = std::acos((d * d + a.r * a.r - b.r * b.r) / (2.0 * d * a.r));
      for (double t : {towards - half, towards + half})
        cuts.push_back(std::remainder(t, Oda2PI));
    }
    if (covered)
      continue;
    std::sort(cuts.begin(), cuts.end());
    for (size_t k = 0; k + 1 < cuts.size(); ++k)
    {
      const double t0 = cuts[k], t1 = cuts[k + 1], mid = 0.5 * (t0 + t1);
      const double mx = a.x + a.r * std::cos(mid), my = a.y + a.r * std::sin(mid);
      const bool inside = std::any_of(disks.begin(), disks.end(), [&](const Disk& b) {
        return &b != &a && std::hypot(mx - b.x, my - b.y) < b.r;
      });
      if (!inside)
        area += 0.5 * (a.r * a.x * (std::sin(t1) - std::sin(t0)) - a.r * a.y * (std::cos(t1) - std::cos(t0)) +
                       a.r * a.r * (t1 - t0));
    }
  }
  return area;
}
} // namespace

// Random crowds of circles of mixed sizes, some placed to all but touch another from outside or
// inside, united as pushed regions: the rebuilt arcs give the exact area of the union. Near
// tangencies and crossings of two circles that lie a hair from a third are where the chords
// would meet in another order than the curves.
TEST(ProfileBool, UnionsOfCircleCrowdsMatchTheirExactArea)
{
  std::mt19937 random(20261210);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int trial = 0; trial < 300; ++trial)
  {
    std::vector<Disk> disks;
    const int count = 2 + trial % 13;
    for (int k = 0; k < count; ++k)
    {
      Disk disk{4.0 * unit(random), 4.0 * unit(random), 0.05 + 1.5 * unit(random) * unit(random)};
      if (k > 0 && unit(random) < 0.4)
      {
        // Within a hair of touching the previous disk, from outside or from inside.
        const Disk& other = disks.back();
        const double gap = std::pow(10.0, -2.0 - 4.0 * unit(random));
        const double angle = Oda2PI * unit(random);
        const double d = unit(random) < 0.5 ? other.r + disk.r - gap : std::fabs(other.r - disk.r) + gap;
        disk.x = other.x + d * std::cos(angle);
        disk.y = other.y + d * std::sin(angle);
      }
      disks.push_back(disk);
    }
    Profile2DBool evaluator;
    std::vector<Profile2D> regions;
    for (const Disk& d : disks)
      regions.push_back(Profile2D(circle(d.x, d.y, d.r)));
    for (const Profile2D& region : regions)
      evaluator.pushRegion(region);
    Profile2D united;
    ASSERT_TRUE(evaluator.evalPushedRegions(Profile2DBool::kUnion, united));
    const double expected = unionOfDisks(disks);
    EXPECT_NEAR(std::fabs(united.signedArea()), expected, 1e-9 * expected) << "trial " << trial << ", " << count << " circles";
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
