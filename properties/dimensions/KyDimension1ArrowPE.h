// CKyDimension1ArrowPE: the rows of the dimensions with one arrow (radial, large radial and
// diametric): arrow, centre mark, dimension line, text and fit states, primary and alternate
// units. Its list accessors for units, precisions and fractions serve the linear kinds too.
#ifndef KY_DIMENSION_1ARROW_PE_H
#define KY_DIMENSION_1ARROW_PE_H

#include "KyDimensionPE.h"

class CKyDimension1ArrowPE : public CKyDimensionPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyDimension1ArrowPE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  static CKyVariant GetArrow(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetArrow(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetCenterMark(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetCenterMark(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetCenterMarkSize(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetCenterMarkSize(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsCenterMarkSizeReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetExtLine(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetExtLine(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  // SetExtLine's two kinds: the radial switch goes through the host's database extension, the
  // diametric one through the host's own function.
  static int RadialSetExtLine(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int DiametricSetExtLine(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                 const CKyVariant&);
  static CKyVariant GetDimLineStyle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetDimLineStyle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetFractionalType(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetFractionalType(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsFractionalTypeReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetMeasurement(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetFit(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetDimUnitSystem(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetDimUnitSystem(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetPrecision(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetPrecision(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetAltFormat(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetAltFormat(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetAltPrecision(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetAltPrecision(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsAltReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetAltPrefix(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetAltPrefix(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetAltSuffix(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetAltSuffix(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);

  static CKyVariant GetAltZeroFeet(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetAltZeroFeet(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetAltZeroInches(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetAltZeroInches(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);

  static KyDescriptionList s_Names;
};

#endif
