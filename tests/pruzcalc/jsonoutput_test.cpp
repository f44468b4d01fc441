// The JSON output of every example read back: each value's number text is
// the text the report shows after its label, and the values are exactly
// those the report wrote.
#include "cli/jsonoutput.h"
#include "cli/jsonwriter.h"
#include "cli/materialtable.h"
#include "engine/catalogue/datafiles.h"
#include "engine/common/numtext.h"
#include "engine/features/allmaterials.h"
#include "engine/features/characteristic.h"
#include "engine/features/design.h"
#include "engine/features/verificationtext.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <sstream>

namespace {

using Json = nlohmann::json;

struct Example {
    const char* file;
    const char* wireDiameter; // the answer to the diameter question, if it asks
};

void PrintTo(const Example& e, std::ostream* os)
{
    *os << e.file;
}

class JsonOutput : public testing::TestWithParam<Example> { };

// The number of a value line: after the last "=", up to the unit.
std::string numberIn(const std::string& line)
{
    const std::string shown = line.substr(line.rfind('=') + 1);
    return shown.substr(0, shown.find(' '));
}

TEST_P(JsonOutput, EveryValueReadsBackAsTheReportShowsIt)
{
    DesignSettings settings;
    settings.dataDir = SHIPPED_DATA_DIR;
    settings.trace = true;
    if (GetParam().wireDiameter)
        settings.wireDiameter = GetParam().wireDiameter;
    const DesignResult result = runDesign(std::string(EXAMPLES_DIR) + GetParam().file, settings);
    std::ostringstream out;
    writeJson(result, out);
    const Json j = Json::parse(out.str());

    EXPECT_EQ(j["status"], 0);
    EXPECT_EQ(j["report"].get<std::vector<std::string>>(), result.report);
    std::map<std::string, double> last;
    int reported = 0;
    for (const Json& step : j["trace"]) {
        if (!step.contains("value"))
            continue;
        const double value = step["value"].get<double>();
        if (!step.contains("report_line"))
            continue;
        // The values are those of the report's lines, as the last wrote them.
        if (step.contains("name"))
            last[step["name"].get<std::string>()] = value;
        const std::string& line = result.report.at(step["report_line"].get<size_t>());
        EXPECT_EQ(numText(value), numberIn(line)) << line;
        ++reported;
    }
    // Every value line of the report has its step.
    EXPECT_EQ(reported, std::count_if(result.report.begin(), result.report.end(), [](const std::string& l) {
        return l.find('=') != std::string::npos;
    }));
    ASSERT_EQ(j["values"].size(), last.size());
    for (const auto& [name, value] : j["values"].items())
        EXPECT_EQ(value.get<double>(), last.at(name)) << name;
}

// The table of every material: each figure reads back as the text table
// writes it, a figure not reached is null, and the other cells are the text.
TEST_P(JsonOutput, EveryMaterialReadsBackAsTheTableShowsIt)
{
    DesignSettings settings;
    settings.dataDir = SHIPPED_DATA_DIR;
    if (GetParam().wireDiameter)
        settings.wireDiameter = GetParam().wireDiameter;
    const DesignResult result = runDesign(std::string(EXAMPLES_DIR) + GetParam().file, settings);
    const FolderFiles files(SHIPPED_DATA_DIR);
    const auto table = allMaterialRows(result.sameAnswer(result.inputs), files);
    std::ostringstream out;
    JsonWriter json;
    writeMaterialsJson(result, files, json, out);
    json.flushTo(out);
    const Json j = Json::parse(out.str());
    EXPECT_TRUE(j["refusal"].is_null());
    ASSERT_EQ(j["rows"].size(), table.rows.size());
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const Json& row = j["rows"][r];
        EXPECT_EQ(row["selected"], table.rows[r].selected);
        for (const MaterialColumn& column : materialColumns()) {
            const std::string text = materialCellText(column, table.rows[r]);
            const Json& cell = row[column.key];
            if (cell.is_number())
                EXPECT_EQ(numText(cell.get<double>()), text) << column.key;
            else
                EXPECT_EQ(cell.is_null() ? std::string() : cell.get<std::string>(), text) << column.key;
        }
    }
}

// The check's object: each row's figures and verdict as its text line shows
// them (rounded as the text rounds), each value as its trace step has it.
TEST_P(JsonOutput, CheckReadsBackAsItsTextShowsIt)
{
    DesignSettings settings;
    settings.dataDir = SHIPPED_DATA_DIR;
    settings.trace = settings.verify = true;
    if (GetParam().wireDiameter)
        settings.wireDiameter = GetParam().wireDiameter;
    const DesignResult result = runDesign(std::string(EXAMPLES_DIR) + GetParam().file, settings);
    std::ostringstream out;
    writeJson(result, out);
    const Json check = Json::parse(out.str())["verification"];
    const std::vector<std::string> text = verificationLines(result.verification);

    ASSERT_TRUE(check["available"].get<bool>());
    const Json& rows = check["rows"];
    const size_t first = 1 + assumptionLines(result.verification).size(); // heading, assumptions
    ASSERT_GT(text.size(), first + rows.size());
    for (size_t k = 0; k < rows.size(); ++k) {
        const Json& row = rows[k];
        const std::string& line = text[k + first];
        EXPECT_EQ(line.rfind(row["caption"].get<std::string>(), 0), 0u) << line;
        for (const char* side : { "method", "made" }) {
            if (row[side].is_null())
                continue;
            const std::string shown
                = std::string(side[1] == 'e' ? "расчет " : "пружина ") + chartNumber(row[side].get<double>());
            EXPECT_NE(line.find(shown), std::string::npos) << line << " / " << shown;
        }
        EXPECT_NE(line.find(" — " + row["verdict_text"].get<std::string>()), std::string::npos) << line;
    }
    const bool passed = check["passed"].get<bool>();
    EXPECT_EQ(text[first + rows.size()], "Итог проверки: " + verificationVerdictText(result.verification));
    if (!passed)
        EXPECT_EQ(text[first + rows.size()],
            "Итог проверки: не выполнено — " + check["worst_text"].get<std::string>());

    std::map<std::string, double> traced;
    for (const Json& step : check["trace"])
        if (step.contains("name") && step.contains("value"))
            traced[step["name"].get<std::string>()] = step["value"].get<double>();
    for (const auto& [name, value] : check["values"].items()) {
        if (value.is_null()) // a value the spring has none of (sK of a spring that cannot buckle, Rm)
            continue;
        ASSERT_TRUE(traced.count(name)) << name;
        EXPECT_EQ(value.get<double>(), traced.at(name)) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, JsonOutput,
    testing::Values(Example { "wire-class2.rid", nullptr }, Example { "steel-60s2a.rid", nullptr },
        Example { "stainless-free-length.rid", nullptr }, Example { "chosen-diameter.rid", "3,2" }));

} // namespace
