// CKyScaleList: lookup of a drawing's scales by name.
#include "KyScaleList.h"

#include "DbObjectContextManager.h"

OdDbAnnotationScalePtr CKyScaleList::GetByName(OdDbDatabase* pDb, const CKyString& name)
{
  if (!pDb)
    return OdDbAnnotationScalePtr();
  return OdDbAnnotationScale::cast(OdDbAnnotationScaleList::getScale(pDb, name).openObject().get());
}
