// Annotation scales: the scale objects, the drawing's scale list with its current scale, and the
// annotative data of objects (extended data of "OdAnnotative").
#include "DbAnnotationScale.h"

#include "DbDictionary.h"
#include "DbFiler.h"
#include "DbObjectContextManager.h"
#include "SdkRxMacros.h"
#include "db/DbInternal.h"

ODRX_SDK_DBOBJECT_DEFINE_MEMBERS(OdDbAnnotationScale, OdDbObject)

// The scale list: a dictionary of scales that also records the drawing's current scale.
class OdDbAnnotationScaleDictionary : public OdDbDictionary
{
public:
  ODRX_DECLARE_MEMBERS(OdDbAnnotationScaleDictionary);

  OdDbObjectId currentScaleId() const
  {
    assertReadEnabled();
    return m_currentScaleId;
  }
  void setCurrentScaleId(const OdDbObjectId& scaleId)
  {
    assertWriteEnabled();
    m_currentScaleId = scaleId;
  }

  void dxfOutFields(OdDbDxfFiler* pFiler) const override
  {
    OdDbDictionary::dxfOutFields(pFiler);
    pFiler->wrSubclassMarker(desc()->name());
    pFiler->wrObjectId(OdDb::kDxfHardPointerId, m_currentScaleId);
  }
  void copyFrom(const OdRxObject* pSource) override
  {
    OdDbDictionary::copyFrom(pSource);
    m_currentScaleId = static_cast<const OdDbAnnotationScaleDictionary*>(pSource)->m_currentScaleId;
  }

private:
  OdDbObjectId m_currentScaleId;
};

ODRX_SDK_DBOBJECT_DEFINE_MEMBERS(OdDbAnnotationScaleDictionary, OdDbDictionary)

namespace
{
bool isUnits(double value)
{
  return odgeIsFinite(value) && value > 0.0;
}

struct DefaultScale
{
  const wchar_t* name;
  double paperUnits;
  double drawingUnits;
};

const DefaultScale kDefaultScales[] = {
    {L"1:1", 1, 1},   {L"1:2", 1, 2},   {L"1:4", 1, 4},   {L"1:5", 1, 5},   {L"1:8", 1, 8},   {L"1:10", 1, 10},
    {L"1:16", 1, 16}, {L"1:20", 1, 20}, {L"1:30", 1, 30}, {L"1:40", 1, 40}, {L"1:50", 1, 50}, {L"1:100", 1, 100},
    {L"2:1", 2, 1},   {L"4:1", 4, 1},   {L"8:1", 8, 1},   {L"10:1", 10, 1}, {L"100:1", 100, 1}};

void checkDatabase(const OdDbDatabase* pDb)
{
  if (!pDb)
    throw OdError(eNoDatabase);
}

OdSmartPtr<OdDbAnnotationScaleDictionary> openScaleList(OdDbDatabase* pDb, OdDb::OpenMode mode)
{
  return OdDbAnnotationScaleDictionary::cast(OdDbAnnotationScaleList::dictionaryId(pDb).openObject(mode).get());
}

bool isScaleOf(OdDbDatabase* pDb, const OdDbObjectId& scaleId)
{
  if (scaleId.isNull() || scaleId.isErased() || scaleId.database() != pDb ||
      !odDbIdIsKindOf(scaleId, OdDbAnnotationScale::desc()))
    return false;
  return openScaleList(pDb, OdDb::kForRead)->has(scaleId);
}
} // namespace

// ---- OdDbAnnotationScale ----------------------------------------------------------------------

OdDbAnnotationScale::OdDbAnnotationScale() = default;

OdResult OdDbAnnotationScale::getName(OdString& name) const
{
  assertReadEnabled();
  name = m_name;
  return eOk;
}

OdResult OdDbAnnotationScale::setName(const OdString& name)
{
  assertWriteEnabled(false, false);
  if (name.isEmpty())
    return eInvalidInput;
  OdDbDictionaryPtr pList = OdDbAnnotationScaleDictionary::cast(ownerId().openObject(OdDb::kForWrite).get());
  if (!pList.isNull())
  {
    const OdString key = pList->nameAt(objectId());
    if (!odDbNamesEqual(key, name))
    {
      if (pList->has(name))
        return eDuplicateKey;
      pList->setName(key, name);
    }
  }
  assertWriteEnabled();
  m_name = name;
  return eOk;
}

OdResult OdDbAnnotationScale::getScale(double& scale) const
{
  assertReadEnabled();
  scale = m_paperUnits / m_drawingUnits;
  return eOk;
}

