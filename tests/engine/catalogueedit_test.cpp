#include "catalogue_fixture.h"

#include "engine/catalogue/catalogueedit.h"
#include "engine/catalogue/textfile.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using Lines = std::vector<std::string>;

// Every write fails while one of these lives.
struct FailingWrites {
    FailingWrites()
    {
        setWriteFaultInjector([](WriteStage) { return true; });
    }
    ~FailingWrites() { setWriteFaultInjector({}); }
};

TEST(CatalogueLists, SkipEmptyLinesAndStopAtCtrlZ)
{
    ScratchDataDir dir;
    dir.writeBytes("material.dat", cp1251Lines({ "60С2А", "", "БрБ2" }) + "\x1A" + "junk\r\n");
    dir.writeBytes("БРБ2.DAT", "1\r\n\r\n1,5\r\n");
    EXPECT_EQ(readMaterialNames(dir.path()), (Lines { "60С2А", "БрБ2" }));
    EXPECT_EQ(readDiameters(dir.path(), "БрБ2"), (Lines { "1", "1,5" }));
    EXPECT_TRUE(hasDiameterFile(dir.path(), "бРб2"));
    EXPECT_EQ(readDiameters(dir.path(), "60С2А"), std::nullopt);
    EXPECT_FALSE(hasDiameterFile(dir.path(), "60С2А"));
}

TEST(CatalogueLists, MaterialListIsWrittenInWindows1251WithCrLf)
{
    ScratchDataDir dir;
    ASSERT_TRUE(writeMaterialNames(dir.path(), { "60С2А", "12Х18Н10Т " }));
    EXPECT_EQ(dir.bytes("material.dat"), "\x36\x30\xD1\x32\xC0\r\n" + cp1251Lines({ "12Х18Н10Т " }));
}

struct NameCase {
    const char* name;
    const char* refusal; // "" when the name is taken
};

class NewMaterialName : public testing::TestWithParam<NameCase> { };

TEST_P(NewMaterialName, IsCheckedAgainstListAndFiles)
{
    const Lines listed { "60С2А", "Проволока I класса" };
    EXPECT_EQ(materialNameRefusal(GetParam().name, listed), GetParam().refusal);
}

const char kBadChar[] = "Название материала содержит недопустимый символ";
const char kTooLong[] = "Название материала слишком длинное: допускается не более 118 русских букв (или 237 "
                        "латинских букв и цифр)";

// Its longest file, name + "mat.dat", and the writer's temporary file beside
// it must fit 255 bytes of a file name; a Cyrillic letter takes two.
std::string repeated(const std::string& letter, int times)
{
    std::string s;
    for (int k = 0; k < times; ++k)
        s += letter;
    return s;
}
const std::string kLatin237 = repeated("a", 237), kLatin238 = repeated("a", 238);
const std::string kCyrillic118 = repeated("ж", 118), kCyrillic119 = repeated("ж", 119);

INSTANTIATE_TEST_SUITE_P(Names, NewMaterialName,
    testing::Values(NameCase { "Сталь 65Г", "" }, NameCase { "  с пробелами  ", "" },
        NameCase { "Сталь №1 «€»", "" }, NameCase { "60С2А", "Материал 60С2А уже есть в списке" },
        NameCase { "60с2а", "Материал 60с2а уже есть в списке" },
        NameCase { "ПРОВОЛОКА I КЛАССА", "Материал ПРОВОЛОКА I КЛАССА уже есть в списке" },
        NameCase { "a:b", kBadChar }, NameCase { "a.b", kBadChar }, NameCase { "a,b", kBadChar },
        NameCase { "a*b", kBadChar }, NameCase { "a?b", kBadChar }, NameCase { "a/b", kBadChar },
        NameCase { "a\\b", kBadChar }, NameCase { "a\tb", kBadChar }, NameCase { "a\x7F", kBadChar },
        NameCase { "a\xC2\x98", kBadChar }, NameCase { "сталь 中", kBadChar }, NameCase { "ü", kBadChar },
        NameCase { "k3", "Название k3 не подходит: файл k3.dat уже занят" },
        NameCase { "Material", "Название Material не подходит: файл Material.dat уже занят" },
        NameCase { "SIGMDIAM", "Название SIGMDIAM не подходит: файл SIGMDIAM.dat уже занят" },
        NameCase { "60С2Аmat", "Название 60С2Аmat не подходит: файл 60С2Аmat.dat уже занят" },
        NameCase { kLatin237.c_str(), "" }, NameCase { kLatin238.c_str(), kTooLong },
        NameCase { kCyrillic118.c_str(), "" }, NameCase { kCyrillic119.c_str(), kTooLong }));

