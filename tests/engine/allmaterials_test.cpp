#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/datafiles.h"
#include "engine/catalogue/textfile.h"
#include "engine/common/encoding.h"
#include "engine/common/errortext.h"
#include "engine/common/numtext.h"
#include "engine/features/allmaterials.h"
#include "engine/method/calc.h"
#include "engine/method/inputform.h"
#include "engine/method/quantities.h"
#include "testdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

const std::string kGone = "Пропавший"; // listed, without files

// A design as its input data file, or a generated one; `answer`: the
// diameter picked when its own material asks.
struct MaterialsCase {
    std::string name;
    InputForm form;
    std::optional<std::string> answer;
};

MaterialsCase example(const char* file, std::optional<std::string> answer = std::nullopt)
{
    const auto lines = readTextLines(std::string(EXAMPLES_DIR) + file + ".rid");
    EXPECT_TRUE(lines) << file;
    std::string name = file;
    std::replace(name.begin(), name.end(), '-', '_');
    return { name, parseRid(lines.value_or(std::vector<std::string> {})), answer };
}

// Forces, diameters and lengths over the range the tables cover and beyond
// it, both modes, all four groups (I..IV); the same every run.
std::vector<MaterialsCase> generated(int count)
{
    std::mt19937 random(23);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    std::vector<MaterialsCase> out;
    for (int k = 0; k < count; ++k) {
        InputForm f;
        const int f1 = pick(1, 60);
        f.f1 = std::to_string(f1);
        f.f2 = std::to_string(f1 + pick(1, 80));
        f.d1 = std::to_string(pick(6, 90));
        f.mode = pick(1, 2);
        f.h = std::to_string(pick(2, 60));
        f.l0 = std::to_string(pick(30, 300));
        f.n = std::to_string(pick(3, 30));
        f.vmax = std::to_string(pick(0, 4));
        f.grupIndex = pick(0, 3);
        f.materialName = k % 2 ? "60С2А" : "Проволока I класса";
        out.push_back({ "generated" + std::to_string(k), f, std::nullopt });
    }
    return out;
}

class EveryRowIsItsCalculation : public testing::TestWithParam<MaterialsCase> {
protected:
    TempDataDir dir;
    void SetUp() override
    {
        dir.copyFrom(SHIPPED_DATA_DIR);
        dir.writeBytes(kMaterialList, dir.readBytes(kMaterialList) + utf8ToCp1251(kGone) + "\r\n");
    }
};

// "Расчет" with the material of the row selected, worked out afresh: every
// value, the same end, notes, faults and check; the question asked only
// where the row says the choice is needed, and answered only for the
// design's own material. The rows handed on one by one are these rows, in
// this order.
TEST_P(EveryRowIsItsCalculation, ReportMessagesAndEveryValue)
{
    const MaterialsCase& c = GetParam();
    CalcInputs inputs;
    inputs.dataDir = dir.path();
    InputForm form = c.form;
    if (applyCalcInputs(inputs, form) != InputOutcome::Proceed)
        GTEST_SKIP() << "\"Расчет\" stops before the calculation";
    if (c.answer)
        inputs.chosenD = strToFloat(*c.answer);
    const AllMaterials table = allMaterialRows(inputs, FolderFiles(dir.path()));
    ASSERT_EQ(table.refusal, "");

    std::vector<std::string> names;
    for (const MaterialRow& row : table.rows) {
        SCOPED_TRACE(row.material);
        names.push_back(row.material);
        CalcInputs in = inputs;
        in.materialName = row.material;
        in.chosenD.reset();
        RecordingHost host;
        if (row.material == inputs.materialName)
            host.pick = c.answer;
        const CalcResult r = calculate(in, host, FolderFiles(dir.path()));
        QuietRun fresh;
        judgeRun(fresh, r, FolderFiles(dir.path()));
        for (const Quantity& q : kQuantities)
            EXPECT_EQ(row.record.*q.field, fresh.record.*q.field) << q.name;
        EXPECT_EQ(row.stop, fresh.stop);
        EXPECT_EQ(row.notes, fresh.notes);
        EXPECT_EQ(row.faults, fresh.faults);
        EXPECT_EQ(row.check.available, fresh.check.available);
        EXPECT_EQ(row.check.passed, fresh.check.passed);
        EXPECT_EQ(row.check.spring.R, fresh.check.spring.R);
        EXPECT_EQ(row.selected, row.material == inputs.materialName);
        EXPECT_EQ(row.needsDiameter(), host.asked == 1 && !host.pick);
        EXPECT_EQ(row.outcome() == kNeedsDiameterWords, row.needsDiameter());
        if (!row.complete() && !row.needsDiameter())
            EXPECT_EQ(row.outcome(), row.stop);
    }
    const MaterialRow& gone = *std::find_if(
        table.rows.begin(), table.rows.end(), [](const MaterialRow& r) { return r.material == kGone; });
    EXPECT_EQ(gone.outcome(), "no " + kGone + "mat.dat");
    EXPECT_EQ(gone.materialClass, -1);

    // Each material of the list once, lightest first, unfinished last.
    auto listed = *readDataLines(dir.path(), kMaterialList);
    std::sort(listed.begin(), listed.end());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, listed);
    for (size_t k = 1; k < table.rows.size(); ++k) {
        const MaterialRow& a = table.rows[k - 1];
        const MaterialRow& b = table.rows[k];
        EXPECT_TRUE(b.complete() ? a.complete() && a.record.M <= b.record.M : true) << k;
    }

    const FolderFiles files(dir.path());
    std::vector<std::string> handedOn;
    eachMaterialRow(inputs, files, materialList(files), [&](MaterialRow&& row) {
        const MaterialRow& held = table.rows.at(handedOn.size());
        EXPECT_EQ(row.material, held.material);
        EXPECT_EQ(row.outcome(), held.outcome());
        handedOn.push_back(row.material);
    });
    EXPECT_EQ(handedOn.size(), table.rows.size());
}

