// Unbounded line in space through a point along a direction; parameter t gives point + t * dir.
#ifndef OD_GE_LINE3D_H
#define OD_GE_LINE3D_H

#include "Ge/GeCurve3d.h"

class OdGeLine3d : public OdGeCurve3d
{
public:
  OdGeLine3d() : m_dir(OdGeVector3d::kXAxis) {}
  OdGeLine3d(const OdGePoint3d& point, const OdGeVector3d& vect) : m_point(point), m_dir(vect) {}

  OdGe::EntityId type() const override { return OdGe::kLine3d; }
  bool isKindOf(OdGe::EntityId entType) const override
  {
    return entType == OdGe::kLine3d || entType == OdGe::kLinearEnt3d || OdGeCurve3d::isKindOf(entType);
  }
  OdGeEntity3d* copy() const override { return new OdGeLine3d(*this); }
  OdGeEntity3d& transformBy(const OdGeMatrix3d& xfm) override
  {
    const OdGePoint3d end = xfm * (m_point + m_dir);
    m_point = xfm * m_point;
    m_dir = end - m_point;
    return *this;
  }
  bool isOn(const OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const override
  {
    return closestPointTo(point).distanceTo(point) <= tol.equalPoint();
  }
  void getInterval(OdGeInterval& interval) const override { interval = OdGeInterval(); }
  OdGePoint3d evalPoint(double param) const override { return m_point + m_dir * param; }
  double paramOf(const OdGePoint3d& point, const OdGeTol& = OdGeContext::gTol) const override
  {
    const double len2 = m_dir.dotProduct(m_dir);
    return len2 == 0.0 ? 0.0 : (point - m_point).dotProduct(m_dir) / len2;
  }
  using OdGeCurve3d::length;
  double length(double fromParam, double toParam, double = OdGeContext::gTol.equalPoint()) const override
  {
    const double d = toParam - fromParam;
    return (d < 0.0 ? -d : d) * m_dir.length();
  }
  OdGePoint3d closestPointTo(const OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const override
  {
    return evalPoint(paramOf(point, tol));
  }
  OdGeCurve3d& reverseParam() override
  {
    m_dir = -m_dir;
    return *this;
  }

  OdGeLine3d& set(const OdGePoint3d& point, const OdGeVector3d& vect)
  {
    m_point = point;
    m_dir = vect;
    return *this;
  }
  OdGePoint3d pointOnLine() const { return m_point; }
  OdGeVector3d direction() const { return m_dir.normal(); }

private:
  OdGePoint3d m_point;
  OdGeVector3d m_dir;
};

#endif
