// Running kyprops for the tests.
#include "KyPropsProcess.h"

#include <QFile>
#include <QJsonDocument>
#include <QProcess>

QJsonObject findBy(const QJsonArray& array, const QString& key, const QString& value)
{
  for (const QJsonValue& entry : array)
    if (entry.toObject().value(key).toString() == value)
      return entry.toObject();
  return QJsonObject();
}

QJsonObject KyPropsResult::object(const QString& handle) const
{
  return findBy(json.value(QStringLiteral("objects")).toArray(), QStringLiteral("handle"), handle);
}

QJsonObject KyPropsResult::row(const QString& handle, const QString& name) const
{
  return findBy(object(handle).value(QStringLiteral("rows")).toArray(), QStringLiteral("name"), name);
}

QJsonObject KyPropsResult::mergedRow(const QString& name) const
{
  return findBy(json.value(QStringLiteral("merge")).toObject().value(QStringLiteral("rows")).toArray(),
                QStringLiteral("name"), name);
}

KyPropsResult runKyprops(const QStringList& arguments)
{
  KyPropsResult result;
  QProcess process;
  process.start(QStringLiteral(KYPROPS_EXE), arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
  {
    process.kill();
    result.err = QStringLiteral("kyprops did not finish: ") + process.errorString();
    return result;
  }
  result.exitCode = process.exitCode();
  result.out = QString::fromUtf8(process.readAllStandardOutput());
  result.err = QString::fromUtf8(process.readAllStandardError());
  if (arguments.contains(QStringLiteral("--json")))
    result.json = QJsonDocument::fromJson(result.out.toUtf8()).object();
  return result;
}

KyTempDrawing::KyTempDrawing(const QString& name, const QByteArray& contents) : path(dir.filePath(name))
{
  QFile file(path);
  if (file.open(QIODevice::WriteOnly))
    file.write(contents);
}
