// Circle rows and listing.
#include "KyCirclePE.h"

#include <cmath>

#include <QCoreApplication>

#include "DbCircle.h"
#include "KyAccessors.h"
#include "KyDatabase.h"
#include "KyListing.h"
#include "KyTexts.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyCirclePE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyCirclePE::s_Names;

namespace
{
constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;

constexpr const char* kGeometry = QT_TRANSLATE_NOOP("property_groups", "Geometry");
const KyPropertyRow kRows[] = {
  {QT_TRANSLATE_NOOP("property_groups", "General"), QT_TRANSLATE_NOOP("property_types", "Thickness"),
   CKyVariant::kEmpty, nullptr, &CKyCirclePE::GetThickness, &CKyCirclePE::SetThickness,
   &CKyPropertyPEImpl::IsReadOnlyFalse, nullptr, kKyRowMatchProp},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Center X"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateXGUID,
   &CKyCirclePE::GetCenterX, &CKyCirclePE::SetCenterX, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Center Y"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateYGUID,
   &CKyCirclePE::GetCenterY, &CKyCirclePE::SetCenterY, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Center Z"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateZGUID,
   &CKyCirclePE::GetCenterZ, &CKyCirclePE::SetCenterZ, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Radius"), CKyVariant::kDouble, nullptr, &CKyCirclePE::GetRadius,
   &CKyCirclePE::SetRadius, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Diameter"), CKyVariant::kDouble, nullptr,
   &CKyCirclePE::GetDiameter, &CKyCirclePE::SetDiameter, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Circumference"), CKyVariant::kDouble, nullptr,
   &CKyCirclePE::GetCircumference, &CKyCirclePE::SetCircumference, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Area"), CKyVariant::kDouble, nullptr, &CKyCirclePE::GetArea,
   &CKyCirclePE::SetArea, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Normal X"), CKyVariant::kDouble, nullptr,
   &CKyCirclePE::GetNormalX, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Normal Y"), CKyVariant::kDouble, nullptr,
   &CKyCirclePE::GetNormalY, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Normal Z"), CKyVariant::kDouble, nullptr,
   &CKyCirclePE::GetNormalZ, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
};

CKyVariant centerComponent(const OdDbObject* object, KyAxis axis)
{
  const KyOpened<OdDbCircle> circle = KyForRead<OdDbCircle>(object);
  return circle.isNull() ? CKyVariant() : KyUcsComponent(object, circle->center(), axis);
}

int setCenterComponent(const OdDbObject* object, KyAxis axis, const CKyVariant& value)
{
  const KyOpened<OdDbCircle> circle = KyForWrite<OdDbCircle>(object);
  if (circle.isNull())
    return kKyRefused;
  return KySetUcsComponent(object, circle->center(), axis, value,
                           [&](const OdGePoint3d& p) { circle->setCenter(p); });
}

// A size measure (radius, diameter or circumference) becomes radius = |value| / perRadius.
int setSize(const OdDbObject* object, const CKyVariant& value, double perRadius)
{
  const KyOpened<OdDbCircle> circle = KyForWrite<OdDbCircle>(object);
  double size = 0.0;
  if (circle.isNull() || !KySizeOf(value, size))
    return kKyRefused;
  // A size so small that its radius underflows to zero is refused like a zero size.
  const double radius = size / perRadius;
  if (radius == 0.0)
    return kKyRefused;
  circle->setRadius(radius);
  return kKyAccepted;
}

CKyVariant sizeValue(const OdDbObject* object, double perRadius)
{
  const KyOpened<OdDbCircle> circle = KyForRead<OdDbCircle>(object);
  return circle.isNull() ? CKyVariant() : CKyVariant(circle->radius() * perRadius, true);
}

CKyVariant normalComponent(const OdDbObject* object, KyAxis axis)
{
  const KyOpened<OdDbCircle> circle = KyForRead<OdDbCircle>(object);
  return circle.isNull() ? CKyVariant() : KyNormalComponent(object, circle->normal(), axis);
}

// Area text in architectural and engineering units.
const KyText kAreaText{"CKyCirclePE", QT_TRANSLATE_NOOP("CKyCirclePE", "%1 sq. in. (%2 sq. ft.)")};
} // namespace

CKyString CKyCirclePE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Circle"));
}

