#include "cli/batchoutput.h"

#include "cli/jsonoutput.h"
#include "engine/common/numtext.h"
#include "engine/features/design.h"
#include "engine/features/designsummary.h"
#include "engine/method/quantities.h"

#include <algorithm>
#include <ostream>
#include <string_view>
#include <vector>

namespace {

void writeRow(std::ostream& out, const std::vector<std::string>& fields)
{
    const char* separator = "";
    for (const std::string& field : fields) {
        out << separator << csvField(field);
        separator = ";";
    }
    out << '\n';
}

// The rows whose utilisation the CSV carries, with their column names.
struct UtilisationColumn {
    CheckKey key;
    const char* header;
};
constexpr UtilisationColumn kUtilisationColumns[] = {
    { CheckKey::Index, "w/лимит" },
    { CheckKey::ForceL1, "F1/допуск" },
    { CheckKey::ForceL2, "F2/допуск" },
    { CheckKey::FreeLength, "L0/допуск" },
    { CheckKey::Stress, "τ/τzul" },
    { CheckKey::Fatigue, "τkh/τkH" },
    { CheckKey::LeastLength, "Ln/L2" },
    { CheckKey::SolidStress, "τc/τczul" },
    { CheckKey::Buckling, "s2/sK" },
};

std::vector<std::string> checkHeader()
{
    std::vector<std::string> header { "R, Н/мм", "ΔF1, %", "ΔF2, %" };
    for (const UtilisationColumn& c : kUtilisationColumns)
        header.emplace_back(c.header);
    header.insert(header.end(), { "worst", "EN 13906-1 check", "n′", "L0′, мм", "к заказу" });
    return header;
}

// The check's columns; empty when there is no check.
std::vector<std::string> checkColumns(const Verification& v)
{
    if (!v.available)
        return std::vector<std::string>(checkHeader().size());
    const MadeSpring& s = v.spring;
    std::vector<std::string> row { numText(s.R), numText(s.dev1), numText(s.dev2) };
    for (const UtilisationColumn& c : kUtilisationColumns) {
        const CheckRow* r = v.row(c.key);
        row.push_back(r && r->utilisation ? numText(*r->utilisation) : std::string());
    }
    row.push_back(v.worstRow >= 0 ? v.rows[static_cast<size_t>(v.worstRow)].name : "");
    row.push_back(v.passed ? kVerdictPassed : kVerdictFailed);
    const bool order = v.order && !v.order->rows.empty();
    row.push_back(order ? numText(v.order->spring.n) : std::string());
    row.push_back(order ? numText(v.order->spring.L0) : std::string());
    row.push_back(v.order ? (v.order->passed ? kVerdictPassed : kVerdictFailed) : "");
    return row;
}

} // namespace

namespace {

// A spreadsheet runs a cell that begins with one of these as a formula: a
// file or material name such as "=HYPERLINK(...)" must stay text.
bool startsLikeAFormula(const std::string& text)
{
    double number = 0;
    return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos
        && !tryStrToFloat(text, number);
}

} // namespace

std::string csvField(const std::string& text)
{
    // As spreadsheet-safe CSV writers do: an apostrophe in front (the
    // spreadsheet shows the rest as text) and the whole field quoted.
    const bool formula = startsLikeAFormula(text);
    if (!formula && text.find_first_of(";\"\r\n") == std::string::npos)
        return text;
    std::string quoted = formula ? "\"'" : "\"";
    for (char ch : text) {
        if (ch == '"')
            quoted += '"';
        quoted += ch;
    }
    return quoted + '"';
}

CsvWriter::CsvWriter(std::ostream& out)
    : out_(out)
{
    std::vector<std::string> header { "file", "status", "message" };
    for (double CalcValues::*field : kSummaryFields)
        header.emplace_back(quantityOf(field)->symbol);
    header.insert(header.end(), { "impact check", "stability" });
    const std::vector<std::string> check = checkHeader();
    header.insert(header.end(), check.begin(), check.end());
    writeRow(out_, header);
}

void CsvWriter::add(const DesignResult& result)
{
    const DesignSummary s = summarize(result);
    std::string ending = s.ending;
    std::replace(ending.begin(), ending.end(), '\r', '\n'); // a message's line break
    std::vector<std::string> row { result.ridFile, std::to_string(result.status), ending };
    for (const auto& value : s.values)
        row.push_back(value ? numText(*value) : std::string());
    row.insert(row.end(), { s.impact, s.stability });
    const std::vector<std::string> check = checkColumns(result.verification);
    row.insert(row.end(), check.begin(), check.end());
    writeRow(out_, row);
}

// The array written one object at a time, so that a long batch is never
// held whole.
void JsonArrayWriter::add(const DesignResult& result)
{
    if (first_)
        json_.beginArray();
    first_ = false;
    json_.beginObject();
    writeDesignMembers(json_, result);
    json_.endObject();
    json_.flushTo(out_);
}

void JsonArrayWriter::finish()
{
    if (first_)
        json_.beginArray();
    json_.endArray();
    json_.flushTo(out_);
    out_ << '\n';
}
