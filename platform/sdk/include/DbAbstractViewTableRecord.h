// OdDbAbstractViewTableRecord: the view shared by viewport and view records: centre (in the
// view's display coordinates), height and width, target and view direction, twist, lens and
// clipping, and the record's user coordinate system. Records of this class answer the
// OdAbstractViewPE protocol without any set-up.
#ifndef OD_DB_ABSTRACT_VIEW_TABLE_RECORD_H
#define OD_DB_ABSTRACT_VIEW_TABLE_RECORD_H

#include "DbSymbolTableRecord.h"
#include "Ge/GePoint2d.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"

class OdDbAbstractViewTableRecord : public OdDbSymbolTableRecord
{
public:
  ODRX_DECLARE_MEMBERS(OdDbAbstractViewTableRecord);

  // Every setter refuses non-finite values with OdError(eInvalidInput); heights, widths and
  // the lens length must also be positive, directions non-zero.
  OdGePoint2d centerPoint() const;
  void setCenterPoint(const OdGePoint2d& centerPoint);
  double height() const;
  void setHeight(double height);
  double width() const;
  void setWidth(double width);
  OdGePoint3d target() const;
  void setTarget(const OdGePoint3d& target);
  OdGeVector3d viewDirection() const;
  void setViewDirection(const OdGeVector3d& viewDirection);
  double viewTwist() const;
  void setViewTwist(double viewTwist);
  double lensLength() const;
  void setLensLength(double lensLength);
  double frontClipDistance() const;
  void setFrontClipDistance(double distance);
  double backClipDistance() const;
  void setBackClipDistance(double distance);
  bool perspectiveEnabled() const;
  void setPerspectiveEnabled(bool enabled);
  bool frontClipEnabled() const;
  void setFrontClipEnabled(bool enabled);
  bool backClipEnabled() const;
  void setBackClipEnabled(bool enabled);
  double elevation() const;
  void setElevation(double elevation);

  // The view's UCS: origin and axes in world coordinates (world unless set).
  void getUcs(OdGePoint3d& origin, OdGeVector3d& xAxis, OdGeVector3d& yAxis) const;
  // The axes must be non-zero and perpendicular (OdError(eInvalidInput)); they are stored
  // normalised. Clears the named UCS.
  void setUcs(const OdGePoint3d& origin, const OdGeVector3d& xAxis, const OdGeVector3d& yAxis);
  // Makes a named UCS record the view's UCS (copying its origin and axes); a null id returns
  // to the world system.
  void setUcs(const OdDbObjectId& ucsId);
  void setUcsToWorld();
  bool isUcsOrthographic() const { return false; }
  // The named UCS record in use (null when the UCS is unnamed).
  OdDbObjectId ucsName() const;

  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

protected:
  OdDbAbstractViewTableRecord();

private:
  OdGePoint2d m_center;
  double m_height = 1.0;
  double m_width = 1.0;
  OdGePoint3d m_target;
  OdGeVector3d m_viewDir = OdGeVector3d::kZAxis;
  double m_twist = 0.0;
  double m_lensLength = 50.0;
  double m_frontClip = 0.0;
  double m_backClip = 0.0;
  bool m_perspective = false;
  bool m_frontClipOn = false;
  bool m_backClipOn = false;
  double m_elevation = 0.0;
  OdGePoint3d m_ucsOrigin;
  OdGeVector3d m_ucsX = OdGeVector3d::kXAxis;
  OdGeVector3d m_ucsY = OdGeVector3d::kYAxis;
  OdDbObjectId m_ucsNameId;
};

typedef OdSmartPtr<OdDbAbstractViewTableRecord> OdDbAbstractViewTableRecordPtr;

#endif
