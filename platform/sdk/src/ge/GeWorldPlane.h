// The world XY plane's normal, which the conversions between object and world coordinates
// recognise to skip their matrices: nearly every entity lies in that plane.
#ifndef OD_GE_WORLD_PLANE_H
#define OD_GE_WORLD_PLANE_H

#include <cmath>

#include "Ge/GeVector3d.h"

namespace odge
{
// True for exactly (+0, +0, 1), whose arbitrary-axis frame is the identity, zeros included (a
// negative zero component takes the general path, which may give differently signed zeros).
inline bool isWorldZ(const OdGeVector3d& normal)
{
  return normal.z == 1.0 && normal.x == 0.0 && normal.y == 0.0 && !std::signbit(normal.x) && !std::signbit(normal.y);
}
} // namespace odge

#endif
