// Tests of the helix stand-in: points against the defining values, lengths of cylindrical,
// conical and flat helices against independent measures, the spline data following the helix,
// the coupling of turns, turn height and height under each constrain type, refusals leaving the
// helix unchanged, and transforms.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "DbHelix.h"
#include "DbFiler.h"
#include "Ge/GeMatrix3d.h"
#include "OdError.h"

namespace
{
const double kEps = 1e-9;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

void expectPoint(const OdGePoint3d& actual, const OdGePoint3d& expected, double eps = kEps)
{
  EXPECT_NEAR(actual.x, expected.x, eps);
  EXPECT_NEAR(actual.y, expected.y, eps);
  EXPECT_NEAR(actual.z, expected.z, eps);
}

OdDbHelixPtr makeHelix(double base, double top, double turns, double turnHeight)
{
  OdDbHelixPtr h = OdDbHelix::createObject();
  h->setTopRadius(top);
  h->setBaseRadius(base);
  h->setTurns(turns);
  h->setTurnHeight(turnHeight);
  return h;
}

// Length as the sum of many chords between helix points: an independent measure.
double chordLength(const OdDbHelix* h)
{
  const int n = 200000;
  const double sweep = Oda2PI * h->turns();
  double sum = 0.0;
  OdGePoint3d previous = h->pointAtAngle(0.0);
  for (int i = 1; i <= n; ++i)
  {
    const OdGePoint3d p = h->pointAtAngle(sweep * i / n);
    sum += p.distanceTo(previous);
    previous = p;
  }
  return sum;
}

OdDbDxfTagList snapshot(const OdDbObject* object)
{
  OdDbDxfTagList tags;
  object->dxfOutFields(&tags);
  return tags;
}
} // namespace

TEST(CurvesHelix, PointsFollowAxisRadiiTurnsAndTwist)
{
  OdDbHelixPtr h = makeHelix(2.0, 4.0, 2.0, 3.0);
  h->setAxisPoint(OdGePoint3d(1.0, 1.0, 1.0));
  expectPoint(h->startPoint(), OdGePoint3d(3.0, 1.0, 1.0));
  // A quarter turn counter-clockwise about +Z: radius 2 + 2 * (1/8), risen by 3/4.
  expectPoint(h->pointAtAngle(OdaPI2), OdGePoint3d(1.0, 1.0 + 2.25, 1.75));
  h->setTwist(false);
  expectPoint(h->pointAtAngle(OdaPI2), OdGePoint3d(1.0, 1.0 - 2.25, 1.75));
  OdGePoint3d end;
  ASSERT_EQ(h->getEndPoint(end), eOk);
  expectPoint(end, OdGePoint3d(5.0, 1.0, 7.0), 1e-9);
  EXPECT_DOUBLE_EQ(h->height(), 6.0);

  // A tilted axis carries the whole curve: the start direction is made perpendicular to it.
  h->setAxisVector(OdGeVector3d(1.0, 0.0, 0.0));
  EXPECT_NEAR(h->axisVector().dotProduct(h->startPoint() - h->axisPoint()), 0.0, kEps);
  EXPECT_NEAR(h->startPoint().distanceTo(h->axisPoint()), 2.0, kEps);
  ASSERT_EQ(h->getEndPoint(end), eOk);
  EXPECT_NEAR((end - h->axisPoint()).dotProduct(OdGeVector3d::kXAxis), 6.0, 1e-9);
}

