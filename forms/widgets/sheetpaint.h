#pragma once
// Painting a drawing sheet (engine/features/sheetshapes.h) with QPainter: the
// one drawing function for the window, the printed page, the PDF and the
// SVG. The painter's units are millimetres of the sheet (the caller scales
// it); lines keep the widths and dash patterns of ГОСТ 2.303-68, texts the
// font of ГОСТ 2.304-81 as osifont draws it (Debian's fonts-osifont, a free
// face made after type B).

class QPainter;
struct SheetShapes;

// The family the sheet's texts are set in.
inline constexpr const char* kSheetFont = "osifont";

// The white sheet and everything on it.
void paintSheet(QPainter& painter, const SheetShapes& sheet);
