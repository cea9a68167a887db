// OdDbSpline: the NURBS data live in an OdGeNurbCurve3d; the fit data beside it. Fitting is
// global cubic interpolation with end derivatives, solved as one dense linear system.
#include "DbSpline.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "CurveGeom.h"
#include "DbFiler.h"
#include "Ge/GeExtents3d.h"
#include "Ge/GeFinite.h"
#include "SdkRxMacros.h"

using namespace odDbCurveGeom;

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbSpline, OdDbCurve, L"SPLINE")

namespace
{
const double kParamTol = 1e-10;
const int kFitDegree = 3;

// The p + 1 basis functions of degree p that are non-zero at u in the span [t[k], t[k + 1]).
std::vector<double> basisFunctions(const OdGeDoubleArray& t, int k, int p, double u)
{
  std::vector<double> N(p + 1, 0.0), left(p + 1, 0.0), right(p + 1, 0.0);
  N[0] = 1.0;
  for (int j = 1; j <= p; ++j)
  {
    left[j] = u - t[k + 1 - j];
    right[j] = t[k + j] - u;
    double saved = 0.0;
    for (int r = 0; r < j; ++r)
    {
      const double denom = right[r + 1] + left[j - r];
      const double temp = denom == 0.0 ? 0.0 : N[r] / denom;
      N[r] = saved + right[r + 1] * temp;
      saved = left[j - r] * temp;
    }
    N[j] = saved;
  }
  return N;
}

// Solves A x = b for three right-hand sides (the coordinates) by Gaussian elimination with
// partial pivoting; false for a singular system.
bool solve(std::vector<std::vector<double>> A, std::vector<OdGeVector3d>& b)
{
  const std::size_t n = A.size();
  for (std::size_t col = 0; col < n; ++col)
  {
    std::size_t pivot = col;
    for (std::size_t row = col + 1; row < n; ++row)
      if (std::fabs(A[row][col]) > std::fabs(A[pivot][col]))
        pivot = row;
    if (A[pivot][col] == 0.0)
      return false;
    std::swap(A[pivot], A[col]);
    std::swap(b[pivot], b[col]);
    for (std::size_t row = col + 1; row < n; ++row)
    {
      const double f = A[row][col] / A[col][col];
      for (std::size_t j = col; j < n; ++j)
        A[row][j] -= f * A[col][j];
      b[row] -= b[col] * f;
    }
  }
  for (std::size_t i = n; i-- > 0;)
  {
    for (std::size_t j = i + 1; j < n; ++j)
      b[i] -= b[j] * A[i][j];
    b[i] /= A[i][i];
  }
  return true;
}

// Derivative at parameter 0 of the parabola through (0, q0), (a, q1), (b, q2).
OdGeVector3d parabolaSlope(const OdGePoint3d& q0, const OdGePoint3d& q1, const OdGePoint3d& q2, double a, double b)
{
  return q0.asVector() * (-(1.0 / a + 1.0 / b)) + q1.asVector() * (b / (a * (b - a))) -
         q2.asVector() * (a / (b * (b - a)));
}

// The cubic through the points (consecutive points distinct) with derivatives d0 and dn at the
// ends, in parameters of chord length scaled to [0, 1]. Zero derivatives are estimated.
bool fitCubic(const OdGePoint3dArray& q, bool closed, OdGeVector3d d0, OdGeVector3d dn, OdGeNurbCurve3d& curve)
{
  OdGePoint3dArray pts = q;
  if (closed && !pts.first().isEqualTo(pts.last()))
    pts.append(pts.first());
  const int n = static_cast<int>(pts.size()) - 1;
  std::vector<double> u(n + 1, 0.0);
  double total = 0.0;
  for (int k = 1; k <= n; ++k)
    total += pts[k].distanceTo(pts[k - 1]);
  for (int k = 1; k <= n; ++k)
    u[k] = u[k - 1] + pts[k].distanceTo(pts[k - 1]) / total;
  u[n] = 1.0;
  // Given tangents are directions: the derivative in scaled parameters has the chord length.
  if (!d0.isZeroLength())
    d0 = d0.normal() * total;
  if (!dn.isZeroLength())
    dn = dn.normal() * total;
  if (closed && d0.isZeroLength() && dn.isZeroLength() && n >= 2)
    d0 = dn = (pts[1] - pts[n - 1]) / (u[1] + 1.0 - u[n - 1]);
  if (d0.isZeroLength())
    d0 = n >= 2 ? parabolaSlope(pts[0], pts[1], pts[2], u[1], u[2]) : pts[1] - pts[0];
  if (dn.isZeroLength())
    dn = n >= 2 ? -parabolaSlope(pts[n], pts[n - 1], pts[n - 2], 1.0 - u[n - 1], 1.0 - u[n - 2]) : pts[1] - pts[0];

  OdGeDoubleArray knots;
  for (int i = 0; i < 4; ++i)
    knots.append(0.0);
  for (int k = 1; k < n; ++k)
    knots.append(u[k]);
  for (int i = 0; i < 4; ++i)
    knots.append(1.0);
  // Control points P0 .. P(n+2): the ends and their neighbours along the derivatives are known,
  // P2 .. Pn follow from the interior fit points.
  std::vector<OdGePoint3d> P(n + 3);
  P[0] = pts[0];
  P[1] = pts[0] + d0 * (u[1] / 3.0);
  P[n + 2] = pts[n];
  P[n + 1] = pts[n] - dn * ((1.0 - u[n - 1]) / 3.0);
  const int unknowns = n - 1;
  if (unknowns > 0)
  {
    std::vector<std::vector<double>> A(unknowns, std::vector<double>(unknowns, 0.0));
    std::vector<OdGeVector3d> rhs(unknowns);
    for (int k = 1; k < n; ++k)
    {
      // ū_k is knot k + 3, the start of span k + 3.
      const int span = k + 3;
      const std::vector<double> N = basisFunctions(knots, span, 3, u[k]);
      rhs[k - 1] = pts[k].asVector();
      for (int j = 0; j <= 3; ++j)
      {
        const int i = span - 3 + j;
        if (i >= 2 && i <= n)
          A[k - 1][i - 2] += N[j];
        else
          rhs[k - 1] -= P[i].asVector() * N[j];
      }
    }
    if (!solve(A, rhs))
      return false;
    for (int i = 2; i <= n; ++i)
      P[i] = rhs[i - 2].asPoint();
  }
  OdGePoint3dArray controlPoints;
  for (const OdGePoint3d& p : P)
    controlPoints.append(p);
  curve = OdGeNurbCurve3d(kFitDegree, OdGeKnotVector(knots), controlPoints, OdGeDoubleArray());
  return !curve.isEmpty();
}

bool fitPointsUsable(const OdGePoint3dArray& points, double tol)
{
  if (points.size() < 2 || !odgeIsFinite(tol) || tol < 0.0)
    return false;
  for (unsigned i = 0; i < points.size(); ++i)
    if (!odgeIsFinite(points[i]) || (i > 0 && points[i].isEqualTo(points[i - 1])))
      return false;
  return true;
}
} // namespace

