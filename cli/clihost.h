#pragma once
// The calculation's host for pruzcalc: report lines to stdout, messages to
// stderr, the diameter question answered from the command line.

#include "engine/calchost.h"

#include <optional>
#include <string>

class CliHost : public CalcHost {
public:
    explicit CliHost(std::optional<std::string> wireDiameter) : wireDiameter_(std::move(wireDiameter)) {}

    void clearReport() override {}
    void appendLine(const std::string& line) override;
    void showMessage(const std::string& text) override;
    bool chooseDiameter(Peremenn& p) override;
    void enablePrint() override {}

private:
    std::optional<std::string> wireDiameter_;
};
