// Two-arrow dimension rows: arrows (joined or separate), dimension and extension lines, text
// placement and fit.
#include "KyDimension2ArrowPE.h"

#include <QCoreApplication>

#include "DbDimension.h"
#include "KyDimVarRows.h"
#include "KyObjectValues.h"
#include "KyPropertyTable.h"
#include "KyTexts.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyDimension2ArrowPE, CKyDimensionPE, RXIMPL_CONSTR)

KyDescriptionList CKyDimension2ArrowPE::s_Names;

namespace
{
constexpr const char* kLinesArrows = QT_TRANSLATE_NOOP("property_groups", "Lines && Arrows");
constexpr const char* kText = QT_TRANSLATE_NOOP("property_groups", "Text");
constexpr const char* kFit = QT_TRANSLATE_NOOP("property_groups", "Fit");

constexpr KyChoice kOnOff[] = {{1, QT_TRANSLATE_NOOP("property_values", "On")},
                               {0, QT_TRANSLATE_NOOP("property_values", "Off")}};
constexpr KyChoice kOffOn[] = {{1, QT_TRANSLATE_NOOP("property_values", "Off")},
                               {0, QT_TRANSLATE_NOOP("property_values", "On")}};
constexpr KyChoice kPosHor[] = {{0, QT_TRANSLATE_NOOP("property_values", "Centered")},
                                {1, QT_TRANSLATE_NOOP("property_values", "First extension line")},
                                {2, QT_TRANSLATE_NOOP("property_values", "Second extension line")},
                                {3, QT_TRANSLATE_NOOP("property_values", "Over first extension")},
                                {4, QT_TRANSLATE_NOOP("property_values", "Over second extension")}};
constexpr KyChoice kPosVert[] = {{0, QT_TRANSLATE_NOOP("property_values", "Centered")},
                                 {1, QT_TRANSLATE_NOOP("property_values", "Above")},
                                 {2, QT_TRANSLATE_NOOP("property_values", "Outside")},
                                 {3, QT_TRANSLATE_NOOP("property_values", "JIS")}};
constexpr KyChoice kFits[] = {{0, QT_TRANSLATE_NOOP("property_values", "Text and arrows")},
                              {1, QT_TRANSLATE_NOOP("property_values", "Arrows only")},
                              {2, QT_TRANSLATE_NOOP("property_values", "Text only")},
                              {3, QT_TRANSLATE_NOOP("property_values", "Best fit")}};

constexpr KyDimVarRow kDimLineWeight{OdDimVar::dimlwd, KyDimShow::kLength, KyDimCheck::kAny};
constexpr KyDimVarRow kExtLineWeight{OdDimVar::dimlwe, KyDimShow::kLength, KyDimCheck::kAny};
constexpr KyDimVarRow kDimLineColor{OdDimVar::dimclrd, KyDimShow::kLength, KyDimCheck::kAny};
constexpr KyDimVarRow kExtLineColor{OdDimVar::dimclre, KyDimShow::kLength, KyDimCheck::kAny};
constexpr KyDimVarRow kExtLineExt{OdDimVar::dimexe, KyDimShow::kLength, KyDimCheck::kNonNegative};
constexpr KyDimVarRow kExtLineOffset{OdDimVar::dimexo, KyDimShow::kLength, KyDimCheck::kNonNegative};
constexpr KyDimChoiceRow kDimLine1{OdDimVar::dimsd1, kOffOn, 2, "property_values"};
constexpr KyDimChoiceRow kDimLine2{OdDimVar::dimsd2, kOffOn, 2, "property_values"};
constexpr KyDimChoiceRow kExtLine1{OdDimVar::dimse1, kOffOn, 2, "property_values"};
constexpr KyDimChoiceRow kExtLine2{OdDimVar::dimse2, kOffOn, 2, "property_values"};
constexpr KyDimChoiceRow kExtLineFixed{OdDimVar::dimfxlon, kOnOff, 2, "property_values"};
constexpr KyDimChoiceRow kOutsideAlign{OdDimVar::dimtoh, kOffOn, 2, "property_values"};
constexpr KyDimChoiceRow kTextPosHor{OdDimVar::dimjust, kPosHor, 5, "property_values"};
constexpr KyDimChoiceRow kTextPosVert{OdDimVar::dimtad, kPosVert, 4, "property_values"};
constexpr KyDimChoiceRow kInsideAlign{OdDimVar::dimtih, kOffOn, 2, "property_values"};
constexpr KyDimChoiceRow kDimLineForced{OdDimVar::dimtofl, kOnOff, 2, "property_values"};
constexpr KyDimChoiceRow kDimLineInside{OdDimVar::dimsoxd, kOffOn, 2, "property_values"};
constexpr KyDimChoiceRow kFitRow{OdDimVar::dimatfit, kFits, 4, "property_values"};
constexpr KyDimChoiceRow kTextInside{OdDimVar::dimtix, kOnOff, 2, "property_values"};

typedef CKyDimension2ArrowPE A;
const CKyIsReadOnlyMethod kEditable = &CKyPropertyPEImpl::IsReadOnlyFalse;
const KyPropertyRow kRows[] = {
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "Arrow 1"), CKyVariant::kEmpty, nullptr, &A::GetArrow1,
   &A::SetArrow1, kEditable, "Arrow1", kKyRowPlain, "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "Arrow 2"), CKyVariant::kEmpty, nullptr, &A::GetArrow2,
   &A::SetArrow2, kEditable, "Arrow2", kKyRowPlain, "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "DimLine LWeight"), CKyVariant::kInt32,
   &CKyPropertyType::kLineweightGUID, &KyGetDimVar<kDimLineWeight>, &KySetDimVar<kDimLineWeight>, kEditable,
   "DimLineWeight", kKyRowPlain, "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "ExtLine LWeight"), CKyVariant::kInt32,
   &CKyPropertyType::kLineweightGUID, &KyGetDimVar<kExtLineWeight>, &KySetDimVar<kExtLineWeight>, kEditable,
   "ExtLineWeight", kKyRowPlain, "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "DimLine 1"), CKyVariant::kEmpty, nullptr,
   &KyGetDimChoice<kDimLine1>, &KySetDimChoice<kDimLine1>, kEditable, "DimLine1", kKyRowPlain, "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "DimLine 2"), CKyVariant::kEmpty, nullptr,
   &KyGetDimChoice<kDimLine2>, &KySetDimChoice<kDimLine2>, kEditable, "DimLine2", kKyRowPlain, "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "DimLine LColor"), CKyVariant::kColor, nullptr,
   &KyGetDimVar<kDimLineColor>, &KySetDimVar<kDimLineColor>, kEditable, "DimLineColor", kKyRowPlain, "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "DimLine LStyle"), CKyVariant::kEmpty, nullptr,
   &A::GetDimLineStyle, &A::SetDimLineStyle, kEditable, "DimLineStyle", kKyRowPlain, "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "ExtLine 1 LStyle"), CKyVariant::kEmpty, nullptr,
   &A::GetExtLine1Style, &A::SetExtLine1Style, kEditable, "ExtLineStyle1", kKyRowPlain, "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "ExtLine 2 LStyle"), CKyVariant::kEmpty, nullptr,
   &A::GetExtLine2Style, &A::SetExtLine2Style, kEditable, "ExtLineStyle2", kKyRowPlain, "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "ExtLine 1"), CKyVariant::kEmpty, nullptr,
   &KyGetDimChoice<kExtLine1>, &KySetDimChoice<kExtLine1>, kEditable, "ExtLine1", kKyRowPlain, "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "ExtLine 2"), CKyVariant::kEmpty, nullptr,
   &KyGetDimChoice<kExtLine2>, &KySetDimChoice<kExtLine2>, kEditable, "ExtLine2", kKyRowPlain, "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "ExtLine fixed"), CKyVariant::kEmpty, nullptr,
   &KyGetDimChoice<kExtLineFixed>, &KySetDimChoice<kExtLineFixed>, kEditable, "ExtLineFixed", kKyRowPlain,
   "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "ExtLine fixed length"), CKyVariant::kEmpty, nullptr,
   &A::GetExtLineFixedLength, &A::SetExtLineFixedLength, &A::IsExtLineFixedLengthReadOnly, "ExtLineFixedLength",
   kKyRowPlain, "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "ExtLine LColor"), CKyVariant::kColor, nullptr,
   &KyGetDimVar<kExtLineColor>, &KySetDimVar<kExtLineColor>, kEditable, "ExtLineColor", kKyRowPlain, "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "ExtLine ext"), CKyVariant::kEmpty, nullptr,
   &KyGetDimVar<kExtLineExt>, &KySetDimVar<kExtLineExt>, kEditable, "ExtLineExt", kKyRowPlain, "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "ExtLine offset"), CKyVariant::kEmpty, nullptr,
   &KyGetDimVar<kExtLineOffset>, &KySetDimVar<kExtLineOffset>, kEditable, "ExtLineOffset", kKyRowPlain,
   "Lines_Arrows"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Text outside align"), CKyVariant::kEmpty, nullptr,
   &KyGetDimChoice<kOutsideAlign>, &KySetDimChoice<kOutsideAlign>, kEditable, "OutsideAlign"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Text pos hor"), CKyVariant::kEmpty, nullptr,
   &KyGetDimChoice<kTextPosHor>, &KySetDimChoice<kTextPosHor>, kEditable, "PosHor"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Text pos vert"), CKyVariant::kEmpty, nullptr,
   &KyGetDimChoice<kTextPosVert>, &KySetDimChoice<kTextPosVert>, kEditable, "PosVert"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Text inside align"), CKyVariant::kEmpty, nullptr,
   &KyGetDimChoice<kInsideAlign>, &KySetDimChoice<kInsideAlign>, kEditable, "InsideAlign"},
  {kFit, QT_TRANSLATE_NOOP("property_types", "DimLine forced"), CKyVariant::kEmpty, nullptr,
   &KyGetDimChoice<kDimLineForced>, &KySetDimChoice<kDimLineForced>, kEditable, "DimLineForced"},
  {kFit, QT_TRANSLATE_NOOP("property_types", "DimLine inside"), CKyVariant::kEmpty, nullptr,
   &KyGetDimChoice<kDimLineInside>, &KySetDimChoice<kDimLineInside>, kEditable, "DimLineInside"},
  {kFit, QT_TRANSLATE_NOOP("property_types", "Fit"), CKyVariant::kEmpty, nullptr, &KyGetDimChoice<kFitRow>,
   &KySetDimChoice<kFitRow>, kEditable, "Fit"},
  {kFit, QT_TRANSLATE_NOOP("property_types", "Text inside"), CKyVariant::kEmpty, nullptr,
   &KyGetDimChoice<kTextInside>, &KySetDimChoice<kTextInside>, kEditable, "TextInside"},
};

