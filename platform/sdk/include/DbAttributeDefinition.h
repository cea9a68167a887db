// OdDbAttributeDefinition: the template of an attribute inside a block definition. It is a
// single-line text (its string is the default value) with a tag, a prompt and mode flags, or a
// multiline one: then an embedded multiline text carries the layout (location, attachment,
// width) while the string stays the definition's own text string.
//
// Setters need write access; a refused value raises OdError and leaves the definition unchanged.
#ifndef OD_DB_ATTRIBUTE_DEFINITION_H
#define OD_DB_ATTRIBUTE_DEFINITION_H

#include "DbMText.h"
#include "DbText.h"

class OdDbAttributeDefinition : public OdDbText
{
public:
  ODRX_DECLARE_MEMBERS(OdDbAttributeDefinition);

  OdDbAttributeDefinition();

  OdString prompt() const;
  void setPrompt(const OdString& prompt);
  // The tag is stored as given; an empty tag or one with spaces or controls is refused.
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

  bool isMTextAttributeDefinition() const;
  // A copy of the embedded multiline text (its contents are the text string); null for a
  // single-line definition.
  OdDbMTextPtr getMTextAttributeDefinition() const;
  // Copies the multiline text in and makes the definition multiline; its contents become the
  // text string. A null pointer is refused.
  void setMTextAttributeDefinition(const OdDbMText* pMText);
  // true: builds the embedded multiline text from the single-line layout (at the position for
  // left/baseline text, else at the alignment point, with the nearest attachment); false: drops
  // it, keeping the text string. Converting into the form the definition already has does nothing.
  void convertIntoMTextAttributeDefinition(bool toMText = true);

  // Multiline definitions take their extents from the embedded text.
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;
  // The embedded multiline text follows the matrix too.
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  // The text's fields, then 3 prompt, 2 tag, 70 flags (1 invisible, 2 constant, 4 verify,
  // 8 preset), 280 lock position, and for multiline definitions the embedded text (as last set or
  // converted; code 1 carries the current string) after a 101 marker.
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  OdString m_prompt;
  OdString m_tag;
  bool flag(OdUInt8 bit) const;
  void setFlag(OdUInt8 bit, bool on);

  // 1 invisible, 2 constant, 4 verifiable, 8 preset.
  OdUInt8 m_flags = 0;
  bool m_lockPosition = false;
  OdDbMTextPtr m_pMText;
};

typedef OdSmartPtr<OdDbAttributeDefinition> OdDbAttributeDefinitionPtr;

#endif
