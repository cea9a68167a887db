// OdDbAlignedDimension and OdDbRotatedDimension: the two linear kinds. They share the three
// defining points and the oblique angle; they differ in the direction they measure along (the
// extension line origins' own for the aligned one, the rotation for the rotated one).
#include "DbAlignedDimension.h"
#include "DbRotatedDimension.h"

#include <cmath>

#include "DbFiler.h"
#include "db/DbInternal.h"
#include "Ge/GeMatrix3d.h"
#include "SdkRxMacros.h"

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbAlignedDimension, OdDbDimension, L"DIMENSION")
ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbRotatedDimension, OdDbDimension, L"DIMENSION")

namespace
{
// The middle of the dimension line through `onLine` in the unit direction `dir`, between the
// feet of the two extension line origins.
OdGePoint3d middleOnLine(const OdGePoint3d& x1, const OdGePoint3d& x2, const OdGePoint3d& onLine,
                         const OdGeVector3d& dir)
{
  const OdGePoint3d foot1 = onLine + dir * (x1 - onLine).dotProduct(dir);
  const OdGePoint3d foot2 = onLine + dir * (x2 - onLine).dotProduct(dir);
  return foot1 + (foot2 - foot1) * 0.5;
}

// Sets one of a kind's points: checked, written, and the default text place follows.
template <class Dim>
void setPoint(Dim* pDim, OdGePoint3d& member, const OdGePoint3d& point)
{
  pDim->assertWriteEnabled(false, false);
  odDbCheckFinite(point);
  pDim->assertWriteEnabled();
  member = point;
}

void checkedAngle(OdDbObject* pObj, double& member, double angle)
{
  pObj->assertWriteEnabled(false, false);
  odDbCheckFinite(angle);
  pObj->assertWriteEnabled();
  member = angle;
}

void writeLinear(OdDbDxfFiler* pFiler, const OdGePoint3d& x1, const OdGePoint3d& x2, const OdGePoint3d& dimLine,
                 double oblique)
{
  pFiler->wrPoint3d(13, x1);
  pFiler->wrPoint3d(14, x2);
  pFiler->wrPoint3d(10, dimLine);
  pFiler->wrAngle(52, oblique);
}
} // namespace

// ---- OdDbAlignedDimension ----------------------------------------------------------------------

OdDbAlignedDimension::OdDbAlignedDimension() = default;

OdGePoint3d OdDbAlignedDimension::xLine1Point() const
{
  assertReadEnabled();
  return m_xLine1;
}
void OdDbAlignedDimension::setXLine1Point(const OdGePoint3d& point)
{
  setPoint(this, m_xLine1, point);
  geometryChanged();
}
OdGePoint3d OdDbAlignedDimension::xLine2Point() const
{
  assertReadEnabled();
  return m_xLine2;
}
void OdDbAlignedDimension::setXLine2Point(const OdGePoint3d& point)
{
  setPoint(this, m_xLine2, point);
  geometryChanged();
}
OdGePoint3d OdDbAlignedDimension::dimLinePoint() const
{
  assertReadEnabled();
  return m_dimLine;
}
void OdDbAlignedDimension::setDimLinePoint(const OdGePoint3d& point)
{
  setPoint(this, m_dimLine, point);
  geometryChanged();
}
double OdDbAlignedDimension::oblique() const
{
  assertReadEnabled();
  return m_oblique;
}
void OdDbAlignedDimension::setOblique(double oblique)
{
  checkedAngle(this, m_oblique, oblique);
}

double OdDbAlignedDimension::getMeasurement() const
{
  assertReadEnabled();
  return m_xLine1.distanceTo(m_xLine2);
}

OdGePoint3d OdDbAlignedDimension::defaultTextPosition() const
{
  const OdGeVector3d span = m_xLine2 - m_xLine1;
  if (span.length() < 1e-12)
    return m_dimLine;
  return middleOnLine(m_xLine1, m_xLine2, m_dimLine, span.normal());
}

OdResult OdDbAlignedDimension::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  if (!odDbMatrixIsFinite(xform))
    return eInvalidInput;
  assertWriteEnabled();
  m_xLine1.transformBy(xform);
  m_xLine2.transformBy(xform);
  m_dimLine.transformBy(xform);
  transformBase(xform);
  xDataTransformBy(xform);
  return eOk;
}

