// OdDbMline: a multiline, parallel lines (the elements of its style) along a chain of vertices
// in world coordinates, in the plane of its normal. Each element lies at its style offset times
// the scale to the left of the vertex line (seen from the normal), shifted by the justification
// so that the top element (kTop), the offset 0 (kZero) or the bottom element (kBottom) runs on
// the vertices. Per vertex the multiline keeps the direction of the segment that starts there,
// the miter direction (the bisector the elements turn on) and per element its parameters: the
// distance along the miter from the vertex to the element, then 0 (the element starts there and
// has no breaks). These are recomputed from the vertices, the style, the scale and the
// justification whenever one of them is set; a style that does not open counts as one element at
// offset 0, so such a multiline is its vertex line.
#ifndef OD_DB_MLINE_H
#define OD_DB_MLINE_H

#include <vector>

#include "DbEntity.h"
#include "Ge/GePoint3dArray.h"
#include "Ge/GeVector3d.h"
#include "OdArray.h"

namespace Mline
{
enum MlineJustification
{
  kTop = 0,
  kZero = 1,
  kBottom = 2
};
}

// The parameters of one element at one vertex.
struct OdMLSegment
{
  OdGeDoubleArray segParams;
  OdGeDoubleArray areaFillParams;
};
typedef OdArray<OdMLSegment> OdMLSegmentArray;

class OdDbMline : public OdDbEntity
{
public:
  ODRX_DECLARE_MEMBERS(OdDbMline);

  // No vertices, no style, justification kTop, scale 1, normal +Z, open, caps drawn.
  OdDbMline();

  OdDbObjectId style() const;
  // Any id; the elements follow the style when it opens.
  void setStyle(const OdDbObjectId& styleId);
  Mline::MlineJustification justification() const;
  // Codes other than kTop, kZero, kBottom raise OdError(eInvalidInput).
  void setJustification(Mline::MlineJustification justification);
  double scale() const;
  // Any finite value (0 and negative ones included: the elements close up or swap sides).
  void setScale(double scale);
  OdGeVector3d normal() const;
  // Stored normalised; a zero or non-finite vector raises OdError(eInvalidInput).
  void setNormal(const OdGeVector3d& normal);

  bool closedMline() const;
  void setClosedMline(bool closed);
  bool suppressStartCaps() const;
  void setSuppressStartCaps(bool suppress);
  bool suppressEndCaps() const;
  void setSuppressEndCaps(bool suppress);

  int numVertices() const;
  // An index out of range raises OdError(eInvalidIndex).
  OdGePoint3d vertexAt(int index) const;
  // Non-finite points raise OdError(eInvalidInput), bad indices OdError(eInvalidIndex); the
  // multiline is unchanged then.
  void appendSeg(const OdGePoint3d& point);
  // Virtual so that a derived class can follow the edits of single vertices.
  virtual void moveVertexAt(int index, const OdGePoint3d& point);
  // Removes the last vertex and gives it; eInvalidInput without vertices.
  OdResult removeLastSeg(OdGePoint3d& lastPoint);

  // Unit direction of the segment that starts at the vertex (of the closing segment at the last
  // vertex of a closed multiline, of the last segment at the end of an open one).
  OdGeVector3d axisAt(int index) const;
  // Unit miter direction at the vertex.
  OdGeVector3d miterAt(int index) const;
  // One entry per element of the style, highest offset first.
  void getParametersAt(int index, OdMLSegmentArray& params) const;
  // The number of elements the geometry was computed with (1 when the style does not open).
  int numElements() const;
  // The start of element `element` at the vertex: the vertex moved along the miter by the
  // element's first parameter.
  OdGePoint3d elementPointAt(int index, int element) const;

  // The vertices and the ends of every element at every vertex; eInvalidExtents without vertices.
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;
  // Rotations, reflections (the normal turns over so the elements stay where the reflection puts
  // them), uniform scaling (the scale follows) and translations; eNotApplicable for others.
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  // Style (340), scale (40), justification (70), flags (71), vertex and element counts (72, 73),
  // normal (210), then per vertex its position (11), segment and miter directions (12, 13) and
  // per element its parameter count (74) and parameters (41).
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  struct Vertex
  {
    OdGePoint3d point;
    OdGeVector3d axis;
    OdGeVector3d miter;
    std::vector<double> distances; // along the miter, one per element
  };
  void checkIndex(int index) const;
  // The element offsets of the style, or {0} when it does not open.
  std::vector<double> elementOffsets() const;
  // What the elements are computed from besides the vertices: the style's offsets and cap
  // angles and the justification's shift.
  struct Frame
  {
    std::vector<double> offsets;
    double shift = 0.0;
    double startAngle = 1.57079632679489661923;
    double endAngle = 1.57079632679489661923;
    bool operator==(const Frame& o) const
    {
      return offsets == o.offsets && shift == o.shift && startAngle == o.startAngle && endAngle == o.endAngle;
    }
  };
  Frame frame() const;
  int segmentCount() const;
  OdGeVector3d segmentDirection(int segment) const;
  void updateVertex(int index, const Frame& frame);
  // Recomputes the directions and parameters of every vertex.
  void recompute();
  // Recomputes the vertices a change of this vertex reaches (all when the frame changed); false
  // when one of their parameters is not finite.
  bool recomputeAround(int vertex);
  bool allFinite(int first, int last) const;
  // The values a change may touch, to put back when its geometry is not finite.
  struct Saved
  {
    OdDbObjectId style;
    Mline::MlineJustification justification;
    double scale;
    OdGeVector3d normal;
    bool closed;
    std::vector<Vertex> vertices;
  };
  Saved saved() const;
  // Recomputes; when a parameter is not finite, restores `previous` and raises eInvalidInput.
  void commit(const Saved& previous);

  OdDbObjectId m_style;
  Mline::MlineJustification m_justification = Mline::kTop;
  double m_scale = 1.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  bool m_closed = false;
  bool m_suppressStart = false;
  bool m_suppressEnd = false;
  std::vector<Vertex> m_vertices;
  int m_elements = 1;
  Frame m_frame;
};

typedef OdSmartPtr<OdDbMline> OdDbMlinePtr;

#endif
