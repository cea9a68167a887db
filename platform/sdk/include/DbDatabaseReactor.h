// OdDbDatabaseReactor: told of changes to a database: each header variable before and after it
// changes (by its name, "UCSORG"), objects added, about to change and erased, and the database's
// end. Attach one with OdDbDatabase::addReactor; the database does not own its reactors. The
// default members do nothing.
#ifndef OD_DB_DATABASE_REACTOR_H
#define OD_DB_DATABASE_REACTOR_H

#include "OdString.h"
#include "RxObject.h"

class OdDbDatabase;
class OdDbObject;

class OdDbDatabaseReactor : public OdRxObject
{
public:
  ODRX_DECLARE_MEMBERS(OdDbDatabaseReactor);

  // Sent once the new value has passed the setter's checks, before it is stored.
  virtual void headerSysVarWillChange(const OdDbDatabase* pDb, const OdString& name);
  // Sent after the new value is stored.
  virtual void headerSysVarChanged(const OdDbDatabase* pDb, const OdString& name);
  // The object has just been added (it has its id and owner).
  virtual void objectAppended(const OdDbDatabase* pDb, const OdDbObject* pObject);
  // The object, open for write, is about to change for the first time since it was opened.
  virtual void objectOpenedForModify(const OdDbDatabase* pDb, const OdDbObject* pObject);
  // The object has just been erased (erased true) or unerased.
  virtual void objectErased(const OdDbDatabase* pDb, const OdDbObject* pObject, bool erased);
  // The database is being destroyed; it forgets its reactors afterwards.
  virtual void goodbye(const OdDbDatabase* pDb);
};

#endif
