// Rows and listing of solids (2D filled quadrilaterals).
#include "KySolidPE.h"

#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKySolidPE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKySolidPE::s_Names;

CKyString CKySolidPE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Solid"));
}

bool CKySolidInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  return true;
}
