// Spline rows and listing. Control and fit points are shown and edited in the UCS through the
// shared per-element helpers; tangent components are world values as the spline reports them.
#include "KySplinePE.h"

#include <QCoreApplication>

#include "DbSpline.h"
#include "Ge/GeNurbCurve3d.h"
#include "KyAccessors.h"
#include "KyListing.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKySplinePE_Prop, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKySplinePE_Prop::s_Names;

namespace
{
constexpr const char* kData = QT_TRANSLATE_NOOP("property_groups", "Data Points");
constexpr const char* kMisc = QT_TRANSLATE_NOOP("property_groups", "Misc");
constexpr const char* kDataIcons = "Data_Points";
const CKyIsReadOnlyMethod kNever = &CKyPropertyPEImpl::IsReadOnlyFalse;
const CKyIsReadOnlyMethod kAlways = &CKyPropertyPEImpl::IsReadOnlyTrue;
const CKyVariant::_Type kNone = CKyVariant::kEmpty;
const CKyVariant::_Type kDouble = CKyVariant::kDouble;
typedef CKySplinePE_Prop S;
const KyPropertyRow kRows[] = {
  {kData, QT_TRANSLATE_NOOP("property_types", "Number of control points"), kNone, nullptr, &S::GetNumberOfCtrlPoint,
   nullptr, kAlways, "NumberOfControlPoints", kKyRowPlain, kDataIcons},
  {kData, QT_TRANSLATE_NOOP("property_types", "Control point"), CKyVariant::kCollection,
   &CKyPropertyType::kSplineControlPointGUID, &S::GetControlPoint, &S::SetControlPoint, kNever, nullptr, kKyRowPlain,
   kDataIcons},
  {kData, QT_TRANSLATE_NOOP("property_types", "Control point X"), kDouble, &CKyPropertyType::kSplineControlPointXGUID,
   &S::GetControlPointX, &S::SetControlPointX, kNever, nullptr, kKyRowPlain, kDataIcons},
  {kData, QT_TRANSLATE_NOOP("property_types", "Control point Y"), kDouble, &CKyPropertyType::kSplineControlPointYGUID,
   &S::GetControlPointY, &S::SetControlPointY, kNever, nullptr, kKyRowPlain, kDataIcons},
  {kData, QT_TRANSLATE_NOOP("property_types", "Control point Z"), kDouble, &CKyPropertyType::kSplineControlPointZGUID,
   &S::GetControlPointZ, &S::SetControlPointZ, kNever, nullptr, kKyRowPlain, kDataIcons},
  {kData, QT_TRANSLATE_NOOP("property_types", "Number of fit points"), kNone, nullptr, &S::GetNumberOfFitPoint, nullptr,
   kAlways, "NumberOfFitPoints", kKyRowPlain, kDataIcons},
  {kData, QT_TRANSLATE_NOOP("property_types", "Fit point"), CKyVariant::kCollection,
   &CKyPropertyType::kSplineFitPointGUID, &S::GetFitPoint, &S::SetFitPoint, kNever, nullptr, kKyRowPlain, kDataIcons},
  {kData, QT_TRANSLATE_NOOP("property_types", "Fit point X"), kDouble, &CKyPropertyType::kSplineFitPointXGUID,
   &S::GetFitPointX, &S::SetFitPointX, kNever, nullptr, kKyRowPlain, kDataIcons},
  {kData, QT_TRANSLATE_NOOP("property_types", "Fit point Y"), kDouble, &CKyPropertyType::kSplineFitPointYGUID,
   &S::GetFitPointY, &S::SetFitPointY, kNever, nullptr, kKyRowPlain, kDataIcons},
  {kData, QT_TRANSLATE_NOOP("property_types", "Fit point Z"), kDouble, &CKyPropertyType::kSplineFitPointZGUID,
   &S::GetFitPointZ, &S::SetFitPointZ, kNever, nullptr, kKyRowPlain, kDataIcons},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Degree"), kNone, nullptr, &S::GetDegree, nullptr, kAlways},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Closed"), kNone, nullptr, &S::GetClosed, nullptr, kAlways},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Planar"), kNone, nullptr, &S::GetPlanar, nullptr, kAlways},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Start tangent vector X"), kDouble, &CKyPropertyType::kCoordinateXGUID,
   &S::GetStartTangVectorX, nullptr, kAlways, "StartTangentVectorX"},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Start tangent vector Y"), kDouble, &CKyPropertyType::kCoordinateYGUID,
   &S::GetStartTangVectorY, nullptr, kAlways, "StartTangentVectorY"},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Start tangent vector Z"), kDouble, &CKyPropertyType::kCoordinateZGUID,
   &S::GetStartTangVectorZ, nullptr, kAlways, "StartTangentVectorZ"},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "End tangent vector X"), kDouble, &CKyPropertyType::kCoordinateXGUID,
   &S::GetEndTangVectorX, nullptr, kAlways, "EndTangentVectorX"},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "End tangent vector Y"), kDouble, &CKyPropertyType::kCoordinateYGUID,
   &S::GetEndTangVectorY, nullptr, kAlways, "EndTangentVectorY"},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "End tangent vector Z"), kDouble, &CKyPropertyType::kCoordinateZGUID,
   &S::GetEndTangVectorZ, nullptr, kAlways, "EndTangentVectorZ"},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Fit tolerance"), kNone, nullptr, &S::GetFitTolerance,
   &S::SetFitTolerance, kNever},
  {kMisc, QT_TRANSLATE_NOOP("property_types", "Area"), kNone, nullptr, &S::GetArea, nullptr, kAlways, nullptr,
   kKyRowPlain, "Geometry"},
};

