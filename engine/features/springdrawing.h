#pragma once
// The working drawing of a compression spring (engine/features/drawingspring.h)
// on one sheet, as ГОСТ 2.401-68 asks for springs: the spring in section
// with its axis across the sheet, right-hand as the standard draws it,
// only a few coils at each end when it has more than four and the axes
// through the centres of the rest; the test diagram above it (forces F1,
// F2, F3 against the lengths L1, L2, L3, the free length L0 at zero force);
// the dimensions of ГОСТ 2.307-68; the numbered technical requirements
// above the title block of ГОСТ 2.104 (engine/features/titleblock.h).
// Plain geometry: the painter and the DXF writer only draw it.

#include "engine/features/drawingspring.h"
#include "engine/features/titleblock.h"

#include <optional>
#include <string>
#include <vector>

// What the sheet asks of the designer beyond the spring itself.
struct SheetRequest {
    SheetFormat format = SheetFormat::A4;
    TitleFields title; // the scale and mass are filled in from the spring
    std::string extraRequirement; // the free line of the requirements; empty: none
};

// What one dimension on the sheet says: which quantity, its value as the
// sheet rounds it, and its text.
struct DimensionMark {
    std::string name; // "D1", "Dвн", "d", "L0", "Lc", "L1", ...
    double value = 0;
    std::string text;
};

// One point of the test diagram: length and force of the spring there, and
// where it lies on the sheet.
struct DiagramPoint {
    std::string name; // "F1", "F2", "F3"
    double length = 0, force = 0;
    Pt at;
};

struct SpringSheet {
    SheetShapes shapes;
    double scale = 1; // sheet mm per spring mm
    std::string scaleText; // "1:2", "2:1"
    int sectionsDrawn = 0; // wire sections cut by the plane of the view
    int coilLines = 0; // coil lines between them
    bool coilsOmitted = false; // the middle coils are shown by their axes only
    std::vector<DimensionMark> dimensions;
    std::vector<DiagramPoint> diagram;
    std::vector<std::string> requirements; // numbered, as the sheet shows them
    std::vector<TitleCell> title;
};

SpringSheet springSheet(const DrawingSpring& spring, const SheetRequest& request);

// A number as the sheet gives it: rounded to `decimals` places, with the
// decimal comma and without trailing zeros.
std::string sheetNumber(double v, int decimals);
