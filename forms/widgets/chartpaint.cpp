#include "forms/widgets/chartpaint.h"

#include "engine/common/numtext.h"
#include "engine/features/characteristic.h"
#include "forms/widgets/qtext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <vector>

namespace {

const QColor kInk(0x20, 0x20, 0x20);
const QColor kLine(0x1f, 0x4e, 0x9c);
const QColor kMadeLine(0x00, 0x85, 0x5a); // the spring as it will be made: green
const QColor kAllowable(0xc0, 0x39, 0x2b);
const QColor kSolid(0x55, 0x55, 0x55);
const QColor kGrid(0xe4, 0xe4, 0xe4);
const QColor kGuide(0x99, 0x99, 0x99);
constexpr double kMargin = 12;
constexpr double kTick = 5;
constexpr double kGap = 6;

QFont chartFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

struct Fonts {
    QFont title = chartFont(15, true);
    QFont text = chartFont(12);
    QFont small = chartFont(11);
};

// Data to canvas.
struct Frame {
    QRectF plot;
    double deflectionTop = 1;
    double forceTop = 1;
    double x(double deflection) const { return plot.left() + deflection / deflectionTop * plot.width(); }
    double y(double force) const { return plot.bottom() - force / forceTop * plot.height(); }
};

template <class Each> void forTicks(const ChartScale& scale, Each each)
{
    if (!(scale.step > 0))
        return;
    for (int k = 0; k * scale.step <= scale.top * (1 + 1e-9); ++k)
        each(k * scale.step);
}

double widestTick(const ChartScale& scale, double factor, const QFontMetricsF& metrics)
{
    double widest = 0;
    forTicks(scale,
        [&](double v) { widest = std::max(widest, metrics.horizontalAdvance(qs(numText(v * factor)))); });
    return widest;
}

// A label beside a text box, drawn over whatever lies beneath on paper white.
void paintBoxedText(QPainter& painter, const QRectF& box, const QStringList& lines, const QColor& ink)
{
    painter.fillRect(box, Qt::white);
    painter.setPen(ink);
    const double line = box.height() / lines.size();
    for (int k = 0; k < lines.size(); ++k)
        painter.drawText(
            QRectF(box.left(), box.top() + k * line, box.width(), line), Qt::AlignCenter, lines[k]);
}

void paintRotated(QPainter& painter, const QPointF& centre, const QString& text)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(-90);
    painter.drawText(QRectF(-200, -20, 400, 40), Qt::AlignCenter, text);
    painter.restore();
}

// The lengths along the top: flags starting at their tick (ending at it
// near the right edge), stacked in rows so that none covers another.
struct Flag {
    double x;
    QString text;
    QRectF box; // row 0 just above the plot; filled in by stackFlags
    int row = 0;
};

int stackFlags(std::vector<Flag>& flags, double rightEdge, const QFontMetricsF& metrics)
{
    std::sort(flags.begin(), flags.end(), [](const Flag& a, const Flag& b) { return a.x < b.x; });
    std::vector<double> rowEnds;
    for (Flag& flag : flags) {
        const double width = metrics.horizontalAdvance(flag.text) + 4;
        double left = flag.x + 2;
        if (left + width > rightEdge)
            left = flag.x - 2 - width;
        size_t row = 0;
        while (row < rowEnds.size() && left < rowEnds[row] + kGap)
            ++row;
        if (row == rowEnds.size())
            rowEnds.push_back(0);
        rowEnds[row] = left + width;
        flag.row = static_cast<int>(row);
        flag.box = QRectF(left, 0, width, metrics.height());
    }
    return std::max<int>(1, static_cast<int>(rowEnds.size()));
}

// Where a point's label goes: left of the point and above it (above the
// rising line), else right of it and below, whichever stays in the plot
// clear of the labels placed before.
QRectF placeLabel(
    const QPointF& point, const QSizeF& size, const QRectF& plot, const std::vector<QRectF>& taken)
{
    const QRectF leftAbove(
        point.x() - 8 - size.width(), point.y() - 4 - size.height(), size.width(), size.height());
    const QRectF rightBelow(point.x() + 8, point.y() + 4, size.width(), size.height());
    for (const QRectF& box : { leftAbove, rightBelow }) {
        const bool clear
            = std::none_of(taken.begin(), taken.end(), [&](const QRectF& t) { return t.intersects(box); });
        if (plot.contains(box) && clear)
            return box;
    }
    // Squeezed: keep it inside the plot, left of the point.
    QRectF box = leftAbove;
    box.moveLeft(std::max(box.left(), plot.left() + 2));
    box.moveTop(
        std::clamp(box.top(), plot.top() + 2, std::max(plot.top() + 2, plot.bottom() - 2 - size.height())));
    return box;
}

