// Writing a drawing back from its source: unchanged objects go out tag for tag, changed ones
// carry their new values and nothing else changes, erased ones are gone, repaired ones are written
// repaired, and a write that fails writes nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "DbBlockTable.h"
#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbDictionary.h"
#include "DbFiler.h"
#include "DbLayerTableRecord.h"
#include "DbLine.h"
#include "DbMText.h"
#include "DbPolyline.h"
#include "DbSymbolTable.h"
#include "DxfSamples.h"
#include "DxfSource.h"
#include "DxfTokenizer.h"
#include "DxfWriteTestUtil.h"
#include "KyDxfReader.h"
#include "KyDxfWriter.h"
#include "ResBuf.h"

namespace
{
using dxfwrite::Read;
using dxfwrite::readSource;
using dxfwrite::statesOf;
using dxfwrite::writeBack;

// The tags of a file, numbers as the tokenizer reads them (so "1.0" and "1" are the same tag).
struct Tag
{
  int code;
  std::string text;
  bool operator==(const Tag& o) const { return code == o.code && text == o.text; }
};

std::vector<Tag> tagsOf(const QByteArray& data)
{
  std::vector<Tag> tags;
  kydxf::DxfTokenizer tokens(data.constData(), static_cast<std::size_t>(data.size()));
  kydxf::DxfTag t;
  while (tokens.next(t))
  {
    const kydxf::DxfValueKind kind = kydxf::dxfValueKind(t.code);
    std::string text(t.text);
    if (kind == kydxf::DxfValueKind::Real)
      text = std::to_string(t.real);
    else if (kind != kydxf::DxfValueKind::Text)
      text = std::to_string(t.integer);
    tags.push_back({t.code, text});
  }
  return tags;
}

std::string describe(const std::vector<Tag>& a, const std::vector<Tag>& b)
{
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i])
    ++i;
  std::string s = "first difference at tag " + std::to_string(i) + ":";
  for (std::size_t k = i; k < i + 3; ++k)
  {
    s += "\n  in:  " + (k < a.size() ? std::to_string(a[k].code) + " " + a[k].text : std::string("(end)"));
    s += "\n  out: " + (k < b.size() ? std::to_string(b[k].code) + " " + b[k].text : std::string("(end)"));
  }
  return s;
}

OdDbObjectPtr objectAt(OdDbDatabase* db, std::uint64_t handle, OdDb::OpenMode mode = OdDb::kForRead)
{
  return db->getOdDbObjectId(OdDbHandle(static_cast<OdUInt64>(handle))).safeOpenObject(mode);
}
} // namespace

TEST(DxfWriteSource, UnchangedDrawingsGoOutTagForTag)
{
  for (const QString& version : dxfVersions())
  {
    SCOPED_TRACE(version.toStdString());
    const QByteArray in = dxfSampleFile(version);
    const Read r = readSource(in);
    const QByteArray out = writeBack(r);
    const std::vector<Tag> a = tagsOf(in), b = tagsOf(out);
    EXPECT_TRUE(a == b) << describe(a, b);
  }
}

TEST(DxfWriteSource, EditedObjectChangesAloneAndReadsBack)
{
  struct Edit
  {
    const char* name;
    std::uint64_t handle;
    std::function<void(OdDbObject*)> apply;
  };
  const std::vector<Edit> edits = {
    {"line end point", DxfSample::kLine,
     [](OdDbObject* p) { static_cast<OdDbLine*>(p)->setEndPoint(OdGePoint3d(40.25, -3.5, 0.0)); }},
    {"line layer", DxfSample::kLine,
     [](OdDbObject* p) { static_cast<OdDbEntity*>(p)->setLayer(L"0"); }},
    {"multiline text contents", DxfSample::kMText,
     [](OdDbObject* p) { static_cast<OdDbMText*>(p)->setContents(L"Edited {\\fArial|b1;bold} text"); }},
    {"layer colour", DxfSample::kWallsLayer,
     [](OdDbObject* p) {
       OdCmColor c;
       c.setColorIndex(5);
       static_cast<OdDbLayerTableRecord*>(p)->setColor(c);
     }},
    // Entities name their layer and style: a renamed record changes them too.
    {"layer name", DxfSample::kWallsLayer,
     [](OdDbObject* p) { static_cast<OdDbSymbolTableRecord*>(p)->setName(L"Outer walls"); }},
    {"text style name", DxfSample::kNotesStyle,
     [](OdDbObject* p) { static_cast<OdDbSymbolTableRecord*>(p)->setName(L"Remarks"); }},
  };
  for (const QString& version : {QStringLiteral("AC1015"), QStringLiteral("AC1032")})
    for (const Edit& edit : edits)
    {
      SCOPED_TRACE(version.toStdString() + " " + edit.name);
      Read r = readSource(dxfSampleFile(version));
      edit.apply(objectAt(r.db.get(), edit.handle, OdDb::kForWrite).get());
      const std::map<std::uint64_t, std::string> expected = statesOf(r.db.get());
      const QByteArray out = writeBack(r);
      Read again = readSource(out);
      EXPECT_EQ(again.report.repairCount, 0);
      const std::map<std::uint64_t, std::string> actual = statesOf(again.db.get());
      for (const auto& state : expected)
      {
        auto it = actual.find(state.first);
        ASSERT_NE(it, actual.end()) << "object " << std::hex << state.first << " is missing";
        EXPECT_EQ(it->second, state.second) << "object " << std::hex << state.first;
      }
    }
}

