// Command-line options of kyprops: what to open, which objects to show, the scene (UCS, units),
// the edits, the output form and where the edited drawing is saved. Parsing checks the syntax of
// every option; names of rows and objects are checked later against the drawing.
#ifndef KYPROPS_OPTIONS_H
#define KYPROPS_OPTIONS_H

#include <vector>

#include <QString>
#include <QStringList>

#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"

// Exit codes of the program.
enum KyPropsExitCode
{
  kExitOk = 0,
  kExitUsage = 1,      // bad option, unknown object or row, a value that does not parse
  kExitUnreadable = 2, // nothing sensible can be read from the file (--strict: its first problem)
  kExitWriteFailed = 2, // --output: the drawing could not be written (an old file stays as it was)
  kExitRefused = 3,    // an edit was refused
  kExitHostFailure = 4 // the module could not be loaded or failed unexpectedly
};

struct KyPropsEdit
{
  QString name;  // display name or key of the row
  QString value; // text, converted to the row's value type per object
};

struct KyPropsOptions
{
  QString file; // empty: the built-in sample drawing
  bool strict = false; // the first problem in the file ends the read instead of being repaired
  QStringList select; // handles or class display names; empty: every entity
  bool hasUcs = false;
  OdGePoint3d ucsOrigin;
  OdGeVector3d ucsXAxis;
  OdGeVector3d ucsYAxis;
  int unitsMode = -1; // -1: the drawing's own
  int unitsPrecision = -1;
  std::vector<KyPropsEdit> edits;
  bool hasIndex = false;
  int index = 0;
  QString groupAction;
  bool hasGroupValue = false;
  QString groupValue;
  bool summary = false;
  bool list = false;
  bool merge = false;
  bool rawKeys = false;
  bool json = false;
  QString output;        // --output: the file the drawing is saved to, "-" for standard output
  QString outputVersion; // $ACADVER of the saved drawing; empty: the version it was read in
};

enum class KyPropsParse
{
  kRun,
  kHelp,
  kError
};

// Parses the arguments (without the program name). kHelp fills text with the usage text,
// kError fills it with the message.
KyPropsParse KyParseOptions(const QStringList& arguments, KyPropsOptions& options, QString& text);

// The usage text of --help.
QString KyUsageText();

#endif
