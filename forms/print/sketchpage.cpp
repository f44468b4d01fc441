#include "forms/print/sketchpage.h"

#include "engine/common/numtext.h"
#include "engine/features/characteristic.h"
#include "engine/features/reportheader.h"
#include "engine/method/calcvalues.h"
#include "forms/widgets/qtext.h"
#include "forms/widgets/sketchfields.h"
#include "forms/widgets/sketchresources.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace {

const QSize kDrawing(435, 416); // the window's client area, in its pixels
constexpr int kPadding = 4; // text inset on either side of a box
constexpr int kRow = 20; // a row of the title block
constexpr int kGap = 14; // between the drawing and the title block

QFont valueFont()
{
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(11);
    return font;
}

QFont textFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    return font;
}

void paintTitleBlock(QPainter& painter, const QRectF& area, const CalcValues& p, const ReportHeader& header)
{
    const auto rows = sketchTitleBlock(header, numText(p.nCalc), numText(p.N1));
    painter.setFont(textFont());
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    const qreal captionWidth = 170;
    painter.drawRect(area);
    painter.drawLine(
        QPointF(area.left() + captionWidth, area.top()), QPointF(area.left() + captionWidth, area.bottom()));
    for (size_t k = 0; k < rows.size(); ++k) {
        const QRectF row(area.left(), area.top() + static_cast<qreal>(k) * kRow, area.width(), kRow);
        if (k > 0)
            painter.drawLine(row.topLeft(), row.topRight());
        const QRectF caption = row.adjusted(6, 0, -(area.width() - captionWidth), 0);
        const QRectF value = row.adjusted(captionWidth + 6, 0, -6, 0);
        painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, qs(rows[k].first));
        // A long file name keeps its end, where the file's own name is.
        const QString text
            = painter.fontMetrics().elidedText(qs(rows[k].second), Qt::ElideLeft, int(value.width()));
        painter.drawText(value, Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

} // namespace

std::vector<SketchValue> sketchPageValues(const CalcValues& p, const QFontMetricsF& metrics)
{
    std::vector<SketchValue> values;
    for (const SketchField& field : kSketchFields) {
        const double v = field.value(p);
        SketchValue value { field.rect, qs(numText(v)) };
        const qreal room = field.rect.width() - 2 * kPadding;
        if (metrics.horizontalAdvance(value.text) > room)
            value.text = qs(chartNumber(v));
        const qreal need = metrics.horizontalAdvance(value.text);
        if (need > room)
            value.box.setWidth(static_cast<int>(std::ceil(need)) + 2 * kPadding);
        values.push_back(value);
    }
    return values;
}

bool paintSketchPage(QPagedPaintDevice& device, const CalcValues& p, const ReportHeader& header)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    const int titleHeight = 6 * kRow;
    const qreal scale = std::min(qreal(device.width()) / kDrawing.width(),
        qreal(device.height()) / (kDrawing.height() + kGap + titleHeight));
    painter.scale(scale, scale);

    initSketchResources();
    QSvgRenderer(QStringLiteral(":/sketch/sketch.svg")).render(&painter, QRectF(QPointF(), QSizeF(kDrawing)));

    painter.setFont(textFont());
    painter.setPen(Qt::black);
    // The stress at F3 is labelled over the drawing's own label.
    const QRectF tau3Label(26, 22, 36, 15);
    painter.fillRect(tau3Label, Qt::white);
    painter.drawText(tau3Label, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tau3*="));
    painter.drawText(QRectF(284, 42, 38, 15), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tau2*="));

    painter.setFont(valueFont());
    for (const SketchValue& value : sketchPageValues(p, QFontMetricsF(valueFont()))) {
        const QRectF box = QRectF(value.box).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setPen(QPen(Qt::gray, 1));
        painter.setBrush(Qt::white);
        painter.drawRect(box);
        painter.setPen(Qt::black);
        painter.drawText(
            box.adjusted(kPadding, 0, -kPadding + 1, 0), Qt::AlignLeft | Qt::AlignVCenter, value.text);
    }

    paintTitleBlock(painter, QRectF(0, kDrawing.height() + kGap, kDrawing.width(), titleHeight), p, header);
    return painter.end();
}