OdDbSpline::OdDbSpline() = default;

double OdDbSpline::sizeTol() const
{
  double size = 0.0;
  for (int i = 0; i < m_curve.numControlPoints(); ++i)
    size = std::max(size, m_curve.controlPointAt(i).asVector().length());
  return pointTol(size);
}

int OdDbSpline::degree() const
{
  assertReadEnabled();
  return m_curve.degree();
}

bool OdDbSpline::isRational() const
{
  assertReadEnabled();
  return m_rational;
}

int OdDbSpline::numControlPoints() const
{
  assertReadEnabled();
  return m_curve.numControlPoints();
}

OdResult OdDbSpline::getControlPointAt(int index, OdGePoint3d& point) const
{
  assertReadEnabled();
  if (index < 0 || index >= m_curve.numControlPoints())
    return eInvalidIndex;
  point = m_curve.controlPointAt(index);
  return eOk;
}

OdResult OdDbSpline::setControlPointAt(int index, const OdGePoint3d& point)
{
  assertWriteEnabled(false, false);
  if (index < 0 || index >= m_curve.numControlPoints())
    return eInvalidIndex;
  if (!odgeIsFinite(point))
    return eInvalidInput;
  int degree = 0;
  bool rational = false, periodic = false;
  OdGeKnotVector knots;
  OdGePoint3dArray points;
  OdGeDoubleArray weights;
  m_curve.getDefinitionData(degree, rational, periodic, knots, points, weights);
  points[static_cast<unsigned>(index)] = point;
  assertWriteEnabled();
  setCurve(OdGeNurbCurve3d(degree, knots, points, weights, periodic));
  m_fitPoints.clear();
  m_startTangent = m_endTangent = OdGeVector3d();
  return eOk;
}

