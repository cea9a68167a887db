// Dynamic-block parameters in DXF: each kind written under this system's own kind and class, its
// fields as the parameter puts them out and its extended data, classes declared only for kinds
// the drawing has; read back, the parameters are skipped while the reference keeps its
// representation, which still names the definition.
#include <gtest/gtest.h>

#include "DbBlockParameter.h"
#include "DbBlockReference.h"
#include "DbBlockTable.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbDynBlockReference.h"
#include "DbLine.h"
#include "DxfWriteTestUtil.h"
#include "DxfWriter.h"
#include "KyDxfWriter.h"
#include "KyTestDrawing.h"
#include "KyTestDynBlocks.h"

namespace
{
const char* const kKinds[] = {"KYBLKLINEARPARAM", "KYBLKROTATIONPARAM", "KYBLKFLIPPARAM", "KYBLKVISIBILITYPARAM",
                              "KYBLKLOOKUPPARAM"};

// "Gate": a bar (0), with one parameter of each kind, and a reference to it set 4 wide.
struct Gate
{
  KyTestDrawing drawing;
  OdDbObjectId definition;
  OdDbObjectIdArray parameters;
  OdDbObjectId reference;

  Gate()
  {
    OdDbBlockTablePtr table = OdDbBlockTable::cast(drawing.db()->getBlockTableId().safeOpenObject(OdDb::kForWrite));
    OdDbBlockTableRecordPtr def = OdDbBlockTableRecord::createObject();
    def->setName(L"Gate");
    definition = table->add(def);
    OdDbLinePtr bar = OdDbLine::createObject();
    bar->setEndPoint(OdGePoint3d(2.0, 0.0, 0.0));
    def->appendOdDbEntity(bar);
    OdSmartPtr<OdDbBlockLinearParameter> width = OdDbBlockLinearParameter::createObject();
    width->setRange(1.0, 8.0);
    width->setDefaultValue(OdResBuf::newRb(40, 2.0));
    parameters.push_back(kyAddParameter(def, width, L"Width", {0}));
    drawing.db()->newRegApp(L"KY_NOTE");
    OdResBufPtr note = OdResBuf::newRb(1001, L"KY_NOTE");
    note->setNext(OdResBuf::newRb(1000, L"checked"));
    width->setXData(note);
    OdSmartPtr<OdDbBlockRotationParameter> swing = OdDbBlockRotationParameter::createObject();
    parameters.push_back(kyAddParameter(def, swing, L"Swing", {0}));
    OdSmartPtr<OdDbBlockFlipParameter> hand = OdDbBlockFlipParameter::createObject();
    parameters.push_back(kyAddParameter(def, hand, L"Hand", {0}));
    OdSmartPtr<OdDbBlockVisibilityParameter> state = OdDbBlockVisibilityParameter::createObject();
    state->addState(L"Shut", kyIndices({0}));
    state->addState(L"Gone", kyIndices({}));
    parameters.push_back(kyAddParameter(def, state, L"State"));
    OdSmartPtr<OdDbBlockLookupParameter> size = OdDbBlockLookupParameter::createObject();
    size->setTargetName(L"Width");
    size->addEntry(L"Single", OdResBuf::newRb(40, 2.0));
    size->addEntry(L"Double", OdResBuf::newRb(40, 4.0));
    parameters.push_back(kyAddParameter(def, size, L"Size"));
    def.release();
    OdDbBlockReferencePtr ref = OdDbBlockReference::createObject();
    ref->setBlockTableRecord(definition);
    reference = drawing.add(ref);
    ref.release();
    OdDbDynBlockReferencePropertyArray all;
    OdDbDynBlockReference(reference).getBlockProperties(all);
    EXPECT_TRUE(all[4].setValue(OdResBuf::newRb(1, OdString(L"Double"))));
  }

  QByteArray written()
  {
    QByteArray out;
    QString error;
    EXPECT_TRUE(KyDxfWriter::write(drawing.db(), nullptr, out, error)) << error.toStdString();
    return out;
  }
};

// The (code, value) pairs of a file.
std::vector<std::pair<int, std::string>> pairsOf(const QByteArray& file)
{
  std::vector<std::pair<int, std::string>> out;
  const QList<QByteArray> lines = file.split('\n');
  for (int i = 0; i + 1 < lines.size(); i += 2)
    out.emplace_back(lines[i].trimmed().toInt(), lines[i + 1].trimmed().toStdString());
  return out;
}
} // namespace

