// The heavy polylines: POLYLINE with its VERTEX entities up to SEQEND, read and written, for 2D
// and 3D polylines. Vertex positions of a 2D polyline are in its object coordinate system, at its
// elevation (the Z of the polyline's 10 point); those of a 3D polyline are world points.
// Polyface meshes (flag 64: vertices, then face records naming up to four of them) and polygon
// meshes (flag 16: an M by N grid of vertices) come the same way, each vertex an object of its own.
#include <cmath>

#include "Db2dPolyline.h"
#include "DbBlockReference.h"
#include "Db3dPolyline.h"
#include "DbPolyFaceMesh.h"
#include "DbPolygonMesh.h"
#include "DxfReader.h"
#include "DxfWriter.h"
#include "OdError.h"

namespace kydxf
{
namespace
{
// Smooth-surface type (75) of a spline-fitted polyline: 5 quadratic, 6 cubic (8, Bezier, is read
// as cubic).
int smoothType(bool spline, bool quadratic)
{
  return spline ? (quadratic ? 5 : 6) : 0;
}
} // namespace

OdDbEntityPtr DxfReader::readPolyline(DxfEntityProps& props)
{
  OdGePoint3d origin, normal(0.0, 0.0, 1.0);
  const DxfTag *flagsTag = nullptr, *smoothTag = nullptr, *startTag = nullptr, *endTag = nullptr,
               *thicknessTag = nullptr, *normalTag = nullptr;
  for (const DxfTag* t : m_parts.body)
  {
    if (commonEntityTag(*t, props) || dxfTakeXyz(*t, 10, origin))
      continue;
    if (dxfTakeXyz(*t, 210, normal))
      normalTag = t->code == 210 ? t : normalTag;
    else if (t->code == 70)
      flagsTag = t;
    else if (t->code == 75)
      smoothTag = t;
    else if (t->code == 40)
      startTag = t;
    else if (t->code == 41)
      endTag = t;
    else if (t->code == 39)
      thicknessTag = t;
  }
  const std::int64_t flags = flagsTag ? flagsTag->integer : 0;
  if (flags & (16 | 64))
    return readMesh(flags, props);
  const bool spline = (flags & 4) != 0;
  const bool quadratic = smoothTag && smoothTag->integer == 5;
  if (flags & 8)
  {
    OdDb3dPolylinePtr pPolyline = OdDb3dPolyline::createObject();
    pPolyline->setPolyTypeOnly(spline ? (quadratic ? OdDb::k3dQuadSplinePoly : OdDb::k3dCubicSplinePoly)
                                      : OdDb::k3dSimplePoly);
    if (flags & 1)
      pPolyline->makeClosed();
    m_heavyVertices = HeavyVertices::k3d;
    return pPolyline;
  }
  OdDb2dPolylinePtr pPolyline = OdDb2dPolyline::createObject();
  if (normalTag)
    apply(normalTag->line + 1, "POLYLINE normal", [&] { pPolyline->setNormal(normal.asVector()); });
  apply(m_object.line, "POLYLINE elevation", [&] { pPolyline->setElevation(origin.z); });
  if (thicknessTag)
    apply(thicknessTag->line + 1, "POLYLINE thickness", [&] { pPolyline->setThickness(thicknessTag->real); });
  if (startTag)
    apply(startTag->line + 1, "POLYLINE default start width", [&] { pPolyline->setDefaultStartWidth(startTag->real); });
  if (endTag)
    apply(endTag->line + 1, "POLYLINE default end width", [&] { pPolyline->setDefaultEndWidth(endTag->real); });
  pPolyline->setPolyTypeOnly(spline ? (quadratic ? OdDb::k2dQuadSplinePoly : OdDb::k2dCubicSplinePoly)
                                    : (flags & 2) ? OdDb::k2dFitCurvePoly : OdDb::k2dSimplePoly);
  if (flags & 1)
    pPolyline->makeClosed();
  if (flags & 128)
    pPolyline->setLinetypeGenerationOn();
  m_heavyVertices = HeavyVertices::k2d;
  return pPolyline;
}

// One VERTEX of the polyline being read: appended to it under the file's handle. Vertex flags:
// 1 curve-fit vertex, 2 tangent given (50), 8 spline-fit vertex, 16 spline control vertex,
// 32 3D polyline vertex.
void DxfReader::readVertex(const DxfTag& start)
{
  splitParts(m_object, m_parts);
  DxfEntityProps props;
  OdGePoint3d position;
  const DxfTag *startTag = nullptr, *endTag = nullptr, *bulgeTag = nullptr, *tangentTag = nullptr;
  std::int64_t flags = 0;
  for (const DxfTag* t : m_parts.body)
  {
    if (commonEntityTag(*t, props) || dxfTakeXyz(*t, 10, position))
      continue;
    if (t->code == 70)
      flags = t->integer;
    else if (t->code == 40)
      startTag = t;
    else if (t->code == 41)
      endTag = t;
    else if (t->code == 42)
      bulgeTag = t;
    else if (t->code == 50)
      tangentTag = t;
  }
  OdDbEntityPtr pPolylineEnt = m_heavyPolyline.safeOpenObject(OdDb::kForWrite);
  if (m_heavyVertices == HeavyVertices::kPolyface || m_heavyVertices == HeavyVertices::kPolygonMesh)
  {
    readMeshVertex(start, flags, position, props, pPolylineEnt.get());
    return;
  }
  OdDbEntityPtr pVertex;
  if (m_heavyVertices == HeavyVertices::k3d)
  {
    OdDb3dPolylineVertexPtr v = OdDb3dPolylineVertex::createObject();
    apply(start.line, "VERTEX position", [&] { v->setPosition(position); });
    v->setVertexType((flags & 8) ? OdDb::k3dFitVertex : (flags & 16) ? OdDb::k3dControlVertex : OdDb::k3dSimpleVertex);
    pVertex = v;
  }
  else
  {
    OdDb2dVertexPtr v = OdDb2dVertex::createObject();
    apply(start.line, "VERTEX position", [&] { v->setPosition(position); });
    const OdDb2dPolyline* pPolyline = static_cast<const OdDb2dPolyline*>(pPolylineEnt.get());
    const double startWidth = startTag ? startTag->real : pPolyline->defaultStartWidth();
    const double endWidth = endTag ? endTag->real : pPolyline->defaultEndWidth();
    apply(startTag ? startTag->line + 1 : start.line, "VERTEX start width", [&] { v->setStartWidth(startWidth); });
    apply(endTag ? endTag->line + 1 : start.line, "VERTEX end width", [&] { v->setEndWidth(endWidth); });
    if (bulgeTag)
      apply(bulgeTag->line + 1, "VERTEX bulge", [&] { v->setBulge(bulgeTag->real); });
    if (tangentTag && (flags & 2))
      apply(tangentTag->line + 1, "VERTEX tangent", [&] { v->setTangent(tangentTag->real * OdaPI / 180.0); });
    v->setVertexType((flags & 1)    ? OdDb::k2dCurveFitVertex
                     : (flags & 8)  ? OdDb::k2dSplineFitVertex
                     : (flags & 16) ? OdDb::k2dSplineCtlVertex
                                    : OdDb::k2dVertex);
    pVertex = v;
  }
  props.handle = ownHandle(props.handle, props.handleLine, "VERTEX");
  prepareHandle(props.handle, props.handleLine);
  OdDbObjectId id;
  if (m_heavyVertices == HeavyVertices::k3d)
    id = static_cast<OdDb3dPolyline*>(pPolylineEnt.get())->appendVertex(static_cast<OdDb3dPolylineVertex*>(pVertex.get()));
  else
    id = static_cast<OdDb2dPolyline*>(pPolylineEnt.get())->appendVertex(static_cast<OdDb2dVertex*>(pVertex.get()));
  applyVertexProps(pVertex, props);
  placeAtHandle(id, props.handle, props.handleLine);
  noteHandle(id);
  noteSource(start.line, id);
  if (props.handle == 0)
    markMovable(id, false);
}

// A mesh POLYLINE: 71 and 72 are the vertex and face counts of a polyface mesh, the M and N
// sizes of a polygon mesh; 73 and 74 its surface densities, 75 its surface type.
OdDbEntityPtr DxfReader::readMesh(std::int64_t flags, DxfEntityProps& props)
{
  const DxfTag* counts[5] = {};
  for (const DxfTag* t : m_parts.body)
  {
    if (commonEntityTag(*t, props))
      continue;
    if (t->code >= 71 && t->code <= 75)
      counts[t->code - 71] = t;
  }
  const auto value = [&](int i) { return counts[i] ? static_cast<int>(counts[i]->integer) : 0; };
  const auto lineOf = [&](int i) { return counts[i] ? counts[i]->line + 1 : m_object.line; };
  m_meshLine = m_object.line;
  if (flags & 64)
  {
    m_heavyVertices = HeavyVertices::kPolyface;
    return OdDbPolyFaceMesh::createObject();
  }
  OdDbPolygonMeshPtr pMesh = OdDbPolygonMesh::createObject();
  apply(lineOf(0), "POLYLINE mesh M size", [&] { pMesh->setMSize(static_cast<OdInt16>(value(0))); });
  apply(lineOf(1), "POLYLINE mesh N size", [&] { pMesh->setNSize(static_cast<OdInt16>(value(1))); });
  apply(lineOf(2), "POLYLINE mesh M density", [&] { pMesh->setMSurfaceDensity(static_cast<OdInt16>(value(2))); });
  apply(lineOf(3), "POLYLINE mesh N density", [&] { pMesh->setNSurfaceDensity(static_cast<OdInt16>(value(3))); });
  if (flags & 4)
    apply(lineOf(4), "POLYLINE mesh surface type",
          [&] { pMesh->setPolyMeshType(static_cast<OdDb::PolyMeshType>(value(4))); });
  if (flags & 1)
    pMesh->makeMClosed();
  if (flags & 32)
    pMesh->makeNClosed();
  m_heavyVertices = HeavyVertices::kPolygonMesh;
  return pMesh;
}

// A VERTEX of a mesh. In a polyface mesh, flags 128 alone make a face record whose 71 to 74
// number its corners (a negative number hides the edge that starts there); anything else is a
// vertex (its flags should be 128 and 64, some writers leave them out).
void DxfReader::readMeshVertex(const DxfTag& start, std::int64_t flags, const OdGePoint3d& position,
                               DxfEntityProps& props, OdDbEntity* pMesh)
{
  OdDbEntityPtr pVertex;
  OdDbPolyFaceMesh* pFaces = OdDbPolyFaceMesh::cast(pMesh).get();
  OdDbObjectId id;
  props.handle = ownHandle(props.handle, props.handleLine, "VERTEX");
  prepareHandle(props.handle, props.handleLine);
  try
  {
    if (pFaces && (flags & 128) && !(flags & 64))
    {
      OdDbFaceRecordPtr pFace = OdDbFaceRecord::createObject();
      for (const DxfTag* t : m_parts.body)
        if (t->code >= 71 && t->code <= 74)
        {
          const OdUInt16 corner = static_cast<OdUInt16>(t->code - 71);
          const std::int64_t number = t->integer < 0 ? -t->integer : t->integer;
          if (!apply(t->line + 1, "VERTEX face corner",
                     [&] { pFace->setVertexAt(corner, static_cast<OdInt16>(std::min<std::int64_t>(number, 32767))); }))
            continue;
          if (t->integer < 0)
            pFace->makeEdgeInvisibleAt(corner);
        }
      pVertex = pFace;
      id = pFaces->appendFaceRecord(pFace);
    }
    else if (pFaces)
    {
      OdDbPolyFaceMeshVertexPtr v = OdDbPolyFaceMeshVertex::createObject();
      apply(start.line, "VERTEX position", [&] { v->setPosition(position); });
      pVertex = v;
      id = pFaces->appendVertex(v);
    }
    else
    {
      OdDbPolygonMeshVertexPtr v = OdDbPolygonMeshVertex::createObject();
      apply(start.line, "VERTEX position", [&] { v->setPosition(position); });
      v->setVertexType((flags & 8) ? OdDb::k3dFitVertex : (flags & 16) ? OdDb::k3dControlVertex : OdDb::k3dSimpleVertex);
      pVertex = v;
      id = static_cast<OdDbPolygonMesh*>(pMesh)->appendVertex(v);
    }
  }
  catch (const OdError& e)
  {
    repair(start.line, std::string(pFaces ? "polyface mesh" : "polygon mesh") + " VERTEX refused by its mesh (" +
                         OdError::codeText(e.code()).toUtf8() + ")",
           "dropped the VERTEX");
    noteDropped(start.line);
    return;
  }
  applyVertexProps(pVertex, props);
  placeAtHandle(id, props.handle, props.handleLine);
  noteHandle(id);
  noteSource(start.line, id);
  if (props.handle == 0)
    markMovable(id, false);
}

// A polygon mesh's M by N grid should hold the vertices it was given (surface fitting adds
// vertices beyond it). A polyface mesh's counts are not checked: files need not give them right.
// A vertex is an entity of its own: its layer, colour, linetype and the rest are what its VERTEX
// gives, the defaults where it gives none, not the ones its polyline handed it when it took it.
void DxfReader::applyVertexProps(OdDbEntity* pVertex, DxfEntityProps& props)
{
  OdDbEntityPtr pDefaults = OdDbEntity::cast(pVertex->isA()->create());
  pVertex->setPropertiesFrom(pDefaults.get(), false);
  applyEntityProps(pVertex, props, "VERTEX");
}

void DxfReader::endVertices(const OdDbObjectId& polyline)
{
  if (polyline.isNull() || m_heavyVertices != HeavyVertices::kPolygonMesh)
    return;
  OdDbPolygonMeshPtr pMesh = OdDbPolygonMesh::cast(polyline.openObject());
  if (pMesh.isNull())
    return;
  int placed = 0;
  for (OdDbObjectIteratorPtr it = pMesh->vertexIterator(); !it->done(); it->step())
  {
    OdDbPolygonMeshVertexPtr pVertex = OdDbPolygonMeshVertex::cast(it->entity());
    placed += !pVertex.isNull() && pVertex->vertexType() != OdDb::k3dFitVertex;
  }
  const int expected = pMesh->mSize() * pMesh->nSize();
  if (placed != expected)
    repair(m_meshLine,
           "polygon mesh POLYLINE " + dxfHex(static_cast<std::uint64_t>(polyline.getHandle())) + " is " +
             std::to_string(pMesh->mSize()) + " by " + std::to_string(pMesh->nSize()) + " but has " +
             std::to_string(placed) + " vertices",
           "kept the vertices as they are");
}

namespace
{
void polyline2dFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDb2dPolyline* pPolyline = static_cast<const OdDb2dPolyline*>(pObj);
  entityFields(pPolyline, "POLYLINE", out);
  out.subclass("AcDb2dPolyline", {66, 10, 20, 30, 39, 70, 40, 41, 75, 210, 220, 230});
  out.integer(66, 1);
  out.point(10, OdGePoint3d(0.0, 0.0, pPolyline->elevation()));
  if (pPolyline->thickness() != 0.0)
    out.real(39, pPolyline->thickness());
  const OdDb::Poly2dType type = pPolyline->polyType();
  const bool spline = type == OdDb::k2dQuadSplinePoly || type == OdDb::k2dCubicSplinePoly;
  out.integer(70, (pPolyline->isClosed() ? 1 : 0) | (type == OdDb::k2dFitCurvePoly ? 2 : 0) | (spline ? 4 : 0) |
                    (pPolyline->isLinetypeGenerationOn() ? 128 : 0));
  if (pPolyline->defaultStartWidth() != 0.0)
    out.real(40, pPolyline->defaultStartWidth());
  if (pPolyline->defaultEndWidth() != 0.0)
    out.real(41, pPolyline->defaultEndWidth());
  if (spline)
    out.integer(75, smoothType(true, type == OdDb::k2dQuadSplinePoly));
  const OdGeVector3d normal = pPolyline->normal();
  if (normal.x != 0.0 || normal.y != 0.0 || normal.z != 1.0)
    out.vector(210, normal);
  dxfXDataFields(pPolyline, "POLYLINE", out);
}

void polyline3dFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDb3dPolyline* pPolyline = static_cast<const OdDb3dPolyline*>(pObj);
  entityFields(pPolyline, "POLYLINE", out);
  out.subclass("AcDb3dPolyline", {66, 10, 20, 30, 70, 75});
  out.integer(66, 1);
  out.point(10, OdGePoint3d());
  const OdDb::Poly3dType type = pPolyline->polyType();
  out.integer(70, 8 | (pPolyline->isClosed() ? 1 : 0) | (type != OdDb::k3dSimplePoly ? 4 : 0));
  if (type != OdDb::k3dSimplePoly)
    out.integer(75, smoothType(true, type == OdDb::k3dQuadSplinePoly));
  dxfXDataFields(pPolyline, "POLYLINE", out);
}

