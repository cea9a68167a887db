// Non-uniform rational B-spline curve in space: degree, knots, control points and (for a
// rational curve) one positive weight per control point. The curve is defined on
// [knot(degree), knot(numControlPoints)] and evaluated by de Boor's algorithm in homogeneous
// coordinates, so clamped, unclamped and periodic (wrapped) knot vectors are handled alike.
#ifndef OD_GE_NURB_CURVE3D_H
#define OD_GE_NURB_CURVE3D_H

#include "Ge/GeCurve3d.h"
#include "Ge/GeKnotVector.h"
#include "Ge/GeLine3d.h"
#include "Ge/GePlane.h"
#include "Ge/GePoint3dArray.h"
#include "Ge/GeVector3dArray.h"

class OdGeNurbCurve3d : public OdGeCurve3d
{
public:
  // An empty curve (no control points): every evaluation gives the origin.
  OdGeNurbCurve3d() = default;
  // Weights empty for a polynomial curve. Data that checkData refuses make an empty curve.
  OdGeNurbCurve3d(int degree, const OdGeKnotVector& knots, const OdGePoint3dArray& controlPoints,
                  const OdGeDoubleArray& weights, bool isPeriodic = false);

  // True when the data define a curve: degree >= 1, at least degree + 1 control points,
  // numControlPoints + degree + 1 finite non-decreasing knots with knot(degree) < knot(n), and
  // no weights or one finite positive weight per control point.
  static bool checkData(int degree, const OdGeDoubleArray& knots, const OdGePoint3dArray& controlPoints,
                        const OdGeDoubleArray& weights);

  OdGe::EntityId type() const override { return OdGe::kNurbCurve3d; }
  bool isKindOf(OdGe::EntityId entType) const override
  {
    return entType == OdGe::kNurbCurve3d || entType == OdGe::kSplineEnt3d || OdGeCurve3d::isKindOf(entType);
  }
  OdGeEntity3d* copy() const override { return new OdGeNurbCurve3d(*this); }
  // Any affine transform: the control points are transformed, weights and knots kept.
  OdGeEntity3d& transformBy(const OdGeMatrix3d& xfm) override;
  bool isOn(const OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const override;

  void getInterval(OdGeInterval& interval) const override;
  // Parameters outside the interval are clamped to it.
  OdGePoint3d evalPoint(double param) const override;
  // First derivative with respect to the parameter.
  OdGeVector3d evalDeriv(double param) const;
  // The point and its first numDeriv derivatives (0 or 1; higher orders throw
  // eNotImplementedYet), from one evaluation.
  OdGePoint3d evalPoint(double param, int numDeriv, OdGeVector3dArray& derivatives) const;
  double paramOf(const OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const override;
  using OdGeCurve3d::length;
  // Arc length by Gauss-Legendre integration over every knot span between the parameters.
  double length(double fromParam, double toParam, double tol = OdGeContext::gTol.equalPoint()) const override;
  OdGePoint3d closestPointTo(const OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const override;
  OdGeCurve3d& reverseParam() override;

  bool isEmpty() const { return m_points.isEmpty(); }
  int degree() const { return m_degree; }
  int order() const { return m_degree + 1; }
  int numControlPoints() const { return static_cast<int>(m_points.size()); }
  OdGePoint3d controlPointAt(int index) const { return m_points[static_cast<unsigned>(index)]; }
  // 1 for every control point of a polynomial curve.
  double weightAt(int index) const { return m_weights.isEmpty() ? 1.0 : m_weights[static_cast<unsigned>(index)]; }
  const OdGeKnotVector& knots() const { return m_knots; }
  bool isRational() const { return !m_weights.isEmpty(); }
  bool isPeriodic() const { return m_periodic; }
  void getDefinitionData(int& degree, bool& rational, bool& periodic, OdGeKnotVector& knots,
                         OdGePoint3dArray& controlPoints, OdGeDoubleArray& weights) const;

  // True when every control point lies within tol of one line (then every curve point does);
  // the line runs through the first control point towards the farthest one. A curve whose
  // control points all coincide is a point, not a line.
  bool isLinear(OdGeLine3d& line, const OdGeTol& tol = OdGeContext::gTol) const;
  // True when every control point lies within tol of one plane; a linear curve is planar in a
  // plane containing its line. The normal points into the half-space of positive Z (then Y, X).
  bool isPlanar(OdGePlane& plane, const OdGeTol& tol = OdGeContext::gTol) const;

private:
  OdGePoint3d pointAndDerivative(double param, OdGeVector3d* derivative) const;

  int m_degree = 0;
  OdGeKnotVector m_knots;
  OdGePoint3dArray m_points;
  OdGeDoubleArray m_weights;
  bool m_periodic = false;
};

#endif
