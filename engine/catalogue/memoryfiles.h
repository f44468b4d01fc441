#pragma once
// A catalogue held in memory. Filled lazily, a file is read from the folder
// the first time it is asked for and kept, so a run over many designs reads
// each data file once (the files do not change during a run). Taken whole
// with snapshot(), the catalogue's own files (the material list, the files
// of the materials it lists, the tables) are read at once and the folder is
// never asked again: the catalogue stays as it was at that moment, whatever
// is written there afterwards. Other files of the folder are never read.
//
// A file that could not be read is kept as such, and one that was refused
// (too big, a line too long) is refused again with the same error, so a
// design reads the same through this source as straight from the folder.

#include "engine/catalogue/datafiles.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

class MemoryFiles : public DataFiles {
public:
    // Reads the folder `dir` (ending with "/") lazily.
    explicit MemoryFiles(std::string dir);
    // A copy reads on by itself: it gets a number of its own.
    MemoryFiles(const MemoryFiles& other);
    MemoryFiles& operator=(const MemoryFiles& other);
    MemoryFiles(MemoryFiles&&) = default;
    MemoryFiles& operator=(MemoryFiles&&) = default;
    // The catalogue of `dir` as it is now.
    static MemoryFiles snapshot(const std::string& dir);

    // Its lines as read the first time, shared, not converted again.
    std::shared_ptr<const TextLines> text(const std::string& name) const override;
    // Converted once, at the first look-up in the file (a list of names,
    // never looked up, is never converted); safe from several threads.
    std::shared_ptr<const LineValues> values(const std::string& name) const override;
    std::string nameOnDisk(const std::string& name) const override { return folder_.nameOnDisk(name); }
    // A file, once kept, reads the same for the life of this object.
    std::optional<std::string> stamp(const std::string& name) const override;

private:
    struct Values {
        std::once_flag made;
        std::shared_ptr<const LineValues> values;
    };
    struct Kept {
        std::shared_ptr<const TextLines> lines; // nullptr: could not be read
        std::shared_ptr<Values> values; // of the lines, when they were read
        std::string refusal; // the read error's text; empty when none
    };
    const Kept& found(const std::string& name) const;
    void keep(const std::string& name);
    static Kept read(const FolderFiles& folder, const std::string& name);

    FolderFiles folder_;
    bool whole_ = false;
    unsigned long long id_; // this catalogue's own number in the process
    // By name as asked for; a snapshot by name folded to one letter case,
    // as the folder matches names.
    // By name as asked for; in a snapshot by name folded to one letter case.
    mutable std::map<std::string, Kept> kept_;
};
