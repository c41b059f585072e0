#!/usr/bin/env python3
"""Writes figure129.svg next to this script: the pump figure of the check form.

Three isometric drawings, left to right End-Top, Top-Top and Side-Side, each with its casing,
shaft, pedestals and baseplate, both nozzles with flanges, the centre point and the nozzle
coordinate dimensions, and one axis triad at the top left. Isometric projection seen from
(+X, -Y, +Z): X runs down to the right, Y up to the right, Z straight up.

The SVG keeps to what Qt SVG (SVG Tiny 1.2) draws: presentation attributes only, no markers,
no CSS, no filters; arrowheads are small polygons. Natural size 756 x 232; keep it.
Run: python3 res/figure129_gen.py
"""
import math, os, sys

C30 = math.cos(math.radians(30))
S30 = 0.5
VIEW = (1.0, -1.0, 1.0)          # direction towards the viewer

INK = "#1f2a33"
CL = "#3d6a8c"                   # centre lines
DIM = "#b02a20"                  # dimensions
FILL_TOP, FILL_X, FILL_Y = "#f3f5f7", "#dde3e8", "#c9d2d9"
FILL_FLANGE = "#b8c4cd"
FONT = 'font-family="DejaVu Sans, sans-serif"'

out = []
def emit(s): out.append(s)
def f(v): return f"{v:.1f}".rstrip("0").rstrip(".") if abs(v - round(v)) > 1e-9 else str(int(round(v)))

class Panel:
    def __init__(self, ox, oy, k):
        self.ox, self.oy, self.k = ox, oy, k
    def P(self, x, y, z):
        k = self.k
        return (self.ox + (x + y) * C30 * k, self.oy + (x - y) * S30 * k - z * k)

def dot(a, b): return sum(i * j for i, j in zip(a, b))
def sub(a, b): return tuple(i - j for i, j in zip(a, b))
def add(a, b): return tuple(i + j for i, j in zip(a, b))
def mul(a, s): return tuple(i * s for i in a)
def norm(a):
    l = math.sqrt(dot(a, a)); return tuple(i / l for i in a)
def cross(a, b): return (a[1]*b[2]-a[2]*b[1], a[2]*b[0]-a[0]*b[2], a[0]*b[1]-a[1]*b[0])

def pts(ps): return " ".join(f"{f(x)},{f(y)}" for x, y in ps)

def polygon(ps, fill, stroke=INK, sw=0.9, extra=""):
    emit(f'<polygon points="{pts(ps)}" fill="{fill}" stroke="{stroke}" stroke-width="{sw}" stroke-linejoin="round"{extra}/>')

def line(a, b, stroke, sw, extra=""):
    emit(f'<line x1="{f(a[0])}" y1="{f(a[1])}" x2="{f(b[0])}" y2="{f(b[1])}" stroke="{stroke}" stroke-width="{sw}"{extra}/>')

def hull(points):
    p = sorted(set((round(x, 2), round(y, 2)) for x, y in points))
    if len(p) < 3: return p
    def half(seq):
        h = []
        for q in seq:
            while len(h) >= 2 and (h[-1][0]-h[-2][0])*(q[1]-h[-2][1]) - (h[-1][1]-h[-2][1])*(q[0]-h[-2][0]) <= 0:
                h.pop()
            h.append(q)
        return h
    lo, up = half(p), half(reversed(p))
    return lo[:-1] + up[:-1]

def circle3(c, axis, r, n=64):
    a = norm(axis)
    t = (0, 0, 1) if abs(a[2]) < 0.9 else (1, 0, 0)
    u = norm(cross(a, t)); v = cross(a, u)
    return [add(c, add(mul(u, r * math.cos(2*math.pi*i/n)), mul(v, r * math.sin(2*math.pi*i/n)))) for i in range(n)]

def cylinder(pn, p0, p1, r, fill_side=FILL_X, fill_cap=FILL_TOP, sw=0.9):
    """Solid cylinder from p0 to p1 (3-D), radius r."""
    axis = sub(p1, p0)
    c0 = [pn.P(*q) for q in circle3(p0, axis, r)]
    c1 = [pn.P(*q) for q in circle3(p1, axis, r)]
    polygon(hull(c0 + c1), fill_side, sw=sw)
    cap = c1 if dot(axis, VIEW) > 0 else c0
    polygon(cap, fill_cap, sw=sw)

def prism(pn, profile, x0, x1, fill_side=FILL_Y, fill_cap=FILL_X):
    """Profile given as (y, z) points, extruded along X from x0 to x1; +X face is visible."""
    back = [pn.P(x0, y, z) for y, z in profile]
    front = [pn.P(x1, y, z) for y, z in profile]
    polygon(hull(back + front), fill_side)
    polygon(front, fill_cap)

