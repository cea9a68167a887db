// Multiline text rows: the table and value lists, justification that keeps the text box in place,
// widths with and without columns, rotation relative to the UCS, line spacing limits with their
// message, the per-object annotation rows, refusals and the listing.
#include <gtest/gtest.h>

#include <cmath>

#include <QFile>

#include "DbFiler.h"
#include "DbLine.h"
#include "DbMText.h"
#include "DbObjectContextManager.h"
#include "DbText.h"
#include "KyMTextPE.h"
#include "KyPropertyType.h"
#include "KyTestDrawing.h"
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

CKyVariant choice(int tag)
{
  return CKyVariant(CKyVariantCollectionElement(CKyVariant(tag), CKyVariant()));
}

std::vector<std::pair<int, QString>> entries(const CKyVariant& list)
{
  std::vector<std::pair<int, QString>> out;
  const CKyVariantCollection& c = list.GetCollection();
  for (int i = 0; i < c.GetCount(); ++i)
    out.emplace_back(c.GetAt(i).GetTag().GetInt32(), c.GetAt(i).GetValue().GetString().toQString());
  return out;
}

struct MTextRows : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  KyRecordingMessages messages;
  OdDbMTextPtr mtext;
  OdDbObjectId mtextId;

  void SetUp() override
  {
    mtext = OdDbMText::createObject();
    mtext->setContents(L"Hello\\PWorld");
    mtext->setLocation(OdGePoint3d(1, 2, 0));
    mtext->setTextHeight(2.0);
    mtext->setWidth(10.0);
    mtextId = drawing.add(mtext);
  }

  CKyVariant get(const char* name)
  {
    KyPaletteRows rows(mtext);
    const CKyPropertyDescription* d = rows.row(name);
    EXPECT_NE(d, nullptr) << name;
    return d ? d->GetValue(mtext, CKyVariant()) : CKyVariant();
  }
  int set(const char* name, const CKyVariant& value)
  {
    KyPaletteRows rows(mtext);
    const CKyPropertyDescription* d = rows.row(name);
    EXPECT_NE(d, nullptr) << name;
    return d ? d->SetValue(mtext, value, CKyVariant()) : 0;
  }
  bool readOnly(const char* name)
  {
    KyPaletteRows rows(mtext);
    const CKyPropertyDescription* d = rows.row(name);
    EXPECT_NE(d, nullptr) << name;
    return d && d->IsReadOnly(mtext);
  }

  void makeAnnotative()
  {
    OdDbAnnotationScaleList::setCurrentScale(drawing.db(), OdDbAnnotationScaleList::getScale(drawing.db(), L"1:2"));
    OdDbAnnotativeObject::setAnnotative(mtext, true);
  }
};
} // namespace

