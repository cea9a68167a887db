// Helix rows: order, types and icons, the turn limits, the radial pitch of a flat helix kept by
// the radius setters, refusals with "Invalid input." leaving the helix unchanged, the constrain
// and direction lists, the UCS position, and the listing.
#include <gtest/gtest.h>

#include <cmath>

#include "DbCircle.h"
#include "DbFiler.h"
#include "DbHelix.h"
#include "KyHelixPE.h"
#include "KyPropertyType.h"
#include "KyTestDrawing.h"
#include "RxObjectImpl.h"

namespace
{
CKyVariant choice(int tag)
{
  return CKyVariant(CKyVariantCollectionElement(CKyVariant(tag), CKyVariant(CKyString("?"))));
}

struct HelixRows : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  KyRecordingMessages messages;
  OdDbHelixPtr helix;

  // A cylindrical helix of radius 2 about (1, 2, 3): 4 turns of 2.5, height 10.
  void SetUp() override
  {
    helix = OdDbHelix::createObject();
    helix->setAxisPoint(OdGePoint3d(1, 2, 3));
    helix->setBaseRadius(2.0);
    helix->setTopRadius(2.0);
    helix->setTurns(4.0);
    helix->setTurnHeight(2.5);
    drawing.add(helix);
  }
  // The spiral of the examples: radii 1 and 5 over 4 turns, height 0.
  void makeFlat()
  {
    helix->setHeight(0.0);
    helix->setBaseRadius(1.0);
    helix->setTopRadius(5.0);
  }
  CKyVariant get(const char* name)
  {
    KyPaletteRows rows(helix);
    const CKyPropertyDescription* d = rows.row(name, "Geometry");
    EXPECT_NE(d, nullptr) << name;
    return d ? d->GetValue(helix, CKyVariant()) : CKyVariant();
  }
  int set(const char* name, const CKyVariant& value)
  {
    KyPaletteRows rows(helix);
    const CKyPropertyDescription* d = rows.row(name, "Geometry");
    EXPECT_NE(d, nullptr) << name;
    return d ? d->SetValue(helix, value, CKyVariant()) : 0;
  }
  bool readOnly(const char* name)
  {
    KyPaletteRows rows(helix);
    const CKyPropertyDescription* d = rows.row(name, "Geometry");
    return d && d->IsReadOnly(helix);
  }
  OdDbDxfTagList state() const
  {
    OdDbDxfTagList tags;
    helix->dxfOutFields(&tags);
    return tags;
  }
};
} // namespace

TEST_F(HelixRows, RowsFollowTheGeneralRowsInOrderWithTypesAndIcons)
{
  struct Expected
  {
    const char* name;
    int type;
    const CKyString* guid;
    bool readOnly;
    const char* icon;
  } expected[] = {
    {"Position X", 2, &CKyPropertyType::kCoordinateXGUID, false, "PositionX"},
    {"Position Y", 2, &CKyPropertyType::kCoordinateYGUID, false, "PositionY"},
    {"Position Z", 2, &CKyPropertyType::kCoordinateZGUID, false, "PositionZ"},
    {"Constrain", 0, nullptr, false, "Constrain"},
    {"Height", 2, nullptr, false, "Height"},
    {"Revolutions", 0, nullptr, false, "Turns"},
    {"Pitch", 2, nullptr, false, "TurnHeight"},
    {"Base radius", 2, nullptr, false, "Baseradius"},
    {"Top radius", 2, nullptr, false, "Topradius"},
    {"Direction", 0, nullptr, false, "Twist"},
    {"Helix slope", 2, &CKyPropertyType::kAngleGUID, true, "TurnSlope"},
    {"Total length", 0, nullptr, true, "Totallength"},
  };
  KyPaletteRows rows(helix);
  ASSERT_EQ(rows.container().GetCount(), 8 + 12);
  for (int i = 0; i < 12; ++i)
  {
    const CKyPropertyDescription* d = rows.container().GetAt(8 + i);
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(d->GetName().toQString(), expected[i].name);
    EXPECT_EQ(d->GetCategory().toQString(), "Geometry");
    EXPECT_EQ(static_cast<int>(d->GetType().GetType()), expected[i].type);
    EXPECT_EQ(d->GetType().GetGUID().toQString(), expected[i].guid ? expected[i].guid->toQString() : QString());
    EXPECT_EQ(d->IsReadOnly(helix), expected[i].readOnly);
    EXPECT_EQ(d->GetIcon().toQString(), QString(":/Geometry/Geometry_%1.png").arg(expected[i].icon));
  }
}

