// The working drawing's geometry: ГОСТ 2.104-2006 form 1 (public text:
// gist.github.com/f2b3706e6455cf3ef02d3dd8abed2450), ГОСТ 2.401-68 (coils
// shown, test diagram), ГОСТ 2.307-68 (dimension values, "*" for reference).
#include "engine/features/design.h"
#include "engine/features/springdrawing.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A spring as the check of examples/wire-class2.rid gives it.
DrawingSpring sample(double n, double n1, bool ground, bool left = false)
{
    DrawingSpring s;
    s.d = 4;
    s.D = 16;
    s.D1 = { 20, 0.4 };
    s.Dinner = { 12, std::nullopt };
    s.n = n;
    s.n1 = n1;
    s.L0 = { 8 + 5.2 * n + (n1 - n) * 4, 1.5 };
    s.Lc = 4 * n1;
    s.F1 = { 100, 10 };
    s.F2 = { 300, 15 };
    s.F3 = { 375, std::nullopt };
    s.L3 = s.L0.value - 0.9 * (s.L0.value - s.Lc);
    s.L2 = s.L0.value - 0.7 * (s.L0.value - s.Lc);
    s.L1 = s.L0.value - 0.25 * (s.L0.value - s.Lc);
    s.leftHand = left;
    s.groundEnds = ground;
    s.wireLength = 1407;
    s.mass = 0.139;
    return s;
}

struct CoilCase {
    const char* name;
    double n, n1;
    bool ground;
    int sections, coilLines;
    bool omitted;
};

class CoilsDrawn : public testing::TestWithParam<CoilCase> { };

// ГОСТ 2.401-68 п. 7: up to four active coils all drawn, more: one and a
// half at each end beside the end coils, the rest by their axes.
TEST_P(CoilsDrawn, AsTheStandardAllows)
{
    const CoilCase& c = GetParam();
    const SpringSheet sheet = springSheet(sample(c.n, c.n1, c.ground), {});
    EXPECT_EQ(sheet.sectionsDrawn, c.sections);
    EXPECT_EQ(sheet.coilLines, c.coilLines);
    EXPECT_EQ(sheet.coilsOmitted, c.omitted);
    const auto faces
        = std::count_if(sheet.shapes.segments.begin(), sheet.shapes.segments.end(), [](const Segment& s) {
              return s.layer == SheetLayer::Outline && s.kind == LineKind::Thick && s.a.x == s.b.x;
          });
    EXPECT_EQ(faces, c.ground ? 2 : 0);
}

