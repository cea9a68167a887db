// CKyPointPE and CKyPointInfo: palette rows and listing of point entities: the thickness and the
// position, edited one UCS component at a time.
#ifndef KY_POINT_PE_H
#define KY_POINT_PE_H

#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"

class CKyPointPE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyPointPE);

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

  static KyDescriptionList s_Names;
};

class CKyPointInfo : public CKyPrintObjectInfoPE
{
public:
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

#endif
