#pragma once
// A scratch data directory for the catalogue and table tests: removed at
// the end, filled from the shipped data or with files written byte for byte.

#include "engine/common/encoding.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

// Windows-1251 bytes of UTF-8 lines, each ended with CR LF.
inline std::string cp1251Lines(std::initializer_list<std::string> lines)
{
    std::string bytes;
    for (const auto& line : lines)
        bytes += utf8ToCp1251(line) + "\r\n";
    return bytes;
}

class ScratchDataDir {
public:
    ScratchDataDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "pruz-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
        dir_ += "/";
    }
    ~ScratchDataDir()
    {
        std::error_code ignored;
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(dir_, ignored);
    }
    ScratchDataDir(const ScratchDataDir&) = delete;
    ScratchDataDir& operator=(const ScratchDataDir&) = delete;

    // Ends with "/", as dataDir does.
    const std::string& path() const { return dir_; }

    void copyShipped() const
    {
        for (const auto& entry : std::filesystem::directory_iterator(SHIPPED_DATA_DIR))
            std::filesystem::copy_file(entry.path(), std::filesystem::path(dir_) / entry.path().filename());
    }

    void writeBytes(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(dir_ + name, std::ios::binary) << bytes;
    }

    // UTF-8 lines stored as Windows-1251, each ended with CR LF.
    void writeLines(const std::string& name, std::initializer_list<std::string> lines) const
    {
        writeBytes(name, cp1251Lines(lines));
    }

    std::string bytes(const std::string& name) const
    {
        std::ifstream in(dir_ + name, std::ios::binary);
        return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    }

    bool exists(const std::string& name) const { return std::filesystem::exists(dir_ + name); }

private:
    std::string dir_;
};
