#include "engine/catalogue/textfile.h"
#include "engine/common/encoding.h"
#include "engine/common/errors.h"
#include "testdir.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Lines = std::vector<std::string>;

Lines readAll(const TempDataDir& dir, const std::string& name)
{
    auto lines = readDataLines(dir.path(), name);
    EXPECT_TRUE(lines.has_value());
    return lines.value_or(Lines {});
}

struct LineCase {
    const char* name;
    std::string bytes;
    Lines lines;
};

class LineRules : public testing::TestWithParam<LineCase> { };

TEST_P(LineRules, SplitsAsTheDataFilesNeed)
{
    TempDataDir dir;
    dir.writeBytes("f.dat", GetParam().bytes);
    EXPECT_EQ(readAll(dir, "f.dat"), GetParam().lines);
    // Held compactly, the same lines, each found by its number and its text.
    const TextLines held = TextLines::fromBytes(GetParam().bytes);
    EXPECT_EQ(held.toVector(), GetParam().lines);
    for (size_t k = 0; k < held.size(); ++k) {
        EXPECT_EQ(held[k], GetParam().lines[k]);
        const auto first = std::find(GetParam().lines.begin(), GetParam().lines.end(), GetParam().lines[k]);
        EXPECT_EQ(held.find(GetParam().lines[k]), static_cast<size_t>(first - GetParam().lines.begin()));
    }
    EXPECT_EQ(held.find("not a line"), std::nullopt);
}

// Lines far apart from the noted starts, and many distinct ones (the
// search table grows), each found where it is.
TEST(TextLines, FindEveryLineOfALongFile)
{
    std::string bytes;
    for (int k = 0; k < 1000; ++k)
        bytes += (k % 3 == 0 ? std::string() : std::to_string(k / 2)) + "\r\n";
    const TextLines held = TextLines::fromBytes(bytes);
    ASSERT_EQ(held.size(), 1000u);
    for (size_t k = 0; k < held.size(); ++k) {
        const std::string line = k % 3 == 0 ? std::string() : std::to_string(k / 2);
        EXPECT_EQ(held[k], line);
        const size_t first = line.empty() ? 0 : (k % 2 == 0 || (k - 1) % 3 == 0 ? k : k - 1);
        EXPECT_EQ(held.find(line), first) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Bytes, LineRules,
    testing::Values(LineCase { "CrLf", "1,5\r\n2\r\n", { "1,5", "2" } },
        LineCase { "LastLineWithoutEnd", "1\r\n2", { "1", "2" } },
        LineCase { "LoneLf", "1\n2\n", { "1", "2" } }, LineCase { "LoneCr", "1\r2\r", { "1", "2" } },
        LineCase { "EmptyLines", "\r\n\r\nx\r\n", { "", "", "x" } },
        LineCase { "CtrlZEndsFile",
            "1\r\n2\r\n\x1A"
            "3\r\n",
            { "1", "2" } },
        LineCase { "CtrlZInsideLineIsText",
            "1\x1A"
            "2\r\n",
            { "1\x1A"
              "2" } },
        LineCase { "Empty", "", {} }, LineCase { "OnlyCtrlZ", "\x1A", {} },
        LineCase { "Cp1251", "\xC1\xF0\xC1\x32\r\n", { "БрБ2" } },
        LineCase { "SpacesKept", " a b \r\n", { " a b " } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextReader, YieldsEmptyLinesPastTheEnd)
{
    TempDataDir dir;
    dir.writeBytes("f.dat", "7\r\n");
    TextReader r;
    ASSERT_TRUE(r.open(dir.path() + "f.dat"));
    EXPECT_FALSE(r.eof());
    EXPECT_EQ(r.readLine(), "7");
    EXPECT_TRUE(r.eof());
    EXPECT_EQ(r.readLine(), "");
    EXPECT_EQ(r.readLine(), "");
}

TEST(TextReader, DoesNotOpenMissingFilesOrDirectories)
{
    TempDataDir dir;
    TextReader r;
    EXPECT_FALSE(r.open(dir.path() + "missing.dat"));
    EXPECT_FALSE(r.open(dir.path()));
    EXPECT_TRUE(r.eof());
}

TEST(Encoding, RoundTripsEveryDefinedByte)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(all)), all);
    EXPECT_EQ(cp1251ToUtf8("\xA8\xB8\xB9"), "Ёё№");
    EXPECT_EQ(utf8ToCp1251("60С2А"),
        "60\xD1"
        "2\xC0");
}

