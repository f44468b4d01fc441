#pragma once
// The same spring in every material of the catalogue: the inputs of the main
// window worked through once per material, exactly as "Расчет" would with
// that material selected (its group too: a material the group is not
// allowed for says so, as the calculation does). The diameter question is
// never asked: a material whose k3 lies beyond the tables says it needs the
// choice, except the selected material when the last calculation's answer
// is handed in. Nothing is shown; each row keeps what the table shows of
// its run (values, notes, check, outcome), not its report or messages.

#include "engine/features/quietrun.h"

#include <functional>
#include <string>
#include <vector>

class DataFiles;

struct MaterialRow : QuietRun {
    std::string material;
    int materialClass = -1; // as its properties file gives it; -1 when not read
    bool selected = false; // the material of the inputs

    // k3 beyond the tables and no answer to the question.
    bool needsDiameter() const { return asked && ended == Outcome::Stopped && !wire; }
    // The method's verdict, or the message the run ended with.
    std::string outcome() const;
};

struct AllMaterials {
    std::string refusal; // why there are no rows ("no material.dat"); empty when there are
    std::vector<MaterialRow> rows; // lightest first (materialOrder)
};

// `inputs` as "Расчет" reads them; their chosenD, when set, answers the
// question for their own material while it lists that diameter. Each name
// of "material.dat" once; empty lines skipped.
AllMaterials allMaterialRows(
    const CalcInputs& inputs, const DataFiles& files, const CheckSettings& check = {});

// The names of "material.dat", each once in the order of their first
// lines, empty lines skipped; or why there are none.
struct MaterialList {
    std::string refusal;
    std::vector<std::string> names;
};
MaterialList materialList(const DataFiles& files);

// The rows of allMaterialRows, in its order, each handed to `sink` and none
// kept: a first pass keeps only each row's place in the order, a second
// works the rows out again in that order. A long catalogue then takes the
// memory of its names, not of its rows, in twice the time.
using MaterialSink = std::function<void(MaterialRow&&)>;
void eachMaterialRow(const CalcInputs& inputs, const DataFiles& files, const MaterialList& list,
    const MaterialSink& sink, const CheckSettings& check = {});

// The columns of the table, shared by every view of it: the header (with
// its unit), its name in machine-read output, in words, and for the figures
// the value of a complete row. A new column is one more line of
// materialColumns().
// Number: a figure of the method's run; CheckFigure, Check: of the check of
// the made spring, where there is one.
enum class MaterialCell { Material, Class, Number, CheckFigure, Check, Outcome };

struct MaterialColumn {
    const char* header;
    const char* key; // JSON
    const char* what; // in words
    MaterialCell cell;
    double (*value)(const MaterialRow&) = nullptr;
    double CalcValues::*reported = nullptr; // the value's field, shown too where a run that stopped wrote it

    // The row has a figure (or a check) for this column.
    bool reached(const MaterialRow& row) const;
};

const std::vector<MaterialColumn>& materialColumns();

// The text of a cell: a figure in the report's number text, empty where the
// run did not get that far.
std::string materialCellText(const MaterialColumn& column, const MaterialRow& row);

// Rows ordered by a column (stable): figures by value, the class by its
// code, the outcome passing first; rows without a value for the column last
// whichever the direction.
void sortMaterialRows(std::vector<MaterialRow>& rows, size_t column, bool descending = false);

// The column the table is ordered by at first: the mass.
size_t materialOrder();

inline const char* const kNeedsDiameterWords = "нужен выбор диаметра";
