// Hatch rows, the additive area of a selection, and the hatch listing.
#include "KyHatchPE.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include <QCoreApplication>

#include "AECGe/Ge2dProfile.h"
#include "DbDatabase.h"
#include "DbPolyline.h"
#include "Ge/GeExtents3d.h"
#include "KyAnnotationRows.h"
#include "KyHatchEngine.h"
#include "KyListing.h"
#include "KyMatchPropHelper.h"
#include "KyObjectAnnotationContext.h"
#include "KyObjectValues.h"
#include "KyPropertyTable.h"
#include "KySystemServices.h"
#include "KyTexts.h"
#include "OdError.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyHatchPE, CKyEntityPE, RXIMPL_CONSTR)

KyDescriptionList CKyHatchPE::s_Names;

namespace
{
constexpr const char* kPattern = QT_TRANSLATE_NOOP("property_groups", "Pattern");
constexpr const char* kGeometry = QT_TRANSLATE_NOOP("property_groups", "Geometry");

const KyMatchPropCarrier kCarrier{"MATCHPROP_Hatch", &CKyHatchPE::GetMATCHPROP_Hatch, &CKyHatchPE::SetMATCHPROP_Hatch};
const KyPropertyRow kRows[] = {
  {kPattern, QT_TRANSLATE_NOOP("property_types", "Origin X"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateXGUID,
   &CKyHatchPE::GetOriginX, &CKyHatchPE::SetOriginX, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kPattern, QT_TRANSLATE_NOOP("property_types", "Origin Y"), CKyVariant::kDouble, &CKyPropertyType::kCoordinateYGUID,
   &CKyHatchPE::GetOriginY, &CKyHatchPE::SetOriginY, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kPattern, QT_TRANSLATE_NOOP("property_types", "Associative"), CKyVariant::kEmpty, nullptr,
   &CKyHatchPE::GetAssociative, &CKyHatchPE::SetAssociative, &CKyPropertyPEImpl::IsReadOnlyFalse, "Associative",
   kKyRowPlain, "General"},
  {kPattern, QT_TRANSLATE_NOOP("property_types", "Internal region detection"), CKyVariant::kEmpty, nullptr,
   &CKyHatchPE::GetIslandDetectionStyle, &CKyHatchPE::SetIslandDetectionStyle, &CKyPropertyPEImpl::IsReadOnlyFalse,
   "IslandDetection"},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Elevation"), CKyVariant::kEmpty, nullptr,
   &CKyHatchPE::GetElevation, &CKyHatchPE::SetElevation, &CKyPropertyPEImpl::IsReadOnlyFalse},
  {kGeometry, QT_TRANSLATE_NOOP("property_types", "Area"), CKyVariant::kEmpty, nullptr, &CKyHatchPE::GetArea, nullptr,
   &CKyPropertyPEImpl::IsReadOnlyTrue},
};

// Per-object rows of the pattern and the gradient: name key, type, icon in the Pattern folder.
struct HatchRow
{
  const char* name;
  CKyVariant::_Type type;
  const CKyString* guid;
  const char* icon;
};
const HatchRow kPatternRows[] = {
  {QT_TRANSLATE_NOOP("property_types", "Type"), CKyVariant::kEmpty, nullptr, "Type"},
  {QT_TRANSLATE_NOOP("property_types", "Pattern name"), CKyVariant::kEmpty, nullptr, "PatternName"},
  {QT_TRANSLATE_NOOP("property_types", "Angle"), CKyVariant::kDouble, &CKyPropertyType::kAngleGUID, "Angle"},
  {QT_TRANSLATE_NOOP("property_types", "Scale"), CKyVariant::kDouble, nullptr, "Scale"},
  {QT_TRANSLATE_NOOP("property_types", "Spacing"), CKyVariant::kDouble, nullptr, "Spacing"},
};
const HatchRow kGradientRows[] = {
  {QT_TRANSLATE_NOOP("property_types", "Color 1"), CKyVariant::kColor, &CKyPropertyType::kHatchColorGUID, "Color1and2"},
  {QT_TRANSLATE_NOOP("property_types", "Color 2"), CKyVariant::kColor, &CKyPropertyType::kHatchColorGUID, "Color1and2"},
  {QT_TRANSLATE_NOOP("property_types", "Gradient Angle"), CKyVariant::kDouble, &CKyPropertyType::kAngleGUID,
   "GradientAngle"},
  {QT_TRANSLATE_NOOP("property_types", "Centered"), CKyVariant::kEmpty, nullptr, "Centered"},
};

const KyText kTypeName{"property_types", "Type"};
const KyText kPatternNameName{"property_types", "Pattern name"};
const KyText kAngleName{"property_types", "Angle"};
const KyText kScaleName{"property_types", "Scale"};
const KyText kSpacingName{"property_types", "Spacing"};
const KyText kIsoPenWidthName{"property_types", QT_TRANSLATE_NOOP("property_types", "ISO pen width")};
const KyText kColor1Name{"property_types", "Color 1"};
const KyText kColor2Name{"property_types", "Color 2"};
const KyText kGradientAngleName{"property_types", "Gradient Angle"};
const KyText kCenteredName{"property_types", "Centered"};
constexpr const char* kAdditiveAreaKey = QT_TRANSLATE_NOOP("property_types", "Additive area");
const KyText kAdditiveAreaName{"property_types", kAdditiveAreaKey};

const KyAnnotationFamily kAnnotationFamily{kPattern,
                                           &CKyHatchPE::GetDynamicPropertyValue,
                                           &CKyHatchPE::SetDynamicPropertyValue,
                                           &CKyHatchPE::IsDynamicPropertyReadOnly,
                                           &CKyHatchPE::PerformGroupAction,
                                           "CKyHatchPE",
                                           QT_TRANSLATE_NOOP("CKyHatchPE", "Edit annotation scales")};

std::unique_ptr<CKyPropertyDescriptionImpl> makeHatchRow(const void*, const void* rowKey)
{
  const HatchRow& row = *static_cast<const HatchRow*>(rowKey);
  KyDynamicRow dynamic{kPattern,
                       KyTr("property_types", row.name),
                       row.type,
                       row.guid,
                       &CKyHatchPE::GetDynamicPropertyGradient,
                       &CKyHatchPE::SetDynamicPropertyGradient,
                       &CKyHatchPE::IsDynamicPropertyGradientReadOnly,
                       KyIconPathOf("Pattern", row.icon),
                       KyDarkIconPathOf("Pattern", row.icon),
                       nullptr,
                       CKyString()};
  return std::unique_ptr<CKyPropertyDescriptionImpl>(KyNewDynamicDescription(dynamic));
}

std::unique_ptr<CKyPropertyDescriptionImpl> makeAdditiveAreaRow(const void*, const void*)
{
  KyDynamicRow dynamic{kGeometry,
                       kAdditiveAreaName.get(),
                       CKyVariant::kEmpty,
                       nullptr,
                       &CKyHatchPE::GetDynamicPropertyValue,
                       &CKyHatchPE::SetDynamicPropertyValue,
                       &CKyHatchPE::IsDynamicPropertyReadOnly,
                       KyIconPathOf("Geometry", "AdditiveArea"),
                       KyDarkIconPathOf("Geometry", "AdditiveArea"),
                       &CKyHatchPE::PerformGroupAction,
                       KyTr("CKyHatchPE", QT_TRANSLATE_NOOP("CKyHatchPE", "Get additive area"))};
  return std::unique_ptr<CKyPropertyDescriptionImpl>(KyNewDynamicDescription(dynamic));
}

template <std::size_t N>
void addHatchRows(CKyPropertiesContainer* container, const HatchRow (&rows)[N])
{
  for (const HatchRow& row : rows)
    container->AddDynamic(new CKyPropertyDescriptionImpl(KyPrototypeOf(rows, &row, &makeHatchRow)));
}

bool annotative(const OdDbObject* object)
{
  return CKyObjectAnnotationContext::IsAnnotative(object->objectId());
}

int measurementOf(const OdDbObject* object)
{
  OdDbDatabase* db = object->database();
  return db && db->getMEASUREMENT() == OdDb::kMetric ? 1 : 0;
}

CKyHatchPatternCatalog& catalog()
{
  return *GetKySystemServices()->HatchPatternCatalog();
}

// A pattern name as the palette shows it: without "ACAD_" and "_eng" anywhere and without a
// trailing "_iso".
QString cleanedPatternName(QString name)
{
  name.remove(QStringLiteral("ACAD_"));
  name.remove(QStringLiteral("_eng"));
  if (name.endsWith(QStringLiteral("_iso")))
    name.chop(4);
  return name;
}

// Re-applying the island style makes the hatch regenerate its fill after a gradient change.
void regenerate(OdDbHatch* hatch)
{
  hatch->setHatchStyle(hatch->hatchStyle());
}

// The pattern set again with its angle and scale, the catalogue's lines for the name, placed at
// the hatch's pattern origin.
void setPatternFromCatalogue(OdDbHatch* hatch, OdDbHatch::HatchPatternType type, const CKyString& name)
{
  OdHatchPattern lines;
  catalog().GetPatternDefinition(type, name, measurementOf(hatch), lines);
  hatch->setPattern(type, name.toOdString(), hatch->patternAngle(), hatch->patternScale(), lines,
                    hatch->originPoint());
}

// The pattern origin as a point: its X and Y at the hatch's elevation.
OdGePoint3d originOf(const OdDbHatch* hatch)
{
  const OdGePoint2d o = hatch->originPoint();
  return OdGePoint3d(o.x, o.y, hatch->elevation());
}

CKyVariant originComponent(const OdDbObject* object, KyAxis axis)
{
  return KyObjectUcsComponent<OdDbHatch>(object, axis, &originOf);
}

int setOriginComponent(const OdDbObject* object, KyAxis axis, const CKyVariant& value)
{
  return KySetObjectUcsComponent<OdDbHatch>(object, axis, value, &originOf, [](OdDbHatch* h, const OdGePoint3d& p) {
    h->setOriginPoint(OdGePoint2d(p.x, p.y));
  });
}

double ownArea(const OdDbHatch* hatch)
{
  double area = 0.0;
  return hatch->getArea(area) == eOk ? area : 0.0;
}

// A double above 0, or the "Invalid input" message.
int positiveOrRefuse(const CKyVariant& value, double& out)
{
  if (!KyDoubleOf(value, out))
    return kKyRefused;
  if (out <= 0.0)
    return KyRefuseWithMessage(QT_TRANSLATE_NOOP("errors", "Invalid input"));
  return kKyAccepted;
}
} // namespace

