#include "engine/features/searchtable.h"

#include "engine/common/numtext.h"
#include "engine/features/neighbours.h"

#include <cmath>

std::string groupNumeral(int group)
{
    static const char* const numerals[] = { "I", "II", "III", "IV" };
    return group >= 1 && group <= 4 ? numerals[group - 1] : std::to_string(group);
}

const std::vector<SearchColumn>& searchColumns()
{
    using R = const SearchRow&;
    static const std::vector<SearchColumn> columns {
        { "материал", "material", [](R r) { return r.material; } },
        { "группа", "group", [](R r) { return groupNumeral(r.group); } },
        { "D1, мм", "D1", [](R r) { return numText(r.D1); } },
        { "d, мм", "d", [](R r) { return numText(r.d) + (r.wire ? " (выбор)" : ""); } },
        { "n", "n", [](R r) { return numText(r.n); } },
        { "L0, мм", "L0", [](R r) { return numText(r.L0); } },
        { "m, кг", "mass", [](R r) { return numText(std::round(r.mass * 1e5) / 1e5); } },
        { "ближе всего к пределу", "worst_row",
            [](R r) {
                return *r.worstRow
                    ? std::string(r.worstRow) + " " + numText(std::round(r.utilisation * 1000) / 10) + " %"
                    : std::string();
            } },
        { "EN 13906-1", "passed", [](R r) { return std::string(r.passed ? kPassesMark : kFailsMark); } },
    };
    return columns;
}