TEST_F(MTextRows, RowsFollowTheGeneralRowsInTableOrder)
{
  struct Expected
  {
    const char* category;
    const char* name;
    int type;
    const CKyString* guid;
    const char* icon;
  } expected[] = {
    {"Text", "Contents", 0, nullptr, "Text/Text_Contents"},
    {"Text", "Style", 8, &CKyPropertyType::kTextStyleGUID, "Text/Text_TextStyle"},
    {"Text", "Justify", 0, nullptr, "Text/Text_Justify"},
    {"Text", "Direction", 0, nullptr, "Text/Text_Direction"},
    {"Text", "Width", 2, nullptr, "Text/Text_Width"},
    {"Text", "Text Height", 2, nullptr, "Text/Text_Height"},
    {"Text", "Rotation", 2, &CKyPropertyType::kAngleGUID, "Text/Text_Rotation"},
    {"Text", "Background mask", 0, nullptr, "Text/Text_BackgroundMask"},
    {"Text", "Line space factor", 0, nullptr, "Text/Text_LineSpaceFactor"},
    {"Text", "Line space distance", 0, nullptr, "Text/Text_LineSpaceDistance"},
    {"Text", "Line space style", 0, nullptr, "Text/Text_LineSpaceStyle"},
    {"Geometry", "Position X", 2, &CKyPropertyType::kCoordinateXGUID, "Geometry/Geometry_CoordinateX"},
    {"Geometry", "Position Y", 2, &CKyPropertyType::kCoordinateYGUID, "Geometry/Geometry_CoordinateY"},
    {"Geometry", "Position Z", 2, &CKyPropertyType::kCoordinateZGUID, "Geometry/Geometry_CoordinateZ"},
  };
  KyPaletteRows rows(mtext);
  const CKyPropertiesContainerImpl& c = rows.container();
  ASSERT_EQ(c.GetCount(), 8 + 14 + 1 + 1);
  EXPECT_EQ(c.GetAt(7)->GetName().toQString(), "Transparency");
  for (int i = 0; i < 14; ++i)
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
    EXPECT_FALSE(d->IsDynamic());
    EXPECT_FALSE(d->IsReadOnly(mtext));
    EXPECT_EQ(d->GetVisibility() & 4, 0u);
  }
  EXPECT_EQ(c.GetAt(22)->GetName().toQString(), "MATCHPROP_Text");
  EXPECT_EQ(c.GetAt(22)->GetVisibility(), 4u);
  EXPECT_EQ(c.GetAt(22)->GetValue(mtext, CKyVariant()).GetId(), mtextId);
  EXPECT_EQ(c.GetAt(23)->GetName().toQString(), "Annotative");
  EXPECT_TRUE(c.GetAt(23)->IsDynamic());

  OdStaticRxObject<CKyMTextPE> pe;
  EXPECT_EQ(pe.GetClassName(mtext).toQString(), "Note");
  EXPECT_TRUE(pe.HasDynamicProperties());
  OdStaticRxObject<CKyMTextInfo> info;
  EXPECT_EQ(info.GetClassName(mtext).toQString(), "NOTE");
}

TEST_F(MTextRows, ValueListsCarryTheEnumerationValuesAsTags)
{
  typedef std::vector<std::pair<int, QString>> List;
  EXPECT_EQ(entries(get("Justify")),
            (List{{1, "Top Left"}, {2, "Top Center"}, {3, "Top Right"}, {4, "Middle Left"}, {5, "Middle Center"},
                  {6, "Middle Right"}, {7, "Bottom Left"}, {8, "Bottom Center"}, {9, "Bottom Right"}}));
  EXPECT_EQ(entries(get("Direction")), (List{{1, "Horizontal"}, {3, "Vertical"}, {5, "ByStyle"}}));
  EXPECT_EQ(entries(get("Line space style")), (List{{1, "At least"}, {2, "Exactly"}}));
  EXPECT_EQ(entries(get("Background mask")), (List{{1, "Yes"}, {0, "No"}}));

  struct Case
  {
    const char* row;
    int tag;
    int index; // current index afterwards
  } cases[] = {
    {"Direction", 3, 1},        {"Direction", 2, 1}, // not in the list: nothing changes
    {"Direction", 5, 2},        {"Line space style", 2, 1},
    {"Line space style", 7, 1}, {"Background mask", 1, 0},
    {"Background mask", 4, 0},  {"Background mask", 0, 1},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(testing::Message() << c.row << " " << c.tag);
    EXPECT_EQ(set(c.row, choice(c.tag)), 5100);
    EXPECT_EQ(get(c.row).GetCollection().GetCurrentIndex(), c.index);
  }
  EXPECT_EQ(mtext->flowDirection(), OdDbMText::kByStyle);
  EXPECT_EQ(mtext->lineSpacingStyle(), OdDb::kExactly);
  EXPECT_FALSE(mtext->backgroundFillOn());
}

