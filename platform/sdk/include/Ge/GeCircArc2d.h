// Planar circular arc. Parameters are angles measured from the unit reference vector in the
// arc's own direction (clockwise for a clockwise arc): the point at angle a is
// center + r * (cos a * ref + sin a * perp), perp being ref turned 90 degrees towards the arc.
// startAng() < endAng() always; the sweep is endAng() - startAng(), at most 2pi.
#ifndef OD_GE_CIRCARC2D_H
#define OD_GE_CIRCARC2D_H

#include "Ge/GeCurve2d.h"

class OdGeCircArc2d : public OdGeCurve2d
{
public:
  // The full unit circle about the origin.
  OdGeCircArc2d() = default;
  // A full circle; throws OdError(eInvalidInput) for a negative radius.
  OdGeCircArc2d(const OdGePoint2d& center, double radius) { set(center, radius); }
  // Angles from refVec; an end angle not above the start angle has 2pi added until it is.
  // Throws OdError(eInvalidInput) for a negative radius or a zero reference vector.
  OdGeCircArc2d(const OdGePoint2d& center, double radius, double startAng, double endAng,
                const OdGeVector2d& refVec = OdGeVector2d::kXAxis, bool isClockWise = false)
  {
    set(center, radius, startAng, endAng, refVec, isClockWise);
  }
  // The arc from startPoint through point to endPoint. Throws OdError(eDegenerateGeometry)
  // when the three points are collinear or coincide.
  OdGeCircArc2d(const OdGePoint2d& startPoint, const OdGePoint2d& point, const OdGePoint2d& endPoint)
  {
    set(startPoint, point, endPoint);
  }
  // The arc from startPoint to endPoint with the given bulge. With bulgeFlag true the bulge is the
  // greatest distance from the chord to the arc; with bulgeFlag false it is tan(sweep / 4), as in
  // polyline vertices. Either way a positive bulge turns counter-clockwise and a negative one
  // clockwise. Throws OdError(eDegenerateGeometry) for a zero bulge or coincident points.
  OdGeCircArc2d(const OdGePoint2d& startPoint, const OdGePoint2d& endPoint, double bulge, bool bulgeFlag = true)
  {
    set(startPoint, endPoint, bulge, bulgeFlag);
  }

  OdGe::EntityId type() const override { return OdGe::kCircArc2d; }
  bool isKindOf(OdGe::EntityId entType) const override
  {
    return entType == OdGe::kCircArc2d || OdGeCurve2d::isKindOf(entType);
  }
  OdGeEntity2d* copy() const override { return new OdGeCircArc2d(*this); }
  // Keeps a circle: throws OdError(eNotApplicable) for a non-uniform scaling or a shear.
  OdGeEntity2d& transformBy(const OdGeMatrix2d& xfm) override;
  bool isOn(const OdGePoint2d& point, const OdGeTol& tol = OdGeContext::gTol) const override;

  void getInterval(OdGeInterval& interval) const override { interval.set(m_startAng, m_endAng); }
  OdGePoint2d evalPoint(double param) const override;
  double paramOf(const OdGePoint2d& point, const OdGeTol& tol = OdGeContext::gTol) const override;
  using OdGeCurve2d::length;
  double length(double fromParam, double toParam, double tol = OdGeContext::gTol.equalPoint()) const override;
  OdGePoint2d closestPointTo(const OdGePoint2d& point, const OdGeTol& tol = OdGeContext::gTol) const override;
  OdGeCurve2d& reverseParam() override;

  OdGeCircArc2d& set(const OdGePoint2d& center, double radius);
  OdGeCircArc2d& set(const OdGePoint2d& center, double radius, double startAng, double endAng,
                     const OdGeVector2d& refVec = OdGeVector2d::kXAxis, bool isClockWise = false);
  OdGeCircArc2d& set(const OdGePoint2d& startPoint, const OdGePoint2d& point, const OdGePoint2d& endPoint);
  OdGeCircArc2d& set(const OdGePoint2d& startPoint, const OdGePoint2d& endPoint, double bulge, bool bulgeFlag = true);

  OdGePoint2d center() const { return m_center; }
  double radius() const { return m_radius; }
  double startAng() const { return m_startAng; }
  double endAng() const { return m_endAng; }
  OdGeVector2d refVec() const { return m_refVec; }
  bool isClockWise() const { return m_clockWise; }
  OdGePoint2d startPoint() const { return evalPoint(m_startAng); }
  OdGePoint2d endPoint() const { return evalPoint(m_endAng); }
  // True when the point lies strictly inside the full circle.
  bool isInside(const OdGePoint2d& point, const OdGeTol& tol = OdGeContext::gTol) const
  {
    return point.distanceTo(m_center) < m_radius - tol.equalPoint();
  }

  OdGeCircArc2d& setCenter(const OdGePoint2d& center);
  // Throws OdError(eInvalidInput) for a negative radius.
  OdGeCircArc2d& setRadius(double radius);
  OdGeCircArc2d& setAngles(double startAng, double endAng);
  // Throws OdError(eInvalidInput) for a zero vector.
  OdGeCircArc2d& setRefVec(const OdGeVector2d& refVec);

private:
  OdGeVector2d perp() const { return m_clockWise ? OdGeVector2d(m_refVec.y, -m_refVec.x) : m_refVec.perpVector(); }

  OdGePoint2d m_center;
  double m_radius = 1.0;
  double m_startAng = 0.0;
  double m_endAng = Oda2PI;
  OdGeVector2d m_refVec = OdGeVector2d::kXAxis;
  bool m_clockWise = false;
};

#endif
