// OdDbEntity's common properties and OdDbCurve's derived queries.
#include "DbCurve.h"
#include "DbFiler.h"
#include "DbInternal.h"
#include "DbLayerTable.h"
#include "DbLinetypeTable.h"
#include "SdkRxMacros.h"

ODRX_SDK_DBOBJECT_NO_CONS_DEFINE_MEMBERS(OdDbEntity, OdDbObject)
ODRX_SDK_DBOBJECT_NO_CONS_DEFINE_MEMBERS(OdDbCurve, OdDbEntity)

namespace
{
// Checks an id handed to setLayer / setLinetype: eOk or the reason it cannot be used.
OdResult checkPropertyId(const OdDbEntity* pEnt, const OdDbObjectId& id, const OdRxClass* pClass)
{
  if (id.isNull())
    return eNullObjectId;
  if (!id.isValid())
    return eInvalidInput;
  if (id.isErased())
    return eWasErased;
  if (!odDbIdIsKindOf(id, pClass))
    return eWrongObjectType;
  if (pEnt->database() && id.database() != pEnt->database())
    return eWrongDatabase;
  return eOk;
}
} // namespace

OdDbEntity::OdDbEntity() = default;

// ---- stored state ----------------------------------------------------------------------------

OdCmColor OdDbEntity::storedColor() const
{
  return m_bNamedColor ? OdDbObjectAccess::entityExtras(this)->namedColor : OdCmColor(m_color);
}

void OdDbEntity::storeColor(const OdCmColor& color)
{
  m_color = color.entityColor();
  m_bNamedColor = color.hasColorName() || color.hasBookName();
  if (m_bNamedColor)
    OdDbObjectAccess::makeEntityExtras(this).namedColor = color;
}

const OdString& OdDbEntity::storedPlotStyleName() const
{
  static const OdString kByLayer(L"ByLayer");
  const OdDbEntityExtras* pExtras = OdDbObjectAccess::entityExtras(this);
  return pExtras && !pExtras->plotStyleName.isEmpty() ? pExtras->plotStyleName : kByLayer;
}

void OdDbEntity::storePlotStyleName(const OdString& plotStyleName)
{
  // The default needs no storage; any other spelling is kept as given.
  if (plotStyleName == L"ByLayer")
  {
    if (OdDbObjectAccess::entityExtras(this))
      OdDbObjectAccess::makeEntityExtras(this).plotStyleName.empty();
  }
  else
    OdDbObjectAccess::makeEntityExtras(this).plotStyleName = plotStyleName;
}

// ---- properties ------------------------------------------------------------------------------

OdDbObjectId OdDbEntity::blockId() const
{
  assertReadEnabled();
  return odDbIdIsKindOf(ownerId(), OdDbBlockTableRecord::desc()) ? ownerId() : OdDbObjectId();
}

OdCmColor OdDbEntity::color() const
{
  assertReadEnabled();
  return storedColor();
}

OdResult OdDbEntity::setColor(const OdCmColor& color, bool /*doSubents*/)
{
  assertWriteEnabled(false, false);
  if (color.isLayerOff() || color.isLayerFrozen())
    return eInvalidInput;
  assertWriteEnabled();
  storeColor(color);
  return eOk;
}

OdUInt16 OdDbEntity::colorIndex() const
{
  return color().colorIndex();
}

OdResult OdDbEntity::setColorIndex(OdUInt16 colorIndex, bool doSubents)
{
  assertWriteEnabled(false, false);
  if (colorIndex > 257)
    return eInvalidInput;
  OdCmColor color;
  color.setColorIndex(colorIndex);
  return setColor(color, doSubents);
}

OdCmEntityColor OdDbEntity::entityColor() const
{
  return color().entityColor();
}

OdString OdDbEntity::layer() const
{
  assertReadEnabled();
  return odDbRecordName(m_layerId);
}

OdDbObjectId OdDbEntity::layerId() const
{
  assertReadEnabled();
  return m_layerId;
}