double OdDbSpline::weightAt(int index) const
{
  assertReadEnabled();
  if (index < 0 || index >= m_curve.numControlPoints())
    return 1.0;
  return m_curve.weightAt(index);
}

OdResult OdDbSpline::setWeightAt(int index, double weight)
{
  assertWriteEnabled(false, false);
  if (index < 0 || index >= m_curve.numControlPoints())
    return eInvalidIndex;
  if (!odgeIsFinite(weight) || weight <= 0.0)
    return eInvalidInput;
  int degree = 0;
  bool rational = false, periodic = false;
  OdGeKnotVector knots;
  OdGePoint3dArray points;
  OdGeDoubleArray weights;
  m_curve.getDefinitionData(degree, rational, periodic, knots, points, weights);
  if (weights.isEmpty())
    weights.resize(points.size(), 1.0);
  weights[static_cast<unsigned>(index)] = weight;
  assertWriteEnabled();
  setCurve(OdGeNurbCurve3d(degree, knots, points, weights, periodic));
  m_rational = true;
  m_fitPoints.clear();
  m_startTangent = m_endTangent = OdGeVector3d();
  return eOk;
}

bool OdDbSpline::hasFitData() const
{
  assertReadEnabled();
  return !m_fitPoints.isEmpty();
}

int OdDbSpline::numFitPoints() const
{
  assertReadEnabled();
  return static_cast<int>(m_fitPoints.size());
}

OdResult OdDbSpline::getFitPointAt(int index, OdGePoint3d& point) const
{
  assertReadEnabled();
  if (index < 0 || index >= static_cast<int>(m_fitPoints.size()))
    return eInvalidIndex;
  point = m_fitPoints[static_cast<unsigned>(index)];
  return eOk;
}

OdResult OdDbSpline::setFitPointAt(int index, const OdGePoint3d& point)
{
  assertWriteEnabled(false, false);
  if (index < 0 || index >= static_cast<int>(m_fitPoints.size()))
    return eInvalidIndex;
  OdGePoint3dArray points = m_fitPoints;
  points[static_cast<unsigned>(index)] = point;
  return setFitData(points, kFitDegree, m_fitTol, m_startTangent, m_endTangent);
}

double OdDbSpline::fitTolerance() const
{
  assertReadEnabled();
  return m_fitTol;
}

OdResult OdDbSpline::setFitTol(double tol)
{
  assertWriteEnabled(false, false);
  if (!odgeIsFinite(tol) || tol < 0.0)
    return eInvalidInput;
  if (!m_fitPoints.isEmpty())
    return setFitData(m_fitPoints, kFitDegree, tol, m_startTangent, m_endTangent);
  assertWriteEnabled();
  m_fitTol = tol;
  return eOk;
}