bool kyIncludeLoop(OdDbHatch::HatchStyle style, int loopType)
{
  switch (style)
  {
  case OdDbHatch::kNormal: return true;
  case OdDbHatch::kOuter: return (loopType & 0x11) != 0;
  case OdDbHatch::kIgnore: return (loopType & 1) != 0;
  }
  return false;
}

bool kyEllipArc2dOrNurbCurve2dExist(OdSmartPtr<OdDbHatch> hatch)
{
  for (int i = 0; i < hatch->numLoops(); ++i)
    (void)hatch->loopTypeAt(i);
  return false;
}

CKyString CKyHatchPE::GetClassName(const OdDbObject* object)
{
  const KyOpened<OdDbHatch> hatch = KyForRead<OdDbHatch>(object);
  const bool gradient = !hatch.isNull() && hatch->isGradient();
  return CKyString(gradient ? QCoreApplication::translate("entity_types", "Gradient")
                            : QCoreApplication::translate("entity_types", "Hatch"));
}

void CKyHatchPE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                  const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyHatchPE::desc(), OdDbHatch::desc(), s_Names,
                 KyTable(kRows, &kCarrier));
}

bool CKyHatchPE::HasDynamicProperties()
{
  return true;
}

void CKyHatchPE::GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container)
{
  const KyOpened<OdDbHatch> hatch = KyForRead<OdDbHatch>(object);
  if (!container || hatch.isNull())
    return;
  if (hatch->isGradient())
    addHatchRows(container, kGradientRows);
  else
    addHatchRows(container, kPatternRows);
  displayAnnotativeProperty(object, container);
}

