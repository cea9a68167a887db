// Finiteness tests for geometric values: setters of database objects use them to refuse NaN
// and infinite input so that no stored geometry ever holds such numbers.
#ifndef OD_GE_FINITE_H
#define OD_GE_FINITE_H

#include <cmath>

#include "Ge/GePoint3d.h"
#include "Ge/GeScale3d.h"

inline bool odgeIsFinite(double value)
{
  return std::isfinite(value);
}
inline bool odgeIsFinite(const OdGePoint2d& point)
{
  return std::isfinite(point.x) && std::isfinite(point.y);
}
inline bool odgeIsFinite(const OdGeVector2d& vect)
{
  return std::isfinite(vect.x) && std::isfinite(vect.y);
}
inline bool odgeIsFinite(const OdGePoint3d& point)
{
  return std::isfinite(point.x) && std::isfinite(point.y) && std::isfinite(point.z);
}
inline bool odgeIsFinite(const OdGeVector3d& vect)
{
  return std::isfinite(vect.x) && std::isfinite(vect.y) && std::isfinite(vect.z);
}
inline bool odgeIsFinite(const OdGeScale3d& scale)
{
  return std::isfinite(scale.sx) && std::isfinite(scale.sy) && std::isfinite(scale.sz);
}

#endif
