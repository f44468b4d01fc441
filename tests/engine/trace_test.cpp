#include "engine/catalogue/textfile.h"
#include "engine/common/errors.h"
#include "engine/common/numtext.h"
#include "engine/method/calc.h"
#include "engine/method/calccontext.h"
#include "engine/method/trace.h"
#include "testdir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string_view>

namespace {

using Lines = std::vector<std::string>;

// Reads back the numbers of a substitution ("20 / √(375 / 618)"): + − · /,
// unary minus, ² ³, √(...), round(...) (ties to even), decimal commas.
class Expression {
public:
    explicit Expression(std::string_view text)
        : s(text)
    {
    }

    double value()
    {
        double v = sum();
        if (!s.empty())
            throw std::runtime_error("unread: " + std::string(s));
        return v;
    }

private:
    std::string_view s;

    bool take(std::string_view token)
    {
        while (s.starts_with(' '))
            s.remove_prefix(1);
        if (!s.starts_with(token))
            return false;
        s.remove_prefix(token.size());
        return true;
    }
    double sum()
    {
        double v = product();
        for (;;) {
            if (take("+"))
                v += product();
            else if (take("−"))
                v -= product();
            else
                return v;
        }
    }
    double product()
    {
        double v = power();
        for (;;) {
            if (take("·"))
                v *= power();
            else if (take("/"))
                v /= power();
            else
                return v;
        }
    }
    double power()
    {
        if (take("-") || take("−"))
            return -power();
        double v = primary();
        for (;;) {
            if (take("²"))
                v = v * v;
            else if (take("³"))
                v = v * v * v;
            else
                return v;
        }
    }
    double primary()
    {
        const bool root = take("√"), rounded = !root && take("round");
        if (take("(")) {
            const double v = sum();
            if (!take(")"))
                throw std::runtime_error(") expected at " + std::string(s));
            return root ? std::sqrt(v) : rounded ? std::nearbyint(v) : v;
        }
        size_t n = 0;
        while (n < s.size()
            && (std::isdigit(static_cast<unsigned char>(s[n])) || s[n] == ',' || s[n] == 'E'
                || (s[n] == '-' && n > 0 && s[n - 1] == 'E')))
            ++n;
        if (root || rounded || n == 0)
            throw std::runtime_error("number expected at " + std::string(s));
        const double v = strToFloat(std::string(s.substr(0, n)));
        s.remove_prefix(n);
        return v;
    }
};

// The report key of each value (the text before the number's "="), and the
// record's names whose value it may show.
const std::map<std::string, std::set<std::string>> kKeys = { { "F3", { "F3" } }, { "taupr", { "taupr" } },
    { "k3", { "k3" } }, { "ipr", { "ipr" } }, { "k1", { "k1pr", "k1" } }, { "d", { "dpr", "d" } },
    { "SIGMА_B", { "SIGMA_B" } }, { "SIGMA_B", { "tau" } }, { "tau", { "tau" } }, { "i", { "i" } },
    { "k2", { "k2" } }, { "С1", { "C1" } }, { "Dср", { "Dcp" } }, { "S3", { "S3coil", "S3" } },
    { "n", { "nCalc" } }, { "c", { "c" } }, { "Vкр", { "Vkr" } }, { "S1", { "S1" } }, { "S2", { "S2" } },
    { "N1", { "N1" } }, { "t", { "t" } }, { "L3", { "L3" } }, { "L0", { "L0calc" } }, { "L1", { "L1" } },
    { "L2", { "L2" } }, { "L", { "L" } }, { "M", { "M" } } };

// The key of a value line: the word right before the last "=".
std::string keyOf(const std::string& line)
{
    const size_t eq = line.rfind('=');
    const size_t start = line.find_last_of(" *", eq - 1) + 1; // 0 when none: npos + 1
    return line.substr(start, eq - start);
}

// What every calculation's trace must hold against its report, messages
// and data files.
void checkTrace(const Trace& trace, const RecordingHost& host, const std::string& dataDir)
{
    std::vector<int> stepsOfLine(host.report.size(), 0);
    Lines messages;
    int choices = 0;
    for (const TraceStep& s : trace.steps) {
        SCOPED_TRACE(s.formula + s.text);
        if (s.kind == StepKind::Message)
            messages.push_back(s.text);
        if (s.kind == StepKind::Choice)
            ++choices;
        if (s.value)
            EXPECT_EQ(s.valueText, numText(*s.value));
        // A divisor too small for the printed digits is given in the step's
        // note; the substitution alone cannot be worked back.
        if (!s.substitution.empty() && !s.text.starts_with("знаменатель")) {
            const double v = Expression(s.substitution.substr(s.substitution.find(" = ") + 3)).value();
            EXPECT_NEAR(v, *s.value, 1e-9 * (std::fabs(*s.value) + 1)) << s.substitution;
        }
        if (s.kind == StepKind::Lookup && s.line > 0) {
            auto lines = readDataLines(dataDir, s.file);
            ASSERT_TRUE(lines && s.line <= static_cast<int>(lines->size())) << s.file << " " << s.line;
            EXPECT_EQ((*lines)[static_cast<size_t>(s.line - 1)], s.lineText) << s.file << " " << s.line;
        }
        if (s.kind == StepKind::Check)
            EXPECT_TRUE(s.passed.has_value());
        if (s.reportLine < 0)
            continue;
        ASSERT_LT(s.reportLine, static_cast<int>(host.report.size()));
        ++stepsOfLine[static_cast<size_t>(s.reportLine)];
        const std::string& line = host.report[static_cast<size_t>(s.reportLine)];
        if (s.kind == StepKind::Line) {
            EXPECT_EQ(line, s.text);
            continue;
        }
        ASSERT_TRUE(s.value) << line;
        const std::string shown = line.substr(line.rfind('=') + 1);
        EXPECT_EQ(shown.substr(0, shown.find(' ')), s.valueText) << line;
        auto key = kKeys.find(keyOf(line));
        ASSERT_NE(key, kKeys.end()) << line;
        EXPECT_TRUE(key->second.count(s.name)) << s.name << " in " << line;
    }
    for (size_t k = 0; k < stepsOfLine.size(); ++k)
        EXPECT_EQ(stepsOfLine[k], 1) << "report line " << k << ": " << host.report[k];
    EXPECT_EQ(messages, host.messages);
    EXPECT_EQ(choices, host.asked);
}

class Traced : public testing::Test {
protected:
    TempDataDir dir;
    CalcInputs p;
    RecordingHost host;
    CalcResult r;
    Trace trace;

