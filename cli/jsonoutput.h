#pragma once
// The machine-readable output of one design (docs/json-output.md): one JSON
// object with the input data file as read, the exit status and its
// meaning, the report lines, the messages, every value by the record's
// name, and the trace steps. Numbers are JSON numbers in the shortest text
// that reads back to the same double.

#include <functional>
#include <iosfwd>

class JsonWriter;
struct DesignResult;
struct Verification;

// "schema_version" of every object: raised when a key is removed or
// changes its meaning, so that a reader can tell which layout it has.
inline constexpr int kJsonSchemaVersion = 2;

// The keys and values of one design's object, for a writer of one design
// or of many; the caller begins and ends the object.
void writeDesignMembers(JsonWriter& json, const DesignResult& result);

// The check of a spring as the design's object has it under "verification".
void writeVerification(JsonWriter& json, const Verification& v);

// The object, indented, and a line end; `allMaterials`, when given, writes
// the value of "all_materials" (and may flush what is written so far).
using JsonPart = std::function<void(JsonWriter& json, std::ostream& out)>;
void writeJson(const DesignResult& result, std::ostream& out, const JsonPart& allMaterials = {});
