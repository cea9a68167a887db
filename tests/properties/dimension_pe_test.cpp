// Dimension rows: the order and kinds of the common, two-arrow and linear rows with the per-object
// annotation rows; refusals with their messages and the dimension unchanged; tolerance modes from
// DIMTOL, DIMLIM and DIMGAP; prefix and suffix around "<>"; zero-suppression bits that flip on
// every call; arrows joined and separate; overrides on one dimension, re-basing on a style and
// match properties; precision lists by unit; the centre mark of one-arrow dimensions; and the
// linear listings with the overrides in force.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "DbAlignedDimension.h"
#include "DbBlockTableRecord.h"
#include "DbDiametricDimension.h"
#include "DbDimStyleTable.h"
#include "DbFiler.h"
#include "DbLinetypeTableRecord.h"
#include "DbObjectContextManager.h"
#include "DbRadialDimension.h"
#include "DbRotatedDimension.h"
#include "DbSymbolTable.h"
#include "DmUtil.h"
#include "KyAlignedDimensionPE.h"
#include "KyConstraints.h"
#include "KyDimension1ArrowPE.h"
#include "KyDimensionPE.h"
#include "KyPropertyType.h"
#include "KyRotatedDimensionPE.h"
#include "KyTestDrawing.h"
#include "RxObjectImpl.h"

namespace
{
CKyVariant choose(int tag)
{
  return CKyVariant(CKyVariantCollectionElement(CKyVariant(tag), CKyVariant()));
}

// The shown entry's text of a list value.
QString shown(const CKyVariant& list)
{
  if (list.GetType() != CKyVariant::kCollection)
    return QStringLiteral("<not a list>");
  const CKyVariantCollection& c = list.GetCollection();
  return c.GetAt(c.GetCurrentIndex()).GetValue().GetString().toQString();
}

struct DimensionRows : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  KyRecordingMessages messages;
  OdDbObjectId plan;
  OdDbRotatedDimensionPtr dim;

  void SetUp() override
  {
    plan = addStyle(L"Plan", [](OdDbDimStyleTableRecord* s) { s->setDefaults(true); });
    dim = rotated(plan);
  }
  OdDbObjectId addStyle(const OdString& name, const std::function<void(OdDbDimStyleTableRecord*)>& setup)
  {
    OdDbSymbolTablePtr styles = drawing.db()->getDimStyleTableId().safeOpenObject(OdDb::kForWrite);
    OdDbDimStyleTableRecordPtr style = OdDbDimStyleTableRecord::createObject();
    style->setName(name);
    setup(style);
    return styles->add(style);
  }
  OdDbRotatedDimensionPtr rotated(const OdDbObjectId& style)
  {
    OdDbRotatedDimensionPtr d = OdDbRotatedDimension::createObject();
    d->setDimensionStyle(style);
    d->setXLine2Point(OdGePoint3d(10, 0, 0));
    d->setDimLinePoint(OdGePoint3d(5, -3, 0));
    drawing.add(d);
    return d;
  }
  const CKyPropertyDescription* row(KyPaletteRows& rows, const char* name, const char* category)
  {
    const CKyPropertyDescription* d = rows.row(name, category);
    if (!d)
      ADD_FAILURE() << category << " / " << name;
    return d;
  }
  CKyVariant get(const OdDbDimension* on, const char* category, const char* name)
  {
    KyPaletteRows rows(on);
    const CKyPropertyDescription* d = row(rows, name, category);
    return d ? d->GetValue(on, CKyVariant()) : CKyVariant();
  }
  CKyVariant get(const char* category, const char* name) { return get(dim, category, name); }
  int set(OdDbDimension* on, const char* category, const char* name, const CKyVariant& value)
  {
    KyPaletteRows rows(on);
    const CKyPropertyDescription* d = row(rows, name, category);
    return d ? d->SetValue(on, value, CKyVariant()) : 0;
  }
  int set(const char* category, const char* name, const CKyVariant& value) { return set(dim, category, name, value); }
  bool readOnly(const char* category, const char* name)
  {
    KyPaletteRows rows(dim);
    const CKyPropertyDescription* d = row(rows, name, category);
    return d && d->IsReadOnly(dim);
  }
  std::string state() const
  {
    OdDbDxfTagList tags;
    dim->dxfOutFields(&tags);
    return tags.toString();
  }
};
} // namespace

