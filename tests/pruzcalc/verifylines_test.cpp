// pruzcalc --verify on the examples and its options: the key lines of each
// (the full transcripts of each output kind are cases under tests/cli).
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct VerifyCase {
    const char* name;
    const char* args;
    int status;
    std::vector<const char*> lines; // each a whole line of stdout or stderr
};

class VerifyLines : public testing::TestWithParam<VerifyCase> { };

// A design whose index is 0,75 with the wire 4: F1 0,1, F2 0,2, D1 7, H 5, 60С2А.
std::string threeQuarterIndex()
{
    const std::string path = testing::TempDir() + "w075-" + std::to_string(::getpid()) + ".rid";
    std::ofstream out(path, std::ios::binary);
    for (const char* line : { "1", "0", "1", "0", "0", "1", "2", "0,1", "0,2", "7", "5", "2", "0", "5", "0",
             "0", "0", "1", "1", "1", "1",
             "60\xD1"
             "2\xC0" })
        out << line << "\r\n";
    return path;
}

TEST_P(VerifyLines, KeyLines)
{
    std::string args = GetParam().args;
    if (const auto at = args.find("@w075"); at != std::string::npos)
        args.replace(at, 5, threeQuarterIndex());
    const std::string command
        = std::string("cd " EXAMPLES_DIR " && " PRUZCALC_EXE " --data " SHIPPED_DATA_DIR " ") + args
        + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, got);
    const int status = ::pclose(pipe);
    EXPECT_EQ(WEXITSTATUS(status), GetParam().status);
    for (const char* line : GetParam().lines)
        EXPECT_NE(("\n" + out).find("\n" + std::string(line) + "\n"), std::string::npos) << line << "\n"
                                                                                         << out;
}

INSTANTIATE_TEST_SUITE_P(Examples, VerifyLines,
    testing::Values(
        VerifyCase { "steel", "--verify steel-60s2a.rid", 1,
            { "  нагрузка циклическая: N = 100000 циклов (больше 10000)",
                "  Rm: 60С2Аrm.dat: предел прочности материала",
                "Напряжение τk2 при F(L2), МПа: пружина 355,9; предел ≤ 0,5·Rm = 785; использование 0,4534 — "
                "выполнено",
                "Итог проверки: не выполнено — Наименьшая длина Ln = Lc + Sa = 154,8 мм, допускается ≤ L2 = "
                "135,8 (использование 1,14)" } },
        VerifyCase { "stainlessSolidStress", "--verify stainless-free-length.rid", 1,
            { "Напряжение τc при длине Lc, МПа: пружина 1114; предел ≤ 0,56·Rm = 952; использование 1,17 — "
              "не "
              "выполнено" } },
        VerifyCase { "chosenWireForcesWithinBand", "--verify --wire-diameter 3,2 chosen-diameter.rid", 1,
            { "Сила при длине L2, Н: расчет 98,07; пружина 104; предел 98,07 ± 12,56; использование 0,4701 — "
              "выполнено (F2 = 10 кгс = 98,07 Н; +6,02 %)" } },
        VerifyCase { "freeEndExplained", "--verify --explain --seating 2 wire-class2.rid", 1,
            { "    F1 = 10 · 9,80665",
                "Итог проверки: не выполнено — Критическая деформация sK = 1,302 мм, допускается s2 < sK "
                "(использование 17,33)" } },
        VerifyCase { "gostGroupThree", "--verify --tolerance gost16118-3 wire-class2.rid", 1,
            { "  допуски: ГОСТ 16118-70, группа точности 3",
                "Сила при длине L2, Н: расчет 294,2; пружина 532,2; предел 294,2 ± 58,84; использование "
                "4,044 — не "
                "выполнено (F2 = 30 кгс = 294,2 Н; +80,88 %)" } },
        VerifyCase { "endsNotGround", "--verify --ends not-ground wire-class2.rid", 1,
            { "Длина сжатой до соприкосновения пружины Lc = (nt + 1,5)·d, мм: расчет 110; пружина 118 — "
              "справочно" } },
        VerifyCase { "indexThreeQuarters", "--verify --wire-diameter 4 @w075", 1,
            { "Пружину нельзя проверить: индекс w = D/d = 0,75 не больше 0,75: коэффициент k = (w + 0,5)/(w "
              "− "
              "0,75) не определен" } },
        VerifyCase { "seatingNamesItsValues", "--verify --seating 0.6 steel-60s2a.rid", 64,
            { "error: --seating: ν is one of 2; 1; 0,7; 0,5 (0.7 and 0.5 also with a point), not 0.6" } }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