class ChartPainter {
public:
    ChartPainter(QPainter& painter, const QSizeF& size, const Characteristic& chart)
        : p_(painter)
        , size_(size)
        , chart_(chart)
    {
    }

    void paint()
    {
        p_.fillRect(QRectF(QPointF(), size_), Qt::white);
        if (!chart_.refusal.empty()) {
            p_.setFont(fonts_.text);
            p_.setPen(kInk);
            p_.drawText(QRectF(QPointF(), size_).adjusted(kMargin, kMargin, -kMargin, -kMargin),
                Qt::AlignCenter | Qt::TextWordWrap, qs(chart_.refusal));
            return;
        }
        layOut();
        paintGrid();
        paintGuides();
        paintAllowable();
        paintSolid();
        paintLine();
        paintMadeLine();
        paintAxes();
        paintLengthScale();
        paintPointLabels();
    }

private:
    void layOut()
    {
        const QFontMetricsF text(fonts_.text);
        const QFontMetricsF small(fonts_.small);
        double top = kMargin;
        titleBox_ = QRectF(kMargin, top, size_.width() - 2 * kMargin, QFontMetricsF(fonts_.title).height());
        top = titleBox_.bottom() + 2;
        subtitleBox_ = QRectF(kMargin, top, titleBox_.width(), small.height());
        top = subtitleBox_.bottom() + kGap;

        const double left
            = kMargin + text.height() + kGap + widestTick(chart_.forceScale, 1, text) + kTick + 2;
        const double right = size_.width() - kMargin - text.height() - kGap
            - widestTick(chart_.stressScale, 1, text) - kTick - 2;
        frame_.plot.setLeft(left);
        frame_.plot.setRight(std::max(left + 10, right));
        frame_.deflectionTop = chart_.deflectionScale.top;
        frame_.forceTop = chart_.forceScale.top;

        for (const LengthMark& mark : chart_.lengths)
            flags_.push_back({ frame_.x(mark.deflection), qs(mark.label), {} });
        if (chart_.solidOnScale && !chart_.solid.label.empty())
            flags_.push_back({ frame_.x(chart_.solid.deflection), qs(chart_.solid.label), {} });
        const int rows = stackFlags(flags_, size_.width() - kMargin, text);
        const double rowHeight = text.height() + 2;
        const double axisTop = top + rows * rowHeight + kTick;
        for (Flag& flag : flags_)
            flag.box.moveTop(axisTop - kTick - (flag.row + 1) * rowHeight);
        frame_.plot.setTop(axisTop);

        const QRectF noteArea(kMargin, 0, size_.width() - 2 * kMargin, size_.height());
        const double noteHeight
            = small.boundingRect(noteArea, Qt::TextWordWrap, qs(chart_.footnote)).height();
        footnoteBox_ = QRectF(kMargin, size_.height() - kMargin - noteHeight, noteArea.width(), noteHeight);
        const double bottom = footnoteBox_.top() - kGap - 2 * text.height() - kTick - 2;
        frame_.plot.setBottom(std::max(frame_.plot.top() + 10, bottom));
    }

    void paintGrid()
    {
        p_.setPen(QPen(kGrid, 1));
        const QRectF& plot = frame_.plot;
        forTicks(chart_.deflectionScale, [&](double s) {
            p_.drawLine(QPointF(frame_.x(s), plot.top()), QPointF(frame_.x(s), plot.bottom()));
        });
        forTicks(chart_.forceScale, [&](double f) {
            p_.drawLine(QPointF(plot.left(), frame_.y(f)), QPointF(plot.right(), frame_.y(f)));
        });
    }

    // Dotted from each point to the force and stress scales and through
    // the deflection and length scales.
    void paintGuides()
    {
        p_.setPen(QPen(kGuide, 1, Qt::DotLine));
        const QRectF& plot = frame_.plot;
        for (const LoadPoint& point : chart_.points) {
            p_.drawLine(QPointF(frame_.x(point.deflection), plot.top()),
                QPointF(frame_.x(point.deflection), plot.bottom()));
            p_.drawLine(
                QPointF(plot.left(), frame_.y(point.force)), QPointF(plot.right(), frame_.y(point.force)));
        }
    }