TEST_F(HelixRows, GettersShowTheHelixAsUnitBearingNumbers)
{
  helix->setTopRadius(3.0);
  helix->setTwist(false);
  EXPECT_DOUBLE_EQ(get("Height").GetDouble(), 10.0);
  EXPECT_DOUBLE_EQ(get("Revolutions").GetDouble(), 4.0);
  EXPECT_DOUBLE_EQ(get("Pitch").GetDouble(), 2.5);
  EXPECT_DOUBLE_EQ(get("Base radius").GetDouble(), 2.0);
  EXPECT_DOUBLE_EQ(get("Top radius").GetDouble(), 3.0);
  EXPECT_DOUBLE_EQ(get("Total length").GetDouble(), helix->totalLength());
  EXPECT_DOUBLE_EQ(get("Helix slope").GetDouble(), helix->turnSlope());
  for (const char* row : {"Height", "Revolutions", "Pitch", "Top radius", "Helix slope", "Total length"})
    EXPECT_TRUE(get(row).IsUnitBearing()) << row;
  EXPECT_EQ(get("Direction").GetCollection().GetCurrentIndex(), 1);
  EXPECT_EQ(get("Direction").GetCollection().GetAt(0).GetTag().GetInt32(), 1);
  helix->setConstrain(OdDbHelix::kHeight);
  const CKyVariantCollection& constrain = get("Constrain").GetCollection();
  ASSERT_EQ(constrain.GetCount(), 3);
  EXPECT_EQ(constrain.GetCurrentIndex(), 2);
  // A helix winding down its axis shows its slope one turn up.
  helix->setHeight(-10.0);
  EXPECT_NEAR(get("Helix slope").GetDouble(), helix->turnSlope() + 2 * M_PI, 1e-12);
  EXPECT_GT(get("Helix slope").GetDouble(), M_PI);
}

TEST_F(HelixRows, RefusalsShowInvalidInputAndKeepTheHelix)
{
  struct Case
  {
    bool flat;
    const char* row;
    double value;
    int result;
  } cases[] = {
    {false, "Revolutions", 500.0, 5100},
    {false, "Revolutions", 500.5, -5001},
    {false, "Revolutions", 0.0, -5001},
    {false, "Revolutions", -2.0, -5001},
    {false, "Pitch", -0.5, -5001},
    {false, "Pitch", 0.0, 5100}, // flattens a helix that has a height
    {false, "Base radius", -1.0, -5001},
    {false, "Top radius", 0.0, 5100},
    {true, "Pitch", 0.0, -5001},
    {true, "Pitch", 5e-11, -5001},
    {true, "Pitch", -1.0, -5001},
    {true, "Top radius", 1.0, -5001},
    {true, "Top radius", 1.0 + 5e-11, -5001},
    {true, "Base radius", 5.0, -5001},
    {true, "Base radius", 0.0, 5100},
    {false, "Height", -3.0, 5100},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(std::string(c.row) + " " + std::to_string(c.value) + (c.flat ? " flat" : ""));
    SetUp();
    if (c.flat)
      makeFlat();
    messages.messages.clear();
    const OdDbDxfTagList before = state();
    EXPECT_EQ(set(c.row, CKyVariant(c.value, true)), c.result);
    if (c.result == 5100)
    {
      EXPECT_TRUE(messages.messages.empty());
      EXPECT_NE(state(), before);
      continue;
    }
    EXPECT_EQ(state(), before);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Invalid input.");
    EXPECT_EQ(messages.messages[0].caption, "Error");
  }
  // Both radii 0: the second one is refused.
  SetUp();
  messages.messages.clear();
  EXPECT_EQ(set("Base radius", CKyVariant(0.0, true)), 5100);
  EXPECT_EQ(set("Top radius", CKyVariant(0.0, true)), -5001);
  EXPECT_DOUBLE_EQ(helix->topRadius(), 2.0);
  ASSERT_EQ(messages.messages.size(), 1u);
  // A value of another kind is refused without a message.
  for (const char* row : {"Revolutions", "Pitch", "Base radius", "Top radius", "Height", "Position X"})
    EXPECT_EQ(set(row, CKyVariant(QString("3"))), -5001) << row;
  EXPECT_EQ(messages.messages.size(), 1u);
}

