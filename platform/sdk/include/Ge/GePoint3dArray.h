// Array of 3D points.
#ifndef OD_GE_POINT3D_ARRAY_H
#define OD_GE_POINT3D_ARRAY_H

#include "Ge/GePoint3d.h"
#include "OdArray.h"

typedef OdArray<OdGePoint3d> OdGePoint3dArray;

#endif
