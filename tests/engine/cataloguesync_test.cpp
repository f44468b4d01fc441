#include "engine/catalogue/cataloguesync.h"
#include "engine/catalogue/datafolder.h"
#include "engine/catalogue/folderlock.h"
#include "testdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

namespace {

namespace fs = std::filesystem;

// A shipped catalogue and a user's copy made from it: root/shipped and
// root/xdg/pruz.
struct Installed {
    TempDataDir root;
    std::string shipped = root.path() + "shipped/";
    std::string user = root.path() + "xdg/pruz/";

    Installed()
    {
        fs::create_directory(shipped);
        ship("material.dat", "A\r\nB\r\n");
        ship("A.dat", "1\r\n2\r\n");
        ship("B.dat", "3\r\n");
        ship("k3.dat", "1,5\r\n");
        EXPECT_TRUE(open().created);
    }
    void ship(const std::string& name, const std::string& bytes) const
    {
        root.writeBytes("shipped/" + name, bytes);
    }
    void edit(const std::string& name, const std::string& bytes) const
    {
        root.writeBytes("xdg/pruz/" + name, bytes);
    }
    std::string mine(const std::string& name) const { return root.readBytes("xdg/pruz/" + name); }
    bool has(const std::string& name) const { return fs::exists(user + name); }
    Catalogue open() const
    {
        return openCatalogue({ std::nullopt, root.path() + "xdg/pruz", root.path() + "shipped", {} });
    }
};

struct FollowCase {
    const char* name;
    std::function<void(Installed&)> userDoes; // before the upgrade
    std::function<void(Installed&)> upgrade;
    std::vector<std::string> replaced, added, kept;
    std::map<std::string, std::string> after; // file -> bytes; "" for absent
};

class Follow : public testing::TestWithParam<FollowCase> { };

TEST_P(Follow, UnchangedFilesFollowChangedOnesStayAndAreReportedOnce)
{
    const auto& c = GetParam();
    Installed t;
    c.userDoes(t);
    c.upgrade(t);
    const Catalogue opened = t.open();
    EXPECT_EQ(opened.update.replaced, c.replaced);
    EXPECT_EQ(opened.update.added, c.added);
    std::vector<std::string> kept;
    for (const auto& k : opened.update.kept)
        kept.push_back(k.name);
    EXPECT_EQ(kept, c.kept);
    EXPECT_EQ(opened.update.error, "");
    for (const auto& [name, bytes] : c.after) {
        if (bytes.empty())
            EXPECT_FALSE(t.has(name)) << name;
        else
            EXPECT_EQ(t.mine(name), bytes) << name;
    }
    EXPECT_EQ(t.has(std::string(kPreviousName) + "/material.dat"), opened.update.touched())
        << "the catalogue as it was is kept only when a file was replaced";
    EXPECT_FALSE(t.open().update.any()) << "said once";
}

INSTANTIATE_TEST_SUITE_P(Cases, Follow,
    testing::Values(FollowCase { "NothingShippedChanged", [](Installed& t) { t.edit("A.dat", "9\r\n"); },
                        [](Installed&) {}, {}, {}, {}, { { "A.dat", "9\r\n" } } },
        FollowCase { "UnchangedFileTakesTheNewVersion", [](Installed&) {},
            [](Installed& t) { t.ship("A.dat", "1\r\n2\r\n4,8\r\n"); }, { "A.dat" }, {}, {},
            { { "A.dat", "1\r\n2\r\n4,8\r\n" } } },
        FollowCase { "ChangedFileIsKept", [](Installed& t) { t.edit("A.dat", "1\r\n"); },
            [](Installed& t) {
                t.ship("A.dat", "1\r\n2\r\n4,8\r\n");
                t.ship("k3.dat", "1,6\r\n");
            },
            { "k3.dat" }, {}, { "A.dat" }, { { "A.dat", "1\r\n" }, { "k3.dat", "1,6\r\n" } } },
        FollowCase { "UserAlreadyHasTheNewVersion", [](Installed& t) { t.edit("A.dat", "5\r\n"); },
            [](Installed& t) { t.ship("A.dat", "5\r\n"); }, {}, {}, {}, { { "A.dat", "5\r\n" } } },
        FollowCase { "NewShippedFileIsAddedListLast", [](Installed&) {},
            [](Installed& t) {
                t.ship("C.dat", "7\r\n");
                t.ship("material.dat", "A\r\nB\r\nC\r\n");
            },
            { "material.dat" }, { "C.dat" }, {},
            { { "C.dat", "7\r\n" }, { "material.dat", "A\r\nB\r\nC\r\n" } } },
        FollowCase { "DeletedFileStaysDeleted", [](Installed& t) { fs::remove(t.user + "B.dat"); },
            [](Installed& t) { t.ship("B.dat", "3\r\n6\r\n"); }, {}, {}, {}, { { "B.dat", "" } } },
        FollowCase { "OwnFileOfANewShippedNameIsKept", [](Installed& t) { t.edit("C.dat", "mine\r\n"); },
            [](Installed& t) { t.ship("C.dat", "7\r\n"); }, {}, {}, { "C.dat" },
            { { "C.dat", "mine\r\n" } } },
        FollowCase { "CatalogueOfAnOlderVersionWithoutManifest",
            [](Installed& t) {
                fs::remove(t.user + kManifestName);
                t.edit("B.dat", "3\r\n33\r\n");
            },
            [](Installed&) {}, {}, {}, { "B.dat" }, { { "B.dat", "3\r\n33\r\n" } } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Follow, KeptFileSaysHowItDiffers)
{
    Installed t;
    t.edit("A.dat", "1\r\n5\r\n");
    t.ship("A.dat", "1\r\n2\r\n4,8\r\n");
    const Catalogue opened = t.open();
    ASSERT_EQ(opened.update.kept.size(), 1u);
    EXPECT_EQ(opened.update.kept[0].difference, "- 5\n+ 2\n+ 4,8\n");
    const std::string report = updateReport(opened.update, opened.dir, opened.upstream);
    EXPECT_NE(report.find(t.shipped + "A.dat"), std::string::npos) << report;
}

// A child updates the catalogue and is killed after its first file; every
// file is then old or new, and the next start finishes the update.
TEST(Follow, CrashBetweenFilesLeavesEachFileWholeAndTheNextStartFinishes)
{
    Installed t;
    t.ship("A.dat", "new A\r\n");
    t.ship("B.dat", "new B\r\n");
    t.ship("material.dat", "A\r\nB\r\nnew\r\n");
    const pid_t child = ::fork();
    if (child == 0) {
        int written = 0;
        followUpstream(t.user, t.shipped, [&](const std::string& path, const std::string& bytes) {
            if (written++ == 1)
                ::_exit(9); // killed between the first and the second file
            return writeCatalogueFile(path, bytes);
        });
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 9);
    EXPECT_EQ(t.mine("A.dat"), "new A\r\n");
    EXPECT_EQ(t.mine("B.dat"), "3\r\n") << "not reached: still the old one";
    EXPECT_EQ(t.mine("material.dat"), "A\r\nB\r\n") << "the list is written last";

    const Catalogue again = t.open();
    EXPECT_EQ(again.update.replaced, (std::vector<std::string> { "B.dat", "material.dat" }));
    EXPECT_EQ(t.mine("B.dat"), "new B\r\n");
    EXPECT_EQ(t.root.readBytes("xdg/pruz/.pruz-previous/A.dat"), "1\r\n2\r\n")
        << "the copy from before it all";
}

TEST(Follow, ADeadHoldersLockIsTakenOverALivingOnesStopsTheUpdate)
{
    Installed t;
    t.ship("A.dat", "new\r\n");
    const pid_t holder = ::fork();
    if (holder == 0) {
        FolderLock lock;
        ::_exit(lock.take(t.user) ? 0 : 1);
    }
    // The child died holding it: a stale lock, taken over.
    int status = 0;
    ::waitpid(holder, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    FolderLock mine;
    ASSERT_TRUE(mine.take(t.user)) << "a dead holder's lock is taken over";
    EXPECT_FALSE(t.open().update.touched());
    EXPECT_EQ(t.mine("A.dat"), "1\r\n2\r\n");
    mine.release();
    EXPECT_EQ(t.open().update.replaced, (std::vector<std::string> { "A.dat" }));
}

struct UserFolderCase {
    const char* name;
    std::function<void(Installed&)> arrange;
    bool opens;
    bool created;
};

class UserFolder : public testing::TestWithParam<UserFolderCase> { };

TEST_P(UserFolder, EmptyIsRefilledUnreadableOrAFileIsAnErrorNamingIt)
{
    const auto& c = GetParam();
    Installed t;
    // Root reads every folder: the check runs as nobody in a child, which
    // may otherwise go everywhere here.
    fs::permissions(t.root.path(), fs::perms(0755));
    fs::permissions(t.root.path() + "xdg", fs::perms(0777));
    fs::permissions(t.user, fs::perms(0777));
    c.arrange(t);
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        const Catalogue opened = t.open();
        const std::string text
            = opened.dir.empty() ? opened.failure : std::string(opened.created ? "C" : "O");
        (void)!::write(pipe[1], text.data(), text.size());
        ::_exit(0);
    }
    ::close(pipe[1]);
    std::string got;
    char buf[512];
    for (ssize_t n; (n = ::read(pipe[0], buf, sizeof buf)) > 0;)
        got.append(buf, static_cast<size_t>(n));
    ::close(pipe[0]);
    ::waitpid(child, nullptr, 0);
    ::chmod(t.user.c_str(), 0755);
    if (c.opens) {
        EXPECT_EQ(got, c.created ? "C" : "O");
        EXPECT_EQ(t.mine("k3.dat"), "1,5\r\n");
    } else {
        EXPECT_NE(got.find("«" + t.root.path() + "xdg/pruz»"), std::string::npos) << got;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, UserFolder,
    testing::Values(UserFolderCase { "Empty",
                        [](Installed& t) {
                            fs::remove_all(t.user);
                            fs::create_directory(t.user);
                            fs::permissions(t.user, fs::perms(0777));
                        },
                        true, true },
        UserFolderCase { "OnlyTheProgramsOwnFilesLeft",
            [](Installed& t) {
                for (const char* name : { "material.dat", "A.dat", "B.dat", "k3.dat" })
                    fs::remove(t.user + name);
            },
            true, true },
        UserFolderCase { "Unreadable", [](Installed& t) { ::chmod(t.user.c_str(), 0); }, false, false },
        UserFolderCase { "AFile",
            [](Installed& t) {
                fs::remove_all(t.user);
                t.root.writeBytes("xdg/pruz", "x");
            },
            false, false }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StaleCopies, OnlyOldTemporaryFoldersOfTheUsersCatalogueGo)
{
    TempDataDir home;
    const std::vector<std::string> names { ".pruz.tmp-AbC123", ".pruz.tmp-fresh1", ".pruz.tmp-toolong1",
        ".other.tmp-AbC123", "pruz.tmp-AbC123" };
    for (const auto& name : names)
        fs::create_directory(home.path() + name);
    home.writeBytes(".pruz.tmp-AbC123/material.dat", "x");
    const utimbuf old { 1000, 1000 };
    for (const auto& name : names)
        if (name != ".pruz.tmp-fresh1")
            ::utime((home.path() + name).c_str(), &old);
    EXPECT_EQ(removeStaleCopies(home.path() + "pruz"), 1);
    EXPECT_FALSE(fs::exists(home.path() + ".pruz.tmp-AbC123"));
    for (size_t k = 1; k < names.size(); ++k)
        EXPECT_TRUE(fs::exists(home.path() + names[k])) << names[k];
}

} // namespace
