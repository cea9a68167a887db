// Single-line text rows, per-object annotation rows and listing.
#include "KyTextPE.h"

#include <utility>

#include <QCoreApplication>

#include "DbMText.h"
#include "DbText.h"
#include "DbTextStyleTableRecord.h"
#include "Ge/GeGbl.h"
#include "KyAccessors.h"
#include "KyAnnotationRows.h"
#include "KyFieldHelper.h"
#include "KyListing.h"
#include "KyMatchPropHelper.h"
#include "KyObjectAnnotationContext.h"
#include "RxObjectImpl.h"
#include "KyTextCommon.h"
#include "KyTexts.h"

ODRX_CONS_DEFINE_MEMBERS(CKyTextPE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyTextPE::s_Names;

namespace
{
constexpr const char* kText = kKyTextGroupKey;
constexpr const char* kGeometry = QT_TRANSLATE_NOOP("property_groups", "Geometry");
constexpr const char* kMisc = QT_TRANSLATE_NOOP("property_groups", "Misc");

constexpr const char* kStyleKey = QT_TRANSLATE_NOOP("property_types", "TextStyle");
constexpr const char* kHeightKey = QT_TRANSLATE_NOOP("property_types", "Height");

const KyPropertyRow kRows[] = {
  {QT_TRANSLATE_NOOP("property_groups", "General"), QT_TRANSLATE_NOOP("property_types", "Thickness"),
   CKyVariant::kEmpty, nullptr, &CKyTextPE::GetThickness, &CKyTextPE::SetThickness,
   &CKyPropertyPEImpl::IsReadOnlyFalse, nullptr, kKyRowMatchProp},
  {kText, QT_TRANSLATE_NOOP("property_types", "Contents"), CKyVariant::kEmpty, nullptr, &CKyTextPE::GetContents,
   &CKyTextPE::SetContents, &CKyPropertyPEImpl::IsReadOnlyFalse, "ContentsSimple"},
  // Typed as a text style row by the dynamic pass.
  {kText, kStyleKey, CKyVariant::kEmpty, nullptr, &CKyTextPE::GetStyle, &CKyTextPE::SetStyle,
   &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kText, QT_TRANSLATE_NOOP("property_types", "Justify"), CKyVariant::kEmpty, nullptr, &CKyTextPE::GetJustify,
   &CKyTextPE::SetJustify, &CKyPropertyPEImpl::IsReadOnlyFalse},
  // Renamed "Model text height" (read-only) for annotative texts by the dynamic pass.
  {kText, kHeightKey, CKyVariant::kEmpty, nullptr, &CKyTextPE::GetHeight, &CKyTextPE::SetHeight,
   &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kText, QT_TRANSLATE_NOOP("property_types", "Rotation"), CKyVariant::kDouble, &CKyPropertyType::kAngleGUID,
   &CKyTextPE::GetRotation, &CKyTextPE::SetRotation, &CKyTextPE::IsRotationReadOnly},
  {kText, QT_TRANSLATE_NOOP("property_types", "Spacing"), CKyVariant::kEmpty, nullptr, &CKyTextPE::GetWidthFactor,
   &CKyTextPE::SetWidthFactor, &CKyPropertyPEImpl::IsReadOnlyFalse, "WidthFactor"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Angle"), CKyVariant::kDouble, &CKyPropertyType::kAngleGUID,
   &CKyTextPE::GetObliquing, &CKyTextPE::SetObliquing, &CKyPropertyPEImpl::IsReadOnlyFalse, "Obliquing"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Text alignment X"), CKyVariant::kEmpty, nullptr,
   &CKyTextPE::GetTextAligmentX, &CKyTextPE::SetTextAligmentX, &CKyTextPE::IsTextAligmentXReadOnly,
   "TextAlignmentX"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Text alignment Y"), CKyVariant::kEmpty, nullptr,
   &CKyTextPE::GetTextAligmentY, &CKyTextPE::SetTextAligmentY, &CKyTextPE::IsTextAligmentXReadOnly,
   "TextAlignmentY"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Text alignment Z"), CKyVariant::kEmpty, nullptr,
   &CKyTextPE::GetTextAligmentZ, &CKyTextPE::SetTextAligmentZ, &CKyTextPE::IsTextAligmentXReadOnly,
   "TextAlignmentZ"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position X"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateXGUID, &CKyTextPE::GetPositionX, &CKyTextPE::SetPositionX,
   &CKyTextPE::IsPositionXReadOnly, "CoordinateX"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position Y"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateYGUID, &CKyTextPE::GetPositionY, &CKyTextPE::SetPositionY,
   &CKyTextPE::IsPositionXReadOnly, "CoordinateY"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position Z"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateZGUID, &CKyTextPE::GetPositionZ, &CKyTextPE::SetPositionZ,
   &CKyTextPE::IsPositionXReadOnly, "CoordinateZ"},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "UpsideDown"), CKyVariant::kEmpty, nullptr, &CKyTextPE::GetUpsideDown,
   &CKyTextPE::SetUpsideDown, &CKyTextPE::IsUpsideDownReadOnly},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Backward"), CKyVariant::kEmpty, nullptr, &CKyTextPE::GetBackward,
   &CKyTextPE::SetBackward, &CKyTextPE::IsBackwardReadOnly},
};

