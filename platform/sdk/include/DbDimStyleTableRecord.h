// OdDbDimStyleTableRecord: a dimension style. Every dimension variable of the list in
// DbDimVars.h has a value (its imperial default until set) and a pair of named accessors
// (dimasz() / setDimasz() ...). The record remembers which variables were set, so that a file's
// record is written back with the variables it had; values under group codes that name no
// variable are kept as they came.
//
// Setters need write access; a value that is not finite (or not a known lineweight or colour)
// raises OdError(eInvalidInput) and changes nothing.
#ifndef OD_DB_DIM_STYLE_TABLE_RECORD_H
#define OD_DB_DIM_STYLE_TABLE_RECORD_H

#include <bitset>
#include <map>

#include "DbDimVars.h"
#include "DbSymbolTableRecord.h"
#include "ResBuf.h"

class OdDbDimStyleTableRecord : public OdDbSymbolTableRecord
{
public:
  ODRX_DECLARE_MEMBERS(OdDbDimStyleTableRecord);

  OdDbDimStyleTableRecord();

#define OD_DIM_STYLE_ACCESSORS(getter, setter, code, kind, T, imperial, metric, flags) \
  T getter() const;                                                                   \
  void setter(OdDimVarParam<T>::type value);
  OD_DIM_VARS(OD_DIM_STYLE_ACCESSORS)
#undef OD_DIM_STYLE_ACCESSORS

  // Variable i by its index in the list.
  const OdDimVarValue& dimVarValue(int index) const;
  void setDimVarValue(int index, const OdDimVarValue& value);
  // Whether the variable was set (by a setter, a copy or a file) rather than left at its default.
  bool isDimVarSet(int index) const;
  // Every variable back to its imperial or metric default; the metric values that differ from
  // the imperial ones count as set (a variable not set always has its imperial default).
  void setDefaults(bool metric);

  // The value stored under the group code (a copy, of the kind the code carries), null when the
  // style does not set it.
  OdResBufPtr dimVar(int groupCode) const;
  // Stores the value under its restype: a variable's code sets that variable, any other code is
  // kept as given. Non-finite numbers raise eInvalidInput.
  void setDimVar(const OdResBuf* pValue);
  // eOk, or eKeyNotFound when the variable was not set; a variable goes back to its default.
  OdResult removeDimVar(int groupCode);
  // Group codes set, ascending.
  OdArray<int> dimVarCodes() const;

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  // A dimension reads the values of its style in place, as the database does, without opening it.
  friend class OdDbDimension;

  OdDimVarValue m_values[kOdDimVarCount];
  std::bitset<kOdDimVarCount> m_set;
  std::map<int, OdResBufPtr> m_extra;
};

typedef OdSmartPtr<OdDbDimStyleTableRecord> OdDbDimStyleTableRecordPtr;

#endif
