// Loading an input data file: any bytes either load or fail with the
// conversion error, and a loaded form saves to lines that load back to it.
#include "engine/catalogue/textfile.h"
#include "engine/common/errors.h"
#include "engine/method/inputform.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TextReader r;
    r.openBytes(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<std::string> lines;
    while (!r.eof())
        lines.push_back(r.readLine());
    try {
        InputForm f = parseRid(lines);
        std::vector<std::string> saved = ridLines(f);
        if (saved.size() != 22 || ridLines(parseRid(saved)) != saved)
            std::abort();
        ridMaterialIndex(f, lines);
    } catch (const ConversionError&) {
    }
    return 0;
}
