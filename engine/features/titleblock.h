#pragma once
// The frame of a drawing sheet and its main title block, form 1 of
// ГОСТ 2.104-2006 (185 × 55 mm, in the bottom right corner of the frame),
// with graph 26 (the designation turned by 180°, 70 × 14 mm, in the top left
// corner). Column widths 7, 10, 23, 15, 10, 70, 50 and eleven rows of 5 mm
// as the standard's form 1 gives them (public text of ГОСТ 2.104-2006:
// gist.github.com/f2b3706e6455cf3ef02d3dd8abed2450, "Основные надписи").

#include "engine/features/sheetshapes.h"

#include <string>
#include <vector>

enum class SheetFormat { A4, A3 };

// A4 portrait, 210 × 297 mm; A3 landscape, 420 × 297 mm (ГОСТ 2.301-68).
Pt sheetSize(SheetFormat format);

// ГОСТ 2.301-68 / 2.104: the frame 20 mm from the left edge and 5 mm from
// the others.
inline constexpr double kFrameLeft = 20;
inline constexpr double kFrameMargin = 5;
inline constexpr double kTitleWidth = 185;
inline constexpr double kTitleHeight = 55;

struct Rect {
    double x = 0, y = 0, w = 0, h = 0;
};

// What the title block says; an empty field stays an empty cell.
struct TitleFields {
    std::string designation; // graphs 2 and 26
    std::string name = "Пружина"; // graph 1
    std::string material; // graph 3
    std::string mass; // graph 5, kg without its unit
    std::string scale; // graph 6
    std::string designer, checker, techControl, normControl, approver; // graph 11
    std::string company; // graph 9
};

// One cell of the block: its graph number (0 for a caption cell), where it
// lies on the sheet, and its text.
struct TitleCell {
    int graph = 0;
    Rect r;
    std::string text;
    double height = 2.5; // font size of its text
};

// The cells of form 1 with the block's top left corner at `origin`.
std::vector<TitleCell> titleBlockCells(Pt origin, const TitleFields& fields);

// The frame, the block and graph 26 drawn onto `sheet`; the block's
// top left corner.
Pt drawFrame(SheetShapes& sheet, const TitleFields& fields);