TEST_F(DimensionRows, LinearDimensionsListTheCommonTwoArrowAndLinearRowsInOrder)
{
  KyPaletteRows rows(dim);
  const std::vector<std::string> names = rows.names();
  // General (8), the common rows (32 and the hidden carrier), the per-object "Annotative", the
  // two-arrow rows (25) and the linear rows (25).
  ASSERT_EQ(names.size(), 8u + 33u + 1u + 25u + 25u);
  const struct
  {
    int at;
    const char* name;
    const char* category;
    int type;
    const CKyString* guid;
    const char* icon;
  } expected[] = {
    {8, "Associative", "General", 0, nullptr, ":/General/General_Associative.png"},
    {9, "Dim style", "Misc", 8, &CKyPropertyType::kDimStyleGUID, ":/Misc/Misc_DimStyle.png"},
    {10, "Arrow size", "Lines && Arrows", 0, nullptr, ":/Lines_Arrows/Lines_Arrows_ArrowSize.png"},
    {11, "Fill color", "Text", 5, &CKyPropertyType::kBackgroundColorGUID, ":/Text/Text_FillColor.png"},
    {15, "TextStyle", "Text", 8, &CKyPropertyType::kTextStyleGUID, ":/Text/Text_TextStyle.png"},
    {18, "Rotation", "Text", 2, &CKyPropertyType::kAngleGUID, ":/Text/Text_Rotation.png"},
    {22, "Decimal separator", "Primary UnitSystem", 0, nullptr, ":/Primary_units/Primary_units_DecimalSeparator.png"},
    {36, "Inspection frame", "Tolerance", 0, nullptr, ":/Misc/InspectionDim_On_20.png"},
    {39, "Inspection rate", "Tolerance", 0, nullptr, ":/Misc/InspectionRate.png"},
    {40, "MATCHPROP_Dimension", "MATCHPROP", 0, nullptr, ""},
    {41, "Annotative", "Misc", 6, nullptr, ":/Misc/Misc_annotative.png"},
    {42, "Arrow 1", "Lines && Arrows", 0, nullptr, ":/Lines_Arrows/Lines_Arrows_Arrow1.png"},
    {44, "DimLine LWeight", "Lines && Arrows", 4, &CKyPropertyType::kLineweightGUID,
     ":/Lines_Arrows/Lines_Arrows_DimLineWeight.png"},
    {66, "Text inside", "Fit", 0, nullptr, ":/Fit/Fit_TextInside.png"},
    {67, "Fractional type", "Text", 0, nullptr, ":/Text/Text_FractionalType.png"},
    {70, "Dim UnitSystem", "Primary UnitSystem", 0, nullptr, ":/Primary_units/Primary_units_AltFormat.png"},
    {91, "Alt suppress zeros inches", "Alternate UnitSystem", 0, nullptr,
     ":/Alternate_units/Alternate_units_AltSupZeroInches.png"},
  };
  for (const auto& e : expected)
  {
    SCOPED_TRACE(e.name);
    const CKyPropertyDescription* d = rows.container().GetAt(e.at);
    EXPECT_EQ(d->GetName().toQString(), e.name);
    EXPECT_EQ(d->GetCategory().toQString(), e.category);
    EXPECT_EQ(static_cast<int>(d->GetType().GetType()), e.type);
    EXPECT_EQ(d->GetType().GetGUID().toQString(), e.guid ? e.guid->toQString() : QString());
    EXPECT_EQ(d->GetIcon().toQString(), e.icon);
  }
  EXPECT_EQ(rows.container().GetAt(36)->GetDarkIcon().toQString(), ":/Misc/svg_icons/Misc/InspectionDim_On.svg");
  EXPECT_EQ(rows.container().GetAt(40)->GetVisibility(), 4);
  // Annotative dimensions add the scale row.
  OdDbAnnotativeObject::setAnnotative(dim, true);
  KyPaletteRows annotative(dim);
  EXPECT_EQ(annotative.names().size(), names.size() + 1);
  const CKyPropertyDescription* scale = annotative.row("Annotative Scale", "Misc");
  ASSERT_TRUE(scale);
  EXPECT_EQ(scale->GetIcon().toQString(), ":/Misc/Misc_annotative_scale.png");
  EXPECT_EQ(scale->GetDarkIcon().toQString(), ":/Misc/svg_icons/Misc/Misc_annotative.svg");
  EXPECT_EQ(scale->GetDescription().toQString(), "Edit annotation scales");
  OdStaticRxObject<CKyRotatedDimensionPE> rotatedPE;
  OdStaticRxObject<CKyAlignedDimensionPE> alignedPE;
  EXPECT_EQ(rotatedPE.GetClassName(dim).toQString(), "RotatedDimension");
  EXPECT_EQ(alignedPE.GetClassName(dim).toQString(), "AlignedDimension");
  // Kinds that keep the common extension's per-object pass run it a second time after their
  // rows: it adds nothing then, on either kind of dimension; alone on an empty list it adds the
  // per-object rows.
  OdStaticRxObject<CKyDimensionPE> commonPE;
  for (const bool isAnnotative : {true, false})
  {
    OdDbAnnotativeObject::setAnnotative(dim, isAnnotative);
    KyPaletteRows again(dim);
    const int count = again.container().GetCount();
    commonPE.GetPropertyNamesDynamic(dim, &again.container());
    EXPECT_EQ(again.container().GetCount(), count) << isAnnotative;
    CKyPropertiesContainerImpl alone;
    commonPE.GetPropertyNamesDynamic(dim, &alone);
    ASSERT_EQ(alone.GetCount(), isAnnotative ? 2 : 1);
    EXPECT_EQ(alone.GetAt(0)->GetName().toQString(), "Annotative");
  }
}

