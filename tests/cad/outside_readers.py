#!/usr/bin/python3
"""Drawings checked by outside readers: DXF files written by ezdxf are read
by veldrio-calc, and the DXF and SVG files veldrio-calc writes are read back
by ezdxf and rendered by rsvg-convert.

    outside_readers.py BIN_DIR

The reference values come from Green's theorem along every loop, computed
here apart from the program (Simpson's rule along each line and arc)."""
import json
import math
import os
import random
import re
import subprocess
import sys
import tempfile

import ezdxf

BIN = sys.argv[1]
WORK = tempfile.mkdtemp(prefix="veldrio-cad-")
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)
    return ok


def near(a, b, rel):
    return abs(a - b) <= rel * max(abs(a), abs(b), 1e-300)


# ---------------------------------------------------------------- reference

STEPS = 400  # Simpson's rule: exact on lines, far below 1e-9 on arcs
SIMPSON = [(i / STEPS, (1 if i in (0, STEPS) else 4 if i % 2 else 2) / (3 * STEPS)) for i in range(STEPS + 1)]


def edge_points(edge):
    """(point, derivative) along the edge for t in [0, 1]."""
    if edge[0] == "line":
        (x1, y1), (x2, y2) = edge[1], edge[2]
        return lambda t: ((x1 + t * (x2 - x1), y1 + t * (y2 - y1)), (x2 - x1, y2 - y1))
    _, (cx, cy), r, a0, sweep = edge
    return lambda t: ((cx + r * math.cos(a0 + t * sweep), cy + r * math.sin(a0 + t * sweep)),
                      (-r * sweep * math.sin(a0 + t * sweep), r * sweep * math.cos(a0 + t * sweep)))


def properties(loops, holes):
    """Area, perimeter and principal moments of loops, holes subtracting."""
    total, perimeter = [0.0] * 6, 0.0  # A, Sx, Sy, Ixx(y^2), Iyy(x^2), Ixy
    for loop, hole in zip(loops, holes):
        s = [0.0] * 6
        for edge in loop:
            f = edge_points(edge)
            for t, w in SIMPSON:
                (x, y), (dx, dy) = f(t)
                for k, v in enumerate((x * dy - y * dx, x * x * dy, -y * y * dx, -2 * y ** 3 / 3 * dx,
                                       2 * x ** 3 / 3 * dy, x * x * y * dy)):
                    s[k] += w * v / 2
                perimeter += w * math.hypot(dx, dy)
        sign = (1 if s[0] > 0 else -1) * (-1 if hole else 1)
        total = [t + sign * v for t, v in zip(total, s)]
    a, sx, sy, ixx, iyy, ixy = total
    xc, yc = sx / a, sy / a
    ixx, iyy, ixy = ixx - a * yc * yc, iyy - a * xc * xc, ixy - a * xc * yc
    mean, half = (ixx + iyy) / 2, math.hypot((ixx - iyy) / 2, ixy)
    return {"area": a, "perimeter": perimeter, "i_max": mean + half, "i_min": mean - half}


def line(a, b):
    return ("line", a, b)


def arc(c, r, start_deg, end_deg):
    """A counter-clockwise arc as a DXF ARC has it."""
    return ("arc", c, r, math.radians(start_deg), math.radians((end_deg - start_deg) % 360 or 360))


def circle(c, r):
    return [arc(c, r, 0, 360)]


def bulge_edges(points, bulges):
    """Reference edges of a closed polyline with bulges."""
    edges = []
    for i, (p, b) in enumerate(zip(points, bulges)):
        q = points[(i + 1) % len(points)]
        if b == 0:
            edges.append(line(p, q))
            continue
        sweep, chord = 4 * math.atan(b), math.dist(p, q)
        off = chord / 2 * (1 - b * b) / (2 * b) / chord
        c = ((p[0] + q[0]) / 2 - (q[1] - p[1]) * off, (p[1] + q[1]) / 2 + (q[0] - p[0]) * off)
        edges.append(("arc", c, chord / (2 * abs(math.sin(sweep / 2))), math.atan2(p[1] - c[1], p[0] - c[0]),
                      sweep))
    return edges


# -------------------------------------------------------------- veldrio-calc

def calc(*args):
    run = subprocess.run([os.path.join(BIN, "veldrio-calc"), *args], capture_output=True, text=True)
    return run.returncode, (json.loads(run.stdout) if run.returncode == 0 and "--json" in args else None), \
        run.stderr.strip()


