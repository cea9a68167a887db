// Opening, describing and saving the drawing.
#include "KyDrawingSource.h"

#include <algorithm>
#include <cstdio>

#include <QElapsedTimer>
#include <QFileInfo>

#include "DbBlockTableRecord.h"
#include "DbSymbolTable.h"
#include "KyPropsText.h"
#include "SampleDrawing.h"
#ifdef KYPROPS_HAVE_DXF
#include "KyDxfReader.h"
#include "KyDxfWriter.h"
#endif

namespace
{
// The name the listing uses for a kind: the DXF name, else the class name without "OdDb".
QString kindName(const OdRxClass* cls)
{
  const QString dxf = KyQString(cls->dxfName());
  if (!dxf.isEmpty())
    return dxf;
  QString name = KyQString(cls->name());
  if (name.startsWith(QLatin1String("OdDb")))
    name.remove(0, 4);
  return name.toUpper();
}

bool readFile(const QString& file, bool strict, bool keepSource, KyDrawing& out, QString& error)
{
#ifdef KYPROPS_HAVE_DXF
  KyDxfReader::Report report;
  KyDxfReader::Options options;
  options.strict = strict;
  options.keepSource = keepSource;
  if (!KyDxfReader::read(file, out.db.get(), report, error, options))
    return false;
  out.skipped = report.skipped;
  out.version = report.version;
  out.codepage = report.codepage;
  for (const KyDxfReader::Repair& repair : report.repairs)
    out.repairs.push_back(
      {repair.line, repair.problem, repair.action, KyDxfReader::Report::repairText(file, repair)});
  out.repairCount = report.repairCount;
  out.dxfSource = report.source;
  return true;
#else
  Q_UNUSED(strict);
  Q_UNUSED(keepSource);
  error = QStringLiteral("%1: DXF import not available in this build").arg(file);
  return false;
#endif
}
} // namespace

bool KyOpenDrawing(const QString& file, bool strict, bool keepSource, KyDrawing& out, QString& error)
{
  QElapsedTimer timer;
  timer.start();
  out.db = OdDbDatabase::createObject();
  if (file.isEmpty())
  {
    out.source = QStringLiteral("sample");
    KyBuildSampleDrawing(out.db.get());
  }
  else
  {
    out.source = file;
    if (!QFileInfo(file).isFile())
    {
      error = QStringLiteral("%1: no such file").arg(file);
      return false;
    }
    try
    {
      if (!readFile(file, strict, keepSource, out, error))
        return false;
    }
    catch (const OdError& e)
    {
      error = QStringLiteral("%1: %2").arg(file, KyErrorText(e));
      return false;
    }
  }
  out.loadMs = timer.nsecsElapsed() / 1e6;
  return true;
}

QStringList KyOutputVersionNames()
{
  QStringList names;
#ifdef KYPROPS_HAVE_DXF
  // The writer takes release names too but lists only $ACADVER values.
  for (const char* release : {"R2000", "R2004", "R2007", "R2010", "R2013", "R2018"})
    if (!KyDxfWriter::versionFromName(QLatin1String(release)).isEmpty())
      names << QLatin1String(release);
  names << KyDxfWriter::versions();
#endif
  return names;
}

QString KyOutputVersion(const QString& name)
{
#ifdef KYPROPS_HAVE_DXF
  return KyDxfWriter::versionFromName(name);
#else
  Q_UNUSED(name);
  return QString();
#endif
}

bool KySaveDrawing(const KyDrawing& drawing, const QString& path, const QString& version, QString& error)
{
#ifdef KYPROPS_HAVE_DXF
  KyDxfWriter::Options options;
  options.version = version;
  if (path != QLatin1String("-"))
    return KyDxfWriter::writeFile(drawing.db.get(), drawing.dxfSource.get(), path, error, options);
  QByteArray text;
  if (!KyDxfWriter::write(drawing.db.get(), drawing.dxfSource.get(), text, error, options))
  {
    error = QStringLiteral("standard output: %1").arg(error);
    return false;
  }
  if (std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout) != static_cast<size_t>(text.size()) ||
      std::fflush(stdout) != 0)
  {
    error = QStringLiteral("standard output: cannot be written");
    return false;
  }
  return true;
#else
  Q_UNUSED(drawing);
  Q_UNUSED(version);
  error = QStringLiteral("%1: DXF export not available in this build").arg(path);
  return false;
#endif
}

QStringList KyRepairLines(const KyDrawing& drawing, int shown)
{
  QStringList out;
  // The reader may keep fewer repairs than it counts; the count is what the file had.
  const int count = drawing.repairCount;
  if (count == 0)
    return out;
  out.append(QStringLiteral("%1: %2 %3")
               .arg(drawing.source)
               .arg(count)
               .arg(count == 1 ? QLatin1String("repair") : QLatin1String("repairs")));
  const int listed = std::min(shown, static_cast<int>(drawing.repairs.size()));
  for (int i = 0; i < listed; ++i)
    out.append(QStringLiteral("  ") + drawing.repairs[static_cast<size_t>(i)].text);
  if (count > listed)
    out.append(QStringLiteral("  ... and %1 more").arg(count - listed));
  return out;
}

std::vector<OdDbObjectId> KySpaceEntities(OdDbDatabase* db)
{
  std::vector<OdDbObjectId> out;
  for (const OdDbObjectId& spaceId : {db->getModelSpaceId(), db->getPaperSpaceId()})
  {
    OdDbBlockTableRecordPtr space = OdDbBlockTableRecord::cast(spaceId.openObject(OdDb::kForRead).get());
    if (space.isNull())
      continue;
    const OdDbObjectIdArray ids = space->entityIds();
    for (unsigned i = 0; i < ids.size(); ++i)
      out.push_back(ids[i]);
  }
  return out;
}

std::vector<std::pair<QString, int>> KyEntityKinds(OdDbDatabase* db)
{
  std::vector<std::pair<QString, int>> out;
  OdDbSymbolTablePtr blocks = OdDbSymbolTable::cast(db->getBlockTableId().openObject(OdDb::kForRead).get());
  if (blocks.isNull())
    return out;
  for (OdDbSymbolTableIteratorPtr it = blocks->newIterator(); !it->done(); it->step())
  {
    OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(it->getRecord().get());
    if (block.isNull())
      continue;
    const OdDbObjectIdArray ids = block->entityIds();
    for (unsigned i = 0; i < ids.size(); ++i)
    {
      const OdRxClass* cls = ids[i].objectClass();
      if (!cls)
        continue;
      const QString kind = kindName(cls);
      auto found = std::find_if(out.begin(), out.end(), [&](const std::pair<QString, int>& k) { return k.first == kind; });
      if (found == out.end())
        out.emplace_back(kind, 1);
      else
        ++found->second;
    }
  }
  return out;
}

QString KyLinearUnitsName(int mode)
{
  static const char* const names[] = {"scientific", "decimal", "engineering", "architectural", "fractional"};
  return mode >= 1 && mode <= 5 ? QString::fromLatin1(names[mode - 1]) : QStringLiteral("unknown");
}

QString KyAngularUnitsName(int mode)
{
  static const char* const names[] = {"decimal degrees", "degrees/minutes/seconds", "grads", "radians",
                                      "surveyor's units"};
  return mode >= 0 && mode <= 4 ? QString::fromLatin1(names[mode]) : QStringLiteral("unknown");
}
