#pragma once
// The pieces a drawing sheet is made of, in millimetres from the sheet's
// top left corner, y pointing down: the one geometry that the painter
// (screen, print, PDF, SVG) and the DXF writer both draw.

#include <string>
#include <vector>

struct Pt {
    double x = 0, y = 0;
};

// The DXF layers; the painter draws them all alike.
enum class SheetLayer { Outline, Dimensions, Text, Frame };

// Line types of ГОСТ 2.303-68 table 1 (text: dokipedia.ru/print/5149911):
// 1 solid thick main (visible outline, frame), 2 solid thin (dimension,
// extension and hatch lines), 5 dash-dot thin (axes and centre lines).
enum class LineKind { Thick, Thin, DashDot };

// ГОСТ 2.303-68 п. 5: the main line's thickness s lies between 0,5 and
// 1,4 mm; thin lines are s/3 to s/2.
inline constexpr double kThickLine = 0.7;
inline constexpr double kThinLine = 0.3;

struct Segment {
    Pt a, b;
    SheetLayer layer;
    LineKind kind;
};

// A circle or an arc (angles in degrees, counter-clockwise as seen on the
// sheet, 0 pointing right).
struct Arc {
    Pt c;
    double r = 0;
    double start = 0, sweep = 360;
    SheetLayer layer = SheetLayer::Outline;
    LineKind kind = LineKind::Thick;
};

// A filled triangle: the arrowheads of dimension lines.
struct Solid {
    Pt p[3];
    SheetLayer layer = SheetLayer::Dimensions;
};

enum class TextAnchor { Left, Centre, Right };

// One line of text; `at` is the anchor on its baseline, `height` the font
// size h of ГОСТ 2.304-81 (the height of capitals, mm), `angle` in degrees
// counter-clockwise.
struct Label {
    Pt at;
    double height = 3.5;
    std::string text;
    TextAnchor anchor = TextAnchor::Left;
    double angle = 0;
    SheetLayer layer = SheetLayer::Text;
};

struct SheetShapes {
    double width = 0, height = 0; // the sheet's format, mm
    std::vector<Segment> segments;
    std::vector<Arc> arcs;
    std::vector<Solid> solids;
    std::vector<Label> labels;

    void line(Pt a, Pt b, SheetLayer layer, LineKind kind) { segments.push_back({ a, b, layer, kind }); }
    void text(Pt at, double height, std::string text, TextAnchor anchor = TextAnchor::Left, double angle = 0,
        SheetLayer layer = SheetLayer::Text)
    {
        labels.push_back({ at, height, std::move(text), anchor, angle, layer });
    }
};
