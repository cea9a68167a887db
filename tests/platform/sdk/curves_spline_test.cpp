// Tests of the spline stand-in against curves known in closed form: a rational quadratic arc is
// a circle (points, length, area), a polynomial Bezier matches its Bernstein form, fitted curves
// pass through their fit points along the given tangents, and refused edits change nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "DbFiler.h"
#include "DbSpline.h"
#include "Ge/GeNurbCurve3d.h"
#include "KyTestDrawing.h"

namespace
{
const double kNaN = std::numeric_limits<double>::quiet_NaN();

OdDbDxfTagList snapshot(const OdDbObject* object)
{
  OdDbDxfTagList tags;
  object->dxfOutFields(&tags);
  return tags;
}

OdGeDoubleArray doubles(std::initializer_list<double> values)
{
  OdGeDoubleArray a;
  for (double v : values)
    a.append(v);
  return a;
}

OdGePoint3dArray points(std::initializer_list<OdGePoint3d> values)
{
  OdGePoint3dArray a;
  for (const OdGePoint3d& p : values)
    a.append(p);
  return a;
}

// The full circle of radius r about the origin as nine rational quadratic control points.
OdDbSplinePtr circleSpline(double r)
{
  const double w = std::sqrt(0.5);
  OdDbSplinePtr s = OdDbSpline::createObject();
  EXPECT_EQ(s->setNurbsData(2, true, true, false,
                            points({{r, 0, 0}, {r, r, 0}, {0, r, 0}, {-r, r, 0}, {-r, 0, 0}, {-r, -r, 0}, {0, -r, 0},
                                    {r, -r, 0}, {r, 0, 0}}),
                            doubles({0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 4}), doubles({1, w, 1, w, 1, w, 1, w, 1})),
            eOk);
  return s;
}

// A quarter circle of radius 1 from (1, 0) to (0, 1).
OdDbSplinePtr quarterCircle()
{
  OdDbSplinePtr s = OdDbSpline::createObject();
  EXPECT_EQ(s->setNurbsData(2, true, false, false, points({{1, 0, 0}, {1, 1, 0}, {0, 1, 0}}),
                            doubles({0, 0, 0, 1, 1, 1}), doubles({1, std::sqrt(0.5), 1})),
            eOk);
  return s;
}
} // namespace

TEST(CurvesSpline, RationalArcIsACircleInPointsLengthAndArea)
{
  OdDbSplinePtr quarter = quarterCircle();
  double end = 0.0, length = 0.0, area = 0.0;
  ASSERT_EQ(quarter->getEndParam(end), eOk);
  for (double t : {0.0, 0.1, 0.37, 0.5, 0.9, 1.0})
  {
    OdGePoint3d p;
    ASSERT_EQ(quarter->getPointAtParam(t * end, p), eOk);
    EXPECT_NEAR(p.asVector().length(), 1.0, 1e-12) << t;
  }
  ASSERT_EQ(quarter->getDistAtParam(end, length), eOk);
  EXPECT_NEAR(length, OdaPI / 2.0, 1e-9);
  // Between the arc and its chord.
  ASSERT_EQ(quarter->getArea(area), eOk);
  EXPECT_NEAR(area, OdaPI / 4.0 - 0.5, 1e-9);
  EXPECT_TRUE(quarter->isRational());
  EXPECT_TRUE(quarter->isPlanar());
  EXPECT_FALSE(quarter->isLinear());
  EXPECT_FALSE(quarter->isClosed());

  OdDbSplinePtr circle = circleSpline(3.0);
  ASSERT_EQ(circle->getEndParam(end), eOk);
  ASSERT_EQ(circle->getDistAtParam(end, length), eOk);
  EXPECT_NEAR(length, 6.0 * OdaPI, 1e-8);
  ASSERT_EQ(circle->getArea(area), eOk);
  EXPECT_NEAR(area, 9.0 * OdaPI, 1e-8);
  EXPECT_TRUE(circle->isClosed());
  // Half way along the length lies the opposite point.
  double half = 0.0;
  OdGePoint3d opposite;
  ASSERT_EQ(circle->getParamAtDist(3.0 * OdaPI, half), eOk);
  ASSERT_EQ(circle->getPointAtParam(half, opposite), eOk);
  EXPECT_NEAR(opposite.x, -3.0, 1e-7);
  EXPECT_NEAR(opposite.y, 0.0, 1e-7);
}

