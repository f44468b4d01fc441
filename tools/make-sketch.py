#!/usr/bin/env python3
"""Writes resources/sketch.svg, the drawing under the sketch window's fields.

A design-office sketch of a compression spring: the force-deflection diagram
on top, the chains of lengths and deflections, and the spring in section with
its ground ends, drawn the simplified way (a few coils at each end, the middle
coils replaced by the centre lines of the wire).

The value boxes are read from forms/widgets/sketchfields.cpp, so the drawing always
has a box exactly under each field and the field's label to the left of it.
Run from the repository root: python3 tools/make-sketch.py
"""
import math
import re

W, H = 435, 416
INK = "#1a1a1a"
THIN = 0.8
MAIN = 1.6

# Box rectangles of the fields, by object name.
src = open("forms/widgets/sketchfields.cpp", encoding="utf-8").read()
BOX = {m[0]: tuple(int(v) for v in m[1:]) for m in
       re.findall(r'"(Edit\d+)", QRect\((\d+), (\d+), (\d+), (\d+)\)', src)}
assert len(BOX) == 18, "field table not found"

# Labels printed to the left of the boxes. Edit1 and Edit18 get theirs from
# the window ("Tau3*=", "Tau2*="); the forces carry their unit to the right.
LABEL = {
    "Edit2": "Тау(доп.)=", "Edit3": "F3=", "Edit4": "F2=", "Edit5": "F1=",
    "Edit6": "D1=", "Edit7": "D=", "Edit8": "Sk=", "Edit9": "L0=",
    "Edit10": "d*=", "Edit11": "t =", "Edit12": "S2=", "Edit13": "S3=",
    "Edit14": "L2=", "Edit15": "L3=", "Edit16": "L1=", "Edit17": "S1=",
}
UNIT = {"Edit3": "Н", "Edit4": "Н", "Edit5": "Н"}

out = []


def left(name): return BOX[name][0]
def right(name): return BOX[name][0] + BOX[name][2]
def top(name): return BOX[name][1]
def bottom(name): return BOX[name][1] + BOX[name][3]


def line(x1, y1, x2, y2, width=THIN, dash=None):
    extra = f' stroke-dasharray="{dash}"' if dash else ""
    out.append(f'<line x1="{x1:g}" y1="{y1:g}" x2="{x2:g}" y2="{y2:g}" '
               f'stroke-width="{width}"{extra}/>')


def arrow(x, y, dx, dy, size=8):
    """A filled drafting arrow whose tip is at (x, y), pointing along (dx, dy)."""
    bx, by = x - dx * size, y - dy * size
    px, py = -dy * 1.8, dx * 1.8
    out.append(f'<path d="M{x:g},{y:g} L{bx + px:g},{by + py:g} L{bx - px:g},{by - py:g} Z" '
               f'fill="{INK}" stroke="none"/>')


def hdim(x1, x2, y, inside=True):
    """Horizontal dimension line with arrows at x1 and x2."""
    line(x1, y, x2, y)
    if inside:
        arrow(x1, y, -1, 0)
        arrow(x2, y, 1, 0)
    else:
        line(x1 - 9, y, x1, y)
        line(x2, y, x2 + 9, y)
        arrow(x1, y, 1, 0)
        arrow(x2, y, -1, 0)


def vdim(x, y1, y2):
    line(x, y1, x, y2)
    arrow(x, y1, 0, -1)
    arrow(x, y2, 0, 1)


def text(x, y, s, anchor="end", ident=None):
    idattr = f' id="{ident}"' if ident else ""
    out.append(f'<text{idattr} x="{x:g}" y="{y:g}" text-anchor="{anchor}">{s}</text>')


def field_box(name):
    x, y, w, h = BOX[name]
    out.append(f'<rect id="box-{name}" x="{x}" y="{y}" width="{w - 1}" height="{h - 1}" '
               f'fill="white" stroke-width="{THIN}"/>')
    baseline = y + h / 2 + 4
    if name in LABEL:
        text(x - 2, baseline, LABEL[name], ident=f"label-{name}")
    if name in UNIT:
        text(x + w + 3, baseline, UNIT[name], anchor="start", ident=f"unit-{name}")