TEST_F(MTextRows, JustificationKeepsTheBoundingBoxInPlace)
{
  mtext->setRotation(0.3);
  for (int to = 1; to <= 9; ++to)
  {
    SCOPED_TRACE(to);
    OdGePoint3dArray before;
    mtext->getBoundingPoints(before);
    ASSERT_EQ(set("Justify", choice(to)), 5100);
    EXPECT_EQ(mtext->attachment(), to);
    OdGePoint3dArray after;
    mtext->getBoundingPoints(after);
    for (int i = 0; i < 4; ++i)
      EXPECT_TRUE(after[i].isEqualTo(before[i], OdGeTol(1e-9))) << i;
    EXPECT_EQ(get("Justify").GetCollection().GetCurrentIndex(), to - 1);
  }
}

TEST_F(MTextRows, TopLeftToBottomRightMovesTheLocationToTheOldBottomRightCorner)
{
  OdGePoint3dArray before;
  mtext->getBoundingPoints(before);
  ASSERT_EQ(set("Justify", choice(OdDbMText::kBottomRight)), 5100);
  EXPECT_EQ(mtext->location(), before[3]);
  ASSERT_EQ(set("Justify", choice(OdDbMText::kMiddleCenter)), 5100);
  EXPECT_EQ(mtext->location(), OdGePoint3d((before[0].x + before[3].x) * 0.5, (before[0].y + before[3].y) * 0.5, 0));
  const std::string kept = snapshot(mtext);
  EXPECT_EQ(set("Justify", choice(10)), 5100); // outside the list: nothing changes
  EXPECT_EQ(snapshot(mtext), kept);
}

// Far out, the midpoints of the box are taken without overflowing; a box that reaches beyond the
// largest double has no corner to keep and the change is refused.
TEST_F(MTextRows, JustificationNearTheLargestDoubleKeepsTheBoxOrIsRefused)
{
  mtext->setLocation(OdGePoint3d(-1e308, 1e308, -1e308));
  ASSERT_EQ(set("Justify", choice(OdDbMText::kMiddleCenter)), 5100);
  EXPECT_EQ(mtext->location(), OdGePoint3d(-1e308 + 5.0, 1e308 - mtext->actualHeight() / 2.0, -1e308));

  mtext->setWidth(1e300);
  mtext->setLocation(OdGePoint3d(1.7976931348623157e308, 0.0, 0.0));
  const std::string before = snapshot(mtext);
  EXPECT_EQ(set("Justify", choice(OdDbMText::kTopRight)), -5001);
  EXPECT_EQ(snapshot(mtext), before);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MTextRows, WidthIsTheColumnWidthOfATextWithColumns)
{
  EXPECT_DOUBLE_EQ(get("Width").GetDouble(), 10.0);
  EXPECT_EQ(set("Width", CKyVariant(12.0, true)), 5100);
  EXPECT_EQ(mtext->width(), 12.0);

  mtext->setColumnType(OdDbMText::kStaticColumns);
  mtext->setColumnCount(2);
  mtext->setColumnWidth(4.0);
  mtext->setColumnGutterWidth(1.0);
  EXPECT_DOUBLE_EQ(get("Width").GetDouble(), 4.0);
  EXPECT_EQ(set("Width", CKyVariant(5.0, true)), 5100);
  EXPECT_EQ(mtext->getColumnWidth(), 5.0);
  EXPECT_EQ(mtext->getColumnGutterWidth(), 5.0);
  EXPECT_EQ(mtext->width(), 12.0);

  // A width the columns refuse after the gutter took it: the error reaches the palette and the
  // text keeps both sizes.
  const std::string kept = snapshot(mtext);
  OdResult error = eOk;
  try
  {
    set("Width", CKyVariant(1e308, true));
  }
  catch (const OdError& e)
  {
    error = e.code();
  }
  EXPECT_EQ(error, eInvalidInput);
  EXPECT_EQ(snapshot(mtext), kept);
}

