#include "engine/features/titleblock.h"

namespace {

struct Rule {
    double x1, y1, x2, y2;
    LineKind kind;
};

// Form 1's lines, block coordinates (x right, y down from its top left):
// the graphs' borders thick, the rows of the changes and signatures thin.
const Rule kRules[] = {
    { 0, 0, 185, 0, LineKind::Thick },
    { 0, 55, 185, 55, LineKind::Thick },
    { 0, 0, 0, 55, LineKind::Thick },
    { 185, 0, 185, 55, LineKind::Thick },
    // The left part: changes (rows 1 to 4), their captions (row 5) and the
    // signatures (rows 6 to 11).
    { 7, 0, 7, 25, LineKind::Thick },
    { 17, 0, 17, 55, LineKind::Thick },
    { 40, 0, 40, 55, LineKind::Thick },
    { 55, 0, 55, 55, LineKind::Thick },
    { 65, 0, 65, 55, LineKind::Thick },
    { 0, 5, 65, 5, LineKind::Thin },
    { 0, 10, 65, 10, LineKind::Thin },
    { 0, 15, 65, 15, LineKind::Thin },
    { 0, 20, 65, 20, LineKind::Thick },
    { 0, 25, 65, 25, LineKind::Thick },
    { 0, 30, 65, 30, LineKind::Thin },
    { 0, 35, 65, 35, LineKind::Thin },
    { 0, 40, 65, 40, LineKind::Thin },
    { 0, 45, 65, 45, LineKind::Thin },
    { 0, 50, 65, 50, LineKind::Thin },
    // Graphs 2, 1 and 3 and the right column.
    { 65, 15, 185, 15, LineKind::Thick },
    { 65, 40, 185, 40, LineKind::Thick },
    { 135, 15, 135, 55, LineKind::Thick },
    { 135, 20, 185, 20, LineKind::Thick },
    { 135, 35, 185, 35, LineKind::Thick },
    { 140, 20, 140, 35, LineKind::Thin },
    { 145, 20, 145, 35, LineKind::Thin },
    { 150, 15, 150, 35, LineKind::Thick },
    { 167, 15, 167, 35, LineKind::Thick },
    { 155, 35, 155, 40, LineKind::Thick },
};

TitleCell cell(Pt o, int graph, double x, double y, double w, double h, std::string text, double height = 2.5)
{
    return { graph, { o.x + x, o.y + y, w, h }, std::move(text), height };
}

} // namespace

Pt sheetSize(SheetFormat format)
{
    return format == SheetFormat::A3 ? Pt { 420, 297 } : Pt { 210, 297 };
}

std::vector<TitleCell> titleBlockCells(Pt o, const TitleFields& f)
{
    std::vector<TitleCell> cells = {
        cell(o, 0, 0, 20, 7, 5, "Изм."),
        cell(o, 0, 7, 20, 10, 5, "Лист"),
        cell(o, 0, 17, 20, 23, 5, "№ докум."),
        cell(o, 0, 40, 20, 15, 5, "Подп."),
        cell(o, 0, 55, 20, 10, 5, "Дата"),
        cell(o, 2, 65, 0, 120, 15, f.designation, 7),
        cell(o, 1, 65, 15, 70, 25, f.name, 7),
        cell(o, 3, 65, 40, 70, 15, f.material, 3.5),
        cell(o, 0, 135, 15, 15, 5, "Лит."),
        cell(o, 0, 150, 15, 17, 5, "Масса"),
        cell(o, 0, 167, 15, 18, 5, "Масштаб"),
        cell(o, 4, 135, 20, 5, 15, ""),
        cell(o, 4, 140, 20, 5, 15, ""),
        cell(o, 4, 145, 20, 5, 15, ""),
        cell(o, 5, 150, 20, 17, 15, f.mass, 3.5),
        cell(o, 6, 167, 20, 18, 15, f.scale, 3.5),
        cell(o, 7, 135, 35, 20, 5, "Лист"),
        cell(o, 8, 155, 35, 30, 5, "Листов 1"),
        cell(o, 9, 135, 40, 50, 15, f.company, 3.5),
    };
    const char* roles[] = { "Разраб.", "Пров.", "Т.контр.", "", "Н.контр.", "Утв." };
    const std::string* names[]
        = { &f.designer, &f.checker, &f.techControl, nullptr, &f.normControl, &f.approver };
    for (int row = 0; row < 6; ++row) {
        const double y = 25 + 5 * row;
        cells.push_back(cell(o, 10, 0, y, 17, 5, roles[row]));
        cells.push_back(cell(o, 11, 17, y, 23, 5, names[row] ? *names[row] : std::string()));
        cells.push_back(cell(o, 12, 40, y, 15, 5, ""));
        cells.push_back(cell(o, 13, 55, y, 10, 5, ""));
    }
    return cells;
}

Pt drawFrame(SheetShapes& sheet, const TitleFields& fields)
{
    const double right = sheet.width - kFrameMargin;
    const double bottom = sheet.height - kFrameMargin;
    const Pt corners[] = { { kFrameLeft, kFrameMargin }, { right, kFrameMargin }, { right, bottom },
        { kFrameLeft, bottom } };
    for (int i = 0; i < 4; ++i)
        sheet.line(corners[i], corners[(i + 1) % 4], SheetLayer::Frame, LineKind::Thick);

    const Pt o { right - kTitleWidth, bottom - kTitleHeight };
    for (const Rule& r : kRules)
        sheet.line({ o.x + r.x1, o.y + r.y1 }, { o.x + r.x2, o.y + r.y2 }, SheetLayer::Frame, r.kind);
    for (const TitleCell& c : titleBlockCells(o, fields)) {
        if (c.text.empty())
            continue;
        // Captions and names start 1 mm into their cell; the graphs'
        // entries stand in the middle.
        const bool left = c.graph == 10 || c.graph == 11 || c.graph == 7 || c.graph == 8;
        const Pt at { left ? c.r.x + 1 : c.r.x + c.r.w / 2, c.r.y + c.r.h / 2 + c.height / 2 };
        sheet.text(at, c.height, c.text, left ? TextAnchor::Left : TextAnchor::Centre);
    }

    // Graph 26: the designation once more, upside down in the top left
    // corner, so that a sheet folded or turned still shows it.
    const Rect g26 { kFrameLeft, kFrameMargin, 70, 14 };
    sheet.line(
        { g26.x, g26.y + g26.h }, { g26.x + g26.w, g26.y + g26.h }, SheetLayer::Frame, LineKind::Thick);
    sheet.line(
        { g26.x + g26.w, g26.y }, { g26.x + g26.w, g26.y + g26.h }, SheetLayer::Frame, LineKind::Thick);
    if (!fields.designation.empty())
        sheet.text(
            { g26.x + g26.w / 2, g26.y + g26.h / 2 - 2.5 }, 5, fields.designation, TextAnchor::Centre, 180);
    return o;
}
