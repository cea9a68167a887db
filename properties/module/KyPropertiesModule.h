// CKyPropertiesModule: the module object. It owns one static instance of every extension it
// attaches and registers them, and their run-time classes, in initApp; uninitApp undoes it.
#ifndef KY_PROPERTIES_MODULE_H
#define KY_PROPERTIES_MODULE_H

#include "KyEntityPE.h"
#include "KyLinePE.h"
#include "KyPrintObjectInfoPE.h"
#include "RxModule.h"
#include "RxObjectImpl.h"

class CKyPropertiesModule : public OdRxModule
{
public:
  void initApp() override;
  void uninitApp() override;

private:
  struct Attachment
  {
    OdRxClass* (*objectClass)();
    OdRxObject* extension;
  };
  struct RunTimeClass
  {
    void (*init)();
    void (*uninit)();
  };

  // Registration lists, each in its fixed order; one line per class.
  std::vector<Attachment> propertyExtensions();
  std::vector<Attachment> styleExtensions();
  std::vector<Attachment> infoExtensions();
  static std::vector<RunTimeClass> baseClasses();
  static std::vector<RunTimeClass> concreteClasses();
  static std::vector<RunTimeClass> baseClassesInUninitOrder();

  OdStaticRxObject<CKyEntityPE> m_entityPE;
  OdStaticRxObject<CKyLinePE> m_linePE;

  OdStaticRxObject<CKyPrintObjectInfoPE> m_entityInfo;
  OdStaticRxObject<CKyLineInfo> m_lineInfo;
};

#endif
