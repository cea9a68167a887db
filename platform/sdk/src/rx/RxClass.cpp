// The class dictionary, class descriptors with their protocol extensions, and OdRxObject's
// default members.
#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

#include "OdAlloc.h"
#include "RxModule.h"
#include "RxObjectImpl.h"
#include "SdkRxMacros.h"

namespace
{
class OdRxClassImpl : public OdRxClass
{
public:
  OdString m_name;
  OdRxClass* m_pParent = 0;
  OdPseudoConstructorType m_pCons = 0;
  AppNameChangeFuncPtr m_pAppNameChange = 0;
  OdString m_dxfName;
  OdString m_appName;
  OdUInt32 m_proxyFlags = 0;
  OdUInt32 m_customFlags = 0;
  std::vector<std::pair<const OdRxClass*, OdRxObjectPtr>> m_x;

  OdString name() const override { return m_name; }
  OdRxClass* myParent() const override { return m_pParent; }
  OdRxObjectPtr create() const override
  {
    if (!m_pCons)
      throw OdError(eNotApplicable, OdString(L"Class ") + m_name + L" has no pseudo-constructor");
    return m_pCons();
  }
  OdPseudoConstructorType constructor() const override { return m_pCons; }
  AppNameChangeFuncPtr appNameCallbackPtr() const override { return m_pAppNameChange; }
  OdString appName() const override { return m_appName; }
  OdString dxfName() const override { return m_dxfName; }
  OdUInt32 proxyFlags() const override { return m_proxyFlags; }
  OdUInt32 customFlags() const override { return m_customFlags; }

  OdRxObjectPtr addX(OdRxClass* pProtocolClass, OdRxObject* pProtocolObject) override;
  OdRxObjectPtr getX(const OdRxClass* pProtocolClass) override;
  OdRxObjectPtr delX(OdRxClass* pProtocolClass) override;
};

struct ClassSystem
{
  std::map<std::wstring, OdRxClass*> classes;
  std::vector<OdRxClassSystemReactor*> reactors;
};

ClassSystem& classSystem()
{
  static ClassSystem* s = new ClassSystem; // lives for the whole process
  return *s;
}

template <class F>
void notify(F f)
{
  const std::vector<OdRxClassSystemReactor*> reactors = classSystem().reactors;
  for (OdRxClassSystemReactor* r : reactors)
    f(r);
}

OdRxObjectPtr OdRxClassImpl::addX(OdRxClass* pProtocolClass, OdRxObject* pProtocolObject)
{
  if (!pProtocolClass)
    throw OdError(eInvalidInput);
  OdRxObjectPtr previous;
  auto it = std::find_if(m_x.begin(), m_x.end(), [&](const auto& e) { return e.first == pProtocolClass; });
  if (it != m_x.end())
  {
    previous = it->second;
    it->second = pProtocolObject;
  }
  else
    m_x.emplace_back(pProtocolClass, OdRxObjectPtr(pProtocolObject));
  notify([&](OdRxClassSystemReactor* r) { r->extensionAdded(this, pProtocolClass, pProtocolObject); });
  return previous;
}

OdRxObjectPtr OdRxClassImpl::getX(const OdRxClass* pProtocolClass)
{
  for (const OdRxClassImpl* c = this; c; c = static_cast<const OdRxClassImpl*>(c->m_pParent))
  {
    for (const auto& e : c->m_x)
      if (e.first == pProtocolClass)
        return e.second;
  }
  return OdRxObjectPtr();
}

OdRxObjectPtr OdRxClassImpl::delX(OdRxClass* pProtocolClass)
{
  OdRxObjectPtr previous;
  auto it = std::find_if(m_x.begin(), m_x.end(), [&](const auto& e) { return e.first == pProtocolClass; });
  if (it != m_x.end())
  {
    previous = it->second;
    m_x.erase(it);
  }
  notify([&](OdRxClassSystemReactor* r) { r->extensionRemoved(this, pProtocolClass); });
  return previous;
}

OdRxClass* makeRootClass(const OdChar* name, OdRxClass* parent)
{
  auto* c = new OdRxObjectImpl<OdRxClassImpl>();
  c->m_name = name;
  c->m_pParent = parent;
  classSystem().classes[name] = c;
  return c;
}
} // namespace

// ---- OdRxObject ------------------------------------------------------------------------------

OdRxObject::~OdRxObject() = default;

OdRxClass* OdRxObject::desc()
{
  static OdRxClass* s_desc = makeRootClass(L"OdRxObject", nullptr);
  return s_desc;
}

OdRxObjectPtr OdRxObject::cast(const OdRxObject* pObj)
{
  return OdRxObjectPtr(pObj);
}

OdRxObjectPtr OdRxObject::createObject()
{
  throw OdError(eNotApplicable);
}

OdRxObject* OdRxObject::queryX(const OdRxClass* pClass) const
{
  ODA_ASSERT(pClass!=0);
  if (!pClass)
    return nullptr;
  if (pClass == OdRxObject::desc())
  {
    OdRxObject* p = const_cast<OdRxObject*>(this);
    p->addRef();
    return p;
  }
  return OdRxObject::desc()->getX(pClass).detach();
}

