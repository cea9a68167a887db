// Attribute definition rows: the listed rows in order, tags raised to upper case, heights that
// must not be zero, mode flags, the per-object rows whose editability follows the single-line or
// multiline form, the multiline Justify that keeps the box in place, the annotation rows with the
// scales dialog, refusals that change nothing, and the listing. An attribute alone shows only the
// General rows and the common listing.
#include <gtest/gtest.h>

#include <cmath>

#include <QFile>

#include "DbAttribute.h"
#include "DbAttributeDefinition.h"
#include "DbLine.h"
#include "DbObjectContextManager.h"
#include "DbTextStyleTableRecord.h"
#include "Ge/GeGbl.h"
#include "KyAttributeDefinitionPE.h"
#include "KyAttributePE.h"
#include "KyEntityPE.h"
#include "KyPropertyType.h"
#include "KyTestDrawing.h"
#include "KyTestGeometry.h"
#include "RxObjectImpl.h"

namespace
{
CKyVariant choice(int tag)
{
  return CKyVariant(CKyVariantCollectionElement(CKyVariant(tag), CKyVariant()));
}

std::string state(const OdDbObject* object)
{
  return kySnapshot(object).toString();
}

struct AttributeDefinitionRows : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  KyRecordingMessages messages;
  OdDbAttributeDefinitionPtr def;
  OdDbObjectId defId;

  void SetUp() override
  {
    def = OdDbAttributeDefinition::createObject();
    def->setTag(L"ROOM");
    def->setPrompt(L"Room number");
    def->setTextString(L"A12");
    def->setPosition(OdGePoint3d(1, 2, 0));
    def->setHeight(2.0);
    defId = drawing.add(def);
  }

  CKyVariant get(const char* name)
  {
    KyPaletteRows rows(def);
    const CKyPropertyDescription* d = rows.row(name);
    EXPECT_NE(d, nullptr) << name;
    return d ? d->GetValue(def, CKyVariant()) : CKyVariant();
  }
  int set(const char* name, const CKyVariant& value)
  {
    KyPaletteRows rows(def);
    const CKyPropertyDescription* d = rows.row(name);
    EXPECT_NE(d, nullptr) << name;
    return d ? d->SetValue(def, value, CKyVariant()) : 0;
  }
  bool readOnly(const char* name)
  {
    KyPaletteRows rows(def);
    const CKyPropertyDescription* d = rows.row(name);
    EXPECT_NE(d, nullptr) << name;
    return d && d->IsReadOnly(def);
  }
  int currentIndex(const char* name) { return get(name).GetCollection().GetCurrentIndex(); }
  QString currentText(const char* name)
  {
    const CKyVariant list = get(name);
    const CKyVariantCollection& c = list.GetCollection();
    return c.GetAt(c.GetCurrentIndex()).GetValue().GetString().toQString();
  }
  void makeMultiline(double width = 12.0)
  {
    def->convertIntoMTextAttributeDefinition(true);
    OdDbMTextPtr m = def->getMTextAttributeDefinition();
    m->setWidth(width);
    def->setMTextAttributeDefinition(m);
  }
};
} // namespace

