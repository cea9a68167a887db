// One-arrow dimension rows: arrow, centre mark, dimension line and the unit rows it shares with
// the linear kinds.
#include "KyDimension1ArrowPE.h"

#include <cmath>

#include <QCoreApplication>

#include "DbDiametricDimension.h"
#include "DbDimension.h"
#include "DbRadialDimension.h"
#include "KyDbExtension.h"
#include "KyDimUnitRows.h"
#include "KyObjectValues.h"
#include "KyTexts.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyDimension1ArrowPE, CKyDimensionPE, RXIMPL_CONSTR)

KyDescriptionList CKyDimension1ArrowPE::s_Names;

namespace
{
using namespace kydimrows;
constexpr const char* kLinesArrows = QT_TRANSLATE_NOOP("property_groups", "Lines && Arrows");
constexpr const char* kFit = QT_TRANSLATE_NOOP("property_groups", "Fit");

constexpr KyChoice kOnOff[] = {{1, QT_TRANSLATE_NOOP("property_values", "On")},
                               {0, QT_TRANSLATE_NOOP("property_values", "Off")}};
constexpr KyChoice kOffOn[] = {{1, QT_TRANSLATE_NOOP("property_values", "Off")},
                               {0, QT_TRANSLATE_NOOP("property_values", "On")}};
constexpr KyChoice kPosVert[] = {{0, QT_TRANSLATE_NOOP("property_values", "Centered")},
                                 {1, QT_TRANSLATE_NOOP("property_values", "Above")},
                                 {2, QT_TRANSLATE_NOOP("property_values", "Outside")},
                                 {3, QT_TRANSLATE_NOOP("property_values", "JIS")}};
constexpr KyDimChoiceRow kDimLineForced{OdDimVar::dimtofl, kOnOff, 2, "property_values"};
constexpr KyDimChoiceRow kOutsideAlign{OdDimVar::dimtoh, kOnOff, 2, "property_values"};
constexpr KyDimChoiceRow kTextPosVert{OdDimVar::dimtad, kPosVert, 4, "property_values"};
constexpr KyDimChoiceRow kInsideAlign{OdDimVar::dimtix, kOffOn, 2, "property_values"};
constexpr KyDimVarRow kDimLineWeight{OdDimVar::dimlwd, KyDimShow::kLength, KyDimCheck::kAny};
constexpr KyDimVarRow kDimLineColor{OdDimVar::dimclrd, KyDimShow::kLength, KyDimCheck::kAny};

typedef CKyDimension1ArrowPE A;
const KyPropertyRow kRows[] = {
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "Arrow"), CKyVariant::kEmpty, nullptr, &A::GetArrow, &A::SetArrow,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "Arrow1", kKyRowPlain, "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "CenterMark"), CKyVariant::kEmpty, nullptr, &A::GetCenterMark,
   &A::SetCenterMark, &CKyPropertyPEImpl::IsReadOnlyFalse, "CenterMark", kKyRowPlain, "Lines_Arrows"},
  {kFit, QT_TRANSLATE_NOOP("property_types", "DimLine forced"), CKyVariant::kEmpty, nullptr,
   &KyGetDimChoice<kDimLineForced>, &KySetDimChoice<kDimLineForced>, &CKyPropertyPEImpl::IsReadOnlyFalse,
   "DimLineForced"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "CenterMark size"), CKyVariant::kEmpty, nullptr,
   &A::GetCenterMarkSize, &A::SetCenterMarkSize, &A::IsCenterMarkSizeReadOnly, "CenterMarkSize", kKyRowPlain,
   "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "DimLine LWeight"), CKyVariant::kInt32,
   &CKyPropertyType::kLineweightGUID, &KyGetDimVar<kDimLineWeight>, &KySetDimVar<kDimLineWeight>,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "DimLineWeight", kKyRowPlain, "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "DimLine LColor"), CKyVariant::kColor, nullptr,
   &KyGetDimVar<kDimLineColor>, &KySetDimVar<kDimLineColor>, &CKyPropertyPEImpl::IsReadOnlyFalse, "DimLineColor",
   kKyRowPlain, "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "Ext line"), CKyVariant::kEmpty, nullptr, &A::GetExtLine,
   &A::SetExtLine, &CKyPropertyPEImpl::IsReadOnlyFalse, "ExtLine1", kKyRowPlain, "Lines_Arrows"},
  {kLinesArrows, QT_TRANSLATE_NOOP("property_types", "DimLine LStyle"), CKyVariant::kEmpty, nullptr,
   &A::GetDimLineStyle, &A::SetDimLineStyle, &CKyPropertyPEImpl::IsReadOnlyFalse, "DimLineStyle", kKyRowPlain,
   "Lines_Arrows"},
  kFractionalType,
  kMeasurement,
  {kText, QT_TRANSLATE_NOOP("property_types", "Text outside align"), CKyVariant::kEmpty, nullptr,
   &KyGetDimChoice<kOutsideAlign>, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue, "OutsideAlign"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Text pos vert"), CKyVariant::kEmpty, nullptr,
   &KyGetDimChoice<kTextPosVert>, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue, "PosVert"},
  {kText, QT_TRANSLATE_NOOP("property_types", "Text inside align"), CKyVariant::kEmpty, nullptr,
   &KyGetDimChoice<kInsideAlign>, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue, "InsideAlign"},
  {kFit, QT_TRANSLATE_NOOP("property_types", "Fit"), CKyVariant::kEmpty, nullptr, &A::GetFit, nullptr,
   &CKyPropertyPEImpl::IsReadOnlyTrue, "Fit"},
  kUnitRows[0],  kUnitRows[1],  kUnitRows[2],  kUnitRows[3],  kUnitRows[4],  kUnitRows[5],  kUnitRows[6],
  kUnitRows[7],  kUnitRows[8],  kUnitRows[9],  kUnitRows[10], kUnitRows[11], kUnitRows[12], kUnitRows[13],
  kUnitRows[14], kUnitRows[15], kUnitRows[16], kUnitRows[17], kUnitRows[18], kUnitRows[19], kUnitRows[20],
  kUnitRows[21], kUnitRows[22],
};
static_assert(sizeof(kUnitRows) / sizeof(kUnitRows[0]) == 23, "the shared unit rows");

