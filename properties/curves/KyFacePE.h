// CKyFacePE and CKyFaceInfo: palette rows and listing of 3D faces: the corner selector, the chosen
// corner's UCS components and the visibility of each of the four edges.
#ifndef KY_FACE_PE_H
#define KY_FACE_PE_H

#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"

class CKyFacePE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyFacePE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  static CKyVariant GetVertex(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetVertex(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetVertexX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetVertexY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetVertexZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetVertexX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetVertexY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetVertexZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetEdge1(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetEdge2(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetEdge3(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetEdge4(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetEdge1(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetEdge2(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetEdge3(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetEdge4(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);

  static KyDescriptionList s_Names;
};

class CKyFaceInfo : public CKyPrintObjectInfoPE
{
public:
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

#endif
