#pragma once
// The example design examples/wire-class2.rid as "Расчет" gives it to the
// calculation (forces in newtons), reading the catalogue in `dataDir`: the
// one spring the engine's tests and benchmarks work through by hand.

#include "engine/method/calc.h"

#include <string>

inline CalcInputs wireClass2CalcInputs(const std::string& dataDir)
{
    CalcInputs p;
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
