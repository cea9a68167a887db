// Polyface and polygon meshes and their vertices. Like the heavy polylines, a mesh keeps its
// vertices (and a polyface mesh its face records) as database objects in one owned sequence.
#include "DbPolyFaceMesh.h"
#include "DbPolygonMesh.h"

#include "DbFiler.h"
#include "db/DbInternal.h"
#include "Ge/GeExtents3d.h"
#include "SdkRxMacros.h"

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbPolyFaceMeshVertex, OdDbVertex, L"VERTEX")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbFaceRecord, OdDbVertex, L"VERTEX")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbPolyFaceMesh, OdDbEntity, L"POLYLINE")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbPolygonMeshVertex, OdDbVertex, L"VERTEX")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbPolygonMesh, OdDbEntity, L"POLYLINE")

namespace
{
// Box of the positions of the chain's vertices of class V.
template <class V>
OdResult chainExtents(const OdDbVertexChain& chain, OdGeExtents3d& extents)
{
  OdGeExtents3d box;
  bool any = false;
  for (unsigned int i = 0; i < chain.size(); ++i)
  {
    OdDbObjectPtr pObj = chain.open(i, OdDb::kForRead);
    if (const V* pVertex = dynamic_cast<const V*>(pObj.get()))
    {
      box.addPoint(pVertex->position());
      any = true;
    }
  }
  if (!any)
    return eInvalidExtents;
  extents = box;
  return eOk;
}

void checkSize(OdInt16 value, OdInt16 most)
{
  if (value < 0 || value > most)
    throw OdError(eInvalidInput);
}
} // namespace

// ---- polyface mesh ---------------------------------------------------------------------------

OdDbPolyFaceMeshVertex::OdDbPolyFaceMeshVertex() = default;

OdGePoint3d OdDbPolyFaceMeshVertex::position() const
{
  assertReadEnabled();
  return m_position;
}

void OdDbPolyFaceMeshVertex::setPosition(const OdGePoint3d& position)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(position);
  assertWriteEnabled();
  m_position = position;
}

void OdDbPolyFaceMeshVertex::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  assertReadEnabled();
  OdDbEntity::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"AcDbVertex");
  pFiler->wrSubclassMarker(L"AcDbPolyFaceMeshVertex");
  pFiler->wrPoint3d(10, m_position);
  pFiler->wrInt16(70, 128 | 64);
}

void OdDbPolyFaceMeshVertex::copyFrom(const OdRxObject* pSource)
{
  const OdDbPolyFaceMeshVertex* pOther = dynamic_cast<const OdDbPolyFaceMeshVertex*>(pSource);
  if (!pOther)
    throw OdError_NotThatKindOfClass();
  OdDbEntity::copyFrom(pSource);
  m_position = pOther->m_position;
}

OdDbFaceRecord::OdDbFaceRecord() = default;

OdResult OdDbFaceRecord::getVertexAt(OdUInt16 faceIndex, OdInt16& vertexIndex) const
{
  assertReadEnabled();
  if (faceIndex > 3)
    throw OdError_InvalidIndex();
  vertexIndex = m_vertices[faceIndex];
  return eOk;
}

OdResult OdDbFaceRecord::setVertexAt(OdUInt16 faceIndex, OdInt16 vertexIndex)
{
  assertWriteEnabled(false, false);
  if (faceIndex > 3)
    throw OdError_InvalidIndex();
  if (vertexIndex < 0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_vertices[faceIndex] = vertexIndex;
  return eOk;
}

OdResult OdDbFaceRecord::isEdgeVisibleAt(OdUInt16 faceIndex, bool& visible) const
{
  assertReadEnabled();
  if (faceIndex > 3)
    throw OdError_InvalidIndex();
  visible = !m_hidden[faceIndex];
  return eOk;
}

OdResult OdDbFaceRecord::makeEdgeVisibleAt(OdUInt16 faceIndex)
{
  assertWriteEnabled(false, false);
  if (faceIndex > 3)
    throw OdError_InvalidIndex();
  assertWriteEnabled();
  m_hidden[faceIndex] = false;
  return eOk;
}

OdResult OdDbFaceRecord::makeEdgeInvisibleAt(OdUInt16 faceIndex)
{
  assertWriteEnabled(false, false);
  if (faceIndex > 3)
    throw OdError_InvalidIndex();
  assertWriteEnabled();
  m_hidden[faceIndex] = true;
  return eOk;
}

// Files give a hidden edge as the negative number of the corner it starts at.
void OdDbFaceRecord::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  assertReadEnabled();
  OdDbEntity::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"AcDbFaceRecord");
  pFiler->wrPoint3d(10, OdGePoint3d());
  pFiler->wrInt16(70, 128);
  for (int i = 0; i < 4; ++i)
    pFiler->wrInt16(71 + i, static_cast<OdInt16>(m_hidden[i] ? -m_vertices[i] : m_vertices[i]));
}

