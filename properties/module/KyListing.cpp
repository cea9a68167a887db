// Listing helpers.
#include "KyListing.h"

#include <cmath>

#include "DbObject.h"
#include "Ge/GeVector2d.h"
#include "KyAccessors.h"
#include "KyObjectAnnotationContext.h"

double KyAngleInXYPlane(double dx, double dy)
{
  const OdGeVector2d v(dx, dy);
  const double len = v.length();
  if (len <= 1e-10 && len >= -1e-10)
    return 0.0;
  double angle = v.angle();
  if (angle < 0.0)
    angle += 6.283185307179586;
  return angle;
}

OdGePoint3d KyToReportSystem(const CKyPrintInfoContext* context, const OdGePoint3d& world)
{
  if (!context->IsPrintInUCS())
    return world;
  OdGePoint3d p = world;
  p.transformBy(context->GetWorldToWorkingPlaneMatrix());
  return p;
}

void KyPrintAnnotationInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  const OdDbObjectId id = object->objectId();
  const CKyString label = KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Annotative"));
  if (!CKyObjectAnnotationContext::IsAnnotative(id))
  {
    context->PrintString(label, KyYesNoText(false));
    return;
  }
  context->PrintString(label, KyYesNoText(true));
  context->PrintString(KyInfoLabel(QT_TRANSLATE_NOOP("info_items", "Annotative Scale")),
                       CKyObjectAnnotationContext(id).GetCurrentScale());
}