TEST_F(DimensionRows, RefusedValuesShowTheirMessageAndLeaveTheDimension)
{
  const struct
  {
    const char* category;
    const char* name;
    CKyVariant value;
    const char* message; // null: refused without a message
  } cases[] = {
    {"Lines && Arrows", "Arrow size", CKyVariant(-0.1, true), "Value must be positive"},
    {"Text", "Text height", CKyVariant(0.0, true), "Value must be positive"},
    {"Primary UnitSystem", "Dim Roundoff", CKyVariant(-1.0, true), "Value must be positive"},
    {"Tolerance", "Tolerance text height", CKyVariant(-1.0, true), "Value must be positive"},
    {"Alternate UnitSystem", "Alt round", CKyVariant(-0.5, true), "Value must be positive"},
    {"Alternate UnitSystem", "Alt scale", CKyVariant(0.0, false), "Value must be positive"},
    {"Fit", "Dim scale overall", CKyVariant(-1.0, false), "Value must be non-negative"},
    {"Lines && Arrows", "ExtLine ext", CKyVariant(-0.1, true), "Value must be non-negative"},
    {"Lines && Arrows", "ExtLine offset", CKyVariant(-0.1, true), "Value must be non-negative"},
    {"Primary UnitSystem", "Dim scale linear", CKyVariant(0.0, false), "Value must be non-zero"},
    {"Primary UnitSystem", "Decimal separator", CKyVariant(CKyString(QStringLiteral("ab"))),
     "Decimal separator must be one character"},
    {"Lines && Arrows", "ExtLine fixed length", CKyVariant(0.0, true), nullptr},
    {"Lines && Arrows", "Arrow size", CKyVariant(CKyString(QStringLiteral("3"))), nullptr},
    {"Text", "Text color", CKyVariant(2.0, true), nullptr},
    {"Misc", "Dim style", CKyVariant(drawing.db()->getLayerZeroId()), nullptr},
  };
  const std::string before = state();
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.name);
    messages.messages.clear();
    EXPECT_EQ(set(c.category, c.name, c.value), -5001);
    EXPECT_EQ(state(), before);
    if (!c.message)
    {
      EXPECT_TRUE(messages.messages.empty());
      continue;
    }
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, c.message);
    EXPECT_EQ(messages.messages[0].caption, "Error");
  }
  // The boundaries are accepted: zero arrow size, roundoff and tolerance height, a negative linear
  // scale, an alternate roundoff of 0.
  EXPECT_EQ(set("Lines && Arrows", "Arrow size", CKyVariant(0.0, true)), 5100);
  EXPECT_EQ(set("Primary UnitSystem", "Dim Roundoff", CKyVariant(0.0, true)), 5100);
  EXPECT_EQ(set("Tolerance", "Tolerance text height", CKyVariant(0.0, true)), 5100);
  EXPECT_EQ(set("Primary UnitSystem", "Dim scale linear", CKyVariant(-1.0, false)), 5100);
  EXPECT_EQ(set("Alternate UnitSystem", "Alt round", CKyVariant(0.0, true)), 5100);
  EXPECT_DOUBLE_EQ(dim->dimasz(), 0.0);
  EXPECT_DOUBLE_EQ(dim->dimlfac(), -1.0);
  // Open for read only, nothing is written.
  dim->downgradeOpen();
  EXPECT_EQ(set("Text", "Text height", CKyVariant(1.0, true)), -5001);
}

TEST_F(DimensionRows, ToleranceDisplayFollowsTolLimAndAFramedText)
{
  const struct
  {
    bool tol, lim;
    double gap, tp, tm;
    const char* shown;
    bool lowerReadOnly, upperReadOnly, precisionReadOnly;
  } modes[] = {
    {false, false, 0.5, 0, 0, "None", true, true, true},
    {true, false, 0.5, 0.1, 0.1, "Symmetrical", true, false, false},
    {true, false, 0.5, 0.1, 0.2, "Deviation", false, false, false},
    {false, true, 0.5, 0.1, 0.2, "Limits", false, false, false},
    {true, true, -0.5, 0.1, 0.2, "Basic", true, true, true},
    {false, true, -0.5, 0.1, 0.2, "Basic", true, true, true},
  };
  for (const auto& m : modes)
  {
    SCOPED_TRACE(m.shown);
    dim->setDimtol(m.tol);
    dim->setDimlim(m.lim);
    dim->setDimgap(m.gap);
    dim->setDimtp(m.tp);
    dim->setDimtm(m.tm);
    EXPECT_EQ(shown(get("Tolerance", "Tolerance display")), m.shown);
    EXPECT_EQ(readOnly("Tolerance", "Tolerance limit lower"), m.lowerReadOnly);
    EXPECT_EQ(readOnly("Tolerance", "Tolerance limit upper"), m.upperReadOnly);
    EXPECT_EQ(readOnly("Tolerance", "Tolerance precision"), m.precisionReadOnly);
  }
  // From Basic any other mode first turns the offset positive.
  EXPECT_EQ(set("Tolerance", "Tolerance display", choose(1)), 5100);
  EXPECT_DOUBLE_EQ(dim->dimgap(), 0.5);
  EXPECT_DOUBLE_EQ(dim->dimtm(), dim->dimtp());
  EXPECT_EQ(shown(get("Tolerance", "Tolerance display")), "Symmetrical");
  // Deviation on a symmetrical tolerance moves the lower limit just above the upper one.
  EXPECT_EQ(set("Tolerance", "Tolerance display", choose(2)), 5100);
  EXPECT_DOUBLE_EQ(dim->dimtm(), 0.1 + 1e-8);
  EXPECT_EQ(shown(get("Tolerance", "Tolerance display")), "Deviation");
  // The upper limit of a symmetrical tolerance moves the lower one with it.
  set("Tolerance", "Tolerance display", choose(1));
  EXPECT_EQ(set("Tolerance", "Tolerance limit upper", CKyVariant(0.3, true)), 5100);
  EXPECT_DOUBLE_EQ(dim->dimtm(), 0.3);
  EXPECT_EQ(set("Tolerance", "Tolerance display", choose(4)), 5100);
  EXPECT_DOUBLE_EQ(dim->dimgap(), -0.5);
  EXPECT_FALSE(dim->dimtol());
}

