// CKyPolylinePE and CKyPolylineInfo: palette rows and listing of lightweight polylines. The
// palette shows one vertex at a time: the vertex selector lists the vertices, and the vertex and
// segment-width rows read the chosen vertex's zero-based index from the context variant.
#ifndef KY_POLYLINE_PE_H
#define KY_POLYLINE_PE_H

#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"

class CKyPolylinePE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyPolylinePE);

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
  static CKyVariant GetClosed(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetClosed(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetLTGeneration(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetLTGeneration(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetMATCHPROP_Polyline(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetMATCHPROP_Polyline(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&,
                                   const CKyVariant&);

  static KyDescriptionList s_Names;
};

class CKyPolylineInfo : public CKyPrintObjectInfoPE
{
public:
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

#endif
