// INSERT in DXF: a reference with its ATTRIB sequence becomes a reference owning its attributes,
// 70/71 make a multiple insert, a missing SEQEND is a repair; written whole, references and their
// attributes read back with the state they were written with.
#include <gtest/gtest.h>

#include "DbAttribute.h"
#include "DbBlockReference.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbMInsertBlock.h"
#include "DxfWriteTestUtil.h"
#include "DxfWriter.h"
#include "Ge/GeGbl.h"
#include "KyTestGeometry.h"

using namespace kydxf;

namespace
{
std::string blockDoor()
{
  return dxfwrite::tags({
    {0, "BLOCK"}, {5, "B1"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbBlockBegin"}, {2, "Door"}, {70, "2"},
    {10, "0"}, {20, "0"}, {30, "0"}, {3, "Door"}, {1, ""},
    {0, "ENDBLK"}, {5, "B2"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbBlockEnd"},
  });
}

std::string attrib(const char* handle, const char* tag, const char* value)
{
  return dxfwrite::tags({{0, "ATTRIB"}, {5, handle}, {330, "A1"}, {100, "AcDbEntity"}, {8, "0"},
                         {100, "AcDbText"}, {10, "1"}, {20, "2"}, {30, "0"}, {40, "1"}, {1, value},
                         {100, "AcDbAttribute"}, {2, tag}, {70, "0"}});
}

template <class T>
OdSmartPtr<T> at(OdDbDatabase* db, std::uint64_t handle)
{
  return T::cast(db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(handle))).openObject().get());
}
} // namespace

