#pragma once
// The machine-readable output of one design (docs/json-output.md): one JSON
// object with the input data file as read, the exit status and its
// meaning, the report lines, the messages, every value by the record's
// name, and the trace steps. Numbers are JSON numbers in the shortest text
// that reads back to the same double.

#include <nlohmann/json.hpp>

#include <iosfwd>
#include <optional>

class JsonWriter;
struct DesignResult;
struct Verification;

// "schema_version" of every object: raised when a key is removed or
// changes its meaning, so that a reader can tell which layout it has.
inline constexpr int kJsonSchemaVersion = 1;

// The keys and values of one design's object, for a writer of one design
// or of many; the caller begins and ends the object.
void writeDesignMembers(JsonWriter& json, const DesignResult& result);

// The check of a spring as the design's object has it under "verification".
void writeVerification(JsonWriter& json, const Verification& v);

// The object, indented, and a line end; `allMaterials`, when given, goes
// in under "all_materials".
void writeJson(const DesignResult& result, std::ostream& out,
    const std::optional<nlohmann::ordered_json>& allMaterials = std::nullopt);
