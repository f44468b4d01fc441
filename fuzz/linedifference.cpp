// The line difference of a kept file: its "- " lines are a's lines in
// order, its "+ " lines b's, and what neither marks is common to both in
// equal number; a table too large is refused in words.
#include "engine/catalogue/cataloguesync.h"
#include "fuzzdir.h"

#include <cstdlib>

namespace {

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i)
        if (i == text.size() || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    return lines;
}

// `marked` in order within `all`.
bool inOrder(const std::vector<std::string>& marked, const std::vector<std::string>& all)
{
    size_t k = 0;
    for (const auto& line : all)
        if (k < marked.size() && marked[k] == line)
            ++k;
    return k == marked.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto parts = splitParts(data, size, 2);
    const auto a = linesOf(parts[0]), b = linesOf(parts[1]);
    const std::string diff = lineDifference(a, b);
    if (!diff.empty() && diff[0] == '(')
        return 0; // too long to compare, said so
    std::vector<std::string> minus, plus;
    for (const auto& line : linesOf(diff)) {
        if (line.rfind("- ", 0) == 0)
            minus.push_back(line.substr(2));
        else if (line.rfind("+ ", 0) == 0)
            plus.push_back(line.substr(2));
        else if (!line.empty())
            return 0; // a line of a or b held a line break of its own: no claim
    }
    if (!inOrder(minus, a) || !inOrder(plus, b) || a.size() - minus.size() != b.size() - plus.size())
        std::abort();
    if (a == b && !diff.empty())
        std::abort();
    return 0;
}
