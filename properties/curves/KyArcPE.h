// CKyArcPE and CKyArcInfo: palette rows and listing of arcs, and the arc-length measurement
// (the one the arc-length dimension uses): two extension points on the arc's ends, their
// directions from the centre, ordered so that the arc point lies between them.
#ifndef KY_ARC_PE_H
#define KY_ARC_PE_H

#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"
#include "KyEntityPE.h"
#include "KyPrintObjectInfoPE.h"

class CKyArcPE : public CKyEntityPE
{
public:
  ODRX_DECLARE_MEMBERS(CKyArcPE);

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
  static CKyVariant GetCenterX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetCenterY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetCenterZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetCenterX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetCenterY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static int SetCenterZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetEndX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetEndY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetEndZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetRadius(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetRadius(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetStartAngle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetStartAngle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetEndAngle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static int SetEndAngle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&, const CKyVariant&);
  static CKyVariant GetTotalAngle(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetArcLength(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetArea(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetNormalX(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetNormalY(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);
  static CKyVariant GetNormalZ(const OdDbObject*, const CKyPropertyDescription&, const CKyVariant&);

  static KyDescriptionList s_Names;
};

class CKyArcInfo : public CKyPrintObjectInfoPE
{
public:
  bool PrintObjectInfo(const OdDbObject* object, CKyPrintInfoContext* context) override;
};

// The arc-length measurement record: the two extension points (on the arc's ends), the centre,
// a point on the arc between them, the arc's normal, and what the routines derive from them.
struct ArcMeasure_st
{
  OdGePoint3d xLine1Point;
  OdGePoint3d xLine2Point;
  OdGePoint3d center;
  OdGePoint3d arcPoint;
  OdGeVector3d normal;
  OdGeVector3d xLine1Dir; // unit direction from the centre towards xLine1Point
  OdGeVector3d xLine2Dir;
  double radius = 0.0;
  double includedAngle = 0.0;
  double arcLength = 0.0;
};

// Sets both extension-line directions; a degenerate one (extension point on the centre) is
// derived from the other direction and the normal.
void CKyArcPE_calcDimExtLineDir(ArcMeasure_st& measure);
// Swaps the extension points (and directions) when the arc point does not lie between them,
// then takes the radius from the first extension point.
void CKyArcPE_testDimExtLineOrder(ArcMeasure_st& measure);
// Runs the two steps above and returns the arc length: included angle x radius.
double CKyArcPE_measurement(ArcMeasure_st& measure);

#endif