TEST_F(MTextRows, TextHeightRefusesZeroWithoutAMessage)
{
  EXPECT_EQ(set("Text Height", CKyVariant(3.5, true)), 5100);
  EXPECT_EQ(mtext->textHeight(), 3.5);
  EXPECT_EQ(set("Text Height", CKyVariant(0.0, true)), -5001);
  EXPECT_EQ(set("Text Height", CKyVariant(1e-11, true)), -5001);
  EXPECT_EQ(mtext->textHeight(), 3.5);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MTextRows, RotationIsRelativeToTheCurrentUcs)
{
  const double deg30 = M_PI / 6;
  struct Case
  {
    const char* label;
    OdGeVector3d xAxis, yAxis;
    double stored;   // the text's rotation
    double shown;    // what the row shows for it
    double entered;  // a value entered
    double written;  // what is stored for it
  } cases[] = {
    {"world", OdGeVector3d::kXAxis, OdGeVector3d::kYAxis, 0.5, 0.5, 0.25, 0.25},
    {"rotated 30 degrees", OdGeVector3d(std::cos(deg30), std::sin(deg30), 0),
     OdGeVector3d(-std::sin(deg30), std::cos(deg30), 0), deg30, 0.0, 0.0, deg30},
    // Z pointing down: angles are measured from the negative world X axis.
    {"Z down, X along -X", -OdGeVector3d::kXAxis, OdGeVector3d::kYAxis, 0.5, 0.5, 0.25, 0.25},
    {"Z down, X along +X", OdGeVector3d::kXAxis, -OdGeVector3d::kYAxis, 0.5, 0.5 - M_PI, 0.0, M_PI},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.label);
    drawing.setUcs(OdGePoint3d(3, 4, 0), c.xAxis, c.yAxis);
    mtext->setRotation(c.stored);
    EXPECT_NEAR(get("Rotation").GetDouble(), c.shown, 1e-12);
    EXPECT_EQ(set("Rotation", CKyVariant(c.entered, true)), 5100);
    EXPECT_NEAR(mtext->rotation(), c.written, 1e-12);
  }
  EXPECT_EQ(set("Rotation", CKyVariant(CKyString("1"))), -5001);
}

