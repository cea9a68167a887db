// Attribute definition and attribute stand-ins: tags and mode flags, the embedded multiline
// text (conversion both ways, copies in and out), copies and transforms that keep everything,
// filling an attribute from its definition, and refusals that change nothing.
#include <gtest/gtest.h>

#include <functional>

#include "DbAttribute.h"
#include "DbAttributeDefinition.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbFiler.h"
#include "DbLine.h"
#include "Ge/GeGbl.h"
#include "KyTestGeometry.h"

namespace
{
const double kEps = 1e-9;

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

OdDbAttributeDefinitionPtr makeDefinition()
{
  OdDbAttributeDefinitionPtr def = OdDbAttributeDefinition::createObject();
  def->setTag(L"NUMBER");
  def->setPrompt(L"Room number");
  def->setTextString(L"A12");
  def->setPosition(OdGePoint3d(2, 3, 0));
  def->setHeight(2.0);
  return def;
}
} // namespace

TEST(Attribute, TagsAreKeptAsGivenAndBlankOnesAreRefused)
{
  OdDbAttributeDefinitionPtr def = makeDefinition();
  def->setTag(L"room_no");
  EXPECT_EQ(def->tag(), OdString(L"room_no"));
  const OdDbDxfTagList before = kySnapshot(def);
  for (const wchar_t* bad : {L"", L"TWO WORDS", L"TAB\tBED", L"LINE\n"})
  {
    SCOPED_TRACE(testing::Message() << "tag \"" << OdString(bad).c_str() << "\"");
    EXPECT_EQ(errorOf([&] { def->setTag(bad); }), eInvalidInput);
    EXPECT_EQ(kySnapshot(def), before);
  }
  OdDbAttributePtr att = OdDbAttribute::createObject();
  EXPECT_EQ(errorOf([&] { att->setTag(L"A B"); }), eInvalidInput);
  EXPECT_TRUE(att->tag().isEmpty());
}

TEST(Attribute, EachModeFlagHasItsOwnBit)
{
  struct Case
  {
    const char* name;
    std::function<void(OdDbAttributeDefinition*, bool)> set;
    std::function<bool(const OdDbAttributeDefinition*)> get;
    int bit;
  };
  const Case cases[] = {
      {"invisible", [](OdDbAttributeDefinition* d, bool v) { d->setInvisible(v); },
       [](const OdDbAttributeDefinition* d) { return d->isInvisible(); }, 1},
      {"constant", [](OdDbAttributeDefinition* d, bool v) { d->setConstant(v); },
       [](const OdDbAttributeDefinition* d) { return d->isConstant(); }, 2},
      {"verifiable", [](OdDbAttributeDefinition* d, bool v) { d->setVerifiable(v); },
       [](const OdDbAttributeDefinition* d) { return d->isVerifiable(); }, 4},
      {"preset", [](OdDbAttributeDefinition* d, bool v) { d->setPreset(v); },
       [](const OdDbAttributeDefinition* d) { return d->isPreset(); }, 8},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.name);
    OdDbAttributeDefinitionPtr def = makeDefinition();
    def->setInvisible(true); // a neighbour bit that must survive
    def->setPreset(true);
    const int others = 1 | 8;
    c.set(def, true);
    EXPECT_TRUE(c.get(def));
    OdDbDxfTagList tags = kySnapshot(def);
    const std::vector<OdString> flags = tags.values(70);
    ASSERT_FALSE(flags.empty());
    EXPECT_EQ(flags.back(), OdString().format(L"%d", others | c.bit));
    c.set(def, false);
    EXPECT_FALSE(c.get(def));
    EXPECT_EQ(kySnapshot(def).values(70).back(), OdString().format(L"%d", others & ~c.bit));
  }
  OdDbAttributeDefinitionPtr def = makeDefinition();
  EXPECT_FALSE(def->lockPositionInBlock());
  def->setLockPositionInBlock(true);
  EXPECT_TRUE(def->lockPositionInBlock());
  EXPECT_EQ(kySnapshot(def).find(280), OdString(L"1"));
}

