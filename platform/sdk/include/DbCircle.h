// OdDbCircle: a full circle given by its centre (world coordinates), radius and the unit normal
// of its plane, with a thickness along the normal. Parameters are angles from 0 to 2pi in the
// object coordinate system of the normal; parameter 0 (the start and end point) lies on its X axis.
#ifndef OD_DB_CIRCLE_H
#define OD_DB_CIRCLE_H

#include "DbCurve.h"

class OdDbCircle : public OdDbCurve
{
public:
  ODRX_DECLARE_MEMBERS(OdDbCircle);

  // Centre at the origin, radius 0 (not yet set), normal along Z.
  OdDbCircle();

  OdGePoint3d center() const;
  // Non-finite coordinates raise OdError(eInvalidInput) and leave the circle unchanged.
  void setCenter(const OdGePoint3d& center);
  double radius() const;
  // A radius that is not positive and finite raises OdError(eInvalidInput).
  void setRadius(double radius);
  double diameter() const;
  // Sets the radius to half the value (refused as setRadius).
  void setDiameter(double diameter);
  double circumference() const;
  // Sets the radius to circumference / 2pi (refused as setRadius).
  void setCircumference(double circumference);
  double thickness() const;
  // Any finite value, zero and negative ones included.
  void setThickness(double thickness);
  OdGeVector3d normal() const;
  // Stored normalised; a zero-length or non-finite vector raises OdError(eInvalidInput).
  void setNormal(const OdGeVector3d& normal);

  bool isClosed() const override { return true; }
  bool isPeriodic() const override { return true; }
  OdResult getStartParam(double& startParam) const override;
  OdResult getEndParam(double& endParam) const override;
  OdResult getStartPoint(OdGePoint3d& startPoint) const override;
  OdResult getEndPoint(OdGePoint3d& endPoint) const override;
  // Any finite parameter (the circle is periodic).
  OdResult getPointAtParam(double param, OdGePoint3d& pointOnCurve) const override;
  OdResult getParamAtPoint(const OdGePoint3d& pointOnCurve, double& param) const override;
  // radius * param for param in [0, 2pi].
  OdResult getDistAtParam(double param, double& dist) const override;
  OdResult getParamAtDist(double dist, double& param) const override;
  OdResult getFirstDeriv(double param, OdGeVector3d& firstDeriv) const override;
  OdResult getSecondDeriv(double param, OdGeVector3d& secondDeriv) const override;
  OdResult getClosestPointTo(const OdGePoint3d& givenPoint, OdGePoint3d& pointOnCurve,
                             bool extend = false) const override;
  // pi * radius^2.
  OdResult getArea(double& area) const override;
  bool isPlanar() const override { return true; }
  OdResult getPlane(OdGePlane& plane, OdDb::Planarity& planarity) const override;

  // The circle's box, extruded by the thickness along the normal.
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;
  // Moves the centre, turns the normal and scales radius and thickness. eInvalidInput for a
  // matrix with non-finite entries; eNotApplicable for one that does not keep circles circular
  // (non-uniform scaling, shear, projection).
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  // Centre in the object coordinate system (10/20/30), radius (40), thickness (39), normal (210).
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  OdGePoint3d m_center;
  double m_radius = 0.0;
  double m_thickness = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
};

typedef OdSmartPtr<OdDbCircle> OdDbCirclePtr;

#endif