TEST_F(MTextRows, LineSpacingStaysWithinItsLimitsAndSaysSo)
{
  mtext->setTextHeight(2.7); // a height at which the distance of factor 4 does not divide back exactly
  const double h = 2.7;
  const char* const distance = "Line space distance";
  const char* const factor = "Line space factor";
  struct Case
  {
    const char* row;
    double value;
    bool accepted;
    double factor; // afterwards
  } cases[] = {
    {factor, 0.25, true, 0.25},
    {factor, 4.0, true, 4.0},
    {factor, 4.0001, false, 4.0},
    {factor, 0.2499, false, 4.0},
    {distance, 5.0 / 3.0 * h, true, 1.0},
    {distance, 5.0 / 3.0 * 4.0 * h, true, 4.0},
    {distance, 5.0 / 3.0 * 0.25 * h, true, 0.25},
    {distance, 5.0 / 3.0 * 4.0001 * h, false, 0.25},
    {distance, 0.0, false, 0.25},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(testing::Message() << c.row << " " << c.value);
    messages.messages.clear();
    EXPECT_EQ(set(c.row, CKyVariant(c.value, c.row == distance)), c.accepted ? 5100 : -5001);
    EXPECT_NEAR(mtext->lineSpacingFactor(), c.factor, 1e-12);
    if (c.accepted)
    {
      EXPECT_TRUE(messages.messages.empty());
    }
    else
    {
      ASSERT_EQ(messages.messages.size(), 1u);
      EXPECT_EQ(messages.messages[0].text, "Invalid input");
      EXPECT_EQ(messages.messages[0].caption, "Error");
    }
  }
  EXPECT_NEAR(get(distance).GetDouble(), 5.0 / 3.0 * 0.25 * h, 1e-12);
  messages.messages.clear();
  EXPECT_EQ(set(factor, CKyVariant(CKyString("1"))), -5001); // not a number: refused without a message
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MTextRows, AnnotativePassShowsModelSizesReadOnlyAndTheNextPassRestoresThem)
{
  makeAnnotative();
  {
    KyPaletteRows rows(mtext);
    const std::vector<std::string> names = rows.names();
    EXPECT_EQ(std::vector<std::string>(names.end() - 6, names.end()),
              (std::vector<std::string>{"MATCHPROP_Text", "Annotative", "Annotative Scale", "Sheet text height",
                                        "Sheet defined width", "Match orientation to sheet"}));
    struct Row
    {
      const char* name;
      bool readOnly;
      const char* icon;
      double value;
    } expected[] = {
      {"Model defined width", true, ":/Text/Text_model_defined_width.png", 10.0},
      {"Model text height", true, ":/Text/Text_model_text_height.png", 2.0},
      {"Sheet text height", false, ":/Text/Text_sheet_text_height.png", 1.0},
      {"Sheet defined width", true, ":/Text/Text_sheet_defined_width.png", 5.0},
    };
    for (const Row& e : expected)
    {
      SCOPED_TRACE(e.name);
      const CKyPropertyDescription* d = rows.row(e.name, "Text");
      ASSERT_NE(d, nullptr);
      EXPECT_EQ(d->IsReadOnly(mtext), e.readOnly);
      EXPECT_EQ(d->GetIcon().toQString(), e.icon);
      EXPECT_DOUBLE_EQ(d->GetValue(mtext, CKyVariant()).GetDouble(), e.value);
    }
    EXPECT_EQ(rows.container().GetAt(12), rows.row("Model defined width"));
    EXPECT_EQ(rows.container().GetAt(13), rows.row("Model text height"));
    EXPECT_EQ(rows.row("Width"), nullptr);
    EXPECT_EQ(rows.row("Text Height"), nullptr);
    expectIconsExist(rows.container());
    const CKyPropertyDescription* scale = rows.row("Annotative Scale");
    EXPECT_EQ(scale->GetDescription().toQString(), "Edit annotation scales");
    EXPECT_EQ(scale->GetValue(mtext, CKyVariant()).GetString().toQString(), "1:2");
    EXPECT_EQ(rows.row("Sheet defined width")->SetValue(mtext, CKyVariant(9.0, true), CKyVariant()), 5100);
    EXPECT_EQ(mtext->width(), 10.0);
    EXPECT_EQ(rows.row("Sheet text height")->SetValue(mtext, CKyVariant(2.0, true), CKyVariant()), 5100);
    EXPECT_DOUBLE_EQ(mtext->textHeight(), 4.0);
    EXPECT_EQ(rows.row("Sheet text height")->SetValue(mtext, CKyVariant(0.0, true), CKyVariant()), -5001);

    OdArray<OdDbObjectId> ids;
    ids.append(mtextId);
    scale->DoGroupedAction(ids, CKyVariant(), CKyVariant());
    ASSERT_EQ(messages.scaleDialogs.size(), 1u);
    EXPECT_EQ(messages.scaleDialogs[0], ids);
  }

  EXPECT_EQ(set("Annotative", choice(0)), 5100);
  KyPaletteRows rows(mtext);
  EXPECT_EQ(rows.names().back(), "Annotative");
  const CKyPropertyDescription* width = rows.row("Width", "Text");
  const CKyPropertyDescription* height = rows.row("Text Height", "Text");
  ASSERT_NE(width, nullptr);
  ASSERT_NE(height, nullptr);
  EXPECT_FALSE(width->IsReadOnly(mtext));
  EXPECT_FALSE(height->IsReadOnly(mtext));
  EXPECT_EQ(width->GetIcon().toQString(), ":/Text/Text_Width.png");
  EXPECT_EQ(width->GetDarkIcon().toQString(), ":/Text/svg_icons/Text/Text_Width.svg");
  EXPECT_EQ(height->GetIcon().toQString(), ":/Text/Text_Height.png");
  expectIconsExist(rows.container());
}

