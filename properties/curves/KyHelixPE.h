// CKyHelixPE and CKyHelixInfo: palette rows and listing of helices. A flat helix (height 0) is
// a spiral whose pitch is radial: the radius setters keep that pitch by changing the turns, and
// inputs that would collapse the spiral are refused.
#ifndef KY_HELIX_PE_H
#define KY_HELIX_PE_H

#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"

class CKyHelixPE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyHelixPE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  static CKyVariant GetPositionX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetPositionX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetPositionY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetPositionY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetPositionZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetPositionZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetConstrain(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetConstrain(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsConstrainReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetHeight(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetHeight(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetTurns(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetTurns(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetTurnHeight(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetTurnHeight(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetBaseRadius(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetBaseRadius(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetTopRadius(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetTopRadius(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetTwist(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetTwist(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetTurnSlope(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetTotalLength(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);

  static KyDescriptionList s_Names;
};

class CKyHelixInfo : public CKyPrintObjectInfoPE
{
public:
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

#endif
