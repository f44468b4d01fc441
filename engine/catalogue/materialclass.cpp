#include "engine/catalogue/materialclass.h"

namespace {

struct StressTableNames {
    StressTable table;
    const char* file;
    const char* viewerFile;
    const char* kind;
};

constexpr StressTableNames kStressTables[] = {
    { StressTable::FirstApproximation, "tau1.dat", "TAU1.DAT", "PREDVARIT" },
    { StressTable::Final, "tau2.dat", "TAU2.DAT", "OKONCAT" },
};

constexpr StressTableNames kNoTable { StressTable::None, "", "", "" };

constexpr const StressTableNames& namesOf(StressTable table)
{
    for (const auto& names : kStressTables)
        if (names.table == table)
            return names;
    return kNoTable;
}

constexpr bool blocksAreListed()
{
    for (const auto& c : kMaterialClasses)
        if (c.sigmaBlock >= static_cast<int>(kSigmaBlockCaptions.size()))
            return false;
    return true;
}
static_assert(blocksAreListed(), "every tensile-strength block has a viewer column");

} // namespace

const MaterialClass* findMaterialClass(int code)
{
    if (code < 0 || code >= static_cast<int>(kMaterialClasses.size()))
        return nullptr;
    return &kMaterialClasses[static_cast<size_t>(code)];
}

double allowableShare(int code, int group)
{
    const MaterialClass* c = findMaterialClass(code);
    if (!c || c->table != StressTable::FirstApproximation || group < 1 || group > 4)
        return 0;
    return c->share[static_cast<size_t>(group - 1)];
}

const char* stressTableFile(StressTable table)
{
    return namesOf(table).file;
}

const char* stressTableViewerFile(StressTable table)
{
    return namesOf(table).viewerFile;
}

const char* stressTableKind(StressTable table)
{
    return namesOf(table).kind;
}

StressTable stressTableOfKind(const std::string& kind)
{
    for (const auto& names : kStressTables)
        if (kind == names.kind)
            return names.table;
    return StressTable::None;
}
