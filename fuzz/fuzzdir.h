#pragma once
// Splits a fuzz input into the files of a data directory and writes them
// into a scratch folder (in memory where /dev/shm exists), so a target can
// run the real readers on them.

#include "engine/method/calchost.h"
#include "engine/method/calcinputs.h"
#include "engine/method/diameterchoice.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

// Parts are separated by the byte 0; missing parts are empty, and a part
// that is exactly "-" means the file is absent.
inline std::vector<std::string> splitParts(const uint8_t* data, size_t size, size_t count)
{
    std::vector<std::string> parts(count);
    size_t k = 0;
    for (size_t i = 0; i < size && k < count; ++i) {
        if (data[i] == 0)
            ++k;
        else
            parts[k] += static_cast<char>(data[i]);
    }
    return parts;
}

inline const std::string& scratchDir()
{
    static const std::string dir = [] {
        std::string base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string tmpl = base + "/pruz-fuzz-XXXXXX";
        if (!::mkdtemp(tmpl.data()))
            std::abort();
        return tmpl + "/";
    }();
    // Gone when the run ends (a run stopped by a finding leaves it).
    static const bool removedAtExit = std::atexit([] { std::filesystem::remove_all(scratchDir()); }) == 0;
    (void)removedAtExit;
    return dir;
}

inline void placeFile(const std::string& name, const std::string& bytes)
{
    std::string path = scratchDir() + name;
    if (bytes == "-") {
        ::unlink(path.c_str());
        return;
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline void checkLine(const std::string& line)
{
    // A report or message never shows a number that is not one.
    if (line.find("nan") != std::string::npos || line.find("inf") != std::string::npos)
        std::abort();
}

// Checks what the calculation shows; answers the diameter question with
// the first listed diameter when asked to.
class CheckingHost : public CalcHost {
public:
    explicit CheckingHost(bool answerDialog = false)
        : answerDialog_(answerDialog)
    {
    }
    void clearReport() override { }
    void appendLine(const std::string& line) override { checkLine(line); }
    void showMessage(const std::string& text) override { checkLine(text); }
    void enablePrint() override { }
    std::optional<double> chooseDiameter(const CalcInputs& inputs, std::optional<double>) override
    {
        if (!answerDialog_)
            return std::nullopt;
        auto items = diameterChoices(inputs);
        double d = 0;
        if (items && !items->empty() && takeChosenDiameter(d, items->front()).empty())
            return d;
        return std::nullopt;
    }

private:
    bool answerDialog_;
};
