// Module object, entry points and the registration sequences.
#include "KyPropertiesModule.h"
#include "KyDimVarRows.h"
#include "KyTexts.h"

#include "Db2dPolyline.h"
#include "Db3dPolyline.h"
#include "DbAlignedDimension.h"
#include "DbArc.h"
#include "DbAttribute.h"
#include "DbAttributeDefinition.h"
#include "DbBlockReference.h"
#include "DbCircle.h"
#include "DbEllipse.h"
#include "DbEntity.h"
#include "DbFace.h"
#include "DbHelix.h"
#include "DbLine.h"
#include "DbMline.h"
#include "DbMText.h"
#include "DbPoint.h"
#include "DbPolyline.h"
#include "DbRay.h"
#include "DbRotatedDimension.h"
#include "DbShape.h"
#include "DbHatch.h"
#include "DbMInsertBlock.h"
#include "DbSolid.h"
#include "DbSpline.h"
#include "DbText.h"
#include "DbTrace.h"
#include "DbVertex.h"
#include "DbXline.h"
#include "KyPropertyBase.h"

namespace
{
CKyPropertiesModule* g_pModule = nullptr;

template <class T>
OdRxClass* classOf()
{
  return T::desc();
}
} // namespace

std::vector<CKyPropertiesModule::Attachment> CKyPropertiesModule::propertyExtensions()
{
  return {
    {&classOf<OdDb2dPolyline>, &m_2dPolylinePE},
    {&classOf<OdDb3dPolyline>, &m_3dPolylinePE},
    {&classOf<OdDbAlignedDimension>, &m_alignedDimensionPE},
    {&classOf<OdDbArc>, &m_arcPE},
    {&classOf<OdDbAttributeDefinition>, &m_attributeDefinitionPE},
    {&classOf<OdDbAttribute>, &m_attributePE},
    {&classOf<OdDbBlockReference>, &m_blockReferencePE},
    {&classOf<OdDbCircle>, &m_circlePE},
    {&classOf<OdDbDimension>, &m_dimensionPE},
    {&classOf<OdDbEllipse>, &m_ellipsePE},
    {&classOf<OdDbEntity>, &m_entityPE},
    {&classOf<OdDbFace>, &m_facePE},
    {&classOf<OdDbHatch>, &m_hatchPE},
    {&classOf<OdDbLine>, &m_linePE},
    {&classOf<OdDbMInsertBlock>, &m_mInsertBlockPE},
    {&classOf<OdDbMline>, &m_mlinePE},
    {&classOf<OdDbMText>, &m_mtextPE},
    {&classOf<OdDbPoint>, &m_pointPE},
    {&classOf<OdDbPolyline>, &m_polylinePE},
    {&classOf<OdDbRay>, &m_rayPE},
    {&classOf<OdDbRotatedDimension>, &m_rotatedDimensionPE},
    {&classOf<OdDbShape>, &m_shapePE},
    {&classOf<OdDbSolid>, &m_solidPE},
    {&classOf<OdDbSpline>, &m_splinePE},
    {&classOf<OdDbText>, &m_textPE},
    {&classOf<OdDbTrace>, &m_tracePE},
    {&classOf<OdDbVertex>, &m_vertexPE},
    {&classOf<OdDbXline>, &m_xlinePE},
    {&classOf<OdDbHelix>, &m_helixPE},
  };
}

std::vector<CKyPropertiesModule::Attachment> CKyPropertiesModule::styleExtensions()
{
  return {};
}

std::vector<CKyPropertiesModule::Attachment> CKyPropertiesModule::infoExtensions()
{
  return {
    {&classOf<OdDb2dPolyline>, &m_2dPolylineInfo},
    {&classOf<OdDb3dPolyline>, &m_3dPolylineInfo},
    {&classOf<OdDbAlignedDimension>, &m_alignedDimensionInfo},
    {&classOf<OdDbArc>, &m_arcInfo},
    {&classOf<OdDbAttributeDefinition>, &m_attributeDefinitionInfo},
    {&classOf<OdDbAttribute>, &m_blockAttributeInfo},
    {&classOf<OdDbBlockReference>, &m_blockReferenceInfo},
    {&classOf<OdDbCircle>, &m_circleInfo},
    {&classOf<OdDbEllipse>, &m_ellipseInfo},
    {&classOf<OdDbEntity>, &m_entityInfo},
    {&classOf<OdDbFace>, &m_faceInfo},
    {&classOf<OdDbHatch>, &m_hatchInfo},
    {&classOf<OdDbLine>, &m_lineInfo},
    {&classOf<OdDbMline>, &m_mlineInfo},
    {&classOf<OdDbMText>, &m_mtextInfo},
    {&classOf<OdDbPoint>, &m_pointInfo},
    {&classOf<OdDbPolyline>, &m_polylineInfo},
    {&classOf<OdDbRay>, &m_rayInfo},
    {&classOf<OdDbRotatedDimension>, &m_rotatedDimensionInfo},
    {&classOf<OdDbShape>, &m_shapeInfo},
    {&classOf<OdDbSolid>, &m_solidInfo},
    {&classOf<OdDbSpline>, &m_splineInfo},
    {&classOf<OdDbText>, &m_textInfo},
    {&classOf<OdDbTrace>, &m_traceInfo},
    {&classOf<OdDbVertex>, &m_vertexInfo},
    {&classOf<OdDbXline>, &m_xlineInfo},
    {&classOf<OdDbHelix>, &m_helixInfo},
  };
}