const KyMatchPropCarrier kCarrier = {"MATCHPROP_Text", &CKyTextPE::GetMATCHPROP_Text, &CKyTextPE::SetMATCHPROP_Text};

// The rotation as stored, normalised to a non-negative angle.
double nonNegative(double angle)
{
  return angle < 0.0 ? angle + Oda2PI : angle;
}

OdDbTextStyleTableRecordPtr styleOf(const OdDbText* text)
{
  return OdDbTextStyleTableRecord::cast(text->textStyle().openObject().get());
}

bool annotative(const OdDbObject* object, bool* flag = nullptr)
{
  return CKyObjectAnnotationContext::IsAnnotative(object->objectId(), flag);
}

// A Yes/No list element as the palette hands it to a setter.
CKyVariant yesNoChoice(bool yes)
{
  return CKyVariant(CKyVariantCollectionElement(CKyVariant(yes ? 1 : 0), CKyVariant()));
}

CKyVariant positionComponent(const OdDbObject* object, KyAxis axis)
{
  const KyOpened<OdDbText> text = KyForRead<OdDbText>(object);
  return text.isNull() ? CKyVariant() : KyUcsComponent(object, text->position(), axis);
}

CKyVariant alignmentComponent(const OdDbObject* object, KyAxis axis)
{
  const KyOpened<OdDbText> text = KyForRead<OdDbText>(object);
  return text.isNull() ? CKyVariant() : KyUcsComponent(object, text->alignmentPoint(), axis);
}

int setPositionComponent(const OdDbObject* object, KyAxis axis, const CKyVariant& value)
{
  const KyOpened<OdDbText> text = KyForWrite<OdDbText>(object);
  if (text.isNull())
    return kKyRefused;
  return KySetUcsComponent(object, text->position(), axis, value,
                           [&](const OdGePoint3d& p) { text->setPosition(p); });
}

int setAlignmentComponent(const OdDbObject* object, KyAxis axis, const CKyVariant& value)
{
  const KyOpened<OdDbText> text = KyForWrite<OdDbText>(object);
  if (text.isNull())
    return kKyRefused;
  return KySetUcsComponent(object, text->alignmentPoint(), axis, value,
                           [&](const OdGePoint3d& p) { text->setAlignmentPoint(p); });
}

// tag 1 mirrors, tag 0 un-mirrors, other tags change nothing.
template <class Mirror>
int setMirror(const OdDbObject* object, const CKyVariant& value, Mirror mirror)
{
  const KyOpened<OdDbText> text = KyForWrite<OdDbText>(object);
  int code = 0;
  if (text.isNull() || !KyChosenCode(value, code))
    return kKyRefused;
  if (code == 1 || code == 0)
    mirror(text, code == 1);
  return kKyAccepted;
}

const KyAnnotationFamily kAnnotationFamily{kText,
                                           &CKyTextPE::GetDynamicPropertyValue,
                                           &CKyTextPE::SetDynamicPropertyValue,
                                           &CKyTextPE::IsDynamicPropertyReadOnly,
                                           &CKyTextPE::PerformGroupAction,
                                           "CKyTextPE",
                                           QT_TRANSLATE_NOOP("CKyTextPE", "Edit annotation scales")};
} // namespace

CKyString CKyTextPE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Simplenote"));
}

void CKyTextPE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                 const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyTextPE::desc(), OdDbText::desc(), s_Names,
                 KyTable(kRows, &kCarrier));
}

bool CKyTextPE::HasDynamicProperties()
{
  return true;
}

void CKyTextPE::GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container)
{
  KyAddTextAnnotationRows(object, container, kAnnotationFamily);
}