TEST(Attribute, ConvertingBuildsAMultilineTextThatShowsTheSameBox)
{
  struct Case
  {
    OdDb::TextHorzMode horizontal;
    OdDb::TextVertMode vertical;
    OdDbMText::AttachmentPoint attachment;
    bool atAlignmentPoint;
  };
  const Case cases[] = {
      {OdDb::kTextLeft, OdDb::kTextBase, OdDbMText::kBottomLeft, false},
      {OdDb::kTextCenter, OdDb::kTextTop, OdDbMText::kTopCenter, true},
      {OdDb::kTextRight, OdDb::kTextVertMid, OdDbMText::kMiddleRight, true},
      {OdDb::kTextMid, OdDb::kTextBase, OdDbMText::kMiddleCenter, true},
      {OdDb::kTextLeft, OdDb::kTextBottom, OdDbMText::kBottomLeft, true},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(testing::Message() << "modes " << c.horizontal << "/" << c.vertical);
    OdDbAttributeDefinitionPtr def = makeDefinition();
    def->setRotation(OdaPI / 6);
    def->setHorizontalMode(c.horizontal);
    def->setVerticalMode(c.vertical);
    def->setAlignmentPoint(OdGePoint3d(10, 4, 0));
    def->adjustAlignment();
    OdGeExtents3d single;
    ASSERT_EQ(def->getGeomExtents(single), eOk);

    def->convertIntoMTextAttributeDefinition(true);
    ASSERT_TRUE(def->isMTextAttributeDefinition());
    OdDbMTextPtr mtext = def->getMTextAttributeDefinition();
    ASSERT_FALSE(mtext.isNull());
    EXPECT_EQ(mtext->attachment(), c.attachment);
    kyExpectPoint(mtext->location(), c.atAlignmentPoint ? def->alignmentPoint() : def->position());
    EXPECT_EQ(mtext->contents(), OdString(L"A12"));
    EXPECT_NEAR(mtext->textHeight(), 2.0, kEps);
    EXPECT_NEAR(mtext->rotation(), OdaPI / 6, kEps);
    OdGeExtents3d multi;
    ASSERT_EQ(def->getGeomExtents(multi), eOk);
    kyExpectPoint(multi.minPoint(), single.minPoint());
    kyExpectPoint(multi.maxPoint(), single.maxPoint());
  }
}

TEST(Attribute, ConvertingBackPlacesTheTextOnTheMultilineAnchor)
{
  OdDbAttributeDefinitionPtr def = makeDefinition();
  def->convertIntoMTextAttributeDefinition(true);
  const OdDbDxfTagList multiline = kySnapshot(def);
  def->convertIntoMTextAttributeDefinition(true); // already multiline: nothing happens
  EXPECT_EQ(kySnapshot(def), multiline);

  OdDbMTextPtr mtext = def->getMTextAttributeDefinition();
  mtext->setAttachment(OdDbMText::kTopRight);
  mtext->setLocation(OdGePoint3d(20, 10, 0));
  mtext->setTextHeight(1.5);
  def->setMTextAttributeDefinition(mtext);

  def->convertIntoMTextAttributeDefinition(false);
  EXPECT_FALSE(def->isMTextAttributeDefinition());
  EXPECT_TRUE(def->getMTextAttributeDefinition().isNull());
  EXPECT_EQ(def->horizontalMode(), OdDb::kTextRight);
  EXPECT_EQ(def->verticalMode(), OdDb::kTextTop);
  EXPECT_NEAR(def->height(), 1.5, kEps);
  kyExpectPoint(def->alignmentPoint(), OdGePoint3d(20, 10, 0));
  // Three glyphs of 0.9 end at the anchor; the box hangs one height below it.
  kyExpectPoint(def->position(), OdGePoint3d(20 - 2.7, 8.5, 0));
  EXPECT_EQ(def->textString(), OdString(L"A12"));
}

TEST(Attribute, EmbeddedTextIsCopiedInAndOut)
{
  OdDbAttributeDefinitionPtr def = makeDefinition();
  EXPECT_TRUE(def->getMTextAttributeDefinition().isNull());
  EXPECT_EQ(errorOf([&] { def->setMTextAttributeDefinition(0); }), eNullObjectPointer);
  EXPECT_FALSE(def->isMTextAttributeDefinition());

  OdDbMTextPtr mtext = OdDbMText::createObject();
  mtext->setContents(L"First\\PSecond");
  mtext->setWidth(12.0);
  def->setMTextAttributeDefinition(mtext);
  EXPECT_TRUE(def->isMTextAttributeDefinition());
  EXPECT_EQ(def->textString(), OdString(L"First\\PSecond"));

  // Changing the handed-out copy or the original does not reach the definition.
  mtext->setWidth(30.0);
  OdDbMTextPtr out = def->getMTextAttributeDefinition();
  EXPECT_DOUBLE_EQ(out->width(), 12.0);
  out->setWidth(40.0);
  EXPECT_DOUBLE_EQ(def->getMTextAttributeDefinition()->width(), 12.0);

  // The default value stays the definition's own string.
  def->setTextString(L"Other");
  EXPECT_EQ(def->getMTextAttributeDefinition()->contents(), OdString(L"Other"));
}

TEST(Attribute, ClonesKeepEverythingIncludingTheEmbeddedText)
{
  OdDbAttributeDefinitionPtr def = makeDefinition();
  def->setConstant(true);
  def->setLockPositionInBlock(true);
  def->convertIntoMTextAttributeDefinition(true);
  OdDbMTextPtr mtext = def->getMTextAttributeDefinition();
  mtext->setWidth(7.5);
  def->setMTextAttributeDefinition(mtext);

  OdDbAttributeDefinitionPtr copy = OdDbAttributeDefinition::cast(def->clone().get());
  ASSERT_FALSE(copy.isNull());
  EXPECT_EQ(kySnapshot(copy), kySnapshot(def));
  EXPECT_EQ(copy->prompt(), OdString(L"Room number"));
  EXPECT_DOUBLE_EQ(copy->getMTextAttributeDefinition()->width(), 7.5);

  // The copy's embedded text is its own.
  OdDbMTextPtr other = copy->getMTextAttributeDefinition();
  other->setWidth(1.0);
  copy->setMTextAttributeDefinition(other);
  EXPECT_DOUBLE_EQ(def->getMTextAttributeDefinition()->width(), 7.5);
}