OdResult OdDbAnnotationScale::getPaperUnits(double& paperUnits) const
{
  assertReadEnabled();
  paperUnits = m_paperUnits;
  return eOk;
}

OdResult OdDbAnnotationScale::setPaperUnits(double paperUnits)
{
  assertWriteEnabled(false, false);
  if (!isUnits(paperUnits))
    return eInvalidInput;
  assertWriteEnabled();
  m_paperUnits = paperUnits;
  return eOk;
}

OdResult OdDbAnnotationScale::getDrawingUnits(double& drawingUnits) const
{
  assertReadEnabled();
  drawingUnits = m_drawingUnits;
  return eOk;
}

OdResult OdDbAnnotationScale::setDrawingUnits(double drawingUnits)
{
  assertWriteEnabled(false, false);
  if (!isUnits(drawingUnits))
    return eInvalidInput;
  assertWriteEnabled();
  m_drawingUnits = drawingUnits;
  return eOk;
}

void OdDbAnnotationScale::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbObject::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(desc()->name());
  pFiler->wrString(OdDb::kDxfXTextString, m_name);
  pFiler->wrDouble(OdDb::kDxfXReal, m_paperUnits);
  pFiler->wrDouble(OdDb::kDxfXReal + 1, m_drawingUnits);
}

void OdDbAnnotationScale::copyFrom(const OdRxObject* pSource)
{
  OdDbObject::copyFrom(pSource);
  const OdDbAnnotationScale* pSrc = static_cast<const OdDbAnnotationScale*>(pSource);
  m_name = pSrc->m_name;
  m_paperUnits = pSrc->m_paperUnits;
  m_drawingUnits = pSrc->m_drawingUnits;
}

// ---- OdDbAnnotationScaleList ------------------------------------------------------------------

const OdChar* const OdDbAnnotationScaleList::kDictionaryName = L"SCALELIST";

OdDbObjectId OdDbAnnotationScaleList::dictionaryId(OdDbDatabase* pDb)
{
  checkDatabase(pDb);
  OdDbDictionaryPtr pNamed = OdDbDictionary::cast(pDb->getNamedObjectsDictionaryId().openObject().get());
  if (pNamed.isNull())
    throw OdError(eNullObjectPointer);
  static const OdString kName(kDictionaryName);
  const OdDbObjectId existing = pNamed->getAt(kName);
  if (!existing.isNull())
  {
    if (!odDbIdIsKindOf(existing, OdDbAnnotationScaleDictionary::desc()))
      throw OdError(eWrongObjectType);
    return existing;
  }
  pNamed->upgradeOpen();
  OdSmartPtr<OdDbAnnotationScaleDictionary> pList = OdDbAnnotationScaleDictionary::createObject();
  const OdDbObjectId listId = pNamed->setAt(kDictionaryName, pList.get());
  for (const DefaultScale& scale : kDefaultScales)
  {
    OdDbAnnotationScalePtr pScale = OdDbAnnotationScale::createObject();
    pScale->setName(scale.name);
    pScale->setPaperUnits(scale.paperUnits);
    pScale->setDrawingUnits(scale.drawingUnits);
    const OdDbObjectId scaleId = pList->setAt(scale.name, pScale.get());
    if (pList->currentScaleId().isNull())
      pList->setCurrentScaleId(scaleId);
  }
  return listId;
}

OdDbObjectIdArray OdDbAnnotationScaleList::scales(OdDbDatabase* pDb)
{
  OdDbObjectIdArray ids;
  for (OdDbDictionaryIteratorPtr pIt = openScaleList(pDb, OdDb::kForRead)->newIterator(); !pIt->done(); pIt->next())
    if (odDbIdIsKindOf(pIt->objectId(), OdDbAnnotationScale::desc()))
      ids.append(pIt->objectId());
  return ids;
}

OdDbObjectId OdDbAnnotationScaleList::getScale(OdDbDatabase* pDb, const OdString& name)
{
  const OdDbObjectId id = openScaleList(pDb, OdDb::kForRead)->getAt(name);
  return odDbIdIsKindOf(id, OdDbAnnotationScale::desc()) ? id : OdDbObjectId();
}

