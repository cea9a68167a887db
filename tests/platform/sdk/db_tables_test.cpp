// Symbol tables, dictionaries, fields, header variables and the abstract-view protocol of
// viewport records.
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AbstractViewPE.h"
#include "DbBlockTable.h"
#include "DbDatabase.h"
#include "DbDatabaseReactor.h"
#include "DbDictionary.h"
#include "DbFiler.h"
#include "DbLayerTable.h"
#include "DbLine.h"
#include "DbLinetypeTable.h"
#include "DbDimStyleTable.h"
#include "DbTextStyleTable.h"
#include "DbUCSTable.h"
#include "DbViewportTable.h"
#include "Ge/GeGbl.h"
#include "RxObjectImpl.h"

namespace
{
struct DbTables : ::testing::Test
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();

  OdDbObjectId addLayer(const OdString& name)
  {
    OdDbLayerTablePtr layers = db->getLayerTableId().safeOpenObject(OdDb::kForWrite);
    OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
    layer->setName(name);
    return layers->add(layer);
  }
};

OdResult errorOf(const std::function<void()>& f)
{
  try
  {
    f();
  }
  catch (const OdError& e)
  {
    return e.code();
  }
  return eOk;
}
} // namespace

TEST_F(DbTables, NewDatabaseHoldsTheDefaultRecords)
{
  const struct
  {
    OdDbObjectId table;
    const wchar_t* name;
    OdDbObjectId expected;
  } rows[] = {{db->getLayerTableId(), L"0", db->getLayerZeroId()},
              {db->getLinetypeTableId(), L"ByLayer", db->getLinetypeByLayerId()},
              {db->getLinetypeTableId(), L"BYBLOCK", db->getLinetypeByBlockId()},
              {db->getLinetypeTableId(), L"continuous", db->getLinetypeContinuousId()},
              {db->getTextStyleTableId(), L"Standard", db->getTextStyleStandardId()},
              {db->getDimStyleTableId(), L"Standard", db->getDimStyleStandardId()},
              {db->getBlockTableId(), L"*Model_Space", db->getModelSpaceId()},
              {db->getBlockTableId(), L"*Paper_Space", db->getPaperSpaceId()},
              {db->getViewportTableId(), L"*Active", db->activeViewportId()}};
  for (const auto& row : rows)
  {
    OdDbSymbolTablePtr table = row.table.safeOpenObject();
    EXPECT_EQ(row.expected, table->getAt(row.name)) << OdString(row.name).toUtf8();
    EXPECT_FALSE(row.expected.isNull());
  }
  EXPECT_EQ(db->getLayerZeroId(), db->getCLAYER());
  OdDbLayerTableRecordPtr zero = db->getLayerZeroId().safeOpenObject();
  EXPECT_EQ(db->getLinetypeContinuousId(), zero->linetypeObjectId());
  EXPECT_EQ(7, zero->color().colorIndex());
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject();
  EXPECT_TRUE(ms->isLayout());
  EXPECT_FALSE(ms->isAnonymous());
  EXPECT_TRUE(db->getNamedObjectsDictionaryId().safeOpenObject()->isKindOf(OdDbDictionary::desc()));
}

TEST_F(DbTables, AddRefusesDuplicateAndInvalidNamesAndWrongRecords)
{
  addLayer(L"Walls");
  OdDbLayerTablePtr layers = db->getLayerTableId().safeOpenObject(OdDb::kForWrite);
  const struct
  {
    const wchar_t* name;
    OdResult code;
  } rows[] = {{L"walls", eDuplicateRecordName}, {L"", eInvalidSymbolTableName},   {L"a<b", eInvalidSymbolTableName},
              {L"a*b", eInvalidSymbolTableName}, {L"|x", eInvalidSymbolTableName}, {L"x|", eInvalidSymbolTableName}};
  for (const auto& row : rows)
  {
    OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
    const OdResult code = errorOf([&] {
      layer->setName(row.name);
      layers->add(layer);
    });
    EXPECT_EQ(row.code, code) << OdString(row.name).toUtf8();
    EXPECT_FALSE(layer->isDBRO());
  }
  EXPECT_EQ(eWrongObjectType, errorOf([&] {
              OdDbLinetypeTableRecordPtr lt = OdDbLinetypeTableRecord::createObject();
              lt->setName(L"Dashed");
              layers->add(lt);
            }));
  // Renaming a record onto another record's name is refused as well.
  OdDbLayerTableRecordPtr zero = db->getLayerZeroId().safeOpenObject(OdDb::kForWrite);
  EXPECT_EQ(eDuplicateRecordName, errorOf([&] { zero->setName(L"WALLS"); }));
  EXPECT_EQ(OdString(L"0"), zero->getName());
}

