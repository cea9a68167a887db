// Line rows: table contents, UCS coordinate edits, derived values and the listing.
#include <gtest/gtest.h>

#include <cmath>

#include "DbLine.h"
#include "KyLinePE.h"
#include "KyPropertyType.h"
#include "KyTestDrawing.h"
#include "RxObjectImpl.h"

namespace
{
struct ExpectedRow
{
  const char* category;
  const char* name;
  int type;
  const CKyString* guid;
  const char* icon;
  bool readOnly;
};

struct LineRows : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  OdDbLinePtr line;

  void SetUp() override
  {
    line = OdDbLine::createObject();
    line->setStartPoint(OdGePoint3d(1, 2, 3));
    line->setEndPoint(OdGePoint3d(4, 6, 3));
    drawing.add(line);
  }

  CKyVariant get(const char* name, const CKyVariant& context = CKyVariant())
  {
    KyPaletteRows rows(line);
    const CKyPropertyDescription* d = rows.row(name);
    EXPECT_NE(d, nullptr) << name;
    return d ? d->GetValue(line, context) : CKyVariant();
  }
  int set(const char* name, const CKyVariant& value)
  {
    KyPaletteRows rows(line);
    const CKyPropertyDescription* d = rows.row(name);
    EXPECT_NE(d, nullptr) << name;
    return d ? d->SetValue(line, value, CKyVariant()) : 0;
  }
};
} // namespace

TEST_F(LineRows, TableFollowsTheGeneralRowsInOrder)
{
  const ExpectedRow expected[] = {
    {"General", "Thickness", 0, nullptr, "General/General_Thickness", false},
    {"Geometry", "Start X", 2, &CKyPropertyType::kCoordinateXGUID, "Geometry/Geometry_StartX", false},
    {"Geometry", "Start Y", 2, &CKyPropertyType::kCoordinateYGUID, "Geometry/Geometry_StartY", false},
    {"Geometry", "Start Z", 2, &CKyPropertyType::kCoordinateZGUID, "Geometry/Geometry_StartZ", false},
    {"Geometry", "End X", 2, &CKyPropertyType::kCoordinateXGUID, "Geometry/Geometry_EndX", false},
    {"Geometry", "End Y", 2, &CKyPropertyType::kCoordinateYGUID, "Geometry/Geometry_EndY", false},
    {"Geometry", "End Z", 2, &CKyPropertyType::kCoordinateZGUID, "Geometry/Geometry_EndZ", false},
    {"Geometry", "Delta X", 2, &CKyPropertyType::kCoordinateXGUID, "Geometry/Geometry_DeltaX", true},
    {"Geometry", "Delta Y", 2, &CKyPropertyType::kCoordinateYGUID, "Geometry/Geometry_DeltaY", true},
    {"Geometry", "Delta Z", 2, &CKyPropertyType::kCoordinateZGUID, "Geometry/Geometry_DeltaZ", true},
    {"Geometry", "Length", 0, nullptr, "Geometry/Geometry_Length", true},
    {"Geometry", "Angle", 2, &CKyPropertyType::kOrientGUID, "Geometry/Geometry_Angle", true},
  };
  KyPaletteRows rows(line);
  const CKyPropertiesContainerImpl& c = rows.container();
  ASSERT_EQ(c.GetCount(), 8 + 12);
  EXPECT_EQ(c.GetAt(0)->GetName().toQString(), "LineColor");
  for (int i = 0; i < 12; ++i)
  {
    const ExpectedRow& e = expected[i];
    const CKyPropertyDescription* d = c.GetAt(8 + i);
    SCOPED_TRACE(e.name);
    EXPECT_EQ(d->GetCategory().toQString(), e.category);
    EXPECT_EQ(d->GetName().toQString(), e.name);
    EXPECT_EQ(static_cast<int>(d->GetType().GetType()), e.type);
    EXPECT_EQ(d->GetType().GetGUID().toQString(), e.guid ? e.guid->toQString() : QString());
    EXPECT_EQ(d->GetIcon().toQString(), QString(":/%1.png").arg(e.icon));
    const QString folder = QString(e.icon).section('/', 0, 0);
    EXPECT_EQ(d->GetDarkIcon().toQString(),
              QString(":/%1/svg_icons/%1/%2.svg").arg(folder, QString(e.icon).section('/', 1)));
    EXPECT_TRUE(d->GetLightIcon().isEmpty());
    EXPECT_FALSE(d->IsDynamic());
    EXPECT_EQ(d->IsReadOnly(line), e.readOnly);
    EXPECT_EQ((d->GetVisibility() & 4) != 0, i == 0); // only Thickness travels with match properties
  }
}