OdResult OdDbEntity::setLayer(OdDbObjectId layerId, bool /*doSubents*/, bool allowHiddenLayer)
{
  assertWriteEnabled(false, false);
  const OdResult res = checkPropertyId(this, layerId, OdDbLayerTableRecord::desc());
  if (res != eOk)
    return res;
  if (!allowHiddenLayer)
  {
    OdDbLayerTableRecordPtr pLayer = layerId.openObject();
    if (pLayer->isHidden())
      return eInvalidInput;
  }
  assertWriteEnabled();
  m_layerId = layerId;
  return eOk;
}

OdResult OdDbEntity::setLayer(const OdString& layerName, bool doSubents, bool allowHiddenLayer)
{
  assertWriteEnabled(false, false);
  OdDbDatabase* pDb = database();
  if (!pDb)
    return eNoDatabase;
  OdDbSymbolTablePtr pLayers = pDb->getLayerTableId().safeOpenObject();
  const OdDbObjectId id = pLayers->getAt(layerName);
  if (id.isNull())
    return eKeyNotFound;
  return setLayer(id, doSubents, allowHiddenLayer);
}

OdString OdDbEntity::linetype() const
{
  assertReadEnabled();
  return odDbRecordName(m_linetypeId);
}

OdDbObjectId OdDbEntity::linetypeId() const
{
  assertReadEnabled();
  return m_linetypeId;
}

OdResult OdDbEntity::setLinetype(OdDbObjectId linetypeId, bool /*doSubents*/)
{
  assertWriteEnabled(false, false);
  const OdResult res = checkPropertyId(this, linetypeId, OdDbLinetypeTableRecord::desc());
  if (res != eOk)
    return res;
  assertWriteEnabled();
  m_linetypeId = linetypeId;
  return eOk;
}

OdResult OdDbEntity::setLinetype(const OdString& linetypeName, bool doSubents)
{
  assertWriteEnabled(false, false);
  OdDbDatabase* pDb = database();
  if (!pDb)
    return eNoDatabase;
  OdDbSymbolTablePtr pLinetypes = pDb->getLinetypeTableId().safeOpenObject();
  const OdDbObjectId id = pLinetypes->getAt(linetypeName);
  if (id.isNull())
    return eKeyNotFound;
  return setLinetype(id, doSubents);
}

double OdDbEntity::linetypeScale() const
{
  assertReadEnabled();
  return m_linetypeScale;
}

OdResult OdDbEntity::setLinetypeScale(double linetypeScale, bool /*doSubents*/)
{
  assertWriteEnabled(false, false);
  if (!std::isfinite(linetypeScale) || linetypeScale <= 0.0)
    return eInvalidInput;
  assertWriteEnabled();
  m_linetypeScale = linetypeScale;
  return eOk;
}

OdString OdDbEntity::plotStyleName() const
{
  assertReadEnabled();
  if (database() && database()->getPSTYLEMODE())
    return OdString(L"ByColor");
  return storedPlotStyleName();
}

OdResult OdDbEntity::setPlotStyleName(const OdString& plotStyleName, bool /*doSubents*/)
{
  assertWriteEnabled(false, false);
  if (database() && database()->getPSTYLEMODE())
    return eNotApplicable;
  if (plotStyleName.isEmpty())
    return eInvalidInput;
  assertWriteEnabled();
  storePlotStyleName(plotStyleName);
  return eOk;
}

OdDb::LineWeight OdDbEntity::lineWeight() const
{
  assertReadEnabled();
  return static_cast<OdDb::LineWeight>(m_lineWeight);
}

OdResult OdDbEntity::setLineWeight(OdDb::LineWeight lineWeight, bool /*doSubents*/)
{
  assertWriteEnabled(false, false);
  if (!odIsValidLineWeight(lineWeight))
    return eInvalidInput;
  assertWriteEnabled();
  m_lineWeight = static_cast<OdInt16>(lineWeight);
  return eOk;
}

OdCmTransparency OdDbEntity::transparency() const
{
  assertReadEnabled();
  return m_transparency;
}

