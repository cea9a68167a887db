// OdDbDimStyleTableRecord: a dimension style. For now its dimension variables are kept
// generically, one value per DXF group code of the variable; the named accessors (dimtxt(),
// dimasz() ...) come with the dimension kinds that use them.
#ifndef OD_DB_DIM_STYLE_TABLE_RECORD_H
#define OD_DB_DIM_STYLE_TABLE_RECORD_H

#include <map>

#include "DbSymbolTableRecord.h"

class OdDbDimStyleTableRecord : public OdDbSymbolTableRecord
{
public:
  ODRX_DECLARE_MEMBERS(OdDbDimStyleTableRecord);

  OdDbDimStyleTableRecord();

  // The value stored under the group code (a copy), null when the style does not set it.
  OdResBufPtr dimVar(int groupCode) const;
  // Stores a copy of the buffer under its restype; non-finite numbers raise eInvalidInput.
  void setDimVar(const OdResBuf* pValue);
  // eOk, or eKeyNotFound when the variable was not set.
  OdResult removeDimVar(int groupCode);
  // Group codes set, ascending.
  OdArray<int> dimVarCodes() const;

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  std::map<int, OdResBufPtr> m_vars;
};

typedef OdSmartPtr<OdDbDimStyleTableRecord> OdDbDimStyleTableRecordPtr;

#endif
