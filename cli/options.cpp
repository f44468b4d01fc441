#include "cli/options.h"

#include "engine/exitstatus.h"
#include "cli/helpformat.h"
#include "engine/datafolder.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace {

const char* const kDescription
    = "Reads an input data file as the program's Load does, applies the rules of \"Расчет\" and prints the "
      "calculation report (UTF-8) on stdout; messages go to stderr, errors as one line starting \"error: \".";

std::string exitStatusText()
{
    std::string text = "Exit status:";
    const char* separator = " ";
    for (const auto& s : kExitStatusMeanings) {
        text += separator + std::to_string(s.status) + " " + s.meaning;
        separator = "; ";
    }
    return text + ".";
}

} // namespace

ParsedArgs parseArgs(int argc, const char* const* argv)
{
    ParsedArgs parsed;
    Options& o = parsed.options;
    std::string dataDir;
    std::string wireDiameter;
    std::string format = "text";

    CLI::App app(kDescription, "pruzcalc");
    app.formatter(std::make_shared<HelpFormatter>());
    app.footer(exitStatusText());
    auto* data = app.add_option("--data", dataDir, "data directory (default: the user's catalogue)")
                     ->type_name("DIR");
    auto* wire = app.add_option("--wire-diameter", wireDiameter,
                        "answer to the diameter question: the listed diameter written exactly as TEXT; "
                        "without it the question is cancelled")
                     ->type_name("TEXT");
    app.add_flag("--explain", o.explain,
        "print the calculation's trace instead of the report lines: every value with its formula and "
        "numbers, every table line used and why, every check with its verdict");
    auto* fmt = app.add_option("--format", format,
                       "text (the default) or json: one JSON object with the inputs, the exit status, the "
                       "report lines, the messages, every value by its symbol and the trace")
                    ->check(CLI::IsMember({ "text", "json" }).description(""))
                    ->type_name("FORMAT");
    int neighbours = 0;
    auto* nbr = app.add_option("--neighbours", neighbours,
                       "after the report, the stocked wire diameters from N below to N above the one the "
                       "calculation chose, each worked through as if picked in the diameter question: a "
                       "header line, then one row a line, tab-separated (text output only)")
                    ->check(CLI::NonNegativeNumber.description(""))
                    ->type_name("N")
                    ->excludes(fmt);
    app.add_option("FILE.rid", o.ridFile)->required();
    for (CLI::Option* opt : { data, wire, fmt, nbr })
        opt->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);

    parsed.help = app.help();
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        parsed.kind = ParsedArgs::Help;
        parsed.help += "\n" + catalogueHelp(processCataloguePlaces(std::nullopt));
        return parsed;
    } catch (const CLI::ParseError&) {
        parsed.kind = ParsedArgs::WrongUsage;
        return parsed;
    }
    if (data->count() > 0)
        o.design.dataDir = dataDir;
    if (wire->count() > 0)
        o.design.wireDiameter = wireDiameter;
    if (nbr->count() > 0)
        o.neighbours = neighbours;
    o.format = format == "json" ? OutputFormat::Json : OutputFormat::Text;
    o.design.trace = o.explain || o.format == OutputFormat::Json;
    parsed.kind = ParsedArgs::Run;
    return parsed;
}
