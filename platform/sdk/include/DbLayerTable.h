// OdDbLayerTable: the layers of a database.
#ifndef OD_ODDBLAYERTABLE_H
#define OD_ODDBLAYERTABLE_H

#include "DbSymbolTable.h"
#include "DbLayerTableRecord.h"

class OdDbLayerTable : public OdDbSymbolTable
{
public:
  ODRX_DECLARE_MEMBERS(OdDbLayerTable);

  OdDbLayerTable();
  OdRxClass* recordClass() const override;
};

typedef OdSmartPtr<OdDbLayerTable> OdDbLayerTablePtr;

#endif
