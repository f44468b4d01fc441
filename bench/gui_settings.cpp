// "Настройка" opened on a data folder that holds, besides the catalogue,
// three unrelated files of 16 MB (line breaks): the memory the open window holds, and its
// peak, against the same window on the plain catalogue. The window keeps
// the catalogue's own files in memory (for "Проверить расчёты…") and no
// other file of the folder. Prints held_mb and peak_mb for both folders;
// run offscreen or under xvfb-run.
#include "forms/widgets/filechooser.h"
#include "forms/widgets/messages.h"
#include "forms/windows/Inputdiam.h"
#include "forms/windows/NewMat.h"
#include "forms/windows/newdiam.h"
#include "forms/windows/setup.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

struct Quiet : Messages {
    void message(const QString&) override { }
    bool confirm(const QString&, const QString&) override { return false; }
    SaveAnswer askToSave(const QString&) override { return SaveAnswer::Cancel; }
};

// VmRSS or VmHWM of this process, in MB.
double statusMb(const char* field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field, 0) == 0)
            return std::stod(line.substr(std::string(field).size() + 1)) / 1024;
    return 0;
}

void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

void measure(const char* label, const QString& dir)
{
    const std::string dataDir = (dir + '/').toStdString();
    Quiet messages;
    QtFileChooser files;
    TForm9 newMat(messages);
    TForm11 input;
    TForm10 diameters(dataDir, messages, input);
    const double before = statusMb("VmRSS:");
    resetPeak();
    {
        TForm4 settings(dataDir, messages, newMat, diameters, files);
        settings.show();
        QApplication::processEvents();
        std::printf("%-34s held_mb %7.1f  peak_mb %7.1f\n", label, statusMb("VmRSS:") - before,
            statusMb("VmHWM:") - before);
        settings.hide();
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir plain;
    QTemporaryDir crowded;
    for (const QString& name : QDir(QStringLiteral(SHIPPED_DATA_DIR)).entryList(QDir::Files)) {
        QFile::copy(QStringLiteral(SHIPPED_DATA_DIR) + name, plain.filePath(name));
        QFile::copy(QStringLiteral(SHIPPED_DATA_DIR) + name, crowded.filePath(name));
    }
    // Line breaks only: the most lines a file the readers take can hold.
    for (const char* name : { "notes.dat", "old list.txt", "backup.dat" })
        std::ofstream(crowded.filePath(QString::fromLatin1(name)).toStdString(), std::ios::binary)
            << std::string(16 * 1024 * 1024 - 4096, '\n');
    measure("catalogue only", plain.path());
    measure("three unrelated 16 MB files", crowded.path());
    return 0;
}
