// Single-line text rows: the table, the fifteen justifications with the resets and point moves of
// the Justify setter, read-only rules, zero meaning "keep" for width factor and height, style
// changes, mirror flags, the per-object annotation rows with their group action and orientation
// data, match properties, refusals and the listing.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include <QFile>

#include "DbFiler.h"
#include "DbLine.h"
#include "DbMText.h"
#include "DbObjectContextManager.h"
#include "DbSymbolTable.h"
#include "DbText.h"
#include "DbTextStyleTableRecord.h"
#include "KyPropertyType.h"
#include "KyTestDrawing.h"
#include "KyTextPE.h"
#include "RxObjectImpl.h"

namespace
{
std::string snapshot(const OdDbObject* object)
{
  OdDbDxfTagList tags;
  object->dxfOut(&tags);
  return tags.toString();
}

// Every row's icons exist in the compiled resource tree (per-object rows included).
void expectIconsExist(const CKyPropertiesContainerImpl& rows)
{
  for (int i = 0; i < rows.GetCount(); ++i)
  {
    const CKyPropertyDescription* d = rows.GetAt(i);
    if (d->GetCategory().toQString() == "MATCHPROP")
      continue;
    EXPECT_TRUE(QFile::exists(d->GetIcon().toQString())) << d->GetIcon().toQString().toStdString();
    EXPECT_TRUE(QFile::exists(d->GetDarkIcon().toQString())) << d->GetDarkIcon().toQString().toStdString();
  }
}

// A list element as the palette hands a chosen value to a setter.
CKyVariant choice(int tag)
{
  return CKyVariant(CKyVariantCollectionElement(CKyVariant(tag), CKyVariant()));
}

const char* const kJustifyNames[] = {"Left",          "Center",        "Right",        "Aligned",     "Middle",
                                     "Fit",           "Top Left",      "Top Center",   "Top Right",   "Middle Left",
                                     "Middle Center", "Middle Right",  "Bottom Left",  "Bottom Center",
                                     "Bottom Right"};
const int kModes[15][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {0, 3}, {1, 3},
                           {2, 3}, {0, 2}, {1, 2}, {2, 2}, {0, 1}, {1, 1}, {2, 1}};

struct TextRows : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  KyRecordingMessages messages;
  OdDbTextPtr text;
  OdDbObjectId textId;

  void SetUp() override { text = newText(textId); }

  OdDbTextPtr newText(OdDbObjectId& id)
  {
    OdDbTextPtr t = OdDbText::createObject();
    t->setTextString(L"ABCD");
    t->setPosition(OdGePoint3d(1, 2, 3));
    id = drawing.add(t);
    return t;
  }

  void setModes(OdDbText* t, int h, int v)
  {
    t->setHorizontalMode(static_cast<OdDb::TextHorzMode>(h));
    t->setVerticalMode(static_cast<OdDb::TextVertMode>(v));
  }

  const CKyPropertyDescription* row(KyPaletteRows& rows, const char* name)
  {
    const CKyPropertyDescription* d = rows.row(name);
    EXPECT_NE(d, nullptr) << name;
    return d;
  }
  CKyVariant get(const char* name, const OdDbObject* object = nullptr)
  {
    object = object ? object : text.get();
    KyPaletteRows rows(object);
    const CKyPropertyDescription* d = row(rows, name);
    return d ? d->GetValue(object, CKyVariant()) : CKyVariant();
  }
  int set(const char* name, const CKyVariant& value, const OdDbObject* object = nullptr)
  {
    object = object ? object : text.get();
    KyPaletteRows rows(object);
    const CKyPropertyDescription* d = row(rows, name);
    return d ? d->SetValue(object, value, CKyVariant()) : 0;
  }
  bool readOnly(const char* name)
  {
    KyPaletteRows rows(text);
    const CKyPropertyDescription* d = row(rows, name);
    return d && d->IsReadOnly(text);
  }
  int currentIndex(const char* name) { return get(name).GetCollection().GetCurrentIndex(); }

  // Annotative at the drawing's scale 1:2 (factor 0.5).
  void makeAnnotative()
  {
    OdDbAnnotationScaleList::setCurrentScale(drawing.db(), OdDbAnnotationScaleList::getScale(drawing.db(), L"1:2"));
    OdDbAnnotativeObject::setAnnotative(text, true);
  }
};
} // namespace

