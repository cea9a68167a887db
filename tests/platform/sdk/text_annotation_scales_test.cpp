// Annotation scales: the drawing's default scale list made on first use, lookup, additions and
// renames with their refusals, the current scale, and the annotative data of objects.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <vector>

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbObjectContextManager.h"
#include "DbText.h"
#include "DbTextStyleTableRecord.h"

namespace
{
const double kNaN = std::numeric_limits<double>::quiet_NaN();

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

OdString nameOf(const OdDbObjectId& scaleId)
{
  OdString name;
  OdDbAnnotationScalePtr scale = scaleId.safeOpenObject();
  scale->getName(name);
  return name;
}

double factorOf(const OdDbObjectId& scaleId)
{
  double factor = 0.0;
  OdDbAnnotationScalePtr scale = scaleId.safeOpenObject();
  scale->getScale(factor);
  return factor;
}

struct TextAnnotationScales : ::testing::Test
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbTextPtr text = OdDbText::createObject();

  void SetUp() override
  {
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    ms->appendOdDbEntity(text);
  }
  OdDbObjectId scale(const wchar_t* name) { return OdDbAnnotationScaleList::getScale(db, name); }
};
} // namespace

TEST_F(TextAnnotationScales, DefaultListIsMadeOnFirstUseWithUnitScaleCurrent)
{
  const OdDbObjectIdArray scales = OdDbAnnotationScaleList::scales(db);
  ASSERT_EQ(scales.size(), 17u);
  EXPECT_EQ(nameOf(scales[0]), OdString(L"1:1"));
  EXPECT_EQ(nameOf(scales[1]), OdString(L"1:2"));
  EXPECT_EQ(nameOf(scales[16]), OdString(L"100:1"));
  EXPECT_DOUBLE_EQ(factorOf(scale(L"1:2")), 0.5);
  EXPECT_DOUBLE_EQ(factorOf(scale(L"4:1")), 4.0);
  EXPECT_EQ(OdDbAnnotationScaleList::currentScale(db), scales[0]);
  EXPECT_TRUE(scale(L"3:7").isNull());
  EXPECT_EQ(OdDbAnnotationScaleList::dictionaryId(db), OdDbAnnotationScaleList::dictionaryId(db));
}

TEST_F(TextAnnotationScales, AddingAndRenamingRefuseDuplicatesAndBadUnits)
{
  const OdDbObjectId added = OdDbAnnotationScaleList::addScale(db, L"3:7", 3.0, 7.0);
  EXPECT_EQ(scale(L"3:7"), added);
  EXPECT_NEAR(factorOf(added), 3.0 / 7.0, 1e-15);
  EXPECT_EQ(errorOf([&] { OdDbAnnotationScaleList::addScale(db, L"1:2", 1.0, 2.0); }), eDuplicateKey);
  EXPECT_EQ(errorOf([&] { OdDbAnnotationScaleList::addScale(db, L"x", kNaN, 1.0); }), eInvalidInput);
  EXPECT_EQ(errorOf([&] { OdDbAnnotationScaleList::addScale(db, L"y", 1.0, 0.0); }), eInvalidInput);
  EXPECT_EQ(errorOf([&] { OdDbAnnotationScaleList::addScale(db, L"", 1.0, 1.0); }), eInvalidInput);

  OdDbAnnotationScalePtr renamed = added.safeOpenObject(OdDb::kForWrite);
  EXPECT_EQ(renamed->setName(L"1:1"), eDuplicateKey);
  EXPECT_EQ(renamed->setName(L""), eInvalidInput);
  ASSERT_EQ(renamed->setName(L"Detail"), eOk);
  EXPECT_EQ(scale(L"detail"), added);
  EXPECT_TRUE(scale(L"3:7").isNull());
  EXPECT_EQ(renamed->setPaperUnits(kNaN), eInvalidInput);
  EXPECT_EQ(renamed->setDrawingUnits(-1.0), eInvalidInput);
  EXPECT_NEAR(factorOf(added), 3.0 / 7.0, 1e-15);
}

