// Hatch rows: the fixed rows and the per-object pattern or gradient rows, angles, refused scales
// and spacings with their message, pattern type and name through the host's catalogue, the
// read-only rules, the origin in the UCS, associativity's command-line note, match properties,
// the listing, and the additive area of a selection (clusters, islands, curved loops, refusals).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "DbCircle.h"
#include "DbFiler.h"
#include "DbHatch.h"
#include "Ge/GeCircArc2d.h"
#include "Ge/GeGbl.h"
#include "KyHatchPE.h"
#include "KyTestDrawing.h"
#include "OdError.h"
#include "RxObjectImpl.h"

namespace
{
OdGePoint2dArray squarePoints(double x0, double y0, double side)
{
  OdGePoint2dArray pts;
  pts.append(OdGePoint2d(x0, y0));
  pts.append(OdGePoint2d(x0 + side, y0));
  pts.append(OdGePoint2d(x0 + side, y0 + side));
  pts.append(OdGePoint2d(x0, y0 + side));
  return pts;
}

struct HatchRows : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  KyRecordingMessages messages;

  OdDbHatchPtr addSquare(double x0, double y0, double side, OdDbHatch::HatchStyle style = OdDbHatch::kNormal,
                         double islandSide = 0.0)
  {
    OdDbHatchPtr h = OdDbHatch::createObject();
    h->appendLoop(OdDbHatch::kExternal, squarePoints(x0, y0, side), OdGeDoubleArray());
    if (islandSide > 0.0)
      h->appendLoop(OdDbHatch::kDefault,
                    squarePoints(x0 + (side - islandSide) / 2, y0 + (side - islandSide) / 2, islandSide),
                    OdGeDoubleArray());
    h->setHatchStyle(style);
    drawing.add(h);
    return h;
  }
  OdDbHatchPtr addCircle(double cx, double cy, double r)
  {
    OdDbHatchPtr h = OdDbHatch::createObject();
    h->appendLoop(OdDbHatch::kExternal, OdDbHatch::EdgeArray{new OdGeCircArc2d(OdGePoint2d(cx, cy), r)});
    drawing.add(h);
    return h;
  }
  static const CKyPropertyDescription* row(KyPaletteRows& rows, const char* name)
  {
    for (const char* category : {"Pattern", "Geometry", "General", "MATCHPROP"})
      if (const CKyPropertyDescription* d = rows.row(name, category))
        return d;
    return nullptr;
  }
  CKyVariant get(OdDbHatch* h, const char* name)
  {
    KyPaletteRows rows(h);
    const CKyPropertyDescription* d = row(rows, name);
    EXPECT_NE(d, nullptr) << name;
    return d ? d->GetValue(h, CKyVariant()) : CKyVariant();
  }
  int set(OdDbHatch* h, const char* name, const CKyVariant& value)
  {
    KyPaletteRows rows(h);
    const CKyPropertyDescription* d = row(rows, name);
    EXPECT_NE(d, nullptr) << name;
    return d ? d->SetValue(h, value, CKyVariant()) : 0;
  }
  bool readOnly(OdDbHatch* h, const char* name)
  {
    KyPaletteRows rows(h);
    const CKyPropertyDescription* d = row(rows, name);
    EXPECT_NE(d, nullptr) << name;
    return d ? d->IsReadOnly(h) : false;
  }
  static CKyVariant choice(int tag, const char* text)
  {
    return CKyVariant(CKyVariantCollectionElement(CKyVariant(tag), CKyVariant(CKyString(text))));
  }
  static QStringList entries(const CKyVariant& list)
  {
    QStringList out;
    for (int i = 0; i < list.GetCollection().GetCount(); ++i)
      out << list.GetCollection().GetAt(i).GetValue().GetString().toQString();
    return out;
  }
  static double areaOf(const std::vector<OdDbHatchPtr>& hatches)
  {
    OdArray<OdDbObjectId> ids;
    for (const OdDbHatchPtr& h : hatches)
      ids.append(h->objectId());
    return CKyHatchPE::getAdditiveArea(ids).GetDouble();
  }
};
} // namespace

