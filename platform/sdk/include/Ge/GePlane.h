// Unbounded plane. Built from an origin and a normal, its u axis is the normal's arbitrary-axis
// X direction and its v axis normal x u, so a point's parameters in it are the point's object
// coordinates for that normal (relative to the origin).
#ifndef OD_GE_PLANE_H
#define OD_GE_PLANE_H

#include "Ge/GePlanarEnt.h"

class OdGePlane : public OdGePlanarEnt
{
public:
  // The XY plane.
  OdGePlane() = default;
  // Throws OdError(eInvalidInput) for a zero-length normal.
  OdGePlane(const OdGePoint3d& origin, const OdGeVector3d& normal) { set(origin, normal); }
  // Throws OdError(eInvalidInput) when the axes are parallel or zero.
  OdGePlane(const OdGePoint3d& origin, const OdGeVector3d& uAxis, const OdGeVector3d& vAxis) { set(origin, uAxis, vAxis); }
  // Through three points: u axis origin->uPnt, v axis origin->vPnt.
  OdGePlane(const OdGePoint3d& uPnt, const OdGePoint3d& origin, const OdGePoint3d& vPnt) { set(uPnt, origin, vPnt); }
  // The plane a*x + b*y + c*z + d = 0.
  OdGePlane(double a, double b, double c, double d) { set(a, b, c, d); }

  static const OdGePlane kXYPlane;
  static const OdGePlane kYZPlane;
  static const OdGePlane kZXPlane;

  OdGe::EntityId type() const override { return OdGe::kPlane; }
  bool isKindOf(OdGe::EntityId entType) const override { return entType == OdGe::kPlane || OdGePlanarEnt::isKindOf(entType); }
  OdGeEntity3d* copy() const override { return new OdGePlane(*this); }

  OdGePlane& set(const OdGePoint3d& origin, const OdGeVector3d& normal);
  OdGePlane& set(const OdGePoint3d& origin, const OdGeVector3d& uAxis, const OdGeVector3d& vAxis);
  OdGePlane& set(const OdGePoint3d& uPnt, const OdGePoint3d& origin, const OdGePoint3d& vPnt);
  OdGePlane& set(double a, double b, double c, double d);

  // Distance along the unit normal: positive on the side the normal points to.
  double signedDistanceTo(const OdGePoint3d& point) const { return m_normal.dotProduct(point - m_origin); }
  // Coefficients of a*x + b*y + c*z + d = 0 with (a, b, c) the unit normal.
  void getCoefficients(double& a, double& b, double& c, double& d) const;
};

#endif
