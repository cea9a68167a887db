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
// Clipper's time grows with it. At 32 the chords stay within 0.5% of the radius; curves that
// overlap by less than that may be taken as merely touching.
const int kChordsPerTurn = 32;
// Integer coordinates stay within Clipper's fast range (no 128-bit products).
const double kGridHalfRange = 1.0e9;

struct FlatArc
{
  OdGePoint2d center;
  double radius = 0.0;
  double startAngle = 0.0;
  double sweep = 0.0;  // signed
  int chords = 1;
  unsigned first = 0;  // index of its first chord vertex in Engine::m_chordPoints
  bool fullTurn = false;
  double stray = 0.0;  // how far its chords stray from it
};

// Plain square root of the sum of squares: the edge tests run for every result edge, and
// hypot's care for overflow is not needed at coordinates that fit the grid.
double distance(const OdGePoint2d& a, const OdGePoint2d& b)
{
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  return std::sqrt(dx * dx + dy * dy);
}

double normalizeAngle(double a)
{
  a = std::fmod(a, Oda2PI);
  if (a < 0.0)
    a += Oda2PI;
  return a;
}

class Engine
{
public:
  explicit Engine(const OdGeTol& tol) : m_tol(tol) {}

  // Takes the operand's extents and makes room for the chords of its arcs.
  void addOperand(const AECGe::Profile2D& profile)
  {
    m_box.addExt(profile.extents());
    size_t arcs = 0;
    for (unsigned c = 0; c < profile.numContours(); ++c)
    {
      const OdGeDoubleArray& bulges = profile.contourAt(c).bulges();
      arcs += static_cast<size_t>(std::count_if(bulges.begin(), bulges.end(), [](double b) { return b != 0.0; }));
    }
    m_expectedArcs += arcs;
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

  Paths flatten(const AECGe::Profile2D& profile)
  {
    Paths paths;
    for (unsigned c = 0; c < profile.numContours(); ++c)
    {
      const AECGe::Contour2D& contour = profile.contourAt(c);
      std::vector<unsigned> finite;
      for (unsigned i = 0; i < contour.numVerts(); ++i)
      {
        const OdGePoint2d& p = contour.pointAt(i);
        if (std::isfinite(p.x) && std::isfinite(p.y))
          finite.push_back(i);
      }
      Path path;
      path.reserve(finite.size() * 2);
      for (size_t k = 0; k < finite.size(); ++k)
      {
        const OdGePoint2d& from = contour.pointAt(finite[k]);
        const OdGePoint2d& to = contour.pointAt(finite[(k + 1) % finite.size()]);
        appendPoint(path, from);
        profile::BulgeArc arc;
        if (finite.size() > 1 && profile::bulgeArc(from, to, contour.bulgeAt(finite[k]), arc))
          appendArc(path, arc, from, to);
      }
      if (path.size() >= 3)
        paths.push_back(path);
    }
    return paths;
  }

  AECGe::Profile2D rebuild(const Paths& solution)
  {
    indexArcs();
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
    flat.chords = std::max(1, static_cast<int>(std::ceil(std::fabs(arc.sweep) / (Oda2PI / kChordsPerTurn))));
    flat.fullTurn = std::fabs(arc.sweep) >= Oda2PI - 1e-12;
    flat.stray = arc.radius * (1.0 - std::cos(std::fabs(arc.sweep) / flat.chords / 2.0));
    flat.first = static_cast<unsigned>(m_chordPoints.size());
    m_chordPoints.push_back(fromGrid(toGrid(from)));
    for (int i = 1; i <= flat.chords; ++i)
    {
      const OdGePoint2d p = i == flat.chords ? to
                                             : arc.center + OdGeVector2d(std::cos(arc.startAngle + arc.sweep * i / flat.chords),
                                                                         std::sin(arc.startAngle + arc.sweep * i / flat.chords)) *
                                                                arc.radius;
      const IntPoint q = toGrid(p);
      m_chordPoints.push_back(fromGrid(q));
      if (i < flat.chords)
        path.push_back(q);
    }
    m_arcs.push_back(flat);
  }

  // A uniform grid of cells over the arcs' boxes, stored as one array of arc indices per cell
  // (counted, then filled); an arc spanning too many cells is checked for every edge instead.
  void indexArcs()
  {
    m_cellStart.clear();
    m_cellArcs.clear();
    m_wideArcs.clear();
    if (m_arcs.empty())
      return;
    const OdGeVector2d d = m_box.diagonal();
    const double span = std::max(std::max(d.x, d.y), m_unit);
    m_perSide = static_cast<long>(std::min(1024.0, std::max(1.0, std::ceil(std::sqrt(static_cast<double>(m_arcs.size())) * 2.0))));
    m_cellSize = span / static_cast<double>(m_perSide);
    std::vector<std::array<long, 4>> ranges(m_arcs.size());
    m_cellStart.assign(static_cast<size_t>(m_perSide * m_perSide) + 1, 0);
    for (unsigned k = 0; k < m_arcs.size(); ++k)
    {
      const FlatArc& arc = m_arcs[k];
      OdGeExtents2d box;
      for (int i = 0; i <= arc.chords; ++i)
        box.addPoint(m_chordPoints[arc.first + static_cast<unsigned>(i)]);
      std::array<long, 4>& r = ranges[k];
      r = {clampCell(cellOf(box.minPoint().x - m_box.minPoint().x) - 1), clampCell(cellOf(box.maxPoint().x - m_box.minPoint().x) + 1),
           clampCell(cellOf(box.minPoint().y - m_box.minPoint().y) - 1), clampCell(cellOf(box.maxPoint().y - m_box.minPoint().y) + 1)};
      if ((r[1] - r[0] + 1) * (r[3] - r[2] + 1) > 256)
      {
        m_wideArcs.push_back(k);
        r[0] = 1;
        r[1] = 0;
        continue;
      }
      for (long x = r[0]; x <= r[1]; ++x)
        for (long y = r[2]; y <= r[3]; ++y)
          ++m_cellStart[static_cast<size_t>(x * m_perSide + y) + 1];
    }
    for (size_t c = 1; c < m_cellStart.size(); ++c)
      m_cellStart[c] += m_cellStart[c - 1];
    m_cellArcs.resize(m_cellStart.back());
    std::vector<unsigned> fill(m_cellStart.begin(), m_cellStart.end() - 1);
    for (unsigned k = 0; k < m_arcs.size(); ++k)
    {
      const std::array<long, 4>& r = ranges[k];
      for (long x = r[0]; x <= r[1]; ++x)
        for (long y = r[2]; y <= r[3]; ++y)
          m_cellArcs[fill[static_cast<size_t>(x * m_perSide + y)]++] = k;
    }
  }
  long cellOf(double offset) const { return static_cast<long>(std::floor(offset / m_cellSize)); }
  // Every arc lies within the operands' box, so clamping to the grid loses no cell of an arc.
  long clampCell(long c) const { return std::min(std::max(c, 0L), m_perSide - 1); }

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
    const OdGePoint2d& a = m_chordPoints[arc.first + static_cast<unsigned>(j)];
    const OdGePoint2d& b = m_chordPoints[arc.first + static_cast<unsigned>(j) + 1];
    const double slack = m_slack;
    if (distanceToLine(p, a, b) > slack || distanceToLine(q, a, b) > slack)
      return false;
    // Both ends within the chord's span.
    const OdGeVector2d ab = b - a;
    const double len2 = ab.lengthSqrd();
    const double margin = slack * std::sqrt(len2);
    const double tp = ab.dotProduct(p - a);
    const double tq = ab.dotProduct(q - a);
    return tp >= -margin && tp <= len2 + margin && tq >= -margin && tq <= len2 + margin;
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
      const double along = arc.sweep > 0.0 ? normalizeAngle(std::atan2(mid.y - arc.center.y, mid.x - arc.center.x) - arc.startAngle)
                                           : normalizeAngle(arc.startAngle - std::atan2(mid.y - arc.center.y, mid.x - arc.center.x));
      const double step = std::fabs(arc.sweep) / arc.chords;
      const int j = static_cast<int>(std::floor(along / step));
      // The chord under the midpoint's angle or a neighbour (rounding at the chord ends); a
      // full turn also wraps from its last chord to its first.
      if (onChord(arc, j, p, q) || onChord(arc, j - 1, p, q) || onChord(arc, j + 1, p, q) ||
          (arc.fullTurn && j <= 0 && onChord(arc, arc.chords - 1, p, q)) ||
          (arc.fullTurn && j >= arc.chords - 1 && onChord(arc, 0, p, q)))
        found = static_cast<int>(k);
    };
    if (!m_cellArcs.empty())
    {
      const size_t c = static_cast<size_t>(clampCell(cellOf(mid.x - m_box.minPoint().x)) * m_perSide +
                                           clampCell(cellOf(mid.y - m_box.minPoint().y)));
      for (unsigned i = m_cellStart[c]; i < m_cellStart[c + 1]; ++i)
        test(m_cellArcs[i]);
    }
    for (unsigned k : m_wideArcs)
      test(k);
    return found;
  }

  bool sameCircle(int a, int b) const
  {
    if (a == b)
      return true;
    if (a < 0 || b < 0)
      return false;
    const double eps = std::max(m_tol.equalPoint(), 4.0 * m_unit * 1e-3);
    return m_arcs[a].center.distanceTo(m_arcs[b].center) <= eps && std::fabs(m_arcs[a].radius - m_arcs[b].radius) <= eps;
  }

  // The crossing of two circles nearest to v; false when they do not cross.
  static bool circlesCross(const FlatArc& a, const FlatArc& b, const OdGePoint2d& v, OdGePoint2d& out)
  {
    const OdGeVector2d d = b.center - a.center;
    const double dist = d.length();
    if (dist <= 0.0)
      return false;
    const double x = (dist * dist + a.radius * a.radius - b.radius * b.radius) / (2.0 * dist);
    const double h2 = a.radius * a.radius - x * x;
    if (h2 < 0.0)
      return false;
    const double h = std::sqrt(h2);
    const OdGeVector2d u = d / dist;
    const OdGePoint2d base = a.center + u * x;
    const OdGePoint2d p1 = base + u.perpVector() * h;
    const OdGePoint2d p2 = base - u.perpVector() * h;
    out = p1.distanceTo(v) <= p2.distanceTo(v) ? p1 : p2;
    return true;
  }

  // The crossing of a circle and the line through v and w nearest to v.
  static bool circleLineCross(const FlatArc& a, const OdGePoint2d& v, const OdGePoint2d& w, OdGePoint2d& out)
  {
    const OdGeVector2d dir = w - v;
    const double len = dir.length();
    if (len <= 0.0)
      return false;
    const OdGeVector2d u = dir / len;
    const OdGeVector2d f = v - a.center;
    const double b = f.dotProduct(u);
    const double c = f.lengthSqrd() - a.radius * a.radius;
    const double disc = b * b - c;
    if (disc < 0.0)
      return false;
    const double s = std::sqrt(disc);
    const double t1 = -b + s;
    const double t2 = -b - s;
    out = v + u * (std::fabs(t1) <= std::fabs(t2) ? t1 : t2);
    return true;
  }

  AECGe::Contour2D rebuildPath(const Path& path)
  {
    const size_t n = path.size();
    std::vector<OdGePoint2d> raw(n);
    for (size_t i = 0; i < n; ++i)
      raw[i] = fromGrid(path[i]);
    std::vector<int> edgeArc(n);
    for (size_t i = 0; i < n; ++i)
      edgeArc[i] = arcOf(raw[i], raw[(i + 1) % n]);

    // Vertices moved onto the curves they join; a move farther than the chords stray from
    // their arcs is a misreading and is not made.
    std::vector<OdGePoint2d> fixed(raw);
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
        if (r.length() > 0.0)
        {
          moved = a.center + r * (a.radius / r.length());
          ok = true;
        }
      }
      else if (in >= 0 && out >= 0)
        ok = circlesCross(m_arcs[in], m_arcs[out], v, moved);
      else if (in >= 0)
        ok = circleLineCross(m_arcs[in], v, raw[(i + 1) % n], moved);
      else if (out >= 0)
        ok = circleLineCross(m_arcs[out], v, raw[(i + n - 1) % n], moved);
      // Chords that cross at a shallow angle meet farther from the curves' crossing than either
      // strays from its arc, hence the margin.
      if (ok && moved.distanceTo(v) <= 8.0 * (stray(in) + stray(out)) + m_unit + m_slack)
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
      if (contour.numVerts() == 0 || p.distanceTo(contour.pointAt(contour.numVerts() - 1)) > m_tol.equalPoint())
        contour.appendVertex(p, std::tan(sweep / 4.0));
      else
        contour.setBulgeAt(contour.numVerts() - 1, std::tan(sweep / 4.0));
      i += run;
    }
    return contour;
  }

  // How far the chords of an arc stray from it (0 for a straight edge).
  double stray(int arc) const
  {
    return arc < 0 ? 0.0 : m_arcs[arc].stray;
  }

  // Signed sweep of the minor arc of the circle from p to q (positive counter-clockwise).
  static double edgeSweep(const FlatArc& arc, const OdGePoint2d& p, const OdGePoint2d& q)
  {
    const OdGeVector2d chord = q - p;
    const double half = std::min(1.0, chord.length() / (2.0 * arc.radius));
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
  std::vector<FlatArc> m_arcs;
  std::vector<OdGePoint2d> m_chordPoints;
  std::vector<unsigned> m_cellStart;
  std::vector<unsigned> m_cellArcs;
  long m_perSide = 1;
  std::vector<unsigned> m_wideArcs;
  double m_cellSize = 1.0;
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
  ClipperLib::Clipper clipper;
  for (const AECGe::Profile2D* p : subjects)
    clipper.AddPaths(engine.flatten(*p), ClipperLib::ptSubject, true);
  for (const AECGe::Profile2D* p : clips)
    clipper.AddPaths(engine.flatten(*p), ClipperLib::ptClip, true);
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
