#include "cli/jsonoutput.h"

#include "cli/jsonwriter.h"
#include "engine/features/design.h"
#include "engine/features/verificationtext.h"
#include "engine/method/quantities.h"

#include <algorithm>
#include <ostream>
#include <string_view>
#include <utility>
#include <vector>

namespace {

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

void writeInputs(JsonWriter& json, const DesignResult& r)
{
    if (!r.form)
        return json.value(nullptr);
    const InputForm& f = *r.form;
    json.beginObject();
    json.member("mode", f.mode);
    json.member("material", f.materialName);
    json.member("material_index", f.materialIndex);
    json.member("group_index", f.grupIndex);
    json.member("winding_index", f.navivkaIndex);
    json.member("F1", f.f1);
    json.member("F2", f.f2);
    json.member("D1", f.d1);
    json.member("H", f.h);
    json.member("Vmax", f.vmax);
    json.member("L0", f.l0);
    json.member("n", f.n);
    json.member("Ni", f.ni);
    json.member("NiExp", f.stepni);
    json.endObject();
}

void writeStep(JsonWriter& json, const TraceStep& s)
{
    json.beginObject();
    json.member("kind", stepKindName(s.kind));
    auto put = [&](JsonKey key, const std::string& v) {
        if (!v.empty())
            json.member(key, v);
    };
    put("name", s.name);
    put("symbol", s.symbol);
    put("caption", s.caption);
    if (s.kind == StepKind::Lookup) {
        put("file", s.file);
        if (s.line > 0) {
            json.member("line", s.line);
            json.member("line_text", s.lineText);
        }
        put("reason", s.text);
    } else {
        put("text", shown(s.text));
    }
    put("formula", s.formula);
    put("substitution", s.substitution);
    if (s.value) {
        json.member("value", *s.value);
        json.member("value_text", s.valueText);
        put("unit", s.unit);
    }
    if (s.passed)
        json.member("passed", *s.passed);
    if (s.reportLine >= 0)
        json.member("report_line", s.reportLine);
    json.endObject();
}

void writeSteps(JsonWriter& json, const Trace& trace)
{
    json.beginArray();
    for (const TraceStep& s : trace.steps)
        writeStep(json, s);
    json.endArray();
}

void writeCheckRow(JsonWriter& json, const Verification& v, const CheckRow& r)
{
    json.beginObject();
    json.member("key", r.name);
    json.member("caption", checkRowCaption(v, r));
    json.member("unit", r.unit);
    json.member("method", r.method);
    json.member("made", r.made);
    json.member("limit", r.limit);
    json.member("limit_text", r.limitText);
    json.member("utilisation", r.utilisation);
    json.member("verdict", checkVerdictName(r.verdict));
    json.member("verdict_text", checkVerdictWords(r.verdict));
    json.member("note", r.note);
    json.endObject();
}

// A spring's values by name (null where it has none), then their units.
void writeSpringValues(JsonWriter& json, const MadeSpring& spring)
{
    json.key("values").beginObject();
    for (const SpringSymbol& s : springSymbols()) {
        json.keyText(s.name);
        const auto field = s.field;
        const bool none = (field == &MadeSpring::sK && spring.bucklingFree)
            || (!spring.hasRm
                && (field == &MadeSpring::Rm || field == &MadeSpring::tauzul
                    || field == &MadeSpring::taucZul))
            || ((field == &MadeSpring::tauKH || field == &MadeSpring::AL0) && spring.*field == 0);
        if (none)
            json.value(nullptr);
        else
            json.value(spring.*s.field);
    }
    json.endObject();
    json.key("units").beginObject();
    for (const SpringSymbol& s : springSymbols())
        json.keyText(s.name).value(s.unit);
    json.endObject();
}

void writeOrder(JsonWriter& json, const Verification& v)
{
    const OrderSpring& o = *v.order;
    json.beginObject();
    json.member("passed", o.passed);
    json.key("stop");
    if (o.stop.empty())
        json.value(nullptr);
    else
        json.value(o.stop);
    if (!o.rows.empty()) {
        writeSpringValues(json, o.spring);
        json.key("rows").beginArray();
        for (const CheckRow& r : o.rows)
            writeCheckRow(json, v, r);
        json.endArray();
    }
    json.endObject();
}

// The values the report wrote, each as its last line wrote it, in the
// order of their first lines.
std::vector<std::pair<std::string_view, double>> reportedValues(const DesignResult& r)
{
    std::vector<std::pair<std::string_view, double>> values;
    for (const auto& [field, value] : r.reported) {
        const Quantity* q = quantityOf(field);
        if (!q)
            continue;
        auto same
            = std::find_if(values.begin(), values.end(), [&](const auto& v) { return v.first == q->name; });
        if (same == values.end())
            values.emplace_back(q->name, value);
        else
            same->second = value;
    }
    return values;
}

} // namespace

