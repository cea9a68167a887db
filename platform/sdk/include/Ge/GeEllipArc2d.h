// Planar elliptical arc. The point at parameter t is
// center + majorRadius * cos t * majorAxis + minorRadius * sin t * minorAxis, with unit axes; the
// arc runs clockwise when minorAxis is the major axis turned clockwise. startAng() < endAng()
// always; the sweep is at most 2pi. Parameters are angles of the unit circle the ellipse is
// stretched from, not polar angles of the ellipse.
#ifndef OD_GE_ELLIPARC2D_H
#define OD_GE_ELLIPARC2D_H

#include "Ge/GeCurve2d.h"

class OdGeEllipArc2d : public OdGeCurve2d
{
public:
  // The full unit circle about the origin.
  OdGeEllipArc2d() = default;
  // Throws OdError(eInvalidInput) for a negative radius, a zero axis or parallel axes; an end
  // angle not above the start angle has 2pi added until it is.
  OdGeEllipArc2d(const OdGePoint2d& center, const OdGeVector2d& majorAxis, const OdGeVector2d& minorAxis,
                 double majorRadius, double minorRadius, double startAng = 0.0, double endAng = Oda2PI)
  {
    set(center, majorAxis, minorAxis, majorRadius, minorRadius, startAng, endAng);
  }

  OdGe::EntityId type() const override { return OdGe::kEllipArc2d; }
  bool isKindOf(OdGe::EntityId entType) const override
  {
    return entType == OdGe::kEllipArc2d || OdGeCurve2d::isKindOf(entType);
  }
  OdGeEntity2d* copy() const override { return new OdGeEllipArc2d(*this); }
  // Any affine map that keeps the axes apart; the axes are re-derived from the mapped
  // conjugate diameters.
  OdGeEntity2d& transformBy(const OdGeMatrix2d& xfm) override;
  bool isOn(const OdGePoint2d& point, const OdGeTol& tol = OdGeContext::gTol) const override;

  void getInterval(OdGeInterval& interval) const override { interval.set(m_startAng, m_endAng); }
  OdGePoint2d evalPoint(double param) const override;
  OdGeVector2d evalDeriv(double param) const;
  double paramOf(const OdGePoint2d& point, const OdGeTol& tol = OdGeContext::gTol) const override;
  using OdGeCurve2d::length;
  // Gauss-Legendre integration of the speed.
  double length(double fromParam, double toParam, double tol = OdGeContext::gTol.equalPoint()) const override;
  OdGePoint2d closestPointTo(const OdGePoint2d& point, const OdGeTol& tol = OdGeContext::gTol) const override;
  OdGeCurve2d& reverseParam() override;

  OdGeEllipArc2d& set(const OdGePoint2d& center, const OdGeVector2d& majorAxis, const OdGeVector2d& minorAxis,
                      double majorRadius, double minorRadius, double startAng = 0.0, double endAng = Oda2PI);
  OdGeEllipArc2d& setAngles(double startAng, double endAng);

  OdGePoint2d center() const { return m_center; }
  OdGeVector2d majorAxis() const { return m_majorAxis; }
  OdGeVector2d minorAxis() const { return m_minorAxis; }
  double majorRadius() const { return m_majorRadius; }
  double minorRadius() const { return m_minorRadius; }
  double startAng() const { return m_startAng; }
  double endAng() const { return m_endAng; }
  bool isClockWise() const { return m_majorAxis.crossProduct(m_minorAxis) < 0.0; }
  OdGePoint2d startPoint() const { return evalPoint(m_startAng); }
  OdGePoint2d endPoint() const { return evalPoint(m_endAng); }

private:
  OdGePoint2d m_center;
  OdGeVector2d m_majorAxis = OdGeVector2d::kXAxis;
  OdGeVector2d m_minorAxis = OdGeVector2d::kYAxis;
  double m_majorRadius = 1.0;
  double m_minorRadius = 1.0;
  double m_startAng = 0.0;
  double m_endAng = Oda2PI;
};

#endif
