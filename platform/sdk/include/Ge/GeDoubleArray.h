// Array of doubles (knots, weights, parameters); the typedef lives with OdArray itself.
#ifndef OD_GE_DOUBLE_ARRAY_H
#define OD_GE_DOUBLE_ARRAY_H

#include "OdArray.h"

#endif
