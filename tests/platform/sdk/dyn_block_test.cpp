// Tests of the dynamic-block stand-ins: a definition with one parameter of each kind, references
// reading defaults and stored values, the representation made on the first write, each action
// on the representation's entities, refused values that change nothing, and the host's
// wrappers and names.
#include <gtest/gtest.h>

#include <cmath>

#include "DbBlockParameter.h"
#include "DbBlockReference.h"
#include "DbBlockTable.h"
#include "DbBlockTableRecord.h"
#include "DbCircle.h"
#include "DbDynBlockReference.h"
#include "DbLine.h"
#include "KyConstraints.h"
#include "KyModuleDynBlocks.h"
#include "KyObjectReadScope.h"
#include "KyTestDrawing.h"
#include "KyTestDynBlocks.h"
#include "KyTestGeometry.h"
#include "KyUtils.h"
#include "OdError.h"

namespace
{
// "Door": a leaf line (0), a handle circle (1) and a swing line (2), with the parameters
// "Width" (moves the handle along X), "Angle" (turns the leaf about the origin), "Flip" (mirrors
// the swing about the Y axis), "State" (shows the leaf or the swing), "Size" (a lookup of
// widths) and "Hidden" (a width nobody sees).
class DynBlockTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    OdDbBlockTablePtr table = OdDbBlockTable::cast(drawing.db()->getBlockTableId().safeOpenObject(OdDb::kForWrite));
    OdDbBlockTableRecordPtr def = OdDbBlockTableRecord::createObject();
    def->setName(L"Door");
    definition = table->add(def);
    def->appendOdDbEntity(OdDbLine::createObject());
    OdDbLinePtr leaf = OdDbLine::cast(def->entityIds()[0].safeOpenObject(OdDb::kForWrite));
    leaf->setEndPoint(OdGePoint3d(10.0, 0.0, 0.0));
    OdDbCirclePtr handle = OdDbCircle::createObject();
    handle->setCenter(OdGePoint3d(10.0, 0.0, 0.0));
    handle->setRadius(0.5);
    def->appendOdDbEntity(handle);
    OdDbLinePtr swing = OdDbLine::createObject();
    swing->setStartPoint(OdGePoint3d(2.0, 1.0, 0.0));
    swing->setEndPoint(OdGePoint3d(3.0, 4.0, 0.0));
    def->appendOdDbEntity(swing);

    OdSmartPtr<OdDbBlockLinearParameter> width = OdDbBlockLinearParameter::createObject();
    width->setDescription(L"Leaf width");
    width->setRange(5.0, 100.0);
    width->setDefaultValue(OdResBuf::newRb(40, 10.0));
    kyAddParameter(def, width, L"Width", {1});

    OdSmartPtr<OdDbBlockRotationParameter> angle = OdDbBlockRotationParameter::createObject();
    kyAddParameter(def, angle, L"Angle", {0});

    OdSmartPtr<OdDbBlockFlipParameter> flip = OdDbBlockFlipParameter::createObject();
    kyAddParameter(def, flip, L"Flip", {2});

    OdSmartPtr<OdDbBlockVisibilityParameter> state = OdDbBlockVisibilityParameter::createObject();
    state->addState(L"Open", kyIndices({0, 1}));
    state->addState(L"Closed", kyIndices({2}));
    kyAddParameter(def, state, L"State");

    OdSmartPtr<OdDbBlockLookupParameter> size = OdDbBlockLookupParameter::createObject();
    size->setTargetName(L"Width");
    size->addEntry(L"Small", OdResBuf::newRb(40, 5.0));
    size->addEntry(L"Large", OdResBuf::newRb(40, 50.0));
    size->addEntry(L"Huge", OdResBuf::newRb(40, 500.0));
    kyAddParameter(def, size, L"Size");

    OdSmartPtr<OdDbBlockLinearParameter> hidden = OdDbBlockLinearParameter::createObject();
    hidden->setShow(false);
    hidden->setReadOnly(true);
    kyAddParameter(def, hidden, L"Hidden");

