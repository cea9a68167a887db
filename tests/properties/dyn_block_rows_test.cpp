// Dynamic-block rows of block references: the "Custom" rows of shown properties, values by kind
// (lists, flips, angles), writes that take the stored type, refused writes that change nothing,
// rows whose property went away, the constraint service's calls, and the listing's section.
#include <gtest/gtest.h>

#include <cmath>

#include "DbAttribute.h"
#include "DbBlockParameter.h"
#include "DbBlockReference.h"
#include "DbBlockTable.h"
#include "DbBlockTableRecord.h"
#include "DbDynBlockReference.h"
#include "DbLine.h"
#include "KyBlockReferencePE.h"
#include "KyConstraints.h"
#include "KyTestDrawing.h"
#include "KyTestDynBlocks.h"
#include "KyTestGeometry.h"
#include "ResBuf.h"

namespace
{
// Records the constraint service's calls.
class RecordingConstraints : public CKyConstraintUtils
{
public:
  CKyConstraintManager* GetConstraintManager() override { return nullptr; }
  void BeginBlockOperation(CKyDocument*, int operation, const OdDbObjectId&) override { begun.push_back(operation); }
  void EndBlockOperation(CKyDocument*, int, const OdDbObjectId&) override { ++ended; }
  void UpdateBlockConstraints(const OdDbObjectId& blockRecordId, OdDbDatabase* pDb) override
  {
    updated.push_back(blockRecordId);
    lastDb = pDb;
  }
  std::vector<int> begun;
  int ended = 0;
  std::vector<OdDbObjectId> updated;
  OdDbDatabase* lastDb = nullptr;
};

// "Door": a leaf line (0) and a swing line (1); parameters Width (distance 5..100), Angle,
// Flip (16-bit), Flip32 (32-bit), Size (a lookup of widths), Hidden (not shown).
struct DynBlockRows : ::testing::Test
{
  KyModuleSession session;
  KyTestDrawing drawing;
  OdDbObjectId definition;
  OdDbBlockReferencePtr ref;

  void SetUp() override
  {
    OdDbBlockTablePtr table = OdDbBlockTable::cast(drawing.db()->getBlockTableId().safeOpenObject(OdDb::kForWrite));
    OdDbBlockTableRecordPtr def = OdDbBlockTableRecord::createObject();
    def->setName(L"Door");
    definition = table->add(def);
    OdDbLinePtr leaf = OdDbLine::createObject();
    leaf->setEndPoint(OdGePoint3d(10.0, 0.0, 0.0));
    def->appendOdDbEntity(leaf);
    OdDbLinePtr swing = OdDbLine::createObject();
    swing->setStartPoint(OdGePoint3d(2.0, 1.0, 0.0));
    swing->setEndPoint(OdGePoint3d(3.0, 4.0, 0.0));
    def->appendOdDbEntity(swing);

    OdSmartPtr<OdDbBlockLinearParameter> width = OdDbBlockLinearParameter::createObject();
    width->setDescription(L"Leaf width");
    width->setRange(5.0, 100.0);
    width->setDefaultValue(OdResBuf::newRb(40, 10.0));
    kyAddParameter(def, width, L"Width", {0});

    OdSmartPtr<OdDbBlockRotationParameter> angle = OdDbBlockRotationParameter::createObject();
    kyAddParameter(def, angle, L"Angle", {0});

    OdSmartPtr<OdDbBlockFlipParameter> flip = OdDbBlockFlipParameter::createObject();
    kyAddParameter(def, flip, L"Flip", {1});

    OdSmartPtr<OdDbBlockFlipParameter> flip32 = new OdDbBlockFlipParameter(90);
    kyAddParameter(def, flip32, L"Flip32", {1});

    OdSmartPtr<OdDbBlockLookupParameter> size = OdDbBlockLookupParameter::createObject();
    size->setTargetName(L"Width");
    size->addEntry(L"Small", OdResBuf::newRb(40, 5.0));
    size->addEntry(L"Medium", OdResBuf::newRb(40, 20.0));
    size->addEntry(L"Large", OdResBuf::newRb(40, 50.0));
    kyAddParameter(def, size, L"Size");

    OdSmartPtr<OdDbBlockLinearParameter> hidden = OdDbBlockLinearParameter::createObject();
    hidden->setShow(false);
    kyAddParameter(def, hidden, L"Hidden");

    ref = OdDbBlockReference::createObject();
    ref->setBlockTableRecord(definition);
    drawing.add(ref);
  }

