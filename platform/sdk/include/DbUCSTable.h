// OdDbUCSTable: the named user coordinate systems of a database.
#ifndef OD_ODDBUCSTABLE_H
#define OD_ODDBUCSTABLE_H

#include "DbSymbolTable.h"
#include "DbUCSTableRecord.h"

class OdDbUCSTable : public OdDbSymbolTable
{
public:
  ODRX_DECLARE_MEMBERS(OdDbUCSTable);

  OdDbUCSTable();
  OdRxClass* recordClass() const override;
};

typedef OdSmartPtr<OdDbUCSTable> OdDbUCSTablePtr;

#endif