TEST(Encoding, MarksWhatTheCodePageCannotHold)
{
    EXPECT_TRUE(fitsCp1251("Сталь 60С2А №5"));
    EXPECT_FALSE(fitsCp1251("ä"));
    EXPECT_FALSE(fitsCp1251("日本"));
    EXPECT_EQ(utf8ToCp1251("aäb"), "a?b");
    EXPECT_EQ(utf8ToCp1251("a\xFF"
                           "b"),
        "a?b"); // not UTF-8 at all
}

TEST(FileNames, MatchWithoutRegardToCaseCyrillicIncluded)
{
    TempDataDir dir;
    dir.writeLines("60с2аMAT.DAT", { "7,85" });
    dir.writeLines("SIGMAB.DAT", { "1" });
    auto found = findDataFile(dir.path(), "60С2Аmat.dat");
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, dir.path() + "60с2аMAT.DAT");
    EXPECT_TRUE(findDataFile(dir.path(), "sigmab.dat"));
    EXPECT_FALSE(findDataFile(dir.path(), "sigmdiam.dat"));
}

TEST(FileNames, ExactNameWinsOverOtherCases)
{
    TempDataDir dir;
    dir.writeLines("k3.dat", { "1" });
    dir.writeLines("K3.DAT", { "2" });
    EXPECT_EQ(*findDataFile(dir.path(), "k3.dat"), dir.path() + "k3.dat");
    EXPECT_EQ(*findDataFile(dir.path(), "K3.DAT"), dir.path() + "K3.DAT");
}

TEST(FileNames, NamesCopiedRawFromWindowsAreFound)
{
    TempDataDir dir;
    dir.writeLines("\xC1\xF0\xC1\x32.dat", { "1" }); // "БрБ2.dat" in Windows-1251 bytes
    EXPECT_TRUE(findDataFile(dir.path(), "брб2.dat"));
}

TEST(FileNames, NeverLeaveTheDataDirectory)
{
    TempDataDir dir;
    dir.writeLines("x.dat", { "1" });
    for (const char* bad : { "../x.dat", "a/b.dat", "a\\b.dat", "..", "", "." })
        EXPECT_FALSE(findDataFile(dir.path(), bad)) << bad;
    EXPECT_FALSE(dataFileForWrite(dir.path(), "../evil.dat"));
    EXPECT_FALSE(writeDataLines(dir.path(), "../evil.dat", { "x" }));
}

// A link inside the folder is a file of it; one out of it is neither read
// nor written through.
TEST(FileNames, FollowNoLinkOutOfTheDataDirectory)
{
    TempDataDir outside;
    outside.writeLines("secret.dat", { "1" });
    TempDataDir dir;
    dir.writeLines("real.dat", { "2" });
    std::filesystem::create_symlink(dir.path() + "real.dat", dir.path() + "inside.dat");
    std::filesystem::create_symlink(outside.path() + "secret.dat", dir.path() + "out.dat");
    const std::string outsideName = std::filesystem::path(outside.path()).parent_path().filename();
    std::filesystem::create_symlink("../" + outsideName + "/secret.dat", dir.path() + "Relative.dat");
    EXPECT_EQ(findDataFile(dir.path(), "INSIDE.DAT"), dir.path() + "inside.dat");
    for (const char* link : { "out.dat", "OUT.DAT", "relative.dat" })
        EXPECT_FALSE(findDataFile(dir.path(), link)) << link;
    EXPECT_FALSE(readDataLines(dir.path(), "out.dat"));
    EXPECT_FALSE(writeDataLines(dir.path(), "out.dat", { "x" }));
    EXPECT_EQ(outside.readBytes("secret.dat"), "1\r\n");
}

