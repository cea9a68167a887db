// Tests of the circle and arc stand-ins: parameters as object-coordinate angles (across the
// zero angle and on tilted planes), lengths and areas, extents through quadrant points,
// transforms including reflections, and refused input leaving the object unchanged.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "DbArc.h"
#include "DbCircle.h"
#include "DbFiler.h"
#include "Ge/GePlane.h"

namespace
{
const double kEps = 1e-9;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

void expectPoint(const OdGePoint3d& actual, const OdGePoint3d& expected)
{
  EXPECT_NEAR(actual.x, expected.x, kEps);
  EXPECT_NEAR(actual.y, expected.y, kEps);
  EXPECT_NEAR(actual.z, expected.z, kEps);
}

OdResult errorOf(const std::function<void()>& call)
{
  try
  {
    call();
  }
  catch (const OdError& e)
  {
    return e.code();
  }
  return eOk;
}

OdDbDxfTagList snapshot(const OdDbObject* object)
{
  OdDbDxfTagList tags;
  object->dxfOutFields(&tags);
  return tags;
}

OdDbArcPtr makeArc(const OdGePoint3d& center, double radius, double startAngle, double endAngle,
                   const OdGeVector3d& normal = OdGeVector3d::kZAxis)
{
  OdDbArcPtr arc = OdDbArc::createObject();
  arc->setCenter(center);
  arc->setRadius(radius);
  arc->setNormal(normal);
  arc->setStartAngle(startAngle);
  arc->setEndAngle(endAngle);
  return arc;
}
} // namespace

TEST(CurvesCircle, MeasuresFollowTheRadius)
{
  OdDbCirclePtr circle = OdDbCircle::createObject();
  circle->setCenter(OdGePoint3d(1.0, 2.0, 3.0));
  circle->setRadius(2.0);
  double area = 0.0, dist = 0.0, endParam = 0.0, param = 0.0;
  EXPECT_EQ(eOk, circle->getArea(area));
  EXPECT_NEAR(4.0 * OdaPI, area, kEps);
  EXPECT_NEAR(4.0 * OdaPI, circle->circumference(), kEps);
  EXPECT_EQ(eOk, circle->getEndParam(endParam));
  EXPECT_EQ(eOk, circle->getDistAtParam(endParam, dist));
  EXPECT_NEAR(circle->circumference(), dist, kEps);
  EXPECT_EQ(eOk, circle->getDistAtParam(OdaPI / 2.0, dist));
  EXPECT_NEAR(OdaPI, dist, kEps);
  EXPECT_EQ(eInvalidInput, circle->getDistAtParam(7.0, dist));
  EXPECT_TRUE(circle->isClosed());

  OdGePoint3d point;
  EXPECT_EQ(eOk, circle->getPointAtParam(OdaPI / 2.0, point));
  expectPoint(point, OdGePoint3d(1.0, 4.0, 3.0));
  EXPECT_EQ(eOk, circle->getParamAtPoint(OdGePoint3d(-1.0, 2.0, 3.0), param));
  EXPECT_NEAR(OdaPI, param, kEps);
  EXPECT_EQ(eInvalidInput, circle->getParamAtPoint(OdGePoint3d(1.0, 2.0, 3.0), param));
}

TEST(CurvesCircle, RefusesNonPositiveOrNonFiniteInputAndKeepsCircle)
{
  OdDbCirclePtr circle = OdDbCircle::createObject();
  circle->setRadius(5.0);
  circle->setThickness(1.0);
  const OdDbDxfTagList before = snapshot(circle);
  const std::function<void()> refused[] = {
      [&] { circle->setRadius(0.0); },
      [&] { circle->setRadius(-2.0); },
      [&] { circle->setRadius(kNaN); },
      [&] { circle->setDiameter(kInf); },
      [&] { circle->setCenter(OdGePoint3d(kNaN, 0.0, 0.0)); },
      [&] { circle->setNormal(OdGeVector3d()); },
      [&] { circle->setNormal(OdGeVector3d(0.0, kInf, 1.0)); },
      [&] { circle->setThickness(kNaN); },
  };
  for (const auto& call : refused)
    EXPECT_EQ(eInvalidInput, errorOf(call));
  EXPECT_EQ(before, snapshot(circle)) << snapshot(circle).toString();
  EXPECT_EQ(5.0, circle->radius());
}

