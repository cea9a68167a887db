// OdDbAttribute: an attribute placed on a block reference. Like its definition it is a
// single-line text with a tag and mode flags, or a multiline one with an embedded multiline
// text; its string is the attribute's value. setAttributeFromBlock fills it from a definition
// and places it with the reference's transform.
//
// Setters need write access; a refused value raises OdError and leaves the attribute unchanged.
#ifndef OD_DB_ATTRIBUTE_H
#define OD_DB_ATTRIBUTE_H

#include "DbMText.h"
#include "DbText.h"
#include "Ge/GeMatrix3d.h"

class OdDbAttributeDefinition;

class OdDbAttribute : public OdDbText
{
public:
  ODRX_DECLARE_MEMBERS(OdDbAttribute);

  OdDbAttribute();

  // Empty tags and tags with spaces or controls are refused.
  OdString tag() const;
  void setTag(const OdString& tag);

  bool isInvisible() const;
  void setInvisible(bool invisible);
  bool isConstant() const;
  void setConstant(bool constant);
  bool isVerifiable() const;
  void setVerifiable(bool verifiable);
  bool isPreset() const;
  void setPreset(bool preset);
  bool lockPositionInBlock() const;
  void setLockPositionInBlock(bool locked);

  bool isMTextAttribute() const;
  // A copy of the embedded multiline text (contents are the text string); null when single-line.
  OdDbMTextPtr getMTextAttribute() const;
  // Copies the multiline text in; a null pointer is refused.
  void setMTextAttribute(const OdDbMText* pMText);
  void convertIntoMTextAttribute(bool toMText = true);

  // Takes the definition's text properties, tag, flags and multiline text, its default value
  // as the value, and places the result by the block transform. Ownership, layer and colour
  // stay the attribute's. eInvalidInput (nothing changed) for a null definition or a transform
  // that collapses the text.
  OdResult setAttributeFromBlock(const OdDbAttributeDefinition* pDefinition, const OdGeMatrix3d& blockTransform);

  OdResult getGeomExtents(OdGeExtents3d& extents) const override;
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  // The text's fields, then 2 tag, 70 flags, 280 lock position, and for multiline attributes
  // the embedded text (as last set or converted) after a 101 marker.
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  OdString m_tag;
  bool flag(OdUInt8 bit) const;
  void setFlag(OdUInt8 bit, bool on);

  // 1 invisible, 2 constant, 4 verifiable, 8 preset.
  OdUInt8 m_flags = 0;
  bool m_lockPosition = false;
  OdDbMTextPtr m_pMText;
};

typedef OdSmartPtr<OdDbAttribute> OdDbAttributePtr;

#endif
