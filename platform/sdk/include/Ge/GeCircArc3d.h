// Circular arc in space. Parameters are angles measured counter-clockwise about the unit normal
// from the unit reference vector (perpendicular to the normal): the point at angle a is
// center + r * (cos a * ref + sin a * (normal x ref)). Without a given reference vector it is
// the normal's arbitrary-axis X direction, so the angles are those of the object coordinate
// system. startAng() < endAng() always; the sweep is endAng() - startAng(), at most 2pi.
#ifndef OD_GE_CIRCARC3D_H
#define OD_GE_CIRCARC3D_H

#include "Ge/GeCurve3d.h"
#include "Ge/GePlane.h"

class OdGeCircArc3d : public OdGeCurve3d
{
public:
  // The full unit circle about the origin in the XY plane.
  OdGeCircArc3d() = default;
  // A full circle. Throws OdError(eInvalidInput) for a negative radius or a zero normal.
  OdGeCircArc3d(const OdGePoint3d& center, const OdGeVector3d& normal, double radius) { set(center, normal, radius); }
  // Throws OdError(eInvalidInput) for a negative radius, a zero normal or a reference vector
  // parallel to the normal; the reference vector is projected into the arc's plane.
  OdGeCircArc3d(const OdGePoint3d& center, const OdGeVector3d& normal, const OdGeVector3d& refVec, double radius,
                double startAng = 0.0, double endAng = Oda2PI)
  {
    set(center, normal, refVec, radius, startAng, endAng);
  }
  // The arc from startPoint through secondPoint to endPoint; its normal makes the run
  // counter-clockwise. Throws OdError(eDegenerateGeometry) for collinear points.
  OdGeCircArc3d(const OdGePoint3d& startPoint, const OdGePoint3d& secondPoint, const OdGePoint3d& endPoint)
  {
    set(startPoint, secondPoint, endPoint);
  }

  OdGe::EntityId type() const override { return OdGe::kCircArc3d; }
  bool isKindOf(OdGe::EntityId entType) const override
  {
    return entType == OdGe::kCircArc3d || OdGeCurve3d::isKindOf(entType);
  }
  OdGeEntity3d* copy() const override { return new OdGeCircArc3d(*this); }
  // Keeps a circle: throws OdError(eNotApplicable) for a non-uniform scaling or a shear.
  OdGeEntity3d& transformBy(const OdGeMatrix3d& xfm) override;
  bool isOn(const OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const override;

  void getInterval(OdGeInterval& interval) const override { interval.set(m_startAng, m_endAng); }
  OdGePoint3d evalPoint(double param) const override;
  double paramOf(const OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const override;
  using OdGeCurve3d::length;
  double length(double fromParam, double toParam, double tol = OdGeContext::gTol.equalPoint()) const override;
  OdGePoint3d closestPointTo(const OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const override;
  OdGeCurve3d& reverseParam() override;

  OdGeCircArc3d& set(const OdGePoint3d& center, const OdGeVector3d& normal, double radius);
  OdGeCircArc3d& set(const OdGePoint3d& center, const OdGeVector3d& normal, const OdGeVector3d& refVec, double radius,
                     double startAng = 0.0, double endAng = Oda2PI);
  OdGeCircArc3d& set(const OdGePoint3d& startPoint, const OdGePoint3d& secondPoint, const OdGePoint3d& endPoint);

  OdGePoint3d center() const { return m_center; }
  OdGeVector3d normal() const { return m_normal; }
  OdGeVector3d refVec() const { return m_refVec; }
  double radius() const { return m_radius; }
  double startAng() const { return m_startAng; }
  double endAng() const { return m_endAng; }
  OdGePoint3d startPoint() const { return evalPoint(m_startAng); }
  OdGePoint3d endPoint() const { return evalPoint(m_endAng); }
  // The plane of the arc: through the center, u axis the reference vector.
  void getPlane(OdGePlane& plane) const;

  OdGeCircArc3d& setCenter(const OdGePoint3d& center);
  // Throws OdError(eInvalidInput) for a negative radius.
  OdGeCircArc3d& setRadius(double radius);
  OdGeCircArc3d& setAngles(double startAng, double endAng);
  // Throws OdError(eInvalidInput) for a zero normal or a reference vector parallel to it.
  OdGeCircArc3d& setAxes(const OdGeVector3d& normal, const OdGeVector3d& refVec);

private:
  OdGePoint3d m_center;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  OdGeVector3d m_refVec = OdGeVector3d::kXAxis;
  double m_radius = 1.0;
  double m_startAng = 0.0;
  double m_endAng = Oda2PI;
};

#endif
