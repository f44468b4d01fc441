#pragma once
// A drawing sheet on paper and in files, each drawn anew in vectors by
// paintSheet: one page on a printer, a PDF of the sheet's own format with
// its fonts embedded, and an SVG picture of the sheet's size.

#include <QByteArray>
#include <QPageLayout>

class QPagedPaintDevice;
struct SheetShapes;

// The page of the sheet's format: A4 portrait or A3 landscape, no margins.
QPageLayout sheetPageLayout(const SheetShapes& sheet);

// The sheet on one page, at full size when the printable area holds it and
// shrunk to fit (never stretched) when not. False when the device could not
// be opened.
bool paintSheetPage(QPagedPaintDevice& device, const SheetShapes& sheet);

// Empty when it could not be made.
QByteArray sheetPdf(const SheetShapes& sheet);
QByteArray sheetSvg(const SheetShapes& sheet);
