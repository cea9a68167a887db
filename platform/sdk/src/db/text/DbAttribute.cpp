// OdDbAttribute: tag, mode flags and the optional embedded multiline text on top of the
// single-line text, filled from its definition by setAttributeFromBlock.
#include "DbAttribute.h"

#include "SdkRxMacros.h"
#include "db/DbInternal.h"
#include "DbAttributeDefinition.h"
#include "db/text/AttributeText.h"

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbAttribute, OdDbText, L"ATTRIB")

using namespace OdDbAttributeText;

OdDbAttribute::OdDbAttribute() = default;

OdString OdDbAttribute::tag() const
{
  assertReadEnabled();
  return m_tag;
}

void OdDbAttribute::setTag(const OdString& tag)
{
  assertWriteEnabled(false, false);
  checkTag(tag);
  assertWriteEnabled();
  m_tag = tag;
}

bool OdDbAttribute::flag(OdUInt8 bit) const
{
  assertReadEnabled();
  return (m_flags & bit) != 0;
}

void OdDbAttribute::setFlag(OdUInt8 bit, bool on)
{
  assertWriteEnabled();
  m_flags = static_cast<OdUInt8>(on ? (m_flags | bit) : (m_flags & ~bit));
}

bool OdDbAttribute::isInvisible() const { return flag(kInvisible); }
void OdDbAttribute::setInvisible(bool invisible) { setFlag(kInvisible, invisible); }
bool OdDbAttribute::isConstant() const { return flag(kConstant); }
void OdDbAttribute::setConstant(bool constant) { setFlag(kConstant, constant); }
bool OdDbAttribute::isVerifiable() const { return flag(kVerifiable); }
void OdDbAttribute::setVerifiable(bool verifiable) { setFlag(kVerifiable, verifiable); }
bool OdDbAttribute::isPreset() const { return flag(kPreset); }
void OdDbAttribute::setPreset(bool preset) { setFlag(kPreset, preset); }

bool OdDbAttribute::lockPositionInBlock() const
{
  assertReadEnabled();
  return m_lockPosition;
}

void OdDbAttribute::setLockPositionInBlock(bool locked)
{
  assertWriteEnabled();
  m_lockPosition = locked;
}

bool OdDbAttribute::isMTextAttribute() const
{
  assertReadEnabled();
  return !m_pMText.isNull();
}

OdDbMTextPtr OdDbAttribute::getMTextAttribute() const { return get(*this, m_pMText); }

void OdDbAttribute::setMTextAttribute(const OdDbMText* pMText) { set(*this, m_pMText, pMText); }

void OdDbAttribute::convertIntoMTextAttribute(bool toMText) { convert(*this, m_pMText, toMText); }

OdResult OdDbAttribute::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  return OdDbAttributeText::extents(*this, m_pMText, extents);
}

OdResult OdDbAttribute::transformBy(const OdGeMatrix3d& xform) { return transform(*this, m_pMText, xform); }

void OdDbAttribute::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbText::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(desc()->name());
  pFiler->wrString(2, m_tag);
  OdDbAttributeText::dxfOut(pFiler, m_flags, m_lockPosition, m_pMText.get());
}


void OdDbAttribute::copyFrom(const OdRxObject* pSource)
{
  OdDbText::copyFrom(pSource);
  const OdDbAttribute* pSrc = static_cast<const OdDbAttribute*>(pSource);
  if (pSrc == this)
    return;
  m_tag = pSrc->m_tag;
  m_flags = pSrc->m_flags;
  m_lockPosition = pSrc->m_lockPosition;
  m_pMText = deepCopy(pSrc->m_pMText);
}

OdResult OdDbAttribute::setAttributeFromBlock(const OdDbAttributeDefinition* pDefinition,
                                             const OdGeMatrix3d& blockTransform)
{
  assertWriteEnabled(false, false);
  if (!pDefinition)
    return eInvalidInput;
  // Fill and place a copy, so a transform that collapses the text changes nothing.
  OdDbAttributePtr pCopy = OdDbAttribute::cast(clone().get());
  OdDbAttributeText::copyText(*pDefinition, *pCopy);
  pCopy->m_tag = pDefinition->tag();
  pCopy->m_flags = static_cast<OdUInt8>((pDefinition->isInvisible() ? kInvisible : 0) |
                                        (pDefinition->isConstant() ? kConstant : 0) |
                                        (pDefinition->isVerifiable() ? kVerifiable : 0) |
                                        (pDefinition->isPreset() ? kPreset : 0));
  pCopy->m_lockPosition = pDefinition->lockPositionInBlock();
  pCopy->m_pMText = pDefinition->getMTextAttributeDefinition();
  if (pCopy->transformBy(blockTransform) != eOk)
    return eInvalidInput;
  assertWriteEnabled();
  copyFrom(pCopy.get());
  return eOk;
}
