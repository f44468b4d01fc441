#pragma once
// PDF files as vectors through QPdfWriter. The report's and the sketch's
// are laid out on the page of the printer the windows print on (page size,
// margins, resolution), so a PDF has the pages a printout has; the chart
// brings its own page. Files are written whole through the engine's atomic
// writer.

#include <QByteArray>
#include <QString>

#include <functional>

class FileChooser;
class QPainter;
class QSize;

class QPageLayout;
class QWidget;
class QPdfWriter;
class QPagedPaintDevice;

// The name offered for the PDF of an input file: its folder and base name,
// `tail` and ".pdf" ("/a/пружина.rid", "-эскиз" -> "/a/пружина-эскиз.pdf").
// Input never saved: "расчет" + tail + ".pdf" in the home folder.
QString pdfNameFor(const QString& inputFile, const QString& tail);

// Asks `files` for the PDF file to write: pdfNameFor(inputFile, tail),
// offered in the folder a PDF was last saved to when there is one, which
// is then remembered in `files`. Empty when cancelled.
QString askPdfFile(FileChooser& files, QWidget* parent, const QString& inputFile, const QString& tail);

// A PDF in memory: `paint` draws its pages on a writer with `title`, the
// page layout and, when not 0, the resolution. Empty when painting failed.
QByteArray pdfBytes(const QString& title, const QPageLayout& layout, int resolution,
    const std::function<bool(QPdfWriter&)>& paint);

// An SVG picture in memory of `size` pixels at 96 per inch, painted by
// `paint`; empty when painting failed.
QByteArray svgBytes(const QSize& size, const QString& title, const std::function<void(QPainter&)>& paint);

// Paints the pages with `paint` (false: failed) and writes the file. False
// when painting or writing failed; an existing file is then left as it was.
bool writePdf(
    const QString& path, const QPagedPaintDevice& page, const std::function<bool(QPdfWriter&)>& paint);
