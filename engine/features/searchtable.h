#pragma once
// The columns of the search's table, shared by every view of it (the tab
// "Подбор" and pruzcalc --search): the header with its unit, the machine
// name and the cell's text, figures in the report's number text.

#include "engine/features/searchcandidate.h"

#include <string>
#include <vector>

struct SearchColumn {
    const char* header;
    const char* key; // JSON
    std::string (*text)(const SearchRow& row);
};

const std::vector<SearchColumn>& searchColumns();

// "I" to "IV".
std::string groupNumeral(int group);
