// The rows and listing shared by infinite lines and rays, written once over the database class.
// Both are edited through a base point and a second point one unit along the direction; moving the
// second point turns the direction and leaves the base point where it is.
#ifndef KY_CONSTRUCTION_LINE_PE_H
#define KY_CONSTRUCTION_LINE_PE_H

#include <QCoreApplication>

#include "Ge/GeMatrix3d.h"
#include "KyAccessors.h"
#include "KyEntityPE.h"
#include "KyListing.h"
#include "KyPrintObjectInfoPE.h"
#include "KyPropertyTable.h"

// Self is the extension class (its run-time class and description list), Line the database class.
template <class Self, class Line>
class CKyConstructionLinePE : public CKyEntityPE
{
public:
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override
  {
    container = nullptr;
    CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
    KyCollectLevel(container, objectClass, extensionClass, skipAdd, Self::desc(), Line::desc(), Self::s_Names,
                   KyTable(kRows));
  }
  bool HasDynamicProperties() override { return CKyPropertyPEImpl::HasDynamicProperties(); }
  void GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) override {}

  static CKyVariant GetBasePointX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
  {
    return baseComponent(o, kKyAxisX);
  }
  static CKyVariant GetBasePointY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
  {
    return baseComponent(o, kKyAxisY);
  }
  static CKyVariant GetBasePointZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
  {
    return baseComponent(o, kKyAxisZ);
  }
  static int SetBasePointX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
  {
    return setBaseComponent(o, kKyAxisX, v);
  }
  static int SetBasePointY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
  {
    return setBaseComponent(o, kKyAxisY, v);
  }
  static int SetBasePointZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
  {
    return setBaseComponent(o, kKyAxisZ, v);
  }
  static CKyVariant GetSecondPointX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
  {
    return secondComponent(o, kKyAxisX);
  }
  static CKyVariant GetSecondPointY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
  {
    return secondComponent(o, kKyAxisY);
  }
  static CKyVariant GetSecondPointZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
  {
    return secondComponent(o, kKyAxisZ);
  }
  static int SetSecondPointX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                             const CKyVariant&)
  {
    return setSecondComponent(o, kKyAxisX, v);
  }
  static int SetSecondPointY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                             const CKyVariant&)
  {
    return setSecondComponent(o, kKyAxisY, v);
  }
  static int SetSecondPointZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                             const CKyVariant&)
  {
    return setSecondComponent(o, kKyAxisZ, v);
  }
  static CKyVariant GetDirVectorX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
  {
    return directionComponent(o, kKyAxisX);
  }
  static CKyVariant GetDirVectorY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
  {
    return directionComponent(o, kKyAxisY);
  }
  static CKyVariant GetDirVectorZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
  {
    return directionComponent(o, kKyAxisZ);
  }

private:
  static const KyPropertyRow kRows[9];

  static CKyVariant baseComponent(const OdDbObject* object, KyAxis axis)
  {
    const KyOpened<Line> line = KyForRead<Line>(object);
    return line.isNull() ? CKyVariant() : KyUcsComponent(object, line->basePoint(), axis);
  }

  static int setBaseComponent(const OdDbObject* object, KyAxis axis, const CKyVariant& value)
  {
    const KyOpened<Line> line = KyForWrite<Line>(object);
    if (line.isNull())
      return kKyRefused;
    return KySetUcsComponent(object, line->basePoint(), axis, value,
                             [&](const OdGePoint3d& p) { line->setBasePoint(p); });
  }

  // The base point in the UCS plus the direction as stored (world terms).
  static OdGePoint3d secondPoint(const OdDbObject* object, const Line* line)
  {
    return KyWorldToUcs(object, line->basePoint()) + line->unitDir();
  }

  static CKyVariant secondComponent(const OdDbObject* object, KyAxis axis)
  {
    const KyOpened<Line> line = KyForRead<Line>(object);
    return line.isNull() ? CKyVariant() : CKyVariant(KyComponent(secondPoint(object, line), axis), true);
  }

  // The present second point is compared after one more world-to-UCS pass; a change turns the
  // direction by the difference in that component. A direction that would vanish is refused.
  static int setSecondComponent(const OdDbObject* object, KyAxis axis, const CKyVariant& value)
  {
    const KyOpened<Line> line = KyForWrite<Line>(object);
    double wanted = 0.0;
    if (line.isNull() || !KyDoubleOf(value, wanted))
      return kKyRefused;
    const double present = KyComponent(KyWorldToUcs(object, secondPoint(object, line)), axis);
    if (present == wanted)
      return kKyAccepted;
    OdGeVector3d dir = line->unitDir();
    OdGePoint3d turned = dir.asPoint();
    KySetComponent(turned, axis, KyComponent(turned, axis) + (wanted - present));
    dir = turned.asVector();
    const double length = dir.normalizeGetLength(1e-300);
    if (!std::isfinite(length) || dir.isZeroLength())
      return kKyRefused;
    line->setUnitDir(dir);
    return kKyAccepted;
  }

  static CKyVariant directionComponent(const OdDbObject* object, KyAxis axis)
  {
    const KyOpened<Line> line = KyForRead<Line>(object);
    return line.isNull() ? CKyVariant() : KyNormalComponent(object, line->unitDir(), axis);
  }
};

