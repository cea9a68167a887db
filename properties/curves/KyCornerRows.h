// The corner rows of the four-corner entities (trace, solid, face): a fixed selector of four
// corners and one UCS component of the chosen corner. The corner accessors differ by class, so
// they are passed in; a corner the entity does not have shows empty and refuses writes.
#ifndef KY_CORNER_ROWS_H
#define KY_CORNER_ROWS_H

#include "KyAccessors.h"
#include "OdResult.h"

const int kKyCornerCount = 4;

// get(entity, index, point) -> OdResult
template <class Entity, class Get>
CKyVariant KyCornerComponent(const OdDbObject* object, int index, KyAxis axis, Get get)
{
  const KyOpened<Entity> entity = KyForRead<Entity>(object);
  OdGePoint3d corner;
  if (entity.isNull() || get(entity.get(), static_cast<OdUInt16>(index), corner) != eOk)
    return CKyVariant();
  return KyUcsComponent(object, corner, axis);
}

// set(entity, index, point) writes the corner; called only when the component changes.
template <class Entity, class Get, class Set>
int KySetCornerComponent(const OdDbObject* object, int index, KyAxis axis, const CKyVariant& value, Get get, Set set)
{
  const KyOpened<Entity> entity = KyForWrite<Entity>(object);
  OdGePoint3d corner;
  const OdUInt16 corner16 = static_cast<OdUInt16>(index);
  if (entity.isNull() || get(entity.get(), corner16, corner) != eOk)
    return kKyRefused;
  return KySetUcsComponent(object, corner, axis, value,
                           [&](const OdGePoint3d& p) { set(entity.get(), corner16, p); });
}

// The selector row: corners 1 to 4. The palette keeps the choice and passes it as context.
template <class Entity>
CKyVariant KyCornerSelector(const OdDbObject* object)
{
  return KyForRead<Entity>(object).isNull() ? CKyVariant() : KyElementSelector(kKyCornerCount);
}

template <class Entity>
int KySetCornerSelector(const OdDbObject* object)
{
  return KyForWrite<Entity>(object).isNull() ? kKyRefused : kKyAccepted;
}

#endif
