// pruzcalc --search --format json read back: one object per kept spring,
// in the order of the text table, each with its check passed.
#include "cli/options.h"
#include "cli/searchoutput.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace {

std::string searchOutput(const char* format)
{
    const std::string rid = std::string(EXAMPLES_DIR) + "wire-class2.rid";
    const char* argv[] = { "pruzcalc", "--data", SHIPPED_DATA_DIR, "--search", "--outer-min", "38",
        "--outer-max", "40", "--limit", "4", "--format", format, rid.c_str() };
    const ParsedArgs args = parseArgs(static_cast<int>(std::size(argv)), argv);
    std::ostringstream out, err;
    EXPECT_EQ(runSearchCommand(args.options, out, err), 0);
    return out.str();
}

TEST(SearchOutput, JsonHoldsTheTextTableRowsWithTheirCheck)
{
    const auto rows = nlohmann::json::parse(searchOutput("json"));
    std::istringstream text(searchOutput("text"));
    std::string line;
    std::getline(text, line); // the heading
    std::getline(text, line); // the header
    ASSERT_FALSE(rows.empty());
    ASSERT_LE(rows.size(), 4u);
    for (const auto& row : rows) {
        ASSERT_TRUE(std::getline(text, line));
        EXPECT_EQ(line.substr(0, line.find('\t')), row["material"].get<std::string>());
        EXPECT_GE(row["group"].get<int>(), 1);
        EXPECT_LE(row["group"].get<int>(), 4);
        for (const char* key : { "D1", "d", "n", "L0", "mass" })
            EXPECT_GT(row[key].get<double>(), 0) << key;
        EXPECT_TRUE(row["verification"]["order"]["passed"].get<bool>()); // the spring that is ordered
    }
}

} // namespace
