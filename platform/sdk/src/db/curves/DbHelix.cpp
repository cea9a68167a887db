// OdDbHelix: the helix values are the truth; the spline data are rebuilt from them after every
// change. Each eighth of a turn becomes one cubic Bezier piece through the helix points at its
// ends with the helix tangents there (knots of multiplicity 3 at the joins), which stays within
// about 1e-5 of the radius of the exact curve.
#include "DbHelix.h"

#include <algorithm>
#include <cmath>

#include "CurveGeom.h"
#include "DbFiler.h"
#include "Ge/GeFinite.h"
#include "Ge/GeGbl.h"
#include "OdError.h"
#include "SdkRxMacros.h"

using namespace odDbCurveGeom;

ODRX_SDK_DBOBJECT_DXF_DEFINE_MEMBERS(OdDbHelix, OdDbSpline, L"HELIX")

namespace
{
const int kPiecesPerTurn = 16;
// The spline data of more turns than 62500 would not fit in memory honestly.
const double kMaxPieces = 1e6;

void requireFinite(double v)
{
  if (!std::isfinite(v))
    throw OdError(eInvalidInput);
}

// A unit vector perpendicular to the unit axis, as close to `hint` as the axis allows.
OdGeVector3d perpendicularTo(const OdGeVector3d& axis, const OdGeVector3d& hint)
{
  OdGeVector3d v = hint - axis * axis.dotProduct(hint);
  if (v.length() < 1e-12)
  {
    OdGeVector3d x, y;
    ecsAxes(axis, x, y);
    v = x;
  }
  return v.normal();
}
} // namespace

OdDbHelix::OdDbHelix()
{
  buildSpline();
}

OdDbHelix::Values OdDbHelix::values() const
{
  return {m_axisPoint, m_axisVector, m_startDirection, m_baseRadius, m_topRadius, m_turns, m_turnHeight, m_twist};
}

void OdDbHelix::rebuild(const Values& previous)
{
  if (buildSpline())
    return;
  m_axisPoint = previous.axisPoint;
  m_axisVector = previous.axisVector;
  m_startDirection = previous.startDirection;
  m_baseRadius = previous.baseRadius;
  m_topRadius = previous.topRadius;
  m_turns = previous.turns;
  m_turnHeight = previous.turnHeight;
  m_twist = previous.twist;
  throw OdError(eInvalidInput);
}

OdGePoint3d OdDbHelix::axisPoint() const
{
  assertReadEnabled();
  return m_axisPoint;
}

void OdDbHelix::setAxisPoint(const OdGePoint3d& axisPoint, bool moveStartPoint)
{
  if (!odgeIsFinite(axisPoint))
    throw OdError(eInvalidInput);
  if (moveStartPoint)
  {
    assertWriteEnabled();
    const Values previous = values();
    m_axisPoint = axisPoint;
    rebuild(previous);
    return;
  }
  // The start point stays: its offset from the new axis point gives the radius and direction.
  const OdGePoint3d start = startPoint();
  const OdGePoint3d oldAxisPoint = m_axisPoint;
  assertWriteEnabled();
  m_axisPoint = axisPoint;
  try
  {
    setStartPoint(start);
  }
  catch (const OdError&)
  {
    m_axisPoint = oldAxisPoint;
    throw;
  }
}

OdGePoint3d OdDbHelix::startPoint() const
{
  assertReadEnabled();
  return m_axisPoint + m_startDirection * m_baseRadius;
}