OdRxObject* OdRxObject::x(const OdRxClass* pClass) const
{
  OdRxObject* p = queryX(pClass);
  if (!p)
    throw OdError_NotThatKindOfClass(isA(), pClass);
  return p;
}

OdRxClass* OdRxObject::isA() const
{
  return OdRxObject::desc();
}

long OdRxObject::numRefs() const
{
  return 1;
}

OdRxObjectPtr OdRxObject::clone() const
{
  OdRxObjectPtr p = isA()->create();
  p->copyFrom(this);
  return p;
}

void OdRxObject::copyFrom(const OdRxObject*)
{
  throw OdError(eNotApplicable);
}

OdRx::Ordering OdRxObject::comparedTo(const OdRxObject*) const
{
  return OdRx::kNotOrderable;
}

bool OdRxObject::isEqualTo(const OdRxObject* pOther) const
{
  return pOther == this;
}

OdRxClass* odSdkMakeClass(OdRxClass*& slot, const OdChar* name, OdRxClass* (*parentDesc)(),
                          OdPseudoConstructorType pseudoConstructor, const OdChar* dxfName)
{
  if (!slot)
    slot = ::newOdRxClass(name, parentDesc(), pseudoConstructor, 0, 0, 0, OdString(dxfName));
  return slot;
}

// ---- OdRxClass -------------------------------------------------------------------------------

OdRxClass* OdRxClass::desc()
{
  static OdRxClass* s_desc = makeRootClass(L"OdRxClass", OdRxObject::desc());
  return s_desc;
}

OdRxClass* OdRxClass::isA() const
{
  return OdRxClass::desc();
}

OdRxObject* OdRxClass::queryX(const OdRxClass* pClass) const
{
  return odQueryXImpl<OdRxClass, OdRxObject>(this, pClass);
}

// Every descriptor is an OdRxClassImpl, so the walk reads the parent links directly (every
// class test of every property row comes here).
bool OdRxClass::isDerivedFrom(const OdRxClass* pClass) const
{
  for (const OdRxClass* c = this; c; c = static_cast<const OdRxClassImpl*>(c)->m_pParent)
    if (c == pClass)
      return true;
  return false;
}

OdRxClass* newOdRxClass(const OdChar* szClassName, OdRxClass* pBaseClass, OdPseudoConstructorType pseudoConstructor,
                        int /*dwgVer*/, int /*maintVer*/, int nProxyFlags, const OdString& dxfName,
                        const OdString& appName, AppNameChangeFuncPtr fNameChangeFunc, int nCustomFlags)
{
  if (!szClassName || !*szClassName)
    throw OdError(eInvalidInput);
  ClassSystem& cs = classSystem();
  if (cs.classes.count(szClassName))
    throw OdError(eDuplicateKey, OdString(L"Class ") + szClassName + L" already exists");
  auto* c = new OdRxObjectImpl<OdRxClassImpl>();
  c->m_name = szClassName;
  c->m_pParent = pBaseClass;
  c->m_pCons = pseudoConstructor;
  c->m_pAppNameChange = fNameChangeFunc;
  c->m_dxfName = dxfName;
  c->m_appName = appName;
  c->m_proxyFlags = static_cast<OdUInt32>(nProxyFlags);
  c->m_customFlags = static_cast<OdUInt32>(nCustomFlags);
  cs.classes[szClassName] = c;
  notify([&](OdRxClassSystemReactor* r) { r->classCreated(c); });
  return c;
}

void deleteOdRxClass(OdRxClass* pClass)
{
  if (!pClass)
    return;
  ClassSystem& cs = classSystem();
  auto it = cs.classes.find(pClass->name().wstr());
  if (it != cs.classes.end() && it->second == pClass)
    cs.classes.erase(it);
  notify([&](OdRxClassSystemReactor* r) { r->classDeleted(pClass); });
  pClass->release();
}

OdRxClass* odrxGetClassDesc(const OdString& className)
{
  ClassSystem& cs = classSystem();
  auto it = cs.classes.find(className.wstr());
  return it == cs.classes.end() ? nullptr : it->second;
}

void odrxAddClassSystemReactor(OdRxClassSystemReactor* pReactor)
{
  auto& v = classSystem().reactors;
  if (pReactor && std::find(v.begin(), v.end(), pReactor) == v.end())
    v.push_back(pReactor);
}

void odrxRemoveClassSystemReactor(OdRxClassSystemReactor* pReactor)
{
  auto& v = classSystem().reactors;
  v.erase(std::remove(v.begin(), v.end(), pReactor), v.end());
}

// ---- allocation and modules -------------------------------------------------------------------

void* odrxAlloc(std::size_t nBytes)
{
  return std::malloc(nBytes);
}

void* odrxRealloc(void* pMemBlock, std::size_t newSize, std::size_t)
{
  return std::realloc(pMemBlock, newSize);
}

void odrxFree(void* pMemBlock)
{
  std::free(pMemBlock);
}

ODRX_SDK_NO_CONS_DEFINE_MEMBERS(OdRxModule, OdRxObject)
