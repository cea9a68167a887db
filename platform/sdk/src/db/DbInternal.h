// Internal plumbing of the database classes: the stub behind every object id, and the access
// that the database, tables and owners need to objects' private state.
#ifndef OD_DB_INTERNAL_H
#define OD_DB_INTERNAL_H

#include <cmath>
#include <utility>
#include <vector>

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbEntity.h"
#include "DbObjectPool.h"
#include "DbSymbolTable.h"
#include "Ge/GeFinite.h"

// The database's entry for one handle. Ids count references to it, and the database holds one
// while it lives; when the database goes it clears pDb and pObject, so surviving ids stop
// opening instead of dangling.
class OdDbStub
{
public:
  static void* operator new(std::size_t size) { return odDbPoolAllocate(size); }
  static void operator delete(void* p, std::size_t size) { odDbPoolRelease(p, size); }

  OdDbHandle handle;
  OdDbDatabase* pDb = 0;
  OdDbObject* pObject = 0;
  OdInt32 refs = 0;
  bool erased = false;
};

void odDbStubAddRef(OdDbStub* pStub);
void odDbStubRelease(OdDbStub* pStub);

// The database's handle index: stubs by handle value in an open-addressed table (linear
// probing, at most half full). Slots hold only the stub; its handle is the key, so a stub must
// leave the table before its handle changes. The null handle is never stored.
// Runs of 64 consecutive handles keep their order in the table (files and the database number
// objects consecutively, so adding and finding them walks memory in order); the runs themselves
// are scattered by Fibonacci hashing, which keeps regular strides of handles apart.
class OdDbHandleTable
{
public:
  OdDbStub* find(OdUInt64 handle) const
  {
    if (m_slots.empty())
      return 0;
    for (std::size_t i = home(handle);; i = (i + 1) & m_mask)
    {
      OdDbStub* pStub = m_slots[i];
      if (!pStub || pStub->handle.value() == handle)
        return pStub;
    }
  }
  bool contains(OdUInt64 handle) const { return find(handle) != 0; }
  // The stub's handle must not be in the table yet.
  void insert(OdDbStub* pStub)
  {
    if ((m_count + 1) * 2 > m_slots.size())
      grow();
    place(pStub);
    ++m_count;
  }
  // Removes the stub under the handle, if any.
  void erase(OdUInt64 handle);
  std::size_t size() const { return m_count; }
  // Calls f(stub) for every stub, in no particular order.
  template <class F>
  void forEach(F f) const
  {
    for (OdDbStub* pStub : m_slots)
      if (pStub)
        f(pStub);
  }
  void clear()
  {
    m_slots.clear();
    m_count = 0;
    m_mask = 0;
  }

private:
  static const int kRunBits = 6;
  std::size_t home(OdUInt64 handle) const
  {
    const OdUInt64 run = ((handle >> kRunBits) * 0x9E3779B97F4A7C15ULL) >> m_shift;
    return static_cast<std::size_t>((run << kRunBits) | (handle & ((1u << kRunBits) - 1))) & m_mask;
  }
  void place(OdDbStub* pStub)
  {
    std::size_t i = home(pStub->handle.value());
    while (m_slots[i])
      i = (i + 1) & m_mask;
    m_slots[i] = pStub;
  }
  void grow();

  std::vector<OdDbStub*> m_slots;
  std::size_t m_count = 0;
  std::size_t m_mask = 0;
  int m_shift = 64;
};

// Entity state that is rarely set: the colour while it carries a colour or book name
// (OdDbEntity::m_bNamedColor), and the plot style name when it is not "ByLayer" (empty then).
class OdDbEntityExtras
{
public:
  static void* operator new(std::size_t size) { return odDbPoolAllocate(size); }
  static void operator delete(void* p, std::size_t size) { odDbPoolRelease(p, size); }

  OdCmColor namedColor;
  OdString plotStyleName;
};

// State that most objects never get, made on first use (see OdDbObject::m_pExtras).
class OdDbObjectExtras
{
public:
  static void* operator new(std::size_t size) { return odDbPoolAllocate(size); }
  static void operator delete(void* p, std::size_t size) { odDbPoolRelease(p, size); }

  // One chain per application, each starting with its 1001 group.
  OdArray<OdResBufPtr> xData;
  OdDbObjectId extDictId;
  std::vector<std::pair<OdString, OdDbObjectId>> fields;
  std::unique_ptr<OdDbEntityExtras> entity;
};

class OdDbDatabaseImpl
{
public:
  OdDbHandleTable stubs;
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

  std::vector<OdDbDatabaseReactor*> reactors;
};

class OdDbObjectAccess
{
public:
  static OdDbStub* stub(const OdDbObject* pObj) { return pObj->m_pStub; }
  static OdDbDatabaseImpl* impl(const OdDbDatabase* pDb) { return pDb->m_pImpl; }
  // The next buffer of a chain without counting a reference (walks inside the SDK).
  static const OdResBuf* next(const OdResBuf* pRb) { return pRb->m_pNext.get(); }
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
  // The object's rarely used state: null while it has none / made on first use.
  static const OdDbObjectExtras* extras(const OdDbObject* pObj) { return pObj->m_pExtras.get(); }
  static OdDbObjectExtras& makeExtras(OdDbObject* pObj);
  static const OdDbEntityExtras* entityExtras(const OdDbEntity* pEnt)
  {
    return pEnt->m_pExtras ? pEnt->m_pExtras->entity.get() : 0;
  }
  static OdDbEntityExtras& makeEntityExtras(OdDbEntity* pEnt);
  // Tells the reactors of the object's database (none for objects outside one).
  static void tellAppended(const OdDbObject* pObj);
  static void tellOpenedForModify(const OdDbObject* pObj);
  static void tellErased(const OdDbObject* pObj, bool erased);
  // Adds the objects an object owns but keeps apart (heavy polyline vertices) to the database
  // the object has just joined.
  static void joinOwnedObjects(OdDbObject* pObj);
};

// The object behind an id without opening it (null for null or invalid ids). Inline: readers
// inside the SDK (a dimension's style, per variable) call it for every value.
inline OdDbObject* odDbRawObject(const OdDbObjectId& id)
{
  const OdDbStub* pStub = id;
  return pStub && pStub->pDb ? pStub->pObject : 0;
}

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
