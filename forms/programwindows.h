#pragma once
// The windows that exist from the program's start, created in this order:
// the main window, the diameter choice dialog, the about box, the
// new-material dialog, the diameter list dialog and the new-diameter
// dialog. The report, sketch and settings windows are made by the main
// window on first use.

#include "forms/dopvvod.h"
#include "forms/pruzform.h"

class FileChooser;
class Messages;
struct Peremenn;

class ProgramWindows {
public:
    ProgramWindows(Peremenn& peremenn, Messages& messages, FileChooser& files);

    // Members are made in the order they are declared.
    TForm1 form1;
    TForm8 form8;
    // The about box TAboutBox and the catalogue dialogs TForm9, TForm10 and
    // TForm11 follow here, in that order, once they exist; until then the
    // main window shows stand-ins for About and Settings.
};
