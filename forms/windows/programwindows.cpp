#include "forms/windows/programwindows.h"

ProgramWindows::ProgramWindows(Messages& messages, FileChooser& files, AppSettings* settings)
    : form1(messages, files)
{
    if (settings)
        form1.setSettings(*settings);
}
