// OdDbArc: a circular arc given by its centre (world coordinates), radius, unit normal and its
// start and end angles in the object coordinate system of the normal, kept in [0, 2pi). The arc
// runs counter-clockwise about the normal from the start angle to the end angle; its
// parameters are angles from startAngle() to endAngle() (plus 2pi when the end angle is the
// smaller). Equal angles make an arc of no sweep.
#ifndef OD_DB_ARC_H
#define OD_DB_ARC_H

#include "DbCurve.h"

class OdDbArc : public OdDbCurve
{
public:
  ODRX_DECLARE_MEMBERS(OdDbArc);

  // Centre at the origin, radius 0 (not yet set), normal along Z, both angles 0.
  OdDbArc();

  OdGePoint3d center() const;
  // Non-finite coordinates raise OdError(eInvalidInput) and leave the arc unchanged.
  void setCenter(const OdGePoint3d& center);
  double radius() const;
  // A radius that is not positive and finite raises OdError(eInvalidInput).
  void setRadius(double radius);
  double thickness() const;
  // Any finite value, zero and negative ones included.
  void setThickness(double thickness);
  OdGeVector3d normal() const;
  // Stored normalised; a zero-length or non-finite vector raises OdError(eInvalidInput). The
  // angles are kept, so the end points follow the new object coordinate system.
  void setNormal(const OdGeVector3d& normal);
  double startAngle() const;
  // Any finite angle, stored reduced into [0, 2pi); non-finite ones raise OdError(eInvalidInput).
  void setStartAngle(double startAngle);
  double endAngle() const;
  void setEndAngle(double endAngle);

  bool isClosed() const override { return false; }
  bool isPeriodic() const override { return false; }
  // startAngle().
  OdResult getStartParam(double& startParam) const override;
  // endAngle(), plus 2pi when it is below startAngle().
  OdResult getEndParam(double& endParam) const override;
  OdResult getStartPoint(OdGePoint3d& startPoint) const override;
  OdResult getEndPoint(OdGePoint3d& endPoint) const override;
  // centre + radius * (cos param, sin param) in the object coordinate system, for param in
  // [start, end] parameter.
  OdResult getPointAtParam(double param, OdGePoint3d& pointOnCurve) const override;
  OdResult getParamAtPoint(const OdGePoint3d& pointOnCurve, double& param) const override;
  // radius * (param - start parameter).
  OdResult getDistAtParam(double param, double& dist) const override;
  OdResult getParamAtDist(double dist, double& param) const override;
  OdResult getFirstDeriv(double param, OdGeVector3d& firstDeriv) const override;
  OdResult getSecondDeriv(double param, OdGeVector3d& secondDeriv) const override;
  // With extend the whole circle is searched.
  OdResult getClosestPointTo(const OdGePoint3d& givenPoint, OdGePoint3d& pointOnCurve,
                             bool extend = false) const override;
  // Area between the arc and its chord: radius^2 * (sweep - sin sweep) / 2.
  OdResult getArea(double& area) const override;
  bool isPlanar() const override { return true; }
  OdResult getPlane(OdGePlane& plane, OdDb::Planarity& planarity) const override;

  // End points and the quadrant points the arc passes, extruded by the thickness.
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;
  // Moves the centre and end points, turns the normal and scales radius and thickness; a
  // reflection keeps the normal's image and swaps the ends so the arc stays counter-clockwise.
  // eInvalidInput for non-finite entries; eNotApplicable for a non-uniform scaling, shear or
  // projection.
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  // Centre in the object coordinate system (10/20/30), radius (40), thickness (39), normal
  // (210), start and end angle (50, 51).
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  double sweep() const;
  void placeEnds();

  OdGePoint3d m_center;
  double m_radius = 0.0;
  double m_thickness = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  double m_startAngle = 0.0;
  double m_endAngle = 0.0;
  OdGePoint3d m_startPoint;
  OdGePoint3d m_endPoint;
};

typedef OdSmartPtr<OdDbArc> OdDbArcPtr;

#endif
