#pragma once
// A drawing sheet (engine/features/sheetshapes.h) as a DXF file for the
// designer's CAD program: AutoCAD R12 text format (AC1009), which every DXF
// reader opens, in millimetres with y pointing up, texts in Windows-1251.
// Layers OUTLINE, DIMENSIONS, TEXT and FRAME; axes and centre lines carry
// the dash-dot line type CENTER, the rest CONTINUOUS. R12 has no line
// widths: the CAD program gives them per layer.

#include "engine/features/sheetshapes.h"

#include <string>

// The layer names, in SheetLayer's order.
const char* dxfLayerName(SheetLayer layer);

// The whole file, lines ended by CR LF.
std::string sheetDxf(const SheetShapes& sheet);
