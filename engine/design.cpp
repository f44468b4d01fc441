#include "engine/design.h"

#include "engine/calc.h"
#include "engine/catalogue.h"
#include "engine/datafiles.h"
#include "engine/datafolder.h"
#include "engine/errortext.h"
#include "engine/memoryfiles.h"
#include "engine/quiethost.h"
#include "engine/textfile.h"

#include <algorithm>
#include <filesystem>

namespace {

ExitStatus calculate(DesignRun& run, DesignResult& r, QuietHost& host)
{
    auto rid = readTextLines(r.ridFile, kRidLines);
    if (!rid) {
        host.showMessage(noFileMessage(r.ridFile));
        return NoInput;
    }
    const Catalogue& catalogue = run.catalogue();
    if (catalogue.dir.empty()) {
        r.error = catalogue.failure;
        return NoInput;
    }
    r.record.dataDir = catalogue.dir;
    const DataFiles& files = run.files();
    host.answer = pickListedDiameter(files, run.settings().wireDiameter);
    r.form = parseRid(*rid);
    r.formRead = true;
    static const TextLines kNoMaterials;
    const auto list = files.text(kMaterialList); // shared: never copied per design
    if (!list)
        host.showMessage(noFileMessage(kMaterialList));
    const TextLines& materials = list ? *list : kNoMaterials;
    const int index = ridMaterialIndex(r.form, materials);
    // A design is never worked through with a material other than its own.
    if (const std::string missing = missingMaterial(r.form, index); !missing.empty()) {
        r.error = missing;
        r.materialMissing = true;
        return Ended;
    }
    r.form.materialName = index >= 0 ? std::string(materials[static_cast<size_t>(index)]) : std::string();
    r.record.mode = r.form.mode;
    const InputCheck check = applyCalcInputs(r.record, r.form);
    if (check.outcome == InputOutcome::Refused)
        host.showMessage(check.message);
    if (check.outcome == InputOutcome::Stopped && run.settings().trace) {
        r.trace.steps.emplace_back();
        r.trace.steps.back().kind = StepKind::Input;
        r.trace.steps.back().text = check.message;
    }
    if (check.outcome != InputOutcome::Proceed)
        return Stopped;
    if (runCalculation(r.record, host, files, run.settings().trace ? &r.trace : nullptr))
        return Completed;
    return r.record.calcFailed ? Failed : Ended;
}

// "*.rid" in any letter case, as files saved on Windows may be named.
bool isRidName(const std::string& name)
{
    const std::string suffix = ".rid";
    if (name.size() <= suffix.size())
        return false;
    std::string tail = name.substr(name.size() - suffix.size());
    for (char& ch : tail)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    return tail == suffix;
}

} // namespace

DesignRun::DesignRun(DesignSettings settings)
    : settings_(std::move(settings))
{
}

const Catalogue& DesignRun::catalogue()
{
    if (!catalogue_) {
        catalogue_ = openCatalogue(processCataloguePlaces(settings_.dataDir));
        if (!catalogue_->dir.empty())
            kept_.emplace(catalogue_->dir);
    }
    return *catalogue_;
}

const DataFiles& DesignRun::files() const
{
    return settings_.files ? *settings_.files : *kept_;
}

DesignResult DesignRun::run(const std::string& ridFile)
{
    DesignResult r;
    r.ridFile = ridFile;
    QuietHost host;
    try {
        r.status = calculate(*this, r, host);
    } catch (...) {
        r.error = errorText(std::current_exception());
        r.status = Ended;
        if (settings_.trace)
            r.trace.addError(r.error);
    }
    r.report = std::move(host.report);
    r.messages = std::move(host.messages);
    r.reported = std::move(host.reported);
    if (settings_.verify)
        r.verification = r.record.calcComplete
            ? verifySpring(r.record, files(), settings_.seating, settings_.trace)
            : verifySpring(r.record, FolderFiles({}), settings_.seating); // says why not
    return r;
}

DesignResult runDesign(const std::string& ridFile, const DesignSettings& settings)
{
    return DesignRun(settings).run(ridFile);
}

bool isFolder(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

std::vector<std::string> designFiles(const std::vector<std::string>& paths)
{
    std::vector<std::string> files;
    for (const std::string& path : paths) {
        if (!isFolder(path)) {
            files.push_back(path);
            continue;
        }
        std::vector<std::string> names;
        std::error_code error;
        for (std::filesystem::directory_iterator it(path, error), end; !error && it != end;
             it.increment(error)) {
            std::error_code notRegular;
            const std::string name = it->path().filename().string();
            if (isRidName(name) && it->is_regular_file(notRegular))
                names.push_back(name);
        }
        if (error) { // cannot be listed: it stands as a file that cannot be read
            files.push_back(path);
            continue;
        }
        std::sort(names.begin(), names.end());
        const std::string dir = path.back() == '/' ? path : path + '/';
        for (const std::string& name : names)
            files.push_back(dir + name);
    }
    return files;
}
