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

namespace
{
// Both directions of the UCS frame, rebuilt only when the header's UCS differs from the one they
// were made for: the palette converts every point it shows, nearly always under one UCS.
struct UcsFrame
{
  OdGePoint3d origin;
  OdGeVector3d xDir, yDir;
  bool valid = false;
  bool identity = true;
  OdGeMatrix3d ucsToWorld, worldToUcs;
};

bool same(const OdGeVector3d& a, const OdGeVector3d& b)
{
  return a.x == b.x && a.y == b.y && a.z == b.z;
}

const UcsFrame& ucsFrameOf(const OdDbDatabase* pDb)
{
  // The host's services run on its main thread, like the palette.
  static UcsFrame frame;
  const OdGePoint3d origin = pDb->getUCSORG();
  const OdGeVector3d xDir = pDb->getUCSXDIR(), yDir = pDb->getUCSYDIR();
  if (frame.valid && same(frame.origin.asVector(), origin.asVector()) && same(frame.xDir, xDir) && same(frame.yDir, yDir))
    return frame;
  OdGeVector3d xAxis, yAxis, zAxis;
  if (!orthonormalFrame(xDir, yDir, xAxis, yAxis, zAxis))
    throw OdError(eDegenerateGeometry);
  frame.ucsToWorld.setCoordSystem(origin, xAxis, yAxis, zAxis);
  // The frame is orthonormal, so the inverse is the transposed rotation and the rotated,
  // negated origin.
  const OdGeVector3d o = origin.asVector();
  for (unsigned int row = 0; row < 3; ++row)
  {
    for (unsigned int column = 0; column < 3; ++column)
      frame.worldToUcs[row][column] = frame.ucsToWorld[column][row];
  }
  for (unsigned int row = 0; row < 3; ++row)
    frame.worldToUcs[row][3] = -(frame.worldToUcs[row][0] * o.x + frame.worldToUcs[row][1] * o.y + frame.worldToUcs[row][2] * o.z);
  frame.origin = origin;
  frame.xDir = xDir;
  frame.yDir = yDir;
  frame.identity = same(o, OdGeVector3d::kIdentity) && same(xAxis, OdGeVector3d::kXAxis) &&
                   same(yAxis, OdGeVector3d::kYAxis) && same(zAxis, OdGeVector3d::kZAxis);
  frame.valid = true;
  return frame;
}
} // namespace

OdGeMatrix3d CKyDatabase::GetUCSToWorld() const
{
  return ucsFrameOf(db()).ucsToWorld;
}

OdGeMatrix3d CKyDatabase::GetWorldToUCS() const
{
  return ucsFrameOf(db()).worldToUcs;
}

void CKyDatabase::WorldToUCS(OdGePoint3d& pt) const
{
  const UcsFrame& frame = ucsFrameOf(db());
  if (!frame.identity)
    pt.transformBy(frame.worldToUcs);
}

void CKyDatabase::UCSToWorld(OdGePoint3d& pt) const
{
  const UcsFrame& frame = ucsFrameOf(db());
  if (!frame.identity)
    pt.transformBy(frame.ucsToWorld);
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