void OdDbHelix::setStartPoint(const OdGePoint3d& startPoint)
{
  if (!odgeIsFinite(startPoint))
    throw OdError(eInvalidInput);
  const OdGeVector3d offset = startPoint - m_axisPoint;
  const OdGeVector3d radial = offset - m_axisVector * m_axisVector.dotProduct(offset);
  const double radius = radial.length();
  if (radius == 0.0 && m_topRadius == 0.0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  const Values previous = values();
  if (radius > 0.0)
    m_startDirection = radial / radius;
  m_baseRadius = radius;
  rebuild(previous);
}

OdGeVector3d OdDbHelix::axisVector() const
{
  assertReadEnabled();
  return m_axisVector;
}

void OdDbHelix::setAxisVector(const OdGeVector3d& axisVector)
{
  if (!odgeIsFinite(axisVector) || axisVector.isZeroLength())
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  const Values previous = values();
  m_axisVector = axisVector.normal();
  m_startDirection = perpendicularTo(m_axisVector, m_startDirection);
  rebuild(previous);
}

double OdDbHelix::baseRadius() const
{
  assertReadEnabled();
  return m_baseRadius;
}

double OdDbHelix::topRadius() const
{
  assertReadEnabled();
  return m_topRadius;
}

void OdDbHelix::setBaseRadius(double radius)
{
  requireFinite(radius);
  if (radius < 0.0 || (radius == 0.0 && m_topRadius == 0.0))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  const Values previous = values();
  m_baseRadius = radius;
  rebuild(previous);
}

void OdDbHelix::setTopRadius(double radius)
{
  requireFinite(radius);
  if (radius < 0.0 || (radius == 0.0 && m_baseRadius == 0.0))
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  const Values previous = values();
  m_topRadius = radius;
  rebuild(previous);
}

double OdDbHelix::turns() const
{
  assertReadEnabled();
  return m_turns;
}

double OdDbHelix::turnHeight() const
{
  assertReadEnabled();
  return m_turnHeight;
}

double OdDbHelix::height() const
{
  assertReadEnabled();
  return m_turns * m_turnHeight;
}

void OdDbHelix::setTurns(double turns)
{
  requireFinite(turns);
  if (turns <= 0.0)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  const Values previous = values();
  if (m_constrain != kTurnHeight)
    m_turnHeight = m_turns * m_turnHeight / turns;
  m_turns = turns;
  rebuild(previous);
}

void OdDbHelix::setTurnHeight(double turnHeight)
{
  requireFinite(turnHeight);
  assertWriteEnabled();
  const Values previous = values();
  const double h = height();
  if (m_constrain == kHeight && h != 0.0 && turnHeight != 0.0 && h / turnHeight > 0.0)
    m_turns = h / turnHeight;
  m_turnHeight = turnHeight;
  rebuild(previous);
}

void OdDbHelix::setHeight(double height)
{
  requireFinite(height);
  assertWriteEnabled();
  const Values previous = values();
  if (m_constrain == kTurnHeight && height != 0.0 && m_turnHeight != 0.0 && height / m_turnHeight > 0.0)
    m_turns = height / m_turnHeight;
  else
    m_turnHeight = height / m_turns;
  rebuild(previous);
}

bool OdDbHelix::twist() const
{
  assertReadEnabled();
  return m_twist;
}

void OdDbHelix::setTwist(bool counterClockwise)
{
  assertWriteEnabled();
  const Values previous = values();
  m_twist = counterClockwise;
  rebuild(previous);
}

OdDbHelix::ConstrainType OdDbHelix::constrain() const
{
  assertReadEnabled();
  return m_constrain;
}

void OdDbHelix::setConstrain(ConstrainType constrain)
{
  if (constrain != kTurnHeight && constrain != kTurns && constrain != kHeight)
    throw OdError(eInvalidInput);
  assertWriteEnabled();
  m_constrain = constrain;
}

// The side direction completes the start direction to the rotation's frame: turning from the
// start direction towards it is the helix's sense of rotation.
OdGeVector3d OdDbHelix::sideDirection() const
{
  const OdGeVector3d side = m_axisVector.crossProduct(m_startDirection);
  return m_twist ? side : -side;
}

OdGePoint3d OdDbHelix::pointAtAngle(double theta) const
{
  assertReadEnabled();
  const double t = theta / (Oda2PI * m_turns);
  const double r = m_baseRadius + (m_topRadius - m_baseRadius) * t;
  return m_axisPoint + m_axisVector * (height() * t) +
         (m_startDirection * std::cos(theta) + sideDirection() * std::sin(theta)) * r;
}

OdGeVector3d OdDbHelix::derivativeAtAngle(double theta) const
{
  const double sweep = Oda2PI * m_turns;
  const double r = m_baseRadius + (m_topRadius - m_baseRadius) * theta / sweep;
  const double dr = (m_topRadius - m_baseRadius) / sweep;
  const OdGeVector3d radial = m_startDirection * std::cos(theta) + sideDirection() * std::sin(theta);
  const OdGeVector3d tangential = sideDirection() * std::cos(theta) - m_startDirection * std::sin(theta);
  return m_axisVector * (height() / sweep) + radial * dr + tangential * r;
}

double OdDbHelix::turnSlope() const
{
  assertReadEnabled();
  const double sweep = Oda2PI * m_turns;
  const double dr = (m_topRadius - m_baseRadius) / sweep;
  const double rise = height() / sweep;
  const double across = std::sqrt(m_baseRadius * m_baseRadius + dr * dr);
  return std::atan2(rise, across);
}

double OdDbHelix::totalLength() const
{
  assertReadEnabled();
  const double sweep = Oda2PI * m_turns;
  const int pieces = std::max(1, static_cast<int>(std::ceil(m_turns * 4.0)));
  // The axis, start and side directions are orthonormal, so the speed along the curve is
  // sqrt(rise^2 + dr^2 + r^2) with the radius r growing linearly: no directions to turn.
  const double rise = height() / sweep;
  const double dr = (m_topRadius - m_baseRadius) / sweep;
  const double steady = rise * rise + dr * dr;
  return integrate(
    [&](double theta) {
      const double r = m_baseRadius + dr * theta;
      return std::sqrt(steady + r * r);
    },
    0.0, sweep, pieces);
}

bool OdDbHelix::buildSpline()
{
  if (!std::isfinite(height()) || m_turns * kPiecesPerTurn > kMaxPieces)
    return false;
  const double sweep = Oda2PI * m_turns;
  const int pieces = std::max(1, static_cast<int>(std::ceil(m_turns * kPiecesPerTurn)));
  const double step = sweep / pieces;
  OdGePoint3dArray points;
  OdGeDoubleArray knots;
  for (int k = 0; k < 4; ++k)
    knots.append(0.0);
  points.append(pointAtAngle(0.0));
  for (int i = 0; i < pieces; ++i)
  {
    const double a = step * i, b = i + 1 == pieces ? sweep : step * (i + 1);
    points.append(pointAtAngle(a) + derivativeAtAngle(a) * ((b - a) / 3.0));
    points.append(pointAtAngle(b) - derivativeAtAngle(b) * ((b - a) / 3.0));
    points.append(pointAtAngle(b));
    for (int k = 0; k < (i + 1 == pieces ? 4 : 3); ++k)
      knots.append(b);
  }
  for (unsigned i = 0; i < points.size(); ++i)
    if (!odgeIsFinite(points[i]))
      return false;
  return setNurbsData(3, false, false, false, points, knots, OdGeDoubleArray()) == eOk;
}

OdResult OdDbHelix::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  double scale = 1.0;
  bool mirrors = false;
  const OdResult check = checkUniformTransform(xform, scale, mirrors);
  if (check != eOk)
    return check;
  const OdGePoint3d axisPoint = xform * m_axisPoint;
  const OdGeVector3d axis = (xform * m_axisVector).normal();
  const OdGeVector3d start = (xform * m_startDirection).normal();
  if (!odgeIsFinite(axisPoint) || !odgeIsFinite(axis) || !odgeIsFinite(start))
    return eInvalidInput;
  assertWriteEnabled();
  const Values previous = values();
  m_axisPoint = axisPoint;
  m_axisVector = axis;
  m_startDirection = perpendicularTo(axis, start);
  m_baseRadius *= scale;
  m_topRadius *= scale;
  m_turnHeight *= scale;
  if (mirrors)
    m_twist = !m_twist;
  rebuild(previous);
  return eOk;
}