  CKyVariant get(const char* name)
  {
    KyPaletteRows rows(ref);
    const CKyPropertyDescription* d = rows.row(name, "Custom");
    EXPECT_NE(d, nullptr) << name;
    return d ? d->GetValue(ref, CKyVariant()) : CKyVariant();
  }
  int set(const char* name, const CKyVariant& value)
  {
    KyPaletteRows rows(ref);
    const CKyPropertyDescription* d = rows.row(name, "Custom");
    EXPECT_NE(d, nullptr) << name;
    return d ? d->SetValue(ref, value, CKyVariant()) : 0;
  }
  OdResBufPtr stored(const OdString& name)
  {
    OdDbDynBlockReferencePropertyArray all;
    OdDbDynBlockReference(ref->objectId()).getBlockProperties(all);
    for (const OdDbDynBlockReferenceProperty& p : all)
      if (p.propertyName() == name)
        return p.value();
    ADD_FAILURE() << "no property " << name.c_str();
    return OdResBufPtr();
  }
  CKyVariant element(int tag) { return CKyVariant(CKyVariantCollectionElement(CKyVariant(tag), CKyVariant())); }
};
} // namespace

TEST_F(DynBlockRows, ShownPropertiesSitBetweenOwnRowsAndAttributes)
{
  OdDbAttributePtr attribute = OdDbAttribute::createObject();
  attribute->setTag(L"NO");
  attribute->setTextString(L"12");
  ref->appendAttribute(attribute);

  KyPaletteRows rows(ref);
  std::vector<std::string> order;
  for (int i = 0; i < rows.container().GetCount(); ++i)
  {
    const CKyPropertyDescription* d = rows.container().GetAt(i);
    const QString category = d->GetCategory().toQString();
    if (category == "Custom" || category == "BlockAttributes" || d->GetName().toQString() == "Block Unit Scale")
      order.push_back((category + "/" + d->GetName().toQString()).toStdString());
  }
  const std::vector<std::string> expected{"Misc/Block Unit Scale", "Custom/Width", "Custom/Angle", "Custom/Flip",
                                          "Custom/Flip32", "Custom/Size", "BlockAttributes/NO"};
  EXPECT_EQ(expected, order);

  const CKyPropertyDescription* angle = rows.row("Angle", "Custom");
  ASSERT_NE(angle, nullptr);
  EXPECT_EQ(CKyPropertyType::kAngleGUID, angle->GetType().GetGUID());
  const CKyPropertyDescription* width = rows.row("Width", "Custom");
  ASSERT_NE(width, nullptr);
  EXPECT_NE(CKyPropertyType::kAngleGUID, width->GetType().GetGUID());
  EXPECT_EQ(QString("Leaf width"), width->GetDescription().toQString());
  EXPECT_TRUE(width->IsDynamic());
  EXPECT_FALSE(width->IsReadOnly(ref));
}

TEST_F(DynBlockRows, ListsShowAllowedValuesAndWriteTheChosenOne)
{
  // The lookup: three entries, each tagged with its position.
  CKyVariant size = get("Size");
  ASSERT_EQ(CKyVariant::kCollection, size.GetType());
  ASSERT_EQ(3, size.GetCollection().GetCount());
  EXPECT_EQ(QString("Large"), size.GetCollection().GetAt(2).GetValue().GetString().toQString());
  EXPECT_EQ(2, size.GetCollection().GetAt(2).GetTag().GetInt32());

  EXPECT_EQ(5100, set("Size", element(2)));
  EXPECT_EQ(OdString(L"Large"), stored(L"Size")->getString());
  EXPECT_DOUBLE_EQ(50.0, stored(L"Width")->getDouble());
  EXPECT_EQ(2, get("Size").GetCollection().GetCurrentIndex());
  EXPECT_DOUBLE_EQ(50.0, get("Width").GetDouble());
  // An element past the list writes nothing.
  EXPECT_EQ(-5001, set("Size", element(3)));
  EXPECT_EQ(OdString(L"Large"), stored(L"Size")->getString());
}

