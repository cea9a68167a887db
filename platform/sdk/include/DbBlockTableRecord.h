// OdDbBlockTableRecord: a block definition: an ordered list of entities it owns, its base
// point, insertion units and flags. "*Model_Space" and "*Paper_Space" are the layouts' blocks;
// names starting with '*' otherwise are anonymous blocks; a path name marks an external
// reference.
#ifndef OD_DB_BLOCK_TABLE_RECORD_H
#define OD_DB_BLOCK_TABLE_RECORD_H

#include "DbObjectIterator.h"
#include "DbSymbolTableRecord.h"
#include "Ge/GePoint3d.h"

class OdDbEntity;

class OdDbBlockTableRecord : public OdDbSymbolTableRecord
{
public:
  ODRX_DECLARE_MEMBERS(OdDbBlockTableRecord);

  enum BlockScaling
  {
    kAny = 0,
    kUniform = 1
  };

  OdDbBlockTableRecord();

  // Adds a new entity to the record's database, owned by this record and listed last. The
  // record needs write access and a database (OdError(eNoDatabase)); an entity already in a
  // database raises OdError(eAlreadyInDb). The entity gets the database defaults for the
  // properties it has not been given (layer, linetype). It stays open for write while the
  // caller holds it.
  OdDbObjectId appendOdDbEntity(OdDbEntity* pEntity);
  // Entities in order (erased ones skipped unless asked).
  OdDbObjectIteratorPtr newIterator(bool atBeginning = true, bool skipErased = true) const;
  // Ids of the entities, erased ones excluded.
  OdDbObjectIdArray entityIds() const;

  OdGePoint3d origin() const;
  // Finite coordinates, else OdError(eInvalidInput).
  void setOrigin(const OdGePoint3d& origin);
  OdDb::UnitsValue blockInsertUnits() const;
  // Values 0..20, else OdError(eInvalidInput).
  void setBlockInsertUnits(OdDb::UnitsValue units);
  BlockScaling blockScaling() const;
  void setBlockScaling(BlockScaling scaling);
  bool explodable() const;
  void setExplodable(bool explodable);
  OdString comments() const;
  void setComments(const OdString& comments);
  // Path of the external reference file ("" for an ordinary block).
  OdString pathName() const;
  void setPathName(const OdString& pathName);

  bool isLayout() const;
  bool isAnonymous() const;
  bool isFromExternalReference() const;

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

protected:
  OdResult subErase(bool erasing) override;

private:
  friend class OdDbObjectAccess;

  OdDbObjectIdArray m_entities;
  OdGePoint3d m_origin;
  OdDb::UnitsValue m_insertUnits = OdDb::kUnitsUndefined;
  BlockScaling m_scaling = kAny;
  bool m_explodable = true;
  OdString m_comments;
  OdString m_pathName;
};

typedef OdSmartPtr<OdDbBlockTableRecord> OdDbBlockTableRecordPtr;

#endif
