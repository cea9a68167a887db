// OdDb2dPolyline: the heavy 2D polyline. Its vertices (OdDb2dVertex) are database objects owned
// by it, reached through vertexIterator(); their positions lie in the object coordinate system
// of the normal, at the polyline's elevation. The drawn path runs through the simple and
// curve-fit vertices of a simple or curve-fitted polyline, and through the generated spline-fit
// vertices of a spline-fitted one (its control vertices only frame the spline).
//
// Fitting really changes the vertices: curveFit() inserts one curve-fit vertex into every
// segment and gives the segments bulges through it, splineFit() turns the placed vertices into
// control vertices and appends the sampled points of a uniform B-spline over them as spline-fit
// vertices, straighten() removes every generated vertex. The placed vertices keep their ids.
//
// Parameters: path vertex i is at parameter i; segments are lines or bulge arcs (tan(sweep/4)).
#ifndef OD_DB_2D_POLYLINE_H
#define OD_DB_2D_POLYLINE_H

#include "DbCurve.h"
#include "DbVertex.h"

class OdDb2dPolyline : public OdDbCurve
{
public:
  ODRX_DECLARE_MEMBERS(OdDb2dPolyline);

  // No vertices, open, simple, normal along Z, elevation, thickness and widths 0.
  OdDb2dPolyline();

  OdDb::Poly2dType polyType() const;
  // Converts: straighten, curveFit or splineFit with the drawing's segment count.
  void setPolyType(OdDb::Poly2dType type);
  // Sets the type alone, without fitting: for vertices that already are what the type says (a
  // file gives the generated vertices with the polyline).
  void setPolyTypeOnly(OdDb::Poly2dType type);

  // Appends the vertex (it must be new) with its type, a simple vertex becoming a control vertex
  // on a spline-fitted polyline; it gets the polyline's elevation as its Z. The id is null while the
  // polyline is not in a database.
  OdDbObjectId appendVertex(OdDb2dVertex* pVertex);
  OdDbObjectIteratorPtr vertexIterator() const;
  // The vertex's position in world coordinates.
  OdGePoint3d vertexPosition(const OdDb2dVertex& vertex) const;

  // Removes the generated vertices; the placed ones become simple vertices.
  void straighten();
  void curveFit();
  // The drawing's spline segments (8 without a drawing), cubic.
  void splineFit();
  // type k2dQuadSplinePoly or k2dCubicSplinePoly and segments > 0, else OdError(eInvalidInput).
  void splineFit(OdDb::Poly2dType splineType, OdInt16 splineSegs);

  bool isClosed() const override;
  // A fitted polyline is fitted again over its new shape.
  void makeClosed();
  void makeOpen();
  bool isLinetypeGenerationOn() const;
  void setLinetypeGenerationOn();
  void setLinetypeGenerationOff();

  OdGeVector3d normal() const;
  // Stored normalised; a zero or non-finite vector raises OdError(eInvalidInput).
  void setNormal(const OdGeVector3d& normal);
  double elevation() const;
  // Also moves every vertex to the new elevation.
  void setElevation(double elevation);
  double thickness() const;
  void setThickness(double thickness);
  // Widths new vertices take in DXF (40/41 of the polyline); negative raises eInvalidInput.
  double defaultStartWidth() const;
  void setDefaultStartWidth(double width);
  double defaultEndWidth() const;
  void setDefaultEndWidth(double width);

  OdResult getStartParam(double& startParam) const override;
  // The number of path segments.
  OdResult getEndParam(double& endParam) const override;
  OdResult getStartPoint(OdGePoint3d& startPoint) const override;
  OdResult getEndPoint(OdGePoint3d& endPoint) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& pointOnCurve) const override;
  OdResult getDistAtParam(double param, double& dist) const override;
  // Enclosed area with the circular segments of arcs, positive; an open polyline counts as
  // closed by a straight segment.
  OdResult getArea(double& area) const override;
  bool isPlanar() const override { return true; }
  OdResult getPlane(OdGePlane& plane, OdDb::Planarity& planarity) const override;
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;

  // Flags (70: 1 closed, 2 curve-fit, 4 spline-fit, 128 linetype generation), default widths,
  // smooth type (75), elevation, thickness, normal; the vertices write their own fields.
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  // Copies the state and copies of the vertices (as new objects).
  void copyFrom(const OdRxObject* pSource) override;

protected:
  OdResult subErase(bool erasing) override;

private:
  friend class OdDbObjectAccess;
  struct PathVertex
  {
    OdGePoint2d point;
    double bulge;
  };
  std::vector<PathVertex> path() const;
  unsigned int segCount(unsigned int pathSize) const;
  std::vector<OdDb2dVertexPtr> openAll(OdDb::OpenMode mode) const;
  void removeGenerated();
  void refit();

  OdDbVertexChain m_vertices;
  OdDb::Poly2dType m_polyType = OdDb::k2dSimplePoly;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  double m_elevation = 0.0;
  double m_thickness = 0.0;
  double m_defaultStartWidth = 0.0;
  double m_defaultEndWidth = 0.0;
  OdInt16 m_splineSegs = 8;
  bool m_closed = false;
  bool m_plinegen = false;
};

typedef OdSmartPtr<OdDb2dPolyline> OdDb2dPolylinePtr;

#endif
