// Heavy 2D polyline rows and listing. Vertex positions are stored in the polyline's plane; the
// palette shows and edits them in the UCS through the world (planeToWorld / worldToPlane of the
// normal).
#include "Ky2dPolylinePE.h"

#include <QCoreApplication>
#include <cmath>

#include "Db2dPolyline.h"
#include "Db3dPolyline.h"
#include "DbPolyline.h"
#include "KyAccessors.h"
#include "KyListing.h"
#include "KyMatchPropHelper.h"
#include "KyVertexPE.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKy2dPolylinePE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKy2dPolylinePE::s_Names;

namespace
{
constexpr const char* kGeometry = QT_TRANSLATE_NOOP("property_groups", "Geometry");
constexpr const char* kMisc = QT_TRANSLATE_NOOP("property_groups", "Misc");
const KyPropertyRow kRows[] = {
  {QT_TRANSLATE_NOOP("property_groups", "General"), QT_TRANSLATE_NOOP("property_types", "Thickness"),
   CKyVariant::kDouble, nullptr, &CKy2dPolylinePE::GetThickness, &CKy2dPolylinePE::SetThickness,
   &CKyPropertyPEImpl::IsReadOnlyFalse, nullptr, kKyRowMatchProp},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Vertex"), CKyVariant::kCollection, &CKyPropertyType::kVertexGUID,
   &CKy2dPolylinePE::GetVertex, &CKy2dPolylinePE::SetVertex, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Vertex X"), CKyVariant::kDouble, &CKyPropertyType::kVertexXGUID,
   &CKy2dPolylinePE::GetVertexX, &CKy2dPolylinePE::SetVertexX, &CKy2dPolylinePE::IsVertexXReadOnly},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Vertex Y"), CKyVariant::kDouble, &CKyPropertyType::kVertexYGUID,
   &CKy2dPolylinePE::GetVertexY, &CKy2dPolylinePE::SetVertexY, &CKy2dPolylinePE::IsVertexYReadOnly},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Start segment width"), CKyVariant::kEmpty,
   &CKyPropertyType::kVertexStartWidthGUID, &CKy2dPolylinePE::GetStartSegmentWidth,
   &CKy2dPolylinePE::SetStartSegmentWidth, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "End segment width"), CKyVariant::kEmpty,
   &CKyPropertyType::kVertexEndWidthGUID, &CKy2dPolylinePE::GetEndSegmentWidth,
   &CKy2dPolylinePE::SetEndSegmentWidth, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Global width"), CKyVariant::kEmpty, nullptr,
   &CKy2dPolylinePE::GetGlobalWidth, &CKy2dPolylinePE::SetGlobalWidth, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Elevation"), CKyVariant::kEmpty, nullptr,
   &CKy2dPolylinePE::GetElevation, &CKy2dPolylinePE::SetElevation, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Area"), CKyVariant::kEmpty, nullptr, &CKy2dPolylinePE::GetArea,
   nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Length"), CKyVariant::kEmpty, nullptr,
   &CKy2dPolylinePE::GetLength, nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Fit/Smooth"), CKyVariant::kEmpty, nullptr,
   &CKy2dPolylinePE::GetFitSmooth, &CKy2dPolylinePE::SetFitSmooth, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Closed"), CKyVariant::kEmpty, nullptr, &CKy2dPolylinePE::GetClosed,
   &CKy2dPolylinePE::SetClosed, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "LineStyleGen"), CKyVariant::kEmpty, nullptr,
   &CKy2dPolylinePE::GetLTGeneration, &CKy2dPolylinePE::SetLTGeneration, &CKyPropertyPEImpl::IsReadOnlyFalse,
   "LTGeneration"},
};

const KyMatchPropCarrier kCarrier = {"MATCHPROP_2dPolyline", &CKy2dPolylinePE::GetMATCHPROP_2dPolyline,
                                     &CKy2dPolylinePE::SetMATCHPROP_2dPolyline};

bool isSplineFit(const OdDb2dPolyline* polyline)
{
  const OdDb::Poly2dType type = polyline->polyType();
  return type == OdDb::k2dQuadSplinePoly || type == OdDb::k2dCubicSplinePoly;
}

