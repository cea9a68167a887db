// CKySolidPE and CKySolidInfo: palette rows of solids (2D filled quadrilaterals) (shared with the other planar fill kind in
// KyPlanarFillPE.h); the listing prints the common lines only.
#ifndef KY_SOLID_PE_H
#define KY_SOLID_PE_H

#include "DbSolid.h"
#include "KyPlanarFillPE.h"

class CKySolidPE : public CKyPlanarFillPE<CKySolidPE, OdDbSolid, true>
{
public:
  ODRX_DECLARE_MEMBERS(CKySolidPE);

  CKyString GetClassName(const OdDbObject* object) override;

  static KyDescriptionList s_Names;
};

class CKySolidInfo : public CKyPrintObjectInfoPE
{
public:
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

#endif