// The block of one side: DIMBLK1 or DIMBLK2 while the arrows are separate (DIMSAH), else DIMBLK.
OdDbObjectId arrowOf(const OdDbDimension* d, OdDimVar side)
{
  return d->dimsah() ? d->dimVarValue(static_cast<int>(side)).id : d->dimblk();
}

CKyVariant arrowList(const OdDbObject* o, OdDimVar side)
{
  const KyOpened<OdDbDimension> d = KyForRead<OdDbDimension>(o);
  return d.isNull() ? CKyVariant() : KyDimArrowList(arrowOf(d, side));
}

// Joined arrows are separated first, both sides keeping the joined arrow; "Custom arrow" then
// writes no block.
int setArrow(const OdDbObject* o, const CKyVariant& v, OdDimVar side)
{
  const KyOpened<OdDbDimension> d = KyForWrite<OdDbDimension>(o);
  int tag = 0;
  if (d.isNull() || !KyChosenCode(v, tag))
    return kKyRefused;
  if (!d->dimsah())
  {
    const OdDbObjectId joined = d->dimblk();
    d->setDimblk1(joined);
    d->setDimblk2(joined);
    d->setDimblk(OdDbObjectId());
  }
  d->setDimsah(true);
  if (tag >= 0 && tag < 20)
  {
    OdDimVarValue id;
    id.id = KyDimArrowBlock(o, tag);
    d->setDimVarValue(static_cast<int>(side), id);
  }
  return kKyAccepted;
}

