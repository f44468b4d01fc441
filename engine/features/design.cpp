#include "engine/features/design.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/datafiles.h"
#include "engine/catalogue/datafolder.h"
#include "engine/catalogue/memoryfiles.h"
#include "engine/catalogue/textfile.h"
#include "engine/common/errortext.h"
#include "engine/method/calc.h"
#include "engine/method/quiethost.h"

#include <algorithm>
#include <filesystem>

namespace {

ExitStatus statusOf(const DesignResult& r)
{
    if (r.refused())
        return r.error.empty() ? Stopped : Ended;
    if (r.complete())
        return Completed;
    return r.stopped() ? Failed : Ended;
}

// Ended before the calculation, on an error or a message.
void refuse(DesignResult& r, std::string reason, ExitStatus status)
{
    r.outcome = Outcome::Refused;
    r.reason = std::move(reason);
    r.status = status;
}

void readDesign(DesignRun& run, DesignResult& r)
{
    auto rid = readTextLines(r.ridFile, kRidLines);
    if (!rid) {
        r.messages.push_back(noFileMessage(r.ridFile));
        refuse(r, r.messages.back(), NoInput);
        return;
    }
    const Catalogue& catalogue = run.catalogue();
    if (catalogue.dir.empty()) {
        r.error = catalogue.failure;
        refuse(r, r.error, NoInput);
        return;
    }
    const DataFiles& files = run.files();
    InputForm form = parseRid(*rid, r.ridFile);
    std::vector<std::string> messages;
    static const TextLines kNoMaterials;
    const auto list = files.text(kMaterialList); // shared: never copied per design
    if (!list)
        messages.push_back(noFileMessage(kMaterialList));
    const TextLines& materials = list ? *list : kNoMaterials;
    const int index = ridMaterialIndex(form, materials);
    // A design is never worked through with a material other than its own.
    if (const std::string missing = missingMaterial(form, index); !missing.empty()) {
        r.form = std::move(form);
        r.messages = std::move(messages);
        r.error = missing;
        refuse(r, missing, Ended);
        return;
    }
    form.materialName = index >= 0 ? std::string(materials[static_cast<size_t>(index)]) : std::string();
    QuietHost host(pickListedDiameter(files, run.settings().wireDiameter));
    CalcInputs given;
    given.dataDir = catalogue.dir;
    r = runForm(std::move(form), given, host, files, { .trace = run.settings().trace });
    // The host heard every message in order, the diameter question's too.
    messages.insert(messages.end(), host.messages.begin(), host.messages.end());
    r.messages = std::move(messages);
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
    try {
        r.ridFile = ridFile;
        readDesign(*this, r);
    } catch (...) {
        r.error = errorText(std::current_exception());
        refuse(r, r.error, Ended);
        if (settings_.trace)
            r.trace.addError(r.error);
    }
    r.ridFile = ridFile;
    if (settings_.verify) {
        if (r.complete() && !checkData_)
            checkData_.emplace(files());
        r.verification = r.complete() ? verifySpring(r, *checkData_, settings_.check, settings_.trace)
                                      : verifySpring(r, FolderFiles({}), settings_.check); // says why not
    }
    return r;
}

DesignResult runForm(
    InputForm form, CalcInputs given, CalcHost& host, const DataFiles& files, CalcOptions options)
{
    DesignResult r;
    r.inputs = given;
    try {
        const InputCheck check = applyCalcInputs(r.inputs, form);
        r.form = form;
        r.reason = check.message;
        if (check.outcome == InputOutcome::Refused) {
            r.messages.push_back(check.message);
            host.showMessage(check.message);
        }
        if (check.outcome == InputOutcome::Stopped && options.trace) {
            r.trace.steps.emplace_back();
            r.trace.steps.back().kind = StepKind::Input;
            r.trace.steps.back().text = check.message;
        }
        if (check.outcome == InputOutcome::Proceed)
            static_cast<CalcResult&>(r) = calculate(r.inputs, host, files, options);
    } catch (...) {
        r.form = form;
        r.error = errorText(std::current_exception());
        r.reason = r.error;
        if (options.trace)
            r.trace.addError(r.error);
    }
    r.status = statusOf(r);
    return r;
}

DesignResult runDesign(const std::string& ridFile, const DesignSettings& settings)
{
    return DesignRun(settings).run(ridFile);
}

bool materialMissing(const DesignResult& r)
{
    return r.form && r.refused() && !r.error.empty() && r.error == missingMaterial(*r.form, -1);
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
