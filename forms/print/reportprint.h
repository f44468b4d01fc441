#pragma once
// Printing the report as a plain text device does: from the top-left corner
// of the printable area, no margins of its own; each line advances by the
// height of its text plus 2 device pixels (an empty line by the font's
// height); a line wider than the page breaks between words and goes on
// below; a new page begins when the next line would pass the
// foot of the page. The report starts with its header block and a thin rule
// under it; every page ends with "стр. k из N" at its foot. Any paged device
// serves: a QPrinter, or a QPdfWriter for the PDF and in tests.

#include <QStringList>

class QFont;
class QFontMetrics;
class QPagedPaintDevice;

// Paints the header (if any), the rule and the lines on the device,
// starting a new painter job. Returns the number of pages used, 0 when the
// device could not be opened.
int printReport(
    const QStringList& header, const QStringList& lines, QPagedPaintDevice& device, const QFont& font);

// The band at the foot of every page that holds the page number, in device
// pixels: the lines stop above it.
int footHeight(const QFontMetrics& metrics);

// The text at the foot of page k (from 1) of n.
QString pageFoot(int k, int n);

// How a line is cut into printed lines for a given width in pixels of the
// font on the device: each piece is as long as fits, broken at a blank
// (which is dropped); a word wider than the line alone is broken where it
// must, at least one character a piece.
QStringList breakLine(const QString& line, int width, const QFontMetrics& metrics);