TEST_F(MTextRows, AnyJustificationMayBecomeAnnotativeAndFollowTheSheet)
{
  mtext->setAttachment(OdDbMText::kBottomRight);
  mtext->setRotation(0.4);
  EXPECT_EQ(set("Annotative", choice(1)), 5100);
  EXPECT_TRUE(OdDbAnnotativeObject::isAnnotative(mtext));
  EXPECT_FALSE(readOnly("Rotation"));
  EXPECT_EQ(set("Match orientation to sheet", choice(1)), 5100);
  EXPECT_FALSE(mtext->xData(L"AcadAnnoPO").isNull());
  EXPECT_EQ(get("Rotation").GetDouble(), 0.0);
  EXPECT_TRUE(readOnly("Rotation"));
  EXPECT_EQ(set("Match orientation to sheet", choice(0)), 5100);
  EXPECT_TRUE(mtext->xData(L"AcadAnnoPO").isNull());
  EXPECT_DOUBLE_EQ(get("Rotation").GetDouble(), 0.4);
}

TEST_F(MTextRows, RefusalsLeaveTheTextUnchanged)
{
  struct Case
  {
    const char* row;
    CKyVariant value;
  } cases[] = {
    {"Contents", CKyVariant(3)},
    {"Style", CKyVariant(CKyString("Standard"))},
    {"Justify", CKyVariant(5)},
    {"Direction", CKyVariant(CKyString("Vertical"))},
    {"Width", CKyVariant(CKyString("3"))},
    {"Width", CKyVariant(std::nan(""), true)},
    {"Text Height", CKyVariant(2)},
    {"Rotation", CKyVariant(INFINITY, true)},
    {"Background mask", CKyVariant(1)},
    {"Line space factor", CKyVariant(2)},
    {"Line space distance", CKyVariant(std::nan(""), true)},
    {"Line space style", CKyVariant(1)},
    {"Position Y", CKyVariant(CKyString("1"))},
    {"Annotative", CKyVariant(1)},
    {"MATCHPROP_Text", CKyVariant(2)},
  };
  const std::string before = snapshot(mtext);
  for (const Case& c : cases)
    EXPECT_EQ(set(c.row, c.value), -5001) << c.row;
  EXPECT_EQ(snapshot(mtext), before);
  mtext->downgradeOpen();
  EXPECT_EQ(set("Contents", CKyVariant(CKyString("x"))), -5001);
  EXPECT_EQ(set("Annotative", choice(1)), -5001);
  mtext->upgradeOpen();
  EXPECT_EQ(snapshot(mtext), before);
}

TEST_F(MTextRows, ContentsLocationAndMatchPropertiesWrite)
{
  EXPECT_EQ(get("Contents").GetString().toQString(), "Hello\\PWorld");
  EXPECT_EQ(set("Contents", CKyVariant(CKyString("{\\LOne}\\PTwo"))), 5100);
  EXPECT_EQ(mtext->contents(), OdString(L"{\\LOne}\\PTwo"));

  drawing.setUcs(OdGePoint3d(0, 0, 5), OdGeVector3d::kXAxis, OdGeVector3d::kYAxis);
  EXPECT_DOUBLE_EQ(get("Position Z").GetDouble(), -5.0);
  EXPECT_EQ(set("Position X", CKyVariant(7.0, true)), 5100);
  EXPECT_EQ(mtext->location(), OdGePoint3d(7, 2, 0));

  mtext->setAttachment(OdDbMText::kTopRight);
  mtext->setBackgroundFill(true);
  OdDbTextPtr source = OdDbText::createObject();
  source->setHeight(1.5);
  EXPECT_EQ(set("MATCHPROP_Text", CKyVariant(drawing.add(source))), 5100);
  EXPECT_EQ(mtext->attachment(), OdDbMText::kMiddleCenter);
  EXPECT_FALSE(mtext->backgroundFillOn());
  EXPECT_EQ(mtext->textHeight(), 1.5);
  OdDbLinePtr line = OdDbLine::createObject();
  EXPECT_EQ(set("MATCHPROP_Text", CKyVariant(drawing.add(line))), -5001);
}

