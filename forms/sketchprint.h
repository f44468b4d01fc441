#pragma once
// Printing a window's client area as one page: at the top-left corner of
// the printable area, at the physical size it has on a 96-dpi screen.
//
// The client area is painted again at the printer's resolution rather than
// copied from the screen: the drawing from its vector source, the fields,
// labels and buttons as boxes and text. Hidden widgets are left out.

class QPagedPaintDevice;
class QPainter;
class QWidget;

// Paints the window's client area in its own pixel coordinates. Knows the
// kinds of widget the sketch window holds: the vector picture, line edits,
// labels and buttons.
void paintClientArea(QPainter& painter, QWidget& window);

// On one page of a printer or a PDF writer. False when the device could not
// be opened or the job failed.
bool printClientArea(QWidget& window, QPagedPaintDevice& device);
