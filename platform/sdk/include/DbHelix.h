// OdDbHelix: a helix about an axis (axis point, unit axis vector) from a start point in the base
// plane, whose radius changes linearly from the base radius to the top radius over its turns
// while it rises by the turn height per turn (height = turns * turn height). The twist gives the
// sense of rotation about the axis vector (true: counter-clockwise). A helix of height 0 is a
// flat spiral. The constrain type says which of turn height, turns and height a change of the
// other two keeps. Values whose curve leaves the finite range (a height of 1e308, turns too few
// to divide) or needs spline data of more than 62500 turns raise OdError(eInvalidInput) and
// change nothing. The inherited spline data follow every change of the helix (cubic pieces
// per sixteenth of a turn, parameter = swept angle), so OdDbSpline's queries describe the
// same curve.
#ifndef OD_DB_HELIX_H
#define OD_DB_HELIX_H

#include "DbSpline.h"

class OdDbHelix : public OdDbSpline
{
public:
  ODRX_DECLARE_MEMBERS(OdDbHelix);

  enum ConstrainType
  {
    kTurnHeight = 0,
    kTurns = 1,
    kHeight = 2
  };

  // One counter-clockwise turn of radius 1 about the Z axis through the origin, turn height 1,
  // start point (1, 0, 0), constrained by the turn height.
  OdDbHelix();

  OdGePoint3d axisPoint() const;
  // Non-finite points raise OdError(eInvalidInput). With moveStartPoint the start point moves
  // with the axis point (the helix is translated); otherwise the start point stays and the base
  // radius and start direction follow it.
  void setAxisPoint(const OdGePoint3d& axisPoint, bool moveStartPoint = true);
  OdGePoint3d startPoint() const;
  // The point's distance from the axis becomes the base radius, its direction the start
  // direction; its component along the axis is dropped (the start point lies in the base plane).
  // A point on the axis keeps the start direction and makes the base radius 0 (refused, like
  // setBaseRadius(0), when the top radius is 0). Non-finite points raise OdError(eInvalidInput).
  void setStartPoint(const OdGePoint3d& startPoint);
  OdGeVector3d axisVector() const;
  // Normalised; the start direction is made perpendicular to it again. A zero or non-finite
  // vector raises OdError(eInvalidInput).
  void setAxisVector(const OdGeVector3d& axisVector);

  double baseRadius() const;
  double topRadius() const;
  // A negative or non-finite radius, or 0 when the other radius is 0 too, raises
  // OdError(eInvalidInput).
  void setBaseRadius(double radius);
  void setTopRadius(double radius);

  double turns() const;
  double turnHeight() const;
  double height() const;
  // Turns: positive and finite. Constrained by the turn height, the height follows; otherwise
  // the height stays and the turn height follows.
  void setTurns(double turns);
  // Any finite value. Constrained by the height (and with a height and turn height other than
  // 0), the height stays and the turns follow; otherwise the turns stay and the height follows.
  void setTurnHeight(double turnHeight);
  // Any finite value. Constrained by the turn height (and with a height and turn height other
  // than 0), the turn height stays and the turns follow; otherwise the turns stay and the turn
  // height follows.
  void setHeight(double height);

  // True: counter-clockwise about the axis vector.
  bool twist() const;
  void setTwist(bool counterClockwise);
  ConstrainType constrain() const;
  // Codes other than 0, 1, 2 raise OdError(eInvalidInput).
  void setConstrain(ConstrainType constrain);

  // The angle between the curve and the base plane at the start point, in (-pi/2, pi/2]:
  // negative for a helix that winds against its axis vector.
  double turnSlope() const;
  // Arc length of the helix itself (not of its spline data), integrated numerically.
  double totalLength() const;

  // Rigid motions and uniform scaling: the axis, start point, radii and turn height follow, a
  // reflection reverses the twist. eNotApplicable for other transforms.
  OdResult transformBy(const OdGeMatrix3d& xform) override;

  // The spline's fields, then the helix's: versions (90, 91), axis point (10), start point
  // (11, giving the base radius), axis vector (12), top radius (40), turns (41), turn height (42), twist (290),
  // constrain (280).
  void dxfOutFields(OdDbDxfFiler* pFiler) const override;
  void copyFrom(const OdRxObject* pSource) override;

  // The helix point at the swept angle theta in [0, 2pi * turns()].
  OdGePoint3d pointAtAngle(double theta) const;

private:
  OdGeVector3d derivativeAtAngle(double theta) const;
  OdGeVector3d sideDirection() const;
  struct Values
  {
    OdGePoint3d axisPoint;
    OdGeVector3d axisVector;
    OdGeVector3d startDirection;
    double baseRadius, topRadius, turns, turnHeight;
    bool twist;
  };
  Values values() const;
  // Builds the spline data from the helix values; false, changing nothing, when they give no
  // finite curve.
  bool buildSpline();
  // After a change of the values: builds the spline data, or puts the previous values back and
  // raises OdError(eInvalidInput).
  void rebuild(const Values& previous);

  OdGePoint3d m_axisPoint;
  OdGeVector3d m_axisVector = OdGeVector3d::kZAxis;
  OdGeVector3d m_startDirection = OdGeVector3d::kXAxis; // unit, perpendicular to the axis
  double m_baseRadius = 1.0;
  double m_topRadius = 1.0;
  double m_turns = 1.0;
  double m_turnHeight = 1.0;
  bool m_twist = true;
  ConstrainType m_constrain = kTurnHeight;
};

typedef OdSmartPtr<OdDbHelix> OdDbHelixPtr;

#endif
