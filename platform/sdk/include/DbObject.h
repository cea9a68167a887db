// OdDbObject: the base of every database object, with its open-mode discipline, extended data,
// extension dictionary and field storage.
//
// Lifetime and open modes. An object counts its references itself. An object not yet added to
// a database ("new") is deleted when its last reference goes, and is always read- and
// write-enabled. Adding it to a database (OdDbDatabase::addOdDbObject, appendOdDbEntity,
// symbol-table add, dictionary setAt) makes the database its owner: it stays open for write
// while the caller's references live, and when the last reference goes it is closed (mode
// kNotOpen), not deleted. OdDbObjectId::openObject() opens it again with the stronger of its
// present mode and the one asked for (kForWrite over kForRead) and returns a counted pointer.
// The database deletes its objects when it is destroyed; an object still referenced at that
// moment is released from the database and deleted with its last reference.
//
// Create objects with T::createObject(), or hand `new T` to a smart pointer (the count starts
// at zero, so `OdSmartPtr<T> p = new T;` holds the only reference); never on the stack.
// Database objects refer to other database objects by id, never by smart pointer.
#ifndef OD_DB_OBJECT_H
#define OD_DB_OBJECT_H

#include <memory>
#include <utility>
#include <vector>

#include "DbObjectId.h"
#include "Ge/GeMatrix3d.h"
#include "ResBuf.h"
#include "RxObject.h"

class OdDbDatabase;
class OdDbDxfFiler;
class OdDbObject;
class OdDbObjectAccess;
class OdDbObjectExtras;

class OdDbObject : public OdRxObject
{
public:
  ODRX_DECLARE_MEMBERS(OdDbObject);

  ~OdDbObject() override;

  // Database objects come from the database's pool of small blocks.
  static void* operator new(std::size_t size);
  static void operator delete(void* p, std::size_t size);

  // Reference counting of the object itself (see the header comment).
  void addRef() override final;
  void release() override final;
  long numRefs() const override final;

  // The class test of every property row: a database-resident object asks its class once and
  // keeps it (an object joins a database only once it is made), so a test costs a load instead
  // of a virtual call.
  bool isKindOf(const OdRxClass* pClass) const
  {
    const OdRxClass* pMine = m_class.p;
    if (!pMine && !(pMine = rememberClass()))
      return false;
    return pMine == pClass || pMine->isDerivedFrom(pClass);
  }

  OdDbObjectId objectId() const;
  OdDbObjectId ownerId() const { return m_ownerId; }
  virtual void setOwnerId(OdDbObjectId ownerId);
  // The database holding the object; null for a new object.
  OdDbDatabase* database() const;
  OdDbHandle getDbHandle() const { return objectId().getHandle(); }
  OdDbHandle handle() const { return getDbHandle(); }
  // Database resident.
  bool isDBRO() const;

  // Open state. A new object is read- and write-enabled.
  OdDb::OpenMode openMode() const;
  // Inline: the property palette asks once for every row it reads.
  bool isReadEnabled() const { return !m_pStub || m_openMode != OdDb::kNotOpen; }
  bool isWriteEnabled() const { return !m_pStub || m_openMode == OdDb::kForWrite; }
  bool isNotifyEnabled() const;
  // Throw OdError(eNotOpenForRead) / OdError(eNotOpenForWrite).
  void assertReadEnabled() const;
  // Checks write access; with recordModified it also marks the object modified. Setters check
  // first with assertWriteEnabled(false, false), validate their input, and call
  // assertWriteEnabled() just before they change anything, so a refused value leaves
  // isModified() as it was.
  void assertWriteEnabled(bool autoUndo = true, bool recordModified = true);
  void assertNotifyEnabled() const;
  // kForRead becomes kForWrite (no change when already open for write); a closed object
  // raises OdError(eNotOpenForRead).
  void upgradeOpen();
  // kForWrite becomes kForRead (no change for a new object or one open for read).
  void downgradeOpen();
  // True when something was written since the object last became open for write.
  bool isModified() const { return m_bModified; }
  // Added to its database and not closed since.
  bool isNewObject() const { return m_bNewObject; }

