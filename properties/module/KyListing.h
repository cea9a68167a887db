// Helpers shared by the listing (object information) classes.
#ifndef KY_LISTING_H
#define KY_LISTING_H

#include <QCoreApplication>

#include "Ge/GeMatrix3d.h"
#include "Ge/GePoint3d.h"
#include "KyPrintInfoContext.h"
#include "KyString.h"

class OdDbObject;

// Label translated in "info_items". Pass the key through QT_TRANSLATE_NOOP("info_items", ...).
inline CKyString KyInfoLabel(const char* key)
{
  return CKyString(QCoreApplication::translate("info_items", key));
}

// Angle of the XY part of a vector, normalised into [0, 2π); 0 when the XY length lies within
// ±1e-10 (a vertical or degenerate direction).
double KyAngleInXYPlane(double dx, double dy);

// The points as the report shows them: transformed to the working plane when printing in the UCS.
OdGePoint3d KyToReportSystem(const CKyPrintInfoContext* context, const OdGePoint3d& world);

// The annotation block shared by the listings of annotative kinds: "Annotative" Yes or No and,
// for an annotative object, its current "Annotative Scale".
void KyPrintAnnotationInfo(const OdDbObject* object, CKyPrintInfoContext* context);

#endif