TEST_F(DimensionRows, PrefixSuffixRotationAndZeroSuppression)
{
  dim->setDimpost(L"mm");
  EXPECT_EQ(get("Primary UnitSystem", "Dim suffix").GetString().toQString(), "mm");
  EXPECT_EQ(get("Primary UnitSystem", "Dim prefix").GetString().toQString(), "");
  EXPECT_EQ(set("Primary UnitSystem", "Dim prefix", CKyVariant(CKyString(QStringLiteral("~")))), 5100);
  EXPECT_EQ(dim->dimpost(), OdString(L"~<>mm"));
  EXPECT_EQ(set("Primary UnitSystem", "Dim suffix", CKyVariant(CKyString(QStringLiteral(" m")))), 5100);
  EXPECT_EQ(dim->dimpost(), OdString(L"~<> m"));
  EXPECT_EQ(get("Primary UnitSystem", "Dim prefix").GetString().toQString(), "~");

  dim->setTextRotation(-M_PI / 2);
  EXPECT_DOUBLE_EQ(get("Text", "Rotation").GetDouble(), 3 * M_PI / 2);

  // The leading-zero row flips bit 4 whichever entry is chosen; zero feet and inches rewrite the
  // two low bits only.
  dim->setDimzin(0);
  EXPECT_EQ(shown(get("Primary UnitSystem", "Suppress leading zeros")), "No");
  set("Primary UnitSystem", "Suppress leading zeros", choose(4));
  EXPECT_EQ(dim->dimzin(), 4);
  set("Primary UnitSystem", "Suppress leading zeros", choose(4));
  EXPECT_EQ(dim->dimzin(), 0);
  set("Primary UnitSystem", "Suppress trailing zeros", choose(8));
  EXPECT_EQ(dim->dimzin(), 8);
  EXPECT_EQ(shown(get("Primary UnitSystem", "Suppress zero feet")), "Yes");
  set("Primary UnitSystem", "Suppress zero feet", choose(0));
  EXPECT_EQ(dim->dimzin(), 8 | 2);
  EXPECT_EQ(shown(get("Primary UnitSystem", "Suppress zero inches")), "Yes");
  set("Primary UnitSystem", "Suppress zero inches", choose(0));
  EXPECT_EQ(dim->dimzin(), 8 | 1);
  set("Primary UnitSystem", "Suppress zero feet", choose(1));
  EXPECT_EQ(dim->dimzin(), 8 | 3);
  EXPECT_EQ(shown(get("Primary UnitSystem", "Suppress zero inches")), "No");
}

// Every feet/inches code under both answers of both rows: the code moves as the two maps say
// and the leading and trailing bits above it stay.
TEST_F(DimensionRows, ZeroFeetAndInchesMapEveryCodeAndKeepTheUpperBits)
{
  const struct
  {
    const char* row;
    int tag;
    int to[4];
    bool yesShown[4];
  } cases[] = {
    {"Suppress zero feet", 1, {0, 3, 0, 3}, {true, false, false, true}},
    {"Suppress zero feet", 0, {2, 1, 2, 1}, {true, false, false, true}},
    {"Suppress zero inches", 1, {0, 2, 2, 0}, {true, false, true, false}},
    {"Suppress zero inches", 0, {3, 1, 1, 3}, {true, false, true, false}},
  };
  for (const auto& c : cases)
    for (int code = 0; code < 4; ++code)
    {
      dim->setDimzin(12 | code);
      EXPECT_EQ(shown(get("Primary UnitSystem", c.row)), c.yesShown[code] ? "Yes" : "No") << c.row << " code " << code;
      EXPECT_EQ(set("Primary UnitSystem", c.row, choose(c.tag)), 5100);
      EXPECT_EQ(dim->dimzin(), 12 | c.to[code]) << c.row << " tag " << c.tag << " code " << code;
    }
}