TEST_F(AttributeDefinitionRows, ListedRowsFollowTheGeneralRowsInOrder)
{
  struct Expected
  {
    const char* category;
    const char* name;
    int type;
    const CKyString* guid;
    const char* icon;
  } expected[] = {
    {"General", "Thickness", 0, nullptr, "General/General_Thickness"},
    {"Text", "Tag", 0, nullptr, "Text/Text_Tag"},
    {"Text", "Prompt", 0, nullptr, "Text/Text_Prompt"},
    {"Text", "Value", 0, nullptr, "Text/Text_ContentsSimple"},
    {"Text", "TextStyle", 8, &CKyPropertyType::kTextStyleGUID, "Text/Text_TextStyle"},
    {"Text", "Height", 0, nullptr, "Text/Text_Height"},
    {"Text", "Rotation", 2, &CKyPropertyType::kAngleGUID, "Text/Text_Rotation"},
    {"Text", "Text alignment X", 0, nullptr, "Text/Text_TextAlignmentX"},
    {"Text", "Text alignment Y", 0, nullptr, "Text/Text_TextAlignmentY"},
    {"Text", "Text alignment Z", 0, nullptr, "Text/Text_TextAlignmentZ"},
    {"Geometry", "Position X", 0, nullptr, "Geometry/Geometry_CoordinateX"},
    {"Geometry", "Position Y", 0, nullptr, "Geometry/Geometry_CoordinateY"},
    {"Geometry", "Position Z", 0, nullptr, "Geometry/Geometry_CoordinateZ"},
    {"Misc", "Invisible", 0, nullptr, "Misc/Misc_Invisible"},
    {"Misc", "Constant", 0, nullptr, "Misc/Misc_Constant"},
    {"Misc", "Verify", 0, nullptr, "Misc/Misc_Verify"},
    {"Misc", "Preset", 0, nullptr, "Misc/Misc_Preset"},
    {"Misc", "Lock position", 0, nullptr, "Misc/Misc_DisplayLocked"},
    // Per object.
    {"Text", "Justify", 0, nullptr, "Text/Text_Justify"},
    {"Text", "Spacing", 0, nullptr, "Text/Text_Spacing"},
    {"Text", "Angle", 2, &CKyPropertyType::kAngleGUID, "Text/Text_Obliquing"},
    {"Misc", "UpsideDown", 0, nullptr, "Misc/Misc_UpsideDown"},
    {"Misc", "Backward", 0, nullptr, "Misc/Misc_Backward"},
    {"Misc", "Multilines", 0, nullptr, "Misc/Misc_Multilines"},
    {"Text", "Width", 2, &CKyPropertyType::kWidthGUID, "Text/Text_WidthFactor"},
    {"Text", "Annotative", 6, nullptr, "Misc/Misc_annotative"},
  };
  const int count = static_cast<int>(sizeof(expected) / sizeof(expected[0]));
  KyPaletteRows rows(def);
  const CKyPropertiesContainerImpl& c = rows.container();
  ASSERT_EQ(c.GetCount(), 8 + count);
  EXPECT_EQ(c.GetAt(7)->GetName().toQString(), "Transparency");
  for (int i = 0; i < count; ++i)
  {
    const Expected& e = expected[i];
    const CKyPropertyDescription* d = c.GetAt(8 + i);
    SCOPED_TRACE(e.name);
    EXPECT_EQ(d->GetCategory().toQString(), e.category);
    EXPECT_EQ(d->GetName().toQString(), e.name);
    EXPECT_EQ(static_cast<int>(d->GetType().GetType()), e.type);
    EXPECT_EQ(d->GetType().GetGUID().toQString(), e.guid ? e.guid->toQString() : QString());
    EXPECT_EQ(d->GetIcon().toQString(), QString(":/%1.png").arg(e.icon));
    EXPECT_TRUE(QFile::exists(d->GetIcon().toQString())) << d->GetIcon().toQString().toStdString();
    EXPECT_TRUE(QFile::exists(d->GetDarkIcon().toQString())) << d->GetDarkIcon().toQString().toStdString();
    EXPECT_EQ(d->IsDynamic(), i >= 18);
  }
  OdStaticRxObject<CKyAttributeDefinitionPE> pe;
  EXPECT_EQ(pe.GetClassName(def).toQString(), "Attribute Definition");
  EXPECT_TRUE(pe.HasDynamicProperties());
}

