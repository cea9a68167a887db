// OdDbDimStyleTable: the dimension styles of a database.
#ifndef OD_ODDBDIMSTYLETABLE_H
#define OD_ODDBDIMSTYLETABLE_H

#include "DbSymbolTable.h"
#include "DbDimStyleTableRecord.h"

class OdDbDimStyleTable : public OdDbSymbolTable
{
public:
  ODRX_DECLARE_MEMBERS(OdDbDimStyleTable);

  OdDbDimStyleTable();
  OdRxClass* recordClass() const override;
};

typedef OdSmartPtr<OdDbDimStyleTable> OdDbDimStyleTablePtr;

#endif
