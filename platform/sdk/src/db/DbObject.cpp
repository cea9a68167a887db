// OdDbObject: reference counting with open modes, erasing, extended data, the extension
// dictionary, field storage, DXF output and copying.
#include "DbDictionary.h"
#include "DbFiler.h"
#include "DbInternal.h"
#include "DbRegAppTable.h"
#include "SdkRxMacros.h"

ODRX_SDK_DBOBJECT_NO_CONS_DEFINE_MEMBERS(OdDbObject, OdRxObject)

// ---- access used by the database -------------------------------------------------------------

void OdDbObjectAccess::attach(OdDbObject* pObj, OdDbStub* pStub, const OdDbObjectId& ownerId)
{
  pObj->m_pStub = pStub;
  pObj->m_ownerId = ownerId;
  pObj->m_bNewObject = true;
  if (pObj->m_nRefCounter > 0)
  {
    pObj->m_openMode = OdDb::kForWrite;
    pObj->m_bModified = false;
  }
  else
  {
    pObj->m_openMode = OdDb::kNotOpen;
    pObj->m_bNewObject = false;
  }
}

OdDbObjectExtras& OdDbObjectAccess::makeExtras(OdDbObject* pObj)
{
  if (!pObj->m_pExtras)
    pObj->m_pExtras.reset(new OdDbObjectExtras);
  return *pObj->m_pExtras;
}

OdDbEntityExtras& OdDbObjectAccess::makeEntityExtras(OdDbEntity* pEnt)
{
  OdDbObjectExtras& extras = makeExtras(pEnt);
  if (!extras.entity)
    extras.entity.reset(new OdDbEntityExtras);
  return *extras.entity;
}

void OdDbObjectAccess::open(OdDbObject* pObj, OdDb::OpenMode mode)
{
  if (mode == OdDb::kForWrite)
  {
    if (pObj->m_openMode != OdDb::kForWrite)
    {
      pObj->m_openMode = OdDb::kForWrite;
      pObj->m_bModified = false;
    }
  }
  else if (pObj->m_openMode == OdDb::kNotOpen || (pObj->m_openMode == OdDb::kForNotify && mode == OdDb::kForRead))
    pObj->m_openMode = mode;
}

// ---- lifetime --------------------------------------------------------------------------------

OdDbObject::OdDbObject() = default;

OdDbObject::~OdDbObject() = default;

void* OdDbObject::operator new(std::size_t size)
{
  return odDbPoolAllocate(size);
}

void OdDbObject::operator delete(void* p, std::size_t size)
{
  odDbPoolRelease(p, size);
}

void OdDbObject::addRef()
{
  ++m_nRefCounter;
}

void OdDbObject::release()
{
  ODA_ASSERT((m_nRefCounter > 0));
  if (--m_nRefCounter > 0)
    return;
  if (m_pStub)
  {
    m_openMode = OdDb::kNotOpen;
    m_bNewObject = false;
  }
  else
    delete this;
}

const OdRxClass* OdDbObject::rememberClass() const
{
  const OdRxClass* pClass = isA();
  if (m_pStub)
    m_class.p = pClass;
  return pClass;
}

long OdDbObject::numRefs() const
{
  return m_nRefCounter;
}

OdDbObjectId OdDbObject::objectId() const
{
  return OdDbObjectId(m_pStub);
}

void OdDbObject::setOwnerId(OdDbObjectId ownerId)
{
  m_ownerId = ownerId;
}

OdDbDatabase* OdDbObject::database() const
{
  return m_pStub ? m_pStub->pDb : 0;
}

bool OdDbObject::isDBRO() const
{
  return m_pStub != 0;
}

// ---- open state -------------------------------------------------------------------------------

OdDb::OpenMode OdDbObject::openMode() const
{
  return m_pStub ? static_cast<OdDb::OpenMode>(m_openMode) : OdDb::kForWrite;
}

bool OdDbObject::isNotifyEnabled() const
{
  return m_pStub && m_openMode == OdDb::kForNotify;
}

void OdDbObject::assertReadEnabled() const
{
  if (!isReadEnabled())
    throw OdError(eNotOpenForRead);
}

