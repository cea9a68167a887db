// The process-wide default tolerances of the geometry library.
#include "Ge/GeContext.h"

OdGeTol OdGeContext::gTol(1.e-10, 1.e-10);
OdGeTol OdGeContext::gZeroTol(1.e-300, 1.e-300);
