// Tests of the ellipse stand-in: angles against parameters, end points and lengths of arcs on
// tilted planes, areas, the full-turn rules of the angle setters, refused values leaving the
// ellipse unchanged, extents and reflections.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "DbEllipse.h"
#include "DbFiler.h"
#include "KyTestDrawing.h"

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

OdDbDxfTagList snapshot(const OdDbObject* object)
{
  OdDbDxfTagList tags;
  object->dxfOutFields(&tags);
  return tags;
}

OdDbEllipsePtr makeEllipse(const OdGePoint3d& center, const OdGeVector3d& normal, const OdGeVector3d& major,
                           double ratio, double startAngle = 0.0, double endAngle = Oda2PI)
{
  OdDbEllipsePtr e = OdDbEllipse::createObject();
  EXPECT_EQ(e->set(center, normal, major, ratio, startAngle, endAngle), eOk);
  return e;
}

// Length of the curve between two parameters as the sum of many chords: an independent measure.
double chordLength(const OdDbEllipse* e, double from, double to)
{
  const int n = 20000;
  double sum = 0.0;
  OdGePoint3d previous;
  e->getPointAtParam(from, previous);
  for (int i = 1; i <= n; ++i)
  {
    OdGePoint3d p;
    e->getPointAtParam(from + (to - from) * i / n, p);
    sum += p.distanceTo(previous);
    previous = p;
  }
  return sum;
}
} // namespace

TEST(CurvesEllipse, AnglesAndParametersAgreeOnThePoints)
{
  // Radii 10 and 4 in a plane tilted about X.
  const OdGeVector3d normal = OdGeVector3d(0, -1, 1).normal();
  OdDbEllipsePtr e = makeEllipse(OdGePoint3d(1, 2, 3), normal, OdGeVector3d(10, 0, 0), 0.4);
  const OdGeVector3d minorDir = normal.crossProduct(OdGeVector3d::kXAxis);
  for (double angle : {0.0, 0.3, OdaPI2, 2.0, OdaPI, 4.0, 3 * OdaPI2, 6.0})
  {
    SCOPED_TRACE(angle);
    const double t = e->paramAtAngle(angle);
    EXPECT_NEAR(e->angleAtParam(t), angle, kEps);
    OdGePoint3d p;
    ASSERT_EQ(e->getPointAtParam(t, p), eOk);
    // The point lies on the ray at that angle from the major axis.
    const OdGeVector3d offset = p - OdGePoint3d(1, 2, 3);
    EXPECT_NEAR(std::atan2(offset.dotProduct(minorDir), offset.x), std::remainder(angle, Oda2PI), kEps);
    double back = 0.0;
    ASSERT_EQ(e->getParamAtPoint(p, back), eOk);
    EXPECT_NEAR(back, t, kEps);
  }
  expectPoint(e->minorAxis().asPoint(), (minorDir * 4.0).asPoint());
}

TEST(CurvesEllipse, ArcsKeepTheirEndsAcrossTheSetters)
{
  struct Case
  {
    const char* name;
    double start, end;         // set(...)
    double wantStart, wantEnd; // angles read back
    bool closed;
  } cases[] = {
    {"full by default", 0.0, Oda2PI, 0.0, Oda2PI, true},
    {"quarter", 0.0, OdaPI2, 0.0, OdaPI2, false},
    {"across zero", 5.0, 1.0, 5.0, 1.0 + Oda2PI, false},
    {"negative start", -1.0, 1.0, Oda2PI - 1.0, Oda2PI + 1.0, false},
    {"equal ends close it", 1.0, 1.0, 1.0, 1.0 + Oda2PI, true},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.name);
    OdDbEllipsePtr e = makeEllipse(OdGePoint3d::kOrigin, OdGeVector3d::kZAxis, OdGeVector3d(3, 0, 0), 0.5, c.start, c.end);
    EXPECT_NEAR(e->startAngle(), c.wantStart, kEps);
    EXPECT_NEAR(e->endAngle(), c.wantEnd, kEps);
    EXPECT_EQ(e->isClosed(), c.closed);
    OdGePoint3d start, end;
    e->getStartPoint(start);
    e->getEndPoint(end);
    expectPoint(start, OdGePoint3d(3 * std::cos(e->paramAtAngle(c.start)), 1.5 * std::sin(e->paramAtAngle(c.start)), 0));
    expectPoint(end, OdGePoint3d(3 * std::cos(e->paramAtAngle(c.end)), 1.5 * std::sin(e->paramAtAngle(c.end)), 0));
  }

  // The end angle 2pi on an arc starting at 1 rad ends the arc at the major axis.
  OdDbEllipsePtr e = makeEllipse(OdGePoint3d::kOrigin, OdGeVector3d::kZAxis, OdGeVector3d(3, 0, 0), 0.5, 1.0, 2.0);
  e->setEndAngle(Oda2PI);
  EXPECT_NEAR(e->endAngle(), Oda2PI, kEps);
  e->setStartAngle(3 * OdaPI);
  EXPECT_NEAR(e->startAngle(), OdaPI, kEps);
  EXPECT_NEAR(e->endAngle(), Oda2PI, kEps);
  double endParam = 0.0;
  e->getEndParam(endParam);
  EXPECT_NEAR(endParam, Oda2PI, kEps);
}

