// Tests of the lightweight polyline stand-in: lengths, areas and parameters with bulge arcs,
// world points through the object coordinate system and elevation, segment kinds, the stored
// constant width, index errors, transforms, and refused input leaving the polyline unchanged.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <tuple>

#include "DbFiler.h"
#include "DbPolyline.h"
#include "KyTestDrawing.h"

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

struct Vert
{
  double x, y, bulge;
};

OdDbPolylinePtr makePolyline(std::initializer_list<Vert> vertices, bool closed = false)
{
  OdDbPolylinePtr pline = OdDbPolyline::createObject();
  unsigned int i = 0;
  for (const Vert& v : vertices)
    pline->addVertexAt(i++, OdGePoint2d(v.x, v.y), v.bulge);
  pline->setClosed(closed);
  return pline;
}

double areaOf(const OdDbPolyline* pline)
{
  double area = -1.0;
  EXPECT_EQ(eOk, pline->getArea(area));
  return area;
}

double lengthOf(const OdDbPolyline* pline)
{
  double endParam = 0.0, length = -1.0;
  EXPECT_EQ(eOk, pline->getEndParam(endParam));
  EXPECT_EQ(eOk, pline->getDistAtParam(endParam, length));
  return length;
}
} // namespace

TEST(CurvesPolyline, RectangleAreaAndPerimeter)
{
  OdDbPolylinePtr closed = makePolyline({{0, 0, 0}, {10, 0, 0}, {10, 5, 0}, {0, 5, 0}}, true);
  EXPECT_NEAR(50.0, areaOf(closed), kEps);
  EXPECT_NEAR(30.0, lengthOf(closed), kEps);
  double endParam = 0.0;
  closed->getEndParam(endParam);
  EXPECT_EQ(4.0, endParam);

  // Open, and running clockwise: the area is that of the closed outline, positive.
  OdDbPolylinePtr open = makePolyline({{0, 5, 0}, {10, 5, 0}, {10, 0, 0}, {0, 0, 0}});
  EXPECT_NEAR(50.0, areaOf(open), kEps);
  EXPECT_NEAR(25.0, lengthOf(open), kEps);
}

TEST(CurvesPolyline, LineAndHalfCircleBulgeMeasureAlongTheArc)
{
  OdDbPolylinePtr pline = makePolyline({{0, 0, 0}, {10, 0, 1.0}, {10, 10, 0}});
  EXPECT_NEAR(10.0 + 5.0 * OdaPI, lengthOf(pline), kEps);

  double dist = 0.0, param = 0.0;
  EXPECT_EQ(eOk, pline->getDistAtParam(1.5, dist));
  EXPECT_NEAR(10.0 + 2.5 * OdaPI, dist, kEps);
  EXPECT_EQ(eOk, pline->getParamAtDist(10.0 + 2.5 * OdaPI, param));
  EXPECT_NEAR(1.5, param, kEps);
  EXPECT_EQ(eOk, pline->getParamAtDist(4.0, param));
  EXPECT_NEAR(0.4, param, kEps);

  // Positive bulge: counter-clockwise, so the arc swings out to +X around centre (10, 5).
  OdGePoint3d point;
  EXPECT_EQ(eOk, pline->getPointAtParam(1.5, point));
  expectPoint(point, OdGePoint3d(15.0, 5.0, 0.0));
  EXPECT_EQ(eOk, pline->getParamAtPoint(OdGePoint3d(15.0, 5.0, 0.0), param));
  EXPECT_NEAR(1.5, param, kEps);
  EXPECT_EQ(eInvalidInput, pline->getParamAtPoint(OdGePoint3d(5.0, 5.0, 0.0), param));
  EXPECT_EQ(eInvalidInput, pline->getPointAtParam(2.5, point));
  EXPECT_EQ(eInvalidInput, pline->getDistAtParam(-0.5, dist));

  OdGeExtents3d extents;
  EXPECT_EQ(eOk, pline->getGeomExtents(extents));
  expectPoint(extents.minPoint(), OdGePoint3d(0.0, 0.0, 0.0));
  expectPoint(extents.maxPoint(), OdGePoint3d(15.0, 10.0, 0.0));
}