TEST_F(AttributeDefinitionRows, TagIsStoredInUpperCaseAndBlankTagsAreRefused)
{
  EXPECT_EQ(set("Tag", CKyVariant(CKyString("room_no"))), 5100);
  EXPECT_EQ(def->tag(), OdString(L"ROOM_NO"));
  EXPECT_EQ(get("Tag").GetString().toQString(), "ROOM_NO");
  EXPECT_TRUE(messages.messages.empty());

  const std::string before = state(def);
  for (const char* bad : {"", "two words"})
  {
    SCOPED_TRACE(bad);
    EXPECT_EQ(set("Tag", CKyVariant(CKyString(bad))), -5001);
    ASSERT_FALSE(messages.messages.empty());
    EXPECT_EQ(messages.messages.back().text, "Invalid input");
    EXPECT_EQ(messages.messages.back().caption, "Error");
  }
  EXPECT_EQ(state(def), before);

  EXPECT_EQ(set("Prompt", CKyVariant(CKyString("Which room?"))), 5100);
  EXPECT_EQ(def->prompt(), OdString(L"Which room?"));
  EXPECT_EQ(set("Value", CKyVariant(CKyString("B7"))), 5100);
  EXPECT_EQ(def->textString(), OdString(L"B7"));
}

TEST_F(AttributeDefinitionRows, HeightMustLieOutsideTheZeroTolerance)
{
  const std::string before = state(def);
  for (double h : {0.0, 1e-10, -1e-10, 5e-11})
  {
    SCOPED_TRACE(h);
    EXPECT_EQ(set("Height", CKyVariant(h, true)), -5001);
  }
  EXPECT_EQ(state(def), before);
  EXPECT_EQ(set("Height", CKyVariant(3.5, true)), 5100);
  EXPECT_DOUBLE_EQ(def->height(), 3.5);
}

TEST_F(AttributeDefinitionRows, ModeFlagsTakeTagsOneAndZeroAndIgnoreOthers)
{
  struct Flag
  {
    const char* row;
    bool (OdDbAttributeDefinition::*read)() const;
  } flags[] = {
    {"Invisible", &OdDbAttributeDefinition::isInvisible},
    {"Constant", &OdDbAttributeDefinition::isConstant},
    {"Verify", &OdDbAttributeDefinition::isVerifiable},
    {"Preset", &OdDbAttributeDefinition::isPreset},
    {"Lock position", &OdDbAttributeDefinition::lockPositionInBlock},
  };
  for (const Flag& f : flags)
  {
    SCOPED_TRACE(f.row);
    EXPECT_EQ(currentIndex(f.row), 1); // "No"
    EXPECT_EQ(set(f.row, choice(1)), 5100);
    EXPECT_TRUE(((*def).*f.read)());
    EXPECT_EQ(currentIndex(f.row), 0);
    const std::string on = state(def);
    EXPECT_EQ(set(f.row, choice(2)), 5100);
    EXPECT_EQ(set(f.row, choice(-1)), 5100);
    EXPECT_EQ(state(def), on);
    EXPECT_EQ(set(f.row, choice(0)), 5100);
    EXPECT_FALSE(((*def).*f.read)());
    EXPECT_EQ(set(f.row, CKyVariant(1)), -5001) << "a plain number is no list element";
  }
}

TEST_F(AttributeDefinitionRows, FormDecidesWhichRowsAreEditable)
{
  struct Row
  {
    const char* name;
    bool readOnlyWhenMultiline;
  } rows[] = {{"Width", false},     {"Spacing", true},  {"Angle", true},    {"UpsideDown", true},
              {"Backward", true},   {"Multilines", true}, {"Justify", false}};
  for (const Row& r : rows)
  {
    SCOPED_TRACE(r.name);
    const bool singleLineReadOnly = std::string(r.name) == "Width";
    EXPECT_EQ(readOnly(r.name), singleLineReadOnly);
  }
  EXPECT_EQ(currentIndex("Multilines"), 1);
  EXPECT_EQ(set("Multilines", choice(1)), 5100);
  ASSERT_TRUE(def->isMTextAttributeDefinition());
  EXPECT_EQ(currentIndex("Multilines"), 0);
  for (const Row& r : rows)
  {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(readOnly(r.name), r.readOnlyWhenMultiline);
  }
}

