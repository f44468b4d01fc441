// The catalogue held in memory: kept as first read, or taken whole at one
// moment; and a run of designs that reads the catalogue once.
#include "engine/catalogue/memoryfiles.h"
#include "engine/catalogue/textfile.h"
#include "engine/common/errors.h"
#include "engine/features/design.h"
#include "testdir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Lines = std::optional<std::vector<std::string>>;

struct AfterChange {
    const char* name;
    bool snapshot;
    const char* file;
    Lines lines;
};

void PrintTo(const AfterChange& c, std::ostream* os)
{
    *os << c.name;
}

class KeptFiles : public testing::TestWithParam<AfterChange> { };

// The folder holds material.dat listing "a", a.dat, K3.DAT and notes.dat;
// a.dat is read once; then a.dat is rewritten, K3.DAT removed and c.dat
// made.
TEST_P(KeptFiles, AnswerAsTheFolderWasWhenRead)
{
    const AfterChange& c = GetParam();
    TempDataDir dir;
    dir.writeBytes("material.dat", "a\r\n");
    dir.writeBytes("a.dat", "1\r\n");
    dir.writeBytes("K3.DAT", "2\r\n");
    dir.writeBytes("notes.dat", "4\r\n");
    const MemoryFiles files = c.snapshot ? MemoryFiles::snapshot(dir.path()) : MemoryFiles(dir.path());
    ASSERT_EQ(files.lines("a.dat"), Lines({ "1" }));
    dir.writeBytes("a.dat", "9\r\n");
    std::filesystem::remove(dir.path() + "K3.DAT");
    dir.writeBytes("c.dat", "3\r\n");
    EXPECT_EQ(files.lines(c.file), c.lines);
    // Through a reader, the same lines.
    TextReader reader;
    ASSERT_EQ(files.open(reader, c.file), c.lines.has_value());
    std::vector<std::string> read;
    while (!reader.eof())
        read.push_back(reader.readLine());
    EXPECT_EQ(read, c.lines.value_or(std::vector<std::string>()));
    EXPECT_EQ(reader.readLine(), ""); // past the end, as from a file
}

INSTANTIATE_TEST_SUITE_P(Sources, KeptFiles,
    testing::Values(AfterChange { "lazy_keeps_what_it_read", false, "a.dat", Lines({ "1" }) },
        AfterChange { "lazy_reads_the_rest_when_asked", false, "c.dat", Lines({ "3" }) },
        AfterChange { "lazy_finds_a_removed_file_missing", false, "k3.dat", std::nullopt },
        AfterChange { "snapshot_keeps_the_catalogue", true, "k3.dat", Lines({ "2" }) },
        AfterChange { "snapshot_matches_names_without_case", true, "A.DAT", Lines({ "1" }) },
        AfterChange { "snapshot_ignores_new_files", true, "c.dat", std::nullopt },
        AfterChange { "snapshot_reads_no_other_file", true, "notes.dat", std::nullopt },
        AfterChange { "snapshot_refuses_names_leaving_it", true, "../a.dat", std::nullopt }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeptFiles, RefuseARefusedFileAgain)
{
    TempDataDir dir;
    dir.writeBytes("k3.dat", std::string(kMaxLineBytes + 1, '7') + "\r\n");
    for (bool snapshot : { false, true }) {
        const MemoryFiles files = snapshot ? MemoryFiles::snapshot(dir.path()) : MemoryFiles(dir.path());
        EXPECT_THROW(files.text("k3.dat"), IoError);
        dir.writeBytes("k3.dat", "7\r\n");
        EXPECT_THROW(files.text("k3.dat"), IoError) << (snapshot ? "snapshot" : "lazy");
        dir.writeBytes("k3.dat", std::string(kMaxLineBytes + 1, '7') + "\r\n");
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
