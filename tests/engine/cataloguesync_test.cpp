#include "engine/catalogue/cataloguesync.h"
#include "engine/catalogue/datafolder.h"
#include "engine/catalogue/folderlock.h"
#include "testdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
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

// A catalogue made by the first release has no manifest: what that release
// shipped and the user deleted stays deleted, and only newer files come.
TEST(Follow, FirstReleaseCatalogueKeepsWhatTheUserDeleted)
{
    TempDataDir root;
    const std::string shipped = root.path() + "shipped/", user = root.path() + "pruz/";
    fs::create_directory(shipped);
    fs::create_directory(user);
    fs::copy(SHIPPED_DATA_DIR, shipped);
    fs::copy(SHIPPED_DATA_DIR, user);
    for (const char* gone : { "ХН77ТЮР.dat", "ХН77ТЮРmat.dat", "README.md" })
        fs::remove(user + gone);
    root.writeBytes("shipped/Новый.dat", "1\r\n");
    const Catalogue opened = openCatalogue({ std::nullopt, user, shipped, {} });
    EXPECT_EQ(opened.update.added, (std::vector<std::string> { "Новый.dat" }));
    EXPECT_FALSE(fs::exists(user + "ХН77ТЮР.dat"));
    EXPECT_EQ(updateReport(opened.update, opened.dir, opened.upstream).find("ХН77ТЮР"), std::string::npos);
}

// An update killed while copying the catalogue as it was leaves its
// temporary copy; the next start of either program removes it.
TEST(Follow, TemporaryPreviousCopyOfAKilledUpdateGoes)
{
    Installed t;
    fs::create_directory(t.user + kPreviousName + ".tmp-AbC123");
    t.open();
    EXPECT_FALSE(fs::exists(t.user + kPreviousName + ".tmp-AbC123"));
}

// An office switches its site catalogue's list by a link: the first copy
// and the updates follow it alike.
TEST(Follow, UpstreamListThatIsALinkIsFollowed)
{
    Installed t;
    t.root.writeBytes("lists-1", "A\r\nB\r\n");
    t.root.writeBytes("lists-2", "A\r\nB\r\nC\r\n");
    fs::remove(t.shipped + "material.dat");
    fs::create_symlink(t.root.path() + "lists-1", t.shipped + "material.dat");
    EXPECT_FALSE(t.open().update.any());
    fs::remove(t.shipped + "material.dat");
    fs::create_symlink(t.root.path() + "lists-2", t.shipped + "material.dat");
    t.ship("C.dat", "7\r\n");
    const Catalogue opened = t.open();
    EXPECT_EQ(opened.update.replaced, (std::vector<std::string> { "material.dat" }));
    EXPECT_EQ(opened.update.added, (std::vector<std::string> { "C.dat" }));
    EXPECT_EQ(t.mine("material.dat"), "A\r\nB\r\nC\r\n");
}

struct LinkCase {
    const char* name;
    std::function<void(Installed&, const std::string& outside)> arrange;
    std::vector<std::string> unlinked; // links the update replaced, and says so
};

class Links : public testing::TestWithParam<LinkCase> { };

