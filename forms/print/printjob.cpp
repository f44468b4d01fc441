#include "forms/print/printjob.h"

#include "forms/print/printsupport.h"

#include <QPagedPaintDevice>

PrintOutcome printOnce(QPagedPaintDevice& chosen, QPageLayout::Orientation orientation, QWidget* parent,
    bool askAlways, const std::function<bool(QPagedPaintDevice&)>& paint)
{
    PrintSupport& print = printSupport();
    print.setUpPage(chosen, orientation); // the dialog shows this printout's page
    if ((askAlways || !print.isRealPrinter(chosen)) && !print.askPrinter(chosen, parent))
        return PrintOutcome::Cancelled;
    const auto printer = print.printerFor(chosen);
    print.setUpPage(*printer, orientation);
    return paint(*printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
}