TEST(CurvesCircle, StartPointLiesOnTheObjectXAxisOfATiltedNormal)
{
  // For the normal (1, 0, 0) the object X axis is world Y and the object Y axis world Z.
  OdDbCirclePtr circle = OdDbCircle::createObject();
  circle->setCenter(OdGePoint3d(5.0, 0.0, 0.0));
  circle->setRadius(2.0);
  circle->setNormal(OdGeVector3d(3.0, 0.0, 0.0));
  EXPECT_NEAR(1.0, circle->normal().length(), kEps);
  OdGePoint3d start, quarter;
  circle->getStartPoint(start);
  circle->getPointAtParam(OdaPI / 2.0, quarter);
  expectPoint(start, OdGePoint3d(5.0, 2.0, 0.0));
  expectPoint(quarter, OdGePoint3d(5.0, 0.0, 2.0));

  OdGeExtents3d extents;
  EXPECT_EQ(eOk, circle->getGeomExtents(extents));
  expectPoint(extents.minPoint(), OdGePoint3d(5.0, -2.0, -2.0));
  expectPoint(extents.maxPoint(), OdGePoint3d(5.0, 2.0, 2.0));
}

TEST(CurvesCircle, TransformScalesUniformlyAndRefusesDistortion)
{
  OdDbCirclePtr circle = OdDbCircle::createObject();
  circle->setCenter(OdGePoint3d(1.0, 0.0, 0.0));
  circle->setRadius(1.0);
  circle->setThickness(0.5);
  const OdGeMatrix3d xform =
      OdGeMatrix3d::rotation(OdaPI / 2.0, OdGeVector3d::kXAxis) * OdGeMatrix3d::scaling(2.0);
  EXPECT_EQ(eOk, circle->transformBy(xform));
  expectPoint(circle->center(), OdGePoint3d(2.0, 0.0, 0.0));
  EXPECT_NEAR(2.0, circle->radius(), kEps);
  EXPECT_NEAR(1.0, circle->thickness(), kEps);
  expectPoint(circle->normal().asPoint(), OdGePoint3d(0.0, -1.0, 0.0));

  const OdDbDxfTagList before = snapshot(circle);
  EXPECT_EQ(eNotApplicable, circle->transformBy(OdGeMatrix3d::scaling(OdGeScale3d(1.0, 2.0, 1.0))));
  OdGeMatrix3d broken;
  broken.entry[0][3] = kNaN;
  EXPECT_EQ(eInvalidInput, circle->transformBy(broken));
  EXPECT_EQ(before, snapshot(circle));
}

TEST(CurvesArc, AnglesAreStoredReducedIntoOneTurn)
{
  struct Case
  {
    double given;
    double stored;
  } cases[] = {{0.0, 0.0}, {-OdaPI / 2.0, 3.0 * OdaPI / 2.0}, {5.0 * OdaPI / 2.0, OdaPI / 2.0}, {Oda2PI, 0.0},
               {-7.0 * OdaPI, OdaPI}};
  OdDbArcPtr arc = OdDbArc::createObject();
  for (const Case& c : cases)
  {
    arc->setStartAngle(c.given);
    arc->setEndAngle(c.given);
    EXPECT_NEAR(c.stored, arc->startAngle(), kEps) << c.given;
    EXPECT_NEAR(c.stored, arc->endAngle(), kEps) << c.given;
  }
  EXPECT_EQ(eInvalidInput, errorOf([&] { arc->setStartAngle(kNaN); }));
  EXPECT_EQ(eInvalidInput, errorOf([&] { arc->setEndAngle(-kInf); }));
}

