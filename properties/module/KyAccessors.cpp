// Shared accessor helpers.
#include "KyAccessors.h"

#include <utility>

#include <QCoreApplication>

#include "AbstractViewPE.h"
#include "DbDatabase.h"
#include "KyDatabase.h"
#include "KyDocument.h"
#include "KySystemServices.h"
#include "KyTexts.h"

bool KyDoubleOf(const CKyVariant& value, double& out)
{
  if (value.GetType() != CKyVariant::kDouble)
    return false;
  out = value.GetDouble();
  return std::isfinite(out);
}

bool KyAnyDoubleOf(const CKyVariant& value, double& out)
{
  out = value.GetDouble();
  return std::isfinite(out);
}

int KyContextIndex(const CKyVariant& context)
{
  return context.GetType() == CKyVariant::kInt32 ? context.GetInt32() : 0;
}

bool KyWantsNumber(const CKyVariant& context)
{
  return context.GetType() == CKyVariant::kDouble && context.GetDouble() == 1111.0;
}

int KyRefuseWithMessage(const char* errorKey)
{
  GetKySystemServices()->MessageBox(CKyString(QCoreApplication::translate("errors", errorKey)),
                                    CKyString(QCoreApplication::translate("errors", "Error")), 0);
  return kKyRefused;
}

double KyComponent(const OdGePoint3d& p, KyAxis axis)
{
  return axis == kKyAxisX ? p.x : axis == kKyAxisY ? p.y : p.z;
}

void KySetComponent(OdGePoint3d& p, KyAxis axis, double v)
{
  (axis == kKyAxisX ? p.x : axis == kKyAxisY ? p.y : p.z) = v;
}

// An object outside any database has no UCS: its coordinates are shown in world coordinates.
OdGePoint3d KyWorldToUcs(const OdDbObject* object, const OdGePoint3d& world)
{
  OdGePoint3d p = world;
  if (OdDbDatabase* db = object ? object->database() : nullptr)
    CKyDatabase(db).WorldToUCS(p);
  return p;
}

OdGePoint3d KyUcsToWorld(const OdDbObject* object, const OdGePoint3d& ucs)
{
  OdGePoint3d p = ucs;
  if (OdDbDatabase* db = object ? object->database() : nullptr)
    CKyDatabase(db).UCSToWorld(p);
  return p;
}

CKyVariant KyUcsComponent(const OdDbObject* object, const OdGePoint3d& world, KyAxis axis)
{
  return CKyVariant(KyComponent(KyWorldToUcs(object, world), axis), true);
}

bool KyReplaceUcsComponent(const OdDbObject* object, OdGePoint3d& world, KyAxis axis, const CKyVariant& value,
                           bool& changed)
{
  double v = 0.0;
  if (!KyDoubleOf(value, v))
    return false;
  OdGePoint3d ucs = KyWorldToUcs(object, world);
  changed = KyComponent(ucs, axis) != v;
  if (!changed)
    return true;
  KySetComponent(ucs, axis, v);
  // Far from a UCS origin that is itself far out, the point may lie beyond the largest double.
  const OdGePoint3d moved = KyUcsToWorld(object, ucs);
  if (!KyIsFinite(moved))
    return false;
  world = moved;
  return true;
}

namespace
{
CKyVariant makeChoiceList(const void* table, int count, int current)
{
  const KyChoice* choices = static_cast<const KyChoice*>(table);
  CKyVariantCollection list;
  list.Reserve(count);
  for (int i = 0; i < count; ++i)
    list.Add(CKyVariant(choices[i].code), CKyVariant(KyTr("property_values", choices[i].text)));
  list.SetCurrentIndex(current);
  return CKyVariant(std::move(list));
}
} // namespace

// The first entry with the code is current, else the first entry.
CKyVariant KyChoiceList(const KyChoice* choices, std::size_t count, int currentCode)
{
  int current = 0;
  for (std::size_t i = 0; i < count; ++i)
  {
    if (choices[i].code == currentCode)
    {
      current = static_cast<int>(i);
      break;
    }
  }
  return KyChoiceListOf(choices, static_cast<int>(count), current, &makeChoiceList);
}

