#pragma once
// The check of the made spring in words, the same for pruzcalc --verify,
// the trace, the window's table and warning line, the printout and the
// PDF: one line a row ("caption, unit: расчет X; пружина Y; предел Z —
// verdict (note)"), the heading, the seating case and the overall verdict.
// Figures are rounded to four significant digits, as the chart rounds
// them: the values in full are in the JSON output and the trace.

#include <string>
#include <vector>

struct CheckRow;
struct Verification;

// The row's caption with what it depends on (ν for buckling).
std::string checkRowCaption(const Verification& v, const CheckRow& row);
// "≤ 0,5·Rm = 740", "±5 %"; empty when the row has no limit.
std::string checkRowLimit(const CheckRow& row);
// The deviation from the method, where Rm came from, why buckling passes.
std::string checkRowNote(const Verification& v, const CheckRow& row);
std::string checkRowText(const Verification& v, const CheckRow& row);

// The worst finding in one line; empty when the check passed.
std::string worstFinding(const Verification& v);
// "выполнено", or "не выполнено — " and the worst finding.
std::string verificationVerdictText(const Verification& v);
// The warning above a failed check's report: "Проверка по EN 13906-1 не
// пройдена: " and the worst finding.
std::string verificationWarning(const Verification& v);

std::vector<std::string> verificationLines(const Verification& v);
