// Attribute definition rows, per-object rows of the single-line and multiline forms, annotation
// rows and listing. Rows the definition shares with single-line text use the text's accessors:
// a definition is a text.
#include "KyAttributeDefinitionPE.h"

#include <cmath>
#include <utility>

#include <QCoreApplication>

#include "DbAttributeDefinition.h"
#include "DbMText.h"
#include "DbTextStyleTableRecord.h"
#include "Ge/GeGbl.h"
#include "KyAccessors.h"
#include "KyAnnotationRows.h"
#include "KyListing.h"
#include "KyObjectAnnotationContext.h"
#include "KyTextCommon.h"
#include "KyTextPE.h"
#include "KyTexts.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyAttributeDefinitionPE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyAttributeDefinitionPE::s_Names;

typedef CKyAttributeDefinitionPE Def;

namespace
{
constexpr const char* kText = kKyTextGroupKey;
constexpr const char* kGeometry = QT_TRANSLATE_NOOP("property_groups", "Geometry");
constexpr const char* kMisc = QT_TRANSLATE_NOOP("property_groups", "Misc");

const KyPropertyRow kRows[] = {
  {QT_TRANSLATE_NOOP("property_groups", "General"), QT_TRANSLATE_NOOP("property_types", "Thickness"),
   CKyVariant::kEmpty, nullptr, &CKyTextPE::GetThickness, &CKyTextPE::SetThickness,
   &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kText, QT_TRANSLATE_NOOP("property_types", "Tag"), CKyVariant::kEmpty, nullptr, &Def::GetTag, &Def::SetTag,
   &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kText, QT_TRANSLATE_NOOP("property_types", "Prompt"), CKyVariant::kEmpty, nullptr, &Def::GetPrompt,
   &Def::SetPrompt, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kText, QT_TRANSLATE_NOOP("property_types", "Value"), CKyVariant::kEmpty, nullptr, &Def::GetValue, &Def::SetValue,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "ContentsSimple"},
  // Typed as a text style row by the dynamic pass.
  {kText, QT_TRANSLATE_NOOP("property_types", "TextStyle"), CKyVariant::kEmpty, nullptr, &CKyTextPE::GetStyle,
   &Def::SetStyle, &CKyPropertyPEImpl::IsReadOnlyFalse},
  // Renamed "Model text height" (read-only) for annotative definitions by the dynamic pass.
  {kText, QT_TRANSLATE_NOOP("property_types", "Height"), CKyVariant::kEmpty, nullptr, &CKyTextPE::GetHeight,
   &Def::SetHeight, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kText, QT_TRANSLATE_NOOP("property_types", "Rotation"), CKyVariant::kDouble, &CKyPropertyType::kAngleGUID,
   &Def::GetRotation, &CKyTextPE::SetRotation, &Def::IsRotationReadOnly},
  {kText, QT_TRANSLATE_NOOP("property_types", "Text alignment X"), CKyVariant::kEmpty, nullptr,
   &CKyTextPE::GetTextAligmentX, &CKyTextPE::SetTextAligmentX, &CKyTextPE::IsTextAligmentXReadOnly,
   "TextAlignmentX"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Text alignment Y"), CKyVariant::kEmpty, nullptr,
   &CKyTextPE::GetTextAligmentY, &CKyTextPE::SetTextAligmentY, &CKyTextPE::IsTextAligmentXReadOnly,
   "TextAlignmentY"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Text alignment Z"), CKyVariant::kEmpty, nullptr,
   &CKyTextPE::GetTextAligmentZ, &CKyTextPE::SetTextAligmentZ, &CKyTextPE::IsTextAligmentXReadOnly,
   "TextAlignmentZ"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position X"), CKyVariant::kEmpty, nullptr,
   &CKyTextPE::GetPositionX, &CKyTextPE::SetPositionX, &CKyTextPE::IsPositionXReadOnly, "CoordinateX"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position Y"), CKyVariant::kEmpty, nullptr,
   &CKyTextPE::GetPositionY, &CKyTextPE::SetPositionY, &CKyTextPE::IsPositionXReadOnly, "CoordinateY"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position Z"), CKyVariant::kEmpty, nullptr,
   &CKyTextPE::GetPositionZ, &CKyTextPE::SetPositionZ, &CKyTextPE::IsPositionXReadOnly, "CoordinateZ"},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Invisible"), CKyVariant::kEmpty, nullptr, &Def::GetInvisible,
   &Def::SetInvisible, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Constant"), CKyVariant::kEmpty, nullptr, &Def::GetConstant,
   &Def::SetConstant, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Verify"), CKyVariant::kEmpty, nullptr, &Def::GetVerify,
   &Def::SetVerify, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Preset"), CKyVariant::kEmpty, nullptr, &Def::GetPreset,
   &Def::SetPreset, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Lock position"), CKyVariant::kEmpty, nullptr, &Def::GetLockPosition,
   &Def::SetLockPosition, &CKyPropertyPEImpl::IsReadOnlyFalse, "DisplayLocked"},
};

