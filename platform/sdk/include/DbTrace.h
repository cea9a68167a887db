// OdDbTrace: a filled quadrilateral, the trace of a wide line (OdDbPlanarFill holds its state).
#ifndef OD_DB_TRACE_H
#define OD_DB_TRACE_H

#include "DbPlanarFill.h"

class OdDbTrace : public OdDbPlanarFill
{
public:
  ODRX_DECLARE_MEMBERS(OdDbTrace);

  OdDbTrace() = default;
  OdDbTrace(const OdGePoint3d& pt0, const OdGePoint3d& pt1, const OdGePoint3d& pt2, const OdGePoint3d& pt3)
    : OdDbPlanarFill(pt0, pt1, pt2, pt3)
  {
  }
};

typedef OdSmartPtr<OdDbTrace> OdDbTracePtr;

#endif
