// Rows every dimension shows, their per-object annotation rows and the listing parts the
// dimension kinds share.
#include "KyDimensionPE.h"

#include <cmath>

#include <QCoreApplication>

#include "DbDimStyleTableRecord.h"
#include "DbDimension.h"
#include "KyAnnotationRows.h"
#include "KyConstraints.h"
#include "KyCurvesHelper.h"
#include "KyDimVarRows.h"
#include "KyListing.h"
#include "KyMatchPropHelper.h"
#include "KyObjectAnnotationContext.h"
#include "KyObjectValues.h"
#include "KyPropertyTable.h"
#include "KyTexts.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyDimensionPE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyDimensionPE::s_Names;

const char* const CKyDimensionPE::kUserNameKeys[21] = {
  QT_TRANSLATE_NOOP("property_values", "Closed filled"),
  QT_TRANSLATE_NOOP("property_values", "Closed blank"),
  QT_TRANSLATE_NOOP("property_values", "Closed"),
  QT_TRANSLATE_NOOP("property_values", "Dot"),
  QT_TRANSLATE_NOOP("property_values", "Architectural tick"),
  QT_TRANSLATE_NOOP("property_values", "Oblique"),
  QT_TRANSLATE_NOOP("property_values", "Open"),
  QT_TRANSLATE_NOOP("property_values", "Origin indicator"),
  QT_TRANSLATE_NOOP("property_values", "Origin indicator 2"),
  QT_TRANSLATE_NOOP("property_values", "Right angle"),
  QT_TRANSLATE_NOOP("property_values", "Open 30"),
  QT_TRANSLATE_NOOP("property_values", "Dot small"),
  QT_TRANSLATE_NOOP("property_values", "Dot blank"),
  QT_TRANSLATE_NOOP("property_values", "Dot small blank"),
  QT_TRANSLATE_NOOP("property_values", "Box"),
  QT_TRANSLATE_NOOP("property_values", "Box filled"),
  QT_TRANSLATE_NOOP("property_values", "Datum triangle"),
  QT_TRANSLATE_NOOP("property_values", "Datum triangle filled"),
  QT_TRANSLATE_NOOP("property_values", "Integral"),
  QT_TRANSLATE_NOOP("property_values", "None"),
  QT_TRANSLATE_NOOP("property_values", "Custom arrow"),
};

const wchar_t* const CKyDimensionPE::s_SystemNames[20] = {
  L"_ClosedFilled", L"_ClosedBlank", L"_Closed", L"_Dot",      L"_ArchTick",  L"_Oblique",   L"_Open",
  L"_Origin",       L"_Origin2",     L"_Open90", L"_Open30",   L"_DotSmall",  L"_DotBlank",  L"_Small",
  L"_BoxBlank",     L"_BoxFilled",   L"_DatumBlank", L"_DatumFilled", L"_Integral", L"_None"};

QStringList CKyDimensionPE::GetUserNames()
{
  QStringList names;
  for (const char* key : kUserNameKeys)
    names << QCoreApplication::translate("property_values", key);
  return names;
}

