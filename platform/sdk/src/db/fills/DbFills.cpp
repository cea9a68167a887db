// OdDbPoint, OdDbPlanarFill (OdDbTrace and OdDbSolid) and OdDbFace: positions and corners in world
// coordinates. The planar fills have four corners, a thickness and a normal; the face has corners
// and edge flags only.
#include <cmath>

#include "DbFace.h"
#include "DbFiler.h"
#include "db/DbInternal.h"
#include "DbPoint.h"
#include "DbSolid.h"
#include "DbTrace.h"
#include "Ge/GeFinite.h"
#include "SdkRxMacros.h"

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbPoint, OdDbEntity, L"POINT")
ODRX_SDK_DBOBJECT_NO_CONS_DEFINE_MEMBERS(OdDbPlanarFill, OdDbEntity)
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbTrace, OdDbPlanarFill, L"TRACE")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbSolid, OdDbPlanarFill, L"SOLID")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbFace, OdDbEntity, L"3DFACE")

namespace
{
const OdUInt16 kCorners = 4;

OdGeVector3d checkedNormal(const OdGeVector3d& normal)
{
  odDbCheckFinite(normal);
  if (normal.isZeroLength())
    throw OdError(eInvalidInput);
  return normal.normal();
}

// Points extruded along the normal by the thickness.
OdResult extrudedExtents(const OdGePoint3d* points, int count, double thickness, const OdGeVector3d& normal,
                         OdGeExtents3d& extents)
{
  extents = OdGeExtents3d();
  for (int i = 0; i < count; ++i)
  {
    extents.addPoint(points[i]);
    if (thickness != 0.0)
      extents.addPoint(points[i] + normal * thickness);
  }
  return eOk;
}

// The transformed points, normal and thickness; eInvalidInput for a matrix that is not finite or
// that collapses the normal. Nothing is written unless everything succeeds.
OdResult transformPlanar(const OdGeMatrix3d& xform, OdGePoint3d* points, int count, OdGeVector3d* normal,
                         double* thickness)
{
  if (!odDbMatrixIsFinite(xform))
    return eInvalidInput;
  OdGePoint3d moved[kCorners];
  for (int i = 0; i < count; ++i)
  {
    moved[i] = xform * points[i];
    if (!odgeIsFinite(moved[i]))
      return eInvalidInput;
  }
  OdGeVector3d turned;
  double length = 1.0;
  if (normal)
  {
    turned = xform * *normal;
    length = turned.length();
    if (!std::isfinite(length) || turned.isZeroLength())
      return eInvalidInput;
  }
  for (int i = 0; i < count; ++i)
    points[i] = moved[i];
  if (normal)
  {
    *normal = turned / length;
    *thickness *= length;
  }
  return eOk;
}

OdResult cornerAt(const OdGePoint3d (&corners)[kCorners], OdUInt16 index, OdGePoint3d& point)
{
  if (index >= kCorners)
    return eInvalidIndex;
  point = corners[index];
  return eOk;
}

void writeCorners(OdDbDxfFiler* pFiler, const OdGePoint3d (&corners)[kCorners])
{
  for (int i = 0; i < kCorners; ++i)
    pFiler->wrPoint3d(OdDb::kDxfXCoord + i, corners[i]);
}
// Every corner finite, or OdError(eInvalidInput) with nothing stored.
void setCorners(OdGePoint3d (&corners)[kCorners], const OdGePoint3d& pt0, const OdGePoint3d& pt1,
                const OdGePoint3d& pt2, const OdGePoint3d& pt3)
{
  const OdGePoint3d given[kCorners] = {pt0, pt1, pt2, pt3};
  for (const OdGePoint3d& p : given)
    odDbCheckFinite(p);
  for (int i = 0; i < kCorners; ++i)
    corners[i] = given[i];
}

OdResult checkCorner(OdUInt16 index, const OdGePoint3d& point)
{
  if (index >= kCorners)
    return eInvalidIndex;
  return odgeIsFinite(point) ? eOk : eInvalidInput;
}

// A copy of a planar fill's state, for changes that succeed or leave the object as it was.
struct PlanarState
{
  OdGePoint3d corners[kCorners];
  OdGeVector3d normal;
  double thickness;

