// View-like records (abstract view, viewport and view records) and the OdAbstractViewPE
// implementation that records of these classes answer.
#include <cmath>

#include "AbstractViewPE.h"
#include "DbFiler.h"
#include "DbInternal.h"
#include "DbUCSTableRecord.h"
#include "DbViewTableRecord.h"
#include "DbViewportTableRecord.h"
#include "SdkRxMacros.h"

ODRX_SDK_NO_CONS_DEFINE_MEMBERS(OdAbstractViewPE, OdRxObject)

namespace
{
void attachViewPE(OdRxClass* pClass);
}

// The abstract-view record class attaches its OdAbstractViewPE when its descriptor is made,
// so the protocol works without any initialisation call.
OdRxClass* OdDbAbstractViewTableRecord::g_pDesc = 0;
OdRxClass* OdDbAbstractViewTableRecord::desc()
{
  if (!g_pDesc)
  {
    g_pDesc = ::newOdRxClass(L"OdDbAbstractViewTableRecord", OdDbSymbolTableRecord::desc(), 0);
    attachViewPE(g_pDesc);
  }
  return g_pDesc;
}
OdRxClass* OdDbAbstractViewTableRecord::isA() const { return desc(); }
OdRxObject* OdDbAbstractViewTableRecord::queryX(const OdRxClass* pClass) const
{
  return ::odQueryXImpl<OdDbAbstractViewTableRecord, OdDbSymbolTableRecord>(this, pClass);
}
void OdDbAbstractViewTableRecord::rxInit() { desc(); }
void OdDbAbstractViewTableRecord::rxInit(AppNameChangeFuncPtr) { desc(); }
void OdDbAbstractViewTableRecord::rxUninit() {}
OdRxObjectPtr OdDbAbstractViewTableRecord::pseudoConstructor() { return OdRxObjectPtr(); }

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbViewportTableRecord, OdDbAbstractViewTableRecord, L"VPORT")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbViewTableRecord, OdDbAbstractViewTableRecord, L"VIEW")

namespace
{
void checkPositiveFinite(double value)
{
  if (!std::isfinite(value) || value <= 0.0)
    throw OdError(eInvalidInput);
}

OdGeVector3d checkedDirection(const OdGeVector3d& dir)
{
  odDbCheckFinite(dir);
  if (dir.isZeroLength())
    throw OdError(eInvalidInput);
  return dir;
}
} // namespace

// ---- OdDbAbstractViewTableRecord ---------------------------------------------------------------

OdDbAbstractViewTableRecord::OdDbAbstractViewTableRecord() = default;

OdGePoint2d OdDbAbstractViewTableRecord::centerPoint() const
{
  assertReadEnabled();
  return m_center;
}

void OdDbAbstractViewTableRecord::setCenterPoint(const OdGePoint2d& centerPoint)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(centerPoint);
  assertWriteEnabled();
  m_center = centerPoint;
}

double OdDbAbstractViewTableRecord::height() const
{
  assertReadEnabled();
  return m_height;
}

void OdDbAbstractViewTableRecord::setHeight(double height)
{
  assertWriteEnabled(false, false);
  checkPositiveFinite(height);
  assertWriteEnabled();
  m_height = height;
}

double OdDbAbstractViewTableRecord::width() const
{
  assertReadEnabled();
  return m_width;
}

void OdDbAbstractViewTableRecord::setWidth(double width)
{
  assertWriteEnabled(false, false);
  checkPositiveFinite(width);
  assertWriteEnabled();
  m_width = width;
}

OdGePoint3d OdDbAbstractViewTableRecord::target() const
{
  assertReadEnabled();
  return m_target;
}

void OdDbAbstractViewTableRecord::setTarget(const OdGePoint3d& target)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(target);
  assertWriteEnabled();
  m_target = target;
}

OdGeVector3d OdDbAbstractViewTableRecord::viewDirection() const
{
  assertReadEnabled();
  return m_viewDir;
}

void OdDbAbstractViewTableRecord::setViewDirection(const OdGeVector3d& viewDirection)
{
  assertWriteEnabled(false, false);
  const OdGeVector3d dir = checkedDirection(viewDirection);
  assertWriteEnabled();
  m_viewDir = dir;
}

double OdDbAbstractViewTableRecord::viewTwist() const
{
  assertReadEnabled();
  return m_twist;
}

void OdDbAbstractViewTableRecord::setViewTwist(double viewTwist)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(viewTwist);
  assertWriteEnabled();
  m_twist = viewTwist;
}

