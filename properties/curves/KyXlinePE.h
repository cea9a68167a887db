// CKyXlinePE and CKyXlineInfo: palette rows and listing of infinite lines (the rows shared with the other
// construction line kind live in KyConstructionLinePE.h).
#ifndef KY_XLINE_PE_H
#define KY_XLINE_PE_H

#include "DbXline.h"
#include "KyConstructionLinePE.h"

class CKyXlinePE : public CKyConstructionLinePE<CKyXlinePE, OdDbXline>
{
public:
  ODRX_DECLARE_MEMBERS(CKyXlinePE);

  CKyString GetClassName(const OdDbObject* object) override;

  static KyDescriptionList s_Names;
};

class CKyXlineInfo : public CKyPrintObjectInfoPE
{
public:
  CKyString GetClassName(const OdDbObject* object) override;
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

#endif
