#include "engine/method/calccontext.h"

#include "engine/common/numtext.h"
#include "engine/method/calchost.h"
#include "engine/method/diameterchoice.h"
#include "engine/method/peremenn.h"
#include "engine/method/quantities.h"

#include <string_view>

ReportValue::ReportValue(
    const char* caption, int blanks, const char* key, double CalcValues::*field, const char* unit)
    : caption(caption)
    , label(caption + std::string(static_cast<size_t>(blanks), ' ') + key)
    , field(field)
    , unit(unit)
{
}

ReportValue::ReportValue(double CalcValues::*field, int blanks, const char* key, const char* unit)
    : ReportValue(captionOf(field), blanks, key, field, unit)
{
}

CalcContext::CalcContext(const CalcInputs& inputs, CalcHost& host, const DataFiles& files, Trace* trace)
    : record_(std::make_unique<Peremenn>(inputs))
    , p(*record_)
    , files_(files)
    , host_(host)
    , trace_(trace)
{
}

CalcContext::~CalcContext() = default;

bool CalcContext::stopped() const
{
    return p.stopped();
}

CalcValues& CalcContext::values()
{
    return p;
}

void CalcContext::clearReport()
{
    host_.clearReport();
    lines_ = 0;
}

void CalcContext::enablePrint()
{
    host_.enablePrint();
}

void CalcContext::appendLine(const std::string& line)
{
    host_.appendLine(line);
    ++lines_;
}

TraceStep& CalcContext::addStep(StepKind kind)
{
    trace_->steps.emplace_back();
    trace_->steps.back().kind = kind;
    return trace_->steps.back();
}

TraceStep& CalcContext::lookup(
    const std::string& file, int line, const std::string& lineText, std::string why)
{
    TraceStep& step = addStep(StepKind::Lookup);
    step.file = file.empty() ? file : files_.nameOnDisk(file); // as the user finds it
    step.line = line;
    step.lineText = lineText;
    step.text = std::move(why);
    return step;
}

void CalcContext::nameStep(TraceStep& step, double CalcValues::*field, double value) const
{
    if (const Quantity* q = quantityOf(field)) {
        step.name = q->name;
        step.symbol = q->symbol;
        step.unit = q->unit;
        step.caption = q->what;
    }
    step.value = value;
    step.valueText = numText(value);
}

void CalcContext::value(double CalcValues::*field, const char* formula)
{
    if (!trace_)
        return;
    TraceStep& step = addStep(formula ? StepKind::Value : StepKind::Input);
    nameStep(step, field, p.*field);
    if (formula) {
        step.formula = step.symbol + " = " + formulaText(formula);
        step.substitution = step.symbol + " = " + substituted(formula, p);
    }
}

void CalcContext::input(double CalcValues::*field)
{
    value(field, nullptr);
}

void CalcContext::inputNote(const std::string& text)
{
    if (trace_)
        addStep(StepKind::Input).text = text;
}

void CalcContext::note(const std::string& text)
{
    if (trace_ && !trace_->steps.empty())
        trace_->steps.back().text = text;
}

void CalcContext::recaption(const std::string& caption)
{
    if (trace_ && !trace_->steps.empty())
        trace_->steps.back().caption = caption;
}

void CalcContext::line(const ReportValue& v, const char* formula)
{
    line(v.label, v, formula);
}

void CalcContext::line(const std::string& label, const ReportValue& v, const char* formula)
{
    if (formula)
        value(v.field, formula);
    if (!trace_ && !host_.wantsReport())
        return;
    if (trace_)
        attachLine(v);
    appendLine(label + numText(p.*v.field) + v.unit);
    host_.reportedValue(v.field, p.*v.field);
}

// The last step that set the value and has no report line yet takes this
// one; a value shown again gets a step of its own.
void CalcContext::attachLine(const ReportValue& v)
{
    const Quantity* q = quantityOf(v.field);
    for (auto it = trace_->steps.rbegin(); it != trace_->steps.rend(); ++it) {
        if (q && it->name == q->name) {
            if (it->reportLine >= 0)
                break;
            it->reportLine = lines_;
            it->caption = v.caption;
            return;
        }
    }
    TraceStep& step = addStep(StepKind::Value);
    nameStep(step, v.field, p.*v.field);
    step.caption = v.caption;
    step.reportLine = lines_;
}

void CalcContext::text(const std::string& line)
{
    if (!trace_ && !host_.wantsReport())
        return;
    if (trace_) {
        TraceStep& step = addStep(StepKind::Line);
        step.text = line;
        step.reportLine = lines_;
    }
    appendLine(line);
}

void CalcContext::message(const std::string& text)
{
    if (trace_)
        addStep(StepKind::Message).text = text;
    host_.showMessage(text);
}

bool CalcContext::chooseDiameter()
{
    // The diameter the stress asks for is a hint for a person choosing; a
    // host that shows nothing gets none, which spares a search the solving.
    const std::optional<double> needed
        = host_.wantsReport() ? neededDiameter(p.D1, p.F3, p.k3) : std::nullopt;
    const std::optional<double> answer = host_.chooseDiameter(p.in, needed);
    const bool chosen = answer.has_value();
    if (chosen)
        p.chosenD = *answer;
    if (trace_) {
        TraceStep& step = addStep(StepKind::Choice);
        if (chosen) {
            nameStep(step, &Peremenn::chosenD, p.chosenD);
            step.text = "выбран диаметр " + step.valueText + " " + step.unit;
        } else {
            step.text = "выбор отменён";
        }
    }
    return chosen;
}

bool CalcContext::choiceForced() const
{
    return host_.choiceForced();
}

namespace {

// "59,43" for a plain number, "k3 = 25,67" for a lone symbol,
// "Vmax / Vкр = 2 / 2,67 = 0,75" for a formula. `exact`: the value with
// every digit it needs to read back.
std::string sideText(CheckSide side, const CalcValues& p, bool exact)
{
    const std::string_view formula = side.formula;
    if (formula.find('{') == std::string_view::npos)
        return side.formula;
    const bool loneSymbol = formula.front() == '{' && formula.find('}') == formula.size() - 1;
    if (loneSymbol && exact)
        return formulaText(side.formula) + " = " + exactText(side.value);
    std::string text = formulaText(side.formula) + " = " + substituted(side.formula, p);
    return loneSymbol ? text : text + " = " + (exact ? exactText(side.value) : numText(side.value));
}

} // namespace

bool CalcContext::check(CheckSide lhs, const char* relation, CheckSide rhs, bool passed)
{
    if (trace_) {
        TraceStep& step = addStep(StepKind::Check);
        step.value = lhs.value;
        step.valueText = numText(lhs.value);
        // Two sides that differ beyond 15 digits are shown in full, so that
        // the verdict agrees with the numbers printed.
        const bool exact = lhs.value != rhs.value && numText(lhs.value) == numText(rhs.value);
        step.text = sideText(lhs, p, exact) + " " + relation + " " + sideText(rhs, p, exact) + " — "
            + (passed ? "выполнено" : "не выполнено");
        step.passed = passed;
    }
    return passed;
}
