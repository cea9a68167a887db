// CKyDimension2ArrowPE: the rows of the dimensions with two arrows and two extension lines
// (aligned, rotated, angular and arc-length dimensions): arrows, dimension and extension lines,
// text placement and fit.
#ifndef KY_DIMENSION_2ARROW_PE_H
#define KY_DIMENSION_2ARROW_PE_H

#include "KyDimensionPE.h"

class CKyDimension2ArrowPE : public CKyDimensionPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyDimension2ArrowPE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  static CKyVariant GetArrow1(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetArrow1(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetArrow2(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetArrow2(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetDimLineStyle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetDimLineStyle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetExtLine1Style(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetExtLine1Style(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetExtLine2Style(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetExtLine2Style(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetExtLineFixedLength(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetExtLineFixedLength(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsExtLineFixedLengthReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetSuppressZeroFeet(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetSuppressZeroFeet(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsSuppressZeroFeetReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetSuppressZeroInches(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetSuppressZeroInches(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsSuppressZeroInchesReadOnly(const OdDbObject*, const CKyPropertyDescription&);

  static KyDescriptionList s_Names;
};

#endif
