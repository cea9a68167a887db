// Rows and listing of infinite lines.
#include "KyXlinePE.h"

#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyXlinePE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyXlinePE::s_Names;

CKyString CKyXlinePE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "ILine"));
}

CKyString CKyXlineInfo::GetClassName(const OdDbObject*)
{
  return CKyString(L"ILINE");
}

bool CKyXlineInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  KyPrintConstructionLine<OdDbXline>(
    object, context, {QT_TRANSLATE_NOOP("info_items", "base point"), QT_TRANSLATE_NOOP("info_items", "unit direction")});
  return true;
}
