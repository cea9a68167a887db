// ATTDEF and ATTRIB in DXF: definitions in model space and in block definitions with their tag,
// prompt, flags, vertical justification and lock, files without markers, attribute subclasses
// that repeat or reuse text codes, the embedded multiline text; refused values are repairs;
// written whole and edited objects read back; files of another writer (ezdxf) and third-party
// drawings read without repairs.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "DbAttribute.h"
#include "DbAttributeDefinition.h"
#include "DbBlockTable.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DxfReader.h"
#include "DxfWriteTestUtil.h"
#include "KyTestCorpus.h"
#include "DxfWriter.h"
#include "KyDxfReader.h"
#include "KyTestGeometry.h"

using namespace kydxf;

namespace
{
// D1: a middle-centred definition with prompt, invisible and preset flags and a locked position.
// D2: a multiline definition whose embedded text is two lines wide 20 (top left at 5,5).
// D3 (in block "B"): a definition without a prompt.
std::string definitionEntities()
{
  return dxfwrite::tags({
    {0, "ATTDEF"}, {5, "D1"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbText"}, {10, "1"}, {20, "2"}, {30, "0"},
    {40, "2.5"}, {1, "A12"}, {72, "1"}, {11, "4"}, {21, "3"}, {31, "0"},
    {100, "AcDbAttributeDefinition"}, {280, "0"}, {3, "Room?"}, {2, "ROOM"}, {70, "9"}, {74, "2"}, {280, "1"},
    {0, "ATTDEF"}, {5, "D2"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbText"}, {10, "5"}, {20, "5"}, {30, "0"},
    {40, "1"}, {1, "First"}, {100, "AcDbAttributeDefinition"}, {280, "0"}, {3, ""}, {2, "NOTE"}, {70, "0"},
    {71, "4"}, {72, "0"}, {101, "Embedded Object"}, {10, "5"}, {20, "5"}, {30, "0"}, {40, "1"}, {41, "20"},
    {71, "1"}, {72, "5"}, {1, "First\\PSecond"},
  });
}

std::string blockWithDefinition()
{
  return dxfwrite::tags({
    {0, "BLOCK"}, {5, "B1"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbBlockBegin"}, {2, "B"}, {70, "2"},
    {10, "0"}, {20, "0"}, {30, "0"}, {3, "B"}, {1, ""},
    {0, "ATTDEF"}, {5, "D3"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbText"}, {10, "0"}, {20, "0"}, {30, "0"},
    {40, "1"}, {1, ""}, {100, "AcDbAttributeDefinition"}, {3, ""}, {2, "T"}, {70, "2"},
    {0, "ENDBLK"}, {5, "B2"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbBlockEnd"},
  });
}

QByteArray definitionFile()
{
  return dxfwrite::minimalFile(kDxfR2018, "", {{"BLOCKS", blockWithDefinition()}, {"ENTITIES", definitionEntities()}});
}

template <class T>
OdSmartPtr<T> at(OdDbDatabase* db, std::uint64_t handle)
{
  return T::cast(db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(handle))).openObject().get());
}

// The attribute of one ATTRIB object's tags, as an INSERT's sequence hands it over.
struct ReadAttribute
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  OdDbAttributePtr attribute;
};
ReadAttribute readAttributeTags(const std::string& tags)
{
  ReadAttribute r;
  const std::string data = tags + "0\nEOF\n";
  DxfReader reader(data.data(), data.size(), r.db, r.report, false);
  r.attribute = reader.readNextAttribute();
  return r;
}

// Entities of model space, in order.
template <class T>
std::vector<OdSmartPtr<T>> modelSpace(OdDbDatabase* db)
{
  std::vector<OdSmartPtr<T>> out;
  OdDbBlockTableRecordPtr ms = db->getModelSpaceId().openObject();
  for (const OdDbObjectId& id : ms->entityIds())
  {
    OdSmartPtr<T> e = T::cast(id.openObject().get());
    if (!e.isNull())
      out.push_back(e);
  }
  return out;
}

// Every attribute definition of every block (model space included).
std::vector<OdDbAttributeDefinitionPtr> definitionsOf(OdDbDatabase* db)
{
  std::vector<OdDbAttributeDefinitionPtr> out;
  OdDbBlockTablePtr blocks = db->getBlockTableId().openObject();
  for (OdDbSymbolTableIteratorPtr it = blocks->newIterator(); !it->done(); it->step())
  {
    OdDbBlockTableRecordPtr block = it->getRecordId().openObject();
    for (const OdDbObjectId& id : block->entityIds())
    {
      OdDbAttributeDefinitionPtr d = OdDbAttributeDefinition::cast(id.openObject().get());
      if (!d.isNull())
        out.push_back(d);
    }
  }
  return out;
}

// A file written by ezdxf from the script (which saves to argv[1]).
QByteArray ezdxfFile(const char* script)
{
  QTemporaryDir dir;
  const QString path = dir.filePath("ezdxf.dxf");
  QProcess python;
  python.start("/usr/bin/python3", {"-c", script, path});
  if (!python.waitForFinished(60000) || python.exitCode() != 0)
  {
    ADD_FAILURE() << "ezdxf: " << python.readAllStandardError().toStdString();
    return QByteArray();
  }
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

TEST(DxfAttdef, ReadsDefinitionsInModelSpaceAndInBlocks)
{
  const dxfwrite::Read r = dxfwrite::readSource(definitionFile());
  for (const auto& repair : r.report.repairs)
    ADD_FAILURE() << KyDxfReader::Report::repairText("file", repair).toStdString();
  EXPECT_EQ(r.report.skipped.value("ATTDEF"), 0);

  const OdDbAttributeDefinitionPtr room = at<OdDbAttributeDefinition>(r.db, 0xD1);
  ASSERT_FALSE(room.isNull());
  EXPECT_EQ(room->tag(), OdString(L"ROOM"));
  EXPECT_EQ(room->prompt(), OdString(L"Room?"));
  EXPECT_EQ(room->textString(), OdString(L"A12"));
  EXPECT_TRUE(room->isInvisible());
  EXPECT_FALSE(room->isConstant());
  EXPECT_FALSE(room->isVerifiable());
  EXPECT_TRUE(room->isPreset());
  EXPECT_TRUE(room->lockPositionInBlock());
  EXPECT_EQ(room->horizontalMode(), OdDb::kTextCenter);
  EXPECT_EQ(room->verticalMode(), OdDb::kTextVertMid);
  kyExpectPoint(room->alignmentPoint(), OdGePoint3d(4, 3, 0));
  EXPECT_FALSE(room->isMTextAttributeDefinition());

  // The 71 and 72 of the attribute subclass are no text codes: the text stays left, unmirrored.
  const OdDbAttributeDefinitionPtr note = at<OdDbAttributeDefinition>(r.db, 0xD2);
  ASSERT_FALSE(note.isNull());
  EXPECT_EQ(note->horizontalMode(), OdDb::kTextLeft);
  EXPECT_FALSE(note->isMirroredInX());
  EXPECT_FALSE(note->isMirroredInY());
  EXPECT_FALSE(note->lockPositionInBlock());
  ASSERT_TRUE(note->isMTextAttributeDefinition());
  const OdDbMTextPtr mtext = note->getMTextAttributeDefinition();
  EXPECT_DOUBLE_EQ(mtext->width(), 20.0);
  EXPECT_EQ(mtext->attachment(), OdDbMText::kTopLeft);
  kyExpectPoint(mtext->location(), OdGePoint3d(5, 5, 0));
  EXPECT_EQ(note->textString(), OdString(L"First\\PSecond"));

  const OdDbAttributeDefinitionPtr inBlock = at<OdDbAttributeDefinition>(r.db, 0xD3);
  ASSERT_FALSE(inBlock.isNull());
  EXPECT_TRUE(inBlock->isConstant());
  OdDbBlockTablePtr blocks = r.db->getBlockTableId().openObject();
  EXPECT_EQ(inBlock->ownerId(), blocks->getAt(L"B"));
}

TEST(DxfAttdef, FilesWithoutMarkersKeepTheFieldLengthOutOfTheJustification)
{
  // R12: no subclass markers; 73 is the field length, 74 the vertical justification.
  const QByteArray file = dxfwrite::minimalFile(
    1009, "",
    {{"ENTITIES", dxfwrite::tags({{0, "ATTDEF"}, {8, "0"}, {10, "1"}, {20, "1"}, {30, "0"}, {40, "1"}, {1, "v"},
                                  {3, "p"}, {2, "tag"}, {70, "4"}, {73, "12"}, {72, "2"}, {11, "9"}, {21, "1"},
                                  {31, "0"}, {74, "3"}})}});
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  ASSERT_TRUE(dxfwrite::readsCleanly(file, db, report));
  const std::vector<OdDbAttributeDefinitionPtr> defs = modelSpace<OdDbAttributeDefinition>(db);
  ASSERT_EQ(defs.size(), 1u);
  EXPECT_EQ(defs[0]->tag(), OdString(L"tag")); // files keep their case; only edits raise it
  EXPECT_TRUE(defs[0]->isVerifiable());
  EXPECT_EQ(defs[0]->horizontalMode(), OdDb::kTextRight);
  EXPECT_EQ(defs[0]->verticalMode(), OdDb::kTextTop);
}

TEST(DxfAttdef, RefusedValuesAreRepairsNamingThem)
{
  struct Case
  {
    const char* name;
    std::vector<std::pair<int, std::string>> attributeCodes;
    const char* problem;
  };
  const Case cases[] = {
    {"tag with a space", {{2, "TWO WORDS"}, {70, "0"}}, "ATTDEF tag"},
    {"no tag", {{70, "0"}}, "ATTDEF without a tag"},
    {"vertical justification 7", {{2, "T"}, {74, "7"}}, "ATTDEF vertical justification"},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.name);
    std::vector<std::pair<int, std::string>> tags = {
      {0, "ATTDEF"}, {5, "D1"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbText"}, {10, "0"}, {20, "0"},
      {30, "0"}, {40, "1"}, {1, "x"}, {100, "AcDbAttributeDefinition"}};
    tags.insert(tags.end(), c.attributeCodes.begin(), c.attributeCodes.end());
    const QByteArray file = dxfwrite::minimalFile(kDxfR2018, "", {{"ENTITIES", dxfwrite::tags(tags)}});
    const dxfwrite::Read r = dxfwrite::readSource(file);
    ASSERT_EQ(r.report.repairs.size(), 1u);
    const QString text = KyDxfReader::Report::repairText("f", r.report.repairs[0]);
    EXPECT_TRUE(text.contains(c.problem)) << text.toStdString();
    const OdDbAttributeDefinitionPtr def = at<OdDbAttributeDefinition>(r.db, 0xD1);
    ASSERT_FALSE(def.isNull()) << "the definition is kept";
    EXPECT_EQ(def->textString(), OdString(L"x"));
  }
}

TEST(DxfAttdef, AttributeTagsOfAnInsertSequence)
{
  // Text codes repeated in the attribute subclass count where the text subclass lacks them; its
  // 71 (the attribute's kind in later files) is never a mirror flag.
  const ReadAttribute r = readAttributeTags(dxfwrite::tags({
    {0, "ATTRIB"}, {5, "A1"}, {100, "AcDbEntity"}, {8, "0"}, {62, "3"}, {100, "AcDbText"}, {10, "1"}, {20, "2"},
    {30, "0"}, {40, "2"}, {1, "val"}, {72, "2"}, {11, "7"}, {21, "2"}, {31, "0"}, {100, "AcDbAttribute"},
    {280, "0"}, {2, "NUMBER"}, {70, "8"}, {73, "0"}, {50, "90"}, {71, "6"}, {72, "0"}, {74, "1"}, {280, "1"},
  }));
  EXPECT_TRUE(r.report.repairs.empty());
  ASSERT_FALSE(r.attribute.isNull());
  EXPECT_EQ(r.attribute->tag(), OdString(L"NUMBER"));
  EXPECT_EQ(r.attribute->textString(), OdString(L"val"));
  EXPECT_TRUE(r.attribute->isPreset());
  EXPECT_FALSE(r.attribute->isInvisible());
  EXPECT_TRUE(r.attribute->lockPositionInBlock());
  EXPECT_EQ(r.attribute->horizontalMode(), OdDb::kTextRight);
  EXPECT_EQ(r.attribute->verticalMode(), OdDb::kTextBottom);
  EXPECT_NEAR(r.attribute->rotation(), OdaPI / 2, 1e-12);
  EXPECT_FALSE(r.attribute->isMirroredInX());
  EXPECT_FALSE(r.attribute->isMirroredInY());
  EXPECT_EQ(r.attribute->colorIndex(), 3);
  EXPECT_TRUE(r.attribute->ownerId().isNull()) << "appended by the INSERT's reader, not here";

  const ReadAttribute other = readAttributeTags(dxfwrite::tags({{0, "LINE"}, {8, "0"}}));
  EXPECT_TRUE(other.attribute.isNull());
  EXPECT_EQ(other.report.repairs.size(), 1u);
}

TEST(DxfAttdef, WrittenWholeReadsBackTheSame)
{
  auto make = [](OdDbDatabase* db, bool multiline) {
    OdDbAttributeDefinitionPtr d = OdDbAttributeDefinition::createObject();
    d->setTextStyle(db->getTextStyleStandardId());
    d->setTag(L"ROOM");
    d->setPrompt(L"Room number");
    d->setTextString(L"A12");
    d->setHeight(2.0);
    d->setHorizontalMode(OdDb::kTextRight);
    d->setVerticalMode(OdDb::kTextTop);
    d->setAlignmentPoint(OdGePoint3d(10, 4, 0));
    d->setPosition(OdGePoint3d(6, 2, 0));
    d->setConstant(true);
    d->setVerifiable(true);
    d->setLockPositionInBlock(true);
    if (multiline)
    {
      d->convertIntoMTextAttributeDefinition(true);
      OdDbMTextPtr m = d->getMTextAttributeDefinition();
      m->setWidth(15.0);
      m->setRotation(0.5);
      d->setMTextAttributeDefinition(m);
    }
    return d;
  };
  for (int version : {kDxfR2000, kDxfR2018})
    for (bool multiline : {false, true})
    {
      SCOPED_TRACE(testing::Message() << version << (multiline ? " multiline" : " single-line"));
      OdDbDatabasePtr db = OdDbDatabase::createObject();
      const OdDbObjectId id = dxfwrite::addToModelSpace(db, make(db, multiline));
      OdDbObjectPtr written = id.openObject();
      const QByteArray file = dxfwrite::minimalFile(version, "", {{"ENTITIES", dxfwrite::writeWhole(written, version)}});
      OdDbDatabasePtr again = OdDbDatabase::createObject();
      KyDxfReader::Report report;
      ASSERT_TRUE(dxfwrite::readsCleanly(file, again, report));
      EXPECT_TRUE(dxfwrite::sameState(written, dxfwrite::onlyEntity(again))) << file.toStdString();
    }
}

TEST(DxfAttdef, WrittenAttributesReadBackThroughTheSequenceReader)
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbAttributePtr att = OdDbAttribute::createObject();
  att->setTextStyle(db->getTextStyleStandardId());
  att->setTag(L"NUMBER");
  att->setTextString(L"12");
  att->setInvisible(true);
  att->setLockPositionInBlock(true);
  att->setRotation(0.25);
  att->setVerticalMode(OdDb::kTextVertMid);
  att->setHorizontalMode(OdDb::kTextCenter);
  att->setAlignmentPoint(OdGePoint3d(3, 4, 0));
  att->convertIntoMTextAttribute(true);
  dxfwrite::addToModelSpace(db, att);
  const ReadAttribute r = readAttributeTags(dxfwrite::writeWhole(att, kDxfR2018));
  EXPECT_TRUE(r.report.repairs.empty());
  ASSERT_FALSE(r.attribute.isNull());
  dxfwrite::addToModelSpace(r.db, r.attribute);
  EXPECT_TRUE(dxfwrite::sameState(att, r.attribute));
}

TEST(DxfAttdef, AnEditedDefinitionChangesAlone)
{
  const QByteArray source = definitionFile();
  struct Edit
  {
    const char* name;
    std::uint64_t handle;
    std::function<void(OdDbAttributeDefinition*)> apply;
  };
  const std::vector<Edit> edits = {
    {"tag", 0xD1, [](OdDbAttributeDefinition* d) { d->setTag(L"OFFICE"); }},
    {"prompt and flags", 0xD1,
     [](OdDbAttributeDefinition* d) {
       d->setPrompt(L"Office?");
       d->setInvisible(false);
       d->setLockPositionInBlock(false);
     }},
    {"made multiline", 0xD1, [](OdDbAttributeDefinition* d) { d->convertIntoMTextAttributeDefinition(true); }},
    {"multiline width", 0xD2,
     [](OdDbAttributeDefinition* d) {
       OdDbMTextPtr m = d->getMTextAttributeDefinition();
       m->setWidth(33.0);
       d->setMTextAttributeDefinition(m);
     }},
    {"back to single-line", 0xD2, [](OdDbAttributeDefinition* d) { d->convertIntoMTextAttributeDefinition(false); }},
    {"in a block", 0xD3, [](OdDbAttributeDefinition* d) { d->setConstant(false); }},
  };
  for (const Edit& edit : edits)
  {
    SCOPED_TRACE(edit.name);
    dxfwrite::expectEditReadsBackAlone(source, edit.handle,
                                       [&](OdDbObject* p) { edit.apply(static_cast<OdDbAttributeDefinition*>(p)); });
  }
}

TEST(DxfAttdef, AnotherWritersDefinitionsReadAsWritten)
{
  const QByteArray data = ezdxfFile(R"(import sys, ezdxf
from ezdxf.entities import MText
doc = ezdxf.new("R2018")
doc.header["$DIMSTYLE"] = "Standard"
msp = doc.modelspace()
a = msp.add_attdef("ROOM", (1, 2), dxfattribs={"height": 2.5, "prompt": "Room?", "flags": 1 | 8, "rotation": 30})
a.dxf.text = "A12"
a.set_placement((4, 2), align=ezdxf.enums.TextEntityAlignment.TOP_CENTER)
b = msp.add_attdef("NOTE", (5, 5), dxfattribs={"height": 1})
m = MText.new(dxfattribs={"insert": (5, 5), "char_height": 1, "width": 20})
m.text = "Line1\\PLine2"
b.set_mtext(m)
blk = doc.blocks.new("B")
blk.add_attdef("T", (0, 0), dxfattribs={"flags": 2, "lock_position": 1})
doc.saveas(sys.argv[1])
)");
  ASSERT_FALSE(data.isEmpty());
  const dxfwrite::Read r = dxfwrite::readSource(data);
  for (const auto& repair : r.report.repairs)
    ADD_FAILURE() << KyDxfReader::Report::repairText("ezdxf", repair).toStdString();
  const std::vector<OdDbAttributeDefinitionPtr> defs = modelSpace<OdDbAttributeDefinition>(r.db);
  ASSERT_EQ(defs.size(), 2u);
  EXPECT_EQ(defs[0]->tag(), OdString(L"ROOM"));
  EXPECT_EQ(defs[0]->prompt(), OdString(L"Room?"));
  EXPECT_TRUE(defs[0]->isInvisible());
  EXPECT_TRUE(defs[0]->isPreset());
  EXPECT_EQ(defs[0]->horizontalMode(), OdDb::kTextCenter);
  EXPECT_EQ(defs[0]->verticalMode(), OdDb::kTextTop);
  kyExpectPoint(defs[0]->alignmentPoint(), OdGePoint3d(4, 2, 0));
  EXPECT_NEAR(defs[0]->rotation(), OdaPI / 6, 1e-12);
  ASSERT_TRUE(defs[1]->isMTextAttributeDefinition());
  EXPECT_DOUBLE_EQ(defs[1]->getMTextAttributeDefinition()->width(), 20.0);
  EXPECT_EQ(defs[1]->textString(), OdString(L"Line1\\PLine2"));

  OdDbBlockTablePtr blocks = r.db->getBlockTableId().openObject();
  OdDbBlockTableRecordPtr block = blocks->getAt(L"B").openObject();
  ASSERT_FALSE(block.isNull());
  const OdDbObjectIdArray ids = block->entityIds();
  ASSERT_EQ(ids.size(), 1u);
  const OdDbAttributeDefinitionPtr inBlock = OdDbAttributeDefinition::cast(ids[0].openObject().get());
  ASSERT_FALSE(inBlock.isNull());
  EXPECT_TRUE(inBlock->isConstant());
  EXPECT_TRUE(inBlock->lockPositionInBlock());
  EXPECT_EQ(dxfwrite::writeBack(r), data) << "the file goes out as it came";
}

// Real drawings: tag, prompt, flags, default value, justification and lock of every definition
// are those of ezdxf's reading of the same file.
TEST(DxfAttdef, CorpusDefinitionsMatchAnIndependentReading)
{
  static const char kReading[] = R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
for e in doc.entitydb.values():
    if e.dxftype() == "ATTDEF":
        d = e.dxf
        print("\x1f".join([d.handle, d.tag, d.get("prompt", ""), str(d.get("flags", 0)), d.get("text", ""),
                           str(d.get("halign", 0)), str(d.get("valign", 0)), str(d.get("lock_position", 0)),
                           str(d.get("version", 0))]))
)";
  const QString corpus = KyTestCorpusDir();
  int compared = 0;
  for (const char* name : {"dxf-floorplan.dxf", "dxf2json-234.dxf", "dxf2json-file2.dxf"})
  {
    SCOPED_TRACE(name);
    QFile file(corpus + "/" + name);
    if (!file.open(QIODevice::ReadOnly))
      GTEST_SKIP() << "the corpus is not fetched (tests/corpus/fetch.sh): " << file.fileName().toStdString();
    const dxfwrite::Read r = dxfwrite::readSource(file.readAll());
    for (const auto& repair : r.report.repairs)
      EXPECT_FALSE(KyDxfReader::Report::repairText(name, repair).contains("ATTDEF"))
        << KyDxfReader::Report::repairText(name, repair).toStdString();
    EXPECT_EQ(r.report.skipped.value("ATTDEF"), 0);
    QList<QStringList> records;
    QString error;
    ASSERT_TRUE(KyTestPythonRecords(kReading, {file.fileName()}, records, error)) << error.toStdString();
    for (const QStringList& f : records)
    {
      ASSERT_EQ(f.size(), 9) << f.join('|').toStdString();
      SCOPED_TRACE(f[0].toStdString());
      // Files without handles (R12) get them from each reader: then the tag finds the definition.
      OdDbAttributeDefinitionPtr def = at<OdDbAttributeDefinition>(r.db, f[0].toULongLong(nullptr, 16));
      if (def.isNull())
        for (const OdDbAttributeDefinitionPtr& d : definitionsOf(r.db))
          if (QString::fromStdWString(d->tag().c_str()) == f[1])
            def = d;
      ASSERT_FALSE(def.isNull());
      EXPECT_EQ(QString::fromStdWString(def->tag().c_str()), f[1]);
      EXPECT_EQ(QString::fromStdWString(def->prompt().c_str()), f[2]);
      const int flags = (def->isInvisible() ? 1 : 0) | (def->isConstant() ? 2 : 0) | (def->isVerifiable() ? 4 : 0) |
                        (def->isPreset() ? 8 : 0);
      EXPECT_EQ(flags, f[3].toInt());
      EXPECT_EQ(QString::fromStdWString(def->textString().c_str()), f[4]);
      EXPECT_EQ(static_cast<int>(def->horizontalMode()), f[5].toInt());
      EXPECT_EQ(static_cast<int>(def->verticalMode()), f[6].toInt());
      // ezdxf takes the first 280 as the subclass version wherever it stands. Versions are 0, so a
      // "version" of 1 is a file whose only 280 follows the tag: the lock, by its place.
      EXPECT_EQ(def->lockPositionInBlock(), f[7].toInt() != 0 || f[8].toInt() != 0);
      ++compared;
    }
  }
  EXPECT_GE(compared, 12);
}
