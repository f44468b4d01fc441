#!/usr/bin/env python3
"""Writes the shipped data directory: the material catalogue and the tables.

Every file is Windows-1251 text with CR LF line ends. Run from the
repository root: python3 tools/make-data.py [DIR] (default: data).
See data/README.md for where the figures come from.
"""
import math
import os
import sys

out = sys.argv[1] if len(sys.argv) > 1 else "data"


def write(name, lines):
    with open(os.path.join(out, name), "wb") as f:
        for line in lines:
            f.write(str(line).encode("cp1251") + b"\r\n")


def comma(x):
    return str(x).replace(".", ",")


CARBON = "0.2 0.22 0.25 0.28 0.3 0.32 0.36 0.4 0.45 0.5 0.56 0.6 0.63 0.7 0.8 0.9 1 1.1 1.2 1.3 1.4 1.5 1.6 1.7 1.8 1.9 2 2.1 2.2 2.3 2.5 2.8 3 3.2 3.5 3.6 4 4.2 4.5 5 5.6 6 6.3 7 8"
STEEL = "0.5 0.6 0.7 0.8 0.9 1 1.2 1.4 1.6 1.8 2 2.2 2.5 2.8 3 3.2 3.5 4 4.5 5 5.5 6 6.3 7 8 9 10 11 12"
STAINLESS = "0.2 0.25 0.3 0.35 0.4 0.45 0.5 0.55 0.6 0.65 0.7 0.75 0.8 0.85 0.9 1 1.1 1.2 1.3 1.4 1.5 1.6 1.8 2 2.2 2.5 2.8 3 3.5 4 4.5 5 5.5 6 6.5 7 7.5 8"
ALLOY = "0.2 0.3 0.4 0.5 0.6 0.8 1 1.2 1.4 1.6 1.8 2 2.5 3 3.5 4 4.5 5 6"

# name, class code, density g/cm3, E x10^4 MPa, G x10^3 MPa, stocked diameters
MATERIALS = [
    ("Проволока I класса", 0, "7.85", "20.5", "78.5", CARBON),
    ("Проволока II класса", 1, "7.85", "20.5", "78.5", CARBON),
    ("60С2А", 2, "7.68", "21.2", "78.5", STEEL),
    ("50ХФА", 3, "7.8", "21.8", "78.5", STEEL),
    ("51ХФА", 3, "7.8", "21.8", "81.4", STEEL),
    ("40Х13", 4, "7.65", "21.8", "75.8", STEEL),
    ("12Х18Н10Т", 5, "7.92", "19.8", "68.6", STAINLESS),
    ("ХН77ТЮР", 6, "8.2", "19.6", "75.4", ALLOY),
    ("БрКМц3-1", 7, "8.47", "11.5", "40", ALLOY),
    ("БрОЦ4-3", 8, "8.8", "12.2", "41.5", ALLOY),
    ("БрБ2", 9, "8.2", "13.1", "50", ALLOY),
]

# A material's own tensile strength, MPa, read by the check of the made
# spring only: the minimum after the standard heat treatment, ГОСТ 14959-79
# table 5 (60С2А 160 kgf/mm², 50ХФА 130 kgf/mm²).
OWN_STRENGTH = {"60С2А": 1570, "50ХФА": 1270}

# Allowable torsion stress, MPa, groups I..IV; -1: not used in that group.
TAU1 = [(0, [735, 1470, 1225, -1]), (1, [618, 1236, 1030, 1236]),
        (5, [380, 570, 665, 760]), (6, [279, 558, 651, -1]),
        (7, [228, 456, 380, -1]), (8, [152, 380, 304, -1]),
        (9, [220, 441, 368, -1])]
TAU2 = [(2, [471, 942, 785, 942]), (3, [381, 762, 635, 762]),
        (4, [477, 954, 795, 954])]

SIGMDIAM = "0.2 0.25 0.3 0.4 0.5 0.6 0.7 0.8 0.9 1 1.2 1.4 1.6 1.8 2 2.5 3 3.5 4 5 6 8"
SIGMAB = [
    "3180 3070 2980 2840 2740 2660 2600 2540 2490 2450 2350 2260 2160 2060 2010 1810 1720 1670 1620 1510 1430 1300",
    "2680 2580 2510 2390 2310 2240 2180 2140 2100 2060 1960 1960 1860 1770 1770 1620 1620 1520 1480 1410 1350 1260",
    "2240 2210 2180 2120 2070 2010 1990 1940 1930 1900 1840 1800 1780 1720 1700 1640 1590 1550 1520 1460 1420 1360",
    " ".join(["930"] * 21 + ["-1"]),
    " ".join(["760"] * 21 + ["-1"]),
    " ".join(["735"] * 21 + ["-1"]),
]


def k3_line(k):
    i = 3.0 + 0.1 * (k - 1)
    k1 = (4 * i - 1) / (4 * i - 4) + 0.615 / i
    k3 = (i + 1) * math.sqrt(2.55 * i * k1)
    return comma("%.2f" % k3)


def main():
    os.makedirs(out, exist_ok=True)
    write("material.dat", [m[0] for m in MATERIALS])
    for name, code, ro, e, g, diameters in MATERIALS:
        write(name + ".dat", [comma(d) for d in diameters.split()])
        write(name + "mat.dat", [comma(ro), comma(e), comma(g), code])
    for name, strength in OWN_STRENGTH.items():
        write(name + "rm.dat", [strength])
    write("k3.dat", [k3_line(k) for k in range(1, 72)])
    for fname, blocks in (("tau1.dat", TAU1), ("tau2.dat", TAU2)):
        write(fname, [x for code, vals in blocks for x in [code] + vals])
    write("sigmdiam.dat", [comma(d) for d in SIGMDIAM.split()])
    write("sigmab.dat", [v for block in SIGMAB for v in block.split()])


main()
