// CKyVertexPE and CKyVertexInfo: a heavy polyline's vertex shows the general entity rows only.
// Also the vertex walk the 2D and 3D polyline extensions share: the palette counts only the
// vertices a user placed, so indices, the selector and the per-vertex rows skip generated ones.
#ifndef KY_VERTEX_PE_H
#define KY_VERTEX_PE_H

#include "DbObjectIterator.h"
#include "DbVertex.h"
#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"

class CKyVertexPE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyVertexPE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;
};

class CKyVertexInfo : public CKyPrintObjectInfoPE
{
public:
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

// Counted: placed by a user. 2D: simple and spline control vertices; 3D: all but fit vertices.
inline bool KyIsCountedVertex(const OdDb2dVertex* vertex)
{
  const OdDb::Vertex2dType type = vertex->vertexType();
  return type == OdDb::k2dVertex || type == OdDb::k2dSplineCtlVertex;
}
inline bool KyIsCountedVertex(const OdDb3dPolylineVertex* vertex)
{
  return vertex->vertexType() != OdDb::k3dFitVertex;
}

// The counted vertex with the zero-based index among the counted ones, open for read; null when
// there is none. A vertex of another class raises OdError_NotThatKindOfClass.
template <class Vertex, class Polyline>
OdSmartPtr<Vertex> KyCountedVertex(const Polyline* polyline, int index)
{
  int count = 0;
  for (OdDbObjectIteratorPtr it = polyline->vertexIterator(); !it->done(); it->step())
  {
    const OdSmartPtr<Vertex> vertex = it->entity(OdDb::kForRead);
    if (!KyIsCountedVertex(vertex.get()))
      continue;
    if (count++ == index)
      return vertex;
  }
  return OdSmartPtr<Vertex>();
}

template <class Vertex, class Polyline>
int KyCountedVertexCount(const Polyline* polyline)
{
  int count = 0;
  for (OdDbObjectIteratorPtr it = polyline->vertexIterator(); !it->done(); it->step())
  {
    const OdSmartPtr<Vertex> vertex = it->entity(OdDb::kForRead);
    count += KyIsCountedVertex(vertex.get()) ? 1 : 0;
  }
  return count;
}

// Writes through `write(vertex)` with the vertex upgraded to write for the call and brought back
// to read afterwards (a vertex the caller already had open for write stays so).
template <class Vertex, class Write>
void KyWriteVertex(Vertex* vertex, Write write)
{
  const bool wasWritable = vertex->isWriteEnabled();
  if (!wasWritable)
    vertex->upgradeOpen();
  write(vertex);
  if (!wasWritable)
    vertex->downgradeOpen();
}

// Segments per span for spline fitting: the drawing's setting (its magnitude), 8 where there
// is none.
OdInt16 KySplineSegmentsOf(const OdDbObject* object);

#endif
