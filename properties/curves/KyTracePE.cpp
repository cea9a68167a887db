// Rows and listing of traces.
#include "KyTracePE.h"

#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyTracePE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyTracePE::s_Names;

CKyString CKyTracePE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Trace"));
}

bool CKyTraceInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  return true;
}
