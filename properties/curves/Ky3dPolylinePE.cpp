// Heavy 3D polyline rows and listing. Vertex positions are world points, shown in the UCS.
#include "Ky3dPolylinePE.h"

#include <QCoreApplication>

#include "Db3dPolyline.h"
#include "KyAccessors.h"
#include "KyListing.h"
#include "KyVertexPE.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKy3dPolylinePE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKy3dPolylinePE::s_Names;

namespace
{
constexpr const char* kGeometry = QT_TRANSLATE_NOOP("property_groups", "Geometry");
constexpr const char* kMisc = QT_TRANSLATE_NOOP("property_groups", "Misc");
const KyPropertyRow kRows[] = {
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Vertex"), CKyVariant::kCollection, &CKyPropertyType::kVertexGUID,
   &CKy3dPolylinePE::GetVertex, &CKy3dPolylinePE::SetVertex, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Vertex X"), CKyVariant::kDouble, &CKyPropertyType::kVertexXGUID,
   &CKy3dPolylinePE::GetVertexX, &CKy3dPolylinePE::SetVertexX, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Vertex Y"), CKyVariant::kDouble, &CKyPropertyType::kVertexYGUID,
   &CKy3dPolylinePE::GetVertexY, &CKy3dPolylinePE::SetVertexY, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Vertex Z"), CKyVariant::kDouble, &CKyPropertyType::kVertexZGUID,
   &CKy3dPolylinePE::GetVertexZ, &CKy3dPolylinePE::SetVertexZ, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Length"), CKyVariant::kEmpty, nullptr,
   &CKy3dPolylinePE::GetLength, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Fit/Smooth"), CKyVariant::kEmpty, nullptr,
   &CKy3dPolylinePE::GetFitSmooth, &CKy3dPolylinePE::SetFitSmooth, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Closed"), CKyVariant::kEmpty, nullptr, &CKy3dPolylinePE::GetClosed,
   &CKy3dPolylinePE::SetClosed, &CKyPropertyPEImpl::IsReadOnlyFalse},
};

CKyVariant vertexComponent(const OdDbObject* object, const CKyVariant& context, KyAxis axis)
{
  const KyOpened<OdDb3dPolyline> polyline = KyForRead<OdDb3dPolyline>(object);
  if (polyline.isNull())
    return CKyVariant();
  const OdDb3dPolylineVertexPtr vertex = KyCountedVertex<OdDb3dPolylineVertex>(polyline.get(), KyContextIndex(context));
  return vertex.isNull() ? CKyVariant() : KyUcsComponent(object, vertex->position(), axis);
}

int setVertexComponent(const OdDbObject* object, const CKyVariant& value, const CKyVariant& context, KyAxis axis)
{
  const KyOpened<OdDb3dPolyline> polyline = KyForWrite<OdDb3dPolyline>(object);
  if (polyline.isNull())
    return kKyRefused;
  const OdDb3dPolylineVertexPtr vertex = KyCountedVertex<OdDb3dPolylineVertex>(polyline.get(), KyContextIndex(context));
  if (vertex.isNull())
    return kKyRefused;
  return KySetUcsComponent(object, vertex->position(), axis, value, [&](const OdGePoint3d& world) {
    KyWriteVertex(vertex.get(), [&](OdDb3dPolylineVertex* v) { v->setPosition(world); });
  });
}
} // namespace

CKyString CKy3dPolylinePE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "3D PolyLine"));
}

void CKy3dPolylinePE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                       const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKy3dPolylinePE::desc(), OdDb3dPolyline::desc(),
                 s_Names, KyTable(kRows));
}

bool CKy3dPolylinePE::HasDynamicProperties()
{
  return CKyPropertyPEImpl::HasDynamicProperties();
}

void CKy3dPolylinePE::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

CKyVariant CKy3dPolylinePE::GetVertex(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDb3dPolyline> polyline = KyForRead<OdDb3dPolyline>(object);
  return polyline.isNull() ? CKyVariant()
                           : KyElementSelector(KyCountedVertexCount<OdDb3dPolylineVertex>(polyline.get()));
}