TEST_F(AttributeDefinitionRows, WidthIsTheMultilineTextsAndNeedsTheMultilineForm)
{
  const std::string single = state(def);
  EXPECT_EQ(set("Width", CKyVariant(10.0, true)), -5001);
  EXPECT_EQ(state(def), single);
  EXPECT_DOUBLE_EQ(get("Width").GetDouble(), 0.0);

  makeMultiline(12.0);
  EXPECT_DOUBLE_EQ(get("Width").GetDouble(), 12.0);
  EXPECT_EQ(set("Width", CKyVariant(30.0, true)), 5100);
  EXPECT_DOUBLE_EQ(def->getMTextAttributeDefinition()->width(), 30.0);

  const std::string multi = state(def);
  EXPECT_EQ(set("Width", CKyVariant(-1.0, true)), -5001);
  ASSERT_FALSE(messages.messages.empty());
  EXPECT_EQ(messages.messages.back().text, "Value must be non-negative");
  EXPECT_EQ(set("Width", CKyVariant(CKyString("5"))), -5001);
  EXPECT_EQ(set("Width", CKyVariant(std::nan(""), true)), -5001);
  EXPECT_EQ(state(def), multi);
}

TEST_F(AttributeDefinitionRows, SpacingAndAngleRefuseWhatTheTextCannotTake)
{
  // The angle as shown (2pi - 0.2) goes back as the signed angle; beyond 85 degrees is refused.
  EXPECT_EQ(set("Angle", CKyVariant(Oda2PI - 0.2, true)), 5100);
  EXPECT_NEAR(def->oblique(), -0.2, 1e-12);
  EXPECT_NEAR(get("Angle").GetDouble(), Oda2PI - 0.2, 1e-12);
  EXPECT_EQ(set("Spacing", CKyVariant(0.0, false)), 5100);
  EXPECT_DOUBLE_EQ(def->widthFactor(), 1.0) << "zero keeps the width factor";
  const std::string before = state(def);
  for (double angle : {1.5, -1.5, OdaPI})
    EXPECT_EQ(set("Angle", CKyVariant(angle, true)), -5001) << angle;
  EXPECT_EQ(set("Angle", CKyVariant(CKyString("0.1"))), -5001);
  EXPECT_EQ(set("Spacing", CKyVariant(-2.0, false)), -5001);
  EXPECT_EQ(set("Spacing", CKyVariant(-1e308, false)), -5001);
  EXPECT_EQ(state(def), before);
  EXPECT_EQ(set("Spacing", CKyVariant(0.8, false)), 5100);
  EXPECT_DOUBLE_EQ(def->widthFactor(), 0.8);
}

TEST_F(AttributeDefinitionRows, SingleLineJustifyIsTheTextsAndDrivesTheRotationRule)
{
  const CKyVariant list = get("Justify");
  ASSERT_EQ(list.GetCollection().GetCount(), 15);
  EXPECT_EQ(currentText("Justify"), "Left");
  EXPECT_FALSE(readOnly("Rotation"));
  EXPECT_TRUE(readOnly("Text alignment X"));

  EXPECT_EQ(set("Justify", choice(7)), 5100); // Top Center
  EXPECT_EQ(def->horizontalMode(), OdDb::kTextCenter);
  EXPECT_EQ(def->verticalMode(), OdDb::kTextTop);
  kyExpectPoint(def->alignmentPoint(), OdGePoint3d(1, 2, 0));
  EXPECT_FALSE(readOnly("Text alignment X"));
  EXPECT_TRUE(readOnly("Position X"));

  for (int stretched : {3, 5})
  {
    EXPECT_EQ(set("Justify", choice(stretched)), 5100);
    EXPECT_TRUE(readOnly("Rotation")) << stretched;
  }
  EXPECT_EQ(set("Justify", choice(0)), 5100);
  EXPECT_FALSE(readOnly("Rotation"));
}

