#include "engine/common/errors.h"
#include "engine/method/calccontext.h"
#include "engine/method/lookups.h"
#include "testdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

class Lookups : public testing::Test {
protected:
    TempDataDir dir;
    FolderFiles files { dir.path() };
    CalcInputs p { .materialName = "M", .dataDir = dir.path() };
    RecordingHost host;
    // The look-ups' context of the inputs as they stand at its first use.
    CalcContext& ctx()
    {
        if (!context_) {
            context_ = std::make_unique<CalcContext>(p, host, files);
            context_->values().materialClass = 0; // the first class unless a test says otherwise
        }
        return *context_;
    }

private:
    std::unique_ptr<CalcContext> context_;
};

TEST_F(Lookups, IndexOfTheNearestK3TheEarlierOfTwoEquallyNear)
{
    dir.writeLines("k3.dat", { "1", "2", "3", "10", "12" });
    EXPECT_EQ(FindIpoK3(ctx(), 11), 3.3);
    EXPECT_EQ(FindIpoK3(ctx(), 0.5), 3.0); // below a rising table
    EXPECT_EQ(FindIpoK3(ctx(), 1000), 3.4);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(Lookups, IndexIsTheExactTenthOfItsLine)
{
    std::vector<std::string> lines;
    for (int k = 0; k < 71; ++k)
        lines.push_back(std::to_string(k));
    dir.writeLines("k3.dat", lines);
    EXPECT_EQ(FindIpoK3(ctx(), 7), 3.7);
    EXPECT_EQ(FindIpoK3(ctx(), 70), 10.0);
}

TEST_F(Lookups, K3FileProblems)
{
    EXPECT_FALSE(FindIpoK3(ctx(), 20));
    EXPECT_EQ(host.messages, std::vector<std::string> { "no k3.dat" });
    EXPECT_FALSE(ctx().stopped());

    dir.writeLines("k3.dat", {});
    EXPECT_THROW(FindIpoK3(ctx(), 20), ConversionError);
    dir.writeLines("k3.dat", { "5000" }); // nothing nearer than 1000
    EXPECT_THROW(FindIpoK3(ctx(), 20), ConversionError);
    dir.writeLines("k3.dat", { "13,91", "x" });
    try {
        FindIpoK3(ctx(), 20);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'x' is not a valid floating point value");
    }
}

TEST_F(Lookups, PodborTakesTheNextGreaterListedDiameter)
{
    dir.writeLines("M.dat", { "3", "", "1,5", "2", "1" });
    EXPECT_EQ(podbor(ctx(), 1.2), 1.5);
    EXPECT_EQ(podbor(ctx(), 1.5), 2); // an equal one is not taken
    EXPECT_EQ(podbor(ctx(), 0.1), 1); // the empty line counts as 0
    EXPECT_EQ(podbor(ctx(), 2.9999), 3);
    EXPECT_FALSE(ctx().stopped());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(Lookups, PodborWithNothingAboveReturnsItsArgumentAndSaysSoOnce)
{
    dir.writeLines("M.dat", { "1", "2" });
    EXPECT_EQ(podbor(ctx(), 2), 2);
    EXPECT_TRUE(ctx().stopped());
    EXPECT_EQ(podbor(ctx(), 2.5), 2.5);
    EXPECT_EQ(host.messages, std::vector<std::string> { "Нет подходящего диаметра по нормали" });
}

TEST_F(Lookups, PodborWithoutItsFile)
{
    p.materialName = "60С2А";
    EXPECT_FALSE(podbor(ctx(), 2));
    EXPECT_EQ(host.messages, std::vector<std::string> { "no 60С2А.dat" });
    EXPECT_FALSE(ctx().stopped());
}

class Sigma : public Lookups {
protected:
    void SetUp() override
    {
        std::vector<std::string> diameters, strengths;
        for (int k = 1; k <= 22; ++k)
            diameters.push_back(std::to_string(k) + ",5");
        for (int line = 1; line <= 132; ++line)
            strengths.push_back(std::to_string(line));
        dir.writeLines("sigmdiam.dat", diameters);
        dir.writeLines("sigmab.dat", strengths);
    }
};

TEST_F(Sigma, ReadsTheMaterialsBlockAtTheNearestDiameterFromAbove)
{
    struct {
        int cls;
        double d;
        double line;
    } rows[] = { { 0, 1.5, 1 }, { 0, 1.2, 1 }, { 0, 0.1, 1 }, { 0, 1.6, 2 }, { 1, 1.5, 23 }, { 5, 1.5, 45 },
        { 6, 22.5, 88 }, { 7, 1.5, 89 }, { 8, 1.5, 89 }, { 9, 3.5, 113 } };
    for (auto r : rows) {
        ctx().values().materialClass = r.cls;
        EXPECT_EQ(loadSigma(ctx(), r.d), r.line) << "class " << r.cls << " d " << r.d;
    }
    EXPECT_FALSE(ctx().stopped());
}

TEST_F(Sigma, MarkerMeansNotMadeInThatDiameter)
{
    std::vector<std::string> strengths(132, "900");
    strengths[4] = "-1";
    dir.writeLines("sigmab.dat", strengths);
    p.materialName = "БрБ2";
    EXPECT_EQ(loadSigma(ctx(), 4.5), 900);
    EXPECT_EQ(loadSigma(ctx(), 5.6), 900);
    host.report.clear();
    EXPECT_EQ(loadSigma(ctx(), 5), 0); // row 5, 5,5 mm: "-1"
    const std::string text = "Материал БрБ2 не применяется для D=5";
    EXPECT_EQ(host.messages, std::vector<std::string> { text });
    EXPECT_EQ(host.report, std::vector<std::string> { text });
    EXPECT_TRUE(ctx().stopped());
}

TEST_F(Sigma, MinusOneWithADecimalPartIsANumber)
{
    std::vector<std::string> strengths(132, "-1,0");
    dir.writeLines("sigmab.dat", strengths);
    EXPECT_EQ(loadSigma(ctx(), 1), -1);
    EXPECT_FALSE(ctx().stopped());
}

TEST_F(Sigma, NoTabulatedDiameterAtOrAboveIsNotMade)
{
    p.materialName = "X";
    EXPECT_EQ(loadSigma(ctx(), 0.5), 1);
    EXPECT_EQ(loadSigma(ctx(), 23), 0);
    EXPECT_EQ(host.messages, std::vector<std::string> { "Материал X не применяется для D=23" });
    EXPECT_TRUE(ctx().stopped());
}

TEST_F(Lookups, SigmaFilesMissing)
{
    EXPECT_FALSE(loadSigma(ctx(), 1));
    dir.writeLines("sigmdiam.dat", { "1" });
    EXPECT_FALSE(loadSigma(ctx(), 1));
    EXPECT_EQ(host.messages, (std::vector<std::string> { "no sigmdiam.dat", "no sigmab.dat" }));
    EXPECT_FALSE(ctx().stopped());
}

} // namespace

namespace {

struct TracedLookup {
    const char* name;
    std::function<void(CalcContext&)> call;
    const char* file;
    int line; // 0: none fits
    const char* text; // the line as read
};

void PrintTo(const TracedLookup& l, std::ostream* os)
{
    *os << l.name;
}

class LookupSteps : public Lookups, public testing::WithParamInterface<TracedLookup> {
protected:
    void SetUp() override
    {
        dir.writeLines("k3.dat", { "1", "2", "3", "10", "12" });
        dir.writeLines("M.dat", { "3", "", "1,5", "2", "1" });
        dir.writeLines("sigmdiam.dat", { "1,5", "2,5", "3,5" });
        std::vector<std::string> strengths;
        for (int line = 1; line <= 44; ++line)
            strengths.push_back(std::to_string(line * 10));
        dir.writeLines("sigmab.dat", strengths);
    }
};

// The look-up's last step names the file, the line used and its text.
TEST_P(LookupSteps, NameTheFileAndTheLineUsed)
{
    Trace trace;
    CalcContext traced(p, host, files, &trace);
    traced.values().materialClass = 1;
    GetParam().call(traced);
    auto last = std::find_if(trace.steps.rbegin(), trace.steps.rend(),
        [](const TraceStep& s) { return s.kind == StepKind::Lookup; });
    ASSERT_NE(last, trace.steps.rend());
    const TraceStep& step = *last;
    EXPECT_EQ(step.file, GetParam().file);
    EXPECT_EQ(step.line, GetParam().line);
    EXPECT_EQ(step.lineText, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(HandMadeTables, LookupSteps,
    testing::Values(TracedLookup { "K3Nearest", [](CalcContext& c) { FindIpoK3(c, 11); }, "k3.dat", 4, "10" },
        TracedLookup {
            "DiameterAboveCountsEmptyLines", [](CalcContext& c) { podbor(c, 1.2); }, "M.dat", 3, "1,5" },
        TracedLookup { "NoDiameterAbove", [](CalcContext& c) { podbor(c, 5); }, "M.dat", 0, "" },
        TracedLookup {
            "StrengthInTheClassBlock", [](CalcContext& c) { loadSigma(c, 1.6); }, "sigmab.dat", 24, "240" },
        TracedLookup {
            "StrengthOfAnEqualDiameter", [](CalcContext& c) { loadSigma(c, 2.5); }, "sigmab.dat", 24, "240" },
        TracedLookup { "StrengthOfTheFirstBlock",
            [](CalcContext& c) {
                c.values().materialClass = 0;
                loadSigma(c, 1.5);
            },
            "sigmab.dat", 1, "10" },
        TracedLookup {
            "NoTabulatedDiameter", [](CalcContext& c) { loadSigma(c, 4); }, "sigmdiam.dat", 0, "" }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
