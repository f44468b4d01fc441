#pragma once
// The steps the program takes before its main window: the command line,
// the application's identity with Qt's own texts in Russian, and the
// catalogue (engine/catalogue/datafolder.h). app/main.cpp runs them in this
// order.

#include <optional>
#include <string>

class QApplication;
class Messages;
class TForm1;

#include <QString>

struct StartOptions {
    std::optional<std::string> dataDir; // --data DIR
    QString file; // FILE: an input data file to load once the main window shows
    // Hidden --list-materials: print the material list the main window
    // shows, one per line, and quit. Lets a test see that an installed
    // program comes up with its catalogue.
    bool listMaterials = false;
};

// Answers --help and --version, which need no window system, and returns
// the exit status; nullopt for any other command line.
std::optional<int> answerInfoOptions(int argc, char** argv);

// Without a display for the window system Qt would use, says so in Russian
// on stderr and returns the exit status 1 (Qt itself would abort).
// nullopt when there is one, or another platform (offscreen) is asked for.
std::optional<int> refuseWithoutDisplay();

// Why a FILE given on the command line cannot be loaded, in words for a
// message box ("Файл a.rid не найден"); nullopt when it can be read.
std::optional<QString> startFileProblem(const QString& file);

// The options, read after QApplication has taken its own; a wrong one ends
// the program with a message.
StartOptions readStartOptions(const QApplication& app);

// Name, version, desktop id, icon, the windows' font, and Qt's Russian
// translations.
void prepareApplication(QApplication& app);

// The catalogue folder (ending with "/"), or nullopt after a message that
// names the places looked at. What following the shipped catalogue did is
// printed on stderr, and shown when no design check will be offered.
std::optional<std::string> openProgramCatalogue(
    const std::optional<std::string>& dataDir, Messages& messages);

// What --list-materials prints.
void printMaterialList(const TForm1& form);
