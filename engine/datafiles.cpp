#include "engine/datafiles.h"

#include "engine/textfile.h"

#include <sys/stat.h>

bool DataFiles::open(TextReader& reader, const std::string& name) const
{
    auto b = bytes(name);
    reader.openBytes(b ? std::move(*b) : std::string());
    return b.has_value();
}

std::optional<std::vector<std::string>> DataFiles::lines(const std::string& name) const
{
    TextReader reader;
    if (!open(reader, name))
        return std::nullopt;
    std::vector<std::string> out;
    while (!reader.eof())
        out.push_back(reader.readLine());
    return out;
}

std::optional<std::string> FolderFiles::bytes(const std::string& name) const
{
    auto path = findDataFile(dir_, name);
    if (!path)
        return std::nullopt;
    return readFileBytes(*path);
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
