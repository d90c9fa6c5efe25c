#!/usr/bin/env python3
"""Draws every picture and icon Tarvell ships and writes them into res/art/.

    python3 tools/make_art.py [OUTPUT_DIR]

Pure standard library. Shapes are signed distance functions (negative inside),
filled with analytic anti-aliasing; each picture is then reduced to an 8-bit
image whose 256-entry colour table keeps the 20 colours a 256-colour display
reserves for the system at their usual places (so index 0 is black and 255 is
white) and fills the 236 others from the picture itself. The output is the
same byte for byte on every run.

Masked pictures follow the transparent drawing of the picture control: the
mask is white where the picture shows and black where the dialog shows
through, and the picture is white wherever its mask is black.
"""

import math
import os
import struct
import sys

# ---------------------------------------------------------------- geometry


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def _box_union(a, b):
    return (min(a[0], b[0]), min(a[1], b[1]), max(a[2], b[2]), max(a[3], b[3]))


def _box_meet(a, b):
    return (max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3]))


def _box_grow(a, r):
    return (a[0] - r, a[1] - r, a[2] + r, a[3] + r)


class Shape:
    """A signed distance function with a bounding box (x0, y0, x1, y1)."""

    __slots__ = ("sdf", "box")

    def __init__(self, sdf, box):
        self.sdf = sdf
        self.box = box

    def __or__(self, other):
        a, b = self.sdf, other.sdf
        return Shape(lambda x, y: min(a(x, y), b(x, y)), _box_union(self.box, other.box))

    def __and__(self, other):
        a, b = self.sdf, other.sdf
        return Shape(lambda x, y: max(a(x, y), b(x, y)), _box_meet(self.box, other.box))

    def __sub__(self, other):
        a, b = self.sdf, other.sdf
        return Shape(lambda x, y: max(a(x, y), -b(x, y)), self.box)

    def grow(self, r):
        a = self.sdf
        return Shape(lambda x, y: a(x, y) - r, _box_grow(self.box, max(r, 0)))

    def outline(self, width):
        a, h = self.sdf, width / 2.0
        return Shape(lambda x, y: abs(a(x, y)) - h, _box_grow(self.box, h))

    def moved(self, dx, dy):
        a, b = self.sdf, self.box
        return Shape(lambda x, y: a(x - dx, y - dy), (b[0] + dx, b[1] + dy, b[2] + dx, b[3] + dy))

    def rotated(self, degrees, cx, cy):
        a = self.sdf
        c, s = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))

        def sdf(x, y):
            dx, dy = x - cx, y - cy
            return a(cx + dx * c + dy * s, cy - dx * s + dy * c)

        corners = [(self.box[0], self.box[1]), (self.box[2], self.box[1]),
                   (self.box[0], self.box[3]), (self.box[2], self.box[3])]
        pts = [(cx + (px - cx) * c - (py - cy) * s, cy + (px - cx) * s + (py - cy) * c)
               for px, py in corners]
        xs, ys = [p[0] for p in pts], [p[1] for p in pts]
        return Shape(sdf, (min(xs), min(ys), max(xs), max(ys)))


def union(shapes):
    shapes = list(shapes)
    fns = [s.sdf for s in shapes]
    bx = shapes[0].box
    for s in shapes[1:]:
        bx = _box_union(bx, s.box)
    return Shape(lambda x, y: min(f(x, y) for f in fns), bx)


def rect(x0, y0, x1, y1, r=0.0):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    r = min(r, (x1 - x0) / 2.0, (y1 - y0) / 2.0)
    hx, hy = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def sdf(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        if qx > 0 and qy > 0:
            return math.sqrt(qx * qx + qy * qy) - r
        return max(qx, qy) - r

    return Shape(sdf, (x0, y0, x1, y1))


def circle(cx, cy, r):
    return Shape(lambda x, y: math.sqrt((x - cx) ** 2 + (y - cy) ** 2) - r,
                 (cx - r, cy - r, cx + r, cy + r))


def ellipse(cx, cy, rx, ry):
    def sdf(x, y):
        px, py = (x - cx) / rx, (y - cy) / ry
        k0 = math.sqrt(px * px + py * py)
        if k0 == 0:
            return -min(rx, ry)
        k1 = math.sqrt((px / rx) ** 2 + (py / ry) ** 2)
        return k0 * (k0 - 1.0) / k1

    return Shape(sdf, (cx - rx, cy - ry, cx + rx, cy + ry))


def polygon(points):
    pts = [(float(px), float(py)) for px, py in points]
    n = len(pts)

    def sdf(x, y):
        d = (x - pts[0][0]) ** 2 + (y - pts[0][1]) ** 2
        inside = False
        j = n - 1
        for i in range(n):
            xi, yi = pts[i]
            xj, yj = pts[j]
            ex, ey = xj - xi, yj - yi
            wx, wy = x - xi, y - yi
            t = clamp((wx * ex + wy * ey) / (ex * ex + ey * ey))
            bx, by = wx - ex * t, wy - ey * t
            dd = bx * bx + by * by
            if dd < d:
                d = dd
            c1, c2, c3 = y >= yi, y < yj, ex * wy > ey * wx
            if (c1 and c2 and c3) or (not c1 and not c2 and not c3):
                inside = not inside
            j = i
        return -math.sqrt(d) if inside else math.sqrt(d)

    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    return Shape(sdf, (min(xs), min(ys), max(xs), max(ys)))


def polyline(points, width):
    """A stroke through the points with round caps and joins."""
    pts = [(float(px), float(py)) for px, py in points]
    segs = []
    for (ax, ay), (bx, by) in zip(pts, pts[1:]):
        ex, ey = bx - ax, by - ay
        segs.append((ax, ay, ex, ey, ex * ex + ey * ey or 1e-12))
    h = width / 2.0

    def sdf(x, y):
        best = 1e30
        for ax, ay, ex, ey, ll in segs:
            wx, wy = x - ax, y - ay
            t = clamp((wx * ex + wy * ey) / ll)
            dx, dy = wx - ex * t, wy - ey * t
            dd = dx * dx + dy * dy
            if dd < best:
                best = dd
        return math.sqrt(best) - h

    xs, ys = [p[0] for p in pts], [p[1] for p in pts]
    return Shape(sdf, (min(xs) - h, min(ys) - h, max(xs) + h, max(ys) + h))


def line(x0, y0, x1, y1, width):
    return polyline([(x0, y0), (x1, y1)], width)


def arc_points(cx, cy, rx, ry, a0, a1, step=8.0):
    """Points along an ellipse from angle a0 to a1 (degrees, y down, 0 = right)."""
    count = max(2, int(abs(a1 - a0) / step) + 1)
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / (count - 1))),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / (count - 1))))
            for i in range(count)]


def half_plane(nx, ny, c):
    """Inside where nx*x + ny*y < c (n normalised here)."""
    ln = math.hypot(nx, ny)
    nx, ny, c = nx / ln, ny / ln, c / ln
    return Shape(lambda x, y: nx * x + ny * y - c, (-1e4, -1e4, 1e4, 1e4))


def gear(cx, cy, r_body, r_teeth, teeth, hole):
    """A toothed wheel with a round hole."""
    parts = [circle(cx, cy, r_body)]
    w = 2 * math.pi * r_body / teeth * 0.45
    for i in range(teeth):
        tooth = polygon([(cx - w / 2, cy), (cx + w / 2, cy), (cx + w * 0.36, cy - r_teeth),
                         (cx - w * 0.36, cy - r_teeth)])
        parts.append(tooth.rotated(360.0 * i / teeth, cx, cy))
    return union(parts) - circle(cx, cy, hole)


# ---------------------------------------------------------------- paint


def ramp(stops, t):
    """Colour at t along [(t, colour), ...]; colours are (r, g, b) or (r, g, b, a)."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            f = (t - t0) / (t1 - t0) if t1 > t0 else 1.0
            n = min(len(c0), len(c1))
            out = tuple(c0[k] + (c1[k] - c0[k]) * f for k in range(n))
            return out
    return stops[-1][1]


def linear(x0, y0, x1, y1, stops):
    dx, dy = x1 - x0, y1 - y0
    ll = dx * dx + dy * dy
    return lambda x, y: ramp(stops, ((x - x0) * dx + (y - y0) * dy) / ll)


def radial(cx, cy, r, stops):
    return lambda x, y: ramp(stops, math.sqrt((x - cx) ** 2 + (y - cy) ** 2) / r)


def mix(a, b, f):
    return tuple(a[k] + (b[k] - a[k]) * f for k in range(3))


def shade(c, f):
    """Darker (f < 0) or lighter (f > 0) version of a colour."""
    return mix(c, (0, 0, 0), -f) if f < 0 else mix(c, (255, 255, 255), f)


class Canvas:
    """Premultiplied RGBA in floats, 0..255 for colour and 0..1 for alpha."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.r = [0.0] * (w * h)
        self.g = [0.0] * (w * h)
        self.b = [0.0] * (w * h)
        self.a = [0.0] * (w * h)

    def fill(self, shape, paint, alpha=1.0, soft=0.0):
        """Composites paint (a colour or a function of x, y) inside shape.

        soft > 0 blurs the edge over about 2*soft pixels (shadows and glows)."""
        pad = 1.0 + soft
        bx = _box_meet(_box_grow(shape.box, pad), (0, 0, self.w, self.h))
        x0, y0 = max(0, int(math.floor(bx[0]))), max(0, int(math.floor(bx[1])))
        x1, y1 = min(self.w, int(math.ceil(bx[2]))), min(self.h, int(math.ceil(bx[3])))
        sdf = shape.sdf
        const = None if callable(paint) else paint
        R, G, B, A = self.r, self.g, self.b, self.a
        for y in range(y0, y1):
            py = y + 0.5
            row = y * self.w
            for x in range(x0, x1):
                d = sdf(x + 0.5, py)
                if soft > 0:
                    t = clamp((soft - d) / (2.0 * soft))
                    cov = t * t * (3.0 - 2.0 * t)
                else:
                    cov = 0.5 - d
                    if cov >= 1.0:
                        cov = 1.0
                if cov <= 0.0:
                    continue
                col = const if const is not None else paint(x + 0.5, py)
                a = cov * alpha * (col[3] if len(col) > 3 else 1.0)
                if a <= 0.0:
                    continue
                i = row + x
                k = 1.0 - a
                R[i] = col[0] * a + R[i] * k
                G[i] = col[1] * a + G[i] * k
                B[i] = col[2] * a + B[i] * k
                A[i] = a + A[i] * k

    def pixels(self, backdrop=None):
        """Rows of (r, g, b, alpha) with straight colour; backdrop fills what is transparent."""
        out = []
        for i in range(self.w * self.h):
            a = self.a[i]
            if backdrop is not None:
                k = 1.0 - a
                out.append((self.r[i] + backdrop[0] * k, self.g[i] + backdrop[1] * k,
                            self.b[i] + backdrop[2] * k, 1.0))
            elif a > 0:
                out.append((self.r[i] / a, self.g[i] / a, self.b[i] / a, a))
            else:
                out.append((0.0, 0.0, 0.0, 0.0))
        return out


