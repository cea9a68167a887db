// Module object, entry points and the registration sequences.
#include "KyPropertiesModule.h"
#include "KyTexts.h"

#include "Db2dPolyline.h"
#include "Db3dPolyline.h"
#include "DbArc.h"
#include "DbCircle.h"
#include "DbEllipse.h"
#include "DbEntity.h"
#include "DbLine.h"
#include "DbMText.h"
#include "DbPolyline.h"
#include "DbText.h"
#include "DbVertex.h"
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
    {&classOf<OdDbArc>, &m_arcPE},
    {&classOf<OdDbCircle>, &m_circlePE},
    {&classOf<OdDbEllipse>, &m_ellipsePE},
    {&classOf<OdDbEntity>, &m_entityPE},
    {&classOf<OdDbLine>, &m_linePE},
    {&classOf<OdDbMText>, &m_mtextPE},
    {&classOf<OdDbPolyline>, &m_polylinePE},
    {&classOf<OdDbText>, &m_textPE},
    {&classOf<OdDbVertex>, &m_vertexPE},
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
    {&classOf<OdDbArc>, &m_arcInfo},
    {&classOf<OdDbCircle>, &m_circleInfo},
    {&classOf<OdDbEllipse>, &m_ellipseInfo},
    {&classOf<OdDbEntity>, &m_entityInfo},
    {&classOf<OdDbLine>, &m_lineInfo},
    {&classOf<OdDbMText>, &m_mtextInfo},
    {&classOf<OdDbPolyline>, &m_polylineInfo},
    {&classOf<OdDbText>, &m_textInfo},
    {&classOf<OdDbVertex>, &m_vertexInfo},
  };
}

std::vector<CKyPropertiesModule::RunTimeClass> CKyPropertiesModule::baseClasses()
{
  return {
    {&CKyEntityPE::rxInit, &CKyEntityPE::rxUninit},
  };
}

std::vector<CKyPropertiesModule::RunTimeClass> CKyPropertiesModule::concreteClasses()
{
  return {
    {&CKy2dPolylinePE::rxInit, &CKy2dPolylinePE::rxUninit},
    {&CKy3dPolylinePE::rxInit, &CKy3dPolylinePE::rxUninit},
    {&CKyArcPE::rxInit, &CKyArcPE::rxUninit},
    {&CKyCirclePE::rxInit, &CKyCirclePE::rxUninit},
    {&CKyEllipsePE::rxInit, &CKyEllipsePE::rxUninit},
    {&CKyLinePE::rxInit, &CKyLinePE::rxUninit},
    {&CKyMTextPE::rxInit, &CKyMTextPE::rxUninit},
    {&CKyPolylinePE::rxInit, &CKyPolylinePE::rxUninit},
    {&CKyTextPE::rxInit, &CKyTextPE::rxUninit},
    {&CKyVertexPE::rxInit, &CKyVertexPE::rxUninit},
  };
}

std::vector<CKyPropertiesModule::RunTimeClass> CKyPropertiesModule::baseClassesInUninitOrder()
{
  return {
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
