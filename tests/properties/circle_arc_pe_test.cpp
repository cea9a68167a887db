// Circle and arc rows: size measures converted to a radius, the area text in the drawing's units,
// arc angles, sweep, length and area, normals, and both listings.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "DbArc.h"
#include "DbCircle.h"
#include "KyArcPE.h"
#include "KyCirclePE.h"
#include "KyPropertyType.h"
#include "KyTestDrawing.h"
#include "RxObjectImpl.h"

namespace
{
// Reads and writes one palette row of an object the way the palette does.
struct PaletteAccess
{
  const OdDbObject* object = nullptr;

  const CKyPropertyDescription* row(KyPaletteRows& rows, const char* name)
  {
    const CKyPropertyDescription* d = rows.row(name, name == std::string("Thickness") ? "General" : "Geometry");
    EXPECT_NE(d, nullptr) << name;
    return d;
  }
  CKyVariant get(const char* name, const CKyVariant& context = CKyVariant())
  {
    KyPaletteRows rows(object);
    const CKyPropertyDescription* d = row(rows, name);
    return d ? d->GetValue(object, context) : CKyVariant();
  }
  int set(const char* name, const CKyVariant& value)
  {
    KyPaletteRows rows(object);
    const CKyPropertyDescription* d = row(rows, name);
    return d ? d->SetValue(object, value, CKyVariant()) : 0;
  }
};

struct CircleRows : ::testing::Test, PaletteAccess
{
  KyModuleSession session;
  KyTestDrawing drawing;
  KyRecordingMessages messages;
  OdDbCirclePtr circle;

  void SetUp() override
  {
    circle = OdDbCircle::createObject();
    circle->setCenter(OdGePoint3d(1, 2, 3));
    circle->setRadius(2.0);
    drawing.add(circle);
    object = circle;
  }
};

struct ArcRows : ::testing::Test, PaletteAccess
{
  KyModuleSession session;
  KyTestDrawing drawing;
  OdDbArcPtr arc;

  void SetUp() override
  {
    arc = OdDbArc::createObject();
    arc->setCenter(OdGePoint3d(1, 2, 0));
    arc->setRadius(2.0);
    arc->setStartAngle(0.0);
    arc->setEndAngle(M_PI);
    drawing.add(arc);
    object = arc;
  }
};

std::vector<std::string> tailOf(const std::vector<std::string>& labels, std::size_t n)
{
  return n > labels.size() ? labels : std::vector<std::string>(labels.end() - n, labels.end());
}
} // namespace

TEST_F(CircleRows, RowsFollowTheGeneralRowsWithTypesAndReadOnlyNormals)
{
  struct Expected
  {
    const char* name;
    int type;
    const CKyString* guid;
    bool readOnly;
  } expected[] = {
    {"Thickness", 0, nullptr, false},
    {"Center X", 2, &CKyPropertyType::kCoordinateXGUID, false},
    {"Center Y", 2, &CKyPropertyType::kCoordinateYGUID, false},
    {"Center Z", 2, &CKyPropertyType::kCoordinateZGUID, false},
    {"Radius", 2, nullptr, false},
    {"Diameter", 2, nullptr, false},
    {"Circumference", 2, nullptr, false},
    {"Area", 2, nullptr, false},
    {"Normal X", 2, nullptr, true},
    {"Normal Y", 2, nullptr, true},
    {"Normal Z", 2, nullptr, true},
  };
  KyPaletteRows rows(circle);
  ASSERT_EQ(rows.container().GetCount(), 8 + 11);
  for (int i = 0; i < 11; ++i)
  {
    const CKyPropertyDescription* d = rows.container().GetAt(8 + i);
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(d->GetName().toQString(), expected[i].name);
    EXPECT_EQ(static_cast<int>(d->GetType().GetType()), expected[i].type);
    EXPECT_EQ(d->GetType().GetGUID().toQString(), expected[i].guid ? expected[i].guid->toQString() : QString());
    EXPECT_EQ(d->IsReadOnly(circle), expected[i].readOnly);
    EXPECT_EQ((d->GetVisibility() & 4) != 0, i == 0);
  }
  EXPECT_EQ(rows.row("Circumference")->GetIcon().toQString(), ":/Geometry/Geometry_Circumference.png");
}

