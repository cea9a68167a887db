// Rows and listing of rays.
#include "KyRayPE.h"

#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyRayPE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyRayPE::s_Names;

CKyString CKyRayPE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Ray"));
}

bool CKyRayInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  KyPrintConstructionLine<OdDbRay>(
    object, context, {QT_TRANSLATE_NOOP("info_items", "Base point"), QT_TRANSLATE_NOOP("info_items", "Unit direction")});
  return true;
}
