// Tests of the host's cloud builder: arcs of the radius laid along closed outlines of either
// orientation, bulging outwards and joined end to end; refused outlines that add nothing; and
// the move into a block reference with its cloud data.
#include <gtest/gtest.h>

#include <cmath>

#include "Db3dPolyline.h"
#include "DbArc.h"
#include "DbBlockReference.h"
#include "DbBlockTable.h"
#include "DbBlockTableRecord.h"
#include "DbLine.h"
#include "Ge/GeScale3d.h"
#include "KyCloudBase.h"
#include "KyTestDrawing.h"
#include "KyTestGeometry.h"

namespace
{
OdDb3dPolylinePtr outline(const std::vector<OdGePoint3d>& points)
{
  OdDb3dPolylinePtr poly = OdDb3dPolyline::createObject();
  for (const OdGePoint3d& p : points)
  {
    OdDb3dPolylineVertexPtr v = OdDb3dPolylineVertex::createObject();
    v->setPosition(p);
    poly->appendVertex(v);
  }
  poly->makeClosed();
  return poly;
}

const std::vector<OdGePoint3d> kSquare = {OdGePoint3d(0, 0, 0), OdGePoint3d(10, 0, 0), OdGePoint3d(10, 10, 0),
                                          OdGePoint3d(0, 10, 0)};

unsigned int modelSpaceCount(OdDbDatabase* db)
{
  return OdDbBlockTableRecord::cast(db->getModelSpaceId().safeOpenObject())->entityIds().size();
}

OdGePoint3d arcPoint(const OdDbArc* arc, double angle)
{
  const OdGeMatrix3d toWorld = OdGeMatrix3d::planeToWorld(arc->normal());
  const OdGeVector3d x = (toWorld * OdGeVector3d::kXAxis).normal();
  const OdGeVector3d y = (toWorld * OdGeVector3d::kYAxis).normal();
  return arc->center() + (x * std::cos(angle) + y * std::sin(angle)) * arc->radius();
}

double sweep(const OdDbArc* arc)
{
  double s = arc->endAngle() - arc->startAngle();
  return s < 0.0 ? s + 2 * M_PI : s;
}

// A reference at the origin of an empty block "Cloud 1".
OdDbBlockReferencePtr cloudReference(KyTestDrawing& drawing)
{
  OdDbBlockTablePtr table = OdDbBlockTable::cast(drawing.db()->getBlockTableId().safeOpenObject(OdDb::kForWrite));
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::createObject();
  block->setName(L"Cloud 1");
  OdDbBlockReferencePtr ref = OdDbBlockReference::createObject();
  ref->setBlockTableRecord(table->add(block));
  drawing.add(ref);
  return ref;
}

// A builder given the outline through the points and the radius.
CKyCloudBase builderFor(KyTestDrawing& drawing, const std::vector<OdGePoint3d>& points, double radius)
{
  CKyCloudBase builder(drawing.db());
  OdDb3dPolylinePtr base = outline(points);
  builder.setBaseCurve(base);
  CLOUDLINE_COMMAND_DATA setting;
  setting.arcRadius = radius;
  builder.setCloudSetting(setting);
  return builder;
}

// Lays the cloud into the reference's block; the arcs it holds then, in order.
OdDbObjectIdArray lay(KyTestDrawing& drawing, OdDbBlockReference* ref, const std::vector<OdGePoint3d>& points,
                      double radius)
{
  CKyCloudBase builder = builderFor(drawing, points, radius);
  EXPECT_TRUE(builder.cloudBaseMain());
  EXPECT_TRUE(builder.convertToBlock(ref));
  EXPECT_EQ(builder.arcCount(), builder.getObjIdArrArc().size());
  return builder.getObjIdArrArc();
}

// Each arc of the radius, less than a half circle, its ends on the axis-aligned rectangle from
// `low` to `high`, bulging outwards, ending where the next begins, the last where the first
// begins.
void expectCloudAlong(const OdDbObjectIdArray& arcs, double radius, const OdGePoint2d& low, const OdGePoint2d& high)
{
  ASSERT_FALSE(arcs.isEmpty());
  const auto onEdge = [&](const OdGePoint3d& p) {
    return std::fabs(p.x - low.x) < 1e-9 || std::fabs(p.x - high.x) < 1e-9 || std::fabs(p.y - low.y) < 1e-9 ||
           std::fabs(p.y - high.y) < 1e-9;
  };
  const OdGePoint3d centre((low.x + high.x) / 2.0, (low.y + high.y) / 2.0, 0.0);
  OdGePoint3d previousEnd, firstStart;
  for (unsigned int i = 0; i < arcs.size(); ++i)
  {
    OdDbArcPtr arc = OdDbArc::cast(arcs[i].safeOpenObject());
    EXPECT_DOUBLE_EQ(arc->radius(), radius);
    EXPECT_LT(sweep(arc), M_PI);
    const OdGePoint3d start = arcPoint(arc, arc->startAngle());
    const OdGePoint3d end = arcPoint(arc, arc->endAngle());
    const OdGePoint3d middle = arcPoint(arc, arc->startAngle() + sweep(arc) / 2);
    EXPECT_TRUE(onEdge(start) && onEdge(end)) << i;
    // Outwards: the arc's middle lies farther from the centre than its chord's.
    EXPECT_GT(middle.distanceTo(centre), (start + (end - start) / 2.0).distanceTo(centre))
      << middle.x << ", " << middle.y;
    if (i > 0)
      kyExpectPoint(start, previousEnd, 1e-9);
    else
      firstStart = start;
    previousEnd = end;
  }
  kyExpectPoint(firstStart, previousEnd, 1e-9);
}

TEST(CloudBase, LaysJoinedArcsBulgingOutwardsInBothOrientations)
{
  for (bool reversed : {false, true})
  {
    SCOPED_TRACE(reversed ? "clockwise" : "counter-clockwise");
    KyTestDrawing drawing;
    std::vector<OdGePoint3d> points = kSquare;
    if (reversed)
      std::reverse(points.begin(), points.end());
    OdDbBlockReferencePtr ref = cloudReference(drawing);
    const OdDbObjectIdArray arcs = lay(drawing, ref, points, 2.0);
    ASSERT_EQ(arcs.size(), 20u); // perimeter 40 in chords of at most one radius
    expectCloudAlong(arcs, 2.0, OdGePoint2d(0, 0), OdGePoint2d(10, 10));
    // Laid straight into the block: model space holds the reference alone.
    EXPECT_EQ(modelSpaceCount(drawing.db()), 1u);
  }
}

// The last arc ends where rounding puts the outline's length a little past its end
// (0.8 * 3 / 3 > 0.8): it ends on the first point, not past the last segment.
TEST(CloudBase, LastArcEndsOnTheFirstPointWhenRoundingOvershoots)
{
  KyTestDrawing drawing;
  OdDbBlockReferencePtr ref = cloudReference(drawing);
  const std::vector<OdGePoint3d> thin = {OdGePoint3d(0, 0, 0), OdGePoint3d(0.1, 0, 0), OdGePoint3d(0.1, 0.3, 0),
                                         OdGePoint3d(0, 0.3, 0)};
  const OdDbObjectIdArray arcs = lay(drawing, ref, thin, 0.5);
  ASSERT_EQ(arcs.size(), 3u);
  expectCloudAlong(arcs, 0.5, OdGePoint2d(0, 0), OdGePoint2d(0.1, 0.3));
}

OdDbObjectIdArray firstOf(const OdDbObjectIdArray& ids, unsigned int n)
{
  OdDbObjectIdArray out;
  for (unsigned int i = 0; i < n && i < ids.size(); ++i)
    out.push_back(ids[i]);
  return out;
}

// Laid again, the cloud gives its block's arcs the new geometry: fewer arcs erase the surplus,
// more bring the erased ones back before any new one is made.
TEST(CloudBase, LayingAgainReusesTheBlocksArcs)
{
  KyTestDrawing drawing;
  OdDbBlockReferencePtr ref = cloudReference(drawing);
  const OdDbObjectIdArray fine = lay(drawing, ref, kSquare, 2.0);
  ASSERT_EQ(fine.size(), 20u);
  const OdDbObjectIdArray again = lay(drawing, ref, kSquare, 2.0);
  EXPECT_EQ(fine, again);
  expectCloudAlong(again, 2.0, OdGePoint2d(0, 0), OdGePoint2d(10, 10));

  const OdDbObjectIdArray coarse = lay(drawing, ref, kSquare, 4.0);
  ASSERT_EQ(coarse.size(), 10u);
  for (unsigned int i = 0; i < fine.size(); ++i)
    EXPECT_EQ(i >= 10, fine[i].isErased()) << i;
  EXPECT_EQ(firstOf(fine, 10), coarse);
  expectCloudAlong(coarse, 4.0, OdGePoint2d(0, 0), OdGePoint2d(10, 10));

  const OdDbObjectIdArray finer = lay(drawing, ref, kSquare, 1.6);
  ASSERT_EQ(finer.size(), 25u);
  EXPECT_EQ(fine, firstOf(finer, 20));
  for (const OdDbObjectId& id : finer)
    EXPECT_FALSE(id.isErased());
  expectCloudAlong(finer, 1.6, OdGePoint2d(0, 0), OdGePoint2d(10, 10));
  // The block holds the cloud's arcs and the five erased ones nothing.
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(ref->blockTableRecord().safeOpenObject());
  EXPECT_EQ(block->entityIds(), finer);
}

TEST(CloudBase, RefusesWhatCannotBeACloudAndAddsNothing)
{
  struct Case
  {
    const char* what;
    std::vector<OdGePoint3d> points;
    double radius;
  } cases[] = {
    {"zero radius", kSquare, 0.0},
    {"negative radius", kSquare, -1.0},
    {"infinite radius", kSquare, INFINITY},
    {"two points", {OdGePoint3d(0, 0, 0), OdGePoint3d(5, 0, 0)}, 1.0},
    {"points on a line", {OdGePoint3d(0, 0, 0), OdGePoint3d(5, 0, 0), OdGePoint3d(9, 0, 0)}, 1.0},
    {"radius longer than the outline", kSquare, 40.5},
    {"more arcs than a cloud may have", kSquare, 40.0 / 4097},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.what);
    KyTestDrawing drawing;
    OdDbBlockReferencePtr ref = cloudReference(drawing);
    const OdDbDxfTagList before = kySnapshot(ref);
    CKyCloudBase builder = builderFor(drawing, c.points, c.radius);
    EXPECT_FALSE(builder.cloudBaseMain());
    EXPECT_EQ(builder.arcCount(), 0u);
    EXPECT_FALSE(builder.convertToBlock(ref));
    EXPECT_TRUE(builder.getObjIdArrArc().empty());
    EXPECT_EQ(before, kySnapshot(ref));
    EXPECT_TRUE(OdDbBlockTableRecord::cast(ref->blockTableRecord().safeOpenObject())->entityIds().empty());
    EXPECT_EQ(modelSpaceCount(drawing.db()), 1u);
  }
  // The bounds themselves are clouds: one arc's radius the whole outline (three arcs), and the
  // most arcs a cloud may have.
  for (double radius : {40.0, 40.0 / 4096})
  {
    KyTestDrawing drawing;
    CKyCloudBase builder = builderFor(drawing, kSquare, radius);
    EXPECT_TRUE(builder.cloudBaseMain()) << radius;
    EXPECT_EQ(builder.arcCount(), radius == 40.0 ? 3u : 4096u);
  }
}