TEST_F(DbTables, TablesNeedWriteAccessAndSkipErasedRecords)
{
  const OdDbObjectId walls = addLayer(L"Walls");
  OdDbLayerTablePtr layers = db->getLayerTableId().safeOpenObject(OdDb::kForRead);
  OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
  layer->setName(L"Doors");
  EXPECT_EQ(eNotOpenForWrite, errorOf([&] { layers->add(layer); }));

  walls.safeOpenObject(OdDb::kForWrite)->erase();
  EXPECT_FALSE(layers->has(L"Walls"));
  EXPECT_FALSE(layers->has(walls));
  EXPECT_EQ(walls, layers->getAt(L"Walls", true));
  int count = 0;
  for (OdDbSymbolTableIteratorPtr it = layers->newIterator(); !it->done(); it->step())
    ++count;
  EXPECT_EQ(1, count);
  count = 0;
  for (OdDbSymbolTableIteratorPtr it = layers->newIterator(true, false); !it->done(); it->step(true, false))
    ++count;
  EXPECT_EQ(2, count);
}

TEST_F(DbTables, BlockIteratorListsEntitiesInOrderSkippingErased)
{
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
  OdDbObjectIdArray ids;
  for (int i = 0; i < 4; ++i)
    ids.append(ms->appendOdDbEntity(OdDbLine::createObject()));
  ids[1].safeOpenObject(OdDb::kForWrite)->erase();
  OdDbObjectIdArray seen;
  for (OdDbObjectIteratorPtr it = ms->newIterator(); !it->done(); it->step())
  {
    seen.append(it->objectId());
    EXPECT_FALSE(it->entity().isNull());
  }
  EXPECT_EQ((OdDbObjectIdArray{ids[0], ids[2], ids[3]}), seen);
  OdDbObjectIteratorPtr back = ms->newIterator(false);
  EXPECT_EQ(ids[3], back->objectId());
  EXPECT_EQ(eNotApplicable, ms->erase());
}

TEST_F(DbTables, DictionaryRoundTrip)
{
  OdDbDictionaryPtr nod = db->getNamedObjectsDictionaryId().safeOpenObject(OdDb::kForWrite);
  OdDbDictionaryPtr child = OdDbDictionary::createObject();
  const OdDbObjectId childId = nod->setAt(L"MY_DATA", child);
  EXPECT_EQ(nod->objectId(), child->ownerId());
  EXPECT_EQ(childId, nod->getAt(L"my_data"));
  EXPECT_TRUE(nod->has(childId));
  EXPECT_EQ(OdString(L"MY_DATA"), nod->nameAt(childId));
  EXPECT_EQ(1u, nod->numEntries());

  const OdDbObjectId lineId = child->setAt(L"first", OdDbLine::createObject());
  const OdDbObjectId replacement = child->setAt(L"first", OdDbLine::createObject());
  EXPECT_TRUE(lineId.isErased()); // the replaced entry is erased
  EXPECT_EQ(replacement, child->getAt(L"first"));
  child->setAt(L"second", OdDbLine::createObject());
  EXPECT_TRUE(child->setName(L"second", L"third"));
  EXPECT_FALSE(child->setName(L"third", L"FIRST"));

  std::vector<OdString> names;
  for (OdDbDictionaryIteratorPtr it = child->newIterator(); !it->done(); it->next())
  {
    names.push_back(it->name());
    EXPECT_FALSE(it->getObject().isNull());
  }
  EXPECT_EQ((std::vector<OdString>{L"first", L"third"}), names);

  // An iterator walks the entries it was made on, whatever the dictionary does meanwhile; one
  // made after the changes sees them.
  {
    OdDbDictionaryIteratorPtr it = child->newIterator();
    child->setAt(L"fourth", OdDbLine::createObject());
    EXPECT_TRUE(child->setName(L"first", L"fifth"));
    names.clear();
    for (; !it->done(); it->next())
      names.push_back(it->name());
    EXPECT_EQ((std::vector<OdString>{L"first", L"third"}), names);
    names.clear();
    for (it = child->newIterator(); !it->done(); it->next())
      names.push_back(it->name());
    EXPECT_EQ((std::vector<OdString>{L"fifth", L"third", L"fourth"}), names);
    EXPECT_EQ(eOk, child->remove(L"fourth"));
    EXPECT_TRUE(child->setName(L"fifth", L"first"));
  }

  EXPECT_EQ(eOk, child->remove(L"third"));
  EXPECT_EQ(eKeyNotFound, child->remove(L"third"));
  EXPECT_EQ(1u, child->numEntries());
  EXPECT_EQ(eInvalidKey, errorOf([&] { child->setAt(L"", OdDbLine::createObject()); }));
}

