#include "engine/catalogue/datafiles.h"
#include "engine/common/errortext.h"
#include "engine/common/numtext.h"
#include "engine/features/neighbours.h"
#include "engine/method/calc.h"
#include "engine/method/inputform.h"
#include "engine/method/reportchecks.h"
#include "samerun.h"
#include "testdir.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

// A design as the main window's fields give it; `answer`: the diameter the
// user picked when the calculation asked for one.
struct Design {
    const char* name;
    const char* material;
    int mode;
    const char* f1;
    const char* f2;
    const char* d1;
    const char* lengths; // H, or L0 and n separated by a blank
    const char* answer = nullptr;
};

CalcInputs inputsOf(const Design& d, const std::string& dataDir)
{
    CalcInputs p;
    p.dataDir = dataDir;
    InputForm form;
    form.mode = d.mode;
    form.materialName = d.material;
    form.f1 = d.f1;
    form.f2 = d.f2;
    form.d1 = d.d1;
    form.vmax = "0,5";
    const std::string lengths = d.lengths;
    if (d.mode == 1) {
        form.h = lengths;
    } else {
        form.l0 = lengths.substr(0, lengths.find(' '));
        form.n = lengths.substr(lengths.find(' ') + 1);
    }
    EXPECT_EQ(applyCalcInputs(p, form).outcome, InputOutcome::Proceed);
    if (d.answer)
        p.chosenD = strToFloat(d.answer);
    return p;
}

class RowIsTheDialogsCalculation : public testing::TestWithParam<Design> {
protected:
    TempDataDir dir;
    void SetUp() override { dir.copyFrom(SHIPPED_DATA_DIR); }
};

