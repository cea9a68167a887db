// Heavy polyline vertices: the general rows and the common listing lines only.
#include "KyVertexPE.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>

#include "DbVertex.h"
#include "KyAccessors.h"
#include "KyDatabase.h"
#include "RxObjectImpl.h"

ODRX_CONS_DEFINE_MEMBERS(CKyVertexPE, CKyEntityPE, RXIMPL_CONSTR)

CKyString CKyVertexPE::GetClassName(const OdDbObject*)
{
  return CKyString(QCoreApplication::translate("entity_types", "Vertex"));
}

void CKyVertexPE::GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container,
                                   const OdRxClass* objectClass, const OdRxClass* extensionClass, bool skipAdd)
{
  container = nullptr;
  CKyEntityPE::GetPropertyNames(object, container, objectClass, extensionClass, skipAdd);
}

bool CKyVertexPE::HasDynamicProperties()
{
  return CKyPropertyPEImpl::HasDynamicProperties();
}

void CKyVertexPE::GetPropertyNamesDynamic(const OdDbObject*, CKyPropertiesContainerImpl*) {}

bool CKyVertexInfo::PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context)
{
  return CKyPrintObjectInfoPE::PrintObjectInfo(object, context);
}

OdInt16 KySplineSegmentsOf(const OdDbObject* object)
{
  const CKyDatabase units = KyUnitsOf(object);
  const int segments = units.IsValid() ? std::abs(units.GetSplineSegments()) : 0;
  return static_cast<OdInt16>(segments > 0 ? std::min(segments, 32767) : 8);
}
