#pragma once
// Choosing the printer the report and the sketch print on.

#include <QPageLayout>

class QPrinter;
class QWidget;

// Runs the print dialog for `printer`. Printing always gives every page, so
// no page range, selection or current page is offered. The dialog asks
// before a file named for "Print to file" is replaced. False: cancelled.
bool askPrinter(QPrinter& printer, QWidget* parent);

// The page of one printout, set before each: the windows share the
// printer, and one printout must not inherit another's page. The paper
// size stays the one last chosen (A4 when none is); orientation as given,
// margins of 15 mm, which every printer can print within, and one
// resolution for all.
void setUpPage(QPrinter& printer, QPageLayout::Orientation orientation);

// Whether the printer is a real one (not a file, and there is a printer).
bool isRealPrinter(const QPrinter& printer);