TEST_F(CircleRows, SizeSettersTakeTheMagnitudeAndRefuseZeroSilently)
{
  struct Case
  {
    const char* row;
    double value;
    int result;
    double radius;
  } cases[] = {
    {"Radius", 3.0, 5100, 3.0},
    {"Radius", -7.0, 5100, 7.0},
    {"Diameter", -10.0, 5100, 5.0},
    {"Circumference", 8.0 * M_PI, 5100, 4.0},
    {"Radius", 0.0, -5001, 2.0},
    {"Diameter", 0.0, -5001, 2.0},
    {"Circumference", 0.0, -5001, 2.0},
    {"Radius", std::nan(""), -5001, 2.0},
    // The smallest positive double: its diameter's half underflows to a zero radius.
    {"Diameter", std::numeric_limits<double>::denorm_min(), -5001, 2.0},
  };
  for (const Case& c : cases)
  {
    circle->setRadius(2.0);
    EXPECT_EQ(set(c.row, CKyVariant(c.value, true)), c.result) << c.row << " " << c.value;
    EXPECT_NEAR(circle->radius(), c.radius, 1e-12) << c.row << " " << c.value;
  }
  EXPECT_EQ(set("Radius", CKyVariant(CKyString("3"))), -5001);
  EXPECT_EQ(circle->radius(), 2.0);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_DOUBLE_EQ(get("Diameter").GetDouble(), 4.0);
  EXPECT_DOUBLE_EQ(get("Circumference").GetDouble(), 4.0 * M_PI);
}

TEST_F(CircleRows, AreaIsANumberForContext1111AndTextInTheDrawingUnits)
{
  const double area = M_PI * 4.0;
  const CKyVariant number = get("Area", CKyVariant(1111.0, true));
  ASSERT_EQ(number.GetType(), CKyVariant::kDouble);
  EXPECT_TRUE(number.IsUnitBearing());
  EXPECT_DOUBLE_EQ(number.GetDouble(), area);

  drawing.setUnits(2, 4);
  CKyVariant text = get("Area");
  ASSERT_EQ(text.GetType(), CKyVariant::kString);
  EXPECT_EQ(text.GetString().toQString(), "12.5664");
  // Another double in the context is not the request for a number.
  EXPECT_EQ(get("Area", CKyVariant(1.0, true)).GetType(), CKyVariant::kString);

  drawing.setUnits(4, 2);
  EXPECT_EQ(get("Area").GetString().toQString(), "12.57 sq. in. (0.09 sq. ft.)");
}

