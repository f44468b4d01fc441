// pruz: the program. Reads its command line, finds the catalogue (the data
// directory), creates the main window
// (ProgramWindows; the other windows are made when first needed), shows it
// and runs the event loop. The main window's first showing reads the
// catalogue. Closing the main window ends the program.

#include "app/programstart.h"
#include "forms/appsettings.h"
#include "forms/filechooser.h"
#include "forms/programwindows.h"
#include "forms/qtmessages.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    if (auto status = answerInfoOptions(argc, argv))
        return *status;
    QApplication app(argc, argv);
    const StartOptions options = readStartOptions(app);
    prepareApplication(app);

    QtMessages messages;
    const auto dataDir = openProgramCatalogue(options.dataDir, messages);
    if (!dataDir)
        return 1;
    QtFileChooser files;
    AppSettings settings; // ~/.config/pruz/pruz.ini
    ProgramWindows windows(messages, files, &settings);
    windows.form1.setDataDir(*dataDir);
    windows.form1.show();
    if (options.listMaterials)
        QTimer::singleShot(0, &app, [&] {
            printMaterialList(windows.form1);
            app.quit();
        });
    return app.exec();
}
