#include "cli/batchoutput.h"

#include "cli/jsonoutput.h"
#include "engine/design.h"
#include "engine/designsummary.h"
#include "engine/numtext.h"
#include "engine/quantities.h"

#include <algorithm>
#include <ostream>
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

} // namespace

std::string csvField(const std::string& text)
{
    if (text.find_first_of(";\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
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
    for (double Peremenn::*field : kSummaryFields)
        header.emplace_back(quantityOf(field)->symbol);
    header.insert(header.end(), { "impact check", "stability" });
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
    writeRow(out_, row);
}

// The array as nlohmann's dump(2) writes it, one object at a time, so that
// a long batch is never held whole.
void JsonArrayWriter::add(const DesignResult& result)
{
    const std::string object
        = designJson(result).dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    // Indented into the array in one string: a character at a time through
    // the stream costs more than the design itself.
    std::string shifted = first_ ? "[\n  " : ",\n  ";
    shifted.reserve(shifted.size() + object.size() + object.size() / 8);
    for (char ch : object) {
        shifted += ch;
        if (ch == '\n') // texts are escaped: a line break is the dump's own
            shifted += "  ";
    }
    first_ = false;
    out_ << shifted;
}

void JsonArrayWriter::finish()
{
    out_ << (first_ ? "[]\n" : "\n]\n");
}