OdDbObjectId OdDbAnnotationScaleList::addScale(OdDbDatabase* pDb, const OdString& name, double paperUnits,
                                               double drawingUnits)
{
  if (name.isEmpty() || !isUnits(paperUnits) || !isUnits(drawingUnits))
    throw OdError(eInvalidInput);
  OdSmartPtr<OdDbAnnotationScaleDictionary> pList = openScaleList(pDb, OdDb::kForWrite);
  if (pList->has(name))
    throw OdError(eDuplicateKey);
  OdDbAnnotationScalePtr pScale = OdDbAnnotationScale::createObject();
  pScale->setName(name);
  pScale->setPaperUnits(paperUnits);
  pScale->setDrawingUnits(drawingUnits);
  return pList->setAt(name, pScale.get());
}

OdDbObjectId OdDbAnnotationScaleList::currentScale(OdDbDatabase* pDb)
{
  OdSmartPtr<OdDbAnnotationScaleDictionary> pList = openScaleList(pDb, OdDb::kForRead);
  const OdDbObjectId current = pList->currentScaleId();
  if (!current.isNull() && !current.isErased() && pList->has(current))
    return current;
  const OdDbObjectId unit = getScale(pDb, L"1:1");
  if (!unit.isNull())
    return unit;
  const OdDbObjectIdArray all = scales(pDb);
  return all.isEmpty() ? OdDbObjectId() : all.first();
}

void OdDbAnnotationScaleList::setCurrentScale(OdDbDatabase* pDb, const OdDbObjectId& scaleId)
{
  if (!isScaleOf(pDb, scaleId))
    throw OdError(eWrongObjectType);
  openScaleList(pDb, OdDb::kForWrite)->setCurrentScaleId(scaleId);
}

// ---- OdDbAnnotativeObject ---------------------------------------------------------------------

const OdChar* const OdDbAnnotativeObject::kAppName = L"OdAnnotative";

namespace
{
struct AnnotativeData
{
  bool annotative = false;
  OdDbObjectId current;
  OdDbObjectIdArray scales;
};

// The entries after the annotative flag of the object's data; null when it is not annotative.
const OdResBuf* scaleEntries(const OdDbObject* pObj, bool& annotative)
{
  static const OdString kApp(OdDbAnnotativeObject::kAppName);
  annotative = false;
  const OdResBuf* pChain = OdDbObjectAccess::xDataChain(pObj, kApp);
  if (!pChain)
    return 0;
  const OdResBuf* pRb = OdDbObjectAccess::next(pChain);
  if (!pRb || pRb->restype() != OdDb::kDxfXdInteger16 || pRb->getInt16() == 0)
    return 0;
  annotative = true;
  return OdDbObjectAccess::next(pRb);
}

// The scale a handle entry names: null unless it is a live scale of the database.
OdDbObjectId usableScale(OdDbDatabase* pDb, const OdResBuf* pRb)
{
  const OdDbObjectId id = pDb->getOdDbObjectId(pRb->getHandle());
  return id.isValid() && !id.isErased() && odDbIdIsKindOf(id, OdDbAnnotationScale::desc()) ? id : OdDbObjectId();
}

// Walks the handle entries of the object's scale data in order: visit(id, first) for each, the
// id null when the entry is not a live scale of the database; the walk stops when visit returns
// false. The first handle names the current scale, the others the object's list.
template <class Visit>
void walkScales(const OdDbObject* pObj, const OdResBuf* pRb, Visit visit)
{
  OdDbDatabase* pDb = pObj->database();
  if (!pDb)
    return;
  bool first = true;
  for (; pRb; pRb = OdDbObjectAccess::next(pRb))
  {
    if (pRb->restype() != OdDb::kDxfXdHandle)
      continue;
    if (!visit(usableScale(pDb, pRb), first))
      return;
    first = false;
  }
}

// The object's annotative state; with flagOnly the scales are not resolved. A current scale
// missing from the list falls back to the list's first.
AnnotativeData readData(const OdDbObject* pObj, bool flagOnly = false)
{
  AnnotativeData data;
  const OdResBuf* pRb = scaleEntries(pObj, data.annotative);
  if (!data.annotative || flagOnly)
    return data;
  OdDbObjectId current;
  walkScales(pObj, pRb, [&](const OdDbObjectId& id, bool first) {
    if (first)
      current = id;
    else if (!id.isNull() && !data.scales.contains(id))
      data.scales.append(id);
    return true;
  });
  data.current = data.scales.contains(current) ? current : (data.scales.isEmpty() ? OdDbObjectId() : data.scales.first());
  return data;
}

// readData(pObj).current without collecting the list (asked for by every annotative row shown).
OdDbObjectId currentScaleOf(const OdDbObject* pObj)
{
  bool annotative = false;
  const OdResBuf* pRb = scaleEntries(pObj, annotative);
  OdDbObjectId current, found;
  if (annotative)
    walkScales(pObj, pRb, [&](const OdDbObjectId& id, bool first) {
      if (first)
        current = id;
      else if (!id.isNull() && (id == current || found.isNull()))
        found = id;
      return found.isNull() || found != current;
    });
  return found;
}

void writeData(OdDbObject* pObj, const AnnotativeData& data)
{
  OdDbDatabase* pDb = pObj->database();
  checkDatabase(pDb);
  pDb->newRegApp(OdDbAnnotativeObject::kAppName);
  OdResBufPtr pChain = OdResBuf::newRb(OdDb::kDxfRegAppName, OdDbAnnotativeObject::kAppName);
  if (data.annotative)
  {
    OdResBufPtr pTail = pChain->setNext(OdResBuf::newRb(OdDb::kDxfXdInteger16, OdInt16(1)));
    pTail = pTail->setNext(OdResBuf::newRb(OdDb::kDxfXdHandle, data.current.getHandle()));
    for (const OdDbObjectId& scaleId : data.scales)
      pTail = pTail->setNext(OdResBuf::newRb(OdDb::kDxfXdHandle, scaleId.getHandle()));
  }
  pObj->setXData(pChain.get());
}

void checkScaleFor(const OdDbObject* pObj, const OdDbObjectId& scaleId)
{
  OdDbDatabase* pDb = pObj->database();
  checkDatabase(pDb);
  if (!isScaleOf(pDb, scaleId))
    throw OdError(eWrongObjectType);
}
} // namespace