namespace
{
constexpr const char* kGeneral = QT_TRANSLATE_NOOP("property_groups", "General");
constexpr const char* kMisc = QT_TRANSLATE_NOOP("property_groups", "Misc");
constexpr const char* kLinesArrows = QT_TRANSLATE_NOOP("property_groups", "Lines && Arrows");
constexpr const char* kText = QT_TRANSLATE_NOOP("property_groups", "Text");
constexpr const char* kFit = QT_TRANSLATE_NOOP("property_groups", "Fit");
constexpr const char* kPrimary = QT_TRANSLATE_NOOP("property_groups", "Primary UnitSystem");
constexpr const char* kTolerance = QT_TRANSLATE_NOOP("property_groups", "Tolerance");

constexpr KyDimVarRow kArrowSize{OdDimVar::dimasz, KyDimShow::kLength, KyDimCheck::kNotNegativePositiveText};
constexpr KyDimVarRow kTextColor{OdDimVar::dimclrt, KyDimShow::kLength, KyDimCheck::kAny};
constexpr KyDimVarRow kTextHeight{OdDimVar::dimtxt, KyDimShow::kLength, KyDimCheck::kPositive};
constexpr KyDimVarRow kTextOffset{OdDimVar::dimgap, KyDimShow::kLength, KyDimCheck::kAny};
constexpr KyDimVarRow kTextStyle{OdDimVar::dimtxsty, KyDimShow::kLength, KyDimCheck::kAny};
constexpr KyDimVarRow kScaleOverall{OdDimVar::dimscale, KyDimShow::kFactor, KyDimCheck::kNonNegative};
constexpr KyDimVarRow kRoundoff{OdDimVar::dimrnd, KyDimShow::kLength, KyDimCheck::kNotNegativePositiveText};
constexpr KyDimVarRow kTolLower{OdDimVar::dimtm, KyDimShow::kLength, KyDimCheck::kAny};
constexpr KyDimVarRow kTolUpper{OdDimVar::dimtp, KyDimShow::kLength, KyDimCheck::kAny};
constexpr KyDimVarRow kTolHeight{OdDimVar::dimtfac, KyDimShow::kLength, KyDimCheck::kNotNegativePositiveText};

constexpr KyChoice kTextMovement[] = {{0, QT_TRANSLATE_NOOP("property_values", "Keep dimline with text")},
                                      {1, QT_TRANSLATE_NOOP("property_values", "Move text, add leader")},
                                      {2, QT_TRANSLATE_NOOP("property_values", "Move text, no leader")}};
constexpr KyDimChoiceRow kTextMovementRow{OdDimVar::dimtmove, kTextMovement, 3, "property_values"};
constexpr KyChoice kTolPosVert[] = {{0, QT_TRANSLATE_NOOP("property_values", "Bottom")},
                                    {1, QT_TRANSLATE_NOOP("property_values", "Middle")},
                                    {2, QT_TRANSLATE_NOOP("property_values", "Top")}};
constexpr KyDimChoiceRow kTolPosVertRow{OdDimVar::dimtolj, kTolPosVert, 3, "property_values"};

constexpr KyDimBitRow kZinLeading{OdDimVar::dimzin, 4};
constexpr KyDimBitRow kZinTrailing{OdDimVar::dimzin, 8};
constexpr KyDimBitRow kTzinLeading{OdDimVar::dimtzin, 4};
constexpr KyDimBitRow kTzinTrailing{OdDimVar::dimtzin, 8};
constexpr KyDimBitRow kAltTzLeading{OdDimVar::dimalttz, 4};
constexpr KyDimBitRow kAltTzTrailing{OdDimVar::dimalttz, 8};

typedef CKyDimensionPE D;
const KyPropertyRow kRows[] = {
  {kGeneral, QT_TRANSLATE_NOOP("property_types", "Associative"), CKyVariant::kEmpty, nullptr, &D::GetAssociative,
   nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Dim style"), CKyVariant::kEmpty, nullptr, &D::GetDimStyle,
   &D::SetDimStyle, &CKyPropertyPEImpl::IsReadOnlyFalse, "DimStyle"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "Arrow size"), CKyVariant::kEmpty, nullptr,
   &KyGetDimVar<kArrowSize>, &KySetDimVar<kArrowSize>, &CKyPropertyPEImpl::IsReadOnlyFalse, "ArrowSize", kKyRowPlain,
   "Lines_Arrows"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Fill color"), CKyVariant::kColor, &CKyPropertyType::kBackgroundColorGUID,
   &D::GetFillColor, &D::SetFillColor, &CKyPropertyPEImpl::IsReadOnlyFalse, "FillColor"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Text color"), CKyVariant::kColor, nullptr, &KyGetDimVar<kTextColor>,
   &KySetDimVar<kTextColor>, &CKyPropertyPEImpl::IsReadOnlyFalse, "TextColor"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Text height"), CKyVariant::kEmpty, nullptr, &KyGetDimVar<kTextHeight>,
   &KySetDimVar<kTextHeight>, &CKyPropertyPEImpl::IsReadOnlyFalse, "Height"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Text offset"), CKyVariant::kEmpty, nullptr, &KyGetDimVar<kTextOffset>,
   &KySetDimVar<kTextOffset>, &CKyPropertyPEImpl::IsReadOnlyFalse, "Offset"},
  {kText, QT_TRANSLATE_NOOP("property_types", "TextStyle"), CKyVariant::kEmpty, nullptr, &KyGetDimVar<kTextStyle>,
   &KySetDimVar<kTextStyle>, &CKyPropertyPEImpl::IsReadOnlyFalse, "TextStyle"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Position x"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateXGUID,
   &D::GetPositionX, &D::SetPositionX, &CKyPropertyPEImpl::IsReadOnlyFalse, "CoordinateX"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Position y"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateYGUID,
   &D::GetPositionY, &D::SetPositionY, &CKyPropertyPEImpl::IsReadOnlyFalse, "CoordinateY"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Rotation"), CKyVariant::kDouble, &CKyPropertyType::kAngleGUID,
   &D::GetRotation, &D::SetRotation, &CKyPropertyPEImpl::IsReadOnlyFalse, "Rotation"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Text override"), CKyVariant::kEmpty, nullptr, &D::GetOverride,
   &D::SetOverride, &D::IsOverrideReadOnly, "Override"},
  {kFit, QT_TRANSLATE_NOOP("property_types", "Dim scale overall"), CKyVariant::kEmpty, nullptr,
   &KyGetDimVar<kScaleOverall>, &KySetDimVar<kScaleOverall>, &D::IsDimScaleOverallReadOnly, "DimScaleOverall"},
  {kFit, QT_TRANSLATE_NOOP("property_types", "Text movement"), CKyVariant::kEmpty, nullptr,
   &KyGetDimChoice<kTextMovementRow>, &KySetDimChoice<kTextMovementRow>, &CKyPropertyPEImpl::IsReadOnlyFalse,
   "TextMovement"},
  {kPrimary, QT_TRANSLATE_NOOP("property_types", "Decimal separator"), CKyVariant::kEmpty, nullptr,
   &D::GetDecimalSeparator, &D::SetDecimalSeparator, &CKyPropertyPEImpl::IsReadOnlyFalse, "DecimalSeparator",
   kKyRowPlain, "Primary_units"},
  {kPrimary, QT_TRANSLATE_NOOP("property_types", "Dim Roundoff"), CKyVariant::kEmpty, nullptr, &KyGetDimVar<kRoundoff>,
   &KySetDimVar<kRoundoff>, &CKyPropertyPEImpl::IsReadOnlyFalse, "Roundoff", kKyRowPlain, "Primary_units"},
  {kPrimary, QT_TRANSLATE_NOOP("property_types", "Dim prefix"), CKyVariant::kEmpty, nullptr, &D::GetDimPrefix,
   &D::SetDimPrefix, &CKyPropertyPEImpl::IsReadOnlyFalse, "DimPrefix", kKyRowPlain, "Primary_units"},
  {kPrimary, QT_TRANSLATE_NOOP("property_types", "Dim suffix"), CKyVariant::kEmpty, nullptr, &D::GetDimSuffix,
   &D::SetDimSuffix, &CKyPropertyPEImpl::IsReadOnlyFalse, "DimSuffix", kKyRowPlain, "Primary_units"},
  {kPrimary, QT_TRANSLATE_NOOP("property_types", "Suppress leading zeros"), CKyVariant::kEmpty, nullptr,
   &KyGetDimBit<kZinLeading>, &KySetDimBit<kZinLeading>, &D::IsSuppressLeadingZerosReadOnly, "SuppressLeadingZeroes",
   kKyRowPlain, "Primary_units"},
  {kPrimary, QT_TRANSLATE_NOOP("property_types", "Suppress trailing zeros"), CKyVariant::kEmpty, nullptr,
   &KyGetDimBit<kZinTrailing>, &KySetDimBit<kZinTrailing>, &D::IsSuppressTrailingZerosReadOnly,
   "SuppressTrailingZeroes", kKyRowPlain, "Primary_units"},
  {kTolerance, QT_TRANSLATE_NOOP("property_types", "Tolerance display"), CKyVariant::kEmpty, nullptr,
   &D::GetToleranceDisplay, &D::SetToleranceDisplay, &CKyPropertyPEImpl::IsReadOnlyFalse, "ToleranceDisplay"},
  {kTolerance, QT_TRANSLATE_NOOP("property_types", "Tolerance limit lower"), CKyVariant::kEmpty, nullptr,
   &KyGetDimVar<kTolLower>, &KySetDimVar<kTolLower>, &D::IsToleranceLimLowerReadOnly, "ToleranceLimitLower"},
  {kTolerance, QT_TRANSLATE_NOOP("property_types", "Tolerance limit upper"), CKyVariant::kEmpty, nullptr,
   &KyGetDimVar<kTolUpper>, &D::SetToleranceLimUpper, &D::IsToleranceLimUpperReadOnly, "ToleranceLimitUpper"},
  {kTolerance, QT_TRANSLATE_NOOP("property_types", "Tolerance pos vert"), CKyVariant::kEmpty, nullptr,
   &KyGetDimChoice<kTolPosVertRow>, &KySetDimChoice<kTolPosVertRow>, &CKyPropertyPEImpl::IsReadOnlyFalse,
   "TolerancePosVert"},
  {kTolerance, QT_TRANSLATE_NOOP("property_types", "Tolerance precision"), CKyVariant::kEmpty, nullptr,
   &D::GetTolerancePrecision, &D::SetTolerancePrecision, &D::IsTolerancePrecisionReadOnly, "TolerancePrecision"},
  {kTolerance, QT_TRANSLATE_NOOP("property_types", "Tolerance suppress leading zeros"), CKyVariant::kEmpty, nullptr,
   &KyGetDimBit<kTzinLeading>, &KySetDimBit<kTzinLeading>, &D::IsTolSupLeadingZerosReadOnly, "TolSupLeadingZeroes"},
  {kTolerance, QT_TRANSLATE_NOOP("property_types", "Tolerance suppress trailing zeros"), CKyVariant::kEmpty, nullptr,
   &KyGetDimBit<kTzinTrailing>, &KySetDimBit<kTzinTrailing>, &D::IsTolSupTrailingZerosReadOnly,
   "TolSupTrailingZeroes"},
  {kTolerance, QT_TRANSLATE_NOOP("property_types", "Tolerance text height"), CKyVariant::kEmpty, nullptr,
   &KyGetDimVar<kTolHeight>, &KySetDimVar<kTolHeight>, &CKyPropertyPEImpl::IsReadOnlyFalse, "ToleranceTextHeight"},
  {kTolerance, QT_TRANSLATE_NOOP("property_types", "Inspection frame"), CKyVariant::kEmpty, nullptr, &D::GetInspection,
   &D::SetInspection, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kTolerance, QT_TRANSLATE_NOOP("property_types", "Inspection frame shape"), CKyVariant::kEmpty, nullptr,
   &D::GetInspectionFrame, &D::SetInspectionFrame, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kTolerance, QT_TRANSLATE_NOOP("property_types", "Inspection label"), CKyVariant::kEmpty, nullptr,
   &D::GetInspectionLabel, &D::SetInspectionLabel, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kTolerance, QT_TRANSLATE_NOOP("property_types", "Inspection rate"), CKyVariant::kEmpty, nullptr,
   &D::GetInspectionRate, &D::SetInspectionRate, &CKyPropertyPEImpl::IsReadOnlyFalse},
};
const KyMatchPropCarrier kCarrier = {"MATCHPROP_Dimension", &D::GetMATCHPROP_Dimension, &D::SetMATCHPROP_Dimension};

