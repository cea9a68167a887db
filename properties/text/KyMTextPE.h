// CKyMTextPE and CKyMTextInfo: palette rows and listing of multiline text. The rotation is shown
// relative to the current UCS; changing the justification keeps the text box in place. Like
// single-line text it gets per-object annotation rows, with sheet and model widths besides the
// heights.
#ifndef KY_MTEXT_PE_H
#define KY_MTEXT_PE_H

#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"

class CKyMTextPE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyMTextPE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  static CKyVariant GetContents(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetContents(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetStyle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetStyle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetJustify(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetJustify(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetDirection(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetDirection(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetWidth(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetWidth(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetTextHeight(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetTextHeight(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetRotation(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetRotation(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsRotationReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetBackgroundMask(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetBackgroundMask(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetLineSpaceFactor(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetLineSpaceFactor(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetLineSpaceDist(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetLineSpaceDist(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetLineSpaceStyle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetLineSpaceStyle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetPositionX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetPositionY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetPositionZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetPositionX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetPositionY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetPositionZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetMATCHPROP_Text(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetMATCHPROP_Text(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);

  // Per-object rows, dispatching on the row's translated name, and the group action of
  // "Annotative Scale".
  static CKyVariant GetDynamicPropertyValue(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetDynamicPropertyValue(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                     const CKyVariant&);
  static bool IsDynamicPropertyReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant PerformGroupAction(const OdArray<OdDbObjectId>& ids, const CKyPropertyDescription&,
                                       const CKyVariant& value, const CKyVariant& context);
  static CKyVariant GetDynamicPropertyAnnotative(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetDynamicPropertyAnnotative(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                          const CKyVariant&);
  static CKyVariant GetDynamicPropertyAnnotativeScale(const OdDbObject*, const CKyPropertyDescription&,
                                                      const CKyVariant&);
  static int SetDynamicPropertyAnnotativeScale(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                               const CKyVariant&);
  static CKyVariant GetDynamicPropertySheetTextHeight(const OdDbObject*, const CKyPropertyDescription&,
                                                      const CKyVariant&);
  static int SetDynamicPropertySheetTextHeight(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                               const CKyVariant&);
  static CKyVariant GetDynamicPropertySheetWidth(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetDynamicPropertyMatchOrientation(const OdDbObject*, const CKyPropertyDescription&,
                                                       const CKyVariant&);
  static int SetDynamicPropertyMatchOrientation(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                                const CKyVariant&);

  // The text (open for write) takes the height of its new style where that style fixes one.
  static void updatePropetiesForTextStyleChange(const OdDbObject* object);
  // The text height through the annotation service (a sheet height for annotative texts).
  static bool updatePropertiesForHeightChange(const OdDbObject* object, double height);

  static KyDescriptionList s_Names;
};

class CKyMTextInfo : public CKyPrintObjectInfoPE
{
public:
  CKyString GetClassName(const OdDbObject* object) override;
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
  virtual void PrintAnnotationInfo(const OdDbObject* object, CKyPrintInfoContext* context);
};

#endif
