#include "engine/features/search.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/memoryfiles.h"
#include "engine/common/errortext.h"
#include "engine/common/numtext.h"
#include "engine/method/diameterchoice.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <mutex>
#include <set>
#include <thread>

namespace {

// Candidates a worker takes at a time: small enough for the progress to
// move and a stop to be seen at once, large enough that taking them costs
// nothing.
constexpr std::uint64_t kBatch = 64;

struct KeyText {
    const char* name;
    const char* words;
};
constexpr KeyText kKeys[kSearchKeyCount] = {
    { "mass", "масса" },
    { "length", "длина в свободном состоянии" },
    { "diameter", "наружный диаметр" },
    { "utilisation", "использование по проверке" },
    { "coils", "число рабочих витков" },
};

double keyValue(const SearchRow& row, SearchKey key)
{
    switch (key) {
    case SearchKey::Mass:
        return row.mass;
    case SearchKey::Length:
        return row.L0;
    case SearchKey::Diameter:
        return row.D1;
    case SearchKey::Utilisation:
        return row.utilisation;
    case SearchKey::Coils:
        return row.n;
    }
    return 0;
}

// Every candidate by its number: material, group, D1, free length and
// coils, the last running fastest.
struct Plan {
    std::vector<std::string> materials;
    std::vector<std::vector<double>> wires; // each material's stocked wires, each value once
    std::vector<int> groups;
    std::vector<double> outer, freeLength, coils;
    std::uint64_t size = 0;
    std::uint64_t wireSlots = 1; // the place numbers one candidate's answers take

    CalcInputs inputs(const CalcInputs& base, std::uint64_t k) const
    {
        CalcInputs in = base;
        in.chosenD.reset();
        in.askAlways = false;
        in.n = coils[k % coils.size()];
        k /= coils.size();
        in.L0 = freeLength[k % freeLength.size()];
        k /= freeLength.size();
        in.D1 = outer[k % outer.size()];
        k /= outer.size();
        in.group = groups[k % groups.size()];
        in.materialName = materials[k / groups.size()];
        return in;
    }
    size_t materialOf(std::uint64_t k) const
    {
        return static_cast<size_t>(k / (coils.size() * freeLength.size() * outer.size() * groups.size()));
    }
};

std::vector<double> stockedWires(const DataFiles& files, const std::string& material)
{
    std::vector<double> wires;
    std::optional<std::vector<std::string>> items;
    try {
        items = diameterChoices(files, material);
    } catch (...) { // the method says why the list cannot be read
    }
    std::set<double> seen;
    for (const auto& item : items.value_or(std::vector<std::string> {}))
        if (double v = 0; tryStrToFloat(item, v) && v > 0 && seen.insert(v).second)
            wires.push_back(v);
    return wires;
}

// What the workers share: the next candidate to take and what was found.
struct Shared {
    std::atomic<std::uint64_t> next { 0 };
    std::mutex mutex;
    SearchProgress progress;
    SearchResult result;
    std::exception_ptr error;
    const SearchProgressFn* report = nullptr;

    void add(const SearchResult& batch, std::uint64_t done)
    {
        std::lock_guard lock(mutex);
        result.tried += batch.tried;
        for (int r = 0; r < kRejectionCount; ++r)
            result.rejected[static_cast<size_t>(r)] += batch.rejected[static_cast<size_t>(r)];
        result.rows.insert(result.rows.end(), batch.rows.begin(), batch.rows.end());
        progress.tried = result.tried;
        progress.kept = result.rows.size();
        progress.done += done;
        if (*report)
            (*report)(progress, batch.rows);
    }
};

void tally(SearchResult& batch, CandidateOutcome&& out, std::uint64_t order)
{
    ++batch.tried;
    ++batch.rejected[static_cast<size_t>(out.rule)];
    if (out.rule == Rejection::None) {
        out.row.order = order;
        batch.rows.push_back(std::move(out.row));
    }
}

void work(const Plan& plan, const SearchRequest& request, const DataFiles& files, Shared& shared,
    std::stop_token stop)
{
    while (!stop.stop_requested()) {
        const std::uint64_t start = shared.next.fetch_add(kBatch);
        if (start >= plan.size)
            return;
        const std::uint64_t end = std::min(start + kBatch, plan.size);
        SearchResult batch;
        std::uint64_t k = start;
        for (; k < end && !stop.stop_requested(); ++k) {
            CalcInputs in = plan.inputs(request.base, k);
            CandidateOutcome out = evaluateCandidate(in, request.space, files);
            if (!out.unanswered) {
                tally(batch, std::move(out), k * plan.wireSlots);
                continue;
            }
            const auto& wires = plan.wires[plan.materialOf(k)];
            for (size_t w = 0; w < wires.size() && !stop.stop_requested(); ++w) {
                in.chosenD = wires[w];
                tally(batch, evaluateCandidate(in, request.space, files), k * plan.wireSlots + w + 1);
            }
        }
        shared.add(batch, k - start);
    }
}

} // namespace

