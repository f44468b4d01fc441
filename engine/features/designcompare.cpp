#include "engine/features/designcompare.h"

#include <algorithm>

namespace {

// Why a design could not be worked through at all; empty when it was.
std::string faultOf(const DesignResult& r, const char* run)
{
    // A material gone from one catalogue is no change of the design's
    // result: it cannot be worked through there at all.
    if (materialMissing(r))
        return r.ridFile + ": " + run + ": " + r.error;
    if (r.status != NoInput)
        return {};
    if (!r.error.empty())
        return r.error;
    return r.messages.empty() ? std::string("cannot be read") : r.messages.back();
}

std::optional<std::string> lineAt(const std::vector<std::string>& lines, size_t k)
{
    return k < lines.size() ? std::optional<std::string>(lines[k]) : std::nullopt;
}

size_t messageLines(const DesignResult& r)
{
    size_t n = 0;
    for (const std::string& message : r.messages)
        n += 1 + static_cast<size_t>(std::count(message.begin(), message.end(), '\r'));
    return n;
}

// The part of the output that `line` falls in. Where one side's part ends
// earlier, the difference is in that part: a report that grew is a
// different report, not a different message.
void placeDifference(DesignChange& change)
{
    const DesignResult &a = change.before, &b = change.after;
    size_t start = 0;
    const struct {
        OutputPart part;
        size_t lines;
    } parts[] { { OutputPart::Report, std::max(a.report.size(), b.report.size()) },
        { OutputPart::Message, std::max(messageLines(a), messageLines(b)) },
        { OutputPart::Error, size_t(!a.error.empty() || !b.error.empty()) } };
    for (const auto& [part, lines] : parts) {
        if (change.line < start + lines) {
            change.part = part;
            change.partLine = change.line - start;
            return;
        }
        start += lines;
    }
    change.part = OutputPart::ExitStatus;
    change.partLine = 0;
}

} // namespace

std::vector<std::string> outputLines(const DesignResult& r)
{
    std::vector<std::string> lines = r.report;
    for (const std::string& message : r.messages) {
        // A "\r" in a message starts a new line, as pruzcalc prints it.
        for (size_t start = 0;;) {
            const size_t end = message.find('\r', start);
            lines.push_back(message.substr(start, end - start));
            if (end == std::string::npos)
                break;
            start = end + 1;
        }
    }
    if (!r.error.empty())
        lines.push_back("error: " + r.error);
    lines.push_back("exit status " + std::to_string(r.status));
    return lines;
}

CatalogueComparison compareCatalogues(
    const std::vector<std::string>& ridFiles, DesignRun& before, DesignRun& after)
{
    CatalogueComparison comparison;
    for (const std::string& file : ridFiles) {
        DesignChange change { .before = before.run(file), .after = after.run(file) };
        std::string fault = faultOf(change.before, "old");
        if (fault.empty())
            fault = faultOf(change.after, "new");
        if (!fault.empty()) {
            comparison.faults.push_back({ file, fault });
            continue;
        }
        ++comparison.designs;
        const std::vector<std::string> old = outputLines(change.before);
        const std::vector<std::string> now = outputLines(change.after);
        if (old == now)
            continue;
        const auto differ = std::mismatch(old.begin(), old.end(), now.begin(), now.end());
        change.line = static_cast<size_t>(differ.first - old.begin());
        change.beforeLine = lineAt(old, change.line);
        change.afterLine = lineAt(now, change.line);
        placeDifference(change);
        comparison.changed.push_back(std::move(change));
    }
    return comparison;
}
