// CKySplinePE_Prop and CKySplineInfo: palette rows and listing of splines. Control points and fit
// points are navigated with two independent selectors, each passing its zero-based index as the
// context of its coordinate rows; the NURBS characteristics are shown read-only.
#ifndef KY_SPLINE_PE_H
#define KY_SPLINE_PE_H

#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"

class CKySplinePE_Prop : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKySplinePE_Prop);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  static CKyVariant GetNumberOfCtrlPoint(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetControlPoint(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetControlPoint(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetControlPointX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetControlPointX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetControlPointY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetControlPointY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetControlPointZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetControlPointZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetNumberOfFitPoint(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetFitPoint(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetFitPoint(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetFitPointX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetFitPointX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetFitPointY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetFitPointY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetFitPointZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetFitPointZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetDegree(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetClosed(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetPlanar(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetStartTangVectorX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetStartTangVectorY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetStartTangVectorZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetEndTangVectorX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetEndTangVectorY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetEndTangVectorZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetFitTolerance(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetFitTolerance(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetArea(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);

  static KyDescriptionList s_Names;
};

class CKySplineInfo : public CKyPrintObjectInfoPE
{
public:
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

#endif
