#pragma once
// The windows that exist from the program's start, created in this order:
// the main window, the diameter choice dialog, the about box, the
// new-material dialog, the diameter list dialog and the new-diameter
// dialog. The report, sketch and settings windows are made by the main
// window on first use.

#include "forms/autor.h"
#include "forms/dopvvod.h"
#include "forms/pruzform.h"
#include "forms/urlopener.h"

class FileChooser;
class Messages;
struct Peremenn;

class ProgramWindows {
public:
    ProgramWindows(Peremenn& peremenn, Messages& messages, FileChooser& files);

    DesktopUrlOpener mailOpener;
    // The windows are made in the order they are declared.
    TForm1 form1;
    TForm8 form8;
    TAboutBox about;
    // The catalogue dialogs TForm9, TForm10 and TForm11 follow here, in that
    // order, once they exist; until then Settings shows a stand-in.
};