// The marker anywhere, first, last, twice or missing.
TEST_F(DimensionRows, PrefixAndSuffixSplitAtTheFirstMarker)
{
  const struct
  {
    const wchar_t* post;
    const char* prefix;
    const char* suffix;
    const wchar_t* afterPrefix; // prefix set to "X"
    const wchar_t* afterSuffix; // suffix set to "Y"
  } cases[] = {
    {L"mm", "", "mm", L"X<>mm", L"Y"},
    {L"<>mm", "", "mm", L"X<>mm", L"<>Y"},
    {L"~<>", "~", "", L"X<>", L"~<>Y"},
    {L"", "", "", L"X<>", L"Y"},
    {L"a<>b<>c", "a", "b<>c", L"X<>b<>c", L"a<>Y"},
  };
  const CKyVariant x(CKyString(QStringLiteral("X"))), y(CKyString(QStringLiteral("Y")));
  for (const auto& c : cases)
  {
    dim->setDimpost(c.post);
    EXPECT_EQ(get("Primary UnitSystem", "Dim prefix").GetString().toQString(), c.prefix) << OdString(c.post).toUtf8();
    EXPECT_EQ(get("Primary UnitSystem", "Dim suffix").GetString().toQString(), c.suffix) << OdString(c.post).toUtf8();
    EXPECT_EQ(set("Primary UnitSystem", "Dim prefix", x), 5100);
    EXPECT_EQ(dim->dimpost(), OdString(c.afterPrefix)) << OdString(c.post).toUtf8();
    dim->setDimpost(c.post);
    EXPECT_EQ(set("Primary UnitSystem", "Dim suffix", y), 5100);
    EXPECT_EQ(dim->dimpost(), OdString(c.afterSuffix)) << OdString(c.post).toUtf8();
  }
}

TEST_F(DimensionRows, ArrowsSeparateOnTheFirstChoiceAndUserBlocksAreCustom)
{
  const OdDbObjectId dot = OdDmUtil::getArrowId(L"_Dot", drawing.db());
  dim->setDimblk(dot);
  dim->setDimsah(false);
  EXPECT_EQ(shown(get("Lines && Arrows", "Arrow 1")), "Dot");
  EXPECT_EQ(shown(get("Lines && Arrows", "Arrow 2")), "Dot");
  EXPECT_EQ(set("Lines && Arrows", "Arrow 2", choose(4)), 5100);
  EXPECT_TRUE(dim->dimsah());
  EXPECT_EQ(dim->dimblk1(), dot);
  EXPECT_TRUE(dim->dimblk().isNull());
  EXPECT_EQ(OdDmUtil::arrowName(dim->dimblk2()), OdString(L"_ArchTick"));
  EXPECT_EQ(shown(get("Lines && Arrows", "Arrow 1")), "Dot");
  EXPECT_EQ(shown(get("Lines && Arrows", "Arrow 2")), "Architectural tick");
  // A block of the user's shows as "Custom arrow"; choosing that entry writes no block.
  OdDbSymbolTablePtr blocks = drawing.db()->getBlockTableId().safeOpenObject(OdDb::kForWrite);
  OdDbBlockTableRecordPtr user = OdDbBlockTableRecord::createObject();
  user->setName(L"Flag");
  dim->setDimblk1(blocks->add(user));
  EXPECT_EQ(shown(get("Lines && Arrows", "Arrow 1")), "Custom arrow");
  const OdDbObjectId before = dim->dimblk2();
  EXPECT_EQ(set("Lines && Arrows", "Arrow 2", choose(20)), 5100);
  EXPECT_EQ(dim->dimblk2(), before);
  // The default arrow is the null block.
  EXPECT_EQ(set("Lines && Arrows", "Arrow 1", choose(0)), 5100);
  EXPECT_TRUE(dim->dimblk1().isNull());
  EXPECT_EQ(shown(get("Lines && Arrows", "Arrow 1")), "Closed filled");
}

TEST_F(DimensionRows, OverridesStayOnOneDimensionUntilTheStyleIsChosenAgain)
{
  OdDbRotatedDimensionPtr other = rotated(plan);
  EXPECT_EQ(set("Text", "Text height", CKyVariant(5.0, true)), 5100);
  EXPECT_DOUBLE_EQ(get("Text", "Text height").GetDouble(), 5.0);
  EXPECT_DOUBLE_EQ(get(other, "Text", "Text height").GetDouble(), 2.5);
  OdDbDimStyleTableRecordPtr style = OdDbDimStyleTableRecord::cast(plan.openObject());
  EXPECT_DOUBLE_EQ(style->dimtxt(), 2.5);
  // "Dim style" re-bases the dimension on the style: its overrides are gone.
  const OdDbObjectId detail = addStyle(L"Detail", [](OdDbDimStyleTableRecord* s) { s->setDimtxt(1.25); });
  EXPECT_EQ(set("Misc", "Dim style", CKyVariant(detail)), 5100);
  EXPECT_EQ(dim->dimensionStyle(), detail);
  EXPECT_TRUE(dim->dimVarOverrides().isEmpty());
  EXPECT_DOUBLE_EQ(dim->dimtxt(), 1.25);
  // Match properties: the target takes the source's style and its overrides, and drops its own.
  other->setDimasz(9.0);
  dim->setDimexe(0.75);
  KyPaletteRows rows(other);
  const CKyPropertyDescription* carrier = rows.row("MATCHPROP_Dimension", "MATCHPROP");
  ASSERT_TRUE(carrier);
  EXPECT_EQ(carrier->SetValue(other, CKyVariant(dim->objectId()), CKyVariant()), 5100);
  EXPECT_EQ(other->dimensionStyle(), detail);
  EXPECT_DOUBLE_EQ(other->dimexe(), 0.75);
  EXPECT_DOUBLE_EQ(other->dimasz(), 0.18);
  ASSERT_EQ(other->dimVarOverrides().size(), 1u);
  EXPECT_EQ(carrier->SetValue(other, CKyVariant(drawing.db()->getLayerZeroId()), CKyVariant()), -5001);
}

