// Angle bookkeeping shared by the circular arcs: the end angle is kept above the start angle
// and the sweep at most a full turn.
#ifndef OD_GE_ARC_ANGLES_H
#define OD_GE_ARC_ANGLES_H

#include <cmath>

#include "Ge/GeGbl.h"

namespace odge
{
// The angle equivalent to a (modulo 2pi) in [start, start + 2pi).
inline double angleFrom(double a, double start)
{
  double d = std::fmod(a - start, Oda2PI);
  if (d < 0.0)
    d += Oda2PI;
  if (d >= Oda2PI)
    d = 0.0;
  return start + d;
}

// An end angle not above the start angle has 2pi added until it is; the sweep is capped at 2pi.
inline void orderArcAngles(double start, double& end)
{
  if (end <= start)
    end += Oda2PI * std::ceil((start - end) / Oda2PI);
  if (end <= start)
    end += Oda2PI;
  if (end - start > Oda2PI)
    end = start + Oda2PI;
}
}

#endif