TEST_F(TextRows, RowsFollowTheGeneralRowsInTableOrder)
{
  struct Expected
  {
    const char* category;
    const char* name;
    int type;
    const CKyString* guid;
    const char* icon;
    bool readOnly;
  } expected[] = {
    {"General", "Thickness", 0, nullptr, "General/General_Thickness", false},
    {"Text", "Contents", 0, nullptr, "Text/Text_ContentsSimple", false},
    {"Text", "TextStyle", 8, &CKyPropertyType::kTextStyleGUID, "Text/Text_TextStyle", false},
    {"Text", "Justify", 0, nullptr, "Text/Text_Justify", false},
    {"Text", "Height", 0, nullptr, "Text/Text_Height", false},
    {"Text", "Rotation", 2, &CKyPropertyType::kAngleGUID, "Text/Text_Rotation", false},
    {"Text", "Spacing", 0, nullptr, "Text/Text_WidthFactor", false},
    {"Text", "Angle", 2, &CKyPropertyType::kAngleGUID, "Text/Text_Obliquing", false},
    {"Text", "Text alignment X", 0, nullptr, "Text/Text_TextAlignmentX", true},
    {"Text", "Text alignment Y", 0, nullptr, "Text/Text_TextAlignmentY", true},
    {"Text", "Text alignment Z", 0, nullptr, "Text/Text_TextAlignmentZ", true},
    {"Geometry", "Position X", 2, &CKyPropertyType::kCoordinateXGUID, "Geometry/Geometry_CoordinateX", false},
    {"Geometry", "Position Y", 2, &CKyPropertyType::kCoordinateYGUID, "Geometry/Geometry_CoordinateY", false},
    {"Geometry", "Position Z", 2, &CKyPropertyType::kCoordinateZGUID, "Geometry/Geometry_CoordinateZ", false},
    {"Misc", "UpsideDown", 0, nullptr, "Misc/Misc_UpsideDown", false},
    {"Misc", "Backward", 0, nullptr, "Misc/Misc_Backward", false},
  };
  KyPaletteRows rows(text);
  const CKyPropertiesContainerImpl& c = rows.container();
  ASSERT_EQ(c.GetCount(), 8 + 16 + 1 + 1);
  EXPECT_EQ(c.GetAt(7)->GetName().toQString(), "Transparency");
  for (int i = 0; i < 16; ++i)
  {
    const Expected& e = expected[i];
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
    EXPECT_TRUE(d->GetDescription().isEmpty());
    EXPECT_FALSE(d->IsDynamic());
    EXPECT_EQ(d->IsReadOnly(text), e.readOnly);
    EXPECT_EQ((d->GetVisibility() & 4) != 0, i == 0); // only Thickness travels with match properties
  }
  const CKyPropertyDescription* carrier = c.GetAt(24);
  EXPECT_EQ(carrier->GetCategory().toQString(), "MATCHPROP");
  EXPECT_EQ(carrier->GetName().toQString(), "MATCHPROP_Text");
  EXPECT_EQ(carrier->GetVisibility(), 4u);
  EXPECT_EQ(carrier->GetValue(text, CKyVariant()).GetId(), textId);

  // The one per-object row of a text that is not annotative.
  const CKyPropertyDescription* annotative = c.GetAt(25);
  EXPECT_EQ(annotative->GetName().toQString(), "Annotative");
  EXPECT_EQ(annotative->GetCategory().toQString(), "Text");
  EXPECT_TRUE(annotative->IsDynamic());
  EXPECT_EQ(annotative->GetType().GetType(), CKyVariant::kCollection);
  EXPECT_EQ(annotative->GetIcon().toQString(), ":/Misc/Misc_annotative.png");
  EXPECT_EQ(annotative->GetDarkIcon().toQString(), ":/Misc/svg_icons/Misc/Misc_annotative.svg");
  EXPECT_FALSE(annotative->IsGroupedAction());
  EXPECT_EQ(annotative->GetValue(text, CKyVariant()).GetCollection().GetCurrentIndex(), 1);

  OdStaticRxObject<CKyTextPE> pe;
  EXPECT_EQ(pe.GetClassName(text).toQString(), "Simplenote");
  EXPECT_TRUE(pe.HasDynamicProperties());
  OdStaticRxObject<CKyTextInfo> info;
  EXPECT_EQ(info.GetClassName(text).toQString(), "SIMPLENOTE");
}

TEST_F(TextRows, JustifyListsFifteenEntriesAndMarksTheTextsModes)
{
  const CKyVariantCollection list = get("Justify").GetCollection();
  ASSERT_EQ(list.GetCount(), 15);
  for (int i = 0; i < 15; ++i)
  {
    EXPECT_EQ(list.GetAt(i).GetTag().GetInt32(), i);
    EXPECT_EQ(list.GetAt(i).GetValue().GetString().toQString(), kJustifyNames[i]);
    setModes(text, kModes[i][0], kModes[i][1]);
    EXPECT_EQ(currentIndex("Justify"), i) << kJustifyNames[i];
  }
}

