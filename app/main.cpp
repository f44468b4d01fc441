// pruz: the program. Creates the shared record and the windows that exist
// from the start (ProgramWindows, in their order), shows the main window and
// runs the event loop. The main window's first showing reads the catalogue
// from the data directory, which is the working directory. Closing the main
// window ends the program.

#include "engine/peremenn.h"
#include "forms/appsettings.h"
#include "forms/appstyle.h"
#include "forms/filechooser.h"
#include "forms/programwindows.h"
#include "forms/qtmessages.h"
#include "forms/sketchresources.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    applyAppStyle(app);
    initSketchResources();
    app.setWindowIcon(QIcon(QStringLiteral(":/sketch/pruz.svg")));

    Peremenn peremenn;
    QtMessages messages;
    QtFileChooser files;
    AppSettings settings; // ~/.config/pruz/pruz.ini
    ProgramWindows windows(peremenn, messages, files, &settings);

    windows.form1.show();
    return app.exec();
}
