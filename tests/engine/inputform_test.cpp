#include "engine/common/errors.h"
#include "engine/method/inputform.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using Lines = std::vector<std::string>;

TEST(Rid, FreshFormSavesTheStartUpLines)
{
    InputForm f;
    f.materialName = "Проволока I класса";
    EXPECT_EQ(ridLines(f),
        (Lines { "1", "0", "1", "0", "0", "1", "0", "0", "0", "0", "0", "0", "0", "5", "0", "0", "0", "1",
            "1", "1", "1", "Проволока I класса" }));
}

TEST(Rid, SaveThenLoadGivesTheSameForm)
{
    InputForm f;
    f.rbh = false;
    f.rbl0 = true;
    f.mode = 2;
    f.l0Enabled = f.nEnabled = true;
    f.hEnabled = false;
    f.materialIndex = 3;
    f.f1 = "1,5";
    f.f2 = "abc"; // texts are kept whatever they hold
    f.d1 = "20,";
    f.h = "";
    f.vmax = "0,0";
    f.ni = "7";
    f.stepni = "6";
    f.l0 = "60";
    f.n = "8";
    f.grupIndex = 2;
    f.navivkaIndex = 0;
    f.niEnabled = false;
    f.materialName = "50ХФА";
    EXPECT_EQ(ridLines(parseRid(ridLines(f))), ridLines(f));
}

TEST(Rid, ShortFileFailsOnTheFirstMissingIntegerLine)
{
    Lines lines = ridLines(InputForm {});
    lines.resize(16);
    try {
        parseRid(lines, "a.rid");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "Файл a.rid: строка 17 — не целое число «»");
    }
}

TEST(Rid, IntegerLinesAreChecked)
{
    for (size_t line : { 3u, 7u, 17u, 18u }) {
        Lines lines = ridLines(InputForm {});
        lines[line - 1] = "x1";
        EXPECT_THROW(parseRid(lines), ConversionError) << "line " << line;
    }
}

struct IndexCase {
    size_t line;
    const char* text;
    bool accepted;
};

void PrintTo(const IndexCase& c, std::ostream* os)
{
    *os << "line " << c.line << ": " << c.text;
}

class RidIndex : public testing::TestWithParam<IndexCase> { };

// An index is checked before it is used, so no later "+ 1" can overflow.
TEST_P(RidIndex, OutOfRangeIsRefusedLikeABadLine)
{
    const auto& c = GetParam();
    Lines lines = ridLines(InputForm {});
    lines[c.line - 1] = c.text;
    if (c.accepted) {
        EXPECT_NO_THROW(parseRid(lines));
        return;
    }
    try {
        parseRid(lines);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.what(),
            "Строка " + std::to_string(c.line) + " файла исходных данных: значение " + c.text
                + " вне допустимых пределов");
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, RidIndex,
    testing::Values(IndexCase { 3, "0", false }, IndexCase { 3, "1", true }, IndexCase { 3, "2", true },
        IndexCase { 3, "3", false }, IndexCase { 7, "-2", false }, IndexCase { 7, "-1", true },
        IndexCase { 7, "2147483647", true }, IndexCase { 17, "-2", false }, IndexCase { 17, "-1", true },
        IndexCase { 17, "3", true }, IndexCase { 17, "4", false }, IndexCase { 17, "2147483647", false },
        IndexCase { 17, "-2147483648", false }, IndexCase { 18, "2147483647", true },
        IndexCase { 18, "-2147483648", true }));

TEST(Rid, FlagsAreOnlyTheCharacterOneAndWindingIsLimited)
{
    Lines lines = ridLines(InputForm {});
    lines[0] = "true";
    lines[17] = "5";
    lines.push_back("ignored");
    InputForm f = parseRid(lines);
    EXPECT_FALSE(f.rbh);
    EXPECT_EQ(f.navivkaIndex, 1);
    lines[17] = "-3";
    EXPECT_EQ(parseRid(lines).navivkaIndex, -1);
}

struct SavedMaterial {
    const char* name; // line 22
    int index; // line 7
    int chosen;
    const char* missing;
};