TEST_F(DbTables, FieldsAreStoredPerPropertyName)
{
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
  OdDbLinePtr host = OdDbLine::createObject();
  EXPECT_EQ(eNoDatabase, errorOf([&] { host->setField(L"TEXT", OdDbDictionary::createObject()); }));
  ms->appendOdDbEntity(host);
  EXPECT_FALSE(host->hasFields());
  EXPECT_TRUE(host->getField().isNull());

  const OdDbObjectId text = host->setField(L"TEXT", OdDbDictionary::createObject());
  const OdDbObjectId tag = host->setField(L"TAG", OdDbDictionary::createObject());
  EXPECT_TRUE(host->hasFields());
  EXPECT_EQ(text, host->getField());
  EXPECT_EQ(tag, host->getField(L"tag"));
  EXPECT_EQ(host->objectId(), text.safeOpenObject()->ownerId());
  EXPECT_FALSE(host->getField(L"TEXT", OdDb::kForRead).isNull());

  // Replacing a field erases the old one; removing erases it too.
  const OdDbObjectId newText = host->setField(L"TEXT", OdDbDictionary::createObject());
  EXPECT_TRUE(text.isErased());
  EXPECT_EQ(newText, host->getField(L"TEXT"));
  EXPECT_EQ(eOk, host->removeField(tag));
  EXPECT_TRUE(tag.isErased());
  EXPECT_EQ(eKeyNotFound, host->removeField(L"TAG"));
  EXPECT_EQ(1u, host->fieldNames().size());
  // Erasing the object erases its fields.
  host->erase();
  EXPECT_TRUE(newText.isErased());
}

TEST_F(DbTables, ExtensionDictionaryIsCreatedOnceAndReleasedWhenEmpty)
{
  OdDbLayerTableRecordPtr zero = db->getLayerZeroId().safeOpenObject(OdDb::kForWrite);
  EXPECT_TRUE(zero->createExtensionDictionary());
  EXPECT_FALSE(zero->createExtensionDictionary());
  OdDbDictionaryPtr ext = zero->extensionDictionary().safeOpenObject(OdDb::kForWrite);
  ext->setAt(L"x", OdDbDictionary::createObject());
  EXPECT_EQ(eContainerNotEmpty, zero->releaseExtensionDictionary());
  ext->remove(L"x");
  EXPECT_EQ(eOk, zero->releaseExtensionDictionary());
  EXPECT_TRUE(zero->extensionDictionary().isNull());
}

