#include "forms/programwindows.h"

ProgramWindows::ProgramWindows(
    Peremenn& peremenn, Messages& messages, FileChooser& files, AppSettings* settings)
    : form1(peremenn, messages, files)
    , form8(peremenn, messages, &form1)
    , about(messages, mailOpener, &form1)
    , form9(peremenn, messages, &form1)
    , form10(peremenn, messages, form11, &form1)
    , form11(peremenn, &form1)
{
    form1.setDiameterChoice(form8);
    form1.setAboutBox(about);
    form1.setCatalogueDialogs(form9, form10);
    if (settings)
        form1.setSettings(*settings);
}
