#pragma once
// The data files: Windows-1251 text, one item per line, CR LF line ends.
// Reading: a line ends at CR (one LF right after it is skipped) or at a lone
// LF; a Ctrl-Z where a line would begin ends the file; reading past the end
// yields empty lines. Writing: CR LF after every line, and the file is
// replaced whole through a temporary file, so a failed write leaves the old
// one intact.

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The path of `name` inside `dir` (which ends with "/"), matching the name
// without regard to letter case. The exact name is tried first. A name that
// could leave the directory (a separator, "..") or is empty gives nullopt.
std::optional<std::string> findDataFile(const std::string& dir, const std::string& name);

// Where to write `name` inside `dir`: an existing file whose name matches
// without regard to case, else dir + name; nullopt for names that could
// leave the directory.
std::optional<std::string> dataFileForWrite(const std::string& dir, const std::string& name);

// True when a name can be joined to a directory without leaving it.
bool isPlainFileName(const std::string& name);

class TextReader {
public:
    // Reads the whole file; false when it cannot be opened as a regular file.
    bool open(const std::string& path);
    // Reads from bytes already in memory, as if they were a file's.
    void openBytes(std::string bytes);
    bool eof() const;
    // The next line as UTF-8; an empty line once the end is reached.
    std::string readLine();

private:
    std::string bytes_;
    size_t pos_ = 0;
};

// All lines of a file as UTF-8, or nullopt when it cannot be opened.
std::optional<std::vector<std::string>> readTextLines(const std::string& path);

// Reads `name` from `dir` (case-insensitive); nullopt when it cannot be found
// or opened.
std::optional<std::vector<std::string>> readDataLines(const std::string& dir, const std::string& name);

// Writes the lines (UTF-8, stored as Windows-1251 with CR LF) to path,
// replacing it atomically. False when anything failed; the old file is then
// unchanged and no temporary file is left. A link is followed and its target
// replaced; anything else that is not a regular file (a device, a folder) is
// never replaced.
bool writeTextLines(const std::string& path, const std::vector<std::string>& lines);

// The same atomic replacement for bytes written as they are (a PDF).
bool writeFileBytes(const std::string& path, const std::string& bytes);

bool writeDataLines(const std::string& dir, const std::string& name, const std::vector<std::string>& lines);

// Test seams. The injector is called before each stage of an atomic write;
// returning true makes that stage fail. The descriptor hook sees the
// temporary file's descriptor before the data is written, so a test can
// point it at a real full device (/dev/full). Pass an empty function to
// remove either.
enum class WriteStage { CreateTemp, Write, Flush, Rename };
void setWriteFaultInjector(std::function<bool(WriteStage)> injector);
void setWriteDescriptorHook(std::function<void(int fd)> hook);
