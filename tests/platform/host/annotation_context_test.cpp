// The host's annotation service: annotative flag and orientation flag, current scale names,
// sheet and model text heights, heights from text styles, annotative-by-style, the scales
// dialog request and scale lookup by name.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "DbDictionary.h"
#include "DbLine.h"
#include "DbMText.h"
#include "DbObjectContextManager.h"
#include "DbRegAppTableRecord.h"
#include "DbText.h"
#include "DbTextStyleTableRecord.h"
#include "KyObjectAnnotationContext.h"
#include "KyObjectReadScope.h"
#include "KyScaleList.h"
#include "KyTestDrawing.h"
#include "ResBuf.h"

namespace
{
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

struct AnnotationContext : ::testing::Test
{
  KyTestDrawing drawing;
  OdDbTextPtr text = OdDbText::createObject();
  OdDbObjectId textId;

  void SetUp() override
  {
    text->setHeight(1.0);
    textId = drawing.add(text);
  }
  OdDbObjectId scale(const wchar_t* name) { return OdDbAnnotationScaleList::getScale(drawing.db(), name); }

  void setOrientation(OdInt16 value)
  {
    drawing.db()->newRegApp(L"AcadAnnoPO");
    OdResBufPtr chain = OdResBuf::newRb(1001, L"AcadAnnoPO");
    chain->setNext(OdResBuf::newRb(1070, value));
    text->setXData(chain);
  }
};
} // namespace

TEST_F(AnnotationContext, OrientationFlagNeedsAnnotativeObjectAndValueOne)
{
  bool orientation = true;
  EXPECT_FALSE(CKyObjectAnnotationContext::IsAnnotative(textId, &orientation));
  EXPECT_FALSE(orientation);

  setOrientation(1);
  EXPECT_FALSE(CKyObjectAnnotationContext::IsAnnotative(textId, &orientation));
  EXPECT_FALSE(orientation);

  ASSERT_TRUE(CKyObjectAnnotationContext::SetAnnotative(textId, true, false));
  EXPECT_TRUE(CKyObjectAnnotationContext::IsAnnotative(textId, &orientation));
  EXPECT_TRUE(orientation);
  setOrientation(0);
  EXPECT_TRUE(CKyObjectAnnotationContext::IsAnnotative(textId, &orientation));
  EXPECT_FALSE(orientation);

  EXPECT_FALSE(CKyObjectAnnotationContext::IsAnnotative(OdDbObjectId(), &orientation));
}

TEST_F(AnnotationContext, CurrentScaleIsTheObjectsOrElseTheDrawings)
{
  EXPECT_EQ(CKyObjectAnnotationContext(textId).GetCurrentScale(), "1:1");
  OdDbAnnotationScaleList::setCurrentScale(drawing.db(), scale(L"1:4"));
  EXPECT_EQ(CKyObjectAnnotationContext(textId).GetCurrentScale(), "1:4");

  ASSERT_TRUE(CKyObjectAnnotationContext::SetAnnotative(textId, true, false));
  OdDbAnnotativeObject::setCurrentScale(text, scale(L"1:2"));
  EXPECT_EQ(CKyObjectAnnotationContext(textId).GetCurrentScale(), "1:2");

  OdDbTextPtr plain = OdDbText::createObject();
  const OdDbObjectId plainId = drawing.add(plain);
  OdArray<OdDbObjectId> ids;
  ids.append(plainId);
  ids.append(textId);
  EXPECT_EQ(CKyObjectAnnotationContext(ids).GetCurrentScale(), "1:4");
  EXPECT_EQ(CKyObjectAnnotationContext(OdArray<OdDbObjectId>()).GetCurrentScale(), "");

  // Names are remembered per drawing: a renamed scale shows its new name at once, even while it
  // is still open; the drawing's own current scale likewise.
  const OdDbObjectId quarter = scale(L"1:4");
  {
    OdDbAnnotationScalePtr half = scale(L"1:2").safeOpenObject(OdDb::kForWrite);
    half->setName(L"half");
    EXPECT_EQ(CKyObjectAnnotationContext(textId).GetCurrentScale(), "half");
  }
  OdDbAnnotationScalePtr(quarter.safeOpenObject(OdDb::kForWrite))->setName(L"quarter");
  EXPECT_EQ(CKyObjectAnnotationContext(textId).GetCurrentScale(), "half");
  EXPECT_EQ(CKyObjectAnnotationContext(plainId).GetCurrentScale(), "quarter");
}

