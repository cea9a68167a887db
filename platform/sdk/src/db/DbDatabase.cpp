// OdDbDatabase: handle table, default contents of a new drawing and the header variables.
#include <algorithm>
#include <vector>

#include "DbBlockTable.h"
#include "DbDatabaseReactor.h"
#include "DbDictionary.h"
#include "DbDimStyleTable.h"
#include "DbInternal.h"
#include "DbLayerTable.h"
#include "DbLinetypeTable.h"
#include "DbRegAppTable.h"
#include "DbTextStyleTable.h"
#include "DbUCSTable.h"
#include "DbViewTable.h"
#include "DbViewportTable.h"
#include "SdkRxMacros.h"

ODRX_SDK_CONS_DEFINE_MEMBERS(OdDbDatabase, OdRxObject)

namespace
{
// True while the reactor is attached to the database.
bool stillAttached(const OdDbDatabaseImpl* pImpl, const OdDbDatabaseReactor* pReactor)
{
  return std::find(pImpl->reactors.begin(), pImpl->reactors.end(), pReactor) != pImpl->reactors.end();
}

// Adds a record to a table while the database builds its default contents.
template <class RecordPtr>
OdDbObjectId addDefaultRecord(const OdDbObjectId& tableId, const RecordPtr& pRecord, const OdChar* name)
{
  pRecord->setName(name);
  OdDbSymbolTablePtr pTable = tableId.safeOpenObject(OdDb::kForWrite);
  return pTable->add(pRecord);
}
} // namespace

OdDbDatabase::OdDbDatabase() : m_pImpl(new OdDbDatabaseImpl)
{
  OdDbDatabaseImpl& d = *m_pImpl;
  OdDbObjectId none;
  d.blockTable = addOdDbObject(OdDbBlockTable::createObject(), none);
  d.layerTable = addOdDbObject(OdDbLayerTable::createObject(), none);
  d.textStyleTable = addOdDbObject(OdDbTextStyleTable::createObject(), none);
  d.linetypeTable = addOdDbObject(OdDbLinetypeTable::createObject(), none);
  d.viewTable = addOdDbObject(OdDbViewTable::createObject(), none);
  d.ucsTable = addOdDbObject(OdDbUCSTable::createObject(), none);
  d.viewportTable = addOdDbObject(OdDbViewportTable::createObject(), none);
  d.regAppTable = addOdDbObject(OdDbRegAppTable::createObject(), none);
  d.dimStyleTable = addOdDbObject(OdDbDimStyleTable::createObject(), none);
  d.namedObjects = addOdDbObject(OdDbDictionary::createObject(), none);

  d.ltByBlock = addDefaultRecord(d.linetypeTable, OdDbLinetypeTableRecord::createObject(), L"ByBlock");
  d.ltByLayer = addDefaultRecord(d.linetypeTable, OdDbLinetypeTableRecord::createObject(), L"ByLayer");
  {
    OdDbLinetypeTableRecordPtr pContinuous = OdDbLinetypeTableRecord::createObject();
    pContinuous->setComments(L"Solid line");
    d.ltContinuous = addDefaultRecord(d.linetypeTable, pContinuous, L"Continuous");
  }
  {
    OdDbLayerTableRecordPtr pLayer = OdDbLayerTableRecord::createObject();
    d.layerZero = addDefaultRecord(d.layerTable, pLayer, L"0");
    pLayer->setLinetypeObjectId(d.ltContinuous);
  }
  {
    OdDbTextStyleTableRecordPtr pStyle = OdDbTextStyleTableRecord::createObject();
    pStyle->setFileName(L"txt");
    d.textStyleStandard = addDefaultRecord(d.textStyleTable, pStyle, L"Standard");
  }
  d.dimStyleStandard = addDefaultRecord(d.dimStyleTable, OdDbDimStyleTableRecord::createObject(), L"Standard");
  d.modelSpace = addDefaultRecord(d.blockTable, OdDbBlockTableRecord::createObject(), L"*Model_Space");
  d.paperSpace = addDefaultRecord(d.blockTable, OdDbBlockTableRecord::createObject(), L"*Paper_Space");
  d.activeViewport = addDefaultRecord(d.viewportTable, OdDbViewportTableRecord::createObject(), L"*Active");

  d.clayer = d.layerZero;
  d.celtype = d.ltByLayer;
  d.textStyle = d.textStyleStandard;
  d.dimStyle = d.dimStyleStandard;
}