TEST_F(CircleRows, AreaSetterReadsTheTextOfTheUnits)
{
  const double radiusOf50 = std::sqrt(50.0 / M_PI);
  struct Case
  {
    int units;
    const char* text;
    int result;
    double radius;
  } cases[] = {
    {2, "50", 5100, radiusOf50},
    {2, "-50", 5100, radiusOf50},
    {2, "0", -5001, 2.0},
    {2, "wide", -5001, 2.0},
    {4, "50 sq. in. (0.35 sq. ft.)", 5100, radiusOf50},
    {4, "50", -5001, 2.0},
    {3, "50 sq. in.", 5100, radiusOf50},
  };
  for (const Case& c : cases)
  {
    circle->setRadius(2.0);
    drawing.setUnits(c.units, 2);
    EXPECT_EQ(set("Area", CKyVariant(CKyString(c.text))), c.result) << c.text;
    EXPECT_NEAR(circle->radius(), c.radius, 1e-12) << c.text;
  }
  EXPECT_EQ(set("Area", CKyVariant(50.0, true)), -5001); // the row edits text
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(CircleRows, CenterAndNormalFollowTheUcs)
{
  // UCS X along world Y, UCS Y along world -X.
  drawing.setUcs(OdGePoint3d::kOrigin, OdGeVector3d::kYAxis, -OdGeVector3d::kXAxis);
  circle->setNormal(OdGeVector3d::kXAxis);
  EXPECT_NEAR(get("Center X").GetDouble(), 2.0, 1e-12);
  EXPECT_NEAR(get("Normal X").GetDouble(), 0.0, 1e-12);
  EXPECT_NEAR(get("Normal Y").GetDouble(), -1.0, 1e-12);
  EXPECT_NEAR(get("Normal Z").GetDouble(), 0.0, 1e-12);
  EXPECT_EQ(set("Center Y", CKyVariant(4.0, true)), 5100);
  EXPECT_NEAR(circle->center().x, -4.0, 1e-12);
  EXPECT_NEAR(circle->center().y, 2.0, 1e-12);
}

TEST_F(CircleRows, ListingPrintsCentreSizesAndTheExtrusionOnlyInUcsMode)
{
  OdStaticRxObject<CKyCircleInfo> info;
  KyRecordingPrintContext world;
  info.PrintObjectInfo(circle, &world);
  const std::vector<std::string> expected = {"Center  point", "Radius", "Circumference", "Area"};
  EXPECT_EQ(tailOf(world.labels(), 4), expected);
  EXPECT_EQ(world.find("Center  point")->value, "1,2,3");
  EXPECT_EQ(world.find("Circumference")->value, QString::number(4.0 * M_PI, 'g', 17));
  EXPECT_EQ(world.find("Area")->kind, "PrintArea");

  KyRecordingPrintContext ucs;
  ucs.printInUcs = true;
  info.PrintObjectInfo(circle, &ucs);
  EXPECT_EQ(ucs.labels().back(), "Extrusion direction relative to UCS");
  EXPECT_EQ(ucs.find("Extrusion direction relative to UCS")->value, "0,0,1");
}

TEST_F(ArcRows, RowsShowEndPointsReadOnlyAndAnglesWithTheirTypes)
{
  const char* const names[] = {"Thickness", "Start X", "Start Y", "Start Z", "Center X", "Center Y", "Center Z",
                               "End X", "End Y", "End Z", "Radius", "Start Angle", "End Angle", "Total Angle",
                               "Arc Length", "Area", "Normal X", "Normal Y", "Normal Z"};
  const bool readOnly[] = {false, true, true, true, false, false, false, true, true, true,
                           false, false, false, true, true, true, true, true, true};
  KyPaletteRows rows(arc);
  ASSERT_EQ(rows.container().GetCount(), 8 + 19);
  for (int i = 0; i < 19; ++i)
  {
    const CKyPropertyDescription* d = rows.container().GetAt(8 + i);
    EXPECT_EQ(d->GetName().toQString(), names[i]);
    EXPECT_EQ(d->IsReadOnly(arc), readOnly[i]) << names[i];
  }
  EXPECT_EQ(rows.row("Thickness")->GetType().GetType(), CKyVariant::kDouble);
  EXPECT_EQ(rows.row("Start Angle")->GetType().GetGUID(), CKyPropertyType::kOrientGUID);
  EXPECT_EQ(rows.row("Total Angle")->GetType().GetGUID(), CKyPropertyType::kAngleGUID);
  EXPECT_EQ(rows.row("Arc Length")->GetIcon().toQString(), ":/Geometry/Geometry_ArcLength.png");
}

TEST_F(ArcRows, TotalAngleIsTheSweepInZeroToTwoPi)
{
  struct Case
  {
    double start, end, total;
  } cases[] = {
    {0.0, M_PI / 2, M_PI / 2},
    {1.5 * M_PI, M_PI / 2, M_PI},
    {M_PI / 2, 0.0, 1.5 * M_PI},
    {1.0, 1.0, 0.0},
  };
  for (const Case& c : cases)
  {
    arc->setStartAngle(c.start);
    arc->setEndAngle(c.end);
    EXPECT_NEAR(get("Total Angle").GetDouble(), c.total, 1e-12) << c.start << " " << c.end;
  }
}

TEST_F(ArcRows, LengthAndAreaOfHalfAndQuarterArcs)
{
  EXPECT_NEAR(get("Arc Length").GetDouble(), 2.0 * M_PI, 1e-12);
  EXPECT_NEAR(get("Area").GetDouble(), 2.0 * M_PI, 1e-12);

  // Across angle 0: 3π/2 to π/2 sweeps π.
  arc->setRadius(1.0);
  arc->setStartAngle(1.5 * M_PI);
  arc->setEndAngle(M_PI / 2);
  EXPECT_NEAR(get("Arc Length").GetDouble(), M_PI, 1e-12);
  EXPECT_NEAR(get("Area").GetDouble(), M_PI / 2, 1e-12);

  // Three quarters in a vertical plane: the length is still radius x sweep.
  arc->setNormal(OdGeVector3d::kXAxis);
  arc->setStartAngle(0.0);
  arc->setEndAngle(1.5 * M_PI);
  EXPECT_NEAR(get("Arc Length").GetDouble(), 1.5 * M_PI, 1e-12);
  EXPECT_NEAR(get("Area").GetDouble(), 0.5 * (1.5 * M_PI + 1.0), 1e-12);
}

TEST_F(ArcRows, AngleSettersTakeTheDoubleConversionOfAnyValue)
{
  EXPECT_EQ(set("Start Angle", CKyVariant(CKyString("1.5"))), 5100);
  EXPECT_DOUBLE_EQ(arc->startAngle(), 1.5);
  EXPECT_EQ(set("End Angle", CKyVariant(2)), 5100);
  EXPECT_DOUBLE_EQ(arc->endAngle(), 2.0);
  EXPECT_EQ(set("End Angle", CKyVariant(INFINITY, true)), -5001);
  EXPECT_DOUBLE_EQ(arc->endAngle(), 2.0);
  EXPECT_DOUBLE_EQ(get("Start Angle").GetDouble(), 1.5);
}

TEST_F(ArcRows, RadiusSetterAndEndPointsInTheUcs)
{
  EXPECT_EQ(set("Radius", CKyVariant(-3.0, true)), 5100);
  EXPECT_EQ(arc->radius(), 3.0);
  EXPECT_EQ(set("Radius", CKyVariant(0.0, true)), -5001);
  EXPECT_EQ(arc->radius(), 3.0);
  drawing.setUcs(OdGePoint3d(1, 0, 0), OdGeVector3d::kXAxis, OdGeVector3d::kYAxis);
  EXPECT_NEAR(get("Start X").GetDouble(), 3.0, 1e-12);
  EXPECT_NEAR(get("End X").GetDouble(), -3.0, 1e-12);
  EXPECT_NEAR(get("End Y").GetDouble(), 2.0, 1e-12);
}

TEST(ArcMeasurement, DegenerateDirectionIsDerivedAndTheRadiusComesFromTheFirstPoint)
{
  ArcMeasure_st m;
  m.center = OdGePoint3d(0, 0, 0);
  m.xLine1Point = OdGePoint3d(0, 0, 0); // on the centre
  m.xLine2Point = OdGePoint3d(0, 3, 0);
  m.normal = OdGeVector3d::kZAxis;
  CKyArcPE_calcDimExtLineDir(m);
  EXPECT_NEAR(m.xLine1Dir.length(), 1.0, 1e-12);
  EXPECT_NEAR(m.xLine1Dir.dotProduct(m.xLine2Dir), 0.0, 1e-12);

  ArcMeasure_st q;
  q.center = OdGePoint3d(1, 1, 0);
  q.xLine1Point = OdGePoint3d(3, 1, 0);
  q.xLine2Point = OdGePoint3d(1, 3, 0);
  q.arcPoint = OdGePoint3d(1 + std::sqrt(2.0), 1 + std::sqrt(2.0), 0);
  q.normal = OdGeVector3d::kZAxis;
  EXPECT_NEAR(CKyArcPE_measurement(q), M_PI, 1e-12); // a quarter of radius 2
  EXPECT_DOUBLE_EQ(q.radius, 2.0);
  EXPECT_NEAR(q.includedAngle, M_PI / 2, 1e-12);
}

TEST_F(ArcRows, ListingShowsEndPointsInWorldModeAndTheSweepInUcsMode)
{
  arc->setStartAngle(1.5 * M_PI);
  arc->setEndAngle(M_PI / 2);
  OdStaticRxObject<CKyArcInfo> info;
  KyRecordingPrintContext world;
  info.PrintObjectInfo(arc, &world);
  const std::vector<std::string> worldTail = {"Center point", "Radius",      "Start point", "End point",
                                              "Length",       "Start angle", "End angle"};
  EXPECT_EQ(tailOf(world.labels(), worldTail.size()), worldTail);
  EXPECT_NEAR(world.find("Length")->value.toDouble(), 2.0 * M_PI, 1e-12);

  KyRecordingPrintContext ucs;
  ucs.printInUcs = true;
  info.PrintObjectInfo(arc, &ucs);
  const std::vector<std::string> ucsTail = {"Center point", "Radius", "Extrusion direction relative to UCS", "Length",
                                            "Total angle"};
  EXPECT_EQ(tailOf(ucs.labels(), ucsTail.size()), ucsTail);
  EXPECT_NEAR(ucs.find("Total angle")->value.toDouble(), M_PI, 1e-12);
}
