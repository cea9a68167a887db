// Multiple insert rows: the listed rows in order, columns and rows with their refusals (the
// 16-bit limit included), spacings, scales through the unit factor and the attribute follow-up.
#include <gtest/gtest.h>

#include "DbAttribute.h"
#include "DbBlockTable.h"
#include "DbLine.h"
#include "DbMInsertBlock.h"
#include "KyMInsertBlockPE.h"
#include "KyTestDrawing.h"
#include "KyTestGeometry.h"
#include "RxObjectImpl.h"

namespace
{
struct MInsertRows : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  KyRecordingMessages messages;
  OdDbMInsertBlockPtr grid;

  void SetUp() override
  {
    OdDbBlockTablePtr table = drawing.db()->getBlockTableId().safeOpenObject(OdDb::kForWrite);
    OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::createObject();
    block->setName(L"Seat");
    block->setBlockInsertUnits(OdDb::kUnitsMillimeters);
    const OdDbObjectId blockId = table->add(block);
    block->appendOdDbEntity(OdDbLine::createObject());
    drawing.db()->setINSUNITS(OdDb::kUnitsMeters);
    grid = OdDbMInsertBlock::createObject();
    grid->setBlockTableRecord(blockId);
    grid->setScaleFactors(OdGeScale3d(0.001));
    drawing.add(grid);
  }
  const CKyPropertyDescription* row(KyPaletteRows& rows, const char* name)
  {
    const CKyPropertyDescription* d = rows.row(name);
    EXPECT_NE(d, nullptr) << name;
    return d;
  }
  int set(const char* name, const CKyVariant& value)
  {
    KyPaletteRows rows(grid);
    const CKyPropertyDescription* d = row(rows, name);
    return d ? d->SetValue(grid, value, CKyVariant()) : 0;
  }
  CKyVariant get(const char* name)
  {
    KyPaletteRows rows(grid);
    const CKyPropertyDescription* d = row(rows, name);
    return d ? d->GetValue(grid, CKyVariant()) : CKyVariant();
  }
};
} // namespace

TEST_F(MInsertRows, ListsPlacementThenArrayRowsAndNamesItsKind)
{
  KyPaletteRows rows(grid);
  std::vector<std::string> own;
  for (const std::string& name : rows.names())
    own.push_back(name);
  const std::vector<std::string> expected{"Position X", "Position Y", "Position Z", "Scale X", "Scale Y",
                                          "Scale Z", "Name", "Rotation", "Columns", "Column spacing",
                                          "Rows", "Row spacing", "Block UnitSystem", "Block UnitScale"};
  ASSERT_GE(own.size(), expected.size());
  EXPECT_EQ(expected, std::vector<std::string>(own.end() - static_cast<long>(expected.size()), own.end()));
  for (const char* name : {"Name", "Block UnitSystem", "Block UnitScale"})
    EXPECT_TRUE(row(rows, name)->IsReadOnly(grid)) << name;
  EXPECT_EQ(QString("Seat"), get("Name").GetString().toQString());
  OdStaticRxObject<CKyMInsertBlockPE> extension;
  EXPECT_EQ(QString("BlockN"), extension.GetClassName(grid).toQString());
}

TEST_F(MInsertRows, CountsMustBePositive16BitIntegers)
{
  EXPECT_EQ(5100, set("Columns", CKyVariant(3)));
  EXPECT_EQ(3, grid->columns());
  EXPECT_EQ(1, grid->rows());
  const struct
  {
    const char* row;
    CKyVariant value;
    const char* message;
  } cases[] = {
    {"Columns", CKyVariant(0), "Invalid value for property Columns"},
    {"Columns", CKyVariant(-2), "Invalid value for property Columns"},
    {"Columns", CKyVariant(65536), "Invalid value for property Columns"},
    {"Rows", CKyVariant(0), "Invalid value for property Rows"},
    {"Rows", CKyVariant(2.0, false), nullptr},
  };
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.message ? c.message : "double");
    messages.messages.clear();
    const OdDbDxfTagList before = kySnapshot(grid);
    EXPECT_EQ(-5001, set(c.row, c.value));
    EXPECT_EQ(before, kySnapshot(grid));
    if (c.message)
    {
      ASSERT_EQ(1u, messages.messages.size());
      EXPECT_EQ(QString(c.message), messages.messages[0].text);
    }
    else
      EXPECT_TRUE(messages.messages.empty());
  }
  EXPECT_EQ(5100, set("Rows", CKyVariant(65535)));
  EXPECT_EQ(65535, grid->rows());
  EXPECT_EQ(5100, set("Row spacing", CKyVariant(2.5, true)));
  EXPECT_DOUBLE_EQ(2.5, grid->rowSpacing());
}

TEST_F(MInsertRows, ScaleShownAndSetThroughTheUnitFactorCarriesAttributes)
{
  const OdDbObjectId id = [&] {
    OdDbAttributePtr attribute = OdDbAttribute::createObject();
    attribute->setTag(L"SEAT");
    attribute->setPosition(OdGePoint3d(0.0, 1.0, 0.0));
    return grid->appendAttribute(attribute);
  }();
  EXPECT_NEAR(0.001, get("Block UnitScale").GetDouble(), 1e-15);
  EXPECT_NEAR(1.0, get("Scale Y").GetDouble(), 1e-12);
  EXPECT_EQ(5100, set("Scale Y", CKyVariant(2.0, false)));
  EXPECT_NEAR(0.002, grid->scaleFactors().sy, 1e-15);
  EXPECT_NEAR(2.0, get("Scale Y").GetDouble(), 1e-12);
  OdDbAttributePtr attribute = id.safeOpenObject();
  kyExpectPoint(attribute->position(), OdGePoint3d(0.0, 2.0, 0.0));
  attribute.release();
  messages.messages.clear();
  EXPECT_EQ(-5001, set("Scale Z", CKyVariant(0.0, false)));
  ASSERT_EQ(1u, messages.messages.size());
  EXPECT_EQ(QString("Value must be non-zero"), messages.messages[0].text);
}