OdDbDatabase::~OdDbDatabase()
{
  const std::vector<OdDbDatabaseReactor*> reactors = m_pImpl->reactors;
  for (OdDbDatabaseReactor* pReactor : reactors)
    if (stillAttached(m_pImpl, pReactor))
      pReactor->goodbye(this);
  m_pImpl->reactors.clear();
  // Objects still referenced from outside become new objects and die with their last
  // reference; the others are deleted now. Stubs outlive us only while ids refer to them.
  m_pImpl->stubs.forEach([](OdDbStub* pStub) {
    OdDbObject* pObj = pStub->pObject;
    if (!pObj)
      return;
    pStub->pObject = 0;
    if (pObj->numRefs() > 0)
      OdDbObjectAccess::detach(pObj);
    else
      delete pObj;
  });
  m_pImpl->stubs.forEach([](OdDbStub* pStub) {
    pStub->pDb = 0;
    odDbStubRelease(pStub);
  });
  m_pImpl->stubs.clear();
  delete m_pImpl;
}

// ---- handles ---------------------------------------------------------------------------------

OdDbObjectId OdDbDatabase::addOdDbObject(OdDbObject* pObject, OdDbObjectId ownerId, OdDbHandle handle)
{
  if (!pObject)
    throw OdError(eNullObjectPointer);
  if (pObject->isDBRO())
    throw OdError(eAlreadyInDb);
  OdDbDatabaseImpl& d = *m_pImpl;
  OdDbStub* pStub = 0;
  if (!handle.isNull())
  {
    pStub = d.stubs.find(handle.value());
    if (pStub && pStub->pObject)
      throw OdError(eHandleInUse);
    if (handle.value() >= d.seed)
      d.seed = handle.value() + 1;
  }
  else
  {
    while (d.stubs.contains(d.seed))
      ++d.seed;
    handle = d.seed++;
  }
  if (!pStub)
  {
    pStub = new OdDbStub;
    pStub->handle = handle;
    pStub->pDb = this;
    odDbStubAddRef(pStub);
    d.stubs.insert(pStub);
  }
  pStub->pObject = pObject;
  pStub->erased = false;
  OdDbObjectAccess::attach(pObject, pStub, ownerId);

  // Entities get the drawing's defaults for what they have not been given; ids of another
  // database are not kept.
  if (pObject->isKindOf(OdDbEntity::desc()))
  {
    OdDbEntity* pEnt = static_cast<OdDbEntity*>(pObject);
    const OdDbObjectId& layerId = OdDbObjectAccess::entityLayer(pEnt);
    if (layerId.isNull() || layerId.database() != this)
      OdDbObjectAccess::setEntityLayer(pEnt, d.clayer);
    const OdDbObjectId& linetypeId = OdDbObjectAccess::entityLinetype(pEnt);
    if (linetypeId.isNull() || linetypeId.database() != this)
      OdDbObjectAccess::setEntityLinetype(pEnt, d.celtype);
  }
  OdDbObjectAccess::tellAppended(pObject);
  OdDbObjectAccess::joinOwnedObjects(pObject);
  return OdDbObjectId(pStub);
}

OdDbObjectId OdDbDatabase::getOdDbObjectId(const OdDbHandle& handle, bool createIfNotFound)
{
  if (handle.isNull())
    return OdDbObjectId();
  OdDbDatabaseImpl& d = *m_pImpl;
  if (OdDbStub* pFound = d.stubs.find(handle.value()))
    return OdDbObjectId(pFound);
  if (!createIfNotFound)
    return OdDbObjectId();
  OdDbStub* pStub = new OdDbStub;
  pStub->handle = handle;
  pStub->pDb = this;
  odDbStubAddRef(pStub);
  d.stubs.insert(pStub);
  if (handle.value() >= d.seed)
    d.seed = handle.value() + 1;
  return OdDbObjectId(pStub);
}

