// OdDbLinetypeTable: the linetypes of a database ("ByLayer", "ByBlock" and "Continuous" always exist).
#ifndef OD_ODDBLINETYPETABLE_H
#define OD_ODDBLINETYPETABLE_H

#include "DbSymbolTable.h"
#include "DbLinetypeTableRecord.h"

class OdDbLinetypeTable : public OdDbSymbolTable
{
public:
  ODRX_DECLARE_MEMBERS(OdDbLinetypeTable);

  OdDbLinetypeTable();
  OdRxClass* recordClass() const override;
};

typedef OdSmartPtr<OdDbLinetypeTable> OdDbLinetypeTablePtr;

#endif
