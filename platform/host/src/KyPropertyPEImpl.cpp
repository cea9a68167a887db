// CKyPropertyPEImpl: framework defaults of a property extension and the by-name / by-GUID
// accessors over a fresh gather of the extension's rows.
#include "KyPropertyPEImpl.h"

#include <functional>

#include "DbObject.h"
#include "KyPropertyGather.h"

namespace
{
// The first row of the extension's rows for the object that satisfies the test, kept alive by
// the container the caller provides.
const CKyPropertyDescription* findRow(CKyPropertyBase* extension, const OdDbObject* object,
                                      CKyPropertiesContainerImpl& rows,
                                      const std::function<bool(const CKyPropertyDescription&)>& test)
{
  kyGatherPropertyRows(extension, object, rows);
  for (int i = 0; i < rows.GetCount(); ++i)
    if (test(*rows.GetAt(i)))
      return rows.GetAt(i);
  return nullptr;
}

bool byName(const CKyPropertyDescription& row, const CKyString& name)
{
  return row.GetName() == name;
}

bool byGuid(const CKyPropertyDescription& row, const CKyString& guid)
{
  return !guid.isEmpty() && row.GetType().GetGUID() == guid;
}
}

CKyString CKyPropertyPEImpl::GetClassName(const OdDbObject* object)
{
  if (!object)
    return CKyString();
  return CKyString(object->isA()->name());
}

void CKyPropertyPEImpl::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                         const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = CKyPropertiesContainerImpl::Active();
}

bool CKyPropertyPEImpl::GetPropertyByName(const OdDbObject* object, const CKyString& name, CKyVariant& value,
                                          const CKyVariant& context)
{
  CKyPropertiesContainerImpl rows;
  const CKyPropertyDescription* row =
    findRow(this, object, rows, [&name](const CKyPropertyDescription& d) { return byName(d, name); });
  if (!row)
    return false;
  value = row->GetValue(object, context);
  return true;
}

bool CKyPropertyPEImpl::GetPropertyByGUID(const OdDbObject* object, const CKyString& guid, CKyVariant& value,
                                          const CKyVariant& context)
{
  CKyPropertiesContainerImpl rows;
  const CKyPropertyDescription* row =
    findRow(this, object, rows, [&guid](const CKyPropertyDescription& d) { return byGuid(d, guid); });
  if (!row)
    return false;
  value = row->GetValue(object, context);
  return true;
}

int CKyPropertyPEImpl::SetPropertyByName(const OdDbObject* object, const CKyString& name, const CKyVariant& value,
                                         const CKyVariant& context)
{
  CKyPropertiesContainerImpl rows;
  const CKyPropertyDescription* row =
    findRow(this, object, rows, [&name](const CKyPropertyDescription& d) { return byName(d, name); });
  if (!row)
    return kPropertySetFailed;
  return row->SetValue(object, value, context);
}

int CKyPropertyPEImpl::SetPropertyByGUID(const OdDbObject* object, const CKyString& guid, const CKyVariant& value,
                                         const CKyVariant& context)
{
  CKyPropertiesContainerImpl rows;
  const CKyPropertyDescription* row =
    findRow(this, object, rows, [&guid](const CKyPropertyDescription& d) { return byGuid(d, guid); });
  if (!row)
    return kPropertySetFailed;
  return row->SetValue(object, value, context);
}

bool CKyPropertyPEImpl::IsReadOnlyTrue(const OdDbObject* object, const CKyPropertyDescription& description)
{
  return true;
}

bool CKyPropertyPEImpl::IsReadOnlyFalse(const OdDbObject* object, const CKyPropertyDescription& description)
{
  return false;
}