// The two point lists of a spline, read and written by zero-based index (negative: none).
struct PointList
{
  int (OdDbSpline::*count)() const;
  OdResult (OdDbSpline::*get)(int, OdGePoint3d&) const;
  OdResult (OdDbSpline::*set)(int, const OdGePoint3d&);
};
const PointList kControlPoints{&OdDbSpline::numControlPoints, &OdDbSpline::getControlPointAt,
                               &OdDbSpline::setControlPointAt};
const PointList kFitPoints{&OdDbSpline::numFitPoints, &OdDbSpline::getFitPointAt, &OdDbSpline::setFitPointAt};

bool readPoint(const OdDbSpline* spline, const PointList& list, int index, OdGePoint3d& world)
{
  return index >= 0 && (spline->*list.get)(index, world) == eOk;
}

CKyVariant pointCount(const OdDbObject* object, const PointList& list)
{
  const KyOpened<OdDbSpline> spline = KyForRead<OdDbSpline>(object);
  return spline.isNull() ? CKyVariant() : CKyVariant((spline->*list.count)());
}

CKyVariant pointSelector(const OdDbObject* object, const PointList& list)
{
  const KyOpened<OdDbSpline> spline = KyForRead<OdDbSpline>(object);
  return spline.isNull() ? CKyVariant() : KyElementSelector((spline->*list.count)());
}

CKyVariant pointComponent(const OdDbObject* object, const CKyVariant& context, const PointList& list, KyAxis axis)
{
  const KyOpened<OdDbSpline> spline = KyForRead<OdDbSpline>(object);
  if (spline.isNull())
    return CKyVariant();
  return KyElementUcsComponent(object, context, axis,
                               [&](int index, OdGePoint3d& world) { return readPoint(spline, list, index, world); });
}

int setPointComponent(const OdDbObject* object, const CKyVariant& value, const CKyVariant& context,
                      const PointList& list, KyAxis axis)
{
  const KyOpened<OdDbSpline> spline = KyForWrite<OdDbSpline>(object);
  if (spline.isNull())
    return kKyRefused;
  int result = kKyAccepted;
  const int accepted = KySetElementUcsComponent(
    object, value, context, axis, [&](int index, OdGePoint3d& world) { return readPoint(spline, list, index, world); },
    [&](int index, const OdGePoint3d& world) {
      if ((spline->*list.set)(index, world) != eOk)
        result = kKyRefused;
    });
  return accepted == kKyAccepted ? result : accepted;
}

// The palette keeps the chosen point itself and passes its index to the coordinate rows.
int acceptSelection(const OdDbObject* object)
{
  return KyForWrite<OdDbSpline>(object).isNull() ? kKyRefused : kKyAccepted;
}

// A world component of the start or end tangent of the fit data.
CKyVariant tangentComponent(const OdDbObject* object, bool atEnd, KyAxis axis)
{
  const KyOpened<OdDbSpline> spline = KyForRead<OdDbSpline>(object);
  OdGeVector3d start, end;
  if (spline.isNull() || spline->getFitTangents(start, end) != eOk)
    return CKyVariant();
  return CKyVariant(KyComponent((atEnd ? end : start).asPoint(), axis), true);
}

QString flagWord(bool on, const char* onKey, const char* offKey)
{
  return QCoreApplication::translate("info_values", on ? onKey : offKey);
}
} // namespace

CKyString CKySplinePE_Prop::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Spline"));
}

void CKySplinePE_Prop::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                        const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKySplinePE_Prop::desc(), OdDbSpline::desc(),
                 s_Names, KyTable(kRows));
}

bool CKySplinePE_Prop::HasDynamicProperties()
{
  return CKyPropertyPEImpl::HasDynamicProperties();
}

