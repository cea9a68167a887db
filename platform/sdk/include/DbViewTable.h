// OdDbViewTable: the named views of a database.
#ifndef OD_ODDBVIEWTABLE_H
#define OD_ODDBVIEWTABLE_H

#include "DbSymbolTable.h"
#include "DbViewTableRecord.h"

class OdDbViewTable : public OdDbSymbolTable
{
public:
  ODRX_DECLARE_MEMBERS(OdDbViewTable);

  OdDbViewTable();
  OdRxClass* recordClass() const override;
};

typedef OdSmartPtr<OdDbViewTable> OdDbViewTablePtr;

#endif
