// The revision-cloud builder: arcs of one radius laid along a closed outline, then given to a block
// reference's block (reusing the arcs it has) with the reference's cloud data.
#include "KyCloudBase.h"

#include <cmath>

#include "DbArc.h"
#include "DbBlockReference.h"
#include "DbBlockTableRecord.h"
#include "DbCurve.h"
#include "DbDatabase.h"
#include "DbObjectIterator.h"
#include "Ge/GeMatrix3d.h"
#include "OdError.h"
#include "ResBuf.h"

const wchar_t* const CKyCloudBase::kCloudAppName = L"PE_CLOUD";

namespace
{
// Unit normal of a closed point loop by Newell's method, oriented so that the loop runs
// counter-clockwise about it; zero when the points span no plane.
OdGeVector3d loopNormal(const OdArray<OdGePoint3d>& points)
{
  OdGeVector3d n(0.0, 0.0, 0.0);
  for (unsigned int i = 0; i < points.size(); ++i)
  {
    const OdGePoint3d& a = points[i];
    const OdGePoint3d& b = points[(i + 1) % points.size()];
    n.x += (a.y - b.y) * (a.z + b.z);
    n.y += (a.z - b.z) * (a.x + b.x);
    n.z += (a.x - b.x) * (a.y + b.y);
  }
  const double length = n.length();
  return length > 1e-12 ? n / length : OdGeVector3d(0.0, 0.0, 0.0);
}

// Point at distance s along the closed loop, given the cumulative lengths of its segments.
OdGePoint3d pointAtDistance(const OdArray<OdGePoint3d>& points, const OdArray<double>& cumulative, double s)
{
  unsigned int i = 0;
  // The last segment takes a distance that rounding put past the end.
  while (i + 2 < cumulative.size() && cumulative[i + 1] < s)
    ++i;
  const OdGePoint3d& a = points[i];
  const OdGePoint3d& b = points[(i + 1) % points.size()];
  const double length = cumulative[i + 1] - cumulative[i];
  return length > 0.0 ? a + (b - a) * ((s - cumulative[i]) / length) : a;
}
} // namespace

const wchar_t* CKyCloudBase::shapeName(int shape)
{
  switch (shape)
  {
  case 0:
    return L"Rectangular";
  case 1:
    return L"Elliptical";
  case 2:
    return L"Freehand";
  default:
    return L"";
  }
}

CKyCloudBase::CKyCloudBase(OdDbDatabase* pDb)
  : m_pDb(pDb)
{
  if (!pDb)
    throw OdError(eNoDatabase);
}

void CKyCloudBase::setBaseCurve(const OdDbCurve* pCurve)
{
  m_outline.clear();
  if (!pCurve)
    return;
  double start = 0.0, end = 0.0;
  if (pCurve->getStartParam(start) != eOk || pCurve->getEndParam(end) != eOk)
    return;
  for (double p = std::ceil(start); p < end - 1e-9; p += 1.0)
  {
    OdGePoint3d point;
    if (pCurve->getPointAtParam(p, point) != eOk)
      continue;
    if (m_outline.empty() || !point.isEqualTo(m_outline.last()))
      m_outline.push_back(point);
  }
  while (m_outline.size() > 1 && m_outline.last().isEqualTo(m_outline.first()))
    m_outline.removeLast();
}

void CKyCloudBase::setCloudSetting(const CLOUDLINE_COMMAND_DATA& setting)
{
  m_setting = setting;
}

