#!/usr/bin/python3
"""Drawings checked by outside readers: DXF files written by ezdxf are read
by veldrio-calc, and the DXF and SVG files veldrio-calc writes are read back
by ezdxf and rendered by rsvg-convert.

    outside_readers.py BIN_DIR

The reference values come from Green's theorem along every loop, computed
here apart from the program (Gauss-Legendre along each line and arc)."""
import json
import math
import os
import random
import re
import struct
import subprocess
import sys
import tempfile
import zlib

import ezdxf

BIN = sys.argv[1]
CALC = os.path.join(BIN, "veldrio-calc")
WORK = tempfile.mkdtemp(prefix="veldrio-cad-")
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


def near(a, b, rel):
    return abs(a - b) <= rel * max(abs(a), abs(b), 1e-300)


# ---------------------------------------------------------------- reference

def gauss_legendre(n):
    nodes = []
    for i in range(1, n + 1):
        x = math.cos(math.pi * (i - 0.25) / (n + 0.5))
        for _ in range(100):
            p0, p1 = 1.0, x
            for k in range(2, n + 1):
                p0, p1 = p1, ((2 * k - 1) * x * p1 - (k - 1) * p0) / k
            dp = n * (x * p1 - p0) / (x * x - 1)
            dx = p1 / dp
            x -= dx
            if abs(dx) < 1e-16:
                break
        nodes.append((x, 2 / ((1 - x * x) * dp * dp)))
    return nodes


GL = gauss_legendre(20)


def edge_points(edge):
    """(point, derivative) along the edge for t in [0, 1]."""
    if edge[0] == "line":
        (x1, y1), (x2, y2) = edge[1], edge[2]
        return lambda t: ((x1 + t * (x2 - x1), y1 + t * (y2 - y1)), (x2 - x1, y2 - y1))
    _, (cx, cy), r, a0, sweep = edge
    return lambda t: ((cx + r * math.cos(a0 + t * sweep), cy + r * math.sin(a0 + t * sweep)),
                      (-r * sweep * math.sin(a0 + t * sweep), r * sweep * math.cos(a0 + t * sweep)))


def loop_integrals(loop):
    """Area, first and second moments (Green's theorem) and length."""
    s = [0.0] * 6  # A, Sx, Sy, Ixx(y^2), Iyy(x^2), Ixy
    length = 0.0
    for edge in loop:
        f = edge_points(edge)
        for x, w in GL:
            (px, py), (dx, dy) = f((x + 1) / 2)
            w /= 2
            s[0] += w * (px * dy - py * dx) / 2
            s[1] += w * px * px / 2 * dy
            s[2] += -w * py * py / 2 * dx
            s[3] += -w * py ** 3 / 3 * dx
            s[4] += w * px ** 3 / 3 * dy
            s[5] += w * px * px * py / 2 * dy
            length += w * math.hypot(dx, dy)
    return s, length


def properties(loops, holes):
    """Area, perimeter and principal moments of loops, holes subtracting."""
    total = [0.0] * 6
    perimeter = 0.0
    for loop, hole in zip(loops, holes):
        s, length = loop_integrals(loop)
        sign = (1 if s[0] > 0 else -1) * (-1 if hole else 1)
        total = [t + sign * v for t, v in zip(total, s)]
        perimeter += length
    a, sx, sy, ixx, iyy, ixy = total
    xc, yc = sx / a, sy / a
    ixx, iyy, ixy = ixx - a * yc * yc, iyy - a * xc * xc, ixy - a * xc * yc
    mean, half = (ixx + iyy) / 2, math.hypot((ixx - iyy) / 2, ixy)
    return {"area": a, "perimeter": perimeter, "i_max": mean + half, "i_min": mean - half}


def line(a, b):
    return ("line", a, b)


def arc(c, r, start_deg, end_deg):
    """A counter-clockwise arc as a DXF ARC has it."""
    sweep = (end_deg - start_deg) % 360 or 360
    return ("arc", c, r, math.radians(start_deg), math.radians(sweep))


def circle(c, r):
    return [arc(c, r, 0, 360)]


# -------------------------------------------------------------- veldrio-calc

