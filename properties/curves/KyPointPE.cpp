// Point rows and listing.
#include "KyPointPE.h"

#include <QCoreApplication>

#include "DbPoint.h"
#include "KyObjectValues.h"
#include "KyListing.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyPointPE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyPointPE::s_Names;

namespace
{
constexpr const char* kGeometry = QT_TRANSLATE_NOOP("property_groups", "Geometry");
const KyPropertyRow kRows[] = {
  {QT_TRANSLATE_NOOP("property_groups", "General"), QT_TRANSLATE_NOOP("property_types", "Thickness"),
   CKyVariant::kDouble, nullptr, &CKyPointPE::GetThickness, &CKyPointPE::SetThickness,
   &CKyPropertyPEImpl::IsReadOnlyFalse, nullptr, kKyRowMatchProp},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position X"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateXGUID, &CKyPointPE::GetPositionX, &CKyPointPE::SetPositionX,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "CoordinateX"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position Y"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateYGUID, &CKyPointPE::GetPositionY, &CKyPointPE::SetPositionY,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "CoordinateY"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position Z"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateZGUID, &CKyPointPE::GetPositionZ, &CKyPointPE::SetPositionZ,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "CoordinateZ"},
};

CKyVariant positionComponent(const OdDbObject* object, KyAxis axis)
{
  return KyObjectUcsComponent<OdDbPoint>(object, axis, [](const OdDbPoint* p) { return p->position(); });
}

int setPositionComponent(const OdDbObject* object, KyAxis axis, const CKyVariant& value)
{
  return KySetObjectUcsComponent<OdDbPoint>(
      object, axis, value, [](const OdDbPoint* p) { return p->position(); },
      [](OdDbPoint* p, const OdGePoint3d& world) { p->setPosition(world); });
}
} // namespace

CKyString CKyPointPE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Point"));
}

void CKyPointPE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                  const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyPointPE::desc(), OdDbPoint::desc(), s_Names,
                 KyTable(kRows));
}

bool CKyPointPE::HasDynamicProperties()
{
  return CKyPropertyPEImpl::HasDynamicProperties();
}

void CKyPointPE::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

CKyVariant CKyPointPE::GetThickness(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyGetDouble<OdDbPoint>(o, [](const OdDbPoint* p) { return p->thickness(); });
}

int CKyPointPE::SetThickness(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return KySetDouble<OdDbPoint>(o, v, [](OdDbPoint* p, double t) { p->setThickness(t); });
}

CKyVariant CKyPointPE::GetPositionX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return positionComponent(o, kKyAxisX);
}
CKyVariant CKyPointPE::GetPositionY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return positionComponent(o, kKyAxisY);
}
CKyVariant CKyPointPE::GetPositionZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return positionComponent(o, kKyAxisZ);
}
int CKyPointPE::SetPositionX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setPositionComponent(o, kKyAxisX, v);
}
int CKyPointPE::SetPositionY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setPositionComponent(o, kKyAxisY, v);
}
int CKyPointPE::SetPositionZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setPositionComponent(o, kKyAxisZ, v);
}

// "Angle of X Axis" is the angle of the position vector's XY part in the report's system.
bool CKyPointInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  OdDbPointPtr point = OdDbPoint::cast(object);
  if (point.isNull())
    return false;
  const OdGePoint3d position = point->position();
  context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Position")), position);
  const OdGePoint3d shown = KyToReportSystem(context, position);
  context->PrintAngle(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Angle of X Axis")),
                      KyAngleInXYPlane(shown.x, shown.y));
  return true;
}
