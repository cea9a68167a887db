// ATTDEF and ATTRIB: the single-line text codes of the "AcDbText" subclass, then the attribute's
// own subclass (280 version, 3 prompt, 2 tag, 70 flags, 73 field length, 74 vertical
// justification, 280 lock position) and, for multiline attributes, the multiline text embedded
// after "101 Embedded Object". The attribute subclass of some writers repeats text codes (older
// files) or reuses 71 and 72 for other purposes (later ones): its text codes count only where
// the text subclass left them out, and its 71 never does.
#include <algorithm>
#include <string>

#include "DbAttribute.h"
#include "DbAttributeDefinition.h"
#include "DxfReader.h"
#include "DxfWriter.h"

namespace kydxf
{
namespace
{
// Codes of the attribute's own values, wherever they stand (files without markers mix them
// with the text's).
bool isAttributeCode(int code)
{
  return code == 2 || code == 3 || code == 70 || code == 73 || code == 74 || code == 280;
}

// Text codes some writers put in the attribute subclass.
bool isLateTextCode(int code)
{
  static const int kCodes[] = {39, 41, 50, 51, 7, 72, 11, 21, 31, 210, 220, 230};
  return std::find(std::begin(kCodes), std::end(kCodes), code) != std::end(kCodes);
}

struct AttributeTags
{
  std::vector<const DxfTag*> text;
  std::vector<const DxfTag*> attribute;
  std::vector<const DxfTag*> embedded;
};

void splitAttributeTags(const std::vector<const DxfTag*>& body, std::string_view marker, AttributeTags& out)
{
  enum Part
  {
    kText,
    kAttribute,
    kEmbedded,
    kOther
  } part = kText;
  for (const DxfTag* t : body)
  {
    if (t->code == 100 && t->text == marker)
    {
      part = kAttribute;
      continue;
    }
    if (t->code == 101 && part != kText)
    {
      part = kEmbedded;
      continue;
    }
    if (t->code == 100 && part != kText)
    {
      part = part == kEmbedded ? kEmbedded : kOther;
      if (part == kOther)
        continue;
    }
    switch (part)
    {
    case kText:
      (isAttributeCode(t->code) ? out.attribute : out.text).push_back(t);
      break;
    case kAttribute:
      if (isAttributeCode(t->code))
        out.attribute.push_back(t);
      else if (isLateTextCode(t->code) &&
               std::none_of(out.text.begin(), out.text.end(), [&](const DxfTag* s) { return s->code == t->code; }))
        out.text.push_back(t);
      break;
    case kEmbedded:
      out.embedded.push_back(t);
      break;
    case kOther:
      break;
    }
  }
}

void setPrompt(OdDbAttributeDefinition* pDef, const OdString& prompt) { pDef->setPrompt(prompt); }
void setPrompt(OdDbAttribute*, const OdString&) {}
void setEmbedded(OdDbAttributeDefinition* pDef, const OdDbMText* pMText) { pDef->setMTextAttributeDefinition(pMText); }
void setEmbedded(OdDbAttribute* pAtt, const OdDbMText* pMText) { pAtt->setMTextAttribute(pMText); }
} // namespace

template <class Attribute>
void DxfReader::fillAttribute(Attribute* pAttribute, DxfEntityProps& props, const char* kind, std::string_view marker)
{
  const auto what = [kind](const char* field) { return std::string(kind) + " " + field; };
  AttributeTags tags;
  splitAttributeTags(m_parts.body, marker, tags);
  std::vector<const DxfTag*> body;
  body.swap(m_parts.body);
  m_parts.body = tags.text;
  fillText(pAttribute, props, kind);

  bool sawTag = false;
  for (const DxfTag* t : tags.attribute)
  {
    const int line = t->line + 1;
    switch (t->code)
    {
    case 2:
      sawTag = true;
      apply(line, what("tag").c_str(), [&] { pAttribute->setTag(text(*t)); });
      break;
    case 3: setPrompt(pAttribute, text(*t)); break;
    case 70:
      pAttribute->setInvisible((t->integer & 1) != 0);
      pAttribute->setConstant((t->integer & 2) != 0);
      pAttribute->setVerifiable((t->integer & 4) != 0);
      pAttribute->setPreset((t->integer & 8) != 0);
      break;
    case 74:
      apply(line, what("vertical justification").c_str(), [&] {
        pAttribute->setVerticalMode(
          enumValue<OdDb::TextVertMode>(t->integer, 0, 3, line, what("vertical justification").c_str()));
      });
      break;
    case 280:
      // The first 280 is the version of the subclass; the one after the tag locks the position.
      if (sawTag)
        pAttribute->setLockPositionInBlock(t->integer != 0);
      break;
    default: break; // 73: field length, unused
    }
  }
  if (!sawTag)
    repair(m_object.line, std::string(kind) + " without a tag (group code 2)", "read it with an empty tag");

  if (!tags.embedded.empty())
  {
    m_parts.body = tags.embedded;
    DxfEntityProps embeddedProps;
    embeddedProps.sawMarker = true;
    OdDbMTextPtr pMText = OdDbMText::createObject();
    fillMText(pMText, embeddedProps, what("embedded text").c_str());
    // Without contents of its own the embedded text shows the attribute's string.
    if (pMText->contents().isEmpty())
      pMText->setContents(pAttribute->textString());
    setEmbedded(pAttribute, pMText);
  }
  m_parts.body.swap(body);
}

OdDbEntityPtr DxfReader::readAttributeDefinition(DxfEntityProps& props)
{
  OdDbAttributeDefinitionPtr pDef = OdDbAttributeDefinition::createObject();
  fillAttribute(pDef.get(), props, "ATTDEF", "AcDbAttributeDefinition");
  return pDef;
}

OdDbAttributePtr DxfReader::readAttribute(DxfEntityProps& props)
{
  OdDbAttributePtr pAtt = OdDbAttribute::createObject();
  fillAttribute(pAtt.get(), props, "ATTRIB", "AcDbAttribute");
  return pAtt;
}

OdDbAttributePtr DxfReader::readNextAttribute()
{
  const DxfTag start = requireTag("an ATTRIB");
  readObject(start, m_object);
  if (start.code != 0 || start.text != "ATTRIB")
  {
    repair(start.line, "expected an ATTRIB, found '" + std::string(start.text) + "'", "passed over the object");
    return OdDbAttributePtr();
  }
  splitParts(m_object, m_parts);
  DxfEntityProps props;
  OdDbAttributePtr pAtt = readAttribute(props);
  applyEntityProps(pAtt, props, "ATTRIB");
  return pAtt;
}

namespace
{
// The attribute subclass: the version (from R2010), prompt, tag, flags, vertical justification,
// lock, and the embedded multiline text. It owns every code, so the embedded text of a changed
// object is written anew rather than patched.
template <class Attribute>
void attributeSubclass(const Attribute* pAttribute, const char* kind, const char* marker, const OdString* prompt,
                       const OdDbMText* pMText, DxfFields& out)
{
  out.subclassOwningAll(marker);
  if (out.version() >= kDxfR2010)
    out.integer(280, 0);
  if (prompt)
    out.text(3, *prompt);
  out.text(2, pAttribute->tag());
  const int flags = (pAttribute->isInvisible() ? 1 : 0) | (pAttribute->isConstant() ? 2 : 0) |
                    (pAttribute->isVerifiable() ? 4 : 0) | (pAttribute->isPreset() ? 8 : 0);
  out.integer(70, flags);
  if (pAttribute->verticalMode() != OdDb::kTextBase)
    out.integer(74, pAttribute->verticalMode());
  if (pAttribute->lockPositionInBlock())
    out.integer(280, 1);
  if (!pMText)
    return;
  out.raw(101, "Embedded Object");
  dxfMTextValues(pMText, kind, out);
}

void attributeDefinitionFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbAttributeDefinition* pDef = static_cast<const OdDbAttributeDefinition*>(pObj);
  entityFields(pDef, "ATTDEF", out);
  dxfTextSubclassFields(pDef, out);
  const OdString prompt = pDef->prompt();
  OdDbMTextPtr pMText = pDef->getMTextAttributeDefinition();
  attributeSubclass(pDef, "ATTDEF", "AcDbAttributeDefinition", &prompt, pMText.get(), out);
  dxfXDataFields(pDef, "ATTDEF", out);
}

void attributeFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbAttribute* pAtt = static_cast<const OdDbAttribute*>(pObj);
  entityFields(pAtt, "ATTRIB", out);
  dxfTextSubclassFields(pAtt, out);
  OdDbMTextPtr pMText = pAtt->getMTextAttribute();
  attributeSubclass(pAtt, "ATTRIB", "AcDbAttribute", nullptr, pMText.get(), out);
  dxfXDataFields(pAtt, "ATTRIB", out);
}

const DxfKindWriter kAttributeDefinitionWriter{"ATTDEF", &OdDbAttributeDefinition::desc, &attributeDefinitionFields};
const DxfKindWriter kAttributeWriter{"ATTRIB", &OdDbAttribute::desc, &attributeFields};
const DxfKindWriters kAttributeWriters{&kAttributeDefinitionWriter, &kAttributeWriter};
} // namespace
} // namespace kydxf
