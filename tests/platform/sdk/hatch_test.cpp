// Tests of the hatch stand-in: exact areas of loops made of every edge kind, island styles,
// refused loops and values that leave the hatch unchanged, pattern lines, extents in the
// hatch plane, and deep copies of the loops.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "DbHatch.h"
#include "Ge/GeCircArc2d.h"
#include "Ge/GeEllipArc2d.h"
#include "Ge/GeExtents3d.h"
#include "Ge/GeGbl.h"
#include "Ge/GeLineSeg2d.h"
#include "Ge/GeNurbCurve2d.h"
#include "Ge/GeScale3d.h"
#include "Ge/GeMatrix3d.h"
#include "KyTestGeometry.h"
#include "OdError.h"

namespace
{
OdDbHatchPtr newHatch() { return OdDbHatch::createObject(); }

void appendSquare(OdDbHatch* hatch, OdInt32 type, double x0, double y0, double side)
{
  OdGePoint2dArray pts;
  pts.append(OdGePoint2d(x0, y0));
  pts.append(OdGePoint2d(x0 + side, y0));
  pts.append(OdGePoint2d(x0 + side, y0 + side));
  pts.append(OdGePoint2d(x0, y0 + side));
  hatch->appendLoop(type | OdDbHatch::kPolyline, pts, OdGeDoubleArray());
}

double areaOf(const OdDbHatch* hatch)
{
  double area = -1.0;
  EXPECT_EQ(hatch->getArea(area), eOk);
  return area;
}

OdGeNurbCurve2d* quadratic(const OdGePoint2d& a, const OdGePoint2d& b, const OdGePoint2d& c,
                           const OdGeDoubleArray& weights = OdGeDoubleArray())
{
  OdGeDoubleArray knots;
  for (double k : {0.0, 0.0, 0.0, 1.0, 1.0, 1.0})
    knots.append(k);
  OdGePoint2dArray pts;
  pts.append(a);
  pts.append(b);
  pts.append(c);
  return new OdGeNurbCurve2d(2, OdGeKnotVector(knots), pts, weights);
}
} // namespace

TEST(HatchArea, EveryEdgeKindCountsItsExactArea)
{
  struct Case
  {
    const char* what;
    OdDbHatch::EdgeArray edges;
    double expected;
  };
  OdGeDoubleArray rational;
  rational.append(1.0);
  rational.append(std::sqrt(0.5));
  rational.append(1.0);
  std::vector<Case> cases;
  cases.push_back({"unit circle as one arc", {new OdGeCircArc2d(OdGePoint2d(3, 4), 1.0)}, OdaPI});
  cases.push_back({"clockwise circle", {new OdGeCircArc2d(OdGePoint2d(0, 0), 2.0, 0.0, Oda2PI, OdGeVector2d::kXAxis, true)},
                   4.0 * OdaPI});
  cases.push_back({"half disc: arc and line",
                   {new OdGeCircArc2d(OdGePoint2d(1, 1), 1.0, 0.0, OdaPI), new OdGeLineSeg2d(OdGePoint2d(0, 1), OdGePoint2d(2, 1))},
                   OdaPI / 2.0});
  cases.push_back({"ellipse 2 x 1", {new OdGeEllipArc2d(OdGePoint2d(0, 0), OdGeVector2d(1, 1), OdGeVector2d(-1, 1), 2.0, 1.0)},
                   2.0 * OdaPI});
  cases.push_back({"half ellipse and its chord",
                   {new OdGeEllipArc2d(OdGePoint2d(0, 0), OdGeVector2d::kXAxis, OdGeVector2d::kYAxis, 3.0, 1.0, 0.0, OdaPI),
                    new OdGeLineSeg2d(OdGePoint2d(-3, 0), OdGePoint2d(3, 0))},
                   1.5 * OdaPI});
  cases.push_back({"parabola over its chord",
                   {quadratic(OdGePoint2d(0, 0), OdGePoint2d(1, 2), OdGePoint2d(2, 0)),
                    new OdGeLineSeg2d(OdGePoint2d(2, 0), OdGePoint2d(0, 0))},
                   4.0 / 3.0});
  cases.push_back({"rational quarter circle and two radii",
                   {quadratic(OdGePoint2d(1, 0), OdGePoint2d(1, 1), OdGePoint2d(0, 1), rational),
                    new OdGeLineSeg2d(OdGePoint2d(0, 1), OdGePoint2d(0, 0)), new OdGeLineSeg2d(OdGePoint2d(0, 0), OdGePoint2d(1, 0))},
                   OdaPI / 4.0});
  for (Case& c : cases)
  {
    OdDbHatchPtr hatch = newHatch();
    hatch->appendLoop(OdDbHatch::kExternal, c.edges);
    EXPECT_NEAR(areaOf(hatch.get()), c.expected, 1e-9) << c.what;
  }

  // Polyline form: a half disc from one bulge.
  OdDbHatchPtr hatch = newHatch();
  OdGePoint2dArray pts;
  pts.append(OdGePoint2d(1, 0));
  pts.append(OdGePoint2d(-1, 0));
  OdGeDoubleArray bulges;
  bulges.append(1.0);
  bulges.append(0.0);
  hatch->appendLoop(OdDbHatch::kExternal, pts, bulges);
  EXPECT_NEAR(areaOf(hatch.get()), OdaPI / 2.0, 1e-14);
  EXPECT_EQ(hatch->loopTypeAt(0), OdDbHatch::kExternal | OdDbHatch::kPolyline);
}