  // Marks the object erased (erasing false unerases). eNotInDatabase for a new object; needs
  // write access. Erasing also erases the object's fields and extension dictionary.
  OdResult erase(bool erasing = true);
  bool isErased() const;

  // Extended data. xData(app) returns a copy of that application's chain (starting with its
  // 1001 group), xData() a copy of all chains; null when there is none. setXData() takes one
  // or more application chains, each starting with a 1001 group naming an application
  // registered in the database (else OdError(eRegappIdNotFound)); a chain holding only its
  // 1001 group removes that application's data. Malformed chains raise OdError(eInvalidResBuf),
  // non-finite values OdError(eInvalidInput); nothing is changed then.
  OdResBufPtr xData(const OdString& regappName = OdString::kEmpty) const;
  void setXData(const OdResBuf* pRb);
  // Applies the matrix to the world positions (1011), displacements (1012) and directions
  // (1013), and scales the distances (1041) and scale factors (1042) of the extended data.
  void xDataTransformBy(const OdGeMatrix3d& xform);
  // Names of the applications that have extended data on the object, in order.
  OdArray<OdString> xDataApplications() const;

  // Extension dictionary: an OdDbDictionary owned by this object.
  OdDbObjectId extensionDictionary() const;
  // Creates it when missing (needs write access and a database); false when it existed.
  bool createExtensionDictionary();
  // Erases it when it is empty: eOk, eContainerNotEmpty, or eKeyNotFound when there is none.
  OdResult releaseExtensionDictionary();

  // Fields by property name ("TEXT" for the text of texts and multiline texts). Each object
  // keeps its fields in a name-to-id table of its own; the fields are database objects owned
  // by this object. setField makes the field database resident (the object must be in a
  // database: OdError(eNoDatabase) otherwise) and replaces (erases) a field already stored
  // under the name. Property names compare case-insensitively.
  OdDbObjectId getField(const OdString& propName = L"TEXT") const;
  OdDbObjectPtr getField(const OdString& propName, OdDb::OpenMode openMode) const;
  OdDbObjectId setField(const OdString& propName, OdDbObject* pField);
  // eOk, or eKeyNotFound when the object has no such field. The field is erased.
  OdResult removeField(const OdString& propName);
  OdResult removeField(const OdDbObjectId& fieldId);
  bool hasFields() const;
  // Property names with fields, in the order they were set.
  OdArray<OdString> fieldNames() const;

  // Writes the object's state as DXF group codes. Every class writes its parent's state first,
  // then a subclass marker with its class name and its own state.
  virtual void dxfOutFields(OdDbDxfFiler* pFiler) const;
  // dxfOutFields() followed by the extended data: the complete state of the object.
  void dxfOut(OdDbDxfFiler* pFiler) const;

  // Copies the state (not handle, owner, fields or extension dictionary) of an object of the
  // same class; others raise OdError_NotThatKindOfClass. Needs write access.
  void copyFrom(const OdRxObject* pSource) override;
  // A new (non-resident) object of the same class with a copy of the state.
  OdRxObjectPtr clone() const override;

protected:
  OdDbObject();
  // Called by erase() before the flag changes; a result other than eOk stops the erase.
  virtual OdResult subErase(bool erasing);

private:
  friend class OdDbObjectAccess;

  // isA(), kept from the first class test once the object is in a database; a copy asks again.
  struct ClassMemo
  {
    const OdRxClass* p = nullptr;
    ClassMemo() = default;
    ClassMemo(const ClassMemo&) {}
    ClassMemo& operator=(const ClassMemo&) { return *this; }
  };
  const OdRxClass* rememberClass() const;

  OdDbStub* m_pStub = 0;
  mutable ClassMemo m_class;
  OdDbObjectId m_ownerId;
  // Extended data, the extension dictionary, fields and the like: most objects have none, so
  // they are kept in a block of their own, made when first needed.
  std::unique_ptr<OdDbObjectExtras> m_pExtras;
  OdInt32 m_nRefCounter = 0;
  OdInt8 m_openMode = OdDb::kNotOpen;
  bool m_bModified = false;
  bool m_bNewObject = false;
};

typedef OdSmartPtr<OdDbObject> OdDbObjectPtr;

#endif
