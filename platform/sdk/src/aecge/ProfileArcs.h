// Arcs given by two points and a bulge, shared by the contours and the boolean evaluator.
#ifndef AECGE_PROFILE_ARCS_H
#define AECGE_PROFILE_ARCS_H

#include "Ge/GeExtents2d.h"
#include "Ge/GePoint2d.h"

namespace profile
{
struct BulgeArc
{
  OdGePoint2d center;
  double radius = 0.0;
  double startAngle = 0.0; // of the first point, about the center
  double sweep = 0.0;      // signed: positive counter-clockwise
};

// False for a straight segment: zero or non-finite bulge, or coincident ends.
bool bulgeArc(const OdGePoint2d& from, const OdGePoint2d& to, double bulge, BulgeArc& arc);
// Signed area between the chord from -> to and the arc of the bulge: positive for a
// counter-clockwise arc, which bulges to the right of the chord.
double bulgeSegmentArea(const OdGePoint2d& from, const OdGePoint2d& to, double bulge);
// Adds the arc's extreme points (those of its quadrants it passes) to the extents.
void addBulgeExtents(OdGeExtents2d& ext, const OdGePoint2d& from, const OdGePoint2d& to, double bulge);
// The same for an arc already found, ending at to.
void addArcExtents(OdGeExtents2d& ext, const BulgeArc& arc, const OdGePoint2d& to);
} // namespace profile

#endif
