#include "engine/features/springdrawing.h"

#include "engine/common/numtext.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

// ГОСТ 2.307-68: extension lines run 1 to 5 mm past the dimension line;
// parallel dimension lines stand at least 7 mm apart, the first at least
// 10 mm from the outline; the arrowhead's size is kept the same over the
// sheet (public text: gist.github.com/95ca0cd0637b7ed8b96dd7904752357f).
constexpr double kOvershoot = 2;
constexpr double kDimStep = 7;
constexpr double kDimFirst = 10;
constexpr double kArrow = 3.5;
constexpr double kArrowHalf = 0.6;
// ГОСТ 2.304-81: font sizes 2,5; 3,5; 5; 7; rows at least 1,7 h apart.
constexpr double kDimFont = 3.5;
constexpr double kRowPitch = 6;
// Width of one letter of a type B face as a share of its height (the
// standard's table 2 gives 6/10 h for most capitals): for wrapping only.
constexpr double kLetterWidth = 0.6;

// ГОСТ 2.302-68: the scales a drawing may use, largest first.
struct Scale {
    double factor;
    const char* text;
};
constexpr Scale kScales[] = { { 10, "10:1" }, { 5, "5:1" }, { 4, "4:1" }, { 2.5, "2,5:1" }, { 2, "2:1" },
    { 1, "1:1" }, { 1 / 2.0, "1:2" }, { 1 / 2.5, "1:2,5" }, { 1 / 4.0, "1:4" }, { 1 / 5.0, "1:5" },
    { 1 / 10.0, "1:10" }, { 1 / 15.0, "1:15" }, { 1 / 20.0, "1:20" } };

// ГОСТ 2.401-68 п. 7: a spring of more than four active coils shows one
// or two coils at each end besides the end coils; axes through the
// sections' centres stand for the rest.
constexpr double kCoilsShownWhole = 4;
constexpr double kCoilsKeptAtEnd = 1.5;

Pt operator+(Pt a, Pt b)
{
    return { a.x + b.x, a.y + b.y };
}
Pt operator-(Pt a, Pt b)
{
    return { a.x - b.x, a.y - b.y };
}
Pt operator*(Pt a, double k)
{
    return { a.x * k, a.y * k };
}

std::string withTolerance(const Toleranced& v, int decimals)
{
    std::string text = sheetNumber(v.value, decimals);
    if (v.tolerance && *v.tolerance > 0)
        text += "±" + sheetNumber(*v.tolerance, 2);
    return text;
}

class SheetBuilder {
public:
    SheetBuilder(const DrawingSpring& s, const SheetRequest& request)
        : s_(s)
        , request_(request)
    {
    }

    SpringSheet build()
    {
        const Pt size = sheetSize(request_.format);
        out_.shapes.width = size.x;
        out_.shapes.height = size.y;
        makeRequirements();
        placeRequirements({ size.x - kFrameMargin - kTitleWidth, size.y - kFrameMargin - kTitleHeight });
        chooseScale();
        TitleFields title = request_.title;
        title.scale = out_.scaleText;
        title.mass = sheetNumber(s_.mass, 3);
        if (title.material.empty())
            title.material = s_.material;
        const Pt block = drawFrame(out_.shapes, title);
        out_.title = titleBlockCells(block, title);
        place();
        drawSpring();
        drawDiameters();
        drawDiagram();
        return std::move(out_);
    }

private:
    // The sheet's free field for the views: above the requirements on A4,
    // left of the title block and the requirements on A3.
    void makeField()
    {
        const double right = out_.shapes.width - kFrameMargin;
        const double bottom = out_.shapes.height - kFrameMargin;
        if (request_.format == SheetFormat::A4)
            field_ = { kFrameLeft + 10, kFrameMargin + 20, right - kFrameLeft - 18,
                requirementsTop_ - 8 - (kFrameMargin + 20) };
        else
            field_ = { kFrameLeft + 10, kFrameMargin + 20, right - kTitleWidth - 10 - (kFrameLeft + 10),
                bottom - 10 - (kFrameMargin + 20) };
    }

