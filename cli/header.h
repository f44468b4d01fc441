#pragma once
// `pruzcalc --header`: the block that heads the printed report
// (engine/features/reportheader.h), then a rule, before the report lines.

#include <ctime>
#include <iosfwd>
#include <optional>
#include <string>

struct DesignResult;

// The date and time the header shows, as the windows write them
// ("dd.mm.yyyy hh:mm"): from SOURCE_DATE_EPOCH (seconds since 1970, in
// UTC) when it is set and not empty, so that the output can be
// reproduced; else `now` in local time. nullopt when SOURCE_DATE_EPOCH is not a whole number of
// seconds.
std::optional<std::string> headerDateTime(const char* sourceDateEpoch, std::time_t now);

// Nothing when the input data file could not be read (there are no inputs
// to show).
void writeHeader(const DesignResult& result, const std::string& dateTime, std::ostream& out);
