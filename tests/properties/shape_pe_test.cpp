// Shape rows: order, categories, types and icons, the getters with angles shown from 0 to 2pi,
// the width factor refused at 0 or less with its message, the UCS position, and the listing with
// the name and the font file of the shape's style.
#include <gtest/gtest.h>

#include <cmath>

#include "DbCircle.h"
#include "DbFiler.h"
#include "DbShape.h"
#include "DbTextStyleTableRecord.h"
#include "KyPropertyType.h"
#include "KyShapePE.h"
#include "KyTestDrawing.h"
#include "RxObjectImpl.h"

namespace
{
struct ShapeRows : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  KyRecordingMessages messages;
  OdDbShapePtr shape;

  // The zig-zag of the line types' shape file at (1, 2, 3), size 2.5.
  void SetUp() override
  {
    const OdDbObjectId shapes = drawing.addTextStyle(OdString(), [](OdDbTextStyleTableRecord* s) {
      s->setIsShapeFile(true);
      s->setFileName(L"fonts/ltypeshp.shx");
    });
    shape = OdDbShape::createObject();
    shape->setPosition(OdGePoint3d(1, 2, 3));
    shape->setSize(2.5);
    shape->setStyleId(shapes);
    drawing.add(shape);
    shape->setName(L"ZIG");
  }
  const CKyPropertyDescription* row(KyPaletteRows& rows, const char* name)
  {
    for (const char* category : {"General", "Geometry", "Misc"})
      if (const CKyPropertyDescription* d = rows.row(name, category))
        return d;
    ADD_FAILURE() << name;
    return nullptr;
  }
  CKyVariant get(const char* name)
  {
    KyPaletteRows rows(shape);
    const CKyPropertyDescription* d = row(rows, name);
    return d ? d->GetValue(shape, CKyVariant()) : CKyVariant();
  }
  int set(const char* name, const CKyVariant& value)
  {
    KyPaletteRows rows(shape);
    const CKyPropertyDescription* d = row(rows, name);
    return d ? d->SetValue(shape, value, CKyVariant()) : 0;
  }
  OdDbDxfTagList state() const
  {
    OdDbDxfTagList tags;
    shape->dxfOutFields(&tags);
    return tags;
  }
};
} // namespace

TEST_F(ShapeRows, RowsFollowTheGeneralRowsInOrderWithTypesAndIcons)
{
  struct Expected
  {
    const char* category;
    const char* name;
    int type;
    const CKyString* guid;
    bool readOnly;
    const char* icon;
  } expected[] = {
    {"General", "Thickness", 2, nullptr, false, "General_Thickness"},
    {"Geometry", "Position X", 2, &CKyPropertyType::kCoordinateXGUID, false, "Geometry_CoordinateX"},
    {"Geometry", "Position Y", 2, &CKyPropertyType::kCoordinateYGUID, false, "Geometry_CoordinateY"},
    {"Geometry", "Position Z", 2, &CKyPropertyType::kCoordinateZGUID, false, "Geometry_CoordinateZ"},
    {"Misc", "Name", 0, nullptr, true, "Misc_Name"},
    {"Misc", "Size", 2, nullptr, false, "Misc_Size"},
    {"Misc", "Rotation", 2, &CKyPropertyType::kAngleGUID, false, "Misc_Rotation"},
    {"Misc", "Width factor", 2, nullptr, false, "Misc_WidthFactor"},
    {"Misc", "Obliquing", 2, &CKyPropertyType::kAngleGUID, false, "Misc_Obliquing"},
  };
  KyPaletteRows rows(shape);
  ASSERT_EQ(rows.container().GetCount(), 8 + 9);
  for (int i = 0; i < 9; ++i)
  {
    const CKyPropertyDescription* d = rows.container().GetAt(8 + i);
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(d->GetName().toQString(), expected[i].name);
    EXPECT_EQ(d->GetCategory().toQString(), expected[i].category);
    EXPECT_EQ(static_cast<int>(d->GetType().GetType()), expected[i].type);
    EXPECT_EQ(d->GetType().GetGUID().toQString(), expected[i].guid ? expected[i].guid->toQString() : QString());
    EXPECT_EQ(d->IsReadOnly(shape), expected[i].readOnly);
    const QString folder = QString(expected[i].icon).section('_', 0, 0);
    EXPECT_EQ(d->GetIcon().toQString(), QString(":/%1/%2.png").arg(folder, expected[i].icon));
  }
  OdStaticRxObject<CKyShapePE> pe;
  EXPECT_EQ(pe.GetClassName(shape).toQString(), "Shape");
}

