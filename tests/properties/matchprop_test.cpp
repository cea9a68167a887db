// Match properties: the polyline carrier row end to end (source id in, widths and linetype
// generation copied), refusals that copy nothing, and the text copy routine in all four
// combinations.
#include <gtest/gtest.h>

#include "DbLine.h"
#include "DbMText.h"
#include "DbPolyline.h"
#include "DbText.h"
#include "KyMatchPropHelper.h"
#include "KyTestDrawing.h"

namespace
{
struct MatchPolyline : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  OdDbPolylinePtr source;
  OdDbPolylinePtr target;
  OdDbObjectId sourceId;

  void SetUp() override
  {
    source = OdDbPolyline::createObject();
    source->addVertexAt(0, OdGePoint2d(0, 0));
    source->addVertexAt(1, OdGePoint2d(5, 0));
    source->setConstantWidth(2.0);
    source->setPlinegen(true);
    sourceId = drawing.add(source);

    target = OdDbPolyline::createObject();
    target->addVertexAt(0, OdGePoint2d(0, 1), 0.0, 1.0, 3.0);
    target->addVertexAt(1, OdGePoint2d(5, 1), 0.0, 0.5, 0.5);
    target->addVertexAt(2, OdGePoint2d(5, 6));
    drawing.add(target);
  }

  // The palette writes the source's id into the target's hidden row.
  int match(const CKyVariant& value)
  {
    KyPaletteRows rows(target);
    const CKyPropertyDescription* carrier = rows.row("MATCHPROP_Polyline", "MATCHPROP");
    EXPECT_NE(carrier, nullptr);
    return carrier ? carrier->SetValue(target, value, CKyVariant()) : 0;
  }

  void expectTargetUntouched()
  {
    double s = 0.0, e = 0.0;
    target->getWidthsAt(0, s, e);
    EXPECT_EQ(s, 1.0);
    EXPECT_EQ(e, 3.0);
    EXPECT_FALSE(target->hasPlinegen());
  }
};

struct MatchText : ::testing::Test
{
  KyTestDrawing drawing;
  OdDbTextPtr text;
  OdDbMTextPtr mtext;

  void SetUp() override
  {
    text = OdDbText::createObject();
    text->setHeight(2.5);
    text->setRotation(0.3);
    text->setOblique(0.2);
    text->setWidthFactor(0.8);
    text->setTextStyle(drawing.db()->getTextStyleStandardId());
    drawing.add(text);

    mtext = OdDbMText::createObject();
    mtext->setTextHeight(4.0);
    mtext->setRotation(1.1);
    mtext->setAttachment(OdDbMText::kBottomRight);
    mtext->setBackgroundFill(true);
    OdCmColor green;
    green.setColorIndex(3);
    mtext->setBackgroundFillColor(green);
    mtext->setUseBackgroundColor(true);
    drawing.add(mtext);
  }
};
} // namespace

TEST_F(MatchPolyline, GetterAnswersTheObjectsOwnId)
{
  KyPaletteRows rows(source);
  const CKyPropertyDescription* carrier = rows.row("MATCHPROP_Polyline", "MATCHPROP");
  ASSERT_NE(carrier, nullptr);
  EXPECT_EQ(carrier->GetValue(source, CKyVariant()).GetId(), sourceId);
  EXPECT_EQ(carrier->GetValue(nullptr, CKyVariant()).GetType(), CKyVariant::kEmpty);
}

TEST_F(MatchPolyline, CopiesConstantWidthAndLinetypeGeneration)
{
  EXPECT_EQ(match(CKyVariant(sourceId)), 5100);
  EXPECT_EQ(target->getConstantWidth(), 2.0);
  EXPECT_TRUE(target->hasPlinegen());
  for (unsigned int i = 0; i < 3; ++i)
  {
    double s = 0.0, e = 0.0;
    target->getWidthsAt(i, s, e);
    EXPECT_EQ(s, 2.0);
    EXPECT_EQ(e, 2.0);
  }
}