void OdDbHelix::dxfOutFields(OdDbDxfFiler* pFiler) const
{
  assertReadEnabled();
  OdDbSpline::dxfOutFields(pFiler);
  pFiler->wrSubclassMarker(L"OdDbHelix");
  pFiler->wrInt32(90, 27);
  pFiler->wrInt32(91, 1);
  pFiler->wrPoint3d(10, m_axisPoint);
  pFiler->wrPoint3d(11, startPoint());
  pFiler->wrVector3d(12, m_axisVector);
  pFiler->wrDouble(40, m_topRadius);
  pFiler->wrDouble(41, m_turns);
  pFiler->wrDouble(42, m_turnHeight);
  pFiler->wrBool(290, m_twist);
  pFiler->wrInt16(280, static_cast<OdInt16>(m_constrain));
}

void OdDbHelix::copyFrom(const OdRxObject* pSource)
{
  OdDbSpline::copyFrom(pSource);
  const OdDbHelix* pSrc = static_cast<const OdDbHelix*>(pSource);
  m_axisPoint = pSrc->m_axisPoint;
  m_axisVector = pSrc->m_axisVector;
  m_startDirection = pSrc->m_startDirection;
  m_baseRadius = pSrc->m_baseRadius;
  m_topRadius = pSrc->m_topRadius;
  m_turns = pSrc->m_turns;
  m_turnHeight = pSrc->m_turnHeight;
  m_twist = pSrc->m_twist;
  m_constrain = pSrc->m_constrain;
}