    reference = addReference();
    other = addReference();
  }

  OdDbObjectId addReference()
  {
    OdDbBlockReferencePtr ref = OdDbBlockReference::createObject();
    ref->setBlockTableRecord(definition);
    return drawing.add(ref);
  }

  OdDbDynBlockReferenceProperty property(const OdDbObjectId& ref, const OdString& name)
  {
    OdDbDynBlockReferencePropertyArray all;
    OdDbDynBlockReference(ref).getBlockProperties(all);
    for (const OdDbDynBlockReferenceProperty& p : all)
      if (p.propertyName() == name)
        return p;
    ADD_FAILURE() << "no property " << name.c_str();
    return OdDbDynBlockReferenceProperty();
  }

  // The entity at an index of the reference's own block.
  OdDbEntityPtr entityOf(const OdDbObjectId& ref, unsigned int index)
  {
    OdDbBlockReferencePtr pRef = OdDbBlockReference::cast(ref.safeOpenObject());
    OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(pRef->blockTableRecord().safeOpenObject());
    return OdDbEntity::cast(block->entityIds()[index].safeOpenObject());
  }

  OdGePoint3d handleCenter(const OdDbObjectId& ref) { return OdDbCircle::cast(entityOf(ref, 1))->center(); }

  KyTestDrawing drawing;
  OdDbObjectId definition;
  OdDbObjectId reference;
  OdDbObjectId other;
};

TEST_F(DynBlockTest, ListsEveryParameterInOrderWithItsTraits)
{
  OdDbDynBlockReference dyn(reference);
  ASSERT_TRUE(dyn.isDynamicBlock());
  EXPECT_EQ(dyn.dynamicBlockTableRecord(), definition);
  OdDbDynBlockReferencePropertyArray all;
  dyn.getBlockProperties(all);
  ASSERT_EQ(all.size(), 6u);
  const wchar_t* names[] = {L"Width", L"Angle", L"Flip", L"State", L"Size", L"Hidden"};
  for (unsigned int i = 0; i < all.size(); ++i)
    EXPECT_EQ(all[i].propertyName(), OdString(names[i]));
  EXPECT_EQ(all[0].description(), OdString(L"Leaf width"));
  EXPECT_EQ(all[0].unitsType(), OdDbDynBlockReferenceProperty::kDistance);
  EXPECT_EQ(all[1].unitsType(), OdDbDynBlockReferenceProperty::kAngular);
  EXPECT_FALSE(all[5].show());
  EXPECT_TRUE(all[5].readOnly());
  EXPECT_FALSE(all[0].readOnly());

  OdResBufArray allowed;
  all[2].getAllowedValues(allowed);
  ASSERT_EQ(allowed.size(), 2u);
  EXPECT_EQ(allowed[0]->restype(), 70);
  EXPECT_EQ(allowed[1]->getInt16(), 1);
  all[3].getAllowedValues(allowed);
  ASSERT_EQ(allowed.size(), 2u);
  EXPECT_EQ(allowed[1]->getString(), OdString(L"Closed"));
  EXPECT_EQ(all[3].value()->getString(), OdString(L"Open"));
  EXPECT_DOUBLE_EQ(all[0].value()->getDouble(), 10.0);
}

TEST_F(DynBlockTest, FirstWriteGivesTheReferenceItsOwnRepresentation)
{
  ASSERT_TRUE(property(reference, L"Width").setValue(OdResBuf::newRb(1040, 25.0)));

  OdDbBlockReferencePtr ref = OdDbBlockReference::cast(reference.safeOpenObject());
  const OdDbObjectId rep = ref->blockTableRecord();
  ASSERT_NE(rep, definition);
  OdDbBlockTableRecordPtr record = OdDbBlockTableRecord::cast(rep.safeOpenObject());
  EXPECT_TRUE(record->isAnonymous());
  EXPECT_EQ(OdDbDynBlockReference::definitionOf(rep), definition);
  EXPECT_EQ(record->entityIds().size(), 3u);

  EXPECT_DOUBLE_EQ(property(reference, L"Width").value()->getDouble(), 25.0);
  EXPECT_EQ(property(reference, L"Width").value()->restype(), 40);
  kyExpectPoint(handleCenter(reference), OdGePoint3d(25.0, 0.0, 0.0), 1e-12);
  // The definition and the other reference are untouched.
  kyExpectPoint(handleCenter(other), OdGePoint3d(10.0, 0.0, 0.0), 1e-12);
  EXPECT_DOUBLE_EQ(property(other, L"Width").value()->getDouble(), 10.0);

  // A second write reuses the representation and moves by the change only.
  ASSERT_TRUE(property(reference, L"Width").setValue(OdResBuf::newRb(40, 20.0)));
  EXPECT_EQ(OdDbBlockReference::cast(reference.safeOpenObject())->blockTableRecord(), rep);
  kyExpectPoint(handleCenter(reference), OdGePoint3d(20.0, 0.0, 0.0), 1e-12);
  EXPECT_TRUE(OdDbDynBlockReference(reference).isDynamicBlock());
}