// The inspection rows keep their icons in the Misc folder under names of their own.
struct IconPaths
{
  const char* name;
  const char* png;
  const char* svg;
};
const IconPaths kInspectionIcons[] = {
  {"Inspection frame", ":/Misc/InspectionDim_On_20.png", ":/Misc/svg_icons/Misc/InspectionDim_On.svg"},
  {"Inspection frame shape", ":/Misc/InspectionDimFrame_20.png", ":/Misc/svg_icons/Misc/InspectionDimFrame.svg"},
  {"Inspection label", ":/Misc/InspectionLabel.png", ":/Misc/svg_icons/Misc/InspectionLabel.svg"},
  {"Inspection rate", ":/Misc/InspectionRate.png", ":/Misc/svg_icons/Misc/InspectionRate.svg"},
};

void setInspectionIcons(KyDescriptionList& names)
{
  for (const IconPaths& icon : kInspectionIcons)
    KyDimSetIcons(names, icon.name, icon.png, icon.svg);
}

const KyText kDimStyleName("property_types", "Dim style");
const KyText kTextStyleName("property_types", "TextStyle");
const KyText kMiscGroup("property_groups", "Misc");

const KyAnnotationFamily kAnnotationFamily{kMisc,
                                           &CKyDimensionPE::GetDynamicPropertyValue,
                                           &CKyDimensionPE::SetDynamicPropertyValue,
                                           &CKyDimensionPE::IsDynamicPropertyReadOnly,
                                           &CKyDimensionPE::PerformGroupAction,
                                           "CKyDimensionPE",
                                           QT_TRANSLATE_NOOP("CKyDimensionPE", "Edit annotation scales")};