TEST_F(TextAnnotationScales, CurrentScaleMustBeOneOfTheList)
{
  OdDbAnnotationScaleList::setCurrentScale(db, scale(L"1:4"));
  EXPECT_EQ(OdDbAnnotationScaleList::currentScale(db), scale(L"1:4"));
  EXPECT_EQ(errorOf([&] { OdDbAnnotationScaleList::setCurrentScale(db, text->objectId()); }), eWrongObjectType);
  OdDbDatabasePtr other = OdDbDatabase::createObject();
  const OdDbObjectId foreign = OdDbAnnotationScaleList::getScale(other, L"1:2");
  EXPECT_EQ(errorOf([&] { OdDbAnnotationScaleList::setCurrentScale(db, foreign); }), eWrongObjectType);
  EXPECT_EQ(OdDbAnnotationScaleList::currentScale(db), scale(L"1:4"));
}

TEST_F(TextAnnotationScales, AnnotativeObjectStartsWithTheCurrentScale)
{
  EXPECT_FALSE(OdDbAnnotativeObject::isAnnotative(text));
  EXPECT_TRUE(OdDbAnnotativeObject::currentScale(text).isNull());
  OdDbAnnotationScaleList::setCurrentScale(db, scale(L"1:5"));
  OdDbAnnotativeObject::setAnnotative(text, true);
  EXPECT_TRUE(OdDbAnnotativeObject::isAnnotative(text));
  ASSERT_EQ(OdDbAnnotativeObject::scales(text).size(), 1u);
  EXPECT_EQ(OdDbAnnotativeObject::currentScale(text), scale(L"1:5"));
  EXPECT_FALSE(text->xData(OdDbAnnotativeObject::kAppName).isNull());

  OdDbAnnotativeObject::setAnnotative(text, false);
  EXPECT_FALSE(OdDbAnnotativeObject::isAnnotative(text));
  EXPECT_TRUE(text->xData(OdDbAnnotativeObject::kAppName).isNull());
  EXPECT_TRUE(OdDbAnnotativeObject::scales(text).isEmpty());

  OdDbTextPtr loose = OdDbText::createObject();
  EXPECT_EQ(errorOf([&] { OdDbAnnotativeObject::setAnnotative(loose, true); }), eNoDatabase);
}

TEST_F(TextAnnotationScales, ObjectScalesKeepOneCurrentAndAtLeastOne)
{
  OdDbAnnotativeObject::setAnnotative(text, true);
  OdDbAnnotativeObject::setCurrentScale(text, scale(L"1:2"));
  OdDbAnnotativeObject::addScale(text, scale(L"1:10"));
  EXPECT_EQ(OdDbAnnotativeObject::scales(text), OdDbObjectIdArray({scale(L"1:1"), scale(L"1:2"), scale(L"1:10")}));
  EXPECT_EQ(OdDbAnnotativeObject::currentScale(text), scale(L"1:2"));

  EXPECT_EQ(OdDbAnnotativeObject::removeScale(text, scale(L"1:2")), eOk);
  EXPECT_EQ(OdDbAnnotativeObject::currentScale(text), scale(L"1:1"));
  EXPECT_EQ(OdDbAnnotativeObject::removeScale(text, scale(L"1:2")), eKeyNotFound);
  EXPECT_EQ(OdDbAnnotativeObject::removeScale(text, scale(L"1:1")), eOk);
  EXPECT_EQ(OdDbAnnotativeObject::removeScale(text, scale(L"1:10")), eNotApplicable);
  EXPECT_EQ(errorOf([&] { OdDbAnnotativeObject::addScale(text, db->getLayerZeroId()); }), eWrongObjectType);

  // A scale that is erased drops out of the object's list.
  OdDbAnnotativeObject::addScale(text, scale(L"1:20"));
  const OdDbObjectId gone = scale(L"1:10");
  gone.safeOpenObject(OdDb::kForWrite)->erase();
  EXPECT_EQ(OdDbAnnotativeObject::scales(text), OdDbObjectIdArray({scale(L"1:20")}));
  EXPECT_EQ(OdDbAnnotativeObject::currentScale(text), scale(L"1:20"));
}

