// CKyRotatedDimensionPE and CKyRotatedDimensionInfo: the rows and listing of rotated dimensions. The
// rows are the unit rows the linear kinds share with the one-arrow dimensions.
#ifndef KY_ROTATED_DIMENSION_PE_H
#define KY_ROTATED_DIMENSION_PE_H

#include "KyDimension2ArrowPE.h"

class CKyRotatedDimensionPE : public CKyDimension2ArrowPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyRotatedDimensionPE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  static KyDescriptionList s_Names;
};

class CKyRotatedDimensionInfo : public CKyDimensionInfo
{
public:
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

#endif
