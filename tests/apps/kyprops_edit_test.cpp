// Edits through kyprops: accepted values change the rows, refusals exit 3 with the module's
// messages and leave the rows as they were, and every value kind parses from its text.
#include <gtest/gtest.h>

#include "KyPropsProcess.h"

TEST(KypropsEdit, AcceptedEditChangesRowsAndListing)
{
  const KyPropsResult run = runKyprops({"--json", "--list", "--select", "100", "--set", "Start X=20"});
  ASSERT_EQ(0, run.exitCode) << run.err.toStdString();
  const QJsonObject edit = run.object("100").value("edits").toArray().at(0).toObject();
  EXPECT_EQ("Start X", edit.value("name").toString());
  EXPECT_EQ(5100, edit.value("result").toInt());
  EXPECT_TRUE(edit.value("messages").toArray().isEmpty());
  EXPECT_EQ("20.0000", run.row("100", "Start X").value("text").toString());
  EXPECT_EQ("92.5000", run.row("100", "Length").value("text").toString());
  const QJsonObject from = findBy(run.object("100").value("listing").toArray(), "label", "from point");
  EXPECT_EQ(QJsonArray({20, 5, 0}), from.value("value").toArray());
}

TEST(KypropsEdit, RefusedLayerExitsThreeAndKeepsTheLayer)
{
  const KyPropsResult run = runKyprops({"--json", "--select", "100", "--set", "Layer=Site|Walls"});
  EXPECT_EQ(3, run.exitCode);
  const QJsonObject edit = run.object("100").value("edits").toArray().at(0).toObject();
  EXPECT_EQ(-5001, edit.value("result").toInt());
  EXPECT_EQ("Walls", run.row("100", "Layer").value("text").toString());

  const KyPropsResult text = runKyprops({"--select", "100", "--set", "Layer=Site|Walls"});
  EXPECT_EQ(3, text.exitCode);
  EXPECT_TRUE(text.out.contains("Layer = Site|Walls: -5001 refused"));
}

TEST(KypropsEdit, RefusalShowsTheModulesMessageAndLeavesTheRow)
{
  const KyPropsResult before = runKyprops({"--json", "--select", "107"});
  if (before.row("107", "Line space factor").isEmpty())
    GTEST_SKIP() << "the module shows no multiline-text rows in this build";
  const KyPropsResult run = runKyprops({"--json", "--select", "107", "--set", "Line space factor=5"});
  EXPECT_EQ(3, run.exitCode);
  const QJsonObject edit = run.object("107").value("edits").toArray().at(0).toObject();
  EXPECT_EQ(-5001, edit.value("result").toInt());
  EXPECT_EQ(QJsonArray({"Error: Invalid input"}), edit.value("messages").toArray());
  EXPECT_EQ(before.row("107", "Line space factor").value("text"), run.row("107", "Line space factor").value("text"));

  const KyPropsResult text = runKyprops({"--select", "107", "--set", "Line space factor=5"});
  EXPECT_TRUE(text.out.contains("      message: Error: Invalid input"));
}

TEST(KypropsEdit, ReadOnlyRowIsNotWrittenAndCountsAsRefused)
{
  const KyPropsResult run = runKyprops({"--json", "--select", "100", "--set", "Length=5"});
  EXPECT_EQ(3, run.exitCode);
  const QJsonObject edit = run.object("100").value("edits").toArray().at(0).toObject();
  EXPECT_EQ(-5001, edit.value("result").toInt());
  EXPECT_TRUE(edit.value("note").toString().contains("read-only"));
  EXPECT_EQ("100.0000", run.row("100", "Length").value("text").toString());
}

