#pragma once
// The check of the made spring as lines of text, the same for pruzcalc
// --verify, the printout and the PDF: the heading, the seating case and
// where Rm came from, one line a row ("caption, unit: расчет X; пружина Y;
// предел Z — verdict (note)") and the overall verdict. Figures are rounded
// to four significant digits, as the chart rounds them: the values in full
// are in the JSON output and the trace.

#include <string>
#include <vector>

struct CheckRow;
struct Verification;

std::string checkRowText(const CheckRow& row);
std::vector<std::string> verificationLines(const Verification& v);
// "выполнено", or "не выполнено — " and the worst finding.
std::string verificationVerdictText(const Verification& v);