void CKySplinePE_Prop::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

CKyVariant CKySplinePE_Prop::GetNumberOfCtrlPoint(const OdDbObject* o, const CKyPropertyDescription&,
                                                  const CKyVariant&)
{
  return pointCount(o, kControlPoints);
}
CKyVariant CKySplinePE_Prop::GetControlPoint(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return pointSelector(o, kControlPoints);
}
int CKySplinePE_Prop::SetControlPoint(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&,
                                      const CKyVariant&)
{
  return acceptSelection(o);
}
CKyVariant CKySplinePE_Prop::GetControlPointX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& c)
{
  return pointComponent(o, c, kControlPoints, kKyAxisX);
}
int CKySplinePE_Prop::SetControlPointX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                       const CKyVariant& c)
{
  return setPointComponent(o, v, c, kControlPoints, kKyAxisX);
}
CKyVariant CKySplinePE_Prop::GetControlPointY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& c)
{
  return pointComponent(o, c, kControlPoints, kKyAxisY);
}
int CKySplinePE_Prop::SetControlPointY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                       const CKyVariant& c)
{
  return setPointComponent(o, v, c, kControlPoints, kKyAxisY);
}
CKyVariant CKySplinePE_Prop::GetControlPointZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& c)
{
  return pointComponent(o, c, kControlPoints, kKyAxisZ);
}
int CKySplinePE_Prop::SetControlPointZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                       const CKyVariant& c)
{
  return setPointComponent(o, v, c, kControlPoints, kKyAxisZ);
}

CKyVariant CKySplinePE_Prop::GetNumberOfFitPoint(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return pointCount(o, kFitPoints);
}
CKyVariant CKySplinePE_Prop::GetFitPoint(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return pointSelector(o, kFitPoints);
}
int CKySplinePE_Prop::SetFitPoint(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&,
                                  const CKyVariant&)
{
  return acceptSelection(o);
}
CKyVariant CKySplinePE_Prop::GetFitPointX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& c)
{
  return pointComponent(o, c, kFitPoints, kKyAxisX);
}
int CKySplinePE_Prop::SetFitPointX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                   const CKyVariant& c)
{
  return setPointComponent(o, v, c, kFitPoints, kKyAxisX);
}
CKyVariant CKySplinePE_Prop::GetFitPointY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& c)
{
  return pointComponent(o, c, kFitPoints, kKyAxisY);
}
int CKySplinePE_Prop::SetFitPointY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                   const CKyVariant& c)
{
  return setPointComponent(o, v, c, kFitPoints, kKyAxisY);
}
CKyVariant CKySplinePE_Prop::GetFitPointZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& c)
{
  return pointComponent(o, c, kFitPoints, kKyAxisZ);
}
int CKySplinePE_Prop::SetFitPointZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                   const CKyVariant& c)
{
  return setPointComponent(o, v, c, kFitPoints, kKyAxisZ);
}

CKyVariant CKySplinePE_Prop::GetDegree(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbSpline> spline = KyForRead<OdDbSpline>(object);
  return spline.isNull() ? CKyVariant() : CKyVariant(spline->degree());
}

// Plain read-only texts, not value lists.
CKyVariant CKySplinePE_Prop::GetClosed(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbSpline> spline = KyForRead<OdDbSpline>(object);
  return spline.isNull() ? CKyVariant() : CKyVariant(KyYesNoText(spline->isClosed()));
}

CKyVariant CKySplinePE_Prop::GetPlanar(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbSpline> spline = KyForRead<OdDbSpline>(object);
  return spline.isNull() ? CKyVariant() : CKyVariant(KyYesNoText(spline->isPlanar()));
}

CKyVariant CKySplinePE_Prop::GetStartTangVectorX(const OdDbObject* o, const CKyPropertyDescription&,
                                                 const CKyVariant&)
{
  return tangentComponent(o, false, kKyAxisX);
}
CKyVariant CKySplinePE_Prop::GetStartTangVectorY(const OdDbObject* o, const CKyPropertyDescription&,
                                                 const CKyVariant&)
{
  return tangentComponent(o, false, kKyAxisY);
}
CKyVariant CKySplinePE_Prop::GetStartTangVectorZ(const OdDbObject* o, const CKyPropertyDescription&,
                                                 const CKyVariant&)
{
  return tangentComponent(o, false, kKyAxisZ);
}
CKyVariant CKySplinePE_Prop::GetEndTangVectorX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return tangentComponent(o, true, kKyAxisX);
}
CKyVariant CKySplinePE_Prop::GetEndTangVectorY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return tangentComponent(o, true, kKyAxisY);
}
CKyVariant CKySplinePE_Prop::GetEndTangVectorZ(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return tangentComponent(o, true, kKyAxisZ);
}