void PrintTo(const SavedMaterial& m, std::ostream* os)
{
    *os << m.name << " " << m.index;
}

class RidMaterial : public testing::TestWithParam<SavedMaterial> { };

// A saved name is looked up and never replaced by another material; only a
// file without a name takes its index. An empty name matches no empty line.
TEST_P(RidMaterial, IsTheNamedOneOrNone)
{
    const Lines list { "A", "", "B", "C", "B" };
    InputForm f;
    f.materialName = GetParam().name;
    f.materialIndex = GetParam().index;
    const int chosen = ridMaterialIndex(f, list);
    EXPECT_EQ(chosen, GetParam().chosen);
    EXPECT_EQ(missingMaterial(f, chosen), GetParam().missing);
}

INSTANTIATE_TEST_SUITE_P(Lists, RidMaterial,
    testing::Values(SavedMaterial { "B", 3, 2, "" },
        SavedMaterial { "gone", 3, -1, "В каталоге нет материала \"gone\"" }, SavedMaterial { "", 3, 3, "" },
        SavedMaterial { "", 1, 1, "" }, SavedMaterial { "", 5, -1, "" }, SavedMaterial { "", -1, -1, "" }),
    [](const auto& info) { return std::to_string(info.index); });

class FormInputs : public testing::Test {
protected:
    CalcInputs p;
    InputForm f;

    void SetUp() override
    {
        f.mode = 1;
        f.materialName = "M";
        f.f1 = "10";
        f.f2 = "30";
        f.d1 = "20";
        f.h = "15";
    }
};

TEST_F(FormInputs, StoresForcesInNewtonsAndAppliesTheReplacements)
{
    EXPECT_EQ(applyCalcInputs(p, f), InputOutcome::Proceed);
    EXPECT_EQ(p.F1, 100);
    EXPECT_EQ(p.F2, 300);
    EXPECT_EQ(f.vmax, "3");
    EXPECT_EQ(p.Vmax, 3);
    EXPECT_EQ(f.ni, "1");
    EXPECT_EQ(p.Ni, 1);
    EXPECT_EQ(p.NiExp, 5);
    EXPECT_EQ(p.group, 1);
    EXPECT_EQ(p.winding, 2);
}

TEST_F(FormInputs, OnlyTheExactTextZeroIsReplaced)
{
    f.vmax = "0,0";
    f.stepni = "0";
    EXPECT_EQ(applyCalcInputs(p, f), InputOutcome::Proceed);
    EXPECT_EQ(p.Vmax, 0);
    EXPECT_EQ(f.vmax, "0,0");
    EXPECT_EQ(p.NiExp, 0);
}

TEST_F(FormInputs, StopsSilentlyOnAZeroValueKeepingWhatWasStored)
{
    f.f2 = "0";
    EXPECT_EQ(applyCalcInputs(p, f), InputOutcome::Stopped);
    EXPECT_EQ(p.F1, 100);
    EXPECT_EQ(p.F2, 0);
    EXPECT_EQ(p.D1, 0);

    f.f2 = "30";
    f.h = "0";
    EXPECT_EQ(applyCalcInputs(p, f), InputOutcome::Stopped);
    f.mode = 2; // the stroke does not matter now, the free length does
    EXPECT_EQ(applyCalcInputs(p, f), InputOutcome::Stopped);
    EXPECT_EQ(p.group, 1);
    f.l0 = "60";
    EXPECT_EQ(applyCalcInputs(p, f), InputOutcome::Stopped);
    f.n = "8";
    EXPECT_EQ(applyCalcInputs(p, f), InputOutcome::Proceed);
}

TEST_F(FormInputs, NoGroupAndNoWindingGiveZero)
{
    for (int index : { -1, std::numeric_limits<int>::max(), std::numeric_limits<int>::min() }) {
        f.grupIndex = index;
        f.navivkaIndex = index == -1 ? -1 : 0;
        applyCalcInputs(p, f);
        EXPECT_EQ(p.group, 0) << index;
    }
    EXPECT_EQ(p.winding, 0 + 1);
    f.navivkaIndex = -1;
    applyCalcInputs(p, f);
    EXPECT_EQ(p.winding, 0);
}

