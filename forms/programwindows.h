#pragma once
// The windows that exist from the program's start, created in this order:
// the main window, the diameter choice dialog, the about box, the
// new-material dialog, the diameter list dialog and the new-diameter
// dialog. The report, sketch and settings windows are made by the main
// window on first use.

#include "forms/Inputdiam.h"
#include "forms/NewMat.h"
#include "forms/autor.h"
#include "forms/dopvvod.h"
#include "forms/newdiam.h"
#include "forms/pruzform.h"
#include "forms/urlopener.h"

class AppSettings;
class FileChooser;
class Messages;

class ProgramWindows {
public:
    // With `settings`, what the main window remembers between runs.
    ProgramWindows(Messages& messages, FileChooser& files, AppSettings* settings = nullptr);

    DesktopUrlOpener mailOpener;
    // The windows are made in the order they are declared.
    TForm1 form1;
    TForm8 form8;
    TAboutBox about;
    TForm9 form9;
    TForm10 form10; // holds form11, made right after it, by reference
    TForm11 form11;
};