void CKyHatchPE::displayAnnotativeProperty(const OdDbObject* object, CKyPropertiesContainer* container)
{
  if (annotative(object))
  {
    const KyAnnotationRow* const rows[] = {&kKyAnnotativeRow, &kKyAnnotativeScaleRow};
    KyAddAnnotationRows(container, kAnnotationFamily, rows);
  }
  else
  {
    const KyAnnotationRow* const rows[] = {&kKyAnnotativeRow};
    KyAddAnnotationRows(container, kAnnotationFamily, rows);
  }
  static const int kAdditiveAreaKeyTag = 0;
  container->AddDynamic(
      new CKyPropertyDescriptionImpl(KyPrototypeOf(&kAdditiveAreaKeyTag, &kAdditiveAreaName, &makeAdditiveAreaRow)));
}

CKyVariant CKyHatchPE::PerformGroupAction(const OdArray<OdDbObjectId>& ids, const CKyPropertyDescription& description,
                                          const CKyVariant&, const CKyVariant&)
{
  const CKyString name = description.GetName();
  if (KyIsNamed(name, kKyAnnotativeScaleName))
  {
    CKyObjectAnnotationContext(ids).ShowAddRemoveUI();
    return CKyVariant();
  }
  if (KyIsNamed(name, kAdditiveAreaName))
    return getAdditiveArea(ids);
  return CKyVariant();
}

namespace
{
typedef std::pair<OdGeExtents3d, std::vector<OdDbHatchPtr>> Cluster;

// Disjoint under the tolerance on some axis.
bool apart(const OdGeExtents3d& a, const OdGeExtents3d& b, double tol)
{
  const OdGePoint3d& amin = a.minPoint();
  const OdGePoint3d& amax = a.maxPoint();
  const OdGePoint3d& bmin = b.minPoint();
  const OdGePoint3d& bmax = b.maxPoint();
  return amin.x - tol > bmax.x || bmin.x > amax.x + tol || amin.y - tol > bmax.y || bmin.y > amax.y + tol ||
         amin.z - tol > bmax.z || bmin.z > amax.z + tol;
}

// Groups whose extents are not apart are joined until no two are: the finest grouping in which
// no two groups' extents meet, the one that pairwise merge passes reach. Each pass finds the
// meeting pairs with a sweep along x instead of testing every pair; extents with a NaN in x
// cannot be ordered and are tested against every group.
std::vector<Cluster> clusterByExtents(const std::vector<OdGeExtents3d>& extents, double tol,
                                      const std::vector<OdDbHatchPtr>& hatches)
{
  struct Group
  {
    OdGeExtents3d ext;
    std::vector<unsigned> members;
  };
  std::vector<Group> groups;
  for (unsigned i = 0; i < extents.size(); ++i)
    groups.push_back(Group{extents[i], {i}});
  for (bool joined = true; joined;)
  {
    joined = false;
    const unsigned n = static_cast<unsigned>(groups.size());
    // The root of a set is its first group, so the joined groups keep the order of their first.
    std::vector<unsigned> root(n);
    for (unsigned i = 0; i < n; ++i)
      root[i] = i;
    auto find = [&](unsigned i) {
      while (root[i] != i)
        i = root[i] = root[root[i]];
      return i;
    };
    auto join = [&](unsigned a, unsigned b) {
      if (apart(groups[a].ext, groups[b].ext, tol))
        return;
      const unsigned ra = find(a), rb = find(b);
      if (ra != rb)
      {
        root[std::max(ra, rb)] = std::min(ra, rb);
        joined = true;
      }
    };
    std::vector<unsigned> sorted, unordered;
    for (unsigned i = 0; i < n; ++i)
    {
      const OdGeExtents3d& e = groups[i].ext;
      (std::isnan(e.minPoint().x) || std::isnan(e.maxPoint().x) ? unordered : sorted).push_back(i);
    }
    std::sort(sorted.begin(), sorted.end(),
              [&](unsigned a, unsigned b) { return groups[a].ext.minPoint().x < groups[b].ext.minPoint().x; });
    std::vector<unsigned> active;
    for (unsigned g : sorted)
    {
      // Groups ending left of this one's start end left of every later start too.
      const double start = groups[g].ext.minPoint().x;
      size_t kept = 0;
      for (unsigned a : active)
        if (!(groups[a].ext.maxPoint().x + tol < start))
          active[kept++] = a;
      active.resize(kept);
      for (unsigned a : active)
        join(a, g);
      active.push_back(g);
    }
    for (unsigned u : unordered)
      for (unsigned i = 0; i < n; ++i)
        if (i != u)
          join(u, i);
    if (!joined)
      break;
    std::vector<Group> next;
    std::vector<unsigned> slot(n);
    for (unsigned i = 0; i < n; ++i)
    {
      const unsigned r = find(i);
      if (r == i)
      {
        slot[i] = static_cast<unsigned>(next.size());
        next.push_back(std::move(groups[i]));
        continue;
      }
      Group& into = next[slot[r]];
      into.ext.addExt(groups[i].ext);
      into.members.insert(into.members.end(), groups[i].members.begin(), groups[i].members.end());
    }
    groups = std::move(next);
  }
  std::vector<Cluster> clusters;
  for (Group& g : groups)
  {
    std::sort(g.members.begin(), g.members.end());
    Cluster cluster(g.ext, {});
    for (unsigned m : g.members)
      cluster.second.push_back(hatches[m]);
    clusters.push_back(std::move(cluster));
  }
  return clusters;
}

// The loop as a closed counter-clockwise contour: its vertices and bulges, or its edges through
// the host's hatch engine, whose segments must be lightweight polylines.
AECGe::Contour2D loopContour(const OdDbHatch* hatch, int loop)
{
  AECGe::Contour2D contour;
  if (hatch->loopTypeAt(loop) & OdDbHatch::kPolyline)
  {
    OdGePoint2dArray vertices;
    OdGeDoubleArray bulges;
    hatch->getLoopAt(loop, vertices, bulges);
    contour.appendVertices(vertices);
    for (unsigned j = 0; j < bulges.size() && j < vertices.size(); ++j)
      contour.setBulgeAt(j, bulges[j]);
  }
  else
  {
    OdDbHatch::EdgeArray edges;
    hatch->getLoopAt(loop, edges);
    OdArray<OdRxObjectPtr> segments;
    CKyHatchEngine::EdgesToDbSegments(edges, hatch->normal(), segments);
    for (const OdRxObjectPtr& segment : segments)
    {
      OdDbPolylinePtr pline = OdDbPolyline::cast(segment.get());
      if (pline.isNull())
        throw OdError(eNotThatKindOfClass);
      for (unsigned v = 0; v < pline->numVerts(); ++v)
      {
        OdGePoint2d p;
        pline->getPointAt(v, p);
        contour.appendVertex(p, pline->getBulgeAt(v), 0.0, 0.0);
      }
    }
  }
  contour.makeCCW(true);
  contour.setClosed(true);
  return contour;
}
} // namespace

