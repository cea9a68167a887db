// libFuzzer target: arbitrary bytes go to the DXF reader; when it reads them, every model- and
// paper-space entity the property module has an extension for goes through the palette as
// kyprops shows it (rows, values as text, read-only states), gets the value each row shows
// written back through its setter, and is listed. Objects read from a file may hold what no setter
// would write; none of it may crash, trip a sanitizer or leak, a refused write must leave the
// object as it was and an accepted one must add no NaN or infinity. OdError raised by a getter or
// the listing is the palette's to show and is no failure here.
#include <cstdint>

#include <QByteArray>
#include <QString>

#include "DbDatabase.h"
#include "KyDrawingSource.h"
#include "KyDxfReader.h"
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
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  KyFuzzHost& host = KyFuzzHost::get();
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<int>(size));
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  QString error;
  if (!KyDxfReader::readFromBytes(bytes, QStringLiteral("fuzz.dxf"), db, report, error))
    return 0;
  const KyActiveDocument document(db.get());
  const KyPalette palette(db.get(), host.translator, host.services, CKyVariant());
  for (const OdDbObjectId& id : KySpaceEntities(db.get()))
    showObject(palette, db.get(), id);
  return 0;
}