// The rows whose editability follows the form. `get`, `set` and `readOnly` are what the shared
// dispatchers call for a row of this name.
struct FormRow
{
  const char* category;
  KyText name;
  CKyVariant::_Type type;
  const CKyString* guid;
  const char* icon; // in the category's folder
  CKyGetMethod get;
  CKySetMethod set;
  CKyIsReadOnlyMethod readOnly;
};
const FormRow kFormRows[] = {
  {kText, {"property_types", QT_TRANSLATE_NOOP("property_types", "Justify")}, CKyVariant::kEmpty, nullptr, "Justify",
   &Def::GetDynamicPropertyJustify, &Def::SetDynamicPropertyJustify, &Def::IsDynamicPropertyJustifyReadOnly},
  {kText, {"property_types", QT_TRANSLATE_NOOP("property_types", "Spacing")}, CKyVariant::kEmpty, nullptr, "Spacing",
   &CKyTextPE::GetWidthFactor, &Def::SetWidthFactor, &Def::IsMultiline},
  {kText, {"property_types", QT_TRANSLATE_NOOP("property_types", "Angle")}, CKyVariant::kDouble,
   &CKyPropertyType::kAngleGUID, "Obliquing", &CKyTextPE::GetObliquing, &Def::SetObliquing, &Def::IsMultiline},
  {kMisc, {"property_types", QT_TRANSLATE_NOOP("property_types", "UpsideDown")}, CKyVariant::kEmpty, nullptr,
   "UpsideDown", &CKyTextPE::GetUpsideDown, &CKyTextPE::SetUpsideDown, &Def::IsMultiline},
  {kMisc, {"property_types", QT_TRANSLATE_NOOP("property_types", "Backward")}, CKyVariant::kEmpty, nullptr,
   "Backward", &CKyTextPE::GetBackward, &CKyTextPE::SetBackward, &Def::IsMultiline},
  {kMisc, {"property_types", QT_TRANSLATE_NOOP("property_types", "Multilines")}, CKyVariant::kEmpty, nullptr,
   "Multilines", &Def::GetDynamicPropertyMultilines, &Def::SetDynamicPropertyMultilines, &Def::IsMultiline},
  {kText, {"property_types", QT_TRANSLATE_NOOP("property_types", "Width")}, CKyVariant::kDouble,
   &CKyPropertyType::kWidthGUID, "WidthFactor", &Def::GetMtextWidth, &Def::SetMtextWidth, &Def::IsSingleLine},
};

const FormRow* formRow(const CKyPropertyDescription& d)
{
  return KyRowNamed(kFormRows, d.GetName(), [](const FormRow& r) -> const KyText& { return r.name; });
}

// The annotation rows answer through the text's accessors (the definition is a text).
const KyDynamicRowAccessors* annotationRow(const CKyPropertyDescription& d)
{
  return KyRowNamed(CKyTextPE::kDynamicRows, d.GetName(), &KyDynamicRowName);
}

std::unique_ptr<CKyPropertyDescriptionImpl> makeFormRow(const void*, const void* rowKey)
{
  const FormRow& row = *static_cast<const FormRow*>(rowKey);
  KyDynamicRow dynamic{row.category,
                       row.name.get(),
                       row.type,
                       row.guid,
                       &Def::GetDynamicPropertyAttMultilines,
                       &Def::SetDynamicPropertyAttMultilines,
                       &Def::IsDynamicPropertyAttMultilinesReadOnly,
                       KyIconPathOf(row.category, row.icon),
                       KyDarkIconPathOf(row.category, row.icon),
                       nullptr,
                       CKyString()};
  return std::unique_ptr<CKyPropertyDescriptionImpl>(KyNewDynamicDescription(dynamic));
}