// Many rows of every object are Yes/No lists: the two lists are kept at hand for the module
// session (forgetting the texts drops the lists they point to).
CKyVariant KyYesNoList(bool yes)
{
  static const KyChoice kYesNo[] = {{1, QT_TRANSLATE_NOOP("property_values", "Yes")},
                                    {0, QT_TRANSLATE_NOOP("property_values", "No")}};
  static const CKyVariant* lists[2] = {};
  static unsigned session = 0;
  if (session != g_kyTextSession)
  {
    lists[0] = lists[1] = nullptr;
    session = g_kyTextSession;
  }
  const int current = yes ? 0 : 1;
  if (!lists[current])
    lists[current] = &KyChoiceListOf(kYesNo, 2, current, &makeChoiceList);
  return *lists[current];
}

const CKyString& KyYesNoText(bool yes)
{
  return yes ? KyTr("property_values", QT_TRANSLATE_NOOP("property_values", "Yes"))
             : KyTr("property_values", QT_TRANSLATE_NOOP("property_values", "No"));
}

bool KyChosenCode(const CKyVariant& value, int& code)
{
  if (value.GetType() != CKyVariant::kCollectionElement)
    return false;
  code = value.GetCollectionElement().GetTag().GetInt32();
  return true;
}

namespace
{
CKyVariant makeSelector(const void*, int, int count)
{
  CKyVariantCollection list;
  list.Reserve(count);
  for (int n = 1; n <= count; ++n)
    list.Add(CKyVariant(n), CKyVariant(n));
  list.SetCurrentIndex(0);
  return CKyVariant(std::move(list));
}
} // namespace

CKyVariant KyElementSelector(int count)
{
  // Every read of a vertex or point row shows the selector: the lists of the usual sizes are
  // made once and shared (a list in a variant is not changed again). The choice-list store keeps
  // one list per entry of a table; here one table of kKept + 1 "entries" keeps the list of each
  // size under that size.
  static const char kSelectors = 0;
  const int kKept = 4096;
  if (count < 0 || count > kKept)
    return makeSelector(nullptr, 0, count);
  return KyChoiceListOf(&kSelectors, kKept + 1, count, makeSelector);
}

bool KySizeOf(const CKyVariant& value, double& out)
{
  if (!KyDoubleOf(value, out) || out == 0.0)
    return false;
  out = std::fabs(out);
  return true;
}

CKyVariant KyNormalComponent(const OdDbObject* object, const OdGeVector3d& normal, KyAxis axis)
{
  return KyUcsComponent(object, OdGePoint3d::kOrigin + normal, axis);
}

bool KyIsParallelToActiveUcs(const OdGeVector3d& normal)
{
  CKyDocument* document = ACTIVE_DOCUMENT();
  if (!document)
    return false;
  OdDbObjectPtr viewport = document->GetActiveViewportId().openObject(OdDb::kForRead);
  OdAbstractViewPEPtr view = OdAbstractViewPE::cast(viewport);
  if (view.isNull())
    return false;
  OdGePoint3d origin;
  OdGeVector3d xAxis, yAxis;
  view->getUcs(viewport, origin, xAxis, yAxis);
  return normal.isCodirectionalTo(xAxis.crossProduct(yAxis));
}

CKyDatabase KyUnitsOf(const OdDbObject* object)
{
  if (CKyDocument* document = ACTIVE_DOCUMENT())
    return document->GetKyDatabase();
  return CKyDatabase(object ? object->database() : nullptr);
}

CKyVariant KyAreaValue(const OdDbObject* object, double area, const CKyVariant& context,
                       const CKyString& sqInchTemplate)
{
  if (KyWantsNumber(context))
    return CKyVariant(area, true);
  const CKyDatabase units = KyUnitsOf(object);
  if (!units.IsValid())
    return CKyVariant();
  const int mode = units.GetLinearUnitMode();
  if (mode == 3 || mode == 4)
    return CKyVariant(CKyString(sqInchTemplate.toQString().arg(units.FormatArea(area, 2, -1).toQString(),
                                                   units.FormatArea(area / 144.0, 2, -1).toQString())));
  return CKyVariant(units.FormatArea(area, -1, -1));
}