TEST_F(AnnotationContext, AnnotativeHeightIsSheetHeightOverScaleFactor)
{
  ASSERT_TRUE(CKyObjectAnnotationContext::SetAnnotative(textId, true, false));
  OdDbAnnotativeObject::setCurrentScale(text, scale(L"1:2"));
  ASSERT_TRUE(CKyObjectAnnotationContext::UpdateAnnotativeTextHeight(text, 2.5));
  EXPECT_DOUBLE_EQ(text->height(), 5.0);
  EXPECT_DOUBLE_EQ(CKyObjectAnnotationContext::GetCurrentScaleFactor(text), 0.5);

  OdDbTextPtr plain = OdDbText::createObject();
  drawing.add(plain);
  ASSERT_TRUE(CKyObjectAnnotationContext::UpdateAnnotativeTextHeight(plain, 2.5));
  EXPECT_DOUBLE_EQ(plain->height(), 2.5);

  OdDbMTextPtr mtext = OdDbMText::createObject();
  const OdDbObjectId mtextId = drawing.add(mtext);
  ASSERT_TRUE(CKyObjectAnnotationContext::SetAnnotative(mtextId, true, false));
  OdDbAnnotativeObject::setCurrentScale(mtext, scale(L"4:1"));
  ASSERT_TRUE(CKyObjectAnnotationContext::UpdateAnnotativeTextHeight(mtext, 2.0));
  EXPECT_DOUBLE_EQ(mtext->textHeight(), 0.5);
}

TEST_F(AnnotationContext, RefusedHeightsChangeNothing)
{
  for (double refused : {0.0, -1.0, kNaN, kInf, -kInf})
  {
    SCOPED_TRACE(refused);
    EXPECT_FALSE(CKyObjectAnnotationContext::UpdateAnnotativeTextHeight(text, refused));
    EXPECT_DOUBLE_EQ(text->height(), 1.0);
  }
  OdDbLinePtr line = OdDbLine::createObject();
  drawing.add(line);
  EXPECT_FALSE(CKyObjectAnnotationContext::UpdateAnnotativeTextHeight(line, 2.0));
  EXPECT_FALSE(CKyObjectAnnotationContext::UpdateAnnotativeTextHeight(nullptr, 2.0));
}

TEST_F(AnnotationContext, StyleTextSizeIsTheSheetHeightOfAnnotativeText)
{
  OdDbTextStyleTableRecordPtr style = drawing.db()->getTextStyleStandardId().safeOpenObject(OdDb::kForWrite);
  text->setTextStyle(style->objectId());
  CKyObjectAnnotationContext::UpdateTextFromTextStyle(text);
  EXPECT_DOUBLE_EQ(text->height(), 1.0);

  style->setTextSize(3.0);
  CKyObjectAnnotationContext::UpdateTextFromTextStyle(text);
  EXPECT_DOUBLE_EQ(text->height(), 3.0);

  OdDbAnnotationScaleList::setCurrentScale(drawing.db(), scale(L"1:2"));
  OdDbAnnotativeObject::setAnnotative(style, true);
  ASSERT_TRUE(CKyObjectAnnotationContext::SetAnnotativeByStyle(textId));
  EXPECT_TRUE(CKyObjectAnnotationContext::IsAnnotative(textId));
  EXPECT_DOUBLE_EQ(text->height(), 6.0);

  OdDbLinePtr line = OdDbLine::createObject();
  const OdDbObjectId lineId = drawing.add(line);
  EXPECT_THROW(CKyObjectAnnotationContext::SetAnnotativeByStyle(lineId), OdError);
  CKyObjectAnnotationContext::UpdateDimensionsOverrides(line.get());
}

