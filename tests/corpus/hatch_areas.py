#!/usr/bin/python3
"""Areas of the hatches of a DXF file, read with ezdxf and computed here, independently of the
reader and the hatch geometry under test.

Prints one line per hatch: its handle and its area, or its handle and "ambiguous" when a loop's
probe point lies on another loop (touching loops leave its nesting open).

Each loop's area is exact: Green's theorem summed edge by edge in closed form for lines, bulged
polyline segments, circular and elliptical arcs, and by Gauss-Legendre quadrature on each knot span
for splines (exact for polynomial splines, to rounding for rational ones). The loops that take part
under the island style count by the parity of the number of other such loops around a point of
theirs (the middle of their first piece): an island is empty, an island in an island filled again.
"""
import math
import sys

import ezdxf
from ezdxf import recover
from ezdxf.entities.boundary_paths import ArcEdge, EllipseEdge, LineEdge, PolylinePath, SplineEdge

GAUSS = [(-0.9602898564975363, 0.1012285362903763), (-0.7966664774136267, 0.2223810344533745),
         (-0.5255324099163290, 0.3137066458778873), (-0.1834346424956498, 0.3626837833783620),
         (0.1834346424956498, 0.3626837833783620), (0.5255324099163290, 0.3137066458778873),
         (0.7966664774136267, 0.2223810344533745), (0.9602898564975363, 0.1012285362903763)]


def cross(ax, ay, bx, by):
    return ax * by - ay * bx


class Piece:
    """One piece of a loop: its twice-signed-area integral relative to an origin, its flattened
    points and the point in its middle."""

    def __init__(self, twice_area, start, points, middle):
        self.twice_area = twice_area
        self.start = start
        self.points = points
        self.middle = middle


def arc_piece(cx, cy, r, t1, t2, steps_per_turn=720):
    twice = r * r * (t2 - t1) + r * (cx * (math.sin(t2) - math.sin(t1)) - cy * (math.cos(t2) - math.cos(t1)))
    n = max(2, int(abs(t2 - t1) / (2 * math.pi) * steps_per_turn) + 1)
    pts = [(cx + r * math.cos(t1 + (t2 - t1) * k / n), cy + r * math.sin(t1 + (t2 - t1) * k / n)) for k in range(n + 1)]
    tm = 0.5 * (t1 + t2)
    return Piece(twice, pts[0], pts, (cx + r * math.cos(tm), cy + r * math.sin(tm)))


def line_piece(a, b):
    return Piece(cross(a[0], a[1], b[0], b[1]), a, [a, b], ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2))


def bulge_piece(a, b, bulge):
    if bulge == 0.0:
        return line_piece(a, b)
    theta = 4.0 * math.atan(bulge)
    dx, dy = b[0] - a[0], b[1] - a[1]
    chord = math.hypot(dx, dy)
    if chord == 0.0:
        return line_piece(a, b)
    r = chord / (2.0 * abs(math.sin(theta / 2.0)))
    # The centre lies to the left of the chord for a counter-clockwise arc (positive bulge) of
    # less than half a turn, to its right beyond half a turn.
    h = r * math.cos(theta / 2.0)
    nx, ny = -dy / chord, dx / chord
    sign = 1.0 if bulge > 0 else -1.0
    cx, cy = (a[0] + b[0]) / 2 + sign * h * nx, (a[1] + b[1]) / 2 + sign * h * ny
    t1 = math.atan2(a[1] - cy, a[0] - cx)
    return arc_piece(cx, cy, r, t1, t1 + theta)


def ellipse_piece(c, major, ratio, t1, t2, steps_per_turn=720):
    mx, my = major
    nx, ny = -my * ratio, mx * ratio
    twice = (cross(c[0], c[1], mx, my) * (math.cos(t2) - math.cos(t1)) +
             cross(c[0], c[1], nx, ny) * (math.sin(t2) - math.sin(t1)) + cross(mx, my, nx, ny) * (t2 - t1))
    n = max(2, int(abs(t2 - t1) / (2 * math.pi) * steps_per_turn) + 1)

    def at(t):
        return (c[0] + mx * math.cos(t) + nx * math.sin(t), c[1] + my * math.cos(t) + ny * math.sin(t))

    pts = [at(t1 + (t2 - t1) * k / n) for k in range(n + 1)]
    return Piece(twice, pts[0], pts, at(0.5 * (t1 + t2)))