# ---------------------------------------------------------------- lettering

# Stroke glyphs on a box one unit high (y down): (advance, strokes, dots).
_GLYPHS = {
    "1": (0.5, [[(0.08, 0.22), (0.3, 0.02), (0.3, 1.0)]], []),
    "2": (0.6, [arc_points(0.3, 0.28, 0.25, 0.25, 180, 380) + [(0.04, 1.0), (0.58, 1.0)]], []),
    "3": (0.6, [arc_points(0.29, 0.26, 0.23, 0.23, 200, 450),
                arc_points(0.29, 0.73, 0.26, 0.27, 270, 520)], []),
    "A": (0.66, [[(0.02, 1.0), (0.33, 0.0), (0.64, 1.0)], [(0.14, 0.66), (0.52, 0.66)]], []),
    "C": (0.64, [arc_points(0.36, 0.5, 0.32, 0.5, 45, 315)], []),
    "L": (0.5, [[(0.05, 0.0), (0.05, 1.0), (0.48, 1.0)]], []),
    "R": (0.6, [[(0.05, 1.0), (0.05, 0.0), (0.3, 0.0)] + arc_points(0.3, 0.26, 0.26, 0.26, 270, 450)
                + [(0.05, 0.52)], [(0.3, 0.52), (0.56, 1.0)]], []),
    "M": (0.78, [[(0.05, 1.0), (0.05, 0.0), (0.39, 0.72), (0.73, 0.0), (0.73, 1.0)]], []),
    ":": (0.3, [], [(0.12, 0.35), (0.12, 0.92)]),
    "?": (0.6, [arc_points(0.3, 0.28, 0.25, 0.25, 180, 400) + [(0.3, 0.56), (0.3, 0.68)]],
          [(0.3, 0.94)]),
    "!": (0.3, [[(0.12, 0.02), (0.12, 0.64)]], [(0.12, 0.94)]),
}


def text_shape(s, x, y, height, weight, spacing=0.14):
    """Lettering whose cap line is at y; weight is the stroke width in pixels."""
    parts = []
    for ch in s:
        if ch == " ":
            x += 0.4 * height
            continue
        adv, strokes, dots = _GLYPHS[ch]
        for st in strokes:
            parts.append(polyline([(x + px * height, y + py * height) for px, py in st], weight))
        for px, py in dots:
            parts.append(circle(x + px * height, y + py * height, weight * 0.68))
        x += (adv + spacing) * height
    return union(parts)


def text_width(s, height, spacing=0.14):
    w = 0.0
    for ch in s:
        w += 0.4 * height if ch == " " else (_GLYPHS[ch][0] + spacing) * height
    return w - spacing * height


# ---------------------------------------------------------------- palette

# The colours a 256-colour display keeps for the system, at their usual indices.
SYSTEM_LOW = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
              (0, 128, 128), (192, 192, 192), (192, 220, 192), (166, 202, 240)]
SYSTEM_HIGH = [(255, 251, 240), (160, 160, 164), (128, 128, 128), (255, 0, 0), (0, 255, 0),
               (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK_INDEX, WHITE_INDEX = 0, 255


def _dist(c, p):
    dr, dg, db = c[0] - p[0], c[1] - p[1], c[2] - p[2]
    return 2 * dr * dr + 4 * dg * dg + 3 * db * db


class Nearest:
    """Nearest palette entry by weighted RGB distance, pruned along red."""

    def __init__(self, palette):
        self.palette = palette
        self.order = sorted(range(len(palette)), key=lambda i: (palette[i][0], i))
        self.reds = [palette[i][0] for i in self.order]
        self.cache = {}

    def index(self, c):
        key = (c[0], c[1], c[2])
        hit = self.cache.get(key)
        if hit is not None:
            return hit
        pal, order, reds = self.palette, self.order, self.reds
        lo, hi = 0, len(order)
        while lo < hi:
            mid = (lo + hi) // 2
            if reds[mid] < c[0]:
                lo = mid + 1
            else:
                hi = mid
        best, best_i = 1 << 40, 0
        up, down = lo, lo - 1
        while up < len(order) or down >= 0:
            if up < len(order):
                dr = reds[up] - c[0]
                if 2 * dr * dr > best:
                    up = len(order)
                else:
                    i = order[up]
                    d = _dist(c, pal[i])
                    if d < best or (d == best and i < best_i):
                        best, best_i = d, i
                    up += 1
            if down >= 0:
                dr = c[0] - reds[down]
                if 2 * dr * dr > best:
                    down = -1
                else:
                    i = order[down]
                    d = _dist(c, pal[i])
                    if d < best or (d == best and i < best_i):
                        best, best_i = d, i
                    down -= 1
        self.cache[key] = best_i
        return best_i


def _histogram(colours):
    """Colours bucketed at 6 bits a channel: [(r, g, b, count)] with bucket means."""
    acc = {}
    for c in colours:
        key = (c[0] >> 2, c[1] >> 2, c[2] >> 2)
        e = acc.get(key)
        if e is None:
            acc[key] = [c[0], c[1], c[2], 1]
        else:
            e[0] += c[0]
            e[1] += c[1]
            e[2] += c[2]
            e[3] += 1
    return [(e[0] / e[3], e[1] / e[3], e[2] / e[3], e[3]) for _, e in sorted(acc.items())]


def _box_stats(entries):
    n = sum(e[3] for e in entries)
    mean = [sum(e[k] * e[3] for e in entries) / n for k in range(3)]
    var = [sum((e[k] - mean[k]) ** 2 * e[3] for e in entries) for k in range(3)]
    return n, mean, var


def median_cut(hist, count):
    """Splits the colour histogram into at most count boxes; returns their means."""
    boxes = [hist]
    while len(boxes) < count:
        best, best_err = None, 0.0
        for i, bx in enumerate(boxes):
            if len(bx) < 2:
                continue
            _, _, var = _box_stats(bx)
            err = 2 * var[0] + 4 * var[1] + 3 * var[2]
            if err > best_err:
                best, best_err = i, err
        if best is None:
            break
        bx = boxes.pop(best)
        _, _, var = _box_stats(bx)
        weights = (2, 4, 3)
        axis = max(range(3), key=lambda k: (var[k] * weights[k], -k))
        bx = sorted(bx, key=lambda e: (e[axis], e[0], e[1], e[2]))
        total = sum(e[3] for e in bx)
        run, cut = 0, 1
        for i, e in enumerate(bx[:-1]):
            run += e[3]
            cut = i + 1
            if run * 2 >= total:
                break
        boxes.append(bx[:cut])
        boxes.append(bx[cut:])
    return [tuple(_box_stats(bx)[1]) for bx in boxes]


def build_palette(colours):
    """256 colours: the system's 20 at their places and 236 chosen for these colours."""
    hist = _histogram(colours)
    free = median_cut(hist, 236) if hist else []
    fixed = SYSTEM_LOW + SYSTEM_HIGH
    # A few rounds of k-means over the histogram settle the free entries.
    for _ in range(4):
        pal = fixed + [tuple(int(round(v)) for v in c) for c in free]
        near = Nearest(pal)
        sums = [[0.0, 0.0, 0.0, 0] for _ in free]
        for r, g, b, n in hist:
            i = near.index((int(round(r)), int(round(g)), int(round(b)))) - len(fixed)
            if i >= 0:
                s = sums[i]
                s[0] += r * n
                s[1] += g * n
                s[2] += b * n
                s[3] += n
        free = [(s[0] / s[3], s[1] / s[3], s[2] / s[3]) if s[3] else free[i]
                for i, s in enumerate(sums)]
    chosen = sorted(set(tuple(int(round(v)) for v in c) for c in free) - set(fixed))
    chosen += [(0, 0, 0)] * (236 - len(chosen))
    return SYSTEM_LOW + chosen + SYSTEM_HIGH


def to_bytes(v):
    return int(clamp(round(v), 0, 255))


def quantize(pixels, w, h, palette, dither=0.5):
    """Maps straight RGB pixels to palette indices with damped error diffusion."""
    near = Nearest(palette)
    err_this = [[0.0, 0.0, 0.0] for _ in range(w + 2)]
    out = [0] * (w * h)
    for y in range(h):
        err_next = [[0.0, 0.0, 0.0] for _ in range(w + 2)]
        rtl = y % 2 == 1
        xs = range(w - 1, -1, -1) if rtl else range(w)
        step = -1 if rtl else 1
        for x in xs:
            p = pixels[y * w + x]
            if p is None:
                continue
            e = err_this[x + 1]
            want = (p[0] + e[0], p[1] + e[1], p[2] + e[2])
            c = (to_bytes(want[0]), to_bytes(want[1]), to_bytes(want[2]))
            i = near.index(c)
            out[y * w + x] = i
            got = palette[i]
            for k in range(3):
                q = (want[k] - got[k]) * dither
                err_this[x + 1 + step][k] += q * 7 / 16
                err_next[x + 1 - step][k] += q * 3 / 16
                err_next[x + 1][k] += q * 5 / 16
                err_next[x + 1 + step][k] += q * 1 / 16
        err_this = err_next
    return out


# ---------------------------------------------------------------- files


def dib_header(w, h, bits, image_bytes, height_factor=1):
    return struct.pack("<IiiHHIIiiII", 40, w, h * height_factor, 1, bits, 0, image_bytes,
                       2835, 2835, 0, 0)


def colour_table(palette, entries):
    pal = list(palette) + [(0, 0, 0)] * (entries - len(palette))
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in pal)


def rows_8bit(indices, w, h):
    stride = (w + 3) & ~3
    out = bytearray()
    for y in range(h - 1, -1, -1):
        out += bytes(indices[y * w:(y + 1) * w]) + bytes(stride - w)
    return bytes(out)


def bmp_file(indices, w, h, palette):
    """An uncompressed 8-bit bottom-up BMP with a full 256-entry table."""
    bits = rows_8bit(indices, w, h)
    info = dib_header(w, h, 8, len(bits)) + colour_table(palette, 256)
    offset = 14 + len(info)
    return struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset) + info + bits


