#pragma once
// PDF files of the report and the sketch: vector output through QPdfWriter,
// laid out on the page of the printer the windows print on (page size,
// margins, resolution), so a PDF has the pages a printout has. The file is
// written whole through the engine's atomic writer.

#include <QString>

#include <functional>

class QPdfWriter;
class QPrinter;

// The name offered for the PDF of an input file: its folder and base name,
// `tail` and ".pdf" ("/a/пружина.rid", "-эскиз" -> "/a/пружина-эскиз.pdf").
// Input never saved: "расчет" + tail + ".pdf" in the home folder.
QString pdfNameFor(const QString& inputFile, const QString& tail);

// Paints the pages with `paint` (false: failed) and writes the file. False
// when painting or writing failed; an existing file is then left as it was.
bool writePdf(const QString& path, const QPrinter& page, const std::function<bool(QPdfWriter&)>& paint);
