// Bounded line segment in space. Parameter t in [0, 1] gives start + t * (end - start).
#ifndef OD_GE_LINESEG3D_H
#define OD_GE_LINESEG3D_H

#include "Ge/GeCurve3d.h"

class OdGeLineSeg3d : public OdGeCurve3d
{
public:
  OdGeLineSeg3d() : m_end(1.0, 0.0, 0.0) {}
  OdGeLineSeg3d(const OdGePoint3d& startPoint, const OdGePoint3d& endPoint) : m_start(startPoint), m_end(endPoint) {}
  OdGeLineSeg3d(const OdGePoint3d& point, const OdGeVector3d& vect) : m_start(point), m_end(point + vect) {}

  OdGe::EntityId type() const override { return OdGe::kLineSeg3d; }
  bool isKindOf(OdGe::EntityId entType) const override
  {
    return entType == OdGe::kLineSeg3d || entType == OdGe::kLinearEnt3d || OdGeCurve3d::isKindOf(entType);
  }
  OdGeEntity3d* copy() const override { return new OdGeLineSeg3d(*this); }
  OdGeEntity3d& transformBy(const OdGeMatrix3d& xfm) override;
  bool isOn(const OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const override;

  void getInterval(OdGeInterval& interval) const override { interval.set(0.0, 1.0); }
  OdGePoint3d evalPoint(double param) const override { return m_start + (m_end - m_start) * param; }
  double paramOf(const OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const override;
  using OdGeCurve3d::length;
  double length(double fromParam, double toParam, double tol = OdGeContext::gTol.equalPoint()) const override;
  OdGePoint3d closestPointTo(const OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const override;
  OdGeCurve3d& reverseParam() override;

  OdGeLineSeg3d& set(const OdGePoint3d& startPoint, const OdGePoint3d& endPoint)
  {
    m_start = startPoint;
    m_end = endPoint;
    return *this;
  }
  OdGeLineSeg3d& set(const OdGePoint3d& point, const OdGeVector3d& vect) { return set(point, point + vect); }

  OdGePoint3d startPoint() const { return m_start; }
  OdGePoint3d endPoint() const { return m_end; }
  OdGePoint3d midPoint() const { return evalPoint(0.5); }
  OdGePoint3d pointOnLine() const { return m_start; }
  // Unit direction from start to end (zero for a degenerate segment).
  OdGeVector3d direction() const { return (m_end - m_start).normal(); }

private:
  OdGePoint3d m_start;
  OdGePoint3d m_end;
};

#endif
