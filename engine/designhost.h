#pragma once
// The calculation's host when no window shows it (pruzcalc, checks of saved
// designs): messages kept in order, its own among them, the diameter
// question answered with a diameter given beforehand, or cancelled.

#include "engine/calchost.h"
#include "engine/datafiles.h"

#include <optional>
#include <string>
#include <vector>

class DesignHost : public CalcHost {
public:
    DesignHost(std::optional<std::string> wireDiameter, const DataFiles& files)
        : wireDiameter_(std::move(wireDiameter))
        , files_(files)
    {
    }

    // Every message shown, the diameter question's own included.
    std::vector<std::string> messages;

    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool chooseDiameter(Peremenn& p) override;

private:
    std::optional<std::string> wireDiameter_;
    const DataFiles& files_;
};
