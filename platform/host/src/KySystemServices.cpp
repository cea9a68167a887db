// Default system services (stderr) and the installed-services pointer.
#include "KySystemServices.h"

#include "KyHatchEngine.h"

#include <QCoreApplication>
#include <QTextStream>

namespace
{
CKySystemServices& defaultServices()
{
  static CKySystemServices services;
  return services;
}

CKySystemServices* s_services = nullptr;

void writeLine(const QString& line)
{
  QTextStream err(stderr);
  err << line << '\n';
  err.flush();
}
}

int CKySystemServices::MessageBox(const CKyString& text, const CKyString& caption, int flags)
{
  writeLine(QStringLiteral("[%1] %2").arg(caption.toQString(), text.toQString()));
  return kMessageBoxOk;
}

void CKySystemServices::PrintToCommandLine(const CKyString& text)
{
  writeLine(text.toQString());
}

void CKySystemServices::ShowAnnotationScalesDialog(const OdArray<OdDbObjectId>& ids)
{
  PrintToCommandLine(QCoreApplication::translate("CKySystemServices", "Add/delete scales requested for %n object(s)",
                                                 nullptr, static_cast<int>(ids.size())));
}

CKyHatchPatternCatalog* CKySystemServices::HatchPatternCatalog()
{
  static CKyHatchPatternCatalog catalog;
  return &catalog;
}

CKySystemServices* GetKySystemServices()
{
  return s_services ? s_services : &defaultServices();
}

CKySystemServices* SetKySystemServices(CKySystemServices* services)
{
  CKySystemServices* previous = GetKySystemServices();
  s_services = services;
  return previous;
}
