// OdDbViewportTableRecord: a model-space view tile: the view of its abstract-view base, its
// place on the screen (lower-left and upper-right corners, 0..1) and its UCS-icon, grid and
// snap settings.
#ifndef OD_DB_VIEWPORT_TABLE_RECORD_H
#define OD_DB_VIEWPORT_TABLE_RECORD_H

#include "DbAbstractViewTableRecord.h"

class OdDbViewportTableRecord : public OdDbAbstractViewTableRecord
{
public:
  ODRX_DECLARE_MEMBERS(OdDbViewportTableRecord);

  OdDbViewportTableRecord();

  // Corners within 0..1 with lower-left below and left of upper-right (eInvalidInput).
  OdGePoint2d lowerLeftCorner() const;
  void setLowerLeftCorner(const OdGePoint2d& point);
  OdGePoint2d upperRightCorner() const;
  void setUpperRightCorner(const OdGePoint2d& point);

  bool iconEnabled() const;
  void setIconEnabled(bool enabled);
  bool iconAtOrigin() const;
  void setIconAtOrigin(bool atOrigin);
  // Each tile keeps its own UCS.
  bool isUcsSavedWithViewport() const;
  void setUcsPerViewport(bool ucsPerViewport);
  bool gridEnabled() const;
  void setGridEnabled(bool enabled);
  bool snapEnabled() const;
  void setSnapEnabled(bool enabled);
  // Positive and finite increments.
  OdGeVector2d gridIncrements() const;
  void setGridIncrements(const OdGeVector2d& increments);
  OdGeVector2d snapIncrements() const;
  void setSnapIncrements(const OdGeVector2d& increments);
  // 1..32767 (eInvalidInput otherwise).
  OdInt16 circleSides() const;
  void setCircleSides(OdInt16 sides);

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  OdGePoint2d m_lowerLeft;
  OdGePoint2d m_upperRight = OdGePoint2d(1.0, 1.0);
  bool m_iconEnabled = true;
  bool m_iconAtOrigin = true;
  bool m_ucsPerViewport = true;
  bool m_gridEnabled = false;
  bool m_snapEnabled = false;
  OdGeVector2d m_gridIncrements = OdGeVector2d(10.0, 10.0);
  OdGeVector2d m_snapIncrements = OdGeVector2d(10.0, 10.0);
  OdInt16 m_circleSides = 1000;
};

typedef OdSmartPtr<OdDbViewportTableRecord> OdDbViewportTableRecordPtr;

#endif
