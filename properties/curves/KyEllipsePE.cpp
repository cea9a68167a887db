// Ellipse rows and listing. Start and end points are shown in world coordinates, the centre in
// the UCS; the radii are written back through the ellipse's six defining values at once.
#include "KyEllipsePE.h"

#include <cmath>

#include <QCoreApplication>

#include "DbEllipse.h"
#include "KyAccessors.h"
#include "KyListing.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyEllipsePE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyEllipsePE::s_Names;

namespace
{
constexpr double kTwoPi = 6.283185307179586;

constexpr const char* kGeometry = QT_TRANSLATE_NOOP("property_groups", "Geometry");
const CKyString* const kX = &CKyPropertyType::kCoordinateXGUID;
const CKyString* const kY = &CKyPropertyType::kCoordinateYGUID;
const CKyString* const kZ = &CKyPropertyType::kCoordinateZGUID;
const CKyIsReadOnlyMethod kNever = &CKyPropertyPEImpl::IsReadOnlyFalse;
const CKyIsReadOnlyMethod kAlways = &CKyPropertyPEImpl::IsReadOnlyTrue;
typedef CKyEllipsePE E;
const KyPropertyRow kRows[] = {
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Start X"), CKyVariant::kDouble, kX, &E::GetStartX, nullptr, kAlways,
   "EllipseStartX"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Start Y"), CKyVariant::kDouble, kY, &E::GetStartY, nullptr, kAlways,
   "EllipseStartY"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Start Z"), CKyVariant::kDouble, kZ, &E::GetStartZ, nullptr, kAlways,
   "EllipseStartZ"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Center X"), CKyVariant::kDouble, kX, &E::GetCenterX, &E::SetCenterX,
   kNever, "EllipseCenterX"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Center Y"), CKyVariant::kDouble, kY, &E::GetCenterY, &E::SetCenterY,
   kNever, "EllipseCenterY"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Center Z"), CKyVariant::kDouble, kZ, &E::GetCenterZ, &E::SetCenterZ,
   kNever, "EllipseCenterZ"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "End X"), CKyVariant::kDouble, kX, &E::GetEndX, nullptr, kAlways,
   "EllipseEndX"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "End Y"), CKyVariant::kDouble, kY, &E::GetEndY, nullptr, kAlways,
   "EllipseEndY"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "End Z"), CKyVariant::kDouble, kZ, &E::GetEndZ, nullptr, kAlways,
   "EllipseEndZ"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Major radius"), CKyVariant::kEmpty, nullptr, &E::GetMajorRadius,
   &E::SetMajorRadius, kNever, "MajorRadius"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Minor radius"), CKyVariant::kEmpty, nullptr, &E::GetMinorRadius,
   &E::SetMinorRadius, kNever, "MinorRadius"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Radius ratio"), CKyVariant::kEmpty, nullptr, &E::GetRadiusRatio,
   &E::SetRadiusRatio, kNever, "RadiusRatio"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Start angle"), CKyVariant::kDouble, &CKyPropertyType::kAngleGUID,
   &E::GetStartAngle, &E::SetStartAngle, kNever, "StartAngle"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "End angle"), CKyVariant::kDouble, &CKyPropertyType::kAngleGUID,
   &E::GetEndAngle, &E::SetEndAngle, kNever, "EndAngle"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Major axis vector X"), CKyVariant::kDouble, kX, &E::GetMajorVectorX,
   nullptr, kAlways, "MajorVectorX"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Major axis vector Y"), CKyVariant::kDouble, kY, &E::GetMajorVectorY,
   nullptr, kAlways, "MajorVectorY"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Major axis vector Z"), CKyVariant::kDouble, kZ, &E::GetMajorVectorZ,
   nullptr, kAlways, "MajorVectorZ"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Minor axis vector X"), CKyVariant::kDouble, kX, &E::GetMinorVectorX,
   nullptr, kAlways, "MinorVectorX"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Minor axis vector Y"), CKyVariant::kDouble, kY, &E::GetMinorVectorY,
   nullptr, kAlways, "MinorVectorY"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Minor axis vector Z"), CKyVariant::kDouble, kZ, &E::GetMinorVectorZ,
   nullptr, kAlways, "MinorVectorZ"},
};

// A world component of the start (or end) point.
CKyVariant endComponent(const OdDbObject* object, bool atEnd, KyAxis axis)
{
  const KyOpened<OdDbEllipse> ellipse = KyForRead<OdDbEllipse>(object);
  if (ellipse.isNull())
    return CKyVariant();
  OdGePoint3d p;
  if ((atEnd ? ellipse->getEndPoint(p) : ellipse->getStartPoint(p)) != eOk)
    return CKyVariant();
  return CKyVariant(KyComponent(p, axis), true);
}

