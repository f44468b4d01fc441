#pragma once
// Where the calculation reads its data files from: every look-up asks for a
// file by name and reads it line by line (engine/catalogue/textfile.h); a file that
// cannot be read is reported by the caller. The folder source reads the
// file afresh on every call, so a change made in the settings window takes
// effect at the next calculation; another source (a catalogue held in
// memory) can stand in for it.

#include "engine/catalogue/linevalues.h"
#include "engine/catalogue/textlines.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class TextReader;

class DataFiles {
public:
    virtual ~DataFiles() = default;
    // The file's lines, shared and never copied; nullptr when it cannot be
    // read. IoError naming a file too big to read (readFileBytes).
    virtual std::shared_ptr<const TextLines> text(const std::string& name) const = 0;

    // Its lines read as numbers; nullptr when it cannot be read. Made
    // afresh from text() unless the source keeps them.
    virtual std::shared_ptr<const LineValues> values(const std::string& name) const;

    // The file ready to be read line by line; false when it cannot be read.
    bool open(TextReader& reader, const std::string& name) const;
    // All its lines (UTF-8), copied; nullopt when it cannot be read.
    std::optional<std::vector<std::string>> lines(const std::string& name) const;
    // The name the file read for `name` has where it is kept (letter case
    // may differ); `name` itself when there is no such file.
    virtual std::string nameOnDisk(const std::string& name) const { return name; }
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
    std::shared_ptr<const TextLines> text(const std::string& name) const override;
    std::string nameOnDisk(const std::string& name) const override;
    // Its path, device, inode, size and modification time (to the
    // nanosecond): a file rewritten by rename gets a new inode.
    std::optional<std::string> stamp(const std::string& name) const override;
    const std::string& dir() const { return dir_; }

private:
    std::string dir_;
};