TEST(HatchArea, IslandStylesChooseTheLoopsThatCount)
{
  // Square of side 10 (external), an island of side 4 marked outermost, and an island of side 2
  // inside that.
  struct Case
  {
    OdDbHatch::HatchStyle style;
    double expected;
  };
  for (const Case& c : {Case{OdDbHatch::kNormal, 100.0 - 16.0 + 4.0}, Case{OdDbHatch::kOuter, 100.0 - 16.0},
                        Case{OdDbHatch::kIgnore, 100.0}})
  {
    OdDbHatchPtr hatch = newHatch();
    appendSquare(hatch.get(), OdDbHatch::kExternal, 0, 0, 10);
    appendSquare(hatch.get(), OdDbHatch::kOutermost, 3, 3, 4);
    appendSquare(hatch.get(), OdDbHatch::kDefault, 4, 4, 2);
    hatch->setHatchStyle(c.style);
    EXPECT_NEAR(areaOf(hatch.get()), c.expected, 1e-12) << "style " << c.style;
  }
  // The loop order does not matter: the island first.
  OdDbHatchPtr hatch = newHatch();
  appendSquare(hatch.get(), OdDbHatch::kDefault, 3, 3, 4);
  appendSquare(hatch.get(), OdDbHatch::kExternal, 0, 0, 10);
  EXPECT_NEAR(areaOf(hatch.get()), 84.0, 1e-12);
}