class DeleteMaterial : public testing::Test {
protected:
    void SetUp() override
    {
        dir.writeLines("material.dat", { "A", "Б", "В" });
        for (const char* name : { "A", "Б", "В" }) {
            dir.writeLines(std::string(name) + ".dat", { "1", "2" });
            dir.writeLines(std::string(name) + "mat.dat", { "7,85", "20,6", "78,5", "0" });
        }
    }
    ScratchDataDir dir;
};

TEST_F(DeleteMaterial, RewritesTheListThenErasesBothFiles)
{
    Lines names { "A", "Б", "В" };
    ASSERT_EQ(deleteMaterial(dir.path(), names, 1), ListRewrite::Done);
    EXPECT_EQ(names, (Lines { "A", "В" }));
    EXPECT_EQ(dir.bytes("material.dat"), cp1251Lines({ "A", "В" }));
    EXPECT_FALSE(dir.exists("Б.dat"));
    EXPECT_FALSE(dir.exists("Бmat.dat"));
    EXPECT_TRUE(
        dir.exists("A.dat") && dir.exists("Amat.dat") && dir.exists("В.dat") && dir.exists("Вmat.dat"));
}

TEST_F(DeleteMaterial, WithoutPropertiesFileStillRemovesTheRest)
{
    std::filesystem::remove(dir.path() + "Amat.dat");
    Lines names { "A", "Б", "В" };
    ASSERT_EQ(deleteMaterial(dir.path(), names, 0), ListRewrite::Done);
    EXPECT_EQ(dir.bytes("material.dat"), cp1251Lines({ "Б", "В" }));
    EXPECT_FALSE(dir.exists("A.dat"));
}

TEST_F(DeleteMaterial, FailedListWriteKeepsListAndFiles)
{
    const std::string before = dir.bytes("material.dat");
    Lines names { "A", "Б", "В" };
    {
        FailingWrites failing;
        EXPECT_EQ(deleteMaterial(dir.path(), names, 2), ListRewrite::Failed);
    }
    EXPECT_EQ(names, (Lines { "A", "Б", "В" }));
    EXPECT_EQ(dir.bytes("material.dat"), before);
    EXPECT_TRUE(dir.exists("В.dat") && dir.exists("Вmat.dat"));
}

TEST_F(DeleteMaterial, FilesStayWhileAnotherEntryUsesThem)
{
    for (const char* twin : { "Б", "б" }) { // the same files, letter case aside
        Lines names { "A", "Б", twin };
        dir.writeLines("material.dat", { "A", "Б", twin });
        ASSERT_EQ(deleteMaterial(dir.path(), names, 1), ListRewrite::Done) << twin;
        EXPECT_EQ(names, (Lines { "A", twin }));
        EXPECT_TRUE(dir.exists("Б.dat") && dir.exists("Бmat.dat")) << twin;
    }
}

TEST_F(DeleteMaterial, NeverErasesATableFile)
{
    dir.writeLines("k3.dat", { "13,91" });
    dir.writeLines("material.dat", { "A", "k3" });
    Lines names { "A", "k3" };
    ASSERT_EQ(deleteMaterial(dir.path(), names, 1), ListRewrite::Done);
    EXPECT_TRUE(dir.exists("k3.dat"));
}

TEST_F(DeleteMaterial, ReadOnlyDirectoryRefusesTheWrite)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only directories";
    const std::string before = dir.bytes("material.dat");
    std::filesystem::permissions(
        dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    Lines names { "A", "Б", "В" };
    EXPECT_EQ(deleteMaterial(dir.path(), names, 0), ListRewrite::Failed);
    EXPECT_EQ(dir.bytes("material.dat"), before);
    EXPECT_TRUE(dir.exists("A.dat") && dir.exists("Amat.dat"));
}

