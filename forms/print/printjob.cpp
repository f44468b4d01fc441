#include "forms/print/printjob.h"

#include "forms/print/printer.h"

#include <QPagedPaintDevice>

PrintOutcome printOnce(QPagedPaintDevice& chosen, QPageLayout::Orientation orientation, QWidget* parent,
    bool askAlways, const std::function<bool(QPagedPaintDevice&)>& paint, const QString& pdfName)
{
    if (!pdfName.isEmpty())
        nameDocument(chosen, pdfName);
    setUpPrinterPage(chosen, orientation); // the dialog shows this printout's page
    if ((askAlways || !isRealPrinter(chosen)) && !askPrinter(chosen, parent))
        return PrintOutcome::Cancelled;
    const auto printer = printerLike(chosen);
    setUpPrinterPage(*printer, orientation);
    return paint(*printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
}
