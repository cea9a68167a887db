// Lightweight polyline rows and listing.
#include "KyPolylinePE.h"

#include <QCoreApplication>

#include "Db2dPolyline.h"
#include "DbPolyline.h"
#include "Ge/GePlane.h"
#include "KyAccessors.h"
#include "KyListing.h"
#include "KyTexts.h"
#include "KyMatchPropHelper.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyPolylinePE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyPolylinePE::s_Names;

namespace
{
constexpr const char* kGeometry = QT_TRANSLATE_NOOP("property_groups", "Geometry");
constexpr const char* kMisc = QT_TRANSLATE_NOOP("property_groups", "Misc");
const KyPropertyRow kRows[] = {
  {QT_TRANSLATE_NOOP("property_groups", "General"), QT_TRANSLATE_NOOP("property_types", "Thickness"),
   CKyVariant::kEmpty, nullptr, &CKyPolylinePE::GetThickness, &CKyPolylinePE::SetThickness,
   &CKyPropertyPEImpl::IsReadOnlyFalse, nullptr, kKyRowMatchProp},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Vertex"), CKyVariant::kCollection, &CKyPropertyType::kVertexGUID,
   &CKyPolylinePE::GetVertex, &CKyPolylinePE::SetVertex, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Vertex X"), CKyVariant::kDouble, &CKyPropertyType::kVertexXGUID,
   &CKyPolylinePE::GetVertexX, &CKyPolylinePE::SetVertexX, &CKyPolylinePE::IsVertexXReadOnly},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Vertex Y"), CKyVariant::kDouble, &CKyPropertyType::kVertexYGUID,
   &CKyPolylinePE::GetVertexY, &CKyPolylinePE::SetVertexY, &CKyPolylinePE::IsVertexYReadOnly},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Start segment width"), CKyVariant::kEmpty,
   &CKyPropertyType::kVertexStartWidthGUID, &CKyPolylinePE::GetStartSegmentWidth,
   &CKyPolylinePE::SetStartSegmentWidth, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "End segment width"), CKyVariant::kEmpty,
   &CKyPropertyType::kVertexEndWidthGUID, &CKyPolylinePE::GetEndSegmentWidth, &CKyPolylinePE::SetEndSegmentWidth,
   &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Global width"), CKyVariant::kEmpty, nullptr,
   &CKyPolylinePE::GetGlobalWidth, &CKyPolylinePE::SetGlobalWidth, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Elevation"), CKyVariant::kEmpty, nullptr,
   &CKyPolylinePE::GetElevation, &CKyPolylinePE::SetElevation, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Area"), CKyVariant::kEmpty, nullptr, &CKyPolylinePE::GetArea,
   nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Length"), CKyVariant::kEmpty, nullptr, &CKyPolylinePE::GetLength,
   nullptr, &CKyPropertyPEImpl::IsReadOnlyTrue},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Closed"), CKyVariant::kEmpty, nullptr, &CKyPolylinePE::GetClosed,
   &CKyPolylinePE::SetClosed, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "LineStyleGen"), CKyVariant::kEmpty, nullptr,
   &CKyPolylinePE::GetLTGeneration, &CKyPolylinePE::SetLTGeneration, &CKyPropertyPEImpl::IsReadOnlyFalse,
   "LTGeneration"},
};

const KyMatchPropCarrier kCarrier = {"MATCHPROP_Polyline", &CKyPolylinePE::GetMATCHPROP_Polyline,
                                     &CKyPolylinePE::SetMATCHPROP_Polyline};

// Segments: n − 1 for an open polyline, n for a closed one.
unsigned int segmentCount(const OdDbPolyline* polyline)
{
  const unsigned int n = polyline->numVerts();
  if (polyline->isClosed())
    return n;
  return n == 0 ? 0 : n - 1;
}

// Reads the vertex's world point; the polyline checks the index itself.
bool readVertex(const OdDbPolyline* polyline, int index, OdGePoint3d& world)
{
  polyline->getPointAt(static_cast<unsigned int>(index), world);
  return true;
}

CKyVariant vertexComponent(const OdDbObject* object, const CKyVariant& context, KyAxis axis)
{
  const KyOpened<OdDbPolyline> polyline = KyForRead<OdDbPolyline>(object);
  if (polyline.isNull() || polyline->numVerts() == 0)
    return CKyVariant();
  return KyElementUcsComponent(object, context, axis,
                               [&](int index, OdGePoint3d& world) { return readVertex(polyline, index, world); });
}