def calc(*args):
    run = subprocess.run([CALC, *args], capture_output=True, text=True)
    return run.returncode, run.stdout, run.stderr


def calc_json(path, *extra):
    code, out, err = calc("--json", *extra, path)
    return code, (json.loads(out)["source"] if code == 0 else None), err


def compare(name, path, loops, holes, rel=1e-5):
    code, got, err = calc_json(path)
    check(code == 0, name + " read (" + err.strip() + ")")
    if code != 0:
        return
    want = properties(loops, holes)
    for key in ("area", "perimeter", "i_max", "i_min"):
        check(near(got[key], want[key], rel), "%s %s %.12g ~ %.12g" % (name, key, got[key], want[key]))


# ------------------------------------------------ drawings written by ezdxf

def rounded_plate():
    """A 120 x 80 plate, corners r = 10, as (entity, reference edge) pairs."""
    return [
        (("LINE", (10, 0), (110, 0)), line((10, 0), (110, 0))),
        (("LINE", (120, 10), (120, 70)), line((120, 10), (120, 70))),
        (("LINE", (110, 80), (10, 80)), line((110, 80), (10, 80))),
        (("LINE", (0, 70), (0, 10)), line((0, 70), (0, 10))),
        (("ARC", (110, 10), 10, 270, 360), arc((110, 10), 10, 270, 360)),
        (("ARC", (110, 70), 10, 0, 90), arc((110, 70), 10, 0, 90)),
        (("ARC", (10, 70), 10, 90, 180), arc((10, 70), 10, 90, 180)),
        (("ARC", (10, 10), 10, 180, 270), arc((10, 10), 10, 180, 270)),
    ]


def add_loose(msp, pieces, rng):
    rng.shuffle(pieces)
    for (kind, *data), _ in pieces:
        if kind == "LINE":
            a, b = data
            msp.add_line(*((b, a) if rng.random() < 0.5 else (a, b)))
        else:
            msp.add_arc(*data)


def bulge_edges(points, bulges):
    """Reference edges of a closed polyline with bulges."""
    edges = []
    for i, (p, b) in enumerate(zip(points, bulges)):
        q = points[(i + 1) % len(points)]
        if b == 0:
            edges.append(line(p, q))
            continue
        sweep = 4 * math.atan(b)
        chord = math.dist(p, q)
        r = chord / (2 * abs(math.sin(sweep / 2)))
        mid = ((p[0] + q[0]) / 2, (p[1] + q[1]) / 2)
        left = (-(q[1] - p[1]) / chord, (q[0] - p[0]) / chord)
        off = chord / 2 * (1 - b * b) / (2 * b)
        c = (mid[0] + left[0] * off, mid[1] + left[1] * off)
        edges.append(("arc", c, r, math.atan2(p[1] - c[1], p[0] - c[0]), sweep))
    return edges