TEST_F(DynBlockRows, FlipsShowWordsAndWriteTheirStoredType)
{
  struct Case
  {
    const char* name;
    int storedType;
  } cases[] = {{"Flip", 70}, {"Flip32", 90}};
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.name);
    CKyVariant flip = get(c.name);
    ASSERT_EQ(CKyVariant::kCollection, flip.GetType());
    ASSERT_EQ(2, flip.GetCollection().GetCount());
    ASSERT_NE(flip.GetCollection().GetCurrent(), nullptr);
    EXPECT_EQ(QString("Not flipped"), flip.GetCollection().GetCurrent()->GetValue().GetString().toQString());

    EXPECT_EQ(5100, set(c.name, element(1)));
    OdResBufPtr value = stored(OdString(c.name));
    EXPECT_EQ(c.storedType, value->restype());
    EXPECT_EQ(1, c.storedType == 70 ? value->getInt16() : value->getInt32());
    EXPECT_EQ(QString("Flipped"), get(c.name).GetCollection().GetCurrent()->GetValue().GetString().toQString());

    // An integer entered directly takes the stored width too.
    EXPECT_EQ(5100, set(c.name, CKyVariant(0)));
    value = stored(OdString(c.name));
    EXPECT_EQ(c.storedType, value->restype());
    EXPECT_EQ(0, c.storedType == 70 ? value->getInt16() : value->getInt32());
  }
}

TEST_F(DynBlockRows, RefusedWritesChangeNothing)
{
  const OdDbDxfTagList before = kySnapshot(ref);
  const OdDbObjectId block = ref->blockTableRecord();
  const struct
  {
    const char* name;
    CKyVariant value;
  } cases[] = {
    {"Width", CKyVariant("wide")},        // text for a distance
    {"Width", CKyVariant(200.0, true)},   // past the range
    {"Width", CKyVariant(1.0, true)},     // below it
    {"Angle", CKyVariant(OdGePoint3d())}, // not a kind a property takes
    {"Flip", CKyVariant(2)},              // not a flip state
    {"Width", CKyVariant(std::nan(""), true)},
    {"Width", CKyVariant(INFINITY, true)},
    // Entries chosen by a tag that is not their position.
    {"Size", CKyVariant(CKyVariantCollectionElement(CKyVariant("2"), CKyVariant()))},
    {"Size", CKyVariant(CKyVariantCollectionElement(CKyVariant(2.0, false), CKyVariant()))},
    {"Flip", CKyVariant(CKyVariantCollectionElement(CKyVariant(), CKyVariant()))},
  };
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(-5001, set(c.name, c.value));
    EXPECT_EQ(before, kySnapshot(ref));
    EXPECT_EQ(block, ref->blockTableRecord());
  }
  EXPECT_DOUBLE_EQ(10.0, get("Width").GetDouble());
}

// The value a row shows, written back, writes nothing: the reference keeps the definition as its
// block and its data.
TEST_F(DynBlockRows, WritingTheValueShownChangesNothing)
{
  const OdDbDxfTagList before = kySnapshot(ref);
  const std::pair<const char*, CKyVariant> cases[] = {
    {"Width", CKyVariant(10.0, true)}, {"Angle", CKyVariant(0.0, true)}, {"Flip", element(0)},
    {"Flip32", CKyVariant(0)}};
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.first);
    EXPECT_EQ(5100, set(c.first, c.second));
    EXPECT_EQ(before, kySnapshot(ref));
    EXPECT_EQ(definition, ref->blockTableRecord());
  }
  // Once it has a representation, an equal value leaves that alone too.
  ASSERT_EQ(5100, set("Size", element(1)));
  const OdDbDxfTagList medium = kySnapshot(ref);
  EXPECT_EQ(5100, set("Size", element(1)));
  EXPECT_EQ(5100, set("Width", CKyVariant(20.0, true)));
  EXPECT_EQ(medium, kySnapshot(ref));
}

// The lookup's row marks the entry of the width the reference has, however it got it.
TEST_F(DynBlockRows, LookupMarksTheEntryOfTheTargetsValue)
{
  EXPECT_EQ(-1, get("Size").GetCollection().GetCurrentIndex()); // width 10 is no entry's
  ASSERT_EQ(5100, set("Width", CKyVariant(20.0, true)));
  EXPECT_EQ(1, get("Size").GetCollection().GetCurrentIndex());
  ASSERT_EQ(5100, set("Width", CKyVariant(21.0, true)));
  EXPECT_EQ(-1, get("Size").GetCollection().GetCurrentIndex());
}

