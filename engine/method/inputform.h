#pragma once
// The input form of the main window as plain data: what "Расчет" reads and
// what an input data file (".rid") holds. Shared by the main window and the
// command-line report so that both read a design the same way.

#include "engine/method/calcinputs.h"

#include <cstddef>
#include <string>
#include <vector>

class TextLines;

struct InputForm {
    bool rbh = true; // working stroke given
    bool rbl0 = false; // free length and coils given
    int mode = 1;
    bool l0Enabled = false;
    bool nEnabled = false;
    bool hEnabled = true;
    int materialIndex = 0; // -1: none selected
    std::string f1 = "0", f2 = "0", d1 = "0", h = "0", vmax = "0";
    std::string ni = "0", stepni = "5", l0 = "0", n = "0";
    int grupIndex = 0; // 0..3 for I..IV, -1 none
    int navivkaIndex = 1; // 0 left, 1 right, -1 none
    bool niEnabled = true;
    bool stepniEnabled = true;
    bool vmaxEnabled = true;
    std::string materialName; // text of the material choice
};

// How many lines an input data file has; later ones are never read.
inline constexpr size_t kRidLines = 22;

// The 22 lines of an input data file.
std::vector<std::string> ridLines(const InputForm& form);

// Reads the 22 lines (missing ones read as empty, later ones are ignored).
// Every line is checked before anything is returned: a line that should be
// an integer and is not, or an index out of range, throws ConversionError,
// and the caller's form stays as it was. Accepted: mode 1..2, material -1
// and up (beyond the list selects none), group -1..3; the winding index is
// limited to -1..1. A line that is no integer is reported with the file's
// `name` and the line's number: "Файл a.rid: строка 3 — не целое число «x»".
InputForm parseRid(const std::vector<std::string>& lines, const std::string& name = "исходных данных");

// The material of a loaded file: the first entry whose text equals the
// saved name; a file without a name (line 22 empty) takes the saved index
// when it lies inside the list. Else -1: a named material that the list no
// longer holds is never replaced by another (missingMaterial says so).
int ridMaterialIndex(const InputForm& form, const TextLines& materials);
int ridMaterialIndex(const InputForm& form, const std::vector<std::string>& materials);

// The message when the form names a material that is not at `index` (its
// ridMaterialIndex), "" otherwise.
std::string missingMaterial(const InputForm& form, int index);

enum class InputOutcome { Proceed, Stopped, Refused };

struct InputCheck {
    InputOutcome outcome = InputOutcome::Proceed;
    std::string message; // Refused: the refusal to show; Stopped: which input stopped it

    friend bool operator==(const InputCheck& c, InputOutcome o) { return c.outcome == o; }
};

// The refusal of "Расчет" without a material.
inline const char* const kNoMaterialMessage = "Не выбран материал";

// Copies the form into the inputs in the fixed order of "Расчет", storing
// each value before its test: refuses an empty material name
// (kNoMaterialMessage), stops (silently) on a zero force, outer
// diameter, stroke in mode 1, or free length or coils in mode 2 (the mode
// is the form's). A "0" in vmax becomes "3" and a "0" in ni becomes "1", in
// the form too. Then refuses, with the message to show, a negative F1, F2,
// D1, H (mode 1), L0 and n (mode 2) or Vmax, in that order, and then F2 not
// above F1: the values stay stored, the calculation must not run. Texts
// that are not numbers throw ConversionError. The data directory and the
// diameter answer are left as they are.
InputCheck applyCalcInputs(CalcInputs& in, InputForm& form);
