// Tests of the mesh stand-ins: a polyface mesh keeps its vertices ahead of its faces whatever the
// order they come in, a face names only vertices the mesh has and keeps its edge visibility
// apart; a polygon mesh refuses sizes and types no drawing has; both own their vertices (they join
// the drawing, are copied and erased with the mesh) and refusals leave them as they were.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "DbFiler.h"
#include "DbPolyFaceMesh.h"
#include "DbPolygonMesh.h"
#include "KyTestDrawing.h"

namespace
{
OdResult errorOf(const std::function<void()>& call)
{
  try
  {
    call();
  }
  catch (const OdError& e)
  {
    return e.code();
  }
  return eOk;
}

OdDbPolyFaceMeshVertexPtr vertexAt(const OdGePoint3d& p)
{
  OdDbPolyFaceMeshVertexPtr v = OdDbPolyFaceMeshVertex::createObject();
  v->setPosition(p);
  return v;
}

OdDbFaceRecordPtr face(OdInt16 a, OdInt16 b, OdInt16 c, OdInt16 d = 0)
{
  OdDbFaceRecordPtr f = OdDbFaceRecord::createObject();
  const OdInt16 corners[] = {a, b, c, d};
  for (OdUInt16 i = 0; i < 4; ++i)
    f->setVertexAt(i, corners[i]);
  return f;
}

// The classes of the mesh's sequence, in order: 'v' vertex, 'f' face.
std::string sequence(const OdDbPolyFaceMesh* mesh)
{
  std::string s;
  for (OdDbObjectIteratorPtr it = mesh->vertexIterator(); !it->done(); it->step())
    s += it->entity()->isKindOf(OdDbFaceRecord::desc()) ? 'f' : 'v';
  return s;
}
} // namespace

TEST(PolyFaceMesh, VerticesStayAheadOfFacesAndFacesNameOnlyWhatTheMeshHas)
{
  KyTestDrawing drawing;
  OdDbPolyFaceMeshPtr mesh = OdDbPolyFaceMesh::createObject();
  mesh->appendVertex(vertexAt(OdGePoint3d(0, 0, 0)));
  mesh->appendVertex(vertexAt(OdGePoint3d(4, 0, 0)));
  mesh->appendVertex(vertexAt(OdGePoint3d(4, 3, 2)));
  mesh->appendFaceRecord(face(1, 2, 3));
  drawing.add(mesh);
  // A vertex that comes after a face still goes in ahead of the faces.
  const OdDbObjectId late = mesh->appendVertex(vertexAt(OdGePoint3d(0, 3, -1)));
  EXPECT_EQ(sequence(mesh), "vvvvf");
  EXPECT_EQ(late.openObject()->ownerId(), mesh->objectId());
  mesh->appendFaceRecord(face(1, 3, 4));
  EXPECT_EQ(mesh->numVertices(), 4);
  EXPECT_EQ(mesh->numFaces(), 2);

  // A face naming vertex 5 of four is refused and the mesh keeps what it had.
  EXPECT_EQ(errorOf([&] { mesh->appendFaceRecord(face(1, 2, 5)); }), eInvalidInput);
  EXPECT_EQ(mesh->numFaces(), 2);
  EXPECT_EQ(sequence(mesh), "vvvvff");

  OdGeExtents3d box;
  ASSERT_EQ(mesh->getGeomExtents(box), eOk);
  EXPECT_EQ(box.minPoint(), OdGePoint3d(0, 0, -1));
  EXPECT_EQ(box.maxPoint(), OdGePoint3d(4, 3, 2));
  EXPECT_EQ(OdDbPolyFaceMesh::createObject()->getGeomExtents(box), eInvalidExtents);

  // A copy has vertices of its own; erasing the mesh erases its sequence.
  OdDbPolyFaceMeshPtr copy = OdDbPolyFaceMesh::cast(mesh->clone().get());
  EXPECT_EQ(sequence(copy), "vvvvff");
  const OdDbObjectId copyId = drawing.add(copy);
  for (OdDbObjectIteratorPtr it = copy->vertexIterator(); !it->done(); it->step())
    EXPECT_EQ(it->objectId().openObject()->ownerId(), copyId);
  std::vector<OdDbObjectId> ids;
  for (OdDbObjectIteratorPtr it = mesh->vertexIterator(); !it->done(); it->step())
    ids.push_back(it->objectId());
  ASSERT_EQ(mesh->erase(), eOk);
  for (const OdDbObjectId& id : ids)
    EXPECT_TRUE(id.isErased());
}

