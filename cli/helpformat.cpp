#include "cli/helpformat.h"

#include <string>
#include <vector>

namespace {

constexpr size_t kWidth = 74;
constexpr size_t kOptionColumn = 24;

// Characters, not bytes: Cyrillic letters take two bytes of UTF-8.
size_t columns(const std::string& text)
{
    size_t n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) != 0x80;
    return n;
}

std::vector<std::string> words(const std::string& text)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        if (end > start)
            out.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

// The items run on after `first`, a line broken before an item that would
// pass the width; later lines start with `indent` blanks.
std::string wrap(std::string first, const std::vector<std::string>& items, size_t indent)
{
    std::string out = std::move(first);
    size_t used = columns(out);
    bool lineHasItem = false;
    for (const auto& item : items) {
        if (lineHasItem && used + 1 + columns(item) > kWidth) {
            out += '\n' + std::string(indent, ' ');
            used = indent;
            lineHasItem = false;
        }
        if (lineHasItem) {
            out += ' ';
            ++used;
        }
        out += item;
        used += columns(item);
        lineHasItem = true;
    }
    return out + '\n';
}

std::string withValue(const CLI::Option* opt)
{
    const std::string value = opt->get_type_name();
    if (opt->get_items_expected_max() == 0 || value.empty())
        return opt->get_name(false, true);
    return opt->get_name(false, true) + " " + value;
}

} // namespace

std::string HelpFormatter::make_help(const CLI::App* app, std::string, CLI::AppFormatMode) const
{
    const auto options = app->get_options(
        [app](const CLI::Option* o) { return o->nonpositional() && o != app->get_help_ptr(); });
    const auto positionals = app->get_options([](const CLI::Option* o) { return !o->nonpositional(); });

    std::vector<std::string> usage;
    for (const CLI::Option* o : options)
        usage.push_back(o->get_required() ? withValue(o) : "[" + withValue(o) + "]");
    for (const CLI::Option* o : positionals)
        usage.push_back(o->get_name(true) + (o->get_items_expected_max() > 1 ? "..." : ""));
    const std::string lead = "usage: " + app->get_name() + " ";
    std::string help = wrap(lead, usage, columns(lead)) + '\n';

    help += wrap({}, words(app->get_description()), 0) + '\n';
    for (const CLI::Option* o : options) {
        std::string entry = "  " + withValue(o);
        const size_t width = columns(entry);
        entry += std::string(width + 2 <= kOptionColumn ? kOptionColumn - width : 2, ' ');
        help += wrap(entry, words(o->get_description()), kOptionColumn);
    }
    return help + '\n' + wrap({}, words(app->get_footer()), 0);
}
