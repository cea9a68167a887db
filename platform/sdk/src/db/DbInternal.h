// Internal plumbing of the database classes: the stub behind every object id, and the access
// that the database, tables and owners need to objects' private state.
#ifndef OD_DB_INTERNAL_H
#define OD_DB_INTERNAL_H

#include <cmath>
#include <map>

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbEntity.h"
#include "DbSymbolTable.h"
#include "Ge/GeFinite.h"

// The database's entry for one handle. Ids count references to it, and the database holds one
// while it lives; when the database goes it clears pDb and pObject, so surviving ids stop
// opening instead of dangling.
class OdDbStub
{
public:
  OdDbHandle handle;
  OdDbDatabase* pDb = 0;
  OdDbObject* pObject = 0;
  bool erased = false;
  long refs = 0;
};

void odDbStubAddRef(OdDbStub* pStub);
void odDbStubRelease(OdDbStub* pStub);

class OdDbDatabaseImpl
{
public:
  std::map<OdUInt64, OdDbStub*> stubs;
  OdUInt64 seed = 1;

  OdDbObjectId blockTable, layerTable, textStyleTable, linetypeTable, viewTable, ucsTable, viewportTable,
      regAppTable, dimStyleTable, namedObjects;
  OdDbObjectId modelSpace, paperSpace, layerZero, ltByLayer, ltByBlock, ltContinuous, textStyleStandard,
      dimStyleStandard, activeViewport;

  OdDbObjectId clayer, celtype, textStyle, dimStyle;
  OdCmColor cecolor;
  OdDb::LineWeight celweight = OdDb::kLnWtByLayer;
  OdCmTransparency cetransparency;
  OdString cplotstyle = L"ByLayer";
  double ltscale = 1.0;
  double celtscale = 1.0;
  OdInt16 lunits = 2;
  OdInt16 luprec = 4;
  OdInt16 aunits = 0;
  OdInt16 auprec = 0;
  double angbase = 0.0;
  bool angdir = false;
  OdDb::UnitsValue insunits = OdDb::kUnitsMillimeters;
  OdDb::MeasurementValue measurement = OdDb::kMetric;
  bool pstylemode = true;
  double textsize = 2.5;
  OdInt16 splinesegs = 8;
  OdGePoint3d ucsorg;
  OdGeVector3d ucsxdir = OdGeVector3d::kXAxis;
  OdGeVector3d ucsydir = OdGeVector3d::kYAxis;
  OdString codepage = L"ANSI_1252";
  OdString versionName;
};

class OdDbObjectAccess
{
public:
  static OdDbStub* stub(const OdDbObject* pObj) { return pObj->m_pStub; }
  static OdDbDatabaseImpl* impl(const OdDbDatabase* pDb) { return pDb->m_pImpl; }
  // Makes the object resident under the stub, open for write while references exist.
  static void attach(OdDbObject* pObj, OdDbStub* pStub, const OdDbObjectId& ownerId);
  // Releases the object from its dying database: it becomes a new object again.
  static void detach(OdDbObject* pObj) { pObj->m_pStub = 0; pObj->m_openMode = OdDb::kNotOpen; }
  // Opens with the stronger of the present and the asked mode.
  static void open(OdDbObject* pObj, OdDb::OpenMode mode);
  static OdDbObjectIdArray& records(OdDbSymbolTable* pTable) { return pTable->m_records; }
  static const OdDbObjectIdArray& records(const OdDbSymbolTable* pTable) { return pTable->m_records; }
  static OdDbObjectIdArray& entities(OdDbBlockTableRecord* pBlock) { return pBlock->m_entities; }
  static void setEntityLayer(OdDbEntity* pEnt, const OdDbObjectId& id) { pEnt->m_layerId = id; }
  static void setEntityLinetype(OdDbEntity* pEnt, const OdDbObjectId& id) { pEnt->m_linetypeId = id; }
  static const OdDbObjectId& entityLayer(const OdDbEntity* pEnt) { return pEnt->m_layerId; }
  static const OdDbObjectId& entityLinetype(const OdDbEntity* pEnt) { return pEnt->m_linetypeId; }
  // The stored extended-data chain of one application (its name record first), without the
  // copy that OdDbObject::xData makes; null when the object has none. Read access is checked.
  static const OdResBuf* xDataChain(const OdDbObject* pObj, const OdString& regappName);
};

// The object behind an id without opening it (null for null or invalid ids).
OdDbObject* odDbRawObject(const OdDbObjectId& id);

// Class test of the object behind an id without opening it.
bool odDbIdIsKindOf(const OdDbObjectId& id, const OdRxClass* pClass);

// Name of a symbol table record (erased ones too); "" for null or invalid ids.
OdString odDbRecordName(const OdDbObjectId& id);

// Throws OdError(eInvalidInput) unless the value is finite.
template <class T>
inline void odDbCheckFinite(const T& value)
{
  if (!odgeIsFinite(value))
    throw OdError(eInvalidInput);
}

bool odDbMatrixIsFinite(const OdGeMatrix3d& xform);

// Case-insensitive name comparison used by tables, dictionaries and applications.
inline bool odDbNamesEqual(const OdString& a, const OdString& b)
{
  // Names are usually asked for as they were written: the exact comparison settles most.
  return a.getLength() == b.getLength() && (a == b || a.iCompare(b) == 0);
}

#endif
