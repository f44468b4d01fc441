#include "engine/features/design.h"
#include "engine/features/designsummary.h"

#include <gtest/gtest.h>

namespace {

using P = CalcValues;

struct ReachedCase {
    const char* name;
    std::vector<ReportedValue> reported;
    double CalcValues::*field;
    std::optional<double> expected;
};

void PrintTo(const ReachedCase& c, std::ostream* os)
{
    *os << c.name;
}

class Reached : public testing::TestWithParam<ReachedCase> { };

} // namespace

// A list shows what the report wrote, and nothing the report did not.
TEST_P(Reached, IsWhatTheReportWrote)
{
    DesignResult r;
    r.values.d = 4.70872318623488; // the record holds more than the report wrote
    r.values.nCalc = 0;
    r.values.i = 5;
    r.reported = GetParam().reported;
    EXPECT_EQ(reachedValue(r, GetParam().field), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, Reached,
    testing::Values(ReachedCase { "ListedDiameterAfterTheEstimate",
                        { { &P::d, 4.70872318623488 }, { &P::d, 5 } }, &P::d, 5.0 },
        ReachedCase {
            "EstimateWhenTheListingStopped", { { &P::d, 4.70872318623488 } }, &P::d, 4.70872318623488 },
        ReachedCase { "ZeroThatWasPrinted", { { &P::nCalc, 0 } }, &P::nCalc, 0.0 },
        ReachedCase { "NotWrittenIsAbsent", { { &P::d, 5 } }, &P::i, std::nullopt }),
    [](const auto& info) { return std::string(info.param.name); });