void writeVerification(JsonWriter& json, const Verification& v)
{
    json.beginObject();
    json.member("available", v.available);
    json.key("refusal");
    if (v.available)
        json.value(nullptr);
    else
        json.value(v.refusal);
    json.member("standard", "EN 13906-1");
    if (v.available) {
        const SeatingCase* seating = seatingCase(v.settings.nu);
        json.member("seating_coefficient", v.settings.nu);
        json.member("seating_case", seating ? seating->caption : "");
        json.member("tolerance", toleranceName(v.settings.standard, v.settings.grade));
        json.member("tolerance_text", toleranceCaption(v.settings.standard, v.settings.grade));
        json.member("ends", endTypeName(v.settings.ends));
        json.member("ends_text", endTypeCaption(v.settings.ends));
        json.member("load", v.cyclic ? "cyclic" : "static");
        json.member("force_unit", "Н (кгс · 9,80665); величины расчета — в его единицах (10·кгс)");
        json.member("strength_source", v.rmSource);
        json.member("passed", v.passed);
        json.key("worst");
        if (v.worstRow < 0)
            json.value(nullptr);
        else
            json.value(v.rows[static_cast<size_t>(v.worstRow)].name);
        json.key("worst_text");
        if (v.passed)
            json.value(nullptr);
        else
            json.value(worstFinding(v));
        json.member("buckling_free", v.spring.bucklingFree);
        writeSpringValues(json, v.spring);
        json.key("rows").beginArray();
        for (const CheckRow& r : v.rows)
            writeCheckRow(json, v, r);
        json.endArray();
        json.key("order");
        writeOrder(json, v);
        json.key("trace");
        writeSteps(json, v.trace);
    }
    json.endObject();
}

void writeDesignMembers(JsonWriter& json, const DesignResult& r)
{
    json.member("schema_version", kJsonSchemaVersion);
    json.member("file", r.ridFile);
    json.key("inputs");
    writeInputs(json, r);
    json.member("status", static_cast<int>(r.status));
    json.member("status_meaning", statusMeaning(r.status));
    json.key("report").beginArray();
    for (const std::string& line : r.report)
        json.value(line);
    json.endArray();
    json.key("messages").beginArray();
    for (const std::string& m : r.messages)
        json.value(shown(m));
    json.endArray();
    json.key("error");
    if (r.error.empty())
        json.value(nullptr);
    else
        json.value(r.error);
    json.key("values").beginObject();
    for (const auto& [name, value] : reportedValues(r))
        json.keyText(name).value(value);
    json.endObject();
    if (!r.trace.steps.empty()) {
        json.key("trace");
        writeSteps(json, r.trace);
    }
    json.key("verification");
    writeVerification(json, r.verification);
}

void writeJson(const DesignResult& result, std::ostream& out, const JsonPart& allMaterials)
{
    JsonWriter json;
    json.beginObject();
    writeDesignMembers(json, result);
    if (allMaterials) {
        json.key("all_materials");
        allMaterials(json, out);
    }
    json.endObject();
    json.flushTo(out);
    out << '\n';
}
