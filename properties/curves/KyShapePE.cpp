// Shape rows and listing.
#include "KyShapePE.h"

#include <QCoreApplication>

#include "DbShape.h"
#include "DbTextStyleTableRecord.h"
#include "Gi/GiTextStyle.h"
#include "KyObjectValues.h"
#include "KyListing.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyShapePE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyShapePE::s_Names;

namespace
{
constexpr const char* kGeometry = QT_TRANSLATE_NOOP("property_groups", "Geometry");
constexpr const char* kMisc = QT_TRANSLATE_NOOP("property_groups", "Misc");
const KyPropertyRow kRows[] = {
  {QT_TRANSLATE_NOOP("property_groups", "General"), QT_TRANSLATE_NOOP("property_types", "Thickness"),
   CKyVariant::kDouble, nullptr, &CKyShapePE::GetThickness, &CKyShapePE::SetThickness,
   &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position X"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateXGUID, &CKyShapePE::GetPositionX, &CKyShapePE::SetPositionX,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "CoordinateX"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position Y"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateYGUID, &CKyShapePE::GetPositionY, &CKyShapePE::SetPositionY,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "CoordinateY"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Position Z"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateZGUID, &CKyShapePE::GetPositionZ, &CKyShapePE::SetPositionZ,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "CoordinateZ"},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Name"), CKyVariant::kEmpty, nullptr, &CKyShapePE::GetName, nullptr,
   &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Size"), CKyVariant::kDouble, nullptr, &CKyShapePE::GetSize,
   &CKyShapePE::SetSize, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Rotation"), CKyVariant::kDouble, &CKyPropertyType::kAngleGUID,
   &CKyShapePE::GetRotation, &CKyShapePE::SetRotation, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Width factor"), CKyVariant::kDouble, nullptr,
   &CKyShapePE::GetWidthFactor, &CKyShapePE::SetWidthFactor, &CKyPropertyPEImpl::IsReadOnlyFalse, "WidthFactor"},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Obliquing"), CKyVariant::kDouble, &CKyPropertyType::kAngleGUID,
   &CKyShapePE::GetObliquing, &CKyShapePE::SetObliquing, &CKyPropertyPEImpl::IsReadOnlyFalse},
};

CKyVariant positionComponent(const OdDbObject* object, KyAxis axis)
{
  return KyObjectUcsComponent<OdDbShape>(object, axis, [](const OdDbShape* s) { return s->position(); });
}

int setPositionComponent(const OdDbObject* object, KyAxis axis, const CKyVariant& value)
{
  return KySetObjectUcsComponent<OdDbShape>(
      object, axis, value, [](const OdDbShape* s) { return s->position(); },
      [](OdDbShape* s, const OdGePoint3d& p) { s->setPosition(p); });
}
} // namespace

CKyString CKyShapePE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Shape"));
}

void CKyShapePE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                  const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyShapePE::desc(), OdDbShape::desc(), s_Names,
                 KyTable(kRows));
}

bool CKyShapePE::HasDynamicProperties()
{
  return CKyPropertyPEImpl::HasDynamicProperties();
}

void CKyShapePE::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

CKyVariant CKyShapePE::GetThickness(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyGetDouble<OdDbShape>(o, [](const OdDbShape* s) { return s->thickness(); });
}
int CKyShapePE::SetThickness(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return KySetDouble<OdDbShape>(o, v, [](OdDbShape* s, double t) { s->setThickness(t); });
}

CKyVariant CKyShapePE::GetPositionX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return positionComponent(o, kKyAxisX);
}
CKyVariant CKyShapePE::GetPositionY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return positionComponent(o, kKyAxisY);
}
CKyVariant CKyShapePE::GetPositionZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return positionComponent(o, kKyAxisZ);
}
int CKyShapePE::SetPositionX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setPositionComponent(o, kKyAxisX, v);
}
int CKyShapePE::SetPositionY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setPositionComponent(o, kKyAxisY, v);
}
int CKyShapePE::SetPositionZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setPositionComponent(o, kKyAxisZ, v);
}

CKyVariant CKyShapePE::GetName(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbShape> shape = KyForRead<OdDbShape>(o);
  return shape.isNull() ? CKyVariant() : CKyVariant(CKyString(shape->name()));
}

// Any size, zero and negative ones included.
CKyVariant CKyShapePE::GetSize(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyGetDouble<OdDbShape>(o, [](const OdDbShape* s) { return s->size(); });
}
int CKyShapePE::SetSize(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return KySetDouble<OdDbShape>(o, v, [](OdDbShape* s, double size) { s->setSize(size); });
}

CKyVariant CKyShapePE::GetRotation(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyGetDouble<OdDbShape>(o, [](const OdDbShape* s) { return KyShownAngle(s->rotation()); });
}
int CKyShapePE::SetRotation(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return KySetDouble<OdDbShape>(o, v, [](OdDbShape* s, double angle) { s->setRotation(angle); });
}

CKyVariant CKyShapePE::GetWidthFactor(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyGetDouble<OdDbShape>(o, [](const OdDbShape* s) { return s->widthFactor(); });
}
int CKyShapePE::SetWidthFactor(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                               const CKyVariant&)
{
  const KyOpened<OdDbShape> shape = KyForWrite<OdDbShape>(o);
  double factor = 0.0;
  if (shape.isNull() || !KyDoubleOf(v, factor))
    return kKyRefused;
  if (factor <= 0.0)
    return KyRefuseWithMessage(QT_TRANSLATE_NOOP("errors", "Invalid value for property Width factor"));
  shape->setWidthFactor(factor);
  return kKyAccepted;
}

CKyVariant CKyShapePE::GetObliquing(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyGetDouble<OdDbShape>(o, [](const OdDbShape* s) { return KyShownAngle(s->oblique()); });
}
int CKyShapePE::SetObliquing(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                             const CKyVariant&)
{
  return KySetDouble<OdDbShape>(o, v, [](OdDbShape* s, double angle) { s->setOblique(angle); });
}

// The first line pairs the shape's name with the font file of its style. "scale" shows the
// entity's linetype scale, not the shape's size.
bool CKyShapeInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  OdDbShapePtr shape = OdDbShape::cast(object);
  if (shape.isNull())
    return false;
  OdGiTextStyle style;
  giFromDbTextStyle(shape->styleId(), style);
  context->PrintString(CKyString(shape->name()), CKyString(style.getFontFilePath(shape->database())));
  context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "origin point")), shape->position());
  context->PrintScale(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "scale")), shape->linetypeScale());
  context->PrintAngle(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "rotation angle")), shape->rotation());
  return true;
}
