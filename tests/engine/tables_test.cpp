#include "catalogue_fixture.h"

#include "engine/catalogue/tables.h"
#include "engine/catalogue/textfile.h"
#include "engine/common/numtext.h"

#include <gtest/gtest.h>

namespace {

using Row = std::vector<std::string>;

std::vector<std::string> shippedLines(const char* name)
{
    return *readDataLines(SHIPPED_DATA_DIR, name);
}

const char kDash[] = "        -";

TEST(K3Grid, ShippedTableOneRowPerLineLabelledByIndex)
{
    const TableGrid g = k3Grid(SHIPPED_DATA_DIR);
    EXPECT_EQ(g.message, "");
    EXPECT_TRUE(g.strip.empty());
    EXPECT_EQ(g.header, (Row { "         I", "        K3" }));
    const auto lines = shippedLines("k3.dat");
    ASSERT_EQ(lines.size(), 71u);
    ASSERT_EQ(g.rows.size(), 71u);
    EXPECT_EQ(g.rows[0], (Row { "3", lines[0] }));
    EXPECT_EQ(g.rows[1], (Row { "3,1", lines[1] }));
    EXPECT_EQ(g.rows[2][0], "3,2");
    EXPECT_EQ(g.rows[69][0], "9,9");
    EXPECT_EQ(g.rows[70], (Row { "10", lines[70] }));
}

TEST(K3Grid, ShortOddAndMissingFiles)
{
    ScratchDataDir dir;
    EXPECT_EQ(k3Grid(dir.path()).message, "no k3.dat");
    EXPECT_TRUE(k3Grid(dir.path()).rows.empty());
    dir.writeBytes("K3.DAT",
        "13,91\r\nabc\r\n\x1A"
        "14\r\n");
    const TableGrid g = k3Grid(dir.path());
    EXPECT_EQ(g.message, "");
    EXPECT_EQ(g.rows, (std::vector<Row> { { "3", "13,91" }, { "3,1", "abc" } }));
}

TEST(TauGrid, FirstApproximationTable)
{
    const TableGrid g = tauGrid(SHIPPED_DATA_DIR, "PREDVARIT");
    EXPECT_EQ(g.message, "");
    EXPECT_EQ(g.strip, (Row { "Класс(марка)|", "", "Группа", "пружин", "" }));
    EXPECT_EQ(g.header, (Row { "материала", "        I", "        II", "        III", "        IV" }));
    const auto lines = shippedLines("tau1.dat");
    ASSERT_EQ(g.rows.size(), 7u);
    const Row names { "        I", "        II", " 12Х18Н10Т", " ХН77ТЮР", "БрКМц3-1", "БрОЦ4-3", "  БрБ2" };
    for (size_t b = 0; b < 7; ++b) {
        EXPECT_EQ(g.rows[b][0], names[b]);
        for (size_t c = 1; c <= 4; ++c) {
            const std::string& line = lines[5 * b + c];
            EXPECT_EQ(g.rows[b][c], line == "-1" ? kDash : line) << b << "," << c;
        }
    }
    EXPECT_EQ(g.rows[0][4], kDash); // class I is not used in group IV
}

TEST(TauGrid, FinalTable)
{
    const TableGrid g = tauGrid(SHIPPED_DATA_DIR, "OKONCAT");
    ASSERT_EQ(g.rows.size(), 3u);
    EXPECT_EQ(g.rows[0][0], " 60С2А ");
    EXPECT_EQ(g.rows[1][0], " 50(51)ХФА");
    EXPECT_EQ(g.rows[2][0], " 40Х13");
    EXPECT_EQ(g.rows[2][1], shippedLines("tau2.dat")[11]);
}

TEST(TauGrid, FileByKind)
{
    ScratchDataDir dir;
    EXPECT_EQ(tauGrid(dir.path(), "PREDVARIT").message, "no TAU1.DAT");
    EXPECT_EQ(tauGrid(dir.path(), "OKONCAT").message, "no TAU2.DAT");
    dir.writeLines("tau1.dat", { "0", "1", "2", "3", "4" });
    EXPECT_EQ(tauGrid(dir.path(), "").message, "no ");
    EXPECT_EQ(tauGrid(dir.path(), "predvarit").message, "no ");
    EXPECT_TRUE(tauGrid(dir.path(), "").rows.empty());
}

struct TauCase {
    const char* name;
    std::string bytes;
    std::vector<Row> rows;
    const char* message;
};

class TauOddFiles : public testing::TestWithParam<TauCase> { };

TEST_P(TauOddFiles, RowsLabelledByCodeLine)
{
    ScratchDataDir dir;
    dir.writeBytes("TAU1.DAT", GetParam().bytes);
    const TableGrid g = tauGrid(dir.path(), "PREDVARIT");
    EXPECT_EQ(g.rows, GetParam().rows);
    EXPECT_EQ(g.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Files, TauOddFiles,
    testing::Values(
        TauCase { "OutOfOrder", cp1251Lines({ "9", "1", "2", "3", "-1", "0", "5", "6", "7", "8" }),
            { { "  БрБ2", "1", "2", "3", kDash }, { "        I", "5", "6", "7", "8" } }, "" },
        TauCase { "CodeOutOfRangeGivesEmptyRow", cp1251Lines({ "12", "3", "1", "2", "-1", "4" }),
            { { "", "", "", "", "" }, { " 50(51)ХФА", "1", "2", kDash, "4" } }, "" },
        TauCase { "ShortLastBlock", cp1251Lines({ "2", "5" }), { { " 60С2А ", "5", "", "", "" } }, "" },
        TauCase { "MinusOneWithDecimalsIsAValue", cp1251Lines({ "7", "-1,0", "-1 ", "-1", "" }),
            { { "БрКМц3-1", "-1,0", "-1 ", kDash, "" } }, "" },
        TauCase { "CodeNotAnInteger", cp1251Lines({ "8", "1", "2", "3", "4", "x", "1" }),
            { { "БрОЦ4-3", "1", "2", "3", "4" } }, "'x' is not a valid integer value" },
        TauCase { "CtrlZEndsTheFile",
            cp1251Lines({ "1", "1", "2", "3", "4" })
                + "\x1A"
                  "junk",
            { { "        II", "1", "2", "3", "4" } }, "" },
        TauCase { "Empty", "", {}, "" }),
    [](const auto& info) { return info.param.name; });

TEST(SigmaGrid, ShippedTablesSideBySide)
{
    const TableGrid g = sigmaGrid(SHIPPED_DATA_DIR);
    EXPECT_EQ(g.message, "");
    EXPECT_EQ(g.strip, (Row { "Диаметр", "", "", "Сигма В", "МПа", "", "" }));
    EXPECT_EQ(g.header,
        (Row { "проволоки", "Класс I", "Класс II", "12Х18Н10Т", "ХН77ТЮР", "БрКМц3-1БрОц4-3", "БрБ2" }));
    const auto diameters = shippedLines("sigmdiam.dat");
    const auto strengths = shippedLines("sigmab.dat");
    ASSERT_EQ(strengths.size(), 132u);
    ASSERT_EQ(g.rows.size(), 22u);
    for (size_t r = 0; r < 22; ++r) {
        EXPECT_EQ(g.rows[r][0], diameters[r]);
        for (size_t b = 0; b < 6; ++b) {
            const std::string& line = strengths[22 * b + r];
            EXPECT_EQ(g.rows[r][b + 1], line == "-1" ? kDash : line) << r << "," << b;
        }
    }
}

// n numbered lines "first", "first+1", ...
std::string numberedLines(int first, int n)
{
    std::string bytes;
    for (int k = 0; k < n; ++k)
        bytes += intText(first + k) + "\r\n";
    return bytes;
}

TEST(SigmaGrid, MarkerLongAndShortFiles)
{
    ScratchDataDir dir;
    // Block 3 starts with the marker; eight lines too many run on below
    // the last column's rows.
    std::string strengths = numberedLines(1, 44) + "-1\r\n" + numberedLines(46, 95);
    dir.writeBytes("sigmab.dat", strengths);
    dir.writeBytes("sigmdiam.dat", numberedLines(101, 25));
    const TableGrid g = sigmaGrid(dir.path());
    EXPECT_EQ(g.message, "");
    ASSERT_EQ(g.rows.size(), 22u);
    EXPECT_EQ(g.rows[0], (Row { "101", "1", "23", kDash, "67", "89", "111" }));
    EXPECT_EQ(g.rows[21], (Row { "122", "22", "44", "66", "88", "110", "132" }));

    dir.writeBytes("sigmab.dat", numberedLines(1, 30));
    dir.writeBytes("sigmdiam.dat", numberedLines(101, 3));
    const TableGrid shortFiles = sigmaGrid(dir.path());
    EXPECT_EQ(shortFiles.rows[2], (Row { "103", "3", "25", "", "", "", "" }));
    EXPECT_EQ(shortFiles.rows[8], (Row { "", "9", "", "", "", "", "" }));
}

TEST(SigmaGrid, MissingFiles)
{
    ScratchDataDir dir;
    const TableGrid none = sigmaGrid(dir.path());
    EXPECT_EQ(none.message, "no SIGMAB.DAT");
    EXPECT_EQ(none.rows, std::vector<Row>(22, Row(7)));

    dir.writeBytes("sigmab.dat", numberedLines(1, 132));
    const TableGrid noDiameters = sigmaGrid(dir.path());
    EXPECT_EQ(noDiameters.message, "no SIGMDIAM.DAT");
    EXPECT_EQ(noDiameters.rows[0], (Row { "", "1", "23", "45", "67", "89", "111" }));
}

} // namespace