// The writer compares only the objects it was told changed. With the check on, a change made
// while it was not listening is found and named; without it, the object goes out as it came.
TEST(DxfWriteSource, ChangesTheWriterWasNotToldOfAreFoundByTheCheck)
{
  Read r = readSource(dxfSampleFile(QStringLiteral("AC1032")));
  ASSERT_TRUE(r.report.source->changes);
  r.db->removeReactor(r.report.source->changes.get());
  static_cast<OdDbLine*>(objectAt(r.db.get(), DxfSample::kLine, OdDb::kForWrite).get())
    ->setEndPoint(OdGePoint3d(40.25, -3.5, 0.0));
  QByteArray out;
  QString error;
  KyDxfWriter::Options options;
  options.checkUntracked = true;
  EXPECT_FALSE(KyDxfWriter::write(r.db.get(), r.report.source.get(), out, error, options));
  EXPECT_EQ(error.toStdString(), "OdDbLine 200 changed without being opened for a change");
  options.checkUntracked = false;
  ASSERT_TRUE(KyDxfWriter::write(r.db.get(), r.report.source.get(), out, error, options));
  EXPECT_EQ(tagsOf(out), tagsOf(dxfSampleFile(QStringLiteral("AC1032"))));
}

// A change that keeps every length and count (binary extended data of the same size, another
// object in a handle field) is still a change.
TEST(DxfWriteSource, ChangesOfSameSizedValuesGoOut)
{
  auto chunkOf = [](OdDbObject* p, std::initializer_list<OdUInt8> bytes) {
    OdBinaryData data;
    for (OdUInt8 b : bytes)
      data.append(b);
    p->database()->newRegApp(L"KYTEST");
    OdResBufPtr head = OdResBuf::newRb(1001, OdString(L"KYTEST"));
    OdResBufPtr chunk = OdResBuf::newRb(1004);
    chunk->setBinaryChunk(data);
    head->setNext(chunk);
    p->setXData(head.get());
  };
  auto chunkIn = [](OdDbDatabase* db) {
    OdResBufPtr chain = objectAt(db, DxfSample::kLine)->xData(L"KYTEST");
    return chain.isNull() || chain->next().isNull() ? OdBinaryData() : chain->next()->getBinaryChunk();
  };
  Read r = readSource(dxfSampleFile(QStringLiteral("AC1032")));
  chunkOf(objectAt(r.db.get(), DxfSample::kLine, OdDb::kForWrite).get(), {1, 2, 3});
  Read second = readSource(writeBack(r));
  chunkOf(objectAt(second.db.get(), DxfSample::kLine, OdDb::kForWrite).get(), {7, 8, 9});
  Read third = readSource(writeBack(second));
  const OdBinaryData chunk = chunkIn(third.db.get());
  ASSERT_EQ(chunk.size(), 3u);
  EXPECT_EQ(chunk[0], 7);
  EXPECT_EQ(chunk[2], 9);
}

TEST(DxfWriteSource, ErasedObjectsAreLeftOut)
{
  Read r = readSource(dxfSampleFile(QStringLiteral("AC1024")));
  ASSERT_EQ(objectAt(r.db.get(), DxfSample::kCircle, OdDb::kForWrite)->erase(), eOk);
  const QByteArray out = writeBack(r);
  EXPECT_FALSE(out.contains("CIRCLE"));
  Read again = readSource(out);
  EXPECT_EQ(again.report.entities, r.report.entities - 1);
}

namespace
{
const char kHeader2000[] = "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n0\nENDSEC\n";

// The states of the drawing's entities by handle (a write may add the tables a file lacked).
std::map<std::uint64_t, std::string> entityStates(OdDbDatabase* db)
{
  std::map<std::uint64_t, std::string> states = statesOf(db);
  for (auto it = states.begin(); it != states.end();)
    it = objectAt(db, it->first)->isKindOf(OdDbEntity::desc()) ? std::next(it) : states.erase(it);
  return states;
}

const QByteArray kNotesText("0\nTEXT\n5\n2B\n100\nAcDbEntity\n8\n0\n100\nAcDbText\n10\n0\n20\n0\n30\n0\n40\n1\n"
                            "1\nx\n7\nNotes\n100\nAcDbText\n");

QByteArray withLines(const char* head, const char* lineTags, const QByteArray& tail = "0\nENDSEC\n0\nEOF\n")
{
  return QByteArray(head) + "0\nSECTION\n2\nENTITIES\n0\nLINE\n5\n2A\n100\nAcDbEntity\n" + lineTags +
         "100\nAcDbLine\n10\n0\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n" + tail;
}
} // namespace

