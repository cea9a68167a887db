// Base of the spatial geometric entities: run-time kind (type, isKindOf), copying and
// transformation.
#ifndef OD_GE_ENTITY3D_H
#define OD_GE_ENTITY3D_H

#include "Ge/GeMatrix3d.h"

class OdGeEntity3d
{
public:
  virtual ~OdGeEntity3d() = default;

  virtual OdGe::EntityId type() const = 0;
  // True for the entity's own kind and every kind it derives from.
  virtual bool isKindOf(OdGe::EntityId entType) const { return entType == OdGe::kEntity3d; }
  // A new copy of this entity, owned by the caller.
  virtual OdGeEntity3d* copy() const = 0;
  virtual OdGeEntity3d& transformBy(const OdGeMatrix3d& xfm) = 0;
  virtual bool isOn(const OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const = 0;

protected:
  OdGeEntity3d() = default;
  OdGeEntity3d(const OdGeEntity3d&) = default;
  OdGeEntity3d& operator=(const OdGeEntity3d&) = default;
};

#endif