OdDb2dVertexPtr currentVertex(const OdDb2dPolyline* polyline, const CKyVariant& context)
{
  return KyCountedVertex<OdDb2dVertex>(polyline, KyContextIndex(context));
}

// The one width every vertex has at both ends, in iterator order (generated vertices included);
// false when any differs. The "Global width" row and the listing share this test.
bool uniformWidth(const OdDb2dPolyline* polyline, double& width)
{
  bool first = true;
  for (OdDbObjectIteratorPtr it = polyline->vertexIterator(); !it->done(); it->step())
  {
    const OdDb2dVertexPtr vertex = it->entity(OdDb::kForRead);
    const double start = vertex->startWidth(), end = vertex->endWidth();
    if (first)
    {
      if (start != end)
        return false;
      width = start;
      first = false;
    }
    else if (start != width || end != width)
      return false;
  }
  return !first;
}

CKyVariant vertexComponent(const OdDbObject* object, const CKyVariant& context, KyAxis axis)
{
  const KyOpened<OdDb2dPolyline> polyline = KyForRead<OdDb2dPolyline>(object);
  if (polyline.isNull())
    return CKyVariant();
  const OdDb2dVertexPtr vertex = currentVertex(polyline, context);
  if (vertex.isNull())
    return CKyVariant();
  return KyUcsComponent(object, OdGeMatrix3d::planeToWorld(polyline->normal()) * vertex->position(), axis);
}

int setVertexComponent(const OdDbObject* object, const CKyVariant& value, const CKyVariant& context, KyAxis axis)
{
  const KyOpened<OdDb2dPolyline> polyline = KyForWrite<OdDb2dPolyline>(object);
  if (polyline.isNull())
    return kKyRefused;
  const OdDb2dVertexPtr vertex = currentVertex(polyline, context);
  if (vertex.isNull())
    return kKyRefused;
  const OdGeVector3d normal = polyline->normal();
  return KySetUcsComponent(object, OdGeMatrix3d::planeToWorld(normal) * vertex->position(), axis, value,
                           [&](const OdGePoint3d& world) {
                             const OdGePoint3d inPlane = OdGeMatrix3d::worldToPlane(normal) * world;
                             KyWriteVertex(vertex.get(), [&](OdDb2dVertex* v) { v->setPosition(inPlane); });
                           });
}

// Spline-fitted polylines have no segment widths of their own to show or edit.
CKyVariant segmentWidth(const OdDbObject* object, const CKyVariant& context, bool endWidth)
{
  const KyOpened<OdDb2dPolyline> polyline = KyForRead<OdDb2dPolyline>(object);
  if (polyline.isNull() || isSplineFit(polyline))
    return CKyVariant();
  const OdDb2dVertexPtr vertex = currentVertex(polyline, context);
  if (vertex.isNull())
    return CKyVariant();
  return CKyVariant(endWidth ? vertex->endWidth() : vertex->startWidth(), true);
}

int setSegmentWidth(const OdDbObject* object, const CKyVariant& value, const CKyVariant& context, bool endWidth)
{
  const KyOpened<OdDb2dPolyline> polyline = KyForWrite<OdDb2dPolyline>(object);
  if (polyline.isNull())
    return kKyRefused;
  if (isSplineFit(polyline))
    return kKyAccepted;
  double width = 0.0;
  if (!KyDoubleOf(value, width) || width < 0.0)
    return kKyRefused;
  const OdDb2dVertexPtr vertex = currentVertex(polyline, context);
  if (vertex.isNull())
    return kKyRefused;
  KyWriteVertex(vertex.get(), [&](OdDb2dVertex* v) {
    if (endWidth)
      v->setEndWidth(width);
    else
      v->setStartWidth(width);
  });
  return kKyAccepted;
}

} // namespace

CKyString CKy2dPolylinePE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "2D PolyLine"));
}

void CKy2dPolylinePE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                       const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKy2dPolylinePE::desc(), OdDb2dPolyline::desc(),
                 s_Names, KyTable(kRows, &kCarrier));
}