// A block new to the drawing, with an entity, goes out BLOCK to ENDBLK with its record; a file
// without a BLOCKS section gets one for the blocks the reader made.
TEST(DxfWriteSource, BlocksTheFileLacksGoOutWhole)
{
  for (const QString& version : {QStringLiteral("AC1015"), QStringLiteral("AC1032")})
  {
    SCOPED_TRACE(version.toStdString());
    Read r = readSource(dxfSampleFile(version));
    OdDbBlockTableRecordPtr pBlock = OdDbBlockTableRecord::createObject();
    pBlock->setName(L"Door leaf");
    pBlock->setOrigin(OdGePoint3d(1.0, 2.0, 0.0));
    OdDbBlockTablePtr pTable = r.db->getBlockTableId().safeOpenObject(OdDb::kForWrite);
    const OdDbObjectId blockId = pTable->add(pBlock);
    OdDbLinePtr pLine = OdDbLine::createObject();
    pLine->setDatabaseDefaults(r.db.get());
    pLine->setEndPoint(OdGePoint3d(0.9, 0.0, 0.0));
    const OdDbObjectId lineId = pBlock->appendOdDbEntity(pLine);
    pLine.release();
    pBlock.release();
    pTable.release();
    const QByteArray out = writeBack(r);
    Read again = readSource(out);
    EXPECT_EQ(0, again.report.repairCount)
      << (again.report.repairs.empty() ? std::string() : again.report.repairs.front().problem.toStdString());
    // The records the host makes on reading (its hyperlink application) take the next free
    // handle, which the new block now holds: entities and the block are compared.
    EXPECT_EQ(entityStates(r.db.get()), entityStates(again.db.get()));
    const std::uint64_t blockHandle = blockId.getHandle().value();
    EXPECT_EQ(statesOf(r.db.get())[blockHandle], statesOf(again.db.get())[blockHandle]);
    OdDbBlockTableRecordPtr pAgain = objectAt(again.db.get(), blockId.getHandle().value());
    ASSERT_FALSE(pAgain.isNull());
    EXPECT_EQ(std::wstring(pAgain->getName().c_str()), L"Door leaf");
    OdDbObjectPtr pLineAgain = objectAt(again.db.get(), lineId.getHandle().value());
    ASSERT_FALSE(pLineAgain.isNull());
    EXPECT_EQ(pLineAgain->ownerId(), pAgain->objectId());
  }

  // The reader gave the line a new handle, so the output holds every object: the layouts' blocks
  // the reader made have their BLOCK and ENDBLK.
  const QByteArray in = QByteArray(kHeader2000) + "0\nSECTION\n2\nENTITIES\n0\nLINE\n5\nXYZ\n100\nAcDbEntity\n8\n0\n"
                                                  "100\nAcDbLine\n10\n0\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n0\nENDSEC\n0\nEOF\n";
  Read r = readSource(in);
  const QByteArray out = writeBack(r);
  EXPECT_TRUE(out.contains("\nBLOCKS\n")) << out.toStdString();
  EXPECT_TRUE(out.contains("\n*Model_Space\n") && out.contains("\nENDBLK\n")) << out.toStdString();
  Read again = readSource(out);
  EXPECT_EQ(0, again.report.repairCount);
  EXPECT_EQ(entityStates(r.db.get()), entityStates(again.db.get()));
}

// A valid file the database fills in (layers it names without a table, the database's own
// defaults), with the writer's comment: written back as it came.
TEST(DxfWriteSource, FilesLackingTheDatabasesDefaultsGoOutAsTheyCame)
{
  const QByteArray files[] = {
    withLines(kHeader2000, "8\nwalls\n"),
    "999\nmade by a script\n" + withLines(kHeader2000, "8\n0\n"),
    withLines("0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n9\n$DIMSTYLE\n2\nStandard\n0\nENDSEC\n", "8\n0\n"),
  };
  for (const QByteArray& in : files)
  {
    const Read r = readSource(in);
    EXPECT_EQ(0, r.report.repairCount);
    const std::vector<Tag> a = tagsOf(in), b = tagsOf(writeBack(r));
    EXPECT_TRUE(a == b) << describe(a, b);
  }
}

// What the reader repaired goes out repaired: read again, the file needs no repair and gives the
// same drawing.
TEST(DxfWriteSource, RepairedFilesAreWrittenRepaired)
{
  struct Case
  {
    const char* bend;
    QByteArray file;
  };
  const Case cases[] = {
    {"colour past 256, lineweight that is none", withLines(kHeader2000, "8\n0\n62\n257\n370\n7\n")},
    {"decimal comma", withLines(kHeader2000, "8\n0\n48\n2,5\n")},
    {"header variables after the header, and a second ENDSEC",
     withLines("0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n0\nENDSEC\n9\n$LTSCALE\n40\n2.5\n0\nENDSEC\n",
               "8\n0\n")},
    {"no ENDSEC, no EOF", withLines(kHeader2000, "8\n0\n", "")},
    {"refused layer name used twice",
     withLines(kHeader2000, "8\na<b\n", "0\nLINE\n5\n2B\n100\nAcDbEntity\n8\na<b\n100\nAcDbLine\n10\n5\n20\n5\n30\n0\n"
                                        "11\n6\n21\n6\n31\n0\n0\nENDSEC\n0\nEOF\n")},
    {"$DIMSTYLE naming a style the file lacks",
     withLines("0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n9\n$DIMSTYLE\n2\nISO-25\n0\nENDSEC\n"
               "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nDIMSTYLE\n5\nA\n330\n0\n100\nAcDbSymbolTable\n70\n1\n"
               "100\nAcDbDimStyleTable\n0\nDIMSTYLE\n105\n1B\n330\nA\n100\nAcDbSymbolTableRecord\n100\n"
               "AcDbDimStyleTableRecord\n2\nOther\n70\n0\n0\nENDTAB\n0\nENDSEC\n",
               "8\n0\n")},
    {"subclass marker misspelt, a vertex value dropped",
     QByteArray(kHeader2000) + "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n5\n2A\n330\n1F\n100\nAcDbPolyIine\n10\n1\n"
                               "20\n2x\n8\nwalls\n0\nENDSEC\n0\nEOF\n"},
    {"application group not closed before the extended data",
     withLines(kHeader2000, "8\n0\n", "102\n{KY\n1001\nPE_URL\n1000\nh0\n0\nENDSEC\n0\nEOF\n")},
    {"application name with no data, then a style the file lacks",
     withLines(kHeader2000, "8\n0\n", "1001\nAPP\n" + kNotesText + "0\nENDSEC\n0\nEOF\n")},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.bend);
    Read r = readSource(c.file);
    EXPECT_GT(r.report.repairCount, 0);
    const QByteArray out = writeBack(r);
    Read again = readSource(out);
    EXPECT_EQ(0, again.report.repairCount)
      << (again.report.repairs.empty() ? std::string() : again.report.repairs.front().problem.toStdString()) << "\n"
      << out.toStdString();
    EXPECT_EQ(statesOf(r.db.get()), statesOf(again.db.get()));
    EXPECT_EQ(r.db->getLTSCALE(), again.db->getLTSCALE());
  }
}