TEST_F(FormInputs, TextsThatAreNotNumbersFail)
{
    f.d1 = "2O";
    try {
        applyCalcInputs(p, f);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'2O' is not a valid floating point value");
    }
    EXPECT_EQ(p.F2, 300);
    f.d1 = "20";
    f.ni = "1,5";
    EXPECT_THROW(applyCalcInputs(p, f), ConversionError);
}

// Without a material nothing else is read: no file is named after "".
TEST_F(FormInputs, RefuseNoMaterialFirst)
{
    f.materialName.clear();
    p.F1 = -7;
    const InputCheck check = applyCalcInputs(p, f);
    EXPECT_EQ(check.outcome, InputOutcome::Refused);
    EXPECT_EQ(check.message, "Не выбран материал");
    EXPECT_EQ(p.F1, -7); // not read
}

// The fields in the order of their refusals: F1, F2, D1, H, L0, n, Vmax.
constexpr int kNone = 7;

struct RefusalCase {
    const char* name;
    int mode;
    int negativeFrom; // this field and every later one are made negative
    int field; // then this field (kNone: none) is set to `text`
    const char* text;
    InputOutcome outcome;
    const char* message;
};

class Refusals : public FormInputs, public testing::WithParamInterface<RefusalCase> { };

// The message names the first refused value in the order; the zero stops
// come before any value's refusal, and the fields of the other mode are not checked.
TEST_P(Refusals, FirstRefusedValueInOrderIsNamed)
{
    const RefusalCase& c = GetParam();
    f.mode = c.mode;
    std::string* fields[] = { &f.f1, &f.f2, &f.d1, &f.h, &f.l0, &f.n, &f.vmax };
    f.l0 = "60";
    f.n = "8";
    for (int k = c.negativeFrom; k < kNone; ++k)
        *fields[k] = "-" + std::to_string(k + 1);
    if (c.field != kNone)
        *fields[c.field] = c.text;
    const InputCheck check = applyCalcInputs(p, f);
    EXPECT_EQ(check.outcome, c.outcome);
    EXPECT_EQ(check.message, c.message);
}

INSTANTIATE_TEST_SUITE_P(InOrder, Refusals,
    testing::Values(RefusalCase { "F1", 1, 0, kNone, "", InputOutcome::Refused,
                        "Значение F1 не может быть отрицательным" },
        RefusalCase {
            "F2", 1, 1, kNone, "", InputOutcome::Refused, "Значение F2 не может быть отрицательным" },
        RefusalCase {
            "D1", 1, 2, kNone, "", InputOutcome::Refused, "Значение D1 не может быть отрицательным" },
        RefusalCase { "H", 1, 3, kNone, "", InputOutcome::Refused, "Значение H не может быть отрицательным" },
        RefusalCase {
            "L0", 2, 3, kNone, "", InputOutcome::Refused, "Значение L0 не может быть отрицательным" },
        RefusalCase { "N", 2, 5, kNone, "", InputOutcome::Refused, "Значение n не может быть отрицательным" },
        RefusalCase {
            "Vmax", 1, 4, kNone, "", InputOutcome::Refused, "Значение Vmax не может быть отрицательным" },
        RefusalCase {
            "EqualForces", 1, kNone, 1, "10", InputOutcome::Refused, "Сила F2 должна быть больше силы F1" },
        RefusalCase {
            "F2BelowF1", 1, kNone, 1, "9,99", InputOutcome::Refused, "Сила F2 должна быть больше силы F1" },
        RefusalCase { "ZeroStopFirst", 1, 0, 2, "0", InputOutcome::Stopped, "Расчет не выполнялся: D1 = 0" },
        RefusalCase {
            "LaterZeroStopFirst", 2, 0, 4, "0", InputOutcome::Stopped, "Расчет не выполнялся: L0 = 0" },
        RefusalCase { "FreeLengthIgnoredWithTheStroke", 1, 4, 6, "2", InputOutcome::Proceed, "" },
        RefusalCase { "StrokeIgnoredWithTheFreeLength", 2, kNone, 3, "-15", InputOutcome::Proceed, "" }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