def and_mask(alphas, w, h):
    """The 1-bit mask of an icon image: 1 where the screen shows through."""
    stride = ((w + 31) // 32) * 4
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if alphas[y * w + x] < 0.5:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def icon_image_8bit(px, w, h):
    opaque = [(to_bytes(p[0]), to_bytes(p[1]), to_bytes(p[2])) for p in px if p[3] >= 0.5]
    palette = build_palette(opaque)
    straight = [(p[0], p[1], p[2]) if p[3] >= 0.5 else None for p in px]
    idx = quantize(straight, w, h, palette, dither=0.0)
    idx = [i if p[3] >= 0.5 else BLACK_INDEX for i, p in zip(idx, px)]
    xor = rows_8bit(idx, w, h)
    mask = and_mask([p[3] for p in px], w, h)
    return dib_header(w, h, 8, len(xor) + len(mask), 2) + colour_table(palette, 256) + xor + mask


def icon_image_32bit(px, w, h):
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = px[y * w + x]
            if a <= 0:
                xor += b"\0\0\0\0"
            else:
                xor += bytes((to_bytes(b), to_bytes(g), to_bytes(r), to_bytes(a * 255)))
    mask = and_mask([p[3] for p in px], w, h)
    return dib_header(w, h, 32, len(xor) + len(mask), 2) + bytes(xor) + mask


def ico_file(images):
    """images: [(size, bits, image bytes)]."""
    head = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, blobs = b"", b""
    for size, bits, data in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits, len(data),
                               offset + len(blobs))
        blobs += data
    return head + entries + blobs


# ---------------------------------------------------------------- house style

NAVY = (12, 26, 60)
DEEP = (20, 52, 108)
BLUE = (34, 96, 170)
SKY = (90, 176, 234)
CYAN = (72, 214, 238)
ICE = (214, 242, 252)
GRAPHITE = (44, 50, 60)
GRAPHITE_HI = (96, 104, 118)
INK = (24, 28, 36)
SILVER = (204, 210, 218)
SILVER_HI = (246, 248, 250)
SILVER_LO = (132, 140, 152)
AMBER = (246, 170, 48)
AMBER_HI = (255, 226, 146)
AMBER_LO = (176, 100, 16)
GREEN = (60, 190, 100)
GREEN_HI = (150, 232, 160)
GREEN_LO = (26, 120, 58)
RED = (224, 74, 58)
RED_LO = (150, 36, 28)
PCB = (24, 112, 90)
PCB_HI = (52, 156, 122)
WHITE = (255, 255, 255)
SHADOW = (8, 14, 30)

# The colour the dialog face is taken to have where a masked picture's
# anti-aliased rim is blended into it.
FACE = (212, 210, 206)


