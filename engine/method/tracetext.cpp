#include "engine/method/tracetext.h"

#include "engine/method/trace.h"

namespace {

std::string withUnit(const TraceStep& s)
{
    return s.unit.empty() ? s.valueText : s.valueText + " " + s.unit;
}

std::string lookupText(const TraceStep& s)
{
    if (s.file.empty())
        return s.text;
    if (s.line == 0)
        return s.file + ": " + s.text;
    return s.file + ", строка " + std::to_string(s.line) + ": " + s.lineText + " — " + s.text;
}

// A message's "\r" starts a new line, under the message's first.
void addMessage(std::vector<std::string>& out, const std::string& lead, const std::string& text)
{
    std::string line = lead;
    for (char ch : text) {
        if (ch == '\r') {
            out.push_back(line);
            line = std::string(lead.size(), ' ');
        } else {
            line += ch;
        }
    }
    out.push_back(line);
}

void addStep(std::vector<std::string>& out, const TraceStep& s)
{
    switch (s.kind) {
    case StepKind::Input:
        out.push_back(s.value ? s.caption + ": " + s.symbol + " = " + withUnit(s) : s.text);
        return;
    case StepKind::Check:
        out.push_back("Проверка: " + s.text);
        return;
    case StepKind::Message:
        addMessage(out, "Сообщение: ", s.text);
        return;
    case StepKind::Choice:
        out.push_back("Выбор диаметра: " + s.text);
        return;
    case StepKind::Line:
        out.push_back(s.text);
        return;
    case StepKind::Error:
        out.push_back("Ошибка: " + s.text);
        return;
    case StepKind::Value:
    case StepKind::Lookup:
        break;
    }
    std::string indent;
    if (!s.caption.empty()) {
        out.push_back(s.caption);
        indent = "    ";
    }
    if (s.kind == StepKind::Lookup)
        out.push_back(indent + lookupText(s));
    if (!s.formula.empty())
        out.push_back(indent + s.formula);
    const std::string result = s.symbol + " = " + withUnit(s);
    // The numbers are worth a line only when they say more than the result.
    if (!s.substitution.empty() && s.substitution != s.formula
        && s.substitution != s.symbol + " = " + s.valueText)
        out.push_back(indent + s.substitution);
    if (s.kind == StepKind::Value && !s.text.empty())
        out.push_back(indent + s.text);
    if (s.value && !s.symbol.empty())
        out.push_back(indent + result);
}

} // namespace

std::vector<std::string> traceLines(const Trace& trace)
{
    std::vector<std::string> out;
    const TraceStep* previous = nullptr;
    for (const TraceStep& s : trace.steps) {
        if (previous && !(previous->kind == StepKind::Input && s.kind == StepKind::Input))
            out.emplace_back();
        addStep(out, s);
        previous = &s;
    }
    return out;
}