// From left/baseline every entry but the aligned and fitted ones keeps the insertion point and
// anchors the alignment point there; those two stretch the text to its present end.
TEST_F(TextRows, JustifyFromLeftReachesEveryEntry)
{
  for (int n = 0; n < 15; ++n)
  {
    SCOPED_TRACE(kJustifyNames[n]);
    OdDbObjectId id;
    OdDbTextPtr t = newText(id);
    t->setAlignmentPoint(OdGePoint3d(9, 9, 9));
    EXPECT_EQ(set("Justify", choice(n), t), 5100);
    EXPECT_EQ(t->horizontalMode(), kModes[n][0]);
    EXPECT_EQ(t->verticalMode(), kModes[n][1]);
    EXPECT_EQ(t->position(), OdGePoint3d(1, 2, 3));
    OdGePoint3d alignment(1, 2, 3);
    if (n == 0)
      alignment.set(9, 9, 9); // already left: nothing changes
    else if (n == 3 || n == 5)
      alignment.x += 4 * 0.6; // the end of the four glyphs
    EXPECT_EQ(t->alignmentPoint(), alignment);
  }
}

TEST_F(TextRows, JustifySetterResetsAndMovesPoints)
{
  // Aligned -> Center: rotation and height reset before the modes change.
  setModes(text, 3, 0);
  text->setRotation(0.5);
  text->setHeight(2.5);
  EXPECT_EQ(set("Justify", choice(1)), 5100);
  EXPECT_EQ(text->rotation(), 0.0);
  EXPECT_EQ(text->height(), 1.0);
  EXPECT_EQ(text->horizontalMode(), OdDb::kTextCenter);

  // Fit -> Right: rotation and width factor reset.
  setModes(text, 5, 0);
  text->setRotation(0.5);
  text->setWidthFactor(2.0);
  text->setHeight(3.0);
  EXPECT_EQ(set("Justify", choice(2)), 5100);
  EXPECT_EQ(text->rotation(), 0.0);
  EXPECT_EQ(text->widthFactor(), 1.0);
  EXPECT_EQ(text->height(), 3.0);
  EXPECT_EQ(text->horizontalMode(), OdDb::kTextRight);

  // Right -> Left: the insertion point moves to the alignment point.
  text->setAlignmentPoint(OdGePoint3d(10, 0, 0));
  EXPECT_EQ(set("Justify", choice(0)), 5100);
  EXPECT_EQ(text->position(), OdGePoint3d(10, 0, 0));
  EXPECT_TRUE(text->isDefaultAlignment());
}

TEST_F(TextRows, LeftToFitPlacesTheAlignmentPointAtTheSecondBoundingPointsX)
{
  text->setRotation(0.4); // the box's far top corner then differs from the baseline end in X and Y
  text->setHeight(2.0);
  OdGePoint3dArray bounds;
  text->getBoundingPoints(bounds);
  ASSERT_EQ(set("Justify", choice(5)), 5100);
  EXPECT_EQ(text->alignmentPoint(), OdGePoint3d(bounds[1].x, 2, 3));
  EXPECT_EQ(text->position(), OdGePoint3d(1, 2, 3));
  EXPECT_EQ(text->horizontalMode(), OdDb::kTextFit);
  EXPECT_EQ(text->verticalMode(), OdDb::kTextBase);
  // The text realigned itself between its two points.
  EXPECT_NEAR(text->rotation(), 0.0, 1e-12);
  EXPECT_NEAR(text->widthFactor(), (bounds[1].x - 1.0) / (4 * 0.6 * 2.0), 1e-12);
}

TEST_F(TextRows, ChoosingThePresentJustificationChangesNothing)
{
  setModes(text, 1, 3);
  text->setAlignmentPoint(OdGePoint3d(7, 7, 0));
  const std::string before = snapshot(text);
  EXPECT_EQ(set("Justify", choice(7)), 5100);
  EXPECT_EQ(snapshot(text), before);
  EXPECT_EQ(set("Justify", choice(15)), 5100); // outside the list
  EXPECT_EQ(set("Justify", choice(-1)), 5100);
  EXPECT_EQ(snapshot(text), before);
}

TEST_F(TextRows, AnnotativeTextRefusesAlignedAndFitAfterTheReset)
{
  makeAnnotative();
  const std::string before = snapshot(text);
  EXPECT_EQ(set("Justify", choice(3)), -5001);
  EXPECT_EQ(set("Justify", choice(5)), -5001);
  EXPECT_EQ(snapshot(text), before);

  // From Fit the reset is applied before the refusal; the modes stay.
  setModes(text, 5, 0);
  text->setRotation(0.7);
  text->setWidthFactor(1.8);
  EXPECT_EQ(set("Justify", choice(3)), -5001);
  EXPECT_EQ(text->horizontalMode(), OdDb::kTextFit);
  EXPECT_EQ(text->rotation(), 0.0);
  EXPECT_EQ(text->widthFactor(), 1.0);
}

