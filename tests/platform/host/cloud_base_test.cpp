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

TEST(CloudBase, LaysJoinedArcsBulgingOutwardsInBothOrientations)
{
  for (bool reversed : {false, true})
  {
    SCOPED_TRACE(reversed ? "clockwise" : "counter-clockwise");
    KyTestDrawing drawing;
    std::vector<OdGePoint3d> points = kSquare;
    if (reversed)
      std::reverse(points.begin(), points.end());
    CKyCloudBase builder(drawing.db());
    OdDb3dPolylinePtr base = outline(points);
    builder.setBaseCurve(base);
    CLOUDLINE_COMMAND_DATA setting;
    setting.arcRadius = 2.0;
    builder.setCloudSetting(setting);
    ASSERT_TRUE(builder.cloudBaseMain());
    const OdDbObjectIdArray& arcs = builder.getObjIdArrArc();
    ASSERT_EQ(arcs.size(), 20u); // perimeter 40 in chords of at most one radius
    EXPECT_EQ(modelSpaceCount(drawing.db()), 20u);
    OdGePoint3d previousEnd;
    for (unsigned int i = 0; i < arcs.size(); ++i)
    {
      OdDbArcPtr arc = OdDbArc::cast(arcs[i].safeOpenObject());
      EXPECT_DOUBLE_EQ(arc->radius(), 2.0);
      EXPECT_LT(sweep(arc), M_PI);
      const OdGePoint3d start = arcPoint(arc, arc->startAngle());
      const OdGePoint3d end = arcPoint(arc, arc->endAngle());
      const OdGePoint3d middle = arcPoint(arc, arc->startAngle() + sweep(arc) / 2);
      // Ends on the square's edges, the middle outside it.
      for (const OdGePoint3d& p : {start, end})
        EXPECT_TRUE(std::fabs(p.x) < 1e-9 || std::fabs(p.x - 10) < 1e-9 || std::fabs(p.y) < 1e-9 ||
                    std::fabs(p.y - 10) < 1e-9);
      EXPECT_TRUE(middle.x < 0 || middle.x > 10 || middle.y < 0 || middle.y > 10)
        << middle.x << ", " << middle.y;
      if (i > 0)
        kyExpectPoint(start, previousEnd, 1e-9);
      previousEnd = end;
    }
    kyExpectPoint(arcPoint(OdDbArc::cast(arcs[0].safeOpenObject()), OdDbArc::cast(arcs[0].safeOpenObject())->startAngle()),
                  previousEnd, 1e-9);
  }
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
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.what);
    KyTestDrawing drawing;
    CKyCloudBase builder(drawing.db());
    OdDb3dPolylinePtr base = outline(c.points);
    builder.setBaseCurve(base);
    CLOUDLINE_COMMAND_DATA setting;
    setting.arcRadius = c.radius;
    builder.setCloudSetting(setting);
    EXPECT_FALSE(builder.cloudBaseMain());
    EXPECT_TRUE(builder.getObjIdArrArc().empty());
    EXPECT_EQ(modelSpaceCount(drawing.db()), 0u);
  }
}

TEST(CloudBase, ConvertsIntoTheReferencesBlockWithItsCloudData)
{
  KyTestDrawing drawing;
  OdDbBlockTablePtr table = OdDbBlockTable::cast(drawing.db()->getBlockTableId().safeOpenObject(OdDb::kForWrite));
  OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::createObject();
  block->setName(L"Cloud 1");
  const OdDbObjectId blockId = table->add(block);
  block->appendOdDbEntity(OdDbArc::createObject()); // the old cloud, replaced
  const OdDbObjectId oldArc = block->entityIds()[0];
  block.release();
  OdDbBlockReferencePtr ref = OdDbBlockReference::createObject();
  ref->setBlockTableRecord(blockId);
  ref->setPosition(OdGePoint3d(100, 50, 0));
  ref->setScaleFactors(OdGeScale3d(2, 2, 2));
  drawing.add(ref);

  CKyCloudBase builder(drawing.db());
  std::vector<OdGePoint3d> points;
  for (const OdGePoint3d& p : kSquare)
    points.push_back(p + OdGeVector3d(100, 50, 0));
  OdDb3dPolylinePtr base = outline(points);
  builder.setBaseCurve(base);
  CLOUDLINE_COMMAND_DATA setting;
  setting.shape = 1;
  setting.arcRadius = 4.0;
  builder.setCloudSetting(setting);
  ASSERT_TRUE(builder.cloudBaseMain());
  std::vector<std::pair<OdGePoint3d, double>> world;
  for (const OdDbObjectId& id : builder.getObjIdArrArc())
  {
    OdDbArcPtr arc = OdDbArc::cast(id.safeOpenObject());
    world.emplace_back(arc->center(), arc->radius());
  }
  const OdDbObjectIdArray laid = builder.getObjIdArrArc();
  ASSERT_TRUE(builder.convertToBlock(ref));

  // The arcs left model space (only the reference is there) and the old contents are gone.
  EXPECT_EQ(modelSpaceCount(drawing.db()), 1u);
  for (const OdDbObjectId& id : laid)
    EXPECT_TRUE(id.isErased());
  EXPECT_TRUE(oldArc.isErased());
  block = OdDbBlockTableRecord::cast(blockId.safeOpenObject());
  const OdDbObjectIdArray inBlock = block->entityIds();
  ASSERT_EQ(inBlock.size(), world.size());
  // Seen through the reference, the arcs are where they were laid.
  for (unsigned int i = 0; i < inBlock.size(); ++i)
  {
    OdDbArcPtr arc = OdDbArc::cast(inBlock[i].safeOpenObject());
    kyExpectPoint(ref->blockTransform() * arc->center(), world[i].first, 1e-9);
    EXPECT_NEAR(arc->radius() * 2, world[i].second, 1e-12);
  }

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
