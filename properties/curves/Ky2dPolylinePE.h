// CKy2dPolylinePE and CKy2dPolylineInfo: palette rows and listing of heavy 2D polylines. The
// palette walks the counted vertices as for the lightweight polyline; vertex coordinates go
// through the polyline's plane, and fitting choices really regenerate the fit vertices.
#ifndef KY_2D_POLYLINE_PE_H
#define KY_2D_POLYLINE_PE_H

#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"

class CKy2dPolylinePE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKy2dPolylinePE);

  CKyString GetClassName(const OdDbObject* object) override;
  void GetPropertyNames(const OdDbObject* object, CKyPropertiesContainer*& container, const OdRxClass* objectClass,
                        const OdRxClass* extensionClass, bool skipAdd) override;
  bool HasDynamicProperties() override;
  void GetPropertyNamesDynamic(const OdDbObject* object, CKyPropertiesContainerImpl* container) override;

  static CKyVariant GetThickness(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetThickness(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetVertex(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetVertex(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetVertexX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetVertexX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetVertexY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetVertexY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static bool IsVertexXReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static bool IsVertexYReadOnly(const OdDbObject*, const CKyPropertyDescription&);
  static CKyVariant GetStartSegmentWidth(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetStartSegmentWidth(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                  const CKyVariant&);
  static CKyVariant GetEndSegmentWidth(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetEndSegmentWidth(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetGlobalWidth(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetGlobalWidth(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetElevation(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetElevation(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetArea(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetLength(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetFitSmooth(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetFitSmooth(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetClosed(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetClosed(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetLTGeneration(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetLTGeneration(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetMATCHPROP_2dPolyline(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetMATCHPROP_2dPolyline(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                     const CKyVariant&);

  static KyDescriptionList s_Names;
};

class CKy2dPolylineInfo : public CKyPrintObjectInfoPE
{
public:
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

#endif