    // Room the views take besides the spring: force captions and D1 on the
    // left, d on the right; diagram, four stacked lengths and L0 in height.
    static constexpr double kLeftRoom = 44, kRightRoom = 20;
    double diagramHeight() const { return std::clamp(0.22 * field_.h, 25.0, 60.0); }
    double aboveSpring() const { return 6 + diagramHeight() + 4 * kDimStep + 8; }
    static constexpr double kBelowSpring = kDimFirst + 6;

    void chooseScale()
    {
        const double width = field_.w - kLeftRoom - kRightRoom;
        const double height = field_.h - aboveSpring() - kBelowSpring;
        const Scale* chosen = &kScales[std::size(kScales) - 1];
        for (const Scale& sc : kScales)
            if (s_.L0.value * sc.factor <= width && s_.D1.value * sc.factor <= height) {
                chosen = &sc;
                break;
            }
        out_.scale = chosen->factor;
        out_.scaleText = chosen->text;
    }

    void place()
    {
        const double k = out_.scale;
        const double width = kLeftRoom + s_.L0.value * k + kRightRoom;
        const double height = aboveSpring() + s_.D1.value * k + kBelowSpring;
        xs_ = field_.x + kLeftRoom + std::max(0.0, (field_.w - width) / 2);
        yTop_ = field_.y + 6 + std::max(0.0, (field_.h - height) / 3);
        yBase_ = yTop_ + diagramHeight();
        ySpringTop_ = yBase_ + 4 * kDimStep + 8;
        yAxis_ = ySpringTop_ + s_.D1.value * k / 2;
    }

    double sx(double along) const { return xs_ + along * out_.scale; }

    // Where the wire's centre lies along the axis after u turns from the
    // left end: the end coils closed (pitch d), the active ones evenly
    // spread over the rest of the free length.
    double along(double u) const
    {
        const double e = std::max(0.0, (s_.n1 - s_.n) / 2);
        const double a = s_.groundEnds ? 0 : s_.d / 2;
        const double pitch = std::max(s_.d, (s_.L0.value - 2 * a - 2 * e * s_.d) / s_.n);
        if (u <= e)
            return a + u * s_.d;
        if (u <= s_.n1 - e)
            return a + e * s_.d + (u - e) * pitch;
        return a + e * s_.d + s_.n * pitch + (u - (s_.n1 - e)) * s_.d;
    }

    bool kept(double u) const
    {
        if (s_.n <= kCoilsShownWhole)
            return true;
        const double e = std::max(0.0, (s_.n1 - s_.n) / 2);
        return u <= e + kCoilsKeptAtEnd || u >= s_.n1 - e - kCoilsKeptAtEnd;
    }

    Pt section(double u) const
    {
        const bool top = std::fmod(u, 1.0) < 0.25;
        const double half = s_.D / 2 * out_.scale;
        return { sx(along(u)), top ? yAxis_ - half : yAxis_ + half };
    }

    // The spring cut along its axis: the wire's sections, hatched
    // (ГОСТ 2.306-68, 45°), and the coil lines behind the cut, which rise
    // to the right on a right-hand spring.
    void drawSpring()
    {
        const double r = s_.d / 2 * out_.scale;
        const double left = xs_, right = sx(s_.L0.value);
        const int last = int(std::floor(2 * s_.n1 + 1e-9));
        double first = -1, end = -1;
        for (int k = 0; k <= last; ++k) {
            const double u = k / 2.0;
            if (!kept(u))
                continue;
            drawSection(section(u), r, left, right);
            ++out_.sectionsDrawn;
            if (first < 0)
                first = section(u).x;
            end = section(u).x;
            if (k % 2 == 1 && k + 1 <= last && kept(u + 0.5)) {
                coilLine(section(u), section(u + 0.5), r);
                ++out_.coilLines;
            }
        }
        out_.coilsOmitted = s_.n > kCoilsShownWhole;
        auto& sh = out_.shapes;
        const double half = s_.D / 2 * out_.scale;
        // ГОСТ 2.303-68: centre lines run 2 to 5 mm past the outline.
        sh.line({ left - 4, yAxis_ }, { right + 4, yAxis_ }, SheetLayer::Outline, LineKind::DashDot);
        for (double y : { yAxis_ - half, yAxis_ + half })
            sh.line({ first - r - 2, y }, { end + r + 2, y }, SheetLayer::Outline, LineKind::DashDot);
        if (s_.groundEnds) {
            const double outer = s_.D1.value / 2 * out_.scale;
            for (double x : { left, right })
                sh.line({ x, yAxis_ - outer }, { x, yAxis_ + outer }, SheetLayer::Outline, LineKind::Thick);
        }
    }

