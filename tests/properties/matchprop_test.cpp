// Match properties: the polyline carrier row end to end (source id in, widths and linetype
// generation copied), refusals that copy nothing, and the text copy routine in all four
// combinations.
#include <gtest/gtest.h>

#include "Db2dPolyline.h"
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

// A 2D polyline with one vertex per point, each with the widths given.
OdDb2dPolylinePtr heavyPolyline(std::initializer_list<std::pair<double, double>> widths)
{
  OdDb2dPolylinePtr pline = OdDb2dPolyline::createObject();
  double x = 0.0;
  for (const auto& w : widths)
  {
    OdDb2dVertexPtr vertex = OdDb2dVertex::createObject();
    vertex->setPosition(OdGePoint3d(x, 0, 0));
    vertex->setStartWidth(w.first);
    vertex->setEndWidth(w.second);
    pline->appendVertex(vertex);
    x += 5.0;
  }
  return pline;
}

std::vector<std::pair<double, double>> vertexWidths(const OdDb2dPolyline* pline)
{
  std::vector<std::pair<double, double>> out;
  for (OdDbObjectIteratorPtr it = pline->vertexIterator(); !it->done(); it->step())
  {
    OdDb2dVertexPtr v = it->entity();
    out.emplace_back(v->startWidth(), v->endWidth());
  }
  return out;
}

int matchInto(const OdDbEntity* target, const char* carrierName, const OdDbObjectId& sourceId)
{
  KyPaletteRows rows(target);
  const CKyPropertyDescription* carrier = rows.row(carrierName, "MATCHPROP");
  EXPECT_NE(carrier, nullptr) << carrierName;
  return carrier ? carrier->SetValue(target, CKyVariant(sourceId), CKyVariant()) : 0;
}

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

TEST_F(MatchPolyline, HeavyPolylineSourceHandsItsFirstVertexWidthsToALightweightOne)
{
  OdDb2dPolylinePtr heavy = heavyPolyline({{1.5, 3.0}, {4.0, 4.0}});
  heavy->setLinetypeGenerationOn();
  const OdDbObjectId heavyId = drawing.add(heavy);
  EXPECT_EQ(matchInto(target, "MATCHPROP_Polyline", heavyId), 5100);
  EXPECT_EQ(target->getConstantWidth(), 1.5);
  EXPECT_TRUE(target->hasPlinegen());
}

TEST_F(MatchPolyline, HeavyPolylineTargetTakesTheWidthOnEveryVertexAndAsDefaults)
{
  OdDb2dPolylinePtr heavy = heavyPolyline({{1.0, 3.0}, {0.5, 0.5}, {0.0, 0.0}});
  heavy->setLinetypeGenerationOn();
  drawing.add(heavy);
  heavy->curveFit(); // generated vertices take the width as well
  source->setPlinegen(false);
  EXPECT_EQ(matchInto(heavy, "MATCHPROP_2dPolyline", sourceId), 5100);
  EXPECT_FALSE(heavy->isLinetypeGenerationOn());
  EXPECT_EQ(heavy->defaultStartWidth(), 2.0);
  EXPECT_EQ(heavy->defaultEndWidth(), 2.0);
  const std::vector<std::pair<double, double>> widths = vertexWidths(heavy);
  EXPECT_EQ(widths.size(), 5u);
  for (const auto& w : widths)
    EXPECT_EQ(w, std::make_pair(2.0, 2.0));

  // From another 2D polyline: its first vertex's start and end widths, each to its end.
  OdDb2dPolylinePtr other = heavyPolyline({{0.25, 0.75}, {9.0, 9.0}});
  const OdDbObjectId otherId = drawing.add(other);
  EXPECT_EQ(matchInto(heavy, "MATCHPROP_2dPolyline", otherId), 5100);
  EXPECT_EQ(heavy->defaultStartWidth(), 0.25);
  EXPECT_EQ(heavy->defaultEndWidth(), 0.75);
  for (const auto& w : vertexWidths(heavy))
    EXPECT_EQ(w, std::make_pair(0.25, 0.75));

  OdDbLinePtr line = OdDbLine::createObject();
  const OdDbObjectId lineId = drawing.add(line);
  EXPECT_EQ(matchInto(heavy, "MATCHPROP_2dPolyline", lineId), -5001);
  EXPECT_EQ(heavy->defaultStartWidth(), 0.25);
}