// A text so large that its stretched baseline overflows cannot be aligned or fitted: the change is
// refused and the text is left as it was, resets included.
TEST_F(TextRows, AligningOrFittingAnOverflowingTextIsRefusedWhole)
{
  struct Case
  {
    const char* what;
    double height, widthFactor;
    int from, to;
  } cases[] = {
    {"left to fit, huge height", 1e222, 1.0, 0, 5},
    {"left to aligned, huge width factor", 1.0, 1e216, 0, 3},
    {"centre to fit, huge height", 1e200, 1.0, 1, 5},
    {"fit to aligned, huge height, after the reset of the width factor", 1e222, 3.0, 5, 3},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.what);
    OdDbObjectId id;
    OdDbTextPtr t = newText(id);
    t->setHeight(c.height);
    t->setWidthFactor(c.widthFactor);
    setModes(t, kModes[c.from][0], kModes[c.from][1]);
    const std::string before = snapshot(t);
    EXPECT_EQ(set("Justify", choice(c.to), t), -5001);
    EXPECT_EQ(snapshot(t), before);
  }
}

TEST_F(TextRows, PointAndRotationReadOnlyRulesFollowTheJustification)
{
  struct Case
  {
    int h, v;
    bool alignmentReadOnly, positionReadOnly, rotationReadOnly;
  } cases[] = {
    {0, 0, true, false, false},  // left
    {1, 0, false, true, false},  // center
    {2, 3, false, true, false},  // top right
    {4, 0, false, true, false},  // middle
    {0, 1, false, true, false},  // bottom left
    {3, 0, false, false, true},  // aligned
    {5, 0, false, false, true},  // fit
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(testing::Message() << c.h << "/" << c.v);
    setModes(text, c.h, c.v);
    for (const char* axis : {"X", "Y", "Z"})
    {
      EXPECT_EQ(readOnly(("Text alignment " + std::string(axis)).c_str()), c.alignmentReadOnly);
      EXPECT_EQ(readOnly(("Position " + std::string(axis)).c_str()), c.positionReadOnly);
    }
    EXPECT_EQ(readOnly("Rotation"), c.rotationReadOnly);
  }
}

TEST_F(TextRows, CoordinatesAreEditedInTheUcs)
{
  drawing.setUcs(OdGePoint3d(10, 0, 0), OdGeVector3d::kXAxis, OdGeVector3d::kYAxis);
  setModes(text, 1, 0);
  text->setAlignmentPoint(OdGePoint3d(12, 5, 0));
  EXPECT_DOUBLE_EQ(get("Text alignment X").GetDouble(), 2.0);
  EXPECT_DOUBLE_EQ(get("Position X").GetDouble(), -9.0);
  EXPECT_EQ(set("Text alignment Y", CKyVariant(6.0, true)), 5100);
  EXPECT_EQ(text->alignmentPoint(), OdGePoint3d(12, 6, 0));

  setModes(text, 0, 0);
  const std::string before = snapshot(text);
  text->downgradeOpen();
  text->upgradeOpen();
  EXPECT_EQ(set("Position X", CKyVariant(-9.0, true)), 5100); // the value shown: nothing written
  EXPECT_FALSE(text->isModified());
  EXPECT_EQ(set("Position X", CKyVariant(0.0, true)), 5100);
  EXPECT_EQ(text->position(), OdGePoint3d(10, 2, 3));
  EXPECT_NE(snapshot(text), before);
}

TEST_F(TextRows, ZeroWidthFactorAndHeightKeepTheOldValues)
{
  text->setWidthFactor(1.7);
  text->setHeight(2.5);
  for (double zero : {0.0, 1e-11, -1e-11})
  {
    EXPECT_EQ(set("Spacing", CKyVariant(zero, false)), 5100);
    EXPECT_EQ(set("Height", CKyVariant(zero, true)), 5100);
  }
  EXPECT_EQ(text->widthFactor(), 1.7);
  EXPECT_EQ(text->height(), 2.5);
  EXPECT_EQ(set("Spacing", CKyVariant(0.5, false)), 5100);
  EXPECT_EQ(set("Height", CKyVariant(4.0, true)), 5100);
  EXPECT_EQ(text->widthFactor(), 0.5);
  EXPECT_EQ(text->height(), 4.0);
  EXPECT_EQ(set("Height", CKyVariant(-1.0, true)), -5001); // the annotation service refuses it
  EXPECT_EQ(text->height(), 4.0);
}

TEST_F(TextRows, RotationAndObliquingShowNonNegativeAngles)
{
  text->setRotation(-0.5);
  text->setOblique(-0.25);
  EXPECT_DOUBLE_EQ(get("Rotation").GetDouble(), 2 * M_PI - 0.5);
  EXPECT_DOUBLE_EQ(get("Angle").GetDouble(), 2 * M_PI - 0.25);
  // Both setters take any value the framework reads as a number.
  EXPECT_EQ(set("Rotation", CKyVariant(CKyString("1.25"))), 5100);
  EXPECT_EQ(text->rotation(), 1.25);
  EXPECT_EQ(set("Angle", CKyVariant(0.1, true)), 5100);
  EXPECT_EQ(text->oblique(), 0.1);
  // Whole turns typed into the rotation are dropped, so it shows within one turn either way.
  EXPECT_EQ(set("Rotation", CKyVariant(400.0 * M_PI / 180.0, true)), 5100);
  EXPECT_NEAR(get("Rotation").GetDouble(), 40.0 * M_PI / 180.0, 1e-12);
  EXPECT_EQ(set("Rotation", CKyVariant(-400.0 * M_PI / 180.0, true)), 5100);
  EXPECT_NEAR(get("Rotation").GetDouble(), 320.0 * M_PI / 180.0, 1e-12);
}

