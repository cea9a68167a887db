// Axis-aligned rectangle in the plane. A default-constructed rectangle is invalid (minimum
// above maximum) and becomes the single point given to its first addPoint().
#ifndef OD_GE_EXTENTS2D_H
#define OD_GE_EXTENTS2D_H

#include "Ge/GeMatrix2d.h"
#include "Ge/GePoint2dArray.h"

class OdGeExtents2d
{
public:
  OdGeExtents2d();
  // Stored as given; use comparingSet() for two arbitrary corners.
  OdGeExtents2d(const OdGePoint2d& min, const OdGePoint2d& max) : m_min(min), m_max(max) {}

  static const OdGeExtents2d kInvalid;

  const OdGePoint2d& minPoint() const { return m_min; }
  const OdGePoint2d& maxPoint() const { return m_max; }
  OdGePoint2d center() const { return m_min + (m_max - m_min) * 0.5; }
  OdGeVector2d diagonal() const { return m_max - m_min; }

  OdGeExtents2d& set(const OdGePoint2d& min, const OdGePoint2d& max);
  // The rectangle with corners point1 and point2, in any order.
  OdGeExtents2d& comparingSet(const OdGePoint2d& point1, const OdGePoint2d& point2);
  OdGeExtents2d& addPoint(const OdGePoint2d& point);
  OdGeExtents2d& addPoints(const OdGePoint2dArray& points);
  // Adding an invalid rectangle changes nothing.
  OdGeExtents2d& addExt(const OdGeExtents2d& extents);
  bool isValidExtents() const { return m_min.x <= m_max.x && m_min.y <= m_max.y; }

  // Grows the rectangle in every direction by the absolute components of the vector.
  void expandBy(const OdGeVector2d& vect);
  void translate(const OdGeVector2d& vect);
  // The rectangle around the four transformed corners (an invalid one stays invalid).
  void transformBy(const OdGeMatrix2d& xfm);

  bool contains(const OdGePoint2d& point, const OdGeTol& tol = OdGeContext::gTol) const;
  bool contains(const OdGeExtents2d& extents, const OdGeTol& tol = OdGeContext::gTol) const;
  bool isDisjoint(const OdGeExtents2d& extents, const OdGeTol& tol = OdGeContext::gTol) const;

  bool isEqualTo(const OdGeExtents2d& extents, const OdGeTol& tol = OdGeContext::gTol) const
  {
    return m_min.isEqualTo(extents.m_min, tol) && m_max.isEqualTo(extents.m_max, tol);
  }
  bool operator==(const OdGeExtents2d& extents) const { return isEqualTo(extents); }
  bool operator!=(const OdGeExtents2d& extents) const { return !isEqualTo(extents); }

private:
  OdGePoint2d m_min;
  OdGePoint2d m_max;
};

#endif
