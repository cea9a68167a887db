// Arc rows, listing and the arc-length measurement.
#include "KyArcPE.h"

#include <cmath>
#include <utility>

#include <QCoreApplication>

#include "DbArc.h"
#include "Ge/GeContext.h"
#include "KyAccessors.h"
#include "KyListing.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyArcPE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyArcPE::s_Names;

namespace
{
constexpr double kTwoPi = 6.283185307179586;

constexpr const char* kGeometry = QT_TRANSLATE_NOOP("property_groups", "Geometry");
const KyPropertyRow kRows[] = {
  {QT_TRANSLATE_NOOP("property_groups", "General"), QT_TRANSLATE_NOOP("property_types", "Thickness"),
   CKyVariant::kDouble, nullptr, &CKyArcPE::GetThickness, &CKyArcPE::SetThickness,
   &CKyPropertyPEImpl::IsReadOnlyFalse, nullptr, kKyRowMatchProp},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Start X"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateXGUID,
   &CKyArcPE::GetStartX, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Start Y"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateYGUID,
   &CKyArcPE::GetStartY, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Start Z"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateZGUID,
   &CKyArcPE::GetStartZ, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Center X"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateXGUID,
   &CKyArcPE::GetCenterX, &CKyArcPE::SetCenterX, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Center Y"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateYGUID,
   &CKyArcPE::GetCenterY, &CKyArcPE::SetCenterY, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Center Z"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateZGUID,
   &CKyArcPE::GetCenterZ, &CKyArcPE::SetCenterZ, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "End X"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateXGUID,
   &CKyArcPE::GetEndX, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "End Y"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateYGUID,
   &CKyArcPE::GetEndY, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "End Z"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateZGUID,
   &CKyArcPE::GetEndZ, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Radius"), CKyVariant::kDouble, nullptr, &CKyArcPE::GetRadius,
   &CKyArcPE::SetRadius, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Start Angle"), CKyVariant::kDouble, &CKyPropertyType::kOrientGUID,
   &CKyArcPE::GetStartAngle, &CKyArcPE::SetStartAngle, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "End Angle"), CKyVariant::kDouble, &CKyPropertyType::kOrientGUID,
   &CKyArcPE::GetEndAngle, &CKyArcPE::SetEndAngle, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Total Angle"), CKyVariant::kDouble, &CKyPropertyType::kAngleGUID,
   &CKyArcPE::GetTotalAngle, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Arc Length"), CKyVariant::kDouble, nullptr,
   &CKyArcPE::GetArcLength, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Area"), CKyVariant::kDouble, nullptr, &CKyArcPE::GetArea, nullptr,
   &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Normal X"), CKyVariant::kDouble, nullptr, &CKyArcPE::GetNormalX,
   nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Normal Y"), CKyVariant::kDouble, nullptr, &CKyArcPE::GetNormalY,
   nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Normal Z"), CKyVariant::kDouble, nullptr, &CKyArcPE::GetNormalZ,
   nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
};

CKyVariant startComponent(const OdDbObject* object, KyAxis axis)
{
  const KyOpened<OdDbArc> arc = KyForRead<OdDbArc>(object);
  OdGePoint3d p;
  if (arc.isNull() || arc->getStartPoint(p) != eOk)
    return CKyVariant();
  return KyUcsComponent(object, p, axis);
}

CKyVariant endComponent(const OdDbObject* object, KyAxis axis)
{
  const KyOpened<OdDbArc> arc = KyForRead<OdDbArc>(object);
  OdGePoint3d p;
  if (arc.isNull() || arc->getEndPoint(p) != eOk)
    return CKyVariant();
  return KyUcsComponent(object, p, axis);
}

CKyVariant centerComponent(const OdDbObject* object, KyAxis axis)
{
  const KyOpened<OdDbArc> arc = KyForRead<OdDbArc>(object);
  return arc.isNull() ? CKyVariant() : KyUcsComponent(object, arc->center(), axis);
}

int setCenterComponent(const OdDbObject* object, KyAxis axis, const CKyVariant& value)
{
  const KyOpened<OdDbArc> arc = KyForWrite<OdDbArc>(object);
  if (arc.isNull())
    return kKyRefused;
  return KySetUcsComponent(object, arc->center(), axis, value, [&](const OdGePoint3d& p) { arc->setCenter(p); });
}

CKyVariant normalComponent(const OdDbObject* object, KyAxis axis)
{
  const KyOpened<OdDbArc> arc = KyForRead<OdDbArc>(object);
  return arc.isNull() ? CKyVariant() : KyNormalComponent(object, arc->normal(), axis);
}

// Sweep from the start to the end angle, in [0, 2π): (2π − s) + e, less 2π when it reaches 2π.
double totalAngle(double startAngle, double endAngle)
{
  double total = (kTwoPi - startAngle) + endAngle;
  if (total >= kTwoPi)
    total -= kTwoPi;
  return total;
}