CKyVariant CKyTextPE::GetThickness(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbText> text = KyForRead<OdDbText>(object);
  return text.isNull() ? CKyVariant() : CKyVariant(text->thickness(), true);
}

int CKyTextPE::SetThickness(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                            const CKyVariant&)
{
  const KyOpened<OdDbText> text = KyForWrite<OdDbText>(object);
  double thickness = 0.0;
  if (text.isNull() || !KyDoubleOf(value, thickness))
    return kKyRefused;
  text->setThickness(thickness);
  return kKyAccepted;
}

CKyVariant CKyTextPE::GetContents(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbText> text = KyForRead<OdDbText>(object);
  return text.isNull() ? CKyVariant() : CKyVariant(text->textString());
}

// An unchanged string leaves the text and its fields alone.
int CKyTextPE::SetContents(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                           const CKyVariant&)
{
  const KyOpened<OdDbText> text = KyForWrite<OdDbText>(object);
  if (text.isNull() || value.GetType() != CKyVariant::kString)
    return kKyRefused;
  const CKyString contents = value.GetString();
  if (contents.toOdString() != text->textString())
  {
    OdDbTextPtr edited(text.get());
    CKyFieldHelper::setFieldsFromString(edited, contents);
  }
  return kKyAccepted;
}

CKyVariant CKyTextPE::GetStyle(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbText> text = KyForRead<OdDbText>(object);
  return text.isNull() ? CKyVariant() : CKyVariant(text->textStyle());
}

// The text takes the style's obliquing angle, width factor and both mirror flags through the
// rows' own setters, then the style's fixed height.
int CKyTextPE::SetStyle(const OdDbObject* object, const CKyPropertyDescription& description, const CKyVariant& value,
                        const CKyVariant& context)
{
  const KyOpened<OdDbText> text = KyForWrite<OdDbText>(object);
  if (text.isNull() || value.GetType() != CKyVariant::kObjectId)
    return kKyRefused;
  text->setTextStyle(value.GetId());
  if (OdDbTextStyleTableRecordPtr style = styleOf(text))
  {
    SetObliquing(object, description, CKyVariant(style->obliquingAngle(), true), context);
    SetWidthFactor(object, description, CKyVariant(style->xScale(), false), context);
    SetUpsideDown(object, description, yesNoChoice(style->isUpsideDown()), context);
    SetBackward(object, description, yesNoChoice(style->isBackwards()), context);
  }
  updatePropetiesForTextStyleChange(object);
  return kKyAccepted;
}

CKyVariant CKyTextPE::GetJustify(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbText> text = KyForRead<OdDbText>(object);
  if (text.isNull())
    return CKyVariant();
  return KyTextJustifyList(text);
}


int CKyTextPE::SetJustify(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                          const CKyVariant&)
{
  return KySetTextJustify(object, value);
}

CKyVariant CKyTextPE::GetHeight(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbText> text = KyForRead<OdDbText>(object);
  return text.isNull() ? CKyVariant() : CKyVariant(text->height(), true);
}

// Zero keeps the present height.
int CKyTextPE::SetHeight(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                         const CKyVariant&)
{
  const KyOpened<OdDbText> text = KyForWrite<OdDbText>(object);
  double height = 0.0;
  if (text.isNull() || !KyDoubleOf(value, height))
    return kKyRefused;
  if (KyIsZero(height))
    height = text->height();
  return updatePropertiesForHeightChange(object, height) ? kKyAccepted : kKyRefused;
}

// An annotative text that follows the sheet's orientation shows 0.
CKyVariant CKyTextPE::GetRotation(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbText> text = KyForRead<OdDbText>(object);
  if (text.isNull())
    return CKyVariant();
  bool flag = false;
  if (annotative(object, &flag) && flag)
    return CKyVariant(0.0, true);
  return CKyVariant(nonNegative(text->rotation()), true);
}

int CKyTextPE::SetRotation(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                           const CKyVariant&)
{
  const KyOpened<OdDbText> text = KyForWrite<OdDbText>(object);
  double rotation = 0.0;
  if (text.isNull() || !KyAnyDoubleOf(value, rotation))
    return kKyRefused;
  text->setRotation(rotation);
  return kKyAccepted;
}

// Aligned and fitted texts take their direction from their two points.
bool CKyTextPE::IsRotationReadOnly(const OdDbObject* object, const CKyPropertyDescription&)
{
  const KyOpened<OdDbText> text = KyAs<OdDbText>(object);
  if (text.isNull())
    return false;
  const int current = KyCurrentTextJustification(text);
  if (KyIsStretchedJustification(current))
    return true;
  bool flag = false;
  return annotative(object, &flag) ? flag : false;
}

