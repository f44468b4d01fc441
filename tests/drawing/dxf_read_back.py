#!/usr/bin/env python3
"""The drawing's DXF read back by a real DXF reader (Debian's python3-ezdxf):
its layers, what lies on each, and the dimension texts, which must say what
the check of the same design (pruzcalc --format json) says, rounded as the
sheet rounds (ГОСТ 2.307-68: one decimal for lengths, two for the wire)."""
import json
import subprocess
import sys
import tempfile

import ezdxf

pruzcalc, data, rid = sys.argv[1:4]


def sheet_number(value, decimals):
    text = f"{round(value, decimals):.{decimals}f}".rstrip("0").rstrip(".")
    return text.replace(".", ",")


report = json.loads(subprocess.run([pruzcalc, "--data", data, "--format", "json", rid],
                                   check=True, capture_output=True).stdout)
check = report["verification"]
# The sheet gives the spring of the report where it passes the check, else
# the spring to order, at the method's largest force F3 as well.
made = check["values"] if check["passed"] else dict(check["order"]["values"])
if not check["passed"]:
    made["L3"] = made["L0"] - made["F3"] / made["R"]
with tempfile.TemporaryDirectory() as folder:
    path = f"{folder}/spring.dxf"
    subprocess.run([pruzcalc, "--data", data, "--drawing", path, "--designation", "АБВГ.304111.001", rid],
                   check=True, capture_output=True)
    doc = ezdxf.readfile(path)

failures = []
layers = {layer.dxf.name for layer in doc.layers}
for name in ("OUTLINE", "DIMENSIONS", "TEXT", "FRAME"):
    if name not in layers:
        failures.append(f"layer {name} missing")

msp = doc.modelspace()
kinds = {(e.dxftype(), e.dxf.layer) for e in msp}
for kind in (("LINE", "FRAME"), ("CIRCLE", "OUTLINE"), ("ARC", "OUTLINE"), ("LINE", "OUTLINE"),
             ("SOLID", "DIMENSIONS"), ("LINE", "DIMENSIONS"), ("TEXT", "DIMENSIONS"), ("TEXT", "TEXT")):
    if kind not in kinds:
        failures.append(f"no {kind[0]} on layer {kind[1]}")
if not any(e.dxf.linetype == "CENTER" for e in msp.query("LINE[layer=='OUTLINE']")):
    failures.append("no dash-dot axis")

dims = {e.plain_text() for e in msp.query("TEXT[layer=='DIMENSIONS']")}
with_tolerance = {sheet_number(made["L0"], 1) + "±" + sheet_number(made["AL0"], 2),
                  f"F2 = {sheet_number(made['F2'], 1)}±{sheet_number(made['AF2'], 2)} Н"}
for text in sorted(with_tolerance - dims):
    failures.append(f"dimension {text!r} with its tolerance missing; the sheet has {sorted(dims)}")
dims = {d.split("±")[0] + (" Н" if "±" in d and d.endswith(" Н") else "") for d in dims}
texts = {e.plain_text() for e in msp.query("TEXT[layer=='TEXT']")}
expected_dims = {
    "Ø" + sheet_number(made["D"] + made["d"], 1),
    "Ø" + sheet_number(made["d"], 2),
    sheet_number(made["L0"], 1),
    sheet_number(made["L1"], 1),
    sheet_number(made["L2"], 1),
    sheet_number(made["L3"], 1),
    sheet_number(made["Lc"], 1) + "*",
    f"F2 = {sheet_number(made['F2'], 1)} Н",
}
for text in sorted(expected_dims - dims):
    failures.append(f"dimension {text!r} missing; the sheet has {sorted(dims)}")
for text in ("Пружина", "АБВГ.304111.001", "Разраб.", "Масштаб", sheet_number(made["mass"], 3),
             "5. *Размеры для справок"):
    if text not in texts:
        failures.append(f"text {text!r} missing")

print("\n".join(failures) or f"{len(msp)} entities on {len(layers)} layers, dimensions {sorted(dims)}")
sys.exit(1 if failures else 0)