bool annotative(const OdDbObject* object)
{
  return CKyObjectAnnotationContext::IsAnnotative(object->objectId());
}

// The dynamic pass: the style rows get their object types, then the annotation rows.
void addDynamicRows(const OdDbObject* object, CKyPropertiesContainer* container)
{
  if (!container || !object || !object->isKindOf(OdDbDimension::desc()))
    return;
  static KyListedRowFinder annotativeRow, dimStyleRow, textStyleRow, scaleRow;
  if (annotativeRow.find(container, kKyAnnotativeName.get(), kMiscGroup.get()))
    return;
  if (CKyPropertyDescription* style = dimStyleRow.find(container, kDimStyleName.get(), kMiscGroup.get()))
    style->SetType(CKyPropertyTypeImpl(CKyVariant::kObjectId, CKyPropertyType::kDimStyleGUID));
  if (CKyPropertyDescription* style = textStyleRow.find(container, kTextStyleName.get(), kKyTextGroup.get()))
    style->SetType(CKyPropertyTypeImpl(CKyVariant::kObjectId, CKyPropertyType::kTextStyleGUID));
  if (annotative(object))
  {
    const KyAnnotationRow* const rows[] = {&kKyAnnotativeRow, &kKyAnnotativeScaleRow};
    KyAddAnnotationRows(container, kAnnotationFamily, rows);
    // The scale row of dimensions shares the annotative row's vector icon.
    if (CKyPropertyDescription* scale = scaleRow.find(container, kKyAnnotativeScaleName.get(), kMiscGroup.get()))
      scale->SetDarkIcon(KyDarkIconPathOf("Misc", "annotative"));
    return;
  }
  const KyAnnotationRow* const rows[] = {&kKyAnnotativeRow};
  KyAddAnnotationRows(container, kAnnotationFamily, rows);
}

// Tolerance display codes.
enum ToleranceMode
{
  kTolNone = 0,
  kTolSymmetrical = 1,
  kTolDeviation = 2,
  kTolLimits = 3,
  kTolBasic = 4
};

int toleranceMode(const OdDbDimension* d)
{
  if (KyDimReal(d, OdDimVar::dimgap) < 0.0)
    return kTolBasic;
  if (KyDimOn(d, OdDimVar::dimtol))
    return KyDimReal(d, OdDimVar::dimtp) == KyDimReal(d, OdDimVar::dimtm) ? kTolSymmetrical : kTolDeviation;
  if (KyDimOn(d, OdDimVar::dimlim))
    return kTolLimits;
  return kTolNone;
}

int modeOf(const OdDbObject* object)
{
  const KyOpened<OdDbDimension> d = KyAs<OdDbDimension>(object);
  return d.isNull() ? kTolNone : toleranceMode(d);
}

OdString recordName(const OdDbObjectId& id)
{
  OdDbSymbolTableRecordPtr rec = OdDbSymbolTableRecord::cast(id.openObject().get());
  return rec.isNull() ? OdString() : rec->getName();
}
} // namespace

CKyString CKyDimensionPE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Dimension"));
}

void CKyDimensionPE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                      const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  const bool built = !s_Names.isEmpty();
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyDimensionPE::desc(), OdDbDimension::desc(),
                 s_Names, KyTable(kRows, &kCarrier));
  if (!built && !s_Names.isEmpty())
    setInspectionIcons(s_Names);
  if (container && (!extensionClass || extensionClass->isDerivedFrom(CKyDimensionPE::desc())))
    addDynamicRows(object, container);
}

bool CKyDimensionPE::HasDynamicProperties()
{
  return true;
}

// The pass already ran from GetPropertyNames; running it again adds nothing.
void CKyDimensionPE::GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container)
{
  addDynamicRows(object, container);
}

CKyVariant CKyDimensionPE::GetAssociative(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForRead<OdDbDimension>(o);
  if (d.isNull())
    return CKyVariant();
  return CKyVariant(KyYesNoText(KyCurvesHelper::IsDimensionAssociated(d)));
}

CKyVariant CKyDimensionPE::GetDimStyle(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForRead<OdDbDimension>(o);
  return d.isNull() ? CKyVariant() : CKyVariant(d->dimensionStyle());
}

int CKyDimensionPE::SetDimStyle(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForWrite<OdDbDimension>(o);
  if (d.isNull() || v.GetType() != CKyVariant::kObjectId)
    return kKyRefused;
  const OdDbObjectId id = v.GetId();
  if (id.isNull())
    return kKyAccepted;
  if (!id.objectClass() || !id.objectClass()->isDerivedFrom(OdDbDimStyleTableRecord::desc()))
    return kKyRefused;
  d->setDimensionStyle(id);
  d->setDimstyleData(id);
  CKyObjectAnnotationContext::SetAnnotativeByStyle(d->objectId());
  return kKyAccepted;
}

