// Array of 2D vectors.
#ifndef OD_GE_VECTOR2D_ARRAY_H
#define OD_GE_VECTOR2D_ARRAY_H

#include "Ge/GeVector2d.h"
#include "OdArray.h"

typedef OdArray<OdGeVector2d> OdGeVector2dArray;

#endif
