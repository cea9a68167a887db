// CKy3dPolylinePE and CKy3dPolylineInfo: palette rows and listing of heavy 3D polylines: the
// counted vertices in the UCS, the length along the drawn path, spline fitting and closing.
#ifndef KY_3D_POLYLINE_PE_H
#define KY_3D_POLYLINE_PE_H

#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"

class CKy3dPolylinePE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKy3dPolylinePE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  static CKyVariant GetVertex(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetVertex(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetVertexX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetVertexX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetVertexY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetVertexY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetVertexZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetVertexZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetLength(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetFitSmooth(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetFitSmooth(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetClosed(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetClosed(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);

  static KyDescriptionList s_Names;
};

class CKy3dPolylineInfo : public CKyPrintObjectInfoPE
{
public:
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

#endif
