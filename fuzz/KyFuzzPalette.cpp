// Shared set-up and checks of the palette fuzz targets.
#include "KyFuzzPalette.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <QCoreApplication>

#include "DbFiler.h"
#include "DbObject.h"
#include "RxModule.h"

extern "C" OdRxModule* odrxCreateModuleObject(void* hModule, const wchar_t* szModuleName);

KyFuzzHost::KyFuzzHost()
{
  static int argc = 1;
  static char name[] = "kyprops_fuzz";
  static char* argv[] = {name, nullptr};
  new QCoreApplication(argc, argv); // the instance is reachable through QCoreApplication::instance()
  QCoreApplication::installTranslator(&translator);
  m_module = odrxCreateModuleObject(nullptr, L"KYProperties");
  m_module->initApp();
}

KyFuzzHost& KyFuzzHost::get()
{
  static KyFuzzHost* host = new KyFuzzHost;
  return *host;
}

KyFuzzDocument::KyFuzzDocument(OdDbDatabase* db)
  : m_document(db), m_previous(CKyDocumentManager::SetActiveDocument(&m_document))
{
}

KyFuzzDocument::~KyFuzzDocument()
{
  CKyDocumentManager::SetActiveDocument(m_previous);
}

namespace
{
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
  std::fprintf(stderr, "fuzz: %s [%s], row \"%s\": %s\n", qPrintable(object.runtimeName), qPrintable(object.handle),
               qPrintable(row->GetName().toQString()), what);
  std::abort();
}
} // namespace

KyEditOutcome KyFuzzCheckedEdit(const KyPalette& palette, const KyPaletteObject& object,
                                const CKyPropertyDescription* row, const CKyVariant& value)
{
  const State before(object.id);
  const KyEditOutcome outcome = palette.edit(object, row, value);
  const State after(object.id);
  if (outcome.result != kPropertySetOk && after != before)
    fail(object, row, "the edit was refused but changed the object");
  if (outcome.result == kPropertySetOk && after.nonFinite > before.nonFinite)
    fail(object, row, "the edit was accepted and stored a non-finite number");
  return outcome;
}