    void SetUp() override
    {
        dir.copyFrom(SHIPPED_DATA_DIR);
        p.dataDir = dir.path();
    }

    // Runs the calculation and checks its trace, also when it threw.
    void runAndCheck()
    {
        host.messages.clear();
        host.asked = 0;
        r = calculate(p, host, FolderFiles(p.dataDir), { .trace = true });
        trace = r.trace;
        checkTrace(trace, host, p.dataDir);
    }
};

// The inputs of "Расчет" (forces in newtons) for a material: the working
// stroke `h`, or with `l0` the free length and `n` coils.
void spring(CalcInputs& p, const std::string& material, double f1, double f2, double d1, double h,
    double l0 = 0, double n = 0, double vmax = 2)
{
    p.materialName = material;
    p.F1 = f1;
    p.F2 = f2;
    p.D1 = d1;
    p.H = h;
    p.Vmax = vmax;
    p.group = 1;
    p.mode = l0 > 0 ? 2 : 1;
    p.L0 = l0;
    p.n = n;
}

using Setup = std::function<void(TempDataDir&, CalcInputs&, RecordingHost&)>;

struct TraceCase {
    const char* name;
    Setup setup;
};

void PrintTo(const TraceCase& c, std::ostream* os)
{
    *os << c.name;
}

class EveryLine : public Traced, public testing::WithParamInterface<TraceCase> { };

TEST_P(EveryLine, HasItsStepWithTheSameValue)
{
    GetParam().setup(dir, p, host);
    runAndCheck();
    EXPECT_FALSE(trace.steps.empty());
}

const char* const kWire2 = "Проволока II класса";
const char* const kSteel = "60С2А";

Setup of(const char* material, double f1, double f2, double d1, double h, double l0 = 0, double n = 0,
    double vmax = 2)
{
    return
        [=](TempDataDir&, CalcInputs& p, RecordingHost&) { spring(p, material, f1, f2, d1, h, l0, n, vmax); };
}

// A material "M" of class `cls` whose stress tables say 1000 everywhere, so
// that k3 = D1 / √(F3 / 1000): D1 = 35 and F2 = 200 ask for the diameter,
// answered with `pick` (nullptr: cancelled).
Setup materialM(int cls, const Lines& diameters, const char* pick, double f1 = 100, double f2 = 200,
    double d1 = 35, double h = 10, double l0 = 0, double n = 0)
{
    return [=](TempDataDir& dir, CalcInputs& p, RecordingHost& host) {
        dir.writeLines("Mmat.dat", { "7,85", "20,5", "78,5", std::to_string(cls) });
        dir.writeLines("M.dat", diameters);
        dir.writeLines("tau1.dat", Lines(36, "1000"));
        Lines tau2;
        for (int code : { 2, 3, 4 })
            tau2.insert(tau2.end(), { std::to_string(code), "1000", "1000", "1000", "1000" });
        dir.writeLines("tau2.dat", tau2);
        spring(p, "M", f1, f2, d1, h, l0, n);
        host.pick = pick ? std::optional<std::string>(pick) : std::nullopt;
    };
}

// `setup` in `group`, a data file rewritten with `lines` (removed without).
Setup with(Setup setup, int group, const char* file = nullptr, const std::optional<Lines>& lines = {})
{
    return [=](TempDataDir& dir, CalcInputs& p, RecordingHost& host) {
        setup(dir, p, host);
        p.group = group;
        if (file && lines)
            dir.writeLines(file, *lines);
        else if (file)
            std::filesystem::remove(dir.path() + file);
    };
}

Setup missing(const char* file, const char* material)
{
    return with(of(material, 100, 500, 30, 20), 1, file);
}

INSTANTIATE_TEST_SUITE_P(Calculations, EveryLine,
    testing::Values(TraceCase { "FirstTable", of(kWire2, 100, 300, 20, 15) },
        TraceCase { "SecondTable", of(kSteel, 200, 500, 30, 20) },
        TraceCase { "FreeLength", of(kSteel, 200, 500, 30, 0, 200, 24) },
        TraceCase { "CoilContactCorrected", of(kSteel, 200, 500, 30, 0, 100, 24) },
        TraceCase { "SlenderBelowThree", of(kSteel, 200, 500, 30, 0, 74.99, 2) },
        TraceCase { "ChosenFirstTable", materialM(0, { "4", "5", "6" }, "5") },
        TraceCase { "ChosenSecondTable", materialM(2, { "4", "5", "6" }, "5") },
        TraceCase { "ChosenFreeLength", materialM(2, { "2" }, "2", 100, 200, 30, 0, 60, 10) },
        TraceCase { "IndexBelowThree", materialM(2, { "5" }, "5", 10, 80, 19, 10) },
        TraceCase { "Cancelled", materialM(0, { "4", "5", "6" }, nullptr) },
        TraceCase { "IndexAboveFifteenFirstTable", materialM(0, { "2,5" }, "2,5", 100, 200, 40.1) },
        TraceCase { "IndexAboveFifteenSecondTable", materialM(2, { "2,5" }, "2,5", 100, 200, 40.1) },
        TraceCase { "GroupNotUsed", with(of("Проволока I класса", 100, 300, 20, 15), 4) },
        TraceCase { "ShareNotUsed",
            with(materialM(0, { "1", "2", "3", "4", "5" }, nullptr, 100, 200, 20), 4, "tau1.dat",
                Lines(36, "700")) },
        TraceCase { "NoListedDiameter", of(kSteel, 100, 50000, 300, 20) },
        TraceCase {
            "NotMadeInThatDiameter", with(of(kWire2, 100, 300, 20, 15), 1, "sigmab.dat", Lines(132, "-1")) },
        TraceCase { "ImpactCheck", of(kSteel, 200, 500, 30, 20, 0, 0, 10) },
        TraceCase { "ArithmeticFault", of(kSteel, 500, 500, 30, 20) },
        TraceCase { "NoProperties", missing("60С2Аmat.dat", kSteel) },
        TraceCase { "NoStressTable", missing("tau2.dat", kSteel) },
        TraceCase { "NoK3", missing("k3.dat", kSteel) },
        TraceCase { "NoDiameters", missing("60С2А.dat", kSteel) },
        TraceCase { "NoTabulatedDiameters", missing("sigmdiam.dat", "БрБ2") },
        TraceCase { "NoStrengths", missing("sigmab.dat", "БрБ2") }),
    [](const auto& info) { return std::string(info.param.name); });

// Springs drawn at random over the shipped catalogue, both modes, the
// diameter question answered with a listed diameter or cancelled.
TEST_F(Traced, GeneratedCalculations)
{
    const Lines materials = *readDataLines(SHIPPED_DATA_DIR, "material.dat");
    std::mt19937 random(20240613);
    auto uniform
        = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
    auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
    for (int run = 0; run < 400; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        const std::string& material = materials[pick(materials.size())];
        const double f1 = std::round(uniform(1, 100)) * 10;
        spring(p, material, f1, f1 + std::round(uniform(1, 300)) * 10, std::round(uniform(3, 80)),
            std::round(uniform(1, 60)), 0, 0, uniform(0.5, 15));
        p.group = static_cast<int>(pick(4)) + 1;
        if (pick(2)) {
            p.mode = 2;
            p.L0 = std::round(uniform(10, 300));
            p.n = std::round(uniform(2, 30));
        }
        auto diameters = *readDataLines(p.dataDir, material + ".dat");
        host.pick = pick(4) ? std::optional(diameters[pick(diameters.size())]) : std::nullopt;
        runAndCheck();
    }
}

} // namespace

