// Tests of the block reference and multiple insert stand-ins: the block transform, extents of the
// block's contents under it (rotated, scaled, nested, arrayed), transforms decomposed back into
// placement values, refused values and open modes leaving the reference as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "DbBlockReference.h"
#include "DbBlockTable.h"
#include "DbCircle.h"
#include "DbDatabase.h"
#include "DbLine.h"
#include "DbMInsertBlock.h"
#include "Ge/GeGbl.h"
#include "KyTestGeometry.h"
#include "ResBuf.h"

namespace
{
const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct BlockReferences : ::testing::Test
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbBlockTableRecordPtr ms;
  OdDbObjectId blockId;

  void SetUp() override
  {
    ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    // A block with its origin at (1, 0, 0) holding a line from its origin to (3, 1, 0).
    OdDbBlockTablePtr table = db->getBlockTableId().safeOpenObject(OdDb::kForWrite);
    OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::createObject();
    block->setName(L"Arrow");
    block->setOrigin(OdGePoint3d(1.0, 0.0, 0.0));
    blockId = table->add(block);
    OdDbLinePtr line = OdDbLine::createObject();
    line->setStartPoint(OdGePoint3d(1.0, 0.0, 0.0));
    line->setEndPoint(OdGePoint3d(3.0, 1.0, 0.0));
    block->appendOdDbEntity(line);
  }

  template <class T>
  OdSmartPtr<T> place(const OdGePoint3d& position, const OdGeScale3d& scale = OdGeScale3d(), double rotation = 0.0)
  {
    OdSmartPtr<T> ref = T::createObject();
    ref->setBlockTableRecord(blockId);
    ref->setPosition(position);
    ref->setScaleFactors(scale);
    ref->setRotation(rotation);
    ms->appendOdDbEntity(ref);
    return ref;
  }

  static void expectBox(const OdDbEntity* ent, const OdGePoint3d& min, const OdGePoint3d& max)
  {
    OdGeExtents3d ext;
    ASSERT_EQ(eOk, ent->getGeomExtents(ext));
    kyExpectPoint(ext.minPoint(), min);
    kyExpectPoint(ext.maxPoint(), max);
  }
};
} // namespace

TEST_F(BlockReferences, BlockTransformMapsTheOriginToThePositionAndScalesThenRotates)
{
  OdDbBlockReferencePtr ref = place<OdDbBlockReference>(OdGePoint3d(10.0, 5.0, 0.0), OdGeScale3d(2.0, 3.0, 1.0), OdaPI2);
  const OdGeMatrix3d xform = ref->blockTransform();
  kyExpectPoint(xform * OdGePoint3d(1.0, 0.0, 0.0), OdGePoint3d(10.0, 5.0, 0.0));
  // (3, 1) is (2, 1) from the origin: scaled to (4, 3), turned a quarter to (-3, 4).
  kyExpectPoint(xform * OdGePoint3d(3.0, 1.0, 0.0), OdGePoint3d(7.0, 9.0, 0.0));
  expectBox(ref, OdGePoint3d(7.0, 5.0, 0.0), OdGePoint3d(10.0, 9.0, 0.0));

  // A normal along -Z mirrors the plane's X axis (arbitrary axis rule).
  ref->setRotation(0.0);
  ref->setScaleFactors(OdGeScale3d(1.0));
  ref->setNormal(OdGeVector3d(0.0, 0.0, -2.0));
  kyExpectPoint(OdGePoint3d(ref->normal().asPoint()), OdGePoint3d(0.0, 0.0, -1.0));
  kyExpectPoint(ref->blockTransform() * OdGePoint3d(3.0, 1.0, 0.0), OdGePoint3d(8.0, 6.0, 0.0));
}

TEST_F(BlockReferences, ExtentsFollowRotatedCirclesExactlyAndNestedBlocks)
{
  OdDbBlockTableRecordPtr block = blockId.safeOpenObject(OdDb::kForWrite);
  OdDbCirclePtr circle = OdDbCircle::createObject();
  circle->setCenter(OdGePoint3d(1.0, 0.0, 0.0));
  circle->setRadius(1.0);
  block->appendOdDbEntity(circle);
  block.release();
  circle.release();
  // Rotated by 45 degrees: a box of the circle's box corners would reach sqrt(2) * 2; the circle
  // itself stays within its radius 2 around the position.
  OdDbBlockReferencePtr ref = place<OdDbBlockReference>(OdGePoint3d(0.0, 0.0, 0.0), OdGeScale3d(2.0), OdaPI4);
  OdGeExtents3d ext;
  ASSERT_EQ(eOk, ref->getGeomExtents(ext));
  EXPECT_NEAR(-2.0, ext.minPoint().x, 1e-9);
  EXPECT_NEAR(-2.0, ext.minPoint().y, 1e-9);

  // A block holding a reference to the first one, placed at (100, 0).
  OdDbBlockTablePtr table = db->getBlockTableId().safeOpenObject(OdDb::kForWrite);
  OdDbBlockTableRecordPtr outer = OdDbBlockTableRecord::createObject();
  outer->setName(L"Outer");
  const OdDbObjectId outerId = table->add(outer);
  OdDbBlockReferencePtr inner = OdDbBlockReference::createObject();
  inner->setBlockTableRecord(blockId);
  inner->setPosition(OdGePoint3d(1.0, 0.0, 0.0));
  outer->appendOdDbEntity(inner);
  inner.release();
  OdDbBlockReferencePtr top = OdDbBlockReference::createObject();
  top->setBlockTableRecord(outerId);
  top->setPosition(OdGePoint3d(100.0, 0.0, 0.0));
  ms->appendOdDbEntity(top);
  expectBox(top, OdGePoint3d(100.0, -1.0, 0.0), OdGePoint3d(103.0, 1.0, 0.0));

  // A block that holds a reference to itself has no extents instead of recursing forever.
  OdDbBlockReferencePtr loop = OdDbBlockReference::createObject();
  loop->setBlockTableRecord(outerId);
  outer->appendOdDbEntity(loop);
  EXPECT_EQ(eInvalidExtents, top->getGeomExtents(ext));
  // No block at all: no extents either.
  OdDbBlockReferencePtr empty = OdDbBlockReference::createObject();
  EXPECT_EQ(eInvalidExtents, empty->getGeomExtents(ext));
}

