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

// The check's main columns; empty when there is no check.
std::vector<std::string> checkColumns(const Verification& v)
{
    if (!v.available)
        return std::vector<std::string>(6);
    const MadeSpring& s = v.spring;
    const CheckRow* buckling = v.row("sK");
    return { numText(s.R), numText(s.dev1), numText(s.dev2), numText(s.tauk2 / s.tauzul),
        buckling ? checkVerdictWords(buckling->verdict) : "", v.passed ? kVerdictPassed : kVerdictFailed };
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
    header.insert(header.end(),
        { "impact check", "stability", "R", "ΔF1, %", "ΔF2, %", "τk2/τzul", "buckling", "EN 13906-1 check" });
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