bool CKy2dPolylinePE::HasDynamicProperties()
{
  return CKyPropertyPEImpl::HasDynamicProperties();
}

void CKy2dPolylinePE::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

CKyVariant CKy2dPolylinePE::GetThickness(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDb2dPolyline> polyline = KyForRead<OdDb2dPolyline>(object);
  return polyline.isNull() ? CKyVariant() : CKyVariant(polyline->thickness(), true);
}

int CKy2dPolylinePE::SetThickness(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                  const CKyVariant&)
{
  const KyOpened<OdDb2dPolyline> polyline = KyForWrite<OdDb2dPolyline>(object);
  double thickness = 0.0;
  if (polyline.isNull() || !KyDoubleOf(value, thickness))
    return kKyRefused;
  polyline->setThickness(thickness);
  return kKyAccepted;
}

CKyVariant CKy2dPolylinePE::GetVertex(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDb2dPolyline> polyline = KyForRead<OdDb2dPolyline>(object);
  return polyline.isNull() ? CKyVariant() : KyElementSelector(KyCountedVertexCount<OdDb2dVertex>(polyline.get()));
}

int CKy2dPolylinePE::SetVertex(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&,
                               const CKyVariant&)
{
  return KyForWrite<OdDb2dPolyline>(object).isNull() ? kKyRefused : kKyAccepted;
}

CKyVariant CKy2dPolylinePE::GetVertexX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& c)
{
  return vertexComponent(o, c, kKyAxisX);
}
int CKy2dPolylinePE::SetVertexX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                const CKyVariant& c)
{
  return setVertexComponent(o, v, c, kKyAxisX);
}
CKyVariant CKy2dPolylinePE::GetVertexY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& c)
{
  return vertexComponent(o, c, kKyAxisY);
}
int CKy2dPolylinePE::SetVertexY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                const CKyVariant& c)
{
  return setVertexComponent(o, v, c, kKyAxisY);
}

bool CKy2dPolylinePE::IsVertexXReadOnly(const OdDbObject* object, const CKyPropertyDescription&)
{
  const KyOpened<OdDb2dPolyline> polyline = KyForRead<OdDb2dPolyline>(object);
  return polyline.isNull() || !KyIsParallelToActiveUcs(polyline->normal());
}

bool CKy2dPolylinePE::IsVertexYReadOnly(const OdDbObject* object, const CKyPropertyDescription& description)
{
  return IsVertexXReadOnly(object, description);
}

CKyVariant CKy2dPolylinePE::GetStartSegmentWidth(const OdDbObject* o, const CKyPropertyDescription&,
                                                 const CKyVariant& c)
{
  return segmentWidth(o, c, false);
}
int CKy2dPolylinePE::SetStartSegmentWidth(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                          const CKyVariant& c)
{
  return setSegmentWidth(o, v, c, false);
}
CKyVariant CKy2dPolylinePE::GetEndSegmentWidth(const OdDbObject* o, const CKyPropertyDescription&,
                                               const CKyVariant& c)
{
  return segmentWidth(o, c, true);
}
int CKy2dPolylinePE::SetEndSegmentWidth(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                        const CKyVariant& c)
{
  return setSegmentWidth(o, v, c, true);
}

CKyVariant CKy2dPolylinePE::GetGlobalWidth(const OdDbObject* object, const CKyPropertyDescription&,
                                           const CKyVariant&)
{
  const KyOpened<OdDb2dPolyline> polyline = KyForRead<OdDb2dPolyline>(object);
  double width = 0.0;
  if (polyline.isNull() || !uniformWidth(polyline, width))
    return CKyVariant();
  return CKyVariant(width, true);
}

// Every vertex, generated ones too, gets the width at both ends. A negative width is refused
// before any vertex changes.
int CKy2dPolylinePE::SetGlobalWidth(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                    const CKyVariant&)
{
  const KyOpened<OdDb2dPolyline> polyline = KyForWrite<OdDb2dPolyline>(object);
  double width = 0.0;
  if (polyline.isNull() || !KyDoubleOf(value, width) || width < 0.0)
    return kKyRefused;
  for (OdDbObjectIteratorPtr it = polyline->vertexIterator(); !it->done(); it->step())
  {
    const OdDb2dVertexPtr vertex = it->entity(OdDb::kForWrite);
    vertex->setStartWidth(width);
    vertex->setEndWidth(width);
  }
  return kKyAccepted;
}

