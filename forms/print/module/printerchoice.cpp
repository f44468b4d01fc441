#include "forms/print/module/printerchoice.h"

#include <QPrinter>

std::unique_ptr<QPrinter> printerLike(const QPrinter& chosen)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(chosen.outputFormat());
    if (chosen.outputFormat() == QPrinter::NativeFormat)
        printer->setPrinterName(chosen.printerName());
    else
        printer->setOutputFileName(chosen.outputFileName());
    printer->setPageSize(chosen.pageLayout().pageSize());
    printer->setCopyCount(chosen.copyCount());
    printer->setCollateCopies(chosen.collateCopies());
    printer->setDuplex(chosen.duplex());
    printer->setColorMode(chosen.colorMode());
    printer->setPageOrder(chosen.pageOrder());
    printer->setDocName(chosen.docName());
    return printer;
}
