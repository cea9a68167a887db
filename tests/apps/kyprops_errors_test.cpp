// Bad input: usage errors exit 1 with a clear message, unreadable drawings exit 2; --help.
#include <gtest/gtest.h>

#include "KyPropsProcess.h"

TEST(KypropsErrors, BadInputExitsWithItsCodeAndAClearMessage)
{
  struct Case
  {
    QStringList arguments;
    int exitCode;
    const char* message;
  };
  const Case cases[] = {
    {{"--bogus"}, 1, "Unknown option 'bogus'"},
    {{"--select", "ZZZ"}, 1, "no object has the handle or kind \"ZZZ\""},
    {{"--select", "FFFF"}, 1, "no object has the handle or kind \"FFFF\""},
    {{"--set", "Nope=1"}, 1, "no selected object has a row named \"Nope\""},
    {{"--set", "Start X"}, 1, "--set expects NAME=VALUE"},
    {{"--select", "100", "--set", "Start X=abc"}, 1, "\"abc\" is not a distance"},
    {{"--select", "100", "--set", "Color=purple"}, 1, "\"purple\" is not a colour"},
    {{"--select", "100", "--set", "Layer=Roof"}, 1, "no layer named \"Roof\""},
    {{"--select", "105", "--set", "Closed=Maybe"}, 1, "not an entry of the list (entries: Yes, No)"},
    {{"--select", "100", "--group-action", "Start X"}, 1, "has no group action"},
    {{"--units", "9,2"}, 1, "--units expects MODE,PRECISION"},
    {{"--ucs", "0,0,0;1,0,0"}, 1, "--ucs expects ORIGIN;XAXIS;YAXIS"},
    {{"--ucs", "0,0,0;1,0,0;2,0,0"}, 1, "--ucs: the axes must be non-zero and not parallel"},
    {{"--index", "-1"}, 1, "--index expects a number from 0"},
    {{"a.dxf", "b.dxf"}, 1, "only one drawing can be opened"},
    {{"/no/such/drawing.dxf"}, 2, "/no/such/drawing.dxf: no such file"},
  };
  for (const Case& c : cases)
  {
    const KyPropsResult run = runKyprops(c.arguments);
    EXPECT_EQ(c.exitCode, run.exitCode) << c.arguments.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains(c.message)) << c.arguments.join(' ').toStdString() << "\n" << run.err.toStdString();
  }
}

TEST(KypropsErrors, UsageErrorEditsNothing)
{
  // The second edit does not parse: the first is not applied either.
  const KyPropsResult run = runKyprops({"--select", "100", "--set", "Start X=7", "--set", "Start Y=x"});
  EXPECT_EQ(1, run.exitCode);
  EXPECT_TRUE(run.out.isEmpty());
}

TEST(KypropsErrors, UnreadableDrawingExitsTwoNamingTheLine)
{
  // Files from which nothing sensible can be read, with or without --strict.
  const struct
  {
    const char* contents;
    int line;
  } cases[] = {
    {"0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\n", 7}, // cut off inside the header
    {"hello world\n", 1},                               // not DXF at all
  };
  for (const auto& c : cases)
    for (const QStringList& mode : {QStringList{}, QStringList{"--strict"}})
    {
      SCOPED_TRACE(c.contents);
      const KyTempDrawing file("bad.dxf", c.contents);
      const KyPropsResult run = runKyprops(mode + QStringList{file.path});
      EXPECT_EQ(2, run.exitCode) << mode.join(' ').toStdString();
      EXPECT_TRUE(run.err.startsWith(QStringLiteral("kyprops: %1:%2: ").arg(file.path).arg(c.line)))
        << run.err.toStdString();
      EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(KypropsErrors, HelpPrintsUsageAndExitsZero)
{
  const KyPropsResult run = runKyprops({"--help"});
  EXPECT_EQ(0, run.exitCode);
  EXPECT_TRUE(run.out.startsWith("Usage: kyprops"));
  EXPECT_TRUE(run.out.contains("Exit codes: 0 success, 1 usage error, 2 nothing sensible can be read from the"));
  EXPECT_TRUE(run.out.contains("--strict"));
}
