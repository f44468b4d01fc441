#include "engine/catalogue/datafiles.h"

#include "engine/catalogue/textfile.h"

#include <sys/stat.h>

bool DataFiles::open(TextReader& reader, const std::string& name) const
{
    auto lines = text(name);
    if (!lines) {
        reader.openBytes({});
        return false;
    }
    reader.openLines(std::move(lines));
    return true;
}

std::shared_ptr<const LineValues> DataFiles::values(const std::string& name) const
{
    auto lines = text(name);
    return lines ? std::make_shared<const LineValues>(std::move(lines)) : nullptr;
}

std::optional<std::vector<std::string>> DataFiles::lines(const std::string& name) const
{
    auto lines = text(name);
    if (!lines)
        return std::nullopt;
    return lines->toVector();
}

std::shared_ptr<const TextLines> FolderFiles::text(const std::string& name) const
{
    auto path = findDataFile(dir_, name);
    if (!path)
        return nullptr;
    auto bytes = readFileBytes(*path);
    if (!bytes)
        return nullptr;
    return std::make_shared<const TextLines>(TextLines::fromBytes(std::move(*bytes)));
}

std::string FolderFiles::nameOnDisk(const std::string& name) const
{
    auto path = findDataFile(dir_, name);
    return path && path->size() > dir_.size() ? path->substr(dir_.size()) : name;
}

std::optional<std::string> FolderFiles::stamp(const std::string& name) const
{
    auto path = findDataFile(dir_, name);
    struct stat st { };
    if (!path || ::stat(path->c_str(), &st) != 0)
        return std::nullopt;
    return *path + '\n' + std::to_string(st.st_dev) + ' ' + std::to_string(st.st_ino) + ' '
        + std::to_string(st.st_size) + ' ' + std::to_string(st.st_mtim.tv_sec) + '.'
        + std::to_string(st.st_mtim.tv_nsec);
}
