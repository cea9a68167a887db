// KyPropsReport: what one kyprops run shows (the drawing, each object's palette, listing and
// edits, the merged palette, the group action, unclaimed messages) and its two renderings: the
// text palette and the JSON document whose keys the README documents.
#ifndef KYPROPS_REPORT_H
#define KYPROPS_REPORT_H

#include <utility>
#include <vector>

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include "KyDrawingSource.h"
#include "KyHostServices.h"
#include "KyMerge.h"
#include "KyPalette.h"

struct KyEditReport
{
  QString handle;
  QString name;  // as given on the command line
  QString value; // the text given
  int result = kPropertySetFailed;
  QStringList messages;
  QString note;
};

struct KyObjectReport
{
  QString handle;
  QString className;
  QString runtimeName;
  bool hasExtension = false;
  std::vector<KyRowView> rows;
  bool listed = false;
  std::vector<KyPropsPrintContext::Item> listing;
  QStringList listingLines;
  std::vector<KyEditReport> edits;
};

struct KyMergeReport
{
  std::vector<std::pair<QString, int>> kinds; // class display name -> count, in selection order
  std::vector<KyMergedRow> rows;
};

struct KyGroupActionReport
{
  QString name;
  int objects = 0;
  CKyVariant result;
  QString text;
  QStringList messages;
  QString error;
};

struct KyDrawingReport
{
  QString source;
  QString version;
  QString codepage;
  int linearUnits = 2;
  int linearPrecision = 4;
  int angularUnits = 0;
  int angularPrecision = 0;
  double ucs[9] = {0, 0, 0, 1, 0, 0, 0, 1, 0}; // origin, X axis, Y axis
  int entities = 0;
  std::vector<std::pair<QString, int>> kinds;
  std::vector<std::pair<QString, int>> skipped;
  std::vector<KyDrawingRepair> repairs; // the ones the reader kept
  int repairCount = 0;                  // all of them
  double loadMs = 0.0;
};

// --output: where the drawing went, in which version, and whether it was written.
struct KyOutputReport
{
  QString path; // empty without --output
  QString version;
  bool written = false;
};

struct KyPropsReport
{
  KyDrawingReport drawing;
  QString modulePath;
  QString moduleVersion;
  bool summaryOnly = false;
  bool merged = false;
  bool listed = false;
  bool edited = false;
  std::vector<KyObjectReport> objects;
  KyMergeReport merge;
  bool hasGroupAction = false;
  KyGroupActionReport groupAction;
  QStringList messages;
  QStringList commandLine;
  KyOutputReport output;
};

QString KyRenderText(const KyPropsReport& report);
QJsonObject KyRenderJson(const KyPropsReport& report);

#endif