    void drawSection(Pt c, double r, double left, double right)
    {
        Arc arc { c, r, 0, 360, SheetLayer::Outline, LineKind::Thick };
        if (c.x - r < left) {
            const double a = std::acos(std::clamp((left - c.x) / r, -1.0, 1.0)) * 180 / kPi;
            arc.start = -a;
            arc.sweep = 2 * a;
        } else if (c.x + r > right) {
            const double a = std::acos(std::clamp((right - c.x) / r, -1.0, 1.0)) * 180 / kPi;
            arc.start = a;
            arc.sweep = 360 - 2 * a;
        }
        out_.shapes.arcs.push_back(arc);
        // ГОСТ 2.306-68: hatching at 45°, 1 to 10 mm apart, closer in a
        // narrow section.
        const double step = std::clamp(r / 2, 0.35, 1.5);
        const Pt along { std::sqrt(0.5), -std::sqrt(0.5) }, across { std::sqrt(0.5), std::sqrt(0.5) };
        for (double off = -r + step / 2; off < r; off += step) {
            const double h = std::sqrt(r * r - off * off);
            Pt a = c + across * off - along * h, b = c + across * off + along * h;
            if (!clipX(a, b, left, right))
                continue;
            out_.shapes.line(a, b, SheetLayer::Outline, LineKind::Thin);
        }
    }

    static bool clipX(Pt& a, Pt& b, double lo, double hi)
    {
        for (Pt* p : { &a, &b }) {
            Pt& q = p == &a ? b : a;
            for (double edge : { lo, hi }) {
                const bool out = edge == lo ? p->x < lo : p->x > hi;
                if (!out)
                    continue;
                if ((edge == lo ? q.x < lo : q.x > hi))
                    return false;
                const double t = (edge - q.x) / (p->x - q.x);
                *p = q + (*p - q) * t;
            }
        }
        return true;
    }

    void coilLine(Pt from, Pt to, double r)
    {
        const Pt v = to - from;
        const double len = std::hypot(v.x, v.y);
        const Pt normal { -v.y / len * r, v.x / len * r };
        for (double side : { -1.0, 1.0 })
            out_.shapes.line(from + normal * side, to + normal * side, SheetLayer::Outline, LineKind::Thick);
    }

    // ГОСТ 2.307-68: arrows at the ends of the dimension line, inside the
    // extension lines where there is room for them, outside where not.
    void arrow(Pt tip, Pt dir)
    {
        const Pt back = tip + dir * kArrow;
        const Pt side { -dir.y * kArrowHalf, dir.x * kArrowHalf };
        out_.shapes.solids.push_back({ { tip, back + side, back - side }, SheetLayer::Dimensions });
    }

    void dimLine(Pt a, Pt b)
    {
        const Pt v = b - a;
        const double len = std::hypot(v.x, v.y);
        const Pt dir = v * (1 / len);
        auto& sh = out_.shapes;
        if (len >= 2 * kArrow + 2) {
            sh.line(a, b, SheetLayer::Dimensions, LineKind::Thin);
            arrow(a, dir);
            arrow(b, dir * -1);
        } else {
            sh.line(a - dir * (kArrow + 3), b + dir * (kArrow + 3), SheetLayer::Dimensions, LineKind::Thin);
            arrow(a, dir * -1);
            arrow(b, dir);
        }
    }

    void mark(std::string name, double value, int decimals, std::string text)
    {
        const double k = std::pow(10.0, decimals);
        out_.dimensions.push_back({ std::move(name), std::round(value * k) / k, std::move(text) });
    }