TEST(CurvesArc, ParametersRunCounterClockwiseAcrossZero)
{
  OdDbArcPtr arc = makeArc(OdGePoint3d(1.0, 1.0, 0.0), 2.0, 3.0 * OdaPI / 2.0, OdaPI / 2.0);
  double startParam = 0.0, endParam = 0.0, length = 0.0, param = 0.0;
  arc->getStartParam(startParam);
  arc->getEndParam(endParam);
  EXPECT_NEAR(3.0 * OdaPI / 2.0, startParam, kEps);
  EXPECT_NEAR(5.0 * OdaPI / 2.0, endParam, kEps);
  EXPECT_EQ(eOk, arc->getDistAtParam(endParam, length));
  EXPECT_NEAR(2.0 * OdaPI, length, kEps);

  OdGePoint3d start, end, middle;
  arc->getStartPoint(start);
  arc->getEndPoint(end);
  EXPECT_EQ(eOk, arc->getPointAtParam(Oda2PI, middle));
  expectPoint(start, OdGePoint3d(1.0, -1.0, 0.0));
  expectPoint(end, OdGePoint3d(1.0, 3.0, 0.0));
  expectPoint(middle, OdGePoint3d(3.0, 1.0, 0.0));

  // The point at angle 0 lies inside the sweep at parameter 2pi; the point at pi does not.
  EXPECT_EQ(eOk, arc->getParamAtPoint(OdGePoint3d(3.0, 1.0, 0.0), param));
  EXPECT_NEAR(Oda2PI, param, kEps);
  EXPECT_EQ(eInvalidInput, arc->getParamAtPoint(OdGePoint3d(-1.0, 1.0, 0.0), param));
  EXPECT_EQ(eInvalidInput, arc->getPointAtParam(OdaPI, middle));
  EXPECT_EQ(eOk, arc->getParamAtDist(OdaPI, param));
  EXPECT_NEAR(2.0 * OdaPI, param, kEps);
}

TEST(CurvesArc, AreaIsTheSegmentBetweenArcAndChord)
{
  struct Case
  {
    double radius, start, end, area;
  } cases[] = {
      {2.0, 0.0, OdaPI, 2.0 * OdaPI},
      {1.0, 0.0, OdaPI / 2.0, 0.5 * (OdaPI / 2.0 - 1.0)},
      {1.0, OdaPI / 2.0, 0.0, 0.5 * (1.5 * OdaPI + 1.0)},
      {3.0, 1.0, 1.0, 0.0},
  };
  for (const Case& c : cases)
  {
    OdDbArcPtr arc = makeArc(OdGePoint3d(), c.radius, c.start, c.end);
    double area = -1.0;
    EXPECT_EQ(eOk, arc->getArea(area));
    EXPECT_NEAR(c.area, area, kEps) << c.start << " " << c.end;
  }
}

TEST(CurvesArc, ExtentsIncludeTheQuadrantPointsPassed)
{
  struct Case
  {
    double start, end;
    OdGePoint3d min, max;
  } cases[] = {
      {0.0, OdaPI / 2.0, OdGePoint3d(0.0, 0.0, 0.0), OdGePoint3d(1.0, 1.0, 0.0)},
      {OdaPI / 4.0, 7.0 * OdaPI / 4.0, OdGePoint3d(-1.0, -1.0, 0.0), OdGePoint3d(std::sqrt(0.5), 1.0, 0.0)},
      {7.0 * OdaPI / 4.0, OdaPI / 4.0, OdGePoint3d(std::sqrt(0.5), -std::sqrt(0.5), 0.0), OdGePoint3d(1.0, std::sqrt(0.5), 0.0)},
  };
  for (const Case& c : cases)
  {
    OdDbArcPtr arc = makeArc(OdGePoint3d(), 1.0, c.start, c.end);
    OdGeExtents3d extents;
    EXPECT_EQ(eOk, arc->getGeomExtents(extents));
    expectPoint(extents.minPoint(), c.min);
    expectPoint(extents.maxPoint(), c.max);
  }
}

