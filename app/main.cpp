// pruz: the program. Reads its command line, finds the catalogue (the data
// directory), creates the main window
// (ProgramWindows; the other windows are made when first needed), shows it
// and runs the event loop. After a catalogue update it offers to check
// saved designs; a FILE on the command line is then loaded as "Загрузить"
// loads it. The main window's first showing reads the catalogue. Closing
// the main window ends the program.

#include "app/programstart.h"
#include "engine/common/exitstatus.h"
#include "forms/widgets/appsettings.h"
#include "forms/widgets/filechooser.h"
#include "forms/widgets/qtmessages.h"
#include "forms/windows/catalogueoffer.h"
#include "forms/windows/programwindows.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    if (auto status = answerInfoOptions(argc, argv))
        return *status;
    if (auto status = refuseWithoutDisplay())
        return *status;
    QApplication app(argc, argv);
    const StartOptions options = readStartOptions(app);
    prepareApplication(app);

    QtMessages messages;
    const auto dataDir = openProgramCatalogue(options.dataDir, messages);
    if (!dataDir)
        return NoInput; // as pruzcalc: the catalogue cannot be read
    QtFileChooser files;
    AppSettings settings; // ~/.config/pruz/pruz.ini
    ProgramWindows windows(messages, files, *dataDir, &settings);
    windows.form1.show();
    if (!options.listMaterials)
        QTimer::singleShot(0, &app, [&] {
            offerDesignCheck(&windows.form1, *dataDir, files, messages,
                [&](const QString& text) { return askInMessageBox(&windows.form1, text); });
            if (options.file.isEmpty())
                return;
            if (const auto problem = startFileProblem(options.file))
                messages.message(*problem);
            else
                windows.form1.loadInputFile(options.file);
        });
    if (options.listMaterials)
        QTimer::singleShot(0, &app, [&] {
            printMaterialList(windows.form1);
            app.quit();
        });
    return app.exec();
}
