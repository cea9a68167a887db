// Geometry shared by the circle, arc and lightweight polyline: object coordinate systems,
// angle normalisation, circular-arc extents, bulge arcs and the transform checks. Angles are
// radians in the object coordinate system of a unit normal.
#ifndef OD_DB_CURVE_GEOM_H
#define OD_DB_CURVE_GEOM_H

#include <functional>
#include <vector>

#include "Ge/GeExtents3d.h"
#include "Ge/GeMatrix3d.h"
#include "Ge/GePoint2d.h"
#include "Ge/GePoint3d.h"
#include "OdResult.h"
#include "ge/GeWorldPlane.h"

namespace odDbCurveGeom
{
// The angle brought into [0, 2pi).
double normalizeAngle(double angle);

// Distance tolerance for points on a curve of the given size: the default point tolerance,
// grown with the size so that rounding of large coordinates is not mistaken for distance.
double pointTol(double size);

// X and Y axes of the object coordinate system of the unit normal (arbitrary-axis rule).
void ecsAxes(const OdGeVector3d& normal, OdGeVector3d& xAxis, OdGeVector3d& yAxis);

// Angle in [0, 2pi) of a direction about the unit normal, measured from the object X axis.
double ecsAngle(const OdGeVector3d& normal, const OdGeVector3d& dir);

// The point at the given angle of the circle about center in the plane of the normal.
OdGePoint3d pointOnCircle(const OdGePoint3d& center, const OdGeVector3d& normal, double radius, double angle);

// Adds the arc running counter-clockwise about the normal from startAng to endAng
// (endAng >= startAng, object angles): its end points and every point where it reaches an
// extreme coordinate along a world axis.
void addArcExtents(OdGeExtents3d& extents, const OdGePoint3d& center, const OdGeVector3d& normal, double radius,
                   double startAng, double endAng);

// Adds a copy of the box moved by the thickness along the normal (no change for thickness 0).
void addThickness(OdGeExtents3d& extents, const OdGeVector3d& normal, double thickness);

// Checks a transform for the curves: eInvalidInput for non-finite entries, eNotApplicable unless
// it is a rotation or reflection with one uniform scale and a translation. On eOk gives the
// scale and whether it reflects (negative determinant).
OdResult checkUniformTransform(const OdGeMatrix3d& xform, double& scale, bool& mirrors);

// Integral of f over [a, b] by 8-point Gauss-Legendre rules on `pieces` equal pieces (arc lengths
// of the smooth curves: ellipses, spline spans); exact for polynomials up to degree 15 per piece.
double integrate(const std::function<double(double)>& f, double a, double b, int pieces = 16);

// Integral of f over [a, b] by the n-point Gauss-Legendre rule (n from 1 to 8), exact for
// polynomials up to degree 2n - 1.
double integrateGauss(const std::function<double(double)>& f, double a, double b, int n);

// Geometry of one polyline segment from p0 to p1 with bulge b = tan(sweep / 4). A zero bulge
// (or coincident ends) makes a straight segment; otherwise sweep is signed (positive turns
// counter-clockwise), center and radius are those of the arc and startAng the angle of p0.
struct BulgeSeg
{
  OdGePoint2d p0;
  OdGePoint2d p1;
  bool isArc = false;
  double sweep = 0.0;
  OdGePoint2d center;
  double radius = 0.0;
  double startAng = 0.0;

  BulgeSeg(const OdGePoint2d& start, const OdGePoint2d& end, double bulge);

  double length() const;
  // Point at t in [0, 1]: linear along a straight segment, linear in angle along an arc.
  OdGePoint2d pointAt(double t) const;
  // Derivatives with respect to t.
  OdGeVector2d firstDeriv(double t) const;
  OdGeVector2d secondDeriv(double t) const;
  // Signed area between the chord and the arc (positive for a counter-clockwise arc).
  double arcSegmentArea() const;
  // Parameter t of the point when it lies on the segment within tol; false otherwise.
  bool paramOf(const OdGePoint2d& point, double tol, double& t) const;
  // Parameter of the nearest point; with extendBefore / extendAfter the segment continues
  // beyond its start / end (a line as a ray, an arc around its whole circle).
  double closestParam(const OdGePoint2d& point, bool extendBefore, bool extendAfter) const;
};
// Points of the uniform B-spline of the degree over the control points, `segments` per span:
// clamped to the first and last control point when open (the points include both ends),
// periodic when closed (the points run once around, the first not repeated). The degree drops
// to the number of control points less one when there are too few; fewer than two control
// points give them back unchanged.
std::vector<OdGePoint3d> uniformBSplinePoints(const std::vector<OdGePoint3d>& control, int degree, int segments,
                                              bool closed);
} // namespace odDbCurveGeom

#endif