def drawings_by_ezdxf():
    rng = random.Random(27)

    doc = ezdxf.new("R2010")
    pieces = rounded_plate()
    reference = [edge for _, edge in pieces]
    add_loose(doc.modelspace(), pieces, rng)
    path = os.path.join(WORK, "loose.dxf")
    doc.saveas(path)
    compare("loose lines and arcs", path, [reference], [False])

    doc = ezdxf.new("R2010")
    msp = doc.modelspace()
    add_loose(msp, rounded_plate(), rng)
    msp.add_circle((40, 40), 15)
    msp.add_circle((85, 40), 12.5)
    path = os.path.join(WORK, "plate_holes.dxf")
    doc.saveas(path)
    compare("loose plate with two round holes", path,
            [reference, circle((40, 40), 15), circle((85, 40), 12.5)], [False, True, True])

    doc = ezdxf.new("R2010")
    doc.modelspace().add_circle((1000.25, -2000.5), 37.5)
    path = os.path.join(WORK, "circle.dxf")
    doc.saveas(path)
    compare("a circle far from the origin", path, [circle((1000.25, -2000.5), 37.5)], [False])

    points = [(0, 0), (60, 0), (60, 25), (30, 40), (0, 25)]
    bulges = [0.25, 0, -0.4, 0.6, 0]
    doc = ezdxf.new("R2010")
    doc.modelspace().add_lwpolyline([(x, y, 0, 0, b) for (x, y), b in zip(points, bulges)],
                                    format="xyseb", close=True)
    path = os.path.join(WORK, "polyline.dxf")
    doc.saveas(path)
    compare("closed polyline with bulges", path, [bulge_edges(points, bulges)], [False])

    hole = [(10, 5), (20, 5), (20, 15), (10, 15)]
    hole_bulges = [0, 1, 0, 0]
    doc = ezdxf.new("R12")
    msp = doc.modelspace()
    msp.add_polyline2d([(x, y) for x, y in reversed(points)], close=True)
    pl = msp.add_polyline2d(hole, close=True)
    for vertex, b in zip(pl.vertices, hole_bulges):
        vertex.dxf.bulge = b
    msp.add_circle((45, 15), 5)
    path = os.path.join(WORK, "polyline_holes.dxf")
    doc.saveas(path)
    outer = [line(points[(i + 1) % 5], points[i]) for i in range(5)]
    compare("old polyline with a bulged and a round hole", path,
            [outer, bulge_edges(hole, hole_bulges), circle((45, 15), 5)], [False, True, True])

    doc = ezdxf.new("R2010")
    msp = doc.modelspace()
    msp.add_line((0, 0), (10, 0))
    spline = msp.add_spline([(0, 0), (5, 5), (10, 0)])
    path = os.path.join(WORK, "spline.dxf")
    doc.saveas(path)
    code, _, err = calc(path)
    check(code == 1 and "SPLINE" in err and spline.dxf.handle in err,
          "a SPLINE refused with status 1, named with its handle: " + err.strip())


# --------------------------------------------------- files veldrio writes

def chained_loops(msp, layer):
    """The LINEs and ARCs of layer joined into loops (reference edges)."""
    edges = []
    for e in msp.query("LINE ARC[layer==\"%s\"]" % layer):
        if e.dxftype() == "LINE":
            edges.append(line(tuple(e.dxf.start)[:2], tuple(e.dxf.end)[:2]))
        else:
            edges.append(arc(tuple(e.dxf.center)[:2], e.dxf.radius, e.dxf.start_angle, e.dxf.end_angle))

    def ends(edge):
        f = edge_points(edge)
        return f(0)[0], f(1)[0]

    def reverse(edge):
        if edge[0] == "line":
            return line(edge[2], edge[1])
        _, c, r, a0, sweep = edge
        return ("arc", c, r, a0 + sweep, -sweep)

    loops = []
    while edges:
        loop = [edges.pop(0)]
        while math.dist(ends(loop[-1])[1], ends(loop[0])[0]) > 1e-6:
            end = ends(loop[-1])[1]
            i = min(range(len(edges)), key=lambda k: min(math.dist(end, p) for p in ends(edges[k])))
            e = edges.pop(i)
            loop.append(e if math.dist(end, ends(e)[0]) < math.dist(end, ends(e)[1]) else reverse(e))
        loops.append(loop)
    return loops