// A link among the catalogue's own notes or files is never written (nor read)
// through: what lies outside the folder stays as it is.
TEST_P(Links, AnUpdateNeverWritesThroughALink)
{
    Installed t;
    const std::string outside = t.root.path() + "outside/";
    fs::create_directory(outside);
    t.root.writeBytes("outside/file", "keep\n");
    GetParam().arrange(t, outside);
    t.ship("A.dat", "new\r\n");
    t.ship("C.dat", "7\r\n");
    const Catalogue opened = t.open();
    EXPECT_EQ(t.root.readBytes("outside/file"), "keep\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(outside), fs::directory_iterator()), 1);
    EXPECT_EQ(opened.update.unlinked, GetParam().unlinked);
    for (const auto& name : GetParam().unlinked)
        EXPECT_FALSE(fs::is_symlink(t.user + name)) << name;
    if (!GetParam().unlinked.empty())
        EXPECT_NE(updateReport(opened.update, opened.dir, opened.upstream).find("ссылки заменены"),
            std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Cases, Links,
    testing::Values(LinkCase { "Manifest",
                        [](Installed& t, const std::string& out) {
                            fs::remove(t.user + kManifestName);
                            fs::create_symlink(out + "file", t.user + kManifestName);
                        },
                        { kManifestName } },
        LinkCase { "TableWithoutManifest",
            [](Installed& t, const std::string& out) {
                fs::remove(t.user + kManifestName);
                fs::remove(t.user + "k3.dat");
                fs::create_symlink(out + "file", t.user + "k3.dat");
            },
            {} },
        LinkCase { "NewFile",
            [](Installed& t, const std::string& out) { fs::create_symlink(out + "file", t.user + "C.dat"); },
            { "C.dat" } },
        LinkCase { "PreviousCopy",
            [](Installed& t, const std::string& out) { fs::create_symlink(out, t.user + kPreviousName); },
            { kPreviousName } },
        LinkCase { "UpdateNote",
            [](Installed& t, const std::string& out) {
                fs::create_directory(t.user + kPreviousName);
                fs::create_symlink(out + "file", t.user + kPreviousName + "/" + kUpdateNoteName);
            },
            {} }),
    [](const auto& info) { return std::string(info.param.name); });

struct StaleLockCase {
    const char* name;
    std::function<void(const std::string& lock)> leave; // what a dead program left as the lock
};

class StaleLock : public testing::TestWithParam<StaleLockCase> { };

// Many programs find the same stale lock at once: exactly one takes it
// over, each time.
TEST_P(StaleLock, ManyProgramsAtOnceOneTakesItOver)
{
    TempDataDir dir;
    const std::string lock = dir.path() + kCatalogueLockName;
    constexpr int kPrograms = 10;
    for (int round = 0; round < 100; ++round) {
        std::filesystem::remove_all(lock);
        GetParam().leave(lock);
        int start[2], told[2], finish[2];
        ASSERT_EQ(::pipe(start) | ::pipe(told) | ::pipe(finish), 0);
        std::vector<pid_t> children;
        for (int k = 0; k < kPrograms; ++k) {
            const pid_t child = ::fork();
            if (child == 0) {
                for (int fd : { start[1], told[0], finish[1] })
                    ::close(fd);
                char c;
                (void)!::read(start[0], &c, 1); // all wait here until the pipe closes
                FolderLock mine;
                const char got = mine.take(dir.path()) ? '1' : '0';
                (void)!::write(told[1], &got, 1);
                (void)!::read(finish[0], &c, 1); // hold it until all have tried
                ::_exit(0);
            }
            children.push_back(child);
        }
        ::close(start[0]);
        ::close(start[1]);
        ::close(told[1]);
        std::string results;
        char got;
        while (results.size() < kPrograms && ::read(told[0], &got, 1) == 1)
            results += got;
        ::close(finish[1]);
        for (pid_t child : children)
            ::waitpid(child, nullptr, 0);
        for (int fd : { told[0], finish[0] })
            ::close(fd);
        ASSERT_EQ(std::count(results.begin(), results.end(), '1'), 1) << "round " << round << ": " << results;
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, StaleLock,
    testing::Values(StaleLockCase { "DeadHolder",
                        [](const std::string& lock) {
                            const pid_t dead = ::fork();
                            if (dead == 0)
                                ::_exit(0);
                            ::waitpid(dead, nullptr, 0);
                            char host[256] = {};
                            ::gethostname(host, sizeof host - 1);
                            std::ofstream(lock) << dead << "\npruz\n" << host << "\n";
                        } },
        StaleLockCase { "PidThatDoesNotFit",
            [](const std::string& lock) { std::ofstream(lock) << "4294967296\npruz\nhost\n"; } },
        StaleLockCase {
            "DanglingLink", [](const std::string& lock) { fs::create_symlink(lock + "-nowhere", lock); } },
        StaleLockCase { "Folder", [](const std::string& lock) { fs::create_directory(lock); } }),
    [](const auto& info) { return std::string(info.param.name); });

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
        EXPECT_FALSE(fs::exists(t.user + kPreviousName)) << "nothing was there to keep";
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