TEST_F(TextAnnotationScales, StylesAndNonAnnotativeObjectsRefuseScaleEdits)
{
  EXPECT_EQ(errorOf([&] { OdDbAnnotativeObject::addScale(text, scale(L"1:2")); }), eNotApplicable);
  EXPECT_EQ(OdDbAnnotativeObject::removeScale(text, scale(L"1:2")), eNotApplicable);
  OdDbTextStyleTableRecordPtr style = db->getTextStyleStandardId().safeOpenObject(OdDb::kForWrite);
  OdDbAnnotativeObject::setAnnotative(style, true);
  EXPECT_TRUE(OdDbAnnotativeObject::isAnnotative(style));
}

// Data written by other programs: the first handle names the current scale, the rest the list;
// entries of other kinds, unknown handles and non-scales are skipped, and a current scale the
// list does not repeat falls back to the list's first.
TEST_F(TextAnnotationScales, CurrentScaleOfHandWrittenData)
{
  OdDbAnnotativeObject::setAnnotative(text, true); // registers the application
  const OdDbObjectId s12 = scale(L"1:2"), s14 = scale(L"1:4"), s15 = scale(L"1:5");
  const OdDbObjectId layer = db->getLayerZeroId();
  struct Entry
  {
    int kind; // 0 handle of `id`, 1 an unknown handle, 2 a string entry
    OdDbObjectId id;
  };
  struct Case
  {
    const char* what;
    std::vector<Entry> entries;
    OdDbObjectId expected;
  };
  const Case cases[] = {
    {"current repeated in the list", {{0, s12}, {0, s14}, {0, s12}}, s12},
    {"current missing from the list", {{0, s12}, {0, s14}, {0, s15}}, s14},
    {"only a current", {{0, s12}}, OdDbObjectId()},
    {"current not a scale", {{0, layer}, {0, s15}}, s15},
    {"unknown handles skipped", {{1, {}}, {1, {}}, {0, s14}}, s14},
    {"string entries skipped", {{2, {}}, {0, s14}, {2, {}}, {0, s15}, {0, s14}}, s14},
    {"non-scale in the list skipped", {{0, s15}, {0, layer}, {0, s15}}, s15},
  };
  for (const Case& c : cases)
  {
    OdResBufPtr chain = OdResBuf::newRb(OdDb::kDxfRegAppName, OdDbAnnotativeObject::kAppName);
    OdResBufPtr tail = chain->setNext(OdResBuf::newRb(OdDb::kDxfXdInteger16, OdInt16(1)));
    for (const Entry& e : c.entries)
    {
      if (e.kind == 0)
        tail = tail->setNext(OdResBuf::newRb(OdDb::kDxfXdHandle, e.id.getHandle()));
      else if (e.kind == 1)
        tail = tail->setNext(OdResBuf::newRb(OdDb::kDxfXdHandle, OdDbHandle(0xFFFFF0)));
      else
        tail = tail->setNext(OdResBuf::newRb(OdDb::kDxfXdAsciiString, OdString(L"note")));
    }
    text->setXData(chain);
    EXPECT_EQ(OdDbAnnotativeObject::currentScale(text), c.expected) << c.what;
    // The current scale is always one of the object's list.
    const OdDbObjectIdArray list = OdDbAnnotativeObject::scales(text);
    EXPECT_TRUE(c.expected.isNull() ? list.isEmpty() : list.contains(c.expected)) << c.what;
  }
}
