// CKyEntityPE: the property extension of every entity. It supplies the eight "General" rows
// (colour, layer, linetype, linetype scale, plot style, lineweight, hyperlink, transparency)
// that every entity shows first, and is the base extension of every entity extension.
#ifndef KY_ENTITY_PE_H
#define KY_ENTITY_PE_H

#include "KyPropertyPEImpl.h"
#include "KyPropertyTable.h"
#include "RxObject.h"

class CKyEntityPE : public CKyPropertyPEImpl
{
public:
  ODRX_DECLARE_MEMBERS(CKyEntityPE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  static CKyVariant GetColor(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetColor(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetLayer(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetLayer(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetLinetype(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetLinetype(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetLinetypeScale(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetLinetypeScale(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsLinetypeScaleReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetPlotStyle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetPlotStyle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsPlotStyleReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetLineweight(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetLineweight(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetHyperlink(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetHyperlink(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetTransparency(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetTransparency(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);

  static KyDescriptionList s_Names;
};

#endif