TEST(CurvesPolyline, AreaAddsOrRemovesTheCircularSegmentsOfBulges)
{
  const double halfDisc = 12.5 * OdaPI;
  struct Case
  {
    const char* name;
    OdDbPolylinePtr pline;
    double area;
  } cases[] = {
      {"outward bulge on a counter-clockwise square",
       makePolyline({{0, 0, 1.0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}}, true), 100.0 + halfDisc},
      {"inward bulge on a counter-clockwise square",
       makePolyline({{0, 0, -1.0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}}, true), 100.0 - halfDisc},
      {"outward bulge on the closing segment of a clockwise square",
       makePolyline({{0, 0, 0}, {0, 10, 0}, {10, 10, 0}, {10, 0, -1.0}}, true), 100.0 + halfDisc},
      {"two half circles", makePolyline({{0, 0, 1.0}, {10, 0, 1.0}}, true), 2.0 * halfDisc},
      {"open half circle closed by its chord", makePolyline({{0, 0, 1.0}, {10, 0, 0}}), halfDisc},
      {"quarter-turn bulge", makePolyline({{1, 0, std::tan(OdaPI / 8.0)}, {0, 1, 0}, {0, 0, 0}}, true), OdaPI / 4.0},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(c.area, areaOf(c.pline), kEps) << c.name;
}

TEST(CurvesPolyline, WorldPointsUseElevationAndTheObjectCoordinateSystem)
{
  struct Case
  {
    OdGeVector3d normal;
    OdGePoint3d expected;
  } cases[] = {
      {OdGeVector3d(0, 0, 1), OdGePoint3d(2, 4, 3)},
      {OdGeVector3d(2, 0, 0), OdGePoint3d(3, 2, 4)},
      {OdGeVector3d(0, 0, -1), OdGePoint3d(-2, 4, -3)},
  };
  for (const Case& c : cases)
  {
    OdDbPolylinePtr pline = makePolyline({{2, 4, 0}, {7, 4, 0.5}, {7, 9, 0}});
    pline->setElevation(3.0);
    pline->setNormal(c.normal);
    OdGePoint3d world, start, onCurve;
    pline->getPointAt(0, world);
    expectPoint(world, c.expected);
    pline->getStartPoint(start);
    expectPoint(start, c.expected);
    OdGePoint2d local;
    pline->getPointAt(0, local);
    EXPECT_EQ(OdGePoint2d(2, 4), local);
    // Callers get the 2D vertex back through the plane of the normal through the origin.
    EXPECT_EQ(local, world.convert2d(OdGePlane(OdGePoint3d::kOrigin, pline->normal())));

    // The arc's middle and the vertices map back to their parameters.
    for (const double param : {0.0, 1.0, 1.5, 2.0})
    {
      double found = -1.0;
      ASSERT_EQ(eOk, pline->getPointAtParam(param, onCurve));
      EXPECT_EQ(eOk, pline->getParamAtPoint(onCurve, found));
      EXPECT_NEAR(param, found, kEps);
    }
    double offPlane = 0.0;
    EXPECT_EQ(eInvalidInput, pline->getParamAtPoint(onCurve + c.normal, offPlane));
  }
}

// Polylines in the world XY plane take a shortcut past the plane's transform; a normal of
// (-0, 0, 1) is the same plane but goes the general way, and every point must agree to the bit.
TEST(CurvesPolyline, WorldXYPlaneShortcutGivesTheGeneralTransformsPoints)
{
  auto bits = [](const OdGePoint3d& p) {
    return std::make_tuple(p.x, p.y, p.z, std::signbit(p.x), std::signbit(p.y), std::signbit(p.z));
  };
  for (const double elevation : {0.0, -0.0, 2.5})
  {
    OdDbPolylinePtr plines[2] = {makePolyline({{-0.0, -0.0, 0}, {7, -0.0, 0.5}, {7, 9, -1.0}, {-3, 9, 0}}, true),
                                 makePolyline({{-0.0, -0.0, 0}, {7, -0.0, 0.5}, {7, 9, -1.0}, {-3, 9, 0}}, true)};
    plines[1]->setNormal(OdGeVector3d(-0.0, 0.0, 1.0));
    ASSERT_TRUE(std::signbit(plines[1]->normal().x));
    for (OdDbPolylinePtr& pline : plines)
      pline->setElevation(elevation);
    for (unsigned int i = 0; i < 4; ++i)
    {
      OdGePoint3d shortcut, general;
      plines[0]->getPointAt(i, shortcut);
      plines[1]->getPointAt(i, general);
      EXPECT_EQ(bits(general), bits(shortcut)) << "vertex " << i << ", elevation " << elevation;
      if (plines[0]->segType(i) == OdDbPolyline::kLine)
      {
        OdGeLineSeg3d a, b;
        plines[0]->getLineSegAt(i, a);
        plines[1]->getLineSegAt(i, b);
        EXPECT_EQ(bits(b.startPoint()), bits(a.startPoint())) << "segment " << i;
        EXPECT_EQ(bits(b.endPoint()), bits(a.endPoint())) << "segment " << i;
      }
      else
      {
        OdGeCircArc3d a, b;
        plines[0]->getArcSegAt(i, a);
        plines[1]->getArcSegAt(i, b);
        EXPECT_EQ(bits(b.center()), bits(a.center())) << "segment " << i;
        EXPECT_EQ(b.startAng(), a.startAng()) << "segment " << i;
        EXPECT_EQ(b.endAng(), a.endAng()) << "segment " << i;
      }
    }
  }
}

TEST(CurvesPolyline, SegmentKinds)
{
  OdDbPolylinePtr pline = makePolyline({{0, 0, 0}, {0, 0, 0.5}, {5, 0, 0}});
  EXPECT_EQ(OdDbPolyline::kCoincident, pline->segType(0));
  EXPECT_EQ(OdDbPolyline::kArc, pline->segType(1));
  EXPECT_EQ(OdDbPolyline::kEmpty, pline->segType(2));
  EXPECT_FALSE(pline->isOnlyLines());
  EXPECT_TRUE(pline->hasBulges());
  pline->setClosed(true);
  EXPECT_EQ(OdDbPolyline::kLine, pline->segType(2));
  EXPECT_EQ(OdDbPolyline::kEmpty, pline->segType(3));

  OdDbPolylinePtr single = makePolyline({{1, 1, 0}});
  EXPECT_EQ(OdDbPolyline::kPoint, single->segType(0));
  EXPECT_EQ(OdDbPolyline::kEmpty, single->segType(1));
  EXPECT_EQ(OdDbPolyline::kEmpty, OdDbPolyline::createObject()->segType(0));
}

TEST(CurvesPolyline, SegmentGeometryRunsFromVertexToVertex)
{
  OdDbPolylinePtr pline = makePolyline({{0, 0, 0}, {10, 0, 1.0}, {10, 10, -0.5}, {0, 10, 0}});
  pline->setNormal(OdGeVector3d(1, 1, 1));
  pline->setElevation(-2.0);

  OdGeLineSeg3d line;
  pline->getLineSegAt(0, line);
  OdGePoint3d v0, v1;
  pline->getPointAt(0, v0);
  pline->getPointAt(1, v1);
  expectPoint(line.startPoint(), v0);
  expectPoint(line.endPoint(), v1);

  OdGeCircArc2d arc2d;
  pline->getArcSegAt(1, arc2d);
  EXPECT_NEAR(10.0, arc2d.center().x, kEps);
  EXPECT_NEAR(5.0, arc2d.center().y, kEps);
  EXPECT_NEAR(5.0, arc2d.radius(), kEps);
  EXPECT_NEAR(OdaPI, arc2d.endAng() - arc2d.startAng(), kEps);

  // Both turning directions: the 3D arc starts at the segment's start vertex.
  for (unsigned int i : {1u, 2u})
  {
    OdGeCircArc3d arc;
    pline->getArcSegAt(i, arc);
    OdGePoint3d from, to, middle;
    pline->getPointAt(i, from);
    pline->getPointAt(i + 1, to);
    pline->getPointAtParam(i + 0.5, middle);
    expectPoint(arc.startPoint(), from);
    expectPoint(arc.endPoint(), to);
    expectPoint(arc.evalPoint((arc.startAng() + arc.endAng()) / 2.0), middle);
  }
}

TEST(CurvesPolyline, BadIndicesAndWrongSegmentKindsRaise)
{
  OdDbPolylinePtr pline = makePolyline({{0, 0, 0}, {10, 0, 1.0}, {10, 10, 0}});
  OdGePoint3d point;
  OdGePoint2d point2d;
  OdGeLineSeg2d line;
  OdGeCircArc3d arc;
  double a = 0.0, b = 0.0;
  struct Case
  {
    const char* name;
    std::function<void()> call;
    OdResult code;
  } cases[] = {
      {"getPointAt 3d", [&] { pline->getPointAt(3, point); }, eInvalidIndex},
      {"getPointAt 2d", [&] { pline->getPointAt(3, point2d); }, eInvalidIndex},
      {"setPointAt", [&] { pline->setPointAt(3, point2d); }, eInvalidIndex},
      {"getBulgeAt", [&] { pline->getBulgeAt(3); }, eInvalidIndex},
      {"setBulgeAt", [&] { pline->setBulgeAt(3, 0.0); }, eInvalidIndex},
      {"getWidthsAt", [&] { pline->getWidthsAt(3, a, b); }, eInvalidIndex},
      {"setWidthsAt", [&] { pline->setWidthsAt(3, 1.0, 1.0); }, eInvalidIndex},
      {"removeVertexAt", [&] { pline->removeVertexAt(3); }, eInvalidIndex},
      {"line past the last segment", [&] { pline->getLineSegAt(2, line); }, eInvalidIndex},
      {"arc past the last segment", [&] { pline->getArcSegAt(2, arc); }, eInvalidIndex},
      {"line of an arc segment", [&] { pline->getLineSegAt(1, line); }, eNotApplicable},
      {"arc of a line segment", [&] { pline->getArcSegAt(0, arc); }, eNotApplicable},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.code, errorOf(c.call)) << c.name;
  EXPECT_EQ(3u, pline->numVerts());
}

TEST(CurvesPolyline, ConstantWidthIsStoredAndResetByDifferingVertexWidths)
{
  OdDbPolylinePtr pline = makePolyline({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}});
  pline->setConstantWidth(2.0);
  pline->addVertexAt(3, OdGePoint2d(0, 10));
  EXPECT_EQ(2.0, pline->getConstantWidth());
  double start = 0.0, end = 0.0;
  for (unsigned int i = 0; i < 4; ++i)
  {
    pline->getWidthsAt(i, start, end);
    EXPECT_EQ(2.0, start);
    EXPECT_EQ(2.0, end);
  }

  // Equal widths keep it; differing ones reset it and leave the other vertices alone.
  pline->setWidthsAt(0, 2.0, 2.0);
  EXPECT_EQ(2.0, pline->getConstantWidth());
  pline->setWidthsAt(1, 2.0, 5.0);
  EXPECT_EQ(0.0, pline->getConstantWidth());
  pline->getWidthsAt(1, start, end);
  EXPECT_EQ(5.0, end);
  pline->getWidthsAt(2, start, end);
  EXPECT_EQ(2.0, start);
  EXPECT_TRUE(pline->hasWidth());

  // Explicit widths on a new vertex count as differing widths too.
  pline->setConstantWidth(1.0);
  pline->addVertexAt(0, OdGePoint2d(-5, 0), 0.0, 3.0, 3.0);
  EXPECT_EQ(0.0, pline->getConstantWidth());
  pline->setConstantWidth(0.0);
  EXPECT_FALSE(pline->hasWidth());

  const OdDbDxfTagList before = snapshot(pline);
  EXPECT_EQ(eInvalidInput, errorOf([&] { pline->setWidthsAt(0, -1.0, 1.0); }));
  EXPECT_EQ(eInvalidInput, errorOf([&] { pline->setConstantWidth(-1.0); }));
  EXPECT_EQ(before, snapshot(pline));
}