struct RewriteCase {
    const char* name;
    std::optional<std::string> file; // bytes of material.dat; nullopt: no file
    Lines shown;
    ListRewrite result;
};

class RewriteMaterialList : public testing::TestWithParam<RewriteCase> { };

TEST_P(RewriteMaterialList, OnlyOverWhatTheWindowRead)
{
    ScratchDataDir dir;
    if (GetParam().file)
        dir.writeBytes("material.dat", *GetParam().file);
    EXPECT_EQ(rewriteMaterialNames(dir.path(), GetParam().shown, { "Новый" }), GetParam().result);
    const std::string now
        = GetParam().result == ListRewrite::Done ? cp1251Lines({ "Новый" }) : GetParam().file.value_or("");
    EXPECT_EQ(dir.bytes("material.dat"), now);
}

INSTANTIATE_TEST_SUITE_P(Lists, RewriteMaterialList,
    testing::Values(RewriteCase { "AsRead", cp1251Lines({ "A", "Б" }), { "A", "Б" }, ListRewrite::Done },
        RewriteCase { "EmptyLinesAsTheWindowSkipsThem", "A\r\n\r\n", { "A" }, ListRewrite::Done },
        RewriteCase { "NoFileShownEmpty", std::nullopt, {}, ListRewrite::Done },
        RewriteCase { "NameAdded", cp1251Lines({ "A", "Б", "Латунь" }), { "A", "Б" }, ListRewrite::Changed },
        RewriteCase { "NameRemoved", cp1251Lines({ "A" }), { "A", "Б" }, ListRewrite::Changed },
        RewriteCase { "OrderChanged", cp1251Lines({ "Б", "A" }), { "A", "Б" }, ListRewrite::Changed },
        RewriteCase { "FileRemoved", std::nullopt, { "A" }, ListRewrite::Changed }),
    [](const auto& info) { return std::string(info.param.name); });

struct SortCase {
    const char* name;
    Lines before;
    Lines after;
};

class SortDiameters : public testing::TestWithParam<SortCase> { };

