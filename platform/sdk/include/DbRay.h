// OdDbRay: the half-infinite construction line from a base point (world coordinates) along a unit
// direction. Parameters run from 0 at the base point (its start) and are distances from it; it
// has no end (eNotApplicable) and no extents.
#ifndef OD_DB_RAY_H
#define OD_DB_RAY_H

#include "DbConstructionLine.h"

class OdDbRay : public OdDbConstructionLine
{
public:
  ODRX_DECLARE_MEMBERS(OdDbRay);

  // From the origin along +X.
  OdDbRay();

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
};

typedef OdSmartPtr<OdDbRay> OdDbRayPtr;

#endif