OdDbHandle OdDbDatabase::handseed() const
{
  OdUInt64 seed = m_pImpl->seed;
  while (m_pImpl->stubs.contains(seed))
    ++seed;
  return OdDbHandle(seed);
}

// ---- well-known objects ------------------------------------------------------------------------

OdDbObjectId OdDbDatabase::getBlockTableId() const { return m_pImpl->blockTable; }
OdDbObjectId OdDbDatabase::getLayerTableId() const { return m_pImpl->layerTable; }
OdDbObjectId OdDbDatabase::getTextStyleTableId() const { return m_pImpl->textStyleTable; }
OdDbObjectId OdDbDatabase::getLinetypeTableId() const { return m_pImpl->linetypeTable; }
OdDbObjectId OdDbDatabase::getViewTableId() const { return m_pImpl->viewTable; }
OdDbObjectId OdDbDatabase::getUCSTableId() const { return m_pImpl->ucsTable; }
OdDbObjectId OdDbDatabase::getViewportTableId() const { return m_pImpl->viewportTable; }
OdDbObjectId OdDbDatabase::getRegAppTableId() const { return m_pImpl->regAppTable; }
OdDbObjectId OdDbDatabase::getDimStyleTableId() const { return m_pImpl->dimStyleTable; }
OdDbObjectId OdDbDatabase::getNamedObjectsDictionaryId() const { return m_pImpl->namedObjects; }
OdDbObjectId OdDbDatabase::getModelSpaceId() const { return m_pImpl->modelSpace; }
OdDbObjectId OdDbDatabase::getPaperSpaceId() const { return m_pImpl->paperSpace; }
OdDbObjectId OdDbDatabase::getLayerZeroId() const { return m_pImpl->layerZero; }
OdDbObjectId OdDbDatabase::getLinetypeByLayerId() const { return m_pImpl->ltByLayer; }
OdDbObjectId OdDbDatabase::getLinetypeByBlockId() const { return m_pImpl->ltByBlock; }
OdDbObjectId OdDbDatabase::getLinetypeContinuousId() const { return m_pImpl->ltContinuous; }
OdDbObjectId OdDbDatabase::getTextStyleStandardId() const { return m_pImpl->textStyleStandard; }
OdDbObjectId OdDbDatabase::getDimStyleStandardId() const { return m_pImpl->dimStyleStandard; }
OdDbObjectId OdDbDatabase::activeViewportId() const { return m_pImpl->activeViewport; }

bool OdDbDatabase::newRegApp(const OdString& appName)
{
  OdDbSymbolTablePtr pApps = getRegAppTableId().safeOpenObject(OdDb::kForWrite);
  if (pApps->has(appName))
    return false;
  OdDbRegAppTableRecordPtr pApp = OdDbRegAppTableRecord::createObject();
  pApp->setName(appName);
  pApps->add(pApp);
  return true;
}

// ---- header variables ------------------------------------------------------------------------

namespace
{
void checkRecordId(const OdDbDatabase* pDb, const OdDbObjectId& id, const OdRxClass* pClass)
{
  if (id.isNull())
    throw OdError(eNullObjectId);
  if (id.database() != pDb)
    throw OdError(eWrongDatabase);
  if (id.isErased())
    throw OdError(eWasErased);
  if (!odDbIdIsKindOf(id, pClass))
    throw OdError(eWrongObjectType);
}

void checkRange(int value, int low, int high)
{
  if (value < low || value > high)
    throw OdError(eInvalidInput);
}

void checkPositive(double value)
{
  if (!std::isfinite(value) || value <= 0.0)
    throw OdError(eInvalidInput);
}

OdGeVector3d checkedAxis(const OdGeVector3d& axis)
{
  odDbCheckFinite(axis);
  if (axis.isZeroLength())
    throw OdError(eInvalidInput);
  return axis.normal();
}

// Stores a checked header value between the two announcements. Reactors may attach or detach
// others while they are told, so the list is copied and each one is asked only while attached.
template <class Store>
void changeHeader(const OdDbDatabase* pDb, const wchar_t* name, Store store)
{
  OdDbDatabaseImpl* pImpl = OdDbObjectAccess::impl(pDb);
  if (pImpl->reactors.empty())
  {
    store();
    return;
  }
  const OdString var(name);
  const std::vector<OdDbDatabaseReactor*> before = pImpl->reactors;
  for (OdDbDatabaseReactor* pReactor : before)
    if (stillAttached(pImpl, pReactor))
      pReactor->headerSysVarWillChange(pDb, var);
  store();
  const std::vector<OdDbDatabaseReactor*> after = pImpl->reactors;
  for (OdDbDatabaseReactor* pReactor : after)
    if (stillAttached(pImpl, pReactor))
      pReactor->headerSysVarChanged(pDb, var);
}
} // namespace

