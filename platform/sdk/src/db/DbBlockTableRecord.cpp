// Block table records: their entity lists and iteration, base point, units and flags.
#include "DbBlockTableRecord.h"
#include "DbFiler.h"
#include "DbInternal.h"
#include "SdkRxMacros.h"

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbBlockTableRecord, OdDbSymbolTableRecord, L"BLOCK_RECORD")
ODRX_SDK_NO_CONS_DEFINE_MEMBERS(OdDbObjectIterator, OdRxObject)

namespace
{
// Walks a copy of the entity list taken when the iterator was made.
class OdDbBlockIteratorImpl : public OdDbObjectIterator
{
public:
  OdDbObjectIdArray m_ids;
  int m_pos = 0;

  void settle(bool forward, bool skipErased)
  {
    while (!done() && skipErased && m_ids[static_cast<unsigned>(m_pos)].isErased())
      m_pos += forward ? 1 : -1;
  }
  void start(bool atBeginning, bool skipErased) override
  {
    m_pos = atBeginning ? 0 : static_cast<int>(m_ids.size()) - 1;
    settle(atBeginning, skipErased);
  }
  bool done() const override { return m_pos < 0 || m_pos >= static_cast<int>(m_ids.size()); }
  void step(bool forward, bool skipErased) override
  {
    if (done())
      return;
    m_pos += forward ? 1 : -1;
    settle(forward, skipErased);
  }
  OdDbObjectId objectId() const override { return done() ? OdDbObjectId() : m_ids[static_cast<unsigned>(m_pos)]; }
  OdDbEntityPtr entity(OdDb::OpenMode openMode, bool openErasedEntity) override
  {
    return OdDbEntity::cast(objectId().openObject(openMode, openErasedEntity).get());
  }
  bool seek(const OdDbObjectId& id) override
  {
    unsigned int at = 0;
    if (!m_ids.find(id, at))
      return false;
    m_pos = static_cast<int>(at);
    return true;
  }
};
} // namespace

OdDbBlockTableRecord::OdDbBlockTableRecord() = default;

OdDbObjectId OdDbBlockTableRecord::appendOdDbEntity(OdDbEntity* pEntity)
{
  assertWriteEnabled(false, false);
  if (!pEntity)
    throw OdError(eNullObjectPointer);
  OdDbDatabase* pDb = database();
  if (!pDb)
    throw OdError(eNoDatabase);
  if (pEntity->isDBRO())
    throw OdError(eAlreadyInDb);
  assertWriteEnabled();
  const OdDbObjectId id = pDb->addOdDbObject(pEntity, objectId());
  m_entities.append(id);
  return id;
}

OdDbObjectIteratorPtr OdDbBlockTableRecord::newIterator(bool atBeginning, bool skipErased) const
{
  assertReadEnabled();
  OdSmartPtr<OdDbBlockIteratorImpl> pIter = OdRxObjectImpl<OdDbBlockIteratorImpl>::createObject();
  pIter->m_ids = m_entities;
  pIter->start(atBeginning, skipErased);
  return OdDbObjectIteratorPtr(pIter.get());
}

OdDbObjectIdArray OdDbBlockTableRecord::entityIds() const
{
  assertReadEnabled();
  OdDbObjectIdArray ids;
  for (const OdDbObjectId& id : m_entities)
    if (!id.isErased())
      ids.append(id);
  return ids;
}

OdGePoint3d OdDbBlockTableRecord::origin() const
{
  assertReadEnabled();
  return m_origin;
}

void OdDbBlockTableRecord::setOrigin(const OdGePoint3d& origin)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(origin);
  assertWriteEnabled();
  m_origin = origin;
}

OdDb::UnitsValue OdDbBlockTableRecord::blockInsertUnits() const
{
  assertReadEnabled();
  return m_insertUnits;
}

void OdDbBlockTableRecord::setBlockInsertUnits(OdDb::UnitsValue units)
{
  assertWriteEnabled(false, false);
  if (units < OdDb::kUnitsUndefined || units > OdDb::kUnitsMax)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_insertUnits = units;
}

OdDbBlockTableRecord::BlockScaling OdDbBlockTableRecord::blockScaling() const
{
  assertReadEnabled();
  return m_scaling;
}

void OdDbBlockTableRecord::setBlockScaling(BlockScaling scaling)
{
  assertWriteEnabled(false, false);
  if (scaling != kAny && scaling != kUniform)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_scaling = scaling;
}

bool OdDbBlockTableRecord::explodable() const
{
  assertReadEnabled();
  return m_explodable;
}

void OdDbBlockTableRecord::setExplodable(bool explodable)
{
  assertWriteEnabled();
  m_explodable = explodable;
}

OdString OdDbBlockTableRecord::comments() const
{
  assertReadEnabled();
  return m_comments;
}

void OdDbBlockTableRecord::setComments(const OdString& comments)
{
  assertWriteEnabled();
  m_comments = comments;
}

OdString OdDbBlockTableRecord::pathName() const
{
  assertReadEnabled();
  return m_pathName;
}

void OdDbBlockTableRecord::setPathName(const OdString& pathName)
{
  assertWriteEnabled();
  m_pathName = pathName;
}

bool OdDbBlockTableRecord::isLayout() const
{
  const OdString name = getName();
  return odDbNamesEqual(name, L"*Model_Space") || name.left(12).iCompare(L"*Paper_Space") == 0;
}

bool OdDbBlockTableRecord::isAnonymous() const
{
  const OdString name = getName();
  return name.getLength() > 1 && name[0] == L'*' && !isLayout();
}

bool OdDbBlockTableRecord::isFromExternalReference() const
{
  assertReadEnabled();
  return !m_pathName.isEmpty();
}

OdResult OdDbBlockTableRecord::subErase(bool erasing)
{
  if (erasing && isLayout())
    return eNotApplicable;
  for (const OdDbObjectId& id : m_entities)
  {
    OdDbObjectPtr pEnt = id.openObject(OdDb::kForWrite, true);
    if (!pEnt.isNull() && pEnt->isErased() != erasing)
      pEnt->erase(erasing);
  }
  return eOk;
}

void OdDbBlockTableRecord::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbSymbolTableRecord::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbBlockTableRecord");
  pFiler->wrInt16(OdDb::kDxfInt16, static_cast<OdInt16>(m_insertUnits));
  pFiler->wrInt8(280, m_explodable ? 1 : 0);
  pFiler->wrInt8(281, static_cast<OdInt8>(m_scaling));
  pFiler->wrPoint3d(OdDb::kDxfXCoord, m_origin);
  pFiler->wrString(OdDb::kDxfXRefPath, m_pathName);
  pFiler->wrString(OdDb::kDxfDescription, m_comments);
  for (const OdDbObjectId& id : m_entities)
    pFiler->wrObjectId(OdDb::kDxfHardOwnershipId, id);
}

void OdDbBlockTableRecord::copyFrom(const OdRxObject* pSource)
{
  OdDbSymbolTableRecord::copyFrom(pSource);
  const OdDbBlockTableRecord* pSrc = static_cast<const OdDbBlockTableRecord*>(pSource);
  m_origin = pSrc->m_origin;
  m_insertUnits = pSrc->m_insertUnits;
  m_scaling = pSrc->m_scaling;
  m_explodable = pSrc->m_explodable;
  m_comments = pSrc->m_comments;
  m_pathName = pSrc->m_pathName;
}