TEST(CurvesHelix, SplineDataStayOnTheHelix)
{
  OdDbHelixPtr h = makeHelix(5.0, 1.0, 3.5, 2.0);
  h->setTwist(false);
  double startParam = 0.0, endParam = 0.0;
  ASSERT_EQ(h->getStartParam(startParam), eOk);
  ASSERT_EQ(h->getEndParam(endParam), eOk);
  EXPECT_DOUBLE_EQ(startParam, 0.0);
  EXPECT_NEAR(endParam, Oda2PI * 3.5, 1e-12);
  // Between the joins (parameter = swept angle) the pieces stay close to the exact curve.
  for (double theta = 0.0; theta <= endParam; theta += 0.137)
  {
    OdGePoint3d onSpline;
    ASSERT_EQ(h->getPointAtParam(theta, onSpline), eOk);
    EXPECT_LT(onSpline.distanceTo(h->pointAtAngle(theta)), 5.0 * 1e-4) << theta;
  }
  // Each edit rebuilds them: the end point follows a new top radius.
  h->setTopRadius(3.0);
  OdGePoint3d end;
  ASSERT_EQ(h->getEndPoint(end), eOk);
  expectPoint(end, h->pointAtAngle(Oda2PI * 3.5), 1e-9);
  EXPECT_NEAR(std::hypot(end.x, end.y), 3.0, 1e-9);
  double splineLength = 0.0;
  ASSERT_EQ(h->getDistAtParam(endParam, splineLength), eOk);
  EXPECT_NEAR(splineLength, h->totalLength(), 1e-4 * h->totalLength());
}

TEST(CurvesHelix, TotalLengthMatchesIndependentMeasures)
{
  // Cylinder: each turn unrolls to the hypotenuse of circumference and turn height.
  OdDbHelixPtr cylinder = makeHelix(2.0, 2.0, 3.0, 1.5);
  EXPECT_NEAR(cylinder->totalLength(), 3.0 * std::hypot(Oda2PI * 2.0, 1.5), 1e-9);
  // Cone and flat spiral: against the sum of chords.
  OdDbHelixPtr cone = makeHelix(0.0, 4.0, 2.5, 2.0);
  EXPECT_NEAR(cone->totalLength(), chordLength(cone), 1e-6);
  OdDbHelixPtr flat = makeHelix(1.0, 5.0, 4.0, 0.0);
  EXPECT_DOUBLE_EQ(flat->height(), 0.0);
  EXPECT_NEAR(flat->totalLength(), chordLength(flat), 1e-6);
  // The flat spiral lies in its base plane.
  EXPECT_TRUE(flat->isPlanar());
  EXPECT_FALSE(cone->isPlanar());
}

TEST(CurvesHelix, TurnSlopeIsTheAngleToTheBasePlaneAtTheStart)
{
  OdDbHelixPtr h = makeHelix(1.0, 1.0, 2.0, Oda2PI);
  EXPECT_NEAR(h->turnSlope(), OdaPI4, 1e-12);
  h->setHeight(-2.0 * Oda2PI);
  EXPECT_NEAR(h->turnSlope(), -OdaPI4, 1e-12);
  h->setHeight(0.0);
  EXPECT_DOUBLE_EQ(h->turnSlope(), 0.0);
  // A cone from radius 0 starts along its generator.
  OdDbHelixPtr cone = makeHelix(0.0, Oda2PI, 1.0, Oda2PI);
  EXPECT_NEAR(cone->turnSlope(), OdaPI4, 1e-12);
}

