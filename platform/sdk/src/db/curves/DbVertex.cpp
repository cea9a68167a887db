// Heavy polyline vertices and the chain that keeps them in order for their polyline.
#include "DbVertex.h"

#include "Db2dPolyline.h"
#include "Db3dPolyline.h"
#include "DbBlockReference.h"
#include "DbFiler.h"
#include "DbPolyFaceMesh.h"
#include "DbPolygonMesh.h"
#include "db/DbInternal.h"
#include "Ge/GeFinite.h"
#include "SdkRxMacros.h"

ODRX_SDK_DBOBJECT_NO_CONS_DEFINE_MEMBERS(OdDbVertex, OdDbEntity)
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDb2dVertex, OdDbVertex, L"VERTEX")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDb3dPolylineVertex, OdDbVertex, L"VERTEX")

namespace
{
void checkWidth(double width)
{
  if (!odgeIsFinite(width) || width < 0.0)
    throw OdError(eInvalidInput);
}

// Walks the owner's chain in place; new vertices are handed out as they are, resident ones
// opened by id. A resident owner stays in memory with its database, so the iterator holds only
// a new one (holding a resident owner would keep it open).
class OdDbVertexIteratorImpl : public OdDbObjectIterator
{
public:
  OdDbObjectPtr m_pOwner;
  const OdDbVertexChain* m_pChain = nullptr;
  int m_pos = 0;

  int count() const { return static_cast<int>(m_pChain->size()); }
  const OdDbVertexChain::Entry& at(int pos) const { return m_pChain->entry(static_cast<unsigned>(pos)); }
  bool erasedAt(int pos) const
  {
    const OdDbVertexChain::Entry& e = at(pos);
    return e.object.isNull() && e.id.isErased();
  }
  void settle(bool forward, bool skipErased)
  {
    while (!done() && skipErased && erasedAt(m_pos))
      m_pos += forward ? 1 : -1;
  }
  void start(bool atBeginning, bool skipErased) override
  {
    m_pos = atBeginning ? 0 : count() - 1;
    settle(atBeginning, skipErased);
  }
  bool done() const override { return m_pos < 0 || m_pos >= count(); }
  void step(bool forward, bool skipErased) override
  {
    if (done())
      return;
    m_pos += forward ? 1 : -1;
    settle(forward, skipErased);
  }
  OdDbObjectId objectId() const override { return done() ? OdDbObjectId() : at(m_pos).id; }
  OdDbEntityPtr entity(OdDb::OpenMode openMode, bool openErasedEntity) override
  {
    if (done())
      return OdDbEntityPtr();
    const OdDbVertexChain::Entry& e = at(m_pos);
    if (!e.object.isNull())
      return OdDbEntity::cast(e.object.get());
    return OdDbEntity::cast(e.id.openObject(openMode, openErasedEntity).get());
  }
  bool seek(const OdDbObjectId& id) override
  {
    for (int i = 0; i < count(); ++i)
      if (!id.isNull() && at(i).id == id)
      {
        m_pos = i;
        return true;
      }
    return false;
  }
};
} // namespace

// ---- vertices --------------------------------------------------------------------------------

OdDbVertex::OdDbVertex() = default;

OdDb2dVertex::OdDb2dVertex() = default;

OdDb::Vertex2dType OdDb2dVertex::vertexType() const
{
  assertReadEnabled();
  return m_type;
}

void OdDb2dVertex::setVertexType(OdDb::Vertex2dType type)
{
  assertWriteEnabled(false, false);
  if (type < OdDb::k2dVertex || type > OdDb::k2dCurveFitVertex)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_type = type;
}

OdGePoint3d OdDb2dVertex::position() const
{
  assertReadEnabled();
  return m_position;
}

void OdDb2dVertex::setPosition(const OdGePoint3d& position)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(position);
  assertWriteEnabled();
  m_position = position;
}

double OdDb2dVertex::startWidth() const
{
  assertReadEnabled();
  return m_startWidth;
}

void OdDb2dVertex::setStartWidth(double width)
{
  assertWriteEnabled(false, false);
  checkWidth(width);
  assertWriteEnabled();
  m_startWidth = width;
}

double OdDb2dVertex::endWidth() const
{
  assertReadEnabled();
  return m_endWidth;
}

void OdDb2dVertex::setEndWidth(double width)
{
  assertWriteEnabled(false, false);
  checkWidth(width);
  assertWriteEnabled();
  m_endWidth = width;
}

double OdDb2dVertex::bulge() const
{
  assertReadEnabled();
  return m_bulge;
}

void OdDb2dVertex::setBulge(double bulge)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(bulge);
  assertWriteEnabled();
  m_bulge = bulge;
}

