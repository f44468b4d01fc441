#include "forms/print/printerchoice.h"

#include <QPrintDialog>
#include <QPrinter>

bool askPrinter(QPrinter& printer, QWidget* parent)
{
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

void setUpPage(QPrinter& printer, QPageLayout::Orientation orientation)
{
    constexpr int kPrintResolution = 600; // dots per inch, fine for text and drawing alike
    constexpr qreal kMarginMm = 15;
    if (!printer.pageLayout().pageSize().isValid())
        printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(false);
    printer.setPageOrientation(orientation);
    printer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    printer.setResolution(kPrintResolution);
}

bool isRealPrinter(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty();
}