class Lcg:
    """A small fixed random sequence, so every run draws the same picture."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (self.state * 1664525 + 1013904223) & 0xFFFFFFFF
        return self.state / 4294967296.0

    def pick(self, n):
        return int(self.next() * n)


def backdrop(c, seed, glow_at=None, glow_r=None):
    """Night-blue panel with faint circuit traces and a soft light behind the subject."""
    w, h = c.w, c.h
    c.fill(rect(0, 0, w, h), linear(0, 0, w * 0.3, h, [(0, NAVY), (0.6, DEEP), (1, BLUE)]))
    rng = Lcg(seed)
    grid = 12
    for _ in range(int(w * h / 900) + 6):
        x = (rng.pick(w // grid) + 0.5) * grid
        y = (rng.pick(h // grid) + 0.5) * grid
        pts = [(x, y)]
        for _ in range(2 + rng.pick(3)):
            dx, dy = [(1, 0), (0, 1), (1, 1), (-1, 1), (1, -1)][rng.pick(5)]
            n = (1 + rng.pick(3)) * grid
            x, y = x + dx * n, y + dy * n
            pts.append((x, y))
        a = 0.10 + 0.10 * rng.next()
        c.fill(polyline(pts, 1.2), SKY, alpha=a)
        ex, ey = pts[-1]
        c.fill(circle(ex, ey, 2.4) - circle(ex, ey, 1.0), SKY, alpha=a * 1.6)
    if glow_at:
        gx, gy = glow_at
        c.fill(circle(gx, gy, glow_r), radial(gx, gy, glow_r, [(0, CYAN + (0.42,)),
                                                               (0.5, SKY + (0.14,)),
                                                               (1, SKY + (0.0,))]))
    # A thin light rim on the top and left edges, a darker one at the bottom right.
    c.fill(rect(0, 0, w, 1), SKY, alpha=0.35)
    c.fill(rect(0, 0, 1, h), SKY, alpha=0.25)
    c.fill(rect(0, h - 1, w, h), NAVY, alpha=0.6)
    c.fill(rect(w - 1, 0, w, h), NAVY, alpha=0.6)


def ground_shadow(c, cx, cy, rx, ry, alpha=0.45):
    c.fill(ellipse(cx, cy, rx, ry), SHADOW, alpha=alpha, soft=ry * 0.8)


def gloss(c, area, x0, y0, x1, y1, alpha=0.18):
    """A diagonal sheet of light across a glass area."""
    w = x1 - x0
    sheet = polygon([(x0 + w * 0.30, y0), (x0 + w * 0.62, y0), (x0 + w * 0.22, y1), (x0 - w * 0.1, y1)])
    c.fill(sheet & area, linear(x0, y0, x0, y1, [(0, WHITE + (alpha,)), (1, WHITE + (alpha * 0.2,))]))


def screen_glow(x0, y0, x1, y1, top=BLUE, bottom=DEEP):
    """A lit screen: brighter at the top."""
    return linear(x0, y0, x0, y1, [(0, shade(top, 0.12)), (1, bottom)])


def notebook(c, x, y, w, screen=None, keys=True, shadow=True):
    """An open notebook seen from the front and a little above; returns the screen rect."""
    lh = w * 0.64
    by0 = y + lh
    depth = w * 0.2
    over = w * 0.085
    if shadow:
        ground_shadow(c, x + w / 2, by0 + depth + w * 0.02, w * 0.62, w * 0.05)
    # Base: silver deck with a darker front lip.
    deck = polygon([(x + w * 0.01, by0), (x + w * 0.99, by0), (x + w + over, by0 + depth),
                    (x - over, by0 + depth)]).grow(w * 0.008)
    lip = polygon([(x - over, by0 + depth - 1), (x + w + over, by0 + depth - 1),
                   (x + w + over * 0.96, by0 + depth + w * 0.035),
                   (x - over * 0.96, by0 + depth + w * 0.035)]).grow(w * 0.006)
    c.fill(lip, linear(0, by0 + depth, 0, by0 + depth + w * 0.04, [(0, SILVER_LO), (1, GRAPHITE_HI)]))
    c.fill(deck, linear(0, by0, 0, by0 + depth, [(0, SILVER), (1, SILVER_HI)]))
    c.fill(deck.outline(0.8) & half_plane(0, -1, -(by0 + 2)), SILVER_LO, alpha=0.5)
    if keys:
        ky0, ky1 = by0 + depth * 0.12, by0 + depth * 0.62

        def edge(t, side):
            yy = ky0 + (ky1 - ky0) * t
            f = (yy - by0) / depth
            left = x + w * 0.07 - over * f * 0.9
            right = x + w * 0.93 + over * f * 0.9
            return yy, left if side == 0 else right

        well = polygon([(edge(0, 0)[1] - 2, ky0 - 1.5), (edge(0, 1)[1] + 2, ky0 - 1.5),
                        (edge(1, 1)[1] + 2, ky1 + 1.5), (edge(1, 0)[1] - 2, ky1 + 1.5)])
        c.fill(well, GRAPHITE_HI, alpha=0.55)
        rows, cols = 4, 12
        gap = max(0.5, w * 0.006)
        for i in range(rows):
            ya, la = edge(i / rows, 0)
            _, ra = edge(i / rows, 1)
            yb, lb = edge((i + 1) / rows, 0)
            _, rb = edge((i + 1) / rows, 1)
            spans = [(j, j + 1) for j in range(cols)]
            if i == rows - 1:
                spans = [(0, 1), (1, 2), (2, 3), (3, 9), (9, 10), (10, 11), (11, 12)]
            for j0, j1 in spans:
                u0, u1 = j0 / cols, j1 / cols
                key = polygon([(la + (ra - la) * u0 + gap, ya + gap), (la + (ra - la) * u1 - gap, ya + gap),
                               (lb + (rb - lb) * u1 - gap, yb - gap), (lb + (rb - lb) * u0 + gap, yb - gap)])
                c.fill(key, INK, alpha=0.9)
        pad_y0, pad_y1 = by0 + depth * 0.7, by0 + depth * 0.93
        pad = polygon([(x + w * 0.4, pad_y0), (x + w * 0.6, pad_y0), (x + w * 0.615, pad_y1),
                       (x + w * 0.385, pad_y1)]).grow(0.6)
        c.fill(pad, SILVER_LO, alpha=0.55)
    # Hinge and lid.
    c.fill(rect(x + w * 0.08, by0 - w * 0.012, x + w * 0.92, by0 + w * 0.018, w * 0.01), GRAPHITE)
    lid = rect(x, y, x + w, by0, w * 0.035)
    c.fill(lid, linear(x, y, x + w * 0.3, by0, [(0, GRAPHITE_HI), (0.35, GRAPHITE), (1, INK)]))
    c.fill(lid.outline(1.0) & half_plane(0, 1, y + lh * 0.5), SILVER_LO, alpha=0.6)
    b = w * 0.055
    sx0, sy0, sx1, sy1 = x + b, y + b, x + w - b, by0 - b * 1.15
    glass = rect(sx0, sy0, sx1, sy1, w * 0.008)
    c.fill(glass, screen_glow(sx0, sy0, sx1, sy1))
    if screen:
        screen(c, sx0, sy0, sx1, sy1)
    gloss(c, glass, sx0, sy0, sx1, sy1)
    c.fill(circle(x + w / 2, y + b * 0.5, max(0.7, w * 0.007)), GRAPHITE_HI)
    return sx0, sy0, sx1, sy1


def info_badge(c, cx, cy, r):
    """A round light-blue badge with a white letter i."""
    c.fill(circle(cx, cy + r * 0.08, r), SHADOW, alpha=0.35, soft=r * 0.15)
    c.fill(circle(cx, cy, r), linear(cx, cy - r, cx, cy + r, [(0, SKY), (1, BLUE)]))
    c.fill(circle(cx, cy, r).outline(r * 0.08), ICE, alpha=0.9)
    c.fill(circle(cx, cy - r * 0.45, r * 0.14), WHITE)
    stem = rect(cx - r * 0.12, cy - r * 0.18, cx + r * 0.12, cy + r * 0.58, r * 0.05)
    foot = rect(cx - r * 0.28, cy + r * 0.46, cx + r * 0.28, cy + r * 0.6, r * 0.04)
    cap = rect(cx - r * 0.26, cy - r * 0.18, cx + r * 0.1, cy - r * 0.06, r * 0.04)
    c.fill(stem | foot | cap, WHITE)
    c.fill(circle(cx, cy, r) & ellipse(cx, cy - r * 0.55, r * 0.8, r * 0.5), WHITE, alpha=0.16)


def chip(c, cx, cy, s, body=INK, pins=SILVER):
    """A square processor with pins on all four sides."""
    n = 5
    half = s / 2
    pitch = s * 0.8 / n
    pin_w, pin_l = pitch * 0.45, s * 0.16
    for i in range(n):
        off = -s * 0.4 + pitch * (i + 0.5)
        for pin in (rect(cx + off - pin_w / 2, cy - half - pin_l, cx + off + pin_w / 2, cy - half + 1),
                    rect(cx + off - pin_w / 2, cy + half - 1, cx + off + pin_w / 2, cy + half + pin_l),
                    rect(cx - half - pin_l, cy + off - pin_w / 2, cx - half + 1, cy + off + pin_w / 2),
                    rect(cx + half - 1, cy + off - pin_w / 2, cx + half + pin_l, cy + off + pin_w / 2)):
            c.fill(pin, pins)
    sq = rect(cx - half, cy - half, cx + half, cy + half, s * 0.08)
    c.fill(sq, linear(cx - half, cy - half, cx + half, cy + half,
                      [(0, shade(body, 0.25)), (1, shade(body, -0.3))]))
    inner = rect(cx - half * 0.62, cy - half * 0.62, cx + half * 0.62, cy + half * 0.62, s * 0.05)
    c.fill(inner, linear(cx, cy - half, cx, cy + half, [(0, SILVER_HI), (1, SILVER_LO)]),
           alpha=0.9)
    c.fill(circle(cx - half * 0.72, cy - half * 0.72, s * 0.05), SILVER_LO)


def memory_module(c, x, y, w, h, chips=8):
    """A memory module seen flat: green board, black chips, gold contacts, one notch."""
    board = rect(x, y, x + w, y + h, h * 0.04)
    notch_x = x + w * 0.42
    notch = rect(notch_x - h * 0.04, y + h * 0.86, notch_x + h * 0.04, y + h + 2)
    side = circle(x, y + h * 0.55, h * 0.07) | circle(x + w, y + h * 0.55, h * 0.07)
    shape = board - notch - side
    c.fill(shape, linear(x, y, x, y + h, [(0, PCB_HI), (0.5, PCB), (1, shade(PCB, -0.25))]))
    c.fill(shape.outline(1.0), shade(PCB, -0.45), alpha=0.7)
    # Gold contacts along the lower edge.
    pitch = w / 44.0
    for i in range(44):
        px = x + pitch * (i + 0.5)
        if abs(px - notch_x) < h * 0.07 or px < x + h * 0.05 or px > x + w - h * 0.05:
            continue
        c.fill(rect(px - pitch * 0.32, y + h * 0.8, px + pitch * 0.32, y + h - 1.0, 0.6),
               linear(0, y + h * 0.8, 0, y + h, [(0, AMBER_HI), (1, AMBER_LO)]))
    # Chips and the small parts beside them.
    cw = (w - h * 0.3) / chips
    for i in range(chips):
        cx0 = x + h * 0.15 + cw * i + cw * 0.1
        chip_r = rect(cx0, y + h * 0.14, cx0 + cw * 0.8, y + h * 0.62, 1.2)
        c.fill(chip_r.moved(0.8, 1.2), SHADOW, alpha=0.35)
        c.fill(chip_r, linear(0, y + h * 0.14, 0, y + h * 0.62, [(0, (58, 62, 72)), (1, INK)]))
        c.fill(rect(cx0, y + h * 0.14, cx0 + cw * 0.8, y + h * 0.17, 1.0), WHITE, alpha=0.12)
        c.fill(circle(cx0 + cw * 0.14, y + h * 0.21, max(0.8, h * 0.018)), SILVER_LO)
        c.fill(rect(cx0 + cw * 0.2, y + h * 0.68, cx0 + cw * 0.34, y + h * 0.74), AMBER_LO)
        c.fill(rect(cx0 + cw * 0.46, y + h * 0.68, cx0 + cw * 0.6, y + h * 0.74), SILVER_LO)
    c.fill(rect(x + w * 0.02, y + h * 0.03, x + w * 0.98, y + h * 0.08, 1), WHITE, alpha=0.10)


def check_badge(c, cx, cy, r, ring=WHITE):
    c.fill(circle(cx, cy, r + r * 0.1), ring)
    c.fill(circle(cx, cy, r), linear(cx, cy - r, cx, cy + r, [(0, GREEN_HI), (0.45, GREEN), (1, GREEN_LO)]))
    mark = polyline([(cx - r * 0.45, cy + r * 0.02), (cx - r * 0.12, cy + r * 0.34),
                     (cx + r * 0.48, cy - r * 0.32)], r * 0.22)
    c.fill(mark.moved(0, r * 0.06), GREEN_LO, alpha=0.6)
    c.fill(mark, WHITE)
    c.fill(circle(cx, cy, r) & ellipse(cx, cy - r * 0.55, r * 0.75, r * 0.45), WHITE, alpha=0.22)


def arrow(c, x0, y0, x1, y1, width, paint, head=2.2):
    """A straight arrow with a triangular head at (x1, y1)."""
    dx, dy = x1 - x0, y1 - y0
    ln = math.hypot(dx, dy)
    ux, uy = dx / ln, dy / ln
    hl = width * head
    bx, by = x1 - ux * hl, y1 - uy * hl
    shaft = polyline([(x0, y0), (bx + ux, by + uy)], width)
    tip = polygon([(x1, y1), (bx - uy * hl * 0.8, by + ux * hl * 0.8),
                   (bx + uy * hl * 0.8, by - ux * hl * 0.8)]).grow(width * 0.12)
    c.fill(shaft | tip, paint)


def hard_disk(c, x, y, w, h):
    """A bare hard disk seen from above: platter, spindle, head arm and screws."""
    body = rect(x, y, x + w, y + h, min(w, h) * 0.06)
    c.fill(body, linear(x, y, x + w, y + h, [(0, SILVER_HI), (0.5, SILVER), (1, SILVER_LO)]))
    c.fill(body.outline(1.0), SILVER_LO, alpha=0.8)
    r = min(w * 0.42, h * 0.4)
    px, py = x + w * 0.46, y + h * 0.44
    c.fill(circle(px, py, r + 1.5), GRAPHITE_HI, alpha=0.6)
    c.fill(circle(px, py, r), radial(px - r * 0.3, py - r * 0.3, r * 1.6,
                                      [(0, WHITE), (0.5, (176, 186, 200)), (1, (98, 108, 124))]))
    for k in (0.45, 0.7):
        c.fill(circle(px, py, r * k).outline(0.5), WHITE, alpha=0.35)
    c.fill(circle(px, py, r * 0.2), linear(px, py - r * 0.2, px, py + r * 0.2, [(0, SILVER_HI), (1, SILVER_LO)]))
    c.fill(circle(px, py, r * 0.07), GRAPHITE)
    ax, ay = x + w * 0.86, y + h * 0.86
    c.fill(polyline([(ax, ay), (px + r * 0.45, py + r * 0.2)], max(1.5, r * 0.1)), GRAPHITE)
    c.fill(circle(ax, ay, max(2.0, r * 0.18)), linear(ax, ay - 4, ax, ay + 4, [(0, GRAPHITE_HI), (1, INK)]))
    for sx, sy in ((x + w * 0.07, y + h * 0.07), (x + w * 0.93, y + h * 0.07),
                   (x + w * 0.07, y + h * 0.93), (x + w * 0.93 - w * 0.2, y + h * 0.93)):
        c.fill(circle(sx, sy, max(1.0, w * 0.025)), SILVER_LO)


def floppy(c, x, y, s, body=(40, 70, 130)):
    """A 3.5-inch diskette: cut corner, sliding shutter, label."""
    cut = s * 0.1
    shape = polygon([(x, y), (x + s - cut, y), (x + s, y + cut), (x + s, y + s), (x, y + s)]).grow(s * 0.015)
    c.fill(shape, linear(x, y, x + s, y + s, [(0, shade(body, 0.25)), (1, shade(body, -0.35))]))
    c.fill(shape.outline(1.0), shade(body, -0.5), alpha=0.8)
    shutter = rect(x + s * 0.24, y - s * 0.01, x + s * 0.76, y + s * 0.36, s * 0.02)
    c.fill(shutter, linear(x, y, x + s, y, [(0, SILVER_HI), (0.6, SILVER), (1, SILVER_LO)]))
    c.fill(rect(x + s * 0.56, y + s * 0.06, x + s * 0.68, y + s * 0.3, s * 0.01), GRAPHITE)
    label = rect(x + s * 0.14, y + s * 0.47, x + s * 0.86, y + s * 0.97, s * 0.03)
    c.fill(label, linear(x, y + s * 0.5, x, y + s, [(0, WHITE), (1, (222, 228, 236))]))
    for k in range(3):
        ly = y + s * (0.6 + 0.11 * k)
        c.fill(rect(x + s * 0.22, ly, x + s * 0.78, ly + max(0.8, s * 0.015)), SKY, alpha=0.7)
    c.fill(rect(x + s * 0.05, y + s * 0.88, x + s * 0.1, y + s * 0.95), INK)


def compact_disc(c, cx, cy, r):
    """A disc with a rainbow sheen across its data side."""
    def sheen(x, y):
        a = math.atan2(y - cy, x - cx)
        d = math.sqrt((x - cx) ** 2 + (y - cy) ** 2) / r
        hue = (math.sin(2 * a + 0.6) + 1) / 2
        tint = ramp([(0, (150, 200, 255)), (0.3, (200, 160, 255)), (0.55, (255, 214, 160)),
                     (0.8, (160, 240, 200)), (1, (150, 200, 255))], hue)
        spoke = abs(math.cos(2 * a - 0.9)) ** 6
        base = mix((196, 204, 216), tint, 0.55 * d)
        return mix(base, WHITE, spoke * 0.55)

    disc = circle(cx, cy, r) - circle(cx, cy, r * 0.14)
    c.fill(disc, sheen)
    c.fill(circle(cx, cy, r).outline(1.0), SILVER_LO, alpha=0.9)
    c.fill(circle(cx, cy, r * 0.36) - circle(cx, cy, r * 0.14), (230, 236, 244), alpha=0.85)
    c.fill(circle(cx, cy, r * 0.36).outline(0.8), SILVER_LO, alpha=0.6)
    c.fill(circle(cx, cy, r * 0.14).outline(1.0), SILVER_LO, alpha=0.9)


def number_badge(c, cx, cy, r, digit, fill=CYAN):
    c.fill(circle(cx, cy + 1, r), SHADOW, alpha=0.4, soft=2)
    c.fill(circle(cx, cy, r), linear(cx, cy - r, cx, cy + r, [(0, shade(fill, 0.3)), (1, shade(fill, -0.3))]))
    c.fill(circle(cx, cy, r).outline(1.2), WHITE, alpha=0.85)
    th = r * 1.1
    c.fill(text_shape(digit, cx - text_width(digit, th) / 2, cy - th / 2, th, max(1.4, r * 0.22)), WHITE)


def tile(c, cx, cy, r):
    """A glassy round tile that frames a small symbol."""
    c.fill(circle(cx, cy + 2, r), SHADOW, alpha=0.4, soft=3)
    c.fill(circle(cx, cy, r), radial(cx, cy - r * 0.4, r * 1.5, [(0, (40, 90, 160)), (1, NAVY)]))
    c.fill(circle(cx, cy, r).outline(1.6), CYAN, alpha=0.85)
    c.fill(circle(cx, cy, r) & ellipse(cx, cy - r * 0.6, r * 0.85, r * 0.5), WHITE, alpha=0.1)


# ---------------------------------------------------------------- pictures


def picture_info():
    """Information viewer: a notebook with the facts it is made of above it."""
    c = Canvas(235, 290)
    backdrop(c, 255, glow_at=(117, 175), glow_r=140)
    nx, ny, nw = 30, 122, 175
    tiles = [(48, 64), (117.5, 46), (187, 64)]
    for tx, ty in tiles:
        end = (117.5 + (tx - 117.5) * 0.55, ny + 2)
        c.fill(polyline([(tx, ty), (tx, ny - 18), end], 1.6), CYAN, alpha=0.55)
        c.fill(circle(end[0], end[1], 2.6), CYAN)
    r = 27
    tile(c, *tiles[0], r)
    chip(c, tiles[0][0], tiles[0][1], 22, body=GRAPHITE, pins=AMBER_HI)
    tile(c, *tiles[1], r)
    memory_module(c, tiles[1][0] - 21, tiles[1][1] - 9, 42, 18, chips=4)
    tile(c, *tiles[2], r)
    hard_disk(c, tiles[2][0] - 15, tiles[2][1] - 18, 30, 36)

    def screen(c, x0, y0, x1, y1):
        h = y1 - y0
        info_badge(c, x0 + h * 0.5, y0 + h * 0.5, h * 0.3)
        for k in range(5):
            ly = y0 + h * (0.2 + 0.14 * k)
            lx = x0 + h * 0.95
            c.fill(rect(lx, ly, lx + (x1 - lx - 10) * (0.45 if k % 2 else 0.3), ly + 4, 2), ICE, alpha=0.8)
            c.fill(rect(lx + (x1 - lx - 10) * 0.5, ly, x1 - 10 - (k * 7 % 13), ly + 4, 2), SKY, alpha=0.8)

    notebook(c, nx, ny, nw, screen)
    return c


def splash_screen(progress):
    """A quiet start-up screen: an abstract emblem and a progress bar."""
    def draw(c, x0, y0, x1, y1):
        w, h = x1 - x0, y1 - y0
        c.fill(rect(x0, y0, x1, y1), linear(x0, y0, x0, y1, [(0, (16, 40, 86)), (1, NAVY)]))
        cx, cy = x0 + w / 2, y0 + h * 0.42
        r = h * 0.22
        c.fill(circle(cx, cy, r * 1.8), radial(cx, cy, r * 1.8, [(0, CYAN + (0.35,)), (1, CYAN + (0.0,))]))
        ring = circle(cx, cy, r).outline(r * 0.28)
        c.fill(ring - rect(cx - r * 0.2, cy - r * 1.5, cx + r * 0.2, cy), CYAN)
        c.fill(rect(cx - r * 0.12, cy - r * 1.25, cx + r * 0.12, cy - r * 0.15, r * 0.12), CYAN)
        bx0, bx1, by = x0 + w * 0.22, x1 - w * 0.22, y0 + h * 0.8
        c.fill(rect(bx0, by, bx1, by + h * 0.06, h * 0.03), (40, 64, 110))
        c.fill(rect(bx0, by, bx0 + (bx1 - bx0) * progress, by + h * 0.06, h * 0.03),
               linear(bx0, 0, bx1, 0, [(0, SKY), (1, CYAN)]))
    return draw


def picture_post():
    """POST: a memory module that passed its test, and a notebook booting quietly."""
    c = Canvas(410, 206)
    mod = Canvas(410, 206)
    memory_module(mod, 18, 70, 250, 74, chips=8)
    # The module leans a little: draw it flat, then turn it onto the picture.
    angle = -9.0
    cx, cy = 143, 107
    cs, sn = math.cos(math.radians(angle)), math.sin(math.radians(angle))

    def turned(x, y):
        dx, dy = x - cx, y - cy
        sx, sy = cx + dx * cs + dy * sn, cy - dx * sn + dy * cs
        ix, iy = int(sx), int(sy)
        if not (0 <= ix < mod.w - 1 and 0 <= iy < mod.h - 1):
            return (0, 0, 0, 0)
        fx, fy = sx - ix, sy - iy
        acc = [0.0, 0.0, 0.0, 0.0]
        for (ox, oy, wt) in ((0, 0, (1 - fx) * (1 - fy)), (1, 0, fx * (1 - fy)),
                             (0, 1, (1 - fx) * fy), (1, 1, fx * fy)):
            i = (iy + oy) * mod.w + ix + ox
            acc[0] += mod.r[i] * wt
            acc[1] += mod.g[i] * wt
            acc[2] += mod.b[i] * wt
            acc[3] += mod.a[i] * wt
        if acc[3] <= 0:
            return (0, 0, 0, 0)
        return (acc[0] / acc[3], acc[1] / acc[3], acc[2] / acc[3], acc[3])

    c.fill(rect(0, 0, 300, 206), turned)
    check_badge(c, 236, 52, 30)
    notebook(c, 280, 62, 118, splash_screen(0.68), shadow=False)
    return c


def picture_boot():
    """Boot sequence: floppy, hard disk and disc, numbered in the order they are tried."""
    c = Canvas(195, 249)
    backdrop(c, 229, glow_at=(110, 124), glow_r=120)
    rows = [40, 124, 208]
    c.fill(polyline([(28, rows[0]), (28, rows[2])], 2.0), CYAN, alpha=0.45)
    for k, ry in enumerate(rows):
        number_badge(c, 28, ry, 12, "123"[k])
    for k in range(2):
        y0, y1 = rows[k] + 32, rows[k + 1] - 32
        arrow(c, 112, y0, 112, y1, 4.0, CYAN)
    for ry in rows:
        ground_shadow(c, 112, ry + 30, 44, 4, alpha=0.4)
    floppy(c, 84, rows[0] - 28, 56)
    hard_disk(c, 78, rows[1] - 27, 68, 54)
    compact_disc(c, 112, rows[2], 29)
    for ry, text in ((rows[0], "A:"), (rows[1], "C:")):
        th = 12
        c.fill(text_shape(text, 160, ry - th / 2, th, 2.0), ICE)
    return c


def padlock(c, cx, top, w, body=AMBER):
    """A padlock whose shackle starts at y = top; returns the body rectangle."""
    h = w * 0.82
    by0 = top + w * 0.55
    sr = w * 0.3
    sw = w * 0.13
    sh = polyline([(cx - sr, by0 + 4)] + arc_points(cx, top + sr, sr, sr, 180, 360) + [(cx + sr, by0 + 4)], sw)
    c.fill(sh, linear(cx - sr, 0, cx + sr, 0, [(0, SILVER_HI), (0.45, SILVER), (1, SILVER_LO)]))
    c.fill(sh.outline(0.8), SILVER_LO, alpha=0.7)
    b = rect(cx - w / 2, by0, cx + w / 2, by0 + h, w * 0.12)
    c.fill(b, linear(cx, by0, cx, by0 + h, [(0, shade(body, 0.35)), (0.5, body), (1, shade(body, -0.3))]))
    c.fill(b.outline(1.0), shade(body, -0.45), alpha=0.8)
    c.fill(b & rect(cx - w / 2, by0, cx + w / 2, by0 + h * 0.12), WHITE, alpha=0.2)
    slot = polygon([(cx - w * 0.05, by0 + h * 0.42), (cx + w * 0.05, by0 + h * 0.42),
                    (cx + w * 0.07, by0 + h * 0.75), (cx - w * 0.07, by0 + h * 0.75)])
    kh = circle(cx, by0 + h * 0.4, w * 0.1) | slot
    c.fill(kh.moved(0, 1), WHITE, alpha=0.35)
    c.fill(kh, shade(body, -0.7))
    return cx - w / 2, by0, cx + w / 2, by0 + h


def key_shape(x, y, length, angle):
    """A key lying along angle (degrees) from its bow centred at (x, y)."""
    r = length * 0.2
    bow = circle(x, y, r) - circle(x - r * 0.25, y, r * 0.38)
    shaft = rect(x + r * 0.8, y - length * 0.045, x + length, y + length * 0.045, length * 0.02)
    teeth = [rect(x + length * f, y, x + length * (f + 0.07), y + length * d)
             for f, d in ((0.7, 0.13), (0.8, 0.09), (0.9, 0.14))]
    return union([bow, shaft] + teeth).rotated(angle, x, y)


def key(c, x, y, length, angle, metal=AMBER):
    shape = key_shape(x, y, length, angle)
    c.fill(shape.moved(1.5, 2.5), SHADOW, alpha=0.4, soft=2)
    c.fill(shape, linear(x - length * 0.3, y - length * 0.3, x + length * 0.5, y + length * 0.5,
                         [(0, shade(metal, 0.45)), (0.5, metal), (1, shade(metal, -0.35))]))
    c.fill(shape.outline(0.9), shade(metal, -0.5), alpha=0.7)


def picture_password():
    """Password: a padlock, its key, and a field of hidden characters."""
    c = Canvas(151, 230)
    backdrop(c, 147, glow_at=(75, 105), glow_r=100)
    ground_shadow(c, 75, 166, 52, 5, alpha=0.45)
    padlock(c, 72, 28, 92)
    key(c, 92, 140, 58, 28, metal=SILVER)
    fy0, fy1 = 186, 208
    field = rect(16, fy0, 135, fy1, 11)
    c.fill(field.moved(0, 1.5), SHADOW, alpha=0.35, soft=2)
    c.fill(field, linear(0, fy0, 0, fy1, [(0, (232, 240, 250)), (1, WHITE)]))
    c.fill(field.outline(1.2), CYAN, alpha=0.9)
    for k in range(5):
        c.fill(circle(34 + 15 * k, (fy0 + fy1) / 2, 3.8), DEEP)
    c.fill(rect(34 + 15 * 5 - 3, fy0 + 5, 34 + 15 * 5 - 1.6, fy1 - 5), BLUE)
    return c


def monitor(c, x, y, w, screen=None):
    """A desk monitor on a stand; returns the screen rectangle."""
    h = w * 0.74
    neck = polygon([(x + w * 0.42, y + h - 2), (x + w * 0.58, y + h - 2), (x + w * 0.62, y + h + w * 0.13),
                    (x + w * 0.38, y + h + w * 0.13)])
    c.fill(neck, linear(x, 0, x + w, 0, [(0, SILVER_LO), (0.5, SILVER), (1, SILVER_LO)]))
    foot = ellipse(x + w / 2, y + h + w * 0.15, w * 0.3, w * 0.045)
    c.fill(foot, linear(0, y + h + w * 0.1, 0, y + h + w * 0.2, [(0, SILVER_HI), (1, SILVER_LO)]))
    frame = rect(x, y, x + w, y + h, w * 0.04)
    c.fill(frame, linear(x, y, x + w * 0.4, y + h, [(0, SILVER_HI), (0.6, SILVER), (1, SILVER_LO)]))
    c.fill(frame.outline(1.0), SILVER_LO, alpha=0.9)
    b = w * 0.07
    sx0, sy0, sx1, sy1 = x + b, y + b, x + w - b, y + h - b * 1.5
    glass = rect(sx0, sy0, sx1, sy1, 1.5)
    c.fill(glass.grow(1.0), GRAPHITE)
    c.fill(glass, screen_glow(sx0, sy0, sx1, sy1))
    if screen:
        screen(c, sx0, sy0, sx1, sy1)
    gloss(c, glass, sx0, sy0, sx1, sy1, alpha=0.22)
    c.fill(circle(x + w - b * 1.2, y + h - b * 0.75, max(0.9, w * 0.012)), GREEN)
    return sx0, sy0, sx1, sy1


def sun_symbol(c, cx, cy, r, paint=AMBER_HI):
    c.fill(circle(cx, cy, r * 0.45), paint)
    for k in range(8):
        a = math.radians(45 * k)
        c.fill(line(cx + math.cos(a) * r * 0.68, cy + math.sin(a) * r * 0.68,
                    cx + math.cos(a) * r, cy + math.sin(a) * r, max(1.2, r * 0.14)), paint)


def contrast_symbol(c, cx, cy, r):
    c.fill(circle(cx, cy, r), WHITE)
    c.fill(circle(cx, cy, r) & rect(cx, cy - r, cx + r, cy + r), INK)
    c.fill(circle(cx, cy, r).outline(max(1.0, r * 0.12)), WHITE)


def picture_display():
    """Display device: a desk monitor and the notebook's own panel, linked both ways."""
    c = Canvas(140, 121)
    monitor(c, 3, 4, 84, lambda c, x0, y0, x1, y1: contrast_symbol(c, (x0 + x1) / 2, (y0 + y1) / 2, 11))
    notebook(c, 62, 52, 74, lambda c, x0, y0, x1, y1: sun_symbol(c, (x0 + x1) / 2, (y0 + y1) / 2, 12),
             shadow=False)
    # A two-way arrow from the monitor's edge over to the panel.
    two_way_arrow(c, arc_points(104, 52, 26, 26, 200, 345), 3.0, CYAN)
    return c


