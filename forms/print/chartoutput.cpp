#include "forms/print/chartoutput.h"

#include "forms/print/pdfexport.h"
#include "forms/widgets/chartpaint.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

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
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(), size));
    svg.setResolution(96);
    svg.setTitle(kTitle);
    QPainter painter;
    if (!painter.begin(&svg))
        return {};
    paintCharacteristic(painter, QSizeF(size), chart);
    if (!painter.end())
        return {};
    return buffer.data();
}