TEST_F(TextRows, StyleChangeCopiesFourStyleSettingsAndItsHeight)
{
  const OdDbObjectId styleId = drawing.addTextStyle(L"Slanted", [](OdDbTextStyleTableRecord* s) {
    s->setObliquingAngle(0.2);
    s->setXScale(1.5);
    s->setIsUpsideDown(true);
    s->setIsBackwards(true);
    s->setTextSize(3.0);
  });
  EXPECT_EQ(set("TextStyle", CKyVariant(styleId)), 5100);
  EXPECT_EQ(text->textStyle(), styleId);
  EXPECT_DOUBLE_EQ(text->oblique(), 0.2);
  EXPECT_DOUBLE_EQ(text->widthFactor(), 1.5);
  EXPECT_TRUE(text->isMirroredInY());
  EXPECT_TRUE(text->isMirroredInX());
  EXPECT_DOUBLE_EQ(text->height(), 3.0);
  EXPECT_EQ(get("TextStyle").GetId(), styleId);
  // Making the text annotative keeps the height it has.
  text->setHeight(4.0);
  EXPECT_EQ(set("Annotative", choice(1)), 5100);
  EXPECT_DOUBLE_EQ(text->height(), 4.0);
  EXPECT_EQ(set("Annotative", choice(0)), 5100);
  text->setHeight(3.0);

  // A plain style takes the flags away again; its text size 0 leaves the height.
  const OdDbObjectId plainId = drawing.addTextStyle(L"Plain", [](OdDbTextStyleTableRecord*) {});
  EXPECT_EQ(set("TextStyle", CKyVariant(plainId)), 5100);
  EXPECT_FALSE(text->isMirroredInY());
  EXPECT_FALSE(text->isMirroredInX());
  EXPECT_DOUBLE_EQ(text->widthFactor(), 1.0);
  EXPECT_DOUBLE_EQ(text->oblique(), 0.0);
  EXPECT_DOUBLE_EQ(text->height(), 3.0);
}

TEST_F(TextRows, UpsideDownAndBackwardStylesForceYesAndReadOnly)
{
  EXPECT_EQ(currentIndex("UpsideDown"), 1);
  EXPECT_EQ(set("UpsideDown", choice(1)), 5100);
  EXPECT_TRUE(text->isMirroredInY());
  EXPECT_EQ(currentIndex("UpsideDown"), 0);
  EXPECT_EQ(set("UpsideDown", choice(7)), 5100); // other tags change nothing
  EXPECT_TRUE(text->isMirroredInY());
  EXPECT_EQ(set("UpsideDown", choice(0)), 5100);
  EXPECT_FALSE(text->isMirroredInY());
  EXPECT_EQ(set("Backward", choice(1)), 5100);
  EXPECT_TRUE(text->isMirroredInX());
  EXPECT_EQ(set("Backward", choice(0)), 5100);

  const OdDbObjectId upsideDown =
    drawing.addTextStyle(L"UpsideDown", [](OdDbTextStyleTableRecord* s) { s->setIsUpsideDown(true); });
  text->setTextStyle(upsideDown); // the text's own flags stay off
  EXPECT_EQ(currentIndex("UpsideDown"), 0);
  EXPECT_TRUE(readOnly("UpsideDown"));
  EXPECT_EQ(currentIndex("Backward"), 1);
  EXPECT_FALSE(readOnly("Backward"));

  const OdDbObjectId backwards =
    drawing.addTextStyle(L"Backwards", [](OdDbTextStyleTableRecord* s) { s->setIsBackwards(true); });
  text->setTextStyle(backwards);
  EXPECT_EQ(currentIndex("Backward"), 0);
  EXPECT_TRUE(readOnly("Backward"));
  EXPECT_FALSE(readOnly("UpsideDown"));
}

TEST_F(TextRows, ContentsOfAPlainTextAreWrittenAndAnEqualStringWritesNothing)
{
  EXPECT_EQ(get("Contents").GetString().toQString(), "ABCD");
  text->downgradeOpen();
  text->upgradeOpen();
  EXPECT_EQ(set("Contents", CKyVariant(CKyString("ABCD"))), 5100);
  EXPECT_FALSE(text->isModified());
  EXPECT_EQ(set("Contents", CKyVariant(CKyString("Room 12"))), 5100);
  EXPECT_EQ(text->textString(), OdString(L"Room 12"));
}

