// OdDbUCSTableRecord: a named user coordinate system: origin and X and Y axes in world
// coordinates.
#ifndef OD_DB_UCS_TABLE_RECORD_H
#define OD_DB_UCS_TABLE_RECORD_H

#include "DbSymbolTableRecord.h"
#include "Ge/GePoint3d.h"

class OdDbUCSTableRecord : public OdDbSymbolTableRecord
{
public:
  ODRX_DECLARE_MEMBERS(OdDbUCSTableRecord);

  OdDbUCSTableRecord();

  OdGePoint3d origin() const;
  // Finite coordinates (OdError(eInvalidInput)).
  void setOrigin(const OdGePoint3d& origin);
  OdGeVector3d xAxis() const;
  // Non-zero finite axes, stored normalised (OdError(eInvalidInput)).
  void setXAxis(const OdGeVector3d& xAxis);
  OdGeVector3d yAxis() const;
  void setYAxis(const OdGeVector3d& yAxis);

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  OdGePoint3d m_origin;
  OdGeVector3d m_xAxis = OdGeVector3d::kXAxis;
  OdGeVector3d m_yAxis = OdGeVector3d::kYAxis;
};

typedef OdSmartPtr<OdDbUCSTableRecord> OdDbUCSTableRecordPtr;

#endif