const KyAnnotationFamily kAnnotationFamily{kText,
                                           &Def::GetDynamicPropertyValue,
                                           &Def::SetDynamicPropertyValue,
                                           &Def::IsDynamicPropertyReadOnly,
                                           &Def::PerformGroupAction,
                                           "CKyAttributeDefinitionPE",
                                           QT_TRANSLATE_NOOP("CKyAttributeDefinitionPE", "Edit annotation scales")};

// The nine attachments of a multiline definition; a list element's tag is the entry's index,
// the attachment is index + 1.
const char* const kAttachments[] = {
  QT_TRANSLATE_NOOP("property_values", "Top Left"),      QT_TRANSLATE_NOOP("property_values", "Top Center"),
  QT_TRANSLATE_NOOP("property_values", "Top Right"),     QT_TRANSLATE_NOOP("property_values", "Middle Left"),
  QT_TRANSLATE_NOOP("property_values", "Middle Center"), QT_TRANSLATE_NOOP("property_values", "Middle Right"),
  QT_TRANSLATE_NOOP("property_values", "Bottom Left"),   QT_TRANSLATE_NOOP("property_values", "Bottom Center"),
  QT_TRANSLATE_NOOP("property_values", "Bottom Right"),
};
constexpr int kAttachmentCount = static_cast<int>(sizeof(kAttachments) / sizeof(kAttachments[0]));

CKyVariant attachmentList(const void*, int count, int current)
{
  CKyVariantCollection list;
  list.Reserve(count);
  for (int i = 0; i < count; ++i)
  {
    const CKyVariant tag(i);
    const CKyVariant name(KyTr("property_values", kAttachments[i]));
    list.Add(tag, name);
  }
  list.SetCurrentIndex(current);
  return CKyVariant(std::move(list));
}

const double kMaxObliquing = 85.0 * OdaPI / 180.0;

bool isMultiline(const OdDbObject* object)
{
  const KyOpened<OdDbAttributeDefinition> def = KyAs<OdDbAttributeDefinition>(object);
  return !def.isNull() && def->isMTextAttributeDefinition();
}

// A new attachment for the embedded text that keeps its box where it is: the location moves to
// the box point the new attachment names (rows top to bottom, columns left to right).
void moveAttachment(OdDbAttributeDefinition* def, int index)
{
  OdDbMTextPtr mtext = def->getMTextAttributeDefinition();
  OdGePoint3dArray corners; // top left, top right, bottom left, bottom right
  mtext->getBoundingPoints(corners);
  const double across = (index % 3) / 2.0;
  const double down = (index / 3) / 2.0;
  const OdGePoint3d location = corners[0] + (corners[1] - corners[0]) * across + (corners[2] - corners[0]) * down;
  mtext->setAttachment(static_cast<OdDbMText::AttachmentPoint>(index + 1));
  mtext->setLocation(location);
  def->setMTextAttributeDefinition(mtext);
}

template <class Read>
CKyVariant flagList(const OdDbObject* object, Read read)
{
  const KyOpened<OdDbAttributeDefinition> def = KyForRead<OdDbAttributeDefinition>(object);
  return def.isNull() ? CKyVariant() : KyYesNoList(read(def.get()));
}

// A string value for a definition open for write; an equal string writes nothing.
template <class Read, class Write>
int setString(const OdDbObject* object, const CKyVariant& value, Read read, Write write)
{
  const KyOpened<OdDbAttributeDefinition> def = KyForWrite<OdDbAttributeDefinition>(object);
  if (def.isNull() || value.GetType() != CKyVariant::kString)
    return kKyRefused;
  const OdString text = value.GetString().toOdString();
  if (text != read(def.get()))
    write(def.get(), text);
  return kKyAccepted;
}

// Tags name the attribute in every block reference: one word without spaces or controls.
bool isValidTag(const OdString& tag)
{
  if (tag.isEmpty())
    return false;
  for (int i = 0; i < tag.getLength(); ++i)
    if (tag[i] <= L' ')
      return false;
  return true;
}
} // namespace

CKyString CKyAttributeDefinitionPE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Attribute Definition"));
}

void CKyAttributeDefinitionPE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                                const OdRxClass* objectClass, const OdRxClass* extensionClass,
                                                bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyAttributeDefinitionPE::desc(),
                 OdDbAttributeDefinition::desc(), s_Names, KyTable(kRows));
}

bool CKyAttributeDefinitionPE::HasDynamicProperties()
{
  return true;
}

