// Shared parts of attribute definitions and attributes.
#include "db/text/AttributeText.h"

#include "OdError.h"

namespace OdDbAttributeText
{
void checkTag(const OdString& tag)
{
  if (tag.isEmpty())
    throw OdError(eInvalidInput);
  for (int i = 0; i < tag.getLength(); ++i)
    if (tag[i] <= L' ')
      throw OdError(eInvalidInput);
}

namespace
{
OdDbMText::AttachmentPoint attachmentOf(OdDb::TextHorzMode horizontal, OdDb::TextVertMode vertical)
{
  if (horizontal == OdDb::kTextMid)
    return OdDbMText::kMiddleCenter;
  int column = 0;
  if (horizontal == OdDb::kTextCenter)
    column = 1;
  else if (horizontal == OdDb::kTextRight)
    column = 2;
  int row = 2;
  if (vertical == OdDb::kTextTop)
    row = 0;
  else if (vertical == OdDb::kTextVertMid)
    row = 1;
  return static_cast<OdDbMText::AttachmentPoint>(row * 3 + column + 1);
}
} // namespace

OdDbMTextPtr fromText(const OdDbText& text)
{
  OdDbMTextPtr pMText = OdDbMText::createObject();
  const OdDb::TextHorzMode horizontal = text.horizontalMode();
  const bool atPosition = text.isDefaultAlignment() || horizontal == OdDb::kTextAlign || horizontal == OdDb::kTextFit;
  pMText->setNormal(text.normal());
  pMText->setRotation(text.rotation());
  pMText->setTextHeight(text.height());
  pMText->setTextStyle(text.textStyle());
  pMText->setContents(text.textString());
  if (atPosition)
  {
    pMText->setAttachment(OdDbMText::kBottomLeft);
    pMText->setLocation(text.position());
  }
  else
  {
    pMText->setAttachment(attachmentOf(horizontal, text.verticalMode()));
    pMText->setLocation(text.alignmentPoint());
  }
  return pMText;
}

void toText(const OdDbMText& mtext, OdDbText& text)
{
  static const OdDb::TextHorzMode kColumns[] = {OdDb::kTextLeft, OdDb::kTextCenter, OdDb::kTextRight};
  static const OdDb::TextVertMode kRows[] = {OdDb::kTextTop, OdDb::kTextVertMid, OdDb::kTextBottom};
  const int index = static_cast<int>(mtext.attachment()) - 1;
  const OdDb::TextHorzMode horizontal = kColumns[index % 3];
  const OdDb::TextVertMode vertical = kRows[index / 3];
  text.setNormal(mtext.normal());
  text.setRotation(mtext.rotation());
  text.setHeight(mtext.textHeight());
  text.setHorizontalMode(horizontal);
  text.setVerticalMode(vertical);
  text.setAlignmentPoint(mtext.location());
  text.setPosition(mtext.location());
  text.adjustAlignment();
}

void copyText(const OdDbText& from, OdDbText& to)
{
  to.setNormal(from.normal());
  to.setPosition(from.position());
  to.setAlignmentPoint(from.alignmentPoint());
  to.setHorizontalMode(from.horizontalMode());
  to.setVerticalMode(from.verticalMode());
  to.setHeight(from.height());
  to.setRotation(from.rotation());
  to.setWidthFactor(from.widthFactor());
  to.setOblique(from.oblique());
  to.setThickness(from.thickness());
  to.setTextString(from.textString());
  to.setTextStyle(from.textStyle());
  to.mirrorInX(from.isMirroredInX());
  to.mirrorInY(from.isMirroredInY());
}

OdDbMTextPtr copy(const OdDbMText& mtext, const OdString& contents)
{
  OdDbMTextPtr pCopy = OdDbMText::cast(mtext.clone().get());
  pCopy->setContents(contents);
  return pCopy;
}

OdDbMTextPtr get(const OdDbText& text, const OdDbMTextPtr& slot)
{
  text.assertReadEnabled();
  if (slot.isNull())
    return OdDbMTextPtr();
  return copy(*slot, text.textString());
}

void set(OdDbText& text, OdDbMTextPtr& slot, const OdDbMText* pMText)
{
  text.assertWriteEnabled(false, false);
  if (!pMText)
    throw OdError(eNullObjectPointer);
  OdDbMTextPtr pCopy = copy(*pMText, pMText->contents());
  text.assertWriteEnabled();
  slot = pCopy;
  text.setTextString(pMText->contents());
}

void convert(OdDbText& text, OdDbMTextPtr& slot, bool toMText)
{
  text.assertWriteEnabled(false, false);
  if (toMText == !slot.isNull())
    return;
  if (toMText)
  {
    OdDbMTextPtr pMText = fromText(text);
    text.assertWriteEnabled();
    slot = pMText;
    return;
  }
  // The embedded text's values are valid text values, so the layout cannot be refused halfway.
  text.assertWriteEnabled();
  toText(*slot, text);
  slot = OdDbMTextPtr();
}

OdResult extents(const OdDbText& text, const OdDbMTextPtr& slot, OdGeExtents3d& extents)
{
  if (slot.isNull())
    return text.OdDbText::getGeomExtents(extents);
  return get(text, slot)->getGeomExtents(extents);
}

OdResult transform(OdDbText& text, OdDbMTextPtr& slot, const OdGeMatrix3d& xform)
{
  text.assertWriteEnabled(false, false);
  OdDbMTextPtr pMText = deepCopy(slot);
  if (!pMText.isNull() && pMText->transformBy(xform) != eOk)
    return eInvalidInput;
  const OdResult result = text.OdDbText::transformBy(xform);
  if (result == eOk && !pMText.isNull())
    slot = pMText;
  return result;
}

OdDbMTextPtr deepCopy(const OdDbMTextPtr& slot)
{
  return slot.isNull() ? OdDbMTextPtr() : copy(*slot, slot->contents());
}

void dxfOut(OdDbDxfFiler* pFiler, OdUInt8 flags, bool lockPosition, const OdDbMText* pMText)
{
  pFiler->wrInt16(70, flags);
  pFiler->wrBool(280, lockPosition);
  if (!pMText)
    return;
  pFiler->wrEmbeddedObjectStart();
  pMText->dxfOutFields(pFiler);
}
} // namespace OdDbAttributeText