TEST_F(BlockReferences, RefusedValuesLeaveTheReferenceAsItWas)
{
  OdDbBlockReferencePtr ref = place<OdDbBlockReference>(OdGePoint3d(1.0, 2.0, 3.0), OdGeScale3d(2.0, -1.0, 1.0), 0.5);
  const OdDbDxfTagList before = kySnapshot(ref);
  const struct
  {
    const char* what;
    std::function<void()> call;
    OdResult code;
  } cases[] = {
      {"zero X", [&] { ref->setScaleFactors(OdGeScale3d(0.0, 1.0, 1.0)); }, eInvalidInput},
      {"tiny Z", [&] { ref->setScaleFactors(OdGeScale3d(1.0, 1.0, 1e-12)); }, eInvalidInput},
      {"NaN Y", [&] { ref->setScaleFactors(OdGeScale3d(1.0, kNaN, 1.0)); }, eInvalidInput},
      {"infinite position", [&] { ref->setPosition(OdGePoint3d(INFINITY, 0.0, 0.0)); }, eInvalidInput},
      {"NaN rotation", [&] { ref->setRotation(kNaN); }, eInvalidInput},
      {"zero normal", [&] { ref->setNormal(OdGeVector3d()); }, eInvalidInput},
      {"a layer for a block", [&] { ref->setBlockTableRecord(db->getLayerZeroId()); }, eWrongObjectType},
  };
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.what);
    try
    {
      c.call();
      ADD_FAILURE() << "accepted";
    }
    catch (const OdError& e)
    {
      EXPECT_EQ(c.code, e.code());
    }
    EXPECT_EQ(before, kySnapshot(ref));
  }
  // A negative factor mirrors and is kept.
  EXPECT_DOUBLE_EQ(-1.0, ref->scaleFactors().sy);
}

TEST_F(BlockReferences, OpenModesAreEnforced)
{
  const OdDbObjectId id = place<OdDbBlockReference>(OdGePoint3d(1.0, 2.0, 0.0))->objectId();
  OdDbBlockReferencePtr forRead = id.safeOpenObject(OdDb::kForRead);
  EXPECT_THROW(forRead->setPosition(OdGePoint3d()), OdError);
  EXPECT_THROW(forRead->setScaleFactors(OdGeScale3d(2.0)), OdError);
  EXPECT_THROW(forRead->transformBy(OdGeMatrix3d::translation(OdGeVector3d(1.0, 0.0, 0.0))), OdError);
  kyExpectPoint(forRead->position(), OdGePoint3d(1.0, 2.0, 0.0));
  // Another class through the smart pointer's cast.
  EXPECT_THROW(OdDbMInsertBlockPtr bad = forRead, OdError);
}

TEST_F(BlockReferences, TransformsComeBackAsPositionRotationScaleAndNormal)
{
  OdDbBlockReferencePtr ref = place<OdDbBlockReference>(OdGePoint3d(2.0, 0.0, 0.0), OdGeScale3d(1.0, 2.0, 1.0));
  const OdGePoint3d probe(3.0, 1.0, 0.0);
  const struct
  {
    const char* what;
    OdGeMatrix3d xform;
  } cases[] = {
      {"rotation", OdGeMatrix3d::rotation(0.7, OdGeVector3d::kZAxis, OdGePoint3d(1.0, 1.0, 0.0))},
      {"uniform scale", OdGeMatrix3d::scaling(3.0, OdGePoint3d(-1.0, 0.0, 0.0))},
      {"mirror", OdGeMatrix3d::mirroring(OdGePlane(OdGePoint3d(0.0, 0.0, 0.0), OdGeVector3d::kXAxis))},
      {"tilt", OdGeMatrix3d::rotation(0.4, OdGeVector3d(1.0, 1.0, 0.0))},
      {"move", OdGeMatrix3d::translation(OdGeVector3d(5.0, -2.0, 1.0))},
  };
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.what);
    const OdGeMatrix3d expected = c.xform * ref->blockTransform();
    ASSERT_EQ(eOk, ref->transformBy(c.xform));
    // The placement values rebuild the same mapping of the block's points.
    kyExpectPoint(ref->blockTransform() * probe, expected * probe);
    kyExpectPoint(ref->blockTransform() * OdGePoint3d(1.0, 0.0, 1.0), expected * OdGePoint3d(1.0, 0.0, 1.0));
  }
  // A shear of the block's axes cannot be a placement.
  const OdDbDxfTagList before = kySnapshot(ref);
  OdGeMatrix3d shear;
  shear.entry[0][1] = 0.5;
  EXPECT_EQ(eNotApplicable, ref->transformBy(shear));
  EXPECT_EQ(before, kySnapshot(ref));
}

