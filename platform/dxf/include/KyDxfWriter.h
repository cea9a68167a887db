// KyDxfWriter: writes a database as an ASCII DXF drawing. A drawing read with
// KyDxfReader::Options::keepSource is written back from its source: every object the database
// still holds unchanged goes out tag for tag as it came in (the kinds and sections the reader does
// not model too), a changed object keeps its tags and gets only the values that changed, an
// erased one is left out, and objects the database gained are added to their section. A database
// without a source (made in memory) is written whole. Writing fails, and writes nothing, when the
// drawing holds something the chosen version cannot carry or a changed object of a kind the
// writer does not know; the error says which.
#ifndef KY_DXF_WRITER_H
#define KY_DXF_WRITER_H

#include <QByteArray>
#include <QString>
#include <QStringList>

class KyDxfSource;
class OdDbDatabase;

class KyDxfWriter
{
public:
  struct Options
  {
    Options();

    // $ACADVER of the output ("AC1015", "AC1024" ...; also "R2000", "R2010" ...). Empty: the
    // source's version, or AC1032 for a database without a source.
    QString version;
    // A drawing written from its source compares with their state at the read only the objects
    // opened for a change since. With this set the others are compared too, and the write fails
    // naming any that changed unseen (a checking aid: set by default where the environment has
    // KY_DXF_CHECK_UNTRACKED, as the tests do).
    bool checkUntracked;
  };

  // The versions a drawing can be written in, as $ACADVER values, oldest first.
  static QStringList versions();
  // The $ACADVER value for a name the user gives ("R2010", "2010", "AC1024"); empty when unknown.
  static QString versionFromName(const QString& name);

  // Writes the drawing into out (replacing what it held). On failure returns false, leaves out
  // empty and sets error to the problem.
  static bool write(OdDbDatabase* db, const KyDxfSource* source, QByteArray& out, QString& error,
                    const Options& options = Options());
  // Writes the drawing to the file: into a temporary file in the same folder that replaces the
  // file only when complete, so a failure leaves the old file as it was. path may be the file the
  // source was read from. error is "<path>: <problem>".
  static bool writeFile(OdDbDatabase* db, const KyDxfSource* source, const QString& path, QString& error,
                        const Options& options = Options());
};

#endif