TEST_F(AttributeDefinitionRows, MultilineJustifyListsNineAttachmentsAndKeepsTheBox)
{
  def->setTextString(L"ABCD");
  makeMultiline(0.0);
  const CKyVariant list = get("Justify");
  ASSERT_EQ(list.GetCollection().GetCount(), 9);
  EXPECT_EQ(list.GetCollection().GetAt(0).GetValue().GetString().toQString(), "Top Left");
  EXPECT_EQ(list.GetCollection().GetAt(8).GetValue().GetString().toQString(), "Bottom Right");
  EXPECT_EQ(currentText("Justify"), "Bottom Left");

  OdGePoint3dArray before;
  def->getMTextAttributeDefinition()->getBoundingPoints(before);
  struct Case
  {
    int tag;
    OdDbMText::AttachmentPoint attachment;
    OdGePoint3d location; // the box: (1, 2) to (1 + 4 x 1.2, 4)
  } cases[] = {
    {0, OdDbMText::kTopLeft, OdGePoint3d(1, 4, 0)},
    {4, OdDbMText::kMiddleCenter, OdGePoint3d(3.4, 3, 0)},
    {8, OdDbMText::kBottomRight, OdGePoint3d(5.8, 2, 0)},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.tag);
    EXPECT_EQ(set("Justify", choice(c.tag)), 5100);
    const OdDbMTextPtr m = def->getMTextAttributeDefinition();
    EXPECT_EQ(m->attachment(), c.attachment);
    kyExpectPoint(m->location(), c.location);
    OdGePoint3dArray after;
    m->getBoundingPoints(after);
    for (unsigned k = 0; k < 4; ++k)
      kyExpectPoint(after[k], before[k]);
    EXPECT_FALSE(readOnly("Rotation"));
  }
  // The present attachment and unknown entries change nothing.
  const std::string now = state(def);
  EXPECT_EQ(set("Justify", choice(8)), 5100);
  EXPECT_EQ(set("Justify", choice(9)), 5100);
  EXPECT_EQ(state(def), now);
  EXPECT_EQ(set("Justify", CKyVariant(3)), -5001);
  EXPECT_EQ(state(def), now);
}

TEST_F(AttributeDefinitionRows, RefusalsLeaveTheDefinitionUnchanged)
{
  const OdDbObjectId layer = drawing.db()->getLayerZeroId();
  struct Case
  {
    const char* row;
    CKyVariant value;
  } cases[] = {
    {"Thickness", CKyVariant(CKyString("1"))},
    {"Tag", CKyVariant(7)},
    {"Prompt", CKyVariant(1.0, false)},
    {"Value", CKyVariant(5)},
    {"TextStyle", CKyVariant(CKyString("Standard"))},
    {"TextStyle", CKyVariant(layer)},
    {"Height", CKyVariant(CKyString("2"))},
    {"Height", CKyVariant(INFINITY, true)},
    {"Invisible", CKyVariant(CKyString("Yes"))},
    {"Lock position", CKyVariant(1.0, false)},
    {"Multilines", CKyVariant(1)},
    {"Width", CKyVariant(2.0, true)},
    {"Spacing", CKyVariant(2)},
  };
  const std::string before = state(def);
  for (const Case& c : cases)
    EXPECT_EQ(set(c.row, c.value), -5001) << c.row;
  EXPECT_EQ(state(def), before);
  EXPECT_TRUE(messages.messages.empty()) << "refused silently";

  // Not open for write, or another kind of object.
  def->downgradeOpen();
  EXPECT_EQ(set("Tag", CKyVariant(CKyString("X"))), -5001);
  EXPECT_EQ(set("Constant", choice(1)), -5001);
  EXPECT_EQ(set("Height", CKyVariant(4.0, true)), -5001);
  EXPECT_EQ(set("Justify", choice(4)), -5001);
  def->upgradeOpen();
  EXPECT_EQ(state(def), before);
  OdDbLinePtr line = OdDbLine::createObject();
  drawing.add(line);
  KyPaletteRows rows(def);
  EXPECT_EQ(rows.row("Tag")->GetValue(line, CKyVariant()).GetType(), CKyVariant::kEmpty);
  EXPECT_EQ(rows.row("Tag")->SetValue(line, CKyVariant(CKyString("X")), CKyVariant()), -5001);
  EXPECT_EQ(rows.row("Width")->SetValue(line, CKyVariant(1.0, true), CKyVariant()), -5001);
}