TEST_P(SortDiameters, AscendingInNumberForm)
{
    Lines list = GetParam().before;
    EXPECT_EQ(sortDiameters(list), "");
    EXPECT_EQ(list, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Lists, SortDiameters,
    testing::Values(SortCase { "Ascending", { "3", "1,2", "2" }, { "1,2", "2", "3" } },
        SortCase { "Reformats", { "2,50", "0,50", "3,0" }, { "0,5", "2,5", "3" } },
        SortCase { "EqualValuesBothKept", { "1,50", "1,5" }, { "1,5", "1,5" } },
        SortCase { "NoCapAt90000", { "120000", "90000", "5" }, { "5", "90000", "120000" } },
        SortCase { "EmptyEntryStaysInFront", { "2", "", "1" }, { "", "1", "2" } },
        SortCase { "Empty", {}, {} }),
    [](const auto& info) { return info.param.name; });

TEST(SortDiameters, EntryThatIsNoNumberStopsBeforeAnythingMoves)
{
    Lines list { "3", "2", "два", "1" };
    EXPECT_EQ(sortDiameters(list), "'два' is not a valid floating point value");
    EXPECT_EQ(list, (Lines { "3", "2", "два", "1" }));
}

TEST(AddDiameter, DuplicateByTextStillSorts)
{
    Lines list { "2,0", "1" };
    EXPECT_EQ(addDiameter(list, "1"), "");
    EXPECT_EQ(list, (Lines { "1", "2" }));
    Lines fromFile { "2", "1,50" }; // as read, never sorted
    EXPECT_EQ(addDiameter(fromFile, "1,5"), "");
    EXPECT_EQ(fromFile, (Lines { "1,5", "1,5", "2" }));
}

TEST(AddDiameter, SequenceFromEmptyList)
{
    Lines list;
    for (const char* d : { "3", "1,2", "2" })
        addDiameter(list, d);
    EXPECT_EQ(list, (Lines { "1,2", "2", "3" }));
}

TEST(NewDiameter, OnlyValuesAboveZero)
{
    for (const char* accepted : { "1", ",5", "2,", "0,001", "05" })
        EXPECT_TRUE(diameterAboveZero(accepted)) << accepted;
    for (const char* refused : { "", "0", "0,0", "00", ",", "0,", "-1", "abc" })
        EXPECT_FALSE(diameterAboveZero(refused)) << refused;
}

TEST(Properties, WrittenAsTypedWithGroupCode)
{
    ScratchDataDir dir;
    ASSERT_TRUE(writeProperties(dir.path(), "60С2А", { "7,85", "20,6", "78,5", 2 }));
    EXPECT_EQ(dir.bytes("60С2Аmat.dat"), "7,85\r\n20,6\r\n78,5\r\n2\r\n");
    ASSERT_TRUE(writeProperties(dir.path(), "60С2А", { "abc", "", "1", -1 }));
    EXPECT_EQ(dir.bytes("60С2Аmat.dat"), "abc\r\n\r\n1\r\n-1\r\n");
}

struct RefusalCase {
    const char* name;
    PropertiesText fields;
    const char* refusal;
};

class PropertiesRefusal : public testing::TestWithParam<RefusalCase> { };

TEST_P(PropertiesRefusal, NamesTheFirstFieldThatIsNoPositiveNumber)
{
    EXPECT_EQ(propertiesRefusal(GetParam().fields), GetParam().refusal);
}

const char kRo[] = "Плотность материала должна быть положительным числом";
const char kE[] = "Модуль упругости E должен быть положительным числом";
const char kG[] = "Модуль сдвига G должен быть положительным числом";

INSTANTIATE_TEST_SUITE_P(Fields, PropertiesRefusal,
    testing::Values(RefusalCase { "Sound", { "7,85", "20,6", "78,5", 2 }, "" },
        RefusalCase { "NoGroupIsNoMatter", { " 8 ", "1E1", "0,5", -1 }, "" },
        RefusalCase { "DensityLetters", { "abc", "20,6", "78,5", 2 }, kRo },
        RefusalCase { "DensityPoint", { "7.85", "20,6", "78,5", 2 }, kRo },
        RefusalCase { "DensityZero", { "0", "20,6", "78,5", 2 }, kRo },
        RefusalCase { "EEmpty", { "7,85", "", "78,5", 2 }, kE },
        RefusalCase { "ENegative", { "7,85", "-20,6", "78,5", 2 }, kE },
        RefusalCase { "GLetters", { "7,85", "20,6", "G", 2 }, kG },
        RefusalCase { "FirstOfSeveral", { "7,85", "x", "y", 2 }, kE }),
    [](const auto& info) { return std::string(info.param.name); });

struct PropertiesCase {
    const char* name;
    std::string bytes;
    std::optional<PropertiesText> read;
    const char* message;
};

class ReadProperties : public testing::TestWithParam<PropertiesCase> { };

TEST_P(ReadProperties, ReadsOrNamesTheFile)
{
    ScratchDataDir dir;
    dir.writeBytes("Xmat.dat", GetParam().bytes);
    const PropertiesRead r = readPropertiesText(dir.path(), "X");
    ASSERT_EQ(r.properties.has_value(), GetParam().read.has_value());
    if (r.properties) {
        EXPECT_EQ(r.properties->ro, GetParam().read->ro);
        EXPECT_EQ(r.properties->E, GetParam().read->E);
        EXPECT_EQ(r.properties->G, GetParam().read->G);
        EXPECT_EQ(r.properties->group, GetParam().read->group);
    }
    EXPECT_EQ(r.message, GetParam().message);
}

const char kBadX[] = "Файл Xmat.dat должен содержать четыре строки: плотность, E, G и код группы материала";

INSTANTIATE_TEST_SUITE_P(Files, ReadProperties,
    testing::Values(PropertiesCase { "Good", "7,85\r\n20,6\r\n78,5\r\n2\r\n",
                        PropertiesText { "7,85", "20,6", "78,5", 2 }, "" },
        PropertiesCase { "TextKeptAsIs", " 7,9 \r\nx\r\n\r\n9", PropertiesText { " 7,9 ", "x", "", 9 }, "" },
        PropertiesCase { "NoGroup", "1\r\n2\r\n3\r\n-1\r\n", PropertiesText { "1", "2", "3", -1 }, "" },
        PropertiesCase { "ThreeLines", "1\r\n2\r\n3\r\n", std::nullopt, kBadX },
        PropertiesCase { "FourthNotInteger", "1\r\n2\r\n3\r\n2,5\r\n", std::nullopt, kBadX },
        PropertiesCase { "FourthOutOfRange", "1\r\n2\r\n3\r\n10\r\n", std::nullopt, kBadX },
        PropertiesCase { "Empty", "", std::nullopt, kBadX }),
    [](const auto& info) { return info.param.name; });

TEST(ReadProperties, MissingFile)
{
    ScratchDataDir dir;
    EXPECT_EQ(readPropertiesText(dir.path(), "Y").message, "no Ymat.dat");
}

TEST(MaterialGroups, FinalStressTableForTheThreeSteels)
{
    const char kinds[] = "PPOOOPPPPP"; // Класс1, Класс2, 60С2А, 50ХФА,51ХФА, 40Х13, ...
    for (int g = 0; g < kMaterialGroups; ++g)
        EXPECT_EQ(tauTableKindFor(g), kinds[g] == 'O' ? "OKONCAT" : "PREDVARIT") << g;
}

} // namespace

