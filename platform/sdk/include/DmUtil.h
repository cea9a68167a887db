// OdDmUtil: dimension helpers. Arrow heads are blocks of the drawing named "_ClosedBlank",
// "_Dot" ...; the default arrow (closed filled) needs no block and is the null id.
#ifndef OD_DM_UTIL_H
#define OD_DM_UTIL_H

#include "DbObjectId.h"
#include "OdString.h"

class OdDbDatabase;

class OdDmUtil
{
public:
  // The block of the arrow name in the drawing (name case ignored), added as an empty block when
  // the drawing lacks it; null for "" and "_ClosedFilled". Raises OdError(eNoDatabase) without a
  // drawing and OdError(eInvalidInput) for a name no block can have.
  static OdDbObjectId getArrowId(const OdString& arrowName, OdDbDatabase* pDb);
  // The name of an arrow block ("" for the null id and ids that do not open).
  static OdString arrowName(const OdDbObjectId& arrowId);
};

#endif