TEST_F(AnnotationContext, AddRemoveDialogReceivesAllIds)
{
  KyRecordingMessages services;
  OdArray<OdDbObjectId> ids;
  ids.append(textId);
  ids.append(drawing.add(OdDbLine::createObject()));
  CKyObjectAnnotationContext(ids).ShowAddRemoveUI();
  ASSERT_EQ(services.scaleDialogs.size(), 1u);
  EXPECT_EQ(services.scaleDialogs[0], ids);

  // A one-object context lists its object, for the dialog and for callers alike.
  CKyObjectAnnotationContext one(textId);
  EXPECT_EQ(one.GetIds(), OdArray<OdDbObjectId>({textId}));
  one.ShowAddRemoveUI();
  ASSERT_EQ(services.scaleDialogs.size(), 2u);
  EXPECT_EQ(services.scaleDialogs[1], OdArray<OdDbObjectId>({textId}));
  EXPECT_EQ(one.GetIds().size(), 1u);
}

TEST_F(AnnotationContext, ScalesAreFoundByNameOnly)
{
  OdDbAnnotationScalePtr half = CKyScaleList::GetByName(drawing.db(), "1:2");
  ASSERT_FALSE(half.isNull());
  double factor = 0.0;
  half->getScale(factor);
  EXPECT_DOUBLE_EQ(factor, 0.5);
  EXPECT_TRUE(CKyScaleList::GetByName(drawing.db(), "7:3").isNull());
  EXPECT_TRUE(CKyScaleList::GetByName(nullptr, "1:2").isNull());
  EXPECT_EQ(CKyObjectAnnotationContext::GetByName(drawing.db(), "1:2"), half.get());
  EXPECT_EQ(CKyObjectAnnotationContext::GetScales(drawing.db()).size(), 17u);
}

// Lookups by name are remembered per drawing, so each change to the list (or to anything in
// the drawing) must show in the next answer, also while the changed object is still open.
TEST_F(AnnotationContext, ScaleLookupsFollowEveryChangeToTheList)
{
  auto found = [&](const char* name) { return CKyScaleList::GetByName(drawing.db(), name); };
  const OdDbObjectId halfId = scale(L"1:2");
  ASSERT_EQ(found("1:2"), halfId.openObject().get());
  EXPECT_TRUE(found("3:7").isNull());
  struct Step
  {
    const char* what;
    std::function<void()> change;
    const char* gone;  // no longer found (may be null)
    const char* found; // found now: the scale of id halfId unless null is expected
    bool isHalf;
  };
  OdDbAnnotationScalePtr open;
  const Step steps[] = {
    {"renamed, still open for write",
     [&] {
       open = halfId.safeOpenObject(OdDb::kForWrite);
       open->setName(L"half");
     },
     "1:2", "half", true},
    {"renamed back after closing",
     [&] {
       open.release();
       OdDbAnnotationScalePtr(halfId.safeOpenObject(OdDb::kForWrite))->setName(L"1:2");
     },
     "half", "1:2", true},
    {"erased", [&] { OdDbAnnotationScalePtr(halfId.safeOpenObject(OdDb::kForWrite))->erase(); }, "1:2", nullptr,
     false},
    {"unerased",
     [&] { OdDbAnnotationScalePtr(halfId.openObject(OdDb::kForWrite, true))->erase(false); }, nullptr, "1:2",
     true},
    {"taken off the list without erasing",
     [&] {
       OdDbDictionaryPtr list = OdDbAnnotationScaleList::dictionaryId(drawing.db()).safeOpenObject(OdDb::kForWrite);
       list->remove(halfId);
     },
     "1:2", nullptr, false},
    {"a new scale under an unknown name",
     [&] { OdDbAnnotationScaleList::addScale(drawing.db(), L"3:7", 3.0, 7.0); }, nullptr, "3:7", false},
  };
  for (const Step& step : steps)
  {
    step.change();
    if (step.gone)
    {
      EXPECT_TRUE(found(step.gone).isNull()) << step.what;
    }
    if (step.found)
    {
      const OdDbAnnotationScalePtr now = found(step.found);
      ASSERT_FALSE(now.isNull()) << step.what;
      if (step.isHalf)
      {
        EXPECT_EQ(now->objectId(), halfId) << step.what;
      }
    }
  }
}

