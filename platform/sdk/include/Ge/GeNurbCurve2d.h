// Planar non-uniform rational B-spline curve: the planar twin of OdGeNurbCurve3d (same data
// rules and evaluation), with the fit data a file may keep beside the control points (fit
// points and end tangents are stored as given; they do not refit the curve).
#ifndef OD_GE_NURB_CURVE2D_H
#define OD_GE_NURB_CURVE2D_H

#include "Ge/GeCurve2d.h"
#include "Ge/GeNurbCurve3d.h"
#include "Ge/GePoint2dArray.h"
#include "Ge/GeVector2d.h"

class OdGeNurbCurve2d : public OdGeCurve2d
{
public:
  // An empty curve: every evaluation gives the origin.
  OdGeNurbCurve2d() = default;
  // Weights empty for a polynomial curve. Data that checkData refuses make an empty curve.
  OdGeNurbCurve2d(int degree, const OdGeKnotVector& knots, const OdGePoint2dArray& controlPoints,
                  const OdGeDoubleArray& weights, bool isPeriodic = false);

  static bool checkData(int degree, const OdGeDoubleArray& knots, const OdGePoint2dArray& controlPoints,
                        const OdGeDoubleArray& weights);

  OdGe::EntityId type() const override { return OdGe::kNurbCurve2d; }
  bool isKindOf(OdGe::EntityId entType) const override
  {
    return entType == OdGe::kNurbCurve2d || entType == OdGe::kSplineEnt2d || OdGeCurve2d::isKindOf(entType);
  }
  OdGeEntity2d* copy() const override { return new OdGeNurbCurve2d(*this); }
  // Any affine map: control points, fit points and tangents are mapped.
  OdGeEntity2d& transformBy(const OdGeMatrix2d& xfm) override;
  bool isOn(const OdGePoint2d& point, const OdGeTol& tol = OdGeContext::gTol) const override;

  void getInterval(OdGeInterval& interval) const override { m_curve.getInterval(interval); }
  OdGePoint2d evalPoint(double param) const override;
  OdGeVector2d evalDeriv(double param) const;
  double paramOf(const OdGePoint2d& point, const OdGeTol& tol = OdGeContext::gTol) const override;
  using OdGeCurve2d::length;
  double length(double fromParam, double toParam, double tol = OdGeContext::gTol.equalPoint()) const override;
  OdGePoint2d closestPointTo(const OdGePoint2d& point, const OdGeTol& tol = OdGeContext::gTol) const override;
  OdGeCurve2d& reverseParam() override;

  bool isEmpty() const { return m_curve.isEmpty(); }
  int degree() const { return m_curve.degree(); }
  int numControlPoints() const { return m_curve.numControlPoints(); }
  OdGePoint2d controlPointAt(int index) const;
  double weightAt(int index) const { return m_curve.weightAt(index); }
  const OdGeKnotVector& knots() const { return m_curve.knots(); }
  bool isRational() const { return m_curve.isRational(); }
  bool isPeriodic() const { return m_curve.isPeriodic(); }

  int numFitPoints() const { return static_cast<int>(m_fitPoints.size()); }
  const OdGePoint2dArray& fitPoints() const { return m_fitPoints; }
  // Zero vectors stand for "no tangent".
  OdGeVector2d startTangent() const { return m_startTangent; }
  OdGeVector2d endTangent() const { return m_endTangent; }
  void setFitData(const OdGePoint2dArray& fitPoints, const OdGeVector2d& startTangent, const OdGeVector2d& endTangent);

private:
  OdGeNurbCurve3d m_curve; // in the plane z = 0
  OdGePoint2dArray m_fitPoints;
  OdGeVector2d m_startTangent;
  OdGeVector2d m_endTangent;
};

#endif