TEST(CurvesEllipse, LengthsAndAreasOfEllipsesAndArcs)
{
  struct Case
  {
    const char* name;
    double ratio, start, end;
  } cases[] = {
    {"circle-shaped", 1.0, 0.0, Oda2PI},
    {"full", 0.4, 0.0, Oda2PI},
    {"flat", 0.01, 0.0, Oda2PI},
    {"arc across zero", 0.4, 5.0, 1.0},
    {"small arc", 0.7, 0.2, 0.3},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.name);
    OdDbEllipsePtr e = makeEllipse(OdGePoint3d(5, 5, 5), OdGeVector3d(1, 1, 1), OdGeVector3d(10, -10, 0), c.ratio,
                                   c.start, c.end);
    double startParam = 0.0, endParam = 0.0, length = 0.0;
    e->getStartParam(startParam);
    e->getEndParam(endParam);
    ASSERT_EQ(e->getDistAtParam(endParam, length), eOk);
    EXPECT_NEAR(length, chordLength(e, startParam, endParam), 1e-5);
    double mid = 0.0, param = 0.0;
    e->getDistAtParam((startParam + endParam) / 2, mid);
    ASSERT_EQ(e->getParamAtDist(mid, param), eOk);
    EXPECT_NEAR(param, (startParam + endParam) / 2, 1e-9);

    const double a = std::sqrt(200.0), b = a * c.ratio, sweep = endParam - startParam;
    double area = 0.0;
    ASSERT_EQ(e->getArea(area), eOk);
    EXPECT_NEAR(area, e->isClosed() ? OdaPI * a * b : a * b * (sweep - std::sin(sweep)) / 2, 1e-9);
  }
  // A circle of radius 2 is 4pi long.
  OdDbEllipsePtr circle = makeEllipse(OdGePoint3d::kOrigin, OdGeVector3d::kZAxis, OdGeVector3d(0, 2, 0), 1.0);
  double length = 0.0;
  circle->getDistAtParam(Oda2PI, length);
  EXPECT_NEAR(length, 4 * OdaPI, 1e-12);
  EXPECT_EQ(circle->getDistAtParam(Oda2PI + 0.1, length), eInvalidInput);
}

TEST(CurvesEllipse, RefusedValuesLeaveTheEllipseAsItWas)
{
  OdDbEllipsePtr e = makeEllipse(OdGePoint3d(1, 1, 0), OdGeVector3d::kZAxis, OdGeVector3d(4, 0, 0), 0.5, 0.5, 2.0);
  const OdDbDxfTagList before = snapshot(e);
  struct Case
  {
    const char* name;
    std::function<OdResult()> call;
  } cases[] = {
    {"ratio 0", [&] { return e->set(OdGePoint3d::kOrigin, OdGeVector3d::kZAxis, OdGeVector3d(1, 0, 0), 0.0); }},
    {"ratio above 1", [&] { return e->set(OdGePoint3d::kOrigin, OdGeVector3d::kZAxis, OdGeVector3d(1, 0, 0), 1.0001); }},
    {"zero major axis", [&] { return e->set(OdGePoint3d::kOrigin, OdGeVector3d::kZAxis, OdGeVector3d(), 0.5); }},
    {"zero normal", [&] { return e->set(OdGePoint3d::kOrigin, OdGeVector3d(), OdGeVector3d(1, 0, 0), 0.5); }},
    {"axis along the normal", [&] { return e->set(OdGePoint3d::kOrigin, OdGeVector3d::kZAxis, OdGeVector3d(1, 0, 1), 0.5); }},
    {"NaN centre", [&] { return e->set(OdGePoint3d(kNaN, 0, 0), OdGeVector3d::kZAxis, OdGeVector3d(1, 0, 0), 0.5); }},
    {"NaN angle", [&] { return e->set(OdGePoint3d::kOrigin, OdGeVector3d::kZAxis, OdGeVector3d(1, 0, 0), 0.5, kNaN); }},
    {"setRadiusRatio 0", [&] { try { e->setRadiusRatio(0.0); } catch (const OdError& x) { return x.code(); } return eOk; }},
    {"setRadiusRatio 2", [&] { try { e->setRadiusRatio(2.0); } catch (const OdError& x) { return x.code(); } return eOk; }},
    {"setStartAngle NaN", [&] { try { e->setStartAngle(kNaN); } catch (const OdError& x) { return x.code(); } return eOk; }},
    {"setCenter NaN", [&] { try { e->setCenter(OdGePoint3d(0, kNaN, 0)); } catch (const OdError& x) { return x.code(); } return eOk; }},
    {"shear", [&] {
       OdGeMatrix3d shear;
       shear(0, 1) = 0.5;
       return e->transformBy(shear);
     }},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.name);
    EXPECT_NE(c.call(), eOk);
    EXPECT_EQ(snapshot(e), before);
  }
}

