// Dimension variable values as result buffers under a group code, the form in which DXF
// records, extended-data overrides and the generic record access carry them.
#ifndef OD_DB_DIM_VAR_BUFFERS_H
#define OD_DB_DIM_VAR_BUFFERS_H

#include "DbDimVars.h"
#include "ResBuf.h"

class OdDbDatabase;
class OdDbDxfFiler;

// The value of variable i as a buffer of restype `code`, of the kind the code carries.
OdResBufPtr odDimVarBuffer(int index, int code, const OdDimVarValue& value);
// The value a buffer gives variable i. Numbers of any width serve numeric kinds; handles are
// resolved in pDb. A buffer of an unsuitable kind raises OdError(eInvalidResBuf).
OdDimVarValue odDimVarFromBuffer(int index, const OdResBuf* pValue, OdDbDatabase* pDb);
// Writes one buffer through the filer by its kind.
void odDimVarWriteBuffer(OdDbDxfFiler* pFiler, const OdResBuf* pValue);

#endif