// Every row is what the calculation gives when that diameter is picked in
// the dialog: where k3 asks for the dialog, the dialog itself; else the
// dialog's branch taken on purpose. The row of the calculation's own wire
// is its own run (the report's spring), followed by the dialog's run of
// that wire only where the spring differs.
TEST_P(RowIsTheDialogsCalculation, ReportMessagesAndEveryValue)
{
    const Design& design = GetParam();
    const CalcInputs inputs = inputsOf(design, dir.path());
    const Neighbours table = neighbourRows(inputs, FolderFiles(dir.path()), 3);
    ASSERT_EQ(table.refusal, "");
    EXPECT_EQ(table.asked, design.answer != nullptr);
    const auto twins = std::count_if(
        table.rows.begin(), table.rows.end(), [](const NeighbourRow& r) { return r.forcedTwin; });
    ASSERT_EQ(table.rows.size(), 7u + static_cast<size_t>(twins));
    for (size_t k = 0; k < table.rows.size(); ++k) {
        const NeighbourRow& row = table.rows[k];
        SCOPED_TRACE(row.listed);
        if (row.forcedTwin) { // right after the calculation's own row of that wire
            ASSERT_GT(k, 0u);
            EXPECT_TRUE(table.rows[k - 1].methodChoice);
            EXPECT_EQ(table.rows[k - 1].listed, row.listed);
            EXPECT_NE(table.rows[k - 1].record.nCalc, row.record.nCalc);
        }
        const bool own = row.methodChoice && !design.answer; // asked: its own run is the dialog's
        CalcInputs asked = inputs;
        asked.chosenD.reset();
        asked.askAlways = design.answer == nullptr && !own;
        RecordingHost host;
        host.pick = row.listed;
        const CalcResult r = calculate(asked, host, FolderFiles(dir.path()));
        EXPECT_EQ(host.asked, own ? 0 : 1);
        expectSameRun(row, r, host);
        EXPECT_EQ(row.check.available, r.complete());
        const bool k3Asked = !host.messages.empty() && host.messages.front() == kK3BeyondTablesMessage;
        EXPECT_EQ(k3Asked, design.answer != nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(BothTablesBothModes, RowIsTheDialogsCalculation,
    testing::Values(Design { "firstTableStroke", "Проволока II класса", 1, "10", "30", "20", "15" },
        Design { "firstTableFreeLength", "12Х18Н10Т", 2, "3", "8", "16", "60 8" },
        Design { "secondTableStroke", "60С2А", 1, "20", "50", "30", "20" },
        Design { "secondTableFreeLength", "60С2А", 2, "20", "50", "30", "150 20" },
        Design { "firstTableStrokeAsked", "Проволока II класса", 1, "4", "10", "40", "20", "3" },
        Design { "firstTableFreeLengthAsked", "Проволока II класса", 2, "4", "10", "40", "70 8", "3" },
        Design { "secondTableStrokeAsked", "60С2А", 1, "1", "2", "40", "10", "3,5" },
        Design { "secondTableFreeLengthAsked", "60С2А", 2, "1", "2", "40", "100 20", "3,5" }),
    [](const testing::TestParamInfo<Design>& info) { return std::string(info.param.name); });

// The 60С2А spring of the examples (the calculation picks 5 from the
// shipped list) over a material "M" of its properties and the list given.
struct ListCase {
    const char* name;
    Lines list;
    int each;
    Lines rows; // the diameters of the rows, as listed
    int methodRow; // which of them the calculation chose
};

class RowsAroundTheChoice : public testing::TestWithParam<ListCase> {
protected:
    TempDataDir dir;
    CalcInputs inputs;
    void SetUp() override
    {
        dir.copyFrom(SHIPPED_DATA_DIR);
        dir.writeBytes("Mmat.dat", dir.readBytes("60С2Аmat.dat"));
        inputs = inputsOf({ "", "60С2А", 1, "20", "50", "30", "20" }, dir.path());
        inputs.materialName = "M";
    }
};

TEST_P(RowsAroundTheChoice, StockedOrderEachValueOnce)
{
    const ListCase& c = GetParam();
    dir.writeLines("M.dat", c.list);
    const Neighbours table = neighbourRows(inputs, FolderFiles(dir.path()), c.each);
    ASSERT_EQ(table.refusal, "");
    Lines listed;
    int methodRow = -1;
    for (const auto& row : table.rows) {
        if (row.methodChoice)
            methodRow = static_cast<int>(listed.size());
        listed.push_back(row.listed);
    }
    EXPECT_EQ(listed, c.rows);
    EXPECT_EQ(methodRow, c.methodRow);
}

INSTANTIATE_TEST_SUITE_P(Lists, RowsAroundTheChoice,
    testing::Values(ListCase { "twoEachSide", { "3", "4", "4,5", "5", "5,5", "6", "8" }, 2,
                        { "4", "4,5", "5", "5,5", "6" }, 2 },
        ListCase { "lowEnd", { "5", "6", "8", "10" }, 2, { "5", "6", "8" }, 0 },
        ListCase { "highEnd", { "3", "4", "5" }, 2, { "3", "4", "5" }, 2 },
        ListCase { "oneDiameter", { "5" }, 2, { "5" }, 0 },
        ListCase { "noneEachSide", { "4", "5", "6" }, 0, { "5" }, 0 },
        ListCase { "unsortedRepeatedAndBlank", { "6", "", "5", "4,5", "5,0", "4", "8" }, 1,
            { "4,5", "5", "6" }, 1 }),
    [](const testing::TestParamInfo<ListCase>& info) { return std::string(info.param.name); });

// Why the panel has no rows, in the user's words.
struct RefusalCase {
    const char* name;
    std::optional<Lines> list; // nullopt: no file
    std::string refusal;
};

class NeighbourRefusals : public testing::TestWithParam<RefusalCase> {
protected:
    TempDataDir dir;
    void SetUp() override
    {
        dir.copyFrom(SHIPPED_DATA_DIR);
        dir.writeLines("Mmat.dat", { "7,85", "20,5", "78,5", "0" }); // first table, class 1
    }
};

TEST_P(NeighbourRefusals, SaySo)
{
    const RefusalCase& c = GetParam();
    if (c.list)
        dir.writeLines("M.dat", *c.list);
    const CalcInputs inputs = inputsOf({ "", "M", 1, "10", "30", "20", "15" }, dir.path());
    const Neighbours table = neighbourRows(inputs, FolderFiles(dir.path()), 2);
    EXPECT_EQ(table.refusal, c.refusal);
    EXPECT_TRUE(table.rows.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, NeighbourRefusals,
    testing::Values(RefusalCase { "listMissing", std::nullopt, "Нет списка диаметров материала M: no M.dat" },
        RefusalCase { "listEmpty", Lines { "", "" }, "В файле M.dat нет ни одного диаметра" },
        RefusalCase { "stopsBeforeTheWire", Lines { "1", "2" },
            "Расчет не дошел до диаметра проволоки: Нет подходящего диаметра по нормали" }),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST(NeighbourQuestion, UnansweredSaysSoAndAnAnswerOffTheListIsNone)
{
    TempDataDir dir;
    dir.copyFrom(SHIPPED_DATA_DIR);
    CalcInputs inputs = inputsOf({ "", "60С2А", 1, "1", "2", "40", "10" }, dir.path());
    const std::string unanswered = "Расчет запрашивает диаметр проволоки (k3 больше 59,43), а он не выбран";
    EXPECT_EQ(neighbourRows(inputs, FolderFiles(dir.path()), 2).refusal, unanswered);
    inputs.chosenD = 3.3; // not stocked
    EXPECT_EQ(neighbourRows(inputs, FolderFiles(dir.path()), 2).refusal, unanswered);
    inputs.chosenD = 3.5;
    EXPECT_EQ(neighbourRows(inputs, FolderFiles(dir.path()), 2).rows.size(), 5u);
}

} // namespace