void OdDbDatabase::addReactor(OdDbDatabaseReactor* pReactor) const
{
  if (!pReactor)
    throw OdError(eNullObjectPointer);
  if (!stillAttached(m_pImpl, pReactor))
    m_pImpl->reactors.push_back(pReactor);
}

void OdDbDatabase::removeReactor(OdDbDatabaseReactor* pReactor) const
{
  std::vector<OdDbDatabaseReactor*>& reactors = m_pImpl->reactors;
  reactors.erase(std::remove(reactors.begin(), reactors.end(), pReactor), reactors.end());
}

namespace
{
// Tells every reactor attached to the object's database, each only while it is still attached
// (a reactor may detach others while it is told).
template <class Tell>
void tellReactors(const OdDbObject* pObj, Tell tell)
{
  const OdDbDatabase* pDb = pObj->database();
  if (!pDb)
    return;
  OdDbDatabaseImpl* pImpl = OdDbObjectAccess::impl(pDb);
  if (pImpl->reactors.empty())
    return;
  const std::vector<OdDbDatabaseReactor*> reactors = pImpl->reactors;
  for (OdDbDatabaseReactor* pReactor : reactors)
    if (stillAttached(pImpl, pReactor))
      tell(pReactor, pDb);
}
} // namespace

void OdDbObjectAccess::tellAppended(const OdDbObject* pObj)
{
  tellReactors(pObj, [pObj](OdDbDatabaseReactor* r, const OdDbDatabase* pDb) { r->objectAppended(pDb, pObj); });
}

void OdDbObjectAccess::tellOpenedForModify(const OdDbObject* pObj)
{
  tellReactors(pObj,
               [pObj](OdDbDatabaseReactor* r, const OdDbDatabase* pDb) { r->objectOpenedForModify(pDb, pObj); });
}

void OdDbObjectAccess::tellErased(const OdDbObject* pObj, bool erased)
{
  tellReactors(pObj,
               [pObj, erased](OdDbDatabaseReactor* r, const OdDbDatabase* pDb) { r->objectErased(pDb, pObj, erased); });
}

ODRX_SDK_NO_CONS_DEFINE_MEMBERS(OdDbDatabaseReactor, OdRxObject)

void OdDbDatabaseReactor::headerSysVarWillChange(const OdDbDatabase*, const OdString&) {}
void OdDbDatabaseReactor::headerSysVarChanged(const OdDbDatabase*, const OdString&) {}
void OdDbDatabaseReactor::objectAppended(const OdDbDatabase*, const OdDbObject*) {}
void OdDbDatabaseReactor::objectOpenedForModify(const OdDbDatabase*, const OdDbObject*) {}
void OdDbDatabaseReactor::objectErased(const OdDbDatabase*, const OdDbObject*, bool) {}
void OdDbDatabaseReactor::goodbye(const OdDbDatabase*) {}

OdDbObjectId OdDbDatabase::getCLAYER() const { return m_pImpl->clayer; }

void OdDbDatabase::setCLAYER(const OdDbObjectId& layerId)
{
  checkRecordId(this, layerId, OdDbLayerTableRecord::desc());
  OdDbLayerTableRecordPtr pLayer = layerId.safeOpenObject();
  if (pLayer->isFrozen())
    throw OdError(eInvalidInput);
  changeHeader(this, L"CLAYER", [&] { m_pImpl->clayer = layerId; });
}

OdDbObjectId OdDbDatabase::getCELTYPE() const { return m_pImpl->celtype; }

void OdDbDatabase::setCELTYPE(const OdDbObjectId& linetypeId)
{
  checkRecordId(this, linetypeId, OdDbLinetypeTableRecord::desc());
  changeHeader(this, L"CELTYPE", [&] { m_pImpl->celtype = linetypeId; });
}

