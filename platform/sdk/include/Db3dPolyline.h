// OdDb3dPolyline: the heavy 3D polyline, straight segments through world points. Its vertices
// (OdDb3dPolylineVertex) are database objects owned by it. splineFit() turns the placed vertices
// into control vertices and appends the sampled points of a uniform B-spline over them as fit
// vertices, which then form the drawn path; straighten() removes the fit vertices again.
#ifndef OD_DB_3D_POLYLINE_H
#define OD_DB_3D_POLYLINE_H

#include "DbCurve.h"
#include "DbVertex.h"

class OdDb3dPolyline : public OdDbCurve
{
public:
  ODRX_DECLARE_MEMBERS(OdDb3dPolyline);

  OdDb3dPolyline();

  OdDb::Poly3dType polyType() const;
  void setPolyType(OdDb::Poly3dType type);
  // Sets the type alone, without fitting: for vertices that already are what the type says (a
  // file gives the generated vertices with the polyline).
  void setPolyTypeOnly(OdDb::Poly3dType type);

  // Appends the vertex (it must be new) with its type, a simple vertex becoming a control vertex
  // on a spline-fitted polyline.
  OdDbObjectId appendVertex(OdDb3dPolylineVertex* pVertex);
  OdDbObjectIteratorPtr vertexIterator() const;

  void straighten();
  // The drawing's spline segments (8 without a drawing), cubic.
  void splineFit();
  // type k3dQuadSplinePoly or k3dCubicSplinePoly and segments > 0, else OdError(eInvalidInput).
  void splineFit(OdDb::Poly3dType splineType, OdInt16 splineSegs);

  bool isClosed() const override;
  void makeClosed();
  void makeOpen();

  OdResult getStartParam(double& startParam) const override;
  OdResult getEndParam(double& endParam) const override;
  OdResult getStartPoint(OdGePoint3d& startPoint) const override;
  OdResult getEndPoint(OdGePoint3d& endPoint) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& pointOnCurve) const override;
  OdResult getDistAtParam(double param, double& dist) const override;
  // Area of the path closed by a straight segment, measured in its best-fit plane (Newell).
  OdResult getArea(double& area) const override;
  bool isPlanar() const override;
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;

  // Flags (70: 8 always, 1 closed, 4 spline-fit) and smooth type (75).
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

protected:
  OdResult subErase(bool erasing) override;

private:
  friend class OdDbObjectAccess;
  std::vector<OdGePoint3d> path() const;
  std::vector<OdDb3dPolylineVertexPtr> openAll(OdDb::OpenMode mode) const;
  void removeGenerated();

  OdDbVertexChain m_vertices;
  OdDb::Poly3dType m_polyType = OdDb::k3dSimplePoly;
  OdInt16 m_splineSegs = 8;
  bool m_closed = false;
};

typedef OdSmartPtr<OdDb3dPolyline> OdDb3dPolylinePtr;

#endif
