// Shared set-up and checks of the palette fuzz targets.
#include "KyFuzzPalette.h"

#include <cstdio>
#include <cstdlib>

#include <QCoreApplication>

#include "DbObject.h"
#include "KyObjectSnapshot.h"
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

namespace
{
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
  const KyObjectSnapshot before(object.id.openObject(OdDb::kForRead).get());
  const KyEditOutcome outcome = palette.edit(object, row, value);
  const KyObjectSnapshot after(object.id.openObject(OdDb::kForRead).get());
  if (outcome.result != kPropertySetOk && after != before)
    fail(object, row, "the edit was refused but changed the object");
  if (outcome.result == kPropertySetOk && after.nonFinite() > before.nonFinite())
    fail(object, row, "the edit was accepted and stored a non-finite number");
  return outcome;
}
