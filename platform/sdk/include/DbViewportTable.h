// OdDbViewportTable: the model-space view tiles ("*Active" is the current one).
#ifndef OD_ODDBVIEWPORTTABLE_H
#define OD_ODDBVIEWPORTTABLE_H

#include "DbSymbolTable.h"
#include "DbViewportTableRecord.h"

class OdDbViewportTable : public OdDbSymbolTable
{
public:
  ODRX_DECLARE_MEMBERS(OdDbViewportTable);

  OdDbViewportTable();
  OdRxClass* recordClass() const override;
};

typedef OdSmartPtr<OdDbViewportTable> OdDbViewportTablePtr;

#endif