TEST_F(MatchPolyline, SourceWithoutConstantWidthHandsOnItsFirstStartWidth)
{
  source->setWidthsAt(0, 1.5, 3.0);
  source->setPlinegen(false);
  target->setPlinegen(true);
  EXPECT_EQ(match(CKyVariant(sourceId)), 5100);
  EXPECT_EQ(target->getConstantWidth(), 1.5);
  EXPECT_FALSE(target->hasPlinegen());
}

TEST_F(MatchPolyline, RefusalsCopyNothing)
{
  OdDbLinePtr line = OdDbLine::createObject();
  const OdDbObjectId lineId = drawing.add(line);
  EXPECT_EQ(match(CKyVariant(lineId)), -5001);            // a source of another kind
  EXPECT_EQ(match(CKyVariant(OdDbObjectId())), -5001);    // no source
  EXPECT_EQ(match(CKyVariant(CKyString("source"))), -5001); // not an id
  expectTargetUntouched();

  target->downgradeOpen();
  EXPECT_EQ(match(CKyVariant(sourceId)), -5001);
  target->upgradeOpen();
  expectTargetUntouched();
}

TEST_F(MatchPolyline, RoutineRaisesForKindsItDoesNotServe)
{
  OdDbLinePtr line = OdDbLine::createObject();
  drawing.add(line);
  EXPECT_THROW(CKyMatchPropHelper::matchPolylineProps(OdDbEntityPtr(line), OdDbEntityPtr(target)),
               OdError_NotThatKindOfClass);
  EXPECT_THROW(CKyMatchPropHelper::matchPolylineProps(OdDbEntityPtr(source), OdDbEntityPtr(line)),
               OdError_NotThatKindOfClass);
  expectTargetUntouched();
}

TEST_F(MatchText, SingleLineOntoMultilineSetsAttachmentFiveAndNoFill)
{
  CKyMatchPropHelper::matchTextProps(OdDbEntityPtr(text), OdDbEntityPtr(mtext));
  EXPECT_EQ(mtext->textStyle(), text->textStyle());
  EXPECT_DOUBLE_EQ(mtext->rotation(), 0.3);
  EXPECT_DOUBLE_EQ(mtext->textHeight(), 2.5);
  EXPECT_EQ(mtext->attachment(), OdDbMText::kMiddleCenter);
  EXPECT_FALSE(mtext->backgroundFillOn());
}

TEST_F(MatchText, MultilineOntoSingleLineKeepsObliqueAndWidthFactor)
{
  CKyMatchPropHelper::matchTextProps(OdDbEntityPtr(mtext), OdDbEntityPtr(text));
  EXPECT_DOUBLE_EQ(text->rotation(), 1.1);
  EXPECT_DOUBLE_EQ(text->height(), 4.0);
  EXPECT_EQ(text->textStyle(), OdDbObjectId());
  EXPECT_DOUBLE_EQ(text->oblique(), 0.2);
  EXPECT_DOUBLE_EQ(text->widthFactor(), 0.8);
}

TEST_F(MatchText, SameKindsCopyTheirOwnExtras)
{
  OdDbTextPtr otherText = OdDbText::createObject();
  drawing.add(otherText);
  CKyMatchPropHelper::matchTextProps(OdDbEntityPtr(text), OdDbEntityPtr(otherText));
  EXPECT_DOUBLE_EQ(otherText->oblique(), 0.2);
  EXPECT_DOUBLE_EQ(otherText->widthFactor(), 0.8);
  EXPECT_DOUBLE_EQ(otherText->height(), 2.5);

  OdDbMTextPtr otherMText = OdDbMText::createObject();
  drawing.add(otherMText);
  CKyMatchPropHelper::matchTextProps(OdDbEntityPtr(mtext), OdDbEntityPtr(otherMText));
  EXPECT_EQ(otherMText->attachment(), OdDbMText::kBottomRight);
  EXPECT_TRUE(otherMText->backgroundFillOn());
  EXPECT_EQ(otherMText->getBackgroundFillColor(), mtext->getBackgroundFillColor());
  EXPECT_TRUE(otherMText->useBackgroundColorOn());

  OdDbLinePtr line = OdDbLine::createObject();
  drawing.add(line);
  EXPECT_THROW(CKyMatchPropHelper::matchTextProps(OdDbEntityPtr(line), OdDbEntityPtr(text)),
               OdError_NotThatKindOfClass);
}
