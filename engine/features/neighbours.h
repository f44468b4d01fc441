#pragma once
// The stocked wire diameters of the material around the one the calculation
// chose, each worked through as if the user had picked it in the diameter
// choice: how long, how heavy, how near the allowable stress a thinner or a
// thicker wire comes, and whether it still passes. Every row is a run of the
// calculation itself on a copy of the inputs, with the diameter question
// answered beforehand whatever k3 is; what it would have shown is kept in
// the row and nothing is shown. The row of the calculation's own wire is the
// calculation's own run, the report value for value; where the same wire
// picked in the dialog gives another spring (on the first-table path the
// index comes from the first listed wire), that run follows as a row of its
// own. Each complete row carries the check of its made spring by EN 13906-1.

#include "engine/features/quietrun.h"
#include "engine/method/calcinputs.h"

#include <functional>
#include <string>
#include <vector>

class DataFiles;

struct NeighbourRow : QuietRun {
    std::string listed; // the diameter as its list writes it
    double d = 0; // mm
    bool methodChoice = false; // the calculation's own run: the report's spring
    bool forcedTwin = false; // the calculation's wire as if picked in the dialog, where that differs
};

struct Neighbours {
    std::string material;
    std::string refusal; // why there are no rows; empty when there are
    bool asked = false; // k3 beyond the tables: the diameter came from the question
    std::vector<NeighbourRow> rows; // in increasing order of d
};

// The stocked diameters (each value once, in numeric order) from `each`
// below to `each` above the calculation's own listed d. `inputs` as
// "Расчет" gives them; their chosenD, while the material lists it, answers
// the calculation's diameter question, as the dialog did
// (CalcResult::sameAnswer).
// With a sink, each row goes to it as soon as it is worked out, and none is
// kept: a table of a long list then takes the memory of one row.
using NeighbourSink = std::function<void(NeighbourRow&&)>;
Neighbours neighbourRows(const CalcInputs& inputs, const DataFiles& files, int each,
    const CheckSettings& check = {}, const NeighbourSink& sink = {});

// The columns of the table of rows, shared by every view of it: the header
// (with its unit) and, for the figures, the value of a row that ran to its
// end.
enum class NeighbourCell { Diameter, Choice, Verdict, Check, Number, Remarks };

struct NeighbourColumn {
    const char* header;
    const char* what; // in words
    NeighbourCell cell;
    double (*value)(const NeighbourRow&) = nullptr;
};

const std::vector<NeighbourColumn>& neighbourColumns();

// The texts of the choice and verdict cells (the check's verdict cell too,
// empty for a row without a check).
inline const char* const kMethodChoiceMark = "◀ расчет";
inline const char* const kForcedTwinMark = "◁ как выбор в диалоге";
inline const char* const kPassesMark = "✓";
inline const char* const kFailsMark = "✗";
inline const char* const kPassesWords = "проходит все проверки";
