// CKyHatchPE and CKyHatchInfo: palette rows and listing of hatches. Fixed rows (pattern origin,
// associativity, island detection, elevation, area, the match-properties carrier); per-object
// rows for the pattern or the gradient, the annotation rows and "Additive area", whose group
// action totals the area that a selection of hatches covers, overlaps counted once.
#ifndef KY_HATCH_PE_H
#define KY_HATCH_PE_H

#include "DbHatch.h"
#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"

// Whether a loop of the type takes part in a hatch's region under the island style.
bool kyIncludeLoop(OdDbHatch::HatchStyle style, int loopType);
// Visits the type of every loop of the hatch; false for every hatch (the area shortcuts that
// consult it always apply).
bool kyEllipArc2dOrNurbCurve2dExist(OdSmartPtr<OdDbHatch> hatch);

class CKyHatchPE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyHatchPE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  // The annotation rows and "Additive area", at the end of the dynamic pass.
  static void displayAnnotativeProperty(const OdDbObject* object, CKyPropertiesContainer* container);
  static CKyVariant PerformGroupAction(const OdArray<OdDbObjectId>& ids, const CKyPropertyDescription& description,
                                       const CKyVariant& value, const CKyVariant& context);
  // Total area of the hatches (each id must be a hatch: OdError(eNotThatKindOfClass) otherwise),
  // area shared by several counted once; a double with the unit-bearing flag.
  static CKyVariant getAdditiveArea(const OdArray<OdDbObjectId>& ids);

  static CKyVariant GetOriginX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetOriginX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetOriginY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetOriginY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetAssociative(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetAssociative(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetIslandDetectionStyle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetIslandDetectionStyle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                     const CKyVariant&);
  static CKyVariant GetElevation(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetElevation(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetArea(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetMATCHPROP_Hatch(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetMATCHPROP_Hatch(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);

  // Dispatchers of the pattern and gradient rows.
  static CKyVariant GetDynamicPropertyGradient(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetDynamicPropertyGradient(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                        const CKyVariant&);
  static bool IsDynamicPropertyGradientReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  // Dispatchers of the annotation rows and "Additive area".
  static CKyVariant GetDynamicPropertyValue(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetDynamicPropertyValue(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                     const CKyVariant&);
  static bool IsDynamicPropertyReadOnly(const OdDbObject*, const CKyPropertyDescription&);

  static CKyVariant GetType(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetType(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetPatternName(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetPatternName(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetAngle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetAngle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetScale(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetScale(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetSpacing(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetSpacing(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetISOPenWidth(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetISOPenWidth(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsISOPenWidthReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetColor1(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetColor1(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetColor2(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetColor2(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetGradientAngle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetGradientAngle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetCentered(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetCentered(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);

  static KyDescriptionList s_Names;
};

class CKyHatchInfo : public CKyPrintObjectInfoPE
{
public:
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
  virtual void PrintAnnotationInfo(const OdDbObject* object, CKyPrintInfoContext* context);
};

#endif