CKyVariant CKyHatchPE::getAdditiveArea(const OdArray<OdDbObjectId>& ids)
{
  if (ids.isEmpty())
    return CKyVariant(0.0, true);
  if (ids.size() == 1)
  {
    OdDbHatchPtr hatch = OdDbHatch::cast(ids[0].safeOpenObject());
    if (hatch.isNull())
      throw OdError(eNotThatKindOfClass);
    return CKyVariant(ownArea(hatch), true);
  }

  // Clusters of hatches whose extents overlap, transitively, in the order of their first hatch.
  const double tol = OdGeContext::gTol.equalPoint();
  std::vector<OdDbHatchPtr> opened;
  std::vector<OdGeExtents3d> extents;
  for (const OdDbObjectId& id : ids)
  {
    OdDbHatchPtr hatch = OdDbHatch::cast(id.safeOpenObject());
    if (hatch.isNull())
      throw OdError(eNotThatKindOfClass);
    OdGeExtents3d ext(OdGePoint3d(1e20, 1e20, 1e20), OdGePoint3d(-1e20, -1e20, -1e20));
    hatch->getGeomExtents(ext);
    opened.push_back(hatch);
    extents.push_back(ext);
  }
  std::vector<Cluster> clusters = clusterByExtents(extents, tol, opened);

  // One evaluator for the call, reset for every hatch and cluster.
  AECGe::Profile2DBool evaluator(AECGeGbl::gTol);
  double total = 0.0;
  for (const Cluster& cluster : clusters)
  {
    const std::vector<OdDbHatchPtr>& hatches = cluster.second;
    if (hatches.size() == 1 && hatches[0]->numLoops() == 1 && !kyEllipArc2dOrNurbCurve2dExist(hatches[0]))
    {
      total += ownArea(hatches[0]);
      continue;
    }
    std::vector<AECGe::Profile2D> regions;
    for (const OdDbHatchPtr& hatch : hatches)
    {
      std::vector<AECGe::Contour2D> contours;
      for (int i = 0; i < hatch->numLoops(); ++i)
        if (kyIncludeLoop(hatch->hatchStyle(), hatch->loopTypeAt(i)))
          contours.push_back(loopContour(hatch, i));
      if (contours.empty())
        continue;
      AECGe::Profile2D region(contours[0]);
      evaluator.reset(AECGeGbl::gTol);
      for (size_t k = 1; k < contours.size(); ++k)
        evaluator.evalRegions(region, AECGe::Profile2D(contours[k]), AECGe::Profile2DBool::kSymmetricDifference, region);
      regions.push_back(region);
    }
    evaluator.reset(AECGeGbl::gTol);
    for (const AECGe::Profile2D& region : regions)
      evaluator.pushRegion(region, true);
    AECGe::Profile2D united;
    evaluator.evalPushedRegions(AECGe::Profile2DBool::kUnion, united);
    total += std::fabs(united.signedArea());
  }
  return CKyVariant(total, true);
}

CKyVariant CKyHatchPE::GetOriginX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return originComponent(o, kKyAxisX);
}
int CKyHatchPE::SetOriginX(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setOriginComponent(o, kKyAxisX, v);
}
CKyVariant CKyHatchPE::GetOriginY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return originComponent(o, kKyAxisY);
}
int CKyHatchPE::SetOriginY(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setOriginComponent(o, kKyAxisY, v);
}