TEST_F(ShapeRows, GettersShowTheShapeAndAnglesFromZeroToTwoPi)
{
  shape->setThickness(-0.5);
  shape->setWidthFactor(0.75);
  struct Case
  {
    double angle;
    double shown;
  } angles[] = {{0.5, 0.5}, {-0.5, 2 * M_PI - 0.5}, {0.0, 0.0}, {-2 * M_PI, 0.0}};
  for (const Case& c : angles)
  {
    SCOPED_TRACE(c.angle);
    shape->setRotation(c.angle);
    shape->setOblique(c.angle);
    EXPECT_NEAR(get("Rotation").GetDouble(), c.shown, 1e-12);
    EXPECT_NEAR(get("Obliquing").GetDouble(), c.shown, 1e-12);
  }
  EXPECT_DOUBLE_EQ(get("Thickness").GetDouble(), -0.5);
  EXPECT_DOUBLE_EQ(get("Size").GetDouble(), 2.5);
  EXPECT_DOUBLE_EQ(get("Width factor").GetDouble(), 0.75);
  EXPECT_EQ(get("Name").GetString().toQString(), "ZIG");
  for (const char* name : {"Thickness", "Size", "Rotation", "Width factor", "Obliquing", "Position X"})
    EXPECT_TRUE(get(name).IsUnitBearing()) << name;
}

TEST_F(ShapeRows, SettersWriteTheValueAndTheWidthFactorRefusesZeroOrLess)
{
  struct Case
  {
    const char* row;
    double value;
    int result;
    double (OdDbShape::*read)() const;
  } cases[] = {
    {"Thickness", -2.0, 5100, &OdDbShape::thickness},
    {"Size", 0.0, 5100, &OdDbShape::size},
    {"Size", -3.0, 5100, &OdDbShape::size},
    {"Rotation", -1.0, 5100, &OdDbShape::rotation},
    {"Obliquing", 0.25, 5100, &OdDbShape::oblique},
    {"Width factor", 0.5, 5100, &OdDbShape::widthFactor},
    {"Width factor", 0.0, -5001, &OdDbShape::widthFactor},
    {"Width factor", -0.5, -5001, &OdDbShape::widthFactor},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(std::string(c.row) + " " + std::to_string(c.value));
    SetUp();
    messages.messages.clear();
    const OdDbDxfTagList before = state();
    EXPECT_EQ(set(c.row, CKyVariant(c.value, true)), c.result);
    if (c.result == 5100)
    {
      EXPECT_DOUBLE_EQ((shape.get()->*c.read)(), c.value);
      EXPECT_TRUE(messages.messages.empty());
      continue;
    }
    EXPECT_EQ(state(), before);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Invalid value for property Width factor");
    EXPECT_EQ(messages.messages[0].caption, "Error");
  }
  // A value of another kind or one that is not finite is refused without a message.
  messages.messages.clear();
  const OdDbDxfTagList before = state();
  for (const char* name : {"Thickness", "Size", "Rotation", "Width factor", "Obliquing", "Position X"})
  {
    EXPECT_EQ(set(name, CKyVariant(QString("3"))), -5001) << name;
    EXPECT_EQ(set(name, CKyVariant(std::nan(""), true)), -5001) << name;
  }
  EXPECT_EQ(state(), before);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ShapeRows, PositionGoesThroughTheUcsAndAnEqualComponentWritesNothing)
{
  // UCS X along world Y, UCS Y along world -X, origin at (100, 0, 0).
  drawing.setUcs(OdGePoint3d(100, 0, 0), OdGeVector3d::kYAxis, -OdGeVector3d::kXAxis);
  EXPECT_NEAR(get("Position X").GetDouble(), 2.0, 1e-12);
  EXPECT_NEAR(get("Position Y").GetDouble(), 99.0, 1e-12);
  EXPECT_NEAR(get("Position Z").GetDouble(), 3.0, 1e-12);
  EXPECT_EQ(set("Position Y", CKyVariant(90.0, true)), 5100);
  EXPECT_NEAR(shape->position().x, 10.0, 1e-12);
  EXPECT_NEAR(shape->position().y, 2.0, 1e-12);
  EXPECT_EQ(set("Position Z", CKyVariant(-1.0, true)), 5100);
  EXPECT_NEAR(shape->position().z, -1.0, 1e-12);
}