CKyVariant CKyDimensionPE::GetFillColor(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForRead<OdDbDimension>(o);
  if (d.isNull())
    return CKyVariant();
  OdCmColor color = d->getBgrndTxtColor();
  if (KyDimInt(d, OdDimVar::dimtfill) == 0)
    color.setColorIndex(257);
  return CKyVariant(color);
}

int CKyDimensionPE::SetFillColor(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                 const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForWrite<OdDbDimension>(o);
  if (d.isNull() || v.GetType() != CKyVariant::kColor)
    return kKyRefused;
  const OdCmColor color = v.GetColor();
  d->setBgrndTxtColor(color, color.isNone() ? 0 : color.isForeground() ? 1 : 2);
  return kKyAccepted;
}

CKyVariant CKyDimensionPE::GetPositionX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyObjectUcsComponent<OdDbDimension>(o, kKyAxisX, [](const OdDbDimension* d) { return d->textPosition(); });
}
CKyVariant CKyDimensionPE::GetPositionY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyObjectUcsComponent<OdDbDimension>(o, kKyAxisY, [](const OdDbDimension* d) { return d->textPosition(); });
}

namespace
{
int setTextPositionComponent(const OdDbObject* o, KyAxis axis, const CKyVariant& v)
{
  return KySetObjectUcsComponent<OdDbDimension>(
    o, axis, v, [](const OdDbDimension* d) { return d->textPosition(); },
    [](OdDbDimension* d, const OdGePoint3d& p) {
      d->useSetTextPosition();
      d->setTextPosition(p);
    });
}
} // namespace

int CKyDimensionPE::SetPositionX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                 const CKyVariant&)
{
  return setTextPositionComponent(o, kKyAxisX, v);
}
int CKyDimensionPE::SetPositionY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                 const CKyVariant&)
{
  return setTextPositionComponent(o, kKyAxisY, v);
}

CKyVariant CKyDimensionPE::GetRotation(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyGetDouble<OdDbDimension>(o, [](const OdDbDimension* d) { return KyShownAngle(d->textRotation()); });
}
int CKyDimensionPE::SetRotation(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                const CKyVariant&)
{
  return KySetDouble<OdDbDimension>(o, v, [](OdDbDimension* d, double a) { d->setTextRotation(a); });
}

CKyVariant CKyDimensionPE::GetOverride(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForRead<OdDbDimension>(o);
  return d.isNull() ? CKyVariant() : KyStringValueOf(d->dimensionText());
}

// A constraint dimension's text belongs to its constraint: nothing is written, 5100 all the same.
int CKyDimensionPE::SetOverride(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForWrite<OdDbDimension>(o);
  if (d.isNull() || v.GetType() != CKyVariant::kString)
    return kKyRefused;
  if (!d->isConstraintObject())
    d->setDimensionText(OdString(v.GetString()));
  return kKyAccepted;
}

bool CKyDimensionPE::IsOverrideReadOnly(const OdDbObject* o, const CKyPropertyDescription&)
{
  CKyConstraintUtils* utils = GetConstraintUtils();
  CKyConstraintManager* manager = utils ? utils->GetConstraintManager() : nullptr;
  return manager && o && manager->IsOverrideReadOnly(o->database());
}

bool CKyDimensionPE::IsDimScaleOverallReadOnly(const OdDbObject* o, const CKyPropertyDescription&)
{
  return o && annotative(o);
}

CKyVariant CKyDimensionPE::GetDecimalSeparator(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForRead<OdDbDimension>(o);
  if (d.isNull())
    return CKyVariant();
  return CKyVariant(CKyString(QString(QChar(static_cast<ushort>(d->dimdsep())))));
}

int CKyDimensionPE::SetDecimalSeparator(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                        const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForWrite<OdDbDimension>(o);
  if (d.isNull() || v.GetType() != CKyVariant::kString)
    return kKyRefused;
  const OdString text(v.GetString());
  if (text.getLength() != 1)
    return KyRefuseWithMessage(QT_TRANSLATE_NOOP("errors", "Decimal separator must be one character"));
  d->setDimdsep(text.getAt(0));
  return kKyAccepted;
}

CKyVariant CKyDimensionPE::GetDimPrefix(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyDimPostPart(o, OdDimVar::dimpost, true);
}
int CKyDimensionPE::SetDimPrefix(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                 const CKyVariant&)
{
  return KyDimPostPartWrite(o, OdDimVar::dimpost, true, v);
}
CKyVariant CKyDimensionPE::GetDimSuffix(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyDimPostPart(o, OdDimVar::dimpost, false);
}
int CKyDimensionPE::SetDimSuffix(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                 const CKyVariant&)
{
  return KyDimPostPartWrite(o, OdDimVar::dimpost, false, v);
}

bool CKyDimensionPE::IsSuppressLeadingZerosReadOnly(const OdDbObject*, const CKyPropertyDescription&)
{
  return false;
}
bool CKyDimensionPE::IsSuppressTrailingZerosReadOnly(const OdDbObject*, const CKyPropertyDescription&)
{
  return false;
}
bool CKyDimensionPE::IsTolSupLeadingZerosReadOnly(const OdDbObject*, const CKyPropertyDescription&)
{
  return false;
}
bool CKyDimensionPE::IsTolSupTrailingZerosReadOnly(const OdDbObject*, const CKyPropertyDescription&)
{
  return false;
}

