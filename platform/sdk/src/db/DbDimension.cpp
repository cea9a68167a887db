// OdDbDimension: constraint state shared by every dimension.
#include "DbDimension.h"

#include "DbFiler.h"
#include "SdkRxMacros.h"

ODRX_SDK_DBOBJECT_NO_CONS_DEFINE_MEMBERS(OdDbDimension, OdDbEntity)

OdDbDimension::OdDbDimension() = default;

bool OdDbDimension::isConstraintDynamic() const
{
  assertReadEnabled();
  return m_constraintObject && m_constraintDynamic;
}

OdResult OdDbDimension::setConstraintDynamic(bool bDynamic)
{
  assertWriteEnabled();
  m_constraintDynamic = bDynamic;
  return eOk;
}

bool OdDbDimension::isConstraintObject() const
{
  assertReadEnabled();
  return m_constraintObject;
}

OdResult OdDbDimension::setConstraintObject(bool bConstraint)
{
  assertWriteEnabled();
  m_constraintObject = bConstraint;
  return eOk;
}

void OdDbDimension::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbEntity::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbDimension");
  pFiler->wrBool(290, m_constraintObject);
  pFiler->wrBool(291, m_constraintDynamic);
}

void OdDbDimension::copyFrom(const OdRxObject* pSource)
{
  OdDbEntity::copyFrom(pSource);
  const OdDbDimension* pSrc = static_cast<const OdDbDimension*>(pSource);
  m_constraintObject = pSrc->m_constraintObject;
  m_constraintDynamic = pSrc->m_constraintDynamic;
}
