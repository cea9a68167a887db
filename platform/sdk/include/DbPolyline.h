// OdDbPolyline: the lightweight polyline, a chain of 2D vertices in the object coordinate
// system of its normal at one elevation. Vertex i starts segment i, which ends at vertex i+1
// (the last segment of a closed polyline returns to vertex 0): a straight segment for bulge 0,
// otherwise an arc whose bulge is tan(sweep / 4), positive turning counter-clockwise about the
// normal. Each vertex holds the start and end width of its segment.
//
// Constant width: a stored value. setConstantWidth(w) gives every vertex the widths w/w; any
// vertex given other widths (setWidthsAt, addVertexAt with explicit widths) resets the stored
// constant width to 0, so a non-zero constant width always equals every vertex's widths.
//
// Parameters: vertex i is at parameter i, parameter i + t lies inside segment i (linear along a
// line, linear in angle along an arc). Segment and vertex indices out of range raise
// OdError_InvalidIndex; non-finite input raises OdError(eInvalidInput) and changes nothing.
#ifndef OD_DB_POLYLINE_H
#define OD_DB_POLYLINE_H

#include <cmath>

#include "DbCurve.h"
#include "Ge/GeCircArc2d.h"
#include "Ge/GeCircArc3d.h"
#include "Ge/GeLineSeg2d.h"
#include "Ge/GeLineSeg3d.h"
#include "OdArray.h"

class OdDbPolyline : public OdDbCurve
{
public:
  ODRX_DECLARE_MEMBERS(OdDbPolyline);

  enum SegType
  {
    kLine = 0,
    kArc = 1,
    // A segment whose end vertex coincides with its start vertex.
    kCoincident = 2,
    // The only segment of a single-vertex polyline.
    kPoint = 3,
    // No such segment (index past the last segment, or no vertices).
    kEmpty = 4
  };

  // No vertices, open, normal along Z, elevation, thickness and constant width 0.
  OdDbPolyline();

  unsigned int numVerts() const;
  // Inserts before vertexIndex (an index past the last vertex appends). Negative widths mean
  // "the constant width". Non-finite values raise OdError(eInvalidInput).
  void addVertexAt(unsigned int vertexIndex, const OdGePoint2d& point, double bulge = 0.0,
                   double startWidth = -1.0, double endWidth = -1.0);
  void removeVertexAt(unsigned int vertexIndex);
  // With reuse the first numVerts vertices are kept (a polyline with fewer keeps them all);
  // without it every vertex is removed and room is made for numVerts new ones.
  void reset(bool reuse, unsigned int numVerts);

  // The vertex in the object coordinate system.
  void getPointAt(unsigned int vertexIndex, OdGePoint2d& point) const;
  // The vertex in world coordinates: (x, y, elevation) taken out of the object coordinate system.
  void getPointAt(unsigned int vertexIndex, OdGePoint3d& point) const;
  void setPointAt(unsigned int vertexIndex, const OdGePoint2d& point);
  double getBulgeAt(unsigned int vertexIndex) const;
  void setBulgeAt(unsigned int vertexIndex, double bulge);
  void getWidthsAt(unsigned int vertexIndex, double& startWidth, double& endWidth) const;
  // Negative or non-finite widths raise OdError(eInvalidInput).
  void setWidthsAt(unsigned int vertexIndex, double startWidth, double endWidth);

  double getConstantWidth() const;
  // Every vertex gets the width at both ends; a negative or non-finite width raises
  // OdError(eInvalidInput).
  void setConstantWidth(double width);
  // Some vertex has a non-zero width.
  bool hasWidth() const;
  bool hasBulges() const;
  // No arc segments.
  bool isOnlyLines() const;

  double elevation() const;
  void setElevation(double elevation);
  OdGeVector3d normal() const;
  // Stored normalised; a zero-length or non-finite vector raises OdError(eInvalidInput). The
  // vertices keep their object coordinates.
  void setNormal(const OdGeVector3d& normal);
  double thickness() const;
  void setThickness(double thickness);
  void setClosed(bool closed);
  // Linetype pattern generated continuously through the vertices.
  bool hasPlinegen() const;
  void setPlinegen(bool plinegen);