OdResult OdDbSpline::getFitTangents(OdGeVector3d& startTangent, OdGeVector3d& endTangent) const
{
  assertReadEnabled();
  if (m_fitPoints.isEmpty())
    return eNotApplicable;
  startTangent = m_startTangent;
  endTangent = m_endTangent;
  return eOk;
}

void OdDbSpline::getNurbsData(int& degree, bool& rational, bool& closed, bool& periodic,
                              OdGePoint3dArray& controlPoints, OdGeDoubleArray& knots, OdGeDoubleArray& weights,
                              double& controlPtTol, double& knotTol) const
{
  assertReadEnabled();
  bool curveRational = false;
  OdGeKnotVector knotVector;
  m_curve.getDefinitionData(degree, curveRational, periodic, knotVector, controlPoints, weights);
  knots = knotVector.getArray();
  rational = m_rational;
  if (rational && weights.isEmpty())
    weights.resize(controlPoints.size(), 1.0);
  closed = m_closed;
  controlPtTol = m_controlTol;
  knotTol = m_knotTol;
}

OdResult OdDbSpline::setNurbsData(int degree, bool rational, bool closed, bool periodic,
                                  const OdGePoint3dArray& controlPoints, const OdGeDoubleArray& knots,
                                  const OdGeDoubleArray& weights, double controlPtTol, double knotTol)
{
  assertWriteEnabled(false, false);
  const OdGeDoubleArray used = rational ? weights : OdGeDoubleArray();
  if (rational && weights.size() != controlPoints.size())
    return eInvalidInput;
  if (!OdGeNurbCurve3d::checkData(degree, knots, controlPoints, used) || !odgeIsFinite(controlPtTol) ||
      !odgeIsFinite(knotTol))
    return eInvalidInput;
  assertWriteEnabled();
  setCurve(OdGeNurbCurve3d(degree, OdGeKnotVector(knots, knotTol), controlPoints, used, periodic));
  m_rational = rational;
  m_closed = closed;
  m_controlTol = controlPtTol;
  m_knotTol = knotTol;
  m_fitPoints.clear();
  m_startTangent = m_endTangent = OdGeVector3d();
  return eOk;
}

OdResult OdDbSpline::getFitData(OdGePoint3dArray& fitPoints, int& degree, double& fitTolerance, bool& tangentsExist,
                                OdGeVector3d& startTangent, OdGeVector3d& endTangent) const
{
  assertReadEnabled();
  fitPoints = m_fitPoints;
  degree = m_curve.degree();
  fitTolerance = m_fitTol;
  tangentsExist = !m_startTangent.isZeroLength() || !m_endTangent.isZeroLength();
  startTangent = m_startTangent;
  endTangent = m_endTangent;
  return m_fitPoints.isEmpty() ? eNotApplicable : eOk;
}

OdResult OdDbSpline::setFitData(const OdGePoint3dArray& fitPoints, int degree, double fitTolerance,
                                const OdGeVector3d& startTangent, const OdGeVector3d& endTangent)
{
  assertWriteEnabled(false, false);
  if (degree != kFitDegree || !fitPointsUsable(fitPoints, fitTolerance) || !odgeIsFinite(startTangent) ||
      !odgeIsFinite(endTangent))
    return eInvalidInput;
  OdGeNurbCurve3d curve;
  if (!fitCubic(fitPoints, m_closed, startTangent, endTangent, curve))
    return eInvalidInput;
  assertWriteEnabled();
  setCurve(curve);
  m_rational = false;
  m_fitPoints = fitPoints;
  m_fitTol = fitTolerance;
  m_startTangent = startTangent;
  m_endTangent = endTangent;
  return eOk;
}

