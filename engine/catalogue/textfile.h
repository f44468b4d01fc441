#pragma once
// The data files: Windows-1251 text, one item per line, CR LF line ends.
// Reading: a line ends at CR (one LF right after it is skipped) or at a lone
// LF; a Ctrl-Z where a line would begin ends the file; reading past the end
// yields empty lines. Writing: CR LF after every line, and the file is
// replaced whole through a temporary file, so a failed write leaves the old
// one intact.
//
// Data and input files are a few kilobytes: a reader refuses a file over
// 16 MB or a line over 64 KB (IoError naming the file) rather than take
// whatever memory a damaged or wrong file would need.

#include "engine/catalogue/textlines.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The path of `name` inside `dir` (which ends with "/"), matching the name
// without regard to letter case. The exact name is tried first. A name that
// could leave the directory (a separator, "..") or is empty gives nullopt,
// and so does a symbolic link that leads out of the directory.
std::optional<std::string> findDataFile(const std::string& dir, const std::string& name);

// Where to write `name` inside `dir`: an existing file whose name matches
// without regard to case, else dir + name; nullopt for names that could
// leave the directory, and where dir + name is something else (a link out
// of the directory, a folder).
std::optional<std::string> dataFileForWrite(const std::string& dir, const std::string& name);

// A regular file of the folder `dir`, or a link to one inside it. A link
// that leads out of the folder is not followed: a catalogue shows and uses
// only what was put into it.
bool isFolderFile(const std::string& dir, const std::string& path);

// True when a name can be joined to a directory without leaving it.
bool isPlainFileName(const std::string& name);

inline constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;
inline constexpr std::size_t kMaxLineBytes = 64 * 1024;

// The longest file name the file systems of the data folder hold, in bytes.
inline constexpr std::size_t kMaxFileNameBytes = 255;

// What the atomic writer adds to a file's name for its temporary file; the
// Xs become six letters or digits.
inline constexpr const char* kTempSuffix = ".tmp-XXXXXX";

// A file name and its temporary file both fit the file system.
bool fileNameFits(const std::string& name);

// CR, LF, Ctrl-Z and NUL: inside a value they would end its line, or the
// file, early on reading. A text fits one line without any of them.
bool breaksLine(char32_t c);
bool fitsOneLine(const std::string& text);

// The bytes of a regular file; nullopt when it cannot be opened or read.
// IoError naming the file when it is over kMaxFileBytes or holds a line
// over kMaxLineBytes.
std::optional<std::string> readFileBytes(const std::string& path);

class TextReader {
public:
    // Reads the whole file; false when it cannot be opened as a regular file.
    // IoError naming the file when it is over kMaxFileBytes or holds a line
    // over kMaxLineBytes.
    bool open(const std::string& path);
    // Reads from bytes already in memory, as if they were a file's.
    void openBytes(std::string bytes);
    // Reads the lines a reader got from a file before (a file kept in
    // memory), as it would read that file.
    void openLines(std::shared_ptr<const TextLines> lines);
    bool eof() const;
    // The next line as UTF-8; an empty line once the end is reached.
    std::string readLine();

private:
    std::string bytes_;
    std::shared_ptr<const TextLines> lines_; // when opened on lines
    size_t pos_ = 0; // in bytes_, or in lines_
};

// All lines of a file as UTF-8, or nullopt when it cannot be opened;
// IoError as TextReader::open.
std::optional<std::vector<std::string>> readTextLines(const std::string& path);
// Only its first `most` lines (fewer when it has fewer): a file of a known
// number of lines costs no more when it goes on with garbage.
std::optional<std::vector<std::string>> readTextLines(const std::string& path, size_t most);

// Reads `name` from `dir` (case-insensitive); nullopt when it cannot be found
// or opened.
std::optional<std::vector<std::string>> readDataLines(const std::string& dir, const std::string& name);

// Writes the lines (UTF-8, stored as Windows-1251 with CR LF) to path,
// replacing it atomically and durably: the temporary file is synced before
// the rename, the folder after it. True exactly when the new text is in
// place; false when anything failed before, and then the old file is
// unchanged and no temporary file is left. A line that does not fit one
// line (fitsOneLine) is refused before anything is written. A link is
// followed and its target replaced; anything else that is not a regular
// file (a device, a folder) is never replaced.
bool writeTextLines(const std::string& path, const std::vector<std::string>& lines);

// Writes the bytes as they are (a PDF, a picture) to path, replacing it the
// same atomic way.
bool writeFileBytes(const std::string& path, const std::string& bytes);

// The same for the program's own files in a catalogue (its notes, copies
// and the files an update writes): a link at `path` is never followed; the
// file replaces the link itself, whatever it led to.
bool writeOwnFile(const std::string& path, const std::string& bytes);
// The bytes of such a file: nullopt for anything but a regular file (a
// link), one that cannot be read, or one too large to be the program's.
std::optional<std::string> readOwnFile(const std::string& path);

bool writeDataLines(const std::string& dir, const std::string& name, const std::vector<std::string>& lines);

// Removes the temporary files a writer left in `dir` when it was killed
// before its rename: regular files named <name> + kTempSuffix with the Xs
// filled in, nothing else. Only safe while no other program writes there.
// Returns how many were removed.
int removeStaleTemporaryFiles(const std::string& dir);

// Test seams. The injector is called before each stage of an atomic write
// (in the order CreateTemp, Permissions, Write, Flush, Rename);
// returning true makes that stage fail. The descriptor hook sees the
// temporary file's descriptor before the data is written, so a test can
// point it at a real full device (/dev/full). Pass an empty function to
// remove either.
enum class WriteStage { CreateTemp, Write, Flush, Rename, Permissions };
void setWriteFaultInjector(std::function<bool(WriteStage)> injector);
void setWriteDescriptorHook(std::function<void(int fd)> hook);
