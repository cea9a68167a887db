// OdDbSpline: a NURBS curve (degree, knots, control points in world coordinates, weights when
// rational) and, for a spline drawn through points, its fit data (fit points, fit tolerance and
// the optional start and end tangents). Editing a fit point or the fit tolerance fits the curve
// again through the fit points; editing a control point leaves the curve without fit data, as
// it no longer follows them. Indices out of range are eInvalidIndex, never a throw.
#ifndef OD_DB_SPLINE_H
#define OD_DB_SPLINE_H

#include "DbCurve.h"
#include "Ge/GeDoubleArray.h"
#include "Ge/GeNurbCurve3d.h"
#include "Ge/GePlane.h"
#include "Ge/GePoint3dArray.h"

class OdDbSpline : public OdDbCurve
{
public:
  ODRX_DECLARE_MEMBERS(OdDbSpline);

  // An empty spline: no control points; the curve queries answer eDegenerateGeometry.
  OdDbSpline();

  int degree() const;
  bool isRational() const;
  int numControlPoints() const;
  OdResult getControlPointAt(int index, OdGePoint3d& point) const;
  // Drops the fit data. Non-finite points are eInvalidInput.
  OdResult setControlPointAt(int index, const OdGePoint3d& point);
  double weightAt(int index) const;
  // A weight other than 1 makes a polynomial spline rational; weights must be positive.
  OdResult setWeightAt(int index, double weight);

  bool hasFitData() const;
  int numFitPoints() const;
  OdResult getFitPointAt(int index, OdGePoint3d& point) const;
  // Fits the curve again through the changed fit points.
  OdResult setFitPointAt(int index, const OdGePoint3d& point);
  double fitTolerance() const;
  // A negative or non-finite tolerance is eInvalidInput. With fit data the curve is fitted again.
  OdResult setFitTol(double tol);
  // The tangents the fit data give (zero vectors where none was given); eNotApplicable without
  // fit data.
  OdResult getFitTangents(OdGeVector3d& startTangent, OdGeVector3d& endTangent) const;

  void getNurbsData(int& degree, bool& rational, bool& closed, bool& periodic, OdGePoint3dArray& controlPoints,
                    OdGeDoubleArray& knots, OdGeDoubleArray& weights, double& controlPtTol, double& knotTol) const;
  // Replaces the curve and drops the fit data. Weights are used when rational (one positive
  // weight per control point) and ignored otherwise. eInvalidInput, changing nothing, for data
  // that define no curve (see OdGeNurbCurve3d::checkData) or non-finite tolerances.
  OdResult setNurbsData(int degree, bool rational, bool closed, bool periodic, const OdGePoint3dArray& controlPoints,
                        const OdGeDoubleArray& knots, const OdGeDoubleArray& weights, double controlPtTol = 1e-10,
                        double knotTol = 1e-10);

  OdResult getFitData(OdGePoint3dArray& fitPoints, int& degree, double& fitTolerance, bool& tangentsExist,
                      OdGeVector3d& startTangent, OdGeVector3d& endTangent) const;
  // Fits a cubic through at least two distinct fit points: chord-length parameters, knots at the
  // fit points, end derivatives along the given tangents (zero: estimated from the first and last
  // three points). The curve interpolates the points whatever the tolerance (which is kept).
  // eInvalidInput, changing nothing, for fewer points, non-finite values or a negative tolerance.
  OdResult setFitData(const OdGePoint3dArray& fitPoints, int degree, double fitTolerance,
                      const OdGeVector3d& startTangent, const OdGeVector3d& endTangent);
  // Fit data stored beside the present curve without fitting it again (a file keeps both, and
  // the curve it gives is the one to show). Same checks as setFitData.
  OdResult setFitDataKeepingCurve(const OdGePoint3dArray& fitPoints, double fitTolerance,
                                  const OdGeVector3d& startTangent, const OdGeVector3d& endTangent);

  // The closed flag of the data, or end points that meet.
  bool isClosed() const override;
  bool isPeriodic() const override;
  OdResult getStartParam(double& startParam) const override;
  OdResult getEndParam(double& endParam) const override;
  OdResult getStartPoint(OdGePoint3d& startPoint) const override;
  OdResult getEndPoint(OdGePoint3d& endPoint) const override;
  OdResult getPointAtParam(double param, OdGePoint3d& pointOnCurve) const override;
  OdResult getParamAtPoint(const OdGePoint3d& pointOnCurve, double& param) const override;
  // Arc length from the start parameter, integrated per knot span.
  OdResult getDistAtParam(double param, double& dist) const override;
  OdResult getParamAtDist(double dist, double& param) const override;
  OdResult getFirstDeriv(double param, OdGeVector3d& firstDeriv) const override;
  OdResult getSecondDeriv(double param, OdGeVector3d& secondDeriv) const override;
  // Planar splines: the area between the curve and the chord from its end back to its start.
  // eNotApplicable for a spline that is not planar.
  OdResult getArea(double& area) const override;
  // Control points within the point tolerance of one plane (a line or a point counts).
  bool isPlanar() const override;
  OdResult getPlane(OdGePlane& plane, OdDb::Planarity& planarity) const override;
  // Control points within the point tolerance of one line.
  bool isLinear() const;
  // The curve sampled densely per knot span, with its end points.
  OdResult getGeomExtents(OdGeExtents3d& extents) const override;
  // Any finite affine transform: control points, fit points and tangents follow it.
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  // Flags (70), degree (71), counts (72-74), tolerances (42-44), tangents (12, 13), knots (40),
  // weights (41), control points (10) and fit points (11).
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  double sizeTol() const;
  OdResult paramBound(bool upper, double& param) const;
  OdResult refit();

  // Planarity and area are measured once per shape of the curve: the palette reads them for
  // every spline it shows. Every change of m_curve goes through setCurve, which forgets them.
  void setCurve(const OdGeNurbCurve3d& curve);
  bool planeOfCurve(OdGePlane& plane) const;
  OdResult measureArea(double& area) const;

  OdGeNurbCurve3d m_curve;
  mutable int m_planar = -1; // -1 not measured yet
  mutable OdGePlane m_plane;
  mutable bool m_areaKnown = false;
  mutable OdResult m_areaResult = eOk;
  mutable double m_area = 0.0;
  bool m_rational = false;
  bool m_closed = false;
  double m_controlTol = 1e-10;
  double m_knotTol = 1e-10;
  OdGePoint3dArray m_fitPoints;
  double m_fitTol = 0.0;
  OdGeVector3d m_startTangent;
  OdGeVector3d m_endTangent;
};

typedef OdSmartPtr<OdDbSpline> OdDbSplinePtr;

#endif
