// CKyRayPE and CKyRayInfo: palette rows and listing of rays (the rows shared with the other
// construction line kind live in KyConstructionLinePE.h).
#ifndef KY_RAY_PE_H
#define KY_RAY_PE_H

#include "DbRay.h"
#include "KyConstructionLinePE.h"

class CKyRayPE : public CKyConstructionLinePE<CKyRayPE, OdDbRay>
{
public:
  ODRX_DECLARE_MEMBERS(CKyRayPE);

  CKyString GetClassName(const OdDbObject* object) override;

  static KyDescriptionList s_Names;
};

class CKyRayInfo : public CKyPrintObjectInfoPE
{
public:
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

#endif
