#pragma once
// The search for the lightest spring that does the job. The forces, the
// stroke (or the free length and coils) and the speed are given; the
// search tries every material of the catalogue (or a chosen set), every
// spring group asked for, and every outer diameter D1 of a range in steps
// (in mode 2 every free length and number of coils of their ranges too).
// Each candidate is one run of the method as "Расчет" would run it, then
// the check of its spring, then the space it must fit
// (engine/features/searchcandidate.h). Kept: the candidates that pass all
// three, ranked by a key with ties broken by the keys after it and last by
// their place in the enumeration, so the ranking is the same whatever the
// number of threads.
//
// The diameter question (k3 beyond the method's tables) is answered with
// every stocked wire of the material in turn, as a designer would try them
// in the dialog: each answer is a candidate of its own.
//
// The candidates are shared out among std::jthread workers in small
// batches; a stop request is seen between two candidates, and whatever was
// found by then is kept.

#include "engine/features/searchcandidate.h"

#include <array>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>
#include <vector>

class DataFiles;
class MemoryFiles;

// from, from + step, ... while not beyond `to` (a thousandth of a step
// allowed for rounding); from alone when the step is 0.
struct SearchRange {
    double from = 0, to = 0, step = 0;
    std::vector<double> values() const;
};

enum class SearchKey { Mass, Length, Diameter, Utilisation, Coils };
inline constexpr int kSearchKeyCount = 5;
// "mass", "length", "diameter", "utilisation", "coils"; and in words.
const char* searchKeyName(SearchKey key);
const char* searchKeyWords(SearchKey key);

struct SearchRequest {
    // Forces, stroke (mode 1) or free length and coils (mode 2), speed,
    // endurance, winding and data folder as "Расчет" gives them; their
    // material, group, outer diameter and chosenD are what is searched.
    CalcInputs base;
    SearchRange outer; // D1, mm
    SearchRange freeLength, coils; // mode 2; a step of 0: the base's value alone
    std::vector<std::string> materials; // empty: every material of the catalogue
    std::vector<int> groups { 1, 2, 3, 4 };
    SearchSpace space;
    SearchKey rank = SearchKey::Mass;
};

struct SearchProgress {
    std::uint64_t tried = 0; // candidates worked through
    std::uint64_t kept = 0;
    std::uint64_t planned = 0; // candidates before any diameter question is answered
    std::uint64_t done = 0; // of them
};

struct SearchResult {
    std::string refusal; // why nothing could be tried (no material list); empty otherwise
    std::vector<SearchRow> rows; // kept, ranked
    std::uint64_t tried = 0;
    std::array<std::uint64_t, kRejectionCount> rejected {}; // by Rejection; None unused
    bool stopped = false; // stopped on request before the end
};

// True when row a ranks before row b by `key` (ties: the keys after it,
// then the place in the enumeration).
bool ranksBefore(const SearchRow& a, const SearchRow& b, SearchKey key);

// Called after each batch, one call at a time, from the searching threads:
// the counts so far and the rows that batch kept (in no order).
using SearchProgressFn = std::function<void(const SearchProgress&, const std::vector<SearchRow>& kept)>;

// The search over the catalogue held in `files` (read only: a snapshot, so
// the threads may share it) on `threads` threads (1: this one).
SearchResult runSearch(const SearchRequest& request, const MemoryFiles& files, unsigned threads,
    std::stop_token stop = {}, const SearchProgressFn& progress = {});

// The inputs of a kept row, as "Расчет" would get them: the base with its
// material, group, outer diameter, free length and coils, and the wire
// that answered the diameter question.
CalcInputs rowInputs(const CalcInputs& base, const SearchRow& row);
