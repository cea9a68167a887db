// OdDbDiametricDimension: a dimension measuring the diameter of an arc or circle between two
// opposite points on it, the chord point and the far chord point; the leader runs on from the
// chord point by leaderLength. An extension arc may be drawn out to a chord point that lies off
// the measured arc (extArcOn). Points are world coordinates.
#ifndef OD_DB_DIAMETRIC_DIMENSION_H
#define OD_DB_DIAMETRIC_DIMENSION_H

#include "DbDimension.h"

class OdDbDiametricDimension : public OdDbDimension
{
public:
  ODRX_DECLARE_MEMBERS(OdDbDiametricDimension);

  OdDbDiametricDimension();

  OdGePoint3d chordPoint() const;
  void setChordPoint(const OdGePoint3d& point);
  OdGePoint3d farChordPoint() const;
  void setFarChordPoint(const OdGePoint3d& point);
  double leaderLength() const;
  // A finite length, kept as given.
  void setLeaderLength(double length);
  bool extArcOn() const;
  void setExtArcOn(bool on);

  // The distance between the two chord points.
  double getMeasurement() const override;
  // The chord point moved on along the leader.
  OdGePoint3d defaultTextPosition() const override;
  OdResult transformBy(const OdGeMatrix3d& xform) override;
  void copyFrom(const OdRxObject* pSource) override;

private:
  OdGePoint3d m_chord;
  OdGePoint3d m_farChord;
  double m_leader = 0.0;
  bool m_extArc = false;
};

typedef OdSmartPtr<OdDbDiametricDimension> OdDbDiametricDimensionPtr;

#endif