TEST(CurvesPolyline, RefusesNonFiniteInputAndStaysUnchanged)
{
  OdDbPolylinePtr pline = makePolyline({{0, 0, 0}, {10, 0, 0.5}, {10, 10, 0}}, true);
  pline->setElevation(1.0);
  const OdDbDxfTagList before = snapshot(pline);
  const std::function<void()> refused[] = {
      [&] { pline->addVertexAt(1, OdGePoint2d(kNaN, 0.0)); },
      [&] { pline->addVertexAt(1, OdGePoint2d(1.0, 0.0), kInf); },
      [&] { pline->addVertexAt(1, OdGePoint2d(1.0, 0.0), 0.0, kNaN, 1.0); },
      [&] { pline->setPointAt(0, OdGePoint2d(0.0, -kInf)); },
      [&] { pline->setBulgeAt(1, kNaN); },
      [&] { pline->setWidthsAt(1, 1.0, kInf); },
      [&] { pline->setConstantWidth(kNaN); },
      [&] { pline->setElevation(kNaN); },
      [&] { pline->setThickness(-kInf); },
      [&] { pline->setNormal(OdGeVector3d(kNaN, 0.0, 1.0)); },
      [&] { pline->setNormal(OdGeVector3d()); },
  };
  for (const auto& call : refused)
    EXPECT_EQ(eInvalidInput, errorOf(call));
  EXPECT_EQ(before, snapshot(pline)) << snapshot(pline).toString();
}