TEST_F(HelixRows, FlatHelixKeepsItsRadialPitch)
{
  makeFlat();
  EXPECT_DOUBLE_EQ(get("Pitch").GetDouble(), 1.0);
  EXPECT_TRUE(readOnly("Constrain"));
  EXPECT_EQ(set("Top radius", CKyVariant(9.0, true)), 5100);
  EXPECT_DOUBLE_EQ(helix->turns(), 8.0);
  EXPECT_DOUBLE_EQ(get("Pitch").GetDouble(), 1.0);
  // The base radius across the top one: the extent is measured unsigned.
  EXPECT_EQ(set("Base radius", CKyVariant(12.0, true)), 5100);
  EXPECT_DOUBLE_EQ(helix->turns(), 3.0);
  EXPECT_DOUBLE_EQ(get("Pitch").GetDouble(), 1.0);
  // A new pitch divides the radial extent into turns.
  EXPECT_EQ(set("Pitch", CKyVariant(0.5, true)), 5100);
  EXPECT_DOUBLE_EQ(helix->turns(), 6.0);
  EXPECT_DOUBLE_EQ(helix->height(), 0.0);
  EXPECT_EQ(helix->baseRadius(), 12.0);
  EXPECT_EQ(helix->topRadius(), 9.0);
  // A flat helix of equal radii has no pitch to keep; a new radius opens it.
  helix->setTopRadius(12.0);
  EXPECT_DOUBLE_EQ(get("Pitch").GetDouble(), 0.0);
  EXPECT_EQ(set("Pitch", CKyVariant(1.0, true)), -5001);
  EXPECT_DOUBLE_EQ(helix->turns(), 6.0);
  EXPECT_EQ(set("Top radius", CKyVariant(6.0, true)), 5100);
  EXPECT_DOUBLE_EQ(helix->turns(), 6.0);
  // Given a height again, the helix shows its turn height and the constrain is editable.
  EXPECT_EQ(set("Height", CKyVariant(3.0, true)), 5100);
  EXPECT_FALSE(readOnly("Constrain"));
  EXPECT_DOUBLE_EQ(get("Pitch").GetDouble(), 0.5);
}

TEST_F(HelixRows, PitchAndRevolutionsFollowTheConstrain)
{
  EXPECT_EQ(set("Constrain", choice(2)), 5100);
  EXPECT_EQ(helix->constrain(), OdDbHelix::kHeight);
  EXPECT_EQ(set("Pitch", CKyVariant(5.0, true)), 5100);
  EXPECT_DOUBLE_EQ(helix->turns(), 2.0);
  EXPECT_DOUBLE_EQ(helix->height(), 10.0);
  // A code outside the list changes nothing and is accepted.
  const OdDbDxfTagList before = state();
  EXPECT_EQ(set("Constrain", choice(7)), 5100);
  EXPECT_EQ(state(), before);
  EXPECT_EQ(set("Constrain", CKyVariant(1.0, true)), -5001);
  EXPECT_EQ(set("Constrain", choice(0)), 5100);
  EXPECT_EQ(set("Revolutions", CKyVariant(4.0, true)), 5100);
  EXPECT_DOUBLE_EQ(helix->height(), 20.0);
  EXPECT_EQ(set("Height", CKyVariant(10.0, true)), 5100);
  EXPECT_DOUBLE_EQ(helix->turns(), 2.0);

  EXPECT_EQ(set("Direction", choice(0)), 5100);
  EXPECT_FALSE(helix->twist());
  EXPECT_EQ(get("Direction").GetCollection().GetCurrentIndex(), 1);
  EXPECT_EQ(set("Direction", choice(1)), 5100);
  EXPECT_TRUE(helix->twist());
  EXPECT_EQ(set("Direction", choice(4)), 5100);
  EXPECT_TRUE(helix->twist());
}

