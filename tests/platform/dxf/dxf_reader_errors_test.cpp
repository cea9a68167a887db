// Tests of the DXF reader on bad input: every refusal names the file, the line and the problem,
// and damaged files never crash the reader or leak an exception.
#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "DbDatabase.h"
#include "DxfSamples.h"
#include "KyDxfReader.h"

namespace
{
QString readError(const QByteArray& data, bool* ok = nullptr)
{
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  QString error;
  const bool read = KyDxfReader::readFromBytes(data, QStringLiteral("bad.dxf"), db, report, error);
  if (ok)
    *ok = read;
  return error;
}

const QByteArray kEntities = "0\nSECTION\n2\nENTITIES\n";
const QByteArray kEnd = "0\nENDSEC\n0\nEOF\n";

QByteArray withHeader(const QByteArray& variables, const QByteArray& entities)
{
  return "0\nSECTION\n2\nHEADER\n" + variables + "0\nENDSEC\n" + kEntities + entities + kEnd;
}
} // namespace

TEST(DxfReaderErrors, RefuseBadInputNamingFileLineAndProblem)
{
  struct Row
  {
    const char* what;
    QByteArray data;
    const char* expected;
  } rows[] = {
    {"empty", "", "bad.dxf:0: the file is empty"},
    // The binary format's sentinel: a title ending in "Binary DXF", CR LF, SUB and NUL.
    {"binary", QByteArray("Sample Binary DXF\r\n\x1a\0", 21) + "rest", "bad.dxf:1: binary DXF is not supported"},
    {"utf-16", QByteArray("\xFF\xFE" "0\0", 4), "bad.dxf:1: UTF-16 text is not supported"},
    {"no EOF", kEntities + "0\nENDSEC\n", "bad.dxf:6: the file ends without EOF"},
    {"truncated entity", kEntities + "0\nLINE\n8\n0\n", "bad.dxf:8: the file ends inside LINE"},
    {"value missing", kEntities + "0\nLINE\n8", "bad.dxf:7: group code 8 has no value"},
    {"malformed code", kEntities + "0\nLINE\nx8\n0\n" + kEnd, "bad.dxf:7: malformed group code 'x8'"},
    {"blank code", kEntities + "0\nLINE\n\n0\n" + kEnd, "bad.dxf:7: malformed group code ''"},
    {"code out of range", kEntities + "0\nLINE\n1072\nx\n" + kEnd, "bad.dxf:7: invalid group code 1072"},
    {"bad real", kEntities + "0\nLINE\n10\n1.5x\n" + kEnd, "bad.dxf:8: group code 10: '1.5x' is not a number"},
    {"non-finite real", kEntities + "0\nLINE\n10\nnan\n" + kEnd, "bad.dxf:8: group code 10: 'nan' is not a finite number"},
    {"bad integer", kEntities + "0\nLINE\n62\n1.0\n" + kEnd, "bad.dxf:8: group code 62: '1.0' is not a 16-bit integer"},
    {"integer too large", kEntities + "0\nLINE\n70\n70000\n" + kEnd, "bad.dxf:8: group code 70: '70000' is not a 16-bit"},
    {"bad handle", kEntities + "0\nLINE\n5\nXYZ\n" + kEnd, "bad.dxf:8: group code 5: 'XYZ' is not a handle"},
    {"NUL byte", QByteArray("0\nSECTION\n2\nENT\0ITIES\n", 22), "bad.dxf:4: binary data (a NUL byte)"},
    {"NUL byte in a number", kEntities + "0\nLINE\n10\n" + QByteArray("1.\0" "5\n", 5) + kEnd,
     "bad.dxf:8: binary data (a NUL byte)"},
    {"NUL byte in an integer", kEntities + "0\nLINE\n62\n" + QByteArray("1\0\n", 3) + kEnd,
     "bad.dxf:8: binary data (a NUL byte)"},
    {"carriage return inside a value", kEntities + "0\nLINE\n10\n1.5\r \n" + kEnd,
     "bad.dxf:8: group code 10: '1.5?' is not a number"},
    {"real too large", kEntities + "0\nLINE\n10\n1" + QByteArray(309, '0') + "\n" + kEnd,
     "bad.dxf:8: group code 10: '1000000000"},
    {"not a section", "0\nLINE\n" + kEnd, "bad.dxf:1: expected a SECTION, found 'LINE'"},
    {"unknown section", "0\nSECTION\n2\nDRAWING\n" + kEnd, "bad.dxf:4: unknown section 'DRAWING'"},
    {"unknown table", "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nCOLORS\n0\nENDTAB\n" + kEnd,
     "bad.dxf:8: unknown table 'COLORS'"},
    {"record of another table", "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nSTYLE\n2\nX\n0\nENDTAB\n" + kEnd,
     "bad.dxf:10: the LAYER table cannot hold 'STYLE'"},
    {"block without end", "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n0\nLINE\n0\nENDSEC\n0\nEOF\n",
     "bad.dxf:12: the block 'B' has no ENDBLK"},
    {"unsupported version", withHeader("9\n$ACADVER\n1\nAC1006\n", ""),
     "bad.dxf:8: unsupported DXF version 'AC1006'"},
    {"unknown code page", withHeader("9\n$ACADVER\n1\nAC1015\n9\n$DWGCODEPAGE\n3\nANSI_9999\n", ""),
     "bad.dxf:12: unknown code page 'ANSI_9999'"},
    {"invalid UTF-8", withHeader("9\n$ACADVER\n1\nAC1021\n", "0\nTEXT\n1\nab\xFF\n"),
     "bad.dxf:18: text is not valid in the drawing's encoding (UTF-8)"},
    {"invalid double-byte text", withHeader("9\n$ACADVER\n1\nAC1015\n9\n$DWGCODEPAGE\n3\nANSI_932\n", "0\nTEXT\n1\n\x81\n"),
     "bad.dxf:22: text is not valid in the drawing's encoding (ANSI_932)"},
    {"header value out of range", withHeader("9\n$LUNITS\n70\n9\n", ""), "bad.dxf:5: $LUNITS refused (Invalid input)"},
    {"not a value of the enumeration", withHeader("9\n$MEASUREMENT\n70\n6\n", ""),
     "bad.dxf:5: $MEASUREMENT refused (Invalid input)"},
    {"justification out of range", kEntities + "0\nTEXT\n72\n9\n" + kEnd,
     "bad.dxf:8: TEXT horizontal justification refused (Invalid input)"},
    {"refused radius", kEntities + "0\nCIRCLE\n10\n0\n20\n0\n40\n-1\n" + kEnd,
     "bad.dxf:12: CIRCLE radius refused (Invalid input)"},
    {"refused lineweight", kEntities + "0\nLINE\n370\n17\n" + kEnd, "bad.dxf:8: LINE lineweight refused (Invalid input)"},
    {"handle twice", kEntities + "0\nLINE\n5\n2A\n0\nLINE\n5\n2a\n" + kEnd, "bad.dxf:12: handle 2A is given to two objects"},
    {"layer twice", "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nA\n0\nLAYER\n2\na\n0\nENDTAB\n" + kEnd,
     "bad.dxf:16: LAYER 'a' is defined twice"},
    {"extended data code", kEntities + "0\nLINE\n1001\nAPP\n10\n1\n" + kEnd,
     "bad.dxf:9: group code 10 cannot stand in extended data"},
    {"unbalanced extended data", kEntities + "0\nLINE\n1001\nAPP\n1002\n{\n" + kEnd,
     "bad.dxf:7: extended data refused"},
    {"open application group", kEntities + "0\nLINE\n102\n{ACAD_REACTORS\n330\n1F\n" + kEnd,
     "bad.dxf:8: application group {ACAD_REACTORS is not closed"},
  };
  for (const Row& row : rows)
  {
    SCOPED_TRACE(row.what);
    bool ok = true;
    const QString error = readError(row.data, &ok);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(error.startsWith(QString::fromUtf8(row.expected))) << error.toStdString();
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
  // located problem; nothing escapes and nothing crashes.
  const QByteArray good = dxfSampleFile(QStringLiteral("AC1018"), QStringLiteral("ANSI_936"));
  const QRegularExpression located(QStringLiteral("^bad\\.dxf:\\d+: \\S"));
  quint64 state = 7;
  auto random = [&state](quint64 bound) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((state >> 33) % bound);
  };
  int failures = 0;
  for (int i = 0; i < 400; ++i)
  {
    QByteArray damaged = good;
    if (i % 4 == 0)
      damaged.truncate(random(static_cast<quint64>(good.size())));
    else
      for (int k = 0; k < 1 + i % 3; ++k)
        damaged[random(static_cast<quint64>(damaged.size()))] = static_cast<char>("0-.\n9A{ \xFFz"[random(11)]);
    bool ok = false;
    QString error;
    ASSERT_NO_THROW(error = readError(damaged, &ok));
    if (!ok)
    {
      ++failures;
      EXPECT_TRUE(located.match(error).hasMatch()) << error.toStdString();
    }
  }
  EXPECT_GT(failures, 100);
}