OdCmColor OdDbDatabase::getCECOLOR() const { return m_pImpl->cecolor; }

void OdDbDatabase::setCECOLOR(const OdCmColor& color)
{
  if (color.isLayerOff() || color.isLayerFrozen())
    throw OdError(eInvalidInput);
  changeHeader(this, L"CECOLOR", [&] { m_pImpl->cecolor = color; });
}

OdDb::LineWeight OdDbDatabase::getCELWEIGHT() const { return m_pImpl->celweight; }

void OdDbDatabase::setCELWEIGHT(OdDb::LineWeight lineWeight)
{
  if (!odIsValidLineWeight(lineWeight))
    throw OdError(eInvalidInput);
  changeHeader(this, L"CELWEIGHT", [&] { m_pImpl->celweight = lineWeight; });
}

OdCmTransparency OdDbDatabase::getCETRANSPARENCY() const { return m_pImpl->cetransparency; }

void OdDbDatabase::setCETRANSPARENCY(const OdCmTransparency& transparency)
{
  if (transparency.isInvalid())
    throw OdError(eInvalidInput);
  changeHeader(this, L"CETRANSPARENCY", [&] { m_pImpl->cetransparency = transparency; });
}

OdString OdDbDatabase::getCPLOTSTYLE() const { return m_pImpl->cplotstyle; }

void OdDbDatabase::setCPLOTSTYLE(const OdString& plotStyleName)
{
  if (plotStyleName.isEmpty())
    throw OdError(eInvalidInput);
  changeHeader(this, L"CPLOTSTYLE", [&] { m_pImpl->cplotstyle = plotStyleName; });
}

double OdDbDatabase::getLTSCALE() const { return m_pImpl->ltscale; }
void OdDbDatabase::setLTSCALE(double scale)
{
  checkPositive(scale);
  changeHeader(this, L"LTSCALE", [&] { m_pImpl->ltscale = scale; });
}

double OdDbDatabase::getCELTSCALE() const { return m_pImpl->celtscale; }
void OdDbDatabase::setCELTSCALE(double scale)
{
  checkPositive(scale);
  changeHeader(this, L"CELTSCALE", [&] { m_pImpl->celtscale = scale; });
}

OdInt16 OdDbDatabase::getLUNITS() const { return m_pImpl->lunits; }
void OdDbDatabase::setLUNITS(OdInt16 units)
{
  checkRange(units, OdDb::kUnitsScientific, OdDb::kUnitsFractional);
  changeHeader(this, L"LUNITS", [&] { m_pImpl->lunits = units; });
}

OdInt16 OdDbDatabase::getLUPREC() const { return m_pImpl->luprec; }
void OdDbDatabase::setLUPREC(OdInt16 precision)
{
  checkRange(precision, 0, 8);
  changeHeader(this, L"LUPREC", [&] { m_pImpl->luprec = precision; });
}

OdInt16 OdDbDatabase::getAUNITS() const { return m_pImpl->aunits; }
void OdDbDatabase::setAUNITS(OdInt16 units)
{
  checkRange(units, OdDb::kDegrees, OdDb::kSurveyorsUnits);
  changeHeader(this, L"AUNITS", [&] { m_pImpl->aunits = units; });
}

OdInt16 OdDbDatabase::getAUPREC() const { return m_pImpl->auprec; }
void OdDbDatabase::setAUPREC(OdInt16 precision)
{
  checkRange(precision, 0, 8);
  changeHeader(this, L"AUPREC", [&] { m_pImpl->auprec = precision; });
}

double OdDbDatabase::getANGBASE() const { return m_pImpl->angbase; }
void OdDbDatabase::setANGBASE(double angle)
{
  odDbCheckFinite(angle);
  changeHeader(this, L"ANGBASE", [&] { m_pImpl->angbase = angle; });
}

bool OdDbDatabase::getANGDIR() const { return m_pImpl->angdir; }
void OdDbDatabase::setANGDIR(bool clockwise)
{
  changeHeader(this, L"ANGDIR", [&] { m_pImpl->angdir = clockwise; });
}

