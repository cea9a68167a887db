// The unit rows that the one-arrow dimensions and the linear dimensions both list, in their
// order: fractional type and measurement, the primary units (linear scale, unit format, precision,
// zero feet and inches), the tolerance zero-suppression and alternate tolerance rows, and the
// alternate units group. Each row is a constant so that both tables copy it.
#ifndef KY_DIM_UNIT_ROWS_H
#define KY_DIM_UNIT_ROWS_H

#include <QtGlobal>

#include "KyDimension1ArrowPE.h"
#include "KyDimension2ArrowPE.h"
#include "KyDimVarRows.h"
#include "KyPropertyTable.h"

namespace kydimrows
{
constexpr const char* kText = QT_TRANSLATE_NOOP("property_groups", "Text");
constexpr const char* kPrimary = QT_TRANSLATE_NOOP("property_groups", "Primary UnitSystem");
constexpr const char* kTolerance = QT_TRANSLATE_NOOP("property_groups", "Tolerance");
constexpr const char* kAlternate = QT_TRANSLATE_NOOP("property_groups", "Alternate UnitSystem");

inline constexpr KyDimVarRow kScaleLinear{OdDimVar::dimlfac, KyDimShow::kFactor, KyDimCheck::kNonZero};
inline constexpr KyDimVarRow kAltRound{OdDimVar::dimaltrnd, KyDimShow::kLength, KyDimCheck::kNotNegativePositiveText};
inline constexpr KyDimVarRow kAltScale{OdDimVar::dimaltf, KyDimShow::kFactor, KyDimCheck::kPositive};
inline constexpr KyChoice kYesNo[] = {{1, QT_TRANSLATE_NOOP("property_values", "Yes")},
                                      {0, QT_TRANSLATE_NOOP("property_values", "No")}};
inline constexpr KyDimChoiceRow kAltEnabled{OdDimVar::dimalt, kYesNo, 2, "property_values"};
inline constexpr KyDimBitRow kAltzLeading{OdDimVar::dimaltz, 4};
inline constexpr KyDimBitRow kAltzTrailing{OdDimVar::dimaltz, 8};

typedef CKyDimensionPE D;
typedef CKyDimension1ArrowPE D1;
typedef CKyDimension2ArrowPE D2;

inline constexpr KyPropertyRow kFractionalType{kText, QT_TRANSLATE_NOOP("property_types", "Fractional type"),
                                               CKyVariant::kEmpty, nullptr, &D1::GetFractionalType,
                                               &D1::SetFractionalType, &D1::IsFractionalTypeReadOnly,
                                               "FractionalType"};
inline constexpr KyPropertyRow kMeasurement{kText, QT_TRANSLATE_NOOP("property_types", "Measurement"),
                                            CKyVariant::kEmpty, nullptr, &D1::GetMeasurement, nullptr,
                                            &CKyPropertyPEImpl::IsReadOnlyTrue, "Measurement"};

// Rows from "Dim scale linear" to the end of the alternate units group.
inline constexpr KyPropertyRow kUnitRows[] = {
  {kPrimary, QT_TRANSLATE_NOOP("property_types", "Dim scale linear"), CKyVariant::kEmpty, nullptr,
   &KyGetDimVar<kScaleLinear>, &KySetDimVar<kScaleLinear>, &CKyPropertyPEImpl::IsReadOnlyFalse, "DimScaleLinear",
   kKyRowPlain, "Primary_units"},
  {kPrimary, QT_TRANSLATE_NOOP("property_types", "Dim UnitSystem"), CKyVariant::kEmpty, nullptr, &D1::GetDimUnitSystem,
   &D1::SetDimUnitSystem, &CKyPropertyPEImpl::IsReadOnlyFalse, "AltFormat", kKyRowPlain, "Primary_units"},
  {kPrimary, QT_TRANSLATE_NOOP("property_types", "Precision"), CKyVariant::kEmpty, nullptr, &D1::GetPrecision,
   &D1::SetPrecision, &CKyPropertyPEImpl::IsReadOnlyFalse, "Precision", kKyRowPlain, "Primary_units"},
  {kPrimary, QT_TRANSLATE_NOOP("property_types", "Suppress zero feet"), CKyVariant::kEmpty, nullptr,
   &D2::GetSuppressZeroFeet, &D2::SetSuppressZeroFeet, &D2::IsSuppressZeroFeetReadOnly, "SuppressZeroFeet",
   kKyRowPlain, "Primary_units"},
  {kPrimary, QT_TRANSLATE_NOOP("property_types", "Suppress zero inches"), CKyVariant::kEmpty, nullptr,
   &D2::GetSuppressZeroInches, &D2::SetSuppressZeroInches, &D2::IsSuppressZeroInchesReadOnly, "SuppressZeroInches",
   kKyRowPlain, "Primary_units"},
  {kTolerance, QT_TRANSLATE_NOOP("property_types", "Tolerance suppress zero feet"), CKyVariant::kEmpty, nullptr,
   &D::GetTolSupZeroFeet, &D::SetTolSupZeroFeet, &D::IsTolSupZeroFeetReadOnly, "TolSupZeroFeet"},
  {kTolerance, QT_TRANSLATE_NOOP("property_types", "Tolerance suppress zero inches"), CKyVariant::kEmpty, nullptr,
   &D::GetTolSupZeroInches, &D::SetTolSupZeroInches, &D::IsTolSupZeroInchesReadOnly, "TolSupZeroInches"},
  {kTolerance, QT_TRANSLATE_NOOP("property_types", "Alt tolerance precision"), CKyVariant::kEmpty, nullptr,
   &D::GetAltTolerancePrecision, &D::SetAltTolerancePrecision, &D::IsAltTolerancePrecisionReadOnly,
   "AltTolerancePrecision"},
  {kTolerance, QT_TRANSLATE_NOOP("property_types", "Alt tolerance suppress leading zeros"), CKyVariant::kEmpty, nullptr,
   &D::GetAltTolSupLeadingZeros, &D::SetAltTolSupLeadingZeros, &D::IsAltTolSupLeadingZerosReadOnly,
   "AltTolSupLeadingZeroes"},
  {kTolerance, QT_TRANSLATE_NOOP("property_types", "Alt tolerance suppress trailing zeros"), CKyVariant::kEmpty,
   nullptr, &D::GetAltTolSupTrailingZeros, &D::SetAltTolSupTrailingZeros, &D::IsAltTolSupTrailingZerosReadOnly,
   "AltTolSupTrailingZeroes"},
  {kTolerance, QT_TRANSLATE_NOOP("property_types", "Alt tolerance suppress zero feet"), CKyVariant::kEmpty, nullptr,
   &D::GetAltTolSupZeroFeet, &D::SetAltTolSupZeroFeet, &D::IsAltTolSupZeroFeetReadOnly, "AltTolSupZeroFeet"},
  {kTolerance, QT_TRANSLATE_NOOP("property_types", "Alt tolerance suppress zero inches"), CKyVariant::kEmpty, nullptr,
   &D::GetAltTolSupZeroInches, &D::SetAltTolSupZeroInches, &D::IsAltTolSupZeroInchesReadOnly, "AltTolSupZeroInches"},
  {kAlternate, QT_TRANSLATE_NOOP("property_types", "Alt enabled"), CKyVariant::kEmpty, nullptr,
   &KyGetDimChoice<kAltEnabled>, &KySetDimChoice<kAltEnabled>, &CKyPropertyPEImpl::IsReadOnlyFalse, "AltEnabled",
   kKyRowPlain, "Alternate_units"},
  {kAlternate, QT_TRANSLATE_NOOP("property_types", "Alt format"), CKyVariant::kEmpty, nullptr, &D1::GetAltFormat,
   &D1::SetAltFormat, &D1::IsAltReadOnly, "AltFormat", kKyRowPlain, "Alternate_units"},
  {kAlternate, QT_TRANSLATE_NOOP("property_types", "Alt precision"), CKyVariant::kEmpty, nullptr, &D1::GetAltPrecision,
   &D1::SetAltPrecision, &D1::IsAltReadOnly, "AltPrecision", kKyRowPlain, "Alternate_units"},
  {kAlternate, QT_TRANSLATE_NOOP("property_types", "Alt round"), CKyVariant::kEmpty, nullptr, &KyGetDimVar<kAltRound>,
   &KySetDimVar<kAltRound>, &D1::IsAltReadOnly, "AltRound", kKyRowPlain, "Alternate_units"},
  {kAlternate, QT_TRANSLATE_NOOP("property_types", "Alt scale"), CKyVariant::kEmpty, nullptr, &KyGetDimVar<kAltScale>,
   &KySetDimVar<kAltScale>, &D1::IsAltReadOnly, "AltScale", kKyRowPlain, "Alternate_units"},
  {kAlternate, QT_TRANSLATE_NOOP("property_types", "Alt prefix"), CKyVariant::kEmpty, nullptr, &D1::GetAltPrefix,
   &D1::SetAltPrefix, &D1::IsAltReadOnly, "AltPrefix", kKyRowPlain, "Alternate_units"},
  {kAlternate, QT_TRANSLATE_NOOP("property_types", "Alt suffix"), CKyVariant::kEmpty, nullptr, &D1::GetAltSuffix,
   &D1::SetAltSuffix, &D1::IsAltReadOnly, "AltSuffix", kKyRowPlain, "Alternate_units"},
  {kAlternate, QT_TRANSLATE_NOOP("property_types", "Alt suppress leading zeros"), CKyVariant::kEmpty, nullptr,
   &KyGetDimBit<kAltzLeading>, &KySetDimBit<kAltzLeading>, &D1::IsAltReadOnly, "AltSupLeadingZeroes", kKyRowPlain,
   "Alternate_units"},
  {kAlternate, QT_TRANSLATE_NOOP("property_types", "Alt suppress trailing zeros"), CKyVariant::kEmpty, nullptr,
   &KyGetDimBit<kAltzTrailing>, &KySetDimBit<kAltzTrailing>, &D1::IsAltReadOnly, "AltSupTrailingZeroes", kKyRowPlain,
   "Alternate_units"},
  {kAlternate, QT_TRANSLATE_NOOP("property_types", "Alt suppress zeros feet"), CKyVariant::kEmpty, nullptr,
   &D1::GetAltZeroFeet, &D1::SetAltZeroFeet, &D1::IsAltReadOnly, "AltSupZeroFeet", kKyRowPlain, "Alternate_units"},
  {kAlternate, QT_TRANSLATE_NOOP("property_types", "Alt suppress zeros inches"), CKyVariant::kEmpty, nullptr,
   &D1::GetAltZeroInches, &D1::SetAltZeroInches, &D1::IsAltReadOnly, "AltSupZeroInches", kKyRowPlain,
   "Alternate_units"},
};
// The list of the linear kinds (aligned and rotated dimensions).
inline constexpr KyPropertyRow kLinearRows[] = {
  kFractionalType, kMeasurement,  kUnitRows[0],  kUnitRows[1],  kUnitRows[2],  kUnitRows[3],  kUnitRows[4],
  kUnitRows[5],    kUnitRows[6],  kUnitRows[7],  kUnitRows[8],  kUnitRows[9],  kUnitRows[10], kUnitRows[11],
  kUnitRows[12],   kUnitRows[13], kUnitRows[14], kUnitRows[15], kUnitRows[16], kUnitRows[17], kUnitRows[18],
  kUnitRows[19],   kUnitRows[20], kUnitRows[21], kUnitRows[22],
};
} // namespace kydimrows

#endif
