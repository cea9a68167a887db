// Tests of the heavy polyline stand-ins: vertices as owned database objects with their own
// handles, the iterator, fitting that really adds and removes generated vertices (the placed ones
// keep their ids), the path geometry over line and bulge-arc segments in a tilted plane, and
// refused input leaving the polyline and its vertices as they were.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "Db2dPolyline.h"
#include "Db3dPolyline.h"
#include "Ge/GeGbl.h"
#include "KyTestDrawing.h"

namespace
{
const double kEps = 1e-9;

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

struct Vert
{
  double x, y, bulge;
};

OdDb2dPolylinePtr make2d(const std::vector<Vert>& verts, bool closed = false)
{
  OdDb2dPolylinePtr pline = OdDb2dPolyline::createObject();
  for (const Vert& v : verts)
  {
    OdDb2dVertexPtr vertex = OdDb2dVertex::createObject();
    vertex->setPosition(OdGePoint3d(v.x, v.y, 0.0));
    vertex->setBulge(v.bulge);
    pline->appendVertex(vertex);
  }
  if (closed)
    pline->makeClosed();
  return pline;
}

struct Walked
{
  OdDbObjectId id;
  int type;
  OdGePoint3d position;
};

// Every vertex of the iterator: id, vertexType() and position().
std::vector<Walked> walk2d(const OdDb2dPolyline* pline)
{
  std::vector<Walked> out;
  for (OdDbObjectIteratorPtr it = pline->vertexIterator(); !it->done(); it->step())
  {
    OdDb2dVertexPtr v = OdDb2dVertex::cast(it->entity().get());
    out.push_back({it->objectId(), v->vertexType(), v->position()});
  }
  return out;
}

std::vector<Walked> walk3d(const OdDb3dPolyline* pline)
{
  std::vector<Walked> out;
  for (OdDbObjectIteratorPtr it = pline->vertexIterator(); !it->done(); it->step())
  {
    OdDb3dPolylineVertexPtr v = OdDb3dPolylineVertex::cast(it->entity().get());
    out.push_back({it->objectId(), v->vertexType(), v->position()});
  }
  return out;
}

int countType(const std::vector<Walked>& vs, int type)
{
  int n = 0;
  for (const Walked& w : vs)
    n += w.type == type ? 1 : 0;
  return n;
}

std::vector<OdDbObjectId> idsOfType(const std::vector<Walked>& vs, std::function<bool(int)> keep)
{
  std::vector<OdDbObjectId> ids;
  for (const Walked& w : vs)
    if (keep(w.type))
      ids.push_back(w.id);
  return ids;
}

double length(const OdDbCurve* curve)
{
  double endParam = 0.0, dist = 0.0;
  EXPECT_EQ(curve->getEndParam(endParam), eOk);
  EXPECT_EQ(curve->getDistAtParam(endParam, dist), eOk);
  return dist;
}
} // namespace

TEST(Heavy2dPolyline, VerticesAreOwnedObjectsThatJoinTheDrawingWithIt)
{
  KyTestDrawing drawing;
  OdDb2dPolylinePtr pline = make2d({{0, 0, 0}, {10, 0, 0}, {10, 5, 0}});
  // Before it joins a drawing the iterator hands out the new vertices themselves.
  EXPECT_EQ(walk2d(pline).size(), 3u);
  EXPECT_TRUE(walk2d(pline)[0].id.isNull());

  const OdDbObjectId plineId = drawing.add(pline);
  const std::vector<Walked> vs = walk2d(pline);
  ASSERT_EQ(vs.size(), 3u);
  for (const Walked& w : vs)
  {
    ASSERT_FALSE(w.id.isNull());
    EXPECT_NE(w.id.getHandle(), plineId.getHandle());
    OdDbObjectPtr v = w.id.openObject(OdDb::kForRead);
    EXPECT_EQ(v->ownerId(), plineId);
    EXPECT_TRUE(v->isKindOf(OdDbVertex::desc()));
  }
  EXPECT_NE(vs[0].id.getHandle(), vs[1].id.getHandle());

  // A vertex appended to the resident polyline is resident at once.
  OdDb2dVertexPtr extra = OdDb2dVertex::createObject();
  extra->setPosition(OdGePoint3d(0, 5, 0));
  const OdDbObjectId extraId = pline->appendVertex(extra);
  EXPECT_FALSE(extraId.isNull());
  EXPECT_EQ(walk2d(pline).back().id, extraId);

  // Erasing the polyline erases its vertices.
  extra.release();
  ASSERT_EQ(pline->erase(), eOk);
  for (const Walked& w : walk2d(pline))
    EXPECT_TRUE(w.id.isErased());
}