def compare(name, doc, loops, holes):
    path = os.path.join(WORK, name + ".dxf")
    doc.saveas(path)
    code, got, err = calc("--json", path)
    check(code == 0, name + " read (" + err + ")")
    want = properties(loops, holes)
    for key in ("area", "perimeter", "i_max", "i_min") if code == 0 else ():
        check(near(got["source"][key], want[key], 1e-5), "%s %s %.12g ~ %.12g" % (name, key, got["source"][key], want[key]))


# ------------------------------------------------ drawings written by ezdxf

def drawing(version="R2010"):
    doc = ezdxf.new(version)
    return doc, doc.modelspace()


def drawings_by_ezdxf():
    rng = random.Random(27)
    # A 120 x 80 plate, corners r = 10, as loose lines (some reversed) and
    # arcs in any order, with two round holes.
    plate = [line((10, 0), (110, 0)), line((120, 10), (120, 70)), line((110, 80), (10, 80)),
             line((0, 70), (0, 10)), arc((110, 10), 10, 270, 360), arc((110, 70), 10, 0, 90),
             arc((10, 70), 10, 90, 180), arc((10, 10), 10, 180, 270)]
    doc, msp = drawing()
    for edge in rng.sample(plate, len(plate)):
        if edge[0] == "line":
            msp.add_line(*((edge[2], edge[1]) if rng.random() < 0.5 else edge[1:]))
        else:
            msp.add_arc(edge[1], edge[2], math.degrees(edge[3]), math.degrees(edge[3] + edge[4]))
    msp.add_circle((40, 40), 15)
    msp.add_circle((85, 40), 12.5)
    compare("loose plate with two round holes", doc, [plate, circle((40, 40), 15), circle((85, 40), 12.5)],
            [False, True, True])

    doc, msp = drawing()
    msp.add_circle((1000.25, -2000.5), 37.5)
    compare("a circle far from the origin", doc, [circle((1000.25, -2000.5), 37.5)], [False])

    points, bulges = [(0, 0), (60, 0), (60, 25), (30, 40), (0, 25)], [0.25, 0, -0.4, 0.6, 0]
    doc, msp = drawing()
    msp.add_lwpolyline([(x, y, 0, 0, b) for (x, y), b in zip(points, bulges)], format="xyseb", close=True)
    compare("closed polyline with bulges", doc, [bulge_edges(points, bulges)], [False])

    hole, hole_bulges = [(10, 5), (20, 5), (20, 15), (10, 15)], [0, 1, 0, 0]
    doc, msp = drawing("R12")
    msp.add_polyline2d(list(reversed(points)), close=True)
    for vertex, b in zip(msp.add_polyline2d(hole, close=True).vertices, hole_bulges):
        vertex.dxf.bulge = b
    msp.add_circle((45, 15), 5)
    outer = [line(points[(i + 1) % 5], points[i]) for i in range(5)]
    compare("old polyline with a bulged and a round hole", doc,
            [outer, bulge_edges(hole, hole_bulges), circle((45, 15), 5)], [False, True, True])

    doc, msp = drawing()
    msp.add_line((0, 0), (10, 0))
    handle = msp.add_spline([(0, 0), (5, 5), (10, 0)]).dxf.handle
    doc.saveas(os.path.join(WORK, "spline.dxf"))
    code, _, err = calc(os.path.join(WORK, "spline.dxf"))
    check(code == 1 and "SPLINE" in err and handle in err, "a SPLINE refused with status 1, with its handle: " + err)


# --------------------------------------------------- files veldrio writes

def chained_loops(msp, layer):
    """The LINEs and ARCs of layer joined into loops (reference edges)."""
    edges = [line(tuple(e.dxf.start)[:2], tuple(e.dxf.end)[:2]) if e.dxftype() == "LINE" else
             arc(tuple(e.dxf.center)[:2], e.dxf.radius, e.dxf.start_angle, e.dxf.end_angle)
             for e in msp.query("LINE ARC[layer==\"%s\"]" % layer)]
    ends = lambda edge: (edge_points(edge)(0)[0], edge_points(edge)(1)[0])
    loops = []
    while edges:
        loop = [edges.pop(0)]
        while math.dist(ends(loop[-1])[1], ends(loop[0])[0]) > 1e-6:
            end = ends(loop[-1])[1]
            e = edges.pop(min(range(len(edges)), key=lambda k: min(math.dist(end, p) for p in ends(edges[k]))))
            if math.dist(end, ends(e)[0]) > math.dist(end, ends(e)[1]):  # turned round
                e = line(e[2], e[1]) if e[0] == "line" else ("arc", e[1], e[2], e[3] + e[4], -e[4])
            loop.append(e)
        loops.append(loop)
    return loops