OdResult OdDbEntity::setTransparency(const OdCmTransparency& transparency, bool /*doSubents*/)
{
  assertWriteEnabled(false, false);
  if (transparency.isInvalid())
    return eInvalidInput;
  assertWriteEnabled();
  m_transparency = transparency;
  return eOk;
}

OdDb::Visibility OdDbEntity::visibility() const
{
  assertReadEnabled();
  return static_cast<OdDb::Visibility>(m_visibility);
}

OdResult OdDbEntity::setVisibility(OdDb::Visibility visibility, bool /*doSubents*/)
{
  assertWriteEnabled(false, false);
  if (visibility != OdDb::kVisible && visibility != OdDb::kInvisible)
    return eInvalidInput;
  assertWriteEnabled();
  m_visibility = static_cast<OdUInt8>(visibility);
  return eOk;
}

void OdDbEntity::setPropertiesFrom(const OdDbEntity* pEntity, bool doSubents)
{
  assertWriteEnabled(false, false);
  if (!pEntity)
    throw OdError(eNullEntityPointer);
  pEntity->assertReadEnabled();
  setColor(pEntity->storedColor(), doSubents);
  if (!pEntity->m_layerId.isNull())
    setLayer(pEntity->m_layerId, doSubents, true);
  if (!pEntity->m_linetypeId.isNull())
    setLinetype(pEntity->m_linetypeId, doSubents);
  setLinetypeScale(pEntity->m_linetypeScale, doSubents);
  setPlotStyleName(pEntity->storedPlotStyleName(), doSubents);
  setLineWeight(static_cast<OdDb::LineWeight>(pEntity->m_lineWeight), doSubents);
  setTransparency(pEntity->m_transparency, doSubents);
  setVisibility(static_cast<OdDb::Visibility>(pEntity->m_visibility), doSubents);
}

void OdDbEntity::setDatabaseDefaults(OdDbDatabase* pDb, bool /*doSubents*/)
{
  assertWriteEnabled(false, false);
  if (!pDb)
    pDb = database();
  if (!pDb)
    throw OdError(eNoDatabase);
  assertWriteEnabled();
  storeColor(pDb->getCECOLOR());
  m_layerId = pDb->getCLAYER();
  m_linetypeId = pDb->getCELTYPE();
  m_linetypeScale = pDb->getCELTSCALE();
  m_lineWeight = static_cast<OdInt16>(pDb->getCELWEIGHT());
  m_transparency = pDb->getCETRANSPARENCY();
  storePlotStyleName(pDb->getCPLOTSTYLE());
}

OdResult OdDbEntity::getGeomExtents(OdGeExtents3d& /*extents*/) const
{
  assertReadEnabled();
  return eInvalidExtents;
}

OdResult OdDbEntity::transformBy(const OdGeMatrix3d& /*xform*/)
{
  assertWriteEnabled(false, false);
  return eNotApplicable;
}

void OdDbEntity::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbObject::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbEntity");
  pFiler->wrName(OdDb::kDxfLayerName, odDbRecordName(m_layerId));
  pFiler->wrName(OdDb::kDxfLinetypeName, odDbRecordName(m_linetypeId));
  const OdCmColor color = storedColor();
  pFiler->wrInt16(OdDb::kDxfColor, static_cast<OdInt16>(color.colorIndex()));
  if (color.isByColor())
    pFiler->wrInt32(OdDb::kDxfColorRGB, static_cast<OdInt32>(color.color() & 0xFFFFFF));
  if (color.hasColorName())
    pFiler->wrString(OdDb::kDxfColorName, color.getDescription());
  pFiler->wrDouble(OdDb::kDxfLinetypeScale, m_linetypeScale);
  pFiler->wrInt16(OdDb::kDxfVisibility, static_cast<OdInt16>(m_visibility));
  pFiler->wrInt16(OdDb::kDxfLineWeight, m_lineWeight);
  // There is no plot style dictionary: a named style is written by name.
  const OdString& plotStyleName = storedPlotStyleName();
  OdDb::PlotStyleNameType type = OdDb::kPlotStyleNameById;
  if (plotStyleName.iCompare(L"ByLayer") == 0)
    type = OdDb::kPlotStyleNameByLayer;
  else if (plotStyleName.iCompare(L"ByBlock") == 0)
    type = OdDb::kPlotStyleNameByBlock;
  pFiler->wrInt16(OdDb::kDxfPlotStyleNameType, static_cast<OdInt16>(type));
  if (type == OdDb::kPlotStyleNameById)
    pFiler->wrString(OdDb::kDxfDescription, plotStyleName);
  pFiler->wrInt32(OdDb::kDxfAlpha, static_cast<OdInt32>(m_transparency.serializeOut()));
}

