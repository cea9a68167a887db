// CKyDatabase: the current UCS of a drawing (header variables, mirrored into the "*Active"
// viewport record when set) and the host's header and id queries. The units service lives in
// KyDrawingUnits.cpp.
#include "KyDatabase.h"

#include "DbViewportTableRecord.h"
#include "Ge/GeFinite.h"
#include "OdError.h"

namespace
{
// Orthonormal right-handed frame from an X direction and a direction in the XY plane; false when
// the directions are zero or parallel.
bool orthonormalFrame(const OdGeVector3d& xDir, const OdGeVector3d& yDir, OdGeVector3d& xAxis, OdGeVector3d& yAxis,
                      OdGeVector3d& zAxis)
{
  if (xDir.isZeroLength() || yDir.isZeroLength() || xDir.isParallelTo(yDir))
    return false;
  xAxis = xDir.normal();
  zAxis = xAxis.crossProduct(yDir).normal();
  yAxis = zAxis.crossProduct(xAxis).normal();
  return true;
}
} // namespace

CKyDatabase::CKyDatabase(OdDbDatabase* pDb) : m_pDb(pDb)
{
}

OdDbDatabase* CKyDatabase::db() const
{
  if (!m_pDb)
    throw OdError(eNullObjectPointer);
  return m_pDb;
}

OdGeMatrix3d CKyDatabase::GetUCSToWorld() const
{
  OdDbDatabase* pDb = db();
  OdGeVector3d xAxis, yAxis, zAxis;
  if (!orthonormalFrame(pDb->getUCSXDIR(), pDb->getUCSYDIR(), xAxis, yAxis, zAxis))
    throw OdError(eDegenerateGeometry);
  OdGeMatrix3d ucsToWorld;
  ucsToWorld.setCoordSystem(pDb->getUCSORG(), xAxis, yAxis, zAxis);
  return ucsToWorld;
}

OdGeMatrix3d CKyDatabase::GetWorldToUCS() const
{
  // The frame is orthonormal, so the inverse is the transposed rotation and the rotated,
  // negated origin.
  const OdGeMatrix3d ucsToWorld = GetUCSToWorld();
  const OdGeVector3d origin = ucsToWorld.translation();
  OdGeMatrix3d worldToUcs;
  for (unsigned int row = 0; row < 3; ++row)
  {
    for (unsigned int column = 0; column < 3; ++column)
      worldToUcs[row][column] = ucsToWorld[column][row];
  }
  for (unsigned int row = 0; row < 3; ++row)
    worldToUcs[row][3] = -(worldToUcs[row][0] * origin.x + worldToUcs[row][1] * origin.y + worldToUcs[row][2] * origin.z);
  return worldToUcs;
}

void CKyDatabase::WorldToUCS(OdGePoint3d& pt) const
{
  pt.transformBy(GetWorldToUCS());
}

void CKyDatabase::UCSToWorld(OdGePoint3d& pt) const
{
  pt.transformBy(GetUCSToWorld());
}

void CKyDatabase::SetCurrentUcs(const OdGePoint3d& origin, const OdGeVector3d& xAxis, const OdGeVector3d& yAxis)
{
  OdDbDatabase* pDb = db();
  OdGeVector3d x, y, z;
  if (!odgeIsFinite(origin) || !odgeIsFinite(xAxis) || !odgeIsFinite(yAxis) || !orthonormalFrame(xAxis, yAxis, x, y, z))
    throw OdError(eInvalidInput);
  // Open the record first so that a failure leaves the header untouched as well.
  OdDbViewportTableRecordPtr pActive = pDb->activeViewportId().safeOpenObject(OdDb::kForWrite);
  pActive->setUcs(origin, x, y);
  pDb->setUCSORG(origin);
  pDb->setUCSXDIR(x);
  pDb->setUCSYDIR(y);
}

int CKyDatabase::GetLinearUnitMode() const
{
  return db()->getLUNITS();
}

int CKyDatabase::GetLinearPrecision() const
{
  return db()->getLUPREC();
}

int CKyDatabase::GetAngularUnitMode() const
{
  return db()->getAUNITS();
}

int CKyDatabase::GetAngularPrecision() const
{
  return db()->getAUPREC();
}

bool CKyDatabase::GetPlotStyleMode() const
{
  return db()->getPSTYLEMODE();
}

int CKyDatabase::GetInsertionUnits() const
{
  return static_cast<int>(db()->getINSUNITS());
}

OdDbObjectId CKyDatabase::GetCurrentViewportId() const
{
  return db()->activeViewportId();
}

OdDbObjectId CKyDatabase::GetActiveBlockId() const
{
  return db()->getModelSpaceId();
}
