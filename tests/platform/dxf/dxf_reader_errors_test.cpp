// Tests of the DXF reader on bad input: every refusal names the file, the line and the problem,
// and damaged files never crash the reader or leak an exception.
#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstring>

#include "DbDatabase.h"
#include "DxfSamples.h"
#include "KyDxfReader.h"

namespace
{
const QByteArray kEntities = "0\nSECTION\n2\nENTITIES\n";
const QByteArray kEnd = "0\nENDSEC\n0\nEOF\n";

QByteArray withHeader(const QByteArray& variables, const QByteArray& entities)
{
  return "0\nSECTION\n2\nHEADER\n" + variables + "0\nENDSEC\n" + kEntities + entities + kEnd;
}
} // namespace

TEST(DxfReaderErrors, RepairWhatCanBeReadAndStrictModeStopsAtEveryProblem)
{
  // Each bent file: the strict read fails with the located problem; the ordinary read either
  // fails the same way (nothing sensible can be read: "fatal") or repairs it, reporting the
  // problem with what it did, and keeps the entities that could be read.
  struct Row
  {
    const char* what;
    QByteArray data;
    const char* expected;
    const char* repair; // the repair's "problem; action" (after "bad.dxf:LINE: "), or "fatal"
    int entities;
  } rows[] = {
    {"empty", "", "bad.dxf:0: the file is empty",
     "fatal", 0},
    // The binary format's sentinel: a title ending in "Binary DXF", CR LF, SUB and NUL.
    {"binary", QByteArray("Sample Binary DXF\r\n\x1a\0", 21) + "rest", "bad.dxf:1: binary DXF is not supported",
     "fatal", 0},
    {"utf-16", QByteArray("\xFF\xFE" "0\0", 4), "bad.dxf:1: UTF-16 text is not supported",
     "fatal", 0},
    {"no EOF", kEntities + "0\nENDSEC\n", "bad.dxf:6: the file ends without EOF",
     "the file ends without EOF (truncated file?); read the file up to its end", 0},
    {"truncated entity", kEntities + "0\nLINE\n8\n0\n", "bad.dxf:8: the file ends inside LINE",
     "the file ends inside LINE (truncated file?); read the file up to its end; dropped the LINE at line 5, which it cuts short", 0},
    {"value missing", kEntities + "0\nLINE\n8", "bad.dxf:7: group code 8 has no value",
     "the file ends inside LINE (truncated file?); read the file up to its end; dropped the LINE at line 5", 0},
    {"malformed code", kEntities + "0\nLINE\nx8\n0\n" + kEnd, "bad.dxf:7: malformed group code 'x8'",
     "malformed group code 'x8'; passed over lines 7 to 8 up to the next object", 1},
    {"blank code", kEntities + "0\nLINE\n\n0\n" + kEnd, "bad.dxf:7: malformed group code ''",
     "malformed group code ''; passed over lines 7 to 8 up to the next object", 1},
    {"code out of range", kEntities + "0\nLINE\n1072\nx\n" + kEnd, "bad.dxf:7: invalid group code 1072",
     "invalid group code 1072; dropped the value", 1},
    {"bad real", kEntities + "0\nLINE\n10\n1.5x\n" + kEnd, "bad.dxf:8: group code 10: '1.5x' is not a number",
     "group code 10: '1.5x' is not a number; dropped the value", 1},
    {"non-finite real", kEntities + "0\nLINE\n10\nnan\n" + kEnd, "bad.dxf:8: group code 10: 'nan' is not a finite number",
     "group code 10: 'nan' is not a finite number; dropped the value", 1},
    {"bad integer", kEntities + "0\nLINE\n62\n1.0\n" + kEnd, "bad.dxf:8: group code 62: '1.0' is not a 16-bit integer",
     "group code 62: '1.0' is not a 16-bit integer; dropped the value", 1},
    {"integer too large", kEntities + "0\nLINE\n70\n70000\n" + kEnd, "bad.dxf:8: group code 70: '70000' is not a 16-bit",
     "group code 70: '70000' is not a 16-bit integer; dropped the value", 1},
    {"bad handle", kEntities + "0\nLINE\n5\nXYZ\n" + kEnd, "bad.dxf:8: group code 5: 'XYZ' is not a handle",
     "group code 5: 'XYZ' is not a handle; gave the object a new handle", 1},
    {"NUL byte", QByteArray("0\nSECTION\n2\nENT\0ITIES\n", 22), "bad.dxf:4: binary data (a NUL byte)",
     "fatal", 0},
    {"NUL byte in a number", kEntities + "0\nLINE\n10\n" + QByteArray("1.\0" "5\n", 5) + kEnd,
     "bad.dxf:8: binary data (a NUL byte)",
     "fatal", 0},
    {"NUL byte in an integer", kEntities + "0\nLINE\n62\n" + QByteArray("1\0\n", 3) + kEnd,
     "bad.dxf:8: binary data (a NUL byte)",
     "fatal", 0},
    {"carriage return inside a value", kEntities + "0\nLINE\n10\n1.5\r \n" + kEnd,
     "bad.dxf:8: group code 10: '1.5?' is not a number",
     "group code 10: '1.5?' is not a number; dropped the value", 1},
    {"real too large", kEntities + "0\nLINE\n10\n1" + QByteArray(309, '0') + "\n" + kEnd,
     "bad.dxf:8: group code 10: '1000000000",
     "group code 10: '1000000000", 1},
    {"not a section", "0\nLINE\n" + kEnd, "bad.dxf:1: expected a SECTION, found 'LINE'",
     "fatal", 0},
    {"unknown section", "0\nSECTION\n2\nDRAWING\n" + kEnd, "bad.dxf:4: unknown section 'DRAWING'",
     "unknown section 'DRAWING'; passed over it", 0},
    {"unknown table", "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nCOLORS\n0\nENDTAB\n" + kEnd,
     "bad.dxf:8: unknown table 'COLORS'",
     "unknown table 'COLORS'; passed over the table", 0},
    {"record of another table", "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nSTYLE\n2\nX\n0\nENDTAB\n" + kEnd,
     "bad.dxf:10: the LAYER table cannot hold 'STYLE'",
     "the LAYER table cannot hold 'STYLE'; passed over the record", 0},
    {"block without end", "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n0\nLINE\n0\nENDSEC\n0\nEOF\n",
     "bad.dxf:12: the block 'B' has no ENDBLK",
     "the block 'B' has no ENDBLK; ended it before line 11", 1},
    {"unsupported version", withHeader("9\n$ACADVER\n1\nAC1006\n", ""),
     "bad.dxf:8: unsupported DXF version 'AC1006'",
     "unsupported DXF version 'AC1006' (versions AC1009 to AC1032 are read); read it as AC1009", 0},
    {"unknown code page", withHeader("9\n$ACADVER\n1\nAC1015\n9\n$DWGCODEPAGE\n3\nANSI_9999\n", ""),
     "bad.dxf:12: unknown code page 'ANSI_9999'",
     "unknown code page 'ANSI_9999'; read the texts as ANSI_1252", 0},
    {"invalid UTF-8", withHeader("9\n$ACADVER\n1\nAC1021\n", "0\nTEXT\n1\nab\xFF\n"),
     "bad.dxf:18: text is not valid in the drawing's encoding (UTF-8)",
     "text is not valid in the drawing's encoding (UTF-8); read the text as ANSI_1252", 1},
    {"invalid double-byte text", withHeader("9\n$ACADVER\n1\nAC1015\n9\n$DWGCODEPAGE\n3\nANSI_932\n", "0\nTEXT\n1\n\x81\n"),
     "bad.dxf:22: text is not valid in the drawing's encoding (ANSI_932)",
     "text is not valid in the drawing's encoding (ANSI_932); replaced the bytes that do not decode with U+FFFD", 1},
    {"header value out of range", withHeader("9\n$LUNITS\n70\n9\n", ""), "bad.dxf:5: $LUNITS refused (Invalid input)",
     "$LUNITS refused (Invalid input); dropped the value", 0},
    {"not a value of the enumeration", withHeader("9\n$MEASUREMENT\n70\n6\n", ""),
     "bad.dxf:5: $MEASUREMENT refused (Invalid input)",
     "$MEASUREMENT refused (Invalid input); dropped the value", 0},
    {"justification out of range", kEntities + "0\nTEXT\n72\n9\n" + kEnd,
     "bad.dxf:8: TEXT horizontal justification refused (Invalid input)",
     "TEXT horizontal justification refused (Invalid input); dropped the value", 1},
    {"refused radius", kEntities + "0\nCIRCLE\n10\n0\n20\n0\n40\n-1\n" + kEnd,
     "bad.dxf:12: CIRCLE radius refused (Invalid input)",
     "CIRCLE radius refused (Invalid input); dropped the value", 1},
    {"refused lineweight", kEntities + "0\nLINE\n370\n17\n" + kEnd, "bad.dxf:8: LINE lineweight refused (Invalid input)",
     "LINE lineweight refused (Invalid input); read it as the nearest lineweight, 18", 1},
    {"handle twice", kEntities + "0\nLINE\n5\n2A\n0\nLINE\n5\n2a\n" + kEnd, "bad.dxf:12: handle 2A is given to two objects",
     "handle 2A is given to two objects; gave the later LINE a new handle; references to 2A keep the first", 2},
    {"layer twice", "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nA\n0\nLAYER\n2\na\n0\nENDTAB\n" + kEnd,
     "bad.dxf:16: LAYER 'a' is defined twice",
     "LAYER 'a' is defined twice; kept the first definition, passed over this one", 0},
    {"extended data code", kEntities + "0\nLINE\n1001\nAPP\n10\n1\n1000\nx\n" + kEnd,
     "bad.dxf:9: group code 10 cannot stand in extended data",
     "group code 10 cannot stand in extended data; dropped the value", 1},
    {"empty extended data", kEntities + "0\nLINE\n1001\nAPP\n1001\nOTHER\n1000\nx\n" + kEnd,
     "bad.dxf:7: the extended data of the application 'APP' is empty",
     "the extended data of the application 'APP' is empty; dropped the application's name", 1},
    {"unbalanced extended data", kEntities + "0\nLINE\n1001\nAPP\n1002\n{\n" + kEnd,
     "bad.dxf:7: extended data refused", "extended data of APP refused", 1},
    {"open application group", kEntities + "0\nLINE\n102\n{ACAD_REACTORS\n330\n1F\n" + kEnd,
     "bad.dxf:8: application group {ACAD_REACTORS is not closed",
     "application group {ACAD_REACTORS is not closed; closed it at the end of the object", 1},
  };
  for (const Row& row : rows)
  {
    SCOPED_TRACE(row.what);
    KyDxfReader::Options strict;
    strict.strict = true;
    OdDbDatabasePtr strictDb = OdDbDatabase::createObject();
    KyDxfReader::Report report;
    QString error;
    EXPECT_FALSE(KyDxfReader::readFromBytes(row.data, QStringLiteral("bad.dxf"), strictDb, report, error, strict));
    EXPECT_TRUE(error.startsWith(QString::fromUtf8(row.expected))) << error.toStdString();

    OdDbDatabasePtr db = OdDbDatabase::createObject();
    const bool read = KyDxfReader::readFromBytes(row.data, QStringLiteral("bad.dxf"), db, report, error);
    if (std::strcmp(row.repair, "fatal") == 0)
    {
      EXPECT_FALSE(read);
      EXPECT_TRUE(error.startsWith(QString::fromUtf8(row.expected))) << error.toStdString();
      continue;
    }
    ASSERT_TRUE(read) << error.toStdString();
    ASSERT_EQ(report.repairCount, 1);
    ASSERT_EQ(report.repairs.size(), 1);
    // The repair is reported at the line the strict read names.
    const QString text = KyDxfReader::Report::repairText(QStringLiteral("bad.dxf"), report.repairs[0]);
    const QString located = QString::fromUtf8(row.expected).section(QLatin1Char(':'), 0, 1);
    EXPECT_TRUE(text.startsWith(located + QStringLiteral(": ") + QString::fromUtf8(row.repair))) << text.toStdString();
    EXPECT_EQ(report.entities, row.entities);
  }
}

