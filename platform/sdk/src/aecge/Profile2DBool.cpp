// Profile booleans on Clipper's integer polygons. Each operation flattens the arcs of its
// operands into chords on one integer grid scaled from their joint extents, lets Clipper
// evaluate, and rebuilds curved contours from the result: an edge that lies on a chord of an
// operand's arc takes that arc back as a bulge, and its ends move onto the exact crossings of
// the curves that meet there. Consecutive edges on one arc become one bulged edge again.
#include "AECGe/Ge2dProfile.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "Ge/GeGbl.h"
#include "ProfileArcs.h"

namespace
{
using ClipperLib::cInt;
using ClipperLib::IntPoint;
using ClipperLib::Path;
using ClipperLib::Paths;

// Chords per full turn. The rebuilt arcs are exact whatever the count; it only decides how
// closely the integer polygons follow the curves while Clipper sorts out the topology, and
// Clipper's time and memory grow with it. At 16 the chords stay within 2% of the radius; where
// another curve comes closer than that, the chord planning gives the arcs there more.
const int kChordsPerTurn = 16;
// Where two curves meet in a sliver thinner than their chords stray (a lens of circles that
// barely overlap, a cap a line barely cuts), the chords may miss each other and the sliver with
// them: those arcs get more chords, up to this many per turn (the slivers still missed then
// hold less than 1e-9 of the radius squared).
const int kMostChordsPerTurn = 4096;
// Integer coordinates stay within Clipper's fast range (no 128-bit products).
const double kGridHalfRange = 1.0e9;

struct FlatArc
{
  OdGePoint2d center;
  double radius = 0.0;
  double startAngle = 0.0;
  OdGeVector2d startDir;  // unit vector at the start angle
  double sweep = 0.0;  // signed
  int chords = 1;
  unsigned first = 0;  // index of its first chord vertex in Engine::m_chordPoints
  bool fullTurn = false;
  double stray = 0.0;  // how far its chords stray from it
  double reach = 0.0;  // how far its vertices may move onto crossings (the stray of the usual chords)
};

// A straight edge of an operand, as given.
struct FlatLine
{
  OdGePoint2d a, b;
  OdGeExtents2d box;
};

// An edge between two finite vertices of an operand's contour, with its arc when it is curved.
struct Edge
{
  OdGePoint2d from, to;
  profile::BulgeArc arc;
  bool curved = false;
  OdGeExtents2d box;  // of the edge itself: its ends, and the quadrant points its arc passes
};

// Plain square root of the sum of squares: the edge tests run for every result edge, and
// hypot's care for overflow is not needed at coordinates that fit the grid.
double distance(const OdGePoint2d& a, const OdGePoint2d& b)
{
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  return std::sqrt(dx * dx + dy * dy);
}

// Whether p lies within the box grown by slack on every side.
bool inBox(const OdGeExtents2d& box, const OdGePoint2d& p, double slack)
{
  return p.x >= box.minPoint().x - slack && p.x <= box.maxPoint().x + slack && p.y >= box.minPoint().y - slack &&
         p.y <= box.maxPoint().y + slack;
}

// The points where two circles meet (one twice where they touch); false where they do not.
bool circleCrossings(const OdGePoint2d& c1, double r1, const OdGePoint2d& c2, double r2, OdGePoint2d& p1, OdGePoint2d& p2)
{
  const OdGeVector2d d = c2 - c1;
  const double dist = std::sqrt(d.lengthSqrd());
  if (!(dist > 0.0))
    return false;
  const double x = (dist * dist + r1 * r1 - r2 * r2) / (2.0 * dist);
  const double h2 = r1 * r1 - x * x;
  if (h2 < 0.0)
    return false;
  const double h = std::sqrt(h2);
  const OdGeVector2d u = d / dist;
  p1 = c1 + u * x + u.perpVector() * h;
  p2 = c1 + u * x - u.perpVector() * h;
  return true;
}

// Where the line through a and b meets the circle, as parameters t of a + t (b - a); false
// where it misses.
bool lineCircleCrossings(const OdGePoint2d& a, const OdGePoint2d& b, const OdGePoint2d& c, double r, double& t1, double& t2)
{
  const OdGeVector2d ab = b - a;
  const double len2 = ab.lengthSqrd();
  if (!(len2 > 0.0))
    return false;
  // |a + t ab - c|^2 = r^2
  const OdGeVector2d f = a - c;
  const double half = ab.dotProduct(f) / len2;
  const double disc = half * half - (f.lengthSqrd() - r * r) / len2;
  if (disc < 0.0)
    return false;
  const double root = std::sqrt(disc);
  t1 = -half - root;
  t2 = -half + root;
  return true;
}

// The angle of (x, y) to within 1.2e-5 radians: a ninth-degree odd polynomial for the
// arctangent on [0, 1], folded to the octant. Enough to tell the chord of an arc under a point
// whenever the chords are wider than a thousandth of a radian.
double roughAtan2(double y, double x)
{
  const double ax = std::fabs(x), ay = std::fabs(y);
  const double big = std::max(ax, ay);
  if (!(big > 0.0))
    return 0.0;
  const double z = std::min(ax, ay) / big;
  const double z2 = z * z;
  double a = z * (0.9998660 + z2 * (-0.3302995 + z2 * (0.1801410 + z2 * (-0.0851330 + z2 * 0.0208351))));
  if (ay > ax)
    a = OdaPI2 - a;
  if (x < 0.0)
    a = OdaPI - a;
  return y < 0.0 ? -a : a;
}
const double kRoughAtan2Error = 1.2e-5;

// The thickness of the sliver between two crossing circles, at its thickest: the lens of two
// that overlap, or the crescent of one that pokes out of the other; infinite when they do not
// cross.
double circleSliver(const OdGePoint2d& c1, double r1, const OdGePoint2d& c2, double r2)
{
  const double d = distance(c1, c2);
  if (!(d > 0.0) || d >= r1 + r2 || d <= std::fabs(r1 - r2))
    return std::numeric_limits<double>::infinity();
  // The common chord lies x from c1 along the line of the centres, h to either side.
  const double x = (d * d + r1 * r1 - r2 * r2) / (2.0 * d);
  const double h = std::sqrt(std::max(0.0, r1 * r1 - x * x));
  const double sag1 = r1 - std::sqrt(std::max(0.0, r1 * r1 - h * h));
  const double sag2 = r2 - std::sqrt(std::max(0.0, r2 * r2 - h * h));
  // Centres on either side of the chord: a lens of the two minor arcs; on one side: a crescent.
  return x > 0.0 && x < d ? sag1 + sag2 : std::fabs(sag1 - sag2);
}

// How deep the straight edge a -> b cuts into the circle where it crosses it: the height of the
// cap it cuts off; infinite when the line misses the circle or the cut is not within the edge.
double capThickness(const OdGePoint2d& c, double r, const OdGePoint2d& a, const OdGePoint2d& b)
{
  const OdGeVector2d ab = b - a;
  const double len2 = ab.lengthSqrd();
  if (!(len2 > 0.0))
    return std::numeric_limits<double>::infinity();
  const double t = ab.dotProduct(c - a) / len2;
  const OdGePoint2d foot = a + ab * t;
  const double depth = r - distance(c, foot);
  if (!(depth > 0.0))
    return std::numeric_limits<double>::infinity();
  // The cut's half-width about the foot must lie on the edge.
  const double half = std::sqrt(std::max(0.0, r * r - (r - depth) * (r - depth))) / std::sqrt(len2);
  if (t + half < 0.0 || t - half > 1.0)
    return std::numeric_limits<double>::infinity();
  return depth;
}

// Items listed per cell of a square grid, from the range of cells each covers, as one array
// counted, then filled (item order within a cell). An item that would cover more than wideCells
// cells is not listed; it goes into wide instead.
class CellLists
{
public:
  void fill(long perSide, const std::vector<std::array<long, 4>>& ranges, long wideCells, std::vector<unsigned>& wide)
  {
    m_start.assign(static_cast<size_t>(perSide * perSide) + 1, 0);
    auto listed = [wideCells](const std::array<long, 4>& r) { return (r[1] - r[0] + 1) * (r[3] - r[2] + 1) <= wideCells; };
    for (unsigned k = 0; k < ranges.size(); ++k)
    {
      const std::array<long, 4>& r = ranges[k];
      if (!listed(r))
      {
        wide.push_back(k);
        continue;
      }
      for (long x = r[0]; x <= r[1]; ++x)
        for (long y = r[2]; y <= r[3]; ++y)
          ++m_start[static_cast<size_t>(x * perSide + y) + 1];
    }
    for (size_t c = 1; c < m_start.size(); ++c)
      m_start[c] += m_start[c - 1];
    m_items.resize(m_start.back());
    std::vector<unsigned> next(m_start.begin(), m_start.end() - 1);
    for (unsigned k = 0; k < ranges.size(); ++k)
    {
      const std::array<long, 4>& r = ranges[k];
      if (listed(r))
        for (long x = r[0]; x <= r[1]; ++x)
          for (long y = r[2]; y <= r[3]; ++y)
            m_items[next[static_cast<size_t>(x * perSide + y)]++] = k;
    }
  }
  void clear()
  {
    m_start.clear();
    m_items.clear();
  }

