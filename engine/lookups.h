#pragma once
// Table look-ups of the calculation. Each reads its file(s) afresh on every
// call. A file that cannot be opened is reported through the host ("no " +
// name) and gives nullopt: the calculation ends there rather than go on with
// a made-up value.

#include <optional>

class CalcHost;
struct Peremenn;

// Spring index 3.0, 3.1, ... of the line of "k3.dat" nearest to k3 (the
// first of equally near lines).
std::optional<double> FindIpoK3(Peremenn& p, CalcHost& host, double k3);

// The smallest listed diameter of the material strictly greater than d.
// When none is listed: "Нет подходящего диаметра по нормали" (once per
// calculation), calcFailed set, and d itself is returned.
std::optional<double> podbor(Peremenn& p, CalcHost& host, double d);

// Tensile strength of the material class for the tabulated diameter nearest
// to d from above (d itself included). When the table marks the material as
// not made in that diameter, or lists no diameter at or above d: message,
// the same report line, calcFailed set; the value returned is then 0.
std::optional<double> loadSigma(Peremenn& p, CalcHost& host, double d);
