// Database objects: open modes and their enforcement, open references closing objects,
// erasing, handles kept and looked up, ids outliving their database, copies.
#include <gtest/gtest.h>

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbFiler.h"
#include "DbLayerTable.h"
#include "DbLine.h"

namespace
{
struct DbObjects : ::testing::Test
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();

  // A line appended to model space and closed again.
  OdDbObjectId addLine(const OdGePoint3d& a = OdGePoint3d(0, 0, 0), const OdGePoint3d& b = OdGePoint3d(3, 4, 0))
  {
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    OdDbLinePtr line = OdDbLine::createObject();
    line->setStartPoint(a);
    line->setEndPoint(b);
    return ms->appendOdDbEntity(line);
  }
};

OdDbDxfTagList snapshot(const OdDbObject* obj)
{
  OdDbDxfTagList tags;
  obj->dxfOut(&tags);
  return tags;
}
} // namespace

TEST_F(DbObjects, WritingAnObjectOpenForReadThrowsAndLeavesItUnchanged)
{
  const OdDbObjectId id = addLine();
  OdDbLinePtr line = id.safeOpenObject(OdDb::kForRead);
  const OdDbDxfTagList before = snapshot(line);
  try
  {
    line->setStartPoint(OdGePoint3d(9, 9, 9));
    FAIL() << "no exception";
  }
  catch (const OdError& e)
  {
    EXPECT_EQ(eNotOpenForWrite, e.code());
  }
  EXPECT_THROW(line->setColorIndex(1), OdError);
  EXPECT_FALSE(line->isModified());
  EXPECT_EQ(before, snapshot(line)) << snapshot(line).toString();
}

TEST_F(DbObjects, ReadingAClosedObjectThrowsNotOpenForRead)
{
  const OdDbObjectId id = addLine();
  OdDbLine* raw = OdDbLine::cast(id.openObject().get()).get(); // closed again at once
  ASSERT_NE(nullptr, raw);
  EXPECT_EQ(OdDb::kNotOpen, raw->openMode());
  try
  {
    raw->startPoint();
    FAIL() << "no exception";
  }
  catch (const OdError& e)
  {
    EXPECT_EQ(eNotOpenForRead, e.code());
  }
}

TEST_F(DbObjects, UpgradeAndDowngradeSwitchWriteAccess)
{
  const OdDbObjectId id = addLine();
  OdDbLinePtr line = id.openObject(OdDb::kForRead);
  EXPECT_TRUE(line->isReadEnabled());
  EXPECT_FALSE(line->isWriteEnabled());
  line->upgradeOpen();
  EXPECT_TRUE(line->isWriteEnabled());
  line->setThickness(2.0);
  EXPECT_TRUE(line->isModified());
  line->downgradeOpen();
  EXPECT_FALSE(line->isWriteEnabled());
  EXPECT_TRUE(line->isReadEnabled());
  EXPECT_DOUBLE_EQ(2.0, line->thickness());
  EXPECT_THROW(line->setThickness(3.0), OdError);
}

TEST_F(DbObjects, OpenTakesTheStrongerModeAndTheLastReferenceCloses)
{
  const OdDbObjectId id = addLine();
  OdDbObjectPtr writer = id.openObject(OdDb::kForWrite);
  {
    OdDbObjectPtr reader = id.openObject(OdDb::kForRead);
    EXPECT_EQ(writer.get(), reader.get());
    EXPECT_TRUE(reader->isWriteEnabled());
  }
  EXPECT_TRUE(writer->isWriteEnabled());
  OdDbObject* raw = writer.get();
  writer.release();
  EXPECT_EQ(OdDb::kNotOpen, raw->openMode());
  EXPECT_FALSE(raw->isReadEnabled());
  // Reopened for write from closed: nothing written yet.
  OdDbObjectPtr again = id.openObject(OdDb::kForWrite);
  EXPECT_FALSE(again->isModified());
}

