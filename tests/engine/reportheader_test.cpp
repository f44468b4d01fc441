#include "engine/features/reportheader.h"
#include "testdir.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

ReportHeader wireClass2()
{
    ReportHeader h;
    h.dateTime = "05.03.2025 14:07";
    h.inputFile = "/home/u/пружина.rid";
    h.form.f1 = "10";
    h.form.f2 = "30,5";
    h.form.d1 = "20";
    h.form.h = "15";
    h.form.l0 = "99";
    h.form.n = "7";
    h.form.ni = "2";
    h.form.stepni = "6";
    h.form.vmax = "3";
    h.form.navivkaIndex = 1;
    h.form.grupIndex = 2;
    h.form.materialName = "Проволока II класса";
    return h;
}

TEST(ReportHeader, WorkingStrokeModeListsTheInputsAsTyped)
{
    EXPECT_EQ(reportHeaderLines(wireClass2()),
        (Lines { "Программа расчета пружин сжатия по ОСТ 5.9539-80, версия " + programVersion(),
            "Дата расчета: 05.03.2025 14:07", "Исходные данные: /home/u/пружина.rid",
            "Сила при предварительном сжатии F1 = 10 кг", "Сила при рабочей деформации F2 = 30,5 кг",
            "Наружный диаметр пружины D1 = 20 мм", "Рабочий ход H = 15 мм",
            "Требуемая выносливость Ni = 2 х 10^6 циклов", "Макс скорость сжатия Vmax = 3 м/с",
            "Навивка: Правая", "Материал: Проволока II класса", "Группа: III" }));
}

TEST(ReportHeader, FreeLengthModeGivesL0AndCoilsInsteadOfTheStroke)
{
    ReportHeader h = wireClass2();
    h.form.mode = 2;
    const Lines lines = reportHeaderLines(h);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[6], "Длина свободной пружины L0 = 99 мм");
    EXPECT_EQ(lines[7], "Число рабочих витков n = 7");
}

TEST(ReportHeader, UnsavedFormAndMissingChoices)
{
    ReportHeader h = wireClass2();
    h.inputFile.clear();
    h.form.navivkaIndex = -1;
    h.form.grupIndex = 7;
    const Lines lines = reportHeaderLines(h);
    EXPECT_EQ(lines[2], "Исходные данные: не сохранено");
    EXPECT_EQ(lines[9], "Навивка: ");
    EXPECT_EQ(lines[11], "Группа: ");
}

} // namespace

TEST(ReportHeader, NamesTheCatalogueByFolderAndTheHashOfItsFiles)
{
    TempDataDir dir;
    dir.writeBytes("material.dat", "60\r\n");
    ReportHeader h = wireClass2();
    h.catalogue = catalogueLabel(dir.path());
    const std::string before = reportHeaderLines(h).back();
    EXPECT_EQ(before.rfind("Каталог: " + dir.path() + " (", 0), 0u) << before;
    dir.writeBytes("material.dat", "60\r\n61\r\n");
    EXPECT_NE(catalogueLabel(dir.path()), h.catalogue) << "another catalogue, another hash";
    dir.writeBytes(".pruz-catalogue.lock", "1\n");
    dir.writeBytes("notes.txt", "1\n");
    dir.writeBytes("material.dat", "60\r\n");
    EXPECT_EQ(catalogueLabel(dir.path()), h.catalogue) << "only the files a calculation reads count";
    dir.writeBytes("60mat.dat", "7,8\r\n");
    EXPECT_NE(catalogueLabel(dir.path()), h.catalogue) << "a listed material's file counts";
}
