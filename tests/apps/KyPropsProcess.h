// Runs kyprops as a subprocess (the executable named by KYPROPS_EXE) and gives tests its exit
// code, output and, for --json runs, the parsed document with lookups of objects and rows; and
// writes drawings for it to open.
#ifndef KYPROPS_PROCESS_H
#define KYPROPS_PROCESS_H

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct KyPropsResult
{
  int exitCode = -1;
  QString out;
  QString err;
  QJsonObject json; // filled for runs with --json whose output parses

  // The object with this handle in "objects"; an empty object when absent.
  QJsonObject object(const QString& handle) const;
  // The row of the object's "rows" with this display name; an empty object when absent.
  QJsonObject row(const QString& handle, const QString& name) const;
  // The row of "merge.rows" with this display name; an empty object when absent.
  QJsonObject mergedRow(const QString& name) const;
};

KyPropsResult runKyprops(const QStringList& arguments);

// The entry of an array of objects whose `key` is `value`; an empty object when absent.
QJsonObject findBy(const QJsonArray& array, const QString& key, const QString& value);

// A drawing file written into a directory of its own, removed with the object.
struct KyTempDrawing
{
  QTemporaryDir dir;
  QString path;

  KyTempDrawing(const QString& name, const QByteArray& contents);
};

#endif
