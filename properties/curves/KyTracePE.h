// CKyTracePE and CKyTraceInfo: palette rows of traces (shared with the other planar fill kind in
// KyPlanarFillPE.h); the listing prints the common lines only.
#ifndef KY_TRACE_PE_H
#define KY_TRACE_PE_H

#include "DbTrace.h"
#include "KyPlanarFillPE.h"

class CKyTracePE : public CKyPlanarFillPE<CKyTracePE, OdDbTrace, false>
{
public:
  ODRX_DECLARE_MEMBERS(CKyTracePE);

  CKyString GetClassName(const OdDbObject* object) override;

  static KyDescriptionList s_Names;
};

class CKyTraceInfo : public CKyPrintObjectInfoPE
{
public:
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

#endif