TEST(CurvesHelix, ConstrainChoosesWhatAChangeKeeps)
{
  struct Case
  {
    OdDbHelix::ConstrainType constrain;
    std::function<void(OdDbHelix*)> edit;
    double turns, turnHeight, height;
  };
  // Start: 4 turns of 2.5, height 10.
  const Case cases[] = {
    {OdDbHelix::kTurnHeight, [](OdDbHelix* h) { h->setTurns(8.0); }, 8.0, 2.5, 20.0},
    {OdDbHelix::kTurns, [](OdDbHelix* h) { h->setTurns(8.0); }, 8.0, 1.25, 10.0},
    {OdDbHelix::kHeight, [](OdDbHelix* h) { h->setTurns(8.0); }, 8.0, 1.25, 10.0},
    {OdDbHelix::kTurnHeight, [](OdDbHelix* h) { h->setTurnHeight(5.0); }, 4.0, 5.0, 20.0},
    {OdDbHelix::kTurns, [](OdDbHelix* h) { h->setTurnHeight(5.0); }, 4.0, 5.0, 20.0},
    {OdDbHelix::kHeight, [](OdDbHelix* h) { h->setTurnHeight(5.0); }, 2.0, 5.0, 10.0},
    {OdDbHelix::kTurnHeight, [](OdDbHelix* h) { h->setHeight(5.0); }, 2.0, 2.5, 5.0},
    {OdDbHelix::kTurns, [](OdDbHelix* h) { h->setHeight(5.0); }, 4.0, 1.25, 5.0},
    {OdDbHelix::kHeight, [](OdDbHelix* h) { h->setHeight(5.0); }, 4.0, 1.25, 5.0},
    // Flattening keeps the turns whatever the constrain; so does a flat helix's new height.
    {OdDbHelix::kTurnHeight, [](OdDbHelix* h) { h->setHeight(0.0); }, 4.0, 0.0, 0.0},
    {OdDbHelix::kHeight, [](OdDbHelix* h) { h->setTurnHeight(0.0); }, 4.0, 0.0, 0.0},
    {OdDbHelix::kTurnHeight,
     [](OdDbHelix* h) {
       h->setHeight(0.0);
       h->setHeight(6.0);
     },
     4.0, 1.5, 6.0},
  };
  int row = 0;
  for (const Case& c : cases)
  {
    OdDbHelixPtr h = makeHelix(1.0, 1.0, 4.0, 2.5);
    h->setConstrain(c.constrain);
    c.edit(h);
    EXPECT_NEAR(h->turns(), c.turns, kEps) << "row " << row;
    EXPECT_NEAR(h->turnHeight(), c.turnHeight, kEps) << "row " << row;
    EXPECT_NEAR(h->height(), c.height, kEps) << "row " << row;
    EXPECT_EQ(h->constrain(), c.constrain);
    ++row;
  }
}

TEST(CurvesHelix, RefusedValuesLeaveTheHelixUnchanged)
{
  OdDbHelixPtr h = makeHelix(0.0, 3.0, 2.0, 1.0);
  const OdDbDxfTagList before = snapshot(h);
  const std::function<void()> refused[] = {
    [&] { h->setTurns(0.0); },
    [&] { h->setTurns(-1.0); },
    [&] { h->setTurns(kNaN); },
    [&] { h->setTopRadius(0.0); }, // the base radius is 0 already
    [&] { h->setBaseRadius(-1.0); },
    [&] { h->setTopRadius(kNaN); },
    [&] { h->setTurnHeight(kNaN); },
    [&] { h->setHeight(std::numeric_limits<double>::infinity()); },
    [&] { h->setAxisVector(OdGeVector3d()); },
    [&] { h->setAxisPoint(OdGePoint3d(kNaN, 0.0, 0.0)); },
    [&] { h->setStartPoint(OdGePoint3d(0.0, 0.0, 5.0)); }, // on the axis, top radius kept 3
    [&] { h->setConstrain(static_cast<OdDbHelix::ConstrainType>(3)); },
  };
  // The start point on the axis is accepted (base radius 0 beside top radius 3).
  int row = 0;
  for (const auto& edit : refused)
  {
    if (row == 10)
    {
      edit();
      EXPECT_EQ(snapshot(h), before);
    }
    else
    {
      try
      {
        edit();
        ADD_FAILURE() << "row " << row << " accepted";
      }
      catch (const OdError& e)
      {
        EXPECT_EQ(e.code(), eInvalidInput) << "row " << row;
      }
      EXPECT_EQ(snapshot(h), before) << "row " << row;
    }
    ++row;
  }
  OdDbHelixPtr zeroTop = makeHelix(2.0, 0.0, 1.0, 1.0);
  EXPECT_THROW(zeroTop->setStartPoint(zeroTop->axisPoint()), OdError);
  EXPECT_DOUBLE_EQ(zeroTop->baseRadius(), 2.0);
}

