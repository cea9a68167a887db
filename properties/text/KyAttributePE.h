// CKyAttributePE and CKyBlockAttributeInfo: an attribute placed on a block reference shows only
// the General rows; its value is edited through the reference's per-attribute rows.
#ifndef KY_ATTRIBUTE_PE_H
#define KY_ATTRIBUTE_PE_H

#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"

class CKyAttributePE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyAttributePE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  // Stays empty: the level adds no rows of its own.
  static KyDescriptionList s_Names;
};

class CKyBlockAttributeInfo : public CKyPrintObjectInfoPE
{
public:
  CKyString GetClassName(const OdDbObject* object) override;
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

#endif
