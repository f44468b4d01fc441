// pruz: the program. Creates the shared record and the windows that exist
// from the start, in this order: the main window, the diameter choice
// dialog, the about box, the new-material dialog, the diameter list dialog
// and the new-diameter dialog; then runs the event loop. The main window's
// first showing reads the catalogue from the data directory, which is the
// working directory. Closing the main window ends the program.

#include "engine/peremenn.h"
#include "forms/appstyle.h"
#include "forms/dopvvod.h"
#include "forms/filechooser.h"
#include "forms/pruzform.h"
#include "forms/qtmessages.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    applyAppStyle(app);

    Peremenn peremenn;
    QtMessages messages;
    QtFileChooser files;

    TForm1 form1(peremenn, messages, files);   // 1: main window
    TForm8 form8(peremenn, messages, &form1);  // 2: diameter choice
    form1.setDiameterChoice(form8);
    // 3: the about box TAboutBox, 4-6: the catalogue dialogs TForm9, TForm10
    // and TForm11 are made here, in that order, once they exist. Until then
    // the main window shows stand-ins for About and Settings.

    form1.show();
    return app.exec();
}