double OdDbAbstractViewTableRecord::lensLength() const
{
  assertReadEnabled();
  return m_lensLength;
}

void OdDbAbstractViewTableRecord::setLensLength(double lensLength)
{
  assertWriteEnabled(false, false);
  checkPositiveFinite(lensLength);
  assertWriteEnabled();
  m_lensLength = lensLength;
}

double OdDbAbstractViewTableRecord::frontClipDistance() const
{
  assertReadEnabled();
  return m_frontClip;
}

void OdDbAbstractViewTableRecord::setFrontClipDistance(double distance)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(distance);
  assertWriteEnabled();
  m_frontClip = distance;
}

double OdDbAbstractViewTableRecord::backClipDistance() const
{
  assertReadEnabled();
  return m_backClip;
}

void OdDbAbstractViewTableRecord::setBackClipDistance(double distance)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(distance);
  assertWriteEnabled();
  m_backClip = distance;
}

bool OdDbAbstractViewTableRecord::perspectiveEnabled() const
{
  assertReadEnabled();
  return m_perspective;
}

void OdDbAbstractViewTableRecord::setPerspectiveEnabled(bool enabled)
{
  assertWriteEnabled();
  m_perspective = enabled;
}

bool OdDbAbstractViewTableRecord::frontClipEnabled() const
{
  assertReadEnabled();
  return m_frontClipOn;
}

void OdDbAbstractViewTableRecord::setFrontClipEnabled(bool enabled)
{
  assertWriteEnabled();
  m_frontClipOn = enabled;
}

bool OdDbAbstractViewTableRecord::backClipEnabled() const
{
  assertReadEnabled();
  return m_backClipOn;
}

void OdDbAbstractViewTableRecord::setBackClipEnabled(bool enabled)
{
  assertWriteEnabled();
  m_backClipOn = enabled;
}

double OdDbAbstractViewTableRecord::elevation() const
{
  assertReadEnabled();
  return m_elevation;
}

void OdDbAbstractViewTableRecord::setElevation(double elevation)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(elevation);
  assertWriteEnabled();
  m_elevation = elevation;
}

void OdDbAbstractViewTableRecord::getUcs(OdGePoint3d& origin, OdGeVector3d& xAxis, OdGeVector3d& yAxis) const
{
  assertReadEnabled();
  origin = m_ucsOrigin;
  xAxis = m_ucsX;
  yAxis = m_ucsY;
}

void OdDbAbstractViewTableRecord::setUcs(const OdGePoint3d& origin, const OdGeVector3d& xAxis,
                                         const OdGeVector3d& yAxis)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(origin);
  const OdGeVector3d x = checkedDirection(xAxis).normal();
  const OdGeVector3d y = checkedDirection(yAxis).normal();
  if (!x.isPerpendicularTo(y))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_ucsOrigin = origin;
  m_ucsX = x;
  m_ucsY = y;
  m_ucsNameId.setNull();
}

void OdDbAbstractViewTableRecord::setUcs(const OdDbObjectId& ucsId)
{
  assertWriteEnabled(false, false);
  if (ucsId.isNull())
  {
    setUcsToWorld();
    return;
  }
  OdDbUCSTableRecordPtr pUcs = OdDbUCSTableRecord::cast(ucsId.openObject().get());
  if (pUcs.isNull())
    throw OdError(eWrongObjectType);
  setUcs(pUcs->origin(), pUcs->xAxis(), pUcs->yAxis());
  m_ucsNameId = ucsId;
}

void OdDbAbstractViewTableRecord::setUcsToWorld()
{
  setUcs(OdGePoint3d::kOrigin, OdGeVector3d::kXAxis, OdGeVector3d::kYAxis);
}

OdDbObjectId OdDbAbstractViewTableRecord::ucsName() const
{
  assertReadEnabled();
  return m_ucsNameId;
}