bool CKyCloudBase::cloudBaseMain()
{
  m_arcs.clear();
  const double r = m_setting.arcRadius;
  if (m_outline.size() < 3 || !(r > 0.0) || !std::isfinite(r))
    return false;
  const OdGeVector3d normal = loopNormal(m_outline);
  if (normal.isZeroLength())
    return false;

  OdArray<double> cumulative;
  cumulative.push_back(0.0);
  for (unsigned int i = 0; i < m_outline.size(); ++i)
    cumulative.push_back(cumulative.last() + m_outline[i].distanceTo(m_outline[(i + 1) % m_outline.size()]));
  const double perimeter = cumulative.last();
  if (r > perimeter || perimeter / r > kMaxArcs)
    return false;
  // Chords no longer than the radius: each arc spans at most 60 degrees.
  const unsigned int count = std::max(3u, static_cast<unsigned int>(std::ceil(perimeter / r - 1e-9)));

  const OdGeMatrix3d toWorld = OdGeMatrix3d::planeToWorld(normal);
  const OdGeVector3d xAxis = (toWorld * OdGeVector3d::kXAxis).normal();
  const OdGeVector3d yAxis = (toWorld * OdGeVector3d::kYAxis).normal();
  m_normal = normal;
  for (unsigned int k = 0; k < count; ++k)
  {
    const OdGePoint3d a = pointAtDistance(m_outline, cumulative, perimeter * k / count);
    const OdGePoint3d b = pointAtDistance(m_outline, cumulative, perimeter * (k + 1) / count);
    const OdGeVector3d chord = b - a;
    const double half = chord.length() / 2.0;
    if (half <= 1e-12)
      continue;
    // The centre lies inside the loop (left of the chord about the normal), so the minor arc,
    // counter-clockwise from a to b, bulges outwards.
    const OdGeVector3d inward = normal.crossProduct(chord).normal();
    const OdGePoint3d center = a + chord / 2.0 + inward * std::sqrt(std::max(0.0, r * r - half * half));
    const OdGeVector3d ca = a - center, cb = b - center;
    m_arcs.push_back(Arc{center, std::atan2(ca.dotProduct(yAxis), ca.dotProduct(xAxis)),
                         std::atan2(cb.dotProduct(yAxis), cb.dotProduct(xAxis))});
  }
  return !m_arcs.empty();
}

bool CKyCloudBase::convertToBlock(OdDbBlockReference* pReference)
{
  m_arcIds.clear();
  if (!pReference || m_arcs.empty())
    return false;
  pReference->assertWriteEnabled(false, false);
  OdDbBlockTableRecordPtr pBlock =
    OdDbBlockTableRecord::cast(pReference->blockTableRecord().safeOpenObject(OdDb::kForWrite));
  const OdGeMatrix3d toBlock = pReference->blockTransform().inverse();

  // The block's arcs, erased ones included, take the new arcs in order; the rest goes.
  unsigned int next = 0;
  for (OdDbObjectIteratorPtr it = pBlock->newIterator(true, false); !it->done(); it->step(true, false))
  {
    OdDbEntityPtr pEntity = it->entity(OdDb::kForWrite, true);
    if (pEntity.isNull())
      continue;
    OdDbArcPtr pArc = OdDbArc::cast(pEntity.get());
    if (pArc.isNull() || next == m_arcs.size())
    {
      if (!pEntity->isErased())
        pEntity->erase();
      continue;
    }
    if (pArc->isErased())
      pArc->erase(false);
    layArc(pArc, m_arcs[next++], toBlock);
    m_arcIds.push_back(pArc->objectId());
  }
  for (; next < m_arcs.size(); ++next)
  {
    OdDbArcPtr pArc = OdDbArc::createObject();
    m_arcIds.push_back(pBlock->appendOdDbEntity(pArc));
    layArc(pArc, m_arcs[next], toBlock);
  }

  m_pDb->newRegApp(kCloudAppName);
  OdResBufPtr pHead = OdResBuf::newRb(1001, OdString(kCloudAppName));
  OdResBufPtr pTail = pHead->setNext(OdResBuf::newRb(1000, OdString(shapeName(m_setting.shape))));
  pTail = pTail->setNext(OdResBuf::newRb(1041, m_setting.arcRadius));
  for (const OdGePoint3d& point : m_outline)
    pTail = pTail->setNext(OdResBuf::newRb(1011, point));
  pReference->setXData(pHead.get());
  return true;
}

void CKyCloudBase::layArc(OdDbArc* pArc, const Arc& arc, const OdGeMatrix3d& toBlock) const
{
  // Laid in world coordinates, then carried into the block's.
  pArc->setNormal(m_normal);
  pArc->setCenter(arc.center);
  pArc->setRadius(m_setting.arcRadius);
  pArc->setStartAngle(arc.startAngle);
  pArc->setEndAngle(arc.endAngle);
  pArc->transformBy(toBlock);
  pArc->setColor(m_setting.color);
  if (!m_setting.layerId.isNull())
    pArc->setLayer(m_setting.layerId);
  if (!m_setting.linetypeId.isNull())
    pArc->setLinetype(m_setting.linetypeId);
  pArc->setLineWeight(m_setting.lineWeight);
}