TEST_F(BlockReferences, TransformMovesExtendedDataPointsAndSettersDoNot)
{
  db->newRegApp(L"PE_CLOUD");
  OdDbBlockReferencePtr ref = place<OdDbBlockReference>(OdGePoint3d());
  OdResBufPtr head = OdResBuf::newRb(1001, L"PE_CLOUD");
  head->setNext(OdResBuf::newRb(1011, OdGePoint3d(1.0, 1.0, 0.0)))->setNext(OdResBuf::newRb(1041, 2.0));
  ref->setXData(head);
  ref->setPosition(OdGePoint3d(50.0, 0.0, 0.0));
  kyExpectPoint(ref->xData(L"PE_CLOUD")->next()->getPoint3d(), OdGePoint3d(1.0, 1.0, 0.0));
  ASSERT_EQ(eOk, ref->transformBy(OdGeMatrix3d::translation(OdGeVector3d(0.0, 10.0, 0.0))));
  kyExpectPoint(ref->xData(L"PE_CLOUD")->next()->getPoint3d(), OdGePoint3d(1.0, 11.0, 0.0));
}

TEST_F(BlockReferences, CopiesKeepThePlacement)
{
  OdDbBlockReferencePtr ref = place<OdDbBlockReference>(OdGePoint3d(4.0, 4.0, 0.0), OdGeScale3d(2.0), 1.0);
  OdDbBlockReferencePtr copy = ref->clone();
  EXPECT_EQ(blockId, copy->blockTableRecord());
  EXPECT_EQ(ref->scaleFactors(), copy->scaleFactors());
  EXPECT_EQ(ref->rotation(), copy->rotation());
  EXPECT_EQ(ref->position(), copy->position());
  EXPECT_TRUE(copy->blockTransform().isEqualTo(ref->blockTransform()));
}

TEST_F(BlockReferences, MultipleInsertArraysTheBlockAlongItsRotatedAxes)
{
  OdDbMInsertBlockPtr grid = place<OdDbMInsertBlock>(OdGePoint3d(1.0, 0.0, 0.0));
  EXPECT_EQ(1, grid->columns());
  EXPECT_EQ(1, grid->rows());
  expectBox(grid, OdGePoint3d(1.0, 0.0, 0.0), OdGePoint3d(3.0, 1.0, 0.0));
  grid->setColumns(3);
  grid->setRows(2);
  grid->setColumnSpacing(10.0);
  grid->setRowSpacing(-5.0);
  expectBox(grid, OdGePoint3d(1.0, -5.0, 0.0), OdGePoint3d(23.0, 1.0, 0.0));
  // Turned a quarter: columns run up, rows (negative spacing) to the right.
  grid->setRotation(OdaPI2);
  expectBox(grid, OdGePoint3d(0.0, 0.0, 0.0), OdGePoint3d(6.0, 22.0, 0.0));

  const OdDbDxfTagList before = kySnapshot(grid);
  EXPECT_THROW(grid->setColumns(0), OdError);
  EXPECT_THROW(grid->setRows(0), OdError);
  EXPECT_THROW(grid->setRowSpacing(kNaN), OdError);
  EXPECT_EQ(before, kySnapshot(grid));
  // The counts are 16-bit unsigned: the largest one is kept as it is.
  grid->setColumns(65535);
  EXPECT_EQ(65535, grid->columns());

  // A scaling transform scales the spacings with the block.
  grid->setColumns(3);
  ASSERT_EQ(eOk, grid->transformBy(OdGeMatrix3d::scaling(2.0)));
  EXPECT_NEAR(20.0, grid->columnSpacing(), 1e-9);
  EXPECT_NEAR(-10.0, grid->rowSpacing(), 1e-9);
  OdDbMInsertBlockPtr copy = grid->clone();
  EXPECT_EQ(3, copy->columns());
  EXPECT_EQ(2, copy->rows());
  EXPECT_EQ(grid->columnSpacing(), copy->columnSpacing());
  EXPECT_EQ(grid->rowSpacing(), copy->rowSpacing());
}
