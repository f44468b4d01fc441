#pragma once
// The inputs of one calculation, as "Расчет" reads them from the form (or
// a design from its input data file), with the answer to the diameter
// question when it is known beforehand. Handed to the calculation as a
// value and never changed by it; the result keeps a copy.
//
// Texts are held as UTF-8; files store them in Windows-1251.

#include <optional>
#include <string>

struct CalcInputs {
    std::string materialName; // material chosen in the main window
    std::string dataDir; // data directory, ends with "/"
    double F1 = 0; // N, force at preliminary deflection
    double F2 = 0; // N, force at working deflection
    double D1 = 0; // mm, outer diameter
    double H = 0; // mm, working stroke (mode 1)
    double Vmax = 0; // m/s, largest compression speed
    double L0 = 0; // mm, free length given by the user
    double n = 0; // active coils given by the user
    int group = 0; // spring group 1..4
    int winding = 0; // 1 left, 2 right
    int Ni = 0; // endurance mantissa
    int NiExp = 0; // endurance power of ten
    int mode = 1; // 1 working stroke given, 2 free length and coils
    // The wire diameter that answers the diameter question, as if picked in
    // the dialog; none: the question goes to the host.
    std::optional<double> chosenD;
    // The question is put whatever k3 is (a stocked wire tried out instead
    // of the calculation's own); with chosenD it is answered at once.
    bool askAlways = false;
};
