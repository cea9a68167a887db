// Bounded planar line segment. Parameter t in [0, 1] gives start + t * (end - start).
#ifndef OD_GE_LINESEG2D_H
#define OD_GE_LINESEG2D_H

#include "Ge/GeCurve2d.h"

class OdGeLineSeg2d : public OdGeCurve2d
{
public:
  OdGeLineSeg2d() : m_end(1.0, 0.0) {}
  OdGeLineSeg2d(const OdGePoint2d& startPoint, const OdGePoint2d& endPoint) : m_start(startPoint), m_end(endPoint) {}
  OdGeLineSeg2d(const OdGePoint2d& point, const OdGeVector2d& vect) : m_start(point), m_end(point + vect) {}

  OdGe::EntityId type() const override { return OdGe::kLineSeg2d; }
  bool isKindOf(OdGe::EntityId entType) const override
  {
    return entType == OdGe::kLineSeg2d || entType == OdGe::kLinearEnt2d || OdGeCurve2d::isKindOf(entType);
  }
  OdGeEntity2d* copy() const override { return new OdGeLineSeg2d(*this); }
  OdGeEntity2d& transformBy(const OdGeMatrix2d& xfm) override;
  bool isOn(const OdGePoint2d& point, const OdGeTol& tol = OdGeContext::gTol) const override;

  void getInterval(OdGeInterval& interval) const override { interval.set(0.0, 1.0); }
  OdGePoint2d evalPoint(double param) const override { return m_start + (m_end - m_start) * param; }
  double paramOf(const OdGePoint2d& point, const OdGeTol& tol = OdGeContext::gTol) const override;
  using OdGeCurve2d::length;
  double length(double fromParam, double toParam, double tol = OdGeContext::gTol.equalPoint()) const override;
  OdGePoint2d closestPointTo(const OdGePoint2d& point, const OdGeTol& tol = OdGeContext::gTol) const override;
  OdGeCurve2d& reverseParam() override;

  OdGeLineSeg2d& set(const OdGePoint2d& startPoint, const OdGePoint2d& endPoint)
  {
    m_start = startPoint;
    m_end = endPoint;
    return *this;
  }
  OdGeLineSeg2d& set(const OdGePoint2d& point, const OdGeVector2d& vect) { return set(point, point + vect); }

  OdGePoint2d startPoint() const { return m_start; }
  OdGePoint2d endPoint() const { return m_end; }
  OdGePoint2d midPoint() const { return evalPoint(0.5); }
  OdGePoint2d pointOnLine() const { return m_start; }
  // Unit direction from start to end (zero for a degenerate segment).
  OdGeVector2d direction() const { return (m_end - m_start).normal(); }

private:
  OdGePoint2d m_start;
  OdGePoint2d m_end;
};

#endif