TEST_F(LineRows, ReadsUcsComponentsDeltasLengthAndAngle)
{
  drawing.setUcs(OdGePoint3d(10, 0, 0), OdGeVector3d::kXAxis, OdGeVector3d::kYAxis);
  EXPECT_DOUBLE_EQ(get("Start X").GetDouble(), -9.0);
  EXPECT_TRUE(get("Start X").IsUnitBearing());
  EXPECT_DOUBLE_EQ(get("End Y").GetDouble(), 6.0);
  EXPECT_DOUBLE_EQ(get("Delta X").GetDouble(), 3.0);
  EXPECT_DOUBLE_EQ(get("Delta Y").GetDouble(), 4.0);
  EXPECT_DOUBLE_EQ(get("Delta Z").GetDouble(), 0.0);
  EXPECT_DOUBLE_EQ(get("Length").GetDouble(), 5.0);
  EXPECT_NEAR(get("Angle").GetDouble(), std::atan2(4.0, 3.0), 1e-12);
}

TEST_F(LineRows, AngleLiesInZeroToTwoPi)
{
  struct Case
  {
    OdGePoint3d end;
    double angle;
  } cases[] = {
    {OdGePoint3d(1, -1, 3), 1.5 * M_PI},       // pointing along -Y
    {OdGePoint3d(1, 2, 10), 0.0},              // vertical: only Z differs
    {OdGePoint3d(1, 2, 3), 0.0},               // zero length
    {OdGePoint3d(0, 1, 3), 1.25 * M_PI},       // third quadrant
  };
  for (const Case& c : cases)
  {
    line->setEndPoint(c.end);
    EXPECT_NEAR(get("Angle").GetDouble(), c.angle, 1e-12);
  }
}

TEST_F(LineRows, CoordinateSetterWithTheShownValueWritesNothing)
{
  const CKyVariant shown = get("Start X");
  line->downgradeOpen();
  line->upgradeOpen();
  ASSERT_FALSE(line->isModified());
  EXPECT_EQ(set("Start X", shown), 5100);
  EXPECT_FALSE(line->isModified());
  EXPECT_EQ(set("Start X", CKyVariant(7.0, true)), 5100);
  EXPECT_TRUE(line->isModified());
  EXPECT_EQ(line->startPoint(), OdGePoint3d(7, 2, 3));
  EXPECT_EQ(line->endPoint(), OdGePoint3d(4, 6, 3));
}

TEST_F(LineRows, RotatedUcsEditMovesAlongTheUcsAxisOnly)
{
  // UCS X along world Y, UCS Y along world -X.
  drawing.setUcs(OdGePoint3d::kOrigin, OdGeVector3d::kYAxis, -OdGeVector3d::kXAxis);
  EXPECT_NEAR(get("Start X").GetDouble(), 2.0, 1e-12);
  EXPECT_NEAR(get("Start Y").GetDouble(), -1.0, 1e-12);
  EXPECT_EQ(set("Start X", CKyVariant(5.0, true)), 5100);
  EXPECT_NEAR(line->startPoint().x, 1.0, 1e-12);
  EXPECT_NEAR(line->startPoint().y, 5.0, 1e-12);
  EXPECT_NEAR(line->startPoint().z, 3.0, 1e-12);
}

// A UCS whose origin lies far out can name coordinates beyond the largest double in world
// coordinates: such an edit is refused, not handed to the SDK.
TEST_F(LineRows, UcsEditThatLeavesTheRangeOfDoublesIsRefused)
{
  drawing.setUcs(OdGePoint3d(0, 0, -1e308), OdGeVector3d::kXAxis, OdGeVector3d::kZAxis);
  EXPECT_EQ(set("End Y", CKyVariant(-1e308, true)), -5001);
  EXPECT_EQ(line->endPoint(), OdGePoint3d(4, 6, 3));
  EXPECT_EQ(set("End Y", CKyVariant(-7.0, true)), 5100);
  EXPECT_NEAR(line->endPoint().z, -1e308 - 7.0, 1e292);
}