CKyVariant centerComponent(const OdDbObject* object, KyAxis axis)
{
  const KyOpened<OdDbEllipse> ellipse = KyForRead<OdDbEllipse>(object);
  return ellipse.isNull() ? CKyVariant() : KyUcsComponent(object, ellipse->center(), axis);
}

int setCenterComponent(const OdDbObject* object, const CKyVariant& value, KyAxis axis)
{
  const KyOpened<OdDbEllipse> ellipse = KyForWrite<OdDbEllipse>(object);
  if (ellipse.isNull())
    return kKyRefused;
  return KySetUcsComponent(object, ellipse->center(), axis, value,
                           [&](const OdGePoint3d& p) { ellipse->setCenter(p); });
}

CKyVariant axisComponent(const OdDbObject* object, bool minor, KyAxis axis)
{
  const KyOpened<OdDbEllipse> ellipse = KyForRead<OdDbEllipse>(object);
  if (ellipse.isNull())
    return CKyVariant();
  return KyNormalComponent(object, minor ? ellipse->minorAxis() : ellipse->majorAxis(), axis);
}

// Writes the six defining values back with a new major axis and ratio.
int setAxes(OdDbEllipse* ellipse, double majorLength, double ratio)
{
  OdGePoint3d center;
  OdGeVector3d normal, major;
  double oldRatio = 0.0, startAngle = 0.0, endAngle = 0.0;
  ellipse->get(center, normal, major, oldRatio, startAngle, endAngle);
  major.normalize();
  major *= majorLength;
  return ellipse->set(center, normal, major, ratio, startAngle, endAngle) == eOk ? kKyAccepted : kKyRefused;
}

// The angle as the palette shows it: one turn up when negative.
CKyVariant angleValue(double angle)
{
  return CKyVariant(angle < 0.0 ? angle + kTwoPi : angle, true);
}

// Refuses an angle that would leave the arc without sweep: the other end is compared after
// reducing it below one turn (the new value is not reduced).
int setSweepEnd(const OdDbObject* object, const CKyVariant& value, bool atEnd)
{
  const KyOpened<OdDbEllipse> ellipse = KyForWrite<OdDbEllipse>(object);
  double angle = 0.0;
  if (ellipse.isNull() || !KyDoubleOf(value, angle))
    return kKyRefused;
  // An end of 0 is the end of a sweep that closes at the start.
  if (atEnd && angle == 0.0)
    angle = kTwoPi;
  double other = atEnd ? ellipse->startAngle() : ellipse->endAngle();
  while (other > kTwoPi)
    other -= kTwoPi;
  if (std::fabs(angle - other) < 1e-10)
    return KyRefuseWithMessage(QT_TRANSLATE_NOOP("errors", "Degenerate geometry"));
  if (atEnd)
    ellipse->setEndAngle(angle);
  else
    ellipse->setStartAngle(angle);
  return kKyAccepted;
}
} // namespace

CKyString CKyEllipsePE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Ellipse"));
}

void CKyEllipsePE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                    const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyEllipsePE::desc(), OdDbEllipse::desc(), s_Names,
                 KyTable(kRows));
}

bool CKyEllipsePE::HasDynamicProperties()
{
  return CKyPropertyPEImpl::HasDynamicProperties();
}

void CKyEllipsePE::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

CKyVariant CKyEllipsePE::GetStartX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return endComponent(o, false, kKyAxisX);
}
CKyVariant CKyEllipsePE::GetStartY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return endComponent(o, false, kKyAxisY);
}
CKyVariant CKyEllipsePE::GetStartZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return endComponent(o, false, kKyAxisZ);
}
CKyVariant CKyEllipsePE::GetCenterX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return centerComponent(o, kKyAxisX);
}
int CKyEllipsePE::SetCenterX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setCenterComponent(o, v, kKyAxisX);
}
CKyVariant CKyEllipsePE::GetCenterY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return centerComponent(o, kKyAxisY);
}
int CKyEllipsePE::SetCenterY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setCenterComponent(o, v, kKyAxisY);
}
CKyVariant CKyEllipsePE::GetCenterZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return centerComponent(o, kKyAxisZ);
}
int CKyEllipsePE::SetCenterZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setCenterComponent(o, v, kKyAxisZ);
}
CKyVariant CKyEllipsePE::GetEndX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return endComponent(o, true, kKyAxisX);
}
CKyVariant CKyEllipsePE::GetEndY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return endComponent(o, true, kKyAxisY);
}
CKyVariant CKyEllipsePE::GetEndZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return endComponent(o, true, kKyAxisZ);
}

