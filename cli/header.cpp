#include "cli/header.h"

#include "engine/features/design.h"
#include "engine/features/reportheader.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <ostream>

namespace {

size_t columns(const std::string& text)
{
    return static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](char ch) { return (ch & 0xC0) != 0x80; }));
}

} // namespace

std::optional<std::string> headerDateTime(const char* sourceDateEpoch, std::time_t now)
{
    std::tm parts {};
    if (sourceDateEpoch && *sourceDateEpoch) {
        long long seconds = 0;
        const char* end = sourceDateEpoch + std::strlen(sourceDateEpoch);
        const auto read = std::from_chars(sourceDateEpoch, end, seconds);
        if (read.ec != std::errc() || read.ptr != end || seconds < 0)
            return std::nullopt;
        const auto when = static_cast<std::time_t>(seconds);
        if (!gmtime_r(&when, &parts))
            return std::nullopt;
    } else if (!localtime_r(&now, &parts)) {
        return std::nullopt;
    }
    char text[32];
    const size_t length = std::strftime(text, sizeof text, "%d.%m.%Y %H:%M", &parts);
    return length ? std::optional<std::string>(std::string(text, length)) : std::nullopt;
}

void writeHeader(const DesignResult& result, const std::string& dateTime, std::ostream& out)
{
    if (!result.form)
        return;
    const std::vector<std::string> lines = reportHeaderLines({ .dateTime = dateTime,
        .inputFile = result.ridFile,
        .form = *result.form,
        .catalogue = result.inputs.dataDir.empty() ? "" : catalogueLabel(result.inputs.dataDir) });
    size_t width = 0;
    for (const std::string& line : lines) {
        out << line << '\n';
        width = std::max(width, columns(line));
    }
    // The printout's thin rule under the block.
    out << std::string(width, '-') << '\n';
}