CKyVariant CKyHatchPE::GetAssociative(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbHatch> hatch = KyForRead<OdDbHatch>(o);
  return hatch.isNull() ? CKyVariant() : KyYesNoList(hatch->associative());
}

// Choosing "No" tells the command line that the boundary relation goes, before anything else
// is checked.
int CKyHatchPE::SetAssociative(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                               const CKyVariant&)
{
  if (v.GetType() == CKyVariant::kCollectionElement)
  {
    const CKyVariant chosen = v.GetCollectionElement().GetValue();
    if (chosen.GetType() == CKyVariant::kString &&
        chosen.GetString().toQString().compare(QCoreApplication::translate("property_values", "No"),
                                               Qt::CaseInsensitive) == 0)
      GetKySystemServices()->PrintToCommandLine(
          CKyString(QCoreApplication::translate("errors", "Hatch boundary relation removed.") + QLatin1Char('\n')));
  }
  return KySetOnOff<OdDbHatch>(o, v, [](OdDbHatch* h, bool on) { h->setAssociative(on); });
}

CKyVariant CKyHatchPE::GetIslandDetectionStyle(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  static const KyChoice kStyles[] = {{0, QT_TRANSLATE_NOOP("property_values", "Normal")},
                                     {1, QT_TRANSLATE_NOOP("property_values", "Outer")},
                                     {2, QT_TRANSLATE_NOOP("property_values", "Ignore")}};
  const KyOpened<OdDbHatch> hatch = KyForRead<OdDbHatch>(o);
  return hatch.isNull() ? CKyVariant() : KyChoiceList(kStyles, hatch->hatchStyle());
}
int CKyHatchPE::SetIslandDetectionStyle(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                        const CKyVariant&)
{
  const KyOpened<OdDbHatch> hatch = KyForWrite<OdDbHatch>(o);
  int code = 0;
  if (hatch.isNull() || !KyChosenCode(v, code))
    return kKyRefused;
  if (code >= 0 && code <= 2)
    hatch->setHatchStyle(static_cast<OdDbHatch::HatchStyle>(code));
  return kKyAccepted;
}

CKyVariant CKyHatchPE::GetElevation(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyGetDouble<OdDbHatch>(o, [](const OdDbHatch* h) { return h->elevation(); });
}
int CKyHatchPE::SetElevation(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return KySetDouble<OdDbHatch>(o, v, [](OdDbHatch* h, double e) { h->setElevation(e); });
}

CKyVariant CKyHatchPE::GetArea(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyGetDouble<OdDbHatch>(o, [](const OdDbHatch* h) { return ownArea(h); });
}

CKyVariant CKyHatchPE::GetMATCHPROP_Hatch(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyMatchPropGetter<OdDbHatch>(o);
}

namespace
{
void matchHatchProps(const OdDbEntityPtr& sourceEntity, const OdDbEntityPtr& targetEntity)
{
  OdDbHatchPtr source = OdDbHatch::cast(sourceEntity.get());
  OdDbHatchPtr target = OdDbHatch::cast(targetEntity.get());
  if (source.isNull() || target.isNull())
    throw OdError(eNotThatKindOfClass);
  if (source->isHatch())
  {
    target->setHatchObjectType(OdDbHatch::kHatchObject);
    target->setPattern(source->patternType(), source->patternName());
    target->setPatternAngle(source->patternAngle());
    if (source->patternType() == OdDbHatch::kUserDefined)
    {
      target->setPatternSpace(source->patternSpace());
      target->setPatternDouble(source->patternDouble());
    }
  }
  else
  {
    target->setHatchObjectType(OdDbHatch::kGradientObject);
    target->setGradient(source->gradientType(), source->gradientName());
    target->setGradientAngle(source->gradientAngle());
    target->setGradientShift(source->gradientShift());
    target->setGradientOneColorMode(source->gradientOneColorMode());
    OdCmColorArray colors;
    OdGeDoubleArray values;
    source->getGradientColors(colors, values);
    if (!colors.isEmpty())
      target->setGradientColors(colors.size(), colors.asArrayPtr(), values.asArrayPtr());
  }
  target->setElevation(source->elevation());
  target->setNormal(source->normal());
  target->setAssociative(source->associative());
  target->setHatchStyle(source->hatchStyle());
  // The source's lines as they stand: taken back to scale 1 and angle 0 by setPattern's own
  // placement would need the definition, so the lines go over as the source holds them.
  OdHatchPattern lines;
  for (int i = 0; i < source->numPatternDefinitions(); ++i)
  {
    OdHatchPatternLine line;
    double bx = 0.0, by = 0.0, ox = 0.0, oy = 0.0;
    source->getPatternDefinitionAt(i, line.m_dLineAngle, bx, by, ox, oy, line.m_dashes);
    line.m_basePoint = OdGePoint2d(bx, by);
    line.m_patternOffset = OdGeVector2d(ox, oy);
    lines.append(line);
  }
  target->setPattern(source->patternType(), source->patternName(), source->patternAngle(), source->patternScale(),
                     OdHatchPattern());
  target->setPatternDefinitions(lines);
  target->setPatternScale(source->patternScale());
}
} // namespace

int CKyHatchPE::SetMATCHPROP_Hatch(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                   const CKyVariant&)
{
  return KyMatchPropSetter<OdDbHatch>(o, v, &KyIsKindOf<OdDbHatch>, &matchHatchProps);
}

