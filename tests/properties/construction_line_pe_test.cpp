// Infinite line, ray and point rows: the tables, the second point that turns the direction about a
// fixed base point, the read-only direction, the position rows and the listings.
#include <gtest/gtest.h>

#include <cmath>

#include "DbPoint.h"
#include "DbRay.h"
#include "DbXline.h"
#include "KyPointPE.h"
#include "KyPropertyType.h"
#include "KyRayPE.h"
#include "KyTestDrawing.h"
#include "KyXlinePE.h"
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

void expectRows(const OdDbObject* object, const ExpectedRow* expected, int count)
{
  KyPaletteRows rows(object);
  const CKyPropertiesContainerImpl& c = rows.container();
  ASSERT_EQ(c.GetCount(), 8 + count);
  for (int i = 0; i < count; ++i)
  {
    const ExpectedRow& e = expected[i];
    const CKyPropertyDescription* d = c.GetAt(8 + i);
    SCOPED_TRACE(e.name);
    EXPECT_EQ(d->GetCategory().toQString(), e.category);
    EXPECT_EQ(d->GetName().toQString(), e.name);
    EXPECT_EQ(static_cast<int>(d->GetType().GetType()), e.type);
    EXPECT_EQ(d->GetType().GetGUID().toQString(), e.guid ? e.guid->toQString() : QString());
    EXPECT_EQ(d->GetIcon().toQString(), QString(":/%1.png").arg(e.icon));
    EXPECT_EQ(d->IsReadOnly(object), e.readOnly);
    EXPECT_EQ((d->GetVisibility() & 4) != 0, QString(e.name) == "Thickness");
  }
}

const ExpectedRow kConstructionRows[] = {
  {"Geometry", "Base point X", 2, &CKyPropertyType::kCoordinateXGUID, "Geometry/Geometry_BasePointX", false},
  {"Geometry", "Base point Y", 2, &CKyPropertyType::kCoordinateYGUID, "Geometry/Geometry_BasePointY", false},
  {"Geometry", "Base point Z", 2, &CKyPropertyType::kCoordinateZGUID, "Geometry/Geometry_BasePointZ", false},
  {"Geometry", "Second point X", 2, &CKyPropertyType::kCoordinateXGUID, "Geometry/Geometry_SecondPointX", false},
  {"Geometry", "Second point Y", 2, &CKyPropertyType::kCoordinateYGUID, "Geometry/Geometry_SecondPointY", false},
  {"Geometry", "Second point Z", 2, &CKyPropertyType::kCoordinateZGUID, "Geometry/Geometry_SecondPointZ", false},
  {"Geometry", "Direction vector X", 2, &CKyPropertyType::kCoordinateXGUID, "Geometry/Geometry_DirectionX", true},
  {"Geometry", "Direction vector Y", 2, &CKyPropertyType::kCoordinateYGUID, "Geometry/Geometry_DirectionY", true},
  {"Geometry", "Direction vector Z", 2, &CKyPropertyType::kCoordinateZGUID, "Geometry/Geometry_DirectionZ", true},
};

CKyVariant getRow(const OdDbObject* object, const char* name)
{
  KyPaletteRows rows(object);
  const CKyPropertyDescription* d = rows.row(name);
  EXPECT_NE(d, nullptr) << name;
  return d ? d->GetValue(object, CKyVariant()) : CKyVariant();
}

int setRow(const OdDbObject* object, const char* name, const CKyVariant& value)
{
  KyPaletteRows rows(object);
  const CKyPropertyDescription* d = rows.row(name);
  EXPECT_NE(d, nullptr) << name;
  return d ? d->SetValue(object, value, CKyVariant()) : 0;
}

struct ConstructionRows : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  OdDbXlinePtr xline;
  OdDbRayPtr ray;

  void SetUp() override
  {
    xline = OdDbXline::createObject();
    ray = OdDbRay::createObject();
    drawing.add(xline);
    drawing.add(ray);
  }
};
} // namespace

TEST_F(ConstructionRows, BothKindsShowTheSameTableAfterTheGeneralRows)
{
  expectRows(xline, kConstructionRows, 9);
  expectRows(ray, kConstructionRows, 9);
}

