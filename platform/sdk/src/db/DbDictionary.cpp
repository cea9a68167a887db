// Dictionaries: named, owned entries in the order they were added.
#include "DbDictionary.h"
#include "DbFiler.h"
#include "DbInternal.h"
#include "SdkRxMacros.h"

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbDictionary, OdDbObject, L"DICTIONARY")
ODRX_SDK_NO_CONS_DEFINE_MEMBERS(OdDbDictionaryIterator, OdRxObject)

namespace
{
// Walks a copy of the entries taken when the iterator was made, skipping erased objects.
class OdDbDictionaryIteratorImpl : public OdDbDictionaryIterator
{
public:
  // The dictionary's entries as they were when the iterator was made: shared, not copied.
  std::shared_ptr<const std::vector<std::pair<OdString, OdDbObjectId>>> m_entries;
  std::size_t m_pos = 0;

  void settle()
  {
    while (m_pos < m_entries->size() && (*m_entries)[m_pos].second.isErased())
      ++m_pos;
  }
  OdString name() const override { return done() ? OdString() : (*m_entries)[m_pos].first; }
  OdDbObjectId objectId() const override { return done() ? OdDbObjectId() : (*m_entries)[m_pos].second; }
  OdDbObjectPtr getObject(OdDb::OpenMode openMode) override { return objectId().openObject(openMode); }
  bool done() const override { return m_pos >= m_entries->size(); }
  bool next() override
  {
    if (done())
      return false;
    ++m_pos;
    settle();
    return !done();
  }
};
} // namespace

OdDbDictionary::OdDbDictionary() = default;

OdDbDictionary::Entries& OdDbDictionary::editEntries()
{
  if (m_entries.use_count() > 1)
    m_entries = std::make_shared<Entries>(*m_entries);
  return *m_entries;
}

int OdDbDictionary::indexOf(const OdString& name) const
{
  for (std::size_t i = 0; i < entries().size(); ++i)
    if (odDbNamesEqual(entries()[i].first, name))
      return static_cast<int>(i);
  return -1;
}

OdDbObjectId OdDbDictionary::getAt(const OdString& name) const
{
  assertReadEnabled();
  const int i = indexOf(name);
  if (i < 0 || entries()[static_cast<std::size_t>(i)].second.isErased())
    return OdDbObjectId();
  return entries()[static_cast<std::size_t>(i)].second;
}

OdDbObjectPtr OdDbDictionary::getAt(const OdString& name, OdDb::OpenMode openMode) const
{
  return getAt(name).openObject(openMode);
}

bool OdDbDictionary::has(const OdString& name) const
{
  return !getAt(name).isNull();
}

bool OdDbDictionary::has(const OdDbObjectId& objectId) const
{
  assertReadEnabled();
  if (objectId.isNull() || objectId.isErased())
    return false;
  for (const auto& entry : entries())
    if (entry.second == objectId)
      return true;
  return false;
}

OdString OdDbDictionary::nameAt(const OdDbObjectId& objectId) const
{
  assertReadEnabled();
  for (const auto& entry : entries())
    if (entry.second == objectId)
      return entry.first;
  return OdString();
}

OdUInt32 OdDbDictionary::numEntries() const
{
  assertReadEnabled();
  OdUInt32 count = 0;
  for (const auto& entry : entries())
    if (!entry.second.isErased())
      ++count;
  return count;
}

OdDbObjectId OdDbDictionary::setAt(const OdString& name, OdDbObject* pObject)
{
  assertWriteEnabled(false, false);
  if (name.isEmpty())
    throw OdError(eInvalidKey);
  if (!pObject)
    throw OdError(eNullObjectPointer);
  OdDbDatabase* pDb = database();
  if (!pDb)
    throw OdError(eNoDatabase);
  if (pObject->isDBRO() && pObject->database() != pDb)
    throw OdError(eWrongDatabase);
  assertWriteEnabled();
  OdDbObjectId id;
  if (pObject->isDBRO())
  {
    id = pObject->objectId();
    pObject->setOwnerId(objectId());
  }
  else
    id = pDb->addOdDbObject(pObject, objectId());
  const int i = indexOf(name);
  if (i >= 0)
  {
    std::pair<OdString, OdDbObjectId>& entry = editEntries()[static_cast<std::size_t>(i)];
    if (entry.second != id)
    {
      OdDbObjectPtr pOld = entry.second.openObject(OdDb::kForWrite);
      if (!pOld.isNull())
        pOld->erase();
    }
    entry.second = id;
  }
  else
    editEntries().emplace_back(name, id);
  return id;
}

OdResult OdDbDictionary::remove(const OdString& name)
{
  assertWriteEnabled(false, false);
  const int i = indexOf(name);
  if (i < 0)
    return eKeyNotFound;
  assertWriteEnabled();
  OdDbObjectPtr pObj = entries()[static_cast<std::size_t>(i)].second.openObject(OdDb::kForWrite, true);
  if (!pObj.isNull() && pObj->ownerId() == objectId())
    pObj->setOwnerId(OdDbObjectId());
  Entries& edited = editEntries();
  edited.erase(edited.begin() + i);
  return eOk;
}

OdResult OdDbDictionary::remove(const OdDbObjectId& objectId)
{
  const OdString name = nameAt(objectId);
  if (name.isEmpty())
    return eKeyNotFound;
  return remove(name);
}

bool OdDbDictionary::setName(const OdString& oldName, const OdString& newName)
{
  assertWriteEnabled(false, false);
  const int i = indexOf(oldName);
  if (i < 0 || newName.isEmpty())
    return false;
  const int j = indexOf(newName);
  if (j >= 0 && j != i)
    return false;
  assertWriteEnabled();
  editEntries()[static_cast<std::size_t>(i)].first = newName;
  return true;
}

OdDbDictionaryIteratorPtr OdDbDictionary::newIterator() const
{
  assertReadEnabled();
  OdSmartPtr<OdDbDictionaryIteratorImpl> pIter = OdRxObjectImpl<OdDbDictionaryIteratorImpl>::createObject();
  pIter->m_entries = m_entries;
  pIter->settle();
  return OdDbDictionaryIteratorPtr(pIter.get());
}

OdResult OdDbDictionary::subErase(bool erasing)
{
  for (const auto& entry : entries())
  {
    OdDbObjectPtr pObj = entry.second.openObject(OdDb::kForWrite, true);
    if (!pObj.isNull() && pObj->ownerId() == objectId() && pObj->isErased() != erasing)
      pObj->erase(erasing);
  }
  return eOk;
}

void OdDbDictionary::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbObject::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbDictionary");
  for (const auto& entry : entries())
  {
    if (entry.second.isErased())
      continue;
    pFiler->wrString(OdDb::kDxfDescription, entry.first);
    pFiler->wrObjectId(OdDb::kDxfSoftOwnershipId, entry.second);
  }
}
