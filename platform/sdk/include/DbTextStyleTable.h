// OdDbTextStyleTable: the text styles of a database.
#ifndef OD_ODDBTEXTSTYLETABLE_H
#define OD_ODDBTEXTSTYLETABLE_H

#include "DbSymbolTable.h"
#include "DbTextStyleTableRecord.h"

class OdDbTextStyleTable : public OdDbSymbolTable
{
public:
  ODRX_DECLARE_MEMBERS(OdDbTextStyleTable);

  OdDbTextStyleTable();
  OdRxClass* recordClass() const override;
};

typedef OdSmartPtr<OdDbTextStyleTable> OdDbTextStyleTablePtr;

#endif
