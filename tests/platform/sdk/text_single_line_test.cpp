// Single-line text stand-in: the box under the glyph model (plain, rotated, mirrored, on a
// downward normal), justification through adjustAlignment, transforms, and refused values
// leaving the text unchanged.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbFiler.h"
#include "DbLayerTableRecord.h"
#include "DbMText.h"
#include "DbText.h"
#include "Ge/GeGbl.h"
#include "Ge/GePlane.h"

namespace
{
const double kEps = 1e-9;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

void expectPoint(const OdGePoint3d& actual, const OdGePoint3d& expected)
{
  EXPECT_NEAR(actual.x, expected.x, kEps);
  EXPECT_NEAR(actual.y, expected.y, kEps);
  EXPECT_NEAR(actual.z, expected.z, kEps);
}

// Top left, top right, bottom left, bottom right.
void expectBox(const OdDbText* text, const OdGePoint3d& tl, const OdGePoint3d& tr, const OdGePoint3d& bl,
               const OdGePoint3d& br)
{
  OdGePoint3dArray corners;
  text->getBoundingPoints(corners);
  ASSERT_EQ(corners.size(), 4u);
  expectPoint(corners[0], tl);
  expectPoint(corners[1], tr);
  expectPoint(corners[2], bl);
  expectPoint(corners[3], br);
}

OdResult errorOf(const std::function<void()>& call)
{
  try
  {
    call();
  }
  catch (const OdError& e)
  {
    return e.code();
  }
  return eOk;
}

OdDbDxfTagList snapshot(const OdDbObject* object)
{
  OdDbDxfTagList tags;
  object->dxfOutFields(&tags);
  return tags;
}

OdDbTextPtr makeText(const OdString& string, const OdGePoint3d& position, double height, double widthFactor = 1.0)
{
  OdDbTextPtr text = OdDbText::createObject();
  text->setTextString(string);
  text->setPosition(position);
  text->setHeight(height);
  text->setWidthFactor(widthFactor);
  return text;
}
} // namespace

TEST(TextSingleLine, LeftTextBoxSpansItsGlyphsFromThePosition)
{
  // Four glyphs of 0.6 x 2 each: 4.8 long, 2 tall.
  OdDbTextPtr text = makeText(L"ABCD", OdGePoint3d(1, 2, 0), 2.0);
  expectBox(text, OdGePoint3d(1, 4, 0), OdGePoint3d(5.8, 4, 0), OdGePoint3d(1, 2, 0), OdGePoint3d(5.8, 2, 0));
}

TEST(TextSingleLine, RotatedTextBoxTurnsAboutThePosition)
{
  // Width factor 2 doubles the advance: 2 glyphs x 0.6 x 1 x 2 = 2.4 along +Y; up is -X.
  OdDbTextPtr text = makeText(L"AB", OdGePoint3d(0, 0, 0), 1.0, 2.0);
  text->setRotation(OdaPI / 2);
  expectBox(text, OdGePoint3d(-1, 0, 0), OdGePoint3d(-1, 2.4, 0), OdGePoint3d(0, 0, 0), OdGePoint3d(0, 2.4, 0));
}

TEST(TextSingleLine, BoxFollowsTheObjectCoordinateSystemOfADownwardNormal)
{
  // The object X axis of (0, 0, -1) is world -X; up is N x X = +Y (seen from below).
  OdDbTextPtr text = makeText(L"AB", OdGePoint3d(0, 0, 0), 1.0);
  text->setNormal(OdGeVector3d(0, 0, -1));
  expectBox(text, OdGePoint3d(0, 1, 0), OdGePoint3d(-1.2, 1, 0), OdGePoint3d(0, 0, 0), OdGePoint3d(-1.2, 0, 0));
}

TEST(TextSingleLine, MirroredTextRunsBackwardsAndHangsBelowTheBaseline)
{
  OdDbTextPtr text = makeText(L"AB", OdGePoint3d(0, 0, 0), 1.0);
  text->mirrorInX(true);
  expectBox(text, OdGePoint3d(0, 1, 0), OdGePoint3d(-1.2, 1, 0), OdGePoint3d(0, 0, 0), OdGePoint3d(-1.2, 0, 0));
  text->mirrorInY(true);
  expectBox(text, OdGePoint3d(0, -1, 0), OdGePoint3d(-1.2, -1, 0), OdGePoint3d(0, 0, 0), OdGePoint3d(-1.2, 0, 0));
}