CKyVariant CKy2dPolylinePE::GetElevation(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDb2dPolyline> polyline = KyForRead<OdDb2dPolyline>(object);
  return polyline.isNull() ? CKyVariant() : CKyVariant(polyline->elevation(), true);
}

int CKy2dPolylinePE::SetElevation(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                  const CKyVariant&)
{
  const KyOpened<OdDb2dPolyline> polyline = KyForWrite<OdDb2dPolyline>(object);
  double elevation = 0.0;
  if (polyline.isNull() || !KyDoubleOf(value, elevation))
    return kKyRefused;
  polyline->setElevation(elevation);
  return kKyAccepted;
}

CKyVariant CKy2dPolylinePE::GetArea(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDb2dPolyline> polyline = KyForRead<OdDb2dPolyline>(object);
  double area = 0.0;
  if (polyline.isNull() || polyline->getArea(area) != eOk)
    return CKyVariant();
  return CKyVariant(area, true);
}

// Consecutive vertices of the drawn path (the spline-fit vertices of a spline-fitted polyline,
// otherwise all but those), each pair a line or, for a bulge beyond 1e-10, an arc; closed
// polylines add the segment back to the first.
CKyVariant CKy2dPolylinePE::GetLength(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDb2dPolyline> polyline = KyForRead<OdDb2dPolyline>(object);
  if (polyline.isNull())
    return CKyVariant();
  const bool spline = isSplineFit(polyline);
  struct Point
  {
    OdGePoint2d p;
    double bulge;
  };
  std::vector<Point> path;
  for (OdDbObjectIteratorPtr it = polyline->vertexIterator(); !it->done(); it->step())
  {
    const OdDb2dVertexPtr vertex = it->entity(OdDb::kForRead);
    const OdDb::Vertex2dType type = vertex->vertexType();
    const bool onPath =
        spline ? type == OdDb::k2dSplineFitVertex : type != OdDb::k2dSplineFitVertex && type != OdDb::k2dSplineCtlVertex;
    if (onPath)
      path.push_back({vertex->position().convert2d(), vertex->bulge()});
  }
  double length = 0.0;
  const std::size_t n = path.size();
  const std::size_t segments = n < 2 ? 0 : (polyline->isClosed() ? n : n - 1);
  for (std::size_t i = 0; i < segments; ++i)
  {
    const Point& a = path[i];
    const OdGePoint2d& b = path[(i + 1) % n].p;
    // Coincident ends make no arc, whatever the bulge.
    if (std::fabs(a.bulge) <= 1e-10 || a.p.distanceTo(b) <= 1e-10)
      length += a.p.distanceTo(b);
    else
    {
      const OdGeCircArc2d arc(a.p, b, a.bulge, false);
      length += arc.radius() * (arc.endAng() - arc.startAng());
    }
  }
  return CKyVariant(length, true);
}

CKyVariant CKy2dPolylinePE::GetFitSmooth(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  static const KyChoice kChoices[] = {{0, QT_TRANSLATE_NOOP("property_values", "None")},
                                      {1, QT_TRANSLATE_NOOP("property_values", "Curve fit")},
                                      {2, QT_TRANSLATE_NOOP("property_values", "Quadratic")},
                                      {3, QT_TRANSLATE_NOOP("property_values", "Cubic")}};
  const KyOpened<OdDb2dPolyline> polyline = KyForRead<OdDb2dPolyline>(object);
  return polyline.isNull() ? CKyVariant() : KyChoiceList(kChoices, polyline->polyType());
}