void OdDbAbstractViewTableRecord::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbSymbolTableRecord::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbAbstractViewTableRecord");
  pFiler->wrPoint2d(12, m_center);
  pFiler->wrDouble(40, m_height);
  pFiler->wrDouble(41, m_width);
  pFiler->wrPoint3d(17, m_target);
  pFiler->wrVector3d(16, m_viewDir);
  pFiler->wrAngle(51, m_twist);
  pFiler->wrDouble(42, m_lensLength);
  pFiler->wrDouble(43, m_frontClip);
  pFiler->wrDouble(44, m_backClip);
  pFiler->wrInt16(71, static_cast<OdInt16>((m_perspective ? 1 : 0) | (m_frontClipOn ? 2 : 0) | (m_backClipOn ? 4 : 0)));
  pFiler->wrDouble(146, m_elevation);
  pFiler->wrPoint3d(110, m_ucsOrigin);
  pFiler->wrVector3d(111, m_ucsX);
  pFiler->wrVector3d(112, m_ucsY);
  pFiler->wrObjectId(345, m_ucsNameId);
}

void OdDbAbstractViewTableRecord::copyFrom(const OdRxObject* pSource)
{
  OdDbSymbolTableRecord::copyFrom(pSource);
  const OdDbAbstractViewTableRecord* pSrc = static_cast<const OdDbAbstractViewTableRecord*>(pSource);
  m_center = pSrc->m_center;
  m_height = pSrc->m_height;
  m_width = pSrc->m_width;
  m_target = pSrc->m_target;
  m_viewDir = pSrc->m_viewDir;
  m_twist = pSrc->m_twist;
  m_lensLength = pSrc->m_lensLength;
  m_frontClip = pSrc->m_frontClip;
  m_backClip = pSrc->m_backClip;
  m_perspective = pSrc->m_perspective;
  m_frontClipOn = pSrc->m_frontClipOn;
  m_backClipOn = pSrc->m_backClipOn;
  m_elevation = pSrc->m_elevation;
  m_ucsOrigin = pSrc->m_ucsOrigin;
  m_ucsX = pSrc->m_ucsX;
  m_ucsY = pSrc->m_ucsY;
  m_ucsNameId = pSrc->m_ucsNameId;
}

// ---- OdDbViewportTableRecord ---------------------------------------------------------------

OdDbViewportTableRecord::OdDbViewportTableRecord() = default;

OdGePoint2d OdDbViewportTableRecord::lowerLeftCorner() const
{
  assertReadEnabled();
  return m_lowerLeft;
}

namespace
{
bool cornerInRange(const OdGePoint2d& p)
{
  return odgeIsFinite(p) && p.x >= 0.0 && p.x <= 1.0 && p.y >= 0.0 && p.y <= 1.0;
}
} // namespace

void OdDbViewportTableRecord::setLowerLeftCorner(const OdGePoint2d& point)
{
  assertWriteEnabled(false, false);
  if (!cornerInRange(point) || point.x >= m_upperRight.x || point.y >= m_upperRight.y)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_lowerLeft = point;
}

OdGePoint2d OdDbViewportTableRecord::upperRightCorner() const
{
  assertReadEnabled();
  return m_upperRight;
}

void OdDbViewportTableRecord::setUpperRightCorner(const OdGePoint2d& point)
{
  assertWriteEnabled(false, false);
  if (!cornerInRange(point) || point.x <= m_lowerLeft.x || point.y <= m_lowerLeft.y)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_upperRight = point;
}

bool OdDbViewportTableRecord::iconEnabled() const { assertReadEnabled(); return m_iconEnabled; }
void OdDbViewportTableRecord::setIconEnabled(bool enabled) { assertWriteEnabled(); m_iconEnabled = enabled; }
bool OdDbViewportTableRecord::iconAtOrigin() const { assertReadEnabled(); return m_iconAtOrigin; }
void OdDbViewportTableRecord::setIconAtOrigin(bool atOrigin) { assertWriteEnabled(); m_iconAtOrigin = atOrigin; }
bool OdDbViewportTableRecord::isUcsSavedWithViewport() const { assertReadEnabled(); return m_ucsPerViewport; }
void OdDbViewportTableRecord::setUcsPerViewport(bool ucsPerViewport) { assertWriteEnabled(); m_ucsPerViewport = ucsPerViewport; }
bool OdDbViewportTableRecord::gridEnabled() const { assertReadEnabled(); return m_gridEnabled; }
void OdDbViewportTableRecord::setGridEnabled(bool enabled) { assertWriteEnabled(); m_gridEnabled = enabled; }
bool OdDbViewportTableRecord::snapEnabled() const { assertReadEnabled(); return m_snapEnabled; }
void OdDbViewportTableRecord::setSnapEnabled(bool enabled) { assertWriteEnabled(); m_snapEnabled = enabled; }

OdGeVector2d OdDbViewportTableRecord::gridIncrements() const
{
  assertReadEnabled();
  return m_gridIncrements;
}