// The edited point is projected into the polyline's plane (through the world origin along its
// normal) and stored as the vertex's object coordinates.
int setVertexComponent(const OdDbObject* object, const CKyVariant& value, const CKyVariant& context, KyAxis axis)
{
  const KyOpened<OdDbPolyline> polyline = KyForWrite<OdDbPolyline>(object);
  if (polyline.isNull())
    return kKyRefused;
  return KySetElementUcsComponent(
    object, value, context, axis, [&](int index, OdGePoint3d& world) { return readVertex(polyline, index, world); },
    [&](int index, const OdGePoint3d& p) {
      const OdGePlane plane(OdGePoint3d::kOrigin, polyline->normal());
      polyline->setPointAt(static_cast<unsigned int>(index), p.convert2d(plane));
    });
}

CKyVariant segmentWidth(const OdDbObject* object, const CKyVariant& context, bool endWidth)
{
  const KyOpened<OdDbPolyline> polyline = KyForRead<OdDbPolyline>(object);
  if (polyline.isNull() || polyline->numVerts() == 0)
    return CKyVariant();
  double start = 0.0, end = 0.0;
  polyline->getWidthsAt(static_cast<unsigned int>(KyContextIndex(context)), start, end);
  return CKyVariant(endWidth ? end : start, true);
}

// Editing one segment's width ends a constant width: every other segment keeps the former
// constant width explicitly, and the edited segment gets the new value at the edited end.
int setSegmentWidth(const OdDbObject* object, const CKyVariant& value, const CKyVariant& context, bool endWidth)
{
  const KyOpened<OdDbPolyline> polyline = KyForWrite<OdDbPolyline>(object);
  double width = 0.0;
  if (polyline.isNull() || !KyDoubleOf(value, width) || width < 0.0)
    return kKyRefused;
  const unsigned int index = static_cast<unsigned int>(KyContextIndex(context));
  double start = 0.0, end = 0.0;
  polyline->getWidthsAt(index, start, end);
  const double constantWidth = polyline->getConstantWidth();
  if (constantWidth != 0.0)
  {
    polyline->setConstantWidth(0.0);
    const unsigned int segments = segmentCount(polyline);
    if (segments == 0)
      return kKyAccepted;
    for (unsigned int i = 0; i < segments; ++i)
    {
      if (i != index)
        polyline->setWidthsAt(i, constantWidth, constantWidth);
    }
  }
  if (endWidth)
    polyline->setWidthsAt(index, start, width);
  else
    polyline->setWidthsAt(index, width, end);
  return kKyAccepted;
}


// Area text in architectural and engineering units.
const KyText kAreaText{"CKyPolylinePE", QT_TRANSLATE_NOOP("CKyPolylinePE", "%1 sq. in. (%2 sq. ft.)")};
} // namespace

CKyString CKyPolylinePE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "PolyLine"));
}

void CKyPolylinePE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                     const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyPolylinePE::desc(), OdDbPolyline::desc(),
                 s_Names, KyTable(kRows, &kCarrier));
}

bool CKyPolylinePE::HasDynamicProperties()
{
  return CKyPropertyPEImpl::HasDynamicProperties();
}

void CKyPolylinePE::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

CKyVariant CKyPolylinePE::GetThickness(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbPolyline> polyline = KyForRead<OdDbPolyline>(object);
  return polyline.isNull() ? CKyVariant() : CKyVariant(polyline->thickness(), true);
}

int CKyPolylinePE::SetThickness(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                const CKyVariant&)
{
  const KyOpened<OdDbPolyline> polyline = KyForWrite<OdDbPolyline>(object);
  double thickness = 0.0;
  if (polyline.isNull() || !KyDoubleOf(value, thickness))
    return kKyRefused;
  polyline->setThickness(thickness);
  return kKyAccepted;
}

CKyVariant CKyPolylinePE::GetVertex(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbPolyline> polyline = KyForRead<OdDbPolyline>(object);
  return polyline.isNull() ? CKyVariant() : KyElementSelector(static_cast<int>(polyline->numVerts()));
}

// The palette keeps the chosen vertex itself and passes its index as context to the other rows.
int CKyPolylinePE::SetVertex(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&,
                             const CKyVariant&)
{
  return KyForWrite<OdDbPolyline>(object).isNull() ? kKyRefused : kKyAccepted;
}

