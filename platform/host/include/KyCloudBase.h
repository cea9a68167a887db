// CKyCloudBase: the host's revision-cloud builder. Given a closed outline and a setting, it lays
// arcs of the setting's radius along the outline (each bulging outwards, chords of at most one
// radius) and on convertToBlock() puts them into a block reference's block and writes the
// reference's cloud data: extended data of "PE_CLOUD" with the shape name (1000), the arc radius
// (1041) and the outline points (1011, world coordinates, so that they follow the reference
// through xDataTransformBy()). A cloud laid again reuses the arcs its block has (erased ones
// too), so editing a cloud back and forth does not grow the database.
#ifndef KY_CLOUD_BASE_H
#define KY_CLOUD_BASE_H

#include "CmColor.h"
#include "DbLineWeight.h"
#include "DbObjectId.h"
#include "Ge/GeExtents3d.h"
#include "Ge/GeMatrix3d.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"
#include "OdArray.h"

class OdDbArc;
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

  // The most arcs one cloud may have.
  static const unsigned int kMaxArcs = 4096;

  // The cloud is built in pDb (not owned).
  explicit CKyCloudBase(OdDbDatabase* pDb);

  // The outline: the points at the curve's whole parameters (a polyline's vertices), closed.
  void setBaseCurve(const OdDbCurve* pCurve);
  void setCloudSetting(const CLOUDLINE_COMMAND_DATA& setting);
  // Lays the arcs (in world coordinates; the database is not touched). False, with nothing laid,
  // when the outline has fewer than three distinct points or no plane, or the radius is not
  // positive and finite, is longer than the outline or would take more than kMaxArcs arcs.
  bool cloudBaseMain();
  // How many arcs the last cloudBaseMain() laid.
  unsigned int arcCount() const { return m_arcs.size(); }
  // The arcs in the reference's block after the last convertToBlock(), in outline order.
  const OdDbObjectIdArray& getObjIdArrArc() const { return m_arcIds; }
  // Makes the laid arcs the contents of the reference's block (the reference open for write, in
  // pDb), in block coordinates, and writes the cloud data. The block's arcs are given the new
  // geometry in place, in order; arcs it lacks are added, what it has beyond them erased. False,
  // with nothing changed, when no arcs are laid.
  bool convertToBlock(OdDbBlockReference* pReference);

private:
  struct Arc
  {
    OdGePoint3d center;
    double startAngle;
    double endAngle;
  };

  // Gives the arc (open for write) the laid arc's geometry in block coordinates and the setting's
  // properties.
  void layArc(OdDbArc* pArc, const Arc& arc, const OdGeMatrix3d& toBlock) const;

  OdDbDatabase* m_pDb;
  OdArray<OdGePoint3d> m_outline;
  CLOUDLINE_COMMAND_DATA m_setting;
  // The laid arcs share the setting's radius and the outline's normal.
  OdGeVector3d m_normal;
  OdArray<Arc> m_arcs;
  OdDbObjectIdArray m_arcIds;
};

#endif
