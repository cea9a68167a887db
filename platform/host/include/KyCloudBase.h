// CKyCloudBase: the host's revision-cloud builder. Given a closed outline and a setting, it lays
// arcs of the setting's radius along the outline (each bulging outwards, chords of at most one
// radius), adds them to model space as a command would, and on convertToBlock() moves them into
// a block reference's block and writes the reference's cloud data: extended data of "PE_CLOUD"
// with the shape name (1000), the arc radius (1041) and the outline points (1011, world
// coordinates, so that they follow the reference through xDataTransformBy()).
#ifndef KY_CLOUD_BASE_H
#define KY_CLOUD_BASE_H

#include "CmColor.h"
#include "DbLineWeight.h"
#include "DbObjectId.h"
#include "Ge/GeExtents3d.h"
#include "Ge/GePoint3d.h"
#include "OdArray.h"

class OdDbBlockReference;
class OdDbCurve;
class OdDbDatabase;

struct CLOUDLINE_COMMAND_DATA
{
  // 0 "Rectangular", 1 "Elliptical", 2 "Freehand".
  int shape = 0;
  // The arcs' radius, in the coordinates the arcs are laid in (the outline's).
  double arcRadius = 0.0;
  OdCmColor color;
  OdDbObjectId linetypeId;
  OdDbObjectId layerId;
  OdDb::LineWeight lineWeight = OdDb::kLnWtByLayer;
  // Extents of the outline.
  OdGeExtents3d extents;
};

class CKyCloudBase
{
public:
  static const wchar_t* const kCloudAppName;
  // The shape's name as the cloud data stores it ("" for an unknown code).
  static const wchar_t* shapeName(int shape);

  // Arcs are added to the model space of pDb (not owned).
  explicit CKyCloudBase(OdDbDatabase* pDb);

  // The outline: the points at the curve's whole parameters (a polyline's vertices), closed.
  void setBaseCurve(const OdDbCurve* pCurve);
  void setCloudSetting(const CLOUDLINE_COMMAND_DATA& setting);
  // Lays the arcs. False, with nothing added, when the outline has fewer than three distinct
  // points or no plane, or the radius is not positive and finite.
  bool cloudBaseMain();
  // The arcs of the last cloudBaseMain(), in outline order.
  const OdDbObjectIdArray& getObjIdArrArc() const { return m_arcs; }
  // Replaces the contents of the reference's block (the reference open for write, in pDb) by the
  // arcs, in block coordinates, erases them from model space and writes the cloud data. False
  // when there are no arcs.
  bool convertToBlock(OdDbBlockReference* pReference);

private:
  OdDbDatabase* m_pDb;
  OdArray<OdGePoint3d> m_outline;
  CLOUDLINE_COMMAND_DATA m_setting;
  OdDbObjectIdArray m_arcs;
};

#endif
