#pragma once
// The calculation's host when no window shows it: pruzcalc's designs, the
// neighbouring diameters, benchmarks and tests. The report lines and the
// messages are kept in order; the diameter question gets an answer given
// beforehand, or is cancelled.

#include "engine/method/calchost.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class DataFiles;

class QuietHost : public CalcHost {
public:
    // Answers the diameter question as the dialog would: a diameter (OK)
    // or none (cancel); may show messages through `host` as the dialog does.
    using Answer = std::function<std::optional<double>(const CalcInputs& inputs, CalcHost& host)>;

    explicit QuietHost(Answer answer = {}, bool forced = false)
        : answer(std::move(answer))
        , forced(forced)
    {
    }

    std::vector<std::string> report;
    std::vector<ReportedValue> reported; // the values of the report's lines
    std::vector<std::string> messages;
    int asked = 0; // how often the diameter question came
    bool printEnabled = false;
    Answer answer; // none: the question is cancelled
    bool forced = false; // see CalcHost::choiceForced

    void clearReport() override
    {
        report.clear();
        reported.clear();
    }
    void reportedValue(double CalcValues::*field, double value) override
    {
        reported.push_back({ field, value });
    }
    void appendLine(const std::string& line) override { report.push_back(line); }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void enablePrint() override { printEnabled = true; }
    bool choiceForced() const override { return forced; }
    std::optional<double> chooseDiameter(const CalcInputs& inputs, std::optional<double>) override
    {
        ++asked;
        return answer ? answer(inputs, *this) : std::nullopt;
    }
};

// The dialog's answer after it preselected the first diameter listed in
// `files` and the user picked the one listed as `wire` (pruzcalc's
// --wire-diameter); cancel when there is none, or when the list lacks it,
// then with a message naming the diameters listed.
QuietHost::Answer pickListedDiameter(const DataFiles& files, std::optional<std::string> wire);

// OK with `d` whatever the list holds: a stocked diameter tried out.
QuietHost::Answer takeDiameter(double d);
