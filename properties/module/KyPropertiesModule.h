// CKyPropertiesModule: the module object. It owns one static instance of every extension it
// attaches and registers them, and their run-time classes, in initApp; uninitApp undoes it.
#ifndef KY_PROPERTIES_MODULE_H
#define KY_PROPERTIES_MODULE_H

#include "Ky2dPolylinePE.h"
#include "Ky3dPolylinePE.h"
#include "KyArcPE.h"
#include "KyCirclePE.h"
#include "KyEllipsePE.h"
#include "KyEntityPE.h"
#include "KyLinePE.h"
#include "KyMTextPE.h"
#include "KyPolylinePE.h"
#include "KyPrintObjectInfoPE.h"
#include "KyTextPE.h"
#include "KyVertexPE.h"
#include "RxModule.h"
#include "RxObjectImpl.h"

class CKyPropertiesModule : public OdRxModule
{
public:
  void initApp() override;
  void uninitApp() override;

private:
  struct Attachment
  {
    OdRxClass* (*objectClass)();
    OdRxObject* extension;
  };
  struct RunTimeClass
  {
    void (*init)();
    void (*uninit)();
  };

  // Registration lists, each in its fixed order; one line per class.
  std::vector<Attachment> propertyExtensions();
  std::vector<Attachment> styleExtensions();
  std::vector<Attachment> infoExtensions();
  static std::vector<RunTimeClass> baseClasses();
  static std::vector<RunTimeClass> concreteClasses();
  static std::vector<RunTimeClass> baseClassesInUninitOrder();

  OdStaticRxObject<CKy2dPolylinePE> m_2dPolylinePE;
  OdStaticRxObject<CKy3dPolylinePE> m_3dPolylinePE;
  OdStaticRxObject<CKyArcPE> m_arcPE;
  OdStaticRxObject<CKyCirclePE> m_circlePE;
  OdStaticRxObject<CKyEllipsePE> m_ellipsePE;
  OdStaticRxObject<CKyEntityPE> m_entityPE;
  OdStaticRxObject<CKyLinePE> m_linePE;
  OdStaticRxObject<CKyMTextPE> m_mtextPE;
  OdStaticRxObject<CKyPolylinePE> m_polylinePE;
  OdStaticRxObject<CKyTextPE> m_textPE;
  OdStaticRxObject<CKyVertexPE> m_vertexPE;

  OdStaticRxObject<CKy2dPolylineInfo> m_2dPolylineInfo;
  OdStaticRxObject<CKy3dPolylineInfo> m_3dPolylineInfo;
  OdStaticRxObject<CKyArcInfo> m_arcInfo;
  OdStaticRxObject<CKyCircleInfo> m_circleInfo;
  OdStaticRxObject<CKyEllipseInfo> m_ellipseInfo;
  OdStaticRxObject<CKyPrintObjectInfoPE> m_entityInfo;
  OdStaticRxObject<CKyLineInfo> m_lineInfo;
  OdStaticRxObject<CKyMTextInfo> m_mtextInfo;
  OdStaticRxObject<CKyPolylineInfo> m_polylineInfo;
  OdStaticRxObject<CKyTextInfo> m_textInfo;
  OdStaticRxObject<CKyVertexInfo> m_vertexInfo;
};

#endif
