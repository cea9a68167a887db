// KyDxfReader: reads an ASCII DXF drawing (R12 .. R2018) into a fresh database, keeping the
// handles of the file. Kinds the reader does not map are counted in the report, never dropped
// silently; any failure names the file, the line and the problem, and the database must then be
// discarded by the caller.
#ifndef KY_DXF_READER_H
#define KY_DXF_READER_H

#include <QByteArray>
#include <QMap>
#include <QString>

class OdDbDatabase;

class KyDxfReader
{
public:
  struct Report
  {
    // Object kind (the file's name for it, "SPLINE") -> number of objects not read.
    QMap<QString, int> skipped;
    // Entities read into the database (model space, paper space and block definitions).
    int entities = 0;
    // $ACADVER and $DWGCODEPAGE as the file gives them.
    QString version;
    QString codepage;

    // "skipped: 12 SPLINE, 3 WIPEOUT" (empty when nothing was skipped).
    QString skippedText() const;
  };

  // Reads the file into db (a fresh database from OdDbDatabase::createObject()). On failure
  // returns false and sets error to "<file>:<line>: <problem>".
  static bool read(const QString& path, OdDbDatabase* db, Report& report, QString& error);
  // The same for a file already in memory; nameForMessages stands for the file in errors.
  static bool readFromBytes(const QByteArray& data, const QString& nameForMessages, OdDbDatabase* db,
                            Report& report, QString& error);
};

#endif
