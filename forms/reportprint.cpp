#include "forms/reportprint.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

QStringList breakLine(const QString& line, int width, const QFontMetrics& metrics)
{
    QStringList pieces;
    QString rest = line;
    while (metrics.horizontalAdvance(rest) > width) {
        // The longest head that fits; a single character always goes.
        qsizetype fits = 1;
        qsizetype lo = 1, hi = rest.size() - 1;
        while (lo <= hi) {
            const qsizetype mid = (lo + hi) / 2;
            if (metrics.horizontalAdvance(rest.left(mid)) <= width) {
                fits = mid;
                lo = mid + 1;
            } else {
                hi = mid - 1;
            }
        }
        pieces << rest.left(fits);
        rest = rest.mid(fits);
    }
    pieces << rest;
    return pieces;
}

int printLines(const QStringList& lines, QPagedPaintDevice& device, const QFont& font)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    painter.setFont(QFont(font, &device));
    const QFontMetrics metrics = painter.fontMetrics();
    const int pageWidth = device.width();
    const int pageHeight = device.height();
    int pages = 1;
    int y = 0;
    for (const QString& line : lines) {
        for (const QString& piece : breakLine(line, pageWidth, metrics)) {
            const int advance = piece.isEmpty() ? metrics.height() : metrics.height() + 2;
            if (y > 0 && y + advance > pageHeight) {
                device.newPage();
                ++pages;
                y = 0;
            }
            painter.drawText(0, y + metrics.ascent(), piece);
            y += advance;
        }
    }
    painter.end();
    return pages;
}