TEST_F(DbObjects, NewObjectsAreAlwaysEnabledAndDieWithTheirLastReference)
{
  OdDbLinePtr line = OdDbLine::createObject();
  EXPECT_FALSE(line->isDBRO());
  EXPECT_TRUE(line->isReadEnabled());
  EXPECT_TRUE(line->isWriteEnabled());
  EXPECT_TRUE(line->objectId().isNull());
  EXPECT_EQ(nullptr, line->database());
  EXPECT_EQ(eNotInDatabase, line->erase());
  EXPECT_EQ(1, line->numRefs());
}

TEST_F(DbObjects, AddedObjectStaysOpenForWriteWhileTheCallerHoldsIt)
{
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
  OdDbLinePtr line = OdDbLine::createObject();
  const OdDbObjectId id = ms->appendOdDbEntity(line);
  EXPECT_TRUE(line->isDBRO());
  EXPECT_TRUE(line->isNewObject());
  EXPECT_EQ(OdDb::kForWrite, line->openMode());
  EXPECT_EQ(id, line->objectId());
  EXPECT_EQ(db->getModelSpaceId(), line->ownerId());
  EXPECT_EQ(db->getModelSpaceId(), line->blockId());
  EXPECT_EQ(db.get(), line->database());
  EXPECT_EQ(db->getLayerZeroId(), line->layerId());
  EXPECT_EQ(db->getLinetypeByLayerId(), line->linetypeId());
  OdDbLine* raw = line.get();
  line.release();
  EXPECT_EQ(OdDb::kNotOpen, raw->openMode());
  EXPECT_FALSE(raw->isNewObject());
}

TEST_F(DbObjects, ErasedIdsOpenOnlyWhenAskedFor)
{
  const OdDbObjectId id = addLine();
  {
    OdDbObjectPtr line = id.openObject(OdDb::kForWrite);
    EXPECT_EQ(eOk, line->erase());
    EXPECT_EQ(eWasErased, line->erase());
  }
  EXPECT_TRUE(id.isErased());
  EXPECT_TRUE(id.openObject().isNull());
  try
  {
    id.safeOpenObject();
    FAIL() << "no exception";
  }
  catch (const OdError& e)
  {
    EXPECT_EQ(eWasErased, e.code());
  }
  OdDbObjectPtr erased = id.openObject(OdDb::kForWrite, true);
  ASSERT_FALSE(erased.isNull());
  EXPECT_TRUE(erased->isErased());
  EXPECT_EQ(eOk, erased->erase(false));
  EXPECT_FALSE(id.isErased());

  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject();
  EXPECT_EQ(1u, ms->entityIds().size());
}

TEST_F(DbObjects, NullAndUnknownIdsReportWhy)
{
  OdDbObjectId none;
  EXPECT_TRUE(none.openObject().isNull());
  try
  {
    none.safeOpenObject();
    FAIL();
  }
  catch (const OdError& e)
  {
    EXPECT_EQ(eNullObjectId, e.code());
  }
  OdDbLinePtr typed;
  EXPECT_EQ(eNullObjectId, none.openObject(typed));
  EXPECT_EQ(eNotThatKindOfClass, db->getLayerZeroId().openObject(typed));
  EXPECT_TRUE(typed.isNull());
}

TEST_F(DbObjects, GivenHandlesAreKeptAndFoundAgain)
{
  OdDbLinePtr line = OdDbLine::createObject();
  const OdDbObjectId id = db->addOdDbObject(line, db->getModelSpaceId(), OdDbHandle(OdString(L"2A0")));
  EXPECT_EQ(OdString(L"2A0"), id.getHandle().ascii());
  EXPECT_EQ(id, db->getOdDbObjectId(OdDbHandle(0x2A0)));
  EXPECT_GT(db->handseed().value(), 0x2A0u);
  // A fresh handle never collides with the kept one.
  const OdDbObjectId other = db->addOdDbObject(OdDbLine::createObject());
  EXPECT_NE(id.getHandle(), other.getHandle());
  EXPECT_TRUE(db->getOdDbObjectId(OdDbHandle(0xFFFF)).isNull());
}