void OdDbEntity::copyFrom(const OdRxObject* pSource)
{
  OdDbObject::copyFrom(pSource);
  const OdDbEntity* pSrc = static_cast<const OdDbEntity*>(pSource);
  if (pSrc == this)
    return;
  storeColor(pSrc->storedColor());
  m_layerId = pSrc->m_layerId;
  m_linetypeId = pSrc->m_linetypeId;
  m_linetypeScale = pSrc->m_linetypeScale;
  storePlotStyleName(pSrc->storedPlotStyleName());
  m_lineWeight = pSrc->m_lineWeight;
  m_transparency = pSrc->m_transparency;
  m_visibility = pSrc->m_visibility;
}

// ---- OdDbCurve -----------------------------------------------------------------------------

OdDbCurve::OdDbCurve() = default;

bool OdDbCurve::isClosed() const { return false; }
bool OdDbCurve::isPeriodic() const { return false; }
OdResult OdDbCurve::getStartParam(double&) const { return eNotImplementedYet; }
OdResult OdDbCurve::getEndParam(double&) const { return eNotImplementedYet; }
OdResult OdDbCurve::getStartPoint(OdGePoint3d&) const { return eNotImplementedYet; }
OdResult OdDbCurve::getEndPoint(OdGePoint3d&) const { return eNotImplementedYet; }
OdResult OdDbCurve::getPointAtParam(double, OdGePoint3d&) const { return eNotImplementedYet; }
OdResult OdDbCurve::getParamAtPoint(const OdGePoint3d&, double&) const { return eNotImplementedYet; }
OdResult OdDbCurve::getDistAtParam(double, double&) const { return eNotImplementedYet; }
OdResult OdDbCurve::getParamAtDist(double, double&) const { return eNotImplementedYet; }
OdResult OdDbCurve::getFirstDeriv(double, OdGeVector3d&) const { return eNotImplementedYet; }
OdResult OdDbCurve::getSecondDeriv(double, OdGeVector3d&) const { return eNotImplementedYet; }
OdResult OdDbCurve::getClosestPointTo(const OdGePoint3d&, OdGePoint3d&, bool) const { return eNotImplementedYet; }
OdResult OdDbCurve::getArea(double&) const { return eNotImplementedYet; }
bool OdDbCurve::isPlanar() const { return false; }
OdResult OdDbCurve::getPlane(OdGePlane&, OdDb::Planarity&) const { return eNotImplementedYet; }

OdResult OdDbCurve::getDistAtPoint(const OdGePoint3d& pointOnCurve, double& dist) const
{
  double param = 0.0;
  const OdResult res = getParamAtPoint(pointOnCurve, param);
  return res == eOk ? getDistAtParam(param, dist) : res;
}

OdResult OdDbCurve::getPointAtDist(double dist, OdGePoint3d& pointOnCurve) const
{
  double param = 0.0;
  const OdResult res = getParamAtDist(dist, param);
  return res == eOk ? getPointAtParam(param, pointOnCurve) : res;
}

OdResult OdDbCurve::getFirstDeriv(const OdGePoint3d& pointOnCurve, OdGeVector3d& firstDeriv) const
{
  double param = 0.0;
  const OdResult res = getParamAtPoint(pointOnCurve, param);
  return res == eOk ? getFirstDeriv(param, firstDeriv) : res;
}
