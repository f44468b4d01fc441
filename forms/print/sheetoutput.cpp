#include "forms/print/sheetoutput.h"

#include "engine/features/sheetshapes.h"
#include "forms/print/pdfexport.h"
#include "forms/widgets/sheetpaint.h"

#include <QPainter>
#include <QPdfWriter>

namespace {

const QString kTitle = QStringLiteral("Чертеж пружины");
constexpr double kMmPerInch = 25.4;
constexpr double kSvgDpi = 96;

} // namespace

QPageLayout sheetPageLayout(const SheetShapes& sheet)
{
    const bool landscape = sheet.width > sheet.height;
    const QPageSize size(QSizeF(std::min(sheet.width, sheet.height), std::max(sheet.width, sheet.height)),
        QPageSize::Millimeter);
    return QPageLayout(QPageSize(size.id() == QPageSize::Custom ? size : QPageSize(size.id())),
        landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
        QPageLayout::Millimeter);
}

bool paintSheetPage(QPagedPaintDevice& device, const SheetShapes& sheet)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double perMm = device.logicalDpiX() / kMmPerInch;
    const double fit
        = std::min(device.width() / (sheet.width * perMm), device.height() / (sheet.height * perMm));
    const double scale = perMm * std::min(1.0, fit);
    painter.scale(scale, scale);
    paintSheet(painter, sheet);
    return painter.end();
}

QByteArray sheetPdf(const SheetShapes& sheet)
{
    return pdfBytes(
        kTitle, sheetPageLayout(sheet), 1200, [&](QPdfWriter& pdf) { return paintSheetPage(pdf, sheet); });
}

QByteArray sheetSvg(const SheetShapes& sheet)
{
    const double perMm = kSvgDpi / kMmPerInch;
    const QSize size(int(std::lround(sheet.width * perMm)), int(std::lround(sheet.height * perMm)));
    return svgBytes(size, kTitle, [&](QPainter& painter) {
        painter.scale(perMm, perMm);
        paintSheet(painter, sheet);
    });
}
