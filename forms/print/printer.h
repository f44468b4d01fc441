#pragma once
// The printer the windows share and what printing asks of it. The windows
// hold the printer as the paged paint device they draw on, as they draw
// their PDFs; the functions here take the one makePrinter() made.

#include <QPageLayout>

#include <memory>

class QPagedPaintDevice;
class QString;
class QWidget;

// A printer at high resolution, on the system's default printer.
std::unique_ptr<QPagedPaintDevice> makePrinter();

// Runs the print dialog for `printer`. Printing always gives every page, so
// no page range, selection or current page is offered. The dialog asks
// before a file named for "Print to file" is replaced. False: cancelled.
bool askPrinter(QPagedPaintDevice& printer, QWidget* parent);

// The page of one printout, set before each: the windows share the
// printer, and one printout must not inherit another's page. The paper size
// stays the one last chosen (A4 when none is); orientation as given,
// margins of 15 mm, which every printer can print within, and one
// resolution for all.
void setUpPrinterPage(QPagedPaintDevice& printer, QPageLayout::Orientation orientation);

// A new printer for one printout with the choices made in the print dialog
// for `chosen` (the printer or the file, the paper, copies, sides, colour)
// and nothing else: a printer that has printed keeps more than its settings
// show (a job at another page and resolution left the next one's text 6,25
// times too large).
std::unique_ptr<QPagedPaintDevice> printerLike(const QPagedPaintDevice& chosen);

// Names the printout after the PDF "PDF…" offers for it (its file name
// without the folder): the print dialog proposes that name for printing to
// a file.
void nameDocument(QPagedPaintDevice& printer, const QString& pdfName);

// Whether the printer is a real one (not a file, and there is a printer).
bool isRealPrinter(const QPagedPaintDevice& printer);

// The printer's resolution in dots per inch.
int printerResolution(const QPagedPaintDevice& printer);