namespace {

struct RemarkCase {
    const char* name;
    Setup setup;
    StepKind kind;
    const char* step; // the step's field name; empty: any step of the kind
    std::function<std::string(const CalcValues&)> expected; // found in the step's text or file
};

void PrintTo(const RemarkCase& c, std::ostream* os)
{
    *os << c.name;
}

class Remarks : public Traced, public testing::WithParamInterface<RemarkCase> { };

} // namespace

// Where the printed numbers alone would not let the reader follow a step,
// the trace says more.
TEST_P(Remarks, SayWhatTheNumbersWouldHide)
{
    GetParam().setup(dir, p, host);
    runAndCheck();
    const std::string expected = GetParam().expected(r.values);
    bool found = false;
    for (const TraceStep& s : trace.steps)
        if (s.kind == GetParam().kind && (!*GetParam().step || s.name == GetParam().step))
            found = found || (s.text + "|" + s.file).find(expected) != std::string::npos;
    EXPECT_TRUE(found) << expected;
}

INSTANTIATE_TEST_SUITE_P(Trace, Remarks,
    testing::Values(RemarkCase { "RoundingShowsTheValueAndTheRule", of(kSteel, 200, 500, 30, 20),
                        StepKind::Value, "nCalc",
                        [](const CalcValues& p) {
                            return "до округления " + numText(p.C1 * p.H / (p.F2 - p.F1))
                                + "; округляется до ближайшего целого, ровно половина — до четного";
                        } },
        // i' = (D1 − 4) / 4 a hair above 0,75: 4 · i' − 3 prints as 0.
        RemarkCase { "DivisorThatPrintsAsZero", materialM(0, { "4" }, "4", 1, 2, 7.000000000000001),
            StepKind::Value, "k1pr",
            [](const CalcValues& p) {
                return "знаменатель 4 · i' − 3 = 4 · " + exactText(p.ipr)
                    + " − 3 = " + numText(4 * p.ipr - 3);
            } },
        RemarkCase { "FileNamedAsOnDisk",
            [](TempDataDir& dir, CalcInputs& p, RecordingHost& host) {
                of(kSteel, 200, 500, 30, 20)(dir, p, host);
                std::filesystem::rename(dir.path() + "tau2.dat", dir.path() + "TAU2.DAT");
            },
            StepKind::Lookup, "", [](const CalcValues&) { return std::string("|TAU2.DAT"); } },
        RemarkCase { "BronzesNamedApart", of("БрОЦ4-3", 20, 50, 12, 10), StepKind::Lookup, "",
            [](const CalcValues&) { return std::string("БрКМц3-1 и БрОЦ4-3"); } }),
    [](const auto& info) { return std::string(info.param.name); });

// A check whose two sides print alike in 15 digits shows them in full, so
// the verdict agrees with the numbers.
TEST(CheckText, SidesThatDifferBeyondFifteenDigitsAreShownInFull)
{
    RecordingHost host;
    Trace trace;
    const FolderFiles files({});
    CalcContext c(CalcInputs {}, host, files, &trace);
    CalcValues& p = c.values();
    p.k3 = 59.43000000000001;
    c.check({ "{k3}", p.k3 }, "≤", { "59,43", 59.43 }, false);
    p.L0calc = 3 - 4.440892098500626e-16;
    p.Dcp = 1;
    c.check({ "{L0} / {Dср}", p.L0calc }, "<", { "3", 3 }, true);
    c.check({ "{k3}", p.k3 }, "≤", { "60", 60 }, true);
    ASSERT_EQ(trace.steps.size(), 3u);
    EXPECT_EQ(trace.steps[0].text, "k3 = 59,43000000000001 ≤ 59,43 — не выполнено");
    EXPECT_EQ(trace.steps[1].text, "L0 / Dср = 3 / 1 = 2,9999999999999996 < 3 — выполнено");
    EXPECT_EQ(trace.steps[2].text, "k3 = 59,43 ≤ 60 — выполнено");
}