TEST(CurvesSpline, PolynomialCurveMatchesItsBernsteinFormAndDerivative)
{
  // A cubic Bezier in space with unclamped parameters 2 .. 5.
  const OdGePoint3d b[4] = {{0, 0, 0}, {1, 2, 0}, {3, 2, 1}, {4, 0, 3}};
  OdDbSplinePtr s = OdDbSpline::createObject();
  ASSERT_EQ(s->setNurbsData(3, false, false, false, points({b[0], b[1], b[2], b[3]}), doubles({2, 2, 2, 2, 5, 5, 5, 5}),
                            OdGeDoubleArray()),
            eOk);
  for (double t : {0.0, 0.25, 0.6, 1.0})
  {
    const double c[4] = {std::pow(1 - t, 3), 3 * t * std::pow(1 - t, 2), 3 * t * t * (1 - t), t * t * t};
    OdGeVector3d expected;
    for (int i = 0; i < 4; ++i)
      expected += b[i].asVector() * c[i];
    OdGePoint3d p;
    ASSERT_EQ(s->getPointAtParam(2.0 + 3.0 * t, p), eOk);
    EXPECT_NEAR(p.distanceTo(expected.asPoint()), 0.0, 1e-12) << t;
  }
  // C'(u) at the start is 3 (b1 - b0) / 3 per unit of the parameter.
  OdGeVector3d d;
  ASSERT_EQ(s->getFirstDeriv(2.0, d), eOk);
  EXPECT_NEAR((d - (b[1] - b[0])).length(), 0.0, 1e-12);
  EXPECT_FALSE(s->isPlanar());
  double area = 0.0;
  EXPECT_EQ(s->getArea(area), eNotApplicable);
  // A curve a micrometre across is still measured as planar (its directions are not "zero").
  OdDbSplinePtr tiny = OdDbSpline::createObject();
  ASSERT_EQ(tiny->setNurbsData(2, false, false, false, points({{0, 0, 0}, {1e-6, 1e-6, 0}, {2e-6, 0, 0}}),
                               doubles({0, 0, 0, 1, 1, 1}), OdGeDoubleArray()),
            eOk);
  EXPECT_TRUE(tiny->isPlanar());
  EXPECT_EQ(tiny->getArea(area), eOk);
  EXPECT_NEAR(area, 2e-12 / 3.0, 1e-20);
  OdGePoint3d outside;
  EXPECT_EQ(s->getPointAtParam(1.9, outside), eInvalidInput);
}

