// CKyCirclePE and CKyCircleInfo: palette rows and listing of circles. Every size measure
// (radius, diameter, circumference, area) can be edited and is converted back to a radius.
#ifndef KY_CIRCLE_PE_H
#define KY_CIRCLE_PE_H

#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"

class CKyCirclePE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyCirclePE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  static CKyVariant GetThickness(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetThickness(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetCenterX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetCenterY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetCenterZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetCenterX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetCenterY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetCenterZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetRadius(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetRadius(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetDiameter(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetDiameter(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetCircumference(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetCircumference(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetArea(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetArea(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetNormalX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetNormalY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetNormalZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);

  static KyDescriptionList s_Names;
};

class CKyCircleInfo : public CKyPrintObjectInfoPE
{
public:
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

#endif
