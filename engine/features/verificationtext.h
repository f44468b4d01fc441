#pragma once
// The check of the made spring in words, the same for pruzcalc --verify,
// the trace, the window's table and warning line, the printout and the
// PDF: the assumptions, one line a row ("caption, unit: расчет X; пружина
// Y; предел Z; использование U — verdict (note)"), the overall verdict and
// the spring to order. Figures are rounded to four significant digits, as
// the chart rounds them: the values in full are in the JSON output and the
// trace.

#include <string>
#include <vector>

struct CheckRow;
struct Verification;

// The row's caption with what it depends on (ν for buckling).
std::string checkRowCaption(const Verification& v, const CheckRow& row);
// "0,87"; empty when the row has no utilisation.
std::string checkRowUtilisation(const CheckRow& row);
std::string checkRowText(const CheckRow& row);
// A failed row in one line: what it is, what is allowed, how far beyond.
std::string checkFinding(const CheckRow& row);

// The worst finding in one line; empty when the check passed.
std::string worstFinding(const Verification& v);
// "выполнено (наибольшее использование: …)", or "не выполнено — " and the worst finding.
std::string verificationVerdictText(const Verification& v);
// The warning above a failed check's report: "Проверка по EN 13906-1 не
// пройдена: " and the worst finding.
std::string verificationWarning(const Verification& v);

// "Допущения": tolerance standard and grade, load case and cycles, ends,
// ν, where Rm and the fatigue data came from.
std::vector<std::string> assumptionLines(const Verification& v);
// The spring to order: its values, its rows and its verdict.
std::vector<std::string> orderLines(const Verification& v);
// "годна", or "не годна — " and the rule that stops it.
std::string orderVerdictText(const Verification& v);

std::vector<std::string> verificationLines(const Verification& v);