// The point from the evaluation with its derivative is evalPoint's, and the derivative is the
// slope of the points (central differences), for a polynomial and a rational curve; higher
// orders are refused.
TEST(CurvesSpline, PointWithDerivativeMatchesThePointAndItsSlope)
{
  const double h = std::sqrt(0.5);
  const OdGeNurbCurve3d curves[] = {
    OdGeNurbCurve3d(3, OdGeKnotVector(doubles({2, 2, 2, 2, 5, 5, 5, 5})),
                    points({{0, 0, 0}, {1, 2, 0}, {3, 2, 1}, {4, 0, 3}}), OdGeDoubleArray()),
    OdGeNurbCurve3d(2, OdGeKnotVector(doubles({0, 0, 0, 1, 1, 1})), points({{1, 0, 0}, {1, 1, 0}, {0, 1, 0}}),
                    doubles({1, h, 1})),
    // Several spans: a rational cubic with uneven interior knots, a half circle of two quarters
    // joined at a double knot, and a broken line.
    OdGeNurbCurve3d(3, OdGeKnotVector(doubles({0, 0, 0, 0, 1, 2.5, 4, 4, 4, 4})),
                    points({{0, 0, 0}, {1, 3, 1}, {2, -1, 0}, {4, 2, 2}, {5, 0, 1}, {7, 1, 0}}),
                    doubles({1, 2, 0.5, 1, 3, 1})),
    OdGeNurbCurve3d(2, OdGeKnotVector(doubles({0, 0, 0, 1, 1, 2, 2, 2})),
                    points({{5, 0, 0}, {5, 5, 0}, {0, 5, 0}, {-5, 5, 0}, {-5, 0, 0}}), doubles({1, h, 1, h, 1})),
    OdGeNurbCurve3d(1, OdGeKnotVector(doubles({0, 0, 1, 3, 3})), points({{0, 0, 0}, {2, 0, 0}, {2, 4, 0}}),
                    OdGeDoubleArray()),
  };
  for (const OdGeNurbCurve3d& curve : curves)
  {
    OdGeInterval interval;
    curve.getInterval(interval);
    for (const double f : {0.0, 0.3, 0.5, 0.77, 1.0})
    {
      const double u = interval.lowerBound() + f * (interval.upperBound() - interval.lowerBound());
      OdGeVector3dArray derivatives;
      const OdGePoint3d p = curve.evalPoint(u, 1, derivatives);
      ASSERT_EQ(derivatives.size(), 1u);
      EXPECT_NEAR(p.distanceTo(curve.evalPoint(u)), 0.0, 1e-15) << u;
      // One-sided at the ends of the interval, where evaluation clamps the parameter.
      const double step = 1e-7;
      const double lo = std::max(u - step, interval.lowerBound()), hi = std::min(u + step, interval.upperBound());
      const OdGeVector3d slope = (curve.evalPoint(hi) - curve.evalPoint(lo)) / (hi - lo);
      EXPECT_NEAR((derivatives[0] - slope).length(), 0.0, 1e-5 * std::max(1.0, slope.length())) << u;
      EXPECT_EQ(curve.evalPoint(u, 0, derivatives), curve.evalPoint(u));
      EXPECT_TRUE(derivatives.empty());
    }
  }
  // The quarter circle's tangent at its start points along +Y.
  OdGeVector3dArray derivatives;
  curves[1].evalPoint(0.0, 1, derivatives);
  EXPECT_NEAR(derivatives[0].normal().y, 1.0, 1e-12);
  EXPECT_THROW(curves[0].evalPoint(0.5, 2, derivatives), OdError);
}

// The area between a polynomial curve and its closing chord, for every degree up to the highest
// measured exactly and one beyond, against the shoelace area of a dense chord polygon.
TEST(CurvesSpline, AreaOfPolynomialCurvesOfEveryDegree)
{
  for (int degree = 1; degree <= 9; ++degree)
  {
    OdGePoint3dArray control;
    for (int i = 0; i < degree + 3; ++i)
      control.append(OdGePoint3d(2.0 * i, 3.0 * std::sin(1.3 * i) + (i % 2 ? 2.0 : 0.0), 0.0));
    OdGeDoubleArray knots;
    for (int i = 0; i <= degree; ++i)
      knots.append(0.0);
    knots.append(1.0);
    knots.append(2.5);
    for (int i = 0; i <= degree; ++i)
      knots.append(4.0);
    OdDbSplinePtr s = OdDbSpline::createObject();
    ASSERT_EQ(s->setNurbsData(degree, false, false, false, control, knots, OdGeDoubleArray()), eOk) << degree;
    double area = 0.0;
    ASSERT_EQ(s->getArea(area), eOk) << degree;
    const int samples = 200000;
    double twice = 0.0;
    OdGePoint3d first, previous;
    s->getPointAtParam(0.0, first);
    previous = first;
    for (int i = 1; i <= samples; ++i)
    {
      OdGePoint3d p;
      s->getPointAtParam(4.0 * i / samples, p);
      twice += previous.x * p.y - p.x * previous.y;
      previous = p;
    }
    twice += previous.x * first.y - first.x * previous.y;
    EXPECT_NEAR(area, std::fabs(twice) / 2.0, 1e-8 * std::fabs(twice)) << degree;
  }
}