def two_way_arrow(c, pts, width, paint):
    """A curved stroke with a head at both ends, edged in white."""
    def head(tip, before):
        dx, dy = tip[0] - before[0], tip[1] - before[1]
        ln = math.hypot(dx, dy)
        ux, uy = dx / ln, dy / ln
        hl = width * 2.4
        bx, by = tip[0] - ux * hl, tip[1] - uy * hl
        return polygon([(tip[0] + ux * width * 0.6, tip[1] + uy * width * 0.6),
                        (bx - uy * hl * 0.75, by + ux * hl * 0.75), (bx + uy * hl * 0.75, by - ux * hl * 0.75)])

    shape = polyline(pts[1:-1], width) | head(pts[-1], pts[-3]) | head(pts[0], pts[2])
    c.fill(shape.grow(1.3), WHITE)
    c.fill(shape, paint)


def battery(c, x, y, w, h, level):
    body = rect(x, y, x + w, y + h, h * 0.16)
    c.fill(rect(x + w - 1, y + h * 0.3, x + w + h * 0.14, y + h * 0.7, h * 0.06), SILVER_LO)
    c.fill(body, linear(x, y, x, y + h, [(0, SILVER_HI), (0.5, SILVER), (1, SILVER_LO)]))
    c.fill(body.outline(1.0), SILVER_LO)
    inner = rect(x + h * 0.14, y + h * 0.14, x + w - h * 0.14, y + h * 0.86, h * 0.08)
    c.fill(inner, INK)
    fill_x1 = x + h * 0.14 + (w - h * 0.28) * level
    c.fill(inner & rect(x, y, fill_x1, y + h), linear(x, y, x, y + h, [(0, GREEN_HI), (0.5, GREEN), (1, GREEN_LO)]))
    bolt = polygon([(x + w * 0.56, y + h * 0.08), (x + w * 0.38, y + h * 0.55), (x + w * 0.5, y + h * 0.55),
                    (x + w * 0.42, y + h * 0.92), (x + w * 0.64, y + h * 0.42), (x + w * 0.52, y + h * 0.42)])
    c.fill(bolt.grow(1.0), INK, alpha=0.5)
    c.fill(bolt, AMBER_HI)


