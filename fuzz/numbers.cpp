// Number reading and writing: whatever the text, reading either fails
// cleanly or gives a finite number whose written form reads back to the
// same 15 significant digits.
#include "engine/common/numtext.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    double v = 0;
    if (tryStrToFloat(text, v)) {
        if (!std::isfinite(v))
            std::abort();
        std::string shown = numText(v);
        if (shown.find('.') != std::string::npos)
            std::abort();
        double back = 0;
        if (!tryStrToFloat(shown, back))
            std::abort();
        if (v != 0 && std::fabs(back - v) > std::fabs(v) * 1e-14)
            std::abort();
        if (numText(back) != shown)
            std::abort();
    }
    int n = 0;
    if (tryStrToInt(text, n) && strToInt(intText(n)) != n)
        std::abort();
    if (size == sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        if (std::isfinite(raw)) {
            double back = strToFloat(numText(raw));
            if (raw != 0 && std::fabs(back - raw) > std::fabs(raw) * 1e-14)
                std::abort();
        }
    }
    return 0;
}
