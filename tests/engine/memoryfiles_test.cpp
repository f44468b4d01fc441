// The catalogue held in memory: kept as first read, or taken whole at one
// moment; and a run of designs that reads the catalogue once.
#include "engine/design.h"
#include "engine/errors.h"
#include "engine/memoryfiles.h"
#include "engine/textfile.h"
#include "testdir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Bytes = std::optional<std::string>;

struct AfterChange {
    const char* name;
    bool snapshot;
    const char* file;
    Bytes bytes;
};

void PrintTo(const AfterChange& c, std::ostream* os)
{
    *os << c.name;
}

class KeptFiles : public testing::TestWithParam<AfterChange> { };

// The folder holds a.dat and B.dat; a.dat is read once; then a.dat is
// rewritten, B.dat removed and c.dat made.
TEST_P(KeptFiles, AnswerAsTheFolderWasWhenRead)
{
    const AfterChange& c = GetParam();
    TempDataDir dir;
    dir.writeBytes("a.dat", "1\r\n");
    dir.writeBytes("B.dat", "2\r\n");
    const MemoryFiles files = c.snapshot ? MemoryFiles::snapshot(dir.path()) : MemoryFiles(dir.path());
    ASSERT_EQ(files.bytes("a.dat"), Bytes("1\r\n"));
    dir.writeBytes("a.dat", "9\r\n");
    std::filesystem::remove(dir.path() + "B.dat");
    dir.writeBytes("c.dat", "3\r\n");
    EXPECT_EQ(files.bytes(c.file), c.bytes);
    // Its lines, whole or through a reader, are those of the same bytes.
    const auto lines
        = c.bytes ? std::optional(std::vector<std::string> { c.bytes->substr(0, 1) }) : std::nullopt;
    EXPECT_EQ(files.lines(c.file), lines);
    TextReader reader;
    ASSERT_EQ(files.open(reader, c.file), c.bytes.has_value());
    std::vector<std::string> read;
    while (!reader.eof())
        read.push_back(reader.readLine());
    EXPECT_EQ(read, lines.value_or(std::vector<std::string>()));
    EXPECT_EQ(reader.readLine(), ""); // past the end, as from a file
}

INSTANTIATE_TEST_SUITE_P(Sources, KeptFiles,
    testing::Values(AfterChange { "lazy_keeps_what_it_read", false, "a.dat", "1\r\n" },
        AfterChange { "lazy_reads_the_rest_when_asked", false, "c.dat", "3\r\n" },
        AfterChange { "lazy_finds_a_removed_file_missing", false, "b.dat", std::nullopt },
        AfterChange { "snapshot_keeps_every_file", true, "b.dat", "2\r\n" },
        AfterChange { "snapshot_matches_names_without_case", true, "A.DAT", "1\r\n" },
        AfterChange { "snapshot_ignores_new_files", true, "c.dat", std::nullopt },
        AfterChange { "snapshot_refuses_names_leaving_it", true, "../a.dat", std::nullopt }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeptFiles, RefuseARefusedFileAgain)
{
    TempDataDir dir;
    dir.writeBytes("long.dat", std::string(kMaxLineBytes + 1, '7') + "\r\n");
    for (bool snapshot : { false, true }) {
        const MemoryFiles files = snapshot ? MemoryFiles::snapshot(dir.path()) : MemoryFiles(dir.path());
        EXPECT_THROW(files.bytes("long.dat"), IoError);
        dir.writeBytes("long.dat", "7\r\n");
        EXPECT_THROW(files.bytes("long.dat"), IoError) << (snapshot ? "snapshot" : "lazy");
        dir.writeBytes("long.dat", std::string(kMaxLineBytes + 1, '7') + "\r\n");
    }
}

TEST(DesignFiles, AFolderStandsForItsRidFilesInNameOrder)
{
    TempDataDir dir;
    for (const char* name : { "b.rid", "a.RID", "notes.txt", ".rid" })
        dir.writeBytes(name, "");
    std::filesystem::create_directory(dir.path() + "sub");
    dir.writeBytes("sub/c.rid", "");
    std::filesystem::create_directory(dir.path() + "folder.rid");
    const std::string folder = dir.path().substr(0, dir.path().size() - 1); // as typed, no slash
    EXPECT_EQ(designFiles({ "x.rid", folder, "missing" }),
        (std::vector<std::string> { "x.rid", dir.path() + "a.RID", dir.path() + "b.rid", "missing" }));
}

// Every design of a run reads the catalogue as the first one found it.
TEST(DesignRun, ReadsTheCatalogueOnce)
{
    TempDataDir dir;
    dir.copyFrom(SHIPPED_DATA_DIR);
    const std::string example = std::string(SHIPPED_DATA_DIR) + "../examples/wire-class2.rid";
    DesignRun run(DesignSettings { .dataDir = dir.path() });
    const DesignResult first = run.run(example);
    ASSERT_EQ(first.status, Completed);
    for (const char* file : { "sigmab.dat", "k3.dat", "tau1.dat", "material.dat" })
        std::filesystem::remove(dir.path() + file);
    EXPECT_EQ(run.run(example).report, first.report);
    // A new run reads the folder as it is now.
    EXPECT_NE(runDesign(example, DesignSettings { .dataDir = dir.path() }).report, first.report);
}

} // namespace
