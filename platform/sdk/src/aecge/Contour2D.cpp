// Contours and profiles: vertices with bulges, exact areas, orientation and extents.
#include "AECGe/Ge2dProfile.h"

#include <cmath>
#include <vector>

#include "OdError.h"
#include "ProfileArcs.h"

OdGeTol AECGeGbl::gTol(1.0e-10, 1.0e-10);

namespace AECGe
{
void Contour2D::appendVertices(const OdGePoint2dArray& points)
{
  for (const OdGePoint2d& p : points)
    appendVertex(p);
}

void Contour2D::appendVertex(const OdGePoint2d& point, double bulge, double, double)
{
  m_points.append(point);
  m_bulges.append(bulge);
}

void Contour2D::setBulgeAt(unsigned index, double bulge)
{
  if (index >= m_bulges.size())
    throw OdError(eInvalidIndex);
  m_bulges[index] = bulge;
}

double Contour2D::signedArea() const
{
  // Shoelace over the finite vertices, plus the signed area between each bulged chord and its
  // arc. The edge from a vertex keeps its bulge when the vertices after it are left out.
  const unsigned n = numVerts();
  auto finitePoint = [&](unsigned i) { return std::isfinite(m_points[i].x) && std::isfinite(m_points[i].y); };
  unsigned firstBad = 0;
  while (firstBad < n && finitePoint(firstBad))
    ++firstBad;
  // The finite vertices are listed only when some are not.
  std::vector<unsigned> finite;
  if (firstBad < n)
    for (unsigned i = 0; i < n; ++i)
      if (finitePoint(i))
        finite.push_back(i);
  const bool allFinite = firstBad == n;
  const size_t count = allFinite ? n : finite.size();
  auto vertex = [&](size_t k) { return allFinite ? static_cast<unsigned>(k) : finite[k]; };
  if (count == 0)
    return 0.0;
  // Measured from the first vertex, so that far-off coordinates do not cancel digits away.
  const OdGePoint2d origin = m_points[vertex(0)];
  double twice = 0.0;
  double segments = 0.0;
  for (size_t k = 0; k < count; ++k)
  {
    const OdGePoint2d& a = m_points[vertex(k)];
    const OdGePoint2d& b = m_points[vertex(k + 1 == count ? 0 : k + 1)];
    twice += (a - origin).crossProduct(b - origin);
    segments += profile::bulgeSegmentArea(a, b, m_bulges[vertex(k)]);
  }
  return 0.5 * twice + segments;
}

void Contour2D::reverse()
{
  // Vertex i's bulge belongs to the edge i -> i+1; reversed, that edge runs from the new
  // position of i+1 and turns the other way.
  const unsigned n = numVerts();
  if (n < 2)
    return;
  OdGePoint2dArray points;
  OdGeDoubleArray bulges;
  points.reserve(n);
  bulges.reserve(n);
  for (unsigned i = n; i-- > 0;)
  {
    points.append(m_points[i]);
    bulges.append(-m_bulges[(i + n - 1) % n]);
  }
  m_points = points;
  m_bulges = bulges;
}

void Contour2D::makeCCW(bool ccw)
{
  const double area = signedArea();
  if ((ccw && area < 0.0) || (!ccw && area > 0.0))
    reverse();
}

OdGeExtents2d Contour2D::extents() const
{
  OdGeExtents2d ext;
  const unsigned n = numVerts();
  for (unsigned i = 0; i < n; ++i)
  {
    const OdGePoint2d& p = m_points[i];
    if (!std::isfinite(p.x) || !std::isfinite(p.y))
      continue;
    ext.addPoint(p);
    const OdGePoint2d& q = m_points[(i + 1) % n];
    if (std::isfinite(q.x) && std::isfinite(q.y))
      profile::addBulgeExtents(ext, p, q, m_bulges[i]);
  }
  return ext;
}

double Profile2D::signedArea() const
{
  double sum = 0.0;
  for (const Contour2D& c : m_contours)
    sum += c.signedArea();
  return sum;
}

OdGeExtents2d Profile2D::extents() const
{
  OdGeExtents2d ext;
  for (const Contour2D& c : m_contours)
    ext.addExt(c.extents());
  return ext;
}
} // namespace AECGe