TEST(HatchArea, LoopsThatCrossFillWhatAnOddNumberOfThemCovers)
{
  // Two unit circles one apart overlap in a lens of 2 acos(1/2) - sqrt(3)/2.
  const double lens = 2.0 * std::acos(0.5) - std::sqrt(3.0) / 2.0;
  struct Case
  {
    const char* what;
    std::function<void(OdDbHatch*)> build;
    double expected;
    double tolerance;
  };
  const std::vector<Case> cases = {
    {"two squares overlapping by a quarter",
     [](OdDbHatch* h) {
       appendSquare(h, OdDbHatch::kExternal, 0, 0, 10);
       appendSquare(h, OdDbHatch::kDefault, 5, 5, 10);
     },
     150.0, 1e-9},
    {"two circles as arc edges",
     [](OdDbHatch* h) {
       h->appendLoop(OdDbHatch::kExternal, {new OdGeCircArc2d(OdGePoint2d(0, 0), 1.0)});
       h->appendLoop(OdDbHatch::kDefault, {new OdGeCircArc2d(OdGePoint2d(1, 0), 1.0, 0.0, Oda2PI, OdGeVector2d::kXAxis, true)});
     },
     2.0 * OdaPI - 2.0 * lens, 1e-9},
    {"a circle in bulges crossing a square",
     [](OdDbHatch* h) {
       appendSquare(h, OdDbHatch::kExternal, 0, 0, 2);
       OdGePoint2dArray pts;
       pts.append(OdGePoint2d(3, 2));
       pts.append(OdGePoint2d(1, 2));
       OdGeDoubleArray bulges;
       bulges.append(1.0);
       bulges.append(1.0);
       h->appendLoop(OdDbHatch::kDefault, pts, bulges); // centre (2, 2): a quarter inside the square
     },
     4.0 + OdaPI - 2.0 * OdaPI / 4.0, 1e-9},
    {"an ellipse whose centre is a corner of the square",
     [](OdDbHatch* h) {
       appendSquare(h, OdDbHatch::kExternal, 0, 0, 3);
       h->appendLoop(OdDbHatch::kDefault,
                     {new OdGeEllipArc2d(OdGePoint2d(0, 0), OdGeVector2d::kXAxis, OdGeVector2d::kYAxis, 2.0, 1.0)});
     },
     // Elliptical edges are flattened for the boolean, keeping their area.
     9.0 + 2.0 * OdaPI - 2.0 * OdaPI / 2.0, 1e-6},
    {"outer style: an outermost loop across the outer boundary",
     [](OdDbHatch* h) {
       appendSquare(h, OdDbHatch::kExternal, 0, 0, 10);
       appendSquare(h, OdDbHatch::kOutermost, 8, 2, 4);
       appendSquare(h, OdDbHatch::kDefault, 1, 1, 1); // not counted under this style
       h->setHatchStyle(OdDbHatch::kOuter);
     },
     100.0 + 16.0 - 2.0 * 8.0, 1e-9},
  };
  for (const Case& c : cases)
  {
    OdDbHatchPtr hatch = newHatch();
    c.build(hatch.get());
    EXPECT_NEAR(areaOf(hatch.get()), c.expected, c.tolerance * c.expected) << c.what;
  }
}

TEST(HatchArea, FollowsEveryChangeOfTheLoopsAndTheStyle)
{
  OdDbHatchPtr hatch = newHatch();
  appendSquare(hatch.get(), OdDbHatch::kExternal, 0, 0, 10);
  EXPECT_NEAR(areaOf(hatch.get()), 100.0, 1e-12);
  appendSquare(hatch.get(), OdDbHatch::kDefault, 2, 2, 4);
  EXPECT_NEAR(areaOf(hatch.get()), 84.0, 1e-12) << "a loop appended";
  hatch->insertLoopAt(0, OdDbHatch::kDefault, OdGePoint2dArray{OdGePoint2d(3, 3), OdGePoint2d(4, 3), OdGePoint2d(4, 4)},
                      OdGeDoubleArray());
  EXPECT_NEAR(areaOf(hatch.get()), 84.5, 1e-12) << "a loop inserted";
  hatch->setHatchStyle(OdDbHatch::kIgnore);
  EXPECT_NEAR(areaOf(hatch.get()), 100.0, 1e-12) << "style";
  hatch->setHatchStyle(OdDbHatch::kNormal);
  hatch->removeLoopAt(0);
  EXPECT_NEAR(areaOf(hatch.get()), 84.0, 1e-12) << "a loop removed";
  hatch->appendLoop(OdDbHatch::kDefault, {new OdGeCircArc2d(OdGePoint2d(12, 5), 1.0)});
  EXPECT_NEAR(areaOf(hatch.get()), 84.0 + OdaPI, 1e-12) << "an edge loop appended";
  ASSERT_EQ(hatch->transformBy(OdGeMatrix3d::scaling(2.0)), eOk);
  EXPECT_NEAR(areaOf(hatch.get()), 4.0 * (84.0 + OdaPI), 1e-10) << "scaled";
  OdDbHatchPtr copy = OdDbHatch::cast(hatch->clone());
  EXPECT_NEAR(areaOf(copy.get()), 4.0 * (84.0 + OdaPI), 1e-10) << "copied";
  copy->removeLoopAt(1);
  EXPECT_NEAR(areaOf(copy.get()), 4.0 * (100.0 + OdaPI), 1e-10) << "the copy changed";
  EXPECT_NEAR(areaOf(hatch.get()), 4.0 * (84.0 + OdaPI), 1e-10) << "the original not";
}