TEST(TextSingleLine, SpecialCharacterCodesCountAsOneGlyphAndTogglesAsNone)
{
  // "45%%d" is three glyphs, "%%uA%%u" one: 1.8 and 0.6 long.
  OdDbTextPtr degrees = makeText(L"45%%d", OdGePoint3d(0, 0, 0), 1.0);
  expectBox(degrees, OdGePoint3d(0, 1, 0), OdGePoint3d(1.8, 1, 0), OdGePoint3d(0, 0, 0), OdGePoint3d(1.8, 0, 0));
  OdDbTextPtr underlined = makeText(L"%%uA%%u", OdGePoint3d(0, 0, 0), 1.0);
  expectBox(underlined, OdGePoint3d(0, 1, 0), OdGePoint3d(0.6, 1, 0), OdGePoint3d(0, 0, 0), OdGePoint3d(0.6, 0, 0));
}

TEST(TextSingleLine, AdjustAlignmentPlacesTheAnchorOnTheAlignmentPoint)
{
  // "ABCD" at height 1 is 2.4 long; the alignment point is (10, 5).
  struct Case
  {
    OdDb::TextHorzMode horizontal;
    OdDb::TextVertMode vertical;
    double rotation;
    OdGePoint3d expected;
  };
  const Case cases[] = {
      {OdDb::kTextCenter, OdDb::kTextBase, 0.0, OdGePoint3d(8.8, 5, 0)},
      {OdDb::kTextRight, OdDb::kTextBase, 0.0, OdGePoint3d(7.6, 5, 0)},
      {OdDb::kTextMid, OdDb::kTextBase, 0.0, OdGePoint3d(8.8, 4.5, 0)},
      {OdDb::kTextRight, OdDb::kTextTop, 0.0, OdGePoint3d(7.6, 4, 0)},
      {OdDb::kTextLeft, OdDb::kTextVertMid, 0.0, OdGePoint3d(10, 4.5, 0)},
      {OdDb::kTextCenter, OdDb::kTextBottom, 0.0, OdGePoint3d(8.8, 5, 0)},
      {OdDb::kTextCenter, OdDb::kTextBase, OdaPI / 2, OdGePoint3d(10, 3.8, 0)},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(testing::Message() << "modes " << c.horizontal << "/" << c.vertical << " rotation " << c.rotation);
    OdDbTextPtr text = makeText(L"ABCD", OdGePoint3d(0, 0, 0), 1.0);
    text->setRotation(c.rotation);
    text->setHorizontalMode(c.horizontal);
    text->setVerticalMode(c.vertical);
    text->setAlignmentPoint(OdGePoint3d(10, 5, 0));
    text->adjustAlignment();
    expectPoint(text->position(), c.expected);
    EXPECT_DOUBLE_EQ(text->height(), 1.0);
  }
}

TEST(TextSingleLine, AdjustAlignmentLeavesLeftBaselineTextWhereItIs)
{
  OdDbTextPtr text = makeText(L"ABCD", OdGePoint3d(1, 1, 0), 1.0);
  text->setAlignmentPoint(OdGePoint3d(10, 5, 0));
  text->adjustAlignment();
  expectPoint(text->position(), OdGePoint3d(1, 1, 0));
  EXPECT_TRUE(text->isDefaultAlignment());
}

TEST(TextSingleLine, AlignedTextScalesItsHeightToSpanTheBaseline)
{
  OdDbTextPtr text = makeText(L"ABCD", OdGePoint3d(0, 0, 0), 1.0, 1.5);
  text->setHorizontalMode(OdDb::kTextAlign);
  text->setAlignmentPoint(OdGePoint3d(0, 7.2, 0));
  text->adjustAlignment();
  // 7.2 = 4 x 0.6 x height x 1.5 gives height 2; the direction is +Y.
  EXPECT_NEAR(text->height(), 2.0, kEps);
  EXPECT_DOUBLE_EQ(text->widthFactor(), 1.5);
  EXPECT_NEAR(text->rotation(), OdaPI / 2, kEps);
  OdGePoint3dArray corners;
  text->getBoundingPoints(corners);
  expectPoint(corners[2], OdGePoint3d(0, 0, 0));
  expectPoint(corners[3], OdGePoint3d(0, 7.2, 0));
}