TEST(PolyFaceMesh, FaceCornersAndEdgesAreCheckedAndKeptApart)
{
  OdDbFaceRecordPtr f = face(1, 2, 3, 4);
  EXPECT_EQ(errorOf([&] { f->setVertexAt(4, 1); }), eInvalidIndex);
  EXPECT_EQ(errorOf([&] { f->setVertexAt(0, -2); }), eInvalidInput);
  bool visible = false;
  EXPECT_EQ(errorOf([&] { f->isEdgeVisibleAt(4, visible); }), eInvalidIndex);
  f->makeEdgeInvisibleAt(2);
  OdInt16 number = 0;
  f->getVertexAt(2, number);
  EXPECT_EQ(number, 3);
  f->isEdgeVisibleAt(2, visible);
  EXPECT_FALSE(visible);
  f->isEdgeVisibleAt(1, visible);
  EXPECT_TRUE(visible);
  f->makeEdgeVisibleAt(2);
  f->isEdgeVisibleAt(2, visible);
  EXPECT_TRUE(visible);
}

TEST(PolygonMesh, RefusesSizesAndTypesNoDrawingHasAndKeepsItsValues)
{
  OdDbPolygonMeshPtr mesh = OdDbPolygonMesh::createObject();
  mesh->setMSize(3);
  mesh->setNSize(256);
  mesh->setMSurfaceDensity(6);
  mesh->setPolyMeshType(OdDb::kCubicSurfaceMesh);
  struct Refused
  {
    const char* what;
    std::function<void()> call;
  };
  const Refused refused[] = {
    {"M size -1", [&] { mesh->setMSize(-1); }},
    {"N size 257", [&] { mesh->setNSize(257); }},
    {"M density 201", [&] { mesh->setMSurfaceDensity(201); }},
    {"N density -1", [&] { mesh->setNSurfaceDensity(-1); }},
    {"type 7", [&] { mesh->setPolyMeshType(static_cast<OdDb::PolyMeshType>(7)); }},
  };
  for (const Refused& r : refused)
  {
    SCOPED_TRACE(r.what);
    EXPECT_EQ(errorOf(r.call), eInvalidInput);
    EXPECT_EQ(mesh->mSize(), 3);
    EXPECT_EQ(mesh->nSize(), 256);
    EXPECT_EQ(mesh->mSurfaceDensity(), 6);
    EXPECT_EQ(mesh->nSurfaceDensity(), 0);
    EXPECT_EQ(mesh->polyMeshType(), OdDb::kCubicSurfaceMesh);
  }
  OdDbPolygonMeshVertexPtr v = OdDbPolygonMeshVertex::createObject();
  v->setPosition(OdGePoint3d(1, 2, 3));
  EXPECT_EQ(errorOf([&] { v->setPosition(OdGePoint3d(1, std::nan(""), 3)); }), eInvalidInput);
  EXPECT_EQ(v->position(), OdGePoint3d(1, 2, 3));
  mesh->appendVertex(v);
  // Once the mesh is in a drawing its vertex is too, and cannot be appended again.
  KyTestDrawing drawing;
  drawing.add(mesh);
  EXPECT_EQ(errorOf([&] { mesh->appendVertex(v); }), eAlreadyInDb);
  int count = 0;
  for (OdDbObjectIteratorPtr it = mesh->vertexIterator(); !it->done(); it->step())
    ++count;
  EXPECT_EQ(count, 1);
}