TEST(DxfReaderErrors, ReadNamesTheFileThatCannotBeRead)
{
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  QString error;

  const QString missing = dir.filePath(QStringLiteral("missing.dxf"));
  EXPECT_FALSE(KyDxfReader::read(missing, db, report, error));
  EXPECT_EQ(error, missing + QStringLiteral(":0: the file does not exist"));

  EXPECT_FALSE(KyDxfReader::read(dir.path(), db, report, error));
  EXPECT_EQ(error, dir.path() + QStringLiteral(":0: this is a directory, not a file"));

  const QString good = dir.filePath(QStringLiteral("good.dxf"));
  QFile file(good);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(dxfSampleFile(QStringLiteral("AC1024")));
  file.close();
  OdDbDatabasePtr fresh = OdDbDatabase::createObject();
  EXPECT_TRUE(KyDxfReader::read(good, fresh, report, error)) << error.toStdString();
  EXPECT_EQ(report.version, QStringLiteral("AC1024"));

  QFile unreadable(good);
  ASSERT_TRUE(unreadable.setPermissions(QFileDevice::WriteOwner));
  if (!QFile(good).open(QIODevice::ReadOnly)) // root reads everything
  {
    EXPECT_FALSE(KyDxfReader::read(good, fresh, report, error));
    EXPECT_TRUE(error.startsWith(good + QStringLiteral(":0: the file cannot be read"))) << error.toStdString();
  }
}