TEST_F(ShapeRows, RowsRefuseObjectsOfOtherClassesAndOpenForRead)
{
  KyPaletteRows rows(shape);
  const CKyPropertyDescription* size = row(rows, "Size");
  const CKyPropertyDescription* name = row(rows, "Name");
  ASSERT_NE(size, nullptr);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->SetValue(shape, CKyVariant(CKyString("BOX")), CKyVariant()), -5001);
  EXPECT_EQ(shape->name(), OdString(L"ZIG"));
  shape->downgradeOpen();
  EXPECT_DOUBLE_EQ(size->GetValue(shape, CKyVariant()).GetDouble(), 2.5);
  EXPECT_EQ(size->SetValue(shape, CKyVariant(6.0, true), CKyVariant()), -5001);
  EXPECT_DOUBLE_EQ(shape->size(), 2.5);
  OdDbCirclePtr circle = OdDbCircle::createObject();
  EXPECT_EQ(size->GetValue(circle, CKyVariant()).GetType(), CKyVariant::kEmpty);
  EXPECT_EQ(name->GetValue(circle, CKyVariant()).GetType(), CKyVariant::kEmpty);
  EXPECT_EQ(size->SetValue(circle, CKyVariant(6.0, true), CKyVariant()), -5001);
}

TEST_F(ShapeRows, ListingPairsTheNameWithTheFontFileAndShowsTheLinetypeScale)
{
  shape->setRotation(-OdaPI / 2.0);
  shape->setLinetypeScale(3.0);
  OdStaticRxObject<CKyShapeInfo> info;
  KyRecordingPrintContext listing;
  ASSERT_TRUE(info.PrintObjectInfo(shape, &listing));
  const std::vector<std::string> expected = {"ZIG", "origin point", "scale", "rotation angle"};
  const std::vector<std::string> labels = listing.labels();
  ASSERT_GE(labels.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(labels.end() - expected.size(), labels.end()), expected);
  EXPECT_EQ(listing.find("ZIG")->kind, "PrintString");
  EXPECT_EQ(listing.find("ZIG")->value, "fonts/ltypeshp.shx");
  EXPECT_EQ(listing.find("origin point")->value, "1,2,3");
  EXPECT_EQ(listing.find("scale")->kind, "PrintScale");
  EXPECT_EQ(listing.find("scale")->value, "3");
  EXPECT_EQ(listing.find("rotation angle")->kind, "PrintAngle");

  // Without a style the name stands alone, with no font file.
  OdDbShapePtr loose = OdDbShape::createObject();
  loose->setName(L"MARK");
  KyRecordingPrintContext alone;
  ASSERT_TRUE(info.PrintObjectInfo(loose, &alone));
  ASSERT_NE(alone.find("MARK"), nullptr);
  EXPECT_EQ(alone.find("MARK")->value, "");
  OdDbCirclePtr circle = OdDbCircle::createObject();
  KyRecordingPrintContext other;
  EXPECT_FALSE(info.PrintObjectInfo(circle, &other));
}