TEST_F(DynBlockRows, RowWhosePropertyWasRenamedIsEmptyAndReadOnly)
{
  KyPaletteRows rows(ref);
  const CKyPropertyDescription* width = rows.row("Width", "Custom");
  ASSERT_NE(width, nullptr);
  ASSERT_FALSE(width->GetValue(ref, CKyVariant()).IsEmpty());
  {
    OdDbBlockParameterPtr p =
      OdDbBlockParameter::cast(OdDbDynBlockReference::parametersOf(definition)[0].safeOpenObject(OdDb::kForWrite));
    p->setName(L"Breadth");
  }
  EXPECT_TRUE(width->GetValue(ref, CKyVariant()).IsEmpty());
  EXPECT_TRUE(width->IsReadOnly(ref));
  EXPECT_EQ(-5001, width->SetValue(ref, CKyVariant(20.0, true), CKyVariant()));
  EXPECT_DOUBLE_EQ(10.0, stored(L"Breadth")->getDouble());
}

TEST_F(DynBlockRows, ReadsRunInAConstraintScopeAndWritesUpdateTheBlock)
{
  RecordingConstraints constraints;
  CKyConstraintUtils* previous = SetConstraintUtils(&constraints);
  get("Width");
  EXPECT_EQ(std::vector<int>{18}, constraints.begun);
  EXPECT_EQ(1, constraints.ended);
  EXPECT_TRUE(constraints.updated.empty());

  EXPECT_EQ(-5001, set("Width", CKyVariant(200.0, true)));
  EXPECT_TRUE(constraints.updated.empty());
  EXPECT_EQ(5100, set("Width", CKyVariant(30.0, true)));
  ASSERT_EQ(1u, constraints.updated.size());
  // The reference has a block of its own now, and that is the one brought up to date.
  EXPECT_NE(definition, ref->blockTableRecord());
  EXPECT_EQ(ref->blockTableRecord(), constraints.updated[0]);
  EXPECT_EQ(drawing.db(), constraints.lastDb);
  SetConstraintUtils(previous);
}

TEST_F(DynBlockRows, NameAndListingShowTheDynamicBlock)
{
  ASSERT_EQ(5100, set("Width", CKyVariant(30.0, true)));
  ASSERT_EQ(5100, set("Flip", element(1)));
  ASSERT_EQ(5100, set("Angle", CKyVariant(M_PI / 2, true)));
  KyPaletteRows rows(ref);
  const CKyPropertyDescription* name = rows.row("Name", "Misc");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(QString("Door"), name->GetValue(ref, CKyVariant()).GetString().toQString());

  KyRecordingPrintContext listing;
  ASSERT_TRUE(CKyPrintObjectInfoPE::PrintInfo(ref, &listing));
  ASSERT_NE(listing.find("Block"), nullptr);
  EXPECT_EQ(QString("Door"), listing.find("Block")->value);
  std::vector<std::string> custom;
  bool inSection = false;
  for (const KyRecordingPrintContext::Line& line : listing.lines)
  {
    if (line.label == "Custom Properties")
      inSection = true;
    else if (inSection)
      custom.push_back(line.kind + " " + line.label.toStdString() + "=" + line.value.toStdString());
  }
  const std::vector<std::string> expected{"PrintDist Width=30", "PrintAngle Angle=1.5707963267948966",
                                          "PrintString Flip=Flipped", "PrintString Flip32=Not flipped",
                                          "PrintString Size="};
  EXPECT_EQ(expected, custom);
}

// Rows that stand for no property of the reference (another kind of row of the same name, an
// index below zero or past the last property) show nothing, are read-only and refuse values
// without a change.
TEST_F(DynBlockRows, RowsForNoPropertyAreEmptyReadOnlyAndRefuse)
{
  OdDbDynBlockReferencePropertyArray all;
  OdDbDynBlockReference(ref->objectId()).getBlockProperties(all);
  CKyDynBlockDescription past(static_cast<OdInt32>(all.size()));
  CKyDynBlockDescription negative(-1);
  CKyPropertyDescriptionImpl plain;
  const struct
  {
    const char* what;
    CKyPropertyDescriptionImpl* row;
  } cases[] = {{"past the last", &past}, {"negative", &negative}, {"not a dynamic-block row", &plain}};
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.what);
    c.row->SetName(CKyString("Width"));
    const OdDbDxfTagList before = kySnapshot(ref);
    EXPECT_EQ(CKyVariant::kEmpty,
              CKyBlockReferencePE::GetDynamicPropertyDynamicBlock(ref, *c.row, CKyVariant()).GetType());
    EXPECT_TRUE(CKyBlockReferencePE::IsDynamicPropertyDynamicBlockReadOnly(ref, *c.row));
    EXPECT_EQ(-5001, CKyBlockReferencePE::SetDynamicPropertyDynamicBlock(ref, *c.row, CKyVariant(20.0, true),
                                                                          CKyVariant()));
    EXPECT_EQ(before, kySnapshot(ref));
  }
}