TEST(CurvesEllipse, ReadingAndWritingFollowTheOpenMode)
{
  KyTestDrawing drawing;
  OdDbObjectId id;
  {
    OdDbEllipsePtr made = makeEllipse(OdGePoint3d::kOrigin, OdGeVector3d::kZAxis, OdGeVector3d(4, 0, 0), 0.5);
    id = drawing.add(made);
  }
  OdDbEllipsePtr e = id.openObject(OdDb::kForRead);
  EXPECT_NO_THROW(e->center());
  try
  {
    e->setRadiusRatio(0.25);
    ADD_FAILURE() << "written while open for read";
  }
  catch (const OdError& x)
  {
    EXPECT_EQ(x.code(), eNotOpenForWrite);
  }
  EXPECT_EQ(e->radiusRatio(), 0.5);
}

TEST(CurvesEllipse, ExtentsReachTheExtremesTheArcPasses)
{
  // Radii 4 and 2 about (1, 1): the upper half reaches y = 3 at x = 1, the ends lie at x = 5 and -3.
  OdDbEllipsePtr e = makeEllipse(OdGePoint3d(1, 1, 0), OdGeVector3d::kZAxis, OdGeVector3d(4, 0, 0), 0.5, 0.0, OdaPI);
  OdGeExtents3d box;
  ASSERT_EQ(e->getGeomExtents(box), eOk);
  expectPoint(box.minPoint(), OdGePoint3d(-3, 1, 0));
  expectPoint(box.maxPoint(), OdGePoint3d(5, 3, 0));
  // Turned by 90 degrees and full.
  OdDbEllipsePtr f = makeEllipse(OdGePoint3d::kOrigin, OdGeVector3d::kZAxis, OdGeVector3d(0, 4, 0), 0.5);
  f->getGeomExtents(box);
  expectPoint(box.minPoint(), OdGePoint3d(-2, -4, 0));
  expectPoint(box.maxPoint(), OdGePoint3d(2, 4, 0));
}

TEST(CurvesEllipse, ReflectionKeepsEveryParametersPoint)
{
  OdDbEllipsePtr e = makeEllipse(OdGePoint3d(1, 2, 0), OdGeVector3d::kZAxis, OdGeVector3d(4, 0, 0), 0.5, 0.5, 2.5);
  OdGePoint3d before[3];
  double params[3] = {0.0, 0.0, 0.0};
  e->getStartParam(params[0]);
  e->getEndParam(params[2]);
  params[1] = (params[0] + params[2]) / 2;
  for (int i = 0; i < 3; ++i)
    e->getPointAtParam(params[i], before[i]);
  const OdGeMatrix3d mirror = OdGeMatrix3d::mirroring(OdGePlane(OdGePoint3d::kOrigin, OdGeVector3d::kXAxis));
  ASSERT_EQ(e->transformBy(mirror), eOk);
  for (int i = 0; i < 3; ++i)
  {
    OdGePoint3d after;
    ASSERT_EQ(e->getPointAtParam(params[i], after), eOk);
    expectPoint(after, mirror * before[i]);
  }
  EXPECT_NEAR(e->normal().z, -1.0, kEps);
  EXPECT_EQ(e->radiusRatio(), 0.5);
}