// The iterator walks the chain as it stands: a vertex appended after it was made is handed out,
// and an iterator of a new polyline works on after the last other pointer to it is gone.
TEST(Heavy2dPolyline, IteratorWalksTheLiveChainAndKeepsItsPolyline)
{
  OdDb2dPolylinePtr pline = make2d({{0, 0, 0}, {10, 0, 0}});
  OdDbObjectIteratorPtr it = pline->vertexIterator();
  OdDb2dVertexPtr extra = OdDb2dVertex::createObject();
  extra->setPosition(OdGePoint3d(10, 5, 0));
  pline->appendVertex(extra);
  extra.release();
  pline.release();
  std::vector<double> xs, ys;
  for (; !it->done(); it->step())
  {
    OdDb2dVertexPtr v = OdDb2dVertex::cast(it->entity().get());
    xs.push_back(v->position().x);
    ys.push_back(v->position().y);
  }
  EXPECT_EQ(xs, (std::vector<double>{0, 10, 10}));
  EXPECT_EQ(ys, (std::vector<double>{0, 0, 5}));
  // Backwards from the end.
  it->start(false);
  ASSERT_FALSE(it->done());
  EXPECT_EQ(OdDb2dVertex::cast(it->entity().get())->position().y, 5.0);

  // The iterator of a resident polyline does not keep it open once its pointer is gone.
  KyTestDrawing drawing;
  const OdDbObjectId id = drawing.add(make2d({{0, 0, 0}, {1, 0, 0}}));
  OdDb2dPolylinePtr resident = OdDb2dPolyline::cast(id.openObject(OdDb::kForWrite).get());
  const OdDb2dPolyline* raw = resident.get();
  OdDbObjectIteratorPtr residentIt = raw->vertexIterator();
  resident.release();
  EXPECT_FALSE(raw->isReadEnabled());
  int count = 0;
  for (; !residentIt->done(); residentIt->step())
    ++count;
  EXPECT_EQ(count, 2);
}

TEST(Heavy2dPolyline, PathGeometryWithBulgesInATiltedPlane)
{
  KyTestDrawing drawing;
  // 10 along X, a half circle of radius 5 bulging outwards, back along the top, closed.
  OdDb2dPolylinePtr pline = make2d({{0, 0, 0}, {10, 0, 1}, {10, 10, 0}, {0, 10, 0}}, true);
  drawing.add(pline);
  EXPECT_NEAR(length(pline), 30.0 + 5.0 * OdaPI, kEps);
  double area = 0.0;
  ASSERT_EQ(pline->getArea(area), eOk);
  EXPECT_NEAR(area, 100.0 + 12.5 * OdaPI, kEps);
  double endParam = 0.0;
  pline->getEndParam(endParam);
  EXPECT_EQ(endParam, 4.0);
  double dist = 0.0;
  ASSERT_EQ(pline->getDistAtParam(1.5, dist), eOk);
  EXPECT_NEAR(dist, 10.0 + 2.5 * OdaPI, kEps);
  EXPECT_EQ(pline->getDistAtParam(4.5, dist), eInvalidInput);

  // Tilted: positions stay in the plane, world points go through planeToWorld of the normal.
  const OdGeVector3d normal = OdGeVector3d(0, -1, 1).normal();
  pline->setNormal(normal);
  pline->setElevation(2.0);
  OdGePoint3d p;
  ASSERT_EQ(pline->getPointAtParam(1.5, p), eOk);
  const OdGePoint3d expected = OdGeMatrix3d::planeToWorld(normal) * OdGePoint3d(15, 5, 2);
  EXPECT_NEAR(p.distanceTo(expected), 0.0, kEps);
  OdDb2dVertexPtr first = OdDb2dVertex::cast(pline->vertexIterator()->entity().get());
  EXPECT_EQ(first->position().z, 2.0);
  EXPECT_NEAR(pline->vertexPosition(*first).distanceTo(OdGeMatrix3d::planeToWorld(normal) * OdGePoint3d(0, 0, 2)),
              0.0, kEps);
}