void vertex2dFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDb2dVertex* pVertex = static_cast<const OdDb2dVertex*>(pObj);
  entityFields(pVertex, "VERTEX", out);
  out.subclass("AcDbVertex", {});
  out.subclass("AcDb2dVertex", {10, 20, 30, 40, 41, 42, 50, 70});
  out.point(10, pVertex->position());
  if (pVertex->startWidth() != 0.0)
    out.real(40, pVertex->startWidth());
  if (pVertex->endWidth() != 0.0)
    out.real(41, pVertex->endWidth());
  if (pVertex->bulge() != 0.0)
    out.real(42, pVertex->bulge());
  const OdDb::Vertex2dType type = pVertex->vertexType();
  out.integer(70, (type == OdDb::k2dCurveFitVertex ? 1 : 0) | (pVertex->isTangentUsed() ? 2 : 0) |
                    (type == OdDb::k2dSplineFitVertex ? 8 : 0) | (type == OdDb::k2dSplineCtlVertex ? 16 : 0));
  if (pVertex->isTangentUsed())
    out.angle(50, pVertex->tangent());
  dxfXDataFields(pVertex, "VERTEX", out);
}

void vertex3dFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDb3dPolylineVertex* pVertex = static_cast<const OdDb3dPolylineVertex*>(pObj);
  entityFields(pVertex, "VERTEX", out);
  out.subclass("AcDbVertex", {});
  out.subclass("AcDb3dPolylineVertex", {10, 20, 30, 70});
  out.point(10, pVertex->position());
  const OdDb::Vertex3dType type = pVertex->vertexType();
  out.integer(70, 32 | (type == OdDb::k3dFitVertex ? 8 : 0) | (type == OdDb::k3dControlVertex ? 16 : 0));
  dxfXDataFields(pVertex, "VERTEX", out);
}

void polyfaceFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbPolyFaceMesh* pMesh = static_cast<const OdDbPolyFaceMesh*>(pObj);
  entityFields(pMesh, "POLYLINE", out);
  out.subclass("AcDbPolyFaceMesh", {66, 10, 20, 30, 70, 71, 72});
  out.integer(66, 1);
  out.point(10, OdGePoint3d());
  out.integer(70, 64);
  out.integer(71, pMesh->numVertices());
  out.integer(72, pMesh->numFaces());
  dxfXDataFields(pMesh, "POLYLINE", out);
}

void polyfaceVertexFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbPolyFaceMeshVertex* pVertex = static_cast<const OdDbPolyFaceMeshVertex*>(pObj);
  entityFields(pVertex, "VERTEX", out);
  out.subclass("AcDbVertex", {});
  out.subclass("AcDbPolyFaceMeshVertex", {10, 20, 30, 70});
  out.point(10, pVertex->position());
  out.integer(70, 128 | 64);
  dxfXDataFields(pVertex, "VERTEX", out);
}

// A face record names its corners by vertex number, negative where the edge it starts is hidden.
void faceRecordFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbFaceRecord* pFace = static_cast<const OdDbFaceRecord*>(pObj);
  entityFields(pFace, "VERTEX", out);
  out.subclass("AcDbFaceRecord", {10, 20, 30, 70, 71, 72, 73, 74});
  out.point(10, OdGePoint3d());
  out.integer(70, 128);
  for (OdUInt16 corner = 0; corner < 4; ++corner)
  {
    OdInt16 number = 0;
    bool visible = true;
    pFace->getVertexAt(corner, number);
    pFace->isEdgeVisibleAt(corner, visible);
    if (number != 0)
      out.integer(71 + corner, visible ? number : -number);
  }
  dxfXDataFields(pFace, "VERTEX", out);
}

void polygonMeshFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbPolygonMesh* pMesh = static_cast<const OdDbPolygonMesh*>(pObj);
  entityFields(pMesh, "POLYLINE", out);
  out.subclass("AcDbPolygonMesh", {66, 10, 20, 30, 70, 71, 72, 73, 74, 75});
  out.integer(66, 1);
  out.point(10, OdGePoint3d());
  const bool fitted = pMesh->polyMeshType() != OdDb::kSimpleMesh;
  out.integer(70, 16 | (pMesh->isMClosed() ? 1 : 0) | (pMesh->isNClosed() ? 32 : 0) | (fitted ? 4 : 0));
  out.integer(71, pMesh->mSize());
  out.integer(72, pMesh->nSize());
  if (pMesh->mSurfaceDensity() != 0)
    out.integer(73, pMesh->mSurfaceDensity());
  if (pMesh->nSurfaceDensity() != 0)
    out.integer(74, pMesh->nSurfaceDensity());
  if (fitted)
    out.integer(75, pMesh->polyMeshType());
  dxfXDataFields(pMesh, "POLYLINE", out);
}

void polygonMeshVertexFields(const OdDbObject* pObj, DxfFields& out)
{
  const OdDbPolygonMeshVertex* pVertex = static_cast<const OdDbPolygonMeshVertex*>(pObj);
  entityFields(pVertex, "VERTEX", out);
  out.subclass("AcDbVertex", {});
  out.subclass("AcDbPolygonMeshVertex", {10, 20, 30, 70});
  out.point(10, pVertex->position());
  const OdDb::Vertex3dType type = pVertex->vertexType();
  out.integer(70, 64 | (type == OdDb::k3dFitVertex ? 8 : 0) | (type == OdDb::k3dControlVertex ? 16 : 0));
  dxfXDataFields(pVertex, "VERTEX", out);
}