CKyVariant CKyHatchPE::GetDynamicPropertyGradient(const OdDbObject* o, const CKyPropertyDescription& d,
                                                  const CKyVariant& c)
{
  const CKyString name = d.GetName();
  if (KyIsNamed(name, kTypeName))
    return GetType(o, d, c);
  if (KyIsNamed(name, kPatternNameName))
    return GetPatternName(o, d, c);
  if (KyIsNamed(name, kAngleName))
    return GetAngle(o, d, c);
  if (KyIsNamed(name, kScaleName))
    return GetScale(o, d, c);
  if (KyIsNamed(name, kSpacingName))
    return GetSpacing(o, d, c);
  if (KyIsNamed(name, kIsoPenWidthName))
    return GetISOPenWidth(o, d, c);
  if (KyIsNamed(name, kColor1Name))
    return GetColor1(o, d, c);
  if (KyIsNamed(name, kColor2Name))
    return GetColor2(o, d, c);
  if (KyIsNamed(name, kGradientAngleName))
    return GetGradientAngle(o, d, c);
  if (KyIsNamed(name, kCenteredName))
    return GetCentered(o, d, c);
  return CKyVariant();
}

int CKyHatchPE::SetDynamicPropertyGradient(const OdDbObject* o, const CKyPropertyDescription& d, const CKyVariant& v,
                                           const CKyVariant& c)
{
  const CKyString name = d.GetName();
  if (KyIsNamed(name, kTypeName))
    return SetType(o, d, v, c);
  if (KyIsNamed(name, kPatternNameName))
    return SetPatternName(o, d, v, c);
  if (KyIsNamed(name, kAngleName))
    return SetAngle(o, d, v, c);
  if (KyIsNamed(name, kScaleName))
    return SetScale(o, d, v, c);
  if (KyIsNamed(name, kSpacingName))
    return SetSpacing(o, d, v, c);
  if (KyIsNamed(name, kIsoPenWidthName))
    return SetISOPenWidth(o, d, v, c);
  if (KyIsNamed(name, kColor1Name))
    return SetColor1(o, d, v, c);
  if (KyIsNamed(name, kColor2Name))
    return SetColor2(o, d, v, c);
  if (KyIsNamed(name, kGradientAngleName))
    return SetGradientAngle(o, d, v, c);
  if (KyIsNamed(name, kCenteredName))
    return SetCentered(o, d, v, c);
  return kKyRefused;
}

// "Pattern name" and "Scale" are fixed for a user-defined pattern, "Spacing" for any other; a
// gradient's rows are all editable.
bool CKyHatchPE::IsDynamicPropertyGradientReadOnly(const OdDbObject* o, const CKyPropertyDescription& d)
{
  const KyOpened<OdDbHatch> hatch = KyForRead<OdDbHatch>(o);
  if (hatch.isNull() || hatch->isGradient())
    return false;
  const CKyString name = d.GetName();
  const bool user = hatch->patternType() == OdDbHatch::kUserDefined;
  if (KyIsNamed(name, kPatternNameName) || KyIsNamed(name, kScaleName))
    return user;
  if (KyIsNamed(name, kSpacingName))
    return !user;
  if (KyIsNamed(name, kIsoPenWidthName))
    return IsISOPenWidthReadOnly(o, d);
  return false;
}

CKyVariant CKyHatchPE::GetDynamicPropertyValue(const OdDbObject* o, const CKyPropertyDescription& d, const CKyVariant&)
{
  if (KyForRead<OdDbHatch>(o).isNull())
    return CKyVariant();
  const CKyString name = d.GetName();
  if (KyIsNamed(name, kKyAnnotativeName))
    return KyYesNoList(annotative(o));
  if (KyIsNamed(name, kKyAnnotativeScaleName))
    return CKyVariant(CKyObjectAnnotationContext(o->objectId()).GetCurrentScale());
  if (KyIsNamed(name, kAdditiveAreaName))
    return getAdditiveArea(OdArray<OdDbObjectId>{o->objectId()});
  return CKyVariant();
}

int CKyHatchPE::SetDynamicPropertyValue(const OdDbObject* o, const CKyPropertyDescription& d, const CKyVariant& v,
                                        const CKyVariant&)
{
  if (KyForWrite<OdDbHatch>(o).isNull())
    return kKyRefused;
  const CKyString name = d.GetName();
  if (KyIsNamed(name, kKyAnnotativeName))
  {
    int code = 0;
    if (!KyChosenCode(v, code))
      return kKyRefused;
    CKyObjectAnnotationContext::SetAnnotative(o->objectId(), code == 1, false);
  }
  return kKyAccepted;
}

bool CKyHatchPE::IsDynamicPropertyReadOnly(const OdDbObject* o, const CKyPropertyDescription& d)
{
  const CKyString name = d.GetName();
  if (KyIsNamed(name, kKyAnnotativeScaleName))
    return !o || !annotative(o);
  return KyIsNamed(name, kAdditiveAreaName);
}

namespace
{
const KyChoice kTypes[] = {{0, QT_TRANSLATE_NOOP("property_values", "User-defined")},
                           {1, QT_TRANSLATE_NOOP("property_values", "Predefined")},
                           {2, QT_TRANSLATE_NOOP("property_values", "Custom")}};
} // namespace

// "Custom" only when the catalogue lists custom patterns for the drawing.
CKyVariant CKyHatchPE::GetType(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbHatch> hatch = KyForRead<OdDbHatch>(o);
  if (hatch.isNull())
    return CKyVariant();
  OdArray<CKyString> custom;
  const bool withCustom = catalog().ListPatterns(OdDbHatch::kCustomDefined, measurementOf(o), custom) == 0;
  return KyChoiceList(kTypes, withCustom ? 3 : 2, hatch->patternType());
}