TEST_F(DbObjects, DuplicateHandleIsRefused)
{
  db->addOdDbObject(OdDbLine::createObject(), OdDbObjectId(), OdDbHandle(0x500));
  OdDbLinePtr second = OdDbLine::createObject();
  try
  {
    db->addOdDbObject(second, OdDbObjectId(), OdDbHandle(0x500));
    FAIL() << "no exception";
  }
  catch (const OdError& e)
  {
    EXPECT_EQ(eHandleInUse, e.code());
  }
  EXPECT_FALSE(second->isDBRO());
  EXPECT_THROW(db->addOdDbObject(db->getLayerZeroId().safeOpenObject()), OdError);
}

TEST_F(DbObjects, ReservedHandleBecomesValidWhenItsObjectArrives)
{
  const OdDbObjectId forward = db->getOdDbObjectId(OdDbHandle(0x900), true);
  EXPECT_FALSE(forward.isNull());
  EXPECT_FALSE(forward.isValid());
  EXPECT_TRUE(forward.openObject().isNull());
  const OdDbObjectId added = db->addOdDbObject(OdDbLine::createObject(), OdDbObjectId(), OdDbHandle(0x900));
  EXPECT_EQ(forward, added);
  EXPECT_TRUE(forward.isValid());
  EXPECT_EQ(OdDbLine::desc(), forward.objectClass());
}

TEST(DbHandles, HexTextRoundTrips)
{
  const struct
  {
    const wchar_t* text;
    OdUInt64 value;
    const wchar_t* ascii;
  } rows[] = {{L"0", 0, L"0"}, {L"1f", 0x1F, L"1F"}, {L"00A", 0xA, L"A"}, {L"FFFFFFFFFFFFFFFF", ~0ull, L"FFFFFFFFFFFFFFFF"}};
  for (const auto& row : rows)
  {
    const OdDbHandle h{OdString(row.text)};
    EXPECT_EQ(row.value, h.value()) << OdString(row.text).toUtf8();
    EXPECT_EQ(OdString(row.ascii), h.ascii());
  }
  EXPECT_THROW(OdDbHandle(OdString(L"12G")), OdError);
  EXPECT_THROW(OdDbHandle(OdString(L"10000000000000000")), OdError);
}

TEST(DbLifetime, IdsAndOpenObjectsOutliveTheirDatabaseSafely)
{
  OdDbObjectId id;
  OdDbLinePtr stillOpen;
  {
    OdDbDatabasePtr db = OdDbDatabase::createObject();
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    id = ms->appendOdDbEntity(OdDbLine::createObject());
    stillOpen = OdDbLine::createObject();
    ms->appendOdDbEntity(stillOpen);
  }
  EXPECT_FALSE(id.isValid());
  EXPECT_EQ(nullptr, id.database());
  EXPECT_TRUE(id.openObject().isNull());
  // The object that was open is released from the dead database and still usable.
  EXPECT_FALSE(stillOpen->isDBRO());
  EXPECT_EQ(OdString(), stillOpen->layer());
  stillOpen->setThickness(1.0);
}

TEST_F(DbObjects, CloneCopiesStateButNotIdentity)
{
  const OdDbObjectId id = addLine(OdGePoint3d(1, 2, 3), OdGePoint3d(4, 5, 6));
  OdDbLinePtr line = id.safeOpenObject(OdDb::kForWrite);
  line->setThickness(0.5);
  line->setColorIndex(3);
  OdDbLinePtr copy = line->clone();
  EXPECT_FALSE(copy->isDBRO());
  EXPECT_EQ(OdGePoint3d(4, 5, 6), copy->endPoint());
  EXPECT_DOUBLE_EQ(0.5, copy->thickness());
  EXPECT_EQ(3, copy->colorIndex());
  EXPECT_EQ(line->layerId(), copy->layerId());
  EXPECT_THROW(copy->copyFrom(db->getLayerZeroId().safeOpenObject()), OdError);
}

TEST_F(DbObjects, EssentialObjectsCannotBeErased)
{
  for (const OdDbObjectId& id : {db->getLayerZeroId(), db->getModelSpaceId(), db->getLinetypeContinuousId(),
                                 db->getLayerTableId()})
  {
    OdDbObjectPtr obj = id.safeOpenObject(OdDb::kForWrite);
    EXPECT_EQ(eNotApplicable, obj->erase());
    EXPECT_FALSE(id.isErased());
  }
}