  size_t cells() const { return m_start.empty() ? 0 : m_start.size() - 1; }
  const unsigned* begin(size_t cell) const { return m_items.data() + m_start[cell]; }
  const unsigned* end(size_t cell) const { return m_items.data() + m_start[cell + 1]; }

private:
  std::vector<unsigned> m_start;
  std::vector<unsigned> m_items;
};

// A uniform grid of cells over a box, each cell listing the items whose boxes (grown by a cell
// on every side) cover it; an item that would cover too many cells is visited for every point.
class BoxGrid
{
public:
  // boxOf(k) gives the box of item k.
  template <class BoxOf>
  void build(const OdGeExtents2d& over, double leastSpan, size_t count, BoxOf boxOf)
  {
    m_lists.clear();
    m_wide.clear();
    m_origin = over.minPoint();
    // A few items are cheaper to visit all than to grid.
    if (count <= kFewItems)
    {
      for (unsigned k = 0; k < count; ++k)
        m_wide.push_back(k);
      return;
    }
    const OdGeVector2d d = over.diagonal();
    const double span = std::max(std::max(d.x, d.y), leastSpan);
    m_perSide = static_cast<long>(std::min(1024.0, std::max(1.0, std::ceil(std::sqrt(static_cast<double>(count)) * 2.0))));
    m_cellSize = span / static_cast<double>(m_perSide);
    std::vector<std::array<long, 4>> ranges(count);
    for (unsigned k = 0; k < count; ++k)
    {
      const OdGeExtents2d box = boxOf(k);
      ranges[k] = {clampCell(cellOf(box.minPoint().x - m_origin.x) - 1), clampCell(cellOf(box.maxPoint().x - m_origin.x) + 1),
                   clampCell(cellOf(box.minPoint().y - m_origin.y) - 1), clampCell(cellOf(box.maxPoint().y - m_origin.y) + 1)};
    }
    m_lists.fill(m_perSide, ranges, 256, m_wide);
  }

  // Calls visit(item) for the items of the point's cell and the wide ones.
  template <class Visit>
  void visit(const OdGePoint2d& p, Visit visit) const
  {
    if (m_lists.cells() != 0)
    {
      const size_t c = static_cast<size_t>(clampCell(cellOf(p.x - m_origin.x)) * m_perSide + clampCell(cellOf(p.y - m_origin.y)));
      for (const unsigned* i = m_lists.begin(c); i != m_lists.end(c); ++i)
        visit(*i);
    }
    for (unsigned k : m_wide)
      visit(k);
  }

private:
  static const size_t kFewItems = 32;

  long cellOf(double offset) const { return static_cast<long>(std::floor(offset / m_cellSize)); }
  // Every item lies within the grid's box, so clamping loses no cell of an item.
  long clampCell(long c) const { return std::min(std::max(c, 0L), m_perSide - 1); }