TEST_F(LineRows, RefusalsLeaveTheLineUnchanged)
{
  struct Case
  {
    const char* row;
    CKyVariant value;
  } cases[] = {
    {"Start X", CKyVariant(CKyString("12"))},
    {"End Z", CKyVariant(3)},
    {"Start Y", CKyVariant(std::nan(""), true)},
    {"End X", CKyVariant(INFINITY, true)},
    {"Thickness", CKyVariant(CKyString("1"))},
  };
  for (const Case& c : cases)
  {
    EXPECT_EQ(set(c.row, c.value), -5001) << c.row;
  }
  EXPECT_EQ(line->startPoint(), OdGePoint3d(1, 2, 3));
  EXPECT_EQ(line->endPoint(), OdGePoint3d(4, 6, 3));
  EXPECT_EQ(line->thickness(), 0.0);
}

TEST_F(LineRows, WrongObjectOrOpenStateGivesEmptyOrRefusal)
{
  KyPaletteRows rows(line);
  const CKyPropertyDescription* startX = rows.row("Start X");
  ASSERT_NE(startX, nullptr);
  EXPECT_EQ(startX->GetValue(nullptr, CKyVariant()).GetType(), CKyVariant::kEmpty);
  line->downgradeOpen();
  EXPECT_EQ(startX->SetValue(line, CKyVariant(9.0, true), CKyVariant()), -5001);
  EXPECT_EQ(line->startPoint().x, 1.0);
  EXPECT_DOUBLE_EQ(startX->GetValue(line, CKyVariant()).GetDouble(), 1.0);
  OdDbLinePtr other = OdDbLine::createObject();
  drawing.add(other);
  OdDbObjectId layerId = drawing.addLayer(L"Walls");
  OdDbObjectPtr layer = layerId.openObject(OdDb::kForWrite);
  EXPECT_EQ(startX->GetValue(layer, CKyVariant()).GetType(), CKyVariant::kEmpty);
  EXPECT_EQ(startX->SetValue(layer, CKyVariant(1.0, true), CKyVariant()), -5001);
}

TEST_F(LineRows, ThicknessAcceptsNegativeValues)
{
  EXPECT_EQ(set("Thickness", CKyVariant(-2.5, true)), 5100);
  EXPECT_EQ(line->thickness(), -2.5);
  EXPECT_DOUBLE_EQ(get("Thickness").GetDouble(), -2.5);
}

TEST_F(LineRows, ListingPrintsTheLinesInOrderAndLengthInCcsOnlyInUcsMode)
{
  OdStaticRxObject<CKyLineInfo> info;
  KyRecordingPrintContext world;
  info.PrintObjectInfo(line, &world);
  std::vector<std::string> labels = world.labels();
  const std::vector<std::string> tail = {"from point", "to point", "Length", "Angle in XY Plane",
                                         "Delta X", "Delta Y", "Delta Z"};
  ASSERT_GE(labels.size(), tail.size());
  EXPECT_EQ(std::vector<std::string>(labels.end() - tail.size(), labels.end()), tail);
  EXPECT_EQ(world.find("Length")->value, QString::number(5.0, 'g', 17));

  KyRecordingPrintContext ucs;
  ucs.printInUcs = true;
  // The working plane is rotated 90° about Z: world +X becomes -Y.
  OdGeMatrix3d toPlane;
  toPlane.setToRotation(-M_PI / 2, OdGeVector3d::kZAxis);
  ucs.worldToPlane = toPlane;
  info.PrintObjectInfo(line, &ucs);
  labels = ucs.labels();
  const std::vector<std::string> ucsTail = {"from point", "to point", "Length", "Length in CCS", "Angle in XY Plane",
                                            "Delta X", "Delta Y", "Delta Z"};
  EXPECT_EQ(std::vector<std::string>(labels.end() - ucsTail.size(), labels.end()), ucsTail);
  EXPECT_NEAR(ucs.find("Delta X")->value.toDouble(), 4.0, 1e-12);
  EXPECT_NEAR(ucs.find("Delta Y")->value.toDouble(), -3.0, 1e-12);
  EXPECT_NEAR(ucs.find("Angle in XY Plane")->value.toDouble(), 2 * M_PI + std::atan2(-3.0, 4.0), 1e-12);
  // Points are handed over in world coordinates.
  EXPECT_EQ(ucs.find("from point")->value, world.find("from point")->value);
}