INSTANTIATE_TEST_SUITE_P(Springs, CoilsDrawn,
    testing::Values(CoilCase { "FourCoilsGround", 4, 6, true, 13, 6, false },
        CoilCase { "FourCoilsNotGround", 4, 6, false, 13, 6, false },
        CoilCase { "ManyCoils", 26, 28, true, 12, 5, true }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpringSheet, DimensionsShowTheSpringsValues)
{
    const DrawingSpring s = sample(6, 8, true);
    const SpringSheet sheet = springSheet(s, {});
    const std::pair<const char*, double> expected[] = { { "D1", 20 }, { "d", 4 }, { "L0", s.L0.value },
        { "L1", s.L1 }, { "L2", s.L2 }, { "L3", s.L3 }, { "Lc", s.Lc } };
    for (const auto& [name, value] : expected) {
        const std::string want = name;
        const auto mark = std::find_if(sheet.dimensions.begin(), sheet.dimensions.end(),
            [&](const DimensionMark& m) { return m.name == want; });
        ASSERT_NE(mark, sheet.dimensions.end()) << name;
        EXPECT_NEAR(mark->value, value, 0.05) << name;
        const bool shown = std::any_of(sheet.shapes.labels.begin(), sheet.shapes.labels.end(),
            [&](const Label& l) { return l.text == mark->text; });
        EXPECT_TRUE(shown) << mark->text;
    }
    EXPECT_EQ(sheet.dimensions[0].text, "⌀20±0,4");
    EXPECT_EQ(sheet.dimensions.back().text, "32*"); // the solid length, a reference
}

// The diagram's points lie at their lengths on the drawing's scale from the
// free length's end, and at heights in proportion to their forces.
TEST(SpringSheet, DiagramPointsAtTheirLengthsAndForces)
{
    const DrawingSpring s = sample(6, 8, true);
    const SpringSheet sheet = springSheet(s, {});
    ASSERT_EQ(sheet.diagram.size(), 3u);
    const DiagramPoint& top = sheet.diagram[0]; // F3
    const double free = top.at.x + (s.L0.value - s.L3) * sheet.scale;
    for (const DiagramPoint& p : sheet.diagram) {
        EXPECT_NEAR((free - p.at.x) / sheet.scale, s.L0.value - p.length, 1e-9) << p.name;
        EXPECT_NEAR((p.at.y - top.at.y) / (sheet.diagram[2].at.y - top.at.y),
            (s.F3.value - p.force) / (s.F3.value - s.F1.value), 1e-9)
            << p.name;
    }
    EXPECT_EQ(sheet.diagram[2].force, 100);
    EXPECT_EQ(sheet.diagram[2].length, s.L1);
}

struct CellCase {
    int graph;
    const char* text;
    double x, y, w, h; // in the block, mm
};

class TitleBlock : public testing::TestWithParam<CellCase> { };

// Form 1: 185 × 55 mm; columns 7, 10, 23, 15, 10, 70, 50; rows of 5 mm.
TEST_P(TitleBlock, CellsOfForm1)
{
    TitleFields fields;
    fields.designation = "АБВГ.123456.001";
    fields.designer = "Иванов";
    fields.mass = "0,139";
    const CellCase& c = GetParam();
    const auto cells = titleBlockCells({ 100, 200 }, fields);
    const auto cell = std::find_if(cells.begin(), cells.end(),
        [&](const TitleCell& t) { return t.graph == c.graph && t.text == c.text; });
    ASSERT_NE(cell, cells.end());
    EXPECT_DOUBLE_EQ(cell->r.x - 100, c.x);
    EXPECT_DOUBLE_EQ(cell->r.y - 200, c.y);
    EXPECT_DOUBLE_EQ(cell->r.w, c.w);
    EXPECT_DOUBLE_EQ(cell->r.h, c.h);
}

INSTANTIATE_TEST_SUITE_P(Form1, TitleBlock,
    testing::Values(CellCase { 2, "АБВГ.123456.001", 65, 0, 120, 15 },
        CellCase { 1, "Пружина", 65, 15, 70, 25 }, CellCase { 3, "", 65, 40, 70, 15 },
        CellCase { 5, "0,139", 150, 20, 17, 15 }, CellCase { 6, "", 167, 20, 18, 15 },
        CellCase { 0, "Изм.", 0, 20, 7, 5 }, CellCase { 0, "№ докум.", 17, 20, 23, 5 },
        CellCase { 10, "Разраб.", 0, 25, 17, 5 }, CellCase { 11, "Иванов", 17, 25, 23, 5 },
        CellCase { 10, "Утв.", 0, 50, 17, 5 }, CellCase { 7, "Лист", 135, 35, 20, 5 },
        CellCase { 8, "Листов 1", 155, 35, 30, 5 }, CellCase { 9, "", 135, 40, 50, 15 }));

struct SheetCase {
    const char* name;
    SheetFormat format;
    bool left, ground;
    double width;
    const char* winding;
    const char* ends;
};

class Sheets : public testing::TestWithParam<SheetCase> { };

TEST_P(Sheets, FormatAndRequirements)
{
    const SheetCase& c = GetParam();
    SheetRequest request;
    request.format = c.format;
    request.extraRequirement = "HRC 45…50";
    const SpringSheet sheet = springSheet(sample(6, 8, c.ground, c.left), request);
    EXPECT_EQ(sheet.shapes.width, c.width);
    EXPECT_EQ(sheet.shapes.height, 297);
    // The block in the frame's bottom right corner ("Изм." is its row 5).
    EXPECT_EQ(sheet.title.front().r.x, c.width - 5 - 185);
    EXPECT_EQ(sheet.title.front().r.y, 297 - 5 - 55 + 20);
    const std::vector<std::string> want = { "1. n = 6", "2. n1 = 8",
        std::string("3. Направление навивки — ") + c.winding, "4. Длина развернутая L = 1407 мм",
        "5. *Размеры для справок", std::string("6. ") + c.ends, "7. HRC 45…50" };
    EXPECT_EQ(sheet.requirements, want);
}

INSTANTIATE_TEST_SUITE_P(Sheet, Sheets,
    testing::Values(SheetCase { "A4Right", SheetFormat::A4, false, true, 210, "правое",
                        "Крайние витки поджаты и зашлифованы на 3/4 окружности" },
        SheetCase {
            "A3Left", SheetFormat::A3, true, false, 420, "левое", "Крайние витки поджаты, не шлифованы" }),
    [](const auto& info) { return std::string(info.param.name); });

// A design whose calculation stopped, or that has no check, offers no drawing.
TEST(DrawingSpring, NoDrawingWithoutACompleteCheck)
{
    DesignSettings settings;
    settings.dataDir = SHIPPED_DATA_DIR;
    settings.verify = true;
    const DesignResult done = runDesign(EXAMPLES_DIR "wire-class2.rid", settings);
    const DrawingSource drawn = drawingSpring(done, done.verification);
    ASSERT_TRUE(drawn.spring);
    // Its made spring fails the check: the sheet gives the spring to order.
    ASSERT_FALSE(done.verification.passed);
    const OrderSpring& order = *done.verification.order;
    EXPECT_DOUBLE_EQ(drawn.spring->n, order.spring.n);
    EXPECT_DOUBLE_EQ(drawn.spring->L0.value, order.spring.L0);
    EXPECT_DOUBLE_EQ(drawn.spring->mass, order.spring.mass);
    EXPECT_EQ(drawn.spring->L0.tolerance, order.tolerances.AL0);
    EXPECT_EQ(drawn.spring->F2.tolerance, order.tolerances.AF2);

    EXPECT_FALSE(drawingSpring(done, Verification {}).spring);
    DesignResult stopped = done;
    stopped.outcome = Outcome::Stopped;
    const DrawingSource refused = drawingSpring(stopped, done.verification);
    EXPECT_FALSE(refused.spring);
    EXPECT_EQ(refused.refusal, "Расчет не выполнен до конца: чертить нечего.");
}

} // namespace