std::vector<MaterialsCase> cases()
{
    std::vector<MaterialsCase> all { example("steel-60s2a"), example("wire-class2"),
        example("stainless-free-length"), example("chosen-diameter", "3") };
    for (auto& g : generated(40))
        all.push_back(g);
    return all;
}

INSTANTIATE_TEST_SUITE_P(ExamplesAndGenerated, EveryRowIsItsCalculation, testing::ValuesIn(cases()),
    [](const testing::TestParamInfo<MaterialsCase>& info) { return info.param.name; });

// What the rows say besides the figures: the group a material is not
// allowed for, the choice a wide spring needs, the checks; over a
// catalogue of one material.
struct OutcomeCase {
    const char* name;
    const char* material;
    int group; // 0..3
    const char* d1;
    const char* f2;
    const char* h;
    std::string outcome;
    int materialClass;
};

class OneMaterialCatalogue : public testing::TestWithParam<OutcomeCase> { };

TEST_P(OneMaterialCatalogue, OneRowSaysHowItEnded)
{
    const OutcomeCase& c = GetParam();
    TempDataDir dir;
    dir.copyFrom(SHIPPED_DATA_DIR);
    dir.writeBytes(kMaterialList, utf8ToCp1251(c.material) + "\r\n");
    CalcInputs inputs;
    inputs.dataDir = dir.path();
    InputForm form;
    form.f1 = "10";
    form.f2 = c.f2;
    form.d1 = c.d1;
    form.h = c.h;
    form.grupIndex = c.group;
    form.vmax = "0,5";
    form.ni = "1";
    form.stepni = "4"; // static: the coil gaps of the check without the 1,5
    form.materialName = "60С2А";
    ASSERT_EQ(applyCalcInputs(inputs, form), InputOutcome::Proceed);
    const AllMaterials table = allMaterialRows(inputs, FolderFiles(dir.path()));
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0].outcome(), c.outcome);
    EXPECT_EQ(table.rows[0].materialClass, c.materialClass);
    EXPECT_EQ(table.rows[0].selected, std::string(c.material) == "60С2А");
}

INSTANTIATE_TEST_SUITE_P(Outcomes, OneMaterialCatalogue,
    testing::Values(OutcomeCase { "groupNotAllowed", "Проволока I класса", 3, "20", "30", "15",
                        "Материал Проволока I класса не применяется для группы-IV", 0 },
        OutcomeCase { "needsTheChoice", "60С2А", 0, "80", "30", "15", "нужен выбор диаметра", 2 },
        OutcomeCase { "failsACheck", "Проволока II класса", 0, "20", "30", "15",
            "✗ Пружина теряет устойчивость L0/Dср > 3; EN 13906-1: Сила при длине L2 = 532,2 Н, допускается "
            "294,2 ± 78,27 (использование 3,04)",
            1 },
        // The method's own checks pass; the made spring's coils close below Ln.
        OutcomeCase { "failsOnlyTheCheck", "60С2А", 0, "30", "25", "10",
            "✗ EN 13906-1: Наименьшая длина Ln = Lc + Sa = 49,88 мм, допускается ≤ L2 = 46,19 (использование "
            "1,08)",
            2 }),
    [](const testing::TestParamInfo<OutcomeCase>& info) { return std::string(info.param.name); });

TEST(MaterialTable, NoListSaysSo)
{
    TempDataDir dir;
    CalcInputs inputs;
    inputs.dataDir = dir.path();
    EXPECT_EQ(allMaterialRows(inputs, FolderFiles(dir.path())).refusal, "no material.dat");
}

} // namespace