// The arrow block of a one-arrow dimension: the second one (the large radial kind, which uses
// the first, has no class in this build).
const OdDimVar kArrowVar = OdDimVar::dimblk2;

constexpr KyChoice kUnits[] = {{1, QT_TRANSLATE_NOOP("property_values", "Scientific")},
                               {2, QT_TRANSLATE_NOOP("property_values", "Decimal")},
                               {3, QT_TRANSLATE_NOOP("property_values", "Engineering")},
                               {4, QT_TRANSLATE_NOOP("property_values", "Architectural")},
                               {5, QT_TRANSLATE_NOOP("property_values", "Fractional")}};
constexpr KyDimChoiceRow kUnitRow{OdDimVar::dimlunit, kUnits, 5, "property_values"};
constexpr KyChoice kAltUnits[] = {{1, QT_TRANSLATE_NOOP("property_values", "Scientific")},
                                  {2, QT_TRANSLATE_NOOP("property_values", "Decimal")},
                                  {3, QT_TRANSLATE_NOOP("property_values", "Engineering")},
                                  {4, QT_TRANSLATE_NOOP("property_values", "Architectural (stacked)")},
                                  {5, QT_TRANSLATE_NOOP("property_values", "Fractional (stacked)")},
                                  {6, QT_TRANSLATE_NOOP("property_values", "Architectural")},
                                  {7, QT_TRANSLATE_NOOP("property_values", "Fractional")}};
constexpr KyDimChoiceRow kAltUnitRow{OdDimVar::dimaltu, kAltUnits, 7, "property_values"};
constexpr KyChoice kFractions[] = {{0, QT_TRANSLATE_NOOP("property_values", "Horizontal")},
                                   {1, QT_TRANSLATE_NOOP("property_values", "Diagonal")},
                                   {2, QT_TRANSLATE_NOOP("property_values", "Not stacked")}};