# The spring, free: ground end faces at X0 and XE, outer diameter from TOP to
# BOT, wire of R pixels radius. Lengths under load end at XL3, XL2, XL1.
X0 = 20
TOP, BOT = 262, 362
R = 7
YT, YB = TOP + R, BOT - R
AXIS = (TOP + BOT) / 2
SK = 5                     # the ground end's thickness, drawn larger than to scale
PITCH = 30

# Force-deflection diagram over the same horizontal scale as the spring: a
# force line stands where the spring's end is under that force, and ends on
# the shelf under its value. The lines of F3 and F2 are placed between their
# neighbours' boxes; the straight characteristic through their tops fixes the
# free length (zero force) and the place of F1.
BASE = 116
shelf = {n: bottom(n) + 1 for n in ("Edit3", "Edit4", "Edit5")}
XL3 = right("Edit2") + 5
XL2 = left("Edit12") - 26
h3, h2, h1 = (BASE - shelf[n] for n in ("Edit3", "Edit4", "Edit5"))
SLOPE = (h3 - h2) / (XL2 - XL3)
XE = round(XL3 + h3 / SLOPE)
XL1 = round(XE - h1 / SLOPE)


def diagram():
    line(XL3 - 14, BASE, XE + 14, BASE)
    line(XE, BASE, XL3, shelf["Edit3"], MAIN)
    for name, x in (("Edit3", XL3), ("Edit4", XL2), ("Edit5", XL1)):
        y = shelf[name]
        line(x, BASE, x, y)
        end = right(name) + (12 if name in UNIT else 2)
        line(min(x, left(name) - 22), y, end, y)
        out.append(f'<circle cx="{x:g}" cy="{y:g}" r="1.8" fill="{INK}" stroke="none"/>')


def chains():
    rows = (("Edit15", XL3, "Edit13"), ("Edit14", XL2, "Edit12"), ("Edit16", XL1, "Edit17"))
    for lname, x, sname in rows:
        y = bottom(lname) + 1
        hdim(X0, x, y)
        hdim(x, XE, y)
        line(x, BASE, x, y + 3)            # extension line from the diagram
        if left(sname) > XE:               # value outside: the line runs on under it
            line(XE, y, right(sname) + 2, y)
    y0 = bottom("Edit9") + 1
    hdim(X0, XE, y0)
    line(X0, bottom("Edit15") - 2, X0, TOP - 2)
    line(XE, BASE, XE, TOP - 2)


def cut_circle(cx, cy):
    """A wire section, cut flat where it crosses an end face."""
    if X0 <= cx - R and cx + R <= XE:
        out.append(f'<circle cx="{cx:g}" cy="{cy:g}" r="{R}" class="wire"/>')
        return
    # from the upper crossing round the kept side to the lower one
    at_left = cx - R < X0
    xf = X0 if at_left else XE
    h = math.sqrt(max(R * R - (xf - cx) ** 2, 0))
    sweep = 1 if at_left else 0
    large = 1 if (cx > xf) == at_left else 0
    out.append(f'<path class="wire" d="M{xf:g},{cy - h:g} A{R},{R} 0 {large},{sweep} {xf:g},{cy + h:g} Z"/>')


def band(x1, x2):
    """The back half of a coil, from the upper section at x1 to the lower at x2."""
    dx, dy = x2 - x1, YB - YT
    n = math.hypot(dx, dy)
    ox, oy = dy / n * R, -dx / n * R
    for s in (1, -1):
        ax, ay = x1 + s * ox, YT + s * oy
        bx, by = x2 + s * ox, YB + s * oy
        # keep the outline between the end faces
        t0, t1 = 0.0, 1.0
        if bx != ax:
            ta, tb = (X0 - ax) / (bx - ax), (XE - ax) / (bx - ax)
            t0, t1 = max(t0, min(ta, tb)), min(t1, max(ta, tb))
        if t0 >= t1:
            continue
        ax, ay, bx, by = ax + dx * t0, ay + dy * t0, ax + dx * t1, ay + dy * t1
        line(ax, ay, bx, by, MAIN)


