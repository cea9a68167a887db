// Helix rows and listing. The axis point is shown and edited in the UCS; the other values are
// lengths, counts and angles of the helix itself. Refused values show "Invalid input.".
#include "KyHelixPE.h"

#include <cmath>

#include <QCoreApplication>

#include "DbHelix.h"
#include "KyAccessors.h"
#include "KyListing.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyHelixPE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyHelixPE::s_Names;

namespace
{
constexpr double kTwoPi = 6.283185307179586;
constexpr double kFlatTol = 1e-10;
constexpr double kMaxTurns = 500.0;
constexpr const char* kInvalidInput = QT_TRANSLATE_NOOP("errors", "Invalid input.");

constexpr const char* kGeometry = QT_TRANSLATE_NOOP("property_groups", "Geometry");
const CKyString* const kX = &CKyPropertyType::kCoordinateXGUID;
const CKyString* const kY = &CKyPropertyType::kCoordinateYGUID;
const CKyString* const kZ = &CKyPropertyType::kCoordinateZGUID;
const CKyIsReadOnlyMethod kNever = &CKyPropertyPEImpl::IsReadOnlyFalse;
const CKyIsReadOnlyMethod kAlways = &CKyPropertyPEImpl::IsReadOnlyTrue;
typedef CKyHelixPE H;
const KyPropertyRow kRows[] = {
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position X"), CKyVariant::kDouble, kX, &H::GetPositionX,
   &H::SetPositionX, kNever, "PositionX"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position Y"), CKyVariant::kDouble, kY, &H::GetPositionY,
   &H::SetPositionY, kNever, "PositionY"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position Z"), CKyVariant::kDouble, kZ, &H::GetPositionZ,
   &H::SetPositionZ, kNever, "PositionZ"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Constrain"), CKyVariant::kEmpty, nullptr, &H::GetConstrain,
   &H::SetConstrain, &H::IsConstrainReadOnly, "Constrain"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Height"), CKyVariant::kDouble, nullptr, &H::GetHeight,
   &H::SetHeight, kNever, "Height"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Revolutions"), CKyVariant::kEmpty, nullptr, &H::GetTurns,
   &H::SetTurns, kNever, "Turns"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Pitch"), CKyVariant::kDouble, nullptr, &H::GetTurnHeight,
   &H::SetTurnHeight, kNever, "TurnHeight"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Base radius"), CKyVariant::kDouble, nullptr, &H::GetBaseRadius,
   &H::SetBaseRadius, kNever, "Baseradius"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Top radius"), CKyVariant::kDouble, nullptr, &H::GetTopRadius,
   &H::SetTopRadius, kNever, "Topradius"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Direction"), CKyVariant::kEmpty, nullptr, &H::GetTwist,
   &H::SetTwist, kNever, "Twist"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Helix slope"), CKyVariant::kDouble, &CKyPropertyType::kAngleGUID,
   &H::GetTurnSlope, nullptr, kAlways, "TurnSlope"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Total length"), CKyVariant::kEmpty, nullptr, &H::GetTotalLength,
   nullptr, kAlways, "Totallength"},
};

const KyChoice kConstrainChoices[] = {{OdDbHelix::kTurnHeight, QT_TRANSLATE_NOOP("property_values", "Pitch")},
                                      {OdDbHelix::kTurns, QT_TRANSLATE_NOOP("property_values", "Revolutions")},
                                      {OdDbHelix::kHeight, QT_TRANSLATE_NOOP("property_values", "Height")}};
const KyChoice kTwistChoices[] = {{1, QT_TRANSLATE_NOOP("property_values", "CCW")},
                                  {0, QT_TRANSLATE_NOOP("property_values", "CW")}};

bool isFlat(const OdDbHelix* helix)
{
  return KyIsZero(helix->height(), kFlatTol);
}

// A value of the helix read by `read`, unit-bearing like every number of these rows.
template <class Read>
CKyVariant helixValue(const OdDbObject* object, Read read)
{
  const KyOpened<OdDbHelix> helix = KyForRead<OdDbHelix>(object);
  return helix.isNull() ? CKyVariant() : CKyVariant(read(helix.get()), true);
}

CKyVariant positionComponent(const OdDbObject* object, KyAxis axis)
{
  const KyOpened<OdDbHelix> helix = KyForRead<OdDbHelix>(object);
  return helix.isNull() ? CKyVariant() : KyUcsComponent(object, helix->axisPoint(), axis);
}

