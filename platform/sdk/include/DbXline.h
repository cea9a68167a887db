// OdDbXline: the infinite construction line through a base point (world coordinates) along a unit
// direction. Parameters run over all reals: the point at t is basePoint + t * unitDir; it has no
// start and no end (eNotApplicable) and no extents.
#ifndef OD_DB_XLINE_H
#define OD_DB_XLINE_H

#include "DbConstructionLine.h"

class OdDbXline : public OdDbConstructionLine
{
public:
  ODRX_DECLARE_MEMBERS(OdDbXline);

  // Through the origin along +X.
  OdDbXline();

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
};

typedef OdSmartPtr<OdDbXline> OdDbXlinePtr;

#endif