CKyVariant CKyEllipsePE::GetMajorRadius(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbEllipse> ellipse = KyForRead<OdDbEllipse>(object);
  return ellipse.isNull() ? CKyVariant() : CKyVariant(ellipse->majorAxis().length(), true);
}

// The major radius may not fall below the minor one; the ratio follows the new radius.
int CKyEllipsePE::SetMajorRadius(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                 const CKyVariant&)
{
  const KyOpened<OdDbEllipse> ellipse = KyForWrite<OdDbEllipse>(object);
  double radius = 0.0;
  if (ellipse.isNull() || !KySizeOf(value, radius))
    return kKyRefused;
  const double minor = ellipse->minorAxis().length();
  if (minor > radius)
    return kKyRefused;
  return setAxes(ellipse, radius, minor / radius);
}

CKyVariant CKyEllipsePE::GetMinorRadius(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbEllipse> ellipse = KyForRead<OdDbEllipse>(object);
  return ellipse.isNull() ? CKyVariant() : CKyVariant(ellipse->minorAxis().length(), true);
}

int CKyEllipsePE::SetMinorRadius(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                 const CKyVariant&)
{
  const KyOpened<OdDbEllipse> ellipse = KyForWrite<OdDbEllipse>(object);
  double radius = 0.0;
  if (ellipse.isNull() || !KySizeOf(value, radius))
    return kKyRefused;
  const double major = ellipse->majorAxis().length();
  if (radius > major)
    return kKyRefused;
  return setAxes(ellipse, major, radius / major);
}

CKyVariant CKyEllipsePE::GetRadiusRatio(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbEllipse> ellipse = KyForRead<OdDbEllipse>(object);
  return ellipse.isNull() ? CKyVariant() : CKyVariant(ellipse->radiusRatio(), false);
}

int CKyEllipsePE::SetRadiusRatio(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                 const CKyVariant&)
{
  const KyOpened<OdDbEllipse> ellipse = KyForWrite<OdDbEllipse>(object);
  double ratio = 0.0;
  if (ellipse.isNull() || !KySizeOf(value, ratio) || ratio > 1.0)
    return kKyRefused;
  ellipse->setRadiusRatio(ratio);
  return kKyAccepted;
}

CKyVariant CKyEllipsePE::GetStartAngle(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbEllipse> ellipse = KyForRead<OdDbEllipse>(object);
  return ellipse.isNull() ? CKyVariant() : angleValue(ellipse->startAngle());
}

int CKyEllipsePE::SetStartAngle(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                const CKyVariant&)
{
  return setSweepEnd(o, v, false);
}

CKyVariant CKyEllipsePE::GetEndAngle(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbEllipse> ellipse = KyForRead<OdDbEllipse>(object);
  return ellipse.isNull() ? CKyVariant() : angleValue(ellipse->endAngle());
}

int CKyEllipsePE::SetEndAngle(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setSweepEnd(o, v, true);
}

CKyVariant CKyEllipsePE::GetMajorVectorX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return axisComponent(o, false, kKyAxisX);
}
CKyVariant CKyEllipsePE::GetMajorVectorY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return axisComponent(o, false, kKyAxisY);
}
CKyVariant CKyEllipsePE::GetMajorVectorZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return axisComponent(o, false, kKyAxisZ);
}
CKyVariant CKyEllipsePE::GetMinorVectorX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return axisComponent(o, true, kKyAxisX);
}
CKyVariant CKyEllipsePE::GetMinorVectorY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return axisComponent(o, true, kKyAxisY);
}
CKyVariant CKyEllipsePE::GetMinorVectorZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return axisComponent(o, true, kKyAxisZ);
}

bool CKyEllipseInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  OdDbEllipsePtr ellipse = OdDbEllipse::cast(object);
  if (ellipse.isNull())
    return false;
  context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Center")), ellipse->center());
  context->PrintVector3D(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Major Axis")), ellipse->majorAxis());
  context->PrintVector3D(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Minor Axis")), ellipse->minorAxis());
  context->PrintScale(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Radius Ratio")), ellipse->radiusRatio());
  if (ellipse->isClosed())
  {
    double area = 0.0;
    ellipse->getArea(area);
    context->PrintArea(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Area")), area);
    return true;
  }
  OdGePoint3d start, end;
  ellipse->getStartPoint(start);
  ellipse->getEndPoint(end);
  context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Start point")), start);
  context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "End point")), end);
  context->PrintAngle(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Start Angle")), ellipse->startAngle());
  context->PrintAngle(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "End Angle")), ellipse->endAngle());
  return true;
}