// A palette's read scope: answers about its object are remembered while it is open (the palette
// writes nothing then), forgotten when it ends, and never used once the object is open for write.
TEST_F(AnnotationContext, ReadScopeRemembersAnswersOnlyWhileNothingWritesTheObject)
{
  text.release(); // the drawing's text, now closed; opened for read below like the palette does
  OdDbObjectPtr read = textId.openObject(OdDb::kForRead);
  auto currentScale = [&] { return CKyObjectAnnotationContext(textId).GetCurrentScale(); };
  {
    CKyObjectReadScope scope(read.get());
    EXPECT_EQ(currentScale(), "1:1");
    EXPECT_FALSE(CKyObjectAnnotationContext::IsAnnotative(textId));
    const OdDbAnnotationScalePtr unit = CKyScaleList::GetByName(drawing.db(), "1:1");
    // Changed behind the scope's back (the drawing's scale list, not the object): still the
    // answers given first for the object; lookups by name follow the list.
    OdDbAnnotationScaleList::setCurrentScale(drawing.db(), scale(L"1:4"));
    OdDbAnnotationScalePtr(scale(L"1:1").safeOpenObject(OdDb::kForWrite))->setName(L"full size");
    EXPECT_EQ(currentScale(), "1:1");
    EXPECT_TRUE(CKyScaleList::GetByName(drawing.db(), "1:1").isNull());
    EXPECT_EQ(CKyScaleList::GetByName(drawing.db(), "full size"), unit.get());
    {
      // Another object's scope: nothing remembered about the text there, and the outer scope
      // starts afresh once it ends.
      OdDbLinePtr line = OdDbLine::createObject();
      drawing.add(line);
      CKyObjectReadScope inner(line.get());
      EXPECT_EQ(currentScale(), "1:4");
      EXPECT_TRUE(CKyScaleList::GetByName(drawing.db(), "1:1").isNull());
    }
    EXPECT_EQ(currentScale(), "1:4");
  }
  EXPECT_EQ(currentScale(), "1:4");

  CKyObjectReadScope scope(read.get());
  EXPECT_FALSE(CKyObjectAnnotationContext::IsAnnotative(textId));
  {
    OdDbObjectPtr write = textId.openObject(OdDb::kForWrite);
    OdDbAnnotativeObject::setAnnotative(write, true);
    OdDbAnnotativeObject::setCurrentScale(write, scale(L"1:2"));
  }
  EXPECT_TRUE(CKyObjectAnnotationContext::IsAnnotative(textId));
  EXPECT_EQ(currentScale(), "1:2");
}

// Host services that change annotation data forget the scope's answers, whatever they changed.
TEST_F(AnnotationContext, ReadScopeForgetsAnswersWhenAHostServiceWrites)
{
  OdDbTextPtr other = OdDbText::createObject();
  other->setHeight(1.0);
  const OdDbObjectId otherId = drawing.add(other);
  other.release();
  text.release();
  OdDbObjectPtr read = textId.openObject(OdDb::kForRead);
  CKyObjectReadScope scope(read.get());
  EXPECT_EQ(CKyObjectAnnotationContext(textId).GetCurrentScale(), "1:1");
  OdDbAnnotationScaleList::setCurrentScale(drawing.db(), scale(L"1:8"));
  ASSERT_TRUE(CKyObjectAnnotationContext::SetAnnotative(otherId, true, false));
  EXPECT_EQ(CKyObjectAnnotationContext(textId).GetCurrentScale(), "1:8");
}
