#include "forms/print/printer.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

std::unique_ptr<QPagedPaintDevice> makePrinter()
{
    return std::make_unique<QPrinter>(QPrinter::HighResolution);
}

bool askPrinter(QPagedPaintDevice& device, QWidget* parent)
{
    auto& printer = static_cast<QPrinter&>(device);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    // Qt's own dialog still shows "Pages from" after the options are set.
    if (auto* range = dialog.findChild<QWidget*>(QStringLiteral("gbPrintRange")))
        range->hide();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printer.setPrintRange(QPrinter::AllPages);
    return true;
}

void setUpPrinterPage(QPagedPaintDevice& device, QPageLayout::Orientation orientation)
{
    constexpr int kPrintResolution = 600; // dots per inch, fine for text and drawing alike
    constexpr qreal kMarginMm = 15;
    auto& printer = static_cast<QPrinter&>(device);
    if (!printer.pageLayout().pageSize().isValid())
        printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(false);
    printer.setPageOrientation(orientation);
    printer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    printer.setResolution(kPrintResolution);
}

std::unique_ptr<QPagedPaintDevice> printerLike(const QPagedPaintDevice& device)
{
    const auto& chosen = static_cast<const QPrinter&>(device);
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

void nameDocument(QPagedPaintDevice& device, const QString& pdfName)
{
    static_cast<QPrinter&>(device).setDocName(QFileInfo(pdfName).fileName());
}

bool isRealPrinter(const QPagedPaintDevice& device)
{
    const auto& printer = static_cast<const QPrinter&>(device);
    return printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty();
}

int printerResolution(const QPagedPaintDevice& device)
{
    return static_cast<const QPrinter&>(device).resolution();
}