TEST_F(DbTables, HeaderVariablesRefuseValuesOutOfRange)
{
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::function<void()> refused[] = {
      [&] { db->setLUNITS(0); },
      [&] { db->setLUNITS(6); },
      [&] { db->setLUPREC(9); },
      [&] { db->setAUNITS(5); },
      [&] { db->setINSUNITS(static_cast<OdDb::UnitsValue>(21)); },
      [&] { db->setLTSCALE(0.0); },
      [&] { db->setCELTSCALE(nan); },
      [&] { db->setTEXTSIZE(-1.0); },
      [&] { db->setUCSXDIR(OdGeVector3d()); },
      [&] { db->setUCSORG(OdGePoint3d(nan, 0, 0)); },
      [&] { db->setCELWEIGHT(static_cast<OdDb::LineWeight>(7)); },
  };
  for (const auto& f : refused)
    EXPECT_EQ(eInvalidInput, errorOf(f));
  EXPECT_EQ(eWrongObjectType, errorOf([&] { db->setCLAYER(db->getLinetypeContinuousId()); }));
  OdDbDatabasePtr other = OdDbDatabase::createObject();
  EXPECT_EQ(eWrongDatabase, errorOf([&] { db->setCLAYER(other->getLayerZeroId()); }));
  EXPECT_EQ(2, db->getLUNITS());

  db->setLUNITS(4);
  db->setINSUNITS(OdDb::kUnitsParsecs);
  db->setUCSXDIR(OdGeVector3d(0, 2, 0));
  EXPECT_EQ(4, db->getLUNITS());
  EXPECT_EQ(OdDb::kUnitsParsecs, db->getINSUNITS());
  EXPECT_TRUE(db->getUCSXDIR().isEqualTo(OdGeVector3d(0, 1, 0)));

  // A frozen layer cannot become current.
  const OdDbObjectId frozen = addLayer(L"Frozen");
  {
    OdDbLayerTableRecordPtr layer = frozen.safeOpenObject(OdDb::kForWrite);
    layer->setIsFrozen(true);
  }
  EXPECT_EQ(eInvalidInput, errorOf([&] { db->setCLAYER(frozen); }));
}

namespace
{
// Writes down what it is told, "will:UCSORG", "did:UCSORG", "goodbye"; a hook runs on each call.
struct RecordingReactor : OdStaticRxObject<OdDbDatabaseReactor>
{
  std::vector<std::string> heard;
  std::function<void()> hook;
  void note(const char* what, const OdString& name = OdString())
  {
    heard.push_back(std::string(what) + name.toUtf8());
    if (hook)
      hook();
  }
  void headerSysVarWillChange(const OdDbDatabase*, const OdString& name) override { note("will:", name); }
  void headerSysVarChanged(const OdDbDatabase*, const OdString& name) override { note("did:", name); }
  void goodbye(const OdDbDatabase*) override { note("goodbye"); }
  void objectAppended(const OdDbDatabase*, const OdDbObject* pObj) override { noteObject("appended:", pObj); }
  void objectOpenedForModify(const OdDbDatabase*, const OdDbObject* pObj) override { noteObject("modify:", pObj); }
  void objectErased(const OdDbDatabase*, const OdDbObject* pObj, bool erased) override
  {
    noteObject(erased ? "erased:" : "unerased:", pObj);
  }
  // Objects are told by their class name.
  void noteObject(const char* what, const OdDbObject* pObj) { note(what, pObj->isA()->name()); }
};
} // namespace

// Each change is told once per write-open period, before it is made; adding and erasing are told
// as well. Opening for write alone, or changing an object outside a database, tells nothing.
TEST_F(DbTables, ReactorsHearObjectsAddedChangedAndErased)
{
  RecordingReactor reactor;
  db->addReactor(&reactor);
  OdDbLinePtr line = OdDbLine::createObject();
  line->setThickness(1.0); // not in a database yet
  OdDbBlockTableRecordPtr space = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
  const OdDbObjectId id = space->appendOdDbEntity(line);
  line->setThickness(2.0); // still open for write since it was added
  line->setThickness(3.0);
  line.release();
  space.release();
  OdDbLinePtr(id.safeOpenObject(OdDb::kForWrite)); // opened and closed, unchanged
  // The reactor sees the old value: it is told before the change.
  double seen = 0.0;
  reactor.hook = [&] {
    if (!reactor.heard.empty() && reactor.heard.back() == "modify:OdDbLine")
      seen = OdDbLinePtr(id.openObject(OdDb::kForRead))->thickness();
  };
  {
    OdDbLinePtr write = id.safeOpenObject(OdDb::kForWrite);
    write->setThickness(4.0);
    write->setThickness(5.0);
  }
  reactor.hook = nullptr;
  OdDbLinePtr(id.safeOpenObject(OdDb::kForWrite))->erase();
  OdDbLinePtr(id.openObject(OdDb::kForWrite, true))->erase(false);
  const std::vector<std::string> expected = {"modify:OdDbBlockTableRecord", "appended:OdDbLine", "modify:OdDbLine",
                                             "modify:OdDbLine", "modify:OdDbLine", "erased:OdDbLine",
                                             "modify:OdDbLine", "unerased:OdDbLine"};
  EXPECT_EQ(reactor.heard, expected);
  EXPECT_EQ(seen, 3.0);
  db->removeReactor(&reactor);
}

