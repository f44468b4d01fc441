#include "forms/programwindows.h"

ProgramWindows::ProgramWindows(
    Peremenn& peremenn, Messages& messages, FileChooser& files, AppSettings* settings)
    : form1(peremenn, messages, files)
{
    if (settings)
        form1.setSettings(*settings);
}
