// Symbol tables and their records: name rules, lookup, adding and iteration; the concrete
// table classes of the database.
#include "DbBlockTable.h"
#include "DbDimStyleTable.h"
#include "DbFiler.h"
#include "DbInternal.h"
#include "DbLayerTable.h"
#include "DbLinetypeTable.h"
#include "DbRegAppTable.h"
#include "DbTextStyleTable.h"
#include "DbUCSTable.h"
#include "DbViewTable.h"
#include "DbViewportTable.h"
#include "SdkRxMacros.h"

ODRX_SDK_DBOBJECT_NO_CONS_DEFINE_MEMBERS(OdDbSymbolTableRecord, OdDbObject)
ODRX_SDK_DBOBJECT_NO_CONS_DEFINE_MEMBERS(OdDbSymbolTable, OdDbObject)
ODRX_SDK_NO_CONS_DEFINE_MEMBERS(OdDbSymbolTableIterator, OdRxObject)

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbLayerTable, OdDbSymbolTable, L"TABLE")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbLinetypeTable, OdDbSymbolTable, L"TABLE")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbTextStyleTable, OdDbSymbolTable, L"TABLE")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbDimStyleTable, OdDbSymbolTable, L"TABLE")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbBlockTable, OdDbSymbolTable, L"TABLE")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbRegAppTable, OdDbSymbolTable, L"TABLE")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbViewportTable, OdDbSymbolTable, L"TABLE")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbViewTable, OdDbSymbolTable, L"TABLE")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbUCSTable, OdDbSymbolTable, L"TABLE")

OdDbLayerTable::OdDbLayerTable() = default;
OdRxClass* OdDbLayerTable::recordClass() const { return OdDbLayerTableRecord::desc(); }
OdDbLinetypeTable::OdDbLinetypeTable() = default;
OdRxClass* OdDbLinetypeTable::recordClass() const { return OdDbLinetypeTableRecord::desc(); }
OdDbTextStyleTable::OdDbTextStyleTable() = default;
OdRxClass* OdDbTextStyleTable::recordClass() const { return OdDbTextStyleTableRecord::desc(); }
OdDbDimStyleTable::OdDbDimStyleTable() = default;
OdRxClass* OdDbDimStyleTable::recordClass() const { return OdDbDimStyleTableRecord::desc(); }
OdDbBlockTable::OdDbBlockTable() = default;
OdRxClass* OdDbBlockTable::recordClass() const { return OdDbBlockTableRecord::desc(); }
OdDbRegAppTable::OdDbRegAppTable() = default;
OdRxClass* OdDbRegAppTable::recordClass() const { return OdDbRegAppTableRecord::desc(); }
OdDbViewportTable::OdDbViewportTable() = default;
OdRxClass* OdDbViewportTable::recordClass() const { return OdDbViewportTableRecord::desc(); }
OdDbViewTable::OdDbViewTable() = default;
OdRxClass* OdDbViewTable::recordClass() const { return OdDbViewTableRecord::desc(); }
OdDbUCSTable::OdDbUCSTable() = default;
OdRxClass* OdDbUCSTable::recordClass() const { return OdDbUCSTableRecord::desc(); }

namespace
{
// Text styles of shape files may have no name; the table keeps them, found by id only.
bool isUnnamedShapeFile(const OdDbSymbolTableRecord* pRecord)
{
  return pRecord->isKindOf(OdDbTextStyleTableRecord::desc()) &&
         static_cast<const OdDbTextStyleTableRecord*>(pRecord)->isShapeFile();
}
} // namespace

// ---- OdDbSymbolTableRecord ---------------------------------------------------------------------

OdDbSymbolTableRecord::OdDbSymbolTableRecord() = default;

OdResult OdDbSymbolTableRecord::validateName(const OdString& name)
{
  if (name.isEmpty() || name.getLength() > 255)
    return eInvalidSymbolTableName;
  static const OdChar forbidden[] = L"<>/\\\":;?*,=`";
  for (int i = 0; i < name.getLength(); ++i)
  {
    const OdChar c = name[i];
    if (c < 0x20 && c >= 0)
      return eInvalidSymbolTableName;
    if (c == L'*' && i == 0)
      continue;
    for (const OdChar* f = forbidden; *f; ++f)
      if (c == *f)
        return eInvalidSymbolTableName;
  }
  // "xref|name" needs both parts.
  const int bar = name.find(L'|');
  if (bar == 0 || bar == name.getLength() - 1)
    return eInvalidSymbolTableName;
  return eOk;
}

OdString OdDbSymbolTableRecord::getName() const
{
  assertReadEnabled();
  return m_name;
}

void OdDbSymbolTableRecord::setName(const OdString& name)
{
  assertWriteEnabled(false, false);
  const OdResult res = validateName(name);
  if (res != eOk)
    throw OdError(res);
  // A record of a table must keep its name unique there.
  OdDbSymbolTablePtr pTable = OdDbSymbolTable::cast(ownerId().openObject(OdDb::kForRead).get());
  if (!pTable.isNull())
  {
    const OdDbObjectId other = pTable->getAt(name);
    if (!other.isNull() && other != objectId())
      throw OdError(eDuplicateRecordName);
  }
  assertWriteEnabled();
  m_name = name;
}

bool OdDbSymbolTableRecord::isDependent() const
{
  assertReadEnabled();
  return m_name.find(L'|') > 0;
}

