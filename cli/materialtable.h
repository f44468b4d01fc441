#pragma once
// pruzcalc --all-materials: the design's inputs worked through in every
// material of the catalogue (engine/features/allmaterials.h), lightest first. As
// text, after the report: an empty line, a header line, then one row a
// line, tab-separated, figures in the report's number text; as CSV, the
// header and the rows alone, separated by ";" like the batch CSV; as JSON,
// the key "all_materials" of the design's object. A catalogue without a
// material list gets one line (or "refusal") saying so.

#include <nlohmann/json.hpp>

#include <iosfwd>
#include <optional>

class DataFiles;
struct AllMaterials;
struct DesignResult;

// nullopt when the design's inputs never reached the calculation.
std::optional<AllMaterials> designMaterials(const DesignResult& result, const DataFiles& files);

void writeMaterialTable(const AllMaterials& table, std::ostream& out);
void writeMaterialCsv(const AllMaterials& table, std::ostream& out);
// {"refusal": null or why, "rows": [{column key: value, ..., "selected"}]};
// figures as JSON numbers, null where the run did not get that far.
nlohmann::ordered_json materialsJson(const AllMaterials& table);