def box(pn, x0, x1, y0, y1, z0, z1):
    P = pn.P
    polygon([P(x1, y0, z0), P(x1, y1, z0), P(x1, y1, z1), P(x1, y0, z1)], FILL_X)   # +X face
    polygon([P(x0, y0, z0), P(x1, y0, z0), P(x1, y0, z1), P(x0, y0, z1)], FILL_Y)   # -Y face
    polygon([P(x0, y0, z1), P(x1, y0, z1), P(x1, y1, z1), P(x0, y1, z1)], FILL_TOP) # +Z face

def nozzle(pn, base, face, r, rf, tf):
    """Nozzle neck from base to flange face, flange of radius rf and thickness tf."""
    d = norm(sub(face, base))
    back = sub(face, mul(d, tf))
    cylinder(pn, base, back, r)
    cylinder(pn, back, face, rf, fill_side=FILL_FLANGE, fill_cap="#e6ebef")

CLDASH = ' stroke-dasharray="9,2,1.5,2"'
def centre_line(pn, a, b):
    line(pn.P(*a), pn.P(*b), CL, 0.6, CLDASH)

def arrow(tip, direction, color, length=5.0, half=1.6):
    dx, dy = direction
    l = math.hypot(dx, dy); dx, dy = dx / l, dy / l
    bx, by = tip[0] - dx * length, tip[1] - dy * length
    polygon([tip, (bx - dy * half, by + dx * half), (bx + dy * half, by - dx * half)], color, stroke="none", sw=0)

def label(x, y, s, size=8, color=INK, anchor="start", weight=None, italic=False):
    attrs = f' font-size="{f(size)}" fill="{color}"'
    if anchor != "start": attrs += f' text-anchor="{anchor}"'
    if weight: attrs += f' font-weight="{weight}"'
    if italic: attrs += ' font-style="italic"'
    emit(f'<text x="{f(x)}" y="{f(y)}"{attrs}>{s}</text>')

# Labels of dimensions whose lines are drawn before (behind) a body, written after it.
deferred = []
def flush_deferred():
    for args in deferred: label(*args[0], **args[1])
    deferred.clear()

def dimension(pn, a, b, name, ext_a=None, ext_b=None, side=1, along=0.5, off=6.5, defer=False,
              at_b=None, anchor="middle"):
    """Dimension line between 3-D points a and b, arrowheads at both ends, with optional
    extension lines given as 3-D start points (drawn to a little past a or b)."""
    A, B = pn.P(*a), pn.P(*b)
    for ext, end in ((ext_a, a), (ext_b, b)):
        if ext is not None:
            E, T = pn.P(*ext), pn.P(*end)
            dx, dy = T[0] - E[0], T[1] - E[1]; l = math.hypot(dx, dy)
            line(E, (T[0] + dx / l * 3, T[1] + dy / l * 3), DIM, 0.5)
    line(A, B, DIM, 0.6)
    arrow(A, (A[0] - B[0], A[1] - B[1]), DIM)
    arrow(B, (B[0] - A[0], B[1] - A[1]), DIM)
    mx, my = A[0] + (B[0] - A[0]) * along, A[1] + (B[1] - A[1]) * along
    dx, dy = B[0] - A[0], B[1] - A[1]; l = math.hypot(dx, dy)
    nx, ny = -dy / l * side, dx / l * side
    tx, ty = mx + nx * off, my + ny * off
    if at_b is not None:                     # label placed beside the b end instead
        tx, ty = B[0] + at_b[0], B[1] + at_b[1]
    args = ((tx, ty + 3, name), dict(size=9, color=DIM, anchor=anchor, italic=True))
    if defer: deferred.append(args)
    else: label(*args[0], **args[1])

def dot_marker(p):
    emit(f'<circle cx="{f(p[0])}" cy="{f(p[1])}" r="2" fill="{DIM}" stroke="none"/>')

def leader(frm, to, s, anchor="start", size=7.5, dy=3):
    line(frm, to, INK, 0.5)
    label(to[0] + (2 if anchor == "start" else -2), to[1] + dy, s, size=size, anchor=anchor)

def spiral_profile(r0, r1, a0, n=72):
    ps = []
    for i in range(n + 1):
        t = i / n
        a = a0 + 2 * math.pi * t
        r = r0 + (r1 - r0) * t
        ps.append((r * math.cos(a), r * math.sin(a)))
    return ps


def lines_label(x, y, rows, size=8, anchor="start", color=INK):
    for i, r in enumerate(rows):
        label(x, y + i * (size + 1.5), r, size=size, anchor=anchor, color=color)

def nozzle_name(x, y, s, anchor="start"):
    label(x, y, s, size=8.5, anchor=anchor, weight="bold")

