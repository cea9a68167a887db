// OdDbPolygonMesh: an M by N grid of vertices (OdDbPolygonMeshVertex, owned by the mesh, row by
// row), open or closed in each direction. A surface-fitted mesh keeps the placed vertices as
// control vertices and the generated surface as fit vertices after them; the stand-in keeps
// what a file gives and does not fit surfaces itself.
#ifndef OD_DB_POLYGON_MESH_H
#define OD_DB_POLYGON_MESH_H

#include "DbVertex.h"

namespace OdDb
{
enum PolyMeshType
{
  kSimpleMesh = 0,
  kQuadSurfaceMesh = 5,
  kCubicSurfaceMesh = 6,
  kBezierSurfaceMesh = 8
};
} // namespace OdDb

class OdDbPolygonMeshVertex : public OdDbVertex
{
public:
  ODRX_DECLARE_MEMBERS(OdDbPolygonMeshVertex);

  OdDbPolygonMeshVertex();

  OdDb::Vertex3dType vertexType() const;
  void setVertexType(OdDb::Vertex3dType type);
  OdGePoint3d position() const;
  // Non-finite coordinates raise OdError(eInvalidInput).
  void setPosition(const OdGePoint3d& position);

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  friend class OdDbPolygonMesh;
  OdGePoint3d m_position;
  OdDb::Vertex3dType m_type = OdDb::k3dSimpleVertex;
};

typedef OdSmartPtr<OdDbPolygonMeshVertex> OdDbPolygonMeshVertexPtr;

class OdDbPolygonMesh : public OdDbEntity
{
public:
  ODRX_DECLARE_MEMBERS(OdDbPolygonMesh);

  // Simple, 0 by 0, open both ways, surface densities 0.
  OdDbPolygonMesh();

  OdDb::PolyMeshType polyMeshType() const;
  // One of the four types, else OdError(eInvalidInput).
  void setPolyMeshType(OdDb::PolyMeshType type);
  // Sizes 0 .. 256 and densities 0 .. 200, else OdError(eInvalidInput).
  OdInt16 mSize() const;
  void setMSize(OdInt16 size);
  OdInt16 nSize() const;
  void setNSize(OdInt16 size);
  OdInt16 mSurfaceDensity() const;
  void setMSurfaceDensity(OdInt16 density);
  OdInt16 nSurfaceDensity() const;
  void setNSurfaceDensity(OdInt16 density);
  bool isMClosed() const;
  void makeMClosed();
  void makeMOpen();
  bool isNClosed() const;
  void makeNClosed();
  void makeNOpen();

  // The vertex must be new.
  OdDbObjectId appendVertex(OdDbPolygonMeshVertex* pVertex);
  OdDbObjectIteratorPtr vertexIterator() const;

  // Box of the vertices.
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

protected:
  OdResult subErase(bool erasing) override;

private:
  friend class OdDbObjectAccess;
  OdDbVertexChain m_vertices;
  OdDb::PolyMeshType m_type = OdDb::kSimpleMesh;
  OdInt16 m_mSize = 0;
  OdInt16 m_nSize = 0;
  OdInt16 m_mDensity = 0;
  OdInt16 m_nDensity = 0;
  bool m_mClosed = false;
  bool m_nClosed = false;
};

typedef OdSmartPtr<OdDbPolygonMesh> OdDbPolygonMeshPtr;

#endif