void OdDbViewportTableRecord::setGridIncrements(const OdGeVector2d& increments)
{
  assertWriteEnabled(false, false);
  checkPositiveFinite(increments.x);
  checkPositiveFinite(increments.y);
  assertWriteEnabled();
  m_gridIncrements = increments;
}

OdGeVector2d OdDbViewportTableRecord::snapIncrements() const
{
  assertReadEnabled();
  return m_snapIncrements;
}

void OdDbViewportTableRecord::setSnapIncrements(const OdGeVector2d& increments)
{
  assertWriteEnabled(false, false);
  checkPositiveFinite(increments.x);
  checkPositiveFinite(increments.y);
  assertWriteEnabled();
  m_snapIncrements = increments;
}

OdInt16 OdDbViewportTableRecord::circleSides() const
{
  assertReadEnabled();
  return m_circleSides;
}

void OdDbViewportTableRecord::setCircleSides(OdInt16 sides)
{
  assertWriteEnabled(false, false);
  if (sides < 1)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_circleSides = sides;
}

void OdDbViewportTableRecord::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbAbstractViewTableRecord::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbViewportTableRecord");
  pFiler->wrPoint2d(10, m_lowerLeft);
  pFiler->wrPoint2d(11, m_upperRight);
  pFiler->wrVector2d(14, m_snapIncrements);
  pFiler->wrVector2d(15, m_gridIncrements);
  pFiler->wrInt16(72, m_circleSides);
  pFiler->wrInt16(74, static_cast<OdInt16>((m_iconEnabled ? 1 : 0) | (m_iconAtOrigin ? 2 : 0)));
  pFiler->wrInt16(75, m_snapEnabled ? 1 : 0);
  pFiler->wrInt16(76, m_gridEnabled ? 1 : 0);
  pFiler->wrInt16(65, m_ucsPerViewport ? 1 : 0);
}

void OdDbViewportTableRecord::copyFrom(const OdRxObject* pSource)
{
  OdDbAbstractViewTableRecord::copyFrom(pSource);
  const OdDbViewportTableRecord* pSrc = static_cast<const OdDbViewportTableRecord*>(pSource);
  m_lowerLeft = pSrc->m_lowerLeft;
  m_upperRight = pSrc->m_upperRight;
  m_iconEnabled = pSrc->m_iconEnabled;
  m_iconAtOrigin = pSrc->m_iconAtOrigin;
  m_ucsPerViewport = pSrc->m_ucsPerViewport;
  m_gridEnabled = pSrc->m_gridEnabled;
  m_snapEnabled = pSrc->m_snapEnabled;
  m_gridIncrements = pSrc->m_gridIncrements;
  m_snapIncrements = pSrc->m_snapIncrements;
  m_circleSides = pSrc->m_circleSides;
}

// ---- OdDbViewTableRecord -------------------------------------------------------------------

OdDbViewTableRecord::OdDbViewTableRecord() = default;

bool OdDbViewTableRecord::isPaperspaceView() const { assertReadEnabled(); return m_paperspace; }
void OdDbViewTableRecord::setIsPaperspaceView(bool paperspace) { assertWriteEnabled(); m_paperspace = paperspace; }
OdString OdDbViewTableRecord::getCategoryName() const { assertReadEnabled(); return m_category; }
void OdDbViewTableRecord::setCategoryName(const OdString& categoryName) { assertWriteEnabled(); m_category = categoryName; }
bool OdDbViewTableRecord::isUcsAssociatedToView() const { assertReadEnabled(); return m_ucsAssociated; }
void OdDbViewTableRecord::disassociateUcsFromView() { assertWriteEnabled(); m_ucsAssociated = false; }

void OdDbViewTableRecord::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbAbstractViewTableRecord::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbViewTableRecord");
  pFiler->wrInt16(70, m_paperspace ? 1 : 0);
  pFiler->wrInt16(72, m_ucsAssociated ? 1 : 0);
  pFiler->wrString(4, m_category);
}

void OdDbViewTableRecord::copyFrom(const OdRxObject* pSource)
{
  OdDbAbstractViewTableRecord::copyFrom(pSource);
  const OdDbViewTableRecord* pSrc = static_cast<const OdDbViewTableRecord*>(pSource);
  m_paperspace = pSrc->m_paperspace;
  m_category = pSrc->m_category;
  m_ucsAssociated = pSrc->m_ucsAssociated;
}

// ---- OdAbstractViewPE for view records -------------------------------------------------------