CKyVariant CKyTextPE::GetWidthFactor(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbText> text = KyForRead<OdDbText>(object);
  return text.isNull() ? CKyVariant() : CKyVariant(text->widthFactor(), false);
}

// Zero keeps the present width factor.
int CKyTextPE::SetWidthFactor(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                              const CKyVariant&)
{
  const KyOpened<OdDbText> text = KyForWrite<OdDbText>(object);
  double factor = 0.0;
  if (text.isNull() || !KyDoubleOf(value, factor))
    return kKyRefused;
  if (KyIsZero(factor))
    factor = text->widthFactor();
  text->setWidthFactor(factor);
  return kKyAccepted;
}

CKyVariant CKyTextPE::GetObliquing(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbText> text = KyForRead<OdDbText>(object);
  return text.isNull() ? CKyVariant() : CKyVariant(nonNegative(text->oblique()), true);
}

int CKyTextPE::SetObliquing(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                            const CKyVariant&)
{
  const KyOpened<OdDbText> text = KyForWrite<OdDbText>(object);
  double angle = 0.0;
  if (text.isNull() || !KyAnyDoubleOf(value, angle))
    return kKyRefused;
  text->setOblique(angle);
  return kKyAccepted;
}

CKyVariant CKyTextPE::GetTextAligmentX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return alignmentComponent(o, kKyAxisX);
}
CKyVariant CKyTextPE::GetTextAligmentY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return alignmentComponent(o, kKyAxisY);
}
CKyVariant CKyTextPE::GetTextAligmentZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return alignmentComponent(o, kKyAxisZ);
}
int CKyTextPE::SetTextAligmentX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                const CKyVariant&)
{
  return setAlignmentComponent(o, kKyAxisX, v);
}
int CKyTextPE::SetTextAligmentY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                const CKyVariant&)
{
  return setAlignmentComponent(o, kKyAxisY, v);
}
int CKyTextPE::SetTextAligmentZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                const CKyVariant&)
{
  return setAlignmentComponent(o, kKyAxisZ, v);
}

// A left/baseline text has no alignment point of its own.
bool CKyTextPE::IsTextAligmentXReadOnly(const OdDbObject* object, const CKyPropertyDescription&)
{
  const KyOpened<OdDbText> text = KyAs<OdDbText>(object);
  return !text.isNull() && text->horizontalMode() == OdDb::kTextLeft && text->verticalMode() == OdDb::kTextBase;
}

CKyVariant CKyTextPE::GetPositionX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return positionComponent(o, kKyAxisX);
}
CKyVariant CKyTextPE::GetPositionY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return positionComponent(o, kKyAxisY);
}
CKyVariant CKyTextPE::GetPositionZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return positionComponent(o, kKyAxisZ);
}
int CKyTextPE::SetPositionX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setPositionComponent(o, kKyAxisX, v);
}
int CKyTextPE::SetPositionY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setPositionComponent(o, kKyAxisY, v);
}
int CKyTextPE::SetPositionZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setPositionComponent(o, kKyAxisZ, v);
}

// The insertion point is derived from the alignment point except for left/baseline texts and
// for aligned and fitted ones, whose baseline starts there.
bool CKyTextPE::IsPositionXReadOnly(const OdDbObject* object, const CKyPropertyDescription&)
{
  const KyOpened<OdDbText> text = KyAs<OdDbText>(object);
  if (text.isNull())
    return false;
  const OdDb::TextHorzMode h = text->horizontalMode();
  if (h == OdDb::kTextFit || h == OdDb::kTextAlign)
    return false;
  return !(h == OdDb::kTextLeft && text->verticalMode() == OdDb::kTextBase);
}

// Shown as "Yes" when the style or the text itself is upside down.
CKyVariant CKyTextPE::GetUpsideDown(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbText> text = KyForRead<OdDbText>(object);
  if (text.isNull())
    return CKyVariant();
  OdDbTextStyleTableRecordPtr style = styleOf(text);
  return KyYesNoList((!style.isNull() && style->isUpsideDown()) || text->isMirroredInY());
}

int CKyTextPE::SetUpsideDown(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                             const CKyVariant&)
{
  return setMirror(object, value, [](OdDbText* text, bool on) { text->mirrorInY(on); });
}