  PlanarState(const OdGePoint3d (&from)[kCorners], const OdGeVector3d& n, double t) : normal(n), thickness(t)
  {
    for (int i = 0; i < kCorners; ++i)
      corners[i] = from[i];
  }
  void store(OdGePoint3d (&to)[kCorners], OdGeVector3d& n, double& t) const
  {
    for (int i = 0; i < kCorners; ++i)
      to[i] = corners[i];
    n = normal;
    t = thickness;
  }
};

// Trace and solid write the same subclass (files name both "AcDbTrace").
void writePlanarFill(OdDbDxfFiler* pFiler, const OdGePoint3d (&corners)[kCorners], double thickness,
                     const OdGeVector3d& normal)
{
  pFiler->wrSubclassMarker(L"OdDbTrace");
  writeCorners(pFiler, corners);
  pFiler->wrDouble(OdDb::kDxfThickness, thickness);
  pFiler->wrVector3d(OdDb::kDxfNormalX, normal);
}
} // namespace

// ---- OdDbPoint -----------------------------------------------------------------------------------

OdDbPoint::OdDbPoint() = default;

OdDbPoint::OdDbPoint(const OdGePoint3d& position)
{
  odDbCheckFinite(position);
  m_position = position;
}

OdGePoint3d OdDbPoint::position() const
{
  assertReadEnabled();
  return m_position;
}

void OdDbPoint::setPosition(const OdGePoint3d& position)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(position);
  assertWriteEnabled();
  m_position = position;
}

double OdDbPoint::thickness() const
{
  assertReadEnabled();
  return m_thickness;
}

void OdDbPoint::setThickness(double thickness)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(thickness);
  assertWriteEnabled();
  m_thickness = thickness;
}

OdGeVector3d OdDbPoint::normal() const
{
  assertReadEnabled();
  return m_normal;
}

void OdDbPoint::setNormal(const OdGeVector3d& normal)
{
  assertWriteEnabled(false, false);
  const OdGeVector3d n = checkedNormal(normal);
  assertWriteEnabled();
  m_normal = n;
}

double OdDbPoint::ecsRotation() const
{
  assertReadEnabled();
  return m_ecsRotation;
}

void OdDbPoint::setEcsRotation(double rotation)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(rotation);
  assertWriteEnabled();
  m_ecsRotation = rotation;
}

OdResult OdDbPoint::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  return extrudedExtents(&m_position, 1, m_thickness, m_normal, extents);
}

OdResult OdDbPoint::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  OdGePoint3d position = m_position;
  OdGeVector3d normal = m_normal;
  double thickness = m_thickness;
  const OdResult res = transformPlanar(xform, &position, 1, &normal, &thickness);
  if (res != eOk)
    return res;
  assertWriteEnabled();
  m_position = position;
  m_normal = normal;
  m_thickness = thickness;
  return eOk;
}

void OdDbPoint::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbEntity::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbPoint");
  pFiler->wrPoint3d(OdDb::kDxfXCoord, m_position);
  pFiler->wrDouble(OdDb::kDxfThickness, m_thickness);
  pFiler->wrVector3d(OdDb::kDxfNormalX, m_normal);
  pFiler->wrAngle(OdDb::kDxfAngle, m_ecsRotation);
}

void OdDbPoint::copyFrom(const OdRxObject* pSource)
{
  OdDbEntity::copyFrom(pSource);
  const OdDbPoint* pSrc = static_cast<const OdDbPoint*>(pSource);
  m_position = pSrc->m_position;
  m_thickness = pSrc->m_thickness;
  m_normal = pSrc->m_normal;
  m_ecsRotation = pSrc->m_ecsRotation;
}

// ---- OdDbPlanarFill ------------------------------------------------------------------------------

OdDbPlanarFill::OdDbPlanarFill() = default;

OdDbPlanarFill::OdDbPlanarFill(const OdGePoint3d& pt0, const OdGePoint3d& pt1, const OdGePoint3d& pt2, const OdGePoint3d& pt3)
{
  setCorners(m_corners, pt0, pt1, pt2, pt3);
}

OdResult OdDbPlanarFill::getPointAt(OdUInt16 index, OdGePoint3d& point) const
{
  assertReadEnabled();
  return cornerAt(m_corners, index, point);
}

OdResult OdDbPlanarFill::setPointAt(OdUInt16 index, const OdGePoint3d& point)
{
  assertWriteEnabled(false, false);
  const OdResult res = checkCorner(index, point);
  if (res != eOk)
    return res;
  assertWriteEnabled();
  m_corners[index] = point;
  return eOk;
}

double OdDbPlanarFill::thickness() const
{
  assertReadEnabled();
  return m_thickness;
}

void OdDbPlanarFill::setThickness(double thickness)
{
  assertWriteEnabled(false, false);
  odDbCheckFinite(thickness);
  assertWriteEnabled();
  m_thickness = thickness;
}

OdGeVector3d OdDbPlanarFill::normal() const
{
  assertReadEnabled();
  return m_normal;
}