int CKy3dPolylinePE::SetVertex(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&,
                               const CKyVariant&)
{
  return KyForWrite<OdDb3dPolyline>(object).isNull() ? kKyRefused : kKyAccepted;
}

CKyVariant CKy3dPolylinePE::GetVertexX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& c)
{
  return vertexComponent(o, c, kKyAxisX);
}
int CKy3dPolylinePE::SetVertexX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                const CKyVariant& c)
{
  return setVertexComponent(o, v, c, kKyAxisX);
}
CKyVariant CKy3dPolylinePE::GetVertexY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& c)
{
  return vertexComponent(o, c, kKyAxisY);
}
int CKy3dPolylinePE::SetVertexY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                const CKyVariant& c)
{
  return setVertexComponent(o, v, c, kKyAxisY);
}
CKyVariant CKy3dPolylinePE::GetVertexZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& c)
{
  return vertexComponent(o, c, kKyAxisZ);
}
int CKy3dPolylinePE::SetVertexZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                const CKyVariant& c)
{
  return setVertexComponent(o, v, c, kKyAxisZ);
}

// Along the drawn path: the vertices of a simple polyline, the fitted spline's points otherwise.
CKyVariant CKy3dPolylinePE::GetLength(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDb3dPolyline> polyline = KyForRead<OdDb3dPolyline>(object);
  double endParam = 0.0, length = 0.0;
  if (polyline.isNull() || polyline->getEndParam(endParam) != eOk || polyline->getDistAtParam(endParam, length) != eOk)
    return CKyVariant();
  return CKyVariant(length, true);
}

CKyVariant CKy3dPolylinePE::GetFitSmooth(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  static const KyChoice kChoices[] = {{0, QT_TRANSLATE_NOOP("property_values", "None")},
                                      {1, QT_TRANSLATE_NOOP("property_values", "Quadratic")},
                                      {2, QT_TRANSLATE_NOOP("property_values", "Cubic")}};
  const KyOpened<OdDb3dPolyline> polyline = KyForRead<OdDb3dPolyline>(object);
  return polyline.isNull() ? CKyVariant() : KyChoiceList(kChoices, polyline->polyType());
}

// 0 straightens, 1 and 2 spline-fit (quadratic, cubic); other codes are refused.
int CKy3dPolylinePE::SetFitSmooth(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                  const CKyVariant&)
{
  const KyOpened<OdDb3dPolyline> polyline = KyForWrite<OdDb3dPolyline>(object);
  int code = 0;
  if (polyline.isNull() || !KyChosenCode(value, code) || code < 0 || code > 2)
    return kKyRefused;
  if (code == 0)
    polyline->straighten();
  else
    polyline->splineFit(static_cast<OdDb::Poly3dType>(code), KySplineSegmentsOf(object));
  return kKyAccepted;
}

CKyVariant CKy3dPolylinePE::GetClosed(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDb3dPolyline> polyline = KyForRead<OdDb3dPolyline>(object);
  return polyline.isNull() ? CKyVariant() : KyYesNoList(polyline->isClosed());
}

int CKy3dPolylinePE::SetClosed(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                               const CKyVariant&)
{
  return KySetOnOff<OdDb3dPolyline>(object, value,
                                    [](OdDb3dPolyline* p, bool on) { on ? p->makeClosed() : p->makeOpen(); });
}

bool CKy3dPolylineInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  OdDb3dPolylinePtr polyline = OdDb3dPolyline::cast(object);
  if (polyline.isNull())
    return false;
  double area = 0.0, endParam = 0.0, length = 0.0;
  polyline->getArea(area);
  context->PrintArea(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Area")), area);
  polyline->getEndParam(endParam);
  polyline->getDistAtParam(endParam, length);
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Length")), length);
  int count = 0;
  for (OdDbObjectIteratorPtr it = polyline->vertexIterator(); !it->done(); it->step())
  {
    const OdDb3dPolylineVertexPtr vertex = it->entity(OdDb::kForRead);
    context->PrintPoint(CKyString(QCoreApplication::translate("info_items", "Point %1").arg(count++)),
                        vertex->position());
    if (!context->CheckCounter())
      break;
  }
  return true;
}
