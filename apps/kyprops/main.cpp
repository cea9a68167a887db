// kyprops: the command-line Properties palette. It opens a drawing (a DXF file or the built-in
// sample), loads the property module as a host does, and shows, edits, merges and lists the
// selected objects through the module's extensions, as text or as one JSON document. With
// --output it saves the edited drawing, all or nothing: a refused edit saves none of them.
#include <algorithm>
#include <cstdio>

#include <QCoreApplication>
#include <QJsonDocument>

#include "DbObject.h"
#include "DbViewportTableRecord.h"
#include "KyDatabase.h"
#include "KyDrawingSource.h"
#include "KyHostServices.h"
#include "KyKeyTranslator.h"
#include "KyMerge.h"
#include "KyModuleHost.h"
#include "KyPalette.h"
#include "KyPrintObjectInfoPE.h"
#include "KyPropsOptions.h"
#include "KyPropsReport.h"
#include "KyPropsText.h"
#include "KyValueParser.h"
#include "KyValueText.h"

namespace
{
// Repairs listed on standard error; the rest are counted.
const int kRepairsShown = 10;

void printError(const QString& text)
{
  std::fprintf(stderr, "kyprops: %s\n", text.toLocal8Bit().constData());
}

// A usage error found while matching the command line against the drawing.
struct KyUsageError
{
  QString text;
};

// The drawing's own units and UCS, put back before saving: --units and --ucs choose how values
// are shown and entered, they do not change the drawing.
class KyDrawingScene
{
public:
  void capture(OdDbDatabase* db)
  {
    m_db = db;
    m_units = db->getLUNITS();
    m_precision = db->getLUPREC();
    m_origin = db->getUCSORG();
    m_xAxis = db->getUCSXDIR();
    m_yAxis = db->getUCSYDIR();
    OdDbViewportTableRecordPtr viewport = OdDbViewportTableRecord::cast(db->activeViewportId().openObject().get());
    if (!viewport.isNull())
    {
      viewport->getUcs(m_viewOrigin, m_viewXAxis, m_viewYAxis);
      m_viewUcs = viewport->ucsName();
    }
  }

  void restore(bool units, bool ucs) const
  {
    if (units)
    {
      m_db->setLUNITS(m_units);
      m_db->setLUPREC(m_precision);
    }
    if (!ucs)
      return;
    m_db->setUCSORG(m_origin);
    m_db->setUCSXDIR(m_xAxis);
    m_db->setUCSYDIR(m_yAxis);
    OdDbViewportTableRecordPtr viewport =
      OdDbViewportTableRecord::cast(m_db->activeViewportId().openObject(OdDb::kForWrite).get());
    if (viewport.isNull())
      return;
    if (m_viewUcs.isValid())
      viewport->setUcs(m_viewUcs);
    else
      viewport->setUcs(m_viewOrigin, m_viewXAxis, m_viewYAxis);
  }

private:
  OdDbDatabase* m_db = nullptr;
  OdInt16 m_units = 0;
  OdInt16 m_precision = 0;
  OdGePoint3d m_origin, m_viewOrigin;
  OdGeVector3d m_xAxis, m_yAxis, m_viewXAxis, m_viewYAxis;
  OdDbObjectId m_viewUcs;
};

// One planned call of a setter: the parsed value for one object's row.
struct PlannedEdit
{
  size_t object;
  const CKyPropertyDescription* row;
  CKyVariant value;
};

class KyPropsRun
{
public:
  KyPropsRun(const KyPropsOptions& options, const QString& exeDir)
    : m_options(options), m_exeDir(exeDir), m_services(!options.json)
  {
  }

  int exec();

private:
  int run();
  int save(int code);
  int showPalette(OdDbDatabase* db, const KyKeyTranslator& translator);
  std::vector<OdDbObjectId> resolveSelection(OdDbDatabase* db, const KyPalette& palette) const;
  std::vector<std::vector<PlannedEdit>> planEdits(OdDbDatabase* db, const KyPalette& palette) const;
  const CKyPropertyDescription* sharedRow(const KyPalette& palette, const QString& name, bool& missingSomewhere) const;
  void fillDrawingReport(OdDbDatabase* db);
  void output() const;
  QString outputName() const;
  QString firstRefusal() const;

