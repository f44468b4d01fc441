#pragma once
// Printing and SVG pictures come from a module of their own,
// libpruzprint.so, loaded when a window first prints or draws a picture:
// QtPrintSupport and QtSvg, which only it links, then cost the program's
// start nothing. The windows see Qt Gui's types alone: the printer is a
// paged paint device.

#include <QByteArray>
#include <QPageLayout>
#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPainter;
class QRectF;
class QSize;
class QString;
class QWidget;

// A parsed SVG picture.
class SvgDrawing {
public:
    virtual ~SvgDrawing() = default;
    virtual void render(QPainter& painter, const QRectF& bounds) = 0;
};

class PrintSupport {
public:
    virtual ~PrintSupport() = default;

    // A printer at high resolution, on the system's default printer.
    virtual std::unique_ptr<QPagedPaintDevice> makePrinter() = 0;
    // Runs the print dialog for `printer`. Printing always gives every
    // page, so no page range, selection or current page is offered. The
    // dialog asks before a file named for "Print to file" is replaced.
    // False: cancelled.
    virtual bool askPrinter(QPagedPaintDevice& printer, QWidget* parent) = 0;
    // The page of one printout, set before each: the windows share the
    // printer, and one printout must not inherit another's page. The paper
    // size stays the one last chosen (A4 when none is); orientation as
    // given, margins of 15 mm, which every printer can print within, and
    // one resolution for all.
    virtual void setUpPage(QPagedPaintDevice& printer, QPageLayout::Orientation orientation) = 0;
    // A new printer for one printout, with the choices made in the print
    // dialog for `chosen` and nothing else that printouts before left on it.
    virtual std::unique_ptr<QPagedPaintDevice> printerFor(const QPagedPaintDevice& chosen) = 0;
    // Whether the printer is a real one (not a file, and there is a printer).
    virtual bool isRealPrinter(const QPagedPaintDevice& printer) const = 0;
    // The printer's resolution in dots per inch.
    virtual int resolution(const QPagedPaintDevice& printer) const = 0;

    // The SVG file's picture; one that cannot be read draws nothing.
    virtual std::unique_ptr<SvgDrawing> readSvg(const QString& fileName) = 0;
    // An SVG picture of `size` pixels (96 per inch) painted by `paint`;
    // empty when it could not be made.
    virtual QByteArray makeSvg(
        const QSize& size, const QString& title, const std::function<void(QPainter&)>& paint)
        = 0;
};

// The module's functions, loaded on the first call from where the build and
// the install put the module.
PrintSupport& printSupport();

// The functions of the module at `path`. When it cannot be loaded (the
// reason goes to stderr), printing says why and is cancelled, pictures stay
// empty and the SVG export fails; pages are still set up and PDFs written,
// and nothing else changes, so no work is lost.
PrintSupport& loadPrintSupport(const QString& path);

// The name of the one function the module exports: it returns the module's
// PrintSupport, which lives as long as the program.
#define PRUZ_PRINT_SUPPORT_ENTRY "pruzPrintSupport"