OdDb::UnitsValue OdDbDatabase::getINSUNITS() const { return m_pImpl->insunits; }
void OdDbDatabase::setINSUNITS(OdDb::UnitsValue units)
{
  checkRange(units, OdDb::kUnitsUndefined, OdDb::kUnitsMax);
  changeHeader(this, L"INSUNITS", [&] { m_pImpl->insunits = units; });
}

OdDb::MeasurementValue OdDbDatabase::getMEASUREMENT() const { return m_pImpl->measurement; }
void OdDbDatabase::setMEASUREMENT(OdDb::MeasurementValue measurement)
{
  checkRange(measurement, OdDb::kEnglish, OdDb::kMetric);
  changeHeader(this, L"MEASUREMENT", [&] { m_pImpl->measurement = measurement; });
}

bool OdDbDatabase::getPSTYLEMODE() const { return m_pImpl->pstylemode; }
void OdDbDatabase::setPSTYLEMODE(bool colorDependent)
{
  changeHeader(this, L"PSTYLEMODE", [&] { m_pImpl->pstylemode = colorDependent; });
}

double OdDbDatabase::getTEXTSIZE() const { return m_pImpl->textsize; }
void OdDbDatabase::setTEXTSIZE(double size)
{
  checkPositive(size);
  changeHeader(this, L"TEXTSIZE", [&] { m_pImpl->textsize = size; });
}

OdDbObjectId OdDbDatabase::getTEXTSTYLE() const { return m_pImpl->textStyle; }
void OdDbDatabase::setTEXTSTYLE(const OdDbObjectId& textStyleId)
{
  checkRecordId(this, textStyleId, OdDbTextStyleTableRecord::desc());
  changeHeader(this, L"TEXTSTYLE", [&] { m_pImpl->textStyle = textStyleId; });
}

OdDbObjectId OdDbDatabase::getDIMSTYLE() const { return m_pImpl->dimStyle; }
void OdDbDatabase::setDIMSTYLE(const OdDbObjectId& dimStyleId)
{
  checkRecordId(this, dimStyleId, OdDbDimStyleTableRecord::desc());
  changeHeader(this, L"DIMSTYLE", [&] { m_pImpl->dimStyle = dimStyleId; });
}

OdInt16 OdDbDatabase::getSPLINESEGS() const { return m_pImpl->splinesegs; }
void OdDbDatabase::setSPLINESEGS(OdInt16 segments)
{
  checkRange(segments, 1, 32767);
  changeHeader(this, L"SPLINESEGS", [&] { m_pImpl->splinesegs = segments; });
}

OdGePoint3d OdDbDatabase::getUCSORG() const { return m_pImpl->ucsorg; }
void OdDbDatabase::setUCSORG(const OdGePoint3d& origin)
{
  odDbCheckFinite(origin);
  changeHeader(this, L"UCSORG", [&] { m_pImpl->ucsorg = origin; });
}

OdGeVector3d OdDbDatabase::getUCSXDIR() const { return m_pImpl->ucsxdir; }
void OdDbDatabase::setUCSXDIR(const OdGeVector3d& xDir)
{
  const OdGeVector3d axis = checkedAxis(xDir);
  changeHeader(this, L"UCSXDIR", [&] { m_pImpl->ucsxdir = axis; });
}

OdGeVector3d OdDbDatabase::getUCSYDIR() const { return m_pImpl->ucsydir; }
void OdDbDatabase::setUCSYDIR(const OdGeVector3d& yDir)
{
  const OdGeVector3d axis = checkedAxis(yDir);
  changeHeader(this, L"UCSYDIR", [&] { m_pImpl->ucsydir = axis; });
}

OdString OdDbDatabase::getDWGCODEPAGE() const { return m_pImpl->codepage; }
void OdDbDatabase::setDWGCODEPAGE(const OdString& codePage)
{
  if (codePage.isEmpty())
    throw OdError(eInvalidInput);
  changeHeader(this, L"DWGCODEPAGE", [&] { m_pImpl->codepage = codePage; });
}

OdString OdDbDatabase::getFileVersionName() const { return m_pImpl->versionName; }
void OdDbDatabase::setFileVersionName(const OdString& versionName) { m_pImpl->versionName = versionName; }