CKyVariant CKyDimensionPE::GetToleranceDisplay(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  static const KyChoice kModes[] = {{kTolNone, QT_TRANSLATE_NOOP("property_values", "None")},
                                    {kTolSymmetrical, QT_TRANSLATE_NOOP("property_values", "Symmetrical")},
                                    {kTolDeviation, QT_TRANSLATE_NOOP("property_values", "Deviation")},
                                    {kTolLimits, QT_TRANSLATE_NOOP("property_values", "Limits")},
                                    {kTolBasic, QT_TRANSLATE_NOOP("property_values", "Basic")}};
  const KyOpened<OdDbDimension> d = KyForRead<OdDbDimension>(o);
  return d.isNull() ? CKyVariant() : KyDimList(kModes, 5, toleranceMode(d), "property_values");
}

// Any mode but Basic first turns a negative text offset (the basic frame) positive.
int CKyDimensionPE::SetToleranceDisplay(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                        const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForWrite<OdDbDimension>(o);
  int tag = 0;
  if (d.isNull() || !KyChosenCode(v, tag))
    return kKyRefused;
  const double gap = KyDimReal(d, OdDimVar::dimgap);
  if (gap < 0.0)
    KyDimSetReal(d, OdDimVar::dimgap, std::fabs(gap));
  switch (tag)
  {
  case kTolNone:
    d->setDimtol(false);
    d->setDimlim(false);
    break;
  case kTolSymmetrical:
    d->setDimtol(true);
    d->setDimlim(false);
    d->setDimtm(d->dimtp());
    break;
  case kTolDeviation:
    d->setDimtol(true);
    d->setDimlim(false);
    if (d->dimtm() == d->dimtp())
      d->setDimtm(d->dimtp() + 1e-8);
    break;
  case kTolLimits:
    d->setDimtol(false);
    d->setDimlim(true);
    break;
  case kTolBasic:
    d->setDimtol(false);
    d->setDimlim(false);
    d->setDimgap(-std::fabs(d->dimgap()));
    break;
  default: break;
  }
  return kKyAccepted;
}

bool CKyDimensionPE::IsToleranceLimLowerReadOnly(const OdDbObject* o, const CKyPropertyDescription&)
{
  const int mode = modeOf(o);
  return mode == kTolNone || mode == kTolSymmetrical || mode == kTolBasic;
}

int CKyDimensionPE::SetToleranceLimUpper(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                         const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForWrite<OdDbDimension>(o);
  double value = 0.0;
  if (d.isNull() || !KyDoubleOf(v, value))
    return kKyRefused;
  if (d->dimtol() && d->dimtp() == d->dimtm())
    d->setDimtm(value);
  d->setDimtp(value);
  return kKyAccepted;
}

bool CKyDimensionPE::IsToleranceLimUpperReadOnly(const OdDbObject* o, const CKyPropertyDescription&)
{
  const int mode = modeOf(o);
  return mode == kTolNone || mode == kTolBasic;
}

namespace
{
// A tolerance precision (DIMTDEC, DIMALTTD): decimal places 0-8 whatever the unit.
CKyVariant tolerancePrecision(const OdDbObject* o, OdDimVar var)
{
  const KyOpened<OdDbDimension> d = KyForRead<OdDbDimension>(o);
  return d.isNull() ? CKyVariant() : KyDimDecimalPrecisionList(KyDimInt(d, var));
}

int setTolerancePrecision(const OdDbObject* o, const CKyVariant& v, OdDimVar var)
{
  const KyOpened<OdDbDimension> d = KyForWrite<OdDbDimension>(o);
  int tag = 0;
  if (d.isNull() || !KyChosenCode(v, tag))
    return kKyRefused;
  if (tag >= 0 && tag <= 8)
    KyDimSetInt(d, var, tag);
  return kKyAccepted;
}
} // namespace

CKyVariant CKyDimensionPE::GetTolerancePrecision(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return tolerancePrecision(o, OdDimVar::dimtdec);
}

int CKyDimensionPE::SetTolerancePrecision(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                          const CKyVariant&)
{
  return setTolerancePrecision(o, v, OdDimVar::dimtdec);
}

bool CKyDimensionPE::IsTolerancePrecisionReadOnly(const OdDbObject* o, const CKyPropertyDescription&)
{
  const KyOpened<OdDbDimension> d = KyAs<OdDbDimension>(o);
  if (d.isNull())
    return true;
  const bool editable = (d->dimtol() && d->dimgap() >= 0.0) || toleranceMode(d) == kTolLimits;
  return !editable;
}

namespace
{
const KyChoice kOnOff[] = {{1, QT_TRANSLATE_NOOP("CKyDimensionPE", "On")}, {0, QT_TRANSLATE_NOOP("CKyDimensionPE", "Off")}};
const KyChoice kFrameShapes[] = {{4, QT_TRANSLATE_NOOP("CKyDimensionPE", "None")},
                                 {1, QT_TRANSLATE_NOOP("CKyDimensionPE", "Round")},
                                 {2, QT_TRANSLATE_NOOP("CKyDimensionPE", "Angular")}};
} // namespace

CKyVariant CKyDimensionPE::GetInspection(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForRead<OdDbDimension>(o);
  return d.isNull() ? CKyVariant() : KyDimList(kOnOff, 2, d->inspection() ? 0 : 1, "CKyDimensionPE");
}

int CKyDimensionPE::SetInspection(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                  const CKyVariant&)
{
  return KySetOnOff<OdDbDimension>(o, v, [](OdDbDimension* d, bool on) { d->setInspection(on); });
}

CKyVariant CKyDimensionPE::GetInspectionFrame(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForRead<OdDbDimension>(o);
  if (d.isNull())
    return CKyVariant();
  const int frame = d->inspectionFrame();
  return KyDimList(kFrameShapes, 3, (frame & 1) ? 1 : (frame & 2) ? 2 : 0, "CKyDimensionPE");
}

