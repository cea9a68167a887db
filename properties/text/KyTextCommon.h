// What single-line text and attribute definitions share: the fifteen justifications with their
// Justify list and setter, and the dynamic pass that types the style row, adds the annotation
// rows and renames the height row while the object is annotative.
#ifndef KY_TEXT_COMMON_H
#define KY_TEXT_COMMON_H

#include <QString>

#include "DbText.h"
#include "KyAnnotationRows.h"
#include "KyPrintInfoContext.h"
#include "KyPropertiesContainer.h"
#include "KyVariant.h"

// Index of the first justification with the text's modes; 0 when none has them.
int KyCurrentTextJustification(const OdDbText* text);
// Translated name of a justification ("Left", "Aligned", ...).
QString KyTextJustificationName(int index);
// The entry is "Aligned" or "Fit" (compared by translated name, as the setter does).
bool KyIsStretchedJustification(int index);
// The Justify list of the text (tag = index), its current entry chosen.
CKyVariant KyTextJustifyList(const OdDbText* text);
// The Justify setter of single-line text (object open for write): a list element, else -5001;
// unknown entries and the present one change nothing. A change the SDK refuses halfway leaves
// the text as it was and returns -5001.
int KySetTextJustify(const OdDbObject* object, const CKyVariant& value);

// The text kinds' dynamic pass: types "TextStyle" as a style row, then adds "Annotative" and, for
// annotative objects, "Annotative Scale", "Sheet text height" and "Match orientation to sheet",
// turning "Height" into a read-only "Model text height" (and back for objects not annotative).
void KyAddTextAnnotationRows(const OdDbObject* object, CKyPropertiesContainerImpl* container,
                             const KyAnnotationFamily& family);

// The height lines of a text kind's listing: "Sheet text height" and "Model text height" for an
// annotative object, else "height".
void KyPrintTextHeights(const OdDbObject* object, CKyPrintInfoContext* context, double height);

#endif
