// CKyPropertiesModule: the module object. It owns one static instance of every extension it
// attaches and registers them, and their run-time classes, in initApp; uninitApp undoes it.
#ifndef KY_PROPERTIES_MODULE_H
#define KY_PROPERTIES_MODULE_H

#include "Ky2dPolylinePE.h"
#include "Ky3dPolylinePE.h"
#include "KyAlignedDimensionPE.h"
#include "KyDimension1ArrowPE.h"
#include "KyArcPE.h"
#include "KyAttributeDefinitionPE.h"
#include "KyAttributePE.h"
#include "KyCirclePE.h"
#include "KyEllipsePE.h"
#include "KyEntityPE.h"
#include "KyFacePE.h"
#include "KyHelixPE.h"
#include "KyLinePE.h"
#include "KyMlinePE.h"
#include "KyMTextPE.h"
#include "KyPointPE.h"
#include "KyPolylinePE.h"
#include "KyRayPE.h"
#include "KyRotatedDimensionPE.h"
#include "KyShapePE.h"
#include "KyBlockReferencePE.h"
#include "KyHatchPE.h"
#include "KyMInsertBlockPE.h"
#include "KySolidPE.h"
#include "KySplinePE.h"
#include "KyPrintObjectInfoPE.h"
#include "KyTextPE.h"
#include "KyTracePE.h"
#include "KyVertexPE.h"
#include "KyXlinePE.h"
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
  OdStaticRxObject<CKyAlignedDimensionPE> m_alignedDimensionPE;
  OdStaticRxObject<CKyArcPE> m_arcPE;
  OdStaticRxObject<CKyAttributeDefinitionPE> m_attributeDefinitionPE;
  OdStaticRxObject<CKyAttributePE> m_attributePE;
  OdStaticRxObject<CKyBlockReferencePE> m_blockReferencePE;
  OdStaticRxObject<CKyCirclePE> m_circlePE;
  OdStaticRxObject<CKyDimensionPE> m_dimensionPE;
  OdStaticRxObject<CKyEllipsePE> m_ellipsePE;
  OdStaticRxObject<CKyEntityPE> m_entityPE;
  OdStaticRxObject<CKyFacePE> m_facePE;
  OdStaticRxObject<CKyHelixPE> m_helixPE;
  OdStaticRxObject<CKyLinePE> m_linePE;
  OdStaticRxObject<CKyMInsertBlockPE> m_mInsertBlockPE;
  OdStaticRxObject<CKyMlinePE> m_mlinePE;
  OdStaticRxObject<CKyMTextPE> m_mtextPE;
  OdStaticRxObject<CKyPointPE> m_pointPE;
  OdStaticRxObject<CKyPolylinePE> m_polylinePE;
  OdStaticRxObject<CKyRayPE> m_rayPE;
  OdStaticRxObject<CKyRotatedDimensionPE> m_rotatedDimensionPE;
  OdStaticRxObject<CKyShapePE> m_shapePE;
  OdStaticRxObject<CKyHatchPE> m_hatchPE;
  OdStaticRxObject<CKySolidPE> m_solidPE;
  OdStaticRxObject<CKySplinePE_Prop> m_splinePE;
  OdStaticRxObject<CKyTextPE> m_textPE;
  OdStaticRxObject<CKyTracePE> m_tracePE;
  OdStaticRxObject<CKyVertexPE> m_vertexPE;
  OdStaticRxObject<CKyXlinePE> m_xlinePE;

  OdStaticRxObject<CKy2dPolylineInfo> m_2dPolylineInfo;
  OdStaticRxObject<CKy3dPolylineInfo> m_3dPolylineInfo;
  OdStaticRxObject<CKyAlignedDimensionInfo> m_alignedDimensionInfo;
  OdStaticRxObject<CKyArcInfo> m_arcInfo;
  OdStaticRxObject<CKyAttributeDefinitionInfo> m_attributeDefinitionInfo;
  OdStaticRxObject<CKyBlockAttributeInfo> m_blockAttributeInfo;
  OdStaticRxObject<CKyBlockReferenceInfo> m_blockReferenceInfo;
  OdStaticRxObject<CKyCircleInfo> m_circleInfo;
  OdStaticRxObject<CKyEllipseInfo> m_ellipseInfo;
  OdStaticRxObject<CKyPrintObjectInfoPE> m_entityInfo;
  OdStaticRxObject<CKyFaceInfo> m_faceInfo;
  OdStaticRxObject<CKyHelixInfo> m_helixInfo;
  OdStaticRxObject<CKyLineInfo> m_lineInfo;
  OdStaticRxObject<CKyMlineInfo> m_mlineInfo;
  OdStaticRxObject<CKyMTextInfo> m_mtextInfo;
  OdStaticRxObject<CKyPointInfo> m_pointInfo;
  OdStaticRxObject<CKyPolylineInfo> m_polylineInfo;
  OdStaticRxObject<CKyRayInfo> m_rayInfo;
  OdStaticRxObject<CKyRotatedDimensionInfo> m_rotatedDimensionInfo;
  OdStaticRxObject<CKyShapeInfo> m_shapeInfo;
  OdStaticRxObject<CKyHatchInfo> m_hatchInfo;
  OdStaticRxObject<CKySolidInfo> m_solidInfo;
  OdStaticRxObject<CKySplineInfo> m_splineInfo;
  OdStaticRxObject<CKyTextInfo> m_textInfo;
  OdStaticRxObject<CKyTraceInfo> m_traceInfo;
  OdStaticRxObject<CKyVertexInfo> m_vertexInfo;
  OdStaticRxObject<CKyXlineInfo> m_xlineInfo;
};

#endif
