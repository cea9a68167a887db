// The host's database extension: edits the host makes to drawing objects on the module's
// behalf, beyond the SDK's own setters. Each edit needs the object open for write and answers
// eNotOpenForWrite otherwise, changing nothing.
#ifndef KY_DB_EXTENSION_H
#define KY_DB_EXTENSION_H

#include "OdResult.h"

class OdDbRadialDimension;
class OdDbDiametricDimension;

class CKyDbExtension
{
public:
  // Switches the extension arc of a radial dimension on or off; eInvalidInput for a null one.
  OdResult SetRadialDimensionExtArcOn(OdDbRadialDimension* pDim, bool on);
};

// The host's one database extension (never null).
CKyDbExtension* GetKyDbExtension();

// Switches the extension arc of a diametric dimension on or off (the host's own function for
// it); eInvalidInput for a null dimension, eNotOpenForWrite when it is not open for write.
OdResult kyDiametricDimensionSetExtArcOn(OdDbDiametricDimension* pDim, bool on);

#endif