TEST(Attribute, TransformsMoveTheEmbeddedTextAndRefusalsChangeNothing)
{
  OdDbAttributeDefinitionPtr def = makeDefinition();
  def->convertIntoMTextAttributeDefinition(true);
  ASSERT_EQ(def->transformBy(OdGeMatrix3d::translation(OdGeVector3d(5, 0, 0))), eOk);
  kyExpectPoint(def->position(), OdGePoint3d(7, 3, 0));
  kyExpectPoint(def->getMTextAttributeDefinition()->location(), OdGePoint3d(7, 3, 0));

  const OdDbDxfTagList before = kySnapshot(def);
  OdGeMatrix3d flat = OdGeMatrix3d::scaling(OdGeScale3d(1, 0, 1));
  EXPECT_NE(def->transformBy(flat), eOk);
  EXPECT_EQ(kySnapshot(def), before);
}

TEST(Attribute, FilledFromItsDefinitionAndPlacedByTheBlockTransform)
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbAttributeDefinitionPtr def = makeDefinition();
  def->setInvisible(true);
  def->setVerifiable(true);
  def->setLockPositionInBlock(true);
  def->setTextStyle(db->getTextStyleStandardId());

  OdDbAttributePtr att = OdDbAttribute::createObject();
  att->setColorIndex(3);
  const OdGeMatrix3d place =
      OdGeMatrix3d::translation(OdGeVector3d(100, 50, 0)) * OdGeMatrix3d::rotation(OdaPI / 2, OdGeVector3d::kZAxis);
  ASSERT_EQ(att->setAttributeFromBlock(def, place), eOk);
  EXPECT_EQ(att->tag(), OdString(L"NUMBER"));
  EXPECT_EQ(att->textString(), OdString(L"A12"));
  EXPECT_TRUE(att->isInvisible());
  EXPECT_FALSE(att->isConstant());
  EXPECT_TRUE(att->isVerifiable());
  EXPECT_FALSE(att->isPreset());
  EXPECT_TRUE(att->lockPositionInBlock());
  EXPECT_EQ(att->textStyle(), db->getTextStyleStandardId());
  kyExpectPoint(att->position(), OdGePoint3d(97, 52, 0));
  EXPECT_NEAR(att->rotation(), OdaPI / 2, kEps);
  EXPECT_NEAR(att->height(), 2.0, kEps);
  EXPECT_EQ(att->colorIndex(), 3); // the attribute's own entity properties stay
  EXPECT_FALSE(att->isMTextAttribute());

  def->convertIntoMTextAttributeDefinition(true);
  ASSERT_EQ(att->setAttributeFromBlock(def, place), eOk);
  ASSERT_TRUE(att->isMTextAttribute());
  kyExpectPoint(att->getMTextAttribute()->location(), OdGePoint3d(97, 52, 0));

  const OdDbDxfTagList before = kySnapshot(att);
  EXPECT_EQ(att->setAttributeFromBlock(0, place), eInvalidInput);
  EXPECT_EQ(att->setAttributeFromBlock(def, OdGeMatrix3d::scaling(0.0)), eInvalidInput);
  EXPECT_EQ(kySnapshot(att), before);
}

TEST(Attribute, OpenModesAreEnforced)
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbObjectId defId, attId;
  {
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    defId = ms->appendOdDbEntity(makeDefinition());
    OdDbAttributePtr att = OdDbAttribute::createObject();
    att->setTag(L"T");
    attId = ms->appendOdDbEntity(att);
  }
  OdDbAttributeDefinitionPtr def = defId.safeOpenObject(OdDb::kForRead);
  EXPECT_EQ(errorOf([&] { def->setTag(L"OTHER"); }), eNotOpenForWrite);
  EXPECT_EQ(errorOf([&] { def->setPrompt(L"?"); }), eNotOpenForWrite);
  EXPECT_EQ(errorOf([&] { def->setConstant(true); }), eNotOpenForWrite);
  EXPECT_EQ(errorOf([&] { def->convertIntoMTextAttributeDefinition(true); }), eNotOpenForWrite);
  EXPECT_FALSE(def->isMTextAttributeDefinition());
  EXPECT_EQ(def->tag(), OdString(L"NUMBER"));
  def.release();

  OdDbAttributePtr att = attId.safeOpenObject(OdDb::kForRead);
  OdDbAttributeDefinitionPtr source = makeDefinition();
  EXPECT_EQ(errorOf([&] { att->setAttributeFromBlock(source, OdGeMatrix3d::kIdentity); }), eNotOpenForWrite);
  EXPECT_EQ(att->tag(), OdString(L"T"));
  att.release();

  // A line is no attribute: the checked cast refuses it.
  OdDbLinePtr line = OdDbLine::createObject();
  EXPECT_TRUE(OdDbAttribute::cast(line.get()).isNull());
  EXPECT_NE(errorOf([&] { OdDbAttributePtr wrong = line; }), eOk);
}
