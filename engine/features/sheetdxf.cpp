#include "engine/features/sheetdxf.h"

#include "engine/common/encoding.h"

#include <charconv>
#include <cmath>

namespace {

class DxfOut {
public:
    void pair(int code, const std::string& value)
    {
        text_ += std::to_string(code);
        text_ += "\r\n";
        text_ += value;
        text_ += "\r\n";
    }
    void pair(int code, double value)
    {
        char buf[32];
        const auto end = std::to_chars(
            buf, buf + sizeof buf, std::abs(value) < 1e-9 ? 0.0 : value, std::chars_format::fixed, 4);
        pair(code, std::string(buf, end.ptr));
    }
    void pair(int code, int value) { pair(code, std::to_string(value)); }
    void point(int code, Pt p, double height)
    {
        pair(code, p.x);
        pair(code + 10, height - p.y);
        pair(code + 20, 0.0);
    }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

// DXF's control codes for the two signs a Windows-1251 font lacks:
// %%c the diameter, %%p plus-minus.
std::string dxfText(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        if (text.compare(i, 3, "⌀") == 0) {
            out += "%%c";
            i += 3;
        } else if (text.compare(i, 2, "±") == 0) {
            out += "%%p";
            i += 2;
        } else
            out += text[i++];
    }
    return utf8ToCp1251(out);
}

const char* lineType(LineKind kind)
{
    return kind == LineKind::DashDot ? "CENTER" : "CONTINUOUS";
}

void tables(DxfOut& o)
{
    o.pair(0, "SECTION");
    o.pair(2, "TABLES");
    o.pair(0, "TABLE");
    o.pair(2, "LTYPE");
    o.pair(70, 2);
    o.pair(0, "LTYPE");
    o.pair(2, "CONTINUOUS");
    o.pair(70, 0);
    o.pair(3, "Solid line");
    o.pair(72, 65);
    o.pair(73, 0);
    o.pair(40, 0.0);
    // ГОСТ 2.303-68: dashes of 5 to 30 mm, gaps of 3 to 5 mm.
    o.pair(0, "LTYPE");
    o.pair(2, "CENTER");
    o.pair(70, 0);
    o.pair(3, "Dash dot ____ . ____ .");
    o.pair(72, 65);
    o.pair(73, 4);
    o.pair(40, 18.0);
    for (double part : { 12.0, -3.0, 0.0, -3.0 })
        o.pair(49, part);
    o.pair(0, "ENDTAB");
    o.pair(0, "TABLE");
    o.pair(2, "LAYER");
    o.pair(70, 4);
    const int colours[] = { 7, 3, 2, 7 };
    for (int i = 0; i < 4; ++i) {
        o.pair(0, "LAYER");
        o.pair(2, dxfLayerName(SheetLayer(i)));
        o.pair(70, 0);
        o.pair(62, colours[i]);
        o.pair(6, "CONTINUOUS");
    }
    o.pair(0, "ENDTAB");
    o.pair(0, "TABLE");
    o.pair(2, "STYLE");
    o.pair(70, 1);
    o.pair(0, "STYLE");
    o.pair(2, "STANDARD");
    o.pair(70, 0);
    o.pair(40, 0.0);
    o.pair(41, 1.0);
    o.pair(50, 0.0);
    o.pair(71, 0);
    o.pair(42, 3.5);
    o.pair(3, "osifont.ttf");
    o.pair(4, "");
    o.pair(0, "ENDTAB");
    o.pair(0, "ENDSEC");
}

} // namespace

const char* dxfLayerName(SheetLayer layer)
{
    switch (layer) {
    case SheetLayer::Outline:
        return "OUTLINE";
    case SheetLayer::Dimensions:
        return "DIMENSIONS";
    case SheetLayer::Text:
        return "TEXT";
    case SheetLayer::Frame:
        break;
    }
    return "FRAME";
}

std::string sheetDxf(const SheetShapes& sheet)
{
    const double h = sheet.height;
    DxfOut o;
    o.pair(0, "SECTION");
    o.pair(2, "HEADER");
    o.pair(9, "$ACADVER");
    o.pair(1, "AC1009");
    o.pair(9, "$DWGCODEPAGE");
    o.pair(3, "ANSI_1251");
    o.pair(9, "$EXTMIN");
    o.point(10, { 0, h }, h);
    o.pair(9, "$EXTMAX");
    o.point(10, { sheet.width, 0 }, h);
    o.pair(0, "ENDSEC");
    tables(o);
    o.pair(0, "SECTION");
    o.pair(2, "ENTITIES");
    for (const Segment& s : sheet.segments) {
        o.pair(0, "LINE");
        o.pair(8, dxfLayerName(s.layer));
        o.pair(6, lineType(s.kind));
        o.point(10, s.a, h);
        o.point(11, s.b, h);
    }
    for (const Arc& a : sheet.arcs) {
        const bool whole = a.sweep >= 360;
        o.pair(0, whole ? "CIRCLE" : "ARC");
        o.pair(8, dxfLayerName(a.layer));
        o.pair(6, lineType(a.kind));
        o.point(10, a.c, h);
        o.pair(40, a.r);
        if (!whole) {
            o.pair(50, a.start);
            o.pair(51, a.start + a.sweep);
        }
    }
    for (const Solid& s : sheet.solids) {
        o.pair(0, "SOLID");
        o.pair(8, dxfLayerName(s.layer));
        for (int i = 0; i < 4; ++i)
            o.point(10 + i, s.p[std::min(i, 2)], h);
    }
    for (const Label& l : sheet.labels) {
        o.pair(0, "TEXT");
        o.pair(8, dxfLayerName(l.layer));
        o.point(10, l.at, h);
        o.pair(40, l.height);
        o.pair(1, dxfText(l.text));
        if (l.angle != 0)
            o.pair(50, l.angle);
        o.pair(7, "STANDARD");
        if (l.anchor != TextAnchor::Left) {
            o.pair(72, l.anchor == TextAnchor::Centre ? 1 : 2);
            o.point(11, l.at, h);
        }
    }
    o.pair(0, "ENDSEC");
    o.pair(0, "EOF");
    return o.take();
}
