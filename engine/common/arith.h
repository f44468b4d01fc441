#pragma once
// Checked arithmetic for the calculation: a fault ends the calculation with
// an error instead of printing "nan" or "inf" into a report.

#include "engine/common/errors.h"

#include <cmath>

inline double checked(double v)
{
    if (!std::isfinite(v))
        throw ArithmeticError("Floating point overflow");
    return v;
}

inline double dv(double a, double b)
{
    if (b == 0)
        throw ArithmeticError("Floating point division by zero");
    return checked(a / b);
}

inline double root(double v)
{
    if (v < 0)
        throw ArithmeticError("Invalid floating point operation");
    return std::sqrt(v);
}

// Nearest integer, ties to the even one (2.5 gives 2, 3.5 gives 4).
inline double nearest(double v)
{
    double r = std::round(v);
    if (std::fabs(v - std::trunc(v)) == 0.5)
        r = 2.0 * std::round(v / 2.0);
    return checked(r);
}

// Wahl's stress correction factor.
inline double wahl(double x)
{
    return checked(dv(4 * x - 1, 4 * x - 4) + dv(0.615, x));
}