void OdDbFaceRecord::copyFrom(const OdRxObject* pSource)
{
  const OdDbFaceRecord* pOther = dynamic_cast<const OdDbFaceRecord*>(pSource);
  if (!pOther)
    throw OdError_NotThatKindOfClass();
  OdDbEntity::copyFrom(pSource);
  for (int i = 0; i < 4; ++i)
  {
    m_vertices[i] = pOther->m_vertices[i];
    m_hidden[i] = pOther->m_hidden[i];
  }
}

OdDbPolyFaceMesh::OdDbPolyFaceMesh() = default;

OdInt16 OdDbPolyFaceMesh::numVertices() const
{
  assertReadEnabled();
  return m_numVertices;
}

OdInt16 OdDbPolyFaceMesh::numFaces() const
{
  assertReadEnabled();
  return m_numFaces;
}

OdDbObjectId OdDbPolyFaceMesh::appendVertex(OdDbPolyFaceMeshVertex* pVertex)
{
  OdDbVertexChain::checkAppend(this, pVertex, [&] {
    if (m_numVertices == 32767)
      throw OdError(eInvalidInput);
  });
  // The vertices come before the faces: a vertex goes in after the last vertex.
  const OdDbObjectId id = m_vertices.insert(this, pVertex, static_cast<unsigned int>(m_numVertices));
  ++m_numVertices;
  return id;
}

OdDbObjectId OdDbPolyFaceMesh::appendFaceRecord(OdDbFaceRecord* pFace)
{
  OdDbVertexChain::checkAppend(this, pFace, [&] {
    for (OdInt16 v : pFace->m_vertices)
      if (v > m_numVertices)
        throw OdError(eInvalidInput);
    if (m_numFaces == 32767)
      throw OdError(eInvalidInput);
  });
  const OdDbObjectId id = m_vertices.insert(this, pFace, m_vertices.size());
  ++m_numFaces;
  return id;
}

OdDbObjectIteratorPtr OdDbPolyFaceMesh::vertexIterator() const
{
  assertReadEnabled();
  return m_vertices.iterator(this);
}

OdResult OdDbPolyFaceMesh::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  return chainExtents<OdDbPolyFaceMeshVertex>(m_vertices, extents);
}

// Flags 64 (polyface), 71 vertex count, 72 face count.
void OdDbPolyFaceMesh::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  assertReadEnabled();
  OdDbEntity::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"AcDbPolyFaceMesh");
  pFiler->wrPoint3d(10, OdGePoint3d());
  pFiler->wrInt16(70, 64);
  pFiler->wrInt16(71, m_numVertices);
  pFiler->wrInt16(72, m_numFaces);
}

void OdDbPolyFaceMesh::copyFrom(const OdRxObject* pSource)
{
  const OdDbPolyFaceMesh* pOther = dynamic_cast<const OdDbPolyFaceMesh*>(pSource);
  if (!pOther)
    throw OdError_NotThatKindOfClass();
  OdDbEntity::copyFrom(pSource);
  m_vertices.copyFrom(this, pOther->m_vertices);
  m_numVertices = pOther->m_numVertices;
  m_numFaces = pOther->m_numFaces;
}

OdResult OdDbPolyFaceMesh::subErase(bool erasing)
{
  m_vertices.eraseAll(erasing);
  return eOk;
}

// ---- polygon mesh ----------------------------------------------------------------------------

OdDbPolygonMeshVertex::OdDbPolygonMeshVertex() = default;

OdDb::Vertex3dType OdDbPolygonMeshVertex::vertexType() const
{
  assertReadEnabled();
  return m_type;
}

void OdDbPolygonMeshVertex::setVertexType(OdDb::Vertex3dType type)
{
  assertWriteEnabled(false, false);
  if (type < OdDb::k3dSimpleVertex || type > OdDb::k3dFitVertex)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_type = type;
}

OdGePoint3d OdDbPolygonMeshVertex::position() const
{
  assertReadEnabled();
  return m_position;
}

void OdDbPolygonMeshVertex::setPosition(const OdGePoint3d& position)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(position);
  assertWriteEnabled();
  m_position = position;
}

// Vertex flags (70): 64 always, 8 generated by surface fitting, 16 control vertex.
void OdDbPolygonMeshVertex::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  assertReadEnabled();
  OdDbEntity::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"AcDbVertex");
  pFiler->wrSubclassMarker(L"AcDbPolygonMeshVertex");
  pFiler->wrPoint3d(10, m_position);
  pFiler->wrInt16(70, static_cast<OdInt16>(64 | (m_type == OdDb::k3dFitVertex ? 8 : 0) |
                                           (m_type == OdDb::k3dControlVertex ? 16 : 0)));
}

void OdDbPolygonMeshVertex::copyFrom(const OdRxObject* pSource)
{
  const OdDbPolygonMeshVertex* pOther = dynamic_cast<const OdDbPolygonMeshVertex*>(pSource);
  if (!pOther)
    throw OdError_NotThatKindOfClass();
  OdDbEntity::copyFrom(pSource);
  m_position = pOther->m_position;
  m_type = pOther->m_type;
}