TEST_F(TextRows, RefusalsLeaveTheTextUnchanged)
{
  const OdDbObjectId styleId = drawing.addTextStyle(L"Any", [](OdDbTextStyleTableRecord*) {});
  struct Case
  {
    const char* row;
    CKyVariant value;
  } cases[] = {
    {"Thickness", CKyVariant(CKyString("1"))},
    {"Thickness", CKyVariant(std::nan(""), true)},
    {"Contents", CKyVariant(5)},
    {"TextStyle", CKyVariant(CKyString("Any"))},
    {"Justify", CKyVariant(1)},
    {"Height", CKyVariant(CKyString("2"))},
    {"Rotation", CKyVariant(INFINITY, true)},
    {"Spacing", CKyVariant(2)},
    {"Angle", CKyVariant(std::nan(""), true)},
    {"Text alignment X", CKyVariant(CKyString("3"))},
    {"Position Z", CKyVariant(4)},
    {"UpsideDown", CKyVariant(1)},
    {"Backward", CKyVariant(CKyString("Yes"))},
    {"MATCHPROP_Text", CKyVariant(CKyString("source"))},
  };
  const std::string before = snapshot(text);
  for (const Case& c : cases)
    EXPECT_EQ(set(c.row, c.value), -5001) << c.row;
  EXPECT_EQ(snapshot(text), before);

  // Not open for write, or not a text at all.
  text->downgradeOpen();
  EXPECT_EQ(set("TextStyle", CKyVariant(styleId)), -5001);
  EXPECT_EQ(set("Justify", choice(1)), -5001);
  text->upgradeOpen();
  EXPECT_EQ(snapshot(text), before);
  OdDbLinePtr line = OdDbLine::createObject();
  drawing.add(line);
  KyPaletteRows rows(text);
  EXPECT_EQ(rows.row("Height")->GetValue(line, CKyVariant()).GetType(), CKyVariant::kEmpty);
  EXPECT_EQ(rows.row("Height")->SetValue(line, CKyVariant(2.0, true), CKyVariant()), -5001);
}

TEST_F(TextRows, AnnotativePassRenamesHeightAndTheNextPassNamesItBack)
{
  makeAnnotative();
  {
    KyPaletteRows rows(text);
    const std::vector<std::string> names = rows.names();
    const std::vector<std::string> tail(names.end() - 5, names.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"MATCHPROP_Text", "Annotative", "Annotative Scale", "Sheet text height",
                                              "Match orientation to sheet"}));
    EXPECT_EQ(rows.row("Height"), nullptr);
    const CKyPropertyDescription* model = rows.row("Model text height", "Text");
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(rows.container().GetAt(12), model); // in the place of "Height"
    EXPECT_FALSE(model->IsDynamic());
    EXPECT_TRUE(model->IsReadOnly(text));
    EXPECT_EQ(model->GetIcon().toQString(), ":/Text/Text_model_text_height.png");
    EXPECT_EQ(model->GetDarkIcon().toQString(), ":/Text/svg_icons/Text/Text_model_text_height.svg");

    const CKyPropertyDescription* scale = rows.row("Annotative Scale");
    EXPECT_EQ(scale->GetType(), CKyPropertyTypeImpl(CKyVariant::kEmpty, CKyPropertyType::kLineEditToolButtonGUID));
    EXPECT_TRUE(scale->IsGroupedAction());
    EXPECT_EQ(scale->GetDescription().toQString(), "Edit annotation scales");
    EXPECT_EQ(scale->GetIcon().toQString(), ":/Misc/Misc_annotative_scale.png");
    EXPECT_FALSE(scale->IsReadOnly(text));
    const CKyPropertyDescription* sheet = rows.row("Sheet text height");
    EXPECT_FALSE(sheet->IsReadOnly(text));
    EXPECT_FALSE(sheet->IsGroupedAction());
    EXPECT_EQ(sheet->GetIcon().toQString(), ":/Text/Text_sheet_text_height.png");
    const CKyPropertyDescription* orientation = rows.row("Match orientation to sheet");
    EXPECT_EQ(orientation->GetType().GetType(), CKyVariant::kCollection);
    EXPECT_EQ(orientation->GetIcon().toQString(), ":/Misc/Misc_match_orientation.png");
    EXPECT_EQ(rows.row("Annotative")->GetValue(text, CKyVariant()).GetCollection().GetCurrentIndex(), 0);
    expectIconsExist(rows.container());
  }

  EXPECT_EQ(set("Annotative", choice(0)), 5100);
  EXPECT_FALSE(OdDbAnnotativeObject::isAnnotative(text));
  KyPaletteRows rows(text);
  const CKyPropertyDescription* height = rows.row("Height", "Text");
  ASSERT_NE(height, nullptr);
  EXPECT_EQ(rows.container().GetAt(12), height);
  EXPECT_FALSE(height->IsReadOnly(text));
  EXPECT_EQ(height->GetIcon().toQString(), ":/Text/Text_Height.png");
  EXPECT_EQ(height->GetDarkIcon().toQString(), ":/Text/svg_icons/Text/Text_Height.svg");
  EXPECT_TRUE(height->GetLightIcon().isEmpty());
  EXPECT_EQ(rows.row("Model text height"), nullptr);
  EXPECT_EQ(rows.names().back(), "Annotative");
  expectIconsExist(rows.container());
}