TEST(DxfWriteParameters, EachKindCarriesTheParametersOwnFields)
{
  Gate gate;
  for (unsigned int i = 0; i < gate.parameters.size(); ++i)
  {
    SCOPED_TRACE(kKinds[i]);
    OdDbObjectPtr parameter = gate.parameters[i].safeOpenObject();
    const std::string text = dxfwrite::writeWhole(parameter, kydxf::kDxfR2018);
    const std::vector<std::pair<int, std::string>> tags = pairsOf(QByteArray::fromStdString(text));
    ASSERT_GE(tags.size(), 4u);
    EXPECT_EQ(tags[0], std::make_pair(0, std::string(kKinds[i])));
    // The object's handle and owner once, as every object has them; then the parameter's own
    // fields from its first subclass on, under the file's markers, tag for tag.
    EXPECT_EQ(tags[1], std::make_pair(5, parameter->objectId().getHandle().ascii().toUtf8()));
    EXPECT_EQ(tags[2], std::make_pair(330, parameter->ownerId().getHandle().ascii().toUtf8()));
    OdDbDxfTagList own;
    parameter->dxfOutFields(&own);
    std::vector<std::pair<int, std::string>> expected;
    bool started = false;
    for (const OdDbDxfTagList::Tag& t : own.tags())
    {
      started = started || t.first == 100;
      if (!started)
        continue;
      std::string value = t.second.toUtf8();
      if (t.first == 100)
        value.replace(0, 4, "KyDb");
      expected.emplace_back(t.first, value);
    }
    // The extended data last (the width's note).
    std::vector<std::pair<int, std::string>> body(tags.begin() + 3, tags.end());
    if (i == 0)
    {
      ASSERT_GE(body.size(), 2u);
      EXPECT_EQ(body[body.size() - 2], std::make_pair(1001, std::string("KY_NOTE")));
      EXPECT_EQ(body.back(), std::make_pair(1000, std::string("checked")));
      body.resize(body.size() - 2);
    }
    ASSERT_EQ(expected.size(), body.size());
    for (unsigned int k = 0; k < body.size(); ++k)
    {
      EXPECT_EQ(expected[k].first, body[k].first) << k;
      // Reals go out in their shortest form.
      if (expected[k].second != body[k].second)
      {
        EXPECT_DOUBLE_EQ(std::stod(expected[k].second), std::stod(body[k].second)) << k;
      }
    }
  }
}

TEST(DxfWriteParameters, ClassesAreDeclaredForTheKindsTheDrawingHas)
{
  Gate gate;
  const std::vector<std::pair<int, std::string>> tags = pairsOf(gate.written());
  for (const char* kind : kKinds)
  {
    SCOPED_TRACE(kind);
    const std::pair<int, std::string> declaration(1, kind), object(0, kind), start(0, "CLASS");
    int declared = 0, objects = 0;
    for (std::size_t i = 1; i < tags.size(); ++i)
    {
      declared += tags[i] == declaration && tags[i - 1] == start;
      objects += tags[i] == object;
    }
    EXPECT_EQ(1, declared);
    EXPECT_EQ(1, objects);
  }
  // Without parameters, none.
  KyTestDrawing plain;
  QByteArray out;
  QString error;
  ASSERT_TRUE(KyDxfWriter::write(plain.db(), nullptr, out, error)) << error.toStdString();
  EXPECT_FALSE(out.contains("KYBLK"));
}

TEST(DxfWriteParameters, ReadBackSkipsTheParametersAndKeepsTheRepresentation)
{
  Gate gate;
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  QString error;
  ASSERT_TRUE(KyDxfReader::readFromBytes(gate.written(), QStringLiteral("gate.dxf"), db, report, error))
    << error.toStdString();
  EXPECT_TRUE(report.repairs.isEmpty());
  for (const char* kind : kKinds)
    EXPECT_EQ(1, report.skipped.value(kind)) << kind;

  OdDbBlockReferencePtr ref =
    OdDbBlockReference::cast(db->getOdDbObjectId(gate.reference.getHandle()).safeOpenObject());
  ASSERT_FALSE(ref.isNull());
  OdDbBlockTableRecordPtr own = OdDbBlockTableRecord::cast(ref->blockTableRecord().safeOpenObject());
  EXPECT_TRUE(own->isAnonymous());
  // The representation's bar, moved by the width 4.
  ASSERT_EQ(1u, own->entityIds().size());
  EXPECT_DOUBLE_EQ(2.0, OdDbLine::cast(own->entityIds()[0].safeOpenObject())->startPoint().x);
  OdDbBlockTableRecordPtr definition = OdDbBlockTableRecord::cast(
    OdDbDynBlockReference::definitionOf(ref->blockTableRecord()).safeOpenObject());
  EXPECT_EQ(OdString(L"Gate"), definition->getName());
  EXPECT_FALSE(OdDbDynBlockReference(ref).isDynamicBlock());
}