TEST(Heavy2dPolyline, CurveFitAddsOneVertexPerSegmentThroughThePlacedOnes)
{
  KyTestDrawing drawing;
  OdDb2dPolylinePtr pline = make2d({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {20, 10, 0}});
  drawing.add(pline);
  const std::vector<OdDbObjectId> placed = idsOfType(walk2d(pline), [](int) { return true; });

  pline->curveFit();
  EXPECT_EQ(pline->polyType(), OdDb::k2dFitCurvePoly);
  std::vector<Walked> vs = walk2d(pline);
  ASSERT_EQ(vs.size(), 7u);
  // Placed and fit vertices alternate; the placed keep their ids.
  for (std::size_t i = 0; i < vs.size(); ++i)
    EXPECT_EQ(vs[i].type, i % 2 == 0 ? OdDb::k2dVertex : OdDb::k2dCurveFitVertex) << i;
  EXPECT_EQ(idsOfType(vs, [](int t) { return t == OdDb::k2dVertex; }), placed);
  // The path still runs through every placed vertex (at the even parameters), and bends.
  for (int i = 0; i < 4; ++i)
  {
    OdGePoint3d p;
    ASSERT_EQ(pline->getPointAtParam(2.0 * i, p), eOk);
    EXPECT_NEAR(p.distanceTo(vs[2 * i].position), 0.0, kEps);
  }
  EXPECT_GT(length(pline), 30.0);

  const std::vector<OdDbObjectId> fitIds = idsOfType(vs, [](int t) { return t == OdDb::k2dCurveFitVertex; });
  pline->straighten();
  EXPECT_EQ(pline->polyType(), OdDb::k2dSimplePoly);
  vs = walk2d(pline);
  EXPECT_EQ(idsOfType(vs, [](int) { return true; }), placed);
  for (const OdDbObjectId& id : fitIds)
    EXPECT_TRUE(id.isErased());
  EXPECT_NEAR(length(pline), 30.0, kEps);
}

TEST(Heavy2dPolyline, SplineFitSamplesTheSplineAndKeepsControlVertices)
{
  struct Case
  {
    OdDb::Poly2dType type;
    bool closed;
    OdInt16 segments;
    unsigned int fitCount;
  };
  // Four control points: open quadratic 2 spans, open cubic 1 span (+1 end point), closed 4 spans.
  const Case cases[] = {{OdDb::k2dQuadSplinePoly, false, 4, 9},
                        {OdDb::k2dCubicSplinePoly, false, 8, 9},
                        {OdDb::k2dCubicSplinePoly, true, 3, 12}};
  for (const Case& c : cases)
  {
    KyTestDrawing drawing;
    OdDb2dPolylinePtr pline = make2d({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {20, 10, 0}}, c.closed);
    drawing.add(pline);
    const std::vector<OdDbObjectId> placed = idsOfType(walk2d(pline), [](int) { return true; });
    pline->splineFit(c.type, c.segments);
    const std::vector<Walked> vs = walk2d(pline);
    EXPECT_EQ(pline->polyType(), c.type);
    EXPECT_EQ(idsOfType(vs, [](int t) { return t == OdDb::k2dSplineCtlVertex; }), placed);
    EXPECT_EQ(countType(vs, OdDb::k2dSplineFitVertex), static_cast<int>(c.fitCount));
    double endParam = 0.0;
    pline->getEndParam(endParam);
    EXPECT_EQ(endParam, c.closed ? c.fitCount : c.fitCount - 1);
    OdGePoint3d start, end;
    pline->getStartPoint(start);
    pline->getEndPoint(end);
    if (!c.closed)
    {
      // A clamped spline starts and ends at the end control points.
      EXPECT_NEAR(start.distanceTo(OdGePoint3d(0, 0, 0)), 0.0, kEps);
      EXPECT_NEAR(end.distanceTo(OdGePoint3d(20, 10, 0)), 0.0, kEps);
    }
    else
      EXPECT_NEAR(start.distanceTo(end), 0.0, kEps);
    // Refitting replaces the fit vertices instead of adding more.
    pline->splineFit(c.type, c.segments);
    EXPECT_EQ(countType(walk2d(pline), OdDb::k2dSplineFitVertex), static_cast<int>(c.fitCount));
  }
}

TEST(Heavy2dPolyline, ClosingAFittedPolylineFitsItAgain)
{
  KyTestDrawing drawing;
  OdDb2dPolylinePtr pline = make2d({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}});
  drawing.add(pline);
  pline->curveFit();
  EXPECT_EQ(countType(walk2d(pline), OdDb::k2dCurveFitVertex), 2);
  pline->makeClosed();
  EXPECT_EQ(countType(walk2d(pline), OdDb::k2dCurveFitVertex), 3);
  pline->makeOpen();
  EXPECT_EQ(countType(walk2d(pline), OdDb::k2dCurveFitVertex), 2);
}

