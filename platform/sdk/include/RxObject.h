// Run-time class system of the SDK: OdRxObject (reference counted, queryable for protocol
// extensions), OdRxClass (class descriptor with parent, pseudo-constructor and protocol
// extensions) and the macros that give a class its run-time type members.
#ifndef OD_RX_OBJECT_H
#define OD_RX_OBJECT_H

#include "OdaCommon.h"
#include "OdError.h"
#include "OdString.h"

class OdRxClass;
class OdRxObject;
template <class T> class OdSmartPtr;
typedef OdSmartPtr<OdRxObject> OdRxObjectPtr;
typedef OdSmartPtr<OdRxClass> OdRxClassPtr;

enum OdRxObjMod
{
  kOdRxObjAttach
};

namespace OdRx
{
  enum Ordering
  {
    kLessThan = -1,
    kEqual = 0,
    kGreaterThan = 1,
    kNotOrderable = 2
  };
}

typedef OdRxObjectPtr (*OdPseudoConstructorType)();
typedef void (*AppNameChangeFuncPtr)(const OdRxClass* classObj, OdString& newAppName, int saveVer);

class OdRxObject
{
  OdRxObject(const OdRxObject&) = delete;
  OdRxObject& operator=(const OdRxObject&) = delete;

protected:
  OdRxObject() = default;

public:
  virtual ~OdRxObject();

  // The root of the class tree. It always exists.
  static OdRxClass* desc();
  static OdRxObjectPtr cast(const OdRxObject* pObj);
  static OdRxObjectPtr createObject();

  // Returns this object (reference added) when it is of pClass, else a protocol extension of
  // pClass attached to this object's class or one of its parents, else null.
  virtual OdRxObject* queryX(const OdRxClass* pClass) const;
  // As queryX, but raises OdError_NotThatKindOfClass instead of returning null.
  virtual OdRxObject* x(const OdRxClass* pClass) const;
  virtual OdRxClass* isA() const;
  virtual void addRef() = 0;
  virtual void release() = 0;
  virtual long numRefs() const;
  virtual OdRxObjectPtr clone() const;
  virtual void copyFrom(const OdRxObject* pSource);
  virtual OdRx::Ordering comparedTo(const OdRxObject* pOther) const;
  virtual bool isEqualTo(const OdRxObject* pOther) const;

  // True when this object's class is pClass or derives from it.
  inline bool isKindOf(const OdRxClass* pClass) const;
};

#include "SmartPtr.h"

class OdRxClass : public OdRxObject
{
public:
  static OdRxClass* desc();
  OdRxClass* isA() const override;
  OdRxObject* queryX(const OdRxClass* pClass) const override;

  virtual OdString name() const = 0;
  virtual OdRxClass* myParent() const = 0;
  virtual OdRxObjectPtr create() const = 0;
  virtual OdPseudoConstructorType constructor() const = 0;
  virtual AppNameChangeFuncPtr appNameCallbackPtr() const = 0;
  virtual OdString appName() const = 0;
  virtual OdString dxfName() const = 0;
  virtual OdUInt32 proxyFlags() const = 0;
  virtual OdUInt32 customFlags() const = 0;

  bool isDerivedFrom(const OdRxClass* pClass) const;

  // Attaches a protocol extension object for pProtocolClass; returns the object it replaces.
  virtual OdRxObjectPtr addX(OdRxClass* pProtocolClass, OdRxObject* pProtocolObject) = 0;
  // Finds the extension for pProtocolClass on this class, else on the nearest parent that has one.
  virtual OdRxObjectPtr getX(const OdRxClass* pProtocolClass) = 0;
  // Detaches and returns the extension attached directly to this class.
  virtual OdRxObjectPtr delX(OdRxClass* pProtocolClass) = 0;
};

inline bool OdRxObject::isKindOf(const OdRxClass* pClass) const
{
  // The object's own class answers most tests without walking the parents.
  const OdRxClass* pMine = isA();
  return pMine && (pMine == pClass || pMine->isDerivedFrom(pClass));
}