def moon(c, cx, cy, r, paint=AMBER_HI):
    c.fill(circle(cx, cy, r) - circle(cx + r * 0.45, cy - r * 0.3, r * 0.82), paint)


def alarm_clock(c, cx, cy, r, bells=RED):
    """A twin-bell alarm clock with hands."""
    for side in (-1, 1):
        a = math.radians(-90 + side * 42)
        bx, by = cx + math.cos(a) * r * 1.0, cy + math.sin(a) * r * 1.0
        c.fill(line(cx + math.cos(a) * r * 0.7, cy + math.sin(a) * r * 0.7, bx, by, r * 0.08), GRAPHITE)
        # The bell's open side faces the clock.
        ux, uy = math.cos(a), math.sin(a)
        dome = circle(bx, by, r * 0.3) & half_plane(-ux, -uy, -(bx * ux + by * uy) + r * 0.08)
        c.fill(dome, linear(bx - r * 0.3, by - r * 0.3, bx + r * 0.3, by + r * 0.1,
                            [(0, shade(bells, 0.35)), (1, shade(bells, -0.3))]))
        c.fill(dome.outline(1.0), shade(bells, -0.5), alpha=0.7)
        c.fill(line(cx + side * r * 0.5, cy + r * 0.8, cx + side * r * 0.72, cy + r * 1.02, r * 0.1), GRAPHITE)
    c.fill(line(cx, cy - r * 0.95, cx, cy - r * 1.12, r * 0.07), GRAPHITE)
    c.fill(rect(cx - r * 0.14, cy - r * 1.18, cx + r * 0.14, cy - r * 1.06, r * 0.04), GRAPHITE)
    rim = circle(cx, cy, r)
    c.fill(rim, linear(cx - r, cy - r, cx + r, cy + r, [(0, SILVER_HI), (0.5, SILVER), (1, SILVER_LO)]))
    c.fill(rim.outline(1.0), SILVER_LO)
    face = circle(cx, cy, r * 0.86)
    c.fill(face.grow(1.0), SILVER_LO, alpha=0.8)
    c.fill(face, radial(cx, cy - r * 0.3, r * 1.2, [(0, (40, 82, 150)), (1, NAVY)]))
    for k in range(12):
        a = math.radians(30 * k)
        long_tick = k % 3 == 0
        r0 = r * (0.64 if long_tick else 0.7)
        c.fill(line(cx + math.cos(a) * r0, cy + math.sin(a) * r0, cx + math.cos(a) * r * 0.78,
                    cy + math.sin(a) * r * 0.78, max(1.0, r * (0.05 if long_tick else 0.03))), ICE)
    c.fill(line(cx, cy, cx + r * 0.3, cy - r * 0.38, max(1.2, r * 0.08)), WHITE)
    c.fill(line(cx, cy, cx - r * 0.5, cy + r * 0.06, max(1.0, r * 0.06)), WHITE)
    c.fill(line(cx, cy, cx + r * 0.1, cy + r * 0.62, max(0.8, r * 0.025)), RED)
    c.fill(circle(cx, cy, max(1.2, r * 0.07)), AMBER_HI)
    c.fill(face & ellipse(cx, cy - r * 0.5, r * 0.7, r * 0.38), WHITE, alpha=0.12)


