#pragma once
// The windows that exist from the program's start: the main window. The
// diameter choice, about, new-material, diameter list and new-diameter
// dialogs, like the report, sketch and settings windows, are made by the
// main window when first needed and kept, so that the start shows the main
// window sooner and holds less memory.

#include "forms/windows/pruzform.h"

#include <string>

class AppSettings;
class FileChooser;
class Messages;

class ProgramWindows {
public:
    // The catalogue in `dataDir`, ending with "/"; with `settings`, what the
    // main window remembers between runs.
    ProgramWindows(
        Messages& messages, FileChooser& files, std::string dataDir, AppSettings* settings = nullptr);

    TForm1 form1;
};