  OdGePoint2d m_origin;
  long m_perSide = 1;
  double m_cellSize = 1.0;
  CellLists m_lists;
  std::vector<unsigned> m_wide;
};

class Engine
{
public:
  explicit Engine(const OdGeTol& tol) : m_tol(tol) {}

  // Takes the operand's edges between finite vertices, each arc found once for the extents,
  // the chord planning and the flattening.
  void addOperand(const AECGe::Profile2D& profile)
  {
    for (unsigned c = 0; c < profile.numContours(); ++c)
    {
      const AECGe::Contour2D& contour = profile.contourAt(c);
      m_finite.clear();
      m_finite.reserve(contour.numVerts());
      for (unsigned i = 0; i < contour.numVerts(); ++i)
      {
        const OdGePoint2d& p = contour.pointAt(i);
        if (std::isfinite(p.x) && std::isfinite(p.y))
          m_finite.push_back(i);
      }
      const size_t n = m_finite.size();
      for (size_t k = 0; k < n; ++k)
      {
        Edge edge;
        edge.from = contour.pointAt(m_finite[k]);
        edge.to = contour.pointAt(m_finite[(k + 1) % n]);
        edge.curved = n > 1 && profile::bulgeArc(edge.from, edge.to, contour.bulgeAt(m_finite[k]), edge.arc);
        edge.box.addPoint(edge.from);
        if (edge.curved)
        {
          profile::addArcExtents(edge.box, edge.arc, edge.to);
          ++m_expectedArcs;
        }
        else
          edge.box.addPoint(edge.to);
        m_box.addExt(edge.box);
        m_edges.push_back(edge);
      }
      m_contourEnds.push_back(m_edges.size());
    }
    m_operandEnds.push_back(m_contourEnds.size());
  }

  // Fixes the grid once the extents of every operand are known.
  void fixGrid()
  {
    m_arcs.reserve(m_expectedArcs);
    // A bulge describes at most a half turn, apart from rare near-full turns.
    m_chordPoints.reserve(m_expectedArcs * (kChordsPerTurn / 2 + 1));
    if (!m_box.isValidExtents())
    {
      m_origin = OdGePoint2d();
      m_scale = 1.0;
    }
    else
    {
      m_origin = m_box.center();
      const OdGeVector2d d = m_box.diagonal();
      const double half = std::max(std::max(d.x, d.y) * 0.5, m_tol.equalPoint());
      // A power of two, so that scaling is exact.
      m_scale = std::ldexp(1.0, static_cast<int>(std::floor(std::log2(kGridHalfRange / half))));
    }
    m_unit = 1.0 / m_scale;
    // Points back from the grid are doubles near the origin, rounded more coarsely than the
    // grid when the operands are small and far out.
    const double reach = std::max(std::fabs(m_origin.x), std::fabs(m_origin.y)) + kGridHalfRange * m_unit;
    m_slack = 3.0 * m_unit + 8.0 * std::numeric_limits<double>::epsilon() * reach + m_tol.equalPoint();
  }

