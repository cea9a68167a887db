// OdDbRegAppTableRecord: a registered application; extended data may only be attached under
// the names of registered applications.
#ifndef OD_DB_REG_APP_TABLE_RECORD_H
#define OD_DB_REG_APP_TABLE_RECORD_H

#include "DbSymbolTableRecord.h"

class OdDbRegAppTableRecord : public OdDbSymbolTableRecord
{
public:
  ODRX_DECLARE_MEMBERS(OdDbRegAppTableRecord);

  OdDbRegAppTableRecord();
};

typedef OdSmartPtr<OdDbRegAppTableRecord> OdDbRegAppTableRecordPtr;

#endif
