// Aligned dimension rows and listing.
#include "KyAlignedDimensionPE.h"

#include <QCoreApplication>

#include "DbAlignedDimension.h"
#include "KyDimUnitRows.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyAlignedDimensionPE, CKyDimension2ArrowPE, RXIMPL_CONSTR)

KyDescriptionList CKyAlignedDimensionPE::s_Names;

namespace
{
using namespace kydimrows;
const char* const kPointLabels[3] = {QT_TRANSLATE_NOOP("info_items", "1st extension  defining point"),
                                     QT_TRANSLATE_NOOP("info_items", "2nd extension  defining point"),
                                     QT_TRANSLATE_NOOP("info_items", "Dimension Line defining point")};
} // namespace

CKyString CKyAlignedDimensionPE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "AlignedDimension"));
}

void CKyAlignedDimensionPE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                           const OdRxClass* objectClass, const OdRxClass* extensionClass,
                                           bool skipAdd)
{
  container = nullptr;
  CKyDimension2ArrowPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
  KyCollectLevel(container, objectClass, extensionClass, skipAdd, CKyAlignedDimensionPE::desc(),
                 OdDbAlignedDimension::desc(), s_Names, KyTable(kLinearRows));
}

bool CKyAlignedDimensionPE::HasDynamicProperties()
{
  return true;
}

void CKyAlignedDimensionPE::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

bool CKyAlignedDimensionInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  OdDbAlignedDimensionPtr dim = OdDbAlignedDimension::cast(object);
  if (dim.isNull())
    return CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
  const OdGePoint3d points[3] = {dim->xLine1Point(), dim->xLine2Point(), dim->dimLinePoint()};
  return PrintLinear(object, context, QT_TRANSLATE_NOOP("info_values", "aligned"), kPointLabels, points);
}
