// Drawings with problems the reader repairs: kyprops opens them (exit 0), lists the repairs on
// standard error (the first ten) and in the JSON document (all), and --strict refuses them with
// the reader's message (exit 2).
#include <gtest/gtest.h>

#include "KyPropsProcess.h"

namespace
{
// A LINE on `layer`; lineweight < 0 writes none. With a lineweight it takes eighteen lines of the
// file, the lineweight's value the sixth.
QString line(int lineweight, const char* layer = "0")
{
  QString out = QStringLiteral("0\nLINE\n8\n%1\n").arg(layer);
  if (lineweight >= 0)
    out += QStringLiteral("370\n%1\n").arg(lineweight);
  return out + "10\n0\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n";
}

const char kLayerTable[] = "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n70\n1\n"
                           "0\nLAYER\n2\nWalls\n70\n0\n62\n300\n6\nCONTINUOUS\n0\nENDTAB\n0\nENDSEC\n";

QString entities(const QString& body)
{
  return "0\nSECTION\n2\nENTITIES\n" + body + "0\nENDSEC\n0\nEOF\n";
}

// A reader that refuses what it should repair fails here with its message, not on a missing key.
::testing::AssertionResult readWithRepairs(const KyPropsResult& run)
{
  if (run.exitCode == 0)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the reader refused a problem it should repair (exit " << run.exitCode
                                       << "): " << run.err.toStdString();
}

// The file (empty: the sample) read for its summary as JSON: the run and the repairs it reports.
struct JsonRead
{
  KyPropsResult run;
  QJsonArray repairs;
  int repairCount = -1;
};

JsonRead readJson(const QString& path)
{
  JsonRead read;
  read.run = runKyprops(QStringList{"--json", "--summary"} + (path.isEmpty() ? QStringList() : QStringList{path}));
  const QJsonObject drawing = read.run.json.value("drawing").toObject();
  read.repairs = drawing.value("repairs").toArray();
  read.repairCount = drawing.value("repairCount").toInt(-1);
  return read;
}

QStringList stderrLines(const KyPropsResult& run)
{
  return run.err.split('\n', Qt::SkipEmptyParts);
}

// "<file>:<line>: <problem>; <action>" as kyprops prints each repair.
QString repairLine(const QString& file, const QJsonObject& repair)
{
  return QStringLiteral("%1:%2: %3; %4")
    .arg(file)
    .arg(repair.value("line").toInt())
    .arg(repair.value("problem").toString(), repair.value("action").toString());
}

struct RepairCase
{
  const char* name;
  QString text;
  int line; // of the value repaired
};

const RepairCase kRepairCases[] = {
  {"lineweight.dxf", entities(line(17)), 10},
  {"layer_colour.dxf", kLayerTable + entities(line(-1, "Walls")), 18},
};
} // namespace

// Each file once as JSON, once as text with and without the palette, once under --strict.
TEST(KypropsRepairs, RepairedDrawingOpensListingTheRepairAndStrictRefusesIt)
{
  for (const RepairCase& c : kRepairCases)
  {
    SCOPED_TRACE(c.name);
    const KyTempDrawing file(c.name, c.text.toLatin1());

    const JsonRead json = readJson(file.path);
    ASSERT_TRUE(readWithRepairs(json.run));
    EXPECT_EQ(1, json.repairCount);
    ASSERT_EQ(1, json.repairs.size());
    const QJsonObject repair = json.repairs[0].toObject();
    EXPECT_EQ(c.line, repair.value("line").toInt());
    EXPECT_FALSE(repair.value("problem").toString().isEmpty());
    EXPECT_FALSE(repair.value("action").toString().isEmpty());
    EXPECT_TRUE(json.run.err.isEmpty()) << "the JSON document carries the repairs: " << json.run.err.toStdString();

    // The summary and the palette both list it on standard error; standard output is as without.
    for (const QStringList& mode : {QStringList{"--summary"}, QStringList{}})
    {
      const KyPropsResult text = runKyprops(mode + QStringList{file.path});
      EXPECT_EQ(0, text.exitCode) << text.err.toStdString();
      EXPECT_EQ(QStringList({"kyprops: " + file.path + ": 1 repair", "  " + repairLine(file.path, repair)}),
                stderrLines(text));
      EXPECT_TRUE(text.out.startsWith("Drawing: " + file.path)) << text.out.toStdString();
      EXPECT_FALSE(text.out.contains("repair"));
    }

    // Under --strict the problem ends the read with the reader's message.
    const KyPropsResult strict = runKyprops({"--strict", file.path});
    EXPECT_EQ(2, strict.exitCode);
    EXPECT_TRUE(strict.out.isEmpty());
    EXPECT_EQ(QStringList{QStringLiteral("kyprops: %1:%2: %3")
                            .arg(file.path)
                            .arg(c.line)
                            .arg(repair.value("problem").toString())},
              stderrLines(strict));
  }
}

TEST(KypropsRepairs, MoreThanTenRepairsShowTenAndCountTheRest)
{
  QString body;
  for (int i = 0; i < 13; ++i)
    body += line(17);
  const KyTempDrawing file("many.dxf", entities(body).toLatin1());

  const JsonRead json = readJson(file.path);
  ASSERT_TRUE(readWithRepairs(json.run));
  EXPECT_EQ(13, json.repairCount);
  const QJsonArray& repairs = json.repairs;
  ASSERT_EQ(13, repairs.size()) << "JSON keeps every repair the reader kept";

  const KyPropsResult text = runKyprops({"--summary", file.path});
  EXPECT_EQ(0, text.exitCode);
  QStringList expected{"kyprops: " + file.path + ": 13 repairs"};
  for (int i = 0; i < 10; ++i)
  {
    // In file order: each LINE is 18 lines further on.
    EXPECT_EQ(10 + 18 * i, repairs[i].toObject().value("line").toInt()) << "repair " << i;
    expected << "  " + repairLine(file.path, repairs[i].toObject());
  }
  expected << "  ... and 3 more";
  EXPECT_EQ(expected, stderrLines(text));
}

TEST(KypropsRepairs, SampleHasNoRepairsAndReadsUnderStrict)
{
  const KyPropsResult text = runKyprops({"--strict", "--summary"});
  EXPECT_EQ(0, text.exitCode);
  EXPECT_TRUE(text.err.isEmpty()) << text.err.toStdString();
  const JsonRead json = readJson(QString());
  EXPECT_EQ(0, json.repairCount);
  EXPECT_TRUE(json.run.json.value("drawing").toObject().value("repairs").isArray());
  EXPECT_TRUE(json.repairs.isEmpty());
}