    void paintAllowable()
    {
        p_.setFont(fonts_.text);
        const QFontMetricsF metrics(fonts_.text);
        const QString label = qs(chart_.allowableLabel);
        const QSizeF size(metrics.horizontalAdvance(label) + 6, metrics.height());
        if (!chart_.allowableOnScale) {
            paintBoxedText(p_,
                QRectF(frame_.plot.topLeft() + QPointF(6, 4),
                    size + QSizeF(metrics.horizontalAdvance(QStringLiteral(" ↑")), 0)),
                { label + QStringLiteral(" ↑") }, kAllowable);
            return;
        }
        const double y = frame_.y(chart_.allowableStress / chart_.stressPerForce);
        p_.setPen(QPen(kAllowable, 1.5, Qt::DashLine));
        p_.drawLine(QPointF(frame_.plot.left(), y), QPointF(frame_.plot.right(), y));
        paintBoxedText(
            p_, QRectF(QPointF(frame_.plot.left() + 6, y - 2 - size.height()), size), { label }, kAllowable);
    }

    void paintSolid()
    {
        if (!chart_.solidOnScale) {
            p_.setFont(fonts_.text);
            const QString note = qs(chart_.solid.label) + QStringLiteral(" →");
            const QFontMetricsF metrics(fonts_.text);
            const QSizeF size(metrics.horizontalAdvance(note) + 6, metrics.height());
            paintBoxedText(p_,
                QRectF(frame_.plot.right() - 4 - size.width(), frame_.plot.top() + 4, size.width(),
                    size.height()),
                { note }, kSolid);
            return;
        }
        const double x = frame_.x(chart_.solid.deflection);
        p_.setPen(QPen(kSolid, 1.5, Qt::DashLine));
        p_.drawLine(QPointF(x, frame_.plot.top()), QPointF(x, frame_.plot.bottom()));
    }