// Fills the measurement record from the arc. The SDK evaluates the arc only within its parameter
// range, which ends at endAngle() + 2π when the arc crosses angle 0: the end point is therefore
// read at the end parameter (the same point as endAngle()).
bool fillMeasure(const OdDbArc* arc, ArcMeasure_st& measure)
{
  double startParam = 0.0, endParam = 0.0;
  if (arc->getStartParam(startParam) != eOk || arc->getEndParam(endParam) != eOk)
    return false;
  if (arc->getPointAtParam(startParam, measure.xLine1Point) != eOk ||
      arc->getPointAtParam(endParam, measure.xLine2Point) != eOk ||
      arc->getPointAtParam(0.5 * (startParam + endParam), measure.arcPoint) != eOk)
    return false;
  measure.center = arc->center();
  measure.normal = arc->normal();
  return true;
}
} // namespace

void CKyArcPE_calcDimExtLineDir(ArcMeasure_st& m)
{
  m.xLine1Dir = m.xLine1Point - m.center;
  m.xLine2Dir = m.xLine2Point - m.center;
  const bool firstZero = m.xLine1Dir.isZeroLength();
  const bool secondZero = m.xLine2Dir.isZeroLength();
  if (firstZero && secondZero)
  {
    m.xLine1Dir = m.normal.perpVector();
    m.xLine2Dir = m.xLine1Dir;
  }
  else if (firstZero)
    m.xLine1Dir = m.xLine2Dir.crossProduct(m.normal); // a quarter turn back from the second
  else if (secondZero)
    m.xLine2Dir = m.normal.crossProduct(m.xLine1Dir); // a quarter turn on from the first
  m.xLine1Dir.normalize(OdGeContext::gTol);
  m.xLine2Dir.normalize(OdGeContext::gTol);
}

// The angles are measured about the Z axis of the arc's own plane (its normal), so the order test
// holds for arcs in any plane.
void CKyArcPE_testDimExtLineOrder(ArcMeasure_st& m)
{
  const OdGeVector3d c = m.arcPoint - m.center;
  const double a1 = m.xLine1Dir.angleTo(c, m.normal);
  const double a2 = c.angleTo(m.xLine2Dir, m.normal);
  const double a12 = m.xLine1Dir.angleTo(m.xLine2Dir, m.normal);
  const double d = a1 + a2 - a12;
  if (!KyIsZero(d) && !KyIsZero(d - kTwoPi))
  {
    std::swap(m.xLine1Point, m.xLine2Point);
    std::swap(m.xLine1Dir, m.xLine2Dir);
  }
  m.radius = m.center.distanceTo(m.xLine1Point);
}

double CKyArcPE_measurement(ArcMeasure_st& m)
{
  CKyArcPE_calcDimExtLineDir(m);
  CKyArcPE_testDimExtLineOrder(m);
  m.includedAngle = m.xLine1Dir.angleTo(m.xLine2Dir, m.normal);
  m.arcLength = m.includedAngle * m.radius;
  return m.arcLength;
}

CKyString CKyArcPE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Arc"));
}

void CKyArcPE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyArcPE::desc(), OdDbArc::desc(), s_Names,
                 KyTable(kRows));
}

bool CKyArcPE::HasDynamicProperties()
{
  return CKyPropertyPEImpl::HasDynamicProperties();
}

void CKyArcPE::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

CKyVariant CKyArcPE::GetThickness(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbArc> arc = KyForRead<OdDbArc>(object);
  return arc.isNull() ? CKyVariant() : CKyVariant(arc->thickness(), true);
}

int CKyArcPE::SetThickness(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                           const CKyVariant&)
{
  const KyOpened<OdDbArc> arc = KyForWrite<OdDbArc>(object);
  double thickness = 0.0;
  if (arc.isNull() || !KyDoubleOf(value, thickness))
    return kKyRefused;
  arc->setThickness(thickness);
  return kKyAccepted;
}

CKyVariant CKyArcPE::GetStartX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return startComponent(o, kKyAxisX);
}
CKyVariant CKyArcPE::GetStartY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return startComponent(o, kKyAxisY);
}
CKyVariant CKyArcPE::GetStartZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return startComponent(o, kKyAxisZ);
}
CKyVariant CKyArcPE::GetCenterX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return centerComponent(o, kKyAxisX);
}
CKyVariant CKyArcPE::GetCenterY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return centerComponent(o, kKyAxisY);
}
CKyVariant CKyArcPE::GetCenterZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return centerComponent(o, kKyAxisZ);
}
int CKyArcPE::SetCenterX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setCenterComponent(o, kKyAxisX, v);
}
int CKyArcPE::SetCenterY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setCenterComponent(o, kKyAxisY, v);
}
int CKyArcPE::SetCenterZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setCenterComponent(o, kKyAxisZ, v);
}
CKyVariant CKyArcPE::GetEndX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return endComponent(o, kKyAxisX);
}
CKyVariant CKyArcPE::GetEndY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return endComponent(o, kKyAxisY);
}
CKyVariant CKyArcPE::GetEndZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return endComponent(o, kKyAxisZ);
}