TEST_F(DimensionRows, PrecisionListsFollowTheUnitsAndReadOnlyRulesTheirSwitches)
{
  const struct
  {
    int unit;
    const char* first;
    const char* second;
    const char* last;
  } units[] = {
    {1, "0E+01", "0.0E+01", "0.00000000E+01"}, {2, "0", "0.0", "0.00000000"},
    {3, "0'-0\"", "0'-0\"", "0'-00000000\""},   {4, "0'-0\"", "0'-0 1/2\"", "0'-0 1/256\""},
    {5, "0", "0 1/2", "0 1/256"},                {9, "", "", ""},
  };
  for (const auto& u : units)
  {
    SCOPED_TRACE(u.unit);
    dim->setDimlunit(static_cast<OdInt16>(u.unit));
    // A precision past the list (from a file) shows the first entry.
    for (int precision : {0, 1, 8, 9, -1})
    {
      dim->setDimdec(static_cast<OdInt16>(precision));
      EXPECT_EQ(shown(get("Primary UnitSystem", "Precision")), precision == 1 ? u.second : precision == 8 ? u.last : u.first)
        << precision;
    }
    EXPECT_EQ(readOnly("Text", "Fractional type"), u.unit != 4 && u.unit != 5);
  }
  // The tolerance precision is decimal whatever the unit.
  for (const auto& p : {std::make_pair(0, "0"), std::make_pair(8, "0.00000000"), std::make_pair(9, "0")})
  {
    dim->setDimtdec(static_cast<OdInt16>(p.first));
    EXPECT_EQ(shown(get("Tolerance", "Tolerance precision")), p.second) << p.first;
  }
  // The alternate rows wait for DIMALT, except the enabling row and the tolerance ones.
  dim->setDimalt(false);
  EXPECT_TRUE(readOnly("Alternate UnitSystem", "Alt format"));
  EXPECT_TRUE(readOnly("Alternate UnitSystem", "Alt suffix"));
  EXPECT_FALSE(readOnly("Alternate UnitSystem", "Alt enabled"));
  EXPECT_FALSE(readOnly("Tolerance", "Alt tolerance suppress zero feet"));
  EXPECT_EQ(set("Alternate UnitSystem", "Alt enabled", choose(1)), 5100);
  EXPECT_FALSE(readOnly("Alternate UnitSystem", "Alt format"));
  dim->setDimaltu(6);
  dim->setDimaltd(1);
  EXPECT_EQ(shown(get("Alternate UnitSystem", "Alt precision")), "0'-0 1/2\"");
  EXPECT_TRUE(readOnly("Lines && Arrows", "ExtLine fixed length"));
  EXPECT_EQ(set("Lines && Arrows", "ExtLine fixed", choose(1)), 5100);
  EXPECT_FALSE(readOnly("Lines && Arrows", "ExtLine fixed length"));
  EXPECT_DOUBLE_EQ(get("Text", "Measurement").GetDouble(), 10.0);
}

TEST_F(DimensionRows, CentreMarksOfOneArrowDimensions)
{
  const CKyPropertyDescriptionImpl none;
  dim->setDimcen(0.0);
  EXPECT_TRUE(CKyDimension1ArrowPE::IsCenterMarkSizeReadOnly(dim, none));
  EXPECT_EQ(shown(CKyDimension1ArrowPE::GetCenterMark(dim, none, CKyVariant())), "None");
  EXPECT_EQ(CKyDimension1ArrowPE::SetCenterMark(dim, none, choose(1), CKyVariant()), 5100);
  EXPECT_DOUBLE_EQ(dim->dimcen(), -0.09);
  EXPECT_EQ(shown(CKyDimension1ArrowPE::GetCenterMark(dim, none, CKyVariant())), "Line");
  EXPECT_EQ(CKyDimension1ArrowPE::SetCenterMarkSize(dim, none, CKyVariant(0.2, true), CKyVariant()), 5100);
  EXPECT_DOUBLE_EQ(dim->dimcen(), -0.2);
  EXPECT_EQ(CKyDimension1ArrowPE::SetCenterMark(dim, none, choose(0), CKyVariant()), 5100);
  EXPECT_DOUBLE_EQ(dim->dimcen(), 0.2);
  messages.messages.clear();
  EXPECT_EQ(CKyDimension1ArrowPE::SetCenterMarkSize(dim, none, CKyVariant(0.0, true), CKyVariant()), -5001);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, "Value must be positive");
  EXPECT_DOUBLE_EQ(dim->dimcen(), 0.2);
}

