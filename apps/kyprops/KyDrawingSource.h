// KyDrawingSource: opens the drawing kyprops shows, a DXF file (when the DXF reader is built in)
// or the built-in sample, describes it (kinds of objects, kinds the reader skipped, what it
// repaired, units) and saves it as DXF.
#ifndef KYPROPS_DRAWING_SOURCE_H
#define KYPROPS_DRAWING_SOURCE_H

#include <memory>
#include <utility>
#include <vector>

#include <QMap>
#include <QString>
#include <QStringList>

#include "DbDatabase.h"
#include "KyDocument.h"

class KyDxfSource;

// One problem the reader read past: the file's line (1-based), what was wrong, what it did, and
// the reader's line for it ("<file>:<line>: <problem>; <action>").
struct KyDrawingRepair
{
  int line = 0;
  QString problem;
  QString action;
  QString text;
};

struct KyDrawing
{
  OdDbDatabasePtr db;
  QString source; // "sample" or the file path
  QString version;
  QString codepage;
  QMap<QString, int> skipped; // kinds the reader did not read -> count
  std::vector<KyDrawingRepair> repairs; // in file order; the reader keeps only the first ones
  int repairCount = 0;                  // all repairs, kept or not
  double loadMs = 0.0;
  // Read with keepSource: the file as read, so that saving loses nothing of it (null otherwise).
  std::shared_ptr<const KyDxfSource> dxfSource;
};

// The drawing as the host's active document while the scope lives (the module's rows ask the
// active document for units and the UCS).
class KyActiveDocument
{
public:
  explicit KyActiveDocument(OdDbDatabase* db)
    : m_document(db), m_previous(CKyDocumentManager::SetActiveDocument(&m_document))
  {
  }
  ~KyActiveDocument() { CKyDocumentManager::SetActiveDocument(m_previous); }
  KyActiveDocument(const KyActiveDocument&) = delete;
  KyActiveDocument& operator=(const KyActiveDocument&) = delete;

private:
  CKyDocument m_document;
  CKyDocument* m_previous;
};

// Reads the file (empty: builds the sample), with keepSource keeping what saving it back needs.
// False with error set when nothing sensible can be read, or in strict mode at the first problem
// the reader would otherwise repair.
bool KyOpenDrawing(const QString& file, bool strict, bool keepSource, KyDrawing& out, QString& error);

// The version names --output-version accepts, release names first (empty without the DXF
// writer), and the $ACADVER value for one of them (empty when unknown).
QStringList KyOutputVersionNames();
QString KyOutputVersion(const QString& name);

// Writes the drawing as DXF to path, "-" for standard output, in version (empty: the version it
// was read in; the newest for the sample). A file is replaced only when complete. False with
// error "<path>: <problem>" when nothing could be written.
bool KySaveDrawing(const KyDrawing& drawing, const QString& path, const QString& version, QString& error);

// What kyprops prints on standard error after reading: "<file>: N repairs", then the first
// `shown` repairs, one a line, and "... and N more" for the rest. Empty without repairs.
QStringList KyRepairLines(const KyDrawing& drawing, int shown);

// Entities of model space, then of paper space, in drawing order.
std::vector<OdDbObjectId> KySpaceEntities(OdDbDatabase* db);

// Entities of every block record counted per kind (the listing's kind names: "LINE", ...), in
// the order each kind is first met.
std::vector<std::pair<QString, int>> KyEntityKinds(OdDbDatabase* db);

// "decimal", "architectural", ... for LUNITS 1..5; "decimal degrees", ... for AUNITS 0..4.
QString KyLinearUnitsName(int mode);
QString KyAngularUnitsName(int mode);

#endif
