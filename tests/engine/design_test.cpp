#include "engine/catalogue/datafiles.h"
#include "engine/catalogue/textfile.h"
#include "engine/features/design.h"
#include "engine/method/quiethost.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// One way for "Расчет" to end, on the shipped steel example with one field
// changed: the one outcome, its reason and pruzcalc's exit status.
struct EndingCase {
    const char* name;
    std::function<void(InputForm&)> edit;
    Outcome outcome;
    const char* reason;
    ExitStatus status;
};

void PrintTo(const EndingCase& c, std::ostream* os)
{
    *os << c.name;
}

class Endings : public testing::TestWithParam<EndingCase> { };

TEST_P(Endings, HaveOneOutcomeAndItsReason)
{
    const EndingCase& c = GetParam();
    auto rid = readTextLines(std::string(EXAMPLES_DIR) + "steel-60s2a.rid");
    ASSERT_TRUE(rid);
    InputForm form = parseRid(*rid);
    c.edit(form);
    QuietHost host;
    const DesignResult r
        = runForm(form, CalcInputs { .dataDir = SHIPPED_DATA_DIR }, host, FolderFiles(SHIPPED_DATA_DIR));
    EXPECT_EQ(r.outcome, c.outcome);
    EXPECT_EQ(r.reason, c.reason);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.ran(), c.outcome != Outcome::Refused);
}

INSTANTIATE_TEST_SUITE_P(Design, Endings,
    testing::Values(EndingCase { "complete", [](InputForm&) {}, Outcome::Complete, "", Completed },
        EndingCase { "impactCheck", [](InputForm& f) { f.vmax = "100"; }, Outcome::Stopped,
            "Не выполнено условие отсутствия соударения витков", Failed },
        EndingCase { "zeroForce", [](InputForm& f) { f.f1 = "0"; }, Outcome::Refused,
            "Расчет не выполнялся: F1 = 0", Stopped },
        EndingCase { "notANumber", [](InputForm& f) { f.f1 = "3O"; }, Outcome::Refused,
            "'3O' is not a valid floating point value", Ended },
        EndingCase { "noPropertiesFile", [](InputForm& f) { f.materialName = "Нет"; }, Outcome::Error,
            "no Нетmat.dat", Ended }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