// Creates a class descriptor and enters it in the class dictionary. A duplicate name raises
// OdError(eDuplicateKey).
OdRxClass* newOdRxClass(const OdChar* szClassName, OdRxClass* pBaseClass,
                        OdPseudoConstructorType pseudoConstructor = 0, int dwgVer = 0, int maintVer = 0,
                        int nProxyFlags = 0, const OdString& dxfName = OdString::kEmpty,
                        const OdString& appName = OdString::kEmpty,
                        AppNameChangeFuncPtr fNameChangeFunc = 0, int nCustomFlags = 0);
// Removes a class descriptor from the class dictionary and releases it.
void deleteOdRxClass(OdRxClass* pClass);
// Looks a class up by name (null when absent).
OdRxClass* odrxGetClassDesc(const OdString& className);

// Observers of the class system: told when classes are created and deleted and when protocol
// extensions are attached and detached. Hosts use it for diagnostics, tests to record sequences.
class OdRxClassSystemReactor
{
public:
  virtual ~OdRxClassSystemReactor() = default;
  virtual void classCreated(const OdRxClass* /*pClass*/) {}
  virtual void classDeleted(const OdRxClass* /*pClass*/) {}
  virtual void extensionAdded(const OdRxClass* /*pClass*/, const OdRxClass* /*pProtocolClass*/,
                              const OdRxObject* /*pExtension*/) {}
  virtual void extensionRemoved(const OdRxClass* /*pClass*/, const OdRxClass* /*pProtocolClass*/) {}
};
void odrxAddClassSystemReactor(OdRxClassSystemReactor* pReactor);
void odrxRemoveClassSystemReactor(OdRxClassSystemReactor* pReactor);

// Shared queryX of every class with run-time type members: the object itself for its own class
// or one it derives from, else an extension found through its class or a parent class. (The
// class's getX already looks through the parents, so one look from the object's own class
// answers what asking each parent in turn would.)
template <class Class, class Parent>
OdRxObject* odQueryXImpl(const Class* pThis, const OdRxClass* pClass)
{
  ODA_ASSERT(pClass!=0);
  if (!pClass)
    return 0;
  OdRxClass* own = Class::desc();
  // A class not initialised (or no longer) has no descriptor: its parent answers.
  if (!own)
    return pThis->Parent::queryX(pClass);
  if (pClass == own || own->isDerivedFrom(pClass))
  {
    OdRxObject* pObj = const_cast<OdRxObject*>(static_cast<const OdRxObject*>(pThis));
    pObj->addRef();
    return pObj;
  }
  return own->getX(pClass).detach();
}

// Declares the run-time type members of a class.
#define ODRX_DECLARE_MEMBERS(ClassName)                                                  \
public:                                                                                  \
  static OdSmartPtr<ClassName> cast(const OdRxObject* pObj)                              \
  {                                                                                      \
    if (pObj)                                                                            \
      return OdSmartPtr<ClassName>(static_cast<ClassName*>(pObj->queryX(ClassName::desc())), \
                                   kOdRxObjAttach);                                      \
    return OdSmartPtr<ClassName>();                                                      \
  }                                                                                      \
  static OdRxClass* g_pDesc;                                                             \
  static OdRxClass* desc();                                                              \
  virtual OdRxClass* isA() const override;                                               \
  virtual OdRxObject* queryX(const OdRxClass* pClass) const override;                    \
  static OdRxObjectPtr pseudoConstructor();                                              \
  static OdSmartPtr<ClassName> createObject()                                            \
  {                                                                                      \
    if (!desc())                                                                         \
      throw OdError(eNotInitializedYet);                                                 \
    return OdSmartPtr<ClassName>(desc()->create());                                      \
  }                                                                                      \
  static void rxInit();                                                                  \
  static void rxInit(AppNameChangeFuncPtr appNameChangeFunc);                            \
  static void rxUninit()

