// CKyScaleList: the host's access to the named scales of a drawing.
#ifndef KY_SCALE_LIST_H
#define KY_SCALE_LIST_H

#include "DbAnnotationScale.h"
#include "DbDatabase.h"
#include "KyString.h"

class CKyScaleList
{
public:
  // The scale object of that name (case-insensitive), opened for read; null when the drawing
  // has no such scale or the database is null.
  static OdDbAnnotationScalePtr GetByName(OdDbDatabase* pDb, const CKyString& name);
};

#endif
