#include "forms/programwindows.h"

ProgramWindows::ProgramWindows(Messages& messages, FileChooser& files, AppSettings* settings)
    : form1(messages, files)
    , form8(messages, &form1)
    , about(messages, mailOpener, &form1)
    , form9(messages, &form1)
    , form10(form1.dataFolder(), messages, form11, &form1)
    , form11(&form1)
{
    form1.setDiameterChoice(form8);
    form1.setAboutBox(about);
    form1.setCatalogueDialogs(form9, form10);
    if (settings)
        form1.setSettings(*settings);
}
