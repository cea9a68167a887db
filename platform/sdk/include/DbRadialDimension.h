// OdDbRadialDimension: a dimension measuring the radius of an arc or circle from its centre to
// the chord point on the curve; the leader runs on from the chord point by leaderLength. When
// the chord point lies off the measured arc, an extension arc may be drawn out to it
// (extArcOn). Points are world coordinates.
#ifndef OD_DB_RADIAL_DIMENSION_H
#define OD_DB_RADIAL_DIMENSION_H

#include "DbDimension.h"

class OdDbRadialDimension : public OdDbDimension
{
public:
  ODRX_DECLARE_MEMBERS(OdDbRadialDimension);

  OdDbRadialDimension();

  OdGePoint3d center() const;
  void setCenter(const OdGePoint3d& center);
  OdGePoint3d chordPoint() const;
  void setChordPoint(const OdGePoint3d& point);
  double leaderLength() const;
  // A finite length, kept as given.
  void setLeaderLength(double length);
  bool extArcOn() const;
  void setExtArcOn(bool on);

  // The distance from the centre to the chord point.
  double getMeasurement() const override;
  // The chord point moved on along the leader.
  OdGePoint3d defaultTextPosition() const override;
  OdResult transformBy(const OdGeMatrix3d& xform) override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  OdGePoint3d m_center;
  OdGePoint3d m_chord;
  double m_leader = 0.0;
  bool m_extArc = false;
};

typedef OdSmartPtr<OdDbRadialDimension> OdDbRadialDimensionPtr;

#endif
