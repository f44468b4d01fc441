#pragma once
// Table look-ups of the calculation. Each reads its file(s) afresh on every
// call, through the calculation's data files. A file that cannot be opened
// is reported ("no " + name) and gives nullopt: the calculation ends there
// rather than go on with a made-up value. When tracing, each records the
// file, the line it used, that line's text and why that line; `result`
// names the record's field the caller puts the value in.

#include "engine/method/calcvalues.h"

#include <optional>

class CalcContext;

// Spring index 3.0, 3.1, ... of the line of "k3.dat" nearest to k3 (the
// first of equally near lines).
std::optional<double> FindIpoK3(CalcContext& c, double k3, double CalcValues::*result = nullptr);

// The smallest listed diameter of the material strictly greater than d.
// When none is listed: "Нет подходящего диаметра по нормали" (once per
// calculation), the calculation stopped, and d itself is returned. `result` is also
// the field d was worked out in.
std::optional<double> podbor(CalcContext& c, double d, double CalcValues::*result = nullptr);

// Tensile strength of the material class for the tabulated diameter nearest
// to d from above (d itself included). When the table marks the material as
// not made in that diameter, or lists no diameter at or above d: message,
// the same report line, the calculation stopped; the value returned is then 0.
std::optional<double> loadSigma(CalcContext& c, double d);
