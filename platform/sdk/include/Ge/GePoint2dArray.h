// Array of 2D points.
#ifndef OD_GE_POINT2D_ARRAY_H
#define OD_GE_POINT2D_ARRAY_H

#include "Ge/GePoint2d.h"
#include "OdArray.h"

typedef OdArray<OdGePoint2d> OdGePoint2dArray;

#endif
