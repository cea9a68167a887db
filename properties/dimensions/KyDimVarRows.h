// The one row shape of the dimension rows that show a dimension variable: a row names the
// variable (the value in force on the dimension: its override, else its style's), how the value is
// shown and what a new value must satisfy; the setter writes an override on that one dimension.
// The accessors are templates over the row, so a description table points at
// &KyGetDimVar<kArrowSizeRow> and every row is one constant line.
//
// Beside plain values the same shape serves the variables shown as lists (choices on an integer
// or on/off variable), single bits (zero suppression, whose setter flips the bit on every call),
// the feet/inches code of the zero-suppression variables, the prefix and suffix around the "<>"
// of a text variable, the precision lists and the arrow lists.
#ifndef KY_DIM_VAR_ROWS_H
#define KY_DIM_VAR_ROWS_H

#include <cstddef>

#include "DbDimension.h"
#include "KyAccessors.h"
#include "KyPropertyDescription.h"
#include "KyPropertyTable.h"
#include "KyVariant.h"

// How a double variable is shown: a length or angle (unit-bearing) or a plain factor.
enum class KyDimShow
{
  kLength,
  kFactor
};

// What a new double must satisfy; each refusal shows its message.
enum class KyDimCheck
{
  kAny,
  kNotNegativePositiveText, // < 0 refused with "Value must be positive"
  kPositive,                // <= 0 refused with "Value must be positive"
  kNonNegative,             // < 0 refused with "Value must be non-negative"
  kNonZero                  // 0 refused with "Value must be non-zero"
};

struct KyDimVarRow
{
  OdDimVar var;
  KyDimShow show;
  KyDimCheck check;
};

// A list of choices on an integer or on/off variable: the shown entry is the one whose code equals
// the variable (on/off: 1 or 0), and a chosen code is written as the variable. `context` is the
// translation context of the texts (null: not translated).
struct KyDimChoiceRow
{
  OdDimVar var;
  const KyChoice* choices;
  int count;
  const char* context;
};

// One bit of an integer variable as "Yes" / "No", both entries tagged with the bit.
struct KyDimBitRow
{
  OdDimVar var;
  int bit;
};

// ---- values in force ----------------------------------------------------------------------------
inline double KyDimReal(const OdDbDimension* d, OdDimVar v) { return d->dimVarValue(static_cast<int>(v)).real; }
inline int KyDimInt(const OdDbDimension* d, OdDimVar v) { return d->dimVarValue(static_cast<int>(v)).integer; }
inline bool KyDimOn(const OdDbDimension* d, OdDimVar v) { return KyDimInt(d, v) != 0; }
void KyDimSetReal(OdDbDimension* d, OdDimVar v, double value);
void KyDimSetInt(OdDbDimension* d, OdDimVar v, int value);

// ---- plain values -------------------------------------------------------------------------------
CKyVariant KyDimVarValue(const OdDbObject* object, const KyDimVarRow& row);
int KyDimVarWrite(const OdDbObject* object, const KyDimVarRow& row, const CKyVariant& value);

template <const KyDimVarRow& R>
CKyVariant KyGetDimVar(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyDimVarValue(object, R);
}
template <const KyDimVarRow& R>
int KySetDimVar(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value, const CKyVariant&)
{
  return KyDimVarWrite(object, R, value);
}

// ---- lists --------------------------------------------------------------------------------------
// A list of `count` entries with the given current index, texts translated in `context` (null:
// shown as written).
CKyVariant KyDimList(const KyChoice* choices, int count, int current, const char* context);
CKyVariant KyDimChoiceValue(const OdDbObject* object, const KyDimChoiceRow& row);
int KyDimChoiceWrite(const OdDbObject* object, const KyDimChoiceRow& row, const CKyVariant& value);

template <const KyDimChoiceRow& R>
CKyVariant KyGetDimChoice(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyDimChoiceValue(object, R);
}
template <const KyDimChoiceRow& R>
int KySetDimChoice(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value, const CKyVariant&)
{
  return KyDimChoiceWrite(object, R, value);
}

// ---- bits and the feet/inches code --------------------------------------------------------------
CKyVariant KyDimBitValue(const OdDbObject* object, const KyDimBitRow& row);
// Writes the variable XOR the chosen tag: every call flips the bit, whichever entry was chosen
// (other codes change nothing).
int KyDimBitWrite(const OdDbObject* object, const KyDimBitRow& row, const CKyVariant& value);

template <const KyDimBitRow& R>
CKyVariant KyGetDimBit(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyDimBitValue(object, R);
}
template <const KyDimBitRow& R>
int KySetDimBit(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value, const CKyVariant&)
{
  return KyDimBitWrite(object, R, value);
}

// Zero feet: "Yes" (1) for codes 0 and 3. Zero inches: "Yes" (1) while bit 1 is clear.
CKyVariant KyDimZeroFeetValue(const OdDbObject* object, OdDimVar var);
int KyDimZeroFeetWrite(const OdDbObject* object, OdDimVar var, const CKyVariant& value);
CKyVariant KyDimZeroInchesValue(const OdDbObject* object, OdDimVar var);
int KyDimZeroInchesWrite(const OdDbObject* object, OdDimVar var, const CKyVariant& value);

// ---- prefix and suffix around "<>" ------------------------------------------------------------
// The prefix: everything before the first "<>" (without a marker, nothing). The suffix:
// everything after it (without a marker, the whole text).
OdString KyDimPrefixOf(const OdString& post);
OdString KyDimSuffixOf(const OdString& post);
// New texts: prefix + "<>" + suffix (the marker always written); a suffix replaces everything
// from the marker on, or the whole text when there is none.
OdString KyDimWithPrefix(const OdString& post, const OdString& prefix);
OdString KyDimWithSuffix(const OdString& post, const OdString& suffix);
CKyVariant KyDimPostPart(const OdDbObject* object, OdDimVar var, bool prefix);
int KyDimPostPartWrite(const OdDbObject* object, OdDimVar var, bool prefix, const CKyVariant& value);

// ---- precisions, units, arrows ------------------------------------------------------------------
// The precision list of a unit setting (1-8) with index `current`; units outside that range give
// nine empty entries. `alternate` picks the alternate table (rows 6 and 7 differ).
CKyVariant KyDimPrecisionList(int unit, int current, bool alternate);
// The decimal precision list ("0" ... "0.00000000"), for tolerance precisions.
CKyVariant KyDimDecimalPrecisionList(int current);

// Index of an arrow block among CKyDimensionPE::s_SystemNames (case ignored): 0 for a null id,
// 20 ("Custom arrow") for any other block.
int KyDimArrowIndex(const OdDbObjectId& blockId);
// The arrow list (the 21 display names, tags 0-20) showing that block.
CKyVariant KyDimArrowList(const OdDbObjectId& blockId);
// The block of the arrow at index (0-19) in the dimension's drawing; null for the default arrow.
OdDbObjectId KyDimArrowBlock(const OdDbObject* object, int index);

// Every linetype of the dimension's drawing in table order (value: name, tag: id), showing
// `current`; and the id a chosen element carries (false for another value).
CKyVariant KyDimLinetypeList(const OdDbObject* object, const OdDbObjectId& current);
bool KyDimChosenId(const CKyVariant& value, OdDbObjectId& id);
// Stops watching the drawing whose linetype lists are kept (module unload).
void KyDimForgetLinetypes();

// Gives the listed row of that name (key in "property_types") icons that do not follow the
// folder rule; a null path leaves that icon as it is.
void KyDimSetIcons(KyDescriptionList& names, const char* nameKey, const char* png, const char* svg);

#endif
