#pragma once
// The calculation's host when no window shows it (pruzcalc, checks of saved
// designs): report lines and messages kept in order, the diameter question
// answered with a diameter given beforehand, or cancelled.

#include "engine/calchost.h"
#include "engine/datafiles.h"

#include <optional>
#include <string>
#include <vector>

class DesignHost : public CalcHost {
public:
    DesignHost(std::vector<std::string>& report, std::vector<std::string>& messages,
        std::optional<std::string> wireDiameter, const DataFiles& files,
        std::vector<ReportedValue>* reported = nullptr)
        : report_(report)
        , messages_(messages)
        , reported_(reported)
        , wireDiameter_(std::move(wireDiameter))
        , files_(files)
    {
    }

    void clearReport() override
    {
        report_.clear();
        if (reported_)
            reported_->clear();
    }
    void reportedValue(double Peremenn::*field, double value) override
    {
        if (reported_)
            reported_->push_back({ field, value });
    }
    void appendLine(const std::string& line) override { report_.push_back(line); }
    void showMessage(const std::string& text) override { messages_.push_back(text); }
    bool chooseDiameter(Peremenn& p) override;
    void enablePrint() override { }

private:
    std::vector<std::string>& report_;
    std::vector<std::string>& messages_;
    std::vector<ReportedValue>* reported_;
    std::optional<std::string> wireDiameter_;
    const DataFiles& files_;
};