// Files that bend the form without anything to repair: an object kind padded with blanks, and a
// polyline's vertex under a subclass marker of some other application (the reader takes the
// object's codes wherever they stand, so the writer must not keep a second copy of them).
TEST(DxfWriteSource, BentButReadableFilesReadBackTheSame)
{
  const QByteArray files[] = {
    withLines(kHeader2000, "8\n0\n", "0\nENDSEC\n0\n EOF \n"),
    QByteArray(kHeader2000) + "0\nSECTION\n2\nENTITIES\n0\n LWPOLYLINE\n5\n2A\n100\nAcDbEntity\n8\n0\n"
                              "100\nAcDbPolyline\n90\n2\n70\n0\n10\n1\n20\n1\n100\nOtherAppData\n10\n2\n20\n2\n"
                              "0\nENDSEC\n0\nEOF\n",
  };
  for (const QByteArray& file : files)
  {
    SCOPED_TRACE(file.toStdString());
    Read r = readSource(file);
    ASSERT_EQ(0, r.report.repairCount);
    const QByteArray out = writeBack(r);
    Read again = readSource(out);
    EXPECT_EQ(0, again.report.repairCount) << out.toStdString();
    EXPECT_EQ(statesOf(r.db.get()), statesOf(again.db.get())) << out.toStdString();
  }
  // The padded kind is read as the kind: the polyline is there with both vertices.
  Read r = readSource(files[1]);
  OdDbPolylinePtr pPolyline = OdDbPolyline::cast(objectAt(r.db.get(), 0x2A));
  ASSERT_FALSE(pPolyline.isNull());
  EXPECT_EQ(2u, pPolyline->numVerts());
}

// A text whose contents stand under the entity's marker (the reader takes them there): edited,
// the text is written again and its contents read back once, not once from the old tag and once
// from the new.
TEST(DxfWriteSource, EditedObjectsOwnTheirCodesUnderAnotherMarker)
{
  const QByteArray in = QByteArray(kHeader2000) + "0\nSECTION\n2\nENTITIES\n0\nMTEXT\n5\n2A\n100\nAcDbEntity\n8\n0\n"
                                                  "40\n2.5\n1\nabc\n0\nENDSEC\n0\nEOF\n";
  Read r = readSource(in);
  ASSERT_EQ(0, r.report.repairCount);
  OdDbMTextPtr pText = objectAt(r.db.get(), 0x2A, OdDb::kForWrite);
  ASSERT_FALSE(pText.isNull());
  EXPECT_EQ(std::wstring(pText->contents().c_str()), L"abc");
  pText->setTextHeight(3.0);
  pText.release();
  const QByteArray out = writeBack(r);
  Read again = readSource(out);
  OdDbMTextPtr pAgain = objectAt(again.db.get(), 0x2A);
  ASSERT_FALSE(pAgain.isNull());
  EXPECT_EQ(std::wstring(pAgain->contents().c_str()), L"abc") << out.toStdString();
  EXPECT_EQ(3.0, pAgain->textHeight());
}

// What follows the EOF is no part of the drawing, even bytes no tag can hold.
TEST(DxfWriteSource, StopsAtTheEndOfTheDrawing)
{
  QByteArray in = dxfSampleFile(QStringLiteral("AC1015"));
  static const char kAfter[] = "0\nLINE\n8\n0\n1\0\n2\n";
  in.append(QByteArray(kAfter, sizeof kAfter - 1));
  Read r = readSource(in);
  objectAt(r.db.get(), DxfSample::kLine, OdDb::kForWrite)->erase();
  const QByteArray out = writeBack(r);
  EXPECT_TRUE(out.endsWith("EOF\r\n") || out.endsWith("EOF\n")) << out.right(40).toStdString();
  Read again = readSource(out);
  EXPECT_EQ(again.report.entities, r.report.entities - 1);
}

TEST(DxfWriteSource, VersionChangeReencodesTexts)
{
  const QByteArray in = dxfSampleFile(QStringLiteral("AC1018"), QStringLiteral("ANSI_1251"));
  Read r = readSource(in);
  const std::map<std::uint64_t, std::string> before = statesOf(r.db.get());
  const QByteArray out = writeBack(r, QStringLiteral("R2010"));
  EXPECT_TRUE(out.contains("AC1024"));
  Read again = readSource(out);
  EXPECT_EQ(again.report.version, QStringLiteral("AC1024"));
  OdDbMTextPtr pText = objectAt(again.db.get(), DxfSample::kMText);
  OdDbMTextPtr pOld = objectAt(r.db.get(), DxfSample::kMText);
  EXPECT_EQ(pText->contents(), pOld->contents());
}

TEST(DxfWriteSource, RefusesWhatCannotBeWritten)
{
  Read r = readSource(dxfSampleFile(QStringLiteral("AC1015")));
  QByteArray out = "old";
  QString error;
  KyDxfWriter::Options options;
  options.version = QStringLiteral("R14");
  EXPECT_FALSE(KyDxfWriter::write(r.db.get(), r.report.source.get(), out, error, options));
  EXPECT_TRUE(out.isEmpty());
  EXPECT_TRUE(error.contains(QStringLiteral("unknown DXF version 'R14'"))) << error.toStdString();

  Read r12 = readSource(dxfSampleFile(QStringLiteral("AC1009")));
  options.version = QStringLiteral("R2018");
  EXPECT_FALSE(KyDxfWriter::write(r12.db.get(), r12.report.source.get(), out, error, options));
  EXPECT_TRUE(error.contains(QStringLiteral("R12"))) << error.toStdString();

  OdDbDatabasePtr other = OdDbDatabase::createObject();
  EXPECT_FALSE(KyDxfWriter::write(other.get(), r.report.source.get(), out, error));
  EXPECT_TRUE(error.contains(QStringLiteral("another database"))) << error.toStdString();
}

