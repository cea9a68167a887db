// Multiline text stand-in: the box corners for every attachment (also rotated), the line
// layout (paragraphs, wrapping, line spacing, columns), formatting codes stripped by text(),
// and refused values leaving the text unchanged.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "DbFiler.h"
#include "DbMText.h"
#include "Ge/GeGbl.h"

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

OdDbMTextPtr makeMText(const OdString& contents, const OdGePoint3d& location, double height = 1.0)
{
  OdDbMTextPtr mtext = OdDbMText::createObject();
  mtext->setContents(contents);
  mtext->setLocation(location);
  mtext->setTextHeight(height);
  return mtext;
}
} // namespace

TEST(TextMText, BoundingPointsSurroundTheLocationByAttachment)
{
  // "ABCDE" at height 1: a box 3 wide and 1 tall, located at (10, 10).
  for (int attachment = OdDbMText::kTopLeft; attachment <= OdDbMText::kBottomRight; ++attachment)
  {
    SCOPED_TRACE(attachment);
    OdDbMTextPtr mtext = makeMText(L"ABCDE", OdGePoint3d(10, 10, 0));
    mtext->setAttachment(static_cast<OdDbMText::AttachmentPoint>(attachment));
    const int column = (attachment - 1) % 3;
    const int row = (attachment - 1) / 3;
    const OdGePoint3d topLeft(10 - 1.5 * column, 10 + 0.5 * row, 0);
    OdGePoint3dArray corners;
    mtext->getBoundingPoints(corners);
    ASSERT_EQ(corners.size(), 4u);
    expectPoint(corners[0], topLeft);
    expectPoint(corners[1], topLeft + OdGeVector3d(3, 0, 0));
    expectPoint(corners[2], topLeft - OdGeVector3d(0, 1, 0));
    expectPoint(corners[3], topLeft + OdGeVector3d(3, -1, 0));
  }
}

TEST(TextMText, RotatedBottomRightTextEndsOnItsLocation)
{
  // Direction +Y, up -X: the box runs from y = 7 to 10 and from x = 9 to 10.
  OdDbMTextPtr mtext = makeMText(L"ABCDE", OdGePoint3d(10, 10, 0));
  mtext->setRotation(OdaPI / 2);
  mtext->setAttachment(OdDbMText::kBottomRight);
  OdGePoint3dArray corners;
  mtext->getBoundingPoints(corners);
  expectPoint(corners[0], OdGePoint3d(9, 7, 0));
  expectPoint(corners[1], OdGePoint3d(9, 10, 0));
  expectPoint(corners[2], OdGePoint3d(10, 7, 0));
  expectPoint(corners[3], OdGePoint3d(10, 10, 0));
  expectPoint(mtext->direction().asPoint(), OdGePoint3d(0, 1, 0));
}

TEST(TextMText, ChangingTheAttachmentKeepsTheLocationAndMovesTheBox)
{
  OdDbMTextPtr mtext = makeMText(L"ABCDE", OdGePoint3d(10, 10, 0));
  mtext->setAttachment(OdDbMText::kMiddleCenter);
  expectPoint(mtext->location(), OdGePoint3d(10, 10, 0));
  OdGePoint3dArray corners;
  mtext->getBoundingPoints(corners);
  expectPoint(corners[0], OdGePoint3d(8.5, 10.5, 0));
}

TEST(TextMText, ParagraphsAndLineSpacingGiveTheActualHeight)
{
  OdDbMTextPtr mtext = makeMText(L"AB\\PCD EF", OdGePoint3d(0, 0, 0), 1.5);
  // Two lines: 1.5 + 5/3 x 1.5; the longer line has 5 glyphs of 0.9.
  EXPECT_NEAR(mtext->actualHeight(), 1.5 + 2.5, kEps);
  EXPECT_NEAR(mtext->actualWidth(), 4.5, kEps);
  mtext->setLineSpacingFactor(2.0);
  EXPECT_NEAR(mtext->actualHeight(), 1.5 + 5.0, kEps);
  mtext->setContents(L"");
  EXPECT_DOUBLE_EQ(mtext->actualHeight(), 0.0);
  OdGeExtents3d extents;
  EXPECT_EQ(mtext->getGeomExtents(extents), eInvalidExtents);
}

