#include "forms/widgets/sheetpaint.h"

#include "engine/features/sheetshapes.h"
#include "forms/widgets/qtext.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace {

// Fonts are sized in whole pixels: texts are drawn in hundredths of a
// millimetre so that a 3,5 mm letter is 350 of them.
constexpr double kTextUnits = 100;

QFont sheetFont(double capHeight)
{
    static const double capShare = [] {
        QFont probe(QString::fromLatin1(kSheetFont));
        probe.setPixelSize(1000);
        const double cap = QFontMetricsF(probe).capHeight();
        return cap > 0 ? cap / 1000 : 0.7;
    }();
    QFont font(QString::fromLatin1(kSheetFont));
    font.setPixelSize(std::max(1, int(std::lround(capHeight * kTextUnits / capShare))));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QPen sheetPen(LineKind kind)
{
    QPen pen(Qt::black, kind == LineKind::Thick ? kThickLine : kThinLine, Qt::SolidLine, Qt::FlatCap);
    if (kind == LineKind::DashDot) {
        // ГОСТ 2.303-68: dashes of 5 to 30 mm, gaps of 3 to 5 mm; Qt counts
        // them in line widths.
        const double w = kThinLine;
        pen.setDashPattern({ 12 / w, 3 / w, 0.5 / w, 3 / w });
    }
    return pen;
}

void paintLabel(QPainter& painter, const Label& label)
{
    painter.save();
    painter.translate(label.at.x, label.at.y);
    painter.rotate(-label.angle);
    painter.scale(1 / kTextUnits, 1 / kTextUnits);
    const QFont font = sheetFont(label.height);
    painter.setFont(font);
    const QString text = qs(label.text);
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    const double x = label.anchor == TextAnchor::Left ? 0
        : label.anchor == TextAnchor::Centre          ? -width / 2
                                                      : -width;
    painter.drawText(QPointF(x, 0), text);
    painter.restore();
}

} // namespace

void paintSheet(QPainter& painter, const SheetShapes& sheet)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, sheet.width, sheet.height), Qt::white);
    painter.setBrush(Qt::NoBrush);
    for (const Segment& s : sheet.segments) {
        painter.setPen(sheetPen(s.kind));
        painter.drawLine(QPointF(s.a.x, s.a.y), QPointF(s.b.x, s.b.y));
    }
    for (const Arc& a : sheet.arcs) {
        painter.setPen(sheetPen(a.kind));
        const QRectF box(a.c.x - a.r, a.c.y - a.r, 2 * a.r, 2 * a.r);
        QPainterPath path;
        path.arcMoveTo(box, a.start);
        path.arcTo(box, a.start, a.sweep);
        painter.drawPath(path);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const Solid& s : sheet.solids) {
        const QPointF points[] = { { s.p[0].x, s.p[0].y }, { s.p[1].x, s.p[1].y }, { s.p[2].x, s.p[2].y } };
        painter.drawPolygon(points, 3);
    }
    painter.setPen(Qt::black);
    for (const Label& label : sheet.labels)
        paintLabel(painter, label);
    painter.restore();
}