  // Finds the arcs that meet another arc or a straight edge in a sliver thinner than their
  // chords would stray, and how many chords per turn each of them needs (operands in the order
  // they will be flattened).
  void planChords()
  {
    m_perTurn.assign(m_expectedArcs, kChordsPerTurn);
    if (m_expectedArcs == 0)
      return;
    struct Piece
    {
      OdGeExtents2d box;
      OdGePoint2d a, b;  // a straight edge's ends
      int arc = -1;      // index of the arc, or -1 for a straight edge
      OdGePoint2d center;
      double radius = 0.0;
    };
    // An arc's piece is boxed by the arc, not its circle: a sliver between two arcs, or an arc
    // and a line, lies on both.
    std::vector<Piece> pieces;
    int arcs = 0;
    pieces.reserve(m_edges.size());
    std::vector<int> edgeArc(m_edges.size(), -1);  // the arc index of each curved edge
    std::vector<double> arcRadius;
    for (size_t e = 0; e < m_edges.size(); ++e)
    {
      const Edge& edge = m_edges[e];
      Piece piece;
      piece.box = edge.box;
      if (edge.curved)
      {
        piece.arc = edgeArc[e] = arcs++;
        piece.center = edge.arc.center;
        piece.radius = edge.arc.radius;
        arcRadius.push_back(edge.arc.radius);
      }
      else
      {
        piece.a = edge.from;
        piece.b = edge.to;
      }
      if (piece.box.isValidExtents() && std::isfinite(piece.radius))
        pieces.push_back(piece);
    }
    const double defaultStray = 1.0 - std::cos(OdaPI / kChordsPerTurn);  // per unit of radius
    double widest = 0.0;
    for (const Piece& p : pieces)
      widest = std::max(widest, p.radius);
    // Boxes within the margin may meet in a sliver, or at a point near a third curve.
    const double margin = 8.0 * defaultStray * widest;
    // Thinner than the grid holds is no sliver: arcs of one circle, or a curve that only touches.
    const double finest = std::max(m_tol.equalPoint(), 4.0 * m_unit);
    auto needArc = [&](int arc, double sliver) {
      if (arc < 0 || !(sliver > finest))
        return;
      // Chords of a quarter of the sliver's thickness at the most.
      const double c = 1.0 - sliver / (4.0 * arcRadius[static_cast<size_t>(arc)]);
      const int perTurn =
        c <= -1.0 ? kChordsPerTurn : static_cast<int>(std::min<double>(kMostChordsPerTurn, std::ceil(OdaPI / std::acos(std::max(-1.0, c)))));
      int& planned = m_perTurn[static_cast<size_t>(arc)];
      planned = std::max(planned, perTurn);
    };
    auto need = [&](const Piece& p, double sliver) { needArc(p.arc, sliver); };
    // Points where two curves meet (the contours' vertices, the crossings of two pieces), with
    // the arcs they lie on: where a third curve passes closer than the chords stray, the chords
    // of all three may meet in another order than the curves do.
    struct Meeting
    {
      OdGePoint2d at;
      int a = -1, b = -1;
      double radii = 0.0;  // of the arcs it lies on
    };
    std::vector<Meeting> meetings;
    auto meet = [&](const OdGePoint2d& at, int a, int b) {
      if (!std::isfinite(at.x) || !std::isfinite(at.y))
        return;
      Meeting m;
      m.at = at;
      m.a = a;
      m.b = b;
      m.radii = (a >= 0 ? arcRadius[static_cast<size_t>(a)] : 0.0) + (b >= 0 ? arcRadius[static_cast<size_t>(b)] : 0.0);
      meetings.push_back(m);
    };
    for (size_t c = 0, begin = 0; c < m_contourEnds.size(); begin = m_contourEnds[c++])
      for (size_t e = begin; e < m_contourEnds[c]; ++e)
        meet(m_edges[e].from, edgeArc[e], edgeArc[e == begin ? m_contourEnds[c] - 1 : e - 1]);
    // The crossings of two pieces, each where it lies within both boxes.
    auto crossings = [&](const Piece& p, const Piece& q) {
      const double slack = finest;
      auto keep = [&](const OdGePoint2d& at) {
        if (inBox(p.box, at, slack) && inBox(q.box, at, slack))
          meet(at, p.arc, q.arc);
      };
      if (p.arc >= 0 && q.arc >= 0)
      {
        OdGePoint2d p1, p2;
        if (circleCrossings(p.center, p.radius, q.center, q.radius, p1, p2))
        {
          keep(p1);
          keep(p2);
        }
      }
      else if (p.arc >= 0 || q.arc >= 0)
      {
        const Piece& curve = p.arc >= 0 ? p : q;
        const Piece& line = p.arc >= 0 ? q : p;
        double t1, t2;
        if (lineCircleCrossings(line.a, line.b, curve.center, curve.radius, t1, t2))
          for (double t : {t1, t2})
            if (t >= 0.0 && t <= 1.0)
              keep(line.a + (line.b - line.a) * t);
      }
      else
      {
        const OdGeVector2d r = p.b - p.a, s = q.b - q.a;
        const double denom = r.crossProduct(s);
        if (denom == 0.0)
          return;
        const double t = (q.a - p.a).crossProduct(s) / denom;
        const double u = (q.a - p.a).crossProduct(r) / denom;
        if (t >= 0.0 && t <= 1.0 && u >= 0.0 && u <= 1.0)
          keep(p.a + r * t);
      }
    };
    auto test = [&](const Piece& p, const Piece& q) {
      if (p.arc < 0 && q.arc < 0)
        return;
      if (p.arc >= 0 && q.arc >= 0)
      {
        // Thin slivers need the circles all but touching, from outside or from inside.
        const double d2 = (q.center - p.center).lengthSqrd();
        const double outer = p.radius + q.radius, inner = std::fabs(p.radius - q.radius);
        const double band = 2.0 * defaultStray * outer;
        // A circle just inside another without crossing it: the outer one's chords cut inside
        // the inner one's vertices unless they stray less than the gap between the two.
        if (d2 < inner * inner)
        {
          const double gap = inner - std::sqrt(d2);
          if (gap < band)
            need(p.radius > q.radius ? p : q, gap);
          return;
        }
        if (!((d2 < outer * outer && d2 > (outer - band) * (outer - band)) || d2 < (inner + band) * (inner + band)))
          return;
        const double sliver = circleSliver(p.center, p.radius, q.center, q.radius);
        if (sliver < defaultStray * (p.radius + q.radius))
        {
          need(p, sliver);
          need(q, sliver);
        }
      }
      else
      {
        const Piece& curve = p.arc >= 0 ? p : q;
        const Piece& line = p.arc >= 0 ? q : p;
        const double sliver = capThickness(curve.center, curve.radius, line.a, line.b);
        if (sliver < defaultStray * curve.radius)
          need(curve, sliver);
      }
    };
    // Pairs of pieces whose boxes come within the margin, found on a grid of cells about the
    // size of a piece: each piece goes into the cells its box (grown by half the margin) covers,
    // and a pair is taken in the one cell where the overlap of their grown boxes begins. Pieces
    // that would cover too many cells are paired with every other piece instead.
    OdGeExtents2d all;
    double sizes = 0.0;
    for (const Piece& p : pieces)
    {
      all.addExt(p.box);
      const OdGeVector2d d = p.box.diagonal();
      sizes += std::max(d.x, d.y);
    }
    const OdGeVector2d span = all.diagonal();
    const double extent = std::max(std::max(span.x, span.y), m_unit) + margin;
    const long perSide = static_cast<long>(
      std::min(1024.0, std::max(1.0, std::ceil(extent / std::max(sizes / static_cast<double>(pieces.size()), extent / 1024.0)))));
    const double cellSize = extent / static_cast<double>(perSide);
    const OdGePoint2d base = all.minPoint() - OdGeVector2d(margin, margin) * 0.5;
    auto cellOfX = [&](double v) { return std::min(std::max(static_cast<long>(std::floor(v / cellSize)), 0L), perSide - 1); };
    // Each cell's pieces, in piece order.
    std::vector<unsigned> wide;
    std::vector<std::array<long, 4>> ranges(pieces.size());
    for (unsigned k = 0; k < pieces.size(); ++k)
    {
      const OdGeExtents2d& b = pieces[k].box;
      ranges[k] = {cellOfX(b.minPoint().x - margin * 0.5 - base.x), cellOfX(b.maxPoint().x + margin * 0.5 - base.x),
                   cellOfX(b.minPoint().y - margin * 0.5 - base.y), cellOfX(b.maxPoint().y + margin * 0.5 - base.y)};
    }
    CellLists cells;
    cells.fill(perSide, ranges, 64, wide);
    auto near = [&](const Piece& p, const Piece& q) {
      return !(q.box.minPoint().x > p.box.maxPoint().x + margin || p.box.minPoint().x > q.box.maxPoint().x + margin ||
               q.box.minPoint().y > p.box.maxPoint().y + margin || p.box.minPoint().y > q.box.maxPoint().y + margin);
    };
    for (size_t c = 0; c < cells.cells(); ++c)
    {
      const long cell = static_cast<long>(c);
      // Two straight edges make no sliver, and their crossing matters only near an arc.
      bool arcHere = !wide.empty();
      for (const unsigned* a = cells.begin(c); a != cells.end(c) && !arcHere; ++a)
        arcHere = pieces[*a].arc >= 0;
      if (!arcHere)
        continue;
      for (const unsigned* a = cells.begin(c); a != cells.end(c); ++a)
        for (const unsigned* b = a + 1; b != cells.end(c); ++b)
        {
          const unsigned i = *a, j = *b;
          // A pair is taken where the overlap of the two cell ranges starts.
          if (std::max(ranges[i][0], ranges[j][0]) * perSide + std::max(ranges[i][2], ranges[j][2]) != cell ||
              !near(pieces[i], pieces[j]))
            continue;
          crossings(pieces[i], pieces[j]);
          test(pieces[i], pieces[j]);
        }
    }
    std::vector<char> isWide(pieces.size(), 0);
    for (unsigned w : wide)
      isWide[w] = 1;
    for (unsigned w : wide)
      for (unsigned k = 0; k < pieces.size(); ++k)
        if (k != w && !(isWide[k] && k < w) && near(pieces[w], pieces[k]))
        {
          crossings(pieces[w], pieces[k]);
          test(pieces[w], pieces[k]);
        }

    // Every meeting point against the arcs whose boxes hold it.
    auto nearMeeting = [&](const Meeting& m, const Piece& c) {
      if (c.arc < 0 || c.arc == m.a || c.arc == m.b || !inBox(c.box, m.at, margin * 0.5))
        return;
      const double gap = std::fabs(distance(m.at, c.center) - c.radius);
      if (!(gap < std::min(2.0 * defaultStray * (c.radius + m.radii), margin * 0.5)))
        return;
      need(c, gap);
      needArc(m.a, gap);
      needArc(m.b, gap);
    };
    for (const Meeting& m : meetings)
    {
      const size_t c = static_cast<size_t>(cellOfX(m.at.x - base.x) * perSide + cellOfX(m.at.y - base.y));
      for (const unsigned* k = cells.begin(c); k != cells.end(c); ++k)
        nearMeeting(m, pieces[*k]);
      for (unsigned w : wide)
        nearMeeting(m, pieces[w]);
    }
  }