TEST_F(AttributeDefinitionRows, StyleIsSetAndEqualValuesWriteNothing)
{
  const OdDbObjectId styleId = drawing.addTextStyle(L"Notes", [](OdDbTextStyleTableRecord*) {});
  EXPECT_EQ(set("TextStyle", CKyVariant(styleId)), 5100);
  EXPECT_EQ(def->textStyle(), styleId);
  def->downgradeOpen();
  def->upgradeOpen();
  EXPECT_EQ(set("Prompt", CKyVariant(CKyString("Room number"))), 5100);
  EXPECT_EQ(set("Tag", CKyVariant(CKyString("room"))), 5100);
  EXPECT_FALSE(def->isModified()) << "equal values write nothing";
}

TEST_F(AttributeDefinitionRows, AnnotativeDefinitionsRenameHeightAndOpenTheScalesDialog)
{
  OdDbAnnotationScaleList::setCurrentScale(drawing.db(), OdDbAnnotationScaleList::getScale(drawing.db(), L"1:2"));
  OdDbAnnotativeObject::setAnnotative(def, true);
  {
    KyPaletteRows rows(def);
    EXPECT_EQ(rows.row("Height"), nullptr);
    const CKyPropertyDescription* model = rows.row("Model text height");
    ASSERT_NE(model, nullptr);
    EXPECT_TRUE(model->IsReadOnly(def));
    const CKyPropertyDescription* sheet = rows.row("Sheet text height");
    ASSERT_NE(sheet, nullptr);
    EXPECT_DOUBLE_EQ(sheet->GetValue(def, CKyVariant()).GetDouble(), 1.0);
    const CKyPropertyDescription* scale = rows.row("Annotative Scale");
    ASSERT_NE(scale, nullptr);
    EXPECT_EQ(scale->GetValue(def, CKyVariant()).GetString().toQString(), "1:2");
    EXPECT_TRUE(scale->IsGroupedAction());
    EXPECT_EQ(scale->GetDescription().toQString(), "Edit annotation scales");
    OdArray<OdDbObjectId> ids;
    ids.append(defId);
    EXPECT_TRUE(scale->DoGroupedAction(ids, CKyVariant(), CKyVariant()).IsEmpty());
    ASSERT_EQ(messages.scaleDialogs.size(), 1u);
    EXPECT_EQ(messages.scaleDialogs[0], ids);
    ASSERT_NE(rows.row("Match orientation to sheet"), nullptr);
  }
  OdDbAnnotativeObject::setAnnotative(def, false);
  KyPaletteRows rows(def);
  EXPECT_NE(rows.row("Height"), nullptr) << "the next pass names it back";
  EXPECT_EQ(rows.row("Annotative Scale"), nullptr);
}