std::vector<double> SearchRange::values() const
{
    if (step <= 0)
        return { from };
    std::vector<double> out;
    for (long k = 0;; ++k) {
        const double v = from + static_cast<double>(k) * step;
        if (v > to + step * 1e-3)
            break;
        // Printed as the designer would type it: 12.5, not 12.500000000000002.
        out.push_back(std::round(v * 1e9) / 1e9);
    }
    return out;
}

const char* searchKeyName(SearchKey key)
{
    return kKeys[static_cast<int>(key)].name;
}

const char* searchKeyWords(SearchKey key)
{
    return kKeys[static_cast<int>(key)].words;
}

bool ranksBefore(const SearchRow& a, const SearchRow& b, SearchKey key)
{
    for (int k = 0; k < kSearchKeyCount; ++k) {
        const auto next = static_cast<SearchKey>((static_cast<int>(key) + k) % kSearchKeyCount);
        const double x = keyValue(a, next), y = keyValue(b, next);
        if (x != y)
            return x < y;
    }
    return a.order < b.order;
}

CalcInputs rowInputs(const CalcInputs& base, const SearchRow& row)
{
    CalcInputs in = base;
    in.materialName = row.material;
    in.group = row.group;
    in.D1 = row.D1;
    if (in.mode == 2) {
        in.L0 = row.givenL0;
        in.n = row.givenN;
    }
    in.chosenD = row.wire;
    in.askAlways = false;
    return in;
}

SearchResult runSearch(const SearchRequest& request, const MemoryFiles& files, unsigned threads,
    std::stop_token stop, const SearchProgressFn& progress)
{
    Plan plan;
    plan.materials = request.materials;
    if (plan.materials.empty()) {
        std::optional<std::vector<std::string>> names;
        try {
            names = files.lines(kMaterialList);
        } catch (...) {
            SearchResult refused;
            refused.refusal = "Ошибка: " + errorText(std::current_exception());
            return refused;
        }
        if (!names) {
            SearchResult refused;
            refused.refusal = noFileMessage(kMaterialList);
            return refused;
        }
        std::set<std::string> seen;
        for (const auto& name : *names)
            if (!name.empty() && seen.insert(name).second)
                plan.materials.push_back(name);
    }
    for (const auto& material : plan.materials) {
        plan.wires.push_back(stockedWires(files, material));
        plan.wireSlots = std::max<std::uint64_t>(plan.wireSlots, plan.wires.back().size() + 1);
    }
    plan.groups = request.groups;
    plan.outer = request.outer.values();
    const bool lengthGiven = request.base.mode == 2;
    plan.freeLength = lengthGiven ? request.freeLength.values() : std::vector<double> { request.base.L0 };
    plan.coils = lengthGiven ? request.coils.values() : std::vector<double> { request.base.n };
    plan.size = static_cast<std::uint64_t>(plan.materials.size()) * plan.groups.size() * plan.outer.size()
        * plan.freeLength.size() * plan.coils.size();

    Shared shared;
    shared.report = &progress;
    shared.progress.planned = plan.size;
    // A failure in one worker (out of memory) stops the others too.
    std::stop_source halt;
    std::stop_callback follow(stop, [&halt] { halt.request_stop(); });
    const auto guarded = [&] {
        try {
            work(plan, request, files, shared, halt.get_token());
        } catch (...) {
            std::lock_guard lock(shared.mutex);
            if (!shared.error)
                shared.error = std::current_exception();
            halt.request_stop();
        }
    };
    if (threads <= 1) {
        guarded();
    } else {
        std::vector<std::jthread> workers;
        for (unsigned t = 0; t < threads; ++t)
            workers.emplace_back(guarded);
    } // the workers are joined here
    if (shared.error)
        std::rethrow_exception(shared.error);

    SearchResult result = std::move(shared.result);
    result.stopped = shared.progress.done < plan.size;
    std::sort(result.rows.begin(), result.rows.end(),
        [&](const SearchRow& a, const SearchRow& b) { return ranksBefore(a, b, request.rank); });
    return result;
}
