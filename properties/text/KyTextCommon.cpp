// Justifications of single-line text and the text kinds' annotation pass.
#include "KyTextCommon.h"

#include <utility>

#include <QCoreApplication>

#include "KyAccessors.h"
#include "KyListing.h"
#include "KyObjectAnnotationContext.h"
#include "KyPropertyPEImpl.h"
#include "KyTexts.h"

namespace
{
// The fifteen justifications; a list element's tag is the entry's index.
struct Justification
{
  const char* name;
  OdDb::TextHorzMode horizontal;
  OdDb::TextVertMode vertical;
};
const Justification kJustifications[] = {
  {QT_TRANSLATE_NOOP("property_values", "Left"), OdDb::kTextLeft, OdDb::kTextBase},
  {QT_TRANSLATE_NOOP("property_values", "Center"), OdDb::kTextCenter, OdDb::kTextBase},
  {QT_TRANSLATE_NOOP("property_values", "Right"), OdDb::kTextRight, OdDb::kTextBase},
  {QT_TRANSLATE_NOOP("property_values", "Aligned"), OdDb::kTextAlign, OdDb::kTextBase},
  {QT_TRANSLATE_NOOP("property_values", "Middle"), OdDb::kTextMid, OdDb::kTextBase},
  {QT_TRANSLATE_NOOP("property_values", "Fit"), OdDb::kTextFit, OdDb::kTextBase},
  {QT_TRANSLATE_NOOP("property_values", "Top Left"), OdDb::kTextLeft, OdDb::kTextTop},
  {QT_TRANSLATE_NOOP("property_values", "Top Center"), OdDb::kTextCenter, OdDb::kTextTop},
  {QT_TRANSLATE_NOOP("property_values", "Top Right"), OdDb::kTextRight, OdDb::kTextTop},
  {QT_TRANSLATE_NOOP("property_values", "Middle Left"), OdDb::kTextLeft, OdDb::kTextVertMid},
  {QT_TRANSLATE_NOOP("property_values", "Middle Center"), OdDb::kTextCenter, OdDb::kTextVertMid},
  {QT_TRANSLATE_NOOP("property_values", "Middle Right"), OdDb::kTextRight, OdDb::kTextVertMid},
  {QT_TRANSLATE_NOOP("property_values", "Bottom Left"), OdDb::kTextLeft, OdDb::kTextBottom},
  {QT_TRANSLATE_NOOP("property_values", "Bottom Center"), OdDb::kTextCenter, OdDb::kTextBottom},
  {QT_TRANSLATE_NOOP("property_values", "Bottom Right"), OdDb::kTextRight, OdDb::kTextBottom},
};
constexpr int kJustificationCount = static_cast<int>(sizeof(kJustifications) / sizeof(kJustifications[0]));
constexpr int kLeft = 0;
constexpr int kAligned = 3;
constexpr int kFit = 5;

// The list of every justification (tag = index), `current` chosen.
CKyVariant justificationList(const void*, int count, int current)
{
  CKyVariantCollection list;
  list.Reserve(count);
  for (int i = 0; i < count; ++i)
  {
    const CKyVariant tag(i);
    const CKyVariant name(KyTr("property_values", kJustifications[i].name));
    list.Add(tag, name);
  }
  list.SetCurrentIndex(current);
  return CKyVariant(std::move(list));
}

QString justificationName(int index)
{
  return KyTr("property_values", kJustifications[index].name);
}

// Index of the first entry with the text's modes; 0 when none has them.
int currentJustification(const OdDbText* text)
{
  const OdDb::TextHorzMode horizontal = text->horizontalMode();
  const OdDb::TextVertMode vertical = text->verticalMode();
  for (int i = 0; i < kJustificationCount; ++i)
    if (kJustifications[i].horizontal == horizontal && kJustifications[i].vertical == vertical)
      return i;
  return 0;
}

bool annotative(const OdDbObject* object)
{
  return CKyObjectAnnotationContext::IsAnnotative(object->objectId());
}

// A justification change when the modes differ from the wanted entry's. Entries are told apart
// by their translated names. Leaving "Aligned" or "Fit" first resets what those justifications
// had derived (rotation and height or width factor); "Aligned" and "Fit" stretch the text from
// its insertion point to the end of its present box.
int changeJustification(const OdDbObject* object, OdDbText* text, int wanted)
{
  const Justification& entry = kJustifications[wanted];
  const QString current = justificationName(currentJustification(text));
  const QString target = justificationName(wanted);
  const bool fromAligned = current == justificationName(kAligned);
  const bool fromFit = current == justificationName(kFit);
  if (fromAligned)
  {
    text->setRotation(0.0);
    text->setHeight(1.0);
  }
  if (fromFit)
  {
    text->setRotation(0.0);
    text->setWidthFactor(1.0);
  }
  if (target == justificationName(kLeft) && !fromAligned && !fromFit)
    text->setPosition(text->alignmentPoint());

  if (target == justificationName(kAligned) || target == justificationName(kFit))
  {
    if (annotative(object))
      return kKyRefused;
    const OdGePoint3d position = text->position();
    OdGePoint3dArray bounds;
    text->getBoundingPoints(bounds);
    text->setAlignmentPoint(OdGePoint3d(bounds[1].x, position.y, position.z));
    text->setHorizontalMode(entry.horizontal);
    text->setVerticalMode(OdDb::kTextBase);
    text->adjustAlignment();
    return kKyAccepted;
  }

  if (current == justificationName(kLeft))
    text->setAlignmentPoint(text->position());
  text->setHorizontalMode(entry.horizontal);
  text->setVerticalMode(entry.vertical);
  return kKyAccepted;
}

const KyText kStyleName{"property_types", "TextStyle"};
const KyText kHeightName{"property_types", "Height"};
} // namespace

