// CKyShapePE and CKyShapeInfo: palette rows and listing of shapes: thickness, position edited one
// UCS component at a time, the name (read-only), size, rotation, width factor and obliquing.
#ifndef KY_SHAPE_PE_H
#define KY_SHAPE_PE_H

#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"

class CKyShapePE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyShapePE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  static CKyVariant GetThickness(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetThickness(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetPositionX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetPositionY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetPositionZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetPositionX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetPositionY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetPositionZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetName(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetSize(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetSize(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetRotation(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetRotation(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetWidthFactor(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetWidthFactor(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetObliquing(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetObliquing(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);

  static KyDescriptionList s_Names;
};

class CKyShapeInfo : public CKyPrintObjectInfoPE
{
public:
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

#endif