// 0 straightens, 1 curve-fits, 2 and 3 spline-fit (quadratic, cubic) with the drawing's segments;
// other codes are refused and change nothing.
int CKy2dPolylinePE::SetFitSmooth(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                  const CKyVariant&)
{
  const KyOpened<OdDb2dPolyline> polyline = KyForWrite<OdDb2dPolyline>(object);
  int code = 0;
  if (polyline.isNull() || !KyChosenCode(value, code) || code < 0 || code > 3)
    return kKyRefused;
  if (code == 0)
    polyline->straighten();
  else if (code == 1)
    polyline->curveFit();
  else
    polyline->splineFit(static_cast<OdDb::Poly2dType>(code), KySplineSegmentsOf(object));
  return kKyAccepted;
}

CKyVariant CKy2dPolylinePE::GetClosed(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDb2dPolyline> polyline = KyForRead<OdDb2dPolyline>(object);
  return polyline.isNull() ? CKyVariant() : KyYesNoList(polyline->isClosed());
}

int CKy2dPolylinePE::SetClosed(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                               const CKyVariant&)
{
  return KySetOnOff<OdDb2dPolyline>(object, value,
                                    [](OdDb2dPolyline* p, bool on) { on ? p->makeClosed() : p->makeOpen(); });
}

CKyVariant CKy2dPolylinePE::GetLTGeneration(const OdDbObject* object, const CKyPropertyDescription&,
                                            const CKyVariant&)
{
  static const KyChoice kChoices[] = {{1, QT_TRANSLATE_NOOP("property_values", "Enabled")},
                                      {0, QT_TRANSLATE_NOOP("property_values", "Disabled")}};
  const KyOpened<OdDb2dPolyline> polyline = KyForRead<OdDb2dPolyline>(object);
  return polyline.isNull() ? CKyVariant() : KyChoiceList(kChoices, polyline->isLinetypeGenerationOn() ? 1 : 0);
}

int CKy2dPolylinePE::SetLTGeneration(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                     const CKyVariant&)
{
  return KySetOnOff<OdDb2dPolyline>(object, value, [](OdDb2dPolyline* p, bool on) {
    on ? p->setLinetypeGenerationOn() : p->setLinetypeGenerationOff();
  });
}

CKyVariant CKy2dPolylinePE::GetMATCHPROP_2dPolyline(const OdDbObject* object, const CKyPropertyDescription&,
                                                    const CKyVariant&)
{
  return KyMatchPropGetter<OdDb2dPolyline>(object);
}

int CKy2dPolylinePE::SetMATCHPROP_2dPolyline(const OdDbObject* object, const CKyPropertyDescription&,
                                             const CKyVariant& value, const CKyVariant&)
{
  return KyMatchPropSetter<OdDb2dPolyline>(object, value, &KyIsKindOf<OdDbPolyline, OdDb2dPolyline>,
                                           &CKyMatchPropHelper::matchPolylineProps);
}

bool CKy2dPolylineInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  OdDb2dPolylinePtr polyline = OdDb2dPolyline::cast(object);
  if (polyline.isNull())
    return false;
  const bool closed = polyline->isClosed();
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "PolyLine Flags")),
                       CKyString(closed ? QCoreApplication::translate("info_values", "Closed")
                                        : QCoreApplication::translate("info_values", "Open")));
  double width = 0.0;
  if (!uniformWidth(polyline, width))
    width = 0.0;
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "starting width")), width);
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "ending width")), width);
  if (closed)
  {
    double area = 0.0;
    polyline->getArea(area);
    context->PrintArea(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Area")), area);
  }
  double endParam = 0.0, length = 0.0;
  polyline->getEndParam(endParam);
  polyline->getDistAtParam(endParam, length);
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Length")), length);
  for (OdDbObjectIteratorPtr it = polyline->vertexIterator(); !it->done(); it->step())
  {
    const OdDb2dVertexPtr vertex = it->entity(OdDb::kForRead);
    context->PrintString(CKyString(L"VERTEX"));
    context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Handle")),
                         CKyString(vertex->handle().ascii()));
    context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "at point")), vertex->position());
    context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "starting width")), vertex->startWidth());
    context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "ending width")), vertex->endWidth());
    if (!context->CheckCounter())
      break;
  }
  return true;
}