int KyCurrentTextJustification(const OdDbText* text)
{
  return currentJustification(text);
}

QString KyTextJustificationName(int index)
{
  return justificationName(index);
}

bool KyIsStretchedJustification(int index)
{
  const QString name = justificationName(index);
  return name == justificationName(kAligned) || name == justificationName(kFit);
}

CKyVariant KyTextJustifyList(const OdDbText* text)
{
  return KyChoiceListOf(kJustifications, kJustificationCount, currentJustification(text), &justificationList);
}

int KySetTextJustify(const OdDbObject* object, const CKyVariant& value)
{
  const KyOpened<OdDbText> text = KyForWrite<OdDbText>(object);
  int wanted = 0;
  if (text.isNull() || !KyChosenCode(value, wanted))
    return kKyRefused;
  if (wanted < 0 || wanted >= kJustificationCount)
    return kKyAccepted;
  const Justification& entry = kJustifications[wanted];
  if (text->horizontalMode() == entry.horizontal && text->verticalMode() == entry.vertical)
    return kKyAccepted;
  // The change writes several values in turn. When the SDK refuses one of them (a text so large
  // that its fitted width or aligned height overflows), the text gets its earlier state back.
  const OdRxObjectPtr before = text->clone();
  try
  {
    return changeJustification(object, text.get(), wanted);
  }
  catch (const OdError&)
  {
    text->copyFrom(before.get());
    return kKyRefused;
  }
}

void KyAddTextAnnotationRows(const OdDbObject* object, CKyPropertiesContainerImpl* container,
                             const KyAnnotationFamily& family)
{
  if (!container)
    return;
  static KyListedRowFinder styleRow, heightRow;
  if (CKyPropertyDescription* style = styleRow.find(container, kStyleName.get(), kKyTextGroup.get()))
    style->SetType(CKyPropertyTypeImpl(CKyVariant::kObjectId, CKyPropertyType::kTextStyleGUID));

  if (!object || !annotative(object))
  {
    KyRenameListedRow(container, heightRow, kKyTextGroup, kKyModelTextHeightName, kHeightName,
                      &CKyPropertyPEImpl::IsReadOnlyFalse, "Text", "Height");
    const KyAnnotationRow* const rows[] = {&kKyAnnotativeRow};
    KyAddAnnotationRows(container, family, rows);
    return;
  }
  KyRenameListedRow(container, heightRow, kKyTextGroup, kHeightName, kKyModelTextHeightName,
                    &CKyPropertyPEImpl::IsReadOnlyTrue, "Text", "model_text_height");
  const KyAnnotationRow* const rows[] = {&kKyAnnotativeRow, &kKyAnnotativeScaleRow, &kKySheetTextHeightRow,
                                         &kKyMatchOrientationRow};
  KyAddAnnotationRows(container, family, rows);
}

void KyPrintTextHeights(const OdDbObject* object, CKyPrintInfoContext* context, double height)
{
  if (annotative(object))
  {
    context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Sheet text height")),
                       KySheetSize(height, KyAnnotationScaleFactor(object)));
    context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Model text height")), height);
  }
  else
    context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "height")), height);
}