void CKyAttributeDefinitionPE::GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container)
{
  if (!container)
    return;
  for (const FormRow& row : kFormRows)
    container->AddDynamic(new CKyPropertyDescriptionImpl(KyPrototypeOf(kFormRows, &row, &makeFormRow)));
  GetAnnotativeScalingPropertyNamesDynamic(object, container);
}

void CKyAttributeDefinitionPE::GetAnnotativeScalingPropertyNamesDynamic(const OdDbObject* object,
                                                                        CKyPropertiesContainerImpl* container)
{
  KyAddTextAnnotationRows(object, container, kAnnotationFamily);
}

CKyVariant CKyAttributeDefinitionPE::GetTag(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbAttributeDefinition> def = KyForRead<OdDbAttributeDefinition>(object);
  return def.isNull() ? CKyVariant() : CKyVariant(def->tag());
}

// Stored in upper case. A blank tag, or one with spaces, is refused with a message.
int CKyAttributeDefinitionPE::SetTag(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                     const CKyVariant&)
{
  if (KyForWrite<OdDbAttributeDefinition>(object).isNull() || value.GetType() != CKyVariant::kString)
    return kKyRefused;
  const OdString tag = CKyString(value.GetString().toQString().toUpper()).toOdString();
  if (!isValidTag(tag))
    return KyRefuseWithMessage(QT_TRANSLATE_NOOP("errors", "Invalid input"));
  return setString(object, CKyVariant(CKyString(tag)), [](OdDbAttributeDefinition* d) { return d->tag(); },
                   [](OdDbAttributeDefinition* d, const OdString& t) { d->setTag(t); });
}

CKyVariant CKyAttributeDefinitionPE::GetPrompt(const OdDbObject* object, const CKyPropertyDescription&,
                                               const CKyVariant&)
{
  const KyOpened<OdDbAttributeDefinition> def = KyForRead<OdDbAttributeDefinition>(object);
  return def.isNull() ? CKyVariant() : CKyVariant(def->prompt());
}

int CKyAttributeDefinitionPE::SetPrompt(const OdDbObject* object, const CKyPropertyDescription&,
                                        const CKyVariant& value, const CKyVariant&)
{
  return setString(object, value, [](OdDbAttributeDefinition* d) { return d->prompt(); },
                   [](OdDbAttributeDefinition* d, const OdString& p) { d->setPrompt(p); });
}

CKyVariant CKyAttributeDefinitionPE::GetValue(const OdDbObject* object, const CKyPropertyDescription& d,
                                              const CKyVariant& c)
{
  return KyForRead<OdDbAttributeDefinition>(object).isNull() ? CKyVariant() : CKyTextPE::GetContents(object, d, c);
}

// The default value keeps the fields whose shown text survives in the new string.
int CKyAttributeDefinitionPE::SetValue(const OdDbObject* object, const CKyPropertyDescription& d,
                                       const CKyVariant& value, const CKyVariant& c)
{
  return KyForWrite<OdDbAttributeDefinition>(object).isNull() ? kKyRefused : CKyTextPE::SetContents(object, d, value, c);
}

// Only text style records are taken; the definition then follows the style's fixed height.
int CKyAttributeDefinitionPE::SetStyle(const OdDbObject* object, const CKyPropertyDescription&,
                                       const CKyVariant& value, const CKyVariant&)
{
  const KyOpened<OdDbAttributeDefinition> def = KyForWrite<OdDbAttributeDefinition>(object);
  if (def.isNull() || value.GetType() != CKyVariant::kObjectId)
    return kKyRefused;
  const OdDbObjectId id = value.GetId();
  if (!id.isNull() && id.objectClass() && !id.objectClass()->isDerivedFrom(OdDbTextStyleTableRecord::desc()))
    return kKyRefused;
  if (id != def->textStyle())
    def->setTextStyle(id);
  CKyTextPE::updatePropetiesForTextStyleChange(object);
  return kKyAccepted;
}

// Unlike single-line text, a height of zero is refused rather than kept.
int CKyAttributeDefinitionPE::SetHeight(const OdDbObject* object, const CKyPropertyDescription&,
                                        const CKyVariant& value, const CKyVariant&)
{
  double height = 0.0;
  if (KyForWrite<OdDbAttributeDefinition>(object).isNull() || !KyDoubleOf(value, height) || KyIsZero(height))
    return kKyRefused;
  return CKyTextPE::updatePropertiesForHeightChange(object, height) ? kKyAccepted : kKyRefused;
}

