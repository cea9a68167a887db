// Line rows and listing.
#include "KyLinePE.h"

#include <QCoreApplication>

#include "DbLine.h"
#include "Ge/GeVector2d.h"
#include "KyAccessors.h"
#include "KyListing.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyLinePE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyLinePE::s_Names;

namespace
{
constexpr const char* kGeometry = QT_TRANSLATE_NOOP("property_groups", "Geometry");
const KyPropertyRow kRows[] = {
  {QT_TRANSLATE_NOOP("property_groups", "General"), QT_TRANSLATE_NOOP("property_types", "Thickness"),
   CKyVariant::kEmpty, nullptr, &CKyLinePE::GetThickness, &CKyLinePE::SetThickness,
   &CKyPropertyPEImpl::IsReadOnlyFalse, nullptr, kKyRowMatchProp},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Start X"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateXGUID,
   &CKyLinePE::GetStartX, &CKyLinePE::SetStartX, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Start Y"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateYGUID,
   &CKyLinePE::GetStartY, &CKyLinePE::SetStartY, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Start Z"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateZGUID,
   &CKyLinePE::GetStartZ, &CKyLinePE::SetStartZ, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "End X"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateXGUID,
   &CKyLinePE::GetEndX, &CKyLinePE::SetEndX, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "End Y"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateYGUID,
   &CKyLinePE::GetEndY, &CKyLinePE::SetEndY, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "End Z"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateZGUID,
   &CKyLinePE::GetEndZ, &CKyLinePE::SetEndZ, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Delta X"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateXGUID,
   &CKyLinePE::GetDeltaX, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Delta Y"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateYGUID,
   &CKyLinePE::GetDeltaY, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Delta Z"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateZGUID,
   &CKyLinePE::GetDeltaZ, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Length"), CKyVariant::kEmpty, nullptr, &CKyLinePE::GetLength,
   nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Angle"), CKyVariant::kDouble, &CKyPropertyType::kOrientGUID,
   &CKyLinePE::GetAngle, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
};

CKyVariant startComponent(const OdDbObject* object, KyAxis axis)
{
  const KyOpened<OdDbLine> line = KyForRead<OdDbLine>(object);
  return line.isNull() ? CKyVariant() : KyUcsComponent(object, line->startPoint(), axis);
}

CKyVariant endComponent(const OdDbObject* object, KyAxis axis)
{
  const KyOpened<OdDbLine> line = KyForRead<OdDbLine>(object);
  return line.isNull() ? CKyVariant() : KyUcsComponent(object, line->endPoint(), axis);
}

int setStartComponent(const OdDbObject* object, KyAxis axis, const CKyVariant& value)
{
  const KyOpened<OdDbLine> line = KyForWrite<OdDbLine>(object);
  if (line.isNull())
    return kKyRefused;
  return KySetUcsComponent(object, line->startPoint(), axis, value,
                           [&](const OdGePoint3d& p) { line->setStartPoint(p); });
}

int setEndComponent(const OdDbObject* object, KyAxis axis, const CKyVariant& value)
{
  const KyOpened<OdDbLine> line = KyForWrite<OdDbLine>(object);
  if (line.isNull())
    return kKyRefused;
  return KySetUcsComponent(object, line->endPoint(), axis, value,
                           [&](const OdGePoint3d& p) { line->setEndPoint(p); });
}

CKyVariant deltaComponent(const OdDbObject* object, KyAxis axis)
{
  const KyOpened<OdDbLine> line = KyForRead<OdDbLine>(object);
  if (line.isNull())
    return CKyVariant();
  const OdGePoint3d s = KyWorldToUcs(object, line->startPoint());
  const OdGePoint3d e = KyWorldToUcs(object, line->endPoint());
  return CKyVariant(KyComponent(e, axis) - KyComponent(s, axis), true);
}
} // namespace

CKyString CKyLinePE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Line"));
}

