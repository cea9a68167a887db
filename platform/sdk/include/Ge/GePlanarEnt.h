// Base of the planar surfaces: an origin and two independent axes u and v span the surface;
// the point at parameters (s, t) is origin + s * u + t * v, and the normal is the unit u x v.
#ifndef OD_GE_PLANAR_ENT_H
#define OD_GE_PLANAR_ENT_H

#include "Ge/GeEntity3d.h"

class OdGePlanarEnt : public OdGeEntity3d
{
public:
  bool isKindOf(OdGe::EntityId entType) const override
  {
    return entType == OdGe::kPlanarEnt || entType == OdGe::kSurface || OdGeEntity3d::isKindOf(entType);
  }
  OdGeEntity3d& transformBy(const OdGeMatrix3d& xfm) override;
  // True when the point lies on the (unbounded) plane of this entity.
  bool isOn(const OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const override;

  OdGePoint3d pointOnPlane() const { return m_origin; }
  OdGeVector3d normal() const { return m_normal; }
  void getCoordSystem(OdGePoint3d& origin, OdGeVector3d& axis1, OdGeVector3d& axis2) const
  {
    origin = m_origin;
    axis1 = m_uAxis;
    axis2 = m_vAxis;
  }
  void get(OdGePoint3d& origin, OdGeVector3d& uAxis, OdGeVector3d& vAxis) const { getCoordSystem(origin, uAxis, vAxis); }
  // Three points: the ends of the axes and the origin.
  void get(OdGePoint3d& uPnt, OdGePoint3d& origin, OdGePoint3d& vPnt) const
  {
    uPnt = m_origin + m_uAxis;
    origin = m_origin;
    vPnt = m_origin + m_vAxis;
  }

  OdGePoint3d evalPoint(const OdGePoint2d& param) const { return m_origin + m_uAxis * param.x + m_vAxis * param.y; }
  // Parameters of the point projected onto the plane.
  OdGePoint2d paramOf(const OdGePoint3d& point) const;
  // Foot of the perpendicular from the point.
  OdGePoint3d closestPointTo(const OdGePoint3d& point) const;
  double distanceTo(const OdGePoint3d& point) const { return closestPointTo(point).distanceTo(point); }
  // Projection of the point along unitDir; false when the direction is parallel to the plane.
  bool project(const OdGePoint3d& p, const OdGeVector3d& unitDir, OdGePoint3d& projP,
               const OdGeTol& tol = OdGeContext::gTol) const;

  bool isParallelTo(const OdGePlanarEnt& plane, const OdGeTol& tol = OdGeContext::gTol) const;
  bool isPerpendicularTo(const OdGePlanarEnt& plane, const OdGeTol& tol = OdGeContext::gTol) const;
  bool isCoplanarTo(const OdGePlanarEnt& plane, const OdGeTol& tol = OdGeContext::gTol) const;

protected:
  OdGePlanarEnt() = default;
  // Throws OdError(eInvalidInput) when the axes are parallel or zero.
  void setAxes(const OdGePoint3d& origin, const OdGeVector3d& uAxis, const OdGeVector3d& vAxis);

  OdGePoint3d m_origin;
  OdGeVector3d m_uAxis = OdGeVector3d::kXAxis;
  OdGeVector3d m_vAxis = OdGeVector3d::kYAxis;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
};

#endif