TEST(TextSingleLine, FitTextScalesItsWidthFactorAndKeepsItsHeight)
{
  OdDbTextPtr text = makeText(L"ABCD", OdGePoint3d(1, 1, 0), 1.0);
  text->setHorizontalMode(OdDb::kTextFit);
  text->setAlignmentPoint(OdGePoint3d(7, 1, 0));
  text->adjustAlignment();
  EXPECT_DOUBLE_EQ(text->height(), 1.0);
  EXPECT_NEAR(text->widthFactor(), 2.5, kEps);
  EXPECT_NEAR(text->rotation(), 0.0, kEps);
  OdGePoint3dArray corners;
  text->getBoundingPoints(corners);
  expectPoint(corners[3], OdGePoint3d(7, 1, 0));
}

TEST(TextSingleLine, AlignedTextWithoutGlyphsOrBaselineIsLeftAlone)
{
  OdDbTextPtr empty = makeText(L"", OdGePoint3d(0, 0, 0), 1.0);
  empty->setHorizontalMode(OdDb::kTextAlign);
  empty->setAlignmentPoint(OdGePoint3d(5, 0, 0));
  const OdDbDxfTagList before = snapshot(empty);
  empty->adjustAlignment();
  EXPECT_EQ(snapshot(empty), before);

  OdDbTextPtr coincident = makeText(L"AB", OdGePoint3d(2, 2, 0), 1.0);
  coincident->setHorizontalMode(OdDb::kTextFit);
  coincident->setAlignmentPoint(OdGePoint3d(2, 2, 0));
  coincident->adjustAlignment();
  EXPECT_DOUBLE_EQ(coincident->widthFactor(), 1.0);
}

// Both text kinds keep a rotation within one turn of zero: whole turns are dropped, the sign and
// any angle already within a turn are kept exactly.
TEST(TextSingleLine, RotationsOfBothTextKindsDropWholeTurns)
{
  OdDbTextPtr text = OdDbText::createObject();
  OdDbMTextPtr mtext = OdDbMText::createObject();
  const struct
  {
    double given, kept;
  } cases[] = {{1.25, 1.25},     {-1.25, -1.25},          {Oda2PI, 0.0},
               {Oda2PI + 0.5, 0.5}, {-3 * Oda2PI - 0.5, -0.5}, {1e6, std::fmod(1e6, Oda2PI)}};
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.given);
    text->setRotation(c.given);
    mtext->setRotation(c.given);
    EXPECT_NEAR(text->rotation(), c.kept, 1e-12);
    EXPECT_NEAR(mtext->rotation(), c.kept, 1e-12);
  }
  text->setRotation(1.25);
  EXPECT_EQ(text->rotation(), 1.25);
}

TEST(TextSingleLine, RefusedValuesLeaveTheTextUnchanged)
{
  OdDbTextPtr text = makeText(L"AB", OdGePoint3d(1, 2, 3), 2.0);
  const OdDbDxfTagList before = snapshot(text);
  const std::function<void()> refused[] = {
      [&] { text->setHeight(0.0); },
      [&] { text->setHeight(-1.0); },
      [&] { text->setHeight(kNaN); },
      [&] { text->setWidthFactor(0.0); },
      [&] { text->setWidthFactor(kInf); },
      [&] { text->setOblique(86.0 * OdaPI / 180.0); },
      [&] { text->setOblique(-86.0 * OdaPI / 180.0); },
      [&] { text->setOblique(kNaN); },
      [&] { text->setRotation(kNaN); },
      [&] { text->setThickness(kInf); },
      [&] { text->setPosition(OdGePoint3d(kNaN, 0, 0)); },
      [&] { text->setAlignmentPoint(OdGePoint3d(0, kInf, 0)); },
      [&] { text->setNormal(OdGeVector3d(0, 0, 0)); },
      [&] { text->setNormal(OdGeVector3d(kNaN, 0, 1)); },
      // Within the range of the enumeration's values but no mode (every value the vertical mode
      // can hold is one).
      [&] { text->setHorizontalMode(static_cast<OdDb::TextHorzMode>(6)); },
  };
  for (std::size_t i = 0; i < sizeof(refused) / sizeof(refused[0]); ++i)
  {
    SCOPED_TRACE(i);
    EXPECT_EQ(errorOf(refused[i]), eInvalidInput);
    EXPECT_EQ(snapshot(text), before);
  }
  text->setOblique(85.0 * OdaPI / 180.0);
  EXPECT_NEAR(text->oblique(), 85.0 * OdaPI / 180.0, kEps);
}