TEST(CurvesPolyline, TransformMapsEveryPointOfLinesAndArcs)
{
  const OdGeMatrix3d xforms[] = {
      OdGeMatrix3d::rotation(1.1, OdGeVector3d(1.0, -2.0, 0.5), OdGePoint3d(3.0, 0.0, 1.0)),
      OdGeMatrix3d::translation(OdGeVector3d(5.0, 5.0, 5.0)) * OdGeMatrix3d::scaling(2.0),
      OdGeMatrix3d::mirroring(OdGePlane(OdGePoint3d(), OdGeVector3d(1.0, 0.0, 0.0))),
  };
  for (const OdGeMatrix3d& xform : xforms)
  {
    OdDbPolylinePtr pline = makePolyline({{0, 0, 0}, {10, 0, 1.0}, {10, 10, -0.4}, {0, 10, 0}}, true);
    pline->setElevation(2.0);
    pline->setConstantWidth(1.0);
    const double areaBefore = areaOf(pline);
    OdDbPolylinePtr before = pline->clone();

    ASSERT_EQ(eOk, pline->transformBy(xform));
    const double scale = xform.scale();
    for (double param = 0.0; param <= 4.0; param += 0.25)
    {
      OdGePoint3d old, moved;
      before->getPointAtParam(param, old);
      pline->getPointAtParam(param, moved);
      expectPoint(moved, xform * old);
    }
    EXPECT_NEAR(areaBefore * scale * scale, areaOf(pline), 1e-8);
    EXPECT_NEAR(scale, pline->getConstantWidth(), kEps);
    expectPoint(pline->normal().asPoint(), (xform * OdGeVector3d::kZAxis).normal().asPoint());
  }

  OdDbPolylinePtr pline = makePolyline({{0, 0, 0}, {10, 0, 0}});
  const OdDbDxfTagList before = snapshot(pline);
  EXPECT_EQ(eNotApplicable, pline->transformBy(OdGeMatrix3d::scaling(OdGeScale3d(2.0, 1.0, 1.0))));
  EXPECT_EQ(before, snapshot(pline));
}