TEST_F(DynBlockTest, RefusedValuesChangeNothing)
{
  ASSERT_TRUE(property(reference, L"Width").setValue(OdResBuf::newRb(40, 30.0)));
  struct Case
  {
    const wchar_t* name;
    OdResBufPtr value;
  } cases[] = {
    {L"Width", OdResBuf::newRb(1, OdString(L"wide"))}, // text for a distance
    {L"Width", OdResBuf::newRb(40, 200.0)},           // past the range
    {L"Width", OdResBuf::newRb(40, 1.0)},             // below it
    {L"Width", OdResBuf::newRb(70, OdInt16(20))},     // an integer for a distance
    {L"State", OdResBuf::newRb(1, OdString(L"Ajar"))}, // not a state
    {L"Flip", OdResBuf::newRb(70, OdInt16(2))},       // not a flip state
    {L"Size", OdResBuf::newRb(1, OdString(L"Huge"))}, // its width is past the range
    {L"Hidden", OdResBuf::newRb(40, 3.0)},            // read-only
  };
  OdDbBlockReferencePtr ref = OdDbBlockReference::cast(reference.safeOpenObject());
  const OdResBufPtr before = ref->xData(OdDbDynBlockReference::kValuesApp);
  const OdDbObjectId block = ref->blockTableRecord();
  ref.release();
  for (const Case& c : cases)
  {
    SCOPED_TRACE(OdString(c.name).c_str());
    EXPECT_FALSE(property(reference, c.name).setValue(c.value));
    ref = OdDbBlockReference::cast(reference.safeOpenObject());
    EXPECT_TRUE(OdResBuf::chainsEqual(ref->xData(OdDbDynBlockReference::kValuesApp), before));
    EXPECT_EQ(ref->blockTableRecord(), block);
    ref.release();
    kyExpectPoint(handleCenter(reference), OdGePoint3d(30.0, 0.0, 0.0), 1e-12);
  }
  EXPECT_FALSE(property(other, L"State").setValue(nullptr));
  EXPECT_EQ(OdDbBlockReference::cast(other.safeOpenObject())->blockTableRecord(), definition);
}

TEST_F(DynBlockTest, EachActionWorksOnTheRepresentation)
{
  // Rotation: the leaf turns a quarter about the origin.
  ASSERT_TRUE(property(reference, L"Angle").setValue(OdResBuf::newRb(40, M_PI / 2)));
  kyExpectPoint(OdDbLine::cast(entityOf(reference, 0))->endPoint(), OdGePoint3d(0.0, 10.0, 0.0), 1e-9);

  // Flip: the swing mirrors about the Y axis, and back.
  ASSERT_TRUE(property(reference, L"Flip").setValue(OdResBuf::newRb(70, OdInt16(1))));
  EXPECT_EQ(property(reference, L"Flip").value()->restype(), 70);
  EXPECT_EQ(property(reference, L"Flip").value()->getInt16(), 1);
  kyExpectPoint(OdDbLine::cast(entityOf(reference, 2))->startPoint(), OdGePoint3d(-2.0, 1.0, 0.0), 1e-12);
  ASSERT_TRUE(property(reference, L"Flip").setValue(OdResBuf::newRb(70, OdInt16(0))));
  kyExpectPoint(OdDbLine::cast(entityOf(reference, 2))->startPoint(), OdGePoint3d(2.0, 1.0, 0.0), 1e-12);
  // Writing the state it has already mirrors nothing.
  ASSERT_TRUE(property(reference, L"Flip").setValue(OdResBuf::newRb(70, OdInt16(0))));
  kyExpectPoint(OdDbLine::cast(entityOf(reference, 2))->startPoint(), OdGePoint3d(2.0, 1.0, 0.0), 1e-12);

  // Visibility: "Closed" shows only the swing.
  ASSERT_TRUE(property(reference, L"State").setValue(OdResBuf::newRb(1, OdString(L"closed"))));
  EXPECT_EQ(entityOf(reference, 0)->visibility(), OdDb::kInvisible);
  EXPECT_EQ(entityOf(reference, 1)->visibility(), OdDb::kInvisible);
  EXPECT_EQ(entityOf(reference, 2)->visibility(), OdDb::kVisible);

  // Lookup: "Large" sets the width, whose action moves the handle.
  ASSERT_TRUE(property(reference, L"Size").setValue(OdResBuf::newRb(1, OdString(L"Large"))));
  EXPECT_EQ(property(reference, L"Size").value()->getString(), OdString(L"Large"));
  EXPECT_DOUBLE_EQ(property(reference, L"Width").value()->getDouble(), 50.0);
  kyExpectPoint(handleCenter(reference), OdGePoint3d(50.0, 0.0, 0.0), 1e-12);
}