double OdDb2dVertex::tangent() const
{
  assertReadEnabled();
  return m_tangent;
}

void OdDb2dVertex::setTangent(double tangent)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(tangent);
  assertWriteEnabled();
  m_tangent = tangent;
  m_tangentUsed = true;
}

bool OdDb2dVertex::isTangentUsed() const
{
  assertReadEnabled();
  return m_tangentUsed;
}

void OdDb2dVertex::useTangent()
{
  assertWriteEnabled();
  m_tangentUsed = true;
}

void OdDb2dVertex::ignoreTangent()
{
  assertWriteEnabled();
  m_tangentUsed = false;
}

// Vertex flags (70): 1 extra vertex of curve fitting, 2 tangent used, 8 spline-fit vertex,
// 16 spline control vertex.
void OdDb2dVertex::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  assertReadEnabled();
  OdDbEntity::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"AcDbVertex");
  pFiler->wrSubclassMarker(L"AcDb2dVertex");
  pFiler->wrPoint3d(10, m_position);
  pFiler->wrDouble(40, m_startWidth);
  pFiler->wrDouble(41, m_endWidth);
  pFiler->wrDouble(42, m_bulge);
  OdInt16 flags = 0;
  if (m_type == OdDb::k2dCurveFitVertex)
    flags |= 1;
  if (m_tangentUsed)
    flags |= 2;
  if (m_type == OdDb::k2dSplineFitVertex)
    flags |= 8;
  if (m_type == OdDb::k2dSplineCtlVertex)
    flags |= 16;
  pFiler->wrInt16(70, flags);
  if (m_tangentUsed)
    pFiler->wrAngle(50, m_tangent);
}

void OdDb2dVertex::copyFrom(const OdRxObject* pSource)
{
  const OdDb2dVertex* pOther = dynamic_cast<const OdDb2dVertex*>(pSource);
  if (!pOther)
    throw OdError_NotThatKindOfClass();
  OdDbEntity::copyFrom(pSource);
  m_position = pOther->m_position;
  m_startWidth = pOther->m_startWidth;
  m_endWidth = pOther->m_endWidth;
  m_bulge = pOther->m_bulge;
  m_tangent = pOther->m_tangent;
  m_tangentUsed = pOther->m_tangentUsed;
  m_type = pOther->m_type;
}

OdDb3dPolylineVertex::OdDb3dPolylineVertex() = default;

OdDb::Vertex3dType OdDb3dPolylineVertex::vertexType() const
{
  assertReadEnabled();
  return m_type;
}

void OdDb3dPolylineVertex::setVertexType(OdDb::Vertex3dType type)
{
  assertWriteEnabled(false, false);
  if (type < OdDb::k3dSimpleVertex || type > OdDb::k3dFitVertex)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_type = type;
}

OdGePoint3d OdDb3dPolylineVertex::position() const
{
  assertReadEnabled();
  return m_position;
}

void OdDb3dPolylineVertex::setPosition(const OdGePoint3d& position)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(position);
  assertWriteEnabled();
  m_position = position;
}

// Vertex flags (70): 32 always, 8 spline-fit vertex, 16 spline control vertex.
void OdDb3dPolylineVertex::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  assertReadEnabled();
  OdDbEntity::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"AcDbVertex");
  pFiler->wrSubclassMarker(L"AcDb3dPolylineVertex");
  pFiler->wrPoint3d(10, m_position);
  OdInt16 flags = 32;
  if (m_type == OdDb::k3dFitVertex)
    flags |= 8;
  if (m_type == OdDb::k3dControlVertex)
    flags |= 16;
  pFiler->wrInt16(70, flags);
}

void OdDb3dPolylineVertex::copyFrom(const OdRxObject* pSource)
{
  const OdDb3dPolylineVertex* pOther = dynamic_cast<const OdDb3dPolylineVertex*>(pSource);
  if (!pOther)
    throw OdError_NotThatKindOfClass();
  OdDbEntity::copyFrom(pSource);
  m_position = pOther->m_position;
  m_type = pOther->m_type;
}

// ---- the chain -------------------------------------------------------------------------------

OdDbObjectId OdDbVertexChain::insert(OdDbObject* pOwner, OdDbEntity* pVertex, unsigned int before)
{
  if (!pVertex)
    throw OdError(eNullObjectPointer);
  if (pVertex->isDBRO())
    throw OdError(eAlreadyInDb);
  Entry entry;
  OdDbDatabase* pDb = pOwner->database();
  if (pDb)
  {
    // The vertex takes the owner's layer and the like, as the owner's block would give them.
    OdDbEntity* pOwnerEnt = dynamic_cast<OdDbEntity*>(pOwner);
    if (pOwnerEnt && m_takeOwnerProperties)
      pVertex->setPropertiesFrom(pOwnerEnt);
    entry.id = pDb->addOdDbObject(pVertex, pOwner->objectId());
  }
  else
    entry.object = pVertex;
  const std::size_t at = before < m_entries.size() ? before : m_entries.size();
  m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(at), entry);
  return entry.id;
}

