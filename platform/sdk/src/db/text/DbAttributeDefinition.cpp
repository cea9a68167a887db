// OdDbAttributeDefinition: tag, prompt, mode flags and the optional embedded multiline text on
// top of the single-line text.
#include "DbAttributeDefinition.h"

#include "SdkRxMacros.h"
#include "db/DbInternal.h"
#include "db/text/AttributeText.h"

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbAttributeDefinition, OdDbText, L"ATTDEF")

using namespace OdDbAttributeText;

OdDbAttributeDefinition::OdDbAttributeDefinition() = default;

OdString OdDbAttributeDefinition::prompt() const
{
  assertReadEnabled();
  return m_prompt;
}

void OdDbAttributeDefinition::setPrompt(const OdString& prompt)
{
  assertWriteEnabled();
  m_prompt = prompt;
}

OdString OdDbAttributeDefinition::tag() const
{
  assertReadEnabled();
  return m_tag;
}

void OdDbAttributeDefinition::setTag(const OdString& tag)
{
  assertWriteEnabled(false, false);
  checkTag(tag);
  assertWriteEnabled();
  m_tag = tag;
}

bool OdDbAttributeDefinition::flag(OdUInt8 bit) const
{
  assertReadEnabled();
  return (m_flags & bit) != 0;
}

void OdDbAttributeDefinition::setFlag(OdUInt8 bit, bool on)
{
  assertWriteEnabled();
  m_flags = static_cast<OdUInt8>(on ? (m_flags | bit) : (m_flags & ~bit));
}

bool OdDbAttributeDefinition::isInvisible() const { return flag(kInvisible); }
void OdDbAttributeDefinition::setInvisible(bool invisible) { setFlag(kInvisible, invisible); }
bool OdDbAttributeDefinition::isConstant() const { return flag(kConstant); }
void OdDbAttributeDefinition::setConstant(bool constant) { setFlag(kConstant, constant); }
bool OdDbAttributeDefinition::isVerifiable() const { return flag(kVerifiable); }
void OdDbAttributeDefinition::setVerifiable(bool verifiable) { setFlag(kVerifiable, verifiable); }
bool OdDbAttributeDefinition::isPreset() const { return flag(kPreset); }
void OdDbAttributeDefinition::setPreset(bool preset) { setFlag(kPreset, preset); }

bool OdDbAttributeDefinition::lockPositionInBlock() const
{
  assertReadEnabled();
  return m_lockPosition;
}

void OdDbAttributeDefinition::setLockPositionInBlock(bool locked)
{
  assertWriteEnabled();
  m_lockPosition = locked;
}

bool OdDbAttributeDefinition::isMTextAttributeDefinition() const
{
  assertReadEnabled();
  return !m_pMText.isNull();
}

OdDbMTextPtr OdDbAttributeDefinition::getMTextAttributeDefinition() const { return get(*this, m_pMText); }

void OdDbAttributeDefinition::setMTextAttributeDefinition(const OdDbMText* pMText) { set(*this, m_pMText, pMText); }

void OdDbAttributeDefinition::convertIntoMTextAttributeDefinition(bool toMText) { convert(*this, m_pMText, toMText); }

OdResult OdDbAttributeDefinition::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  return OdDbAttributeText::extents(*this, m_pMText, extents);
}

OdResult OdDbAttributeDefinition::transformBy(const OdGeMatrix3d& xform) { return transform(*this, m_pMText, xform); }

void OdDbAttributeDefinition::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbText::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(desc()->name());
  pFiler->wrString(3, m_prompt);
  pFiler->wrString(2, m_tag);
  OdDbAttributeText::dxfOut(pFiler, m_flags, m_lockPosition, m_pMText.get());
}


void OdDbAttributeDefinition::copyFrom(const OdRxObject* pSource)
{
  OdDbText::copyFrom(pSource);
  const OdDbAttributeDefinition* pSrc = static_cast<const OdDbAttributeDefinition*>(pSource);
  if (pSrc == this)
    return;
  m_prompt = pSrc->m_prompt;
  m_tag = pSrc->m_tag;
  m_flags = pSrc->m_flags;
  m_lockPosition = pSrc->m_lockPosition;
  m_pMText = deepCopy(pSrc->m_pMText);
}