TEST(CurvesHelix, AxisPointMovesTheHelixOrKeepsTheStartPoint)
{
  OdDbHelixPtr h = makeHelix(2.0, 2.0, 1.0, 1.0);
  h->setAxisPoint(OdGePoint3d(0.0, 1.0, 0.0));
  expectPoint(h->startPoint(), OdGePoint3d(2.0, 1.0, 0.0));
  h->setAxisPoint(OdGePoint3d(-1.0, 1.0, 0.0), false);
  expectPoint(h->startPoint(), OdGePoint3d(2.0, 1.0, 0.0));
  EXPECT_DOUBLE_EQ(h->baseRadius(), 3.0);
  h->setStartPoint(OdGePoint3d(-1.0, 5.0, 7.0));
  EXPECT_DOUBLE_EQ(h->baseRadius(), 4.0);
  expectPoint(h->startPoint(), OdGePoint3d(-1.0, 5.0, 0.0));
}

TEST(CurvesHelix, TransformsCarryTheHelixAndMirrorsReverseTheTwist)
{
  OdDbHelixPtr h = makeHelix(1.0, 2.0, 1.5, 2.0);
  const OdGePoint3d quarter = h->pointAtAngle(OdaPI2);
  const OdGeMatrix3d scale = OdGeMatrix3d::scaling(2.0, OdGePoint3d(0.0, 0.0, 0.0));
  ASSERT_EQ(h->transformBy(scale), eOk);
  expectPoint(h->pointAtAngle(OdaPI2), scale * quarter);
  EXPECT_DOUBLE_EQ(h->baseRadius(), 2.0);
  EXPECT_DOUBLE_EQ(h->topRadius(), 4.0);
  EXPECT_DOUBLE_EQ(h->height(), 6.0);

  const OdGeMatrix3d mirror = OdGeMatrix3d::mirroring(OdGePlane(OdGePoint3d(), OdGeVector3d::kYAxis));
  const OdGePoint3d before = h->pointAtAngle(1.0);
  ASSERT_EQ(h->transformBy(mirror), eOk);
  EXPECT_FALSE(h->twist());
  expectPoint(h->pointAtAngle(1.0), mirror * before);

  OdGeMatrix3d shear;
  shear(0, 1) = 0.5;
  const OdDbDxfTagList kept = snapshot(h);
  EXPECT_EQ(h->transformBy(shear), eNotApplicable);
  EXPECT_EQ(snapshot(h), kept);
}

TEST(CurvesHelix, CopyKeepsEveryValue)
{
  OdDbHelixPtr h = makeHelix(1.0, 2.0, 1.5, 2.0);
  h->setTwist(false);
  h->setConstrain(OdDbHelix::kHeight);
  OdDbHelixPtr copy = OdDbHelix::createObject();
  copy->copyFrom(h);
  EXPECT_EQ(snapshot(copy), snapshot(h));
}

// Finite values whose curve is not finite: refused, and the helix keeps every value.
TEST(CurvesHelix, ValuesBeyondTheFiniteRangeChangeNothing)
{
  const std::function<void(OdDbHelix*)> edits[] = {
    [](OdDbHelix* h) { h->setHeight(1e308); },
    [](OdDbHelix* h) { h->setTurnHeight(-1.5e308); },
    [](OdDbHelix* h) { h->setTopRadius(1e308); },
    [](OdDbHelix* h) { h->setTurns(5e-324); },
    [](OdDbHelix* h) { h->setTurns(1e300); },
    [](OdDbHelix* h) { h->setTurns(62501.0); },
  };
  int row = 0;
  for (const auto& edit : edits)
  {
    OdDbHelixPtr h = makeHelix(6.0, 4.5, 1.5, 4.0);
    const OdDbDxfTagList before = snapshot(h);
    EXPECT_THROW(edit(h), OdError) << "row " << row;
    EXPECT_EQ(snapshot(h), before) << "row " << row;
    EXPECT_DOUBLE_EQ(h->height(), 6.0);
    ++row;
  }
}