  // The integer paths of the operand (in the order the operands were added).
  Paths flatten(size_t operand)
  {
    if (operand == 0)
      m_lines.reserve(m_edges.size() - m_expectedArcs);
    Paths paths;
    const size_t firstContour = operand == 0 ? 0 : m_operandEnds[operand - 1];
    for (size_t c = firstContour; c < m_operandEnds[operand]; ++c)
    {
      const size_t begin = c == 0 ? 0 : m_contourEnds[c - 1];
      const size_t end = m_contourEnds[c];
      paths.emplace_back();
      Path& path = paths.back();
      path.reserve((end - begin) * 2);
      for (size_t e = begin; e < end; ++e)
      {
        const Edge& edge = m_edges[e];
        appendPoint(path, edge.from);
        if (edge.curved)
          appendArc(path, edge.arc, edge.from, edge.to);
        else if (edge.from != edge.to)
          m_lines.push_back(FlatLine{edge.from, edge.to, edge.box});
      }
      if (path.size() < 3)
        paths.pop_back();
    }
    return paths;
  }

  AECGe::Profile2D rebuild(const Paths& solution)
  {
    m_arcGrid.build(m_box, m_unit, m_arcs.size(), [&](unsigned k) {
      OdGeExtents2d box;
      for (int i = 0; i <= m_arcs[k].chords; ++i)
        box.addPoint(m_chordPoints[m_arcs[k].first + static_cast<unsigned>(i)]);
      return box;
    });
    m_lineGrid.build(m_box, m_unit, m_lines.size(), [&](unsigned k) { return m_lines[k].box; });
    AECGe::Profile2D result;
    for (const Path& path : solution)
    {
      AECGe::Contour2D contour = rebuildPath(path);
      if (contour.numVerts() >= 2 || (contour.numVerts() == 1 && contour.bulgeAt(0) != 0.0))
        result.appendContour(contour);
    }
    return result;
  }

private:
  IntPoint toGrid(const OdGePoint2d& p) const
  {
    return IntPoint(static_cast<cInt>(std::llround((p.x - m_origin.x) * m_scale)),
                    static_cast<cInt>(std::llround((p.y - m_origin.y) * m_scale)));
  }
  OdGePoint2d fromGrid(const IntPoint& p) const
  {
    return OdGePoint2d(static_cast<double>(p.X) * m_unit + m_origin.x, static_cast<double>(p.Y) * m_unit + m_origin.y);
  }

  void appendPoint(Path& path, const OdGePoint2d& p)
  {
    const IntPoint q = toGrid(p);
    if (path.empty() || path.back().X != q.X || path.back().Y != q.Y)
      path.push_back(q);
  }

