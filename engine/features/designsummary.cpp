#include "engine/features/designsummary.h"

#include "engine/features/design.h"
#include "engine/method/reportchecks.h"

#include <algorithm>

namespace {

bool contains(const std::vector<std::string>& lines, const char* text)
{
    return std::find(lines.begin(), lines.end(), text) != lines.end();
}

std::string trimmed(const std::string& text)
{
    const size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(' ') + 1 - begin);
}

std::string stabilityRemarks(const std::vector<std::string>& report)
{
    auto heading = std::find(report.begin(), report.end(), kStabilityHeading);
    if (heading == report.end())
        return {};
    std::string remarks;
    for (auto line = heading + 1; line != report.end(); ++line)
        remarks += (remarks.empty() ? "" : "; ") + trimmed(*line);
    return remarks;
}

std::string ending(const DesignResult& r)
{
    if (r.status == Completed)
        return {};
    if (!r.error.empty())
        return r.error;
    return r.messages.empty() ? std::string() : r.messages.back();
}

} // namespace

// As the report wrote it last: a value worked out but not written (an
// estimate, a value of a step the report never reached) is not shown.
std::optional<double> reachedValue(const DesignResult& r, double CalcValues::*field)
{
    for (auto it = r.reported.rbegin(); it != r.reported.rend(); ++it)
        if (it->first == field)
            return it->second;
    return std::nullopt;
}

DesignSummary summarize(const DesignResult& r)
{
    DesignSummary s;
    s.ending = ending(r);
    for (double CalcValues::*field : kSummaryFields)
        s.values.push_back(reachedValue(r, field));
    if (contains(r.report, kImpactPassed))
        s.impact = kVerdictPassed;
    else if (contains(r.messages, kImpactFailed))
        s.impact = kVerdictFailed;
    s.stability = stabilityRemarks(r.report);
    return s;
}
