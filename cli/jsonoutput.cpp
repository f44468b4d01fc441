#include "cli/jsonoutput.h"

#include "engine/features/design.h"
#include "engine/features/verificationtext.h"
#include "engine/method/quantities.h"

#include <algorithm>
#include <ostream>

namespace {

using Json = nlohmann::ordered_json;

// A message's "\r" starts a new line; JSON readers expect "\n".
std::string shown(std::string text)
{
    std::replace(text.begin(), text.end(), '\r', '\n');
    return text;
}

const char* statusMeaning(ExitStatus status)
{
    const ExitStatusMeaning* s = exitStatusMeaning(status);
    return s ? s->meaning : "";
}

Json inputsJson(const DesignResult& r)
{
    if (!r.formRead)
        return nullptr;
    const InputForm& f = r.form;
    return Json {
        { "mode", f.mode },
        { "material", f.materialName },
        { "material_index", f.materialIndex },
        { "group_index", f.grupIndex },
        { "winding_index", f.navivkaIndex },
        { "F1", f.f1 },
        { "F2", f.f2 },
        { "D1", f.d1 },
        { "H", f.h },
        { "Vmax", f.vmax },
        { "L0", f.l0 },
        { "n", f.n },
        { "Ni", f.ni },
        { "NiExp", f.stepni },
    };
}

Json stepJson(const TraceStep& s)
{
    Json j { { "kind", stepKindName(s.kind) } };
    auto put = [&](const char* key, const std::string& v) {
        if (!v.empty())
            j[key] = v;
    };
    put("name", s.name);
    put("symbol", s.symbol);
    put("caption", s.caption);
    if (s.kind == StepKind::Lookup) {
        put("file", s.file);
        if (s.line > 0) {
            j["line"] = s.line;
            j["line_text"] = s.lineText;
        }
        put("reason", s.text);
    } else {
        put("text", shown(s.text));
    }
    put("formula", s.formula);
    put("substitution", s.substitution);
    if (s.value) {
        j["value"] = *s.value;
        j["value_text"] = s.valueText;
        put("unit", s.unit);
    }
    if (s.passed)
        j["passed"] = *s.passed;
    if (s.reportLine >= 0)
        j["report_line"] = s.reportLine;
    return j;
}

Json optionalNumber(const std::optional<double>& v)
{
    return v ? Json(*v) : Json(nullptr);
}

Json verificationJson(const Verification& v)
{
    Json j { { "available", v.available }, { "refusal", v.available ? Json(nullptr) : Json(v.refusal) },
        { "standard", "EN 13906-1" } };
    if (!v.available)
        return j;
    const SeatingCase* seating = seatingCase(v.spring.nu);
    j["seating_coefficient"] = v.spring.nu;
    j["seating_case"] = seating ? seating->caption : "";
    j["strength_source"] = v.rmSource;
    j["passed"] = v.passed;
    j["worst"] = v.passed ? Json(nullptr) : Json(worstFinding(v));
    Json values = Json::object();
    for (const SpringSymbol& s : springSymbols())
        values[s.name]
            = s.field == &MadeSpring::sK && v.spring.bucklingFree ? Json(nullptr) : Json(v.spring.*s.field);
    j["buckling_free"] = v.spring.bucklingFree;
    j["values"] = values;
    Json rows = Json::array();
    for (const CheckRow& r : v.rows)
        rows.push_back(Json { { "key", r.key }, { "caption", checkRowCaption(v, r) }, { "unit", r.unit },
            { "method", optionalNumber(r.method) }, { "made", optionalNumber(r.made) },
            { "limit", optionalNumber(r.limit) }, { "limit_text", checkRowLimit(r) },
            { "verdict", checkVerdictName(r.verdict) }, { "verdict_text", checkVerdictWords(r.verdict) },
            { "note", checkRowNote(v, r) } });
    j["rows"] = rows;
    Json steps = Json::array();
    for (const TraceStep& s : v.trace.steps)
        steps.push_back(stepJson(s));
    j["trace"] = steps;
    return j;
}

} // namespace

Json designJson(const DesignResult& r)
{
    Json messages = Json::array();
    for (const auto& m : r.messages)
        messages.push_back(shown(m));
    // The values the report wrote, each as its last line wrote it.
    Json values = Json::object();
    for (const auto& [field, value] : r.reported)
        if (const Quantity* q = quantityOf(field))
            values[q->name] = value;
    Json steps = Json::array();
    for (const TraceStep& s : r.trace.steps)
        steps.push_back(stepJson(s));
    Json json {
        { "schema_version", kJsonSchemaVersion },
        { "file", r.ridFile },
        { "inputs", inputsJson(r) },
        { "status", static_cast<int>(r.status) },
        { "status_meaning", statusMeaning(r.status) },
        { "report", r.report },
        { "messages", messages },
        { "error", r.error.empty() ? Json(nullptr) : Json(r.error) },
        { "values", values },
    };
    if (!r.trace.steps.empty())
        json["trace"] = steps;
    json["verification"] = verificationJson(r.verification);
    return json;
}

void writeJson(const DesignResult& result, std::ostream& out)
{
    writeJson(designJson(result), out);
}

void writeJson(const Json& object, std::ostream& out)
{
    out << object.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}
