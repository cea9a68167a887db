// CKyPropertyBase run-time class, the gathering of an extension's rows and the factory that finds
// an object's extension for the palette.
#include "KyPropertyBase.h"

#include "DbObject.h"
#include "KyPropertyGather.h"

ODRX_NO_CONS_DEFINE_MEMBERS(CKyPropertyBase, OdRxObject)

namespace
{
CKyPropertyPEClassFactory* s_factory = nullptr;

class ActiveContainerScope
{
public:
  explicit ActiveContainerScope(CKyPropertiesContainerImpl& container)
    : m_previous(CKyPropertiesContainerImpl::Active())
  {
    CKyPropertiesContainerImpl::SetActive(&container);
  }
  ~ActiveContainerScope() { CKyPropertiesContainerImpl::SetActive(m_previous); }
  ActiveContainerScope(const ActiveContainerScope&) = delete;
  ActiveContainerScope& operator=(const ActiveContainerScope&) = delete;

private:
  CKyPropertiesContainerImpl* m_previous;
};
}

void kyGatherPropertyRows(CKyPropertyBase* extension, const OdDbObject* object, CKyPropertiesContainerImpl& out)
{
  ActiveContainerScope scope(out);
  CKyPropertiesContainer* container = nullptr;
  extension->GetPropertyNames(object, container, object ? object->isA() : nullptr, nullptr, false);
  if (extension->HasDynamicProperties())
    extension->GetPropertyNamesDynamic(object, &out);
}

void CKyPropertyPEClassFactory::create()
{
  if (s_factory)
  {
    ODA_FAIL_M("(\"CKyPropertyPEClassFactory is already created.\",0)");
    throw OdError(eExtendedError);
  }
  s_factory = new CKyPropertyPEClassFactory();
}

void CKyPropertyPEClassFactory::destroy()
{
  if (!s_factory)
  {
    ODA_FAIL_M("(\"CKyPropertyPEClassFactory is not created yet.\",0)");
    throw OdError(eNotInitializedYet);
  }
  delete s_factory;
  s_factory = nullptr;
}

CKyPropertyPEClassFactory* CKyPropertyPEClassFactory::instance()
{
  return s_factory;
}

CKyPropertyBase* CKyPropertyPEClassFactory::FindExtension(const OdRxObject* object)
{
  if (!object || !CKyPropertyBase::desc())
    return nullptr;
  OdRxObjectPtr extension(object->queryX(CKyPropertyBase::desc()), kOdRxObjAttach);
  // The class keeps its attached extension alive; the caller gets a plain pointer to it.
  return static_cast<CKyPropertyBase*>(extension.get());
}

bool CKyPropertyPEClassFactory::GatherProperties(const OdDbObject* object, CKyPropertiesContainerImpl& out)
{
  CKyPropertyBase* extension = FindExtension(object);
  if (!extension)
    return false;
  if (CKyPropertyBase* replacement = extension->GetPropertyPEOverride(object))
    extension = replacement;
  kyGatherPropertyRows(extension, object, out);
  return true;
}
