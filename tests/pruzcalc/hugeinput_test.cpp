// pruzcalc on inputs far larger than real ones: its peak memory stays
// within three times the largest file read above that of an ordinary
// design, and a batch shares the catalogue's lines instead of copying them
// per design. (bench/memory.sh measures the same with times.)
#include "engine/catalogue/textfile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Just under the largest data file a reader takes.
constexpr size_t kHuge = kMaxFileBytes - 4096;

// pruzcalc's peak resident memory in bytes, its output thrown away.
long peakOfRun(std::vector<std::string> args)
{
    args.insert(args.begin(), PRUZCALC_EXE);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, PRUZCALC_EXE, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    return usage.ru_maxrss * 1024L;
}

struct HugeInput {
    const char* name;
    bool hugeRid; // the input file: line breaks only
    bool hugeList; // material.dat: the shipped list, then line breaks
    int designs;
};

class HugeInputs : public testing::TestWithParam<HugeInput> { };

TEST_P(HugeInputs, KeepMemoryWithinThreeTimesTheFile)
{
#if defined(PRUZ_SANITIZED)
    GTEST_SKIP() << "the sanitizer keeps freed memory";
#endif
    const fs::path dir = fs::path(testing::TempDir()) / ("pruz-huge-" + std::to_string(::getpid()));
    fs::create_directories(dir / "data");
    fs::create_directories(dir / "designs");
    for (const auto& e : fs::directory_iterator(SHIPPED_DATA_DIR))
        fs::copy_file(e.path(), dir / "data" / e.path().filename());
    if (GetParam().hugeList)
        std::ofstream(dir / "data" / "material.dat", std::ios::app) << std::string(kHuge, '\n');
    const fs::path example = fs::path(EXAMPLES_DIR) / "steel-60s2a.rid";
    const fs::path rid = dir / "designs" / "0.rid";
    if (GetParam().hugeRid)
        std::ofstream(rid) << std::string(kHuge, '\n');
    for (int k = GetParam().hugeRid ? 1 : 0; k < GetParam().designs; ++k)
        fs::copy_file(example, dir / "designs" / (std::to_string(k) + ".rid"));
    const std::string data = (dir / "data").string() + "/";

    const long ordinary = peakOfRun({ "--data", SHIPPED_DATA_DIR, example.string() });
    const long peak
        = peakOfRun({ "--data", data, GetParam().designs == 1 ? rid.string() : (dir / "designs").string() });
    fs::remove_all(dir);
    ASSERT_GT(ordinary, 0);
    EXPECT_LE(peak - ordinary, static_cast<long>(3 * kHuge)) << "peak " << peak << ", ordinary " << ordinary;
}

INSTANTIATE_TEST_SUITE_P(Files, HugeInputs,
    testing::Values(HugeInput { "rid_of_line_breaks", true, false, 1 },
        HugeInput { "material_list_of_line_breaks", false, true, 1 },
        HugeInput { "the_same_list_100_designs", false, true, 100 }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