CKyVariant CKyPolylinePE::GetVertexX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& c)
{
  return vertexComponent(o, c, kKyAxisX);
}
int CKyPolylinePE::SetVertexX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                              const CKyVariant& c)
{
  return setVertexComponent(o, v, c, kKyAxisX);
}
CKyVariant CKyPolylinePE::GetVertexY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& c)
{
  return vertexComponent(o, c, kKyAxisY);
}
int CKyPolylinePE::SetVertexY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                              const CKyVariant& c)
{
  return setVertexComponent(o, v, c, kKyAxisY);
}

// Vertex coordinates are editable only while the polyline lies parallel to the XY plane of the
// active viewport's UCS (its normal codirectional with the UCS Z axis). Without an active
// drawing or viewport to compare with they stay read-only.
bool CKyPolylinePE::IsVertexXReadOnly(const OdDbObject* object, const CKyPropertyDescription&)
{
  const KyOpened<OdDbPolyline> polyline = KyForRead<OdDbPolyline>(object);
  return polyline.isNull() || !KyIsParallelToActiveUcs(polyline->normal());
}

bool CKyPolylinePE::IsVertexYReadOnly(const OdDbObject* object, const CKyPropertyDescription& description)
{
  return IsVertexXReadOnly(object, description);
}

CKyVariant CKyPolylinePE::GetStartSegmentWidth(const OdDbObject* o, const CKyPropertyDescription&,
                                               const CKyVariant& c)
{
  return segmentWidth(o, c, false);
}
int CKyPolylinePE::SetStartSegmentWidth(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                        const CKyVariant& c)
{
  return setSegmentWidth(o, v, c, false);
}
CKyVariant CKyPolylinePE::GetEndSegmentWidth(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& c)
{
  return segmentWidth(o, c, true);
}
int CKyPolylinePE::SetEndSegmentWidth(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                      const CKyVariant& c)
{
  return setSegmentWidth(o, v, c, true);
}

// The constant width, else the one width every segment has from start to end; empty (shown as
// varying) when the segments differ.
CKyVariant CKyPolylinePE::GetGlobalWidth(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbPolyline> polyline = KyForRead<OdDbPolyline>(object);
  if (polyline.isNull())
    return CKyVariant();
  const double constantWidth = polyline->getConstantWidth();
  if (constantWidth != 0.0)
    return CKyVariant(constantWidth, true);
  if (polyline->numVerts() == 0)
    return CKyVariant();
  double start0 = 0.0, end0 = 0.0;
  polyline->getWidthsAt(0, start0, end0);
  if (start0 != end0)
    return CKyVariant();
  const unsigned int segments = segmentCount(polyline);
  for (unsigned int i = 1; i < segments; ++i)
  {
    double start = 0.0, end = 0.0;
    polyline->getWidthsAt(i, start, end);
    if (start != end || start != start0)
      return CKyVariant();
  }
  return CKyVariant(start0, true);
}

// No range check here: the polyline itself refuses a negative width (OdError(eInvalidInput)),
// which reaches the palette as for any other failure inside the drawing objects.
int CKyPolylinePE::SetGlobalWidth(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                  const CKyVariant&)
{
  const KyOpened<OdDbPolyline> polyline = KyForWrite<OdDbPolyline>(object);
  double width = 0.0;
  if (polyline.isNull() || !KyDoubleOf(value, width))
    return kKyRefused;
  polyline->setConstantWidth(width);
  return kKyAccepted;
}

CKyVariant CKyPolylinePE::GetElevation(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbPolyline> polyline = KyForRead<OdDbPolyline>(object);
  return polyline.isNull() ? CKyVariant() : CKyVariant(polyline->elevation(), true);
}

int CKyPolylinePE::SetElevation(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                const CKyVariant&)
{
  const KyOpened<OdDbPolyline> polyline = KyForWrite<OdDbPolyline>(object);
  double elevation = 0.0;
  if (polyline.isNull() || !KyDoubleOf(value, elevation))
    return kKyRefused;
  polyline->setElevation(elevation);
  return kKyAccepted;
}

CKyVariant CKyPolylinePE::GetArea(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& context)
{
  const KyOpened<OdDbPolyline> polyline = KyForRead<OdDbPolyline>(object);
  double area = 0.0;
  if (polyline.isNull() || polyline->getArea(area) != eOk)
    return CKyVariant();
  return KyAreaValue(object, area, context, kAreaText.get());
}

