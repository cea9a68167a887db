// The host's dynamic-block service: thin wrappers over the SDK's dynamic-block reference, its
// properties and parameters.
#include "KyModuleDynBlocks.h"

#include "DbObject.h"
#include "KyReadScopeMemo.h"


CKyModuleDynBlocks& CKyModuleDynBlocks::instance()
{
  static CKyModuleDynBlocks service;
  return service;
}

CKyModuleDynBlocks::DynBlockReference CKyModuleDynBlocks::DbDynBlockReference_wrapper(
  const OdDbBlockReference* pReference) const
{
  return DynBlockReference(pReference);
}

CKyModuleDynBlocks::DynBlockReferenceProperty CKyModuleDynBlocks::DbDynBlockReferenceProperty_wrapper(
  const OdDbDynBlockReferenceProperty& property) const
{
  return DynBlockReferenceProperty(property);
}

CKyModuleDynBlocks::BlockParameter CKyModuleDynBlocks::DbBlockParameter_wrapper(const OdDbObjectPtr& parameter) const
{
  return BlockParameter(parameter);
}

CKyModuleDynBlocks::BlockFlipParameter CKyModuleDynBlocks::DbBlockFlipParameter_wrapper() const
{
  return BlockFlipParameter();
}

// ---- DynBlockReference ----

CKyModuleDynBlocks::DynBlockReference::DynBlockReference(const OdDbBlockReference* pReference)
  : m_reference(pReference)
{
}

bool CKyModuleDynBlocks::DynBlockReference::isDynamicBlock() const
{
  if (kyReadScopeFor(m_reference.blockId()))
  {
    OdDbDynBlockReferencePropertyArray properties;
    getBlockProperties(properties);
    return !properties.isEmpty();
  }
  return m_reference.isDynamicBlock();
}

void CKyModuleDynBlocks::DynBlockReference::getBlockProperties(OdDbDynBlockReferencePropertyArray& properties) const
{
  // Every dynamic row of the reference asks for the list while the palette reads its rows: it is
  // found once per read scope (each property reads its value afresh).
  KyReadScopeMemo* memo = kyReadScopeFor(m_reference.blockId());
  if (memo && memo->dynamicProperties)
  {
    properties = *memo->dynamicProperties;
    return;
  }
  // Empty for a reference whose block is not dynamic.
  m_reference.getBlockProperties(properties);
  if (memo)
    memo->dynamicProperties = properties;
}

// ---- DynBlockReferenceProperty ----

CKyModuleDynBlocks::DynBlockReferenceProperty::DynBlockReferenceProperty(const OdDbDynBlockReferenceProperty& property)
  : m_property(property)
{
}

OdString CKyModuleDynBlocks::DynBlockReferenceProperty::propertyName() const
{
  return m_property.propertyName();
}

bool CKyModuleDynBlocks::DynBlockReferenceProperty::show() const
{
  return m_property.show();
}

OdString CKyModuleDynBlocks::DynBlockReferenceProperty::description() const
{
  return m_property.description();
}

int CKyModuleDynBlocks::DynBlockReferenceProperty::unitsType() const
{
  return m_property.unitsType();
}

bool CKyModuleDynBlocks::DynBlockReferenceProperty::readOnly() const
{
  return m_property.readOnly();
}

OdResBufPtr CKyModuleDynBlocks::DynBlockReferenceProperty::value() const
{
  return m_property.value();
}

void CKyModuleDynBlocks::DynBlockReferenceProperty::getAllowedValues(OdResBufArray& values) const
{
  m_property.getAllowedValues(values);
}

bool CKyModuleDynBlocks::DynBlockReferenceProperty::setValue(const OdResBuf* value)
{
  return m_property.setValue(value);
}

OdDbObjectPtr CKyModuleDynBlocks::DynBlockReferenceProperty::getBlockParameter() const
{
  return OdDbObjectPtr(m_property.getBlockParameter().get());
}

// ---- BlockParameter ----

CKyModuleDynBlocks::BlockParameter::BlockParameter(const OdDbObjectPtr& parameter)
  : m_parameter(parameter)
{
}

bool CKyModuleDynBlocks::BlockParameter::isKindOf(const BlockFlipParameter& flip) const
{
  return !m_parameter.isNull() && m_parameter->isKindOf(flip.desc());
}

OdRxClass* CKyModuleDynBlocks::BlockFlipParameter::desc() const
{
  return OdDbBlockFlipParameter::desc();
}