std::vector<CKyPropertiesModule::RunTimeClass> CKyPropertiesModule::baseClasses()
{
  return {
    {&CKyEntityPE::rxInit, &CKyEntityPE::rxUninit},
    {&CKyDimensionPE::rxInit, &CKyDimensionPE::rxUninit},
    {&CKyDimension1ArrowPE::rxInit, &CKyDimension1ArrowPE::rxUninit},
    {&CKyDimension2ArrowPE::rxInit, &CKyDimension2ArrowPE::rxUninit},
  };
}

std::vector<CKyPropertiesModule::RunTimeClass> CKyPropertiesModule::concreteClasses()
{
  return {
    {&CKy2dPolylinePE::rxInit, &CKy2dPolylinePE::rxUninit},
    {&CKy3dPolylinePE::rxInit, &CKy3dPolylinePE::rxUninit},
    {&CKyAlignedDimensionPE::rxInit, &CKyAlignedDimensionPE::rxUninit},
    {&CKyArcPE::rxInit, &CKyArcPE::rxUninit},
    {&CKyAttributeDefinitionPE::rxInit, &CKyAttributeDefinitionPE::rxUninit},
    {&CKyAttributePE::rxInit, &CKyAttributePE::rxUninit},
    {&CKyBlockReferencePE::rxInit, &CKyBlockReferencePE::rxUninit},
    {&CKyCirclePE::rxInit, &CKyCirclePE::rxUninit},
    {&CKyEllipsePE::rxInit, &CKyEllipsePE::rxUninit},
    {&CKyFacePE::rxInit, &CKyFacePE::rxUninit},
    {&CKyHatchPE::rxInit, &CKyHatchPE::rxUninit},
    {&CKyHelixPE::rxInit, &CKyHelixPE::rxUninit},
    {&CKyLinePE::rxInit, &CKyLinePE::rxUninit},
    {&CKyMInsertBlockPE::rxInit, &CKyMInsertBlockPE::rxUninit},
    {&CKyMlinePE::rxInit, &CKyMlinePE::rxUninit},
    {&CKyMTextPE::rxInit, &CKyMTextPE::rxUninit},
    {&CKyPointPE::rxInit, &CKyPointPE::rxUninit},
    {&CKyPolylinePE::rxInit, &CKyPolylinePE::rxUninit},
    {&CKyRayPE::rxInit, &CKyRayPE::rxUninit},
    {&CKyRotatedDimensionPE::rxInit, &CKyRotatedDimensionPE::rxUninit},
    {&CKyShapePE::rxInit, &CKyShapePE::rxUninit},
    {&CKySolidPE::rxInit, &CKySolidPE::rxUninit},
    {&CKySplinePE_Prop::rxInit, &CKySplinePE_Prop::rxUninit},
    {&CKyTextPE::rxInit, &CKyTextPE::rxUninit},
    {&CKyTracePE::rxInit, &CKyTracePE::rxUninit},
    {&CKyVertexPE::rxInit, &CKyVertexPE::rxUninit},
    {&CKyXlinePE::rxInit, &CKyXlinePE::rxUninit},
  };
}

std::vector<CKyPropertiesModule::RunTimeClass> CKyPropertiesModule::baseClassesInUninitOrder()
{
  return {
    {&CKyDimension1ArrowPE::rxInit, &CKyDimension1ArrowPE::rxUninit},
    {&CKyDimension2ArrowPE::rxInit, &CKyDimension2ArrowPE::rxUninit},
    {&CKyDimensionPE::rxInit, &CKyDimensionPE::rxUninit},
    {&CKyEntityPE::rxInit, &CKyEntityPE::rxUninit},
  };
}

void CKyPropertiesModule::initApp()
{
  CKyPropertyBase::rxInit();
  CKyPropertyPEClassFactory::create();
  for (const Attachment& a : propertyExtensions())
    a.objectClass()->addX(CKyPropertyBase::desc(), a.extension); // the replaced object is released
  for (const RunTimeClass& c : baseClasses())
    c.init();
  for (const RunTimeClass& c : concreteClasses())
    c.init();
  for (const Attachment& a : styleExtensions())
    a.objectClass()->addX(CKyPropertyBase::desc(), a.extension);
  CKyPrintObjectInfoPE::rxInit();
  for (const Attachment& a : infoExtensions())
    a.objectClass()->addX(CKyPrintObjectInfoPE::desc(), a.extension);
}

void CKyPropertiesModule::uninitApp()
{
  for (const Attachment& a : propertyExtensions())
    a.objectClass()->delX(CKyPropertyBase::desc());
  for (const Attachment& a : styleExtensions())
    a.objectClass()->delX(CKyPropertyBase::desc());
  for (const RunTimeClass& c : concreteClasses())
    c.uninit();
  for (const RunTimeClass& c : baseClassesInUninitOrder())
    c.uninit();
  CKyPropertyBase::rxUninit();
  for (const Attachment& a : infoExtensions())
    a.objectClass()->delX(CKyPrintObjectInfoPE::desc());
  CKyPropertyPEClassFactory::destroy();
  CKyPrintObjectInfoPE::rxUninit();
  KyDimForgetLinetypes();
  KyForgetTexts();
}

extern "C"
{
__attribute__((visibility("default"))) OdRxModule* odrxCreateModuleObject(void* hModule, const wchar_t* szModuleName)
{
  if (!g_pModule)
    g_pModule = OdRxUnixModule<CKyPropertiesModule>::createModule(hModule, OdString(szModuleName));
  return g_pModule;
}

__attribute__((visibility("default"))) void odrxGetAPIVersion(int& nMajorVersion, int& nMinorVersion,
                                                              int& nBuildVersion, int& nPatchVersion)
{
  nMajorVersion = 4;
  nMinorVersion = 1;
  nBuildVersion = 1;
  nPatchVersion = 0;
}

__attribute__((visibility("default"))) void deleteModuleObject()
{
  g_pModule = nullptr;
}
}
