#include "KyTestCorpus.h"

#include <QFileInfo>
#include <QProcess>

QString KyTestCorpusDir()
{
  const QString env = qEnvironmentVariable("KY_CORPUS_DIR");
  if (!env.isEmpty())
    return env;
  return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section('/', 0, -3) + "/corpus";
}

bool KyTestPythonRecords(const char* script, const QStringList& arguments, QList<QStringList>& records,
                         QString& error)
{
  QProcess process;
  process.start(QStringLiteral("/usr/bin/python3"), QStringList{"-c", QString::fromUtf8(script)} + arguments);
  if (!process.waitForFinished(120000))
  {
    error = QStringLiteral("python3 did not finish: ") + process.errorString();
    return false;
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
  {
    error = QString::fromUtf8(process.readAllStandardError());
    return false;
  }
  records.clear();
  for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
    records.append(line.split(QChar(0x1f)));
  return true;
}
