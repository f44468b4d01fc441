#include "engine/catalogue/memoryfiles.h"

#include "engine/catalogue/catalogue.h"
#include "engine/common/encoding.h"
#include "engine/common/errors.h"

#include <atomic>

namespace {

unsigned long long nextId()
{
    static std::atomic<unsigned long long> last { 0 };
    return ++last;
}

} // namespace

MemoryFiles::MemoryFiles(std::string dir)
    : folder_(std::move(dir))
    , id_(nextId())
{
}

MemoryFiles::MemoryFiles(const MemoryFiles& other)
    : DataFiles(other)
    , folder_(other.folder_)
    , whole_(other.whole_)
    , id_(nextId())
    , kept_(other.kept_)
{
}

MemoryFiles& MemoryFiles::operator=(const MemoryFiles& other)
{
    folder_ = other.folder_;
    whole_ = other.whole_;
    id_ = nextId();
    kept_ = other.kept_;
    return *this;
}

std::optional<std::string> MemoryFiles::stamp(const std::string& name) const
{
    try {
        text(name); // from now on it reads the same
    } catch (...) {
        return std::nullopt;
    }
    return "memory " + std::to_string(id_) + '\n' + name;
}

MemoryFiles MemoryFiles::snapshot(const std::string& dir)
{
    MemoryFiles files(dir);
    files.keep(kMaterialList);
    for (const char* table : kTableFiles)
        files.keep(table);
    const Kept& list = files.kept_.at(foldCase(kMaterialList));
    if (list.lines)
        for (size_t offset = 0; offset < list.lines->end();) {
            const std::string name(list.lines->next(offset));
            files.keep(diameterFileName(name));
            files.keep(propertiesFileName(name));
        }
    files.whole_ = true;
    return files;
}

void MemoryFiles::keep(const std::string& name)
{
    const std::string folded = foldCase(name);
    if (!kept_.contains(folded))
        kept_.emplace(folded, read(folder_, name));
}

MemoryFiles::Kept MemoryFiles::read(const FolderFiles& folder, const std::string& name)
{
    Kept k;
    try {
        k.lines = folder.text(name);
        if (k.lines)
            k.values = std::make_shared<Values>();
    } catch (const IoError& e) {
        k.refusal = e.what();
    }
    return k;
}

const MemoryFiles::Kept& MemoryFiles::found(const std::string& name) const
{
    static const Kept kMissing;
    if (whole_) {
        // As the folder matches names: without regard to letter case.
        const auto it = kept_.find(foldCase(name));
        return it != kept_.end() ? it->second : kMissing;
    }
    if (const auto it = kept_.find(name); it != kept_.end())
        return it->second;
    return kept_.emplace(name, read(folder_, name)).first->second;
}

std::shared_ptr<const TextLines> MemoryFiles::text(const std::string& name) const
{
    const Kept& k = found(name);
    if (!k.refusal.empty())
        throw IoError(k.refusal);
    return k.lines;
}

std::shared_ptr<const LineValues> MemoryFiles::values(const std::string& name) const
{
    const Kept& k = found(name);
    if (!k.refusal.empty())
        throw IoError(k.refusal);
    if (!k.lines)
        return nullptr;
    std::call_once(k.values->made, [&] { k.values->values = std::make_shared<const LineValues>(k.lines); });
    return k.values->values;
}
