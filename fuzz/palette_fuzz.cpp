// libFuzzer target: arbitrary bytes go to the DXF reader; when it reads them, every entity of the
// model and paper space that the property module has an extension for goes through the palette as kyprops shows it (rows,
// values as text, read-only states), gets the value each row shows written back through its
// setter, and is listed. Objects read from a file may hold what no setter would write; none of it
// may crash, trip a sanitizer or leak. OdError raised by a getter, a setter or the listing is the
// palette's to show and is no failure here.
#include <cstdint>
#include <cstdlib>

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include "DbDatabase.h"
#include "KyDocument.h"
#include "KyDrawingSource.h"
#include "KyDxfReader.h"
#include "KyHostServices.h"
#include "KyKeyTranslator.h"
#include "KyPalette.h"
#include "KyPrintObjectInfoPE.h"
#include "RxModule.h"

extern "C" OdRxModule* odrxCreateModuleObject(void* hModule, const wchar_t* szModuleName);

namespace
{
// The module and the palette's services, set up once for the whole run as a host does.
struct Host
{
  Host()
  {
    QCoreApplication::installTranslator(&translator);
    module = odrxCreateModuleObject(nullptr, L"KYProperties");
    module->initApp();
  }

  KyKeyTranslator translator;
  KyPropsServices services{false};
  OdRxModule* module = nullptr;
};

Host& host()
{
  static Host* h = new Host; // lives until the process ends, as a loaded module does
  return *h;
}

void showObject(const KyPalette& palette, OdDbDatabase* db, const OdDbObjectId& id)
{
  try
  {
    KyPaletteObject object = palette.gather(id);
    if (!object.hasExtension)
      return;
    palette.read(object);
    for (const CKyPropertyDescription* row : object.rows)
    {
      host().services.beginCapture();
      palette.edit(object, row, palette.currentValue(object, row));
      host().services.endCapture();
    }
    palette.regather(object);
    palette.read(object);
    OdDbObjectPtr opened = id.openObject(OdDb::kForRead);
    KyPropsPrintContext listing(db);
    CKyPrintObjectInfoPE::PrintInfo(opened.get(), &listing);
  }
  catch (const OdError&)
  {
    host().services.endCapture();
  }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  Host& h = host();
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<int>(size));
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  KyDxfReader::Report report;
  QString error;
  if (!KyDxfReader::readFromBytes(bytes, QStringLiteral("fuzz.dxf"), db, report, error))
    return 0;
  CKyDocument document(db.get());
  CKyDocument* previous = CKyDocumentManager::SetActiveDocument(&document);
  {
    const KyPalette palette(db.get(), h.translator, h.services, CKyVariant());
    for (const OdDbObjectId& id : KySpaceEntities(db.get()))
      showObject(palette, db.get(), id);
  }
  CKyDocumentManager::SetActiveDocument(previous);
  return 0;
}
