// libFuzzer target: arbitrary bytes go to the DXF reader; when it reads them, every model- and
// paper-space entity the property module has an extension for goes through the palette as
// kyprops shows it (rows, values as text, read-only states), gets the value each row shows
// written back through its setter, and is listed. Objects read from a file may hold what no setter
// would write; none of it may crash, trip a sanitizer or leak, a refused write must leave the
// object as it was and an accepted one must add no NaN or infinity. OdError raised by a getter or
// the listing is the palette's to show and is no failure here. The drawing is then written back
// and read again: the second read must give every entity the state the first left it in.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>

#include <QByteArray>
#include <QString>

#include "DbDatabase.h"
#include "DbSymbolTableRecord.h"
#include "KyDrawingSource.h"
#include "DxfSource.h"
#include "KyDxfReader.h"
#include "KyDxfWriter.h"
#include "KyObjectSnapshot.h"
#include "KyFuzzPalette.h"
#include "KyPrintObjectInfoPE.h"

namespace
{
void showObject(const KyPalette& palette, OdDbDatabase* db, const OdDbObjectId& id)
{
  KyPaletteObject object;
  try
  {
    object = palette.gather(id);
  }
  catch (const OdError&)
  {
    return;
  }
  if (!object.hasExtension)
    return;
  palette.read(object);
  for (const CKyPropertyDescription* row : object.rows)
  {
    CKyVariant shown;
    try
    {
      shown = palette.currentValue(object, row);
    }
    catch (const OdError&)
    {
      continue;
    }
    KyFuzzCheckedEdit(palette, object, row, shown);
  }
  try
  {
    palette.regather(object);
    palette.read(object);
    OdDbObjectPtr opened = id.openObject(OdDb::kForRead);
    KyPropsPrintContext listing(db);
    CKyPrintObjectInfoPE::PrintInfo(opened.get(), &listing);
  }
  catch (const OdError&)
  {
  }
}
OdString ownerName(const OdDbObject* pObj)
{
  OdDbSymbolTableRecordPtr pOwner = OdDbSymbolTableRecord::cast(pObj->ownerId().openObject().get());
  return pOwner.isNull() ? OdString() : pOwner->getName();
}

// The name of the record a reference tag names, or the tag's own text for anything else.
OdString referenceName(OdDbDatabase* db, const OdString& handleText)
{
  const OdDbObjectId id = db->getOdDbObjectId(OdDbHandle(handleText.c_str()));
  OdDbSymbolTableRecordPtr pRecord = OdDbSymbolTableRecord::cast(id.openObject().get());
  return pRecord.isNull() ? handleText : pRecord->getName();
}

bool isReference(int code)
{
  return code == 7 || (code >= 330 && code <= 369) || code == 390;
}

// Equal tag for tag; numbers may differ in their last bits (angles go out in degrees). References
// to objects the reader made, and without handles (R12) every reference, are compared by the
// names of the records they name, and in R12 the owner by its block's name: such a file refers by
// name and has no place for a record's handle.
// The handles of the file's objects: an object the reader made (a record for a name the file uses,
// a database default) takes a handle in the order the read needs it, which is no data of the file.
struct FileHandles
{
  std::set<OdUInt64> handles;
  bool fromFile(const OdString& handleText) const { return handles.count(OdDbHandle(handleText.c_str()).value()) != 0; }
};

bool sameState(OdDbDatabase* dbA, const OdDbObject* pA, const OdDbDxfTagList& a, OdDbDatabase* dbB,
               const OdDbObject* pB, const OdDbDxfTagList& b, bool handles, const FileHandles& file)
{
  if (a.size() != b.size())
    return false;
  if (!handles && ownerName(pA) != ownerName(pB))
    return false;
  for (int i = 0; i < a.size(); ++i)
  {
    if (a.code(i) != b.code(i))
      return false;
    if (a.value(i) == b.value(i) || (!handles && (a.code(i) == 5 || a.code(i) == 330)))
      continue;
    if (isReference(a.code(i)) && (!handles || !file.fromFile(a.value(i))))
    {
      if (referenceName(dbA, a.value(i)) != referenceName(dbB, b.value(i)))
        return false;
      continue;
    }
    const std::wstring& x = a.value(i).wstr();
    const std::wstring& y = b.value(i).wstr();
    wchar_t* endX = nullptr;
    wchar_t* endY = nullptr;
    const double u = std::wcstod(x.c_str(), &endX);
    const double v = std::wcstod(y.c_str(), &endY);
    if (*endX != 0 || *endY != 0 || endX == x.c_str() || endY == y.c_str() ||
        std::fabs(u - v) > 1e-12 * std::max(1.0, std::max(std::fabs(u), std::fabs(v))))
      return false;
  }
  return true;
}

void checkWriteBack(OdDbDatabase* db, const KyDxfReader::Report& report)
{
  QByteArray written;
  QString error;
  KyDxfWriter::Options options;
  // Every object is compared with its state at the read: a change the writer was not told of is a finding.
  options.checkUntracked = true;
  // A drawing the writer refuses (a value the version cannot carry) writes nothing: no finding.
  if (!KyDxfWriter::write(db, report.source.get(), written, error, options))
  {
    if (error.contains(QLatin1String("without being opened for a change")))
    {
      std::fprintf(stderr, "fuzz: %s\n", qPrintable(error));
      std::abort();
    }
    return;
  }
  OdDbDatabasePtr again = OdDbDatabase::createObject();
  KyDxfReader::Report secondReport;
  if (!KyDxfReader::readFromBytes(written, QStringLiteral("written.dxf"), again, secondReport, error))
  {
    std::fprintf(stderr, "fuzz: the written drawing does not read: %s\n", qPrintable(error));
    std::abort();
  }
  // An R12 file may have no handles: the reader hands them out, so there entities pair up by their
  // order in the spaces, which the writer keeps.
  const bool handles = report.version != QLatin1String("AC1009");
  FileHandles file;
  for (const KyDxfSource::Object& o : report.source->objects)
    file.handles.insert(o.id.getHandle().value());
  std::map<OdUInt64, OdDbObjectId> second;
  OdUInt64 order = 0;
  for (const OdDbObjectId& id : KySpaceEntities(again.get()))
    second[handles ? id.getHandle().value() : order++] = id;
  order = 0;
  for (const OdDbObjectId& id : KySpaceEntities(db))
  {
    auto it = second.find(handles ? id.getHandle().value() : order++);
    if (it == second.end())
    {
      std::fprintf(stderr, "fuzz: entity %s is missing after writing and reading again\n",
                   id.getHandle().ascii().toUtf8().c_str());
      std::abort();
    }
    OdDbObjectPtr first = id.openObject();
    OdDbObjectPtr reread = it->second.openObject();
    const KyObjectSnapshot a(first.get()), b(reread.get());
    if (!sameState(db, first.get(), a, again.get(), reread.get(), b, handles, file))
    {
      std::fprintf(stderr, "fuzz: entity %s reads back otherwise:\n%s\n---\n%s\n",
                   id.getHandle().ascii().toUtf8().c_str(), a.toString().c_str(), b.toString().c_str());
      std::abort();
    }
  }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  KyFuzzHost& host = KyFuzzHost::get();
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<int>(size));
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  QString error;
  KyDxfReader::Options options;
  options.keepSource = true;
  if (!KyDxfReader::readFromBytes(bytes, QStringLiteral("fuzz.dxf"), db, report, error, options))
    return 0;
  const KyActiveDocument document(db.get());
  const KyPalette palette(db.get(), host.translator, host.services, CKyVariant());
  for (const OdDbObjectId& id : KySpaceEntities(db.get()))
    showObject(palette, db.get(), id);
  checkWriteBack(db.get(), report);
  return 0;
}