  // Chord vertices after the arc's first point, its end point included (the next edge's
  // start is not repeated).
  void appendArc(Path& path, const profile::BulgeArc& arc, const OdGePoint2d& from, const OdGePoint2d& to)
  {
    FlatArc flat;
    flat.center = arc.center;
    flat.radius = arc.radius;
    flat.startAngle = arc.startAngle;
    flat.sweep = arc.sweep;
    const size_t index = m_arcs.size();
    const int perTurn = index < m_perTurn.size() ? m_perTurn[index] : kChordsPerTurn;
    flat.chords = std::max(1, static_cast<int>(std::ceil(std::fabs(arc.sweep) / (Oda2PI / perTurn))));
    flat.fullTurn = std::fabs(arc.sweep) >= Oda2PI - 1e-12;
    flat.stray = arc.radius * (1.0 - std::cos(std::fabs(arc.sweep) / flat.chords / 2.0));
    // More chords meet nearer the crossings, but at the shallow angles that called for them the
    // crossings may still lie as far as the usual chords allow.
    const int usual = std::max(1, static_cast<int>(std::ceil(std::fabs(arc.sweep) / (Oda2PI / kChordsPerTurn))));
    flat.reach = std::max(flat.stray, arc.radius * (1.0 - std::cos(std::fabs(arc.sweep) / usual / 2.0)));
    flat.first = static_cast<unsigned>(m_chordPoints.size());
    m_chordPoints.push_back(fromGrid(toGrid(from)));
    // The chord vertices turn by one step each: a rotation, not a sine and cosine per vertex
    // (the error grows by an ulp per step, far below the grid at any chord count).
    const double step = arc.sweep / flat.chords;
    const double cosStep = std::cos(step), sinStep = std::sin(step);
    flat.startDir.set(std::cos(arc.startAngle), std::sin(arc.startAngle));
    OdGeVector2d radial = flat.startDir * arc.radius;
    for (int i = 1; i <= flat.chords; ++i)
    {
      radial.set(radial.x * cosStep - radial.y * sinStep, radial.x * sinStep + radial.y * cosStep);
      const OdGePoint2d p = i == flat.chords ? to : arc.center + radial;
      const IntPoint q = toGrid(p);
      m_chordPoints.push_back(fromGrid(q));
      if (i < flat.chords)
        path.push_back(q);
    }
    m_arcs.push_back(flat);
  }

  double distanceToLine(const OdGePoint2d& p, const OdGePoint2d& a, const OdGePoint2d& b) const
  {
    const OdGeVector2d ab = b - a;
    const double len = std::sqrt(ab.lengthSqrd());
    if (len <= 0.0)
      return distance(p, a);
    return std::fabs(ab.crossProduct(p - a)) / len;
  }

  // Whether the edge p -> q lies on chord j of the arc.
  bool onChord(const FlatArc& arc, int j, const OdGePoint2d& p, const OdGePoint2d& q) const
  {
    if (j < 0 || j >= arc.chords)
      return false;
    return onSegment(m_chordPoints[arc.first + static_cast<unsigned>(j)], m_chordPoints[arc.first + static_cast<unsigned>(j) + 1], p,
                     q);
  }

  // The arc of an operand that the edge p -> q runs along, or -1 for a straight edge.
  int arcOf(const OdGePoint2d& p, const OdGePoint2d& q) const
  {
    if (m_arcs.empty() || distance(p, q) <= m_unit * 0.5)
      return -1;
    const OdGePoint2d mid = p + (q - p) * 0.5;
    int found = -1;
    const double slack = m_slack;
    auto test = [&](unsigned k) {
      if (found >= 0)
        return;
      const FlatArc& arc = m_arcs[k];
      // The midpoint of an edge on a chord lies between the chord and the arc, give or take the
      // rounding of the chord points (far from the origin the input doubles round more coarsely
      // than the grid, hence the margin of one more stray).
      const double fromCenter = distance(mid, arc.center);
      const double margin = arc.stray + 2.0 * slack;
      if (fromCenter > arc.radius + margin || fromCenter < arc.radius - arc.stray - margin)
        return;
      // The midpoint's angle from the arc's start, in the arc's sense: roughly where the chords
      // are wide enough (a neighbour chord is tried too), exactly where they are not.
      const OdGeVector2d v = mid - arc.center;
      const double across = arc.sweep > 0.0 ? arc.startDir.crossProduct(v) : -arc.startDir.crossProduct(v);
      const double step = std::fabs(arc.sweep) / arc.chords;
      double along = step > 100.0 * kRoughAtan2Error ? roughAtan2(across, arc.startDir.dotProduct(v))
                                                     : std::atan2(across, arc.startDir.dotProduct(v));
      // Behind the start reads as negative, beyond the end up to halfway round as positive.
      if (along < 0.0 && -along > (Oda2PI - std::fabs(arc.sweep)) / 2.0)
        along += Oda2PI;
      const int j = static_cast<int>(std::floor(along / step));
      // The chord under the midpoint's angle or a neighbour (rounding at the chord ends); a
      // full turn also wraps from its last chord to its first.
      if (onChord(arc, j, p, q) || onChord(arc, j - 1, p, q) || onChord(arc, j + 1, p, q) ||
          (arc.fullTurn && j <= 0 && onChord(arc, arc.chords - 1, p, q)) ||
          (arc.fullTurn && j >= arc.chords - 1 && onChord(arc, 0, p, q)))
        found = static_cast<int>(k);
    };
    m_arcGrid.visit(mid, test);
    return found;
  }

  // Whether both ends of the edge p -> q lie on the segment a -> b, give or take the grid.
  bool onSegment(const OdGePoint2d& a, const OdGePoint2d& b, const OdGePoint2d& p, const OdGePoint2d& q) const
  {
    const double slack = m_slack;
    if (distanceToLine(p, a, b) > slack || distanceToLine(q, a, b) > slack)
      return false;
    const OdGeVector2d ab = b - a;
    const double len2 = ab.lengthSqrd();
    const double margin = slack * std::sqrt(len2);
    const double tp = ab.dotProduct(p - a);
    const double tq = ab.dotProduct(q - a);
    return tp >= -margin && tp <= len2 + margin && tq >= -margin && tq <= len2 + margin;
  }

  // The straight edge of an operand that the edge p -> q runs along, or -1.
  int lineOf(const OdGePoint2d& p, const OdGePoint2d& q) const
  {
    if (m_lines.empty() || distance(p, q) <= m_unit * 0.5)
      return -1;
    int found = -1;
    const OdGePoint2d mid = p + (q - p) * 0.5;
    m_lineGrid.visit(mid, [&](unsigned k) {
      if (found >= 0)
        return;
      // The midpoint lies within the segment's box, give or take the grid.
      const FlatLine& line = m_lines[k];
      if (inBox(line.box, mid, m_slack) && onSegment(line.a, line.b, p, q))
        found = static_cast<int>(k);
    });
    return found;
  }