int setPositionComponent(const OdDbObject* object, const CKyVariant& value, KyAxis axis)
{
  const KyOpened<OdDbHelix> helix = KyForWrite<OdDbHelix>(object);
  if (helix.isNull())
    return kKyRefused;
  return KySetUcsComponent(object, helix->axisPoint(), axis, value,
                           [&](const OdGePoint3d& p) { helix->setAxisPoint(p, true); });
}

// The turns that keep a flat helix's radial pitch over a new radial extent; false when the
// result is no usable count of turns.
bool turnsForExtent(double extent, double pitch, double& turns)
{
  turns = extent / pitch;
  return std::isfinite(turns) && turns > 0.0;
}

// Radius setters: `top` says which radius the value is for; the other one is the partner.
int setRadius(const OdDbObject* object, const CKyVariant& value, bool top)
{
  const KyOpened<OdDbHelix> helix = KyForWrite<OdDbHelix>(object);
  double radius = 0.0;
  if (helix.isNull() || !KyDoubleOf(value, radius))
    return kKyRefused;
  const double present = top ? helix->topRadius() : helix->baseRadius();
  const double other = top ? helix->baseRadius() : helix->topRadius();
  const bool flat = isFlat(helix);
  if (radius < 0.0 || (radius == 0.0 && other == 0.0) || (flat && KyIsZero(radius - other, kFlatTol)))
    return KyRefuseWithMessage(kInvalidInput);
  if (radius == present)
    return kKyAccepted;
  // A spiral keeps its radial pitch; one whose radii are equal has none to keep.
  const double pitch = std::fabs(present - other) / helix->turns();
  if (flat && pitch > 0.0)
  {
    double turns = 0.0;
    if (!turnsForExtent(std::fabs(other - radius), pitch, turns))
      return KyRefuseWithMessage(kInvalidInput);
    helix->setTurns(turns);
  }
  if (top)
    helix->setTopRadius(radius);
  else
    helix->setBaseRadius(radius);
  return kKyAccepted;
}
} // namespace

CKyString CKyHelixPE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Helix"));
}

void CKyHelixPE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                  const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyHelixPE::desc(), OdDbHelix::desc(), s_Names,
                 KyTable(kRows));
}

bool CKyHelixPE::HasDynamicProperties()
{
  return CKyPropertyPEImpl::HasDynamicProperties();
}

void CKyHelixPE::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

CKyVariant CKyHelixPE::GetPositionX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return positionComponent(o, kKyAxisX);
}
int CKyHelixPE::SetPositionX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setPositionComponent(o, v, kKyAxisX);
}
CKyVariant CKyHelixPE::GetPositionY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return positionComponent(o, kKyAxisY);
}
int CKyHelixPE::SetPositionY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setPositionComponent(o, v, kKyAxisY);
}
CKyVariant CKyHelixPE::GetPositionZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return positionComponent(o, kKyAxisZ);
}
int CKyHelixPE::SetPositionZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setPositionComponent(o, v, kKyAxisZ);
}

CKyVariant CKyHelixPE::GetConstrain(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbHelix> helix = KyForRead<OdDbHelix>(object);
  return helix.isNull() ? CKyVariant() : KyChoiceList(kConstrainChoices, helix->constrain());
}

// A code outside the list changes nothing.
int CKyHelixPE::SetConstrain(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                             const CKyVariant&)
{
  const KyOpened<OdDbHelix> helix = KyForWrite<OdDbHelix>(object);
  int code = 0;
  if (helix.isNull() || !KyChosenCode(value, code))
    return kKyRefused;
  if (code >= OdDbHelix::kTurnHeight && code <= OdDbHelix::kHeight && code != helix->constrain())
    helix->setConstrain(static_cast<OdDbHelix::ConstrainType>(code));
  return kKyAccepted;
}

// A spiral has no height to keep or follow.
bool CKyHelixPE::IsConstrainReadOnly(const OdDbObject* object, const CKyPropertyDescription&)
{
  const KyOpened<OdDbHelix> helix = KyForRead<OdDbHelix>(object);
  return !helix.isNull() && isFlat(helix);
}

CKyVariant CKyHelixPE::GetHeight(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return helixValue(o, [](const OdDbHelix* h) { return h->height(); });
}

int CKyHelixPE::SetHeight(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                          const CKyVariant&)
{
  const KyOpened<OdDbHelix> helix = KyForWrite<OdDbHelix>(object);
  double height = 0.0;
  if (helix.isNull() || !KyDoubleOf(value, height))
    return kKyRefused;
  if (height != helix->height())
    helix->setHeight(height);
  return kKyAccepted;
}

