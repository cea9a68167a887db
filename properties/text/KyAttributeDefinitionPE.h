// CKyAttributeDefinitionPE and CKyAttributeDefinitionInfo: palette rows and listing of attribute
// definitions. The listed rows are single-line text rows with the tag, prompt, default value and
// mode flags; per object come the rows whose editability depends on the single-line or
// multiline form (Justify lists the nine attachments for a multiline definition) and the
// annotation rows of text.
#ifndef KY_ATTRIBUTE_DEFINITION_PE_H
#define KY_ATTRIBUTE_DEFINITION_PE_H

#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"

class CKyAttributeDefinitionPE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyAttributeDefinitionPE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  static CKyVariant GetTag(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetTag(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetPrompt(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetPrompt(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetValue(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetValue(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetStyle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetHeight(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetRotation(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static bool IsRotationReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetInvisible(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetInvisible(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetConstant(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetConstant(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetVerify(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetVerify(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetPreset(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetPreset(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetLockPosition(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetLockPosition(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);

  // Per-object rows that depend on the form: one getter, setter and read-only predicate that
  // look the row's name up in one table.
  static CKyVariant GetDynamicPropertyAttMultilines(const OdDbObject*, const CKyPropertyDescription&,
                                                    const CKyVariant&);
  static int SetDynamicPropertyAttMultilines(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                             const CKyVariant&);
  static bool IsDynamicPropertyAttMultilinesReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetDynamicPropertyJustify(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetDynamicPropertyJustify(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                       const CKyVariant&);
  static bool IsDynamicPropertyJustifyReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetDynamicPropertyMultilines(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetDynamicPropertyMultilines(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                          const CKyVariant&);
  static int SetWidthFactor(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetObliquing(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetMtextWidth(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetMtextWidth(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsMultiline(const OdDbObject*, const CKyPropertyDescription&);
  static bool IsSingleLine(const OdDbObject*, const CKyPropertyDescription&);

  // The annotation rows, added after the form's rows.
  static void GetAnnotativeScalingPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container);
  static CKyVariant GetDynamicPropertyValue(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetDynamicPropertyValue(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                     const CKyVariant&);
  static bool IsDynamicPropertyReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant PerformGroupAction(const OdArray<OdDbObjectId>& ids, const CKyPropertyDescription&,
                                       const CKyVariant& value, const CKyVariant& context);

  static KyDescriptionList s_Names;
};

class CKyAttributeDefinitionInfo : public CKyPrintObjectInfoPE
{
public:
  CKyString GetClassName(const OdDbObject* object) override;
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
  virtual void PrintAnnotationInfo(const OdDbObject* object, CKyPrintInfoContext* context);
};

#endif