  // The crossing of the lines of two operand edges; false when they are all but parallel, or
  // the crossing lies farther from v than the grid can put it.
  bool linesCross(const FlatLine& l1, const FlatLine& l2, const OdGePoint2d& v, OdGePoint2d& out) const
  {
    const OdGeVector2d d1 = l1.b - l1.a, d2 = l2.b - l2.a;
    const double cross = d1.crossProduct(d2);
    const double sine = std::fabs(cross) / std::sqrt(d1.lengthSqrd() * d2.lengthSqrd());
    if (!(sine > 1e-6))
      return false;
    out = l1.a + d1 * ((l2.a - l1.a).crossProduct(d2) / cross);
    return distance(out, v) <= 2.0 * m_slack / sine + m_unit;
  }

  bool sameCircle(int a, int b) const
  {
    if (a == b)
      return true;
    if (a < 0 || b < 0)
      return false;
    const double eps = std::max(m_tol.equalPoint(), 4.0 * m_unit * 1e-3);
    return distance(m_arcs[a].center, m_arcs[b].center) <= eps && std::fabs(m_arcs[a].radius - m_arcs[b].radius) <= eps;
  }

  // The crossing of two circles nearest to v; false when they do not cross.
  static bool circlesCross(const FlatArc& a, const FlatArc& b, const OdGePoint2d& v, OdGePoint2d& out)
  {
    OdGePoint2d p1, p2;
    if (!circleCrossings(a.center, a.radius, b.center, b.radius, p1, p2))
      return false;
    out = (p1 - v).lengthSqrd() <= (p2 - v).lengthSqrd() ? p1 : p2;
    return true;
  }

  // The crossing of a circle and the line through v and w nearest to near.
  static bool circleLineCross(const FlatArc& a, const OdGePoint2d& v, const OdGePoint2d& w, const OdGePoint2d& near,
                              OdGePoint2d& out)
  {
    double t1, t2;
    if (!lineCircleCrossings(v, w, a.center, a.radius, t1, t2))
      return false;
    const OdGePoint2d p1 = v + (w - v) * t1;
    const OdGePoint2d p2 = v + (w - v) * t2;
    out = (p1 - near).lengthSqrd() <= (p2 - near).lengthSqrd() ? p1 : p2;
    return true;
  }

  AECGe::Contour2D rebuildPath(const Path& path)
  {
    const size_t n = path.size();
    std::vector<OdGePoint2d>& raw = m_raw;
    raw.resize(n);
    for (size_t i = 0; i < n; ++i)
      raw[i] = fromGrid(path[i]);
    std::vector<int>& edgeArc = m_edgeArc;
    edgeArc.resize(n);
    for (size_t i = 0; i < n; ++i)
      edgeArc[i] = arcOf(raw[i], raw[(i + 1) % n]);
    // The operand edge under each straight result edge: its crossings are found from the
    // operand's own points, not from the rounded ones.
    std::vector<int>& edgeLine = m_edgeLine;
    edgeLine.resize(n);
    for (size_t i = 0; i < n; ++i)
      edgeLine[i] = edgeArc[i] >= 0 ? -1 : lineOf(raw[i], raw[(i + 1) % n]);

    // Vertices moved onto the curves they join; a move farther than the chords stray from
    // their arcs is a misreading and is not made.
    std::vector<OdGePoint2d>& fixed = m_fixed;
    fixed.assign(raw.begin(), raw.end());
    for (size_t i = 0; i < n; ++i)
    {
      const int in = edgeArc[(i + n - 1) % n];
      const int out = edgeArc[i];
      const OdGePoint2d& v = raw[i];
      OdGePoint2d moved = v;
      bool ok = false;
      if (in >= 0 && out >= 0 && sameCircle(in, out))
      {
        const FlatArc& a = m_arcs[in];
        const OdGeVector2d r = v - a.center;
        const double length = std::sqrt(r.lengthSqrd());
        if (length > 0.0)
        {
          moved = a.center + r * (a.radius / length);
          ok = true;
        }
      }
      else if (in >= 0 && out >= 0)
        ok = circlesCross(m_arcs[in], m_arcs[out], v, moved);
      else if (in >= 0)
      {
        const int line = edgeLine[i];
        ok = line >= 0 ? circleLineCross(m_arcs[in], m_lines[line].a, m_lines[line].b, v, moved)
                       : circleLineCross(m_arcs[in], v, raw[(i + 1) % n], v, moved);
      }
      else if (out >= 0)
      {
        const int line = edgeLine[(i + n - 1) % n];
        ok = line >= 0 ? circleLineCross(m_arcs[out], m_lines[line].a, m_lines[line].b, v, moved)
                       : circleLineCross(m_arcs[out], v, raw[(i + n - 1) % n], v, moved);
      }
      else
      {
        // Two straight edges: where their operand edges cross, unless they lie on one line.
        const int l1 = edgeLine[(i + n - 1) % n], l2 = edgeLine[i];
        if (l1 >= 0 && l2 >= 0 && l1 != l2 && linesCross(m_lines[l1], m_lines[l2], v, moved))
        {
          fixed[i] = moved;
          continue;
        }
      }
      // Chords that cross at a shallow angle meet farther from the curves' crossing than either
      // strays from its arc, hence the margin.
      if (ok && distance(moved, v) <= 8.0 * (reach(in) + reach(out)) + m_unit + m_slack)
        fixed[i] = moved;
    }

    // Runs of edges on one circle become one bulged edge.
    AECGe::Contour2D contour;
    contour.setClosed(true);
    size_t start = 0;
    // Start at an edge that begins a run, so that no run wraps around the end.
    for (size_t i = 0; i < n; ++i)
    {
      const int prev = edgeArc[(i + n - 1) % n];
      if (edgeArc[i] < 0 || !sameCircle(prev, edgeArc[i]))
      {
        start = i;
        break;
      }
    }
    size_t i = 0;
    while (i < n)
    {
      const size_t k = (start + i) % n;
      const int arc = edgeArc[k];
      double sweep = 0.0;
      size_t run = 1;
      if (arc >= 0)
      {
        sweep = edgeSweep(m_arcs[arc], fixed[k], fixed[(k + 1) % n]);
        while (i + run < n && edgeArc[(k + run) % n] >= 0 && sameCircle(arc, edgeArc[(k + run) % n]))
        {
          const double more = edgeSweep(m_arcs[arc], fixed[(k + run) % n], fixed[(k + run + 1) % n]);
          if ((more > 0.0) != (sweep > 0.0) || std::fabs(sweep + more) >= Oda2PI - 1e-9)
            break;
          sweep += more;
          ++run;
        }
      }
      const OdGePoint2d& p = fixed[k];
      if (contour.numVerts() == 0 || distance(p, contour.pointAt(contour.numVerts() - 1)) > m_tol.equalPoint())
        contour.appendVertex(p, std::tan(sweep / 4.0));
      else
        contour.setBulgeAt(contour.numVerts() - 1, std::tan(sweep / 4.0));
      i += run;
    }
    return contour;
  }

