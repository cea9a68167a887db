// CKyDimensionPE and CKyDimensionInfo: the rows every dimension shows (style, arrow size, text,
// fit, primary units, tolerances, inspection frame), the per-object annotation rows, the hidden
// match-properties row, and the listing parts every dimension kind prints (annotation and the
// style overrides). Rows on a dimension variable use the shape of KyDimVarRows.h.
#ifndef KY_DIMENSION_PE_H
#define KY_DIMENSION_PE_H

#include <QStringList>

#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"

class CKyDimensionPE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyDimensionPE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  // The 21 arrow display names (translated in "property_values"), and the arrow block names of
  // the first 20, index for index; the 21st, "Custom arrow", stands for any other block.
  static QStringList GetUserNames();
  static const char* const kUserNameKeys[21];
  static const wchar_t* const s_SystemNames[20];

  static CKyVariant GetAssociative(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetDimStyle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetDimStyle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetFillColor(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetFillColor(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetPositionX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetPositionY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetPositionX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetPositionY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetRotation(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetRotation(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetOverride(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetOverride(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsOverrideReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static bool IsDimScaleOverallReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetDecimalSeparator(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetDecimalSeparator(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetDimPrefix(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetDimPrefix(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetDimSuffix(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetDimSuffix(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsSuppressLeadingZerosReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static bool IsSuppressTrailingZerosReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetToleranceDisplay(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetToleranceDisplay(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsToleranceLimLowerReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static int SetToleranceLimUpper(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsToleranceLimUpperReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetTolerancePrecision(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetTolerancePrecision(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsTolerancePrecisionReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static bool IsTolSupLeadingZerosReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static bool IsTolSupTrailingZerosReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetInspection(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetInspection(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetInspectionFrame(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetInspectionFrame(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetInspectionLabel(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetInspectionLabel(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetInspectionRate(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetInspectionRate(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetMATCHPROP_Dimension(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetMATCHPROP_Dimension(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);

  // Listed by the subclasses.
  static CKyVariant GetAltTolerancePrecision(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetAltTolerancePrecision(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsAltTolerancePrecisionReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetTolSupZeroFeet(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetTolSupZeroFeet(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsTolSupZeroFeetReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetTolSupZeroInches(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetTolSupZeroInches(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsTolSupZeroInchesReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetAltTolSupLeadingZeros(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetAltTolSupLeadingZeros(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsAltTolSupLeadingZerosReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetAltTolSupTrailingZeros(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetAltTolSupTrailingZeros(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsAltTolSupTrailingZerosReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetAltTolSupZeroFeet(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetAltTolSupZeroFeet(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsAltTolSupZeroFeetReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetAltTolSupZeroInches(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetAltTolSupZeroInches(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsAltTolSupZeroInchesReadOnly(const OdDbObject*, const CKyPropertyDescription&);

  // The per-object rows ("Annotative", "Annotative Scale").
  static CKyVariant GetDynamicPropertyValue(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetDynamicPropertyValue(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsDynamicPropertyReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant PerformGroupAction(const OdArray<OdDbObjectId>& ids, const CKyPropertyDescription&,
                                       const CKyVariant& value, const CKyVariant& context);

  static KyDescriptionList s_Names;
};

class CKyDimensionInfo : public CKyPrintObjectInfoPE
{
public:
  // Each dimension kind's information class prints its own lines and calls the two below.
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
  // "Dimension style overrides" and one "DIMxxx" line per variable in which the dimension differs
  // from its style, in the variables' list order; nothing when it differs in none.
  virtual void PrintDimOverrides(const OdDbObject* object, CKyPrintInfoContext* context);
  virtual void PrintAnnotationInfo(const OdDbObject* object, CKyPrintInfoContext* context);

protected:
  // The listing of a linear dimension: common lines, annotation, constraint lines, "related",
  // "type" (typeKey in "info_values"), its three defining points under the labels (keys in
  // "info_items"), text position and text, style name and the overrides.
  bool PrintLinear(const OdDbObject* object, CKyPrintInfoContext* context, const char* typeKey,
                   const char* const (&pointLabels)[3], const OdGePoint3d (&points)[3]);
};

#endif