TEST_F(HatchRows, PatternAndGradientHatchesShowTheirOwnRowSets)
{
  OdDbHatchPtr pattern = addSquare(0, 0, 10);
  pattern->setPattern(OdDbHatch::kPreDefined, L"ANSI31");
  KyPaletteRows rows(pattern);
  std::vector<std::string> names = rows.names();
  const std::vector<std::string> fixed = {"Origin X", "Origin Y", "Associative", "Internal region detection",
                                          "Elevation", "Area", "MATCHPROP_Hatch"};
  const std::vector<std::string> patternRows = {"Type", "Pattern name", "Angle", "Scale", "Spacing",
                                                "Annotative", "Additive area"};
  std::vector<std::string> expected = fixed;
  expected.insert(expected.end(), patternRows.begin(), patternRows.end());
  ASSERT_GE(names.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(names.end() - expected.size(), names.end()), expected);
  EXPECT_EQ(row(rows, "Associative")->GetIcon().toQString(), ":/General/General_Associative.png");
  EXPECT_EQ(row(rows, "Internal region detection")->GetIcon().toQString(), ":/Pattern/Pattern_IslandDetection.png");
  EXPECT_EQ(row(rows, "Spacing")->GetIcon().toQString(), ":/Pattern/Pattern_Spacing.png");
  const CKyPropertyDescription* additive = row(rows, "Additive area");
  ASSERT_NE(additive, nullptr);
  EXPECT_EQ(additive->GetCategory().toQString(), "Geometry");
  EXPECT_EQ(additive->GetDescription().toQString(), "Get additive area");
  EXPECT_TRUE(additive->IsGroupedAction());
  EXPECT_TRUE(additive->IsReadOnly(pattern));
  OdStaticRxObject<CKyHatchPE> pe;
  EXPECT_EQ(pe.GetClassName(pattern).toQString(), "Hatch");

  OdDbHatchPtr gradient = addSquare(20, 0, 5);
  gradient->setHatchObjectType(OdDbHatch::kGradientObject);
  KyPaletteRows gradientRows(gradient);
  names = gradientRows.names();
  const std::vector<std::string> gradientTail = {"Color 1", "Color 2", "Gradient Angle", "Centered", "Annotative",
                                                 "Additive area"};
  EXPECT_EQ(std::vector<std::string>(names.end() - gradientTail.size(), names.end()), gradientTail);
  EXPECT_EQ(pe.GetClassName(gradient).toQString(), "Gradient");
  for (const char* name : {"Color 1", "Color 2", "Gradient Angle", "Centered"})
    EXPECT_FALSE(readOnly(gradient, name)) << name;
}

TEST_F(HatchRows, AnglesScalesAndSpacingsWithTheirRefusals)
{
  OdDbHatchPtr h = addSquare(0, 0, 10);
  h->setPatternAngle(-OdaPI / 2);
  EXPECT_NEAR(get(h, "Angle").GetDouble(), 1.5 * OdaPI, 1e-15);
  EXPECT_EQ(set(h, "Angle", CKyVariant(7.0, true)), 5100);
  EXPECT_DOUBLE_EQ(h->patternAngle(), 7.0);

  h->setPatternScale(2.0);
  EXPECT_FALSE(get(h, "Scale").IsUnitBearing());
  for (double bad : {0.0, -1.0})
  {
    EXPECT_EQ(set(h, "Scale", CKyVariant(bad, false)), -5001);
    EXPECT_DOUBLE_EQ(h->patternScale(), 2.0);
  }
  ASSERT_EQ(messages.messages.size(), 2u);
  EXPECT_EQ(messages.messages[0].text, "Invalid input");
  EXPECT_EQ(messages.messages[0].caption, "Error");
  EXPECT_EQ(set(h, "Scale", CKyVariant(CKyString("2"))), -5001) << "a string is refused";
  EXPECT_EQ(set(h, "Scale", CKyVariant(3.5, false)), 5100);
  EXPECT_DOUBLE_EQ(h->patternScale(), 3.5);

  h->setPattern(OdDbHatch::kUserDefined, L"_U");
  h->setPatternSpace(1.5);
  EXPECT_EQ(set(h, "Spacing", CKyVariant(-0.5, true)), -5001);
  EXPECT_DOUBLE_EQ(h->patternSpace(), 1.5);
  EXPECT_EQ(messages.messages.size(), 3u);
  EXPECT_EQ(set(h, "Spacing", CKyVariant(0.25, true)), 5100);
  EXPECT_DOUBLE_EQ(h->patternSpace(), 0.25);
}