TEST(TextMText, WordsWrapAtTheDefinedWidth)
{
  OdDbMTextPtr mtext = makeMText(L"aaa bbb ccc", OdGePoint3d(0, 0, 0));
  mtext->setWidth(4.5);
  // "aaa bbb" (4.2) fits, "ccc" moves to a second line; the box is the defined width.
  EXPECT_NEAR(mtext->actualWidth(), 4.2, kEps);
  EXPECT_NEAR(mtext->actualHeight(), 1.0 + 5.0 / 3.0, kEps);
  OdGePoint3dArray corners;
  mtext->getBoundingPoints(corners);
  expectPoint(corners[3], OdGePoint3d(4.5, -(1.0 + 5.0 / 3.0), 0));

  // A word longer than the width keeps a line of its own.
  mtext->setWidth(1.0);
  mtext->setContents(L"abcdefgh ij");
  EXPECT_NEAR(mtext->actualWidth(), 4.8, kEps);
  EXPECT_NEAR(mtext->actualHeight(), 1.0 + 5.0 / 3.0, kEps);
}

TEST(TextMText, ColumnsShareTheLinesAndWidenTheBox)
{
  OdDbMTextPtr mtext = makeMText(L"a\\Pb\\Pc", OdGePoint3d(0, 0, 0));
  mtext->setColumnType(OdDbMText::kStaticColumns);
  mtext->setColumnCount(2);
  mtext->setColumnWidth(4.0);
  mtext->setColumnGutterWidth(1.0);
  // Three lines over two columns: two lines tall, 2 x 4 + 1 wide.
  EXPECT_NEAR(mtext->actualHeight(), 1.0 + 5.0 / 3.0, kEps);
  OdGePoint3dArray corners;
  mtext->getBoundingPoints(corners);
  expectPoint(corners[1], OdGePoint3d(9, 0, 0));
}

TEST(TextMText, TextDropsFormattingCodes)
{
  OdDbMTextPtr mtext = makeMText(L"{\\fArial|b1;Bold} \\LLine\\l\\Pnext\\~x \\S1/2; \\\\ \\{a\\} \\U+00B0", OdGePoint3d());
  EXPECT_EQ(mtext->text(), OdString(L"Bold Line\nnext x 1/2 \\ {a} \u00B0"));
  EXPECT_EQ(mtext->contents(), OdString(L"{\\fArial|b1;Bold} \\LLine\\l\\Pnext\\~x \\S1/2; \\\\ \\{a\\} \\U+00B0"));
}

TEST(TextMText, LineSpacingFactorLimitsAreInclusive)
{
  OdDbMTextPtr mtext = makeMText(L"A", OdGePoint3d());
  mtext->setLineSpacingFactor(0.25);
  EXPECT_DOUBLE_EQ(mtext->lineSpacingFactor(), 0.25);
  mtext->setLineSpacingFactor(4.0);
  EXPECT_DOUBLE_EQ(mtext->lineSpacingFactor(), 4.0);
  for (double refused : {0.2499, 4.0001, 0.0, -1.0, kNaN, kInf})
  {
    SCOPED_TRACE(refused);
    EXPECT_EQ(errorOf([&] { mtext->setLineSpacingFactor(refused); }), eInvalidInput);
    EXPECT_DOUBLE_EQ(mtext->lineSpacingFactor(), 4.0);
  }
}