def power_symbol(c, cx, cy, r, paint):
    gap = polygon([(cx, cy), (cx - r * 0.7, cy - r * 1.4), (cx + r * 0.7, cy - r * 1.4)])
    ring = circle(cx, cy, r).outline(r * 0.24) - gap
    c.fill(ring, paint)
    c.fill(line(cx, cy - r * 1.05, cx, cy - r * 0.15, r * 0.24), paint)


def picture_power():
    """Power management: sleep, battery, resume alarm and power, along one circuit."""
    c = Canvas(480, 93)
    backdrop(c, 160)
    centres = [62, 182, 302, 420]
    for cxp in centres:
        c.fill(circle(cxp, 46, 60), radial(cxp, 46, 60, [(0, CYAN + (0.3,)), (1, CYAN + (0.0,))]))
    for a, b in zip(centres, centres[1:]):
        c.fill(line(a + 46, 46, b - 46, 46, 1.6), CYAN, alpha=0.55)
        for k in range(3):
            c.fill(circle(a + 52 + k * ((b - a - 104) / 2), 46, 2.4), CYAN, alpha=0.9)
    notebook(c, centres[0] - 36, 14, 72,
             lambda c, x0, y0, x1, y1: moon(c, (x0 + x1) / 2, (y0 + y1) / 2, 10), keys=True)
    ground_shadow(c, centres[1], 70, 40, 4)
    battery(c, centres[1] - 36, 28, 68, 36, 0.7)
    ground_shadow(c, centres[2], 80, 30, 4)
    alarm_clock(c, centres[2], 48, 28)
    ground_shadow(c, centres[3], 80, 30, 4)
    c.fill(circle(centres[3], 46, 30), linear(0, 16, 0, 76, [(0, SILVER_HI), (1, SILVER_LO)]))
    c.fill(circle(centres[3], 46, 24), linear(0, 22, 0, 70, [(0, GRAPHITE), (1, INK)]))
    c.fill(circle(centres[3], 46, 24).outline(1.4), CYAN, alpha=0.6)
    power_symbol(c, centres[3], 48, 12, CYAN)
    return c


def bell(c, bx, by, r, tilt, colour=RED):
    """A clock bell: a dome of radius r centred at (bx, by), turned by tilt degrees."""
    dome = (circle(bx, by, r) & rect(bx - r, by - r, bx + r, by + r * 0.25)).rotated(tilt, bx, by)
    c.fill(dome, linear(bx - r, by - r, bx + r, by + r * 0.3,
                        [(0, shade(colour, 0.4)), (0.6, colour), (1, shade(colour, -0.3))]))
    c.fill(dome.outline(1.0), shade(colour, -0.5), alpha=0.7)
    c.fill(circle(bx, by - r, r * 0.16).rotated(tilt, bx, by), GRAPHITE)


def picture_clock():
    """Resume alarm: a desk alarm clock whose dark window takes the typed time."""
    c = Canvas(140, 141)
    for side in (-1, 1):
        c.fill(line(70 + side * 40, 120, 70 + side * 52, 138, 5), GRAPHITE)
    bell(c, 27, 26, 18, -32)
    bell(c, 113, 26, 18, 32)
    c.fill(line(70, 24, 70, 10, 4), GRAPHITE)
    c.fill(rect(61, 5, 79, 11, 2.5), linear(0, 5, 0, 11, [(0, GRAPHITE_HI), (1, INK)]))
    body = rect(4, 22, 136, 128, 34)
    c.fill(body, linear(4, 22, 80, 128, [(0, SILVER_HI), (0.55, SILVER), (1, SILVER_LO)]))
    c.fill(body.outline(1.0), SILVER_LO)
    face = rect(11, 29, 129, 121, 28)
    c.fill(face.grow(1.0), SILVER_LO)
    c.fill(face, radial(70, 40, 110, [(0, (44, 90, 162)), (1, NAVY)]))
    c.fill(face & ellipse(70, 36, 56, 18), WHITE, alpha=0.1)
    # The typed time sits across the middle, a little above it.
    lcd = rect(16, 57, 124, 91, 6)
    c.fill(lcd.grow(1.6), (6, 12, 26))
    c.fill(lcd, (0, 0, 0))
    c.fill(lcd.outline(1.0), CYAN, alpha=0.5)
    for k in range(7):
        c.fill(circle(46 + k * 8, 46, 1.4), ICE if k == 3 else SKY, alpha=0.9)
    for k, colour in enumerate((CYAN, AMBER, CYAN)):
        bx = 50 + k * 20
        c.fill(circle(bx, 106, 5.5), linear(0, 100, 0, 112, [(0, GRAPHITE_HI), (1, INK)]))
        c.fill(circle(bx, 106, 2.0), colour)
    return c