TEST(Writer, WritesCp1251WithCrLfAfterEveryLine)
{
    TempDataDir dir;
    ASSERT_TRUE(writeDataLines(dir.path(), "material.dat", { "60С2А", "", "БрБ2" }));
    EXPECT_EQ(dir.readBytes("material.dat"),
        "60\xD1"
        "2\xC0\r\n\r\n\xC1\xF0\xC1\x32\r\n");
}

TEST(Writer, ReplacesAnExistingFileOfAnotherCase)
{
    TempDataDir dir;
    dir.writeLines("MATERIAL.DAT", { "old" });
    ASSERT_TRUE(writeDataLines(dir.path(), "material.dat", { "new" }));
    EXPECT_EQ(dir.readBytes("MATERIAL.DAT"), "new\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "material.dat"));
}

class WriterFaults : public testing::TestWithParam<WriteStage> {
protected:
    void TearDown() override { setWriteFaultInjector({}); }
};

TEST_P(WriterFaults, LeaveTheOldFileWholeAndNoTemporaryFile)
{
    TempDataDir dir;
    dir.writeLines("material.dat", { "old" });
    const WriteStage failing = GetParam();
    setWriteFaultInjector([failing](WriteStage s) { return s == failing; });
    EXPECT_FALSE(writeDataLines(dir.path(), "material.dat", { "new", "lines" }));
    EXPECT_EQ(dir.readBytes("material.dat"), "old\r\n");
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1);
}

INSTANTIATE_TEST_SUITE_P(EachStage, WriterFaults,
    testing::Values(WriteStage::CreateTemp, WriteStage::Permissions, WriteStage::Write, WriteStage::Flush,
        WriteStage::Rename));

class LineBreakInValue : public testing::TestWithParam<std::string> { };

// A value that would split its line (or end the file) on reading is never
// written: the file stays as it was.
TEST_P(LineBreakInValue, IsRefusedAndNothingWritten)
{
    TempDataDir dir;
    dir.writeLines("60.rid", { "old" });
    EXPECT_FALSE(fitsOneLine(GetParam()));
    EXPECT_FALSE(writeDataLines(dir.path(), "60.rid", { "1", GetParam(), "3" }));
    EXPECT_EQ(dir.readBytes("60.rid"), "old\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(Values, LineBreakInValue,
    testing::Values("7,85\n", "12\r", "\r\n",
        "1\x1A"
        "2",
        std::string("7\0"
                    "8",
            3)));

// Where the program starts, the temporary files of writers that were killed
// before their rename go; nothing else does.
TEST(StaleTemporaryFiles, OnlyTheWritersOwnPatternAndOnlyFiles)
{
    TempDataDir dir;
    const Lines stale { "material.dat.tmp-AbC123", "Латуньmat.dat.tmp-000000", "x.rid.tmp-zzzzzz" };
    const Lines kept { "material.dat", ".tmp-ABCDEF", "a.dat.tmp-ABCDE", "a.dat.tmp-ABCDEFG",
        "a.dat.tmp-ABC!EF", "a.dat.TMP-ABCDEF", "a.dat.tmp_ABCDEF", "notes.tmp-backup",
        "notes.txt.tmp-backup", ".dat.tmp-ABCDEF" };
    for (const auto& name : stale)
        dir.writeLines(name, { "1" });
    for (const auto& name : kept)
        dir.writeLines(name, { "1" });
    std::filesystem::create_directory(dir.path() + "d.tmp-ABCDEF");
    std::filesystem::create_symlink(dir.path() + "material.dat", dir.path() + "l.tmp-ABCDEF");

    EXPECT_EQ(removeStaleTemporaryFiles(dir.path()), 3);
    for (const auto& name : stale)
        EXPECT_FALSE(std::filesystem::exists(dir.path() + name)) << name;
    for (const auto& name : kept)
        EXPECT_TRUE(std::filesystem::exists(dir.path() + name)) << name;
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() + "d.tmp-ABCDEF"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() + "l.tmp-ABCDEF"));
}

