#pragma once
// The example design examples/wire-class2.rid as "Расчет" leaves it in the
// shared record (forces in newtons), reading the catalogue in `dataDir`:
// the one spring the engine's tests and benchmarks work through by hand.

#include "engine/peremenn.h"

#include <string>

inline Peremenn wireClass2Inputs(const std::string& dataDir)
{
    Peremenn p;
    p.dataDir = dataDir;
    p.materialName = "Проволока II класса";
    p.F1 = 100;
    p.F2 = 300;
    p.D1 = 20;
    p.H = 15;
    p.Vmax = 2;
    p.group = 1;
    p.mode = 1;
    return p;
}