TEST(CurvesArc, TransformMapsEveryPointAndReflectionKeepsTheRunCounterClockwise)
{
  const OdGeMatrix3d xforms[] = {
      OdGeMatrix3d::translation(OdGeVector3d(1.0, 2.0, 3.0)) * OdGeMatrix3d::rotation(0.7, OdGeVector3d(1.0, 1.0, 0.0)),
      OdGeMatrix3d::scaling(3.0, OdGePoint3d(1.0, 1.0, 1.0)),
      OdGeMatrix3d::mirroring(OdGePlane(OdGePoint3d(2.0, 0.0, 0.0), OdGeVector3d::kXAxis)),
  };
  for (const OdGeMatrix3d& xform : xforms)
  {
    OdDbArcPtr arc = makeArc(OdGePoint3d(1.0, 0.0, 0.0), 2.0, 0.25, 2.0, OdGeVector3d(0.0, 1.0, 1.0));
    OdGePoint3d start, end, middle;
    arc->getStartPoint(start);
    arc->getEndPoint(end);
    arc->getPointAtParam(1.125, middle);
    double lengthBefore = 0.0, lengthAfter = 0.0, endParam = 0.0;
    arc->getEndParam(endParam);
    arc->getDistAtParam(endParam, lengthBefore);

    ASSERT_EQ(eOk, arc->transformBy(xform));
    const bool mirrors = xform.det() < 0.0;
    OdGePoint3d newStart, newEnd, newMiddle;
    arc->getStartPoint(newStart);
    arc->getEndPoint(newEnd);
    double startParam = 0.0;
    arc->getStartParam(startParam);
    arc->getEndParam(endParam);
    arc->getPointAtParam((startParam + endParam) / 2.0, newMiddle);
    arc->getDistAtParam(endParam, lengthAfter);
    expectPoint(newStart, xform * (mirrors ? end : start));
    expectPoint(newEnd, xform * (mirrors ? start : end));
    expectPoint(newMiddle, xform * middle);
    EXPECT_NEAR(lengthBefore * xform.scale(), lengthAfter, kEps);
    expectPoint(arc->normal().asPoint(), (xform * OdGeVector3d(0.0, 1.0, 1.0)).normal().asPoint());
  }
}

TEST(CurvesArc, SnapshotWritesAnglesAndCloneCopiesThem)
{
  OdDbArcPtr arc = makeArc(OdGePoint3d(1.0, 2.0, 0.0), 4.0, 0.5, 1.5);
  arc->setThickness(2.0);
  const OdDbDxfTagList tags = snapshot(arc);
  EXPECT_EQ(OdString(L"4"), tags.find(40));
  EXPECT_EQ(OdString(L"0.5"), tags.find(50));
  EXPECT_EQ(OdString(L"1.5"), tags.find(51));
  EXPECT_EQ(OdString(L"2"), tags.find(39));
  OdDbArcPtr copy = arc->clone();
  EXPECT_EQ(tags, snapshot(copy));
}

// The end points are kept with the arc: after every kind of change they are where the centre,
// radius, normal and angles put them.
TEST(CurvesArc, EndPointsFollowEveryChange)
{
  const OdGeVector3d tilted = OdGeVector3d(1.0, 2.0, 2.0).normal();
  struct Case
  {
    const char* change;
    std::function<void(OdDbArcPtr&)> apply;
  } cases[] = {
    {"centre", [](OdDbArcPtr& a) { a->setCenter(OdGePoint3d(-3.0, 4.0, 1.0)); }},
    {"radius", [](OdDbArcPtr& a) { a->setRadius(7.5); }},
    {"normal", [&](OdDbArcPtr& a) { a->setNormal(tilted); }},
    {"start angle", [](OdDbArcPtr& a) { a->setStartAngle(2.0); }},
    {"end angle", [](OdDbArcPtr& a) { a->setEndAngle(-1.0); }},
    {"transform", [](OdDbArcPtr& a) {
       ASSERT_EQ(eOk, a->transformBy(OdGeMatrix3d::rotation(0.7, OdGeVector3d::kXAxis) *
                                    OdGeMatrix3d::scaling(2.0) * OdGeMatrix3d::mirroring(OdGePlane(OdGePoint3d::kOrigin, OdGeVector3d::kXAxis))));
     }},
    {"clone", [](OdDbArcPtr& a) {
       a->setRadius(3.0);
       a = a->clone();
     }},
  };
  for (const Case& c : cases)
  {
    OdDbArcPtr arc = makeArc(OdGePoint3d(1.0, 2.0, 0.0), 4.0, 0.5, 1.5);
    c.apply(arc);
    const OdGeMatrix3d toWorld = OdGeMatrix3d::planeToWorld(arc->normal());
    const OdGeVector3d x = toWorld.getCsXAxis(), y = toWorld.getCsYAxis();
    auto at = [&](double angle) {
      return arc->center() + x * (arc->radius() * std::cos(angle)) + y * (arc->radius() * std::sin(angle));
    };
    OdGePoint3d start, end, atStart;
    arc->getStartPoint(start);
    arc->getEndPoint(end);
    double startParam = 0.0;
    arc->getStartParam(startParam);
    ASSERT_EQ(eOk, arc->getPointAtParam(startParam, atStart));
    SCOPED_TRACE(c.change);
    expectPoint(start, at(arc->startAngle()));
    expectPoint(end, at(arc->endAngle()));
    expectPoint(atStart, start);
  }
}
