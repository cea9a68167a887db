// OdDbSolid: the 2D filled quadrilateral; three corners repeat the third (OdDbPlanarFill holds its
// state).
#ifndef OD_DB_SOLID_H
#define OD_DB_SOLID_H

#include "DbPlanarFill.h"

class OdDbSolid : public OdDbPlanarFill
{
public:
  ODRX_DECLARE_MEMBERS(OdDbSolid);

  OdDbSolid() = default;
  OdDbSolid(const OdGePoint3d& pt0, const OdGePoint3d& pt1, const OdGePoint3d& pt2, const OdGePoint3d& pt3)
    : OdDbPlanarFill(pt0, pt1, pt2, pt3)
  {
  }
};

typedef OdSmartPtr<OdDbSolid> OdDbSolidPtr;

#endif
