// libFuzzer target: arbitrary bytes go to the DXF reader; when it reads them, every entity of the
// model and paper space that the property module has an extension for goes through the palette as kyprops shows it (rows,
// values as text, read-only states), gets the value each row shows written back through its
// setter, and is listed. Objects read from a file may hold what no setter would write; none of it
// may crash, trip a sanitizer or leak, a refused write must leave the object as it was and an
// accepted one must add no NaN or infinity. OdError raised by a getter or the listing is the
// palette's to show and is no failure here.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include "DbDatabase.h"
#include "DbFiler.h"
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
    static int argc = 1;
    static char name[] = "palette_fuzz";
    static char* argv[] = {name, nullptr};
    application = new QCoreApplication(argc, argv);
    QCoreApplication::installTranslator(&translator);
    module = odrxCreateModuleObject(nullptr, L"KYProperties");
    module->initApp();
  }

  QCoreApplication* application = nullptr;
  KyKeyTranslator translator;
  KyPropsServices services{false};
  OdRxModule* module = nullptr;
};

Host& host()
{
  static Host* h = new Host; // lives until the process ends, as a loaded module does
  return *h;
}

// The object's DXF-visible state, with a count of the non-finite numbers in it.
class State : public OdDbDxfTagList
{
public:
  explicit State(const OdDbObjectId& id)
  {
    OdDbObjectPtr object = id.openObject(OdDb::kForRead);
    if (!object.isNull())
      object->dxfOut(this);
  }
  void wrDouble(int groupCode, double value) override
  {
    nonFinite += !std::isfinite(value);
    OdDbDxfTagList::wrDouble(groupCode, value);
  }
  int nonFinite = 0;
};

[[noreturn]] void fail(const KyPaletteObject& object, const CKyPropertyDescription* row, const char* what)
{
  std::fprintf(stderr, "palette_fuzz: %s [%s], row \"%s\": %s\n", qPrintable(object.runtimeName),
               qPrintable(object.handle), qPrintable(row->GetName().toQString()), what);
  std::abort();
}

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
  // Each row gets the value it shows written back: a refusal (or an SDK error the palette
  // catches) leaves the object as it was; an accepted value adds no NaN or infinity.
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
    const State before(id);
    const KyEditOutcome outcome = palette.edit(object, row, shown);
    const State after(id);
    if (outcome.result != kPropertySetOk && after != before)
      fail(object, row, "the edit was refused but changed the object");
    if (outcome.result == kPropertySetOk && after.nonFinite > before.nonFinite)
      fail(object, row, "the edit was accepted and stored a non-finite number");
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