TEST(CurvesPolyline, SnapshotHoldsFlagsVerticesAndWidths)
{
  OdDbPolylinePtr pline = makePolyline({{1, 2, 0.25}, {3, 4, 0}}, true);
  pline->setPlinegen(true);
  pline->setWidthsAt(0, 0.5, 1.5);
  const OdDbDxfTagList tags = snapshot(pline);
  EXPECT_EQ(OdString(L"2"), tags.find(90));
  EXPECT_EQ(OdString(L"129"), tags.find(70));
  EXPECT_EQ((std::vector<OdString>{L"1", L"3"}), tags.values(10));
  EXPECT_EQ((std::vector<OdString>{L"0.25", L"0"}), tags.values(42));
  EXPECT_EQ((std::vector<OdString>{L"0.5", L"0"}), tags.values(40));
  EXPECT_EQ((std::vector<OdString>{L"1.5", L"0"}), tags.values(41));

  OdDbPolylinePtr copy = pline->clone();
  EXPECT_EQ(tags, snapshot(copy));
  pline->reset(true, 1);
  EXPECT_EQ(1u, pline->numVerts());
  pline->reset(false, 5);
  EXPECT_EQ(0u, pline->numVerts());
  EXPECT_EQ(2u, copy->numVerts());
}

TEST(CurvesPolyline, ObjectOpenForReadRefusesWrites)
{
  KyTestDrawing drawing;
  OdDbObjectId id;
  {
    OdDbPolylinePtr pline = makePolyline({{0, 0, 0}, {10, 0, 0}});
    id = drawing.add(pline);
  }
  OdDbPolylinePtr pline = id.openObject(OdDb::kForRead);
  EXPECT_EQ(2u, pline->numVerts());
  EXPECT_EQ(eNotOpenForWrite, errorOf([&] { pline->setPointAt(0, OdGePoint2d(1, 1)); }));
  EXPECT_EQ(eNotOpenForWrite, errorOf([&] { pline->setClosed(true); }));
  OdGePoint2d point;
  pline->getPointAt(0, point);
  EXPECT_EQ(OdGePoint2d(0, 0), point);
}
