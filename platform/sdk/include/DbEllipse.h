// OdDbEllipse: a full ellipse or elliptical arc given by its centre (world coordinates), the unit
// normal of its plane, the major axis (a vector from the centre, perpendicular to the normal), the
// radius ratio minor / major in (0, 1] and a start and end parameter. The point at parameter t is
// center + cos t * majorAxis + sin t * minorAxis, with minorAxis = ratio * (normal x majorAxis).
// Angles are measured about the normal from the major axis to the point; tan(angle) =
// ratio * tan(t) in each quadrant. The start parameter lies in [0, 2pi), the end parameter in
// (start, start + 2pi]; a sweep of 2pi is the full ellipse.
#ifndef OD_DB_ELLIPSE_H
#define OD_DB_ELLIPSE_H

#include "DbCurve.h"
#include "Ge/GeGbl.h"

class OdDbEllipse : public OdDbCurve
{
public:
  ODRX_DECLARE_MEMBERS(OdDbEllipse);

  // A full ellipse about the origin in the XY plane, major axis (1, 0, 0), ratio 1.
  OdDbEllipse();

  OdGePoint3d center() const;
  // Non-finite coordinates raise OdError(eInvalidInput).
  void setCenter(const OdGePoint3d& center);
  OdGeVector3d normal() const;
  OdGeVector3d majorAxis() const;
  OdGeVector3d minorAxis() const;
  double radiusRatio() const;
  // A ratio outside (0, 1] raises OdError(eInvalidInput). The parameters are kept.
  void setRadiusRatio(double ratio);
  // Angle of the start parameter, in [0, 2pi).
  double startAngle() const;
  // Angle of the end parameter, in (startAngle(), startAngle() + 2pi].
  double endAngle() const;
  // Any finite angle; the start is reduced into [0, 2pi) and the end parameter brought into
  // (start, start + 2pi] again. Non-finite angles raise OdError(eInvalidInput).
  void setStartAngle(double angle);
  // Any finite angle; the end parameter is brought into (start, start + 2pi], so an end equal to
  // the start (modulo 2pi) makes the full ellipse.
  void setEndAngle(double angle);
  // The same with parameters (the form files keep).
  void setStartParam(double param);
  void setEndParam(double param);
  double paramAtAngle(double angle) const;
  double angleAtParam(double param) const;

  void get(OdGePoint3d& center, OdGeVector3d& unitNormal, OdGeVector3d& majorAxis, double& radiusRatio,
           double& startAngle, double& endAngle) const;
  // eInvalidInput, changing nothing, for non-finite values, a zero normal or major axis, a major
  // axis not perpendicular to the normal or a ratio outside (0, 1].
  OdResult set(const OdGePoint3d& center, const OdGeVector3d& unitNormal, const OdGeVector3d& majorAxis,
               double radiusRatio, double startAngle = 0.0, double endAngle = Oda2PI);

  bool isClosed() const override;
  bool isPeriodic() const override { return isClosed(); }
  OdResult getStartParam(double& startParam) const override;
  OdResult getEndParam(double& endParam) const override;
  OdResult getStartPoint(OdGePoint3d& startPoint) const override;
  OdResult getEndPoint(OdGePoint3d& endPoint) const override;
  // For parameters in [start, end].
  OdResult getPointAtParam(double param, OdGePoint3d& pointOnCurve) const override;
  OdResult getParamAtPoint(const OdGePoint3d& pointOnCurve, double& param) const override;
  // Arc length from the start parameter, by numeric integration.
  OdResult getDistAtParam(double param, double& dist) const override;
  OdResult getParamAtDist(double dist, double& param) const override;
  OdResult getFirstDeriv(double param, OdGeVector3d& firstDeriv) const override;
  OdResult getSecondDeriv(double param, OdGeVector3d& secondDeriv) const override;
  // Full ellipse: pi * a * b. Arc: the area between the arc and its chord,
  // a * b * (sweep - sin sweep) / 2 with the sweep in parameters.
  OdResult getArea(double& area) const override;
  bool isPlanar() const override { return true; }
  OdResult getPlane(OdGePlane& plane, OdDb::Planarity& planarity) const override;
  // End points and the points where the curve reaches an extreme world coordinate.
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;
  // Any finite transform that keeps the ellipse an ellipse with perpendicular axes (rotations,
  // reflections, uniform scaling, translations): eNotApplicable for others.
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  // Centre (10), major axis (11), normal (210), ratio (40), start and end parameter (41, 42).
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  OdGePoint3d pointAt(double param) const;
  OdGeVector3d minorVector() const;
  void placeEnd(double endParam);

  OdGePoint3d m_center;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  OdGeVector3d m_majorAxis = OdGeVector3d::kXAxis;
  double m_ratio = 1.0;
  double m_startParam = 0.0;
  double m_endParam = Oda2PI;
};

typedef OdSmartPtr<OdDbEllipse> OdDbEllipsePtr;

#endif