  // How far a vertex on the arc may move onto a crossing (0 for a straight edge).
  double reach(int arc) const
  {
    return arc < 0 ? 0.0 : m_arcs[arc].reach;
  }

  // Signed sweep of the minor arc of the circle from p to q (positive counter-clockwise).
  static double edgeSweep(const FlatArc& arc, const OdGePoint2d& p, const OdGePoint2d& q)
  {
    const OdGeVector2d chord = q - p;
    const double half = std::min(1.0, std::sqrt(chord.lengthSqrd()) / (2.0 * arc.radius));
    const double sweep = 2.0 * std::asin(half);
    // Counter-clockwise from p to q when the center lies left of the chord.
    return chord.crossProduct(arc.center - p) > 0.0 ? sweep : -sweep;
  }

  OdGeTol m_tol;
  OdGeExtents2d m_box;
  OdGePoint2d m_origin;
  double m_scale = 1.0;
  double m_unit = 1.0;
  size_t m_expectedArcs = 0;
  double m_slack = 0.0;  // how far a point back from the grid may be off the line it lies on
  std::vector<Edge> m_edges;
  std::vector<size_t> m_contourEnds;  // one past each contour's last edge
  std::vector<size_t> m_operandEnds;  // one past each operand's last contour
  std::vector<unsigned> m_finite;     // scratch: a contour's finite vertices
  std::vector<OdGePoint2d> m_raw, m_fixed;  // scratch: a result path's vertices
  std::vector<int> m_edgeArc;               // scratch: the arc under each result edge
  std::vector<int> m_edgeLine;              // scratch: the operand edge under each straight one
  std::vector<FlatArc> m_arcs;
  std::vector<int> m_perTurn;  // chords per turn of each arc, in flattening order
  std::vector<OdGePoint2d> m_chordPoints;
  std::vector<FlatLine> m_lines;  // the operands' straight edges, in flattening order
  BoxGrid m_arcGrid, m_lineGrid;
};

bool clipType(int operation, ClipperLib::ClipType& type)
{
  switch (operation)
  {
  case AECGe::Profile2DBool::kUnion: type = ClipperLib::ctUnion; return true;
  case AECGe::Profile2DBool::kDifference: type = ClipperLib::ctDifference; return true;
  case AECGe::Profile2DBool::kIntersection: type = ClipperLib::ctIntersection; return true;
  case AECGe::Profile2DBool::kSymmetricDifference: type = ClipperLib::ctXor; return true;
  default: return false;
  }
}

// One Clipper run: subjects against clips.
AECGe::Profile2D evaluate(const std::vector<const AECGe::Profile2D*>& subjects,
                          const std::vector<const AECGe::Profile2D*>& clips, ClipperLib::ClipType type, const OdGeTol& tol)
{
  Engine engine(tol);
  for (const AECGe::Profile2D* p : subjects)
    engine.addOperand(*p);
  for (const AECGe::Profile2D* p : clips)
    engine.addOperand(*p);
  engine.fixGrid();
  engine.planChords();
  ClipperLib::Clipper clipper;
  for (size_t i = 0; i < subjects.size() + clips.size(); ++i)
    clipper.AddPaths(engine.flatten(i), i < subjects.size() ? ClipperLib::ptSubject : ClipperLib::ptClip, true);
  Paths solution;
  clipper.Execute(type, solution, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
  return engine.rebuild(solution);
}
} // namespace

namespace AECGe
{
Profile2DBool::Profile2DBool(const OdGeTol& tol) : m_tol(tol) {}

Profile2DBool::~Profile2DBool() = default;

void Profile2DBool::reset(const OdGeTol& tol)
{
  m_tol = tol;
  m_pushed.clear();
  m_owned.clear();
}

bool Profile2DBool::evalRegions(const Profile2D& first, const Profile2D& second, int operation, Profile2D& result)
{
  ClipperLib::ClipType type;
  if (!clipType(operation, type))
    return false;
  result = evaluate({&first}, {&second}, type, m_tol);
  return true;
}

void Profile2DBool::pushRegion(const Profile2D& region, bool copy)
{
  if (copy)
  {
    m_owned.push_back(std::make_unique<Profile2D>(region));
    m_pushed.push_back(m_owned.back().get());
  }
  else
    m_pushed.push_back(&region);
}

bool Profile2DBool::evalPushedRegions(int operation, Profile2D& result)
{
  ClipperLib::ClipType type;
  if (!clipType(operation, type))
    return false;
  if (m_pushed.empty())
  {
    result.clear();
    return true;
  }
  switch (operation)
  {
  case kUnion:
    // One run: under the non-zero rule the subjects fill their union.
    result = evaluate(m_pushed, {}, type, m_tol);
    break;
  case kDifference:
    result = evaluate({m_pushed.front()}, std::vector<const Profile2D*>(m_pushed.begin() + 1, m_pushed.end()), type, m_tol);
    break;
  default:
  {
    Profile2D acc = *m_pushed.front();
    for (size_t i = 1; i < m_pushed.size(); ++i)
      acc = evaluate({&acc}, {m_pushed[i]}, type, m_tol);
    result = acc;
    break;
  }
  }
  return true;
}
} // namespace AECGe