TEST(DxfWriteSource, FailedWriteLeavesTheOldFile)
{
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("drawing.dxf"));
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(dxfSampleFile(QStringLiteral("AC1015")));
  }
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  QString error;
  KyDxfReader::Options options;
  options.keepSource = true;
  ASSERT_TRUE(KyDxfReader::read(path, db.get(), report, error, options)) << error.toStdString();

  // Writing the drawing over its own file works, and the next write sees that the file changed.
  objectAt(db.get(), DxfSample::kLine, OdDb::kForWrite)->erase();
  ASSERT_TRUE(KyDxfWriter::writeFile(db.get(), report.source.get(), path, error)) << error.toStdString();
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray written = f.readAll();
  f.close();
  EXPECT_FALSE(KyDxfWriter::writeFile(db.get(), report.source.get(), path, error));
  EXPECT_TRUE(error.contains(QStringLiteral("changed since"))) << error.toStdString();
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), written);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("drawing.dxf")});
}

// A drawing without a source (read without keeping it) written whole, in each version that holds
// it, reads back with every object in the state it had: tables, records, dictionaries, entities.
// (The samples of R2000 on use named plot styles, which only a source knows the handles of.)
TEST(DxfWriteSource, WholeDrawingsReadBackTheSame)
{
  for (const QString& input : {QStringLiteral("AC1009"), QStringLiteral("AC1012"), QStringLiteral("AC1014")})
    for (const QString& output : {QStringLiteral("AC1018"), QStringLiteral("AC1024"), QStringLiteral("AC1032")})
    {
      SCOPED_TRACE((input + " as " + output).toStdString());
      OdDbDatabasePtr db = OdDbDatabase::createObject();
      KyDxfReader::Report report;
      QString error;
      ASSERT_TRUE(KyDxfReader::readFromBytes(dxfSampleFile(input), QStringLiteral("in.dxf"), db, report, error));
      const std::map<std::uint64_t, std::string> expected = statesOf(db.get());
      QByteArray out;
      KyDxfWriter::Options options;
      options.version = output;
      ASSERT_TRUE(KyDxfWriter::write(db.get(), nullptr, out, error, options)) << error.toStdString();
      Read again = readSource(out);
      EXPECT_EQ(again.report.repairCount, 0);
      const std::map<std::uint64_t, std::string> actual = statesOf(again.db.get());
      // The host's hyperlink application goes out as the files' own, and the reader registers
      // the host's again: the application table is the one object expected to differ.
      const std::uint64_t apps = db->getRegAppTableId().getHandle().value();
      for (const auto& state : expected)
      {
        if (state.first == apps || state.second.find("KY_HYPERLINK") != std::string::npos)
          continue;
        auto it = actual.find(state.first);
        ASSERT_NE(it, actual.end()) << "object " << std::hex << state.first << " is missing";
        EXPECT_EQ(it->second, state.second) << "object " << std::hex << state.first;
      }
    }
}

// Handles the file's objects had to give up go out with the objects that took new ones; the
// database's own records, moved past them, go out too, so a second read leaves every entity in
// the block it was in (here paper space, whose record gave up handle 12).
TEST(DxfWriteSource, ObjectsGivenNewHandlesReadBackInTheirBlocks)
{
  // A text after an object the reader gave a new handle, whose extended data it registered an
  // application for and then dropped: the style the reader makes for "Notes" (the file lacks it)
  // comes back at the handle it had, and the text refers to it.
  {
    const QByteArray in = QByteArray(kHeader2000) +
                          "0\nSECTION\n2\nENTITIES\n0\nLINE\n5\nXYZ\n100\nAcDbEntity\n8\n0\n100\nAcDbLine\n10\n0\n"
                          "20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n1001\nAPP\n1002\nx\n" + kNotesText +
                          "0\nENDSEC\n0\nEOF\n";
    Read r = readSource(in);
    EXPECT_EQ(2, r.report.repairCount);
    Read again = readSource(writeBack(r));
    EXPECT_EQ(0, again.report.repairCount);
    EXPECT_EQ(entityStates(r.db.get()), entityStates(again.db.get()));
  }
  auto line = [](const char* handle, const char* more) {
    return QByteArray("0\nLINE\n5\n") + handle + "\n100\nAcDbEntity\n" + more +
           "8\n0\n100\nAcDbLine\n10\n5\n20\n5\n30\n0\n11\n6\n21\n6\n31\n0\n";
  };
  const QByteArray in = QByteArray(kHeader2000) + "0\nSECTION\n2\nENTITIES\n" + line("30", "") + line("30", "") +
                        line("12", "67\n1\n") + line("31", "") + "0\nENDSEC\n0\nEOF\n";
  Read r = readSource(in);
  EXPECT_GT(r.report.repairCount, 0);
  Read again = readSource(writeBack(r));
  EXPECT_EQ(0, again.report.repairCount);
  const auto entities = entityStates(r.db.get());
  EXPECT_EQ(4u, entities.size());
  EXPECT_EQ(entities, entityStates(again.db.get()));
}

