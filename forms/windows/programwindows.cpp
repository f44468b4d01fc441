#include "forms/windows/programwindows.h"

ProgramWindows::ProgramWindows(
    Messages& messages, FileChooser& files, std::string dataDir, AppSettings* settings)
    : form1(messages, files, std::move(dataDir), settings)
{
}