TEST_F(DimensionRows, ListingsPrintTheLinearLinesAndTheOverridesInForce)
{
  dim->setDimtxt(3.0);
  dim->setDimasz(2.5); // the style's value already: no override line
  dim->setDimpost(L"mm");
  dim->setDimensionText(L"<> total");
  OdStaticRxObject<CKyRotatedDimensionInfo> info;
  KyRecordingPrintContext listing;
  ASSERT_TRUE(info.PrintObjectInfo(dim, &listing));
  const std::vector<std::string> labels = listing.labels();
  // The last lines are the two overrides in list order, after the linear lines.
  ASSERT_GE(labels.size(), 12u);
  const std::vector<std::string> linear = {"related", "type", "2st extension defining point", "defining point",
                                           "default text position", "default text", "DimensionStyle"};
  for (const std::string& label : linear)
    EXPECT_NE(std::find(labels.begin(), labels.end(), label), labels.end()) << label;
  EXPECT_EQ(labels.back(), "DIMTXT");
  EXPECT_EQ(labels[labels.size() - 2], "DIMPOST");
  EXPECT_EQ(labels[labels.size() - 3], "Dimension style overrides");
  EXPECT_EQ(listing.find("type")->value, "rotated");
  EXPECT_EQ(listing.find("DimensionStyle")->value, "Plan");
  EXPECT_EQ(listing.find("DIMPOST")->value, "mm");
  EXPECT_EQ(listing.find("default text")->value, "<> total");
  // Without overrides there is no override block; the aligned kind has its own labels.
  OdDbAlignedDimensionPtr aligned = OdDbAlignedDimension::createObject();
  aligned->setDimensionStyle(plan);
  drawing.add(aligned);
  OdStaticRxObject<CKyAlignedDimensionInfo> alignedInfo;
  KyRecordingPrintContext alignedListing;
  ASSERT_TRUE(alignedInfo.PrintObjectInfo(aligned, &alignedListing));
  EXPECT_EQ(alignedListing.find("Dimension style overrides"), nullptr);
  EXPECT_NE(alignedListing.find("1st extension  defining point"), nullptr);
  EXPECT_EQ(alignedListing.find("type")->value, "aligned");
}

namespace
{
// A constraint service whose drawings drive their constraint dimensions' texts.
struct DrivingConstraints : CKyConstraintUtils, CKyConstraintManager
{
  OdDbDatabase* driven = nullptr;
  int printed = 0;
  CKyConstraintManager* GetConstraintManager() override { return this; }
  bool IsOverrideReadOnly(OdDbDatabase* pDb) override { return pDb == driven; }
  void PrintConstraintInfo(const OdDbEntity*, CKyPrintInfoContext*) override { ++printed; }
};
} // namespace

TEST_F(DimensionRows, ConstraintDimensionsKeepTheirTextAndTheServiceDecidesTheOverrideRow)
{
  EXPECT_FALSE(readOnly("Text", "Text override"));
  EXPECT_EQ(set("Text", "Text override", CKyVariant(CKyString(QStringLiteral("<> wide")))), 5100);
  EXPECT_EQ(dim->dimensionText(), OdString(L"<> wide"));
  // A constraint parameter's text belongs to its constraint: accepted, nothing written.
  dim->setConstraintObject(true);
  EXPECT_EQ(set("Text", "Text override", CKyVariant(CKyString(QStringLiteral("d2")))), 5100);
  EXPECT_EQ(dim->dimensionText(), OdString(L"<> wide"));
  DrivingConstraints service;
  CKyConstraintUtils* former = SetConstraintUtils(&service);
  EXPECT_FALSE(readOnly("Text", "Text override"));
  service.driven = drawing.db();
  EXPECT_TRUE(readOnly("Text", "Text override"));
  OdStaticRxObject<CKyRotatedDimensionInfo> info;
  KyRecordingPrintContext listing;
  info.PrintObjectInfo(dim, &listing);
  EXPECT_EQ(service.printed, 1);
  SetConstraintUtils(former);
}

// The three linetype rows share one remembered list: it must follow the table as it changes
// (a new linetype, a renamed one) and show each dimension's own linetype as current.
TEST_F(DimensionRows, LinetypeListsFollowTheTableAndEachDimensionsOwnLinetype)
{
  auto texts = [](const CKyVariant& list) {
    QStringList out;
    const CKyVariantCollection& c = list.GetCollection();
    for (int i = 0; i < c.GetCount(); ++i)
      out << c.GetAt(i).GetValue().GetString().toQString();
    return out;
  };
  auto addLinetype = [this](const OdString& name) {
    OdDbSymbolTablePtr table = drawing.db()->getLinetypeTableId().safeOpenObject(OdDb::kForWrite);
    OdDbLinetypeTableRecordPtr record = OdDbLinetypeTableRecord::createObject();
    record->setName(name);
    return table->add(record);
  };
  const QStringList before = texts(get("Lines && Arrows", "DimLine LStyle"));
  const OdDbObjectId dashed = addLinetype(L"Dashed");
  const QStringList added = texts(get("Lines && Arrows", "ExtLine 1 LStyle"));
  EXPECT_EQ(added.size(), before.size() + 1);
  EXPECT_TRUE(added.contains("Dashed"));

  OdDbRotatedDimensionPtr other = rotated(plan);
  other->setDimltex1(dashed);
  EXPECT_EQ(shown(get(other, "Lines && Arrows", "ExtLine 1 LStyle")), "Dashed");
  const CKyVariant own = get("Lines && Arrows", "ExtLine 1 LStyle");
  const int current = own.GetCollection().GetCurrentIndex();
  EXPECT_TRUE(current < 0 || texts(own)[current] != "Dashed");

  OdDbLinetypeTableRecordPtr(dashed.safeOpenObject(OdDb::kForWrite))->setName(L"Hidden");
  const QStringList renamed = texts(get(other, "Lines && Arrows", "ExtLine 1 LStyle"));
  EXPECT_TRUE(renamed.contains("Hidden"));
  EXPECT_FALSE(renamed.contains("Dashed"));
  EXPECT_EQ(shown(get(other, "Lines && Arrows", "ExtLine 1 LStyle")), "Hidden");

  // Read while the record is open for write, then changed again without a new opening.
  {
    OdDbLinetypeTableRecordPtr open = dashed.safeOpenObject(OdDb::kForWrite);
    open->setName(L"Phantom");
    EXPECT_TRUE(texts(get(other, "Lines && Arrows", "DimLine LStyle")).contains("Phantom"));
    open->setName(L"Center");
  }
  EXPECT_TRUE(texts(get(other, "Lines && Arrows", "DimLine LStyle")).contains("Center"));
  EXPECT_FALSE(texts(get(other, "Lines && Arrows", "DimLine LStyle")).contains("Phantom"));

  OdDbObjectPtr(dashed.safeOpenObject(OdDb::kForWrite))->erase();
  EXPECT_FALSE(texts(get("Lines && Arrows", "ExtLine 2 LStyle")).contains("Center"));
}