TEST_F(ConstructionRows, SecondPointYTurnsTheLineTo45DegreesAboutItsBasePoint)
{
  EXPECT_DOUBLE_EQ(getRow(xline, "Second point X").GetDouble(), 1.0);
  EXPECT_DOUBLE_EQ(getRow(xline, "Second point Y").GetDouble(), 0.0);
  EXPECT_EQ(setRow(xline, "Second point Y", CKyVariant(1.0, true)), 5100);
  EXPECT_EQ(xline->basePoint(), OdGePoint3d::kOrigin);
  EXPECT_NEAR(xline->unitDir().x, std::sqrt(0.5), 1e-15);
  EXPECT_NEAR(xline->unitDir().y, std::sqrt(0.5), 1e-15);
  EXPECT_EQ(xline->unitDir().z, 0.0);
  // The second point stays one unit from the base point.
  EXPECT_NEAR(getRow(xline, "Second point Y").GetDouble(), std::sqrt(0.5), 1e-15);
  EXPECT_NEAR(getRow(xline, "Direction vector X").GetDouble(), std::sqrt(0.5), 1e-15);
}

TEST_F(ConstructionRows, SecondPointRowsWorkFromAMovedBasePoint)
{
  ray->setBasePoint(OdGePoint3d(10, 20, 5));
  ray->setUnitDir(OdGeVector3d(0, -1, 0));
  EXPECT_DOUBLE_EQ(getRow(ray, "Second point X").GetDouble(), 10.0);
  EXPECT_DOUBLE_EQ(getRow(ray, "Second point Y").GetDouble(), 19.0);
  EXPECT_DOUBLE_EQ(getRow(ray, "Second point Z").GetDouble(), 5.0);
  EXPECT_EQ(setRow(ray, "Second point Z", CKyVariant(6.0, true)), 5100);
  EXPECT_EQ(ray->basePoint(), OdGePoint3d(10, 20, 5));
  EXPECT_NEAR(ray->unitDir().y, -std::sqrt(0.5), 1e-15);
  EXPECT_NEAR(ray->unitDir().z, std::sqrt(0.5), 1e-15);
  EXPECT_EQ(setRow(ray, "Base point X", CKyVariant(-4.0, true)), 5100);
  EXPECT_EQ(ray->basePoint(), OdGePoint3d(-4, 20, 5));
  EXPECT_NEAR(ray->unitDir().z, std::sqrt(0.5), 1e-15);
}

TEST_F(ConstructionRows, ShownValuesWriteNothing)
{
  for (const char* row : {"Second point X", "Second point Y", "Base point Z"})
  {
    SCOPED_TRACE(row);
    const CKyVariant shown = getRow(xline, row);
    xline->downgradeOpen();
    xline->upgradeOpen();
    ASSERT_FALSE(xline->isModified());
    EXPECT_EQ(setRow(xline, row, shown), 5100);
    EXPECT_FALSE(xline->isModified());
  }
}