constexpr KyDimChoiceRow kFractionRow{OdDimVar::dimfrac, kFractions, 3, "property_values"};

// Precision setters: a tag 0-8 is written, others change nothing.
int setPrecision(const OdDbObject* o, const CKyVariant& v, OdDimVar var)
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

CKyString CKyDimension1ArrowPE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Dimension"));
}

void CKyDimension1ArrowPE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                            const OdRxClass* objectClass, const OdRxClass* extensionClass,
                                            bool skipAdd)
{
  container = nullptr;
  CKyDimensionPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  const bool built = !s_Names.isEmpty();
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyDimension1ArrowPE::desc(),
                 OdDbDimension::desc(), s_Names, KyTable(kRows));
  // The arrow row's vector icon is the dimension line weight's.
  if (!built && !s_Names.isEmpty())
    KyDimSetIcons(s_Names, "Arrow", nullptr, ":/Lines_Arrows/svg_icons/Lines_Arrows/Lines_Arrows_DimLineWeight.svg");
}

bool CKyDimension1ArrowPE::HasDynamicProperties()
{
  return true;
}

void CKyDimension1ArrowPE::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

CKyVariant CKyDimension1ArrowPE::GetArrow(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForRead<OdDbDimension>(o);
  return d.isNull() ? CKyVariant() : KyDimArrowList(d->dimVarValue(static_cast<int>(kArrowVar)).id);
}

int CKyDimension1ArrowPE::SetArrow(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                   const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForWrite<OdDbDimension>(o);
  int tag = 0;
  if (d.isNull() || !KyChosenCode(v, tag))
    return kKyRefused;
  d->setDimsah(true);
  if (tag >= 0 && tag < 20)
  {
    OdDimVarValue id;
    id.id = KyDimArrowBlock(o, tag);
    d->setDimVarValue(static_cast<int>(kArrowVar), id);
  }
  return kKyAccepted;
}

CKyVariant CKyDimension1ArrowPE::GetCenterMark(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  static const KyChoice kMarks[] = {{0, QT_TRANSLATE_NOOP("property_values", "Mark")},
                                    {1, QT_TRANSLATE_NOOP("property_values", "Line")},
                                    {2, QT_TRANSLATE_NOOP("property_values", "None")}};
  const KyOpened<OdDbDimension> d = KyForRead<OdDbDimension>(o);
  if (d.isNull())
    return CKyVariant();
  const double cen = d->dimcen();
  return KyDimList(kMarks, 3, cen == 0.0 ? 2 : cen > 0.0 ? 0 : 1, "property_values");
}

// A line is a negative DIMCEN, a mark a positive one; from none both start at 0.09.
int CKyDimension1ArrowPE::SetCenterMark(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                        const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForWrite<OdDbDimension>(o);
  int tag = 0;
  if (d.isNull() || !KyChosenCode(v, tag))
    return kKyRefused;
  const double cen = d->dimcen();
  if (tag == 2)
    d->setDimcen(0.0);
  else if (tag == 1)
    d->setDimcen(cen == 0.0 ? -0.09 : -std::fabs(cen));
  else if (tag == 0)
    d->setDimcen(cen == 0.0 ? 0.09 : std::fabs(cen));
  return kKyAccepted;
}

CKyVariant CKyDimension1ArrowPE::GetCenterMarkSize(const OdDbObject* o, const CKyPropertyDescription&,
                                                   const CKyVariant&)
{
  return KyGetDouble<OdDbDimension>(o, [](const OdDbDimension* d) { return std::fabs(d->dimcen()); });
}

int CKyDimension1ArrowPE::SetCenterMarkSize(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                            const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForWrite<OdDbDimension>(o);
  double size = 0.0;
  if (d.isNull() || !KyDoubleOf(v, size))
    return kKyRefused;
  if (size <= 0.0)
    return KyRefuseWithMessage(QT_TRANSLATE_NOOP("errors", "Value must be positive"));
  d->setDimcen(d->dimcen() < 0.0 ? -size : size);
  return kKyAccepted;
}

