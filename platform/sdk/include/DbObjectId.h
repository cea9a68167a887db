// Object id: a small value naming one object of one database. It points at the database's
// entry for the object (its stub: handle, database, object, erased flag), which stays valid
// while any id refers to it, also after the database is gone (the id then no longer opens).
#ifndef OD_DB_OBJECT_ID_H
#define OD_DB_OBJECT_ID_H

#include "DbHandle.h"
#include "OdArray.h"
#include "OdDbEnums.h"
#include "RxObject.h"

class OdDbStub;
class OdDbDatabase;
class OdDbObject;
typedef OdSmartPtr<OdDbObject> OdDbObjectPtr;

class OdDbObjectId
{
public:
  OdDbObjectId() = default;
  OdDbObjectId(OdDbStub* pStub);
  OdDbObjectId(const OdDbObjectId& other);
  OdDbObjectId(OdDbObjectId&& other) noexcept : m_id(other.m_id) { other.m_id = 0; }
  ~OdDbObjectId();
  OdDbObjectId& operator=(const OdDbObjectId& other);
  OdDbObjectId& operator=(OdDbObjectId&& other) noexcept;
  OdDbObjectId& operator=(OdDbStub* pStub);

  static const OdDbObjectId kNull;

  bool isNull() const { return m_id == 0; }
  void setNull();
  // Not null, its database still exists and an object was added under it (an id made for a
  // handle by getOdDbObjectId(handle, true) is not valid until the object arrives).
  bool isValid() const;
  bool isErased() const;
  // Alias of isErased() kept for callers of the older name.
  bool isEffectivelyErased() const { return isErased(); }
  OdDbHandle getHandle() const;
  OdDbHandle handle() const { return getHandle(); }
  // Null once the database is gone.
  OdDbDatabase* database() const;
  OdDbDatabase* originalDatabase() const { return database(); }
  // Class of the object, without opening it; null when the id is not valid.
  OdRxClass* objectClass() const;

  // Opens the object: its open mode becomes the stronger of its present mode and the one
  // asked for, and the returned pointer holds an open reference. Null for a null or invalid
  // id, and for an erased object unless openErasedOne is true.
  OdDbObjectPtr openObject(OdDb::OpenMode openMode = OdDb::kForRead, bool openErasedOne = false) const;
  // As openObject(), but reports why the object did not open: OdError(eNullObjectId),
  // OdError(eWasErased) or OdError(eUnknownHandle) (id not valid).
  OdDbObjectPtr safeOpenObject(OdDb::OpenMode openMode = OdDb::kForRead, bool openErasedOne = false) const;
  // Opens into a typed pointer: eOk, or eNullObjectId / eWasErased / eUnknownHandle /
  // eNotThatKindOfClass (pObj is then null).
  template <class T>
  OdResult openObject(OdSmartPtr<T>& pObj, OdDb::OpenMode openMode = OdDb::kForRead, bool openErasedOne = false) const
  {
    pObj.release();
    OdResult res = checkOpen(openErasedOne);
    if (res != eOk)
      return res;
    OdDbObjectPtr pDbObj = openObject(openMode, openErasedOne);
    pObj = T::cast(pDbObj.get());
    return pObj.isNull() ? eNotThatKindOfClass : eOk;
  }

  operator OdDbStub*() const { return m_id; }
  bool operator!() const { return isNull(); }
  bool operator==(const OdDbObjectId& id) const { return m_id == id.m_id; }
  bool operator!=(const OdDbObjectId& id) const { return m_id != id.m_id; }
  // Orders by handle (null first), so sorted id lists are reproducible.
  bool operator<(const OdDbObjectId& id) const;
  bool operator>(const OdDbObjectId& id) const { return id < *this; }
  bool operator<=(const OdDbObjectId& id) const { return !(id < *this); }
  bool operator>=(const OdDbObjectId& id) const { return !(*this < id); }

private:
  OdResult checkOpen(bool openErasedOne) const;
  OdDbStub* m_id = 0;
};

typedef OdArray<OdDbObjectId> OdDbObjectIdArray;

#endif
