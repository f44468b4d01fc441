#pragma once
// The lines of a data file held compactly: their UTF-8 text in one buffer,
// each line followed by "\n", and the start of every 64th line noted. A
// file of millions of empty or short lines so costs about its own size, not
// a string object per line. Line k is found from the nearest noted start,
// and the first line of a given text through a hash table of the distinct
// lines built at the first search: both take the same time however long
// the file is.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TextLines {
public:
    TextLines() = default;
    // The lines a reader reads from a file's bytes (engine/catalogue/textfile.h):
    // converted from Windows-1251, up to the end or a Ctrl-Z where a line
    // would begin.
    static TextLines fromBytes(std::string bytes);
    // Lines already in UTF-8; none may hold a line break.
    static TextLines fromLines(const std::vector<std::string>& lines);

    size_t size() const { return count_; }
    std::string_view operator[](size_t k) const;
    // The first line equal to `text`; nullopt when none is.
    std::optional<size_t> find(std::string_view text) const;
    std::vector<std::string> toVector() const;

    // Reading in order: the line that starts at byte `offset` (0 for the
    // first), with `offset` moved to the next one; end() after the last.
    std::string_view next(size_t& offset) const;
    size_t end() const { return text_.size(); }

private:
    void add(std::string_view line);

    std::string text_;
    std::vector<std::uint32_t> marks_; // where lines 0, 64, 128, ... start
    size_t count_ = 0;
    // Open addressing over the distinct lines: their start and number, with
    // number + 1 in the second half so that 0 marks a free slot.
    mutable std::vector<std::pair<std::uint32_t, std::uint32_t>> table_;
    mutable size_t distinct_ = 0;
    mutable bool indexed_ = false;
};