def title(cx, s):
    label(cx, 226, s, size=9, anchor="middle", weight="bold")

def end_top(ox, oy, k=1.0):
    pn = Panel(ox, oy, k); P = pn.P
    xs, yd, zd = 46, 24, 56
    emit('<g id="end-top">')
    box(pn, -96, 54, -40, 40, -50, -44)                 # baseplate
    box(pn, -6, 6, 28, 40, -44, -4)                     # far pedestal
    box(pn, -6, 6, 20, 40, -4, 4)                       # far foot
    box(pn, -60, -48, -13, 13, -44, -10)                # bearing frame support
    cylinder(pn, (-92, 0, 0), (-60, 0, 0), 3.5)         # shaft end
    cylinder(pn, (-64, 0, 0), (-14, 0, 0), 12)          # bearing frame
    cylinder(pn, (-22, 0, 0), (-10, 0, 0), 18)          # adapter
    prism(pn, spiral_profile(26, 34, math.radians(40)), -11, 11)   # volute casing
    nozzle(pn, (0, yd, 20), (0, yd, zd), 8, 12, 4)      # discharge (top)
    box(pn, -6, 6, -40, -28, -44, -4)                   # near pedestal
    box(pn, -6, 6, -40, -20, -4, 4)                     # near foot
    nozzle(pn, (10, 0, 0), (xs, 0, 0), 10, 15, 4)       # suction (end)
    centre_line(pn, (-106, 0, 0), (xs + 18, 0, 0))      # shaft
    centre_line(pn, (0, -78, 0), (0, 60, 0))            # pedestal
    centre_line(pn, (0, 0, -10), (0, 0, zd + 16))       # vertical through the centre point
    centre_line(pn, (0, yd, zd - 10), (0, yd, zd + 16)) # discharge
    o = P(0, 0, 0); dot_marker(o)
    dimension(pn, (0, -54, 0), (xs, -54, 0), "xS", ext_b=(xs, -16, 0), side=1, along=0.8)
    dimension(pn, (0, 0, zd + 12), (0, yd, zd + 12), "yD", side=-1)
    dimension(pn, (0, 52, 0), (0, 52, zd), "zD", ext_b=(0, yd + 13, zd), side=-1)
    # names
    nozzle_name(*add2(P(xs, 0, 0), (10, -20)), "Suc")
    nozzle_name(*add2(P(0, yd, zd - 18), (-24, 3)), "Dis", anchor="end")
    e = P(xs + 18, 0, 0)
    lines_label(e[0] + 3, e[1] + 4, ["PUMP SHAFT", "CENTER LINE"])
    e = P(0, -78, 0)
    line(e, (50, 164), INK, 0.5)
    lines_label(44, 172, ["PUMP PEDESTAL", "CENTER LINE"], anchor="middle")
    line(o, (96, 34), INK, 0.5)
    lines_label(96, 20, ["PUMP CENTER POINT", "(0, 0, 0)"], anchor="middle")
    emit('</g>')
    return pn

def add2(a, b): return (a[0] + b[0], a[1] + b[1])

def bb_pump(pn):
    """Between-bearings pump body: baseplate, pedestals, barrel casing, two bearing housings, shaft."""
    box(pn, -84, 74, -36, 36, -46, -40)                 # baseplate
    for x in (-50, 44):                                 # bearing housing supports
        box(pn, x - 5, x + 5, -10, 10, -40, -8)
    for x in (-26, 20):                                 # casing pedestals
        box(pn, x - 6, x + 6, -22, 22, -40, -14)
    cylinder(pn, (-84, 0, 0), (-56, 0, 0), 3.5)         # drive end of the shaft
    cylinder(pn, (-58, 0, 0), (-34, 0, 0), 10)          # drive-end bearing housing
    cylinder(pn, (-36, 0, 0), (36, 0, 0), 26)           # casing
    cylinder(pn, (34, 0, 0), (56, 0, 0), 10)            # non-drive-end bearing housing