// A lookup shows the entry its target's value matches, however the target got it.
TEST_F(DynBlockTest, LookupFollowsItsTarget)
{
  const auto size = [&] { return property(reference, L"Size").value()->getString(); };
  EXPECT_EQ(size(), OdString()); // the default width 10 is no entry's
  ASSERT_TRUE(property(reference, L"Width").setValue(OdResBuf::newRb(40, 5.0)));
  EXPECT_EQ(size(), OdString(L"Small"));
  ASSERT_TRUE(property(reference, L"Size").setValue(OdResBuf::newRb(1, OdString(L"large"))));
  EXPECT_EQ(size(), OdString(L"Large"));
  ASSERT_TRUE(property(reference, L"Width").setValue(OdResBuf::newRb(40, 20.0)));
  EXPECT_EQ(size(), OdString());
  EXPECT_EQ(property(other, L"Size").value()->getString(), OdString());
}

TEST_F(DynBlockTest, A32BitFlipStoresA32BitValue)
{
  OdDbBlockTableRecordPtr def = OdDbBlockTableRecord::cast(definition.safeOpenObject(OdDb::kForWrite));
  OdSmartPtr<OdDbBlockFlipParameter> flip = new OdDbBlockFlipParameter(90);
  kyAddParameter(def, flip, L"Flip 2");
  def.release();
  EXPECT_THROW(OdDbBlockFlipParameter(40), OdError);

  ASSERT_TRUE(property(reference, L"Flip 2").setValue(OdResBuf::newRb(90, OdInt32(1))));
  EXPECT_EQ(property(reference, L"Flip 2").value()->restype(), 90);
  EXPECT_EQ(property(reference, L"Flip 2").value()->getInt32(), 1);
  EXPECT_FALSE(property(reference, L"Flip 2").setValue(OdResBuf::newRb(90, OdInt32(7))));
}

TEST_F(DynBlockTest, ParametersOfADefinitionAreNamedOnce)
{
  OdDbBlockTableRecordPtr def = OdDbBlockTableRecord::cast(definition.safeOpenObject(OdDb::kForWrite));
  OdSmartPtr<OdDbBlockLinearParameter> again = OdDbBlockLinearParameter::createObject();
  again->setName(L"width");
  EXPECT_THROW(OdDbDynBlockReference::addParameter(def, again), OdError);
  again->setSelection(kyIndices({1}));
  EXPECT_THROW(OdDbDynBlockReference::addParameter(def, again, L"WIDTH", kyIndices({0})), OdError);
  // Refused: the parameter keeps its own name and selection.
  EXPECT_EQ(again->name(), OdString(L"width"));
  EXPECT_EQ(again->selection(), kyIndices({1}));
  EXPECT_EQ(OdDbDynBlockReference::parametersOf(definition).size(), 6u);
  // Named and bound in one call.
  const OdDbObjectId added = OdDbDynBlockReference::addParameter(def, again, L"Depth", kyIndices({2, 0}));
  OdDbBlockParameterPtr depth = OdDbBlockParameter::cast(added.safeOpenObject());
  EXPECT_EQ(depth->name(), OdString(L"Depth"));
  EXPECT_EQ(depth->selection(), kyIndices({2, 0}));
  EXPECT_EQ(OdDbDynBlockReference::parametersOf(definition).last(), added);
  EXPECT_THROW(again->setName(L""), OdError);
  EXPECT_THROW(again->setRange(2.0, 1.0), OdError);
  EXPECT_THROW(again->setDefaultValue(OdResBuf::newRb(1, OdString(L"x"))), OdError);
}

