// Run-time type members of the SDK's own classes. Unlike module classes, which are initialised
// and uninitialised explicitly, SDK classes create their descriptor on first use and keep it
// for the life of the process.
#ifndef OD_SDK_RX_MACROS_H
#define OD_SDK_RX_MACROS_H

#include "RxObjectImpl.h"

// Creates an SDK class descriptor on first use (kept out of line so that desc() itself stays a
// load and a test).
OdRxClass* odSdkMakeClass(OdRxClass*& slot, const OdChar* name, OdRxClass* (*parentDesc)(),
                          OdPseudoConstructorType pseudoConstructor, const OdChar* dxfName);

#define ODRX_SDK_DEFINE_MEMBERS_IMPL(ClassName, ParentClass, PseudoCons)                  \
  OdRxClass* ClassName::g_pDesc = 0;                                                     \
  OdRxClass* ClassName::desc()                                                           \
  {                                                                                      \
    if (__builtin_expect(g_pDesc != 0, 1))                                               \
      return g_pDesc;                                                                    \
    return ::odSdkMakeClass(g_pDesc, L## #ClassName, &ParentClass::desc, PseudoCons, L""); \
  }                                                                                      \
  OdRxClass* ClassName::isA() const { return desc(); }                                   \
  OdRxObject* ClassName::queryX(const OdRxClass* pClass) const                           \
  {                                                                                      \
    return ::odQueryXImpl<ClassName, ParentClass>(this, pClass);                         \
  }                                                                                      \
  void ClassName::rxInit() { desc(); }                                                   \
  void ClassName::rxInit(AppNameChangeFuncPtr) { desc(); }                               \
  void ClassName::rxUninit() {}

// A class whose objects can be created through its descriptor (OdRxObjectImpl instances).
#define ODRX_SDK_CONS_DEFINE_MEMBERS(ClassName, ParentClass)                              \
  ODRX_SDK_DEFINE_MEMBERS_IMPL(ClassName, ParentClass, &ClassName::pseudoConstructor)    \
  OdRxObjectPtr ClassName::pseudoConstructor()                                           \
  {                                                                                      \
    return OdRxObjectPtr(OdRxObjectImpl<ClassName>::createObject());                     \
  }

// An abstract class: no pseudo-constructor.
#define ODRX_SDK_NO_CONS_DEFINE_MEMBERS(ClassName, ParentClass)                           \
  ODRX_SDK_DEFINE_MEMBERS_IMPL(ClassName, ParentClass, 0)                                \
  OdRxObjectPtr ClassName::pseudoConstructor() { return OdRxObjectPtr(); }

// Database object classes (OdDbObject and below) count references themselves, so their
// pseudo-constructor hands a plain new object to a smart pointer (the count starts at zero).
// The DXF name is the object's name in DXF files ("LINE"); empty for classes without one.
#define ODRX_SDK_DBOBJECT_DEFINE_MEMBERS_IMPL(ClassName, ParentClass, PseudoCons, DxfName)   \
  OdRxClass* ClassName::g_pDesc = 0;                                                     \
  OdRxClass* ClassName::desc()                                                           \
  {                                                                                      \
    if (__builtin_expect(g_pDesc != 0, 1))                                               \
      return g_pDesc;                                                                    \
    return ::odSdkMakeClass(g_pDesc, L## #ClassName, &ParentClass::desc, PseudoCons, DxfName); \
  }                                                                                      \
  OdRxClass* ClassName::isA() const { return desc(); }                                   \
  OdRxObject* ClassName::queryX(const OdRxClass* pClass) const                           \
  {                                                                                      \
    return ::odQueryXImpl<ClassName, ParentClass>(this, pClass);                         \
  }                                                                                      \
  void ClassName::rxInit() { desc(); }                                                   \
  void ClassName::rxInit(AppNameChangeFuncPtr) { desc(); }                               \
  void ClassName::rxUninit() {}

// A creatable database object class.
#define ODRX_SDK_DBOBJECT_DEFINE_MEMBERS(ClassName, ParentClass)                          \
  ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(ClassName, ParentClass, L"")

// A creatable database object class with its DXF name.
#define ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(ClassName, ParentClass, DxfName)             \
  ODRX_SDK_DBOBJECT_DEFINE_MEMBERS_IMPL(ClassName, ParentClass, &ClassName::pseudoConstructor, DxfName) \
  OdRxObjectPtr ClassName::pseudoConstructor()                                           \
  {                                                                                      \
    return OdRxObjectPtr(static_cast<OdRxObject*>(new ClassName));                       \
  }

// An abstract database object class.
#define ODRX_SDK_DBOBJECT_NO_CONS_DEFINE_MEMBERS(ClassName, ParentClass)                  \
  ODRX_SDK_DBOBJECT_DEFINE_MEMBERS_IMPL(ClassName, ParentClass, 0, L"")                  \
  OdRxObjectPtr ClassName::pseudoConstructor() { return OdRxObjectPtr(); }

#endif