OdResult OdDbSpline::setFitDataKeepingCurve(const OdGePoint3dArray& fitPoints, double fitTolerance,
                                            const OdGeVector3d& startTangent, const OdGeVector3d& endTangent)
{
  assertWriteEnabled(false, false);
  if (!fitPointsUsable(fitPoints, fitTolerance) || !odgeIsFinite(startTangent) || !odgeIsFinite(endTangent))
    return eInvalidInput;
  assertWriteEnabled();
  m_fitPoints = fitPoints;
  m_fitTol = fitTolerance;
  m_startTangent = startTangent;
  m_endTangent = endTangent;
  return eOk;
}

bool OdDbSpline::isClosed() const
{
  assertReadEnabled();
  if (m_closed)
    return true;
  OdGePoint3d start, end;
  return m_curve.hasStartPoint(start) && m_curve.hasEndPoint(end) && !m_curve.isEmpty() &&
         start.distanceTo(end) <= sizeTol();
}

bool OdDbSpline::isPeriodic() const
{
  assertReadEnabled();
  return m_curve.isPeriodic();
}

OdResult OdDbSpline::paramBound(bool upper, double& param) const
{
  assertReadEnabled();
  if (m_curve.isEmpty())
    return eDegenerateGeometry;
  OdGeInterval interval;
  m_curve.getInterval(interval);
  param = upper ? interval.upperBound() : interval.lowerBound();
  return eOk;
}

OdResult OdDbSpline::getStartParam(double& startParam) const
{
  return paramBound(false, startParam);
}

OdResult OdDbSpline::getEndParam(double& endParam) const
{
  return paramBound(true, endParam);
}

OdResult OdDbSpline::getStartPoint(OdGePoint3d& startPoint) const
{
  assertReadEnabled();
  return m_curve.hasStartPoint(startPoint) && !m_curve.isEmpty() ? eOk : eDegenerateGeometry;
}

OdResult OdDbSpline::getEndPoint(OdGePoint3d& endPoint) const
{
  assertReadEnabled();
  return m_curve.hasEndPoint(endPoint) && !m_curve.isEmpty() ? eOk : eDegenerateGeometry;
}

OdResult OdDbSpline::getPointAtParam(double param, OdGePoint3d& pointOnCurve) const
{
  assertReadEnabled();
  if (m_curve.isEmpty())
    return eDegenerateGeometry;
  OdGeInterval interval;
  m_curve.getInterval(interval);
  if (!odgeIsFinite(param) || param < interval.lowerBound() - kParamTol || param > interval.upperBound() + kParamTol)
    return eInvalidInput;
  pointOnCurve = m_curve.evalPoint(param);
  return eOk;
}

OdResult OdDbSpline::getParamAtPoint(const OdGePoint3d& pointOnCurve, double& param) const
{
  assertReadEnabled();
  if (m_curve.isEmpty())
    return eDegenerateGeometry;
  if (!odgeIsFinite(pointOnCurve))
    return eInvalidInput;
  const double t = m_curve.paramOf(pointOnCurve);
  if (m_curve.evalPoint(t).distanceTo(pointOnCurve) > sizeTol() * 100.0)
    return eInvalidInput;
  param = t;
  return eOk;
}

OdResult OdDbSpline::getDistAtParam(double param, double& dist) const
{
  assertReadEnabled();
  if (m_curve.isEmpty())
    return eDegenerateGeometry;
  OdGeInterval interval;
  m_curve.getInterval(interval);
  if (!odgeIsFinite(param) || param < interval.lowerBound() - kParamTol || param > interval.upperBound() + kParamTol)
    return eInvalidInput;
  dist = m_curve.length(interval.lowerBound(), param);
  return eOk;
}

OdResult OdDbSpline::getParamAtDist(double dist, double& param) const
{
  assertReadEnabled();
  if (m_curve.isEmpty())
    return eDegenerateGeometry;
  OdGeInterval interval;
  m_curve.getInterval(interval);
  const double total = m_curve.length(interval.lowerBound(), interval.upperBound());
  if (!odgeIsFinite(dist) || dist < 0.0 || dist > total + pointTol(total))
    return eInvalidInput;
  double low = interval.lowerBound(), high = interval.upperBound();
  for (int i = 0; i < 60; ++i)
  {
    const double mid = (low + high) / 2.0;
    (m_curve.length(interval.lowerBound(), mid) < dist ? low : high) = mid;
  }
  param = (low + high) / 2.0;
  return eOk;
}

