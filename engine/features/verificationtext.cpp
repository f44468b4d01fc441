#include "engine/features/verificationtext.h"

#include "engine/common/numtext.h"
#include "engine/features/characteristic.h"
#include "engine/features/verification.h"

namespace {

std::string n(double v)
{
    return chartNumber(v);
}

std::string unitText(const CheckRow& row)
{
    return *row.unit ? std::string(" ") + row.unit : std::string();
}

} // namespace

std::string checkRowCaption(const Verification& v, const CheckRow& row)
{
    if (row.key == CheckKey::Buckling)
        return std::string(row.caption) + " (ν = " + numText(v.settings.nu) + ")";
    return row.caption;
}

std::string checkRowUtilisation(const CheckRow& row)
{
    return row.utilisation ? n(*row.utilisation) : std::string();
}

std::string checkRowText(const CheckRow& row)
{
    std::string text = row.caption + (*row.unit ? std::string(", ") + row.unit : "") + ":";
    const char* separator = " ";
    auto add = [&](const std::string& part) {
        text += separator + part;
        separator = "; ";
    };
    if (row.method)
        add("расчет " + n(*row.method));
    if (row.made)
        add("пружина " + n(*row.made));
    if (!row.limitText.empty())
        add("предел " + row.limitText);
    if (row.utilisation)
        add("использование " + n(*row.utilisation));
    text += std::string(" — ") + checkVerdictWords(row.verdict);
    if (!row.note.empty())
        text += " (" + row.note + ")";
    return text;
}

std::string checkFinding(const CheckRow& row)
{
    std::string text = row.caption;
    if (row.made)
        text += " = " + n(*row.made) + unitText(row);
    if (!row.limitText.empty())
        text += ", допускается " + row.limitText;
    if (row.utilisation)
        text += " (использование " + n(*row.utilisation) + ")";
    if (!row.note.empty() && !row.made)
        text += ": " + row.note;
    return text;
}

std::string worstFinding(const Verification& v)
{
    if (v.passed || v.worstRow < 0 || static_cast<size_t>(v.worstRow) >= v.rows.size())
        return {};
    return checkFinding(v.rows[static_cast<size_t>(v.worstRow)]);
}

std::string verificationVerdictText(const Verification& v)
{
    if (!v.passed)
        return "не выполнено — " + worstFinding(v);
    if (v.worstRow < 0)
        return "выполнено";
    const CheckRow& most = v.rows[static_cast<size_t>(v.worstRow)];
    return "выполнено (наибольшее использование: " + std::string(most.caption) + ", "
        + checkRowUtilisation(most) + ")";
}

std::string verificationWarning(const Verification& v)
{
    return v.passed ? std::string() : "Проверка по EN 13906-1 не пройдена: " + worstFinding(v);
}

std::vector<std::string> assumptionLines(const Verification& v)
{
    const SeatingCase* seating = seatingCase(v.settings.nu);
    std::vector<std::string> lines { "Допущения:" };
    lines.push_back("  допуски: " + toleranceCaption(v.settings.standard, v.settings.grade));
    lines.push_back(v.cyclic ? "  нагрузка циклическая: N = " + numText(v.spring.cycles) + " циклов (больше "
                + numText(kStaticCycles) + ")"
                             : "  нагрузка статическая: N = "
                + (v.spring.cycles > 0 ? numText(v.spring.cycles) : std::string("не задано")) + " (не больше "
                + numText(kStaticCycles) + " циклов)");
    lines.push_back(std::string("  концы: ") + endTypeCaption(v.settings.ends));
    lines.push_back("  коэффициент опирания ν = " + numText(v.settings.nu)
        + (seating ? std::string(" (") + seating->caption + ")" : std::string()));
    lines.push_back("  силы: кгс · " + numText(kGravity) + " = Н");
    lines.push_back("  Rm: " + v.rmSource);
    if (v.cyclic)
        lines.push_back("  выносливость: " + v.fatigueSource);
    return lines;
}

std::string orderVerdictText(const Verification& v)
{
    if (!v.order)
        return {};
    return v.order->passed ? "годна" : "не годна — " + v.order->stop;
}

std::vector<std::string> orderLines(const Verification& v)
{
    if (!v.order)
        return {};
    const OrderSpring& o = *v.order;
    const MadeSpring& s = o.spring;
    std::vector<std::string> lines;
    if (o.rows.empty()) {
        lines.push_back("Пружину к заказу подобрать нельзя: " + o.stop);
        return lines;
    }
    lines.push_back("d = " + n(s.d) + " мм; D = " + n(s.D) + " мм; D1 = " + n(s.D + s.d)
        + " мм; n′ = " + numText(s.n) + "; nt = " + numText(s.nt) + "; L0′ = " + n(s.L0) + " мм");
    lines.push_back("L1 = " + n(s.L1) + " мм; L2 = " + n(s.L2) + " мм; Lc = " + n(s.Lc)
        + " мм; Sa = " + n(s.Sa) + " мм; R = " + n(s.R) + " Н/мм");
    lines.push_back("F1 = " + n(s.FL1) + " Н; F2 = " + n(s.FL2) + " Н; масса " + n(s.mass)
        + " кг; длина проволоки " + n(s.wireLength) + " мм");
    for (const CheckRow& row : o.rows)
        if (row.verdict != CheckVerdict::Info)
            lines.push_back(checkRowText(row));
    lines.push_back("Пружина к заказу: " + orderVerdictText(v));
    return lines;
}

std::vector<std::string> verificationLines(const Verification& v)
{
    std::vector<std::string> lines { kCheckHeading };
    if (!v.available) {
        lines.push_back(v.refusal);
        return lines;
    }
    const std::vector<std::string> assumptions = assumptionLines(v);
    lines.insert(lines.end(), assumptions.begin(), assumptions.end());
    for (const CheckRow& row : v.rows) {
        CheckRow shown = row;
        const std::string caption = checkRowCaption(v, row);
        shown.caption = caption.c_str();
        lines.push_back(checkRowText(shown));
    }
    lines.push_back("Итог проверки: " + verificationVerdictText(v));
    lines.push_back(kOrderHeading);
    const std::vector<std::string> order = orderLines(v);
    lines.insert(lines.end(), order.begin(), order.end());
    return lines;
}
