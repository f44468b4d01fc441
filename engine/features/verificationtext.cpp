#include "engine/features/verificationtext.h"

#include "engine/common/numtext.h"
#include "engine/features/characteristic.h"
#include "engine/features/verification.h"

#include <string_view>

namespace {

std::string signedPercent(double v)
{
    return (v > 0 ? "+" : "") + chartNumber(v) + " %";
}

std::string n(double v)
{
    return chartNumber(v);
}

} // namespace

std::string checkRowCaption(const Verification& v, const CheckRow& row)
{
    if (std::string_view(row.key) == "sK")
        return std::string(row.caption) + " (ν = " + numText(v.spring.nu) + ")";
    return row.caption;
}

std::string checkRowLimit(const CheckRow& row)
{
    if (row.limitShown && row.limit)
        return std::string(row.limitRule) + " = " + n(*row.limit);
    return row.limitRule;
}

std::string checkRowNote(const Verification& v, const CheckRow& row)
{
    const MadeSpring& s = v.spring;
    const std::string_view key = row.key;
    if (key == "Rm")
        return v.rmSource;
    if (key == "F1")
        return signedPercent(s.dev1);
    if (key == "F2")
        return signedPercent(s.dev2);
    if ((key == "R" || key == "wireLength" || key == "mass") && row.method && *row.method != 0 && row.made)
        return signedPercent(100 * (*row.made - *row.method) / *row.method) + " к расчету";
    if (key == "sK") {
        if (s.bucklingFree)
            return "не теряет устойчивости при любом сжатии";
        if (s.E <= s.G)
            return "E не больше G в каталоге: устойчивость не проверена";
        return row.verdict == CheckVerdict::Failed ? "пружина теряет устойчивость"
                                                   : "s2 = " + n(s.s2) + " мм меньше sK";
    }
    return {};
}

std::string checkRowText(const Verification& v, const CheckRow& row)
{
    std::string text = checkRowCaption(v, row) + (*row.unit ? std::string(", ") + row.unit : "") + ":";
    const char* separator = " ";
    if (row.method) {
        text += separator + std::string("расчет ") + n(*row.method);
        separator = "; ";
    }
    if (row.made) {
        text += separator + std::string("пружина ") + n(*row.made);
        separator = "; ";
    }
    if (*row.limitRule)
        text += separator + std::string("предел ") + checkRowLimit(row);
    text += std::string(" — ") + checkVerdictWords(row.verdict);
    if (const std::string note = checkRowNote(v, row); !note.empty())
        text += " (" + note + ")";
    return text;
}

std::string worstFinding(const Verification& v)
{
    if (v.worstRow < 0 || static_cast<size_t>(v.worstRow) >= v.rows.size())
        return {};
    const CheckRow& worst = v.rows[static_cast<size_t>(v.worstRow)];
    const MadeSpring& s = v.spring;
    const std::string_view key = worst.key;
    if (key == "F1" || key == "F2") {
        const CheckRow* rate = v.row("R");
        return "жесткость пружины R = " + n(s.R) + " Н/мм, в расчете c = " + n(rate ? *rate->method : 0)
            + " Н/мм; при L1 сила " + n(s.FL1) + " Н вместо " + n(s.F1) + " Н (" + signedPercent(s.dev1)
            + "), при L2 — " + n(s.FL2) + " Н вместо " + n(s.F2) + " Н (" + signedPercent(s.dev2) + ")";
    }
    if (key == "L2")
        return "рабочая длина L2 = " + n(s.L2) + " мм меньше Ln = " + n(s.Ln) + " мм";
    if (key == "sK")
        return "пружина теряет устойчивость: s2 = " + n(s.s2) + " мм не меньше sK = " + n(s.sK)
            + " мм (ν = " + numText(s.nu) + ")";
    return std::string(worst.caption) + " = " + n(*worst.made) + " " + worst.unit + ", допускается "
        + checkRowLimit(worst);
}

std::string verificationVerdictText(const Verification& v)
{
    return v.passed ? "выполнено" : "не выполнено — " + worstFinding(v);
}

std::string verificationWarning(const Verification& v)
{
    return v.passed ? std::string() : "Проверка по EN 13906-1 не пройдена: " + worstFinding(v);
}

std::vector<std::string> verificationLines(const Verification& v)
{
    std::vector<std::string> lines { kCheckHeading };
    if (!v.available) {
        lines.push_back(v.refusal);
        return lines;
    }
    const SeatingCase* seating = seatingCase(v.spring.nu);
    lines.push_back("Коэффициент опирания ν = " + numText(v.spring.nu)
        + (seating ? std::string(" (") + seating->caption + ")" : std::string()));
    for (const CheckRow& row : v.rows)
        lines.push_back(checkRowText(v, row));
    lines.push_back("Итог проверки: " + verificationVerdictText(v));
    return lines;
}