#define ODRX_DEFINE_RTTI_MEMBERS(ClassName, ParentClass)                                  \
  OdRxClass* ClassName::g_pDesc = 0;                                                     \
  OdRxClass* ClassName::desc() { return g_pDesc; }                                       \
  OdRxClass* ClassName::isA() const { return g_pDesc; }                                  \
  OdRxObject* ClassName::queryX(const OdRxClass* pClass) const                           \
  {                                                                                      \
    return ::odQueryXImpl<ClassName, ParentClass>(this, pClass);                         \
  }

// rxInit twice, or rxUninit before rxInit, fails an assertion and raises OdError.
#define ODRX_DEFINE_INIT_MEMBERS(ClassName, ParentClass, pseudoConsFn, DwgVer, MaintVer,  \
                                 nProxyFlags, szDXFName, szAppName, nCustomFlags)        \
  void ClassName::rxInit() { ClassName::rxInit(0); }                                     \
  void ClassName::rxInit(AppNameChangeFuncPtr appNameChangeFunc)                         \
  {                                                                                      \
    if (ClassName::g_pDesc)                                                              \
    {                                                                                    \
      ODA_FAIL_M("(\"Class [\"\"" #ClassName "\"\"] is already initialized.\",0)");      \
      throw OdError(eExtendedError);                                                     \
    }                                                                                    \
    ClassName::g_pDesc = ::newOdRxClass(L## #ClassName, ParentClass::desc(), pseudoConsFn, \
                                        DwgVer, MaintVer, nProxyFlags, szDXFName,        \
                                        szAppName, appNameChangeFunc, nCustomFlags);     \
  }                                                                                      \
  void ClassName::rxUninit()                                                             \
  {                                                                                      \
    if (!ClassName::g_pDesc)                                                             \
    {                                                                                    \
      ODA_FAIL_M("(\"Class [\"\"" #ClassName "\"\"] is not initialized yet.\",0)");      \
      throw OdError(eNotInitializedYet);                                                 \
    }                                                                                    \
    ::deleteOdRxClass(ClassName::g_pDesc);                                               \
    ClassName::g_pDesc = 0;                                                              \
  }

#define ODRX_DEFINE_PSEUDOCONSTRUCTOR(ClassName, DOCREATE)                                \
  OdRxObjectPtr ClassName::pseudoConstructor() { return OdRxObjectPtr(DOCREATE(ClassName)); }

#define EMPTY_CONSTR(ClassName) (ClassName*)0
#define NEWOBJ_CONSTR(ClassName) OdSmartPtr<ClassName>(new ClassName, kOdRxObjAttach)
#define RXIMPL_CONSTR(ClassName) OdRxObjectImpl<ClassName>::createObject()

#define ODRX_DEFINE_MEMBERS2(ClassName, ParentClass, pseudoConsFn, DwgVer, MaintVer,      \
                             nProxyFlags, szDXFName, szAppName, nCustomFlags)            \
  ODRX_DEFINE_RTTI_MEMBERS(ClassName, ParentClass)                                       \
  ODRX_DEFINE_INIT_MEMBERS(ClassName, ParentClass, pseudoConsFn, DwgVer, MaintVer,        \
                           nProxyFlags, szDXFName, szAppName, nCustomFlags)

#define ODRX_CONS_DEFINE_MEMBERS(ClassName, ParentClass, DOCREATE)                        \
  ODRX_DEFINE_MEMBERS2(ClassName, ParentClass, ClassName::pseudoConstructor, 0, 0, 0,     \
                       OdString::kEmpty, OdString::kEmpty, 0)                            \
  ODRX_DEFINE_PSEUDOCONSTRUCTOR(ClassName, DOCREATE)

#define ODRX_NO_CONS_DEFINE_MEMBERS(ClassName, ParentClass)                               \
  ODRX_DEFINE_MEMBERS2(ClassName, ParentClass, 0, 0, 0, 0, OdString::kEmpty,              \
                       OdString::kEmpty, 0)                                              \
  OdRxObjectPtr ClassName::pseudoConstructor() { return OdRxObjectPtr(); }

#endif
