// OdAbstractViewPE: protocol extension that reads and sets the view and the user coordinate
// system of a view-like object (viewport and view records; viewport entities later) through
// one interface. Get it with OdAbstractViewPEPtr(pObject) or OdAbstractViewPE::cast(pObject).
#ifndef OD_ABSTRACT_VIEW_PE_H
#define OD_ABSTRACT_VIEW_PE_H

#include "Ge/GePoint2d.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"
#include "RxObject.h"

class OdAbstractViewPE : public OdRxObject
{
public:
  ODRX_DECLARE_MEMBERS(OdAbstractViewPE);

  // The view: target point, direction from target to camera, up vector, and the size of
  // the field seen (world units). The object must be open for read.
  virtual OdGePoint3d target(const OdRxObject* pViewport) const = 0;
  virtual OdGeVector3d direction(const OdRxObject* pViewport) const = 0;
  virtual OdGeVector3d upVector(const OdRxObject* pViewport) const = 0;
  virtual double fieldWidth(const OdRxObject* pViewport) const = 0;
  virtual double fieldHeight(const OdRxObject* pViewport) const = 0;
  virtual bool isPerspective(const OdRxObject* pViewport) const = 0;
  virtual double lensLength(const OdRxObject* pViewport) const = 0;
  virtual double viewTwist(const OdRxObject* pViewport) const = 0;
  // The centre of the view in its display coordinates.
  virtual OdGePoint2d viewCenter(const OdRxObject* pViewport) const = 0;

  // Sets target, direction, up vector and field (the object must be open for write); the
  // up vector and direction fix the twist. Non-finite or degenerate input raises
  // OdError(eInvalidInput).
  virtual void setView(OdRxObject* pViewport, const OdGePoint3d& target, const OdGeVector3d& direction,
                       const OdGeVector3d& upVector, double fieldWidth, double fieldHeight,
                       bool isPerspective = false) const = 0;

  // The object's UCS in world coordinates.
  virtual bool hasUcs(const OdRxObject* pViewport) const = 0;
  virtual void getUcs(const OdRxObject* pViewport, OdGePoint3d& origin, OdGeVector3d& xAxis,
                      OdGeVector3d& yAxis) const = 0;
  // False when the object keeps no UCS. bAlignWithView turns the view to look straight down
  // the new UCS Z axis.
  virtual bool setUcs(OdRxObject* pViewport, const OdGePoint3d& origin, const OdGeVector3d& xAxis,
                      const OdGeVector3d& yAxis, bool bAlignWithView = false) const = 0;
};

typedef OdSmartPtr<OdAbstractViewPE> OdAbstractViewPEPtr;

#endif