// Entities the file gave no handle take the reader's: a version with handles writes them there,
// unchanged or edited, so a second read finds each at its handle; R12 writes them as they came. A
// handle-less entity the reader made before a later one of the file claimed its handle, and one
// made after that, both end below the handles the reader parks objects at.
TEST(DxfWriteSource, EntitiesWithoutHandlesGoOutWithTheReadersHandles)
{
  auto line = [](const char* handle, double x) {
    return QByteArray("0\nLINE\n") + (handle ? QByteArray("5\n") + handle + "\n" : QByteArray()) +
           "100\nAcDbEntity\n8\n0\n100\nAcDbLine\n10\n" + QByteArray::number(x) +
           "\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n";
  };
  for (const bool edit : {false, true})
  {
    SCOPED_TRACE(edit ? "edited" : "unchanged");
    Read r = readSource(QByteArray(kHeader2000) + "0\nSECTION\n2\nENTITIES\n" + line(nullptr, 1) + line("2A", 2) +
                        line(nullptr, 3) + "0\nENDSEC\n0\nEOF\n");
    const auto before = entityStates(r.db.get());
    ASSERT_EQ(3u, before.size());
    std::uint64_t first = 0;
    for (const auto& state : before)
      if (state.first != 0x2A && (first == 0 || state.first < first))
        first = state.first;
    if (edit)
    {
      OdDbLinePtr pLine = objectAt(r.db.get(), first, OdDb::kForWrite);
      pLine->setEndPoint(OdGePoint3d(7.0, 7.0, 0.0));
    }
    const QByteArray out = writeBack(r);
    EXPECT_TRUE(out.contains("LINE\n  5\n" + QByteArray::number(qulonglong(first), 16).toUpper() + "\n"))
      << out.toStdString();
    Read again = readSource(out);
    EXPECT_EQ(0, again.report.repairCount);
    EXPECT_EQ(entityStates(r.db.get()), entityStates(again.db.get()));
  }

  // Handle 14 is handed to the first line before the file's layer 0 claims it: the line moves,
  // and the line after the tables takes a handle below the parked ones too.
  const QByteArray layer0 = "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n5\n2\n100\nAcDbSymbolTable\n70\n1\n"
                            "0\nLAYER\n5\n14\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n2\n0\n70\n0\n"
                            "62\n7\n6\nContinuous\n0\nENDTAB\n0\nENDSEC\n";
  Read parked = readSource(QByteArray(kHeader2000) + "0\nSECTION\n2\nENTITIES\n" + line(nullptr, 1) + "0\nENDSEC\n" +
                           layer0 + "0\nSECTION\n2\nENTITIES\n" + line(nullptr, 3) + "0\nENDSEC\n0\nEOF\n");
  EXPECT_EQ(0x14u, parked.db->getLayerZeroId().getHandle().value());
  const auto states = entityStates(parked.db.get());
  ASSERT_EQ(2u, states.size());
  EXPECT_LT(states.rbegin()->first, 0x1000u);

  const QByteArray r12 = "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" +
                         line(nullptr, 1) + "0\nENDSEC\n0\nEOF\n";
  Read old = readSource(r12);
  EXPECT_TRUE(tagsOf(r12) == tagsOf(writeBack(old))) << describe(tagsOf(r12), tagsOf(writeBack(old)));
}

namespace
{
// The entry names of the first DICTIONARY in the file (the named-objects dictionary), in order.
std::vector<std::string> rootEntriesOf(const QByteArray& file)
{
  std::vector<std::string> names;
  kydxf::DxfTokenizer tokens(file.constData(), static_cast<std::size_t>(file.size()));
  kydxf::DxfTag t;
  bool inRoot = false;
  while (tokens.next(t))
  {
    const std::string_view text = kydxf::dxfTrim(t.text);
    if (t.code == 0)
    {
      if (inRoot)
        break;
      inRoot = text == "DICTIONARY";
    }
    else if (inRoot && t.code == 3)
      names.emplace_back(text);
  }
  return names;
}
} // namespace

// A dictionary of the file listing an object the reader keeps as it came (a kind it does not map)
// keeps that entry where it stood when the dictionary changes, and gains the new entry once.
TEST(DxfWriteSource, ChangedDictionariesKeepForeignEntriesInPlace)
{
  const QByteArray in = QByteArray(kHeader2000) +
                        "0\nSECTION\n2\nOBJECTS\n"
                        "0\nDICTIONARY\n5\nC\n330\n0\n100\nAcDbDictionary\n281\n1\n3\nKY_FOREIGN\n350\nF0\n"
                        "3\nACAD_GROUP\n350\nD\n"
                        "0\nDICTIONARY\n5\nD\n330\nC\n100\nAcDbDictionary\n281\n1\n"
                        "0\nKY_THING\n5\nF0\n330\nC\n100\nKyThing\n1\nkept\n"
                        "0\nENDSEC\n0\nEOF\n";
  Read r = readSource(in);
  ASSERT_EQ(0, r.report.repairCount)
    << (r.report.repairs.empty() ? std::string() : r.report.repairs.front().problem.toStdString());
  {
    OdDbDictionaryPtr nod = r.db->getNamedObjectsDictionaryId().safeOpenObject(OdDb::kForWrite);
    nod->setAt(L"KY_NEW", OdDbDictionary::createObject());
  }
  const QByteArray out = writeBack(r);
  const std::vector<std::string> names = rootEntriesOf(out);
  const auto count = [&](const char* name) { return std::count(names.begin(), names.end(), name); };
  EXPECT_EQ(1, count("KY_FOREIGN")) << out.toStdString();
  EXPECT_EQ(1, count("ACAD_GROUP")) << out.toStdString();
  EXPECT_EQ(1, count("KY_NEW")) << out.toStdString();
  ASSERT_GE(names.size(), 2u);
  EXPECT_EQ(names[0], "KY_FOREIGN");
  EXPECT_EQ(names[1], "ACAD_GROUP");
  EXPECT_TRUE(out.contains("\nKY_THING\n") && out.contains("\nkept\n"));
  Read again = readSource(out);
  EXPECT_EQ(0, again.report.repairCount);
  OdDbDictionaryPtr nod = again.db->getNamedObjectsDictionaryId().safeOpenObject();
  EXPECT_TRUE(nod->has(L"KY_NEW"));
}