namespace
{
// The error of a call on an object of the drawing that is not open (its pointer closed again).
template <class T>
OdResult errorWhenClosed(const OdDbObjectId& id, const std::function<void(const T*)>& call)
{
  const T* raw = T::cast(id.openObject().get()).get(); // closed again at once
  return errorOf([&] { call(raw); });
}
} // namespace

// A mesh and its vertex of a drawing: reads need the object open, writes need it open for write
// (before the value is looked at), a change marks it modified, and its snapshot and copies carry
// every value.
TEST(PolygonMesh, OpenModesSnapshotsAndCopiesOfMeshesAndVertices)
{
  KyTestDrawing drawing;
  OdDbPolygonMeshPtr mesh = OdDbPolygonMesh::createObject();
  mesh->setMSize(2);
  mesh->setNSize(2);
  OdDbPolygonMeshVertexPtr v = OdDbPolygonMeshVertex::createObject();
  v->setPosition(OdGePoint3d(1, 2, 3));
  mesh->appendVertex(v);
  const OdDbObjectId meshId = drawing.add(mesh);
  const OdDbObjectId vertexId = v->objectId();
  mesh.release();
  v.release();

  using Mesh = OdDbPolygonMesh;
  using Vertex = OdDbPolygonMeshVertex;
  EXPECT_EQ(eNotOpenForRead, errorWhenClosed<Mesh>(meshId, [](const Mesh* m) { m->isNClosed(); }));
  EXPECT_EQ(eNotOpenForRead, errorWhenClosed<Mesh>(meshId, [](const Mesh* m) { m->polyMeshType(); }));
  EXPECT_EQ(eNotOpenForRead, errorWhenClosed<Vertex>(vertexId, [](const Vertex* p) { p->vertexType(); }));

  {
    OdDbPolygonMeshPtr readOnly = meshId.safeOpenObject();
    OdDbPolygonMeshVertexPtr readVertex = vertexId.safeOpenObject();
    // Refused for the open mode whatever the value.
    EXPECT_EQ(eNotOpenForWrite, errorOf([&] { readOnly->setPolyMeshType(static_cast<OdDb::PolyMeshType>(7)); }));
    EXPECT_EQ(eNotOpenForWrite, errorOf([&] { readOnly->setMSize(-1); }));
    EXPECT_EQ(eNotOpenForWrite, errorOf([&] { readVertex->setVertexType(static_cast<OdDb::Vertex3dType>(9)); }));
    EXPECT_EQ(eNotOpenForWrite, errorOf([&] { readVertex->setPosition(OdGePoint3d(1, std::nan(""), 3)); }));
  }
  {
    OdDbPolygonMeshPtr writable = meshId.safeOpenObject(OdDb::kForWrite);
    EXPECT_EQ(eInvalidInput, errorOf([&] { writable->setPolyMeshType(static_cast<OdDb::PolyMeshType>(7)); }));
    EXPECT_FALSE(writable->isModified());
    writable->setPolyMeshType(OdDb::kQuadSurfaceMesh);
    EXPECT_TRUE(writable->isModified());
  }

  // The vertex's snapshot holds its position; a copy has its entity values and its own.
  OdDbPolygonMeshVertexPtr vertex = vertexId.safeOpenObject(OdDb::kForWrite);
  vertex->setColorIndex(3);
  OdDbPolygonMeshVertexPtr other = OdDbPolygonMeshVertex::createObject();
  other->copyFrom(vertex.get());
  EXPECT_EQ(other->position(), OdGePoint3d(1, 2, 3));
  EXPECT_EQ(other->colorIndex(), 3);
  OdDbDxfTagList before(drawing.db());
  vertex->dxfOutFields(&before);
  vertex->setPosition(OdGePoint3d(1, 2, 4));
  OdDbDxfTagList after(drawing.db());
  vertex->dxfOutFields(&after);
  EXPECT_NE(before.toString(), after.toString());
}