bool OdDbSymbolTableRecord::isResolved() const
{
  if (!isDependent())
    return false;
  OdDbDatabase* pDb = database();
  if (!pDb)
    return false;
  OdDbSymbolTablePtr pBlocks = pDb->getBlockTableId().safeOpenObject();
  OdDbBlockTableRecordPtr pXref =
      OdDbBlockTableRecord::cast(pBlocks->getAt(m_name.left(m_name.find(L'|')), OdDb::kForRead).get());
  return !pXref.isNull() && pXref->isFromExternalReference();
}

void OdDbSymbolTableRecord::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbObject::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbSymbolTableRecord");
  pFiler->wrName(OdDb::kDxfSymbolTableName, m_name);
}

void OdDbSymbolTableRecord::copyFrom(const OdRxObject* pSource)
{
  OdDbObject::copyFrom(pSource);
  m_name = static_cast<const OdDbSymbolTableRecord*>(pSource)->m_name;
}

// ---- OdDbSymbolTable ---------------------------------------------------------------------------

OdDbSymbolTable::OdDbSymbolTable() = default;

OdDbObjectId OdDbSymbolTable::getAt(const OdString& recordName, bool getErasedRecord) const
{
  assertReadEnabled();
  // Unnamed records (shape files) are found by id only.
  if (recordName.isEmpty())
    return OdDbObjectId();
  for (const OdDbObjectId& id : m_records)
  {
    if (id.isErased() && !getErasedRecord)
      continue;
    if (odDbNamesEqual(odDbRecordName(id), recordName))
      return id;
  }
  return OdDbObjectId();
}

OdDbSymbolTableRecordPtr OdDbSymbolTable::getAt(const OdString& recordName, OdDb::OpenMode openMode,
                                                bool getErasedRecord) const
{
  return OdDbSymbolTableRecord::cast(getAt(recordName, getErasedRecord).openObject(openMode, getErasedRecord).get());
}

bool OdDbSymbolTable::has(const OdString& recordName) const
{
  return !getAt(recordName).isNull();
}

bool OdDbSymbolTable::has(const OdDbObjectId& objectId) const
{
  assertReadEnabled();
  return !objectId.isErased() && m_records.contains(objectId);
}

OdDbObjectId OdDbSymbolTable::add(OdDbSymbolTableRecord* pRecord)
{
  assertWriteEnabled(false, false);
  if (!pRecord)
    throw OdError(eNullObjectPointer);
  OdDbDatabase* pDb = database();
  if (!pDb)
    throw OdError(eNoDatabase);
  if (!pRecord->isKindOf(recordClass()))
    throw OdError(eWrongObjectType);
  if (pRecord->isDBRO())
    throw OdError(eAlreadyInDb);
  const OdString name = pRecord->getName();
  if (!name.isEmpty() || !isUnnamedShapeFile(pRecord))
  {
    const OdResult res = OdDbSymbolTableRecord::validateName(name);
    if (res != eOk)
      throw OdError(res);
    if (has(name))
      throw OdError(eDuplicateRecordName);
  }
  assertWriteEnabled();
  const OdDbObjectId id = pDb->addOdDbObject(pRecord, objectId());
  m_records.append(id);
  return id;
}

void OdDbSymbolTable::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbObject::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbSymbolTable");
  OdInt16 count = 0;
  for (const OdDbObjectId& id : m_records)
    if (!id.isErased())
      ++count;
  pFiler->wrInt16(OdDb::kDxfInt16, count);
}

// ---- iteration ---------------------------------------------------------------------------------

namespace
{
// Walks a copy of the id list taken when the iterator was made.
class OdDbSymbolTableIteratorImpl : public OdDbSymbolTableIterator
{
public:
  OdDbObjectIdArray m_ids;
  int m_pos = 0;

  bool skip(int i) const { return m_ids[static_cast<unsigned>(i)].isErased(); }
  void settle(bool forward, bool skipDeleted)
  {
    while (!done() && skipDeleted && skip(m_pos))
      m_pos += forward ? 1 : -1;
  }
  void start(bool atBeginning, bool skipDeleted) override
  {
    m_pos = atBeginning ? 0 : static_cast<int>(m_ids.size()) - 1;
    settle(atBeginning, skipDeleted);
  }
  bool done() const override { return m_pos < 0 || m_pos >= static_cast<int>(m_ids.size()); }
  void step(bool forward, bool skipDeleted) override
  {
    if (done())
      return;
    m_pos += forward ? 1 : -1;
    settle(forward, skipDeleted);
  }
  OdDbObjectId getRecordId() const override
  {
    return done() ? OdDbObjectId() : m_ids[static_cast<unsigned>(m_pos)];
  }
  OdDbSymbolTableRecordPtr getRecord(OdDb::OpenMode openMode, bool getErasedRecord) const override
  {
    return OdDbSymbolTableRecord::cast(getRecordId().openObject(openMode, getErasedRecord).get());
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

OdDbSymbolTableIteratorPtr OdDbSymbolTable::newIterator(bool atBeginning, bool skipDeleted) const
{
  assertReadEnabled();
  OdSmartPtr<OdDbSymbolTableIteratorImpl> pIter = OdRxObjectImpl<OdDbSymbolTableIteratorImpl>::createObject();
  pIter->m_ids = m_records;
  pIter->start(atBeginning, skipDeleted);
  return OdDbSymbolTableIteratorPtr(pIter.get());
}