TEST_F(DynBlockTest, HostNamesTheDefinitionOfARepresentation)
{
  ASSERT_TRUE(property(reference, L"Width").setValue(OdResBuf::newRb(40, 12.0)));
  const OdDbObjectId rep = OdDbBlockReference::cast(reference.safeOpenObject())->blockTableRecord();
  EXPECT_EQ(CKyUtils::GetDynBlockId(rep), definition);
  EXPECT_EQ(CKyUtils::GetDynBlockName(CKyUtils::GetDynBlockId(rep)), CKyString(L"Door"));
  // An ordinary record, or the definition itself, represents nothing else.
  EXPECT_TRUE(CKyUtils::GetDynBlockId(definition).isNull());
  EXPECT_TRUE(CKyUtils::GetDynBlockName(OdDbObjectId()).isEmpty());

  // The host's wrappers answer for the reference and tell the flip parameter apart.
  const CKyModuleDynBlocks& service = CKyModuleDynBlocks::instance();
  OdDbBlockReferencePtr ref = OdDbBlockReference::cast(reference.safeOpenObject());
  CKyModuleDynBlocks::DynBlockReference wrapper = service.DbDynBlockReference_wrapper(ref);
  ASSERT_TRUE(wrapper.isDynamicBlock());
  OdDbDynBlockReferencePropertyArray all;
  wrapper.getBlockProperties(all);
  ASSERT_EQ(all.size(), 6u);
  int flips = 0;
  for (const OdDbDynBlockReferenceProperty& p : all)
  {
    CKyModuleDynBlocks::DynBlockReferenceProperty prop = service.DbDynBlockReferenceProperty_wrapper(p);
    if (service.DbBlockParameter_wrapper(prop.getBlockParameter()).isKindOf(service.DbBlockFlipParameter_wrapper()))
      ++flips;
  }
  EXPECT_EQ(flips, 1);
  // A reference of an ordinary block is not dynamic and lists nothing.
  OdDbBlockTablePtr table = OdDbBlockTable::cast(drawing.db()->getBlockTableId().safeOpenObject(OdDb::kForWrite));
  OdDbBlockTableRecordPtr plain = OdDbBlockTableRecord::createObject();
  plain->setName(L"Plain");
  OdDbBlockReferencePtr plainRef = OdDbBlockReference::createObject();
  plainRef->setBlockTableRecord(table->add(plain));
  drawing.add(plainRef);
  EXPECT_FALSE(service.DbDynBlockReference_wrapper(plainRef).isDynamicBlock());
  service.DbDynBlockReference_wrapper(plainRef).getBlockProperties(all);
  EXPECT_TRUE(all.empty());
}

// While the palette reads a reference's rows, the host finds its properties once; their values
// are read afresh, and a parameter added meanwhile shows in the next scope.
TEST_F(DynBlockTest, HostListsTheReferencesPropertiesOncePerReadScope)
{
  const CKyModuleDynBlocks& service = CKyModuleDynBlocks::instance();
  OdDbBlockReferencePtr ref = OdDbBlockReference::cast(reference.safeOpenObject());
  auto listed = [&] {
    OdDbDynBlockReferencePropertyArray all;
    service.DbDynBlockReference_wrapper(ref).getBlockProperties(all);
    return all;
  };
  auto addParameter = [&](const wchar_t* name) {
    OdDbBlockTableRecordPtr def = OdDbBlockTableRecord::cast(definition.safeOpenObject(OdDb::kForWrite));
    kyAddParameter(def, OdDbBlockLinearParameter::createObject(), name);
  };
  {
    CKyObjectReadScope scope(ref.get());
    ASSERT_EQ(listed().size(), 6u);
    addParameter(L"Depth");
    EXPECT_EQ(listed().size(), 6u) << "the list found first in the scope";
    EXPECT_TRUE(service.DbDynBlockReference_wrapper(ref).isDynamicBlock());
    // Another object's scope does not see this one's list.
    OdDbBlockReferencePtr second = OdDbBlockReference::cast(other.safeOpenObject());
    {
      CKyObjectReadScope inner(second.get());
      OdDbDynBlockReferencePropertyArray all;
      service.DbDynBlockReference_wrapper(second).getBlockProperties(all);
      EXPECT_EQ(all.size(), 7u);
    }
    ASSERT_TRUE(property(reference, L"Width").setValue(OdResBuf::newRb(40, 12.0)));
    for (const OdDbDynBlockReferenceProperty& p : listed())
    {
      if (p.propertyName() == OdString(L"Width"))
      {
        EXPECT_DOUBLE_EQ(p.value()->getDouble(), 12.0) << "values are read afresh";
      }
    }
  }
  EXPECT_EQ(listed().size(), 7u) << "no scope: the definition as it is";
  CKyObjectReadScope scope(ref.get());
  EXPECT_EQ(listed().size(), 7u);
  addParameter(L"Height");
  {
    OdDbObjectPtr write = reference.safeOpenObject(OdDb::kForWrite);
    EXPECT_EQ(listed().size(), 8u) << "the reference open for write: nothing remembered";
  }
}

