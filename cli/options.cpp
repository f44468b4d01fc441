#include "cli/options.h"

#include "cli/drawingoutput.h"
#include "cli/helpformat.h"
#include "engine/catalogue/datafolder.h"
#include "engine/common/exitstatus.h"
#include "engine/common/numtext.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <climits>
#include <memory>

namespace {

const char* const kDescription
    = "Reads an input data file as the program's Load does, applies the rules of \"Расчет\" and prints the "
      "calculation report (UTF-8) on stdout; messages go to stderr, errors as one line starting \"error: \". "
      "Given several files, or a folder (its *.rid files in name order, not its subfolders), it prints one "
      "line per file instead, the data files read once for all of them, and ends with the highest of their "
      "exit statuses.";

std::string exitStatusText()
{
    std::string text = "Exit status:";
    const char* separator = " ";
    for (const auto& s : kExitStatusMeanings) {
        text += separator + std::to_string(s.status) + " " + s.meaning;
        separator = "; ";
    }
    return text
        + ". With --compare-data: 0 no design changed, 1 some changed, 2 a design file could not be "
          "read, 66 a catalogue could not be read.";
}

// What the options ask for that cannot be done together; empty when fine.
std::string conflict(const Options& o, bool formatGiven)
{
    if (o.allMaterials && (o.several || o.compareData))
        return "--all-materials works out one FILE.rid";
    if (o.compareData) {
        if (formatGiven || o.explain || o.header || o.neighbours || o.verify)
            return "--compare-data prints its own list: no --format, --explain, --header, --neighbours or "
                   "--verify";
        return {};
    }
    if (o.several && o.format == OutputFormat::Text)
        return "--format text prints one FILE.rid; several files print as csv or json";
    if (o.several && o.explain && o.format != OutputFormat::Json)
        return "--explain prints one FILE.rid, or several as json";
    if (o.header && o.format != OutputFormat::Text)
        return "--header heads the text report of one FILE.rid";
    if (o.neighbours && o.format != OutputFormat::Text)
        return "--neighbours follows the text report of one FILE.rid";
    if (o.verify && o.several)
        return "--verify checks one FILE.rid; several files carry the check in their columns";
    return {};
}

// A count given as digits; more than any list holds counts as all of it.
std::optional<int> wholeCount(const std::string& text)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() ? static_cast<int>(std::min<long long>(value, INT_MAX)) : INT_MAX;
}

} // namespace