# ---------------------------------------------------------------- ALARM button

BUTTON_W, BUTTON_H = 64, 22


def alarm_button(state):
    """The ALARM button in one state: "U" up, "D" pressed, "F" focused, "X" disabled."""
    c = Canvas(BUTTON_W, BUTTON_H)
    w, h = BUTTON_W, BUTTON_H
    pressed = state == "D"
    face = rect(0.5, 0.5, w - 0.5, h - 0.5, 3)
    stops = [(0, SILVER_LO), (1, SILVER)] if pressed else [(0, SILVER_HI), (0.55, SILVER), (1, SILVER_LO)]
    c.fill(rect(0, 0, w, h), FACE)
    c.fill(face, linear(0, 0, 0, h, stops))
    c.fill(face.outline(1.0), GRAPHITE_HI)
    if not pressed:
        c.fill(rect(2, 1.5, w - 2, 2.5), WHITE, alpha=0.7)
    d = 1 if pressed else 0
    cx, cy = 12 + d, h / 2 + 0.5 + d
    for side in (-1, 1):
        c.fill(circle(cx + side * 4.6, cy - 5.0, 2.6), RED)
    c.fill(circle(cx, cy, 6.2), linear(0, cy - 6, 0, cy + 6, [(0, SILVER_HI), (1, SILVER_LO)]))
    c.fill(circle(cx, cy, 4.8), NAVY)
    c.fill(polyline([(cx, cy - 3.2), (cx, cy), (cx + 2.4, cy + 1.2)], 1.1), WHITE)
    c.fill(text_shape("ALARM", 22 + d, 6.5 + d, 9, 1.5), INK)
    if state == "F":
        c.fill(rect(2.5, 2.5, w - 2.5, h - 2.5, 2).outline(1.2), CYAN)
    if state == "X":
        for i in range(w * h):
            a = c.a[i]
            if a > 0:
                lum = (0.3 * c.r[i] + 0.59 * c.g[i] + 0.11 * c.b[i]) / a
                lum = lum * 0.45 + 150
                c.r[i] = c.g[i] = c.b[i] = lum * a
    return c


# ---------------------------------------------------------------- icons


def icon_program(size):
    """Program icon: a notebook with a settings gear in front of it."""
    c = Canvas(size, size)
    s = size / 32.0
    notebook(c, 3 * s, 5 * s, 24 * s, keys=False, shadow=False,
             screen=lambda c, x0, y0, x1, y1: c.fill(rect(x0, y0, x1, y1), linear(
                 x0, y0, x1, y1, [(0, SKY), (1, BLUE)])))
    gx, gy = 23.5 * s, 22.5 * s
    g = gear(gx, gy, 5.8 * s, 8.0 * s, 9, 2.2 * s)
    c.fill(g.grow(max(0.8, 1.0 * s)), WHITE)
    c.fill(g, linear(gx - 8 * s, gy - 8 * s, gx + 8 * s, gy + 8 * s,
                     [(0, AMBER_HI), (0.5, AMBER), (1, AMBER_LO)]))
    c.fill(g.outline(0.7 * s), AMBER_LO, alpha=0.8)
    return c


def icon_question(size):
    """Confirmation icon: a blue badge with a white question mark."""
    c = Canvas(size, size)
    s = size / 32.0
    r = 14.6 * s
    cx = cy = 16 * s
    c.fill(circle(cx, cy, r), linear(cx, cy - r, cx, cy + r, [(0, SKY), (0.55, BLUE), (1, DEEP)]))
    c.fill(circle(cx, cy, r - 0.6 * s).outline(1.4 * s), ICE, alpha=0.9)
    c.fill(circle(cx, cy, r) & ellipse(cx, cy - r * 0.55, r * 0.75, r * 0.42), WHITE, alpha=0.22)
    th = 17 * s
    c.fill(text_shape("?", cx - text_width("?", th) / 2, cy - th / 2, th, max(1.6, 3.2 * s)), WHITE)
    return c


def icon_chip_lock(size):
    """Setup password: a padlock over a processor."""
    c = Canvas(size, size)
    s = size / 32.0
    chip(c, 12.5 * s, 12.5 * s, 15 * s, body=GRAPHITE, pins=SILVER_LO)
    small_lock(c, 22.5 * s, 12.5 * s, 15 * s)
    return c


def icon_power_lock(size):
    """Power-on password: a padlock over a power button."""
    c = Canvas(size, size)
    s = size / 32.0
    cx, cy, r = 13 * s, 13 * s, 12 * s
    c.fill(circle(cx, cy, r), linear(0, cy - r, 0, cy + r, [(0, SILVER_HI), (1, SILVER_LO)]))
    c.fill(circle(cx, cy, r * 0.78), linear(0, cy - r, 0, cy + r, [(0, GRAPHITE), (1, INK)]))
    power_symbol(c, cx, cy + 0.5 * s, r * 0.45, CYAN)
    small_lock(c, 22.5 * s, 12.5 * s, 15 * s)
    return c


def small_lock(c, cx, top, w):
    """A padlock for icons: white-edged so it stands off what it covers."""
    h = w * 0.78
    by0 = top + w * 0.52
    sr, sw = w * 0.28, w * 0.16
    sh = polyline([(cx - sr, by0 + 1)] + arc_points(cx, top + sr, sr, sr, 180, 360) + [(cx + sr, by0 + 1)], sw)
    body = rect(cx - w / 2, by0, cx + w / 2, by0 + h, w * 0.14)
    c.fill((sh | body).grow(max(0.8, w * 0.07)), WHITE)
    c.fill(sh, linear(cx - sr, 0, cx + sr, 0, [(0, SILVER_HI), (1, SILVER_LO)]))
    c.fill(body, linear(0, by0, 0, by0 + h, [(0, AMBER_HI), (0.5, AMBER), (1, AMBER_LO)]))
    c.fill(body.outline(max(0.6, w * 0.05)), AMBER_LO, alpha=0.9)
    kh = circle(cx, by0 + h * 0.42, w * 0.1) | rect(cx - w * 0.045, by0 + h * 0.42, cx + w * 0.045, by0 + h * 0.75)
    c.fill(kh, shade(AMBER_LO, -0.5))


# ---------------------------------------------------------------- output

# (file, picture function, mask file or None); sizes come from the drawing itself.
PICTURES = [
    ("bmp255.bmp", picture_info, None),       # Information viewer, 235 x 290
    ("bmp155.bmp", picture_post, "bmp259.bmp"),  # POST, 410 x 206
    ("bmp229.bmp", picture_boot, None),       # Boot sequence, 195 x 249
    ("bmp147.bmp", picture_password, None),   # Password, 151 x 230
    ("bmp148.bmp", picture_display, "bmp235.bmp"),  # Display device, 140 x 121
    ("bmp160.bmp", picture_power, None),      # Power management, 480 x 93
    ("bmp172.bmp", picture_clock, "bmp275.bmp"),  # Resume alarm, 140 x 141
]

ICONS = [
    ("icon128.ico", icon_program),
    ("icon225.ico", icon_question),
    ("icon301.ico", icon_chip_lock),
    ("icon302.ico", icon_power_lock),
]

ICON_SIZES = (32, 16)


def picture_files(canvas, masked):
    """The picture and, when masked, its mask: BMP bytes sharing one colour table."""
    w, h = canvas.w, canvas.h
    if not masked:
        px = canvas.pixels(backdrop=(0, 0, 0))
        rgb = [(to_bytes(p[0]), to_bytes(p[1]), to_bytes(p[2])) for p in px]
        palette = build_palette(rgb)
        return bmp_file(quantize(rgb, w, h, palette), w, h, palette), None
    px = canvas.pixels(backdrop=FACE)
    shown = [a >= 0.5 for a in canvas.a]
    rgb = [(to_bytes(p[0]), to_bytes(p[1]), to_bytes(p[2])) if s else None for p, s in zip(px, shown)]
    palette = build_palette([p for p in rgb if p is not None])
    idx = quantize(rgb, w, h, palette)
    picture = [i if s else WHITE_INDEX for i, s in zip(idx, shown)]
    mask = [WHITE_INDEX if s else BLACK_INDEX for s in shown]
    return bmp_file(picture, w, h, palette), bmp_file(mask, w, h, palette)


def icon_file(draw):
    images = []
    for bits in (8, 32):
        for size in ICON_SIZES:
            px = draw(size).pixels()
            data = icon_image_8bit(px, size, size) if bits == 8 else icon_image_32bit(px, size, size)
            images.append((size, bits, data))
    return ico_file(images)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, "..", "res", "art")
    os.makedirs(out, exist_ok=True)
    written = []

    def write(name, data, what):
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
        written.append((name, what, len(data)))

    for name, draw, mask_name in PICTURES:
        canvas = draw()
        picture, mask = picture_files(canvas, mask_name is not None)
        write(name, picture, "%d x %d, 8-bit" % (canvas.w, canvas.h))
        if mask_name:
            write(mask_name, mask, "mask of %s" % name)
    for state in "UDFX":
        canvas = alarm_button(state)
        write("alarm%s.bmp" % state.lower(), picture_files(canvas, False)[0],
              "%d x %d, ALARM button %s" % (canvas.w, canvas.h, state))
    for name, draw in ICONS:
        write(name, icon_file(draw), "icon %s px, 256 colours and 32-bit" %
              "+".join(str(s) for s in ICON_SIZES))
    for name, what, size in written:
        print("%-12s %7d bytes  %s" % (name, size, what))
    print("%d files in %s" % (len(written), os.path.normpath(out)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
