// Listing helpers.
#include "KyListing.h"

#include <cmath>

#include "Ge/GeVector2d.h"

double KyAngleInXYPlane(double dx, double dy)
{
  const OdGeVector2d v(dx, dy);
  const double len = v.length();
  if (len <= 1e-10 && len >= -1e-10)
    return 0.0;
  double angle = v.angle();
  if (angle < 0.0)
    angle += 6.283185307179586;
  return angle;
}

OdGePoint3d KyToReportSystem(const CKyPrintInfoContext* context, const OdGePoint3d& world)
{
  if (!context->IsPrintInUCS())
    return world;
  OdGePoint3d p = world;
  p.transformBy(context->GetWorldToWorkingPlaneMatrix());
  return p;
}