def png_coverage(path):
    """Sum of the alpha of every pixel of an 8-bit RGBA PNG, in pixels."""
    data = open(path, "rb").read()
    pos, idat = 8, b""
    while pos < len(data):
        size, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + size]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            assert depth == 8 and colour == 6
        elif kind == b"IDAT":
            idat += body
        pos += size + 12
    raw = zlib.decompress(idat)
    stride = width * 4
    previous = bytearray(stride)
    total = 0
    for y in range(height):
        kind = raw[y * (stride + 1)]
        row = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = row[i - 4] if i >= 4 else 0
            b = previous[i]
            c = previous[i - 4] if i >= 4 else 0
            if kind == 1:
                row[i] = (row[i] + a) & 255
            elif kind == 2:
                row[i] = (row[i] + b) & 255
            elif kind == 3:
                row[i] = (row[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                row[i] = (row[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        total += sum(row[3::4])
        previous = row
    return total / 255


def export_checks(name, rows, lines, arcs, scale_args=()):
    csv = os.path.join(WORK, name + ".csv")
    with open(csv, "w") as f:
        f.write("".join("%d,%s,%s\n" % row for row in rows))
    dxf, svg = os.path.join(WORK, name + ".dxf"), os.path.join(WORK, name + ".svg")
    code, out, err = calc("--json", *scale_args, "--dxf", dxf, "--svg", svg, csv)
    check(code == 0, name + " exported (" + err.strip() + ")")
    if code != 0:
        return None
    results = json.loads(out)
    doc = ezdxf.readfile(dxf)
    auditor = doc.audit()
    check(not auditor.has_errors, name + ": ezdxf audit without errors %s" % [str(e.message) for e in auditor.errors])
    msp = doc.modelspace()
    layers = ("OUTLINE", "HOLES")
    got_lines = sum(len(msp.query("LINE[layer==\"%s\"]" % l)) for l in layers)
    got_arcs = sum(len(msp.query("ARC[layer==\"%s\"]" % l)) for l in layers)
    check((got_lines, got_arcs) == (lines, arcs), name + ": %d lines, %d arcs" % (got_lines, got_arcs))
    check(len(msp.query("POINT[layer==\"AXES\"]")) == 1 and len(msp.query("LINE[layer==\"AXES\"]")) == 2,
          name + ": centroid and two axes on AXES")
    loops, holes = [], []
    for layer in layers:
        for loop in chained_loops(msp, layer):
            loops.append(loop)
            holes.append(layer == "HOLES")
    unit = "mm" if "mm" in results else "source"
    area = properties(loops, holes)["area"]
    check(near(area, results[unit]["area"], 1e-6), name + ": re-read area %.12g ~ %.12g" % (area, results[unit]["area"]))
    check(doc.header.get("$INSUNITS", 0) == (4 if unit == "mm" else 0), name + ": $INSUNITS")

    # The SVG's path alone (no overlay, no outline stroke), rendered.
    text = open(svg).read()
    text = re.sub(r'<g id="overlay">.*?</g>\n', "", text, flags=re.S).replace('stroke="#', 'data-stroke="#')
    view = [float(v) for v in re.search(r'viewBox="([^"]*)"', text).group(1).split()]
    bare = os.path.join(WORK, name + "_fill.svg")
    open(bare, "w").write(text)
    png = os.path.join(WORK, name + ".png")
    width = 600
    subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(round(width * view[3] / view[2])),
                    "-o", png, bare], check=True)
    per_pixel = view[2] / width
    filled = png_coverage(png) * per_pixel * per_pixel
    edge_share = results[unit]["perimeter"] * per_pixel
    check(abs(filled - area) <= edge_share,
          name + ": SVG filled %.6g ~ %.6g within %.3g" % (filled, area, edge_share))
    return dxf, results


def round_trip(dxf, results):
    code, got, err = calc_json(dxf)
    check(code == 0, "round trip read (" + err.strip() + ")")
    if code != 0:
        return
    for key, value in results["source"].items():
        check(near(got[key], value, 1e-9) or abs(got[key] - value) < 1e-9,
              "round trip %s %.15g ~ %.15g" % (key, got[key], value))


def files_veldrio_writes():
    plate = [(1, 100, 100), (1, 400, 100), (2, 400, 250), (1, 379, 303), (1, 325, 325), (1, 200, 300),
             (1, 100, 300)]
    written = export_checks("plate", plate, 5, 1)
    if written:
        round_trip(*written)
    export_checks("plate_mm", plate, 5, 1, ("--scale", "2", "--mm-per-dot", "0.1"))
    hole = [(2, 175, 200), (1, 180, 185), (2, 200, 175), (1, 215, 180), (2, 225, 200), (1, 220, 215),
            (2, 200, 225), (1, 185, 220)]  # four quarter turns, radius 25
    with_hole = plate + [(9, 0, 0)] + hole
    written = export_checks("plate_with_hole", with_hole, 5, 5)
    if written:
        round_trip(*written)


drawings_by_ezdxf()
files_veldrio_writes()
if failures:
    print("%d checks failed" % len(failures))
    sys.exit(1)
print("all checks passed")
