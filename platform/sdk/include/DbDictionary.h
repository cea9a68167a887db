// OdDbDictionary: named entries pointing at owned database objects, iterated in the order
// they were added. Names compare case-insensitively and keep the case they were given.
#ifndef OD_DB_DICTIONARY_H
#define OD_DB_DICTIONARY_H

#include "DbObject.h"

class OdDbDictionaryIterator : public OdRxObject
{
public:
  ODRX_DECLARE_MEMBERS(OdDbDictionaryIterator);

  virtual OdString name() const = 0;
  virtual OdDbObjectId objectId() const = 0;
  virtual OdDbObjectPtr getObject(OdDb::OpenMode openMode = OdDb::kForRead) = 0;
  virtual bool done() const = 0;
  // Moves on; false when it moved past the last entry.
  virtual bool next() = 0;
};

typedef OdSmartPtr<OdDbDictionaryIterator> OdDbDictionaryIteratorPtr;

class OdDbDictionary : public OdDbObject
{
public:
  ODRX_DECLARE_MEMBERS(OdDbDictionary);

  OdDbDictionary();

  // Entries whose object is erased are not found.
  OdDbObjectPtr getAt(const OdString& name, OdDb::OpenMode openMode) const;
  OdDbObjectId getAt(const OdString& name) const;
  bool has(const OdString& name) const;
  bool has(const OdDbObjectId& objectId) const;
  // Name of the entry for the object ("" when it is not in the dictionary).
  OdString nameAt(const OdDbObjectId& objectId) const;
  OdUInt32 numEntries() const;

  // Stores the object under the name with the dictionary as owner, adding a new object to the
  // dictionary's database (the dictionary must be in one: OdError(eNoDatabase); an object of
  // another database raises OdError(eWrongDatabase)). An object already stored under the name
  // is erased and replaced. An empty name raises OdError(eInvalidKey).
  OdDbObjectId setAt(const OdString& name, OdDbObject* pObject);
  // Removes the entry (the object stays, without owner): eOk or eKeyNotFound.
  OdResult remove(const OdString& name);
  OdResult remove(const OdDbObjectId& objectId);
  // Renames an entry: false when oldName is missing or newName is taken or empty.
  bool setName(const OdString& oldName, const OdString& newName);

  OdDbDictionaryIteratorPtr newIterator() const;

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;

protected:
  OdResult subErase(bool erasing) override;

private:
  int indexOf(const OdString& name) const;

  using Entries = std::vector<std::pair<OdString, OdDbObjectId>>;
  const Entries& entries() const { return *m_entries; }
  // The entries to change: copied first while an iterator still walks them.
  Entries& editEntries();

  std::shared_ptr<Entries> m_entries = std::make_shared<Entries>();
};

typedef OdSmartPtr<OdDbDictionary> OdDbDictionaryPtr;

#endif