TEST(HatchArea, DegenerateLoopsGiveFiniteAreas)
{
  OdDbHatchPtr hatch = newHatch();
  EXPECT_EQ(areaOf(hatch.get()), 0.0);
  OdGePoint2dArray one;
  one.append(OdGePoint2d(1, 1));
  hatch->appendLoop(OdDbHatch::kExternal, one, OdGeDoubleArray());
  OdGePoint2dArray flat;
  flat.append(OdGePoint2d(0, 0));
  flat.append(OdGePoint2d(5, 0));
  flat.append(OdGePoint2d(10, 0));
  hatch->appendLoop(OdDbHatch::kDefault, flat, OdGeDoubleArray());
  hatch->appendLoop(OdDbHatch::kDefault, OdDbHatch::EdgeArray());
  hatch->appendLoop(OdDbHatch::kDefault, {new OdGeCircArc2d(OdGePoint2d(0, 0), 0.0)});
  const double area = areaOf(hatch.get());
  EXPECT_TRUE(std::isfinite(area));
  EXPECT_EQ(area, 0.0);
}

TEST(Hatch, RefusedLoopsAndValuesLeaveTheHatchUnchanged)
{
  const double nan = std::numeric_limits<double>::quiet_NaN();
  OdDbHatchPtr hatch = newHatch();
  appendSquare(hatch.get(), OdDbHatch::kExternal, 0, 0, 10);
  const OdDbDxfTagList before = kySnapshot(hatch.get());

  OdGePoint2dArray bad;
  bad.append(OdGePoint2d(0, 0));
  bad.append(OdGePoint2d(nan, 1));
  EXPECT_THROW(hatch->appendLoop(OdDbHatch::kDefault, bad, OdGeDoubleArray()), OdError);
  OdGeDoubleArray tooFew;
  tooFew.append(0.5);
  EXPECT_THROW(hatch->appendLoop(OdDbHatch::kDefault, bad, tooFew), OdError);
  EXPECT_THROW(hatch->appendLoop(OdDbHatch::kDefault, OdGePoint2dArray(), OdGeDoubleArray()), OdError);
  OdGeLineSeg2d kept(OdGePoint2d(0, 0), OdGePoint2d(1, 0));
  EXPECT_THROW(hatch->appendLoop(OdDbHatch::kDefault, OdDbHatch::EdgeArray{&kept, nullptr}), OdError);
  EXPECT_THROW(hatch->setPatternScale(0.0), OdError);
  EXPECT_THROW(hatch->setPatternScale(-1.0), OdError);
  EXPECT_THROW(hatch->setPatternSpace(0.0), OdError);
  EXPECT_THROW(hatch->setHatchStyle(static_cast<OdDbHatch::HatchStyle>(3)), OdError);
  EXPECT_THROW(hatch->setNormal(OdGeVector3d()), OdError);
  EXPECT_THROW(hatch->setElevation(nan), OdError);
  EXPECT_THROW(hatch->setGradientColors(0, nullptr, nullptr), OdError);
  EXPECT_THROW(hatch->loopTypeAt(1), OdError);
  OdDbHatch::EdgeArray edges;
  EXPECT_THROW(hatch->getLoopAt(0, edges), OdError);
  EXPECT_EQ(kySnapshot(hatch.get()), before);
}