void OdDbObject::assertWriteEnabled(bool /*autoUndo*/, bool recordModified)
{
  if (!isWriteEnabled())
    throw OdError(eNotOpenForWrite);
  if (recordModified && !m_bModified)
  {
    // Marked first, so that a reactor writing to the object is not told again.
    m_bModified = true;
    OdDbObjectAccess::tellOpenedForModify(this);
  }
}

void OdDbObject::assertNotifyEnabled() const
{
  if (!isNotifyEnabled() && !isWriteEnabled())
    throw OdError(eInvalidOpenState);
}

void OdDbObject::upgradeOpen()
{
  if (!m_pStub)
    return;
  if (m_openMode == OdDb::kNotOpen)
    throw OdError(eNotOpenForRead);
  OdDbObjectAccess::open(this, OdDb::kForWrite);
}

void OdDbObject::downgradeOpen()
{
  if (m_pStub && m_openMode == OdDb::kForWrite)
    m_openMode = OdDb::kForRead;
}

// ---- erasing ---------------------------------------------------------------------------------

namespace
{
// Objects the database cannot do without: its tables, the named-objects dictionary, the
// layout blocks, layer "0", the three built-in linetypes and the current layer.
bool isEssentialObject(const OdDbObject* pObj)
{
  OdDbDatabase* pDb = pObj->database();
  if (!pDb)
    return false;
  const OdDbDatabaseImpl* d = OdDbObjectAccess::impl(pDb);
  const OdDbObjectId id = pObj->objectId();
  const OdDbObjectId* essentials[] = {&d->blockTable, &d->layerTable, &d->textStyleTable, &d->linetypeTable,
                                      &d->viewTable, &d->ucsTable, &d->viewportTable, &d->regAppTable,
                                      &d->dimStyleTable, &d->namedObjects, &d->modelSpace, &d->paperSpace,
                                      &d->layerZero, &d->ltByLayer, &d->ltByBlock, &d->ltContinuous, &d->clayer};
  for (const OdDbObjectId* e : essentials)
    if (*e == id)
      return true;
  return false;
}

void eraseOwned(const OdDbObjectId& id, bool erasing)
{
  OdDbObjectPtr pObj = id.openObject(OdDb::kForWrite, true);
  if (!pObj.isNull() && pObj->isErased() != erasing)
    pObj->erase(erasing);
}
} // namespace

OdResult OdDbObject::erase(bool erasing)
{
  if (!m_pStub || !m_pStub->pDb)
    return eNotInDatabase;
  assertWriteEnabled(false, false);
  if (m_pStub->erased == erasing)
    return erasing ? eWasErased : eOk;
  if (erasing && isEssentialObject(this))
    return eNotApplicable;
  const OdResult res = subErase(erasing);
  if (res != eOk)
    return res;
  assertWriteEnabled();
  m_pStub->erased = erasing;
  if (m_pExtras)
  {
    for (const auto& field : m_pExtras->fields)
      eraseOwned(field.second, erasing);
    if (!m_pExtras->extDictId.isNull())
      eraseOwned(m_pExtras->extDictId, erasing);
  }
  OdDbObjectAccess::tellErased(this, erasing);
  return eOk;
}

bool OdDbObject::isErased() const
{
  return m_pStub && m_pStub->erased;
}

OdResult OdDbObject::subErase(bool /*erasing*/)
{
  return eOk;
}

// ---- extended data ---------------------------------------------------------------------------

namespace
{
const OdString& appNameOf(const OdResBufPtr& pChain)
{
  return pChain->getString();
}

const OdArray<OdResBufPtr>& noChains()
{
  static const OdArray<OdResBufPtr> none;
  return none;
}

const OdArray<OdResBufPtr>& chainsOf(const OdDbObject* pObj)
{
  const OdDbObjectExtras* pExtras = OdDbObjectAccess::extras(pObj);
  return pExtras ? pExtras->xData : noChains();
}
} // namespace

OdResBufPtr OdDbObject::xData(const OdString& regappName) const
{
  assertReadEnabled();
  OdResBufPtr pHead, pTail;
  for (const OdResBufPtr& pChain : chainsOf(this))
  {
    if (!regappName.isEmpty() && !odDbNamesEqual(appNameOf(pChain), regappName))
      continue;
    OdResBufPtr pCopy = pChain->copyChain();
    if (pHead.isNull())
      pHead = pCopy;
    else
      pTail->setNext(pCopy);
    pTail = pCopy->last();
  }
  return pHead;
}