CKyVariant CKyArcPE::GetRadius(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbArc> arc = KyForRead<OdDbArc>(object);
  return arc.isNull() ? CKyVariant() : CKyVariant(arc->radius(), true);
}

int CKyArcPE::SetRadius(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                        const CKyVariant&)
{
  const KyOpened<OdDbArc> arc = KyForWrite<OdDbArc>(object);
  double radius = 0.0;
  if (arc.isNull() || !KySizeOf(value, radius))
    return kKyRefused;
  arc->setRadius(radius);
  return kKyAccepted;
}

CKyVariant CKyArcPE::GetStartAngle(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbArc> arc = KyForRead<OdDbArc>(object);
  return arc.isNull() ? CKyVariant() : CKyVariant(arc->startAngle(), true);
}

// The angle setters take the framework's double conversion of whatever value arrives (no tag test).
int CKyArcPE::SetStartAngle(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                            const CKyVariant&)
{
  const KyOpened<OdDbArc> arc = KyForWrite<OdDbArc>(object);
  double angle = 0.0;
  if (arc.isNull() || !KyAnyDoubleOf(value, angle))
    return kKyRefused;
  arc->setStartAngle(angle);
  return kKyAccepted;
}

CKyVariant CKyArcPE::GetEndAngle(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbArc> arc = KyForRead<OdDbArc>(object);
  return arc.isNull() ? CKyVariant() : CKyVariant(arc->endAngle(), true);
}

int CKyArcPE::SetEndAngle(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                          const CKyVariant&)
{
  const KyOpened<OdDbArc> arc = KyForWrite<OdDbArc>(object);
  double angle = 0.0;
  if (arc.isNull() || !KyAnyDoubleOf(value, angle))
    return kKyRefused;
  arc->setEndAngle(angle);
  return kKyAccepted;
}

CKyVariant CKyArcPE::GetTotalAngle(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbArc> arc = KyForRead<OdDbArc>(object);
  return arc.isNull() ? CKyVariant() : CKyVariant(totalAngle(arc->startAngle(), arc->endAngle()), true);
}

CKyVariant CKyArcPE::GetArcLength(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbArc> arc = KyForRead<OdDbArc>(object);
  ArcMeasure_st measure;
  if (arc.isNull() || !fillMeasure(arc, measure))
    return CKyVariant();
  return CKyVariant(CKyArcPE_measurement(measure), true);
}

// The area between the arc and its chord: r²/2 × (θ + sin(2π − θ)).
CKyVariant CKyArcPE::GetArea(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbArc> arc = KyForRead<OdDbArc>(object);
  if (arc.isNull())
    return CKyVariant();
  const double r = arc->radius();
  const double theta = totalAngle(arc->startAngle(), arc->endAngle());
  return CKyVariant(0.5 * r * r * (theta + std::sin(kTwoPi - theta)), true);
}

CKyVariant CKyArcPE::GetNormalX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return normalComponent(o, kKyAxisX);
}
CKyVariant CKyArcPE::GetNormalY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return normalComponent(o, kKyAxisY);
}
CKyVariant CKyArcPE::GetNormalZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return normalComponent(o, kKyAxisZ);
}

// In UCS mode the listing shows the extrusion direction and the sweep; in world mode the end
// points and both angles. The sweep is the palette's "Total Angle" (normalised into [0, 2π)).
bool CKyArcInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  OdDbArcPtr arc = OdDbArc::cast(object);
  if (arc.isNull())
    return false;
  context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Center point")), arc->center());
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Radius")), arc->radius());
  if (context->IsPrintInUCS())
  {
    context->PrintVector3D(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Extrusion direction relative to UCS")),
                           arc->normal());
  }
  else
  {
    OdGePoint3d start, end;
    arc->getStartPoint(start);
    arc->getEndPoint(end);
    context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Start point")), start);
    context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "End point")), end);
  }
  double endParam = 0.0, length = 0.0;
  arc->getEndParam(endParam);
  arc->getDistAtParam(endParam, length);
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Length")), length);
  if (context->IsPrintInUCS())
  {
    context->PrintAngle(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Total angle")),
                        totalAngle(arc->startAngle(), arc->endAngle()));
  }
  else
  {
    context->PrintAngle(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Start angle")), arc->startAngle());
    context->PrintAngle(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "End angle")), arc->endAngle());
  }
  return true;
}
