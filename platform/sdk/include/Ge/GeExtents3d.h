// Axis-aligned box in space. A default-constructed box is invalid (minimum above maximum) and
// becomes the single point given to its first addPoint().
#ifndef OD_GE_EXTENTS3D_H
#define OD_GE_EXTENTS3D_H

#include "Ge/GeMatrix3d.h"
#include "Ge/GePoint3dArray.h"

class OdGeExtents3d
{
public:
  OdGeExtents3d();
  // Stored as given; use comparingSet() for two arbitrary corners.
  OdGeExtents3d(const OdGePoint3d& min, const OdGePoint3d& max) : m_min(min), m_max(max) {}

  static const OdGeExtents3d kInvalid;

  const OdGePoint3d& minPoint() const { return m_min; }
  const OdGePoint3d& maxPoint() const { return m_max; }
  OdGePoint3d center() const { return m_min + (m_max - m_min) * 0.5; }
  OdGeVector3d diagonal() const { return m_max - m_min; }

  OdGeExtents3d& set(const OdGePoint3d& min, const OdGePoint3d& max);
  // The box with corners point1 and point2, in any order.
  OdGeExtents3d& comparingSet(const OdGePoint3d& point1, const OdGePoint3d& point2);
  OdGeExtents3d& addPoint(const OdGePoint3d& point);
  OdGeExtents3d& addPoints(const OdGePoint3dArray& points);
  // Adding an invalid box changes nothing.
  OdGeExtents3d& addExt(const OdGeExtents3d& extents);
  bool isValidExtents() const { return m_min.x <= m_max.x && m_min.y <= m_max.y && m_min.z <= m_max.z; }

  // Grows the box in every direction by the absolute components of the vector.
  void expandBy(const OdGeVector3d& vect);
  void translate(const OdGeVector3d& vect);
  // The box around the eight transformed corners (an invalid box stays invalid).
  void transformBy(const OdGeMatrix3d& xfm);

  bool contains(const OdGePoint3d& point, const OdGeTol& tol = OdGeContext::gTol) const;
  bool contains(const OdGeExtents3d& extents, const OdGeTol& tol = OdGeContext::gTol) const;
  bool isDisjoint(const OdGeExtents3d& extents, const OdGeTol& tol = OdGeContext::gTol) const;

  bool isEqualTo(const OdGeExtents3d& extents, const OdGeTol& tol = OdGeContext::gTol) const
  {
    return m_min.isEqualTo(extents.m_min, tol) && m_max.isEqualTo(extents.m_max, tol);
  }
  bool operator==(const OdGeExtents3d& extents) const { return isEqualTo(extents); }
  bool operator!=(const OdGeExtents3d& extents) const { return !isEqualTo(extents); }

private:
  OdGePoint3d m_min;
  OdGePoint3d m_max;
};

#endif