const OdResBuf* OdDbObjectAccess::xDataChain(const OdDbObject* pObj, const OdString& regappName)
{
  pObj->assertReadEnabled();
  for (const OdResBufPtr& pChain : chainsOf(pObj))
  {
    if (odDbNamesEqual(appNameOf(pChain), regappName))
      return pChain.get();
  }
  return 0;
}

OdArray<OdString> OdDbObject::xDataApplications() const
{
  assertReadEnabled();
  OdArray<OdString> names;
  for (const OdResBufPtr& pChain : chainsOf(this))
    names.append(appNameOf(pChain));
  return names;
}

void OdDbObject::setXData(const OdResBuf* pRb)
{
  assertWriteEnabled(false, false);
  if (!pRb)
    throw OdError(eInvalidInput);
  // Split the input into one copied chain per application, checking it as we go.
  OdArray<OdResBufPtr> chains;
  OdResBufPtr pTail;
  int braceDepth = 0;
  for (const OdResBuf* p = pRb; p; p = OdDbObjectAccess::next(p))
  {
    const int code = p->restype();
    OdResBufPtr pCopy = OdResBuf::newRb(code);
    pCopy->copyFrom(p);
    if (code == OdDb::kDxfRegAppName)
    {
      if (braceDepth != 0 || p->getString().isEmpty())
        throw OdError(eInvalidResBuf);
      chains.append(pCopy);
      pTail = pCopy;
      continue;
    }
    if (pTail.isNull() || code < OdDb::kDxfXdAsciiString || code > OdDb::kDxfXdMax ||
        OdResBuf::dataKind(code) == OdResBuf::kNone)
      throw OdError(eInvalidResBuf);
    if (code == OdDb::kDxfXdControlString)
    {
      const OdString& brace = p->getString();
      if (brace == L"{")
        ++braceDepth;
      else if (brace == L"}" && braceDepth > 0)
        --braceDepth;
      else
        throw OdError(eInvalidResBuf);
    }
    pTail = pTail->setNext(pCopy);
  }
  if (braceDepth != 0)
    throw OdError(eInvalidResBuf);

  if (OdDbDatabase* pDb = database())
  {
    OdDbSymbolTablePtr pApps = pDb->getRegAppTableId().safeOpenObject();
    for (const OdResBufPtr& pChain : chains)
      if (!pApps->has(appNameOf(pChain)))
        throw OdError(eRegappIdNotFound);
  }

  assertWriteEnabled();
  for (const OdResBufPtr& pChain : chains)
  {
    const bool removes = pChain->next().isNull();
    if (removes && !m_pExtras)
      continue;
    OdArray<OdResBufPtr>& stored = OdDbObjectAccess::makeExtras(this).xData;
    const OdString name = appNameOf(pChain);
    unsigned int at = 0;
    bool found = false;
    for (; at < stored.size(); ++at)
      if (odDbNamesEqual(appNameOf(stored[at]), name))
      {
        found = true;
        break;
      }
    if (found && removes)
      stored.removeAt(at);
    else if (found)
      stored[at] = pChain;
    else if (!removes)
      stored.append(pChain);
  }
}

void OdDbObject::xDataTransformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  if (!odDbMatrixIsFinite(xform))
    throw OdError(eInvalidInput);
  // Compute every new value first so that a failure leaves the data untouched.
  const double scale = xform.scale();
  std::vector<std::pair<OdResBuf*, OdGePoint3d>> points;
  std::vector<std::pair<OdResBuf*, double>> reals;
  for (const OdResBufPtr& pChain : chainsOf(this))
  {
    for (OdResBuf* p = pChain.get(); p; p = p->next().get())
    {
      switch (p->restype())
      {
      case OdDb::kDxfXdWorldXCoord:
        points.emplace_back(p, xform * p->getPoint3d());
        break;
      case OdDb::kDxfXdWorldXDisp:
        points.emplace_back(p, (xform * p->getVector3d()).asPoint());
        break;
      case OdDb::kDxfXdWorldXDir:
      {
        OdGeVector3d dir = xform * p->getVector3d();
        if (!dir.isZeroLength())
          dir.normalize();
        points.emplace_back(p, dir.asPoint());
        break;
      }
      case OdDb::kDxfXdDist:
      case OdDb::kDxfXdScale:
        reals.emplace_back(p, p->getDouble() * scale);
        break;
      default:
        break;
      }
    }
  }
  for (const auto& pt : points)
    odDbCheckFinite(pt.second);
  for (const auto& r : reals)
    odDbCheckFinite(r.second);
  assertWriteEnabled();
  for (const auto& pt : points)
    pt.first->setPoint3d(pt.second);
  for (const auto& r : reals)
    r.first->setDouble(r.second);
}