CKyVariant CKyAttributeDefinitionPE::GetRotation(const OdDbObject* object, const CKyPropertyDescription&,
                                                 const CKyVariant&)
{
  const KyOpened<OdDbAttributeDefinition> def = KyForRead<OdDbAttributeDefinition>(object);
  if (def.isNull())
    return CKyVariant();
  const double rotation = def->rotation();
  return CKyVariant(rotation < 0.0 ? rotation + Oda2PI : rotation, true);
}

// The current Justify entry is "Aligned" (3) or "Fit" (5), whose two points fix the angle; the
// attachments of a multiline definition never are.
bool CKyAttributeDefinitionPE::IsRotationReadOnly(const OdDbObject* object, const CKyPropertyDescription&)
{
  const KyOpened<OdDbAttributeDefinition> def = KyAs<OdDbAttributeDefinition>(object);
  if (def.isNull() || def->isMTextAttributeDefinition())
    return false;
  const int justification = KyCurrentTextJustification(def);
  return justification == 3 || justification == 5;
}

CKyVariant CKyAttributeDefinitionPE::GetInvisible(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return flagList(o, [](const OdDbAttributeDefinition* d) { return d->isInvisible(); });
}
int CKyAttributeDefinitionPE::SetInvisible(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                           const CKyVariant&)
{
  return KySetOnOff<OdDbAttributeDefinition>(o, v, [](OdDbAttributeDefinition* d, bool on) { d->setInvisible(on); });
}
CKyVariant CKyAttributeDefinitionPE::GetConstant(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return flagList(o, [](const OdDbAttributeDefinition* d) { return d->isConstant(); });
}
int CKyAttributeDefinitionPE::SetConstant(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                          const CKyVariant&)
{
  return KySetOnOff<OdDbAttributeDefinition>(o, v, [](OdDbAttributeDefinition* d, bool on) { d->setConstant(on); });
}
CKyVariant CKyAttributeDefinitionPE::GetVerify(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return flagList(o, [](const OdDbAttributeDefinition* d) { return d->isVerifiable(); });
}
int CKyAttributeDefinitionPE::SetVerify(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                        const CKyVariant&)
{
  return KySetOnOff<OdDbAttributeDefinition>(o, v, [](OdDbAttributeDefinition* d, bool on) { d->setVerifiable(on); });
}
CKyVariant CKyAttributeDefinitionPE::GetPreset(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return flagList(o, [](const OdDbAttributeDefinition* d) { return d->isPreset(); });
}
int CKyAttributeDefinitionPE::SetPreset(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                        const CKyVariant&)
{
  return KySetOnOff<OdDbAttributeDefinition>(o, v, [](OdDbAttributeDefinition* d, bool on) { d->setPreset(on); });
}
CKyVariant CKyAttributeDefinitionPE::GetLockPosition(const OdDbObject* o, const CKyPropertyDescription&,
                                                     const CKyVariant&)
{
  return flagList(o, [](const OdDbAttributeDefinition* d) { return d->lockPositionInBlock(); });
}
int CKyAttributeDefinitionPE::SetLockPosition(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                              const CKyVariant&)
{
  return KySetOnOff<OdDbAttributeDefinition>(
    o, v, [](OdDbAttributeDefinition* d, bool on) { d->setLockPositionInBlock(on); });
}

CKyVariant CKyAttributeDefinitionPE::GetDynamicPropertyAttMultilines(const OdDbObject* object,
                                                                     const CKyPropertyDescription& d,
                                                                     const CKyVariant& c)
{
  const FormRow* row = formRow(d);
  return row ? row->get(object, d, c) : CKyVariant();
}

int CKyAttributeDefinitionPE::SetDynamicPropertyAttMultilines(const OdDbObject* object, const CKyPropertyDescription& d,
                                                              const CKyVariant& value, const CKyVariant& c)
{
  const FormRow* row = formRow(d);
  return row ? row->set(object, d, value, c) : kKyAccepted;
}

bool CKyAttributeDefinitionPE::IsDynamicPropertyAttMultilinesReadOnly(const OdDbObject* object,
                                                                      const CKyPropertyDescription& d)
{
  const FormRow* row = formRow(d);
  return row ? row->readOnly(object, d) : false;
}