const DxfKindWriter kPolyline2dWriter{"POLYLINE", &OdDb2dPolyline::desc, &polyline2dFields};
const DxfKindWriter kPolyline3dWriter{"POLYLINE", &OdDb3dPolyline::desc, &polyline3dFields};
const DxfKindWriter kVertex2dWriter{"VERTEX", &OdDb2dVertex::desc, &vertex2dFields};
const DxfKindWriter kVertex3dWriter{"VERTEX", &OdDb3dPolylineVertex::desc, &vertex3dFields};

const DxfKindWriter kPolyfaceWriter{"POLYLINE", &OdDbPolyFaceMesh::desc, &polyfaceFields};
const DxfKindWriter kPolyfaceVertexWriter{"VERTEX", &OdDbPolyFaceMeshVertex::desc, &polyfaceVertexFields};
const DxfKindWriter kFaceRecordWriter{"VERTEX", &OdDbFaceRecord::desc, &faceRecordFields};
const DxfKindWriter kPolygonMeshWriter{"POLYLINE", &OdDbPolygonMesh::desc, &polygonMeshFields};
const DxfKindWriter kPolygonMeshVertexWriter{"VERTEX", &OdDbPolygonMeshVertex::desc, &polygonMeshVertexFields};

const DxfKindWriters kPolylineWriters{&kPolyline2dWriter,     &kPolyline3dWriter,     &kVertex2dWriter,
                                      &kVertex3dWriter,       &kPolyfaceWriter,       &kPolyfaceVertexWriter,
                                      &kFaceRecordWriter,     &kPolygonMeshWriter,    &kPolygonMeshVertexWriter};
} // namespace

OdDbObjectIteratorPtr dxfVerticesOf(const OdDbObject* pObj)
{
  if (const OdDb2dPolyline* p2d = OdDb2dPolyline::cast(pObj).get())
    return p2d->vertexIterator();
  if (const OdDb3dPolyline* p3d = OdDb3dPolyline::cast(pObj).get())
    return p3d->vertexIterator();
  if (const OdDbPolyFaceMesh* pFaces = OdDbPolyFaceMesh::cast(pObj).get())
    return pFaces->vertexIterator();
  if (const OdDbPolygonMesh* pMesh = OdDbPolygonMesh::cast(pObj).get())
    return pMesh->vertexIterator();
  // A block reference's attributes form a sequence only when it has any.
  if (const OdDbBlockReference* pRef = OdDbBlockReference::cast(pObj).get())
  {
    OdDbObjectIteratorPtr attributes = pRef->attributeIterator();
    if (!attributes->done())
      return attributes;
  }
  return OdDbObjectIteratorPtr();
}
} // namespace kydxf
