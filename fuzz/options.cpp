// pruzcalc's options, any words: parsing ends in help, the version, a run
// or one line of wrong usage, and a run's options never contradict each
// other as conflict() names them.
#include "cli/options.h"
#include "fuzzdir.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> words { "pruzcalc" };
    std::string word;
    for (size_t i = 0; i < size && words.size() < 16; ++i) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word += static_cast<char>(data[i]);
        }
    }
    words.push_back(word);
    std::vector<const char*> argv;
    for (const auto& w : words)
        argv.push_back(w.c_str());
    const ParsedArgs parsed = parseArgs(static_cast<int>(argv.size()), argv.data());
    if (parsed.kind == ParsedArgs::WrongUsage && (parsed.problem.empty() || parsed.problem.size() > 400))
        std::abort();
    if (parsed.kind == ParsedArgs::Run && (parsed.options.inputs.empty() || !parsed.problem.empty()))
        std::abort();
    return 0;
}
