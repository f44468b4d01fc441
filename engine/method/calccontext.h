#pragma once
// One calculation's working record (private to the method) and what it
// reaches beyond the record: the data files it reads,
// the host that shows its report lines, messages and the diameter choice,
// and, when asked for, the trace. Every report line, message and choice
// goes through here, so each is written once and, when tracing, becomes its
// trace step in the same call. With tracing off no formula or explanation
// text is built.
//
// A value is traced where it is worked out (value(), or line() when its
// report line follows at once); a report line written later goes to the
// last step of its value that has no report line yet, so the step and the
// line show the same number.

#include "engine/catalogue/datafiles.h"
#include "engine/method/trace.h"

#include "engine/method/calcvalues.h"

#include <memory>
#include <string>

class CalcHost;
struct CalcInputs;
struct Peremenn;

// A report line of one value: the caption, a run of blanks, the key, then
// the value's number text and the unit as the report writes it.
struct ReportValue {
    // The caption of the value's quantity (engine/method/quantities.h).
    ReportValue(double CalcValues::*field, int blanks, const char* key, const char* unit = "");
    ReportValue(
        const char* caption, int blanks, const char* key, double CalcValues::*field, const char* unit = "");
    std::string caption;
    std::string label; // caption, blanks and key
    double CalcValues::*field;
    const char* unit;
};

// One side of a check: a formula ("{Vmax} / {Vкр}", or a plain number
// "59,43") and its value.
struct CheckSide {
    const char* formula;
    double value;
};

class CalcContext {
public:
    // A record of `inputs`; reads the files through `files`; `trace` may be
    // null (no tracing).
    CalcContext(const CalcInputs& inputs, CalcHost& host, const DataFiles& files, Trace* trace = nullptr);
    ~CalcContext();
    CalcContext(const CalcContext&) = delete;
    CalcContext& operator=(const CalcContext&) = delete;

private:
    std::unique_ptr<Peremenn> record_;

public:
    Peremenn& p;
    // A rule has stopped the calculation (see Peremenn::stop).
    bool stopped() const;
    // The record's values, for those who work with a look-up on its own.
    CalcValues& values();
    const DataFiles& files() const { return files_; }
    bool tracing() const { return trace_ != nullptr; }

    void clearReport();
    void enablePrint();

    // The value of a field worked out by `formula` (see trace.h), without
    // its report line.
    void value(double CalcValues::*field, const char* formula);
    // A value as given: an input, or a value read with no formula.
    void input(double CalcValues::*field);
    // A plain note among the inputs (the material, the group).
    void inputNote(const std::string& text);
    // A remark on the step just traced (how it was rounded, a divisor
    // worth seeing). Only while tracing.
    void note(const std::string& text);
    // Names the step just traced otherwise than its value's quantity does.
    void recaption(const std::string& caption);
    // The report line of a value; with a formula the value was worked out
    // just now, without one it was traced before (value(), a look-up).
    void line(const ReportValue& v, const char* formula = nullptr);
    // The same with a label made at run time (it holds another number).
    void line(const std::string& label, const ReportValue& v, const char* formula = nullptr);
    // A report line without a value (a heading, a remark, a failure).
    void text(const std::string& line);
    void message(const std::string& text);
    // The diameter choice; its answer is traced.
    bool chooseDiameter();
    bool choiceForced() const;
    // Records `lhs relation rhs` and its verdict; returns `passed`.
    bool check(CheckSide lhs, const char* relation, CheckSide rhs, bool passed);
    // A new step of the trace. Only while tracing (tracing() true).
    TraceStep& addStep(StepKind kind);
    // A look-up step: the file (empty for a table of the program), the line
    // used (from 1; 0 for none), its text and why that line.
    TraceStep& lookup(const std::string& file, int line, const std::string& lineText, std::string why);
    // Names a step by the field it sets (nothing for a null field) and
    // gives it the value.
    void nameStep(TraceStep& step, double CalcValues::*field, double value) const;

private:
    void appendLine(const std::string& line);
    void attachLine(const ReportValue& v);

    const DataFiles& files_;
    CalcHost& host_;
    Trace* trace_;
    int lines_ = 0; // report lines written since the report was cleared
};
