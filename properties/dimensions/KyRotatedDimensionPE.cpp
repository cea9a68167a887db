// Rotated dimension rows and listing.
#include "KyRotatedDimensionPE.h"

#include <QCoreApplication>

#include "DbRotatedDimension.h"
#include "KyDimUnitRows.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyRotatedDimensionPE, CKyDimension2ArrowPE, RXIMPL_CONSTR)

KyDescriptionList CKyRotatedDimensionPE::s_Names;

namespace
{
using namespace kydimrows;
const char* const kPointLabels[3] = {QT_TRANSLATE_NOOP("info_items", "1st extension defining point"),
                                     QT_TRANSLATE_NOOP("info_items", "2st extension defining point"),
                                     QT_TRANSLATE_NOOP("info_items", "defining point")};
} // namespace

CKyString CKyRotatedDimensionPE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "RotatedDimension"));
}

void CKyRotatedDimensionPE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                           const OdRxClass* objectClass, const OdRxClass* extensionClass,
                                           bool skipAdd)
{
  container = nullptr;
  CKyDimension2ArrowPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyRotatedDimensionPE::desc(),
                 OdDbRotatedDimension::desc(), s_Names, KyTable(kLinearRows));
}

bool CKyRotatedDimensionPE::HasDynamicProperties()
{
  return true;
}

void CKyRotatedDimensionPE::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

bool CKyRotatedDimensionInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  OdDbRotatedDimensionPtr dim = OdDbRotatedDimension::cast(object);
  if (dim.isNull())
    return CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  const OdGePoint3d points[3] = {dim->xLine1Point(), dim->xLine2Point(), dim->dimLinePoint()};
  return PrintLinear(object, context, QT_TRANSLATE_NOOP("info_values", "rotated"), kPointLabels, points);
}