// The arc kinds are not registered with the palette yet: their one-arrow rows are driven
// directly, on objects of each kind, beside a linear dimension that has no extension arc.
TEST_F(DimensionRows, ExtLineSwitchesTheExtensionArcOfRadialAndDiametricDimensions)
{
  const CKyPropertyDescriptionImpl none;
  OdDbRadialDimensionPtr radial = OdDbRadialDimension::createObject();
  radial->setDimensionStyle(plan);
  radial->setCenter(OdGePoint3d(0, 0, 0));
  radial->setChordPoint(OdGePoint3d(0, 4, 0));
  drawing.add(radial);
  OdDbDiametricDimensionPtr diametric = OdDbDiametricDimension::createObject();
  diametric->setDimensionStyle(plan);
  diametric->setFarChordPoint(OdGePoint3d(-2, 0, 0));
  diametric->setChordPoint(OdGePoint3d(2, 0, 0));
  drawing.add(diametric);
  const struct
  {
    OdDbDimension* dim;
    std::function<bool()> arc;
    double measured;
  } kinds[] = {{radial.get(), [&] { return radial->extArcOn(); }, 4.0},
               {diametric.get(), [&] { return diametric->extArcOn(); }, 4.0}};
  for (const auto& k : kinds)
  {
    SCOPED_TRACE(k.dim->isA()->name().c_str());
    EXPECT_EQ(shown(CKyDimension1ArrowPE::GetExtLine(k.dim, none, CKyVariant())), "Off");
    EXPECT_EQ(CKyDimension1ArrowPE::SetExtLine(k.dim, none, choose(1), CKyVariant()), 5100);
    EXPECT_TRUE(k.arc());
    EXPECT_EQ(shown(CKyDimension1ArrowPE::GetExtLine(k.dim, none, CKyVariant())), "On");
    // A value that is not a list element, and a code that is neither on nor off, change nothing.
    EXPECT_EQ(CKyDimension1ArrowPE::SetExtLine(k.dim, none, CKyVariant(0), CKyVariant()), -5001);
    EXPECT_EQ(CKyDimension1ArrowPE::SetExtLine(k.dim, none, choose(7), CKyVariant()), 5100);
    EXPECT_TRUE(k.arc());
    EXPECT_EQ(CKyDimension1ArrowPE::SetExtLine(k.dim, none, choose(0), CKyVariant()), 5100);
    EXPECT_FALSE(k.arc());
    EXPECT_NEAR(CKyDimension1ArrowPE::GetMeasurement(k.dim, none, CKyVariant()).GetDouble(), k.measured, 1e-12);
    // The one arrow of both kinds is the second block.
    const OdDbObjectId before = k.dim->dimblk1();
    EXPECT_EQ(CKyDimension1ArrowPE::SetArrow(k.dim, none, choose(4), CKyVariant()), 5100);
    EXPECT_TRUE(k.dim->dimsah());
    EXPECT_EQ(k.dim->dimblk1(), before);
    EXPECT_EQ(OdDmUtil::arrowName(k.dim->dimblk2()), OdString(L"_ArchTick"));
    EXPECT_EQ(shown(CKyDimension1ArrowPE::GetArrow(k.dim, none, CKyVariant())), "Architectural tick");
    // Open for read: shown, never written.
    k.dim->downgradeOpen();
    EXPECT_EQ(shown(CKyDimension1ArrowPE::GetExtLine(k.dim, none, CKyVariant())), "Off");
    EXPECT_EQ(CKyDimension1ArrowPE::SetExtLine(k.dim, none, choose(1), CKyVariant()), -5001);
    EXPECT_FALSE(k.arc());
  }
  // A dimension without an extension arc shows nothing and takes nothing.
  EXPECT_EQ(CKyDimension1ArrowPE::GetExtLine(dim, none, CKyVariant()).GetType(), CKyVariant::kEmpty);
  const std::string before = state();
  EXPECT_EQ(CKyDimension1ArrowPE::SetExtLine(dim, none, choose(1), CKyVariant()), -5001);
  EXPECT_EQ(CKyDimension1ArrowPE::SetExtLine(nullptr, none, choose(1), CKyVariant()), -5001);
  EXPECT_EQ(state(), before);
}
