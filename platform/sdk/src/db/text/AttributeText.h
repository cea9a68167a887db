// What attribute definitions and attributes share: tag rules, mode-flag bits, the embedded
// multiline text (built from, and turned back into, the single-line layout) and its DXF form.
#ifndef OD_DB_ATTRIBUTE_TEXT_H
#define OD_DB_ATTRIBUTE_TEXT_H

#include "DbFiler.h"
#include "DbMText.h"
#include "DbText.h"

namespace OdDbAttributeText
{
enum Flag
{
  kInvisible = 1,
  kConstant = 2,
  kVerifiable = 4,
  kPreset = 8
};

// eInvalidInput for an empty tag or one holding spaces or control characters.
void checkTag(const OdString& tag);

// The multiline text that shows the single-line text the same way: one line at the position
// (left, aligned and fit text) or at the alignment point with the nearest attachment.
OdDbMTextPtr fromText(const OdDbText& text);
// Places the single-line text where the multiline one was: its attachment gives the
// justification, its location the alignment point, its height and rotation the text's.
void toText(const OdDbMText& mtext, OdDbText& text);
// Copies the single-line text's own properties (not the entity's layer, colour and the like).
void copyText(const OdDbText& from, OdDbText& to);
// A non-resident copy with the contents replaced.
OdDbMTextPtr copy(const OdDbMText& mtext, const OdString& contents);

// The operations both classes expose on their embedded text (slot null: single-line).
OdDbMTextPtr get(const OdDbText& text, const OdDbMTextPtr& slot);
void set(OdDbText& text, OdDbMTextPtr& slot, const OdDbMText* pMText);
void convert(OdDbText& text, OdDbMTextPtr& slot, bool toMText);
OdResult extents(const OdDbText& text, const OdDbMTextPtr& slot, OdGeExtents3d& extents);
// The single-line text and the embedded one together, or neither.
OdResult transform(OdDbText& text, OdDbMTextPtr& slot, const OdGeMatrix3d& xform);
OdDbMTextPtr deepCopy(const OdDbMTextPtr& slot);

// 70 flags, 280 lock position, then (multiline only) the embedded text after its marker.
void dxfOut(OdDbDxfFiler* pFiler, OdUInt8 flags, bool lockPosition, const OdDbMText* pMText);
} // namespace OdDbAttributeText

#endif
