#include "engine/common/arith.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(Nearest, TiesGoToTheEvenInteger)
{
    const double cases[][2] = { { 7.5, 8 }, { 6.5, 6 }, { 2.5, 2 }, { 3.5, 4 }, { 0.5, 0 }, { 1.5, 2 },
        { -2.5, -2 }, { 7.49999, 7 }, { 7.50001, 8 }, { 24, 24 }, { 0.2, 0 } };
    for (const auto& c : cases)
        EXPECT_EQ(nearest(c[0]), c[1]) << c[0];
}

TEST(CheckedArithmetic, FaultsAreErrorsNotNumbers)
{
    EXPECT_THROW(dv(1, 0), ArithmeticError);
    EXPECT_THROW(dv(0, 0), ArithmeticError);
    EXPECT_THROW(dv(1e308, 1e-308), ArithmeticError);
    EXPECT_THROW(root(-1e-300), ArithmeticError);
    EXPECT_THROW(checked(std::numeric_limits<double>::infinity()), ArithmeticError);
    EXPECT_THROW(wahl(1), ArithmeticError);
    EXPECT_EQ(root(0), 0);
    EXPECT_EQ(dv(1, 4), 0.25);
    EXPECT_DOUBLE_EQ(wahl(5), 1.3105);
}

} // namespace