int CKyDimensionPE::SetInspectionFrame(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                       const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForWrite<OdDbDimension>(o);
  int tag = 0;
  if (d.isNull() || !KyChosenCode(v, tag))
    return kKyRefused;
  if (tag == 1 || tag == 2 || tag == 4)
    d->setInspectionFrame((d->inspectionFrame() & ~7) | tag);
  return kKyAccepted;
}

namespace
{
// The inspection label and rate: shown while their frame bit is set; writing one sets its bit.
CKyVariant inspectionText(const OdDbObject* o, int bit, OdString (OdDbDimension::*text)() const)
{
  const KyOpened<OdDbDimension> d = KyForRead<OdDbDimension>(o);
  if (d.isNull())
    return CKyVariant();
  return KyStringValueOf((d->inspectionFrame() & bit) ? (d.get()->*text)() : OdString());
}

int setInspectionText(const OdDbObject* o, const CKyVariant& v, int bit, void (OdDbDimension::*setText)(const OdString&))
{
  const KyOpened<OdDbDimension> d = KyForWrite<OdDbDimension>(o);
  if (d.isNull() || v.GetType() != CKyVariant::kString)
    return kKyRefused;
  d->setInspectionFrame(d->inspectionFrame() | bit);
  (d.get()->*setText)(OdString(v.GetString()));
  return kKyAccepted;
}
} // namespace

CKyVariant CKyDimensionPE::GetInspectionLabel(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return inspectionText(o, 16, &OdDbDimension::inspectionLabel);
}

int CKyDimensionPE::SetInspectionLabel(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                       const CKyVariant&)
{
  return setInspectionText(o, v, 16, &OdDbDimension::setInspectionLabel);
}

CKyVariant CKyDimensionPE::GetInspectionRate(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return inspectionText(o, 32, &OdDbDimension::inspectionRate);
}

int CKyDimensionPE::SetInspectionRate(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                      const CKyVariant&)
{
  return setInspectionText(o, v, 32, &OdDbDimension::setInspectionRate);
}

CKyVariant CKyDimensionPE::GetMATCHPROP_Dimension(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyMatchPropGetter<OdDbDimension>(o);
}

int CKyDimensionPE::SetMATCHPROP_Dimension(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                           const CKyVariant&)
{
  return KyMatchPropSetter<OdDbDimension>(o, v, &KyIsKindOf<OdDbDimension>, &CKyMatchPropHelper::matchDimensionProps);
}

CKyVariant CKyDimensionPE::GetAltTolerancePrecision(const OdDbObject* o, const CKyPropertyDescription&,
                                                    const CKyVariant&)
{
  return tolerancePrecision(o, OdDimVar::dimalttd);
}

int CKyDimensionPE::SetAltTolerancePrecision(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                             const CKyVariant&)
{
  return setTolerancePrecision(o, v, OdDimVar::dimalttd);
}

bool CKyDimensionPE::IsAltTolerancePrecisionReadOnly(const OdDbObject* o, const CKyPropertyDescription&)
{
  const KyOpened<OdDbDimension> d = KyAs<OdDbDimension>(o);
  return d.isNull() || !(d->dimtol() && d->dimgap() >= 0.0);
}

CKyVariant CKyDimensionPE::GetTolSupZeroFeet(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyDimZeroFeetValue(o, OdDimVar::dimtzin);
}
int CKyDimensionPE::SetTolSupZeroFeet(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                      const CKyVariant&)
{
  return KyDimZeroFeetWrite(o, OdDimVar::dimtzin, v);
}
CKyVariant CKyDimensionPE::GetTolSupZeroInches(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyDimZeroInchesValue(o, OdDimVar::dimtzin);
}
int CKyDimensionPE::SetTolSupZeroInches(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                        const CKyVariant&)
{
  return KyDimZeroInchesWrite(o, OdDimVar::dimtzin, v);
}
CKyVariant CKyDimensionPE::GetAltTolSupLeadingZeros(const OdDbObject* o, const CKyPropertyDescription& d,
                                                    const CKyVariant& c)
{
  return KyGetDimBit<kAltTzLeading>(o, d, c);
}
int CKyDimensionPE::SetAltTolSupLeadingZeros(const OdDbObject* o, const CKyPropertyDescription& d, const CKyVariant& v,
                                             const CKyVariant& c)
{
  return KySetDimBit<kAltTzLeading>(o, d, v, c);
}
CKyVariant CKyDimensionPE::GetAltTolSupTrailingZeros(const OdDbObject* o, const CKyPropertyDescription& d,
                                                     const CKyVariant& c)
{
  return KyGetDimBit<kAltTzTrailing>(o, d, c);
}
int CKyDimensionPE::SetAltTolSupTrailingZeros(const OdDbObject* o, const CKyPropertyDescription& d, const CKyVariant& v,
                                              const CKyVariant& c)
{
  return KySetDimBit<kAltTzTrailing>(o, d, v, c);
}
CKyVariant CKyDimensionPE::GetAltTolSupZeroFeet(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyDimZeroFeetValue(o, OdDimVar::dimalttz);
}
int CKyDimensionPE::SetAltTolSupZeroFeet(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                         const CKyVariant&)
{
  return KyDimZeroFeetWrite(o, OdDimVar::dimalttz, v);
}
CKyVariant CKyDimensionPE::GetAltTolSupZeroInches(const OdDbObject* o, const CKyPropertyDescription&,
                                                  const CKyVariant&)
{
  return KyDimZeroInchesValue(o, OdDimVar::dimalttz);
}
int CKyDimensionPE::SetAltTolSupZeroInches(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                           const CKyVariant&)
{
  return KyDimZeroInchesWrite(o, OdDimVar::dimalttz, v);
}
bool CKyDimensionPE::IsTolSupZeroFeetReadOnly(const OdDbObject*, const CKyPropertyDescription&)
{
  return false;
}
bool CKyDimensionPE::IsTolSupZeroInchesReadOnly(const OdDbObject*, const CKyPropertyDescription&)
{
  return false;
}
bool CKyDimensionPE::IsAltTolSupLeadingZerosReadOnly(const OdDbObject*, const CKyPropertyDescription&)
{
  return false;
}
bool CKyDimensionPE::IsAltTolSupTrailingZerosReadOnly(const OdDbObject*, const CKyPropertyDescription&)
{
  return false;
}
bool CKyDimensionPE::IsAltTolSupZeroFeetReadOnly(const OdDbObject*, const CKyPropertyDescription&)
{
  return false;
}
bool CKyDimensionPE::IsAltTolSupZeroInchesReadOnly(const OdDbObject*, const CKyPropertyDescription&)
{
  return false;
}

