// Iterator over the entities of a block table record, in the order they were appended.
#ifndef OD_DB_OBJECT_ITERATOR_H
#define OD_DB_OBJECT_ITERATOR_H

#include "DbEntity.h"
#include "RxObject.h"

class OdDbObjectIterator : public OdRxObject
{
public:
  ODRX_DECLARE_MEMBERS(OdDbObjectIterator);

  // Positions on the first (atBeginning) or last entity, skipping erased ones when asked.
  virtual void start(bool atBeginning = true, bool skipErased = true) = 0;
  virtual bool done() const = 0;
  virtual void step(bool forward = true, bool skipErased = true) = 0;
  virtual OdDbObjectId objectId() const = 0;
  // Opens the current entity (null when done or when it does not open).
  virtual OdDbEntityPtr entity(OdDb::OpenMode openMode = OdDb::kForRead, bool openErasedEntity = false) = 0;
  // Moves to the entity with the id; false (position unchanged) when it is not in the list.
  virtual bool seek(const OdDbObjectId& objectId) = 0;
};

typedef OdSmartPtr<OdDbObjectIterator> OdDbObjectIteratorPtr;

#endif