OdDbPolygonMesh::OdDbPolygonMesh() = default;

OdDb::PolyMeshType OdDbPolygonMesh::polyMeshType() const
{
  assertReadEnabled();
  return m_type;
}

void OdDbPolygonMesh::setPolyMeshType(OdDb::PolyMeshType type)
{
  assertWriteEnabled(false, false);
  if (type != OdDb::kSimpleMesh && type != OdDb::kQuadSurfaceMesh && type != OdDb::kCubicSurfaceMesh &&
      type != OdDb::kBezierSurfaceMesh)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_type = type;
}

OdInt16 OdDbPolygonMesh::mSize() const
{
  assertReadEnabled();
  return m_mSize;
}

void OdDbPolygonMesh::setMSize(OdInt16 size)
{
  assertWriteEnabled(false, false);
  checkSize(size, 256);
  assertWriteEnabled();
  m_mSize = size;
}

OdInt16 OdDbPolygonMesh::nSize() const
{
  assertReadEnabled();
  return m_nSize;
}

void OdDbPolygonMesh::setNSize(OdInt16 size)
{
  assertWriteEnabled(false, false);
  checkSize(size, 256);
  assertWriteEnabled();
  m_nSize = size;
}

OdInt16 OdDbPolygonMesh::mSurfaceDensity() const
{
  assertReadEnabled();
  return m_mDensity;
}

void OdDbPolygonMesh::setMSurfaceDensity(OdInt16 density)
{
  assertWriteEnabled(false, false);
  checkSize(density, 200);
  assertWriteEnabled();
  m_mDensity = density;
}

OdInt16 OdDbPolygonMesh::nSurfaceDensity() const
{
  assertReadEnabled();
  return m_nDensity;
}

void OdDbPolygonMesh::setNSurfaceDensity(OdInt16 density)
{
  assertWriteEnabled(false, false);
  checkSize(density, 200);
  assertWriteEnabled();
  m_nDensity = density;
}

bool OdDbPolygonMesh::isMClosed() const
{
  assertReadEnabled();
  return m_mClosed;
}

void OdDbPolygonMesh::makeMClosed()
{
  assertWriteEnabled();
  m_mClosed = true;
}

void OdDbPolygonMesh::makeMOpen()
{
  assertWriteEnabled();
  m_mClosed = false;
}

bool OdDbPolygonMesh::isNClosed() const
{
  assertReadEnabled();
  return m_nClosed;
}

void OdDbPolygonMesh::makeNClosed()
{
  assertWriteEnabled();
  m_nClosed = true;
}

void OdDbPolygonMesh::makeNOpen()
{
  assertWriteEnabled();
  m_nClosed = false;
}

OdDbObjectId OdDbPolygonMesh::appendVertex(OdDbPolygonMeshVertex* pVertex)
{
  OdDbVertexChain::checkAppend(this, pVertex);
  return m_vertices.insert(this, pVertex, m_vertices.size());
}

OdDbObjectIteratorPtr OdDbPolygonMesh::vertexIterator() const
{
  assertReadEnabled();
  return m_vertices.iterator(this);
}

OdResult OdDbPolygonMesh::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  return chainExtents<OdDbPolygonMeshVertex>(m_vertices, extents);
}

// Flags (70): 16 always, 1 closed in M, 32 closed in N, 4 surface-fitted; 71/72 sizes, 73/74
// surface densities, 75 surface type.
void OdDbPolygonMesh::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  assertReadEnabled();
  OdDbEntity::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"AcDbPolygonMesh");
  pFiler->wrPoint3d(10, OdGePoint3d());
  pFiler->wrInt16(70, static_cast<OdInt16>(16 | (m_mClosed ? 1 : 0) | (m_nClosed ? 32 : 0) |
                                           (m_type != OdDb::kSimpleMesh ? 4 : 0)));
  pFiler->wrInt16(71, m_mSize);
  pFiler->wrInt16(72, m_nSize);
  pFiler->wrInt16(73, m_mDensity);
  pFiler->wrInt16(74, m_nDensity);
  pFiler->wrInt16(75, static_cast<OdInt16>(m_type));
}

void OdDbPolygonMesh::copyFrom(const OdRxObject* pSource)
{
  const OdDbPolygonMesh* pOther = dynamic_cast<const OdDbPolygonMesh*>(pSource);
  if (!pOther)
    throw OdError_NotThatKindOfClass();
  OdDbEntity::copyFrom(pSource);
  m_vertices.copyFrom(this, pOther->m_vertices);
  m_type = pOther->m_type;
  m_mSize = pOther->m_mSize;
  m_nSize = pOther->m_nSize;
  m_mDensity = pOther->m_mDensity;
  m_nDensity = pOther->m_nDensity;
  m_mClosed = pOther->m_mClosed;
  m_nClosed = pOther->m_nClosed;
}

OdResult OdDbPolygonMesh::subErase(bool erasing)
{
  m_vertices.eraseAll(erasing);
  return eOk;
}