TEST(Hatch, UserDefinedLinesFollowAngleSpacingAndDouble)
{
  OdDbHatchPtr hatch = newHatch();
  hatch->setPatternSpace(2.0);
  hatch->setPattern(OdDbHatch::kUserDefined, L"_U");
  hatch->setPatternAngle(OdaPI / 2.0);
  ASSERT_EQ(hatch->numPatternDefinitions(), 1);
  double angle, bx, by, ox, oy;
  OdGeDoubleArray dashes;
  hatch->getPatternDefinitionAt(0, angle, bx, by, ox, oy, dashes);
  EXPECT_DOUBLE_EQ(angle, OdaPI / 2.0);
  EXPECT_NEAR(ox, -2.0, 1e-15);
  EXPECT_NEAR(oy, 0.0, 1e-15);
  hatch->setPatternDouble(true);
  EXPECT_EQ(hatch->numPatternDefinitions(), 2);

  // Lines of a predefined pattern are scaled and turned with it, and follow later changes.
  OdHatchPattern lines;
  lines.append(OdHatchPatternLine());
  lines[0].m_patternOffset = OdGeVector2d(0.0, 1.0);
  lines[0].m_dashes.append(0.5);
  lines[0].m_dashes.append(-0.25);
  hatch->setPattern(OdDbHatch::kPreDefined, L"DASH", 0.0, 4.0, lines);
  hatch->setPatternScale(2.0);
  hatch->getPatternDefinitionAt(0, angle, bx, by, ox, oy, dashes);
  EXPECT_DOUBLE_EQ(oy, 2.0);
  ASSERT_EQ(dashes.size(), 2u);
  EXPECT_DOUBLE_EQ(dashes[0], 1.0);
  EXPECT_FALSE(hatch->isSolidFill());
  hatch->setPattern(OdDbHatch::kPreDefined, L"solid");
  EXPECT_TRUE(hatch->isSolidFill());
  hatch->setHatchObjectType(OdDbHatch::kGradientObject);
  EXPECT_FALSE(hatch->isSolidFill());
  EXPECT_TRUE(hatch->isGradient());
}

// The pattern hangs on its origin: moving the origin moves the lines, turning and scaling keep
// the line through it where it is, and a user-defined family passes through it.
TEST(Hatch, PatternLinesMoveWithTheirOrigin)
{
  auto base = [](const OdDbHatch* h, int index) {
    double angle, bx, by, ox, oy;
    OdGeDoubleArray dashes;
    h->getPatternDefinitionAt(index, angle, bx, by, ox, oy, dashes);
    return OdGePoint2d(bx, by);
  };
  OdDbHatchPtr hatch = newHatch();
  OdHatchPattern lines;
  lines.append(OdHatchPatternLine());
  lines.append(OdHatchPatternLine());
  lines[0].m_patternOffset = OdGeVector2d(0.0, 1.0);
  lines[1].m_basePoint = OdGePoint2d(1.0, 0.0);
  lines[1].m_dLineAngle = OdaPI / 2.0;
  lines[1].m_patternOffset = OdGeVector2d(-1.0, 0.0);
  hatch->setPattern(OdDbHatch::kPreDefined, L"GRID", 0.0, 1.0, lines);
  hatch->setOriginPoint(OdGePoint2d(3.0, 4.0));
  kyExpectPoint(base(hatch.get(), 0), OdGePoint2d(3.0, 4.0), 1e-15);
  kyExpectPoint(base(hatch.get(), 1), OdGePoint2d(4.0, 4.0), 1e-15);
  hatch->setPatternScale(2.0);
  hatch->setPatternAngle(OdaPI / 2.0);
  kyExpectPoint(base(hatch.get(), 0), OdGePoint2d(3.0, 4.0), 1e-12);
  kyExpectPoint(base(hatch.get(), 1), OdGePoint2d(3.0, 6.0), 1e-12);
  hatch->setOriginPoint(OdGePoint2d(-1.0, 0.0));
  kyExpectPoint(base(hatch.get(), 1), OdGePoint2d(-1.0, 2.0), 1e-12);

  hatch->setPattern(OdDbHatch::kUserDefined, L"_U");
  hatch->setPatternDouble(true);
  ASSERT_EQ(hatch->numPatternDefinitions(), 2);
  kyExpectPoint(base(hatch.get(), 0), OdGePoint2d(-1.0, 0.0), 1e-15);
  kyExpectPoint(base(hatch.get(), 1), OdGePoint2d(-1.0, 0.0), 1e-15);

  // Lines far out move by the difference of the origins, and one carried past the finite
  // numbers refuses the origin, the hatch unchanged.
  OdHatchPattern far;
  far.append(OdHatchPatternLine());
  far[0].m_basePoint = OdGePoint2d(1e308, 0.0);
  far[0].m_patternOffset = OdGeVector2d(0.0, 1.0);
  hatch->setPattern(OdDbHatch::kPreDefined, L"GRID");
  hatch->setOriginPoint(OdGePoint2d(1e308, 0.0));
  hatch->setPatternDefinitions(far);
  hatch->setOriginPoint(OdGePoint2d(-1e308, 0.0));
  kyExpectPoint(base(hatch.get(), 0), OdGePoint2d(-1e308, 0.0), 1e292);
  hatch->setPatternDefinitions(far);
  const OdDbDxfTagList before = kySnapshot(hatch.get());
  EXPECT_THROW(hatch->setOriginPoint(OdGePoint2d(1e308, 0.0)), OdError);
  EXPECT_EQ(kySnapshot(hatch.get()), before);
  // Turned about the origin, the line 2e308 from it would leave the finite numbers too.
  EXPECT_THROW(hatch->setPatternAngle(OdaPI), OdError);
  EXPECT_EQ(kySnapshot(hatch.get()), before);
}