TEST_F(DbTables, ReactorsHearAcceptedHeaderChangesAndTheEnd)
{
  RecordingReactor first, second;
  db->addReactor(&first);
  db->addReactor(&first); // one entry
  db->addReactor(&second);
  db->setUCSORG(OdGePoint3d(1, 2, 3));
  EXPECT_EQ(errorOf([&] { db->setLTSCALE(-1.0); }), eInvalidInput); // refused: not announced
  EXPECT_EQ(errorOf([&] { db->setUCSXDIR(OdGeVector3d()); }), eInvalidInput);
  // While told, the second reactor sees the value already stored only after the change.
  OdGePoint3d seen;
  second.hook = [&] { seen = db->getUCSORG(); };
  db->setUCSYDIR(OdGeVector3d(0, 2, 0));
  db->setLUNITS(db->getLUNITS()); // unchanged values are announced as well
  second.hook = nullptr;
  const std::vector<std::string> expected = {"will:UCSORG", "did:UCSORG", "will:UCSYDIR", "did:UCSYDIR",
                                             "will:LUNITS", "did:LUNITS"};
  EXPECT_EQ(first.heard, expected);
  EXPECT_EQ(second.heard, expected);
  EXPECT_EQ(seen, OdGePoint3d(1, 2, 3));

  // A reactor detached by another during a notification is not told any more.
  first.heard.clear();
  second.heard.clear();
  first.hook = [&] { db->removeReactor(&second); };
  db->setANGDIR(true);
  EXPECT_EQ(first.heard, std::vector<std::string>({"will:ANGDIR", "did:ANGDIR"}));
  EXPECT_TRUE(second.heard.empty());
  first.hook = nullptr;
  db->removeReactor(&second); // absent: nothing happens

  first.heard.clear();
  db.release();
  EXPECT_EQ(first.heard, std::vector<std::string>({"goodbye"}));
  EXPECT_EQ(errorOf([&] { OdDbDatabase::createObject()->addReactor(nullptr); }), eNullObjectPointer);
}

TEST_F(DbTables, LayerViewportOverridesFallBackToTheLayer)
{
  OdDbLayerTableRecordPtr layer = db->getLayerZeroId().safeOpenObject(OdDb::kForWrite);
  const OdDbObjectId vp = db->activeViewportId();
  OdCmColor blue;
  blue.setColorIndex(5);
  layer->setColor(blue, vp);
  layer->setLineWeight(OdDb::kLnWt030, vp);
  bool isOverride = false;
  EXPECT_EQ(5, layer->color(vp, isOverride).colorIndex());
  EXPECT_TRUE(isOverride);
  EXPECT_EQ(OdDb::kLnWt030, layer->lineWeight(vp, isOverride));
  EXPECT_EQ(7, layer->color(db->getModelSpaceId(), isOverride).colorIndex());
  EXPECT_FALSE(isOverride);
  layer->removeColorOverride(vp);
  EXPECT_EQ(7, layer->color(vp, isOverride).colorIndex());
  EXPECT_TRUE(layer->hasOverrides(vp));
  layer->removeLineWeightOverride(vp);
  EXPECT_FALSE(layer->hasOverrides(vp));
  OdCmColor byLayer;
  EXPECT_EQ(eInvalidInput, errorOf([&] { layer->setColor(byLayer); }));
  EXPECT_EQ(eInvalidInput, errorOf([&] { layer->setLineWeight(OdDb::kLnWtByLayer); }));
}