    // A horizontal dimension at height y between x1 and x2, its extension
    // lines coming from y1 and y2; the number above the line's middle.
    void hDim(double x1, double x2, double y, double y1, double y2, const std::string& text)
    {
        auto& sh = out_.shapes;
        sh.line({ x1, y1 }, { x1, y + kOvershoot }, SheetLayer::Dimensions, LineKind::Thin);
        sh.line({ x2, y2 }, { x2, y + kOvershoot }, SheetLayer::Dimensions, LineKind::Thin);
        dimLine({ x1, y }, { x2, y });
        sh.text({ (x1 + x2) / 2, y - 1 }, kDimFont, text, TextAnchor::Centre, 0, SheetLayer::Dimensions);
    }

    // A vertical one at x between y1 (top) and y2, extension lines from the
    // left (x1); the number left of the line, read from the right.
    void vDim(double y1, double y2, double x, double from, const std::string& text, bool textRight = false)
    {
        auto& sh = out_.shapes;
        const double dir = x < from ? -1 : 1;
        for (double y : { y1, y2 })
            sh.line({ from, y }, { x + dir * kOvershoot, y }, SheetLayer::Dimensions, LineKind::Thin);
        dimLine({ x, y1 }, { x, y2 });
        const double tx = textRight ? x + 1 + kDimFont : x - 1;
        const double ty = textRight ? y1 - kArrow - 4 : (y1 + y2) / 2;
        sh.text({ tx, ty }, kDimFont, text, textRight ? TextAnchor::Left : TextAnchor::Centre, 90,
            SheetLayer::Dimensions);
    }

    void drawDiameters()
    {
        const double k = out_.scale;
        const double left = sx(along(0));
        if (s_.guide == SpringGuide::Mandrel) {
            const double half = s_.Dinner.value / 2 * k;
            const std::string text = "⌀" + withTolerance(s_.Dinner, 1);
            vDim(yAxis_ - half, yAxis_ + half, xs_ - 12, left, text);
            mark("Dвн", s_.Dinner.value, 1, text);
        } else {
            const double half = s_.D1.value / 2 * k;
            const std::string text = "⌀" + withTolerance(s_.D1, 1);
            vDim(yAxis_ - half, yAxis_ + half, xs_ - 12, left, text);
            mark("D1", s_.D1.value, 1, text);
        }
        // The wire on the last section cut at the top.
        double u = std::floor(s_.n1);
        const Pt c = section(u);
        const double r = s_.d / 2 * k;
        const std::string d = "⌀" + sheetNumber(s_.d, 2);
        vDim(c.y - r, c.y + r, sx(s_.L0.value) + 10, c.x + r, d, true);
        mark("d", s_.d, 2, d);

        const double below = yAxis_ + s_.D1.value / 2 * k;
        const std::string l0 = withTolerance(s_.L0, 1);
        hDim(xs_, sx(s_.L0.value), below + kDimFirst, below + 1, below + 1, l0);
        mark("L0", s_.L0.value, 1, l0);
    }

    // ГОСТ 2.401-68: the test diagram over the spring, lengths at the
    // drawing's scale from the fixed (left) end, forces upwards; the
    // lengths as dimensions under it, the solid length a reference one.
    void drawDiagram()
    {
        auto& sh = out_.shapes;
        const double h = diagramHeight();
        const double right = sx(s_.L0.value);
        sh.line({ xs_, yBase_ }, { right + 3, yBase_ }, SheetLayer::Outline, LineKind::Thin);
        sh.line({ xs_, yBase_ + 4 * kDimStep + kOvershoot }, { xs_, yTop_ - 3 }, SheetLayer::Outline,
            LineKind::Thin);
        const double top = s_.F3.value;
        struct Load {
            const char* name;
            const Toleranced& F;
            double L;
        };
        const Load loads[] = { { "F3", s_.F3, s_.L3 }, { "F2", s_.F2, s_.L2 }, { "F1", s_.F1, s_.L1 } };
        const Pt p0 { right, yBase_ };
        const Pt p3 { sx(s_.L3), yBase_ - h };
        sh.line(p0, p3, SheetLayer::Outline, LineKind::Thick);
        double captionY = -1e9;
        int row = 1;
        for (const Load& load : loads) {
            const Pt p { sx(load.L), yBase_ - load.F.value / top * h };
            out_.diagram.push_back({ load.name, load.L, load.F.value, p });
            sh.line({ xs_, p.y }, p, SheetLayer::Outline, LineKind::Thin);
            const double rowY = yBase_ + kDimStep * (row + 1);
            // Captions at least a row apart, pushed down the axis.
            const double y = std::max(p.y + kDimFont / 2, captionY + kDimFont + 1.5);
            captionY = y;
            sh.text({ xs_ - 2, y }, kDimFont,
                std::string(load.name) + " = " + withTolerance(load.F, 1) + " Н", TextAnchor::Right, 0,
                SheetLayer::Dimensions);
            const std::string len = sheetNumber(load.L, 1);
            hDim(xs_, p.x, rowY, yBase_, p.y, len);
            mark(std::string("L") + (load.name + 1), load.L, 1, len);
            ++row;
        }
        // The solid length: a reference dimension, marked "*".
        const std::string lc = sheetNumber(s_.Lc, 1) + "*";
        hDim(xs_, sx(s_.Lc), yBase_ + kDimStep, yBase_, yBase_, lc);
        mark("Lc", s_.Lc, 1, lc);
    }