void OdDbPlanarFill::setNormal(const OdGeVector3d& normal)
{
  assertWriteEnabled(false, false);
  const OdGeVector3d n = checkedNormal(normal);
  assertWriteEnabled();
  m_normal = n;
}

OdResult OdDbPlanarFill::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  return extrudedExtents(m_corners, kCorners, m_thickness, m_normal, extents);
}

OdResult OdDbPlanarFill::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  PlanarState state(m_corners, m_normal, m_thickness);
  const OdResult res = transformPlanar(xform, state.corners, kCorners, &state.normal, &state.thickness);
  if (res != eOk)
    return res;
  assertWriteEnabled();
  state.store(m_corners, m_normal, m_thickness);
  return eOk;
}

void OdDbPlanarFill::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbEntity::dxfOutFields(pFiler);
  writePlanarFill(pFiler, m_corners, m_thickness, m_normal);
}

void OdDbPlanarFill::copyFrom(const OdRxObject* pSource)
{
  OdDbEntity::copyFrom(pSource);
  const OdDbPlanarFill* pSrc = static_cast<const OdDbPlanarFill*>(pSource);
  PlanarState(pSrc->m_corners, pSrc->m_normal, pSrc->m_thickness).store(m_corners, m_normal, m_thickness);
}

// ---- OdDbFace ------------------------------------------------------------------------------------

OdDbFace::OdDbFace() = default;

OdDbFace::OdDbFace(const OdGePoint3d& pt0, const OdGePoint3d& pt1, const OdGePoint3d& pt2, const OdGePoint3d& pt3,
                   bool e0vis, bool e1vis, bool e2vis, bool e3vis)
  : m_visible{e0vis, e1vis, e2vis, e3vis}
{
  setCorners(m_corners, pt0, pt1, pt2, pt3);
}

OdResult OdDbFace::getVertexAt(OdUInt16 index, OdGePoint3d& point) const
{
  assertReadEnabled();
  return cornerAt(m_corners, index, point);
}

OdResult OdDbFace::setVertexAt(OdUInt16 index, const OdGePoint3d& point)
{
  assertWriteEnabled(false, false);
  const OdResult res = checkCorner(index, point);
  if (res != eOk)
    return res;
  assertWriteEnabled();
  m_corners[index] = point;
  return eOk;
}

OdResult OdDbFace::isEdgeVisibleAt(OdUInt16 index, bool& visible) const
{
  assertReadEnabled();
  if (index >= kCorners)
    return eInvalidIndex;
  visible = m_visible[index];
  return eOk;
}

OdResult OdDbFace::makeEdgeVisibleAt(OdUInt16 index)
{
  return setEdgeVisibility(index, true);
}

OdResult OdDbFace::makeEdgeInvisibleAt(OdUInt16 index)
{
  return setEdgeVisibility(index, false);
}

OdResult OdDbFace::setEdgeVisibility(OdUInt16 index, bool visible)
{
  assertWriteEnabled(false, false);
  if (index >= kCorners)
    return eInvalidIndex;
  assertWriteEnabled();
  m_visible[index] = visible;
  return eOk;
}

OdResult OdDbFace::getGeomExtents(OdGeExtents3d& extents) const
{
  assertReadEnabled();
  return extrudedExtents(m_corners, kCorners, 0.0, OdGeVector3d::kZAxis, extents);
}

OdResult OdDbFace::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  OdGePoint3d corners[kCorners] = {m_corners[0], m_corners[1], m_corners[2], m_corners[3]};
  const OdResult res = transformPlanar(xform, corners, kCorners, nullptr, nullptr);
  if (res != eOk)
    return res;
  assertWriteEnabled();
  for (int i = 0; i < kCorners; ++i)
    m_corners[i] = corners[i];
  return eOk;
}

// Group 70 holds the invisible edges, bit i for edge i.
void OdDbFace::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbEntity::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbFace");
  writeCorners(pFiler, m_corners);
  OdInt16 hidden = 0;
  for (int i = 0; i < kCorners; ++i)
    if (!m_visible[i])
      hidden = static_cast<OdInt16>(hidden | (1 << i));
  pFiler->wrInt16(OdDb::kDxfInt16, hidden);
}

void OdDbFace::copyFrom(const OdRxObject* pSource)
{
  OdDbEntity::copyFrom(pSource);
  const OdDbFace* pSrc = static_cast<const OdDbFace*>(pSource);
  for (int i = 0; i < kCorners; ++i)
  {
    m_corners[i] = pSrc->m_corners[i];
    m_visible[i] = pSrc->m_visible[i];
  }
}