bool CKyDimension1ArrowPE::IsCenterMarkSizeReadOnly(const OdDbObject* o, const CKyPropertyDescription&)
{
  const KyOpened<OdDbDimension> d = KyAs<OdDbDimension>(o);
  return d.isNull() || d->dimcen() == 0.0;
}

// The extension arc of the radial and diametric kinds; other dimensions have none and show
// nothing.
CKyVariant CKyDimension1ArrowPE::GetExtLine(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  bool on = false;
  if (const KyOpened<OdDbRadialDimension> r = KyForRead<OdDbRadialDimension>(o); !r.isNull())
    on = r->extArcOn();
  else if (const KyOpened<OdDbDiametricDimension> d = KyForRead<OdDbDiametricDimension>(o); !d.isNull())
    on = d->extArcOn();
  else
    return CKyVariant();
  return KyDimList(kOnOff, 2, on ? 0 : 1, "property_values");
}

int CKyDimension1ArrowPE::SetExtLine(const OdDbObject* o, const CKyPropertyDescription& d, const CKyVariant& v,
                                     const CKyVariant& c)
{
  if (o && o->isKindOf(OdDbRadialDimension::desc()))
    return RadialSetExtLine(o, d, v, c);
  if (o && o->isKindOf(OdDbDiametricDimension::desc()))
    return DiametricSetExtLine(o, d, v, c);
  return kKyRefused;
}

// The host switches the arc; the object is open for write here, so it always can.
int CKyDimension1ArrowPE::RadialSetExtLine(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                           const CKyVariant&)
{
  return KySetOnOff<OdDbRadialDimension>(
    o, v, [](OdDbRadialDimension* d, bool on) { GetKyDbExtension()->SetRadialDimensionExtArcOn(d, on); });
}

int CKyDimension1ArrowPE::DiametricSetExtLine(const OdDbObject* o, const CKyPropertyDescription&,
                                              const CKyVariant& v, const CKyVariant&)
{
  return KySetOnOff<OdDbDiametricDimension>(
    o, v, [](OdDbDiametricDimension* d, bool on) { kyDiametricDimensionSetExtArcOn(d, on); });
}

CKyVariant CKyDimension1ArrowPE::GetDimLineStyle(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForRead<OdDbDimension>(o);
  return d.isNull() ? CKyVariant() : KyDimLinetypeList(o, d->getDimLinetype());
}

int CKyDimension1ArrowPE::SetDimLineStyle(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                          const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForWrite<OdDbDimension>(o);
  OdDbObjectId id;
  if (d.isNull() || !KyDimChosenId(v, id))
    return kKyRefused;
  d->setDimLinetype(id);
  return kKyAccepted;
}

CKyVariant CKyDimension1ArrowPE::GetFractionalType(const OdDbObject* o, const CKyPropertyDescription& d,
                                                   const CKyVariant& c)
{
  return KyGetDimChoice<kFractionRow>(o, d, c);
}
int CKyDimension1ArrowPE::SetFractionalType(const OdDbObject* o, const CKyPropertyDescription& d, const CKyVariant& v,
                                            const CKyVariant& c)
{
  return KySetDimChoice<kFractionRow>(o, d, v, c);
}
bool CKyDimension1ArrowPE::IsFractionalTypeReadOnly(const OdDbObject* o, const CKyPropertyDescription&)
{
  const KyOpened<OdDbDimension> d = KyAs<OdDbDimension>(o);
  return d.isNull() || (d->dimlunit() != 4 && d->dimlunit() != 5);
}

CKyVariant CKyDimension1ArrowPE::GetMeasurement(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyGetDouble<OdDbDimension>(o, [](const OdDbDimension* d) { return d->getMeasurement(); });
}

CKyVariant CKyDimension1ArrowPE::GetFit(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  static const char* const kFits[] = {QT_TRANSLATE_NOOP("property_values", "Text and arrows"),
                                      QT_TRANSLATE_NOOP("property_values", "Arrows only"),
                                      QT_TRANSLATE_NOOP("property_values", "Text only"),
                                      QT_TRANSLATE_NOOP("property_values", "Best fit")};
  const KyOpened<OdDbDimension> d = KyForRead<OdDbDimension>(o);
  if (d.isNull())
    return CKyVariant();
  const int fit = d->dimatfit();
  return fit >= 0 && fit <= 3 ? CKyVariant(KyTr("property_values", kFits[fit])) : CKyVariant(CKyString());
}

