// Loadable run-time modules. A module exports odrxCreateModuleObject, which returns its module
// object; the host calls initApp after loading and uninitApp before unloading.
#ifndef OD_RX_MODULE_H
#define OD_RX_MODULE_H

#include <new>

#include "OdAlloc.h"
#include "RxObject.h"

class OdRxModule : public OdRxObject
{
public:
  ODRX_DECLARE_MEMBERS(OdRxModule);

  virtual void initApp() = 0;
  virtual void uninitApp() = 0;
  virtual void* sysData() = 0;
  virtual OdString moduleName() const = 0;
  virtual bool isValid() { return true; }
};
typedef OdSmartPtr<OdRxModule> OdRxModulePtr;

// Module object of a shared library: remembers the library handle and the module name and
// frees itself with odrxFree when the last reference goes.
template <class TModule>
class OdRxUnixModule : public TModule
{
  void* m_hModule;
  OdString m_name;
  long m_nRefs = 1;

public:
  OdRxUnixModule(void* hModule, const OdString& name) : m_hModule(hModule), m_name(name) {}

  static OdRxUnixModule* createModule(void* hModule, const OdString& name)
  {
    void* pMem = ::odrxAlloc(sizeof(OdRxUnixModule));
    if (!pMem)
      throw std::bad_alloc();
    return ::new (pMem) OdRxUnixModule(hModule, name);
  }

  void addRef() override { ++m_nRefs; }
  void release() override
  {
    if (--m_nRefs == 0)
    {
      this->~OdRxUnixModule();
      ::odrxFree(this);
    }
  }
  long numRefs() const override { return m_nRefs; }
  void* sysData() override { return m_hModule; }
  OdString moduleName() const override { return m_name; }
};

// Signatures of a module's exported entry points.
extern "C"
{
  typedef OdRxModule* (*OdCreateModuleObjectFunc)(void* hModule, const wchar_t* szModuleName);
  typedef void (*OdGetAPIVersionFunc)(int& nMajorVersion, int& nMinorVersion, int& nBuildVersion,
                                      int& nPatchVersion);
  typedef void (*OdDeleteModuleObjectFunc)();
}

#endif