namespace {

struct LeftAddition {
    const char* name;
    bool listed; // material.dat lists "A"
    std::vector<std::string> note;
    std::vector<std::string> left; // of A.dat, Amat.dat, k3.dat afterwards
};

void PrintTo(const LeftAddition& a, std::ostream* os)
{
    *os << a.name;
}

class UncommittedAddition : public testing::TestWithParam<LeftAddition> { };

// What a start finds of an addition killed before its end: the files the
// note names go unless the material got listed, nothing else ever does,
// and the note goes in any case.
TEST_P(UncommittedAddition, LeavesOnlyWhatWasCommittedOrNotItsOwn)
{
    ScratchDataDir dir;
    dir.writeBytes("material.dat", GetParam().listed ? cp1251Lines({ "Б", "A" }) : cp1251Lines({ "Б" }));
    for (const char* file : { "A.dat", "Amat.dat", "k3.dat" })
        dir.writeLines(file, { "1" });
    std::string note;
    for (const std::string& line : GetParam().note)
        note += line + "\r\n";
    dir.writeBytes(kAdditionNote, note);
    removeUncommittedAddition(dir.path());
    std::vector<std::string> left;
    for (const char* file : { "material.dat", "A.dat", "Amat.dat", "k3.dat" })
        if (dir.exists(file))
            left.emplace_back(file);
    EXPECT_EQ(left, GetParam().left);
    EXPECT_FALSE(dir.exists(kAdditionNote));
}

INSTANTIATE_TEST_SUITE_P(Notes, UncommittedAddition,
    testing::Values(LeftAddition { "listed_keeps_its_files", true, { "A", "A.dat", "Amat.dat" },
                        { "material.dat", "A.dat", "Amat.dat", "k3.dat" } },
        LeftAddition { "unlisted_loses_its_own_files", false, { "A", "A.dat", "Amat.dat" },
            { "material.dat", "k3.dat" } },
        LeftAddition {
            "a_file_there_before_stays", false, { "A", "Amat.dat" }, { "material.dat", "A.dat", "k3.dat" } },
        LeftAddition { "never_a_file_of_another", false, { "A", "k3.dat", "Amat.dat" },
            { "material.dat", "A.dat", "k3.dat" } },
        LeftAddition { "listed_in_another_letter_case", true, { "a", "a.dat", "amat.dat" },
            { "material.dat", "A.dat", "Amat.dat", "k3.dat" } },
        LeftAddition { "never_the_list", false, { "material", "material.dat" },
            { "material.dat", "A.dat", "Amat.dat", "k3.dat" } },
        LeftAddition {
            "never_a_table", false, { "k3", "k3.dat" }, { "material.dat", "A.dat", "Amat.dat", "k3.dat" } }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