def basis(knots, degree, i, t):
    """Basis functions N[i-degree..i] and their first derivatives at t (knot span i)."""
    left, right = [0.0] * (degree + 1), [0.0] * (degree + 1)
    ndu = [[0.0] * (degree + 1) for _ in range(degree + 1)]
    ndu[0][0] = 1.0
    for j in range(1, degree + 1):
        left[j] = t - knots[i + 1 - j]
        right[j] = knots[i + j] - t
        saved = 0.0
        for r in range(j):
            ndu[j][r] = right[r + 1] + left[j - r]
            temp = ndu[r][j - 1] / ndu[j][r] if ndu[j][r] != 0.0 else 0.0
            ndu[r][j] = saved + right[r + 1] * temp
            saved = left[j - r] * temp
        ndu[j][j] = saved
    values = [ndu[r][degree] for r in range(degree + 1)]
    derivs = [0.0] * (degree + 1)
    if degree > 0:
        for r in range(degree + 1):
            d = 0.0
            if r >= 1 and ndu[degree][r - 1] != 0.0:
                d += ndu[r - 1][degree - 1] / ndu[degree][r - 1]
            if r <= degree - 1 and ndu[degree][r] != 0.0:
                d -= ndu[r][degree - 1] / ndu[degree][r]
            derivs[r] = degree * d
    return values, derivs


def spline_piece(points, knots, degree, weights):
    n = len(points)
    w = weights if weights and len(weights) == n else [1.0] * n

    def at(span, t):
        vals, ders = basis(knots, degree, span, t)
        ax = ay = aw = dx = dy = dw = 0.0
        for r in range(degree + 1):
            k = span - degree + r
            px, py = points[k][0], points[k][1]
            ax += vals[r] * w[k] * px
            ay += vals[r] * w[k] * py
            aw += vals[r] * w[k]
            dx += ders[r] * w[k] * px
            dy += ders[r] * w[k] * py
            dw += ders[r] * w[k]
        x, y = ax / aw, ay / aw
        return (x, y), ((dx - dw * x) / aw, (dy - dw * y) / aw)

    twice = 0.0
    pts = []
    spans = [i for i in range(degree, n) if knots[i + 1] > knots[i]]
    for i in spans:
        a, b = knots[i], knots[i + 1]
        for x, wt in GAUSS:
            t = 0.5 * (a + b) + 0.5 * (b - a) * x
            p, d = at(i, t)
            twice += 0.5 * (b - a) * wt * cross(p[0], p[1], d[0], d[1])
        for k in range(64):
            pts.append(at(i, a + (b - a) * k / 64)[0])
    last = spans[-1]
    pts.append(at(last, knots[last + 1])[0])
    tm = 0.5 * (knots[degree] + knots[n])
    span = next(i for i in spans if knots[i] <= tm <= knots[i + 1])
    return Piece(twice, pts[0], pts, at(span, tm)[0])