TEST(TextSingleLine, TransformScalesHeightAcrossAndWidthFactorAlongTheBaseline)
{
  OdDbTextPtr text = makeText(L"AB", OdGePoint3d(1, 1, 0), 1.0);
  text->setThickness(2.0);
  ASSERT_EQ(text->transformBy(OdGeMatrix3d::scaling(2.0)), eOk);
  expectPoint(text->position(), OdGePoint3d(2, 2, 0));
  EXPECT_NEAR(text->height(), 2.0, kEps);
  EXPECT_NEAR(text->widthFactor(), 1.0, kEps);
  EXPECT_NEAR(text->thickness(), 4.0, kEps);

  ASSERT_EQ(text->transformBy(OdGeMatrix3d::scaling(OdGeScale3d(3.0, 1.0, 1.0))), eOk);
  EXPECT_NEAR(text->height(), 2.0, kEps);
  EXPECT_NEAR(text->widthFactor(), 3.0, kEps);

  ASSERT_EQ(text->transformBy(OdGeMatrix3d::rotation(OdaPI / 2, OdGeVector3d::kZAxis)), eOk);
  EXPECT_NEAR(text->rotation(), OdaPI / 2, kEps);
  expectPoint(text->position(), OdGePoint3d(-2, 6, 0));
}

TEST(TextSingleLine, MirrorTransformTurnsTheNormalOverAndMirrorsTheBox)
{
  OdDbTextPtr text = makeText(L"AB", OdGePoint3d(1, 0, 0), 1.0);
  ASSERT_EQ(text->transformBy(OdGeMatrix3d::mirroring(OdGePlane(OdGePoint3d::kOrigin, OdGeVector3d::kXAxis))), eOk);
  EXPECT_TRUE(text->normal().isEqualTo(OdGeVector3d(0, 0, -1)));
  EXPECT_FALSE(text->isMirroredInX());
  // The original box ran from x = 1 to 2.2; mirrored it runs from -1 to -2.2.
  expectBox(text, OdGePoint3d(-1, 1, 0), OdGePoint3d(-2.2, 1, 0), OdGePoint3d(-1, 0, 0), OdGePoint3d(-2.2, 0, 0));
}

TEST(TextSingleLine, CollapsingTransformIsRefused)
{
  OdDbTextPtr text = makeText(L"AB", OdGePoint3d(1, 0, 0), 1.0);
  const OdDbDxfTagList before = snapshot(text);
  EXPECT_EQ(text->transformBy(OdGeMatrix3d::scaling(OdGeScale3d(0.0, 1.0, 1.0))), eInvalidInput);
  OdGeMatrix3d nan;
  nan[0][0] = kNaN;
  EXPECT_EQ(text->transformBy(nan), eInvalidInput);
  EXPECT_EQ(snapshot(text), before);
}

TEST(TextSingleLine, ExtentsCoverTheBoxAndItsThickness)
{
  OdDbTextPtr text = makeText(L"AB", OdGePoint3d(0, 0, 0), 1.0);
  text->setThickness(3.0);
  OdGeExtents3d extents;
  ASSERT_EQ(text->getGeomExtents(extents), eOk);
  expectPoint(extents.minPoint(), OdGePoint3d(0, 0, 0));
  expectPoint(extents.maxPoint(), OdGePoint3d(1.2, 1, 3));
  text->setTextString(L"");
  EXPECT_EQ(text->getGeomExtents(extents), eInvalidExtents);
}

TEST(TextSingleLine, StyleMustBeATextStyleAndWritesNeedWriteAccess)
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbTextPtr text = makeText(L"AB", OdGePoint3d(0, 0, 0), 1.0);
  EXPECT_EQ(errorOf([&] { text->setTextStyle(db->getLayerZeroId()); }), eWrongObjectType);
  text->setTextStyle(db->getTextStyleStandardId());
  EXPECT_EQ(text->textStyle(), db->getTextStyleStandardId());

  OdDbObjectId id;
  {
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    id = ms->appendOdDbEntity(text);
  }
  text.release();
  OdDbTextPtr reader = id.safeOpenObject(OdDb::kForRead);
  EXPECT_EQ(errorOf([&] { reader->setHeight(3.0); }), eNotOpenForWrite);
  EXPECT_DOUBLE_EQ(reader->height(), 1.0);
}