TEST(CurvesSpline, FittedCurvePassesThroughItsPointsAlongItsTangents)
{
  const OdGePoint3dArray fit = points({{0, 0, 0}, {2, 1, 0}, {4, 0, 0}, {6, 2, 0}, {7, 5, 0}});
  OdDbSplinePtr s = OdDbSpline::createObject();
  ASSERT_EQ(s->setFitData(fit, 3, 0.0, OdGeVector3d(0, 1, 0), OdGeVector3d(1, 0, 0)), eOk);
  EXPECT_EQ(s->numControlPoints(), 7);
  EXPECT_EQ(s->numFitPoints(), 5);
  for (unsigned i = 0; i < fit.size(); ++i)
  {
    double param = 0.0;
    OdGePoint3d on;
    ASSERT_EQ(s->getParamAtPoint(fit[i], param), eOk) << i;
    s->getPointAtParam(param, on);
    EXPECT_NEAR(on.distanceTo(fit[i]), 0.0, 1e-9) << i;
  }
  double start = 0.0, end = 0.0;
  s->getStartParam(start);
  s->getEndParam(end);
  OdGeVector3d d0, d1;
  s->getFirstDeriv(start, d0);
  s->getFirstDeriv(end, d1);
  EXPECT_NEAR(d0.normal().y, 1.0, 1e-12);
  EXPECT_NEAR(d1.normal().x, 1.0, 1e-12);

  // A moved fit point is fitted again; a moved control point ends the fit data.
  ASSERT_EQ(s->setFitPointAt(2, OdGePoint3d(4, -1, 0)), eOk);
  double param = 0.0;
  EXPECT_EQ(s->getParamAtPoint(OdGePoint3d(4, -1, 0), param), eOk);
  EXPECT_EQ(s->getParamAtPoint(OdGePoint3d(4, 0, 0), param), eInvalidInput);
  ASSERT_EQ(s->setFitTol(0.0), eOk);
  EXPECT_EQ(s->numFitPoints(), 5);
  ASSERT_EQ(s->setControlPointAt(3, OdGePoint3d(4, 4, 0)), eOk);
  EXPECT_EQ(s->numFitPoints(), 0);
  OdGeVector3d t0, t1;
  EXPECT_EQ(s->getFitTangents(t0, t1), eNotApplicable);

  // Without tangents, two points make the straight segment between them.
  OdDbSplinePtr two = OdDbSpline::createObject();
  ASSERT_EQ(two->setFitData(points({{1, 1, 1}, {4, 5, 1}}), 3, 0.0, OdGeVector3d(), OdGeVector3d()), eOk);
  EXPECT_TRUE(two->isLinear());
  double length = 0.0;
  two->getEndParam(end);
  two->getDistAtParam(end, length);
  EXPECT_NEAR(length, 5.0, 1e-9);
}