TEST_F(MTextRows, ListingPrintsItsLinesInOrder)
{
  mtext->setRotation(0.25);
  mtext->setLineSpacingFactor(1.5);
  mtext->setAttachment(OdDbMText::kMiddleRight);
  mtext->setFlowDirection(OdDbMText::kRtoL);
  OdStaticRxObject<CKyMTextInfo> info;
  KyRecordingPrintContext plain;
  info.PrintObjectInfo(mtext, &plain);
  const std::vector<std::string> tail = {"Annotative", "Position",     "Width",      "Normal",    "Angle", "TextStyle",
                                         "Text Height", "Line Spacing", "Attachment", "Direction", "Contents"};
  std::vector<std::string> labels = plain.labels();
  ASSERT_GE(labels.size(), tail.size());
  EXPECT_EQ(std::vector<std::string>(labels.end() - tail.size(), labels.end()), tail);
  EXPECT_EQ(plain.find("Annotative")->value, "No");
  EXPECT_EQ(plain.find("Position")->value, "1,2,0");
  EXPECT_EQ(plain.find("Width")->value, "10");
  EXPECT_EQ(plain.find("Normal")->value, "0,0,1");
  EXPECT_EQ(plain.find("Angle")->value, "0.25");
  EXPECT_EQ(plain.find("Text Height")->value, "2");
  EXPECT_EQ(plain.find("Line Spacing")->kind, "PrintDist");
  EXPECT_EQ(plain.find("Line Spacing")->value, "1.5");
  EXPECT_EQ(plain.find("Attachment")->value, "MiddleRight");
  EXPECT_EQ(plain.find("Direction")->value, "Right to Left");
  EXPECT_EQ(plain.find("Contents")->value, "Hello\\PWorld");

  makeAnnotative();
  KyRecordingPrintContext annotative;
  info.PrintObjectInfo(mtext, &annotative);
  labels = annotative.labels();
  const std::vector<std::string> annotativeTail = {
    "Annotative", "Annotative Scale", "Position",          "Width",        "Normal",     "Angle",
    "TextStyle",  "Sheet text height", "Model text height", "Line Spacing", "Attachment", "Direction",
    "Contents"};
  ASSERT_GE(labels.size(), annotativeTail.size());
  EXPECT_EQ(std::vector<std::string>(labels.end() - annotativeTail.size(), labels.end()), annotativeTail);
  EXPECT_EQ(annotative.find("Sheet text height")->value, "1");
  EXPECT_EQ(annotative.find("Model text height")->value, "2");
}

// A style with a fixed height gives the text that height; a style without one, or making the text
// annotative, keeps the text's.
TEST_F(MTextRows, StyleWithAFixedHeightGivesTheTextItsHeight)
{
  const OdDbObjectId fixed = drawing.addTextStyle(L"Fixed", [](OdDbTextStyleTableRecord* s) { s->setTextSize(7.5); });
  const OdDbObjectId free = drawing.addTextStyle(L"Free", [](OdDbTextStyleTableRecord*) {});
  EXPECT_EQ(set("Style", CKyVariant(free)), 5100);
  EXPECT_EQ(mtext->textStyle(), free);
  EXPECT_DOUBLE_EQ(mtext->textHeight(), 2.0);
  EXPECT_EQ(set("Style", CKyVariant(fixed)), 5100);
  EXPECT_EQ(mtext->textStyle(), fixed);
  EXPECT_DOUBLE_EQ(mtext->textHeight(), 7.5);
  // Making the text annotative keeps the height it has.
  mtext->setTextHeight(3.0);
  EXPECT_EQ(set("Annotative", choice(1)), 5100);
  EXPECT_DOUBLE_EQ(mtext->textHeight(), 3.0);
}
