#pragma once
// Where the calculation reads its data files from: every look-up asks for a
// file by name and reads it line by line (engine/textfile.h); a file that
// cannot be read is reported by the caller. The folder source reads the
// file afresh on every call, so a change made in the settings window takes
// effect at the next calculation; another source (a catalogue held in
// memory) can stand in for it.

#include <optional>
#include <string>
#include <vector>

class TextReader;

class DataFiles {
public:
    virtual ~DataFiles() = default;
    // The file's bytes as stored; nullopt when it cannot be read.
    virtual std::optional<std::string> bytes(const std::string& name) const = 0;

    // The file ready to be read line by line; false when it cannot be read.
    virtual bool open(TextReader& reader, const std::string& name) const;
    // All its lines (UTF-8); nullopt when it cannot be read.
    virtual std::optional<std::vector<std::string>> lines(const std::string& name) const;
    // A token that is the same for two reads only when the file read the
    // same both times, so what was made of it may be kept; nullopt when
    // the source cannot tell (nothing is then kept).
    virtual std::optional<std::string> stamp(const std::string&) const { return std::nullopt; }
};

// The files of a data directory (ending with "/"), names matched without
// regard to letter case.
class FolderFiles : public DataFiles {
public:
    explicit FolderFiles(std::string dir)
        : dir_(std::move(dir))
    {
    }
    std::optional<std::string> bytes(const std::string& name) const override;
    // Its path, device, inode, size and modification time (to the
    // nanosecond): a file rewritten by rename gets a new inode.
    std::optional<std::string> stamp(const std::string& name) const override;
    const std::string& dir() const { return dir_; }

private:
    std::string dir_;
};