  const KyPropsOptions& m_options;
  QString m_exeDir;
  KyPropsServices m_services;
  KyDrawing m_drawing;
  KyPropsReport m_report;
  std::vector<KyPaletteObject> m_objects;
  KyDrawingScene m_scene;
  QString m_notSaved; // why --output wrote nothing, when the run itself went on
};

int KyPropsRun::exec()
{
  const int code = run();
  if (!m_options.output.isEmpty() && !m_report.output.written)
  {
    QString text = QStringLiteral("nothing was written to %1").arg(outputName());
    if (!m_notSaved.isEmpty())
      text += QStringLiteral(": ") + m_notSaved;
    printError(text);
  }
  return code;
}

QString KyPropsRun::outputName() const
{
  return m_options.output == QLatin1String("-") ? QStringLiteral("standard output") : m_options.output;
}

// Saves the drawing when --output asks for it and the run so far succeeded; the run's exit code.
int KyPropsRun::save(int code)
{
  if (m_options.output.isEmpty())
    return code;
  KyOutputReport& out = m_report.output;
  out.path = m_options.output;
  out.version = m_options.outputVersion;
  // A drawing read from a file keeps its version; the sample is written in the newest.
  if (out.version.isEmpty())
    out.version = m_drawing.dxfSource ? m_drawing.version : KyOutputVersionNames().last();
  if (code != kExitOk)
    return code;
  QString error;
  try
  {
    m_scene.restore(m_options.unitsMode > 0, m_options.hasUcs);
  }
  catch (const OdError& e)
  {
    printError(
      QStringLiteral("%1: the drawing's own UCS cannot be put back (%2)").arg(m_options.output, KyErrorText(e)));
    return kExitWriteFailed;
  }
  if (!KySaveDrawing(m_drawing, m_options.output, m_drawing.dxfSource ? m_options.outputVersion : out.version, error))
  {
    printError(error);
    return kExitWriteFailed;
  }
  out.written = true;
  return code;
}

int KyPropsRun::run()
{
  QString error;
  if (!KyOpenDrawing(m_options.file, m_options.strict, !m_options.output.isEmpty(), m_drawing, error))
  {
    printError(error);
    return kExitUnreadable;
  }
  // What the reader repaired goes to standard error, so the palette on standard output stays
  // the same; the JSON document carries the repairs itself.
  if (!m_options.json)
  {
    const QStringList repairs = KyRepairLines(m_drawing, kRepairsShown);
    for (int i = 0; i < repairs.size(); ++i)
      if (i == 0)
        printError(repairs[i]);
      else
        std::fprintf(stderr, "%s\n", repairs[i].toLocal8Bit().constData());
  }
  OdDbDatabase* db = m_drawing.db.get();
  KyActiveDocument document(db);
  m_scene.capture(db);
  if (m_options.unitsMode > 0)
  {
    db->setLUNITS(static_cast<OdInt16>(m_options.unitsMode));
    db->setLUPREC(static_cast<OdInt16>(m_options.unitsPrecision));
  }
  try
  {
    if (m_options.hasUcs)
      CKyDatabase(db).SetCurrentUcs(m_options.ucsOrigin, m_options.ucsXAxis, m_options.ucsYAxis);
  }
  catch (const OdError& e)
  {
    printError(QStringLiteral("--ucs: the axes must be non-zero and not parallel (%1)").arg(KyErrorText(e)));
    return kExitUsage;
  }
  fillDrawingReport(db);
  if (m_options.summary)
  {
    m_report.summaryOnly = true;
    const int code = save(kExitOk);
    output();
    return code;
  }

  // The translator is in place before the module builds (and translates) its lists.
  KyKeyTranslator translator;
  if (!m_options.rawKeys && !translator.loadCatalogue(m_exeDir + QStringLiteral("/translations")))
    printError(QStringLiteral("the English catalogue %1/translations/kyprops_en.qm is missing; showing keys")
                 .arg(m_exeDir));
  QCoreApplication::installTranslator(&translator);

  int code = kExitOk;
  KyModuleHost module;
  if (!module.load(m_exeDir, error))
  {
    printError(error);
    code = kExitHostFailure;
  }
  else
  {
    try
    {
      module.start();
      m_report.modulePath = module.path();
      m_report.moduleVersion = module.apiVersion();
      code = showPalette(db, translator);
    }
    catch (const KyUsageError& e)
    {
      printError(e.text);
      code = kExitUsage;
    }
    catch (const OdError& e)
    {
      printError(QStringLiteral("unexpected error: %1").arg(KyErrorText(e)));
      code = kExitHostFailure;
    }
    // Rows made per object belong to the containers: they go before the module does.
    m_objects.clear();
    m_report.objects.clear();
    m_report.merge.rows.clear();
    module.unload();
  }
  QCoreApplication::removeTranslator(&translator);
  return code;
}

void KyPropsRun::fillDrawingReport(OdDbDatabase* db)
{
  KyDrawingReport& d = m_report.drawing;
  CKyDatabase host(db);
  d.source = m_drawing.source;
  d.version = m_drawing.version;
  d.codepage = m_drawing.codepage;
  d.linearUnits = host.GetLinearUnitMode();
  d.linearPrecision = host.GetLinearPrecision();
  d.angularUnits = host.GetAngularUnitMode();
  d.angularPrecision = host.GetAngularPrecision();
  const OdGePoint3d o = db->getUCSORG();
  const OdGeVector3d x = db->getUCSXDIR();
  const OdGeVector3d y = db->getUCSYDIR();
  const double ucs[9] = {o.x, o.y, o.z, x.x, x.y, x.z, y.x, y.y, y.z};
  std::copy(ucs, ucs + 9, d.ucs);
  d.kinds = KyEntityKinds(db);
  for (const auto& kind : d.kinds)
    d.entities += kind.second;
  for (auto it = m_drawing.skipped.begin(); it != m_drawing.skipped.end(); ++it)
    d.skipped.emplace_back(it.key(), it.value());
  d.repairs = m_drawing.repairs;
  d.repairCount = m_drawing.repairCount;
  d.loadMs = m_drawing.loadMs;
}

std::vector<OdDbObjectId> KyPropsRun::resolveSelection(OdDbDatabase* db, const KyPalette& palette) const
{
  const std::vector<OdDbObjectId> entities = KySpaceEntities(db);
  if (m_options.select.isEmpty())
    return entities;

  // Display names of the entities' kinds, for selection by kind.
  std::vector<QStringList> kindNames;
  for (const OdDbObjectId& id : entities)
  {
    QStringList names;
    OdDbObjectPtr object = id.openObject(OdDb::kForRead);
    if (!object.isNull())
    {
      names.append(KyQString(object->isA()->name()));
      if (CKyPropertyBase* extension = KyPalette::extensionOf(object.get()))
      {
        const QString shown = extension->GetClassName(object.get()).toQString();
        names.append(shown);
        names.append(palette.kindKeyOf(shown));
      }
    }
    kindNames.push_back(names);
  }

  std::vector<OdDbObjectId> out;
  auto append = [&out](const OdDbObjectId& id) {
    if (std::find(out.begin(), out.end(), id) == out.end())
      out.push_back(id);
  };
  for (const QString& token : m_options.select)
  {
    bool matched = false;
    for (size_t i = 0; i < entities.size(); ++i)
      if (kindNames[i].contains(token, Qt::CaseInsensitive))
      {
        append(entities[i]);
        matched = true;
      }
    if (matched)
      continue;
    OdDbObjectId byHandle;
    try
    {
      byHandle = db->getOdDbObjectId(OdDbHandle(OdString(token.toStdWString().c_str())));
    }
    catch (const OdError&)
    {
      // Not hexadecimal: not a handle.
    }
    if (!byHandle.isValid())
      throw KyUsageError{QStringLiteral("--select: no object has the handle or kind \"%1\"").arg(token)};
    if (byHandle.isErased())
      throw KyUsageError{QStringLiteral("--select: the object with handle %1 is erased").arg(token)};
    append(byHandle);
  }
  return out;
}

// The row named `name` on the selection: with --merge it must be common to all objects.
const CKyPropertyDescription* KyPropsRun::sharedRow(const KyPalette& palette, const QString& name,
                                                    bool& missingSomewhere) const
{
  const CKyPropertyDescription* first = nullptr;
  missingSomewhere = false;
  for (const KyPaletteObject& object : m_objects)
  {
    const CKyPropertyDescription* row = palette.findRow(object, name);
    if (!row)
      missingSomewhere = true;
    else if (!first)
      first = row;
  }
  return first;
}

std::vector<std::vector<PlannedEdit>> KyPropsRun::planEdits(OdDbDatabase* db, const KyPalette& palette) const
{
  const KyValueParser parser(db);
  std::vector<std::vector<PlannedEdit>> plan;
  for (const KyPropsEdit& edit : m_options.edits)
  {
    bool missingSomewhere = false;
    if (!sharedRow(palette, edit.name, missingSomewhere))
    {
      QStringList names;
      if (!m_objects.empty())
        for (const CKyPropertyDescription* row : m_objects.front().rows)
          names.append(row->GetName().toQString());
      throw KyUsageError{QStringLiteral("--set: no selected object has a row named \"%1\" (rows of the first: %2)")
                           .arg(edit.name, names.join(QStringLiteral(", ")))};
    }
    if (m_options.merge && missingSomewhere)
      throw KyUsageError{
        QStringLiteral("--set: the row \"%1\" is not common to all selected objects").arg(edit.name)};
    std::vector<PlannedEdit> calls;
    for (size_t i = 0; i < m_objects.size(); ++i)
    {
      const CKyPropertyDescription* row = palette.findRow(m_objects[i], edit.name);
      if (!row)
        continue;
      CKyVariant value;
      QString error;
      if (!parser.parse(edit.value, row->GetType(), palette.currentValue(m_objects[i], row), value, error))
        throw KyUsageError{QStringLiteral("--set \"%1=%2\": %3").arg(edit.name, edit.value, error)};
      calls.push_back({i, row, value});
    }
    plan.push_back(calls);
  }
  return plan;
}

int KyPropsRun::showPalette(OdDbDatabase* db, const KyKeyTranslator& translator)
{
  const CKyVariant context = m_options.hasIndex ? CKyVariant(m_options.index) : CKyVariant();
  const KyPalette palette(db, translator, m_services, context);
  const KyValueText texts(db);

  for (const OdDbObjectId& id : resolveSelection(db, palette))
    m_objects.push_back(palette.gather(id));
  const std::vector<std::vector<PlannedEdit>> plan = planEdits(db, palette);

  const CKyPropertyDescription* groupRow = nullptr;
  CKyVariant groupValue;
  if (!m_options.groupAction.isEmpty())
  {
    bool missingSomewhere = false;
    groupRow = sharedRow(palette, m_options.groupAction, missingSomewhere);
    if (!groupRow)
      throw KyUsageError{QStringLiteral("--group-action: no selected object has a row named \"%1\"")
                           .arg(m_options.groupAction)};
    if (!groupRow->IsGroupedAction())
      throw KyUsageError{QStringLiteral("--group-action: the row \"%1\" has no group action")
                           .arg(m_options.groupAction)};
    if (m_options.hasGroupValue)
    {
      QString error;
      const KyValueParser parser(db);
      CKyVariant current;
      for (const KyPaletteObject& object : m_objects)
        if (palette.findRow(object, m_options.groupAction) == groupRow)
        {
          current = palette.currentValue(object, groupRow);
          break;
        }
      if (!parser.parse(m_options.groupValue, groupRow->GetType(), current, groupValue, error))
        throw KyUsageError{QStringLiteral("--group-action \"%1=%2\": %3")
                             .arg(m_options.groupAction, m_options.groupValue, error)};
    }
  }

  // Edits, in the order given, each on every selected object that has the row.
  m_report.objects.resize(m_objects.size());
  bool refused = false;
  for (size_t e = 0; e < plan.size(); ++e)
    for (const PlannedEdit& call : plan[e])
    {
      const KyEditOutcome outcome = palette.edit(m_objects[call.object], call.row, call.value);
      m_report.objects[call.object].edits.push_back({m_objects[call.object].handle, m_options.edits[e].name,
                                                     m_options.edits[e].value, outcome.result, outcome.messages,
                                                     outcome.note});
      refused = refused || outcome.result != kPropertySetOk;
    }
  m_report.edited = !plan.empty();

  if (groupRow)
  {
    OdArray<OdDbObjectId> ids;
    for (const KyPaletteObject& object : m_objects)
      ids.push_back(object.id);
    KyGroupActionReport& g = m_report.groupAction;
    g.name = m_options.groupAction;
    g.objects = static_cast<int>(ids.size());
    g.result = palette.groupAction(groupRow, ids, groupValue, g.messages, g.error);
    g.text = texts.text(g.result, groupRow->GetType(), palette.keyOf(groupRow));
    m_report.hasGroupAction = true;
  }

  // The rows as they are after the edits, and the listings.
  KyPropsPrintContext listing(db);
  CKyDatabase host(db);
  // The report is in the current UCS whenever the drawing has one other than the world.
  const OdGeMatrix3d worldToUcs = host.GetWorldToUCS();
  const bool ucs = !worldToUcs.isEqualTo(OdGeMatrix3d::kIdentity);
  listing.SetPrintInUCS(ucs);
  if (ucs)
    listing.SetWorldToWorkingPlane(worldToUcs);
  std::vector<std::vector<KyRowView>> perObject;
  for (size_t i = 0; i < m_objects.size(); ++i)
  {
    KyPaletteObject& object = m_objects[i];
    palette.regather(object);
    KyObjectReport& r = m_report.objects[i];
    r.handle = object.handle;
    r.className = object.className;
    r.runtimeName = object.runtimeName;
    r.hasExtension = object.hasExtension;
    r.rows = palette.read(object);
    if (m_options.merge)
      perObject.push_back(r.rows);
    if (m_options.list)
    {
      listing.clearItems();
      OdDbObjectPtr open = object.id.openObject(OdDb::kForRead);
      r.listed = true;
      if (!CKyPrintObjectInfoPE::PrintInfo(open.get(), &listing))
        listing.PrintString(CKyString(QStringLiteral("(no listing for %1)").arg(object.runtimeName)));
      r.listing = listing.items();
      r.listingLines = listing.lines();
    }
  }
  m_report.listed = m_options.list;

  if (m_options.merge)
  {
    m_report.merged = true;
    m_report.merge.rows = KyMergeRows(perObject, texts);
    for (const KyPaletteObject& object : m_objects)
    {
      auto& kinds = m_report.merge.kinds;
      auto found = std::find_if(kinds.begin(), kinds.end(),
                                [&](const std::pair<QString, int>& k) { return k.first == object.className; });
      if (found == kinds.end())
        kinds.emplace_back(object.className, 1);
      else
        ++found->second;
    }
  }

  m_report.messages = m_services.messages();
  m_report.commandLine = m_services.commandLine();
  int code = refused ? kExitRefused : kExitOk;
  if (refused)
    m_notSaved = QStringLiteral("%1 refused").arg(firstRefusal());
  else if (groupRow && !m_report.groupAction.error.isEmpty() && !m_options.output.isEmpty())
  {
    // Like a refused edit, a failed group action saves nothing.
    m_notSaved = QStringLiteral("the group action \"%1\" failed").arg(m_options.groupAction);
    code = kExitRefused;
  }
  code = save(code);
  output();
  return code;
}

// "the edit Layer=Site|Walls on [100] was" for the first edit a setter or the palette refused.
QString KyPropsRun::firstRefusal() const
{
  for (const KyObjectReport& object : m_report.objects)
    for (const KyEditReport& edit : object.edits)
      if (edit.result != kPropertySetOk)
        return QStringLiteral("the edit %1=%2 on [%3] was").arg(edit.name, edit.value, edit.handle);
  return QStringLiteral("an edit was");
}

void KyPropsRun::output() const
{
  // With --output - standard output carries the drawing alone.
  if (m_options.output == QLatin1String("-"))
    return;
  if (m_options.json)
  {
    const QByteArray text = QJsonDocument(KyRenderJson(m_report)).toJson(QJsonDocument::Indented);
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
  }
  else
  {
    const QByteArray text = KyRenderText(m_report).toUtf8();
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
  }
  std::fflush(stdout);
}
} // namespace

int main(int argc, char** argv)
{
  QCoreApplication app(argc, argv);
  KyPropsOptions options;
  QString text;
  switch (KyParseOptions(app.arguments().mid(1), options, text))
  {
  case KyPropsParse::kHelp:
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return kExitOk;
  case KyPropsParse::kError:
    printError(text);
    std::fputs("Try 'kyprops --help'.\n", stderr);
    return kExitUsage;
  case KyPropsParse::kRun:
    break;
  }
  KyPropsRun run(options, QCoreApplication::applicationDirPath());
  return run.exec();
}