TEST_F(HatchRows, PatternTypeAndNameGoThroughTheCatalogue)
{
  OdDbHatchPtr h = addSquare(0, 0, 10);
  h->setPattern(OdDbHatch::kPreDefined, L"ANSI31");
  // No custom patterns loaded: two types.
  EXPECT_EQ(entries(get(h, "Type")), QStringList({"User-defined", "Predefined"}));
  EXPECT_EQ(get(h, "Type").GetCollection().GetCurrentIndex(), 1);
  EXPECT_FALSE(readOnly(h, "Pattern name"));
  EXPECT_FALSE(readOnly(h, "Scale"));
  EXPECT_TRUE(readOnly(h, "Spacing"));

  EXPECT_EQ(set(h, "Type", choice(0, "User-defined")), 5100);
  EXPECT_EQ(h->patternType(), OdDbHatch::kUserDefined);
  EXPECT_EQ(h->patternName(), OdString(L"_U"));
  EXPECT_EQ(get(h, "Pattern name").GetString().toQString(), "_U");
  EXPECT_TRUE(readOnly(h, "Pattern name"));
  EXPECT_TRUE(readOnly(h, "Scale"));
  EXPECT_FALSE(readOnly(h, "Spacing"));

  // Back to predefined: the catalogue's first pattern with its lines, angle and scale kept.
  h->setPatternAngle(0.5);
  EXPECT_EQ(set(h, "Type", choice(1, "Predefined")), 5100);
  EXPECT_EQ(h->patternType(), OdDbHatch::kPreDefined);
  EXPECT_EQ(h->patternName(), OdString(L"SOLID"));
  EXPECT_DOUBLE_EQ(h->patternAngle(), 0.5);
  EXPECT_EQ(set(h, "Type", choice(9, "Other")), 5100);
  EXPECT_EQ(h->patternName(), OdString(L"SOLID"));

  EXPECT_EQ(set(h, "Pattern name", choice(2, "ANSI31")), 5100);
  EXPECT_EQ(h->patternName(), OdString(L"ANSI31"));
  ASSERT_EQ(h->numPatternDefinitions(), 1);
  const CKyVariant names = get(h, "Pattern name");
  const int at = entries(names).indexOf("ANSI31");
  EXPECT_GE(at, 0);
  EXPECT_EQ(names.GetCollection().GetCurrentIndex(), at);

  // An element whose text is no entry is taken by its position.
  const CKyVariant list = get(h, "Pattern name");
  EXPECT_EQ(set(h, "Pattern name", choice(3, "?")), 5100);
  EXPECT_EQ(CKyString(h->patternName()).toQString(), entries(list)[3]);

  // A name the catalogue lacks is still shown, selected, as the last entry; the prefix and
  // suffixes of library names are cleaned off.
  h->setPattern(OdDbHatch::kPreDefined, L"ACAD_WAVES_eng_iso");
  const CKyVariant unknown = get(h, "Pattern name");
  EXPECT_EQ(entries(unknown).last(), "WAVES");
  EXPECT_EQ(unknown.GetCollection().GetCurrentIndex(), unknown.GetCollection().GetCount() - 1);
  EXPECT_EQ(entries(unknown).count("WAVES"), 1);
}

TEST_F(HatchRows, OriginInTheUcsAndAnEqualValueWritesNothing)
{
  OdDbHatchPtr h = addSquare(0, 0, 10);
  h->setOriginPoint(OdGePoint2d(3, 4));
  drawing.setUcs(OdGePoint3d(1, 1, 0), OdGeVector3d::kXAxis, OdGeVector3d::kYAxis);
  EXPECT_DOUBLE_EQ(get(h, "Origin X").GetDouble(), 2.0);
  EXPECT_DOUBLE_EQ(get(h, "Origin Y").GetDouble(), 3.0);
  const OdDbDxfTagList before = [&] {
    OdDbDxfTagList t;
    h->dxfOutFields(&t);
    return t;
  }();
  h->downgradeOpen();
  h->upgradeOpen();
  EXPECT_EQ(set(h, "Origin X", CKyVariant(2.0, true)), 5100);
  EXPECT_FALSE(h->isModified()) << "the shown value writes nothing";
  EXPECT_EQ(set(h, "Origin X", CKyVariant(5.0, true)), 5100);
  EXPECT_EQ(h->originPoint(), OdGePoint2d(6, 4));
  OdDbDxfTagList after;
  h->dxfOutFields(&after);
  EXPECT_NE(after, before);
  // A pattern chosen by name is laid from the origin.
  EXPECT_EQ(set(h, "Pattern name", choice(2, "ANSI31")), 5100);
  ASSERT_GT(h->numPatternDefinitions(), 0);
  double angle, bx, by, ox, oy;
  OdGeDoubleArray dashes;
  h->getPatternDefinitionAt(0, angle, bx, by, ox, oy, dashes);
  EXPECT_EQ(OdGePoint2d(bx, by), OdGePoint2d(6, 4));
}