template <class Read>
CKyVariant linetypeList(const OdDbObject* o, Read read)
{
  const KyOpened<OdDbDimension> d = KyForRead<OdDbDimension>(o);
  return d.isNull() ? CKyVariant() : KyDimLinetypeList(o, read(d.get()));
}

template <class Write>
int setLinetype(const OdDbObject* o, const CKyVariant& v, Write write)
{
  const KyOpened<OdDbDimension> d = KyForWrite<OdDbDimension>(o);
  OdDbObjectId id;
  if (d.isNull() || !KyDimChosenId(v, id))
    return kKyRefused;
  write(d.get(), id);
  return kKyAccepted;
}
} // namespace

CKyString CKyDimension2ArrowPE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Dimension"));
}

void CKyDimension2ArrowPE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                            const OdRxClass* objectClass, const OdRxClass* extensionClass,
                                            bool skipAdd)
{
  container = nullptr;
  CKyDimensionPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyDimension2ArrowPE::desc(),
                 OdDbDimension::desc(), s_Names, KyTable(kRows));
}

bool CKyDimension2ArrowPE::HasDynamicProperties()
{
  return true;
}

void CKyDimension2ArrowPE::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

CKyVariant CKyDimension2ArrowPE::GetArrow1(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return arrowList(o, OdDimVar::dimblk1);
}
int CKyDimension2ArrowPE::SetArrow1(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                    const CKyVariant&)
{
  return setArrow(o, v, OdDimVar::dimblk1);
}
CKyVariant CKyDimension2ArrowPE::GetArrow2(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return arrowList(o, OdDimVar::dimblk2);
}
int CKyDimension2ArrowPE::SetArrow2(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                    const CKyVariant&)
{
  return setArrow(o, v, OdDimVar::dimblk2);
}