TEST(CurvesSpline, RefusedValuesLeaveTheSplineAsItWas)
{
  OdDbSplinePtr s = OdDbSpline::createObject();
  ASSERT_EQ(s->setFitData(points({{0, 0, 0}, {1, 1, 0}, {3, 0, 0}}), 3, 0.5, OdGeVector3d(), OdGeVector3d()), eOk);
  const OdDbDxfTagList before = snapshot(s);
  const OdGePoint3dArray four = points({{0, 0, 0}, {1, 1, 0}, {2, 1, 0}, {3, 0, 0}});
  struct Case
  {
    const char* name;
    std::function<OdResult()> call;
  } cases[] = {
    {"negative fit tolerance", [&] { return s->setFitTol(-0.1); }},
    {"NaN fit tolerance", [&] { return s->setFitTol(kNaN); }},
    {"fit point index -1", [&] { return s->setFitPointAt(-1, OdGePoint3d()); }},
    {"fit point index 3", [&] { return s->setFitPointAt(3, OdGePoint3d()); }},
    {"fit point onto its neighbour", [&] { return s->setFitPointAt(1, OdGePoint3d(0, 0, 0)); }},
    {"control point index", [&] { return s->setControlPointAt(s->numControlPoints(), OdGePoint3d()); }},
    {"NaN control point", [&] { return s->setControlPointAt(0, OdGePoint3d(kNaN, 0, 0)); }},
    {"zero weight", [&] { return s->setWeightAt(0, 0.0); }},
    {"one fit point", [&] { return s->setFitData(points({{0, 0, 0}}), 3, 0.0, OdGeVector3d(), OdGeVector3d()); }},
    {"fit degree 2", [&] { return s->setFitData(four, 2, 0.0, OdGeVector3d(), OdGeVector3d()); }},
    {"knot count", [&] { return s->setNurbsData(3, false, false, false, four, doubles({0, 0, 0, 0, 1, 1, 1}), {}); }},
    {"decreasing knots", [&] { return s->setNurbsData(3, false, false, false, four, doubles({0, 0, 0, 1, 0, 1, 1, 1}), {}); }},
    {"empty interval", [&] { return s->setNurbsData(3, false, false, false, four, doubles({0, 0, 0, 0, 0, 0, 0, 0}), {}); }},
    {"too few points for the degree", [&] { return s->setNurbsData(4, false, false, false, four, doubles({0, 0, 0, 0, 0, 1, 1, 1, 1}), {}); }},
    {"weight count", [&] { return s->setNurbsData(3, true, false, false, four, doubles({0, 0, 0, 0, 1, 1, 1, 1}), doubles({1, 1})); }},
    {"negative weight", [&] { return s->setNurbsData(3, true, false, false, four, doubles({0, 0, 0, 0, 1, 1, 1, 1}), doubles({1, -1, 1, 1})); }},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.name);
    EXPECT_NE(c.call(), eOk);
    EXPECT_EQ(snapshot(s), before);
  }
  OdGePoint3d p;
  EXPECT_EQ(s->getControlPointAt(-1, p), eInvalidIndex);
  EXPECT_EQ(s->getFitPointAt(3, p), eInvalidIndex);
  OdDbSplinePtr empty = OdDbSpline::createObject();
  double length = 0.0;
  EXPECT_EQ(empty->getDistAtParam(0.0, length), eDegenerateGeometry);
}

TEST(CurvesSpline, TransformMovesControlAndFitPointsAndOpenModeIsKept)
{
  KyTestDrawing drawing;
  OdDbObjectId id;
  {
    OdDbSplinePtr made = OdDbSpline::createObject();
    ASSERT_EQ(made->setFitData(points({{0, 0, 0}, {1, 2, 0}, {3, 1, 0}}), 3, 0.0, OdGeVector3d(1, 0, 0),
                               OdGeVector3d(0, -1, 0)),
              eOk);
    id = drawing.add(made);
  }
  {
    OdDbSplinePtr s = id.openObject(OdDb::kForWrite);
    ASSERT_EQ(s->transformBy(OdGeMatrix3d::translation(OdGeVector3d(10, 0, 5))), eOk);
    OdGePoint3d p;
    ASSERT_EQ(s->getFitPointAt(1, p), eOk);
    EXPECT_EQ(p, OdGePoint3d(11, 2, 5));
    ASSERT_EQ(s->getControlPointAt(0, p), eOk);
    EXPECT_EQ(p, OdGePoint3d(10, 0, 5));
  }
  OdDbSplinePtr s = id.openObject(OdDb::kForRead);
  try
  {
    s->setFitTol(0.25);
    ADD_FAILURE() << "written while open for read";
  }
  catch (const OdError& x)
  {
    EXPECT_EQ(x.code(), eNotOpenForWrite);
  }
  EXPECT_EQ(s->fitTolerance(), 0.0);
}
