// The whole report of the built-in sample (every row with its shown value and read-only mark, and
// every listing), once in world coordinates with decimal units and once under a turned, moved UCS
// with architectural units, compared line by line with the reviewed reports in tests/apps/reports.
// After an intended change, KY_RECORD_REPORTS=1 writes the reports anew: review their diff.
#include <gtest/gtest.h>

#include <algorithm>

#include <QFile>
#include <QStringList>

#include "KyPropsProcess.h"

namespace
{
// The report's lines without the module's path, which depends on the build.
QStringList reportLines(const QString& text)
{
  QStringList lines;
  for (const QString& line : text.split('\n'))
  {
    if (!line.startsWith(QLatin1String("Module: ")))
      lines << line;
  }
  return lines;
}
} // namespace

TEST(KypropsReport, SampleReportsMatchTheReviewedOnes)
{
  const struct
  {
    const char* file;
    QStringList arguments;
  } reports[] = {
    {"sample_world_decimal.txt", {"--list"}},
    {"sample_ucs_architectural.txt", {"--list", "--units", "4,3", "--ucs", "10,5,0;0,1,0;-1,0,0"}},
  };
  for (const auto& report : reports)
  {
    SCOPED_TRACE(report.file);
    const KyPropsResult run = runKyprops(report.arguments);
    ASSERT_EQ(0, run.exitCode) << run.err.toStdString();
    QFile file(QStringLiteral(KY_REPORTS_DIR "/") + report.file);
    if (qEnvironmentVariableIsSet("KY_RECORD_REPORTS"))
    {
      ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
      file.write(reportLines(run.out).join('\n').toUtf8());
      continue;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "missing " << file.fileName().toStdString();
    const QStringList expected = QString::fromUtf8(file.readAll()).split('\n');
    const QStringList actual = reportLines(run.out);
    int differing = 0;
    for (int i = 0; i < std::max(expected.size(), actual.size()); ++i)
    {
      const QString want = i < expected.size() ? expected[i] : QStringLiteral("(end of report)");
      const QString got = i < actual.size() ? actual[i] : QStringLiteral("(end of report)");
      if (want != got && ++differing <= 10)
        ADD_FAILURE() << "line " << i + 1 << "\n  expected: " << want.toStdString()
                      << "\n  shown:    " << got.toStdString();
    }
    EXPECT_EQ(0, differing) << "lines that differ";
  }
}
