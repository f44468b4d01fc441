#include "cli/searchoptions.h"

#include "engine/common/numtext.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace {

// The options given in millimetres or kilograms, in the order of
// SearchArgs::texts.
struct Measure {
    const char* name;
    const char* help;
    const char* unit = "MM";
};
constexpr Measure kMeasures[] = {
    { "--outer-min", "smallest outer diameter D1 tried, mm (default: the file's D1 less 50 %)" },
    { "--outer-max", "largest outer diameter D1 tried and allowed, mm (default: the file's D1 and 50 %)" },
    { "--inner-min", "smallest inner diameter D1 − 2·d allowed (a rod and its clearance), mm" },
    { "--length-max", "largest free length L0 allowed, mm" },
    { "--solid-max", "largest solid length N1·d allowed, mm" },
    { "--mass-max", "largest mass allowed, kg", "KG" },
    { "--step", "step of the outer diameter, mm (default 0,5)" },
};

} // namespace

void addSearchOptions(CLI::App& app, SearchArgs& args)
{
    app.add_flag("--search", args.on,
        "search for the lightest spring that does the job: the file's forces, stroke (or free length and "
        "coils), speed and endurance in every material of the catalogue, every group I..IV and every "
        "outer diameter of the range, each worked through by the method and checked by EN 13906-1; "
        "keeps the springs whose spring to order passes the check and fits the space, prints them ranked "
        "(their n, L0 and mass are the spring to order's), and exits 1 when none is kept (the count each "
        "rule rejected on stderr)");
    for (size_t k = 0; k < std::size(kMeasures); ++k)
        app.add_option(kMeasures[k].name, args.texts[k], kMeasures[k].help)->type_name(kMeasures[k].unit);
    app.add_option("--rank", args.rankText,
           "what --search ranks by: mass (the default), length, diameter, "
           "utilisation (of the check row nearest its limit) or coils")
        ->check(CLI::IsMember({ "mass", "length", "diameter", "utilisation", "coils" }).description(""))
        ->type_name("KEY");
    app.add_option("--limit", args.limit, "print the first N kept springs of --search (default: all)")
        ->type_name("N");
    app.add_option("-j", args.threads, "threads of --search (default: one a processor)")
        ->check(CLI::PositiveNumber.description(""))
        ->type_name("N");
}

std::string finishSearchArgs(SearchArgs& args)
{
    double values[std::size(kMeasures)] = {};
    for (size_t k = 0; k < std::size(kMeasures); ++k) {
        std::string text = args.texts[k];
        if (text.empty())
            continue;
        std::replace(text.begin(), text.end(), '.', ',');
        if (!args.on)
            return std::string(kMeasures[k].name) + " belongs to --search";
        if (!tryStrToFloat(text, values[k]) || values[k] < 0)
            return std::string(kMeasures[k].name) + ": '" + args.texts[k] + "' is not a number of 0 or more";
    }
    const auto given = [&](size_t k) { return !args.texts[k].empty(); };
    if (given(0))
        args.outerMin = values[0];
    if (given(1))
        args.outerMax = values[1];
    args.space = { values[1], values[2], values[3], values[4], values[5] };
    if (given(6))
        args.step = values[6];
    if (given(6) && args.step <= 0)
        return "--step must be more than 0";
    if (args.outerMin && args.outerMax && *args.outerMin > *args.outerMax)
        return "--outer-min must not be more than --outer-max";
    for (int k = 0; k < kSearchKeyCount; ++k)
        if (args.rankText == searchKeyName(static_cast<SearchKey>(k)))
            args.rank = static_cast<SearchKey>(k);
    if (!args.on && (!args.rankText.empty() || args.limit > 0 || args.threads > 0))
        return "--rank, --limit and -j belong to --search";
    return {};
}
