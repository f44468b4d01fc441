// The line reader, the lines held compactly and the code page conversion on
// arbitrary bytes.
#include "engine/catalogue/textfile.h"
#include "engine/common/encoding.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TextReader r;
    r.openBytes(bytes);
    // The same bytes held compactly give the same lines, each found by its
    // number and (the first of equals) by its text.
    const TextLines held = TextLines::fromBytes(bytes);
    std::string rebuilt;
    size_t lines = 0;
    while (!r.eof()) {
        std::string line = r.readLine();
        if (lines >= held.size() || held[lines] != line)
            std::abort();
        if (const auto first = held.find(line); !first || *first > lines || held[*first] != line)
            std::abort();
        if (line.find('\r') != std::string::npos || line.find('\n') != std::string::npos)
            std::abort();
        // Every byte decodes, and encoding gives the same bytes back.
        rebuilt += utf8ToCp1251(line);
        if (!fitsCp1251(line))
            std::abort();
        if (++lines > size + 1)
            std::abort(); // the reader must always move on
    }
    if (rebuilt.size() > size || held.size() != lines)
        std::abort();
    if (!r.readLine().empty())
        std::abort(); // past the end: empty lines
    // Case folding accepts any bytes and never grows a name past twice.
    if (foldCase(bytes).size() > 2 * size + 4 * size)
        std::abort();
    return 0;
}
