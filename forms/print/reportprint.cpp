#include "forms/print/reportprint.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

#include <vector>

namespace {

// One printed line, or the rule under the header (an empty text).
struct Placed {
    int y;
    QString text;
    bool rule = false;
};
using Page = std::vector<Placed>;

class Paginator {
public:
    Paginator(const QFontMetrics& metrics, int width, int bodyHeight)
        : metrics_(metrics)
        , width_(width)
        , bodyHeight_(bodyHeight)
    {
    }
    void addLine(const QString& line)
    {
        for (const QString& piece : breakLine(line, width_, metrics_))
            place(piece.isEmpty() ? metrics_.height() : metrics_.height() + 2, { 0, piece });
    }
    void addRule() { place(metrics_.height(), { 0, QString(), true }); }
    // At least one page, if empty.
    std::vector<Page> pages() const { return pages_.empty() ? std::vector<Page>(1) : pages_; }

private:
    void place(int advance, Placed item)
    {
        if (pages_.empty() || (y_ > 0 && y_ + advance > bodyHeight_)) {
            pages_.emplace_back();
            y_ = 0;
        }
        item.y = y_;
        pages_.back().push_back(item);
        y_ += advance;
    }

    const QFontMetrics& metrics_;
    int width_;
    int bodyHeight_;
    int y_ = 0;
    std::vector<Page> pages_;
};

} // namespace

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
        // Between words: at the last blank of the head that fits, unless
        // one word alone is wider than the line.
        const qsizetype blank = rest.lastIndexOf(QLatin1Char(' '), fits);
        if (blank > 0) {
            pieces << rest.left(blank);
            rest = rest.mid(blank + 1);
            continue;
        }
        pieces << rest.left(fits);
        rest = rest.mid(fits);
    }
    pieces << rest;
    return pieces;
}

int footHeight(const QFontMetrics& metrics)
{
    return 2 * metrics.height();
}

QString pageFoot(int k, int n)
{
    return QStringLiteral("стр. %1 из %2").arg(k).arg(n);
}

int printReport(
    const QStringList& header, const QStringList& lines, QPagedPaintDevice& device, const QFont& font)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    painter.setFont(QFont(font, &device));
    const QFontMetrics metrics = painter.fontMetrics();
    const int pageWidth = device.width();
    const int pageHeight = device.height();

    Paginator layout(metrics, pageWidth, pageHeight - footHeight(metrics));
    for (const QString& line : header)
        layout.addLine(line);
    if (!header.isEmpty())
        layout.addRule();
    for (const QString& line : lines)
        layout.addLine(line);
    const std::vector<Page> pages = layout.pages();

    // A hairline of about a quarter point.
    const qreal ruleWidth = std::max(1.0, device.logicalDpiY() / 288.0);
    const int count = static_cast<int>(pages.size());
    for (int k = 0; k < count; ++k) {
        if (k > 0)
            device.newPage();
        for (const Placed& item : pages[static_cast<size_t>(k)]) {
            if (item.rule) {
                const qreal y = item.y + metrics.height() / 2.0;
                painter.setPen(QPen(Qt::black, ruleWidth));
                painter.drawLine(QPointF(0, y), QPointF(pageWidth, y));
            } else {
                painter.drawText(0, item.y + metrics.ascent(), item.text);
            }
        }
        const QString foot = pageFoot(k + 1, count);
        painter.drawText(pageWidth - metrics.horizontalAdvance(foot), pageHeight - metrics.descent(), foot);
    }
    painter.end();
    return count;
}