// The sum of the line and arc segments; other segment kinds (coincident vertices, a lone vertex)
// add nothing.
CKyVariant CKyPolylinePE::GetLength(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbPolyline> polyline = KyForRead<OdDbPolyline>(object);
  if (polyline.isNull())
    return CKyVariant();
  double length = 0.0;
  for (unsigned int i = 0; i < polyline->numVerts(); ++i)
  {
    switch (polyline->segType(i))
    {
    case OdDbPolyline::kLine:
    {
      OdGeLineSeg3d line;
      polyline->getLineSegAt(i, line);
      length += (line.endPoint() - line.startPoint()).length();
      break;
    }
    case OdDbPolyline::kArc:
    {
      OdGeCircArc3d arc;
      polyline->getArcSegAt(i, arc);
      length += arc.radius() * (arc.endAng() - arc.startAng());
      break;
    }
    default:
      break;
    }
  }
  return CKyVariant(length, true);
}

CKyVariant CKyPolylinePE::GetClosed(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbPolyline> polyline = KyForRead<OdDbPolyline>(object);
  return polyline.isNull() ? CKyVariant() : KyYesNoList(polyline->isClosed());
}

int CKyPolylinePE::SetClosed(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                             const CKyVariant&)
{
  return KySetOnOff<OdDbPolyline>(object, value, [](OdDbPolyline* p, bool on) { p->setClosed(on); });
}

CKyVariant CKyPolylinePE::GetLTGeneration(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  static const KyChoice kChoices[] = {{1, QT_TRANSLATE_NOOP("property_values", "Enabled")},
                                      {0, QT_TRANSLATE_NOOP("property_values", "Disabled")}};
  const KyOpened<OdDbPolyline> polyline = KyForRead<OdDbPolyline>(object);
  return polyline.isNull() ? CKyVariant() : KyChoiceList(kChoices, polyline->hasPlinegen() ? 1 : 0);
}

int CKyPolylinePE::SetLTGeneration(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant& value,
                                   const CKyVariant&)
{
  return KySetOnOff<OdDbPolyline>(object, value, [](OdDbPolyline* p, bool on) { p->setPlinegen(on); });
}

CKyVariant CKyPolylinePE::GetMATCHPROP_Polyline(const OdDbObject* object, const CKyPropertyDescription&,
                                                const CKyVariant&)
{
  return KyMatchPropGetter<OdDbPolyline>(object);
}

int CKyPolylinePE::SetMATCHPROP_Polyline(const OdDbObject* object, const CKyPropertyDescription&,
                                         const CKyVariant& value, const CKyVariant&)
{
  return KyMatchPropSetter<OdDbPolyline>(object, value, &KyIsKindOf<OdDbPolyline, OdDb2dPolyline>,
                                         &CKyMatchPropHelper::matchPolylineProps);
}

bool CKyPolylineInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  OdDbPolylinePtr polyline = OdDbPolyline::cast(object);
  if (polyline.isNull())
    return false;
  const bool closed = polyline->isClosed();
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "PolyLine Flags")),
                       CKyString(closed ? QCoreApplication::translate("info_values", "Closed")
                                        : QCoreApplication::translate("info_values", "Open")));
  double area = 0.0;
  if (closed)
    polyline->getArea(area);
  context->PrintArea(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Area")), area);
  double endParam = 0.0, perimeter = 0.0;
  polyline->getEndParam(endParam);
  polyline->getDistAtParam(endParam, perimeter);
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Perimeter")), perimeter);

  const unsigned int n = polyline->numVerts();
  if (n == 0)
    return true;
  // Uniform widths: every segment but the closing one runs at the first segment's start width.
  double start0 = 0.0, end0 = 0.0;
  polyline->getWidthsAt(0, start0, end0);
  bool uniform = true;
  for (unsigned int i = 0; uniform && i + 1 < n; ++i)
  {
    double start = 0.0, end = 0.0;
    polyline->getWidthsAt(i, start, end);
    uniform = start == end && start == start0;
  }
  if (uniform)
    context->PrintWidth(CKyString(QCoreApplication::translate("property_types", "Global width")),
                        polyline->getConstantWidth());
  for (unsigned int i = 0; i < n; ++i)
  {
    OdGePoint3d location;
    polyline->getPointAt(i, location);
    context->PrintPoint(CKyString(QCoreApplication::translate("info_items", "Location %1").arg(i)), location);
    if (!uniform && i + 1 < n)
    {
      double start = 0.0, end = 0.0;
      polyline->getWidthsAt(i, start, end);
      context->PrintWidth(CKyString(QCoreApplication::translate("property_types", "Start segment width")), start);
      context->PrintWidth(CKyString(QCoreApplication::translate("property_types", "End segment width")), end);
    }
    if (!context->CheckCounter())
      break;
  }
  return true;
}
