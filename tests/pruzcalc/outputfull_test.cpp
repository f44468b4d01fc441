// pruzcalc with its output on a full device: every kind of output ends
// with an error and exit status 2, never with a status that passes a cut
// report (or "nothing changed") for a whole one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct FullOutput {
    const char* name;
    const char* args;
};

class OutputOnAFullDevice : public testing::TestWithParam<FullOutput> { };

TEST_P(OutputOnAFullDevice, IsAnError)
{
    const std::string err = testing::TempDir() + "pruzcalc-full-" + std::to_string(::getpid());
    const std::string command
        = std::string("cd " EXAMPLES_DIR " && " PRUZCALC_EXE " --data " SHIPPED_DATA_DIR " ")
        + GetParam().args + " >/dev/full 2>" + err;
    const int status = std::system(command.c_str());
    std::ifstream in(err);
    const std::string said((std::istreambuf_iterator<char>(in)), {});
    std::remove(err.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_NE(
        said.find("error: the output could not be written: No space left on device\n"), std::string::npos)
        << said;
}

INSTANTIATE_TEST_SUITE_P(Outputs, OutputOnAFullDevice,
    testing::Values(FullOutput { "report", "steel-60s2a.rid" },
        FullOutput { "json", "--format json steel-60s2a.rid" }, FullOutput { "csv_batch", "." },
        FullOutput { "json_batch", "--format json ." },
        FullOutput { "comparison", "--compare-data " SHIPPED_DATA_DIR " ." },
        FullOutput { "help", "--help" }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
