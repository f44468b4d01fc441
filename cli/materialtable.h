#pragma once
// pruzcalc --all-materials: the design's inputs worked through in every
// material of the catalogue (engine/features/allmaterials.h), lightest first. As
// text, after the report: an empty line, a header line, then one row a
// line, tab-separated, figures in the report's number text; as CSV, the
// header and the rows alone, separated by ";" like the batch CSV; as JSON,
// the key "all_materials" of the design's object. A catalogue without a
// material list gets one line (or "refusal") saying so. Each row is
// printed as it is worked out and none is held. Nothing when the design's
// inputs never reached the calculation (JSON: null).

#include <iosfwd>

class DataFiles;
class JsonWriter;
struct DesignResult;

void writeMaterialTable(const DesignResult& result, const DataFiles& files, std::ostream& out);
void writeMaterialCsv(const DesignResult& result, const DataFiles& files, std::ostream& out);
// {"refusal": null or why, "rows": [{column key: value, ..., "selected"}]};
// figures as JSON numbers, null where the run did not get that far. What
// is written is flushed to `out` after each row.
void writeMaterialsJson(
    const DesignResult& result, const DataFiles& files, JsonWriter& json, std::ostream& out);
