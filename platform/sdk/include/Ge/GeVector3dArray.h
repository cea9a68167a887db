// Array of 3D vectors.
#ifndef OD_GE_VECTOR3D_ARRAY_H
#define OD_GE_VECTOR3D_ARRAY_H

#include "Ge/GeVector3d.h"
#include "OdArray.h"

typedef OdArray<OdGeVector3d> OdGeVector3dArray;

#endif