def loop_pieces(path):
    """The loop's pieces, computed about the loop's first point (coordinates of real drawings
    run to millions, where products of absolute coordinates lose the area's digits), with their
    points moved back into place."""
    if isinstance(path, PolylinePath):
        v = [(x, y, b) for x, y, b in path.vertices]
        if not v:
            return []
        ox, oy = v[0][0], v[0][1]
        v = [(x - ox, y - oy, b) for x, y, b in v]
        pieces = [bulge_piece(v[k][:2], v[(k + 1) % len(v)][:2], v[k][2]) for k in range(len(v))]
    else:
        if not path.edges:
            return []
        ox, oy = tuple(path.edges[0].start_point)[:2]

        def moved(p):
            return (p[0] - ox, p[1] - oy)

        pieces = []
        for e in path.edges:
            if isinstance(e, LineEdge):
                pieces.append(line_piece(moved(tuple(e.start)), moved(tuple(e.end))))
            elif isinstance(e, ArcEdge):
                s, t = math.radians(e.start_angle), math.radians(e.end_angle)
                span = (t - s) % (2 * math.pi)
                if span == 0.0 and e.end_angle != e.start_angle:
                    span = 2 * math.pi
                c = moved(tuple(e.center))
                # Angles come counter-clockwise; a clockwise edge runs from the end to the start.
                pieces.append(arc_piece(c[0], c[1], e.radius, s, s + span) if e.ccw else
                              arc_piece(c[0], c[1], e.radius, s + span, s))
            elif isinstance(e, EllipseEdge):
                s, t = e.start_param, e.end_param
                span = (t - s) % (2 * math.pi)
                if span == 0.0 and e.end_angle != e.start_angle:
                    span = 2 * math.pi
                c, m = moved(tuple(e.center)), tuple(e.major_axis)[:2]
                pieces.append(ellipse_piece(c, m, e.ratio, s, s + span) if e.ccw else
                              ellipse_piece(c, m, e.ratio, s + span, s))
            elif isinstance(e, SplineEdge):
                pieces.append(spline_piece([moved(tuple(p)) for p in e.control_points], list(e.knot_values),
                                           e.degree, list(e.weights)))
    for p in pieces:
        p.start = (p.start[0] + ox, p.start[1] + oy)
        p.points = [(x + ox, y + oy) for x, y in p.points]
        p.middle = (p.middle[0] + ox, p.middle[1] + oy)
    return pieces


def signed_area(pieces):
    """Green's theorem about the loop's first point (where the pieces' integrals are taken): a
    loop whose pieces do not quite meet counts nothing for the gaps."""
    return sum(p.twice_area for p in pieces) / 2.0


def outline(pieces):
    pts = []
    for p in pieces:
        pts.extend(p.points)
    return pts


def inside(poly, q):
    x, y = q
    hit = False
    for k in range(len(poly)):
        (x1, y1), (x2, y2) = poly[k], poly[(k + 1) % len(poly)]
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            hit = not hit
    return hit


def distance(poly, q):
    best = math.inf
    for k in range(len(poly)):
        (x1, y1), (x2, y2) = poly[k], poly[(k + 1) % len(poly)]
        dx, dy = x2 - x1, y2 - y1
        ll = dx * dx + dy * dy
        u = 0.0 if ll == 0.0 else max(0.0, min(1.0, ((q[0] - x1) * dx + (q[1] - y1) * dy) / ll))
        best = min(best, math.hypot(q[0] - x1 - u * dx, q[1] - y1 - u * dy))
    return best


def takes_part(style, flags):
    if style == 1:
        return flags & (1 | 16) != 0
    if style == 2:
        return flags & 1 != 0
    return True


def hatch_area(hatch):
    loops = [loop_pieces(p) for p in hatch.paths if takes_part(hatch.dxf.hatch_style, p.path_type_flags)]
    loops = [l for l in loops if l]
    outlines = [outline(l) for l in loops]
    size = max((max(abs(x), abs(y)) for o in outlines for x, y in o), default=1.0)
    total = 0.0
    for i, pieces in enumerate(loops):
        a = abs(signed_area(pieces))
        probe = pieces[0].middle
        depth = 0
        for j, other in enumerate(outlines):
            if j == i or len(other) < 3:
                continue
            if distance(other, probe) < 1e-6 * max(1.0, size):
                return None
            depth += inside(other, probe)
        total += a if depth % 2 == 0 else -a
    return abs(total)


def main():
    try:
        doc = ezdxf.readfile(sys.argv[1])
    except Exception:
        doc, _ = recover.readfile(sys.argv[1])
    for hatch in doc.entitydb.values():
        if hatch.dxftype() != "HATCH" or not hatch.is_alive:
            continue
        area = hatch_area(hatch)
        print(hatch.dxf.handle, "ambiguous" if area is None else repr(area))


if __name__ == "__main__":
    main()