CKyVariant CKyDimensionPE::GetDynamicPropertyValue(const OdDbObject* o, const CKyPropertyDescription& description,
                                                   const CKyVariant&)
{
  if (KyForRead<OdDbDimension>(o).isNull())
    return CKyVariant();
  const CKyString name = description.GetName();
  if (KyIsNamed(name, kKyAnnotativeName))
    return KyYesNoList(annotative(o));
  if (KyIsNamed(name, kKyAnnotativeScaleName))
    return CKyVariant(CKyObjectAnnotationContext(o->objectId()).GetCurrentScale());
  return CKyVariant();
}

int CKyDimensionPE::SetDynamicPropertyValue(const OdDbObject* o, const CKyPropertyDescription& description,
                                            const CKyVariant& v, const CKyVariant&)
{
  if (KyForWrite<OdDbDimension>(o).isNull())
    return kKyRefused;
  const CKyString name = description.GetName();
  if (KyIsNamed(name, kKyAnnotativeName))
  {
    int tag = 0;
    if (!KyChosenCode(v, tag))
      return kKyRefused;
    return CKyObjectAnnotationContext::UpdateDimensionsOverrides(o->objectId(), tag == 1) ? kKyAccepted : kKyRefused;
  }
  return kKyAccepted;
}

bool CKyDimensionPE::IsDynamicPropertyReadOnly(const OdDbObject* o, const CKyPropertyDescription& description)
{
  if (KyIsNamed(description.GetName(), kKyAnnotativeScaleName))
    return !o || !annotative(o);
  return false;
}

CKyVariant CKyDimensionPE::PerformGroupAction(const OdArray<OdDbObjectId>& ids, const CKyPropertyDescription& description,
                                              const CKyVariant&, const CKyVariant&)
{
  return KyAnnotationScaleAction(ids, description);
}

// ---- listing ------------------------------------------------------------------------------------

bool CKyDimensionInfo::PrintObjectInfo(const OdDbObject*, CKyPrintInfoContext*)
{
  return false;
}

void CKyDimensionInfo::PrintAnnotationInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  KyPrintAnnotationInfo(object, context);
}

bool CKyDimensionInfo::PrintLinear(const OdDbObject* object, CKyPrintInfoContext* context, const char* typeKey,
                                   const char* const (&pointLabels)[3], const OdGePoint3d (&points)[3])
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  OdDbDimensionPtr dim = OdDbDimension::cast(object);
  if (dim.isNull())
    return false;
  PrintAnnotationInfo(object, context);
  if (CKyConstraintUtils* utils = GetConstraintUtils())
    if (CKyConstraintManager* manager = utils->GetConstraintManager())
      manager->PrintConstraintInfo(dim, context);
  context->PrintBool(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "related")),
                     KyCurvesHelper::IsDimensionAssociated(dim));
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "type")),
                       CKyString(QCoreApplication::translate("info_values", typeKey)));
  for (int i = 0; i < 3; ++i)
    context->PrintPoint(KyInfoLabel(pointLabels[i]), points[i]);
  context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "default text position")), dim->textPosition());
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "default text")), CKyString(dim->dimensionText()));
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "DimensionStyle")),
                       CKyString(recordName(dim->dimensionStyle())));
  PrintDimOverrides(object, context);
  return true;
}

void CKyDimensionInfo::PrintDimOverrides(const OdDbObject* object, CKyPrintInfoContext* context)
{
  OdDbDimensionPtr dim = OdDbDimension::cast(object);
  if (dim.isNull())
    return;
  OdDbDimStyleTableRecordPtr inForce = OdDbDimStyleTableRecord::createObject();
  dim->getDimstyleData(inForce);
  OdDbDimStyleTableRecordPtr style = OdDbDimStyleTableRecord::cast(dim->dimensionStyle().openObject().get());
  if (style.isNull())
    style = OdDbDimStyleTableRecord::createObject();
  bool header = false;
  for (int i = 0; i < kOdDimVarCount; ++i)
  {
    const OdDimVarDesc& d = odDimVarDesc(i);
    const OdDimVarValue& value = inForce->dimVarValue(i);
    if (odDimVarEqual(d.kind, value, style->dimVarValue(i)))
      continue;
    if (!header)
    {
      context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Dimension style overrides")),
                           CKyString(QStringLiteral(":")));
      header = true;
    }
    const QString label = QString::fromLatin1(d.name).toUpper();
    const OdString text = d.kind == OdDimVarKind::Id ? recordName(value.id) : odDimVarText(i, value);
    context->PrintString(CKyString(label), CKyString(text));
  }
}
