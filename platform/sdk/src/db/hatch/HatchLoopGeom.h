// Geometry of hatch boundary loops in the hatch plane: exact signed areas (Green's theorem per
// edge: closed forms for lines and arcs, Gauss-Legendre per knot span for splines) and a
// flattened outline for containment tests and extents.
#ifndef OD_DB_HATCH_LOOP_GEOM_H
#define OD_DB_HATCH_LOOP_GEOM_H

#include <vector>

#include "Ge/GeCurve2d.h"
#include "Ge/GeDoubleArray.h"
#include "Ge/GePoint2dArray.h"

namespace hatchgeom
{
// Twice the integral of (x dy - y dx) / 2 along the edge, measured from origin: summed over a
// closed chain it is the chain's signed area.
double edgeArea(const OdGeCurve2d& edge, const OdGePoint2d& origin);
// Signed area of a polyline loop (closed), arcs counted exactly.
double polylineArea(const OdGePoint2dArray& vertices, const OdGeDoubleArray& bulges);
// Points along the curve from its start (its end excluded).
void sampleEdge(const OdGeCurve2d& edge, std::vector<OdGePoint2d>& out);
void samplePolyline(const OdGePoint2dArray& vertices, const OdGeDoubleArray& bulges, std::vector<OdGePoint2d>& out);
// A chain of points along the curve from its start (its end excluded) that encloses the curve's
// own area: between every two points on the curve a third is set off the chord, towards the
// curve, by as much as the area of the whole edge asks. For booleans on curves that have no
// bulge form (elliptical arcs, splines).
void flattenKeepingArea(const OdGeCurve2d& edge, std::vector<OdGePoint2d>& out);
// Even-odd containment in a closed outline.
bool contains(const std::vector<OdGePoint2d>& outline, const OdGePoint2d& point);
} // namespace hatchgeom

#endif