CKyVariant CKyDimension1ArrowPE::GetDimUnitSystem(const OdDbObject* o, const CKyPropertyDescription& d,
                                                  const CKyVariant& c)
{
  return KyGetDimChoice<kUnitRow>(o, d, c);
}
int CKyDimension1ArrowPE::SetDimUnitSystem(const OdDbObject* o, const CKyPropertyDescription& d, const CKyVariant& v,
                                           const CKyVariant& c)
{
  return KySetDimChoice<kUnitRow>(o, d, v, c);
}

CKyVariant CKyDimension1ArrowPE::GetPrecision(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForRead<OdDbDimension>(o);
  return d.isNull() ? CKyVariant() : KyDimPrecisionList(d->dimlunit(), d->dimdec(), false);
}
int CKyDimension1ArrowPE::SetPrecision(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                       const CKyVariant&)
{
  return setPrecision(o, v, OdDimVar::dimdec);
}

CKyVariant CKyDimension1ArrowPE::GetAltFormat(const OdDbObject* o, const CKyPropertyDescription& d, const CKyVariant& c)
{
  return KyGetDimChoice<kAltUnitRow>(o, d, c);
}
int CKyDimension1ArrowPE::SetAltFormat(const OdDbObject* o, const CKyPropertyDescription& d, const CKyVariant& v,
                                       const CKyVariant& c)
{
  return KySetDimChoice<kAltUnitRow>(o, d, v, c);
}

// A unit outside 1-8 takes the drawing's linear units for its row.
CKyVariant CKyDimension1ArrowPE::GetAltPrecision(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbDimension> d = KyForRead<OdDbDimension>(o);
  if (d.isNull())
    return CKyVariant();
  int unit = d->dimaltu();
  if (unit < 1 || unit > 8)
    unit = o->database() ? o->database()->getLUNITS() : 2;
  return KyDimPrecisionList(unit, d->dimaltd(), true);
}
int CKyDimension1ArrowPE::SetAltPrecision(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                          const CKyVariant&)
{
  return setPrecision(o, v, OdDimVar::dimaltd);
}

bool CKyDimension1ArrowPE::IsAltReadOnly(const OdDbObject* o, const CKyPropertyDescription&)
{
  const KyOpened<OdDbDimension> d = KyAs<OdDbDimension>(o);
  return d.isNull() || !d->dimalt();
}

CKyVariant CKyDimension1ArrowPE::GetAltPrefix(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyDimPostPart(o, OdDimVar::dimapost, true);
}
int CKyDimension1ArrowPE::SetAltPrefix(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                       const CKyVariant&)
{
  return KyDimPostPartWrite(o, OdDimVar::dimapost, true, v);
}
CKyVariant CKyDimension1ArrowPE::GetAltSuffix(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyDimPostPart(o, OdDimVar::dimapost, false);
}
int CKyDimension1ArrowPE::SetAltSuffix(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                       const CKyVariant&)
{
  return KyDimPostPartWrite(o, OdDimVar::dimapost, false, v);
}

CKyVariant CKyDimension1ArrowPE::GetAltZeroFeet(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyDimZeroFeetValue(o, OdDimVar::dimaltz);
}
int CKyDimension1ArrowPE::SetAltZeroFeet(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                         const CKyVariant&)
{
  return KyDimZeroFeetWrite(o, OdDimVar::dimaltz, v);
}
CKyVariant CKyDimension1ArrowPE::GetAltZeroInches(const OdDbObject* o, const CKyPropertyDescription&,
                                                  const CKyVariant&)
{
  return KyDimZeroInchesValue(o, OdDimVar::dimaltz);
}
int CKyDimension1ArrowPE::SetAltZeroInches(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                           const CKyVariant&)
{
  return KyDimZeroInchesWrite(o, OdDimVar::dimaltz, v);
}