TEST(Hatch, ExtentsReachTheExtremesOfCurvedEdgesInAnyPlane)
{
  // Arcs whose extremes fall between any fixed sampling, in the drawing plane and tilted. A
  // unit circle in a plane of normal n reaches sqrt(1 - n_k^2) along each world axis k; an
  // ellipse of radii a, b turned by t reaches sqrt(a^2 cos^2 t + b^2 sin^2 t) along x.
  const double t = 0.3;
  const double ex = std::sqrt(9.0 * std::cos(t) * std::cos(t) + std::sin(t) * std::sin(t));
  const double ey = std::sqrt(9.0 * std::sin(t) * std::sin(t) + std::cos(t) * std::cos(t));
  struct Case
  {
    const char* what;
    OdGeVector3d normal;
    bool polyline;
    OdGeCurve2d* edge;
    OdGeVector3d reach;
  };
  const Case cases[] = {
      {"circle from 0.01", OdGeVector3d::kZAxis, false, new OdGeCircArc2d(OdGePoint2d(), 1.0, 0.01, 0.01 + Oda2PI),
       OdGeVector3d(1, 1, 0)},
      {"tilted circle", OdGeVector3d(0, 0.6, 0.8), false, new OdGeCircArc2d(OdGePoint2d(), 1.0, 0.01, 0.01 + Oda2PI),
       OdGeVector3d(1, 0.8, 0.6)},
      {"turned ellipse", OdGeVector3d::kZAxis, false,
       new OdGeEllipArc2d(OdGePoint2d(), OdGeVector2d(std::cos(t), std::sin(t)), OdGeVector2d(-std::sin(t), std::cos(t)), 3.0, 1.0),
       OdGeVector3d(ex, ey, 0)},
      // Two half circles of bulge 1 from angle 0.01 on.
      {"bulged polyline", OdGeVector3d::kZAxis, true, nullptr, OdGeVector3d(1, 1, 0)},
  };
  for (const Case& c : cases)
  {
    OdDbHatchPtr hatch = newHatch();
    hatch->setNormal(c.normal);
    if (c.polyline)
    {
      OdGePoint2dArray pts;
      pts.append(OdGePoint2d(std::cos(0.01), std::sin(0.01)));
      pts.append(OdGePoint2d(-std::cos(0.01), -std::sin(0.01)));
      OdGeDoubleArray bulges;
      bulges.append(1.0);
      bulges.append(1.0);
      hatch->appendLoop(OdDbHatch::kExternal | OdDbHatch::kPolyline, pts, bulges);
    }
    else
      hatch->appendLoop(OdDbHatch::kExternal, {c.edge});
    OdGeExtents3d ext;
    ASSERT_EQ(hatch->getGeomExtents(ext), eOk) << c.what;
    kyExpectPoint(ext.maxPoint(), OdGePoint3d() + c.reach, 1e-12);
    kyExpectPoint(ext.minPoint(), OdGePoint3d() - c.reach, 1e-12);
  }
}

