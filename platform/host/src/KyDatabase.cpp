// CKyDatabase: the current UCS of a drawing (header variables, mirrored into the "*Active"
// viewport record when set) and the host's header and id queries. The units service lives in
// KyDrawingUnits.cpp.
#include "KyDatabase.h"

#include "DbViewportTableRecord.h"
#include "Ge/GeFinite.h"
#include "KyDrawingAnswers.h"
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

OdDbDatabase* CKyDatabase::db() const
{
  if (!m_pDb)
    throw OdError(eNullObjectPointer);
  return m_pDb;
}

namespace
{
// Both directions of a drawing's UCS frame.
struct UcsFrame
{
  bool identity = true;
  OdGeMatrix3d ucsToWorld, worldToUcs;
};

bool same(const OdGeVector3d& a, const OdGeVector3d& b)
{
  return a.x == b.x && a.y == b.y && a.z == b.z;
}

UcsFrame makeFrame(const OdDbDatabase* pDb)
{
  const OdGePoint3d origin = pDb->getUCSORG();
  OdGeVector3d xAxis, yAxis, zAxis;
  if (!orthonormalFrame(pDb->getUCSXDIR(), pDb->getUCSYDIR(), xAxis, yAxis, zAxis))
    throw OdError(eDegenerateGeometry);
  UcsFrame frame;
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
  frame.identity = same(o, OdGeVector3d::kIdentity) && same(xAxis, OdGeVector3d::kXAxis) &&
                   same(yAxis, OdGeVector3d::kYAxis) && same(zAxis, OdGeVector3d::kZAxis);
  return frame;
}

// The frames of the drawings in use, each made on first use and forgotten when its drawing
// announces a new UCSORG, UCSXDIR or UCSYDIR, or goes away: the palette converts every point it
// shows, nearly always under one UCS.
class UcsFrames : public KyDrawingAnswers<UcsFrame>
{
public:
  const UcsFrame& frameOf(const OdDbDatabase* pDb)
  {
    if (pDb == m_lastDb)
      return *m_last;
    return find(pDb);
  }

  void headerSysVarChanged(const OdDbDatabase* pDb, const OdString& name) override
  {
    if (name == kOrigin || name == kXDir || name == kYDir)
      forget(pDb);
  }

private:
  __attribute__((noinline)) const UcsFrame& find(const OdDbDatabase* pDb)
  {
    m_lastDb = pDb;
    for (const Entry& entry : m_entries)
      if (entry.db == pDb)
        return *(m_last = &entry.answer);
    return *(m_last = &keep(pDb, makeFrame(pDb)));
  }

  void forget(const OdDbDatabase* pDb) override
  {
    KyDrawingAnswers::forget(pDb);
    m_lastDb = nullptr;
  }

  const OdString kOrigin{L"UCSORG"}, kXDir{L"UCSXDIR"}, kYDir{L"UCSYDIR"};
  // The frame asked for last (entries move when the list grows, so it is set again then).
  const OdDbDatabase* m_lastDb = nullptr;
  const UcsFrame* m_last = nullptr;
};

UcsFrames* s_frames = nullptr;

// Made on first use and never destroyed: databases that outlive the host's statics still tell it
// goodbye. Kept out of line, so that the conversions, called for every coordinate shown, stay
// small.
__attribute__((noinline)) UcsFrames& makeFrames()
{
  if (!s_frames)
    s_frames = new UcsFrames;
  return *s_frames;
}

const UcsFrame& ucsFrameOf(const OdDbDatabase* pDb)
{
  UcsFrames& frames = s_frames ? *s_frames : makeFrames();
  return frames.frameOf(pDb);
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

int CKyDatabase::GetSplineSegments() const
{
  return db()->getSPLINESEGS();
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