TEST_F(AttributeDefinitionRows, ListingPrintsTheDefinitionAndItsFlags)
{
  const OdDbObjectId styleId = drawing.addTextStyle(L"Notes", [](OdDbTextStyleTableRecord* s) {
    s->setFileName(L"notes.shx");
  });
  def->setTextStyle(styleId);
  OdStaticRxObject<CKyAttributeDefinitionInfo> info;
  EXPECT_EQ(info.GetClassName(def).toQString(), "ATTRIBUTE DEFINITION");
  KyRecordingPrintContext plain;
  EXPECT_TRUE(info.PrintObjectInfo(def, &plain));
  const std::vector<std::string> tail = {"Annotative", "TextStyle", "Font file",      "Start point", "height",
                                         "text",       "prompt",    "tag",            "rotation angle",
                                         "width scale", "obliquing angle", "flags"};
  const std::vector<std::string> labels = plain.labels();
  ASSERT_GE(labels.size(), tail.size());
  EXPECT_EQ(std::vector<std::string>(labels.end() - tail.size(), labels.end()), tail);
  EXPECT_EQ(plain.find("TextStyle")->value, "Notes");
  EXPECT_EQ(plain.find("Font file")->value, "notes.shx");
  EXPECT_EQ(plain.find("text")->value, "A12");
  EXPECT_EQ(plain.find("prompt")->value, "Room number");
  EXPECT_EQ(plain.find("tag")->value, "ROOM");
  EXPECT_EQ(plain.find("flags")->value, "normal");

  struct Flags
  {
    bool invisible, constant, verify, preset;
    const char* text;
  } cases[] = {
    {true, false, false, false, "invisible "},
    {false, true, true, false, "constant verify "},
    {true, true, true, true, "invisible constant verify preset"},
    {false, false, false, true, "preset"},
  };
  for (const Flags& f : cases)
  {
    def->setInvisible(f.invisible);
    def->setConstant(f.constant);
    def->setVerifiable(f.verify);
    def->setPreset(f.preset);
    KyRecordingPrintContext context;
    info.PrintObjectInfo(def, &context);
    EXPECT_EQ(context.find("flags")->value, f.text);
  }

  OdDbAnnotationScaleList::setCurrentScale(drawing.db(), OdDbAnnotationScaleList::getScale(drawing.db(), L"1:2"));
  OdDbAnnotativeObject::setAnnotative(def, true);
  KyRecordingPrintContext annotative;
  info.PrintObjectInfo(def, &annotative);
  EXPECT_EQ(annotative.find("Sheet text height")->value, "1");
  EXPECT_EQ(annotative.find("Model text height")->value, "2");
  EXPECT_EQ(annotative.find("height"), nullptr);
}

TEST(AttributeRows, AnAttributeAloneShowsOnlyTheGeneralRows)
{
  KyModuleSession session;
  KyTestDrawing drawing;
  OdDbAttributePtr att = OdDbAttribute::createObject();
  att->setTag(L"NUMBER");
  att->setTextString(L"12");
  drawing.add(att);
  OdDbLinePtr line = OdDbLine::createObject();
  drawing.add(line);

  KyPaletteRows attributeRows(att);
  KyPaletteRows entityRows(line);
  ASSERT_TRUE(attributeRows.found());
  // The General rows every entity starts with, and nothing after them.
  const std::vector<std::string> lineNames = entityRows.names();
  ASSERT_GE(lineNames.size(), 8u);
  EXPECT_EQ(lineNames[7], "Transparency");
  EXPECT_EQ(attributeRows.names(), std::vector<std::string>(lineNames.begin(), lineNames.begin() + 8));

  OdStaticRxObject<CKyAttributePE> pe;
  EXPECT_EQ(pe.GetClassName(att).toQString(), "Attribute");
  EXPECT_FALSE(pe.HasDynamicProperties());
  CKyPropertiesContainerImpl dynamic;
  pe.GetPropertyNamesDynamic(att, &dynamic);
  EXPECT_EQ(dynamic.GetCount(), 0);

  OdStaticRxObject<CKyBlockAttributeInfo> info;
  OdStaticRxObject<CKyPrintObjectInfoPE> common;
  EXPECT_EQ(info.GetClassName(att).toQString(), "ATTRIBUTE");
  KyRecordingPrintContext attribute, entity;
  info.PrintObjectInfo(att, &attribute);
  common.PrintObjectInfo(att, &entity);
  // The header names the class; the rest is the common listing and nothing more.
  std::vector<std::string> own = attribute.labels(), plain = entity.labels();
  ASSERT_FALSE(own.empty());
  ASSERT_FALSE(plain.empty());
  EXPECT_EQ(own.front(), "ATTRIBUTE");
  EXPECT_EQ(std::vector<std::string>(own.begin() + 1, own.end()), std::vector<std::string>(plain.begin() + 1, plain.end()));
}
