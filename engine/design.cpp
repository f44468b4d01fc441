#include "engine/design.h"

#include "engine/designhost.h"
#include "engine/errortext.h"
#include "engine/calc.h"
#include "engine/catalogue.h"
#include "engine/datafiles.h"
#include "engine/datafolder.h"
#include "engine/textfile.h"

namespace {

ExitStatus calculate(const DesignSettings& settings, DesignResult& r)
{
    auto rid = readTextLines(r.ridFile);
    if (!rid) {
        r.messages.push_back(noFileMessage(r.ridFile));
        return NoInput;
    }
    const Catalogue catalogue = openCatalogue(processCataloguePlaces(settings.dataDir));
    if (catalogue.dir.empty()) {
        r.error = catalogue.failure;
        return NoInput;
    }
    r.record.dataDir = catalogue.dir;
    const FolderFiles folder(catalogue.dir);
    const DataFiles& files = settings.files ? *settings.files : folder;
    DesignHost host(r.report, r.messages, settings.wireDiameter, files);
    r.form = parseRid(*rid);
    r.formRead = true;
    std::vector<std::string> materials;
    if (auto list = files.lines(kMaterialList))
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
    if (runCalculation(r.record, host, files, settings.trace ? &r.trace : nullptr))
        return Completed;
    return r.record.calcFailed ? Failed : Ended;
}

} // namespace

DesignResult runDesign(const std::string& ridFile, const DesignSettings& settings)
{
    DesignResult r;
    r.ridFile = ridFile;
    try {
        r.status = calculate(settings, r);
    } catch (...) {
        r.error = errorText(std::current_exception());
        r.status = Ended;
        if (settings.trace)
            r.trace.addError(r.error);
    }
    return r;
}
