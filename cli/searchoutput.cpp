#include "cli/searchoutput.h"

#include "cli/batchoutput.h"
#include "cli/jsonoutput.h"
#include "cli/jsonwriter.h"
#include "cli/neighbourtable.h"
#include "cli/options.h"
#include "cli/textoutput.h"
#include "engine/catalogue/memoryfiles.h"
#include "engine/common/numtext.h"
#include "engine/features/searchtable.h"

#include <algorithm>
#include <ostream>
#include <thread>

namespace {

SearchRequest requestOf(const CalcInputs& base, const SearchArgs& a)
{
    SearchRequest r;
    r.base = base;
    r.outer = { a.outerMin.value_or(base.D1 * 0.5), a.outerMax.value_or(base.D1 * 1.5), a.step };
    r.space = a.space;
    r.rank = a.rank;
    return r;
}

std::vector<std::string> cells(const SearchRow* row)
{
    std::vector<std::string> out;
    for (const SearchColumn& c : searchColumns())
        out.push_back(row ? c.text(*row) : c.header);
    return out;
}

void writeCsv(const std::vector<std::string>& line, std::ostream& out)
{
    const char* separator = "";
    for (const auto& cell : line) {
        out << separator << csvField(cell);
        separator = ";";
    }
    out << '\n';
}

void writeRowJson(JsonWriter& json, const SearchRow& row, const Verification& check)
{
    json.beginObject();
    json.member("material", row.material);
    json.member("group", row.group);
    json.member("D1", row.D1);
    json.member("d", row.d);
    json.member("n", row.n);
    json.member("N1", row.N1);
    json.member("L0", row.L0);
    json.member("Lc", row.Lc);
    json.member("mass", row.mass);
    json.member("wire_chosen", row.wire);
    json.member("utilisation", row.utilisation);
    json.key("worst_row");
    if (*row.worstRow)
        json.value(row.worstRow);
    else
        json.value(nullptr);
    json.key("verification");
    writeVerification(json, check);
    json.endObject();
}

void writeRejections(const SearchResult& r, std::ostream& err)
{
    err << "nothing kept of " << r.tried << " candidates; rejected:\n";
    std::vector<int> rules;
    for (int k = 1; k < kRejectionCount; ++k)
        rules.push_back(k);
    std::stable_sort(rules.begin(), rules.end(), [&](int a, int b) {
        return r.rejected[static_cast<size_t>(a)] > r.rejected[static_cast<size_t>(b)];
    });
    for (int k : rules)
        err << r.rejected[static_cast<size_t>(k)] << '\t' << rejectionName(static_cast<Rejection>(k)) << '\t'
            << rejectionWords(static_cast<Rejection>(k)) << '\n';
}

} // namespace

int runSearchCommand(const Options& o, std::ostream& out, std::ostream& err)
{
    DesignRun run(o.design);
    const DesignResult base = run.run(o.inputs.front());
    if (!base.ran()) { // the requirement itself is not complete
        std::ostream nowhere(nullptr);
        writeText(base, nowhere, err, false);
        return base.status;
    }
    const SearchRequest request = requestOf(base.inputs, o.search);
    const MemoryFiles files = MemoryFiles::snapshot(base.inputs.dataDir);
    const unsigned threads
        = o.search.threads ? o.search.threads : std::max(1u, std::thread::hardware_concurrency());
    const SearchResult r = runSearch(request, files, threads);
    if (!r.refusal.empty()) {
        err << "error: " << r.refusal << '\n';
        return NoInput;
    }
    const size_t shown = o.search.limit ? std::min(o.search.limit, r.rows.size()) : r.rows.size();
    if (o.format == OutputFormat::Json) {
        JsonWriter json;
        json.beginArray();
        for (size_t k = 0; k < shown; ++k) // the check in full: the row's candidate once more
            writeRowJson(json, r.rows[k],
                evaluateCandidate(rowInputs(request.base, r.rows[k]), request.space, files).check);
        json.endArray();
        json.flushTo(out);
        out << '\n';
    } else {
        const bool csv = o.format == OutputFormat::Csv;
        if (!csv)
            out << "Подбор по ключу «" << searchKeyWords(request.rank) << "»: испытано " << r.tried
                << ", подходят " << r.rows.size() << "\n";
        for (size_t k = 0; k <= shown; ++k) {
            const auto line = cells(k == 0 ? nullptr : &r.rows[k - 1]);
            csv ? writeCsv(line, out) : writeTabbedLine(out, line);
        }
    }
    if (r.rows.empty()) {
        writeRejections(r, err);
        return Failed;
    }
    return Completed;
}