TEST(Writer, FailsInAMissingDirectory)
{
    EXPECT_FALSE(writeTextLines("/nonexistent-dir-for-pruz/x.dat", { "1" }));
}

TEST(Writer, KeepsThePermissionsOfTheReplacedFile)
{
    TempDataDir dir;
    dir.writeLines("a.dat", { "1" });
    ::chmod((dir.path() + "a.dat").c_str(), 0640);
    ASSERT_TRUE(writeDataLines(dir.path(), "a.dat", { "2" }));
    struct stat st { };
    ::stat((dir.path() + "a.dat").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

struct SizeCase {
    const char* name;
    size_t fileBytes; // a sparse file of zero bytes, when not 0
    std::string bytes; // else these
    const char* refusal; // the message's start, before the path; "" when read
};

class ReaderLimits : public testing::TestWithParam<SizeCase> { };

TEST_P(ReaderLimits, RefuseHugeFilesAndLinesNamingTheFile)
{
    TempDataDir dir;
    const std::string path = dir.path() + "k3.dat";
    dir.writeBytes("k3.dat", GetParam().bytes);
    if (GetParam().fileBytes > 0)
        ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(GetParam().fileBytes)), 0);
    const std::string refusal = GetParam().refusal;
    try {
        EXPECT_TRUE(readTextLines(path).has_value());
        EXPECT_EQ(refusal, "");
    } catch (const IoError& e) {
        const std::string rest
            = refusal.starts_with("Файл") ? " слишком велик (больше 16 МБ)" : " есть строка длиннее 64 КБ";
        EXPECT_EQ(e.what(), refusal + path + rest);
    }
}

const std::string kLongestLine(kMaxLineBytes, '7');

INSTANTIATE_TEST_SUITE_P(Sizes, ReaderLimits,
    testing::Values(SizeCase { "OverSixteenMegabytes", kMaxFileBytes + 1, "", "Файл " },
        SizeCase { "LongestLine", 0, "1\r\n" + kLongestLine + "\r\n2", "" },
        SizeCase { "LineOneByteLonger", 0, "1\r\n" + kLongestLine + "7\r\n2", "В файле " },
        SizeCase { "LastLineWithoutEnd", 0, kLongestLine + "7", "В файле " },
        SizeCase { "LongLineAfterCtrlZIsNotRead", 0, "1\r\n\x1A" + kLongestLine + "7", "" }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

TEST(Writer, AFullDeviceLeavesTheOldFileWhole)
{
    TempDataDir dir;
    dir.writeLines("k.dat", { "old" });
    setWriteDescriptorHook([](int fd) {
        int full = ::open("/dev/full", O_WRONLY);
        ASSERT_GE(full, 0);
        ::dup2(full, fd);
        ::close(full);
    });
    EXPECT_FALSE(writeDataLines(dir.path(), "k.dat", { "new" }));
    setWriteDescriptorHook({});
    EXPECT_EQ(dir.readBytes("k.dat"), "old\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(Writer, NeverReplacesADeviceOrAFolder)
{
    TempDataDir dir;
    std::filesystem::create_directory(dir.path() + "sub.dat");
    ASSERT_EQ(::mkfifo((dir.path() + "pipe.dat").c_str(), 0600), 0);
    EXPECT_FALSE(writeTextLines(dir.path() + "sub.dat", { "x" }));
    EXPECT_FALSE(writeTextLines(dir.path() + "pipe.dat", { "x" }));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() + "sub.dat"));
    EXPECT_TRUE(std::filesystem::is_fifo(dir.path() + "pipe.dat"));
}

TEST(Writer, FollowsALinkToItsFile)
{
    TempDataDir dir;
    dir.writeLines("real.dat", { "old" });
    std::filesystem::create_symlink(dir.path() + "real.dat", dir.path() + "link.dat");
    ASSERT_TRUE(writeTextLines(dir.path() + "link.dat", { "new" }));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() + "link.dat"));
    EXPECT_EQ(dir.readBytes("real.dat"), "new\r\n");
}

} // namespace