OdResult OdDbSpline::getFirstDeriv(double param, OdGeVector3d& firstDeriv) const
{
  assertReadEnabled();
  if (m_curve.isEmpty())
    return eDegenerateGeometry;
  if (!odgeIsFinite(param))
    return eInvalidInput;
  firstDeriv = m_curve.evalDeriv(param);
  return eOk;
}

OdResult OdDbSpline::getSecondDeriv(double param, OdGeVector3d& secondDeriv) const
{
  assertReadEnabled();
  if (m_curve.isEmpty())
    return eDegenerateGeometry;
  if (!odgeIsFinite(param))
    return eInvalidInput;
  // A central difference of the first derivative, one-sided at the ends of the interval.
  OdGeInterval interval;
  m_curve.getInterval(interval);
  const double h = 1e-6 * interval.length();
  const double a = std::max(interval.lowerBound(), param - h), b = std::min(interval.upperBound(), param + h);
  secondDeriv = (m_curve.evalDeriv(b) - m_curve.evalDeriv(a)) / (b - a);
  return eOk;
}

void OdDbSpline::setCurve(const OdGeNurbCurve3d& curve)
{
  m_curve = curve;
  m_planar = -1;
  m_areaKnown = false;
}

bool OdDbSpline::planeOfCurve(OdGePlane& plane) const
{
  if (m_planar < 0)
    m_planar = m_curve.isPlanar(m_plane, OdGeTol(sizeTol())) ? 1 : 0;
  plane = m_plane;
  return m_planar == 1;
}

OdResult OdDbSpline::getArea(double& area) const
{
  assertReadEnabled();
  if (!m_areaKnown)
  {
    m_areaResult = measureArea(m_area);
    m_areaKnown = true;
  }
  if (m_areaResult == eOk)
    area = m_area;
  return m_areaResult;
}

OdResult OdDbSpline::measureArea(double& area) const
{
  if (m_curve.isEmpty())
    return eDegenerateGeometry;
  OdGePlane plane;
  if (!planeOfCurve(plane))
    return eNotApplicable;
  // Half the integral of (C - C(start)) x C' about the normal: the closing chord adds nothing.
  const OdGeVector3d normal = plane.normal();
  OdGeInterval interval;
  m_curve.getInterval(interval);
  const OdGePoint3d start = m_curve.evalPoint(interval.lowerBound());
  const OdGeDoubleArray& knots = m_curve.knots().getArray();
  // Without weights the integrand is a polynomial of degree 2p - 1 in each span, which the
  // p-point Gauss rule integrates exactly (up to degree 8); a rational curve takes four pieces
  // of the 8-point rule.
  const bool exact = !m_curve.isRational() && m_curve.degree() <= 8;
  double sum = 0.0;
  OdGeVector3dArray derivative;
  auto integrand = [&](double u) {
    const OdGePoint3d at = m_curve.evalPoint(u, 1, derivative);
    return (at - start).crossProduct(derivative[0]).dotProduct(normal);
  };
  for (int k = m_curve.degree(); k < m_curve.numControlPoints(); ++k)
    sum += exact ? integrateGauss(integrand, knots[k], knots[k + 1], m_curve.degree())
                 : integrate(integrand, knots[k], knots[k + 1], 4);
  area = std::fabs(sum) / 2.0;
  return eOk;
}

bool OdDbSpline::isPlanar() const
{
  assertReadEnabled();
  OdGePlane plane;
  return planeOfCurve(plane);
}

bool OdDbSpline::isLinear() const
{
  assertReadEnabled();
  OdGeLine3d line;
  return m_curve.isLinear(line, OdGeTol(sizeTol()));
}

