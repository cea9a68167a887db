// OdDbFace: the 3D face, three or four corners (world coordinates) anywhere in space, with a
// visibility flag per edge. Edge i runs from corner i to corner i + 1 (edge 3 back to corner 0).
#ifndef OD_DB_FACE_H
#define OD_DB_FACE_H

#include "DbEntity.h"

class OdDbFace : public OdDbEntity
{
public:
  ODRX_DECLARE_MEMBERS(OdDbFace);

  // All corners at the origin, every edge visible.
  OdDbFace();
  OdDbFace(const OdGePoint3d& pt0, const OdGePoint3d& pt1, const OdGePoint3d& pt2, const OdGePoint3d& pt3,
           bool e0vis = true, bool e1vis = true, bool e2vis = true, bool e3vis = true);

  // Corner 0 to 3; eInvalidIndex for any other index.
  OdResult getVertexAt(OdUInt16 index, OdGePoint3d& point) const;
  // eInvalidIndex for an index above 3, eInvalidInput for a non-finite point.
  OdResult setVertexAt(OdUInt16 index, const OdGePoint3d& point);
  // Edge 0 to 3; eInvalidIndex for any other index.
  OdResult isEdgeVisibleAt(OdUInt16 index, bool& visible) const;
  OdResult makeEdgeVisibleAt(OdUInt16 index);
  OdResult makeEdgeInvisibleAt(OdUInt16 index);

  OdResult getGeomExtents(OdGeExtents3d& extents) const override;
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  OdResult setEdgeVisibility(OdUInt16 index, bool visible);

  OdGePoint3d m_corners[4];
  bool m_visible[4] = {true, true, true, true};
};

typedef OdSmartPtr<OdDbFace> OdDbFacePtr;

#endif
