#pragma once
// A data directory in a fresh temporary folder, filled by the test, removed
// afterwards; and a calculation host that records what the calculation did.

#include "engine/method/diameterchoice.h"
#include "engine/method/quiethost.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

class TempDataDir {
public:
    TempDataDir()
    {
        std::string tmpl = (std::filesystem::temp_directory_path() / "pruz-test-XXXXXX").string();
        path_ = ::mkdtemp(tmpl.data());
        path_ += "/";
    }
    ~TempDataDir() { std::filesystem::remove_all(path_); }
    TempDataDir(const TempDataDir&) = delete;
    TempDataDir& operator=(const TempDataDir&) = delete;

    const std::string& path() const { return path_; }

    // Raw bytes; the name is a UTF-8 file name.
    void writeBytes(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path_ + name, std::ios::binary) << bytes;
    }

    // Lines given as Windows-1251 bytes, each followed by `end`.
    void writeLines(const std::string& name, const std::vector<std::string>& cp1251Lines,
        const std::string& end = "\r\n") const
    {
        std::string bytes;
        for (const auto& l : cp1251Lines)
            bytes += l + end;
        writeBytes(name, bytes);
    }

    std::string readBytes(const std::string& name) const
    {
        std::ifstream in(path_ + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // Copies every file of another directory (the shipped data, say).
    void copyFrom(const std::string& dir) const
    {
        for (const auto& e : std::filesystem::directory_iterator(dir))
            if (e.is_regular_file())
                std::filesystem::copy_file(e.path(), path_ + e.path().filename().string());
    }

private:
    std::string path_;
};

// What the calculation showed; the user picks the diameter listed as
// `pick` in the dialog, and nullopt cancels it.
struct RecordingHost : QuietHost {
    RecordingHost()
        : QuietHost([this](const CalcInputs& in, CalcHost&) { return pickListed(in); })
    {
        report = { "" }; // one empty line before the first calculation
    }
    RecordingHost(const RecordingHost&) = delete; // the answer refers to this one
    std::optional<std::string> pick;

private:
    std::optional<double> pickListed(const CalcInputs& in) const
    {
        auto items = diameterChoices(in);
        if (!pick || !items)
            return std::nullopt;
        double d = 0;
        for (const auto& item : *items)
            if (item == *pick && takeChosenDiameter(d, item).empty())
                return d;
        return std::nullopt;
    }
};