// A cubic spline edge peaks between its control points and between any fixed sampling: the
// curve (3t + t^3, 12t - 21t^2 + 9t^3) runs from (0,0) to (4,0) and reaches its largest y at
// t = (42 - sqrt(468)) / 54. Split into two spans at t = 0.5 it reaches the same.
TEST(Hatch, ExtentsReachThePeakOfASplineEdge)
{
  const double t = (42.0 - std::sqrt(468.0)) / 54.0;
  const double top = 12.0 * t - 21.0 * t * t + 9.0 * t * t * t;
  for (bool split : {false, true})
  {
    SCOPED_TRACE(split ? "two spans" : "one span");
    OdGePoint2dArray pts;
    OdGeDoubleArray knots, weights;
    if (!split)
    {
      for (const OdGePoint2d& p : {OdGePoint2d(0, 0), OdGePoint2d(1, 4), OdGePoint2d(2, 1), OdGePoint2d(4, 0)})
        pts.append(p);
      for (double k : {0.0, 0.0, 0.0, 0.0, 1.0, 1.0, 1.0, 1.0})
        knots.append(k);
    }
    else
    {
      // The same curve with a knot inserted at 0.5 (de Casteljau halves of the control polygon).
      for (const OdGePoint2d& p : {OdGePoint2d(0, 0), OdGePoint2d(0.5, 2), OdGePoint2d(1, 2.25),
                                   OdGePoint2d(1.625, 1.875), OdGePoint2d(2.25, 1.5), OdGePoint2d(3, 0.5),
                                   OdGePoint2d(4, 0)})
        pts.append(p);
      for (double k : {0.0, 0.0, 0.0, 0.0, 0.5, 0.5, 0.5, 1.0, 1.0, 1.0, 1.0})
        knots.append(k);
    }
    OdDbHatchPtr hatch = newHatch();
    hatch->appendLoop(OdDbHatch::kExternal, {new OdGeNurbCurve2d(3, OdGeKnotVector(knots), pts, weights),
                                             new OdGeLineSeg2d(OdGePoint2d(4, 0), OdGePoint2d(0, 0))});
    OdGeExtents3d ext;
    ASSERT_EQ(hatch->getGeomExtents(ext), eOk);
    kyExpectPoint(ext.maxPoint(), OdGePoint3d(4.0, top, 0.0), 1e-12);
    kyExpectPoint(ext.minPoint(), OdGePoint3d(0.0, 0.0, 0.0), 1e-12);
  }
}

