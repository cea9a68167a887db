// OdDbBlockTable: the block definitions, model space and paper space included.
#ifndef OD_ODDBBLOCKTABLE_H
#define OD_ODDBBLOCKTABLE_H

#include "DbSymbolTable.h"
#include "DbBlockTableRecord.h"

class OdDbBlockTable : public OdDbSymbolTable
{
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockTable);

  OdDbBlockTable();
  OdRxClass* recordClass() const override;
};

typedef OdSmartPtr<OdDbBlockTable> OdDbBlockTablePtr;

#endif
