// CKyLinePE and CKyLineInfo: palette rows and listing of lines. End points are shown and edited
// one UCS component at a time; deltas, length and angle are derived and read-only.
#ifndef KY_LINE_PE_H
#define KY_LINE_PE_H

#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"

class CKyLinePE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyLinePE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  static CKyVariant GetThickness(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetThickness(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetStartX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetStartY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetStartZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetStartX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetStartY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetStartZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetEndX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetEndY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetEndZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetEndX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetEndY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetEndZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetDeltaX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetDeltaY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetDeltaZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetLength(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetAngle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);

  static KyDescriptionList s_Names;
};

class CKyLineInfo : public CKyPrintObjectInfoPE
{
public:
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

#endif