TEST(TextMText, RefusedValuesLeaveTheTextUnchanged)
{
  OdDbMTextPtr mtext = makeMText(L"AB", OdGePoint3d(1, 2, 3));
  const OdDbDxfTagList before = snapshot(mtext);
  const std::function<void()> refused[] = {
      [&] { mtext->setTextHeight(0.0); },
      [&] { mtext->setTextHeight(kNaN); },
      [&] { mtext->setWidth(-1.0); },
      [&] { mtext->setWidth(kInf); },
      [&] { mtext->setRotation(kNaN); },
      [&] { mtext->setLocation(OdGePoint3d(0, kNaN, 0)); },
      [&] { mtext->setNormal(OdGeVector3d()); },
      [&] { mtext->setDirection(OdGeVector3d(0, 0, 5)); },
      [&] { mtext->setDirection(OdGeVector3d(kNaN, 1, 0)); },
      [&] { mtext->setAttachment(static_cast<OdDbMText::AttachmentPoint>(10)); },
      [&] { mtext->setAttachment(static_cast<OdDbMText::AttachmentPoint>(0)); },
      [&] { mtext->setFlowDirection(static_cast<OdDbMText::FlowDirection>(6)); },
      [&] { mtext->setLineSpacingStyle(static_cast<OdDb::LineSpacingStyle>(3)); },
      [&] { mtext->setBackgroundScaleFactor(0.5); },
      [&] { mtext->setBackgroundScaleFactor(kNaN); },
      [&] { mtext->setColumnType(static_cast<OdDbMText::ColumnType>(3)); },
      [&] { mtext->setColumnCount(0); },
      [&] { mtext->setColumnWidth(-2.0); },
      [&] { mtext->setColumnGutterWidth(kNaN); },
  };
  for (std::size_t i = 0; i < sizeof(refused) / sizeof(refused[0]); ++i)
  {
    SCOPED_TRACE(i);
    EXPECT_EQ(errorOf(refused[i]), eInvalidInput);
    EXPECT_EQ(snapshot(mtext), before);
  }
}

// Contents and column settings are layout inputs like the sizes: a change whose layout would
// overflow (longer contents at a huge height, more columns of a huge width) is refused.
TEST(TextMText, ChangesThatWouldOverflowTheLayoutAreRefused)
{
  OdDbMTextPtr mtext = makeMText(L"AB", OdGePoint3d(), 1e308);
  mtext->setColumnWidth(1e308);
  mtext->setColumnCount(2);
  const OdDbDxfTagList before = snapshot(mtext);
  EXPECT_EQ(errorOf([&] { mtext->setContents(L"ABCD"); }), eInvalidInput);
  EXPECT_EQ(errorOf([&] { mtext->setColumnType(OdDbMText::kStaticColumns); }), eInvalidInput);
  EXPECT_EQ(snapshot(mtext), before);

  mtext->setContents(L"A");
  mtext->setColumnCount(1);
  mtext->setColumnType(OdDbMText::kStaticColumns);
  EXPECT_EQ(errorOf([&] { mtext->setColumnCount(2); }), eInvalidInput);
  EXPECT_EQ(mtext->getColumnCount(), 1);
  EXPECT_TRUE(std::isfinite(mtext->actualWidth()));
}

TEST(TextMText, DirectionAndTransformKeepTheTextInItsPlane)
{
  OdDbMTextPtr mtext = makeMText(L"AB", OdGePoint3d(1, 0, 0), 2.0);
  mtext->setWidth(5.0);
  mtext->setDirection(OdGeVector3d(0, 3, 0));
  EXPECT_NEAR(mtext->rotation(), OdaPI / 2, kEps);
  ASSERT_EQ(mtext->transformBy(OdGeMatrix3d::scaling(2.0)), eOk);
  expectPoint(mtext->location(), OdGePoint3d(2, 0, 0));
  EXPECT_NEAR(mtext->textHeight(), 4.0, kEps);
  EXPECT_NEAR(mtext->width(), 10.0, kEps);
  EXPECT_NEAR(mtext->rotation(), OdaPI / 2, kEps);
}
