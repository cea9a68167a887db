// OdDbSymbolTable: the records of one kind (layers, linetypes, ...) of a database, in the
// order they were added, looked up by case-insensitive name. Erased records are skipped
// unless asked for.
#ifndef OD_DB_SYMBOL_TABLE_H
#define OD_DB_SYMBOL_TABLE_H

#include "DbSymbolTableRecord.h"

class OdDbSymbolTableIterator : public OdRxObject
{
public:
  ODRX_DECLARE_MEMBERS(OdDbSymbolTableIterator);

  virtual void start(bool atBeginning = true, bool skipDeleted = true) = 0;
  virtual bool done() const = 0;
  virtual void step(bool forward = true, bool skipDeleted = true) = 0;
  virtual OdDbObjectId getRecordId() const = 0;
  virtual OdDbSymbolTableRecordPtr getRecord(OdDb::OpenMode openMode = OdDb::kForRead, bool getErasedRecord = false) const = 0;
  virtual bool seek(const OdDbObjectId& id) = 0;
};

typedef OdSmartPtr<OdDbSymbolTableIterator> OdDbSymbolTableIteratorPtr;

class OdDbSymbolTable : public OdDbObject
{
public:
  ODRX_DECLARE_MEMBERS(OdDbSymbolTable);

  // The record opened (null when there is none).
  OdDbSymbolTableRecordPtr getAt(const OdString& recordName, OdDb::OpenMode openMode,
                                 bool getErasedRecord = false) const;
  OdDbObjectId getAt(const OdString& recordName, bool getErasedRecord = false) const;
  bool has(const OdString& recordName) const;
  bool has(const OdDbObjectId& objectId) const;

  // Adds a new record (the table needs write access and a database). The record must be of the
  // table's record class (OdError(eWrongObjectType)) and not yet in a database
  // (OdError(eAlreadyInDb)); its name must be valid (OdError(eInvalidSymbolTableName)) and
  // unused (OdError(eDuplicateRecordName)). Returns the record's id; the record stays open
  // for write while the caller holds it.
  OdDbObjectId add(OdDbSymbolTableRecord* pRecord);

  OdDbSymbolTableIteratorPtr newIterator(bool atBeginning = true, bool skipDeleted = true) const;

  // The record class this table holds.
  virtual OdRxClass* recordClass() const = 0;

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;

protected:
  OdDbSymbolTable();

private:
  friend class OdDbObjectAccess;
  OdDbObjectIdArray m_records;
};

typedef OdSmartPtr<OdDbSymbolTable> OdDbSymbolTablePtr;

#endif