def spring():
    # Wire centres along the axis, turn by turn (upper sections at whole
    # turns, lower at half turns): a closed dead turn at each end, then the
    # working pitch. Three and a half turns at each end are drawn.
    def u(theta):
        return X0 + SK - R + (2 * R * theta if theta <= 1 else 2 * R + PITCH * (theta - 1))
    turns = [k / 2 for k in range(0, 8)]
    leftx = {th: u(th) for th in turns}
    rightx = {th: X0 + XE - leftx[th] for th in turns}  # mirrored, upper/lower swapped
    for th in turns:
        upper = th == int(th)
        cut_circle(leftx[th], YT if upper else YB)
        cut_circle(rightx[th], YB if upper else YT)
    for k in range(0, 4):
        band(leftx[k], leftx[k + 0.5])
        band(rightx[k + 0.5], rightx[k])
    # end faces
    line(X0, TOP, X0, BOT, MAIN)
    line(XE, TOP, XE, BOT, MAIN)
    # axis and the centre lines of the wire
    line(X0 - 10, AXIS, XE + 14, AXIS, THIN, "12 3 2 3")
    for y in (YT, YB):
        line(X0 - 6, y, XE + 90, y, THIN, "12 3 2 3")
    return leftx, rightx


def spring_dimensions(leftx, rightx):
    # pitch between two working turns at the left
    x1, x2 = leftx[2], leftx[3]
    y = bottom("Edit11") + 5
    line(x1, TOP - 2, x1, y - 3)
    line(x2, TOP - 2, x2, y - 3)
    hdim(x1, x2, y)
    line(x2, y, right("Edit11") + 2, y)
    # outer diameter, on a shelf above the spring
    xd1 = right("Edit6") - 7
    line(XE + 2, TOP, xd1 + 3, TOP)
    line(XE + 2, BOT, xd1 + 3, BOT)
    vdim(xd1, TOP, BOT)
    line(xd1, TOP, xd1, bottom("Edit6") + 1)
    line(left("Edit6") - 22, bottom("Edit6") + 1, right("Edit6") + 1, bottom("Edit6") + 1)
    # mean diameter between the centre lines
    xd = right("Edit7") + 9
    vdim(xd, YT, YB)
    line(left("Edit7") - 22, bottom("Edit7") + 1, xd, bottom("Edit7") + 1)
    # wire diameter on a lower section near the right end
    cx = rightx[1]
    ys = bottom("Edit10") + 1
    line(cx - R, YB + R + 2, cx - R, ys + 3)
    line(cx + R, YB + R + 2, cx + R, ys + 3)
    hdim(cx - R, cx + R, ys, inside=False)
    line(left("Edit10") - 22, ys, cx - R, ys)
    # thickness of the ground end
    ysk = bottom("Edit8") + 1
    line(XE - SK, ysk - 3, XE - SK, YB - 2)
    hdim(XE - SK, XE, ysk, inside=False)
    line(XE, ysk, right("Edit8") + 1, ysk)


def main():
    diagram()
    chains()
    leftx, rightx = spring()
    spring_dimensions(leftx, rightx)
    for name in sorted(BOX, key=lambda n: int(n[4:])):
        field_box(name)
    head = (f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{W}" height="{H}" viewBox="0 0 {W} {H}">\n'
            '<title>Эскиз пружины сжатия</title>\n'
            f'<rect width="{W}" height="{H}" fill="white"/>\n'
            # thin lines on whole pixels fall on pixel centres: crisp on screen
            f'<g transform="translate(0.5,0.5)" stroke="{INK}" fill="none" stroke-linecap="round" font-family="Liberation Sans" '
            f'font-style="italic" font-size="11.5" fill-rule="nonzero">\n')
    body = "\n".join(out).replace('class="wire"', f'fill="{INK}" stroke="none"')
    body = body.replace("<text", f'<text fill="{INK}" stroke="none"')
    with open("resources/sketch.svg", "w", encoding="utf-8") as f:
        f.write(head + body + "\n</g>\n</svg>\n")


main()