int CKyHatchPE::SetType(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  const KyOpened<OdDbHatch> hatch = KyForWrite<OdDbHatch>(o);
  int code = 0;
  if (hatch.isNull() || !KyChosenCode(v, code))
    return kKyRefused;
  if (code == OdDbHatch::kUserDefined)
  {
    hatch->setPattern(OdDbHatch::kUserDefined, L"_U");
    return kKyAccepted;
  }
  if (code != OdDbHatch::kPreDefined && code != OdDbHatch::kCustomDefined)
    return kKyAccepted;
  const OdDbHatch::HatchPatternType type = static_cast<OdDbHatch::HatchPatternType>(code);
  OdArray<CKyString> names;
  if (catalog().ListPatterns(type, measurementOf(o), names) != 0)
    return kKyAccepted;
  if (names.isEmpty())
  {
    // Asking for a definition makes the catalogue load its pattern files.
    OdHatchPattern none;
    catalog().GetPatternDefinition(type, CKyString(), measurementOf(o), none);
    if (catalog().ListPatterns(type, measurementOf(o), names) != 0)
      return kKyAccepted;
  }
  setPatternFromCatalogue(hatch.get(), type, names.isEmpty() ? CKyString() : names[0]);
  return kKyAccepted;
}

namespace
{
// The last lists made, by what they were made from: the catalogue's names (which grow as it
// loads pattern files), the hatch's own name and the module session of their texts. Hatches of
// a drawing mostly share a few patterns, and cleaning and translating every name again for each
// one would cost more than the rest of the hatch's rows.
struct PatternList
{
  unsigned session = 0;
  int type = 0;
  int measurement = 0;
  OdArray<CKyString> names;
  OdString own;
  CKyVariant list;
};

bool sameNames(const OdArray<CKyString>& a, const OdArray<CKyString>& b)
{
  if (a.size() != b.size())
    return false;
  for (unsigned i = 0; i < a.size(); ++i)
    if (!(a[i] == b[i]))
      return false;
  return true;
}

CKyVariant makePatternNameList(const OdDbHatch* hatch, const OdArray<CKyString>& names);

CKyVariant patternNameList(const OdDbHatch* hatch)
{
  static std::array<PatternList, 8> recent;
  static std::size_t next = 0;
  OdArray<CKyString> names;
  const int measurement = measurementOf(hatch);
  catalog().ListPatterns(hatch->patternType(), measurement, names);
  const OdString own = hatch->patternName();
  for (const PatternList& p : recent)
    if (p.session == g_kyTextSession && p.type == hatch->patternType() && p.measurement == measurement &&
        p.own == own && sameNames(p.names, names))
      return p.list;
  PatternList& slot = recent[next++ % recent.size()];
  slot.list = makePatternNameList(hatch, names);
  slot.session = g_kyTextSession;
  slot.type = hatch->patternType();
  slot.measurement = measurement;
  slot.names = names;
  slot.own = own;
  return slot.list;
}

// The catalogue's names for the hatch's type, cleaned, and the hatch's own cleaned name
// appended when it is not among them.
CKyVariant makePatternNameList(const OdDbHatch* hatch, const OdArray<CKyString>& names)
{
  const QByteArray own = CKyString(hatch->patternName()).toQString().toUtf8();
  const QString current = cleanedPatternName(QCoreApplication::translate("CKyHatchPE", own.constData()));
  CKyVariantCollection list;
  int selected = -1;
  for (unsigned i = 0; i < names.size(); ++i)
  {
    const QString shown = cleanedPatternName(names[i].toQString());
    if (selected < 0 && shown == current)
      selected = static_cast<int>(i);
    list.Add(CKyVariantCollectionElement(CKyVariant(static_cast<int>(i)), CKyVariant(CKyString(shown))));
  }
  if (selected < 0)
  {
    selected = static_cast<int>(names.size());
    list.Add(CKyVariantCollectionElement(CKyVariant(selected), CKyVariant(CKyString(current))));
  }
  list.SetCurrentIndex(selected);
  return CKyVariant(list);
}
} // namespace

CKyVariant CKyHatchPE::GetPatternName(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbHatch> hatch = KyForRead<OdDbHatch>(o);
  if (hatch.isNull())
    return CKyVariant();
  if (hatch->patternType() == OdDbHatch::kUserDefined)
    return CKyVariant(CKyString(hatch->patternName()));
  return patternNameList(hatch.get());
}

// The entry's text names the pattern. A text that is no entry of the list (an element made by
// its tag alone) leaves the tag, the entry's position, to name it.
int CKyHatchPE::SetPatternName(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                               const CKyVariant&)
{
  const KyOpened<OdDbHatch> hatch = KyForWrite<OdDbHatch>(o);
  int position = 0;
  if (hatch.isNull() || !KyChosenCode(v, position))
    return kKyRefused;
  const CKyVariant text = v.GetCollectionElement().GetValue();
  const QString wanted = text.GetType() == CKyVariant::kString ? text.GetString().toQString() : QString();
  OdArray<CKyString> names;
  catalog().ListPatterns(hatch->patternType(), measurementOf(o), names);
  for (const CKyString& name : names)
    if (cleanedPatternName(name.toQString()) == wanted)
    {
      setPatternFromCatalogue(hatch.get(), hatch->patternType(), name);
      return kKyAccepted;
    }
  if (position >= 0 && static_cast<unsigned>(position) < names.size())
    setPatternFromCatalogue(hatch.get(), hatch->patternType(), names[static_cast<unsigned>(position)]);
  else if (!wanted.isEmpty())
    setPatternFromCatalogue(hatch.get(), hatch->patternType(), CKyString(wanted));
  return kKyAccepted;
}