TEST(Heavy2dPolyline, RefusedFitLeavesVerticesAndHandles)
{
  KyTestDrawing drawing;
  OdDb2dPolylinePtr pline = make2d({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}});
  drawing.add(pline);
  pline->curveFit();
  const std::vector<Walked> before = walk2d(pline);
  EXPECT_EQ(errorOf([&] { pline->splineFit(OdDb::k2dFitCurvePoly, 8); }), eInvalidInput);
  EXPECT_EQ(errorOf([&] { pline->splineFit(OdDb::k2dCubicSplinePoly, 0); }), eInvalidInput);
  const std::vector<Walked> after = walk2d(pline);
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < after.size(); ++i)
  {
    EXPECT_EQ(after[i].id, before[i].id);
    EXPECT_EQ(after[i].type, before[i].type);
  }
  EXPECT_EQ(pline->polyType(), OdDb::k2dFitCurvePoly);
  EXPECT_EQ(errorOf([&] { pline->setDefaultStartWidth(-1.0); }), eInvalidInput);
}

TEST(Heavy2dPolyline, VertexOpenModesFollowUpgradeAndDowngrade)
{
  KyTestDrawing drawing;
  OdDbObjectId vertexId;
  {
    OdDb2dPolylinePtr pline = make2d({{0, 0, 0}, {10, 0, 0}});
    drawing.add(pline);
    vertexId = pline->vertexIterator()->objectId();
  }
  OdDb2dVertexPtr v = OdDb2dVertex::cast(vertexId.openObject(OdDb::kForRead).get());
  EXPECT_EQ(errorOf([&] { v->setStartWidth(1.0); }), eNotOpenForWrite);
  v->upgradeOpen();
  v->setStartWidth(1.0);
  EXPECT_EQ(errorOf([&] { v->setEndWidth(-1.0); }), eInvalidInput);
  v->downgradeOpen();
  EXPECT_EQ(errorOf([&] { v->setEndWidth(2.0); }), eNotOpenForWrite);
  EXPECT_EQ(v->startWidth(), 1.0);
  EXPECT_EQ(v->endWidth(), 0.0);
}

TEST(Heavy3dPolyline, SplineFitAndStraightenOverWorldPoints)
{
  KyTestDrawing drawing;
  OdDb3dPolylinePtr pline = OdDb3dPolyline::createObject();
  const OdGePoint3d pts[] = {{0, 0, 0}, {3, 4, 0}, {3, 4, 12}};
  for (const OdGePoint3d& p : pts)
  {
    OdDb3dPolylineVertexPtr v = OdDb3dPolylineVertex::createObject();
    v->setPosition(p);
    pline->appendVertex(v);
  }
  drawing.add(pline);
  EXPECT_NEAR(length(pline), 17.0, kEps);
  double area = 0.0;
  pline->getArea(area);
  EXPECT_NEAR(area, 30.0, kEps);
  const std::vector<OdDbObjectId> placed = idsOfType(walk3d(pline), [](int) { return true; });

  pline->splineFit(OdDb::k3dQuadSplinePoly, 5);
  std::vector<Walked> vs = walk3d(pline);
  EXPECT_EQ(idsOfType(vs, [](int t) { return t != OdDb::k3dFitVertex; }), placed);
  EXPECT_EQ(countType(vs, OdDb::k3dControlVertex), 3);
  EXPECT_EQ(countType(vs, OdDb::k3dFitVertex), 6);
  // The spline cuts the corner: shorter than the control polygon, longer than the chord.
  EXPECT_LT(length(pline), 17.0);
  EXPECT_GT(length(pline), 13.0);

  pline->straighten();
  vs = walk3d(pline);
  EXPECT_EQ(idsOfType(vs, [](int) { return true; }), placed);
  EXPECT_EQ(countType(vs, OdDb::k3dSimpleVertex), 3);
  EXPECT_NEAR(length(pline), 17.0, kEps);
  EXPECT_EQ(errorOf([&] { pline->splineFit(OdDb::k3dSimplePoly, 5); }), eInvalidInput);
  pline->makeClosed();
  EXPECT_NEAR(length(pline), 17.0 + std::sqrt(9.0 + 16.0 + 144.0), kEps);
}

TEST(Heavy2dPolyline, CopyHasItsOwnVertices)
{
  KyTestDrawing drawing;
  OdDb2dPolylinePtr pline = make2d({{0, 0, 0.5}, {10, 0, 0}});
  drawing.add(pline);
  OdDb2dPolylinePtr copy = OdDb2dPolyline::cast(pline->clone().get());
  const std::vector<Walked> vs = walk2d(copy);
  ASSERT_EQ(vs.size(), 2u);
  EXPECT_TRUE(vs[0].id.isNull());
  EXPECT_NEAR(length(copy), length(pline), kEps);
  const OdDbObjectId copyId = drawing.add(copy);
  for (const Walked& w : walk2d(copy))
    EXPECT_EQ(w.id.openObject()->ownerId(), copyId);
}