OdResult OdDbSpline::getPlane(OdGePlane& plane, OdDb::Planarity& planarity) const
{
  assertReadEnabled();
  if (m_curve.isEmpty())
    return eDegenerateGeometry;
  if (!planeOfCurve(plane))
  {
    planarity = OdDb::kNonPlanar;
    return eNotApplicable;
  }
  OdGeLine3d line;
  planarity = m_curve.isLinear(line, OdGeTol(sizeTol())) ? OdDb::kLinear : OdDb::kPlanar;
  return eOk;
}

OdResult OdDbSpline::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  if (m_curve.isEmpty())
    return eDegenerateGeometry;
  extents = OdGeExtents3d();
  const OdGeDoubleArray& knots = m_curve.knots().getArray();
  for (int k = m_curve.degree(); k < m_curve.numControlPoints(); ++k)
    for (int i = 0; i <= 32; ++i)
      extents.addPoint(m_curve.evalPoint(knots[k] + (knots[k + 1] - knots[k]) * i / 32.0));
  return eOk;
}

OdResult OdDbSpline::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      if (!odgeIsFinite(xform(r, c)))
        return eInvalidInput;
  OdGeNurbCurve3d curve = m_curve;
  curve.transformBy(xform);
  OdGePoint3dArray fit = m_fitPoints;
  for (unsigned i = 0; i < fit.size(); ++i)
    fit[i] = xform * fit[i];
  assertWriteEnabled();
  setCurve(curve);
  m_fitPoints = fit;
  m_startTangent = xform * m_startTangent;
  m_endTangent = xform * m_endTangent;
  return eOk;
}

void OdDbSpline::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  assertReadEnabled();
  OdDbCurve::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbSpline");
  pFiler->wrInt16(70, static_cast<OdInt16>((m_closed ? 1 : 0) | (m_curve.isPeriodic() ? 2 : 0) | (m_rational ? 4 : 0) |
                                           (isPlanar() ? 8 : 0) | (isLinear() ? 16 : 0)));
  pFiler->wrInt16(71, static_cast<OdInt16>(m_curve.degree()));
  const OdGeDoubleArray& knots = m_curve.knots().getArray();
  pFiler->wrInt32(72, static_cast<OdInt32>(knots.size()));
  pFiler->wrInt32(73, m_curve.numControlPoints());
  pFiler->wrInt32(74, static_cast<OdInt32>(m_fitPoints.size()));
  pFiler->wrDouble(42, m_knotTol);
  pFiler->wrDouble(43, m_controlTol);
  pFiler->wrDouble(44, m_fitTol);
  pFiler->wrVector3d(12, m_startTangent);
  pFiler->wrVector3d(13, m_endTangent);
  for (unsigned i = 0; i < knots.size(); ++i)
    pFiler->wrDouble(40, knots[i]);
  for (int i = 0; i < m_curve.numControlPoints(); ++i)
  {
    pFiler->wrPoint3d(10, m_curve.controlPointAt(i));
    if (m_rational)
      pFiler->wrDouble(41, m_curve.weightAt(i));
  }
  for (unsigned i = 0; i < m_fitPoints.size(); ++i)
    pFiler->wrPoint3d(11, m_fitPoints[i]);
}

void OdDbSpline::copyFrom(const OdRxObject* pSource)
{
  OdDbCurve::copyFrom(pSource);
  const OdDbSpline* pSrc = static_cast<const OdDbSpline*>(pSource);
  setCurve(pSrc->m_curve);
  m_rational = pSrc->m_rational;
  m_closed = pSrc->m_closed;
  m_controlTol = pSrc->m_controlTol;
  m_knotTol = pSrc->m_knotTol;
  m_fitPoints = pSrc->m_fitPoints;
  m_fitTol = pSrc->m_fitTol;
  m_startTangent = pSrc->m_startTangent;
  m_endTangent = pSrc->m_endTangent;
}
