// Base of the planar geometric entities: run-time kind (type, isKindOf), copying and
// transformation.
#ifndef OD_GE_ENTITY2D_H
#define OD_GE_ENTITY2D_H

#include "Ge/GeMatrix2d.h"

class OdGeEntity2d
{
public:
  virtual ~OdGeEntity2d() = default;

  virtual OdGe::EntityId type() const = 0;
  // True for the entity's own kind and every kind it derives from.
  virtual bool isKindOf(OdGe::EntityId entType) const { return entType == OdGe::kEntity2d; }
  // A new copy of this entity, owned by the caller.
  virtual OdGeEntity2d* copy() const = 0;
  virtual OdGeEntity2d& transformBy(const OdGeMatrix2d& xfm) = 0;
  virtual bool isOn(const OdGePoint2d& point, const OdGeTol& tol = OdGeContext::gTol) const = 0;

protected:
  OdGeEntity2d() = default;
  OdGeEntity2d(const OdGeEntity2d&) = default;
  OdGeEntity2d& operator=(const OdGeEntity2d&) = default;
};

#endif