TEST_F(HelixRows, PositionIsTheAxisPointInTheUcsAndMovesTheWholeHelix)
{
  // UCS X along world Y, UCS Y along world -X, origin at (100, 0, 0).
  drawing.setUcs(OdGePoint3d(100, 0, 0), OdGeVector3d::kYAxis, -OdGeVector3d::kXAxis);
  EXPECT_NEAR(get("Position X").GetDouble(), 2.0, 1e-12);
  EXPECT_NEAR(get("Position Y").GetDouble(), 99.0, 1e-12);
  EXPECT_NEAR(get("Position Z").GetDouble(), 3.0, 1e-12);
  EXPECT_EQ(set("Position Y", CKyVariant(90.0, true)), 5100);
  EXPECT_NEAR(helix->axisPoint().x, 10.0, 1e-12);
  EXPECT_NEAR(helix->startPoint().x, 12.0, 1e-12);
  EXPECT_DOUBLE_EQ(helix->baseRadius(), 2.0);
  const OdDbDxfTagList before = state();
  EXPECT_EQ(set("Position Y", CKyVariant(90.0, true)), 5100);
  EXPECT_EQ(state(), before);
}

TEST_F(HelixRows, RowsRefuseObjectsOfOtherClassesAndOpenForRead)
{
  KyPaletteRows rows(helix);
  const CKyPropertyDescription* turns = rows.row("Revolutions", "Geometry");
  const CKyPropertyDescription* constrain = rows.row("Constrain", "Geometry");
  ASSERT_NE(turns, nullptr);
  ASSERT_NE(constrain, nullptr);
  helix->downgradeOpen();
  EXPECT_DOUBLE_EQ(turns->GetValue(helix, CKyVariant()).GetDouble(), 4.0);
  EXPECT_EQ(turns->SetValue(helix, CKyVariant(6.0, true), CKyVariant()), -5001);
  EXPECT_DOUBLE_EQ(helix->turns(), 4.0);
  OdDbCirclePtr circle = OdDbCircle::createObject();
  EXPECT_EQ(turns->GetValue(circle, CKyVariant()).GetType(), CKyVariant::kEmpty);
  EXPECT_EQ(turns->SetValue(circle, CKyVariant(6.0, true), CKyVariant()), -5001);
  EXPECT_FALSE(constrain->IsReadOnly(circle));
}

TEST_F(HelixRows, ListingPrintsTheHelixValues)
{
  helix->setConstrain(OdDbHelix::kTurns);
  helix->setTwist(false);
  helix->setHeight(-10.0);
  OdStaticRxObject<CKyHelixInfo> info;
  KyRecordingPrintContext listing;
  ASSERT_TRUE(info.PrintObjectInfo(helix, &listing));
  const std::vector<std::string> expected = {"Position", "Constrain",  "Height",    "Revolutions", "Pitch",
                                             "Base radius", "Top radius", "Direction", "Helix slope", "Total length"};
  const std::vector<std::string> labels = listing.labels();
  ASSERT_GE(labels.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(labels.end() - expected.size(), labels.end()), expected);
  EXPECT_EQ(listing.find("Position")->value, "1,2,3");
  EXPECT_EQ(listing.find("Constrain")->value, "Revolutions");
  EXPECT_EQ(listing.find("Direction")->value, "CW");
  EXPECT_EQ(listing.find("Revolutions")->kind, "PrintDist");
  EXPECT_EQ(listing.find("Pitch")->value, "-2.5");
  const double slope = (helix->turnSlope() + 2 * M_PI) * 180.0 / M_PI;
  EXPECT_EQ(listing.find("Helix slope")->kind, "PrintDist");
  EXPECT_NEAR(listing.find("Helix slope")->value.toDouble(), slope, 1e-9);
  EXPECT_EQ(listing.find("Total length")->value, QString::number(helix->totalLength(), 'g', 17));

  helix->setConstrain(OdDbHelix::kTurnHeight);
  KyRecordingPrintContext pitch;
  info.PrintObjectInfo(helix, &pitch);
  EXPECT_EQ(pitch.find("Constrain")->value, "Pitch");
  OdDbCirclePtr circle = OdDbCircle::createObject();
  KyRecordingPrintContext other;
  EXPECT_FALSE(info.PrintObjectInfo(circle, &other));
}