CKyVariant CKyAttributeDefinitionPE::GetDynamicPropertyJustify(const OdDbObject* object, const CKyPropertyDescription&,
                                                               const CKyVariant&)
{
  const KyOpened<OdDbAttributeDefinition> def = KyForRead<OdDbAttributeDefinition>(object);
  if (def.isNull())
    return CKyVariant();
  if (!def->isMTextAttributeDefinition())
    return KyTextJustifyList(def);
  const int current = static_cast<int>(def->getMTextAttributeDefinition()->attachment()) - 1;
  return KyChoiceListOf(kAttachments, kAttachmentCount, current, &attachmentList);
}

// Single-line definitions justify as texts do. A multiline one takes the new attachment with its
// box left in place, so the text does not jump when only its anchor changes.
int CKyAttributeDefinitionPE::SetDynamicPropertyJustify(const OdDbObject* object, const CKyPropertyDescription&,
                                                        const CKyVariant& value, const CKyVariant&)
{
  const KyOpened<OdDbAttributeDefinition> def = KyForWrite<OdDbAttributeDefinition>(object);
  if (def.isNull())
    return kKyRefused;
  if (!def->isMTextAttributeDefinition())
    return KySetTextJustify(object, value);
  int wanted = 0;
  if (!KyChosenCode(value, wanted))
    return kKyRefused;
  if (wanted < 0 || wanted >= kAttachmentCount ||
      def->getMTextAttributeDefinition()->attachment() == static_cast<OdDbMText::AttachmentPoint>(wanted + 1))
    return kKyAccepted;
  moveAttachment(def, wanted);
  return kKyAccepted;
}

// Both forms can always be justified: the single-line list keeps the alignment point consistent
// itself, and the multiline one keeps the box in place.
bool CKyAttributeDefinitionPE::IsDynamicPropertyJustifyReadOnly(const OdDbObject* object, const CKyPropertyDescription&)
{
  return KyAs<OdDbAttributeDefinition>(object).isNull();
}

CKyVariant CKyAttributeDefinitionPE::GetDynamicPropertyMultilines(const OdDbObject* object,
                                                                  const CKyPropertyDescription&, const CKyVariant&)
{
  return flagList(object, [](const OdDbAttributeDefinition* d) { return d->isMTextAttributeDefinition(); });
}

int CKyAttributeDefinitionPE::SetDynamicPropertyMultilines(const OdDbObject* object, const CKyPropertyDescription&,
                                                           const CKyVariant& value, const CKyVariant&)
{
  return KySetOnOff<OdDbAttributeDefinition>(
    object, value, [](OdDbAttributeDefinition* d, bool on) { d->convertIntoMTextAttributeDefinition(on); });
}

// A negative width factor is refused; zero keeps the present one, as for texts.
int CKyAttributeDefinitionPE::SetWidthFactor(const OdDbObject* object, const CKyPropertyDescription& d,
                                             const CKyVariant& value, const CKyVariant& c)
{
  double factor = 0.0;
  if (KyForWrite<OdDbAttributeDefinition>(object).isNull() || !KyDoubleOf(value, factor) || factor < 0.0)
    return kKyRefused;
  return CKyTextPE::SetWidthFactor(object, d, value, c);
}

// The angle as the row shows it (0 to 2pi) or signed; glyphs slant at most 85 degrees either way.
int CKyAttributeDefinitionPE::SetObliquing(const OdDbObject* object, const CKyPropertyDescription&,
                                           const CKyVariant& value, const CKyVariant&)
{
  const KyOpened<OdDbAttributeDefinition> def = KyForWrite<OdDbAttributeDefinition>(object);
  double angle = 0.0;
  if (def.isNull() || !KyDoubleOf(value, angle))
    return kKyRefused;
  angle = std::remainder(angle, Oda2PI);
  if (std::fabs(angle) > kMaxObliquing)
    return kKyRefused;
  def->setOblique(angle);
  return kKyAccepted;
}

// A single-line definition has no multiline width: 0.
CKyVariant CKyAttributeDefinitionPE::GetMtextWidth(const OdDbObject* object, const CKyPropertyDescription&,
                                                   const CKyVariant&)
{
  const KyOpened<OdDbAttributeDefinition> def = KyForRead<OdDbAttributeDefinition>(object);
  if (def.isNull())
    return CKyVariant();
  return CKyVariant(def->isMTextAttributeDefinition() ? def->getMTextAttributeDefinition()->width() : 0.0, true);
}