TEST_F(TextRows, AnnotationRowsReadAndWriteScaleAndSheetHeight)
{
  text->setHeight(2.0);
  makeAnnotative();
  EXPECT_EQ(get("Annotative Scale").GetString().toQString(), "1:2");
  EXPECT_DOUBLE_EQ(get("Sheet text height").GetDouble(), 1.0);
  EXPECT_DOUBLE_EQ(get("Model text height").GetDouble(), 2.0);
  EXPECT_EQ(set("Sheet text height", CKyVariant(3.0, true)), 5100);
  EXPECT_DOUBLE_EQ(text->height(), 6.0);
  EXPECT_EQ(set("Sheet text height", CKyVariant(0.0, true)), -5001);
  EXPECT_EQ(set("Sheet text height", CKyVariant(CKyString("3"))), -5001);
  EXPECT_DOUBLE_EQ(text->height(), 6.0);
  // The scale row writes nothing; its value is edited through the dialog.
  const std::string before = snapshot(text);
  EXPECT_EQ(set("Annotative Scale", CKyVariant(CKyString("1:4"))), 5100);
  EXPECT_EQ(snapshot(text), before);

  // Read-only once the text is no longer annotative.
  KyPaletteRows rows(text);
  const CKyPropertyDescription* scale = rows.row("Annotative Scale");
  OdDbAnnotativeObject::setAnnotative(text, false);
  EXPECT_TRUE(scale->IsReadOnly(text));
}

TEST_F(TextRows, AnnotativeSetterRefusesAlignedAndFittedTexts)
{
  for (int h : {3, 5})
  {
    setModes(text, h, 0);
    EXPECT_EQ(set("Annotative", choice(1)), -5001);
    EXPECT_FALSE(OdDbAnnotativeObject::isAnnotative(text));
  }
  setModes(text, 1, 2);
  EXPECT_EQ(set("Annotative", choice(1)), 5100);
  EXPECT_TRUE(OdDbAnnotativeObject::isAnnotative(text));
  EXPECT_EQ(set("Annotative", CKyVariant(1)), -5001);
  EXPECT_TRUE(OdDbAnnotativeObject::isAnnotative(text));
}

TEST_F(TextRows, ScaleGroupActionOpensTheScalesDialogForTheSelection)
{
  makeAnnotative();
  OdDbObjectId otherId;
  newText(otherId);
  KyPaletteRows rows(text);
  OdArray<OdDbObjectId> ids;
  ids.append(textId);
  ids.append(otherId);
  EXPECT_TRUE(rows.row("Annotative Scale")->DoGroupedAction(ids, CKyVariant(), CKyVariant()).IsEmpty());
  ASSERT_EQ(messages.scaleDialogs.size(), 1u);
  EXPECT_EQ(messages.scaleDialogs[0], ids);
  // Other rows' names open nothing.
  CKyTextPE::PerformGroupAction(ids, *rows.row("Sheet text height"), CKyVariant(), CKyVariant());
  EXPECT_EQ(messages.scaleDialogs.size(), 1u);
}

TEST_F(TextRows, MatchOrientationWritesAndRemovesItsExtendedData)
{
  makeAnnotative();
  text->setRotation(0.8);
  EXPECT_EQ(currentIndex("Match orientation to sheet"), 1);
  EXPECT_EQ(set("Match orientation to sheet", choice(1)), 5100);
  OdDbSymbolTablePtr apps = drawing.db()->getRegAppTableId().safeOpenObject();
  EXPECT_TRUE(apps->has(L"AcadAnnoPO"));
  OdResBufPtr data = text->xData(L"AcadAnnoPO");
  ASSERT_FALSE(data.isNull());
  EXPECT_EQ(data->restype(), 1001);
  ASSERT_FALSE(data->next().isNull());
  EXPECT_EQ(data->next()->restype(), 1070);
  EXPECT_EQ(data->next()->getInt16(), 1);
  EXPECT_TRUE(data->next()->next().isNull());
  EXPECT_EQ(currentIndex("Match orientation to sheet"), 0);
  // An annotative text that follows the sheet shows no rotation of its own.
  EXPECT_EQ(get("Rotation").GetDouble(), 0.0);
  EXPECT_TRUE(readOnly("Rotation"));

  EXPECT_EQ(set("Match orientation to sheet", choice(0)), 5100);
  EXPECT_TRUE(text->xData(L"AcadAnnoPO").isNull());
  EXPECT_EQ(currentIndex("Match orientation to sheet"), 1);
  EXPECT_DOUBLE_EQ(get("Rotation").GetDouble(), 0.8);
  EXPECT_FALSE(readOnly("Rotation"));
  EXPECT_EQ(set("Match orientation to sheet", CKyVariant(1)), -5001);
}