namespace kyConstructionLine
{
constexpr const char* kGeometry = QT_TRANSLATE_NOOP("property_groups", "Geometry");
} // namespace kyConstructionLine

template <class Self, class Line>
const KyPropertyRow CKyConstructionLinePE<Self, Line>::kRows[9] = {
  {kyConstructionLine::kGeometry, QT_TRANSLATE_NOOP("property_types", "Base point X"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateXGUID, &Self::GetBasePointX, &Self::SetBasePointX,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "BasePointX"},
  {kyConstructionLine::kGeometry, QT_TRANSLATE_NOOP("property_types", "Base point Y"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateYGUID, &Self::GetBasePointY, &Self::SetBasePointY,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "BasePointY"},
  {kyConstructionLine::kGeometry, QT_TRANSLATE_NOOP("property_types", "Base point Z"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateZGUID, &Self::GetBasePointZ, &Self::SetBasePointZ,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "BasePointZ"},
  {kyConstructionLine::kGeometry, QT_TRANSLATE_NOOP("property_types", "Second point X"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateXGUID, &Self::GetSecondPointX, &Self::SetSecondPointX,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "SecondPointX"},
  {kyConstructionLine::kGeometry, QT_TRANSLATE_NOOP("property_types", "Second point Y"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateYGUID, &Self::GetSecondPointY, &Self::SetSecondPointY,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "SecondPointY"},
  {kyConstructionLine::kGeometry, QT_TRANSLATE_NOOP("property_types", "Second point Z"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateZGUID, &Self::GetSecondPointZ, &Self::SetSecondPointZ,
   &CKyPropertyPEImpl::IsReadOnlyFalse, "SecondPointZ"},
  {kyConstructionLine::kGeometry, QT_TRANSLATE_NOOP("property_types", "Direction vector X"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateXGUID, &Self::GetDirVectorX, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue,
   "DirectionX"},
  {kyConstructionLine::kGeometry, QT_TRANSLATE_NOOP("property_types", "Direction vector Y"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateYGUID, &Self::GetDirVectorY, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue,
   "DirectionY"},
  {kyConstructionLine::kGeometry, QT_TRANSLATE_NOOP("property_types", "Direction vector Z"), CKyVariant::kDouble,
   &CKyPropertyType::kCoordinateZGUID, &Self::GetDirVectorZ, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue,
   "DirectionZ"},
};

// The listing: base point, unit direction (as stored) and the direction's angle in the XY plane
// of the report's system. The two kinds differ only in the labels' capitals.
struct KyConstructionLineLabels
{
  const char* basePoint; // keys in "info_items"
  const char* unitDirection;
};

template <class Line>
void KyPrintConstructionLine(const OdDbObject* object, CKyPrintInfoContext* context,
                             const KyConstructionLineLabels& labels)
{
  const OdSmartPtr<Line> line = Line::cast(object);
  if (line.isNull())
    return;
  const OdGeVector3d stored = line->unitDir();
  context->PrintPoint(KyInfoLabel(labels.basePoint), line->basePoint());
  context->PrintVector3D(KyInfoLabel(labels.unitDirection), stored);
  OdGeVector3d direction = stored;
  if (context->IsPrintInUCS())
    direction.transformBy(context->GetWorldToWorkingPlaneMatrix());
  context->PrintAngle(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Angle in XY Plane")),
                      KyAngleInXYPlane(direction.x, direction.y));
}

#endif