// A width needs a multiline definition and is never negative (0: no wrapping).
int CKyAttributeDefinitionPE::SetMtextWidth(const OdDbObject* object, const CKyPropertyDescription&,
                                            const CKyVariant& value, const CKyVariant&)
{
  const KyOpened<OdDbAttributeDefinition> def = KyForWrite<OdDbAttributeDefinition>(object);
  double width = 0.0;
  if (def.isNull() || !KyDoubleOf(value, width) || !def->isMTextAttributeDefinition())
    return kKyRefused;
  if (width < 0.0)
    return KyRefuseWithMessage(QT_TRANSLATE_NOOP("errors", "Value must be non-negative"));
  OdDbMTextPtr mtext = def->getMTextAttributeDefinition();
  if (mtext->width() == width)
    return kKyAccepted;
  mtext->setWidth(width);
  def->setMTextAttributeDefinition(mtext);
  return kKyAccepted;
}

bool CKyAttributeDefinitionPE::IsMultiline(const OdDbObject* object, const CKyPropertyDescription&)
{
  return isMultiline(object);
}

bool CKyAttributeDefinitionPE::IsSingleLine(const OdDbObject* object, const CKyPropertyDescription&)
{
  return !isMultiline(object);
}

CKyVariant CKyAttributeDefinitionPE::GetDynamicPropertyValue(const OdDbObject* object, const CKyPropertyDescription& d,
                                                             const CKyVariant& c)
{
  const KyDynamicRowAccessors* row = annotationRow(d);
  return row && !KyForRead<OdDbAttributeDefinition>(object).isNull() ? row->get(object, d, c) : CKyVariant();
}

int CKyAttributeDefinitionPE::SetDynamicPropertyValue(const OdDbObject* object, const CKyPropertyDescription& d,
                                                      const CKyVariant& value, const CKyVariant& c)
{
  const KyDynamicRowAccessors* row = annotationRow(d);
  if (!row)
    return kKyAccepted;
  return KyForWrite<OdDbAttributeDefinition>(object).isNull() ? kKyRefused : row->set(object, d, value, c);
}

bool CKyAttributeDefinitionPE::IsDynamicPropertyReadOnly(const OdDbObject* object, const CKyPropertyDescription& d)
{
  return CKyTextPE::IsDynamicPropertyReadOnly(object, d);
}

CKyVariant CKyAttributeDefinitionPE::PerformGroupAction(const OdArray<OdDbObjectId>& ids,
                                                        const CKyPropertyDescription& d, const CKyVariant& value,
                                                        const CKyVariant& context)
{
  return CKyTextPE::PerformGroupAction(ids, d, value, context);
}

CKyString CKyAttributeDefinitionInfo::GetClassName(const OdDbObject*)
{
  return CKyString(L"ATTRIBUTE DEFINITION");
}

bool CKyAttributeDefinitionInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  OdDbAttributeDefinitionPtr def = OdDbAttributeDefinition::cast(object);
  if (def.isNull())
    return false;
  PrintAnnotationInfo(object, context);

  OdString styleName, fontFile;
  if (OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::cast(def->textStyle().openObject().get()))
  {
    styleName = style->getName();
    fontFile = style->fileName();
  }
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "TextStyle")), CKyString(styleName));
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Font file")), CKyString(fontFile));
  context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Start point")), def->position());

  KyPrintTextHeights(object, context, def->height());

  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "text")), CKyString(def->textString()));
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "prompt")), CKyString(def->prompt()));
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "tag")), CKyString(def->tag()));
  context->PrintAngle(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "rotation angle")), def->rotation());
  context->PrintScale(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "width scale")), def->widthFactor());
  context->PrintAngle(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "obliquing angle")), def->oblique());

  QString flags;
  if (def->isInvisible())
    flags += QCoreApplication::translate("info_values", "invisible ");
  if (def->isConstant())
    flags += QCoreApplication::translate("info_values", "constant ");
  if (def->isVerifiable())
    flags += QCoreApplication::translate("info_values", "verify ");
  if (def->isPreset())
    flags += QCoreApplication::translate("info_values", "preset");
  if (flags.isEmpty())
    flags = QCoreApplication::translate("info_values", "normal");
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "flags")), CKyString(flags));
  return true;
}

void CKyAttributeDefinitionInfo::PrintAnnotationInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  KyPrintAnnotationInfo(object, context);
}