ParsedArgs parseArgs(int argc, const char* const* argv)
{
    ParsedArgs parsed;
    Options& o = parsed.options;
    std::string dataDir;
    std::string wireDiameter;
    std::string format;
    std::string compareData;

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
    auto* fmt
        = app.add_option("--format", format,
                 "text (the default for one file); json: one JSON object with the inputs, the exit status, "
                 "the report lines, the messages, every value the report wrote, the trace and the check of "
                 "the made spring, an array of them for several files (with the trace only when --explain "
                 "is given); csv (the default for several files): a header line, then per file "
                 "its status, the message that ended it, d, i, n, N1, c, L0, L3, L, M, Vкр, the "
                 "verdicts, and the check's R, force deviations, τk2/τzul, buckling and verdict, separated "
                 "by \";\" (the numbers have decimal commas)")
              ->check(CLI::IsMember({ "text", "json", "csv" }).description(""))
              ->type_name("FORMAT");
    app.add_flag("--header", o.header,
        "print the header of the printed report first: program and version, date and time (from "
        "SOURCE_DATE_EPOCH when set, in UTC), the input file as named and the inputs");
    auto* compare
        = app.add_option("--compare-data", compareData,
                 "calculate every file with the catalogue OLD_DIR and with the catalogue in use "
                 "(--data or the user's), and print each design whose report or status changes with "
                 "its first differing line, old and new, then \"N designs, M changed\"")
              ->type_name("OLD_DIR");
    app.add_flag("--verify", o.verify,
        "after the report, the check of the spring as it will be made by EN 13906-1 (its assumptions, "
        "then rate, forces at L1 and L2 within the tolerance band, free length, stresses, solid length and "
        "coil gaps, buckling, natural frequency, wire length, mass), one line a row, then the spring to "
        "order; the exit status 1 when the check fails or the spring cannot be checked; with --explain "
        "its steps follow the calculation's");
    std::string seating;
    auto* nu
        = app.add_option("--seating", seating,
                 "seating coefficient ν of the check's buckling: 2 (one end free), 1 (both hinged), "
                 "0,7 (one fixed, one hinged) or 0,5 (both fixed and guided parallel, the default)")
              ->check(CLI::Validator(
                  [](std::string& v) {
                      const std::string comma = v == "0.7" ? "0,7" : v == "0.5" ? "0,5" : v;
                      double nu = 0;
                      return tryStrToFloat(comma, nu) && seatingCase(nu)
                              && comma.find('.') == std::string::npos
                          ? std::string()
                          : "ν is one of " + seatingChoices() + " (0.7 and 0.5 also with a point), not " + v;
                  },
                  "", ""))
              ->type_name("NU");
    std::string tolerance;
    auto* tol = app.add_option("--tolerance", tolerance,
                       "the tolerance of the check's forces: en15800-1, en15800-2 (the default), en15800-3 "
                       "(EN 15800 grades) or gost16118-1, gost16118-2, gost16118-3 (ГОСТ 16118-70 groups)")
                    ->check(CLI::Validator(
                        [](std::string& v) {
                            return withTolerance({}, v)
                                ? std::string()
                                : "the tolerance is en15800-1..3 or gost16118-1..3, not " + v;
                        },
                        "", ""))
                    ->type_name("STD-GRADE");
    std::string ends;
    auto* endType
        = app.add_option("--ends", ends,
                 "the spring's ends for the check's solid length: ground (\"поджаты и сошлифованы\", "
                 "the default) or not-ground (\"поджаты, не шлифованы\")")
              ->check(CLI::IsMember({ "ground", "not-ground" }).description(""))
              ->type_name("ENDS");
    std::string neighbours;
    auto* nbr = app.add_option("--neighbours", neighbours,
                       "after the report, the stocked wire diameters from N below to N above the one the "
                       "calculation chose, each worked through as if picked in the diameter question: a "
                       "header line, then one row a line, tab-separated (the text report of one file only)")
                    ->type_name("N");
    app.add_flag("--all-materials", o.allMaterials,
        "after the report, the design worked out in every material of the catalogue as \"Расчет\" would "
        "with that material selected, lightest first: a header line, then one row a line, tab-separated; "
        "with --format csv the table alone, with json the key all_materials (one FILE.rid only)");
    addSearchOptions(app, o.search);
    addDrawingOptions(app, o);
    app.set_version_flag(
        "-v,--version", std::string("pruzcalc ") + PRUZ_VERSION, "print the version and exit");
    app.add_option("FILE.rid", o.inputs)->required()->expected(1, -1);
    for (CLI::Option* opt : { data, wire, fmt, compare, nbr, nu, tol, endType })
        opt->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);

    parsed.help = app.help();
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        parsed.kind = ParsedArgs::Help;
        parsed.help += "\n" + catalogueHelp(processCataloguePlaces(std::nullopt));
        return parsed;
    } catch (const CLI::CallForVersion&) {
        parsed.kind = ParsedArgs::Version;
        parsed.help = std::string("pruzcalc ") + PRUZ_VERSION + "\n";
        return parsed;
    } catch (const CLI::ParseError& e) {
        parsed.kind = ParsedArgs::WrongUsage;
        // An unknown option is named even when a FILE.rid is missing too:
        // "--bogus" alone is a mistyped option more likely than a
        // forgotten file.
        const std::vector<std::string> unknown = app.remaining();
        parsed.problem
            = unknown.empty() ? std::string(e.what()) : std::string(CLI::ExtrasError(unknown).what());
        return parsed;
    }
    if (data->count() > 0)
        o.design.dataDir = dataDir;
    if (wire->count() > 0)
        o.design.wireDiameter = wireDiameter;
    if (compare->count() > 0)
        o.compareData = compareData;
    if (nbr->count() > 0) {
        o.neighbours = wholeCount(neighbours);
        if (!o.neighbours) {
            parsed.problem = "--neighbours: " + neighbours + " is not a whole number of 0 or more";
            return parsed;
        }
    }
    if (nu->count() > 0)
        o.design.check.nu = strToFloat(seating == "0.7" ? "0,7" : seating == "0.5" ? "0,5" : seating);
    if (tol->count() > 0)
        o.design.check = *withTolerance(o.design.check, tolerance);
    if (endType->count() > 0)
        o.design.check = *withEnds(o.design.check, ends);
    o.several = o.inputs.size() > 1 || std::any_of(o.inputs.begin(), o.inputs.end(), isFolder);
    o.format = format == "json" ? OutputFormat::Json
        : format == "csv"       ? OutputFormat::Csv
        : format == "text"      ? OutputFormat::Text
        : o.several             ? OutputFormat::Csv
                                : OutputFormat::Text;
    parsed.problem = finishSearchArgs(o.search);
    if (o.search.on && (o.several || o.compareData || o.allMaterials || o.neighbours || o.verify || o.header))
        parsed.problem = "--search works out one FILE.rid with its own table";
    if (parsed.problem.empty())
        parsed.problem = conflict(o, fmt->count() > 0);
    if (!parsed.problem.empty())
        return parsed;
    // The trace is most of a design's JSON: in a list of many it is left
    // out unless asked for.
    o.design.trace = o.explain || (o.format == OutputFormat::Json && !o.several);
    // JSON and CSV always carry the check.
    o.design.verify = o.verify || o.format != OutputFormat::Text || !o.drawing.empty();
    parsed.kind = ParsedArgs::Run;
    return parsed;
}