// An R12 file's blocks have no handles: the block an entity is added to is found by its name, and
// the entity goes out inside it (R12 cannot take a block the file lacks).
TEST(DxfWriteSource, R12BlocksAreFoundByName)
{
  const QByteArray in = "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n0\nENDSEC\n"
                        "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n8\n0\n2\nDOOR\n70\n0\n10\n0\n20\n0\n30\n0\n3\nDOOR\n"
                        "0\nLINE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n1\n21\n0\n31\n0\n0\nENDBLK\n8\n0\n0\nENDSEC\n"
                        "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n5\n20\n5\n30\n0\n11\n6\n21\n6\n31\n0\n"
                        "0\nENDSEC\n0\nEOF\n";
  Read r = readSource(in);
  ASSERT_EQ(r.report.version, QStringLiteral("AC1009"));
  OdDbBlockTablePtr pTable = r.db->getBlockTableId().safeOpenObject();
  OdDbBlockTableRecordPtr pDoor = pTable->getAt(L"DOOR").safeOpenObject(OdDb::kForWrite);
  OdDbLinePtr pLine = OdDbLine::createObject();
  pLine->setDatabaseDefaults(r.db.get());
  pLine->setStartPoint(OdGePoint3d(0.0, 2.0, 0.0));
  pLine->setEndPoint(OdGePoint3d(1.0, 2.0, 0.0));
  pDoor->appendOdDbEntity(pLine);
  pLine.release();
  pDoor.release();
  const QByteArray out = writeBack(r);
  const int block = out.indexOf("\nDOOR\n"), end = out.indexOf("\nENDBLK\n");
  ASSERT_TRUE(block >= 0 && end > block) << out.toStdString();
  EXPECT_EQ(2, out.mid(block, end - block).count("\nLINE\n")) << out.toStdString();
  Read again = readSource(out);
  OdDbBlockTablePtr pAgainTable = again.db->getBlockTableId().safeOpenObject();
  OdDbBlockTableRecordPtr pAgain = pAgainTable->getAt(L"DOOR").safeOpenObject();
  int lines = 0;
  for (OdDbObjectIteratorPtr it = pAgain->newIterator(); !it->done(); it->step())
    ++lines;
  EXPECT_EQ(2, lines);
}

// Reals the file writes with a decimal comma, in tags the writer copies as they came (the header,
// an entity it does not map), go out with a point and read back without a repair.
TEST(DxfWriteSource, DecimalCommasOfCopiedTagsGoOutAsPoints)
{
  const QByteArray in = withLines("0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n9\n$LTSCALE\n40\n2,5\n0\nENDSEC\n",
                                  "8\n0\n",
                                  "0\nKY_WIDGET\n5\n2C\n100\nAcDbEntity\n8\n0\n40\n1,25\n0\nENDSEC\n0\nEOF\n");
  Read r = readSource(in);
  EXPECT_GT(r.report.repairCount, 0);
  EXPECT_EQ(2.5, r.db->getLTSCALE());
  const QByteArray out = writeBack(r);
  EXPECT_FALSE(out.contains("2,5") || out.contains("1,25")) << out.toStdString();
  EXPECT_TRUE(out.contains("\nKY_WIDGET\n") && out.contains("\n1.25\n")) << out.toStdString();
  Read again = readSource(out);
  EXPECT_EQ(0, again.report.repairCount)
    << (again.report.repairs.empty() ? std::string() : again.report.repairs.front().problem.toStdString());
  EXPECT_EQ(2.5, again.db->getLTSCALE());
}

// Objects whose text is already in the output's form go out as that text, the others tag by
// tag: either way every tag of the output stands as the writer writes it (codes right-aligned,
// values without the blanks around numbers and kinds, the first line's line breaks).
TEST(DxfWriteSource, EveryTagGoesOutInTheWritersForm)
{
  const std::string canonicalLine = dxfwrite::tags({{0, "LINE"}, {5, "2A"}, {100, "AcDbEntity"}, {8, "0"},
                                                    {100, "AcDbLine"}, {10, "1.5"}, {20, "0.0"}, {30, "0.0"},
                                                    {11, "2.0"}, {21, "2.0"}, {31, "0.0"}});
  const struct
  {
    const char* layout;
    std::string entities;
  } cases[] = {
    {"codes right-aligned", canonicalLine},
    {"codes unpadded", "0\nLINE\n5\n2A\n100\nAcDbEntity\n8\n0\n100\nAcDbLine\n10\n1.5\n20\n0.0\n30\n0.0\n11\n2.0\n"
                       "21\n2.0\n31\n0.0\n"},
    {"codes padded past three columns", "   0\nLINE\n  5\n2A\n100\nAcDbEntity\n  8\n0\n100\nAcDbLine\n 10\n1.5\n"
                                        " 20\n0.0\n 30\n0.0\n 11\n2.0\n 21\n2.0\n 31\n0.0\n"},
    {"blanks around a number and a kind", "  0\n LINE \n  5\n2A\n100\nAcDbEntity\n  8\n0\n100\nAcDbLine\n 10\n"
                                          " 1.5\t\n 20\n0.0\n 30\n0.0\n 11\n2.0 \n 21\n2.0\n 31\n0.0\n"},
    {"a mapped kind after one not mapped",
     dxfwrite::tags({{0, "KY_WIDGET"}, {5, "2B"}, {100, "AcDbEntity"}, {8, "0"}, {40, "1.25"}}) +
       "0\nKY_WIDGET\n5\n2C\n100\nAcDbEntity\n8\n0\n40\n 1.25\n" + canonicalLine},
  };
  for (const auto& c : cases)
  {
    SCOPED_TRACE(c.layout);
    const QByteArray in = QByteArray(kHeader2000) + "0\nSECTION\n2\nENTITIES\n" + c.entities.c_str() +
                          "0\nENDSEC\n0\nEOF\n";
    Read r = readSource(in);
    ASSERT_EQ(0, r.report.repairCount);
    const QByteArray out = writeBack(r);
    const std::vector<Tag> a = tagsOf(in), b = tagsOf(out);
    EXPECT_TRUE(a == b) << describe(a, b);
    std::vector<std::pair<int, std::string>> written;
    kydxf::DxfTokenizer tokens(out.constData(), static_cast<std::size_t>(out.size()));
    kydxf::DxfTag t;
    while (tokens.next(t))
      written.emplace_back(t.code, std::string(t.text));
    EXPECT_EQ(dxfwrite::tags(written), out.toStdString());
  }
}