def top_top(ox, oy, k=1.0):
    pn = Panel(ox, oy, k); P = pn.P
    xs, ys, zs = 28, 16, 52
    xd, yd, zd = -28, -16, 46
    emit('<g id="top-top">')
    bb_pump(pn)
    nozzle(pn, (xs, ys, 10), (xs, ys, zs), 10, 15, 4)
    nozzle(pn, (xd, yd, 10), (xd, yd, zd), 8, 12, 4)
    h = zs + 20
    centre_line(pn, (-98, 0, 0), (84, 0, 0))
    centre_line(pn, (0, 0, -12), (0, 0, h + 4))
    centre_line(pn, (xs, ys, zs - 10), (xs, ys, h + 4))
    centre_line(pn, (xd, yd, zd - 10), (xd, yd, h + 4))
    o = P(0, 0, 0); dot_marker(o)
    dimension(pn, (0, 0, h), (xs, 0, h), "xS", side=-1)
    dimension(pn, (xs, 0, h), (xs, ys, h), "yS", at_b=(5, 2), anchor="start")
    dimension(pn, (0, 0, h), (xd, 0, h), "xD", side=1)
    dimension(pn, (xd, 0, h), (xd, yd, h), "yD", at_b=(-5, 2), anchor="end")
    dimension(pn, (72, ys, 0), (72, ys, zs), "zS", ext_a=(72, 0, 0), ext_b=(xs + 15, ys, zs), side=-1)
    dimension(pn, (-92, yd, 0), (-92, yd, zd), "zD", ext_a=(-92, 0, 0), ext_b=(xd - 12, yd, zd), side=1)
    nozzle_name(*add2(P(xs, ys, zs), (18, 4)), "Suc")
    nozzle_name(*add2(P(xd, yd, zd), (-16, 4)), "Dis", anchor="end")
    line(o, (346, 187), INK, 0.5)
    lines_label(314, 196, ["PUMP CENTER PT", "(0, 0, 0)"], anchor="middle")
    emit('</g>')
    return pn

def side_side(ox, oy, k=1.0):
    pn = Panel(ox, oy, k); P = pn.P
    xs, ys, zs = 32, -58, -16
    xd, yd, zd = -32, 54, -20
    emit('<g id="side-side">')
    nozzle(pn, (xd, 10, zd), (xd, yd, zd), 8, 12, 4)
    dimension(pn, (-108, 0, zd), (-108, yd, zd), "yD", ext_a=(-108, 0, 0), ext_b=(xd - 12, yd, zd), side=-1, defer=True)
    bb_pump(pn)
    nozzle(pn, (xs, -10, zs), (xs, ys, zs), 10, 15, 4)
    flush_deferred()
    fs, fd = ys - 24, yd + 28
    centre_line(pn, (-114, 0, 0), (84, 0, 0))
    centre_line(pn, (0, fs - 4, 0), (0, fd + 4, 0))
    centre_line(pn, (0, 0, -12), (0, 0, 40))
    centre_line(pn, (xs, ys + 10, zs), (xs, fs - 4, zs))
    centre_line(pn, (xd, yd - 10, zd), (xd, fd + 4, zd))
    o = P(0, 0, 0); dot_marker(o)
    dimension(pn, (0, fs, 0), (0, fs, zs), "zS", side=1)
    dimension(pn, (0, fs, zs), (xs, fs, zs), "xS", side=1)
    dimension(pn, (0, fd, 0), (xd, fd, 0), "xD", side=1)
    dimension(pn, (xd, fd, 0), (xd, fd, zd), "zD", at_b=(-4, -7), anchor="end")
    dimension(pn, (72, 0, zs), (72, ys, zs), "yS", ext_a=(72, 0, 0), ext_b=(xs + 15, ys, zs), side=-1)
    nozzle_name(*add2(P(xs, ys, zs), (0, 26)), "Suc", anchor="middle")
    nozzle_name(*add2(P(xd, yd, zd), (16, 6)), "Dis")
    line(o, (o[0] - 30, 30), INK, 0.5)
    label(o[0] - 32, 32, "FIXED PT (0,0,0)", size=8, anchor="end")
    emit('</g>')
    return pn

def triad(x, y, L=22):
    emit('<g id="triad">')
    for (dx, dy), name, lx, ly in (((C30, S30), "X", 3, 9), ((C30, -S30), "Y", 4, 2), ((0, -1), "Z", 5, 5)):
        tip = (x + dx * L, y + dy * L)
        line((x, y), tip, INK, 1.0)
        arrow(tip, (dx, dy), INK, length=6, half=2.2)
        label(tip[0] + lx, tip[1] + ly, name, size=9, weight="bold")
    emit('</g>')

emit('<?xml version="1.0" encoding="UTF-8"?>')
emit('<!-- Pump figure of the check form, written by figure129_gen.py: edit that script, not this file. -->')
emit('<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="756" height="232" viewBox="0 0 756 232">')
emit('<rect x="0" y="0" width="756" height="232" fill="#ffffff"/>')
emit(f'<g {FONT}>')
end_top(140, 104)
top_top(386, 112)
side_side(636, 108)
triad(12, 38, 22)
title(126, "End-Top")
title(378, "Top-Top")
title(630, "Side-Side")
emit('</g>')
emit('</svg>')
target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "figure129.svg")
with open(target, "w", encoding="utf-8") as fh:
    fh.write("\n".join(out) + "\n")