void OdDbVertexChain::remove(unsigned int index)
{
  if (index >= m_entries.size())
    throw OdError_InvalidIndex();
  const Entry entry = m_entries[index];
  m_entries.erase(m_entries.begin() + index);
  if (entry.object.isNull())
  {
    OdDbObjectPtr pVertex = entry.id.openObject(OdDb::kForWrite, true);
    if (!pVertex.isNull() && !pVertex->isErased())
      pVertex->erase();
  }
}

OdDbObjectPtr OdDbVertexChain::open(unsigned int index, OdDb::OpenMode mode) const
{
  const Entry& entry = m_entries.at(index);
  if (!entry.object.isNull())
    return entry.object;
  return entry.id.openObject(mode);
}

void OdDbVertexChain::joinDatabase(OdDbObject* pOwner)
{
  OdDbDatabase* pDb = pOwner->database();
  if (!pDb)
    return;
  for (Entry& entry : m_entries)
  {
    if (entry.object.isNull())
      continue;
    OdDbEntity* pOwnerEnt = dynamic_cast<OdDbEntity*>(pOwner);
    if (pOwnerEnt && m_takeOwnerProperties)
      OdDbEntity::cast(entry.object)->setPropertiesFrom(pOwnerEnt);
    entry.id = pDb->addOdDbObject(entry.object.get(), pOwner->objectId());
    entry.object.release();
  }
}

void OdDbVertexChain::eraseAll(bool erasing)
{
  for (const Entry& entry : m_entries)
  {
    if (!entry.object.isNull())
      continue;
    OdDbObjectPtr pVertex = entry.id.openObject(OdDb::kForWrite, true);
    if (!pVertex.isNull() && pVertex->isErased() != erasing)
      pVertex->erase(erasing);
  }
}

// Vertex i takes the state of the source's vertex i, so the vertices keep their ids; vertices
// the source lacks are removed, those it has beyond ours are added as copies.
void OdDbVertexChain::copyFrom(OdDbObject* pOwner, const OdDbVertexChain& source)
{
  unsigned int i = 0;
  for (; i < source.size(); ++i)
  {
    OdDbObjectPtr pFrom = source.open(i, OdDb::kForRead);
    if (pFrom.isNull())
      continue;
    if (i < size())
    {
      OdDbObjectPtr pTo = open(i, OdDb::kForWrite);
      if (!pTo.isNull() && pTo->isA() == pFrom->isA())
      {
        pTo->copyFrom(pFrom.get());
        continue;
      }
    }
    OdDbObjectPtr pCopy = OdDbObject::cast(pFrom->clone().get());
    if (i < size())
      remove(i);
    insert(pOwner, static_cast<OdDbEntity*>(pCopy.get()), i);
  }
  while (size() > i)
    remove(size() - 1);
}

OdDbObjectIteratorPtr OdDbVertexChain::iterator(const OdDbObject* pOwner) const
{
  OdSmartPtr<OdDbVertexIteratorImpl> pIter = OdRxObjectImpl<OdDbVertexIteratorImpl>::createObject();
  if (!pOwner->isDBRO())
    pIter->m_pOwner = pOwner;
  pIter->m_pChain = this;
  pIter->start(true, true);
  return OdDbObjectIteratorPtr(pIter.get());
}

void OdDbObjectAccess::joinOwnedObjects(OdDbObject* pObj)
{
  // Run-time class tests, not dynamic casts: every object added to a database passes here, and
  // a failed dynamic cast across libraries compares type names all the way up the hierarchy.
  if (pObj->isKindOf(OdDb2dPolyline::desc()))
    static_cast<OdDb2dPolyline*>(pObj)->m_vertices.joinDatabase(pObj);
  else if (pObj->isKindOf(OdDb3dPolyline::desc()))
    static_cast<OdDb3dPolyline*>(pObj)->m_vertices.joinDatabase(pObj);
  else if (pObj->isKindOf(OdDbPolyFaceMesh::desc()))
    static_cast<OdDbPolyFaceMesh*>(pObj)->m_vertices.joinDatabase(pObj);
  else if (pObj->isKindOf(OdDbPolygonMesh::desc()))
    static_cast<OdDbPolygonMesh*>(pObj)->m_vertices.joinDatabase(pObj);
  else if (pObj->isKindOf(OdDbBlockReference::desc()))
    static_cast<OdDbBlockReference*>(pObj)->m_attributes.joinDatabase(pObj);
}