def filled_pixels(png):
    """Sum of the alpha of every pixel of a PNG, in pixels (read by ImageMagick)."""
    return float(subprocess.run(["convert", png, "-alpha", "extract", "-format", "%[fx:mean*w*h]", "info:"],
                                capture_output=True, text=True, check=True).stdout)


def export_checks(name, rows, lines, arcs, scale_args=()):
    csv, dxf, svg = (os.path.join(WORK, name + ext) for ext in (".csv", ".dxf", ".svg"))
    with open(csv, "w") as f:
        f.write("".join("%d,%s,%s\n" % row for row in rows))
    code, results, err = calc("--json", *scale_args, "--dxf", dxf, "--svg", svg, csv)
    if not check(code == 0, name + " exported (" + err + ")"):
        return
    doc = ezdxf.readfile(dxf)
    msp, auditor = doc.modelspace(), doc.audit()
    check(not auditor.has_errors, name + ": ezdxf audit without errors %s" % [str(e.message) for e in auditor.errors])
    count = lambda query: sum(len(msp.query(query % l)) for l in ("OUTLINE", "HOLES"))
    check((count("LINE[layer==\"%s\"]"), count("ARC[layer==\"%s\"]")) == (lines, arcs), name + ": lines, arcs")
    unit = "mm" if "mm" in results else "source"
    centroid = [tuple(e.dxf.location)[:2] for e in msp.query("POINT[layer==\"AXES\"]")]
    check(len(centroid) == 1 and math.dist(centroid[0], (results[unit]["xc"], -results[unit]["yc"])) < 1e-9
          and len(msp.query("LINE[layer==\"AXES\"]")) == 2, name + ": centroid (y up) and two axes on AXES")
    outer, inner = chained_loops(msp, "OUTLINE"), chained_loops(msp, "HOLES")
    loops, holes = outer + inner, [False] * len(outer) + [True] * len(inner)
    area = properties(loops, holes)["area"]
    check(near(area, results[unit]["area"], 1e-6), name + ": re-read area %.12g ~ %.12g" % (area, results[unit]["area"]))
    check(doc.header.get("$INSUNITS", 0) == (4 if unit == "mm" else 0), name + ": $INSUNITS")

    # The SVG's path alone (no overlay, no outline stroke), rendered.
    text = open(svg).read()
    check(('mm" height=' in text) == (unit == "mm"), name + ": SVG sized in millimetres when they are known")
    text = re.sub(r'<g id="overlay">.*?</g>\n', "", text, flags=re.S).replace('stroke="#', 'data-stroke="#')
    view = [float(v) for v in re.search(r'viewBox="([^"]*)"', text).group(1).split()]
    bare, png, width = os.path.join(WORK, name + "_fill.svg"), os.path.join(WORK, name + ".png"), 600
    open(bare, "w").write(text)
    subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(round(width * view[3] / view[2])), "-o", png, bare],
                   check=True)
    per_pixel = view[2] / width
    filled, edge_share = filled_pixels(png) * per_pixel ** 2, results[unit]["perimeter"] * per_pixel
    check(abs(filled - area) <= edge_share, name + ": SVG filled %.6g ~ %.6g within %.3g" % (filled, area, edge_share))

    # Read back, every result within 1e-9.
    if scale_args:
        return
    code, got, err = calc("--json", dxf)
    if check(code == 0, name + " round trip read (" + err + ")"):
        for key, value in results["source"].items():
            check(near(got["source"][key], value, 1e-9) or abs(got["source"][key] - value) < 1e-9,
                  "%s round trip %s %.15g ~ %.15g" % (name, key, got["source"][key], value))


def files_veldrio_writes():
    plate = [(1, 100, 100), (1, 400, 100), (2, 400, 250), (1, 379, 303), (1, 325, 325), (1, 200, 300),
             (1, 100, 300)]
    export_checks("plate", plate, 5, 1)
    export_checks("plate_mm", plate, 5, 1, ("--scale", "2", "--mm-per-dot", "0.1"))
    hole = [(2, 175, 200), (1, 180, 185), (2, 200, 175), (1, 215, 180), (2, 225, 200), (1, 220, 215),
            (2, 200, 225), (1, 185, 220)]  # four quarter turns, radius 25
    export_checks("plate_with_hole", plate + [(9, 0, 0)] + hole, 5, 5)


drawings_by_ezdxf()
files_veldrio_writes()
if failures:
    print("%d checks failed" % len(failures))
    sys.exit(1)
print("all checks passed")