void CKyLinePE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                 const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyLinePE::desc(), OdDbLine::desc(), s_Names,
                 KyTable(kRows));
}

bool CKyLinePE::HasDynamicProperties()
{
  return CKyPropertyPEImpl::HasDynamicProperties();
}

void CKyLinePE::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

CKyVariant CKyLinePE::GetThickness(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbLine> line = KyForRead<OdDbLine>(object);
  return line.isNull() ? CKyVariant() : CKyVariant(line->thickness(), true);
}

int CKyLinePE::SetThickness(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                            const CKyVariant&)
{
  const KyOpened<OdDbLine> line = KyForWrite<OdDbLine>(object);
  double thickness = 0.0;
  if (line.isNull() || !KyDoubleOf(value, thickness))
    return kKyRefused;
  line->setThickness(thickness); // zero and negative thicknesses are valid
  return kKyAccepted;
}

CKyVariant CKyLinePE::GetStartX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return startComponent(o, kKyAxisX);
}
CKyVariant CKyLinePE::GetStartY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return startComponent(o, kKyAxisY);
}
CKyVariant CKyLinePE::GetStartZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return startComponent(o, kKyAxisZ);
}
int CKyLinePE::SetStartX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setStartComponent(o, kKyAxisX, v);
}
int CKyLinePE::SetStartY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setStartComponent(o, kKyAxisY, v);
}
int CKyLinePE::SetStartZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setStartComponent(o, kKyAxisZ, v);
}
CKyVariant CKyLinePE::GetEndX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return endComponent(o, kKyAxisX);
}
CKyVariant CKyLinePE::GetEndY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return endComponent(o, kKyAxisY);
}
CKyVariant CKyLinePE::GetEndZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return endComponent(o, kKyAxisZ);
}
int CKyLinePE::SetEndX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setEndComponent(o, kKyAxisX, v);
}
int CKyLinePE::SetEndY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setEndComponent(o, kKyAxisY, v);
}
int CKyLinePE::SetEndZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setEndComponent(o, kKyAxisZ, v);
}
CKyVariant CKyLinePE::GetDeltaX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return deltaComponent(o, kKyAxisX);
}
CKyVariant CKyLinePE::GetDeltaY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return deltaComponent(o, kKyAxisY);
}
CKyVariant CKyLinePE::GetDeltaZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return deltaComponent(o, kKyAxisZ);
}

CKyVariant CKyLinePE::GetLength(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbLine> line = KyForRead<OdDbLine>(object);
  if (line.isNull())
    return CKyVariant();
  return CKyVariant((line->endPoint() - line->startPoint()).length(), true);
}

CKyVariant CKyLinePE::GetAngle(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbLine> line = KyForRead<OdDbLine>(object);
  if (line.isNull())
    return CKyVariant();
  const OdGePoint3d s = KyWorldToUcs(object, line->startPoint());
  const OdGePoint3d e = KyWorldToUcs(object, line->endPoint());
  return CKyVariant(KyAngleInXYPlane(e.x - s.x, e.y - s.y), true);
}

bool CKyLineInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  OdDbLinePtr line = OdDbLine::cast(object);
  if (line.isNull())
    return false;
  OdGePoint3d start, end;
  line->getStartPoint(start);
  line->getEndPoint(end);
  context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "from point")), start);
  context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "to point")), end);
  start = KyToReportSystem(context, start);
  end = KyToReportSystem(context, end);
  const OdGeVector3d delta = end - start;
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Length")), start.distanceTo(end));
  if (context->IsPrintInUCS())
    context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Length in CCS")),
                       OdGeVector2d(delta.x, delta.y).length());
  context->PrintAngle(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Angle in XY Plane")),
                      KyAngleInXYPlane(delta.x, delta.y));
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Delta X")), delta.x);
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Delta Y")), delta.y);
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Delta Z")), delta.z);
  return true;
}
