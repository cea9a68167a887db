// Host system services used by property setters and commands: the message box, command-line
// output and the annotation-scales dialog. The default implementation writes to stderr; hosts and
// tests install their own with SetKySystemServices.
#ifndef KY_SYSTEM_SERVICES_H
#define KY_SYSTEM_SERVICES_H

#include "DbObjectId.h"
#include "KyString.h"
#include "OdArray.h"

class CKyHatchPatternCatalog;

class CKySystemServices
{
public:
  // Result of a message box closed with its default button.
  static const int kMessageBoxOk = 1;

  virtual ~CKySystemServices() = default;

  // Shows a modal message; returns the button that closed it.
  virtual int MessageBox(const CKyString& text, const CKyString& caption, int flags);
  virtual void PrintToCommandLine(const CKyString& text);
  // Asks the user to add or remove annotation scales of the objects; the default reports the
  // request on the command line.
  virtual void ShowAnnotationScalesDialog(const OdArray<OdDbObjectId>& ids);
  // The hatch pattern catalogue (never null); the default one knows the predefined patterns.
  virtual CKyHatchPatternCatalog* HatchPatternCatalog();
};

// The installed services (never null).
CKySystemServices* GetKySystemServices();
// Installs services and returns the previously installed ones; null restores the default.
CKySystemServices* SetKySystemServices(CKySystemServices* services);

#endif