    // The force line from no load through the three points; beyond the
    // last, dashed, as far as the coils touch.
    void paintLine()
    {
        std::vector<QPointF> points { QPointF(frame_.x(0), frame_.y(0)) };
        double lastDeflection = 0;
        double lastForce = 0;
        for (const LoadPoint& point : chart_.points) {
            points.emplace_back(frame_.x(point.deflection), frame_.y(point.force));
            if (point.deflection > lastDeflection) {
                lastDeflection = point.deflection;
                lastForce = point.force;
            }
        }
        std::sort(points.begin() + 1, points.end(),
            [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
        p_.save();
        p_.setClipRect(frame_.plot);
        p_.setRenderHint(QPainter::Antialiasing);
        if (chart_.solidOnScale && chart_.solid.deflection > lastDeflection && lastDeflection > 0) {
            const double force = lastForce / lastDeflection * chart_.solid.deflection;
            p_.setPen(QPen(kLine, 1.5, Qt::DashLine));
            p_.drawLine(points.back(), QPointF(frame_.x(chart_.solid.deflection), frame_.y(force)));
        }
        p_.setPen(QPen(kLine, 2));
        p_.drawPolyline(points.data(), static_cast<int>(points.size()));
        p_.setPen(QPen(Qt::white, 1.5));
        p_.setBrush(kLine);
        for (size_t k = 1; k < points.size(); ++k)
            p_.drawEllipse(points[k], 4.5, 4.5);
        p_.restore();
    }

    void paintAxes()
    {
        const QRectF& plot = frame_.plot;
        const QFontMetricsF metrics(fonts_.text);
        p_.setPen(QPen(kInk, 1));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(plot);
        p_.setFont(fonts_.text);
        const double h = metrics.height();
        forTicks(chart_.deflectionScale, [&](double s) {
            const double x = frame_.x(s);
            p_.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kTick));
            p_.drawText(QRectF(x - 50, plot.bottom() + kTick + 1, 100, h), Qt::AlignHCenter | Qt::AlignTop,
                qs(numText(s)));
        });
        p_.drawText(QRectF(plot.left(), plot.bottom() + kTick + 1 + h, plot.width(), h),
            Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("S, мм (деформация)"));
        forTicks(chart_.forceScale, [&](double f) {
            const double y = frame_.y(f);
            p_.drawLine(QPointF(plot.left() - kTick, y), QPointF(plot.left(), y));
            p_.drawText(QRectF(0, y - h / 2, plot.left() - kTick - 2, h), Qt::AlignRight | Qt::AlignVCenter,
                qs(numText(f)));
        });
        paintRotated(p_, QPointF(kMargin + h / 2, plot.center().y()), QStringLiteral("F, Н (сила)"));
        if (chart_.stressPerForce > 0) {
            forTicks(chart_.stressScale, [&](double stress) {
                const double y = frame_.y(stress / chart_.stressPerForce);
                if (y < plot.top() - 0.5)
                    return;
                p_.drawLine(QPointF(plot.right(), y), QPointF(plot.right() + kTick, y));
                p_.drawText(QRectF(plot.right() + kTick + 2, y - h / 2, 200, h),
                    Qt::AlignLeft | Qt::AlignVCenter, qs(numText(stress)));
            });
        }
        paintRotated(p_, QPointF(size_.width() - kMargin - h / 2, plot.center().y()),
            QStringLiteral("τ, МПа (напряжение)"));

        p_.setFont(fonts_.title);
        p_.drawText(titleBox_, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Характеристика пружины"));
        p_.setFont(fonts_.small);
        p_.drawText(subtitleBox_, Qt::AlignHCenter | Qt::AlignTop, qs(chart_.title));
        p_.drawText(footnoteBox_, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, qs(chart_.footnote));
    }

    void paintLengthScale()
    {
        const QRectF& plot = frame_.plot;
        p_.setFont(fonts_.text);
        p_.setPen(QPen(kInk, 1));
        // Ticks first: a tick that passes a lower flag runs behind its text.
        for (const Flag& flag : flags_)
            p_.drawLine(QPointF(flag.x, plot.top()), QPointF(flag.x, flag.box.top()));
        for (const Flag& flag : flags_)
            paintBoxedText(p_, flag.box, { flag.text }, kInk);
        const double rowTop = plot.top() - kTick - QFontMetricsF(fonts_.text).height() - 2;
        p_.drawText(QRectF(0, rowTop, plot.left() - 4, QFontMetricsF(fonts_.text).height()),
            Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("L, мм"));
    }

    // The made spring's line from no load through its forces at L1 and L2,
    // dashed, in its own colour.
    void paintMadeLine()
    {
        if (chart_.made.empty())
            return;
        std::vector<QPointF> points { QPointF(frame_.x(0), frame_.y(0)) };
        for (const LoadPoint& point : chart_.made)
            points.emplace_back(frame_.x(point.deflection), frame_.y(point.force));
        p_.save();
        p_.setClipRect(frame_.plot);
        p_.setRenderHint(QPainter::Antialiasing);
        p_.setPen(QPen(kMadeLine, 2, Qt::DashLine));
        p_.drawPolyline(points.data(), static_cast<int>(points.size()));
        p_.setPen(QPen(Qt::white, 1.5));
        p_.setBrush(kMadeLine);
        for (size_t k = 1; k < points.size(); ++k)
            p_.drawRect(QRectF(points[k] - QPointF(4, 4), QSizeF(8, 8)));
        p_.restore();
    }

    // Highest force first: its label has the least room above it.
    void paintPointLabels()
    {
        p_.setFont(fonts_.text);
        const QFontMetricsF metrics(fonts_.text);
        std::vector<const LoadPoint*> order;
        for (const LoadPoint& point : chart_.points)
            order.push_back(&point);
        for (const LoadPoint& point : chart_.made)
            order.push_back(&point);
        std::sort(order.begin(), order.end(),
            [](const LoadPoint* a, const LoadPoint* b) { return a->force > b->force; });
        std::vector<QRectF> taken;
        for (const LoadPoint* point : order) {
            QStringList lines { qs(point->forceLabel) };
            if (!point->deflectionLabel.empty())
                lines << qs(point->deflectionLabel);
            if (!point->stressLabel.empty())
                lines << qs(point->stressLabel);
            double width = 0;
            for (const QString& line : lines)
                width = std::max(width, metrics.horizontalAdvance(line));
            const QSizeF size(width + 8, lines.size() * metrics.height() + 2);
            const QPointF at(frame_.x(point->deflection), frame_.y(point->force));
            const QRectF box = placeLabel(at, size, frame_.plot, taken);
            taken.push_back(box);
            const bool made = point >= chart_.made.data() && point < chart_.made.data() + chart_.made.size();
            paintBoxedText(p_, box, lines, made ? kMadeLine : kInk);
        }
    }

    QPainter& p_;
    QSizeF size_;
    const Characteristic& chart_;
    Fonts fonts_;
    Frame frame_;
    std::vector<Flag> flags_;
    QRectF titleBox_, subtitleBox_, footnoteBox_;
};

} // namespace

void paintCharacteristic(QPainter& painter, const QSizeF& size, const Characteristic& chart)
{
    painter.save();
    ChartPainter(painter, size, chart).paint();
    painter.restore();
}
