#include "engine/memoryfiles.h"

#include "engine/encoding.h"
#include "engine/errors.h"
#include "engine/textfile.h"

#include <atomic>
#include <filesystem>
#include <system_error>

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
        kept(name); // from now on it reads the same
    } catch (...) {
        return std::nullopt;
    }
    return "memory " + std::to_string(id_) + '\n' + name;
}

MemoryFiles MemoryFiles::snapshot(const std::string& dir)
{
    MemoryFiles files(dir);
    files.whole_ = true;
    std::error_code error;
    for (std::filesystem::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        std::error_code notRegular;
        if (!it->is_regular_file(notRegular))
            continue;
        const std::string name = it->path().filename().string();
        Kept k = read(files.folder_, name);
        if (k.bytes || !k.refusal.empty())
            files.kept_.emplace(name, std::move(k));
    }
    return files;
}

MemoryFiles::Kept MemoryFiles::read(const FolderFiles& folder, const std::string& name)
{
    Kept k;
    try {
        k.bytes = folder.bytes(name);
    } catch (const IoError& e) {
        k.refusal = e.what();
    }
    if (k.bytes) {
        TextReader reader;
        reader.openBytes(*k.bytes);
        auto lines = std::make_shared<std::vector<std::string>>();
        while (!reader.eof())
            lines->push_back(reader.readLine());
        k.lines = std::move(lines);
    }
    return k;
}

const MemoryFiles::Kept* MemoryFiles::keptWithoutCase(const std::string& name) const
{
    const std::string folded = foldCase(name);
    for (const auto& [stored, k] : kept_)
        if (foldCase(stored) == folded)
            return &k;
    return nullptr;
}

const MemoryFiles::Kept& MemoryFiles::kept(const std::string& name) const
{
    const Kept& k = found(name);
    if (!k.refusal.empty())
        throw IoError(k.refusal);
    return k;
}

const MemoryFiles::Kept& MemoryFiles::found(const std::string& name) const
{
    static const Kept kMissing;
    if (auto it = kept_.find(name); it != kept_.end())
        return it->second;
    if (whole_) {
        // As the folder matches names: the exact one first, then without
        // regard to letter case.
        const Kept* k = keptWithoutCase(name);
        return k ? *k : kMissing;
    }
    return kept_.emplace(name, read(folder_, name)).first->second;
}

std::optional<std::string> MemoryFiles::bytes(const std::string& name) const
{
    return kept(name).bytes;
}

bool MemoryFiles::open(TextReader& reader, const std::string& name) const
{
    const Kept& k = kept(name);
    if (!k.lines) {
        reader.openBytes({});
        return false;
    }
    reader.openLines(k.lines);
    return true;
}

std::optional<std::vector<std::string>> MemoryFiles::lines(const std::string& name) const
{
    const Kept& k = kept(name);
    return k.lines ? std::optional<std::vector<std::string>>(*k.lines) : std::nullopt;
}