    void makeRequirements()
    {
        auto& r = out_.requirements;
        r.push_back("n = " + sheetNumber(s_.n, 2));
        r.push_back("n1 = " + sheetNumber(s_.n1, 2));
        r.push_back(std::string("Направление навивки — ") + (s_.leftHand ? "левое" : "правое"));
        r.push_back("Длина развернутая L = " + sheetNumber(s_.wireLength, 0) + " мм");
        r.push_back("*Размеры для справок");
        if (!s_.toleranceStandard.empty())
            r.push_back("Предельные отклонения сил и размеров — по " + s_.toleranceStandard
                + (s_.toleranceGrade.empty() ? "" : ", " + s_.toleranceGrade));
        r.push_back(s_.groundEnds ? "Крайние витки поджаты и зашлифованы на 3/4 окружности"
                                  : "Крайние витки поджаты, не шлифованы");
        if (!request_.extraRequirement.empty())
            r.push_back(request_.extraRequirement);
        for (size_t i = 0; i < r.size(); ++i)
            r[i] = std::to_string(i + 1) + ". " + r[i];
    }

    // Each requirement on its own lines, wrapped at the title block's
    // width, the last line 8 mm above the block (ГОСТ 2.316-68).
    void placeRequirements(Pt block)
    {
        std::vector<std::string> lines;
        const size_t perLine = size_t(kTitleWidth / (kLetterWidth * kDimFont));
        for (const std::string& item : out_.requirements)
            for (const std::string& line : wrap(item, perLine))
                lines.push_back(line);
        double y = block.y - 8 - kRowPitch * double(lines.size() - 1);
        requirementsTop_ = y - kDimFont;
        for (const std::string& line : lines) {
            out_.shapes.text({ block.x, y }, kDimFont, line);
            y += kRowPitch;
        }
        makeField();
    }

    static size_t letters(const std::string& text)
    {
        return size_t(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    }

    static std::vector<std::string> wrap(const std::string& text, size_t width)
    {
        std::vector<std::string> lines(1);
        size_t start = 0;
        while (start <= text.size()) {
            size_t end = text.find(' ', start);
            if (end == std::string::npos)
                end = text.size();
            const std::string word = text.substr(start, end - start);
            if (!lines.back().empty() && letters(lines.back()) + 1 + letters(word) > width)
                lines.emplace_back("   ");
            if (!lines.back().empty() && lines.back() != "   ")
                lines.back() += ' ';
            lines.back() += word;
            start = end + 1;
        }
        return lines;
    }

    const DrawingSpring& s_;
    const SheetRequest& request_;
    SpringSheet out_;
    Rect field_;
    double requirementsTop_ = 0;
    double xs_ = 0, yTop_ = 0, yBase_ = 0, ySpringTop_ = 0, yAxis_ = 0;
};

} // namespace

std::string sheetNumber(double v, int decimals)
{
    const double k = std::pow(10.0, decimals);
    const double rounded = std::round(v * k) / k;
    return numText(rounded == 0 ? 0 : rounded);
}

SpringSheet springSheet(const DrawingSpring& spring, const SheetRequest& request)
{
    return SheetBuilder(spring, request).build();
}
