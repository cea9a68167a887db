// OdDbRegAppTable: the applications registered for extended data.
#ifndef OD_ODDBREGAPPTABLE_H
#define OD_ODDBREGAPPTABLE_H

#include "DbSymbolTable.h"
#include "DbRegAppTableRecord.h"

class OdDbRegAppTable : public OdDbSymbolTable
{
public:
  ODRX_DECLARE_MEMBERS(OdDbRegAppTable);

  OdDbRegAppTable();
  OdRxClass* recordClass() const override;
};

typedef OdSmartPtr<OdDbRegAppTable> OdDbRegAppTablePtr;

#endif