CKyVariant CKyDimension2ArrowPE::GetDimLineStyle(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return linetypeList(o, [](const OdDbDimension* d) { return d->getDimLinetype(); });
}
int CKyDimension2ArrowPE::SetDimLineStyle(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                          const CKyVariant&)
{
  return setLinetype(o, v, [](OdDbDimension* d, const OdDbObjectId& id) { d->setDimLinetype(id); });
}
CKyVariant CKyDimension2ArrowPE::GetExtLine1Style(const OdDbObject* o, const CKyPropertyDescription&,
                                                  const CKyVariant&)
{
  return linetypeList(o, [](const OdDbDimension* d) { return d->getDimExt1Linetype(); });
}
int CKyDimension2ArrowPE::SetExtLine1Style(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                           const CKyVariant&)
{
  return setLinetype(o, v, [](OdDbDimension* d, const OdDbObjectId& id) { d->setDimExt1Linetype(id); });
}
CKyVariant CKyDimension2ArrowPE::GetExtLine2Style(const OdDbObject* o, const CKyPropertyDescription&,
                                                  const CKyVariant&)
{
  return linetypeList(o, [](const OdDbDimension* d) { return d->getDimExt2Linetype(); });
}
int CKyDimension2ArrowPE::SetExtLine2Style(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                           const CKyVariant&)
{
  return setLinetype(o, v, [](OdDbDimension* d, const OdDbObjectId& id) { d->setDimExt2Linetype(id); });
}

CKyVariant CKyDimension2ArrowPE::GetExtLineFixedLength(const OdDbObject* o, const CKyPropertyDescription&,
                                                       const CKyVariant&)
{
  return KyGetDouble<OdDbDimension>(o, [](const OdDbDimension* d) { return d->getExtLineFixLen(); });
}

// A length of 0 is refused without a message.
int CKyDimension2ArrowPE::SetExtLineFixedLength(const OdDbObject* o, const CKyPropertyDescription&,
                                                const CKyVariant& v, const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForWrite<OdDbDimension>(o);
  double length = 0.0;
  if (d.isNull() || !KyDoubleOf(v, length) || length == 0.0)
    return kKyRefused;
  d->setExtLineFixLen(length);
  return kKyAccepted;
}

bool CKyDimension2ArrowPE::IsExtLineFixedLengthReadOnly(const OdDbObject* o, const CKyPropertyDescription&)
{
  const KyOpened<OdDbDimension> d = KyAs<OdDbDimension>(o);
  return d.isNull() || !d->getExtLineFixLenEnable();
}

CKyVariant CKyDimension2ArrowPE::GetSuppressZeroFeet(const OdDbObject* o, const CKyPropertyDescription&,
                                                     const CKyVariant&)
{
  return KyDimZeroFeetValue(o, OdDimVar::dimzin);
}
int CKyDimension2ArrowPE::SetSuppressZeroFeet(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                              const CKyVariant&)
{
  return KyDimZeroFeetWrite(o, OdDimVar::dimzin, v);
}
bool CKyDimension2ArrowPE::IsSuppressZeroFeetReadOnly(const OdDbObject*, const CKyPropertyDescription&)
{
  return false;
}
CKyVariant CKyDimension2ArrowPE::GetSuppressZeroInches(const OdDbObject* o, const CKyPropertyDescription&,
                                                       const CKyVariant&)
{
  return KyDimZeroInchesValue(o, OdDimVar::dimzin);
}
int CKyDimension2ArrowPE::SetSuppressZeroInches(const OdDbObject* o, const CKyPropertyDescription&,
                                                const CKyVariant& v, const CKyVariant&)
{
  return KyDimZeroInchesWrite(o, OdDimVar::dimzin, v);
}
bool CKyDimension2ArrowPE::IsSuppressZeroInchesReadOnly(const OdDbObject*, const CKyPropertyDescription&)
{
  return false;
}