TEST_F(HatchRows, AssociativityIslandsElevationAndArea)
{
  OdDbHatchPtr h = addSquare(0, 0, 10, OdDbHatch::kNormal, 4);
  h->setAssociative(true);
  EXPECT_EQ(get(h, "Associative").GetCollection().GetCurrentIndex(), 0);
  EXPECT_EQ(set(h, "Associative", choice(0, "No")), 5100);
  EXPECT_FALSE(h->associative());
  ASSERT_EQ(messages.commandLine.size(), 1u);
  EXPECT_EQ(messages.commandLine[0], "Hatch boundary relation removed.\n");
  // Printed even when the value is then refused: the object is not open for write.
  h->downgradeOpen();
  EXPECT_EQ(set(h, "Associative", choice(1, "no")), -5001);
  EXPECT_EQ(messages.commandLine.size(), 2u);
  h->upgradeOpen();

  EXPECT_EQ(entries(get(h, "Internal region detection")), QStringList({"Normal", "Outer", "Ignore"}));
  EXPECT_DOUBLE_EQ(get(h, "Area").GetDouble(), 84.0);
  EXPECT_EQ(set(h, "Internal region detection", choice(2, "Ignore")), 5100);
  EXPECT_DOUBLE_EQ(get(h, "Area").GetDouble(), 100.0);
  EXPECT_EQ(set(h, "Internal region detection", choice(5, "Beyond")), 5100);
  EXPECT_EQ(h->hatchStyle(), OdDbHatch::kIgnore);
  EXPECT_EQ(set(h, "Elevation", CKyVariant(2.5, true)), 5100);
  EXPECT_DOUBLE_EQ(h->elevation(), 2.5);
}

TEST_F(HatchRows, GradientColoursShiftAndAngle)
{
  OdDbHatchPtr h = addSquare(0, 0, 10);
  h->setHatchObjectType(OdDbHatch::kGradientObject);
  h->setGradientOneColorMode(true);
  OdCmColor red, blue;
  red.setRGB(255, 0, 0);
  blue.setRGB(0, 0, 255);
  EXPECT_EQ(set(h, "Color 1", CKyVariant(red)), 5100);
  EXPECT_TRUE(h->gradientOneColorMode()) << "only the second colour ends one-colour mode";
  EXPECT_EQ(set(h, "Color 2", CKyVariant(blue)), 5100);
  EXPECT_FALSE(h->gradientOneColorMode());
  OdCmColorArray colors;
  OdGeDoubleArray values;
  h->getGradientColors(colors, values);
  ASSERT_EQ(colors.size(), 2u);
  EXPECT_EQ(colors[0].red(), 255);
  EXPECT_EQ(colors[1].blue(), 255);
  EXPECT_DOUBLE_EQ(values[1], 1.0);
  EXPECT_EQ(get(h, "Color 1").GetColor().red(), 255);
  EXPECT_EQ(set(h, "Color 1", CKyVariant(1.0, false)), -5001);

  EXPECT_EQ(get(h, "Centered").GetCollection().GetCurrentIndex(), 0);
  EXPECT_EQ(set(h, "Centered", choice(0, "No")), 5100);
  EXPECT_DOUBLE_EQ(h->gradientShift(), 1.0);
  EXPECT_EQ(set(h, "Gradient Angle", CKyVariant(0.75, true)), 5100);
  EXPECT_DOUBLE_EQ(h->gradientAngle(), 0.75);
}