// ---- extension dictionary --------------------------------------------------------------------

OdDbObjectId OdDbObject::extensionDictionary() const
{
  assertReadEnabled();
  return m_pExtras ? m_pExtras->extDictId : OdDbObjectId();
}

bool OdDbObject::createExtensionDictionary()
{
  assertWriteEnabled(false, false);
  const OdDbObjectId existing = m_pExtras ? m_pExtras->extDictId : OdDbObjectId();
  if (!existing.isNull() && !existing.isErased())
    return false;
  OdDbDatabase* pDb = database();
  if (!pDb)
    throw OdError(eNoDatabase);
  assertWriteEnabled();
  OdDbDictionaryPtr pDict = OdDbDictionary::createObject();
  const OdDbObjectId dictId = pDb->addOdDbObject(pDict, objectId());
  OdDbObjectAccess::makeExtras(this).extDictId = dictId;
  return true;
}

OdResult OdDbObject::releaseExtensionDictionary()
{
  assertWriteEnabled(false, false);
  if (!m_pExtras)
    return eKeyNotFound;
  OdDbDictionaryPtr pDict = OdDbDictionary::cast(m_pExtras->extDictId.openObject(OdDb::kForWrite).get());
  if (pDict.isNull())
    return eKeyNotFound;
  if (pDict->numEntries() != 0)
    return eContainerNotEmpty;
  assertWriteEnabled();
  pDict->erase();
  m_pExtras->extDictId.setNull();
  return eOk;
}

// ---- fields ----------------------------------------------------------------------------------

OdDbObjectId OdDbObject::getField(const OdString& propName) const
{
  assertReadEnabled();
  if (!m_pExtras)
    return OdDbObjectId();
  for (const auto& field : m_pExtras->fields)
    if (odDbNamesEqual(field.first, propName))
      return field.second;
  return OdDbObjectId();
}

OdDbObjectPtr OdDbObject::getField(const OdString& propName, OdDb::OpenMode openMode) const
{
  return getField(propName).openObject(openMode);
}

OdDbObjectId OdDbObject::setField(const OdString& propName, OdDbObject* pField)
{
  assertWriteEnabled(false, false);
  if (!pField)
    throw OdError(eNullObjectPointer);
  if (propName.isEmpty())
    throw OdError(eInvalidInput);
  OdDbDatabase* pDb = database();
  if (!pDb)
    throw OdError(eNoDatabase);
  if (pField->isDBRO())
    throw OdError(eAlreadyInDb);
  assertWriteEnabled();
  const OdDbObjectId fieldId = pDb->addOdDbObject(pField, objectId());
  auto& fields = OdDbObjectAccess::makeExtras(this).fields;
  for (auto& field : fields)
    if (odDbNamesEqual(field.first, propName))
    {
      eraseOwned(field.second, true);
      field.second = fieldId;
      return fieldId;
    }
  fields.emplace_back(propName, fieldId);
  return fieldId;
}

OdResult OdDbObject::removeField(const OdString& propName)
{
  assertWriteEnabled(false, false);
  if (!m_pExtras)
    return eKeyNotFound;
  auto& fields = m_pExtras->fields;
  for (auto it = fields.begin(); it != fields.end(); ++it)
    if (odDbNamesEqual(it->first, propName))
    {
      assertWriteEnabled();
      eraseOwned(it->second, true);
      fields.erase(it);
      return eOk;
    }
  return eKeyNotFound;
}