TEST(DxfInsert, ReadsReferencesWithTheirAttributesAndArrays)
{
  const std::string entities =
    dxfwrite::tags({{0, "INSERT"}, {5, "A1"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbBlockReference"},
                    {66, "1"}, {2, "Door"}, {10, "5"}, {20, "6"}, {30, "0"}, {41, "2"}, {42, "3"}, {43, "1"},
                    {50, "90"}}) +
    attrib("A2", "NUMBER", "1") + attrib("A3", "NUMBER", "2") +
    dxfwrite::tags({{0, "SEQEND"}, {5, "A4"}, {330, "A1"}, {100, "AcDbEntity"}, {8, "0"},
                    {0, "INSERT"}, {5, "C1"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbMInsertBlock"},
                    {2, "Door"}, {10, "0"}, {20, "0"}, {30, "0"}, {70, "3"}, {71, "2"}, {44, "6"}, {45, "8"}});
  const QByteArray file =
    dxfwrite::minimalFile(kDxfR2018, "", {{"BLOCKS", blockDoor()}, {"ENTITIES", entities}});
  const dxfwrite::Read r = dxfwrite::readSource(file);
  EXPECT_EQ(0, r.report.repairCount);
  OdDbBlockReferencePtr ref = at<OdDbBlockReference>(r.db, 0xA1);
  ASSERT_FALSE(ref.isNull());
  kyExpectPoint(ref->position(), OdGePoint3d(5.0, 6.0, 0.0));
  EXPECT_EQ(OdGeScale3d(2.0, 3.0, 1.0), ref->scaleFactors());
  EXPECT_NEAR(OdaPI2, ref->rotation(), 1e-12);
  std::vector<OdString> values;
  for (OdDbObjectIteratorPtr it = ref->attributeIterator(); !it->done(); it->step())
    values.push_back(OdDbAttribute::cast(it->entity().get())->textString());
  EXPECT_EQ((std::vector<OdString>{L"1", L"2"}), values);
  EXPECT_EQ(0xA2u, static_cast<unsigned>(ref->attributeIterator()->objectId().getHandle().value()));

  OdDbMInsertBlockPtr grid = at<OdDbMInsertBlock>(r.db, 0xC1);
  ASSERT_FALSE(grid.isNull());
  EXPECT_EQ(3, grid->columns());
  EXPECT_EQ(2, grid->rows());
  EXPECT_DOUBLE_EQ(6.0, grid->columnSpacing());
  EXPECT_DOUBLE_EQ(8.0, grid->rowSpacing());
}

TEST(DxfInsert, AZeroScaleFactorBecomesOneAndKeepsTheOthers)
{
  // Flat drawings from some writers carry 43 = 0.
  const std::string entities =
    dxfwrite::tags({{0, "INSERT"}, {5, "A1"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbBlockReference"},
                    {2, "Door"}, {10, "0"}, {20, "0"}, {30, "0"}, {41, "2"}, {42, "0"}, {43, "0"}});
  const dxfwrite::Read r =
    dxfwrite::readSource(dxfwrite::minimalFile(kDxfR2018, "", {{"BLOCKS", blockDoor()}, {"ENTITIES", entities}}));
  EXPECT_EQ(2, r.report.repairCount);
  ASSERT_EQ(2, r.report.repairs.size());
  EXPECT_EQ(QStringLiteral("INSERT Y scale of 0 (group code 42)"), r.report.repairs[0].problem);
  EXPECT_EQ(QStringLiteral("INSERT Z scale of 0 (group code 43)"), r.report.repairs[1].problem);
  EXPECT_EQ(QStringLiteral("took 1"), r.report.repairs[1].action);
  EXPECT_EQ(OdGeScale3d(2.0, 1.0, 1.0), at<OdDbBlockReference>(r.db, 0xA1)->scaleFactors());
}

// A reference without a block (no name, or an empty one) is kept without one, and written back
// it reads the same: the writer gives it an empty name.
TEST(DxfInsert, AReferenceWithoutABlockIsKeptSoAndReadsBackSo)
{
  const struct
  {
    const char* what;
    std::vector<std::pair<int, std::string>> name;
    const char* problem;
  } cases[] = {
    {"no name", {}, "INSERT without a block name (group code 2)"},
    {"empty name", {{2, ""}}, "INSERT with an empty block name (group code 2)"},
  };
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.what);
    std::vector<std::pair<int, std::string>> insert = {{0, "INSERT"}, {5, "A1"}, {100, "AcDbEntity"}, {8, "0"},
                                                       {100, "AcDbBlockReference"}};
    insert.insert(insert.end(), c.name.begin(), c.name.end());
    insert.insert(insert.end(), {{10, "1"}, {20, "2"}, {30, "0"}});
    const dxfwrite::Read r = dxfwrite::readSource(
      dxfwrite::minimalFile(kDxfR2018, "", {{"BLOCKS", blockDoor()}, {"ENTITIES", dxfwrite::tags(insert)}}));
    ASSERT_EQ(1, r.report.repairs.size());
    EXPECT_EQ(QString(c.problem), r.report.repairs[0].problem);
    EXPECT_TRUE(at<OdDbBlockReference>(r.db, 0xA1)->blockTableRecord().isNull());
    const dxfwrite::Read again = dxfwrite::readSource(dxfwrite::writeBack(r));
    EXPECT_TRUE(at<OdDbBlockReference>(again.db, 0xA1)->blockTableRecord().isNull());
    EXPECT_TRUE(dxfwrite::statesKept(dxfwrite::statesOf(r.db), dxfwrite::statesOf(again.db)));
  }
}

TEST(DxfInsert, AMissingSeqendIsARepair)
{
  const std::string entities =
    dxfwrite::tags({{0, "INSERT"}, {5, "A1"}, {100, "AcDbEntity"}, {8, "0"}, {66, "1"}, {2, "Door"}, {10, "0"},
                    {20, "0"}, {30, "0"}}) +
    attrib("A2", "T", "v") + dxfwrite::tags({{0, "LINE"}, {5, "E1"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"},
                                             {11, "1"}, {21, "0"}, {31, "0"}});
  const dxfwrite::Read r =
    dxfwrite::readSource(dxfwrite::minimalFile(kDxfR2018, "", {{"BLOCKS", blockDoor()}, {"ENTITIES", entities}}));
  EXPECT_EQ(1, r.report.repairCount);
  EXPECT_FALSE(at<OdDbBlockReference>(r.db, 0xA1)->attributeIterator()->done());
  EXPECT_FALSE(at<OdDbEntity>(r.db, 0xE1).isNull());
}