bool CKyTextPE::IsUpsideDownReadOnly(const OdDbObject* object, const CKyPropertyDescription&)
{
  const KyOpened<OdDbText> text = KyAs<OdDbText>(object);
  OdDbTextStyleTableRecordPtr style = text.isNull() ? OdDbTextStyleTableRecordPtr() : styleOf(text);
  return !style.isNull() && style->isUpsideDown();
}

CKyVariant CKyTextPE::GetBackward(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbText> text = KyForRead<OdDbText>(object);
  if (text.isNull())
    return CKyVariant();
  OdDbTextStyleTableRecordPtr style = styleOf(text);
  return KyYesNoList((!style.isNull() && style->isBackwards()) || text->isMirroredInX());
}

int CKyTextPE::SetBackward(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                           const CKyVariant&)
{
  return setMirror(object, value, [](OdDbText* text, bool on) { text->mirrorInX(on); });
}

bool CKyTextPE::IsBackwardReadOnly(const OdDbObject* object, const CKyPropertyDescription&)
{
  const KyOpened<OdDbText> text = KyAs<OdDbText>(object);
  OdDbTextStyleTableRecordPtr style = text.isNull() ? OdDbTextStyleTableRecordPtr() : styleOf(text);
  return !style.isNull() && style->isBackwards();
}

CKyVariant CKyTextPE::GetMATCHPROP_Text(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyMatchPropGetter<OdDbText>(object);
}

// Single-line and multiline texts are both accepted as sources.
int CKyTextPE::SetMATCHPROP_Text(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                 const CKyVariant&)
{
  return KyMatchPropSetter<OdDbText>(object, value, &KyIsKindOf<OdDbText, OdDbMText>,
                                     &CKyMatchPropHelper::matchTextProps);
}

// The per-object rows by name: annotative, its scale, the sheet height and the orientation.
const KyDynamicRowAccessors CKyTextPE::kDynamicRows[4] = {
  {&kKyAnnotativeName, &CKyTextPE::GetDynamicPropertyAnnotative, &CKyTextPE::SetDynamicPropertyAnnotative},
  {&kKyAnnotativeScaleName, &CKyTextPE::GetDynamicPropertyAnnotativeScale,
   &CKyTextPE::SetDynamicPropertyAnnotativeScale},
  {&kKySheetTextHeightName, &CKyTextPE::GetDynamicPropertySheetTextHeight,
   &CKyTextPE::SetDynamicPropertySheetTextHeight},
  {&kKyMatchOrientationName, &CKyTextPE::GetDynamicPropertyMatchOrientation,
   &CKyTextPE::SetDynamicPropertyMatchOrientation},
};

CKyVariant CKyTextPE::GetDynamicPropertyValue(const OdDbObject* object, const CKyPropertyDescription& description,
                                              const CKyVariant& context)
{
  return KyGetDynamicRow(kDynamicRows, object, description, context);
}

int CKyTextPE::SetDynamicPropertyValue(const OdDbObject* object, const CKyPropertyDescription& description,
                                       const CKyVariant& value, const CKyVariant& context)
{
  return KySetDynamicRow(kDynamicRows, object, description, value, context);
}

bool CKyTextPE::IsDynamicPropertyReadOnly(const OdDbObject* object, const CKyPropertyDescription& description)
{
  const CKyString name = description.GetName();
  if (KyIsNamed(name, kKyAnnotativeScaleName))
    return !object || !annotative(object);
  return KyIsNamed(name, kKyModelTextHeightName);
}

CKyVariant CKyTextPE::PerformGroupAction(const OdArray<OdDbObjectId>& ids, const CKyPropertyDescription& description,
                                         const CKyVariant&, const CKyVariant&)
{
  return KyAnnotationScaleAction(ids, description);
}

CKyVariant CKyTextPE::GetDynamicPropertyAnnotative(const OdDbObject* object, const CKyPropertyDescription&,
                                                   const CKyVariant&)
{
  return KyForRead<OdDbText>(object).isNull() ? CKyVariant() : KyYesNoList(annotative(object));
}

int CKyTextPE::SetDynamicPropertyAnnotative(const OdDbObject* object, const CKyPropertyDescription&,
                                            const CKyVariant& value, const CKyVariant&)
{
  int code = 0;
  if (KyForWrite<OdDbText>(object).isNull() || !KyChosenCode(value, code))
    return kKyRefused;
  return updatePropertiesForAnnotativeChange(object, code == 1) ? kKyAccepted : kKyRefused;
}

