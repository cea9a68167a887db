// OdDbSymbolTableRecord: a named entry of a symbol table (layer, linetype, text style ...).
// Names of records that come from an external reference have the form "xref|name".
#ifndef OD_DB_SYMBOL_TABLE_RECORD_H
#define OD_DB_SYMBOL_TABLE_RECORD_H

#include "DbObject.h"

class OdDbSymbolTableRecord : public OdDbObject
{
public:
  ODRX_DECLARE_MEMBERS(OdDbSymbolTableRecord);

  OdString getName() const;
  // Names are 1..255 characters without < > / \ " : ; ? * , = ` (a leading '*' is allowed for
  // the records the database names itself, such as "*Model_Space" and "*Active"). A bad name
  // raises OdError(eInvalidSymbolTableName); a name another record of the same table has
  // raises OdError(eDuplicateRecordName).
  void setName(const OdString& name);

  // The name has the external-reference form "xref|name".
  bool isDependent() const;
  // A dependent record whose external reference block ("xref") exists in the block table.
  bool isResolved() const;

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

  // Checks a record name as setName() does, without a table (eOk or eInvalidSymbolTableName).
  static OdResult validateName(const OdString& name);

protected:
  OdDbSymbolTableRecord();

private:
  OdString m_name;
};

typedef OdSmartPtr<OdDbSymbolTableRecord> OdDbSymbolTableRecordPtr;

#endif