  // Segments are indexed by their start vertex: numVerts() - 1 for an open polyline,
  // numVerts() for a closed one (none when there are fewer than two vertices).
  SegType segType(unsigned int index) const;
  // The segment of a line (or coincident) segment; OdError_InvalidIndex for an index that is
  // not a segment, OdError(eNotApplicable) for an arc segment.
  void getLineSegAt(unsigned int index, OdGeLineSeg2d& line) const;
  void getLineSegAt(unsigned int index, OdGeLineSeg3d& line) const;
  // The arc of an arc segment; OdError_InvalidIndex for an index that is not a segment,
  // OdError(eNotApplicable) for a segment that is not an arc. The 2D arc is in object
  // coordinates (clockwise for a negative bulge); the 3D arc runs counter-clockwise about the
  // normal, or about the reversed normal for a negative bulge, from the segment's start.
  void getArcSegAt(unsigned int index, OdGeCircArc2d& arc) const;
  void getArcSegAt(unsigned int index, OdGeCircArc3d& arc) const;

  bool isClosed() const override;
  bool isPeriodic() const override { return false; }
  // 0.
  OdResult getStartParam(double& startParam) const override;
  // The number of segments.
  OdResult getEndParam(double& endParam) const override;
  // eDegenerateGeometry for a polyline without vertices.
  OdResult getStartPoint(OdGePoint3d& startPoint) const override;
  OdResult getEndPoint(OdGePoint3d& endPoint) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& pointOnCurve) const override;
  OdResult getParamAtPoint(const OdGePoint3d& pointOnCurve, double& param) const override;
  // Length along the segments (arc length for arc segments) up to the parameter.
  OdResult getDistAtParam(double param, double& dist) const override;
  OdResult getParamAtDist(double dist, double& param) const override;
  OdResult getFirstDeriv(double param, OdGeVector3d& firstDeriv) const override;
  OdResult getSecondDeriv(double param, OdGeVector3d& secondDeriv) const override;
  // With extend the first and last segments of an open polyline continue beyond its ends.
  OdResult getClosestPointTo(const OdGePoint3d& givenPoint, OdGePoint3d& pointOnCurve,
                             bool extend = false) const override;
  // Enclosed area including the circular segments of arcs, as a positive number; an open
  // polyline counts as closed by a straight segment from its last vertex to its first.
  OdResult getArea(double& area) const override;
  bool isPlanar() const override { return true; }
  OdResult getPlane(OdGePlane& plane, OdDb::Planarity& planarity) const override;

  // The centre line (vertices and the extremes of arc segments), extruded by the thickness;
  // widths are not included. eInvalidExtents without vertices.
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;
  // Moves the vertices, turns the normal and scales widths and thickness; a reflection keeps
  // the normal's image and negates the bulges. eInvalidInput for non-finite entries;
  // eNotApplicable for a non-uniform scaling, shear or projection.
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  // Vertex count (90), flags (70: 1 closed, 128 linetype generation), constant width (43),
  // elevation (38), thickness (39), per vertex 10/20, 40, 41, 42, and the normal (210).
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  struct Vertex
  {
    OdGePoint2d point;
    double bulge = 0.0;
  };
  struct Widths
  {
    double start = 0.0;
    double end = 0.0;
  };

  // The vertices live in the database's pool of small blocks (DbPolyline.cpp).
  static void* allocateVertexBlock(std::size_t bytes);
  static void releaseVertexBlock(void* p, std::size_t bytes);
  template <class T>
  struct VertexAllocator
  {
    typedef T value_type;
    VertexAllocator() = default;
    template <class U>
    VertexAllocator(const VertexAllocator<U>&)
    {
    }
    T* allocate(std::size_t n) { return static_cast<T*>(allocateVertexBlock(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) { releaseVertexBlock(p, n * sizeof(T)); }
    template <class U>
    bool operator==(const VertexAllocator<U>&) const
    {
      return true;
    }
    template <class U>
    bool operator!=(const VertexAllocator<U>&) const
    {
      return false;
    }
  };
  // Points and bulges with OdArray's checked indexing. Widths are kept apart, and only once a
  // vertex has a width other than +0: most polylines have none.
  class VertexList
  {
  public:
    unsigned int size() const { return static_cast<unsigned int>(m_v.size()); }
    bool isEmpty() const { return m_v.empty(); }
    Vertex& operator[](unsigned int i) { check(i); return m_v[i]; }
    const Vertex& operator[](unsigned int i) const { check(i); return m_v[i]; }
    void insertAt(unsigned int i, const Vertex& v, const Widths& w)
    {
      if (i > size())
        throw OdError_InvalidIndex();
      m_v.insert(m_v.begin() + i, v);
      if (m_w.empty() && isNone(w))
        return;
      try
      {
        m_w.resize(m_v.size() - 1);
        m_w.insert(m_w.begin() + i, w);
      }
      catch (...)
      {
        m_v.erase(m_v.begin() + i);
        throw;
      }
    }
    void removeAt(unsigned int i)
    {
      check(i);
      m_v.erase(m_v.begin() + i);
      if (!m_w.empty())
        m_w.erase(m_w.begin() + i);
    }
    void clear()
    {
      m_v.clear();
      m_w.clear();
    }
    void reserve(unsigned int n) { m_v.reserve(n); }
    void resize(unsigned int n)
    {
      m_v.resize(n);
      if (!m_w.empty())
        m_w.resize(n);
    }
    Widths widths(unsigned int i) const
    {
      check(i);
      return m_w.empty() ? Widths() : m_w[i];
    }
    void setWidths(unsigned int i, const Widths& w)
    {
      check(i);
      if (m_w.empty() && isNone(w))
        return;
      m_w.resize(m_v.size());
      m_w[i] = w;
    }
    void setAllWidths(double width)
    {
      m_w.clear();
      if (!isNone(Widths{width, width}))
        m_w.assign(m_v.size(), Widths{width, width});
    }
    bool hasWidth() const
    {
      for (const Widths& w : m_w)
        if (w.start != 0.0 || w.end != 0.0)
          return true;
      return false;
    }
    void scaleWidths(double scale)
    {
      for (Widths& w : m_w)
      {
        w.start *= scale;
        w.end *= scale;
      }
    }

  private:
    // Both widths +0 (a -0 is kept as given).
    static bool isNone(const Widths& w)
    {
      return w.start == 0.0 && w.end == 0.0 && !std::signbit(w.start) && !std::signbit(w.end);
    }
    void check(unsigned int i) const
    {
      if (i >= m_v.size())
        throw OdError_InvalidIndex();
    }
    std::vector<Vertex, VertexAllocator<Vertex>> m_v;
    // Empty, or one entry per vertex.
    std::vector<Widths, VertexAllocator<Widths>> m_w;
  };

  unsigned int numSegs() const;
  void checkVertex(unsigned int vertexIndex) const;
  void checkSegment(unsigned int index) const;
  // Segment geometry in object coordinates (index must be a segment).
  OdGePoint2d segEnd(unsigned int index) const;
  OdGePoint3d toWorld(const OdGePoint2d& point) const;
  // Segment index and t for a parameter in [0, numSegs()]; false when out of range.
  bool splitParam(double param, unsigned int& index, double& t) const;
  // Resets the constant width when the widths no longer all equal it.
  void syncConstantWidth(double startWidth, double endWidth);

  VertexList m_vertices;
  double m_constantWidth = 0.0;
  double m_elevation = 0.0;
  double m_thickness = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  bool m_closed = false;
  bool m_plinegen = false;
};

typedef OdSmartPtr<OdDbPolyline> OdDbPolylinePtr;

#endif
