#include "engine/catalogue/datafolder.h"
#include "testdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

Names entries(const std::string& dir)
{
    Names out;
    if (fs::is_directory(dir))
        for (const auto& e : fs::directory_iterator(dir))
            out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

struct PlacesCase {
    const char* name;
    const char* xdg;
    const char* home;
    std::optional<std::string> exeDir;
    std::optional<std::string> user;
    std::optional<std::string> shipped;
};

class Places : public testing::TestWithParam<PlacesCase> { };

TEST_P(Places, FollowTheEnvironmentAndTheExecutable)
{
    const auto& c = GetParam();
    const CataloguePlaces places = cataloguePlaces(std::nullopt, c.xdg, c.home, c.exeDir);
    EXPECT_EQ(places.user, c.user);
    EXPECT_EQ(places.shipped, c.shipped);
}

INSTANTIATE_TEST_SUITE_P(Environments, Places,
    testing::Values(
        PlacesCase { "XdgDataHome", "/x/data", "/h", "/opt/p/bin", "/x/data/pruz", "/opt/p/share/pruz/data" },
        PlacesCase { "XdgWithSlash", "/x/data/", "/h", "/usr/bin", "/x/data/pruz", "/usr/share/pruz/data" },
        PlacesCase { "EmptyXdgMeansHome", "", "/h", std::nullopt, "/h/.local/share/pruz", std::nullopt },
        PlacesCase {
            "RelativeXdgIgnored", "rel", "/h/", "/b/app", "/h/.local/share/pruz", "/b/share/pruz/data" },
        PlacesCase { "NoHomeNoXdg", nullptr, nullptr, "/usr/bin", std::nullopt, "/usr/share/pruz/data" },
        PlacesCase { "EmptyHome", nullptr, "", "/usr/bin", std::nullopt, "/usr/share/pruz/data" }),
    [](const auto& info) { return std::string(info.param.name); });

// A scratch tree: root/shipped (a small catalogue), root/xdg as the user's
// data home, so the user's catalogue is root/xdg/pruz.
struct Tree {
    TempDataDir root;
    std::string shipped = root.path() + "shipped";
    std::string user = root.path() + "xdg/pruz";

    Tree()
    {
        fs::create_directory(shipped);
        root.writeBytes("shipped/material.dat", "\xC1\xF0\xC1\x32\r\n");
        root.writeBytes("shipped/БрБ2.dat", "0,5\r\n1\r\n");
        root.writeBytes("shipped/k3.dat", "1,5\r\n");
    }
    CataloguePlaces places(std::optional<std::string> chosen = std::nullopt) const
    {
        return { std::move(chosen), user, shipped, {} };
    }
};

struct OpenCase {
    const char* name;
    std::function<void(Tree&)> arrange;
    std::optional<std::string> chosen; // below the root
    std::string dir; // below the root; empty for a failure
    bool created;
    Names named; // places the failure names, below the root
};

class Open : public testing::TestWithParam<OpenCase> { };

TEST_P(Open, FindsMakesOrNamesThePlaces)
{
    const auto& c = GetParam();
    Tree tree;
    c.arrange(tree);
    const Names before = entries(tree.root.path() + "xdg");
    auto chosen = c.chosen ? std::optional(tree.root.path() + *c.chosen) : std::nullopt;
    const Catalogue found = openCatalogue(tree.places(chosen));

    EXPECT_EQ(found.dir, c.dir.empty() ? "" : tree.root.path() + c.dir);
    EXPECT_EQ(found.created, c.created);
    EXPECT_EQ(found.failure.empty(), !c.dir.empty()) << found.failure;
    for (const auto& place : c.named)
        EXPECT_NE(found.failure.find("«" + tree.root.path() + place + "»"), std::string::npos)
            << found.failure;
    if (!c.created)
        EXPECT_EQ(entries(tree.root.path() + "xdg"), before)
            << "nothing made or left when no copy was asked for";
}

INSTANTIATE_TEST_SUITE_P(Cases, Open,
    testing::Values(OpenCase { "ChosenFolder", [](Tree&) {}, "shipped", "shipped/", false, {} },
        OpenCase { "ChosenMissing", [](Tree&) {}, "nowhere", "", false, { "nowhere" } },
        OpenCase { "ChosenIsAFile", [](Tree&) {}, "shipped/k3.dat", "", false, { "shipped/k3.dat" } },
        OpenCase { "ChosenHoldsNoCatalogue", [](Tree& t) { fs::create_directory(t.root.path() + "empty"); },
            "empty", "", false, { "empty" } },
        OpenCase { "UserMadeFromShipped", [](Tree&) {}, std::nullopt, "xdg/pruz/", true, {} },
        OpenCase { "UserIsAFile",
            [](Tree& t) {
                fs::create_directories(t.root.path() + "xdg");
                t.root.writeBytes("xdg/pruz", "x");
            },
            std::nullopt, "", false, { "xdg/pruz" } },
        OpenCase { "ShippedWithoutMaterialList", [](Tree& t) { fs::remove(t.shipped + "/material.dat"); },
            std::nullopt, "", false, { "xdg/pruz", "shipped" } },
        OpenCase { "DataHomeCannotBeMade",
            [](Tree& t) { t.root.writeBytes("xdg", "a file where the folder should be"); }, std::nullopt, "",
            false, { "xdg/pruz" } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OpenCatalogue, KeepsTheUsersCatalogueAsItIs)
{
    Tree tree;
    ASSERT_TRUE(openCatalogue(tree.places()).created);
    tree.root.writeBytes("xdg/pruz/k3.dat", "changed\r\n");
    fs::remove(tree.user + "/БрБ2.dat");
    const Catalogue again = openCatalogue(tree.places());
    EXPECT_FALSE(again.created);
    EXPECT_EQ(tree.root.readBytes("xdg/pruz/k3.dat"), "changed\r\n");
    EXPECT_EQ(entries(tree.user), (Names { ".pruz-shipped", "k3.dat", "material.dat" }))
        << "a deleted file is not brought back";
}

TEST(OpenCatalogue, SiteCatalogueOfXdgDataDirsComesBeforeTheShippedOne)
{
    Tree tree;
    CataloguePlaces places = cataloguePlaces(std::nullopt, (tree.root.path() + "xdg").c_str(), nullptr,
        std::nullopt, ("relative:" + tree.root.path() + "none:" + tree.root.path() + "office").c_str());
    EXPECT_EQ(
        places.site, (Names { tree.root.path() + "none/pruz/site", tree.root.path() + "office/pruz/site" }));
    places.shipped = tree.shipped;
    EXPECT_EQ(places.upstream(), tree.shipped) << "no site catalogue yet";
    fs::create_directories(tree.root.path() + "office/pruz/site");
    tree.root.writeBytes("office/pruz/site/material.dat", "office\r\n");
    EXPECT_EQ(places.upstream(), tree.root.path() + "office/pruz/site");
    ASSERT_TRUE(openCatalogue(places).created);
    EXPECT_EQ(tree.root.readBytes("xdg/pruz/material.dat"), "office\r\n");
}

TEST(OpenCatalogue, FailedCopyLeavesNothing)
{
    Tree tree;
    const std::string user = tree.root.path() + "new/home/pruz";
    int copied = 0;
    const Catalogue found = openCatalogue(
        { std::nullopt, user, tree.shipped, {} }, [&](const std::string& from, const std::string& to) {
            return ++copied < 3 && copyFileBytes(from, to);
        });
    EXPECT_EQ(copied, 3);
    EXPECT_EQ(found.dir, "");
    EXPECT_NE(found.failure.find("«" + user + "»"), std::string::npos) << found.failure;
    EXPECT_EQ(entries(tree.root.path()), (Names { "shipped" })) << "the folders made on the way are gone too";
}

} // namespace
