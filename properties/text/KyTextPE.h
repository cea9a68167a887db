// CKyTextPE and CKyTextInfo: palette rows and listing of single-line text. Besides its listed rows
// a text gets per-object annotation rows; for an annotative text the dynamic pass turns the shared
// "Height" row into a read-only "Model text height" row, and turns it back on the next pass over
// a text that is not annotative.
#ifndef KY_TEXT_PE_H
#define KY_TEXT_PE_H

#include "KyAnnotationRows.h"
#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"

class CKyTextPE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyTextPE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  static CKyVariant GetThickness(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetThickness(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetContents(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetContents(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetStyle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetStyle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetJustify(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetJustify(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetHeight(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetHeight(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetRotation(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetRotation(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsRotationReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetWidthFactor(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetWidthFactor(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetObliquing(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetObliquing(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetTextAligmentX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetTextAligmentY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetTextAligmentZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetTextAligmentX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetTextAligmentY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetTextAligmentZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsTextAligmentXReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetPositionX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetPositionY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetPositionZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetPositionX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetPositionY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetPositionZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsPositionXReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetUpsideDown(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetUpsideDown(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsUpsideDownReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetBackward(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetBackward(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsBackwardReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetMATCHPROP_Text(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetMATCHPROP_Text(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);

  // Per-object rows: one getter, setter and read-only predicate for all of them, dispatching on
  // the row's translated name through kDynamicRows (attribute definitions answer through it
  // too), and the group action of "Annotative Scale".
  static const KyDynamicRowAccessors kDynamicRows[4];
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
  static CKyVariant GetDynamicPropertyMatchOrientation(const OdDbObject*, const CKyPropertyDescription&,
                                                       const CKyVariant&);
  static int SetDynamicPropertyMatchOrientation(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                                const CKyVariant&);

  // The text (open for write) takes the height of its new style where that style fixes one.
  static void updatePropetiesForTextStyleChange(const OdDbObject* object);
  // Refused (false) for aligned and fitted texts; otherwise the text becomes annotative or not.
  static bool updatePropertiesForAnnotativeChange(const OdDbObject* object, bool annotative);
  // The height through the annotation service (a sheet height for annotative texts); false when
  // the text is not open for write, the value is zero or the service refuses it.
  static bool updatePropertiesForHeightChange(const OdDbObject* object, double height);

  static KyDescriptionList s_Names;
};

class CKyTextInfo : public CKyPrintObjectInfoPE
{
public:
  CKyString GetClassName(const OdDbObject* object) override;
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
  virtual void PrintAnnotationInfo(const OdDbObject* object, CKyPrintInfoContext* context);
};

#endif
