// What the CLI cases do not reach: the quoting of CSV fields, and the
// header's date from SOURCE_DATE_EPOCH when it is not a number.
#include "cli/batchoutput.h"
#include "cli/header.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace {

struct Field {
    const char* text;
    const char* written;
};

class CsvField : public testing::TestWithParam<Field> { };

TEST_P(CsvField, IsQuotedOnlyWhenItMustBe)
{
    EXPECT_EQ(csvField(GetParam().text), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Fields, CsvField,
    testing::Values(Field { "4,71428571428571", "4,71428571428571" }, Field { "", "" },
        Field { "a;b", "\"a;b\"" }, Field { "say \"no\"", "\"say \"\"no\"\"\"" },
        Field { "Индекс пружины i>15.\nИзмените", "\"Индекс пружины i>15.\nИзмените\"" },
        Field { "cr\r", "\"cr\r\"" }, Field { "=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\"" },
        Field { "+7.rid", "\"'+7.rid\"" }, Field { "-x", "\"'-x\"" }, Field { "@SUM(A1)", "\"'@SUM(A1)\"" },
        Field { "\tTab", "\"'\tTab\"" }, Field { "-1,5", "-1,5" }, Field { "a=b", "a=b" }));

struct Epoch {
    const char* value; // SOURCE_DATE_EPOCH; nullptr: unset
    std::optional<std::string> shown;
};

class HeaderDate : public testing::TestWithParam<Epoch> {
protected:
    void SetUp() override
    {
        ::setenv("TZ", "MSK-3", 1); // three hours east of UTC, without the zone files
        ::tzset();
    }
    void TearDown() override
    {
        ::unsetenv("TZ");
        ::tzset();
    }
};

// `now` is 1 March 2025 09:30 UTC, 12:30 in Moscow.
TEST_P(HeaderDate, ComesFromTheEpochInUtcElseFromTheClockInLocalTime)
{
    EXPECT_EQ(headerDateTime(GetParam().value, 1740821400), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Values, HeaderDate,
    testing::Values(Epoch { nullptr, "01.03.2025 12:30" }, Epoch { "", "01.03.2025 12:30" },
        Epoch { "1733577600", "07.12.2024 13:20" }, Epoch { "0", "01.01.1970 00:00" },
        Epoch { "1733577600.5", std::nullopt }, Epoch { "-1", std::nullopt }, Epoch { " 1", std::nullopt },
        Epoch { "soon", std::nullopt }, Epoch { "99999999999999999999", std::nullopt }));

} // namespace