CKyVariant CKySplinePE_Prop::GetFitTolerance(const OdDbObject* object, const CKyPropertyDescription&,
                                             const CKyVariant&)
{
  const KyOpened<OdDbSpline> spline = KyForRead<OdDbSpline>(object);
  return spline.isNull() ? CKyVariant() : CKyVariant(spline->fitTolerance(), true);
}

// A negative tolerance is refused without a message; 0 makes the curve pass through the points.
int CKySplinePE_Prop::SetFitTolerance(const OdDbObject* object, const CKyPropertyDescription&,
                                      const CKyVariant& value, const CKyVariant&)
{
  const KyOpened<OdDbSpline> spline = KyForWrite<OdDbSpline>(object);
  double tol = 0.0;
  if (spline.isNull() || !KyDoubleOf(value, tol) || tol < 0.0)
    return kKyRefused;
  if (tol == spline->fitTolerance())
    return kKyAccepted;
  return spline->setFitTol(tol) == eOk ? kKyAccepted : kKyRefused;
}

CKyVariant CKySplinePE_Prop::GetArea(const OdDbObject* object, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbSpline> spline = KyForRead<OdDbSpline>(object);
  double area = 0.0;
  if (spline.isNull() || spline->getArea(area) != eOk)
    return CKyVariant();
  return CKyVariant(area, true);
}

bool CKySplineInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  OdDbSplinePtr spline = OdDbSpline::cast(object);
  if (spline.isNull())
    return false;
  double endParam = 0.0, length = 0.0;
  spline->getEndParam(endParam);
  spline->getDistAtParam(endParam, length);
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Length")), length);

  int degree = 0;
  bool rational = false, closed = false, periodic = false;
  OdGePoint3dArray controlPoints;
  OdGeDoubleArray knots, weights;
  double controlTol = 0.0, knotTol = 0.0;
  spline->getNurbsData(degree, rational, closed, periodic, controlPoints, knots, weights, controlTol, knotTol);
  const OdGeNurbCurve3d curve(degree, OdGeKnotVector(knots, 1e-9), controlPoints, rational ? weights : OdGeDoubleArray(),
                              periodic);
  OdGeLine3d line;
  const bool linear = curve.isLinear(line, OdGeTol(1e-10));

  context->PrintInt(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Order")), spline->degree() + 1);
  const QString flags = flagWord(spline->isClosed(), QT_TRANSLATE_NOOP("info_values", "Closed, "),
                                 QT_TRANSLATE_NOOP("info_values", "Open, ")) +
                        flagWord(spline->isPeriodic(), QT_TRANSLATE_NOOP("info_values", "Periodic, "),
                                 QT_TRANSLATE_NOOP("info_values", "Non-Periodic, ")) +
                        flagWord(spline->isRational(), QT_TRANSLATE_NOOP("info_values", "Rational, "),
                                 QT_TRANSLATE_NOOP("info_values", "Non-Rational, ")) +
                        flagWord(spline->isPlanar(), QT_TRANSLATE_NOOP("info_values", "Planar, "),
                                 QT_TRANSLATE_NOOP("info_values", "Non-Planar, ")) +
                        flagWord(linear, QT_TRANSLATE_NOOP("info_values", "Linear"),
                                 QT_TRANSLATE_NOOP("info_values", "Non-Linear"));
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Properties")), CKyString(flags));

  context->PrintInt(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Number of konts")), static_cast<int>(knots.size()));
  for (unsigned i = 0; i < knots.size(); ++i)
  {
    context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Knot value")), knots[i]);
    if (!context->CheckCounter())
      break;
  }
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Knot tolerance")), knotTol);

  context->PrintInt(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Number of control points")),
                    static_cast<int>(controlPoints.size()));
  for (unsigned i = 0; i < controlPoints.size(); ++i)
  {
    context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Control point")), controlPoints[i]);
    if (!context->CheckCounter())
      break;
  }
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Control Tolerance")), controlTol);

  OdGePoint3dArray fitPoints;
  int fitDegree = 0;
  double fitTol = 0.0;
  bool tangentsExist = false;
  OdGeVector3d startTangent, endTangent;
  spline->getFitData(fitPoints, fitDegree, fitTol, tangentsExist, startTangent, endTangent);
  context->PrintInt(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Number of Fit points")),
                    static_cast<int>(fitPoints.size()));
  for (unsigned i = 0; i < fitPoints.size(); ++i)
  {
    context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Fit point")), fitPoints[i]);
    if (!context->CheckCounter())
      break;
  }
  context->PrintDist(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Fit Tolerance")), spline->fitTolerance());
  return true;
}
