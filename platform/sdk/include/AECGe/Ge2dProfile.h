// Planar profiles and their booleans. A contour is a closed chain of vertices with bulges (the
// bulge of vertex i is tan(sweep / 4) of the arc from vertex i to vertex i + 1, positive
// counter-clockwise, 0 for a straight segment); a profile is a set of contours, outer ones
// counter-clockwise and holes clockwise, so that its signed area is the sum of theirs.
//
// Booleans run on integer polygons (Clipper): arcs are flattened into chords, the integer grid
// is scaled from the extents of the operands, and every result edge that lies on an arc of an
// operand gets the arc back as a bulge, its ends moved onto the exact intersections of the
// curves. Areas of results are therefore those of the true curved regions, not of the chords.
// Vertices with non-finite coordinates are left out.
#ifndef AECGE_GE2D_PROFILE_H
#define AECGE_GE2D_PROFILE_H

#include <memory>
#include <vector>

#include "Ge/GeDoubleArray.h"
#include "Ge/GeExtents2d.h"
#include "Ge/GePoint2dArray.h"
#include "Ge/GeTol.h"

namespace AECGeGbl
{
// Tolerance of the profile library: points closer than equalPoint() are one point.
extern OdGeTol gTol;
} // namespace AECGeGbl

namespace AECGe
{
class Contour2D
{
public:
  Contour2D() = default;

  unsigned numVerts() const { return static_cast<unsigned>(m_points.size()); }
  const OdGePoint2d& pointAt(unsigned index) const { return m_points[index]; }
  double bulgeAt(unsigned index) const { return m_bulges[index]; }
  const OdGePoint2dArray& points() const { return m_points; }
  const OdGeDoubleArray& bulges() const { return m_bulges; }

  // Appends points with bulge 0.
  void appendVertices(const OdGePoint2dArray& points);
  // The widths are accepted for the shape of the call and not kept.
  void appendVertex(const OdGePoint2d& point, double bulge = 0.0, double startWidth = 0.0, double endWidth = 0.0);
  // Throws OdError(eInvalidIndex) for an index past the last vertex.
  void setBulgeAt(unsigned index, double bulge);
  void setClosed(bool closed) { m_closed = closed; }
  bool isClosed() const { return m_closed; }

  // Area enclosed, positive when counter-clockwise, arcs counted exactly. An open contour is
  // measured as if closed by a straight segment. Non-finite vertices count as absent.
  double signedArea() const;
  bool isCCW() const { return signedArea() > 0.0; }
  // Reverses the vertex order when the orientation differs from the one asked for (a contour of
  // zero area is left as it is).
  void makeCCW(bool ccw = true);
  void reverse();
  OdGeExtents2d extents() const;

private:
  OdGePoint2dArray m_points;
  OdGeDoubleArray m_bulges;
  bool m_closed = false;
};

class Profile2D
{
public:
  Profile2D() = default;
  explicit Profile2D(const Contour2D& contour) { m_contours.push_back(contour); }

  unsigned numContours() const { return static_cast<unsigned>(m_contours.size()); }
  const Contour2D& contourAt(unsigned index) const { return m_contours[index]; }
  void appendContour(const Contour2D& contour) { m_contours.push_back(contour); }
  void clear() { m_contours.clear(); }
  bool isEmpty() const { return m_contours.empty(); }

  // Sum of the contours' signed areas.
  double signedArea() const;
  OdGeExtents2d extents() const;

private:
  std::vector<Contour2D> m_contours;
};

// Boolean evaluator: one operation on two regions, or one operation over every region pushed
// since the last reset. Operands are filled by the non-zero rule, so a self-intersecting
// contour fills each of its lobes.
class Profile2DBool
{
public:
  enum Operation
  {
    kUnion = 1,
    kDifference = 2, // first minus second
    kIntersection = 3,
    kSymmetricDifference = 4
  };

  explicit Profile2DBool(const OdGeTol& tol = AECGeGbl::gTol);
  ~Profile2DBool();
  Profile2DBool(const Profile2DBool&) = delete;
  Profile2DBool& operator=(const Profile2DBool&) = delete;

  // Forgets the pushed regions and takes the tolerance.
  void reset(const OdGeTol& tol = AECGeGbl::gTol);
  // result := first op second; result may be one of the operands. False for an unknown
  // operation (result untouched).
  bool evalRegions(const Profile2D& first, const Profile2D& second, int operation, Profile2D& result);
  // With copy false the region must outlive the evaluation.
  void pushRegion(const Profile2D& region, bool copy = true);
  unsigned numPushedRegions() const { return static_cast<unsigned>(m_pushed.size()); }
  // Union and intersection fold all pushed regions; difference takes the others from the first
  // and symmetric difference keeps what an odd number of them cover. False for an unknown
  // operation.
  bool evalPushedRegions(int operation, Profile2D& result);

private:
  OdGeTol m_tol;
  std::vector<const Profile2D*> m_pushed;
  std::vector<std::unique_ptr<Profile2D>> m_owned;
};
} // namespace AECGe

#endif
