// Transforming the placement of text and shapes.
#include "db/text/TextFrame.h"

#include "Ge/GeFinite.h"

OdGeVector3d odDbOcsXAxis(const OdGeVector3d& normal)
{
  return OdGeMatrix3d::planeToWorld(normal).getCsXAxis();
}

OdGeVector3d OdDbTextFrame::direction() const
{
  return odDbOcsXAxis(normal).rotateBy(rotation, normal);
}

bool OdDbTextFrame::transformBy(const OdGeMatrix3d& xform)
{
  const OdGeVector3d along = direction();
  const OdGeVector3d up = normal.crossProduct(along);
  const OdGeVector3d newAlong = OdGeVector3d(along).transformBy(xform);
  const OdGeVector3d newUp = OdGeVector3d(up).transformBy(xform);
  const OdGeVector3d newNormalRaw = newAlong.crossProduct(newUp);
  const double alongScale = newAlong.length();
  const double area = newNormalRaw.length();
  if (!odgeIsFinite(alongScale) || !odgeIsFinite(area) || alongScale <= 1e-12 || area <= 1e-12)
    return false;
  const double acrossScale = area / alongScale;
  const OdGeVector3d newNormal = newNormalRaw / area;
  const double newHeight = height * acrossScale;
  const double newWidthFactor = widthFactor * alongScale / acrossScale;
  const double newThickness = thickness * OdGeVector3d(normal).transformBy(xform).dotProduct(newNormal);
  const double newRotation = odDbOcsXAxis(newNormal).angleTo(newAlong / alongScale, newNormal);
  const OdGePoint3d newPosition = OdGePoint3d(position).transformBy(xform);
  if (!odgeIsFinite(newHeight) || !odgeIsFinite(newWidthFactor) || newHeight <= 0.0 || newWidthFactor <= 0.0 ||
      !odgeIsFinite(newThickness) || !odgeIsFinite(newPosition))
    return false;
  position = newPosition;
  normal = newNormal;
  rotation = newRotation;
  height = newHeight;
  widthFactor = newWidthFactor;
  thickness = newThickness;
  return true;
}
