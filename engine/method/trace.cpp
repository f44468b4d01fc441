#include "engine/method/trace.h"

#include "engine/common/numtext.h"
#include "engine/method/quantities.h"

#include <stdexcept>
#include <string_view>

const char* stepKindName(StepKind kind)
{
    // In the order of the enumeration.
    static const char* const names[]
        = { "input", "value", "lookup", "check", "message", "choice", "line", "error" };
    return names[static_cast<size_t>(kind)];
}

void Trace::addError(const std::string& text)
{
    steps.emplace_back();
    steps.back().kind = StepKind::Error;
    steps.back().text = text;
}

namespace {

// Calls `symbol` for each "{...}" and `plain` for the text between them.
template <class Plain, class Symbol> void walkFormula(std::string_view formula, Plain plain, Symbol symbol)
{
    size_t pos = 0;
    while (pos < formula.size()) {
        const size_t open = formula.find('{', pos);
        if (open == std::string_view::npos) {
            plain(formula.substr(pos));
            return;
        }
        const size_t close = formula.find('}', open);
        if (close == std::string_view::npos)
            throw std::logic_error("unclosed symbol in a formula");
        plain(formula.substr(pos, open - pos));
        symbol(formula.substr(open + 1, close - open - 1));
        pos = close + 1;
    }
}

} // namespace

std::string formulaText(const char* formula)
{
    std::string out;
    auto append = [&](std::string_view s) { out += s; };
    walkFormula(formula, append, append);
    return out;
}

std::string substituted(const char* formula, const CalcValues& p)
{
    return substituted(formula, [&](std::string_view s) -> std::optional<double> {
        const Quantity* q = quantityBySymbol(s);
        return q ? std::optional<double>(p.*q->field) : std::nullopt;
    });
}

std::string substituted(
    const char* formula, const std::function<std::optional<double>(std::string_view)>& valueOf)
{
    std::string out;
    walkFormula(
        formula, [&](std::string_view s) { out += s; },
        [&](std::string_view s) {
            const std::optional<double> v = valueOf(s);
            if (!v)
                throw std::logic_error("a formula names an unknown symbol: " + std::string(s));
            out += *v < 0 ? "(" + numText(*v) + ")" : numText(*v);
        });
    return out;
}