namespace
{
class OdDbAbstractViewRecordPE : public OdAbstractViewPE
{
  static const OdDbAbstractViewTableRecord* rec(const OdRxObject* p)
  {
    // The run-time class check is a short walk up the class tree (the palette asks for the
    // active viewport's UCS once per shown vertex coordinate).
    if (!p || !p->isKindOf(OdDbAbstractViewTableRecord::desc()))
      throw OdError_NotThatKindOfClass(p ? p->isA() : 0, OdDbAbstractViewTableRecord::desc());
    return static_cast<const OdDbAbstractViewTableRecord*>(p);
  }
  static OdDbAbstractViewTableRecord* rec(OdRxObject* p)
  {
    return const_cast<OdDbAbstractViewTableRecord*>(rec(static_cast<const OdRxObject*>(p)));
  }

  // The up vector is the world axis seen as "up" when looking along the view direction
  // (Y for plan views), turned by the twist about the direction.
  static OdGeVector3d upOf(const OdDbAbstractViewTableRecord* pRec)
  {
    const OdGeVector3d dir = pRec->viewDirection().normal();
    OdGeVector3d up = OdGeVector3d::kZAxis.orthoProject(dir);
    if (up.isZeroLength())
      up = OdGeVector3d::kYAxis;
    else
      up.normalize();
    return up.rotateBy(pRec->viewTwist(), dir);
  }

public:
  OdGePoint3d target(const OdRxObject* p) const override { return rec(p)->target(); }
  OdGeVector3d direction(const OdRxObject* p) const override { return rec(p)->viewDirection(); }
  OdGeVector3d upVector(const OdRxObject* p) const override { return upOf(rec(p)); }
  double fieldWidth(const OdRxObject* p) const override { return rec(p)->width(); }
  double fieldHeight(const OdRxObject* p) const override { return rec(p)->height(); }
  bool isPerspective(const OdRxObject* p) const override { return rec(p)->perspectiveEnabled(); }
  double lensLength(const OdRxObject* p) const override { return rec(p)->lensLength(); }
  double viewTwist(const OdRxObject* p) const override { return rec(p)->viewTwist(); }
  OdGePoint2d viewCenter(const OdRxObject* p) const override { return rec(p)->centerPoint(); }

  void setView(OdRxObject* p, const OdGePoint3d& target, const OdGeVector3d& direction, const OdGeVector3d& upVector,
               double fieldWidth, double fieldHeight, bool isPerspective) const override
  {
    OdDbAbstractViewTableRecord* pRec = rec(p);
    pRec->assertWriteEnabled(false, false);
    odDbCheckFinite(target);
    checkedDirection(direction);
    checkedDirection(upVector);
    checkPositiveFinite(fieldWidth);
    checkPositiveFinite(fieldHeight);
    const OdGeVector3d dir = direction.normal();
    OdGeVector3d up = upVector.orthoProject(dir);
    if (up.isZeroLength())
      throw OdError(eInvalidInput);
    pRec->setTarget(target);
    pRec->setViewDirection(direction);
    pRec->setViewTwist(0.0);
    pRec->setViewTwist(upOf(pRec).angleTo(up.normal(), dir));
    pRec->setWidth(fieldWidth);
    pRec->setHeight(fieldHeight);
    pRec->setPerspectiveEnabled(isPerspective);
  }

  bool hasUcs(const OdRxObject* p) const override
  {
    rec(p);
    return true;
  }
  void getUcs(const OdRxObject* p, OdGePoint3d& origin, OdGeVector3d& xAxis, OdGeVector3d& yAxis) const override
  {
    rec(p)->getUcs(origin, xAxis, yAxis);
  }
  bool setUcs(OdRxObject* p, const OdGePoint3d& origin, const OdGeVector3d& xAxis, const OdGeVector3d& yAxis,
              bool bAlignWithView) const override
  {
    OdDbAbstractViewTableRecord* pRec = rec(p);
    pRec->setUcs(origin, xAxis, yAxis);
    if (bAlignWithView)
    {
      pRec->setViewDirection(xAxis.crossProduct(yAxis));
      pRec->setViewTwist(0.0);
    }
    return true;
  }
};

void attachViewPE(OdRxClass* pClass)
{
  static OdStaticRxObject<OdDbAbstractViewRecordPE> s_viewPE;
  pClass->addX(OdAbstractViewPE::desc(), &s_viewPE);
}
} // namespace
