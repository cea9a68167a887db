// kyprops shows the palette of the sample drawing: translated names, values in the drawing's
// units and the current UCS, selection by handle and kind, per-element context. The whole text
// report of the sample is compared in kyprops_report_test.cpp.
#include <gtest/gtest.h>

#include "KyPropsProcess.h"

TEST(KypropsPalette, EnglishCatalogueTurnsKeysIntoUserTexts)
{
  struct Case
  {
    const char* handle;
    const char* key;
    const char* shown;
  };
  const Case cases[] = {{"100", "LineColor", "Color"},          {"100", "LineStyle", "Linetype"},
                        {"100", "LineScale", "Linetype scale"}, {"100", "PrintStyle", "Plot style"},
                        {"100", "LineWeight", "Lineweight"},    {"105", "LineStyleGen", "Linetype generation"}};
  const KyPropsResult run = runKyprops({"--json", "--select", "100,105"});
  ASSERT_EQ(0, run.exitCode);
  for (const Case& c : cases)
  {
    const QJsonObject row = findBy(run.object(c.handle).value("rows").toArray(), "key", c.key);
    EXPECT_EQ(c.shown, row.value("name").toString().toStdString()) << c.key;
  }
  EXPECT_EQ("Polyline", run.object("105").value("class").toString());
}

TEST(KypropsPalette, RawKeysShowTheModulesUntranslatedNames)
{
  const KyPropsResult run = runKyprops({"--json", "--raw-keys", "--select", "100,105"});
  ASSERT_EQ(0, run.exitCode);
  EXPECT_EQ("LineColor", run.row("100", "LineColor").value("key").toString());
  EXPECT_TRUE(run.row("100", "Linetype scale").isEmpty());
  EXPECT_EQ("PolyLine", run.object("105").value("class").toString());
}

TEST(KypropsPalette, SelectsByKindOrHandleWithoutDuplicates)
{
  const KyPropsResult byKind = runKyprops({"--json", "--select", "circle,Arc,103"});
  ASSERT_EQ(0, byKind.exitCode) << byKind.err.toStdString();
  const QJsonArray objects = byKind.json.value("objects").toArray();
  ASSERT_EQ(2, objects.size());
  EXPECT_EQ("103", objects[0].toObject().value("handle").toString());
  EXPECT_EQ("Arc", objects[1].toObject().value("class").toString());

  // The untranslated kind key selects too.
  const KyPropsResult byKey = runKyprops({"--json", "--select", "PolyLine"});
  ASSERT_EQ(1, byKey.json.value("objects").toArray().size());
  EXPECT_EQ("105", byKey.json.value("objects").toArray()[0].toObject().value("handle").toString());
}

TEST(KypropsPalette, UnitsOptionFormatsLengthsInThoseUnits)
{
  struct Case
  {
    const char* units;
    const char* startX; // 12.5
    const char* length; // 100
  };
  const Case cases[] = {{"2,2", "12.50", "100.00"},
                        {"4,1", "1'-0 1/2\"", "8'-4\""},
                        {"3,2", "1'-0.50\"", "8'-4.00\""},
                        {"5,2", "12 1/2", "100"}};
  for (const Case& c : cases)
  {
    const KyPropsResult run = runKyprops({"--json", "--select", "100", "--units", c.units});
    ASSERT_EQ(0, run.exitCode) << c.units;
    EXPECT_EQ(c.startX, run.row("100", "Start X").value("text").toString().toStdString()) << c.units;
    EXPECT_EQ(c.length, run.row("100", "Length").value("text").toString().toStdString()) << c.units;
  }
}

TEST(KypropsPalette, UcsOptionShowsCoordinatesInTheUserSystem)
{
  // Origin (10,0,0), X along world Y, Y along world -X: the start (12.5,5,0) is at (5,-2.5).
  const KyPropsResult run = runKyprops({"--json", "--select", "100", "--ucs", "10,0,0;0,1,0;-1,0,0"});
  ASSERT_EQ(0, run.exitCode) << run.err.toStdString();
  EXPECT_EQ("5.0000", run.row("100", "Start X").value("text").toString());
  EXPECT_EQ("-2.5000", run.row("100", "Start Y").value("text").toString());
  EXPECT_EQ("100.0000", run.row("100", "Length").value("text").toString());
  EXPECT_EQ("270.00", run.row("100", "Angle").value("text").toString());
}

TEST(KypropsPalette, IndexOptionIsThePerElementContext)
{
  const KyPropsResult first = runKyprops({"--json", "--select", "105"});
  const KyPropsResult third = runKyprops({"--json", "--select", "105", "--index", "2"});
  ASSERT_EQ(0, third.exitCode);
  EXPECT_EQ("0.0000", first.row("105", "Vertex X").value("text").toString());
  EXPECT_EQ("100.0000", third.row("105", "Vertex X").value("text").toString());
  EXPECT_EQ("60.0000", third.row("105", "Vertex Y").value("text").toString());
}
