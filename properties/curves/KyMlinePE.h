// CKyMlinePE and CKyMlineInfo: palette rows and listing of multilines (shown as "RichLine"). A
// change of justification or scale re-sets every vertex in place, which makes the multiline
// recompute its elements.
#ifndef KY_MLINE_PE_H
#define KY_MLINE_PE_H

#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"

class CKyMlinePE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyMlinePE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  static CKyVariant GetMlineStyle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetMlineJustification(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetMlineJustification(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                   const CKyVariant&);
  static CKyVariant GetMlineScale(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetMlineScale(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);

  static KyDescriptionList s_Names;
};

class CKyMlineInfo : public CKyPrintObjectInfoPE
{
public:
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

#endif
