// CKyEllipsePE and CKyEllipseInfo: palette rows and listing of ellipses and elliptical arcs. The
// radii, the ratio and the sweep angles are edited so that the ellipse stays valid: the major
// radius never falls below the minor one and an arc never collapses to no sweep.
#ifndef KY_ELLIPSE_PE_H
#define KY_ELLIPSE_PE_H

#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"

class CKyEllipsePE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyEllipsePE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  static CKyVariant GetStartX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetStartY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetStartZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetCenterX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetCenterX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetCenterY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetCenterY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetCenterZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetCenterZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetEndX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetEndY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetEndZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetMajorRadius(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetMajorRadius(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetMinorRadius(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetMinorRadius(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetRadiusRatio(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetRadiusRatio(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetStartAngle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetStartAngle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetEndAngle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetEndAngle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetMajorVectorX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetMajorVectorY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetMajorVectorZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetMinorVectorX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetMinorVectorY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetMinorVectorZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);

  static KyDescriptionList s_Names;
};

class CKyEllipseInfo : public CKyPrintObjectInfoPE
{
public:
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

#endif
