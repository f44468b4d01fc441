#pragma once
// A catalogue held in memory. Filled lazily, a file is read from the folder
// the first time it is asked for and kept, so a run over many designs reads
// each data file once (the files do not change during a run). Taken whole
// with snapshot(), every file of the folder is read at once and the folder
// is never asked again: the catalogue stays as it was at that moment,
// whatever is written there afterwards.
//
// A file that could not be read is kept as such, and one that was refused
// (too big, a line too long) is refused again with the same error, so a
// design reads the same through this source as straight from the folder.

#include "engine/datafiles.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class MemoryFiles : public DataFiles {
public:
    // Reads the folder `dir` (ending with "/") lazily.
    explicit MemoryFiles(std::string dir);
    // A copy reads on by itself: it gets a number of its own.
    MemoryFiles(const MemoryFiles& other);
    MemoryFiles& operator=(const MemoryFiles& other);
    MemoryFiles(MemoryFiles&&) = default;
    MemoryFiles& operator=(MemoryFiles&&) = default;
    // Every file of `dir` as it is now.
    static MemoryFiles snapshot(const std::string& dir);

    std::optional<std::string> bytes(const std::string& name) const override;
    // Its lines as read the first time, not converted again.
    bool open(TextReader& reader, const std::string& name) const override;
    std::optional<std::vector<std::string>> lines(const std::string& name) const override;
    // A file, once kept, reads the same for the life of this object.
    std::optional<std::string> stamp(const std::string& name) const override;

private:
    struct Kept {
        std::optional<std::string> bytes;
        std::shared_ptr<const std::vector<std::string>> lines; // as a reader reads the bytes
        std::string refusal; // the read error's text; empty when none
    };
    // Throws the kept refusal.
    const Kept& kept(const std::string& name) const;
    const Kept& found(const std::string& name) const;
    const Kept* keptWithoutCase(const std::string& name) const;
    static Kept read(const FolderFiles& folder, const std::string& name);

    FolderFiles folder_;
    bool whole_ = false;
    unsigned long long id_; // this catalogue's own number in the process
    mutable std::map<std::string, Kept> kept_;
};
