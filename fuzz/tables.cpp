// The calculation's table look-ups on arbitrary k3, sigmdiam and sigmab
// files and any material class.
#include "engine/common/errors.h"
#include "engine/method/calccontext.h"
#include "engine/method/calchost.h"
#include "engine/method/lookups.h"
#include "fuzzdir.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 9)
        return 0;
    double arg;
    std::memcpy(&arg, data, sizeof arg);
    if (!std::isfinite(arg))
        return 0;
    CalcInputs in;
    in.materialName = "M";
    auto parts = splitParts(data + 9, size - 9, 3);
    placeFile("k3.dat", parts[0]);
    placeFile("sigmdiam.dat", parts[1]);
    placeFile("sigmab.dat", parts[2]);
    const FolderFiles files(scratchDir());
    CheckingHost host;
    CalcContext c(in, host, files);
    c.values().materialClass = data[8] % 12;
    try {
        if (auto i = FindIpoK3(c, arg); i && (*i < 3.0 || !std::isfinite(*i)))
            std::abort();
    } catch (const ConversionError&) {
    }
    try {
        loadSigma(c, arg);
    } catch (const ConversionError&) {
    }
    return 0;
}
