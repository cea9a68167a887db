// Attributes on block references: the General rows and the common listing only.
#include "KyAttributePE.h"

#include <QCoreApplication>

#include "DbAttribute.h"
#include "KyPropertyTable.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyAttributePE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyAttributePE::s_Names;

CKyString CKyAttributePE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Attribute"));
}

void CKyAttributePE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                      const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyAttributePE::desc(), OdDbAttribute::desc(),
                 s_Names, KyPropertyTable{nullptr, 0});
}

void CKyAttributePE::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

CKyString CKyBlockAttributeInfo::GetClassName(const OdDbObject*)
{
  return CKyString(L"ATTRIBUTE");
}

bool CKyBlockAttributeInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  return CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
}
