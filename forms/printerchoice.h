#pragma once
// Choosing the printer the report and the sketch print on.

class QPrinter;
class QWidget;

// Runs the print dialog for `printer`. Printing always gives every page, so
// no page range, selection or current page is offered. The dialog asks
// before a file named for "Print to file" is replaced. False: cancelled.
bool askPrinter(QPrinter& printer, QWidget* parent);

// Whether the printer is a real one (not a file, and there is a printer).
bool isRealPrinter(const QPrinter& printer);
