#include "engine/verificationtext.h"

#include "engine/characteristic.h"
#include "engine/numtext.h"
#include "engine/verification.h"

std::string checkRowText(const CheckRow& row)
{
    std::string text = row.caption + (row.unit.empty() ? "" : ", " + row.unit) + ":";
    const char* separator = " ";
    if (row.method) {
        text += separator + std::string("расчет ") + chartNumber(*row.method);
        separator = "; ";
    }
    if (row.made) {
        text += separator + std::string("пружина ") + chartNumber(*row.made);
        separator = "; ";
    }
    if (!row.limitText.empty())
        text += separator + std::string("предел ") + row.limitText;
    text += std::string(" — ") + checkVerdictWords(row.verdict);
    if (!row.note.empty())
        text += " (" + row.note + ")";
    return text;
}

std::string verificationVerdictText(const Verification& v)
{
    return v.passed ? "выполнено" : std::string("не выполнено — ") + v.worst;
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
        lines.push_back(checkRowText(row));
    lines.push_back("Итог проверки: " + verificationVerdictText(v));
    return lines;
}