TEST(CloudBase, ConvertsIntoTheReferencesBlockWithItsCloudData)
{
  KyTestDrawing drawing;
  OdDbBlockTablePtr table = OdDbBlockTable::cast(drawing.db()->getBlockTableId().safeOpenObject(OdDb::kForWrite));
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::createObject();
  block->setName(L"Cloud 1");
  const OdDbObjectId blockId = table->add(block);
  // The old cloud: a line, which goes, and an arc, which takes the first new arc.
  block->appendOdDbEntity(OdDbLine::createObject());
  block->appendOdDbEntity(OdDbArc::createObject());
  const OdDbObjectId oldLine = block->entityIds()[0];
  const OdDbObjectId oldArc = block->entityIds()[1];
  block.release();
  OdDbBlockReferencePtr ref = OdDbBlockReference::createObject();
  ref->setBlockTableRecord(blockId);
  ref->setPosition(OdGePoint3d(100, 50, 0));
  ref->setScaleFactors(OdGeScale3d(2, 2, 2));
  drawing.add(ref);

  std::vector<OdGePoint3d> points;
  for (const OdGePoint3d& p : kSquare)
    points.push_back(p + OdGeVector3d(100, 50, 0));
  CKyCloudBase builder(drawing.db());
  OdDb3dPolylinePtr base = outline(points);
  builder.setBaseCurve(base);
  CLOUDLINE_COMMAND_DATA setting;
  setting.shape = 1;
  setting.arcRadius = 4.0;
  setting.color.setColorIndex(3);
  builder.setCloudSetting(setting);
  ASSERT_TRUE(builder.cloudBaseMain());
  EXPECT_EQ(builder.arcCount(), 10u);
  EXPECT_EQ(modelSpaceCount(drawing.db()), 1u);
  ASSERT_TRUE(builder.convertToBlock(ref));

  EXPECT_EQ(modelSpaceCount(drawing.db()), 1u);
  EXPECT_TRUE(oldLine.isErased());
  EXPECT_FALSE(oldArc.isErased());
  block = OdDbBlockTableRecord::cast(blockId.safeOpenObject());
  const OdDbObjectIdArray inBlock = block->entityIds();
  ASSERT_EQ(inBlock, builder.getObjIdArrArc());
  ASSERT_EQ(inBlock.size(), 10u);
  EXPECT_EQ(inBlock[0], oldArc);
  // Seen through the reference, the arcs lie along the outline with the world radius.
  OdDbObjectIdArray world;
  for (const OdDbObjectId& id : inBlock)
  {
    OdDbArcPtr arc = OdDbArc::cast(id.safeOpenObject());
    EXPECT_DOUBLE_EQ(arc->radius() * 2, 4.0);
    EXPECT_EQ(arc->colorIndex(), 3);
    OdDbArcPtr seen = OdDbArc::cast(arc->clone());
    ASSERT_EQ(seen->transformBy(ref->blockTransform()), eOk);
    world.push_back(drawing.add(seen));
  }
  expectCloudAlong(world, 4.0, OdGePoint2d(100, 50), OdGePoint2d(110, 60));

  OdResBufPtr data = ref->xData(CKyCloudBase::kCloudAppName);
  ASSERT_FALSE(data.isNull());
  data = data->next();
  ASSERT_FALSE(data.isNull());
  EXPECT_EQ(data->restype(), 1000);
  EXPECT_EQ(data->getString(), OdString(L"Elliptical"));
  data = data->next();
  EXPECT_EQ(data->restype(), 1041);
  EXPECT_DOUBLE_EQ(data->getDouble(), 4.0);
  for (const OdGePoint3d& p : points)
  {
    data = data->next();
    ASSERT_FALSE(data.isNull());
    EXPECT_EQ(data->restype(), 1011);
    kyExpectPoint(data->getPoint3d(), p, 1e-12);
  }
  EXPECT_TRUE(data->next().isNull());
}
} // namespace