void OdDbAlignedDimension::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbDimension::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbAlignedDimension");
  writeLinear(pFiler, m_xLine1, m_xLine2, m_dimLine, m_oblique);
}

void OdDbAlignedDimension::copyFrom(const OdRxObject* pSource)
{
  OdDbDimension::copyFrom(pSource);
  const OdDbAlignedDimension* pSrc = static_cast<const OdDbAlignedDimension*>(pSource);
  m_xLine1 = pSrc->m_xLine1;
  m_xLine2 = pSrc->m_xLine2;
  m_dimLine = pSrc->m_dimLine;
  m_oblique = pSrc->m_oblique;
}

// ---- OdDbRotatedDimension ----------------------------------------------------------------------

OdDbRotatedDimension::OdDbRotatedDimension() = default;

OdGePoint3d OdDbRotatedDimension::xLine1Point() const
{
  assertReadEnabled();
  return m_xLine1;
}
void OdDbRotatedDimension::setXLine1Point(const OdGePoint3d& point)
{
  setPoint(this, m_xLine1, point);
  geometryChanged();
}
OdGePoint3d OdDbRotatedDimension::xLine2Point() const
{
  assertReadEnabled();
  return m_xLine2;
}
void OdDbRotatedDimension::setXLine2Point(const OdGePoint3d& point)
{
  setPoint(this, m_xLine2, point);
  geometryChanged();
}
OdGePoint3d OdDbRotatedDimension::dimLinePoint() const
{
  assertReadEnabled();
  return m_dimLine;
}
void OdDbRotatedDimension::setDimLinePoint(const OdGePoint3d& point)
{
  setPoint(this, m_dimLine, point);
  geometryChanged();
}
double OdDbRotatedDimension::rotation() const
{
  assertReadEnabled();
  return m_rotation;
}
void OdDbRotatedDimension::setRotation(double rotation)
{
  checkedAngle(this, m_rotation, rotation);
  geometryChanged();
}
double OdDbRotatedDimension::oblique() const
{
  assertReadEnabled();
  return m_oblique;
}
void OdDbRotatedDimension::setOblique(double oblique)
{
  checkedAngle(this, m_oblique, oblique);
}

OdGeVector3d OdDbRotatedDimension::direction() const
{
  assertReadEnabled();
  OdGeVector3d dir(std::cos(m_rotation), std::sin(m_rotation), 0.0);
  dir.transformBy(OdGeMatrix3d::planeToWorld(normal()));
  return dir.normal();
}

double OdDbRotatedDimension::getMeasurement() const
{
  assertReadEnabled();
  return std::fabs((m_xLine2 - m_xLine1).dotProduct(direction()));
}

OdGePoint3d OdDbRotatedDimension::defaultTextPosition() const
{
  return middleOnLine(m_xLine1, m_xLine2, m_dimLine, direction());
}

OdResult OdDbRotatedDimension::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  if (!odDbMatrixIsFinite(xform))
    return eInvalidInput;
  OdGeVector3d dir = direction();
  dir.transformBy(xform);
  assertWriteEnabled();
  m_xLine1.transformBy(xform);
  m_xLine2.transformBy(xform);
  m_dimLine.transformBy(xform);
  transformBase(xform);
  // The rotation follows the direction, measured in the plane of the transformed normal.
  dir.transformBy(OdGeMatrix3d::worldToPlane(normal()));
  if (dir.length() > 1e-12)
    m_rotation = std::atan2(dir.y, dir.x);
  xDataTransformBy(xform);
  return eOk;
}

void OdDbRotatedDimension::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  OdDbDimension::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbRotatedDimension");
  writeLinear(pFiler, m_xLine1, m_xLine2, m_dimLine, m_oblique);
  pFiler->wrAngle(50, m_rotation);
}

void OdDbRotatedDimension::copyFrom(const OdRxObject* pSource)
{
  OdDbDimension::copyFrom(pSource);
  const OdDbRotatedDimension* pSrc = static_cast<const OdDbRotatedDimension*>(pSource);
  m_xLine1 = pSrc->m_xLine1;
  m_xLine2 = pSrc->m_xLine2;
  m_dimLine = pSrc->m_dimLine;
  m_rotation = pSrc->m_rotation;
  m_oblique = pSrc->m_oblique;
}