TEST_F(DbTables, AbstractViewProtocolGivesBackTheUcsOfTheActiveViewport)
{
  OdDbViewportTableRecordPtr vp = db->activeViewportId().safeOpenObject(OdDb::kForWrite);
  OdAbstractViewPEPtr view(vp);
  ASSERT_FALSE(view.isNull());
  const OdGePoint3d origin(10, 20, 0);
  const OdGeVector3d xAxis(0, 2, 0), yAxis(-1, 0, 0);
  EXPECT_TRUE(view->setUcs(vp, origin, xAxis, yAxis));
  OdGePoint3d o;
  OdGeVector3d x, y;
  view->getUcs(vp, o, x, y);
  EXPECT_TRUE(o.isEqualTo(origin));
  EXPECT_TRUE(x.isEqualTo(OdGeVector3d(0, 1, 0)));
  EXPECT_TRUE(y.isEqualTo(OdGeVector3d(-1, 0, 0)));
  EXPECT_EQ(eInvalidInput, errorOf([&] { view->setUcs(vp, origin, xAxis, OdGeVector3d(1, 1, 0)); }));

  vp->setWidth(40.0);
  vp->setHeight(30.0);
  EXPECT_DOUBLE_EQ(40.0, view->fieldWidth(vp));
  EXPECT_DOUBLE_EQ(30.0, view->fieldHeight(vp));
  EXPECT_TRUE(view->upVector(vp).isEqualTo(OdGeVector3d::kYAxis));
  // A line has no view.
  OdDbLinePtr line = OdDbLine::createObject();
  EXPECT_TRUE(OdAbstractViewPE::cast(line).isNull());
  // ...and the viewport's protocol refuses to read one, or nothing.
  EXPECT_EQ(eNotThatKindOfClass, errorOf([&] { view->getUcs(line, o, x, y); }));
  EXPECT_EQ(eNotThatKindOfClass, errorOf([&] { view->getUcs(nullptr, o, x, y); }));
}

TEST_F(DbTables, SetViewStoresTwistFromTheUpVector)
{
  OdDbViewportTableRecordPtr vp = db->activeViewportId().safeOpenObject(OdDb::kForWrite);
  OdAbstractViewPEPtr view(vp);
  view->setView(vp, OdGePoint3d(1, 2, 3), OdGeVector3d::kZAxis, OdGeVector3d(-1, 0, 0), 8.0, 6.0);
  EXPECT_NEAR(OdaPI / 2, vp->viewTwist(), 1e-12);
  EXPECT_TRUE(view->upVector(vp).isEqualTo(OdGeVector3d(-1, 0, 0)));
  EXPECT_TRUE(view->target(vp).isEqualTo(OdGePoint3d(1, 2, 3)));
}

TEST_F(DbTables, TextStyleRecordRefusesBadValues)
{
  OdDbTextStyleTableRecordPtr style = db->getTextStyleStandardId().safeOpenObject(OdDb::kForWrite);
  EXPECT_EQ(eInvalidInput, errorOf([&] { style->setXScale(0.0); }));
  EXPECT_EQ(eInvalidInput, errorOf([&] { style->setTextSize(-2.0); }));
  EXPECT_EQ(eInvalidInput, errorOf([&] { style->setObliquingAngle(1.5); }));
  style->setObliquingAngle(-0.25);
  style->setFont(L"Sans", true, false, 0, 34);
  OdString face;
  bool bold = false, italic = true;
  int charset = -1, pitch = -1;
  style->font(face, bold, italic, charset, pitch);
  EXPECT_EQ(OdString(L"Sans"), face);
  EXPECT_TRUE(bold);
  EXPECT_FALSE(italic);
  EXPECT_EQ(34, pitch);
  EXPECT_DOUBLE_EQ(-0.25, style->obliquingAngle());
  EXPECT_EQ(OdString(L"txt"), style->fileName());
}

