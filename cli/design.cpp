#include "cli/design.h"

#include "cli/clihost.h"
#include "cli/errortext.h"
#include "engine/calc.h"
#include "engine/catalogue.h"
#include "engine/datafolder.h"
#include "engine/textfile.h"

namespace {

ExitStatus calculate(const std::string& ridFile, const DesignSettings& settings, DesignResult& r, CliHost& host)
{
    auto rid = readTextLines(ridFile);
    if (!rid) {
        host.showMessage(noFileMessage(ridFile));
        return NoInput;
    }
    const Catalogue catalogue = openCatalogue(processCataloguePlaces(settings.dataDir));
    if (catalogue.dir.empty()) {
        r.error = catalogue.failure;
        return NoInput;
    }
    r.record.dataDir = catalogue.dir;
    r.form = parseRid(*rid);
    std::vector<std::string> materials;
    if (auto list = readDataLines(r.record.dataDir, kMaterialList))
        materials = *list;
    else
        host.showMessage(noFileMessage(kMaterialList));
    const int index = ridMaterialIndex(r.form, materials);
    r.form.materialName = index >= 0 ? materials[static_cast<size_t>(index)] : std::string();
    r.record.mode = r.form.mode;
    const InputCheck check = applyCalcInputs(r.record, r.form);
    if (check.outcome == InputOutcome::Refused)
        host.showMessage(check.message);
    if (check.outcome != InputOutcome::Proceed)
        return Stopped;
    if (runCalculation(r.record, host))
        return Completed;
    return r.record.calcFailed ? Failed : Ended;
}

} // namespace

DesignResult runDesign(const std::string& ridFile, const DesignSettings& settings)
{
    DesignResult r;
    CliHost host(r.report, r.messages, settings.wireDiameter);
    try {
        r.status = calculate(ridFile, settings, r, host);
    } catch (...) {
        r.error = errorText(std::current_exception());
        r.status = Ended;
    }
    return r;
}