void CKyCirclePE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                   const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyCirclePE::desc(), OdDbCircle::desc(), s_Names,
                 KyTable(kRows));
}

bool CKyCirclePE::HasDynamicProperties()
{
  return CKyPropertyPEImpl::HasDynamicProperties();
}

void CKyCirclePE::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

CKyVariant CKyCirclePE::GetThickness(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbCircle> circle = KyForRead<OdDbCircle>(object);
  return circle.isNull() ? CKyVariant() : CKyVariant(circle->thickness(), true);
}

int CKyCirclePE::SetThickness(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                              const CKyVariant&)
{
  const KyOpened<OdDbCircle> circle = KyForWrite<OdDbCircle>(object);
  double thickness = 0.0;
  if (circle.isNull() || !KyDoubleOf(value, thickness))
    return kKyRefused;
  circle->setThickness(thickness);
  return kKyAccepted;
}

CKyVariant CKyCirclePE::GetCenterX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return centerComponent(o, kKyAxisX);
}
CKyVariant CKyCirclePE::GetCenterY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return centerComponent(o, kKyAxisY);
}
CKyVariant CKyCirclePE::GetCenterZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return centerComponent(o, kKyAxisZ);
}
int CKyCirclePE::SetCenterX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setCenterComponent(o, kKyAxisX, v);
}
int CKyCirclePE::SetCenterY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setCenterComponent(o, kKyAxisY, v);
}
int CKyCirclePE::SetCenterZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setCenterComponent(o, kKyAxisZ, v);
}

CKyVariant CKyCirclePE::GetRadius(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return sizeValue(o, 1.0);
}
int CKyCirclePE::SetRadius(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setSize(o, v, 1.0);
}
CKyVariant CKyCirclePE::GetDiameter(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return sizeValue(o, 2.0);
}
int CKyCirclePE::SetDiameter(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                             const CKyVariant&)
{
  return setSize(o, v, 2.0);
}
CKyVariant CKyCirclePE::GetCircumference(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return sizeValue(o, kTwoPi);
}
int CKyCirclePE::SetCircumference(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                  const CKyVariant&)
{
  return setSize(o, v, kTwoPi);
}

CKyVariant CKyCirclePE::GetArea(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& context)
{
  const KyOpened<OdDbCircle> circle = KyForRead<OdDbCircle>(object);
  if (circle.isNull())
    return CKyVariant();
  const double r = circle->radius();
  return KyAreaValue(object, kPi * r * r, context, kAreaText.get());
}

// Takes the text the getter shows (in engineering and architectural units the square-inch part
// of the template) and sets the radius of a circle of that area.
int CKyCirclePE::SetArea(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                         const CKyVariant&)
{
  const KyOpened<OdDbCircle> circle = KyForWrite<OdDbCircle>(object);
  if (circle.isNull() || value.GetType() != CKyVariant::kString)
    return kKyRefused;
  const CKyDatabase units = KyUnitsOf(object);
  if (!units.IsValid())
    return kKyRefused;
  QString text = value.GetString().toQString();
  const int mode = units.GetLinearUnitMode();
  if (mode == 3 || mode == 4)
  {
    const int at = text.indexOf(QLatin1String(" sq. in."));
    if (at < 0)
      return kKyRefused;
    text.truncate(at);
  }
  const double area = units.StringToDistance(CKyString(text), 0, CKyDatabase::kAllowNegative);
  if (area == 0.0)
    return kKyRefused;
  circle->setRadius(std::sqrt(std::fabs(area) / kPi));
  return kKyAccepted;
}

CKyVariant CKyCirclePE::GetNormalX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return normalComponent(o, kKyAxisX);
}
CKyVariant CKyCirclePE::GetNormalY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return normalComponent(o, kKyAxisY);
}
CKyVariant CKyCirclePE::GetNormalZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return normalComponent(o, kKyAxisZ);
}

bool CKyCircleInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  OdDbCirclePtr circle = OdDbCircle::cast(object);
  if (circle.isNull())
    return false;
  double area = 0.0;
  circle->getArea(area);
  // The key has two blanks between the words.
  context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Center  point")), circle->center());
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Radius")), circle->radius());
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Circumference")), kTwoPi * circle->radius());
  context->PrintArea(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Area")), area);
  if (context->IsPrintInUCS())
    context->PrintVector3D(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Extrusion direction relative to UCS")),
                           circle->normal());
  return true;
}