bool OdDbAnnotativeObject::isAnnotative(const OdDbObject* pObj)
{
  if (!pObj)
    throw OdError(eNullObjectPointer);
  return readData(pObj, true).annotative;
}

void OdDbAnnotativeObject::setAnnotative(OdDbObject* pObj, bool annotative)
{
  if (!pObj)
    throw OdError(eNullObjectPointer);
  pObj->assertWriteEnabled(false, false);
  OdDbDatabase* pDb = pObj->database();
  checkDatabase(pDb);
  AnnotativeData data = readData(pObj);
  if (data.annotative == annotative)
    return;
  data = AnnotativeData();
  if (annotative)
  {
    data.annotative = true;
    data.current = OdDbAnnotationScaleList::currentScale(pDb);
    data.scales.append(data.current);
  }
  writeData(pObj, data);
}

OdDbObjectIdArray OdDbAnnotativeObject::scales(const OdDbObject* pObj)
{
  if (!pObj)
    throw OdError(eNullObjectPointer);
  return readData(pObj).scales;
}

void OdDbAnnotativeObject::addScale(OdDbObject* pObj, const OdDbObjectId& scaleId)
{
  if (!pObj)
    throw OdError(eNullObjectPointer);
  pObj->assertWriteEnabled(false, false);
  AnnotativeData data = readData(pObj);
  if (!data.annotative)
    throw OdError(eNotApplicable);
  checkScaleFor(pObj, scaleId);
  if (data.scales.contains(scaleId))
    return;
  data.scales.append(scaleId);
  if (data.current.isNull())
    data.current = scaleId;
  writeData(pObj, data);
}

OdResult OdDbAnnotativeObject::removeScale(OdDbObject* pObj, const OdDbObjectId& scaleId)
{
  if (!pObj)
    throw OdError(eNullObjectPointer);
  pObj->assertWriteEnabled(false, false);
  AnnotativeData data = readData(pObj);
  if (!data.annotative)
    return eNotApplicable;
  if (!data.scales.contains(scaleId))
    return eKeyNotFound;
  if (data.scales.size() == 1)
    return eNotApplicable;
  data.scales.remove(scaleId);
  if (data.current == scaleId)
    data.current = data.scales.first();
  writeData(pObj, data);
  return eOk;
}

OdDbObjectId OdDbAnnotativeObject::currentScale(const OdDbObject* pObj)
{
  if (!pObj)
    throw OdError(eNullObjectPointer);
  return currentScaleOf(pObj);
}

void OdDbAnnotativeObject::setCurrentScale(OdDbObject* pObj, const OdDbObjectId& scaleId)
{
  if (!pObj)
    throw OdError(eNullObjectPointer);
  pObj->assertWriteEnabled(false, false);
  AnnotativeData data = readData(pObj);
  if (!data.annotative)
    throw OdError(eNotApplicable);
  checkScaleFor(pObj, scaleId);
  if (!data.scales.contains(scaleId))
    data.scales.append(scaleId);
  data.current = scaleId;
  writeData(pObj, data);
}
