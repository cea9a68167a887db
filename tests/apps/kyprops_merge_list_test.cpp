// Merged palettes of multi-selections, the listing report, the drawing summary and DXF files.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "KyPropsProcess.h"

TEST(KypropsMerge, DifferentValuesVaryWithCountAndRange)
{
  const KyPropsResult run = runKyprops({"--json", "--merge", "--select", "100,101,102"});
  ASSERT_EQ(0, run.exitCode) << run.err.toStdString();
  const QJsonObject merge = run.json.value("merge").toObject();
  EXPECT_EQ(3, merge.value("count").toInt());
  EXPECT_EQ(QJsonObject({{"Line", 3}}), merge.value("kinds").toObject());

  const QJsonObject startX = run.mergedRow("Start X");
  EXPECT_TRUE(startX.value("varies").toBool());
  EXPECT_EQ(3, startX.value("distinct").toInt());
  EXPECT_DOUBLE_EQ(0.0, startX.value("min").toDouble());
  EXPECT_DOUBLE_EQ(30.0, startX.value("max").toDouble());
  EXPECT_EQ("30.0000", startX.value("maxText").toString());
  EXPECT_TRUE(startX.value("value").isNull());
  EXPECT_EQ("Varies", startX.value("text").toString());

  const QJsonObject startZ = run.mergedRow("Start Z");
  EXPECT_FALSE(startZ.value("varies").toBool());
  EXPECT_EQ("0.0000", startZ.value("text").toString());
  EXPECT_DOUBLE_EQ(0.0, startZ.value("value").toDouble());

  // Two lines on Walls, one on Doors.
  EXPECT_EQ(2, run.mergedRow("Layer").value("distinct").toInt());
  EXPECT_FALSE(run.mergedRow("Layer").contains("min"));

  const KyPropsResult text = runKyprops({"--merge", "--select", "100,101,102"});
  EXPECT_TRUE(text.out.contains("Selection: 3 object(s) (Line: 3)"));
  EXPECT_TRUE(text.out.contains("Varies (3 values, min 0.0000, max 30.0000)"));
}

TEST(KypropsMerge, KeepsOnlyCommonRowsReadOnlyWhenAnyObjectSaysSo)
{
  const KyPropsResult run = runKyprops({"--json", "--merge", "--select", "100,104"});
  ASSERT_EQ(0, run.exitCode);
  EXPECT_EQ(QJsonObject({{"Line", 1}, {"Arc", 1}}), run.json.value("merge").toObject().value("kinds").toObject());
  EXPECT_FALSE(run.mergedRow("Color").isEmpty());
  EXPECT_TRUE(run.mergedRow("Delta X").isEmpty()); // the arc has none
  EXPECT_TRUE(run.mergedRow("Radius").isEmpty());  // the line has none
  // The arc's start point is computed, the line's is editable.
  EXPECT_TRUE(run.mergedRow("Start X").value("readOnly").toBool());
  EXPECT_FALSE(run.mergedRow("Color").value("readOnly").toBool());
}

TEST(KypropsMerge, SetAppliesToEverySelectedObject)
{
  const KyPropsResult run = runKyprops({"--json", "--merge", "--select", "102,108", "--set", "Start Y=2"});
  ASSERT_EQ(0, run.exitCode) << run.err.toStdString();
  for (const char* handle : {"102", "108"})
    EXPECT_EQ(5100, run.object(handle).value("edits").toArray().at(0).toObject().value("result").toInt());
  EXPECT_FALSE(run.mergedRow("Start Y").value("varies").toBool());
  EXPECT_EQ("2.0000", run.mergedRow("Start Y").value("text").toString());

  const KyPropsResult notCommon = runKyprops({"--merge", "--select", "100,103", "--set", "Start X=1"});
  EXPECT_EQ(1, notCommon.exitCode);
  EXPECT_TRUE(notCommon.err.contains("not common to all selected objects"));
}

TEST(KypropsList, ListingLinesCarryTheirKindAndNumberInJson)
{
  const KyPropsResult json = runKyprops({"--json", "--list", "--select", "100"});
  ASSERT_EQ(0, json.exitCode);
  const QJsonObject length = findBy(json.object("100").value("listing").toArray(), "label", "Length");
  EXPECT_EQ("PrintDist", length.value("kind").toString());
  EXPECT_DOUBLE_EQ(100.0, length.value("value").toDouble());
}

TEST(KypropsSummary, CountsKindsWithoutShowingThePalette)
{
  const KyPropsResult text = runKyprops({"--summary"});
  ASSERT_EQ(0, text.exitCode);
  EXPECT_TRUE(text.out.contains("Entities: 85"));
  EXPECT_TRUE(text.out.contains("Skipped: none"));
  EXPECT_FALSE(text.out.contains("Start X"));

  const KyPropsResult json = runKyprops({"--summary", "--json"});
  const QJsonObject kinds = json.json.value("drawing").toObject().value("kinds").toObject();
  // In blocks too: the door's three lines in its definition and its representation.
  EXPECT_EQ(10, kinds.value("LINE").toInt());
  // The cloud's 22 arcs and the door's swing (twice) among them.
  EXPECT_EQ(25, kinds.value("ARC").toInt());
  EXPECT_EQ(1, kinds.value("CIRCLE").toInt());
  EXPECT_EQ(4, kinds.value("POLYLINE").toInt()); // heavy polylines, their vertices not counted apart
  EXPECT_EQ(7, kinds.value("DIMENSION").toInt());
  EXPECT_EQ(3, kinds.value("ATTDEF").toInt());
  EXPECT_EQ(7, kinds.value("INSERT").toInt()); // the multiple insert and the cloud among them
  EXPECT_FALSE(json.json.contains("objects"));
}

TEST(KypropsDxf, OpensAFileAndReportsSkippedKinds)
{
  QTemporaryDir dir;
  const QString path = dir.filePath("plan.dxf");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("0\nSECTION\n2\nENTITIES\n0\nLINE\n5\n2F\n8\nA\n10\n12.5\n20\n0\n30\n0\n11\n1\n21\n1\n31\n0\n"
             "0\nLIGHT\n5\n30\n8\nA\n0\nENDSEC\n0\nEOF\n");
  file.close();
  const KyPropsResult summary = runKyprops({"--summary", "--json", path});
  if (summary.err.contains("DXF import not available"))
    GTEST_SKIP() << "built without the DXF reader";
  ASSERT_EQ(0, summary.exitCode) << summary.err.toStdString();
  EXPECT_EQ(1, summary.json.value("drawing").toObject().value("skipped").toObject().value("LIGHT").toInt());

  const KyPropsResult palette = runKyprops({"--json", "--select", "2F", path});
  ASSERT_EQ(0, palette.exitCode);
  EXPECT_EQ("12.5000", palette.row("2F", "Start X").value("text").toString());
  EXPECT_EQ("A", palette.row("2F", "Layer").value("text").toString());
}