TEST_F(HatchRows, MatchPropertiesCopiesPatternOrGradient)
{
  OdDbHatchPtr source = addSquare(0, 0, 10, OdDbHatch::kOuter);
  source->setPatternSpace(0.75);
  source->setPattern(OdDbHatch::kUserDefined, L"_U");
  source->setPatternDouble(true);
  source->setPatternAngle(0.3);
  source->setElevation(4.0);
  OdDbHatchPtr target = addSquare(50, 0, 5);
  target->setHatchObjectType(OdDbHatch::kGradientObject);
  EXPECT_EQ(set(target, "MATCHPROP_Hatch", CKyVariant(source->objectId())), 5100);
  EXPECT_TRUE(target->isHatch());
  EXPECT_EQ(target->patternType(), OdDbHatch::kUserDefined);
  EXPECT_DOUBLE_EQ(target->patternSpace(), 0.75);
  EXPECT_TRUE(target->patternDouble());
  EXPECT_DOUBLE_EQ(target->patternAngle(), 0.3);
  EXPECT_EQ(target->hatchStyle(), OdDbHatch::kOuter);
  EXPECT_DOUBLE_EQ(target->elevation(), 4.0);
  EXPECT_EQ(target->numPatternDefinitions(), 2);
  EXPECT_DOUBLE_EQ(areaOf({target}), 25.0) << "the target keeps its own loops";

  OdDbCirclePtr circle = OdDbCircle::createObject();
  drawing.add(circle);
  EXPECT_EQ(set(target, "MATCHPROP_Hatch", CKyVariant(circle->objectId())), -5001);
}

TEST_F(HatchRows, ListingLines)
{
  OdDbHatchPtr h = addSquare(0, 0, 10);
  h->setPattern(OdDbHatch::kPreDefined, L"ACAD_ISO02W100");
  h->setPatternScale(2.0);
  h->setAssociative(true);
  KyRecordingPrintContext context;
  OdStaticRxObject<CKyHatchInfo> info;
  ASSERT_TRUE(info.PrintObjectInfo(h, &context));
  ASSERT_NE(context.find("Hatch pattern"), nullptr);
  EXPECT_EQ(context.find("Hatch pattern")->value, "ISO02W100");
  EXPECT_NE(context.find("Hatch scale"), nullptr);
  EXPECT_NE(context.find("Area"), nullptr);
  EXPECT_EQ(context.find("Related")->value, "Yes");
  EXPECT_NE(context.find("Annotative"), nullptr);
  EXPECT_NE(context.find("Origin"), nullptr);
}

TEST_F(HatchRows, AdditiveAreaCountsOverlapsOnce)
{
  EXPECT_EQ(CKyHatchPE::getAdditiveArea(OdArray<OdDbObjectId>()).GetDouble(), 0.0);
  OdDbHatchPtr a = addSquare(0, 0, 10);
  OdDbHatchPtr same = addSquare(0, 0, 10);
  OdDbHatchPtr far = addSquare(100, 100, 3);
  EXPECT_DOUBLE_EQ(areaOf({a}), 100.0);
  EXPECT_NEAR(areaOf({a, same}), 100.0, 1e-9);
  EXPECT_NEAR(areaOf({a, far}), 109.0, 1e-9);
  // The row of one hatch is its own area.
  EXPECT_DOUBLE_EQ(get(a, "Additive area").GetDouble(), 100.0);

  // The island stays uncovered unless the other hatch covers it; style ignore counts it.
  OdDbHatchPtr holed = addSquare(0, 0, 10, OdDbHatch::kNormal, 4);
  OdDbHatchPtr overIsland = addSquare(4, 4, 8); // covers (4..7)^2 of the island (3..7)^2
  // Square minus the island's 7 uncovered units, plus the 28 the other square reaches beyond it.
  EXPECT_NEAR(areaOf({holed, overIsland}), 100.0 - 7.0 + 28.0, 1e-9);
  OdDbHatchPtr ignoring = addSquare(0, 0, 10, OdDbHatch::kIgnore, 4);
  EXPECT_NEAR(areaOf({ignoring, overIsland}), 100.0 + 28.0, 1e-9);

  // Circles as single arc loops: the exact union of two unit discs.
  OdDbHatchPtr c1 = addCircle(0, 50, 1);
  OdDbHatchPtr c2 = addCircle(1, 50, 1);
  const double lens = 2.0 * std::acos(0.5) - 0.5 * std::sqrt(3.0);
  EXPECT_NEAR(areaOf({c1}), OdaPI, 1e-9);
  EXPECT_NEAR(areaOf({c1, c2}), 2 * OdaPI - lens, 1e-9);

  // A hatch without loops adds nothing.
  OdDbHatchPtr empty = OdDbHatch::createObject();
  drawing.add(empty);
  EXPECT_NEAR(areaOf({a, empty, same}), 100.0, 1e-9);
}