TEST(Hatch, TransformsMapEveryPlanePointAndThePatternWithIt)
{
  // Every point of the hatch plane (loop vertices, edges, seeds, origin) must land where the
  // transform takes its world position; the area scales with the square of the scale, which a
  // mirror that kept the bulges' turning would break; the pattern turns and scales along.
  auto world = [](const OdDbHatch* h, const OdGePoint2d& p) {
    return OdGePoint3d(p.x, p.y, h->elevation()).transformBy(OdGeMatrix3d::planeToWorld(h->normal()));
  };
  auto patternDirection = [](const OdDbHatch* h) {
    return OdGeVector3d(std::cos(h->patternAngle()), std::sin(h->patternAngle()), 0.0)
        .transformBy(OdGeMatrix3d::planeToWorld(h->normal()));
  };
  OdGeMatrix3d turn;
  turn.setToRotation(0.7, OdGeVector3d(1, 2, 3).normal(), OdGePoint3d(4, -1, 2));
  struct Case
  {
    const char* what;
    OdGeMatrix3d xform;
    double scale;
  };
  const Case cases[] = {
      {"translation", OdGeMatrix3d().setToTranslation(OdGeVector3d(5, -3, 2)), 1.0},
      {"rotation off the plane", turn, 1.0},
      {"uniform scale", OdGeMatrix3d().setToScaling(2.5, OdGePoint3d(1, 1, 0)), 2.5},
      {"mirror in x", OdGeMatrix3d().setToScaling(OdGeScale3d(-1, 1, 1)), 1.0},
      {"mirror in z", OdGeMatrix3d().setToScaling(OdGeScale3d(1, 1, -1)), 1.0},
      {"mirror, scale and turn", turn * OdGeMatrix3d().setToScaling(OdGeScale3d(-2, 2, 2)), 2.0},
  };
  for (const Case& c : cases)
  {
    OdDbHatchPtr hatch = newHatch();
    hatch->setElevation(1.5);
    OdGePoint2dArray pts;
    pts.append(OdGePoint2d(0, 0));
    pts.append(OdGePoint2d(4, 0));
    pts.append(OdGePoint2d(4, 3));
    OdGeDoubleArray bulges;
    bulges.append(0.0);
    bulges.append(0.5);
    bulges.append(0.0);
    hatch->appendLoop(OdDbHatch::kExternal | OdDbHatch::kPolyline, pts, bulges);
    hatch->appendLoop(OdDbHatch::kDefault, {new OdGeCircArc2d(OdGePoint2d(2.6, 1), 0.5, 0.2, 3.0),
                                            new OdGeLineSeg2d(OdGePoint2d(2.6 + 0.5 * std::cos(3.0), 1 + 0.5 * std::sin(3.0)),
                                                              OdGePoint2d(2.6 + 0.5 * std::cos(0.2), 1 + 0.5 * std::sin(0.2)))});
    OdGePoint2dArray seeds;
    seeds.append(OdGePoint2d(1, 0.5));
    hatch->setSeedPoints(seeds);
    hatch->setOriginPoint(OdGePoint2d(-2, 7));
    hatch->setPattern(OdDbHatch::kUserDefined, L"_U");
    hatch->setPatternAngle(0.3);
    const double area = areaOf(hatch.get());
    const OdGePoint3d seed = world(hatch.get(), hatch->seedPoints()[0]).transformBy(c.xform);
    const OdGePoint3d origin = world(hatch.get(), hatch->originPoint()).transformBy(c.xform);
    const OdGePoint3d corner = world(hatch.get(), OdGePoint2d(4, 3)).transformBy(c.xform);
    const OdGeVector3d direction = patternDirection(hatch.get()).transformBy(c.xform).normal();
    const double scale = hatch->patternScale();

    ASSERT_EQ(hatch->transformBy(c.xform), eOk) << c.what;
    EXPECT_NEAR(areaOf(hatch.get()), area * c.scale * c.scale, 1e-9) << c.what;
    kyExpectPoint(world(hatch.get(), hatch->seedPoints()[0]), seed, 1e-9);
    kyExpectPoint(world(hatch.get(), hatch->originPoint()), origin, 1e-9);
    OdGePoint2dArray vertices;
    OdGeDoubleArray mapped;
    hatch->getLoopAt(0, vertices, mapped);
    kyExpectPoint(world(hatch.get(), vertices[2]), corner, 1e-9);
    EXPECT_LT((patternDirection(hatch.get()) - direction).length(), 1e-9) << c.what;
    EXPECT_NEAR(hatch->patternScale(), scale * c.scale, 1e-12) << c.what;
  }

  // Shear and unequal scales have no hatch image; the hatch stays as it was.
  OdDbHatchPtr hatch = newHatch();
  appendSquare(hatch.get(), OdDbHatch::kExternal, 0, 0, 2);
  EXPECT_EQ(hatch->transformBy(OdGeMatrix3d().setToScaling(OdGeScale3d(2, 1, 1))), eNotApplicable);
  EXPECT_NEAR(areaOf(hatch.get()), 4.0, 0.0);
}

TEST(Hatch, ExtentsLieInTheHatchPlaneAndCopiesOwnTheirEdges)
{
  OdDbHatchPtr hatch = newHatch();
  hatch->appendLoop(OdDbHatch::kExternal, {new OdGeCircArc2d(OdGePoint2d(0, 0), 2.0)});
  hatch->setElevation(5.0);
  OdGeExtents3d ext;
  ASSERT_EQ(hatch->getGeomExtents(ext), eOk);
  kyExpectPoint(ext.minPoint(), OdGePoint3d(-2, -2, 5), 1e-12);
  kyExpectPoint(ext.maxPoint(), OdGePoint3d(2, 2, 5), 1e-12);
  hatch->setNormal(OdGeVector3d(0, 0, -1));
  ASSERT_EQ(hatch->getGeomExtents(ext), eOk);
  EXPECT_NEAR(ext.minPoint().z, -5.0, 1e-12);

  OdDbHatchPtr copy = newHatch();
  copy->copyFrom(hatch.get());
  hatch->removeLoopAt(0);
  OdDbHatch::EdgeArray edges;
  copy->getLoopAt(0, edges);
  ASSERT_EQ(edges.size(), 1u);
  EXPECT_NEAR(static_cast<const OdGeCircArc2d*>(edges[0])->radius(), 2.0, 0.0);
  EXPECT_NEAR(areaOf(copy.get()), 4.0 * OdaPI, 1e-12);
  EXPECT_EQ(hatch->getGeomExtents(ext), eInvalidExtents);
}