TEST_F(DbTables, RecordSettersRefuseNonFiniteValuesAndKeepTheRecord)
{
  const double nan = std::numeric_limits<double>::quiet_NaN();
  OdDbViewportTableRecordPtr vp = db->activeViewportId().safeOpenObject(OdDb::kForWrite);
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
  OdDbLinetypeTableRecordPtr lt = db->getLinetypeContinuousId().safeOpenObject(OdDb::kForWrite);
  lt->setNumDashes(2);
  OdDbDxfTagList before[3];
  vp->dxfOut(&before[0]);
  ms->dxfOut(&before[1]);
  lt->dxfOut(&before[2]);
  const std::function<void()> refused[] = {
      [&] { vp->setHeight(nan); },
      [&] { vp->setWidth(0.0); },
      [&] { vp->setCenterPoint(OdGePoint2d(nan, 0)); },
      [&] { vp->setTarget(OdGePoint3d(0, 0, nan)); },
      [&] { vp->setViewDirection(OdGeVector3d()); },
      [&] { vp->setLowerLeftCorner(OdGePoint2d(1.5, 0)); },
      [&] { vp->setGridIncrements(OdGeVector2d(-1, 1)); },
      [&] { ms->setOrigin(OdGePoint3d(nan, 0, 0)); },
      [&] { ms->setBlockInsertUnits(static_cast<OdDb::UnitsValue>(31)); }, // in the enumeration's range
      [&] { lt->setDashLengthAt(1, nan); },
      [&] { lt->setPatternLength(-1.0); },
  };
  for (const auto& f : refused)
    EXPECT_EQ(eInvalidInput, errorOf(f));
  EXPECT_THROW(lt->setDashLengthAt(2, 1.0), OdError_InvalidIndex);
  OdDbDxfTagList after[3];
  vp->dxfOut(&after[0]);
  ms->dxfOut(&after[1]);
  lt->dxfOut(&after[2]);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(before[i], after[i]) << after[i].toString();

  lt->setDashLengthAt(0, 0.5);
  lt->setDashLengthAt(1, -0.25);
  EXPECT_DOUBLE_EQ(0.75, lt->patternLength());
}

TEST_F(DbTables, NamedUcsIsCopiedIntoTheViewAndRemembered)
{
  OdDbSymbolTablePtr ucsTable = db->getUCSTableId().safeOpenObject(OdDb::kForWrite);
  OdDbUCSTableRecordPtr ucs = OdDbUCSTableRecord::createObject();
  ucs->setName(L"Front");
  ucs->setOrigin(OdGePoint3d(1, 1, 1));
  ucs->setXAxis(OdGeVector3d(1, 0, 0));
  ucs->setYAxis(OdGeVector3d(0, 0, 3));
  const OdDbObjectId ucsId = ucsTable->add(ucs);
  OdDbViewportTableRecordPtr vp = db->activeViewportId().safeOpenObject(OdDb::kForWrite);
  vp->setUcs(ucsId);
  EXPECT_EQ(ucsId, vp->ucsName());
  OdGePoint3d o;
  OdGeVector3d x, y;
  vp->getUcs(o, x, y);
  EXPECT_TRUE(o.isEqualTo(OdGePoint3d(1, 1, 1)));
  EXPECT_TRUE(y.isEqualTo(OdGeVector3d::kZAxis));
  vp->setUcsToWorld();
  EXPECT_TRUE(vp->ucsName().isNull());
  EXPECT_EQ(eWrongObjectType, errorOf([&] { vp->setUcs(db->getLayerZeroId()); }));
}

TEST_F(DbTables, DimensionStyleKeepsVariablesByGroupCode)
{
  OdDbDimStyleTableRecordPtr style = db->getDimStyleStandardId().safeOpenObject(OdDb::kForWrite);
  style->setDimVar(OdResBuf::newRb(140, 2.5));
  style->setDimVar(OdResBuf::newRb(77, 1));
  EXPECT_DOUBLE_EQ(2.5, style->dimVar(140)->getDouble());
  EXPECT_EQ(1, style->dimVar(77)->getInt16());
  EXPECT_TRUE(style->dimVar(41).isNull());
  EXPECT_EQ((OdArray<int>{77, 140}), style->dimVarCodes());
  EXPECT_EQ(eOk, style->removeDimVar(77));
  EXPECT_EQ(eKeyNotFound, style->removeDimVar(77));
  EXPECT_EQ(eInvalidResBuf, errorOf([&] { style->setDimVar(OdResBuf::newRb(OdResBuf::kRtNone)); }));
}