// A value the reader dropped (it does not parse for its code) stays out of the output, in an
// object the reader maps and in one it does not; the rest of each object goes out.
TEST(DxfWriteSource, DroppedValuesStayOut)
{
  const QByteArray in =
    withLines(kHeader2000, "8\n0\n48\n2x5\n",
              "0\nKY_WIDGET\n5\n2C\n100\nAcDbEntity\n8\n0\n40\n1.5.2\n41\n3.5\n70\n99999\n0\nENDSEC\n0\nEOF\n");
  Read r = readSource(in);
  EXPECT_EQ(3, r.report.repairCount);
  const QByteArray out = writeBack(r);
  EXPECT_FALSE(out.contains("2x5") || out.contains("1.5.2") || out.contains("99999")) << out.toStdString();
  EXPECT_TRUE(out.contains("\nKY_WIDGET\n") && out.contains("\n3.5\n")) << out.toStdString();
  Read again = readSource(out);
  EXPECT_EQ(0, again.report.repairCount)
    << (again.report.repairs.empty() ? std::string() : again.report.repairs.front().problem.toStdString());
  EXPECT_EQ(statesOf(r.db.get()), statesOf(again.db.get()));
}

// The writer copies an unchanged object as its text only when its tags are in the writer's own
// form; anything a reader would take otherwise (aligned otherwise, padded numbers, other line
// ends, a code no file uses, a NUL byte, a cut line) makes the object read tag by tag.
TEST(DxfTokenizer, FindsObjectsInTheWrittenFormOnly)
{
  struct Case
  {
    const char* text;
    bool crlf;
    const char* kind; // null: not in the written form
    int tags;
  };
  const Case cases[] = {
    {"  0\nLINE\n  8\nWalls\n 10\n1.5\n  0\nEOF\n", false, "LINE", 3},
    {"  0\nLINE\n  8\n0\n", false, "LINE", 2},
    {"  0\r\nLINE\r\n  8\r\n0\r\n  0\r\nEOF\r\n", true, "LINE", 2},
    {"  0\r\nLINE\r\n  8\r\n0\r\n", false, nullptr, 0},
    {"  0\nLINE\n  8\n0\n", true, nullptr, 0},
    {"  0\nLINE\n  1\n text \n1000\nxdata\n", false, "LINE", 3},
    {"  0\nLINE\n  1\nCR\rinside\n", false, "LINE", 2},
    {"0\nLINE\n", false, nullptr, 0},
    {"  0\nLINE\n 08\n0\n", false, nullptr, 0},
    {"  0\nLINE\n8\n0\n", false, nullptr, 0},
    {"  0\nLINE\n\t 8\n0\n", false, nullptr, 0},
    {"  0\nLINE\n 10\n 1.5\n", false, nullptr, 0},
    {"  0\nLINE\n 10\n1.5 \n", false, nullptr, 0},
    {"  0\n LINE\n", false, nullptr, 0},
    {"  0\nLINE\n1080\nx\n", false, nullptr, 0},
    {"  0\nLINE\n10000\nx\n", false, nullptr, 0},
    {"  0\nLINE\n  8\n0", false, nullptr, 0},
    {"  8\n0\n", false, nullptr, 0},
  };
  for (const Case& c : cases)
  {
    SCOPED_TRACE(c.text);
    const std::string text(c.text);
    kydxf::DxfTokenizer tokens(text.data(), text.size());
    kydxf::DxfTokenizer::WrittenGroup group{};
    ASSERT_EQ(tokens.peekWrittenGroup(c.crlf, group), c.kind != nullptr);
    if (!c.kind)
      continue;
    EXPECT_EQ(group.kind, c.kind);
    EXPECT_EQ(group.line, 1);
    EXPECT_EQ(group.nextLine, 1 + 2 * c.tags);
    tokens.skipGroup(group);
    kydxf::DxfTag t;
    if (group.end == text.data() + text.size())
    {
      EXPECT_FALSE(tokens.next(t));
      continue;
    }
    ASSERT_TRUE(tokens.next(t));
    EXPECT_EQ(t.code, 0);
    EXPECT_EQ(t.text, "EOF");
    EXPECT_EQ(t.line, group.nextLine);
  }
  // A NUL byte anywhere in a value, in a short one and in long ones (read a word at a time).
  kydxf::DxfTokenizer::WrittenGroup group{};
  const std::string longText = "a text well past one word of eight bytes";
  for (std::size_t at : {std::size_t(1), std::size_t(7), std::size_t(8), std::size_t(11), std::size_t(30)})
  {
    std::string text = longText;
    const std::string plain = "  0\nLINE\n  1\n" + text + "\n";
    kydxf::DxfTokenizer whole(plain.data(), plain.size());
    ASSERT_TRUE(whole.peekWrittenGroup(false, group));
    EXPECT_EQ(group.end, plain.data() + plain.size());
    text[at] = '\0';
    const std::string nul = "  0\nLINE\n  1\n" + text + "\n";
    kydxf::DxfTokenizer tokens(nul.data(), nul.size());
    EXPECT_FALSE(tokens.peekWrittenGroup(false, group)) << "NUL at " << at;
  }
  // After a tag read and pushed back, the group starts at that tag.
  const std::string two("  0\nLINE\n  8\n0\n  0\nARC\n  8\n0\n");
  kydxf::DxfTokenizer again(two.data(), two.size());
  kydxf::DxfTag t;
  ASSERT_TRUE(again.next(t) && again.next(t) && again.next(t));
  again.pushBack();
  ASSERT_TRUE(again.peekWrittenGroup(false, group));
  EXPECT_EQ(group.kind, "ARC");
  EXPECT_EQ(group.line, 5);
}
