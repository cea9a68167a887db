// KyDxfReader: reads an ASCII DXF drawing (R12 .. R2018) into a fresh database, keeping the
// handles of the file. Kinds the reader does not map are counted in the report, never dropped
// silently. What other writers bend (a name where a handle belongs, an undefined style, a value
// out of range, a clashing handle, a missing ENDSEC ...) is repaired: the reader takes the
// nearest sound reading and records each repair with its line, the problem and what it did.
// Only a file where nothing sensible can be read fails; the failure names the file, the line and
// the problem, and the database must then be discarded by the caller. In strict mode the first
// problem of either kind ends the read.
#ifndef KY_DXF_READER_H
#define KY_DXF_READER_H

#include <memory>

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVector>

class OdDbDatabase;
class KyDxfSource;

class KyDxfReader
{
public:
  struct Options
  {
    // Stop at the first problem instead of repairing it (for validating files).
    bool strict = false;
    // Keep what the writer needs to write the drawing back losing nothing (Report::source).
    bool keepSource = false;
  };

  // One repair: the line of the file it concerns (1-based), what was wrong and what the reader
  // did instead ("LAYER transparency refused (Invalid input)", "the layer keeps its default").
  struct Repair
  {
    int line = 0;
    QString problem;
    QString action;
  };

  struct Report
  {
    // Object kind (the file's name for it, "SPLINE") -> number of objects not read.
    QMap<QString, int> skipped;
    // Entities read into the database (model space, paper space and block definitions).
    int entities = 0;
    // $ACADVER and $DWGCODEPAGE as the file gives them (a code page the reader repaired: the one
    // it read the texts in).
    QString version;
    QString codepage;

    // Repairs in file order; at most kMaxRepairsKept are kept, repairCount counts them all.
    QVector<Repair> repairs;
    int repairCount = 0;
    static constexpr int kMaxRepairsKept = 10000;

    // With Options::keepSource: the file as read, for KyDxfWriter (null otherwise).
    std::shared_ptr<const KyDxfSource> source;

    // "skipped: 12 SPLINE, 3 WIPEOUT" (empty when nothing was skipped).
    QString skippedText() const;
    // "<file>:<line>: <problem>; <action>" for one repair.
    static QString repairText(const QString& file, const Repair& repair);
  };

  // Reads the file into db (a fresh database from OdDbDatabase::createObject()). On failure
  // returns false and sets error to "<file>:<line>: <problem>".
  static bool read(const QString& path, OdDbDatabase* db, Report& report, QString& error,
                   const Options& options);
  static bool read(const QString& path, OdDbDatabase* db, Report& report, QString& error)
  {
    return read(path, db, report, error, Options());
  }
  // The same for a file already in memory; nameForMessages stands for the file in errors.
  static bool readFromBytes(const QByteArray& data, const QString& nameForMessages, OdDbDatabase* db,
                            Report& report, QString& error, const Options& options);
  static bool readFromBytes(const QByteArray& data, const QString& nameForMessages, OdDbDatabase* db,
                            Report& report, QString& error)
  {
    return readFromBytes(data, nameForMessages, db, report, error, Options());
  }
};

#endif
