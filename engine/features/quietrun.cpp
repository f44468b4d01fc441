#include "engine/features/quietrun.h"

#include "engine/common/errortext.h"
#include "engine/features/verificationtext.h"
#include "engine/method/calc.h"
#include "engine/method/quiethost.h"
#include "engine/method/reportchecks.h"

#include <algorithm>
#include <iterator>

namespace {

// A message on one line.
std::string oneLine(std::string text)
{
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

std::string withoutTrailingBlanks(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

} // namespace

// What the run says besides its figures, which of it fails a check, and
// the check of its made spring.
void judgeRun(QuietRun& run, const CalcResult& r, const DataFiles& files, const CheckSettings& check)
{
    run.record = r.values;
    run.report = r.report;
    run.reported = r.reported;
    run.messages = r.messages;
    run.error = r.error;
    run.ended = r.outcome;
    run.wire = r.wire;
    // Stopped on the stress of the chosen wire: the figures stand, the
    // stability remarks were not reached.
    if (!r.complete() && run.error.empty() && !run.messages.empty()
        && run.messages.back().starts_with(kOverstressStart)) {
        run.notes = run.faults = { run.messages.back() };
        return;
    }
    if (!r.complete()) {
        run.stop = stopReason(run.messages, run.error);
        run.notes = run.faults = { run.stop };
        return;
    }
    for (const auto& m : run.messages)
        if (m != kK3BeyondTablesMessage) // why the diameter is asked, not a finding
            run.notes.push_back(oneLine(m));
    auto heading = std::find(run.report.begin(), run.report.end(), kStabilityHeading);
    if (heading != run.report.end())
        std::transform(heading + 1, run.report.end(), std::back_inserter(run.notes), withoutTrailingBlanks);
    std::copy_if(run.notes.begin(), run.notes.end(), std::back_inserter(run.faults),
        [](const std::string& note) { return note != kStableRemark; });
    run.check = verifySpring(r, files, check);
    if (!run.check.passed) // its verdict is the check's too
        run.faults.push_back(
            "EN 13906-1: " + (run.check.available ? worstFinding(run.check) : run.check.refusal));
}

std::string stopReason(const std::vector<std::string>& messages, const std::string& error)
{
    if (!error.empty())
        return "ошибка: " + error;
    return messages.empty() ? "расчет остановлен" : oneLine(messages.back());
}

bool QuietRun::wrote(double CalcValues::*field) const
{
    return std::any_of(
        reported.begin(), reported.end(), [&](const ReportedValue& v) { return v.first == field; });
}

std::string QuietRun::notesText() const
{
    std::string text;
    for (const auto& note : notes)
        text += (text.empty() ? "" : "; ") + note;
    return text;
}

QuietRun runQuietly(CalcInputs inputs, const DataFiles& files, std::optional<double> answer, bool forced,
    const CheckSettings& check)
{
    inputs.chosenD = answer;
    inputs.askAlways = forced;
    QuietHost host;
    const CalcResult r = calculate(inputs, host, files);
    QuietRun run;
    run.asked = host.asked > 0 || r.chosenD.has_value();
    judgeRun(run, r, files, check);
    return run;
}
