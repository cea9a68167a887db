// OdDbRadialDimension and OdDbDiametricDimension: the one-arrow kinds measured across an arc.
// Both keep a chord point on the arc, a leader length and the extension arc switch; the radial
// one measures from the centre, the diametric one from the opposite (far) chord point.
#include "DbDiametricDimension.h"
#include "DbRadialDimension.h"

#include "db/DbInternal.h"
#include "Ge/GeMatrix3d.h"
#include "SdkRxMacros.h"

// No DXF name: the DXF mapping of these kinds comes with their full classes.
ODRX_SDK_DBOBJECT_DEFINE_MEMBERS(OdDbRadialDimension, OdDbDimension)
ODRX_SDK_DBOBJECT_DEFINE_MEMBERS(OdDbDiametricDimension, OdDbDimension)

namespace
{
template <class Dim, class T>
void setChecked(Dim* pDim, T& member, const T& value)
{
  pDim->assertWriteEnabled(false, false);
  odDbCheckFinite(value);
  pDim->assertWriteEnabled();
  member = value;
}

// The text sits at the end of the leader: from `from` through `chord` and leader further on.
OdGePoint3d leaderEnd(const OdGePoint3d& from, const OdGePoint3d& chord, double leader)
{
  const OdGeVector3d dir = chord - from;
  if (dir.length() < 1e-12)
    return chord;
  return chord + dir.normal() * leader;
}

// Lengths scale with the transformation along the direction they are measured in.
double scaledLength(const OdGeMatrix3d& xform, const OdGePoint3d& from, const OdGePoint3d& to, double length)
{
  const OdGeVector3d span = to - from;
  if (span.length() < 1e-12)
    return length;
  OdGeVector3d moved = span.normal();
  moved.transformBy(xform);
  return length * moved.length();
}
} // namespace

// ---- OdDbRadialDimension -----------------------------------------------------------------------

OdDbRadialDimension::OdDbRadialDimension() = default;

OdGePoint3d OdDbRadialDimension::center() const
{
  assertReadEnabled();
  return m_center;
}
void OdDbRadialDimension::setCenter(const OdGePoint3d& center)
{
  setChecked(this, m_center, center);
  geometryChanged();
}
OdGePoint3d OdDbRadialDimension::chordPoint() const
{
  assertReadEnabled();
  return m_chord;
}
void OdDbRadialDimension::setChordPoint(const OdGePoint3d& point)
{
  setChecked(this, m_chord, point);
  geometryChanged();
}
double OdDbRadialDimension::leaderLength() const
{
  assertReadEnabled();
  return m_leader;
}
void OdDbRadialDimension::setLeaderLength(double length)
{
  setChecked(this, m_leader, length);
  geometryChanged();
}
bool OdDbRadialDimension::extArcOn() const
{
  assertReadEnabled();
  return m_extArc;
}
void OdDbRadialDimension::setExtArcOn(bool on)
{
  assertWriteEnabled();
  m_extArc = on;
}

double OdDbRadialDimension::getMeasurement() const
{
  assertReadEnabled();
  return m_center.distanceTo(m_chord);
}

OdGePoint3d OdDbRadialDimension::defaultTextPosition() const
{
  return leaderEnd(m_center, m_chord, m_leader);
}

OdResult OdDbRadialDimension::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  if (!odDbMatrixIsFinite(xform))
    return eInvalidInput;
  assertWriteEnabled();
  m_leader = scaledLength(xform, m_center, m_chord, m_leader);
  m_center.transformBy(xform);
  m_chord.transformBy(xform);
  transformBase(xform);
  xDataTransformBy(xform);
  return eOk;
}

void OdDbRadialDimension::copyFrom(const OdRxObject* pSource)
{
  OdDbDimension::copyFrom(pSource);
  const OdDbRadialDimension* pSrc = static_cast<const OdDbRadialDimension*>(pSource);
  m_center = pSrc->m_center;
  m_chord = pSrc->m_chord;
  m_leader = pSrc->m_leader;
  m_extArc = pSrc->m_extArc;
}

// ---- OdDbDiametricDimension --------------------------------------------------------------------

OdDbDiametricDimension::OdDbDiametricDimension() = default;

OdGePoint3d OdDbDiametricDimension::chordPoint() const
{
  assertReadEnabled();
  return m_chord;
}
void OdDbDiametricDimension::setChordPoint(const OdGePoint3d& point)
{
  setChecked(this, m_chord, point);
  geometryChanged();
}
OdGePoint3d OdDbDiametricDimension::farChordPoint() const
{
  assertReadEnabled();
  return m_farChord;
}
void OdDbDiametricDimension::setFarChordPoint(const OdGePoint3d& point)
{
  setChecked(this, m_farChord, point);
  geometryChanged();
}
double OdDbDiametricDimension::leaderLength() const
{
  assertReadEnabled();
  return m_leader;
}
void OdDbDiametricDimension::setLeaderLength(double length)
{
  setChecked(this, m_leader, length);
  geometryChanged();
}
bool OdDbDiametricDimension::extArcOn() const
{
  assertReadEnabled();
  return m_extArc;
}
void OdDbDiametricDimension::setExtArcOn(bool on)
{
  assertWriteEnabled();
  m_extArc = on;
}

double OdDbDiametricDimension::getMeasurement() const
{
  assertReadEnabled();
  return m_farChord.distanceTo(m_chord);
}

OdGePoint3d OdDbDiametricDimension::defaultTextPosition() const
{
  return leaderEnd(m_farChord, m_chord, m_leader);
}

OdResult OdDbDiametricDimension::transformBy(const OdGeMatrix3d& xform)
{
  assertWriteEnabled(false, false);
  if (!odDbMatrixIsFinite(xform))
    return eInvalidInput;
  assertWriteEnabled();
  m_leader = scaledLength(xform, m_farChord, m_chord, m_leader);
  m_chord.transformBy(xform);
  m_farChord.transformBy(xform);
  transformBase(xform);
  xDataTransformBy(xform);
  return eOk;
}

void OdDbDiametricDimension::copyFrom(const OdRxObject* pSource)
{
  OdDbDimension::copyFrom(pSource);
  const OdDbDiametricDimension* pSrc = static_cast<const OdDbDiametricDimension*>(pSource);
  m_chord = pSrc->m_chord;
  m_farChord = pSrc->m_farChord;
  m_leader = pSrc->m_leader;
  m_extArc = pSrc->m_extArc;
}
