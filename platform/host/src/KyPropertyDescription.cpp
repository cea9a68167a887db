// CKyPropertyDescriptionImpl: dispatch to the row's accessors and the defaults when one is missing.
#include "KyPropertyDescription.h"

CKyVariant CKyPropertyDescriptionImpl::DoGroupedAction(const OdArray<OdDbObjectId>& ids, const CKyVariant& value,
                                                       const CKyVariant& context) const
{
  if (!m_groupAction)
    return CKyVariant();
  return m_groupAction(ids, *this, value, context);
}

CKyVariant CKyPropertyDescriptionImpl::GetValue(const OdDbObject* object, const CKyVariant& context) const
{
  if (!m_getter)
    return CKyVariant();
  return m_getter(object, *this, context);
}

int CKyPropertyDescriptionImpl::SetValue(const OdDbObject* object, const CKyVariant& value,
                                         const CKyVariant& context) const
{
  if (!m_setter)
    return kPropertySetFailed;
  return m_setter(object, *this, value, context);
}

bool CKyPropertyDescriptionImpl::IsReadOnly(const OdDbObject* object) const
{
  if (m_isReadOnly)
    return m_isReadOnly(object, *this);
  return m_setter == nullptr;
}

bool CKyPropertyDescriptionImpl::operator==(const CKyPropertyDescription& other) const
{
  if (this == &other)
    return true;
  return GetName() == other.GetName() && GetCategory() == other.GetCategory() &&
         GetDescription() == other.GetDescription() && GetType() == other.GetType() &&
         GetIcon() == other.GetIcon() && GetDarkIcon() == other.GetDarkIcon() &&
         GetLightIcon() == other.GetLightIcon() && IsDynamic() == other.IsDynamic() &&
         GetVisibility() == other.GetVisibility() && GetGetMethod() == other.GetGetMethod() &&
         GetSetMethod() == other.GetSetMethod() && GetIsReadOnlyMethod() == other.GetIsReadOnlyMethod() &&
         GetGroupActionMethod() == other.GetGroupActionMethod();
}