TEST_F(TextRows, RemovingOrientationThatWasNeverSetIsHarmless)
{
  makeAnnotative();
  EXPECT_EQ(set("Match orientation to sheet", choice(0)), 5100);
  EXPECT_TRUE(text->xData(L"AcadAnnoPO").isNull());
}

TEST_F(TextRows, MatchPropertiesCopiesFromTextsOfBothKinds)
{
  OdDbTextPtr source = OdDbText::createObject();
  source->setHeight(2.5);
  source->setRotation(0.3);
  source->setOblique(0.2);
  source->setWidthFactor(0.8);
  const OdDbObjectId sourceId = drawing.add(source);
  EXPECT_EQ(set("MATCHPROP_Text", CKyVariant(sourceId)), 5100);
  EXPECT_DOUBLE_EQ(text->height(), 2.5);
  EXPECT_DOUBLE_EQ(text->rotation(), 0.3);
  EXPECT_DOUBLE_EQ(text->oblique(), 0.2);
  EXPECT_DOUBLE_EQ(text->widthFactor(), 0.8);

  OdDbMTextPtr note = OdDbMText::createObject();
  note->setTextHeight(4.0);
  EXPECT_EQ(set("MATCHPROP_Text", CKyVariant(drawing.add(note))), 5100);
  EXPECT_DOUBLE_EQ(text->height(), 4.0);
  EXPECT_DOUBLE_EQ(text->widthFactor(), 0.8);

  const std::string before = snapshot(text);
  OdDbLinePtr line = OdDbLine::createObject();
  EXPECT_EQ(set("MATCHPROP_Text", CKyVariant(drawing.add(line))), -5001);
  EXPECT_EQ(set("MATCHPROP_Text", CKyVariant(OdDbObjectId())), -5001);
  EXPECT_EQ(snapshot(text), before);
}

TEST_F(TextRows, ListingPrintsStyleHeightsAndTextInOrder)
{
  const OdDbObjectId styleId = drawing.addTextStyle(L"Notes", [](OdDbTextStyleTableRecord* s) {
    s->setFileName(L"notes.shx");
    s->setFont(L"Sans", false, false, 0, 0);
  });
  text->setTextStyle(styleId);
  text->setHeight(2.0);
  text->setRotation(0.5);
  OdStaticRxObject<CKyTextInfo> info;
  KyRecordingPrintContext plain;
  info.PrintObjectInfo(text, &plain);
  const std::vector<std::string> tail = {"Annotative", "TextStyle", "Typeface",       "Font file",   "Start point",
                                         "height",     "text",      "rotation angle", "width scale", "obliquing angle"};
  std::vector<std::string> labels = plain.labels();
  ASSERT_GE(labels.size(), tail.size());
  EXPECT_EQ(std::vector<std::string>(labels.end() - tail.size(), labels.end()), tail);
  EXPECT_EQ(plain.find("Annotative")->value, "No");
  EXPECT_EQ(plain.find("TextStyle")->value, "Notes");
  EXPECT_EQ(plain.find("Typeface")->value, "Sans");
  EXPECT_EQ(plain.find("Font file")->value, "notes.shx");
  EXPECT_EQ(plain.find("Start point")->value, "1,2,3");
  EXPECT_EQ(plain.find("height")->kind, "PrintDist");
  EXPECT_EQ(plain.find("text")->value, "ABCD");
  EXPECT_EQ(plain.find("rotation angle")->value, "0.5");
  EXPECT_EQ(plain.find("width scale")->kind, "PrintScale");

  makeAnnotative();
  KyRecordingPrintContext annotative;
  info.PrintObjectInfo(text, &annotative);
  labels = annotative.labels();
  const std::vector<std::string> annotativeTail = {
    "Annotative",        "Annotative Scale", "TextStyle",      "Typeface",    "Font file",       "Start point",
    "Sheet text height", "Model text height", "text",          "rotation angle", "width scale", "obliquing angle"};
  ASSERT_GE(labels.size(), annotativeTail.size());
  EXPECT_EQ(std::vector<std::string>(labels.end() - annotativeTail.size(), labels.end()), annotativeTail);
  EXPECT_EQ(annotative.find("Annotative")->value, "Yes");
  EXPECT_EQ(annotative.find("Annotative Scale")->value, "1:2");
  EXPECT_EQ(annotative.find("Sheet text height")->value, "1");
  EXPECT_EQ(annotative.find("Model text height")->value, "2");
}