TEST_F(HatchRows, OverlapsThroughAThirdHatchJoinInEveryOrder)
{
  // A and C overlap only through B (a bridge across their gap).
  OdDbHatchPtr a = addSquare(0, 0, 4);
  OdDbHatchPtr b = addSquare(3, 1, 8);  // (3..11) x (1..9)
  OdDbHatchPtr c = addSquare(10, 0, 4); // (10..14)
  const double expected = 16.0 + 64.0 + 16.0 - 1.0 * 3.0 - 1.0 * 3.0;
  const OdDbHatchPtr hatches[] = {a, b, c};
  int order[] = {0, 1, 2};
  do
    EXPECT_NEAR(areaOf({hatches[order[0]], hatches[order[1]], hatches[order[2]]}), expected, 1e-9)
      << order[0] << order[1] << order[2];
  while (std::next_permutation(order, order + 3));
}

TEST_F(HatchRows, OverlapsAreFoundWhereverTheyFallInTheSelection)
{
  // Each set's union is known; a pair of overlapping hatches left in different clusters would
  // count their shared area twice. Every set is tried in order, reversed and interleaved.
  struct Square
  {
    double x, y, side;
  };
  struct Case
  {
    const char* what;
    std::vector<Square> squares;
    double expected;
  };
  std::vector<Square> grid;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      grid.push_back({1.5 * i, 1.5 * j, 2.0});
  const Case cases[] = {
      // A wide square outlives a short one that starts after it along x and still meets a third
      // that lies within it, and a fourth across its corner.
      {"wide", {{0, 0, 100}, {10, 200, 1}, {50, 50, 1}, {99, 99, 2}, {150, 50, 1}}, 10000.0 + 1.0 + 4.0 - 1.0 + 1.0},
      {"grid", grid, 25.0},
      // Squares sharing only an edge are one cluster and add up.
      {"edges", {{0, 0, 1}, {1, 0, 1}, {2, 0, 1}, {0, 1, 1}}, 4.0},
  };
  for (const Case& c : cases)
  {
    std::vector<OdDbHatchPtr> hatches;
    for (const Square& s : c.squares)
      hatches.push_back(addSquare(s.x, s.y, s.side));
    std::vector<OdDbHatchPtr> reversed(hatches.rbegin(), hatches.rend());
    std::vector<OdDbHatchPtr> interleaved;
    for (size_t i = 0; i < hatches.size(); i += 2)
      interleaved.push_back(hatches[i]);
    for (size_t i = 1; i < hatches.size(); i += 2)
      interleaved.push_back(hatches[i]);
    for (const std::vector<OdDbHatchPtr>* order : {&hatches, &reversed, &interleaved})
      EXPECT_NEAR(areaOf(*order), c.expected, 1e-9) << c.what;
  }
}

TEST_F(HatchRows, AdditiveAreaRefusesOtherObjects)
{
  OdDbHatchPtr a = addSquare(0, 0, 10);
  OdDbCirclePtr circle = OdDbCircle::createObject();
  drawing.add(circle);
  for (const OdArray<OdDbObjectId>& ids : {OdArray<OdDbObjectId>{circle->objectId()},
                                            OdArray<OdDbObjectId>{a->objectId(), circle->objectId()}})
  {
    try
    {
      CKyHatchPE::getAdditiveArea(ids);
      ADD_FAILURE() << "no error";
    }
    catch (const OdError& e)
    {
      EXPECT_EQ(e.code(), eNotThatKindOfClass);
    }
  }
}

TEST(HatchLoops, IncludeLoopFollowsTheIslandStyle)
{
  struct Case
  {
    OdDbHatch::HatchStyle style;
    int type;
    bool included;
  } cases[] = {
    {OdDbHatch::kNormal, 0, true},     {OdDbHatch::kNormal, 2, true},     {OdDbHatch::kOuter, 1, true},
    {OdDbHatch::kOuter, 0x10, true},   {OdDbHatch::kOuter, 2, false},     {OdDbHatch::kIgnore, 1, true},
    {OdDbHatch::kIgnore, 0x10, false}, {OdDbHatch::kIgnore, 3, true},     {static_cast<OdDbHatch::HatchStyle>(3), 1, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(kyIncludeLoop(c.style, c.type), c.included) << c.style << " " << c.type;
}
