#pragma once
// The lines of a data file read as numbers, each line converted once. The
// calculation's look-ups compare a value with every line of a table; a
// catalogue held in memory keeps these with its files' lines, so a run
// over many designs does not convert the same text again and again.

#include "engine/catalogue/textlines.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class LineValues {
public:
    explicit LineValues(std::shared_ptr<const TextLines> lines);

    // The lines a reader reads before the end.
    size_t size() const { return numbers_.size(); }
    // Line k (from 0) as read; past the end an empty line, as a reader gives.
    std::string text(size_t k) const;
    // Line k as strToFloat reads it; its ConversionError for a line that is
    // not a number, unless the line is empty and `empty` says what that
    // reads as.
    double number(size_t k, std::optional<double> empty = std::nullopt) const;

private:
    enum class Kind : unsigned char { Number, Empty, Other };
    std::shared_ptr<const TextLines> lines_;
    std::vector<double> numbers_;
    std::vector<Kind> kinds_;
};