OdResult OdDbObject::removeField(const OdDbObjectId& fieldId)
{
  assertWriteEnabled(false, false);
  if (!m_pExtras)
    return eKeyNotFound;
  for (const auto& field : m_pExtras->fields)
    if (field.second == fieldId)
      return removeField(OdString(field.first));
  return eKeyNotFound;
}

bool OdDbObject::hasFields() const
{
  assertReadEnabled();
  return m_pExtras && !m_pExtras->fields.empty();
}

OdArray<OdString> OdDbObject::fieldNames() const
{
  assertReadEnabled();
  OdArray<OdString> names;
  if (m_pExtras)
    for (const auto& field : m_pExtras->fields)
      names.append(field.first);
  return names;
}

// ---- DXF output and copying ------------------------------------------------------------------

void OdDbObject::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  assertReadEnabled();
  pFiler->wrHandle(OdDb::kDxfHandle, getDbHandle());
  const OdDbObjectExtras* pExtras = m_pExtras.get();
  if (pExtras && !pExtras->extDictId.isNull())
  {
    pFiler->wrString(OdDb::kDxfControlString, L"{EXTENSION_DICTIONARY");
    pFiler->wrObjectId(OdDb::kDxfHardOwnershipId, pExtras->extDictId);
    pFiler->wrString(OdDb::kDxfControlString, L"}");
  }
  if (pExtras && !pExtras->fields.empty())
  {
    // Fields have no place of their own in DXF; they are listed like a dictionary.
    pFiler->wrString(OdDb::kDxfControlString, L"{FIELDS");
    for (const auto& field : pExtras->fields)
    {
      pFiler->wrString(OdDb::kDxfDescription, field.first);
      pFiler->wrObjectId(OdDb::kDxfHardOwnershipId, field.second);
    }
    pFiler->wrString(OdDb::kDxfControlString, L"}");
  }
  pFiler->wrObjectId(OdDb::kDxfSoftPointerId, m_ownerId);
}

void OdDbObject::dxfOut(OdDbDxfFiler* pFiler) const
{
  dxfOutFields(pFiler);
  for (const OdResBufPtr& pChain : chainsOf(this))
  {
    for (const OdResBuf* p = pChain.get(); p; p = OdDbObjectAccess::next(p))
    {
      const int code = p->restype();
      switch (p->kind())
      {
      case OdResBuf::kString: pFiler->wrString(code, p->getString()); break;
      case OdResBuf::kDouble: pFiler->wrDouble(code, p->getDouble()); break;
      case OdResBuf::kInt16: pFiler->wrInt16(code, p->getInt16()); break;
      case OdResBuf::kInt32: pFiler->wrInt32(code, p->getInt32()); break;
      case OdResBuf::kPoint3d: pFiler->wrPoint3d(code, p->getPoint3d()); break;
      case OdResBuf::kHandle: pFiler->wrHandle(code, p->getHandle()); break;
      case OdResBuf::kBinary:
      {
        const OdBinaryData& data = p->getBinaryChunk();
        pFiler->wrBinaryChunk(code, data.getPtr(), data.size());
        break;
      }
      default: throw OdError(eInvalidResBuf);
      }
    }
  }
}

void OdDbObject::copyFrom(const OdRxObject* pSource)
{
  if (!pSource || !pSource->isKindOf(isA()))
    throw OdError_NotThatKindOfClass(pSource ? pSource->isA() : 0, isA());
  const OdDbObject* pSrc = static_cast<const OdDbObject*>(pSource);
  pSrc->assertReadEnabled();
  assertWriteEnabled();
  if (pSrc == this)
    return;
  const OdArray<OdResBufPtr>& source = chainsOf(pSrc);
  if (source.isEmpty() && !m_pExtras)
    return;
  OdArray<OdResBufPtr>& stored = OdDbObjectAccess::makeExtras(this).xData;
  stored.clear();
  for (const OdResBufPtr& pChain : source)
    stored.append(pChain->copyChain());
}

OdRxObjectPtr OdDbObject::clone() const
{
  assertReadEnabled();
  OdRxObjectPtr pCopy = isA()->create();
  pCopy->copyFrom(this);
  return pCopy;
}
