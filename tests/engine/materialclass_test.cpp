#include "engine/catalogue/materialclass.h"
#include "engine/catalogue/textfile.h"

#include <gtest/gtest.h>

namespace {

// The table's rows and the shipped files must agree: the line before a
// class's group lines holds its code, and its tensile-strength block exists.
TEST(MaterialClasses, RowsPointAtTheirBlocksInTheShippedTables)
{
    const auto sigma = readDataLines(SHIPPED_DATA_DIR, "sigmab.dat");
    ASSERT_TRUE(sigma);
    for (size_t code = 0; code < kMaterialClasses.size(); ++code) {
        const MaterialClass& c = kMaterialClasses[code];
        ASSERT_NE(c.table, StressTable::None) << c.caption;
        const auto lines = readDataLines(SHIPPED_DATA_DIR, stressTableFile(c.table));
        ASSERT_TRUE(lines) << c.caption;
        const auto skip = static_cast<size_t>(c.tableSkip);
        ASSERT_GE(lines->size(), skip + 4) << c.caption;
        EXPECT_EQ((*lines)[skip - 1], std::to_string(code)) << c.caption;
        EXPECT_EQ(c.sigmaBlock >= 0, c.table == StressTable::FirstApproximation) << c.caption;
        EXPECT_GE(sigma->size(), static_cast<size_t>((c.sigmaBlock + 1) * kSigmaBlockRows)) << c.caption;
    }
}

} // namespace
