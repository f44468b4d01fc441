#pragma once
// Printing text lines as a plain text device does: from the top-left corner
// of the printable area, no margins of its own; each line advances by the
// height of its text plus 2 device pixels (an empty line by the font's
// height); a line wider than the page breaks at the last character that fits
// and goes on below; a new page begins when the next line would pass the
// bottom. Any paged device serves: a QPrinter, or a QPdfWriter in tests.

#include <QStringList>

class QFont;
class QPagedPaintDevice;

// Paints the lines on the device, starting a new painter job. Returns the
// number of pages used, 0 when the device could not be opened.
int printLines(const QStringList& lines, QPagedPaintDevice& device, const QFont& font);

// How a line is cut into printed lines for a given width in pixels of the
// font on the device: each piece is as long as fits, at least one character.
QStringList breakLine(const QString& line, int width, const class QFontMetrics& metrics);
