// KyModuleHost: loads the property module as a host does (dlopen of libKYProperties.so.1, its
// entry points, initApp) and takes it down in the host's order (uninitApp, deleteModuleObject,
// release of the module object, dlclose).
#ifndef KYPROPS_MODULE_HOST_H
#define KYPROPS_MODULE_HOST_H

#include <QString>

#include "RxModule.h"

class KyModuleHost
{
public:
  KyModuleHost() = default;
  KyModuleHost(const KyModuleHost&) = delete;
  KyModuleHost& operator=(const KyModuleHost&) = delete;
  ~KyModuleHost() { unload(); }

  // Tries <exeDir>/../lib/libKYProperties.so.1, then the plain soname (the loader's search
  // path). False with error set when the library or an entry point is missing.
  bool load(const QString& exeDir, QString& error);
  // Creates the module object and calls initApp().
  void start();
  // uninitApp, deleteModuleObject, release, dlclose; nothing when not loaded.
  void unload();

  QString path() const { return m_path; }
  // "4.1.1.0" as the module reports it.
  QString apiVersion() const;

private:
  void* m_handle = nullptr;
  QString m_path;
  OdCreateModuleObjectFunc m_create = nullptr;
  OdGetAPIVersionFunc m_version = nullptr;
  OdDeleteModuleObjectFunc m_delete = nullptr;
  OdRxModule* m_module = nullptr;
  bool m_started = false;
};

#endif
