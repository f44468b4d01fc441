#include "forms/print/chartoutput.h"

#include "forms/print/pdfexport.h"
#include "forms/widgets/chartpaint.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {

const QString kTitle = QStringLiteral("Характеристика пружины");

} // namespace

bool paintChartPage(QPagedPaintDevice& device, const Characteristic& chart)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double scale = device.logicalDpiX() / 96.0;
    const double width = device.width() / scale;
    const QSizeF canvas(width, std::min(device.height() / scale, 0.75 * width));
    painter.scale(scale, scale);
    paintCharacteristic(painter, canvas, chart);
    return painter.end();
}

QByteArray chartPdf(const Characteristic& chart)
{
    const QPageLayout page(
        QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    return pdfBytes(kTitle, page, 0, [&](QPdfWriter& pdf) { return paintChartPage(pdf, chart); });
}

QByteArray chartSvg(const Characteristic& chart, const QSize& size)
{
    return svgBytes(
        size, kTitle, [&](QPainter& painter) { paintCharacteristic(painter, QSizeF(size), chart); });
}
