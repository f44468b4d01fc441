#include "engine/common/errors.h"
#include "engine/common/numtext.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace {

struct TextCase {
    double value;
    const char* text;
};

class NumTextTest : public testing::TestWithParam<TextCase> { };

TEST_P(NumTextTest, WritesGeneralFormat)
{
    EXPECT_EQ(numText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Numbers, NumTextTest,
    testing::Values(TextCase { 0, "0" }, TextCase { -0.0, "0" }, TextCase { 3, "3" },
        TextCase { 12.5, "12,5" }, TextCase { -12.5, "-12,5" }, TextCase { 0.5, "0,5" },
        TextCase { 10.0 / 3, "3,33333333333333" }, TextCase { 2.0 / 3, "0,666666666666667" },
        TextCase { 1000000, "1000000" }, TextCase { 0.0001, "0,0001" }, TextCase { 0.00012345, "0,00012345" },
        TextCase { 0.00001, "1E-5" }, TextCase { 0.000015, "1,5E-5" }, TextCase { -0.00001, "-1E-5" },
        TextCase { 1.5e20, "1,5E20" }, TextCase { 1e15, "1E15" },
        TextCase { 999999999999999, "999999999999999" },
        TextCase { 123456789012345678.0, "1,23456789012346E17" }, TextCase { 0.1 + 0.2, "0,3" },
        TextCase { 1.0 / 3 * 3, "1" }, TextCase { 5e-324, "4,94065645841247E-324" },
        // The largest doubles are cut, not rounded past the range.
        TextCase { std::numeric_limits<double>::max(), "1,79769313486231E308" },
        TextCase { -std::numeric_limits<double>::max(), "-1,79769313486231E308" },
        TextCase { 1.7976931348623e308, "1,7976931348623E308" },
        TextCase { 1.79769313486231e308, "1,79769313486231E308" }));

struct ReadCase {
    const char* text;
    double value;
};

class StrToFloatTest : public testing::TestWithParam<ReadCase> { };

TEST_P(StrToFloatTest, Reads)
{
    EXPECT_DOUBLE_EQ(strToFloat(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Accepted, StrToFloatTest,
    testing::Values(ReadCase { "0", 0 }, ReadCase { "12,5", 12.5 }, ReadCase { "  7,85  ", 7.85 },
        ReadCase { "-1", -1 }, ReadCase { "+3", 3 }, ReadCase { ",5", 0.5 }, ReadCase { "5,", 5 },
        ReadCase { "1E-5", 1e-5 }, ReadCase { "1,5e20", 1.5e20 }, ReadCase { "2E+3", 2000 },
        ReadCase { "00012", 12 }, ReadCase { "1E-400", 0 }));

TEST(StrToFloat, RefusesWhatIsNotANumber)
{
    for (const char* bad : { "", " ", ",", "1.5", "1,5,5", "abc", "1 5", "E5", "1E", "1E+", "--1", "0x10",
             "1,5 мм", "1e999", "inf", "nan", "\t1" }) {
        try {
            strToFloat(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(
                std::string(e.what()), std::string("'") + bad + "' is not a valid floating point value");
        }
    }
}

TEST(StrToInt, ReadsAndRefuses)
{
    EXPECT_EQ(strToInt("5"), 5);
    EXPECT_EQ(strToInt(" -1 "), -1);
    EXPECT_EQ(strToInt("2147483647"), 2147483647);
    EXPECT_EQ(strToInt("-2147483648"), std::numeric_limits<int>::min());
    for (const char* bad :
        { "", "1,0", "2147483648", "-2147483649", "x", "1E2", "-", "99999999999999999999" }) {
        try {
            strToInt(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + bad + "' is not a valid integer value");
        }
    }
}

// Qt sets the process locale from the desktop; the comma must stay.
// Whatever is shown can be typed back: a text that would not read would
// break a diameter list re-sorted around such a value.
TEST(NumText, ReadsBackAtTheEdgesOfTheRange)
{
    const double max = std::numeric_limits<double>::max();
    for (double v : { max, -max, std::nextafter(max, 0.0), 1.797693134862315e308, 1.797693134862305e308,
             std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min() }) {
        double back = 0;
        ASSERT_TRUE(tryStrToFloat(numText(v), back)) << numText(v);
        EXPECT_NEAR(back / v, 1.0, 1e-14) << numText(v);
    }
}

TEST(NumText, IgnoresTheProcessLocale)
{
    const char* set = nullptr;
    for (const char* name : { "ru_RU.UTF-8", "de_DE.UTF-8", "C.UTF-8" })
        if ((set = std::setlocale(LC_ALL, name)))
            break;
    EXPECT_EQ(numText(1.5), "1,5");
    EXPECT_DOUBLE_EQ(strToFloat("1,5"), 1.5);
    EXPECT_THROW(strToFloat("1.5"), ConversionError);
    std::setlocale(LC_ALL, "C");
}

} // namespace