TEST(DxfReaderErrors, DamagedFilesFailCleanly)
{
  // Cuts and byte changes all over a valid drawing: each read either succeeds or reports a
  // located problem; nothing escapes and nothing crashes. The strict read fails on most of
  // them; the ordinary one repairs most of those and fails only where the strict one does.
  const QByteArray good = dxfSampleFile(QStringLiteral("AC1018"), QStringLiteral("ANSI_936"));
  const QRegularExpression located(QStringLiteral("^bad\\.dxf:\\d+: \\S"));
  quint64 state = 7;
  auto random = [&state](quint64 bound) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((state >> 33) % bound);
  };
  KyDxfReader::Options strict;
  strict.strict = true;
  int strictFailures = 0, failures = 0, repaired = 0;
  for (int i = 0; i < 400; ++i)
  {
    QByteArray damaged = good;
    if (i % 4 == 0)
      damaged.truncate(random(static_cast<quint64>(good.size())));
    else
      for (int k = 0; k < 1 + i % 3; ++k)
        damaged[random(static_cast<quint64>(damaged.size()))] = static_cast<char>("0-.\n9A{ \xFFz"[random(11)]);
    for (bool strictRead : {true, false})
    {
      OdDbDatabasePtr db = OdDbDatabase::createObject();
      KyDxfReader::Report report;
      QString error;
      bool ok = false;
      ASSERT_NO_THROW(ok = KyDxfReader::readFromBytes(damaged, QStringLiteral("bad.dxf"), db, report, error,
                                                       strictRead ? strict : KyDxfReader::Options()));
      if (!ok)
      {
        EXPECT_TRUE(located.match(error).hasMatch()) << error.toStdString();
      }
      if (strictRead)
        strictFailures += ok ? 0 : 1;
      else
      {
        failures += ok ? 0 : 1;
        repaired += ok && report.repairCount > 0 ? 1 : 0;
        EXPECT_GE(report.repairCount, report.repairs.size());
      }
    }
  }
  EXPECT_GT(strictFailures, 100);
  EXPECT_LT(failures, strictFailures / 2);
  EXPECT_GT(repaired, strictFailures / 2);
}

TEST(DxfReaderErrors, AFileCutInACodeLineKeepsWhatCameBefore)
{
  // The last tag breaks off in its code: no object follows to read on from, so the reader stops
  // there, drops the entity it cuts short and keeps the ones before.
  const QByteArray data = kEntities + "0\nLINE\n8\n0\n0\nLINE\n1x";
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  QString error;
  ASSERT_TRUE(KyDxfReader::readFromBytes(data, QStringLiteral("bad.dxf"), db, report, error)) << error.toStdString();
  ASSERT_EQ(report.repairs.size(), 2);
  EXPECT_EQ(KyDxfReader::Report::repairText(QStringLiteral("bad.dxf"), report.repairs[0]),
            QStringLiteral("bad.dxf:11: malformed group code '1x'; passed over lines 11 to 11, the end of the file"));
  EXPECT_TRUE(KyDxfReader::Report::repairText(QStringLiteral("bad.dxf"), report.repairs[1])
                .contains(QStringLiteral("the file ends inside LINE")));
  EXPECT_EQ(report.entities, 1);
}
