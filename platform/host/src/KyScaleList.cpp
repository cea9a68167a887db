// CKyScaleList: lookup of a drawing's scales by name.
#include "KyScaleList.h"

#include "DbObjectContextManager.h"
#include "KyReadScopeMemo.h"

OdDbAnnotationScalePtr CKyScaleList::GetByName(OdDbDatabase* pDb, const CKyString& name)
{
  if (!pDb)
    return OdDbAnnotationScalePtr();
  KyReadScopeMemo* memo = kyReadScopeIn(pDb);
  if (!memo)
    return OdDbAnnotationScale::cast(OdDbAnnotationScaleList::getScale(pDb, name).openObject().get());
  for (const KyReadScopeMemo::NamedScale& known : memo->scalesByName)
    if (known.name == name)
      return OdDbAnnotationScale::cast(known.id.openObject().get());
  const OdDbObjectId id = OdDbAnnotationScaleList::getScale(pDb, name);
  memo->scalesByName.push_back({name, id});
  return OdDbAnnotationScale::cast(id.openObject().get());
}