CKyVariant CKyTextPE::GetDynamicPropertyAnnotativeScale(const OdDbObject* object, const CKyPropertyDescription&,
                                                        const CKyVariant&)
{
  if (KyForRead<OdDbText>(object).isNull())
    return CKyVariant();
  return CKyVariant(CKyObjectAnnotationContext(object->objectId()).GetCurrentScale());
}

// The scales are edited through the group action.
int CKyTextPE::SetDynamicPropertyAnnotativeScale(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                                 const CKyVariant&)
{
  return kKyAccepted;
}

CKyVariant CKyTextPE::GetDynamicPropertySheetTextHeight(const OdDbObject* object, const CKyPropertyDescription&,
                                                        const CKyVariant&)
{
  const KyOpened<OdDbText> text = KyForRead<OdDbText>(object);
  if (text.isNull())
    return CKyVariant();
  return CKyVariant(KySheetSize(text->height(), KyAnnotationScaleFactor(object)), true);
}

int CKyTextPE::SetDynamicPropertySheetTextHeight(const OdDbObject* object, const CKyPropertyDescription&,
                                                 const CKyVariant& value, const CKyVariant&)
{
  double height = 0.0;
  if (KyForWrite<OdDbText>(object).isNull() || !KyDoubleOf(value, height) || KyIsZero(height))
    return kKyRefused;
  return updatePropertiesForHeightChange(object, height) ? kKyAccepted : kKyRefused;
}

CKyVariant CKyTextPE::GetDynamicPropertyMatchOrientation(const OdDbObject* object, const CKyPropertyDescription&,
                                                         const CKyVariant&)
{
  return KyForRead<OdDbText>(object).isNull() ? CKyVariant() : KyMatchOrientationList(object);
}

int CKyTextPE::SetDynamicPropertyMatchOrientation(const OdDbObject* object, const CKyPropertyDescription&,
                                                  const CKyVariant& value, const CKyVariant&)
{
  const KyOpened<OdDbText> text = KyForWrite<OdDbText>(object);
  return text.isNull() ? kKyRefused : KySetMatchOrientation(text, value);
}

void CKyTextPE::updatePropetiesForTextStyleChange(const OdDbObject* object)
{
  const KyOpened<OdDbEntity> entity = KyForWrite<OdDbEntity>(object);
  if (!entity.isNull())
    CKyObjectAnnotationContext::UpdateTextFromTextStyle(entity);
}

bool CKyTextPE::updatePropertiesForAnnotativeChange(const OdDbObject* object, bool makeAnnotative)
{
  const KyOpened<OdDbText> text = KyForWrite<OdDbText>(object);
  if (text.isNull())
    return false;
  const OdDb::TextHorzMode h = text->horizontalMode();
  if (h == OdDb::kTextAlign || h == OdDb::kTextFit)
    return false;
  CKyObjectAnnotationContext::SetAnnotative(object->objectId(), makeAnnotative, false);
  return true;
}

bool CKyTextPE::updatePropertiesForHeightChange(const OdDbObject* object, double height)
{
  const KyOpened<OdDbEntity> entity = KyForWrite<OdDbEntity>(object);
  if (entity.isNull() || KyIsZero(height))
    return false;
  return CKyObjectAnnotationContext::UpdateAnnotativeTextHeight(entity, height);
}

CKyString CKyTextInfo::GetClassName(const OdDbObject*)
{
  return CKyString(L"SIMPLENOTE");
}

bool CKyTextInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  OdDbTextPtr text = OdDbText::cast(object);
  if (text.isNull())
    return false;
  PrintAnnotationInfo(object, context);

  OdString styleName, typeface, fontFile;
  if (OdDbTextStyleTableRecordPtr style = styleOf(text))
  {
    styleName = style->getName();
    bool bold = false, italic = false;
    int charset = 0, pitchAndFamily = 0;
    style->font(typeface, bold, italic, charset, pitchAndFamily);
    fontFile = style->fileName();
  }
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "TextStyle")), CKyString(styleName));
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Typeface")), CKyString(typeface));
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Font file")), CKyString(fontFile));
  context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Start point")), text->position());

  KyPrintTextHeights(object, context, text->height());

  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "text")), CKyString(text->textString()));
  context->PrintAngle(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "rotation angle")), text->rotation());
  context->PrintScale(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "width scale")), text->widthFactor());
  context->PrintAngle(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "obliquing angle")), text->oblique());
  return true;
}

void CKyTextInfo::PrintAnnotationInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  KyPrintAnnotationInfo(object, context);
}