TEST(KypropsEdit, ValuesParseFromTheirTextsByRowKind)
{
  struct Case
  {
    const char* handle;
    const char* edit;
    const char* row;
    const char* shown;
  };
  const Case cases[] = {
    {"100", "Color=255,128,0", "Color", "255,128,0"},
    {"100", "Color=red", "Color", "Red"},
    {"100", "LineColor=ByBlock", "Color", "ByBlock"},
    {"100", "Lineweight=0.35", "Lineweight", "0.35 mm"},
    {"100", "Lineweight=ByBlock", "Lineweight", "ByBlock"},
    {"100", "Transparency=25%", "Transparency", "25"},
    {"100", "Linetype=center", "Linetype", "CENTER"},
    {"100", "Layer=Doors", "Layer", "Doors"},
    {"100", "Hyperlink=https://example.com/x", "Hyperlink", "https://example.com/x"},
    {"100", "Linetype scale=0.5", "Linetype scale", "0.5000"},
    {"100", "Start Y=3/4", "Start Y", "0.7500"},
    {"105", "Closed=No", "Closed", "No"},
    {"105", "Closed=0", "Closed", "No"},
    {"104", "Start Angle=45", "Start Angle", "45.00"},
    {"104", "End Angle=1.5708r", "End Angle", "90.00"},
  };
  for (const Case& c : cases)
  {
    const KyPropsResult run = runKyprops({"--json", "--select", c.handle, "--set", c.edit});
    EXPECT_EQ(0, run.exitCode) << c.edit << ": " << run.err.toStdString();
    EXPECT_EQ(c.shown, run.row(c.handle, c.row).value("text").toString().toStdString()) << c.edit;
  }
}

TEST(KypropsEdit, ArchitecturalInputIsReadInInches)
{
  const KyPropsResult run = runKyprops({"--json", "--select", "100", "--units", "4,4", "--set", "Start X=1'6\""});
  ASSERT_EQ(0, run.exitCode) << run.err.toStdString();
  EXPECT_DOUBLE_EQ(18.0, run.row("100", "Start X").value("value").toDouble());
  EXPECT_EQ("1'-6\"", run.row("100", "Start X").value("text").toString());
}

TEST(KypropsEdit, EditsApplyInOrderToEveryObjectWithTheRow)
{
  const KyPropsResult run =
    runKyprops({"--json", "--select", "100,103", "--set", "Start X=1", "--set", "Start X=2", "--set", "Color=3"});
  ASSERT_EQ(0, run.exitCode) << run.err.toStdString();
  EXPECT_EQ(3, run.object("100").value("edits").toArray().size());
  // The circle has no "Start X": only the colour reaches it.
  EXPECT_EQ(1, run.object("103").value("edits").toArray().size());
  EXPECT_EQ("2.0000", run.row("100", "Start X").value("text").toString());
  EXPECT_EQ("Green", run.row("103", "Color").value("text").toString());
}

TEST(KypropsEdit, GroupActionRunsOnceOverTheSelection)
{
  const KyPropsResult probe = runKyprops({"--json", "--select", "106"});
  if (probe.row("106", "Annotative Scale").isEmpty())
    GTEST_SKIP() << "the module shows no annotation rows in this build";
  const KyPropsResult run = runKyprops({"--json", "--select", "106,107", "--group-action", "Annotative Scale"});
  ASSERT_EQ(0, run.exitCode) << run.err.toStdString();
  const QJsonObject action = run.json.value("groupAction").toObject();
  EXPECT_EQ(2, action.value("objects").toInt());
  EXPECT_EQ(QJsonArray({"Add/delete scales requested for 2 object(s)"}), run.json.value("commandLine").toArray());
}

TEST(KypropsEdit, RepeatedRowNamesAreReachedAsNameHashN)
{
  // 12C carries two attributes tagged NUMBER: NUMBER#2 is the second, NUMBER alone the first.
  const KyPropsResult run = runKyprops({"--json", "--select", "12C", "--set", "NUMBER#2=B12", "--set", "number=A1"});
  ASSERT_EQ(0, run.exitCode) << run.err.toStdString();
  QStringList numbers;
  for (const QJsonValue& row : run.object("12C").value("rows").toArray())
    if (row.toObject().value("name").toString() == "NUMBER")
      numbers << row.toObject().value("text").toString();
  EXPECT_EQ(numbers, QStringList({"A1", "B12"}));

  // Past the last row of the name, zero or not a number: no such row.
  for (const char* name : {"NUMBER#3", "NUMBER#0", "NUMBER#x", "NUMBER#+2"})
  {
    const KyPropsResult bad = runKyprops({"--select", "12C", "--set", QString(name) + "=1"});
    EXPECT_EQ(1, bad.exitCode) << name;
    EXPECT_TRUE(bad.err.contains(QString("no selected object has a row named \"%1\"").arg(name))) << bad.err.toStdString();
  }
}
