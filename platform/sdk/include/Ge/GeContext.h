// Process-wide geometric context: the default tolerance used by every comparison that is not
// given one (gTol, 1e-10) and a tolerance for exact comparisons (gZeroTol, 1e-300).
#ifndef OD_GE_CONTEXT_H
#define OD_GE_CONTEXT_H

#include "Ge/GeTol.h"

struct OdGeContext
{
  static OdGeTol gTol;
  static OdGeTol gZeroTol;
};

#endif
