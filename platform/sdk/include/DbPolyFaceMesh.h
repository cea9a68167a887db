// OdDbPolyFaceMesh: a mesh of faces over a shared list of vertices. Its vertices
// (OdDbPolyFaceMeshVertex) and then its faces (OdDbFaceRecord, up to four 1-based vertex numbers
// each) are database objects owned by it, in one sequence reached through vertexIterator().
// A face record keeps the visibility of each edge apart from its vertex numbers.
#ifndef OD_DB_POLY_FACE_MESH_H
#define OD_DB_POLY_FACE_MESH_H

#include "DbVertex.h"

class OdDbPolyFaceMeshVertex : public OdDbVertex
{
public:
  ODRX_DECLARE_MEMBERS(OdDbPolyFaceMeshVertex);

  OdDbPolyFaceMeshVertex();

  OdGePoint3d position() const;
  // Non-finite coordinates raise OdError(eInvalidInput).
  void setPosition(const OdGePoint3d& position);

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  friend class OdDbPolyFaceMesh;
  OdGePoint3d m_position;
};

typedef OdSmartPtr<OdDbPolyFaceMeshVertex> OdDbPolyFaceMeshVertexPtr;

class OdDbFaceRecord : public OdDbVertex
{
public:
  ODRX_DECLARE_MEMBERS(OdDbFaceRecord);

  // No vertices (all numbers 0), every edge visible.
  OdDbFaceRecord();

  // faceIndex 0 .. 3, else OdError_InvalidIndex. A vertex number is 1-based; 0 leaves the corner
  // out (a triangle has 0 as its fourth). Numbers below 0 raise OdError(eInvalidInput).
  OdResult getVertexAt(OdUInt16 faceIndex, OdInt16& vertexIndex) const;
  OdResult setVertexAt(OdUInt16 faceIndex, OdInt16 vertexIndex);
  // Edge n runs from corner n to the next one.
  OdResult isEdgeVisibleAt(OdUInt16 faceIndex, bool& visible) const;
  OdResult makeEdgeVisibleAt(OdUInt16 faceIndex);
  OdResult makeEdgeInvisibleAt(OdUInt16 faceIndex);

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  friend class OdDbPolyFaceMesh;
  OdInt16 m_vertices[4] = {0, 0, 0, 0};
  bool m_hidden[4] = {false, false, false, false};
};

typedef OdSmartPtr<OdDbFaceRecord> OdDbFaceRecordPtr;

class OdDbPolyFaceMesh : public OdDbEntity
{
public:
  ODRX_DECLARE_MEMBERS(OdDbPolyFaceMesh);

  OdDbPolyFaceMesh();

  OdInt16 numVertices() const;
  OdInt16 numFaces() const;
  // Vertices go before the faces; a face record may only name vertices the mesh has
  // (OdError(eInvalidInput) otherwise). Both must be new objects.
  OdDbObjectId appendVertex(OdDbPolyFaceMeshVertex* pVertex);
  OdDbObjectId appendFaceRecord(OdDbFaceRecord* pFace);
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
  OdInt16 m_numVertices = 0;
  OdInt16 m_numFaces = 0;
};

typedef OdSmartPtr<OdDbPolyFaceMesh> OdDbPolyFaceMeshPtr;

#endif