// A second point on the base point leaves no direction: refused, the line keeps its own.
TEST_F(ConstructionRows, RefusalsLeaveTheLineUnchanged)
{
  const struct
  {
    const char* row;
    CKyVariant value;
  } cases[] = {
    {"Second point X", CKyVariant(0.0, true)},
    {"Second point Y", CKyVariant(CKyString("1"))},
    {"Second point Z", CKyVariant(std::nan(""), true)},
    {"Base point X", CKyVariant(3)},
    {"Base point Y", CKyVariant(INFINITY, true)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(setRow(xline, c.row, c.value), -5001) << c.row;
  EXPECT_EQ(xline->basePoint(), OdGePoint3d::kOrigin);
  EXPECT_EQ(xline->unitDir(), OdGeVector3d::kXAxis);
}

TEST_F(ConstructionRows, ReadOnlyOrWrongObjectIsRefused)
{
  xline->downgradeOpen();
  EXPECT_EQ(setRow(xline, "Second point Y", CKyVariant(1.0, true)), -5001);
  EXPECT_EQ(setRow(xline, "Base point Y", CKyVariant(1.0, true)), -5001);
  EXPECT_EQ(xline->unitDir(), OdGeVector3d::kXAxis);
  KyPaletteRows rows(ray);
  EXPECT_EQ(rows.row("Second point X")->GetValue(xline, CKyVariant()).GetType(), CKyVariant::kEmpty);
}

TEST_F(ConstructionRows, UcsShowsTheBasePointInTheUcsAndAddsTheStoredDirection)
{
  // UCS moved by (5, 0, 0) and turned: UCS X along world Y.
  drawing.setUcs(OdGePoint3d(5, 0, 0), OdGeVector3d::kYAxis, -OdGeVector3d::kXAxis);
  xline->setBasePoint(OdGePoint3d(5, 3, 0));
  EXPECT_NEAR(getRow(xline, "Base point X").GetDouble(), 3.0, 1e-12);
  EXPECT_NEAR(getRow(xline, "Base point Y").GetDouble(), 0.0, 1e-12);
  EXPECT_NEAR(getRow(xline, "Second point X").GetDouble(), 4.0, 1e-12);
  EXPECT_NEAR(getRow(xline, "Second point Y").GetDouble(), 0.0, 1e-12);
}

TEST_F(ConstructionRows, ListingsDifferOnlyInTheCapitalsOfTwoLabels)
{
  xline->setUnitDir(OdGeVector3d(0, -1, 0));
  ray->setUnitDir(OdGeVector3d(0, -1, 0));
  OdStaticRxObject<CKyXlineInfo> xlineInfo;
  OdStaticRxObject<CKyRayInfo> rayInfo;
  EXPECT_EQ(xlineInfo.GetClassName(xline).toQString(), "ILINE");
  KyRecordingPrintContext x, r;
  xlineInfo.PrintObjectInfo(xline, &x);
  rayInfo.PrintObjectInfo(ray, &r);
  const std::vector<std::string> xl = x.labels(), rl = r.labels();
  ASSERT_GE(xl.size(), 3u);
  ASSERT_EQ(xl.size(), rl.size());
  EXPECT_EQ(std::vector<std::string>(xl.end() - 3, xl.end()),
            (std::vector<std::string>{"base point", "unit direction", "Angle in XY Plane"}));
  EXPECT_EQ(std::vector<std::string>(rl.end() - 3, rl.end()),
            (std::vector<std::string>{"Base point", "Unit direction", "Angle in XY Plane"}));
  EXPECT_NEAR(x.find("Angle in XY Plane")->value.toDouble(), 1.5 * M_PI, 1e-12);
  EXPECT_EQ(x.find("Angle in XY Plane")->value, r.find("Angle in XY Plane")->value);

  // In the UCS the angle is of the direction on the working plane; the vector is printed as stored.
  KyRecordingPrintContext ucs;
  ucs.printInUcs = true;
  ucs.worldToPlane.setToRotation(M_PI / 2, OdGeVector3d::kZAxis);
  xlineInfo.PrintObjectInfo(xline, &ucs);
  EXPECT_NEAR(std::remainder(ucs.find("Angle in XY Plane")->value.toDouble(), 2 * M_PI), 0.0, 1e-12);
  EXPECT_EQ(ucs.find("unit direction")->value, x.find("unit direction")->value);
}

namespace
{
const ExpectedRow kPointRows[] = {
  {"General", "Thickness", 2, nullptr, "General/General_Thickness", false},
  {"Geometry", "Position X", 2, &CKyPropertyType::kCoordinateXGUID, "Geometry/Geometry_CoordinateX", false},
  {"Geometry", "Position Y", 2, &CKyPropertyType::kCoordinateYGUID, "Geometry/Geometry_CoordinateY", false},
  {"Geometry", "Position Z", 2, &CKyPropertyType::kCoordinateZGUID, "Geometry/Geometry_CoordinateZ", false},
};
} // namespace

TEST(PointRows, TablePositionEditsAndListing)
{
  KyModuleSession session;
  KyTestDrawing drawing;
  OdDbPointPtr point = OdDbPoint::createObject();
  point->setPosition(OdGePoint3d(-3, 3, 2));
  drawing.add(point);
  expectRows(point, kPointRows, 4);

  drawing.setUcs(OdGePoint3d(0, 0, 1), OdGeVector3d::kXAxis, OdGeVector3d::kYAxis);
  EXPECT_DOUBLE_EQ(getRow(point, "Position Z").GetDouble(), 1.0);
  EXPECT_EQ(setRow(point, "Position Z", CKyVariant(4.0, true)), 5100);
  EXPECT_EQ(point->position(), OdGePoint3d(-3, 3, 5));
  EXPECT_EQ(setRow(point, "Thickness", CKyVariant(-2.5, true)), 5100);
  EXPECT_EQ(point->thickness(), -2.5);
  EXPECT_TRUE(getRow(point, "Thickness").IsUnitBearing());
  EXPECT_EQ(setRow(point, "Thickness", CKyVariant(CKyString("1"))), -5001);
  EXPECT_EQ(setRow(point, "Position X", CKyVariant(NAN, true)), -5001);
  EXPECT_EQ(point->position(), OdGePoint3d(-3, 3, 5));
  EXPECT_EQ(point->thickness(), -2.5);

  OdStaticRxObject<CKyPointInfo> info;
  KyRecordingPrintContext listing;
  info.PrintObjectInfo(point, &listing);
  const std::vector<std::string> labels = listing.labels();
  ASSERT_GE(labels.size(), 2u);
  EXPECT_EQ(std::vector<std::string>(labels.end() - 2, labels.end()),
            (std::vector<std::string>{"Position", "Angle of X Axis"}));
  EXPECT_NEAR(listing.find("Angle of X Axis")->value.toDouble(), 0.75 * M_PI, 1e-12);
}