// Records the block operations the constraint service hears of.
class RecordingConstraints : public CKyConstraintUtils
{
public:
  CKyConstraintManager* GetConstraintManager() override { return nullptr; }
  void BeginBlockOperation(CKyDocument*, int operation, const OdDbObjectId&) override
  {
    calls.push_back("begin " + std::to_string(operation));
  }
  void EndBlockOperation(CKyDocument*, int operation, const OdDbObjectId&) override
  {
    calls.push_back("end " + std::to_string(operation));
  }
  std::vector<std::string> calls;
};

TEST(ConstraintHelper, TellsTheServiceWhenAnOperationBeginsAndEnds)
{
  RecordingConstraints service;
  CKyConstraintUtils* former = SetConstraintUtils(&service);
  {
    KyConstraints::Helper helper(nullptr, 18, OdDbObjectId());
    EXPECT_EQ(service.calls, std::vector<std::string>({"begin 18"}));
  }
  EXPECT_EQ(service.calls, std::vector<std::string>({"begin 18", "end 18"}));
  SetConstraintUtils(former);
  // Without a service the helper does nothing.
  KyConstraints::Helper quiet(nullptr, 18, OdDbObjectId());
  EXPECT_EQ(service.calls.size(), 2u);
}
} // namespace

// A lookup follows the parameter it names, wherever that stands among the definition's
// parameters, and not the first one that is not a lookup.
TEST_F(DynBlockTest, LookupShowsTheEntryOfTheParameterItNames)
{
  OdDbBlockTableRecordPtr def = OdDbBlockTableRecord::cast(definition.safeOpenObject(OdDb::kForWrite));
  OdSmartPtr<OdDbBlockLinearParameter> depth = OdDbBlockLinearParameter::createObject();
  depth->setDefaultValue(OdResBuf::newRb(40, 7.0));
  kyAddParameter(def, depth, L"Depth", {2});
  OdSmartPtr<OdDbBlockLookupParameter> depths = OdDbBlockLookupParameter::createObject();
  depths->setTargetName(L"Depth");
  depths->addEntry(L"Seven", OdResBuf::newRb(40, 7.0));
  depths->addEntry(L"Ten", OdResBuf::newRb(40, 10.0));
  kyAddParameter(def, depths, L"Depths");
  def.release();
  EXPECT_EQ(property(reference, L"Depths").value()->getString(), OdString(L"Seven"));
  ASSERT_TRUE(property(reference, L"Depths").setValue(OdResBuf::newRb(1, OdString(L"Ten"))));
  EXPECT_DOUBLE_EQ(property(reference, L"Depth").value()->getDouble(), 10.0);
  EXPECT_DOUBLE_EQ(property(reference, L"Width").value()->getDouble(), 10.0);
}

// A value of the right kind under another code (1040 for a distance) is stored under the
// parameter's own code.
TEST_F(DynBlockTest, ValueIsStoredUnderTheParametersOwnCode)
{
  ASSERT_TRUE(property(reference, L"Width").setValue(OdResBuf::newRb(1040, 8.0)));
  const OdResBufPtr stored = property(reference, L"Width").value();
  EXPECT_EQ(stored->restype(), 40);
  EXPECT_DOUBLE_EQ(stored->getDouble(), 8.0);
}

// An erased reference has no values and takes none; a definition open for read takes no parameter.
TEST_F(DynBlockTest, ErasedReferenceAndReadOnlyDefinitionRefuse)
{
  OdDbDynBlockReferenceProperty width = property(reference, L"Width");
  OdDbObjectPtr(reference.safeOpenObject(OdDb::kForWrite))->erase();
  EXPECT_TRUE(width.value().isNull());
  EXPECT_FALSE(width.setValue(OdResBuf::newRb(40, 8.0)));

  OdDbBlockTableRecordPtr def = OdDbBlockTableRecord::cast(definition.safeOpenObject(OdDb::kForRead));
  OdSmartPtr<OdDbBlockLinearParameter> depth = OdDbBlockLinearParameter::createObject();
  EXPECT_THROW(kyAddParameter(def, depth, L"Depth"), OdError);
  EXPECT_EQ(OdDbDynBlockReference::parametersOf(definition).size(), 6u);
}
