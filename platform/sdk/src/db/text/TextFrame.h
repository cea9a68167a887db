// The placement that text and shapes share: a position in the plane of a normal, a direction
// given by the rotation from the X axis of the normal's object coordinate system, a height and
// a width factor across and along that direction, and a thickness along the normal.
#ifndef OD_DB_TEXT_FRAME_H
#define OD_DB_TEXT_FRAME_H

#include "Ge/GeMatrix3d.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"

// X axis of the object coordinate system of a normal.
OdGeVector3d odDbOcsXAxis(const OdGeVector3d& normal);

struct OdDbTextFrame
{
  OdGePoint3d position;
  OdGeVector3d normal;
  double rotation;
  double height;
  double widthFactor;
  double thickness;

  // Unit vector of the baseline.
  OdGeVector3d direction() const;
  // The frame under the matrix: the direction and the across vector are transformed, the
  // height follows the scale across, the width factor the ratio of the scales along and across.
  // False, leaving the frame as it was, when the matrix collapses the plane or a value leaves
  // the finite range; a height or width factor of 0 or less is refused too.
  bool transformBy(const OdGeMatrix3d& xform);
};

#endif