CKyVariant CKyHatchPE::GetAngle(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyGetDouble<OdDbHatch>(o, [](const OdDbHatch* h) { return KyShownAngle(h->patternAngle()); });
}
int CKyHatchPE::SetAngle(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return KySetDouble<OdDbHatch>(o, v, [](OdDbHatch* h, double a) { h->setPatternAngle(a); });
}

CKyVariant CKyHatchPE::GetScale(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbHatch> hatch = KyForRead<OdDbHatch>(o);
  return hatch.isNull() ? CKyVariant() : CKyVariant(hatch->patternScale(), false);
}
int CKyHatchPE::SetScale(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  const KyOpened<OdDbHatch> hatch = KyForWrite<OdDbHatch>(o);
  double scale = 0.0;
  if (hatch.isNull())
    return kKyRefused;
  const int checked = positiveOrRefuse(v, scale);
  if (checked != kKyAccepted)
    return checked;
  hatch->setPatternScale(scale);
  return kKyAccepted;
}

CKyVariant CKyHatchPE::GetSpacing(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyGetDouble<OdDbHatch>(o, [](const OdDbHatch* h) { return h->patternSpace(); });
}
int CKyHatchPE::SetSpacing(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  const KyOpened<OdDbHatch> hatch = KyForWrite<OdDbHatch>(o);
  double spacing = 0.0;
  if (hatch.isNull())
    return kKyRefused;
  const int checked = positiveOrRefuse(v, spacing);
  if (checked != kKyAccepted)
    return checked;
  hatch->setPatternSpace(spacing);
  return kKyAccepted;
}

// No row is built for the ISO pen width; its accessors answer nothing and refuse every value.
CKyVariant CKyHatchPE::GetISOPenWidth(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&)
{
  return CKyVariant();
}
int CKyHatchPE::SetISOPenWidth(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&)
{
  return kKyRefused;
}
bool CKyHatchPE::IsISOPenWidthReadOnly(const OdDbObject*, const CKyPropertyDescription&)
{
  return false;
}

namespace
{
// The gradient colour at the index; ByLayer when the hatch has fewer.
OdCmColor gradientColor(const OdDbHatch* hatch, unsigned index)
{
  OdCmColorArray colors;
  OdGeDoubleArray values;
  hatch->getGradientColors(colors, values);
  return index < colors.size() ? colors[index] : OdCmColor();
}

int setGradientColor(const OdDbObject* o, const CKyVariant& v, unsigned index)
{
  const KyOpened<OdDbHatch> hatch = KyForWrite<OdDbHatch>(o);
  if (hatch.isNull() || v.GetType() != CKyVariant::kColor)
    return kKyRefused;
  OdCmColor colors[2] = {gradientColor(hatch.get(), 0), gradientColor(hatch.get(), 1)};
  colors[index] = v.GetColor();
  const double values[2] = {0.0, 1.0};
  hatch->setGradientColors(2, colors, values);
  if (index == 1)
    hatch->setGradientOneColorMode(false);
  regenerate(hatch.get());
  return kKyAccepted;
}
} // namespace

CKyVariant CKyHatchPE::GetColor1(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbHatch> hatch = KyForRead<OdDbHatch>(o);
  return hatch.isNull() ? CKyVariant() : CKyVariant(gradientColor(hatch.get(), 0));
}
int CKyHatchPE::SetColor1(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setGradientColor(o, v, 0);
}
CKyVariant CKyHatchPE::GetColor2(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbHatch> hatch = KyForRead<OdDbHatch>(o);
  return hatch.isNull() ? CKyVariant() : CKyVariant(gradientColor(hatch.get(), 1));
}
int CKyHatchPE::SetColor2(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  return setGradientColor(o, v, 1);
}

CKyVariant CKyHatchPE::GetGradientAngle(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  return KyGetDouble<OdDbHatch>(o, [](const OdDbHatch* h) { return h->gradientAngle(); });
}
int CKyHatchPE::SetGradientAngle(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v,
                                 const CKyVariant&)
{
  return KySetDouble<OdDbHatch>(o, v, [](OdDbHatch* h, double a) {
    h->setGradientAngle(a);
    regenerate(h);
  });
}

CKyVariant CKyHatchPE::GetCentered(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant&)
{
  const KyOpened<OdDbHatch> hatch = KyForRead<OdDbHatch>(o);
  return hatch.isNull() ? CKyVariant() : KyYesNoList(hatch->gradientShift() == 0.0);
}
int CKyHatchPE::SetCentered(const OdDbObject* o, const CKyPropertyDescription&, const CKyVariant& v, const CKyVariant&)
{
  const KyOpened<OdDbHatch> hatch = KyForWrite<OdDbHatch>(o);
  int code = 0;
  if (hatch.isNull() || !KyChosenCode(v, code))
    return kKyRefused;
  hatch->setGradientShift(code == 1 ? 0.0 : 1.0);
  regenerate(hatch.get());
  return kKyAccepted;
}

bool CKyHatchInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  OdDbHatchPtr hatch = OdDbHatch::cast(object);
  if (hatch.isNull())
    return false;
  PrintAnnotationInfo(object, context);
  QString pattern = CKyString(hatch->patternName()).toQString();
  pattern.remove(QStringLiteral("ACAD_"));
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Hatch pattern")), CKyString(pattern));
  context->PrintScale(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Hatch scale")), hatch->patternScale());
  context->PrintAngle(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Hatch angle")), hatch->patternAngle());
  context->PrintArea(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Area")), ownArea(hatch));
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Related")),
                       KyYesNoText(hatch->associative()));
  context->PrintPoint(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Origin")), originOf(hatch));
  return true;
}

void CKyHatchInfo::PrintAnnotationInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  KyPrintAnnotationInfo(object, context);
}