CKyVariant CKyHelixPE::GetTurns(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return helixValue(o, [](const OdDbHelix* h) { return h->turns(); });
}

int CKyHelixPE::SetTurns(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                         const CKyVariant&)
{
  const KyOpened<OdDbHelix> helix = KyForWrite<OdDbHelix>(object);
  double turns = 0.0;
  if (helix.isNull() || !KyDoubleOf(value, turns))
    return kKyRefused;
  if (turns <= 0.0 || turns > kMaxTurns)
    return KyRefuseWithMessage(kInvalidInput);
  if (turns != helix->turns())
    helix->setTurns(turns);
  return kKyAccepted;
}

// A spiral's pitch is radial: the distance between neighbouring turns across the plane.
CKyVariant CKyHelixPE::GetTurnHeight(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return helixValue(o, [](const OdDbHelix* h) {
    return isFlat(h) ? std::fabs(h->topRadius() - h->baseRadius()) / h->turns() : h->turnHeight();
  });
}

int CKyHelixPE::SetTurnHeight(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                              const CKyVariant&)
{
  const KyOpened<OdDbHelix> helix = KyForWrite<OdDbHelix>(object);
  double pitch = 0.0;
  if (helix.isNull() || !KyDoubleOf(value, pitch))
    return kKyRefused;
  if (pitch < 0.0 || (isFlat(helix) && KyIsZero(pitch, kFlatTol)))
    return KyRefuseWithMessage(kInvalidInput);
  if (helix->height() != 0.0)
  {
    if (pitch != helix->turnHeight())
      helix->setTurnHeight(pitch);
    return kKyAccepted;
  }
  // A spiral whose radii are equal has no radial extent to divide into turns.
  double turns = 0.0;
  if (!turnsForExtent(std::fabs(helix->topRadius() - helix->baseRadius()), pitch, turns))
    return KyRefuseWithMessage(kInvalidInput);
  if (turns != helix->turns())
    helix->setTurns(turns);
  return kKyAccepted;
}

CKyVariant CKyHelixPE::GetBaseRadius(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return helixValue(o, [](const OdDbHelix* h) { return h->baseRadius(); });
}
int CKyHelixPE::SetBaseRadius(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                              const CKyVariant&)
{
  return setRadius(o, v, false);
}
CKyVariant CKyHelixPE::GetTopRadius(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return helixValue(o, [](const OdDbHelix* h) { return h->topRadius(); });
}
int CKyHelixPE::SetTopRadius(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                             const CKyVariant&)
{
  return setRadius(o, v, true);
}

CKyVariant CKyHelixPE::GetTwist(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbHelix> helix = KyForRead<OdDbHelix>(object);
  return helix.isNull() ? CKyVariant() : KyChoiceList(kTwistChoices, helix->twist() ? 1 : 0);
}

int CKyHelixPE::SetTwist(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return KySetOnOff<OdDbHelix>(o, v, [](OdDbHelix* h, bool ccw) {
    if (h->twist() != ccw)
      h->setTwist(ccw);
  });
}

// The slope of a helix winding against its axis is shown one turn up.
CKyVariant CKyHelixPE::GetTurnSlope(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return helixValue(o, [](const OdDbHelix* h) {
    const double slope = h->turnSlope();
    return slope < 0.0 ? slope + kTwoPi : slope;
  });
}

CKyVariant CKyHelixPE::GetTotalLength(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return helixValue(o, [](const OdDbHelix* h) { return h->totalLength(); });
}

// The revolutions and the slope in degrees go out through PrintDist like the lengths.
bool CKyHelixInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  OdDbHelixPtr helix = OdDbHelix::cast(object);
  if (helix.isNull())
    return false;
  context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Position")), helix->axisPoint());
  const int constrain = helix->constrain();
  const char* constrainText = constrain == OdDbHelix::kTurns    ? kConstrainChoices[1].text
                              : constrain == OdDbHelix::kHeight ? kConstrainChoices[2].text
                                                                : kConstrainChoices[0].text;
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Constrain")),
                       CKyString(QCoreApplication::translate("property_values", constrainText)));
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Height")), helix->height());
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Revolutions")), helix->turns());
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Pitch")), helix->turnHeight());
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Base radius")), helix->baseRadius());
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Top radius")), helix->topRadius());
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Direction")),
                       CKyString(QCoreApplication::translate("property_values", helix->twist() ? "CCW" : "CW")));
  double slope = helix->turnSlope();
  if (slope < 0.0)
    slope += kTwoPi;
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Helix slope")), slope * 180.0 / 3.141592653589793);
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Total length")), helix->totalLength());
  return true;
}
