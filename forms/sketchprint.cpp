#include "forms/sketchprint.h"

#include "forms/svgpicture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

void paintLineEdit(QPainter& painter, const QLineEdit& edit)
{
    const QRectF box = QRectF(edit.geometry()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(edit.palette().color(QPalette::Mid), 1));
    painter.setBrush(edit.palette().color(QPalette::Base));
    painter.drawRect(box);
    // The text starts where the field shows it and is cut off at its edge.
    const QRect text = edit.geometry().adjusted(4, 2, -3, -2);
    painter.save();
    painter.setClipRect(text);
    painter.setFont(edit.font());
    painter.setPen(edit.palette().color(QPalette::Text));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, edit.text());
    painter.restore();
}

void paintLabel(QPainter& painter, const QLabel& label)
{
    if (label.autoFillBackground())
        painter.fillRect(label.geometry(), label.palette().color(QPalette::Window));
    painter.setFont(label.font());
    painter.setPen(label.palette().color(QPalette::WindowText));
    painter.drawText(label.geometry(), static_cast<int>(label.alignment()), label.text());
}

void paintButton(QPainter& painter, const QAbstractButton& button)
{
    const QRectF box = QRectF(button.geometry()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(button.palette().color(QPalette::Dark), 1));
    painter.setBrush(button.palette().color(QPalette::Button));
    painter.drawRoundedRect(box, 2, 2);
    QRect inside = button.geometry();
    if (!button.icon().isNull()) {
        const QSize size = button.iconSize();
        const QRect iconRect(
            inside.left() + 4, inside.center().y() - size.height() / 2, size.width(), size.height());
        button.icon().paint(&painter, iconRect);
        inside.setLeft(iconRect.right() + 1);
    }
    painter.setFont(button.font());
    painter.setPen(button.palette().color(QPalette::ButtonText));
    painter.drawText(inside, Qt::AlignCenter, button.text());
}

} // namespace

void paintClientArea(QPainter& painter, QWidget& window)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(window.rect(), window.palette().color(QPalette::Window));
    // Direct children, bottom to top.
    for (QObject* child : window.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isHidden() || widget->isWindow())
            continue;
        if (auto* picture = qobject_cast<SvgPicture*>(widget))
            picture->renderer().render(&painter, QRectF(picture->geometry()));
        else if (auto* edit = qobject_cast<QLineEdit*>(widget))
            paintLineEdit(painter, *edit);
        else if (auto* label = qobject_cast<QLabel*>(widget))
            paintLabel(painter, *label);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            paintButton(painter, *button);
    }
    painter.restore();
}

bool printClientArea(QWidget& window, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The painter's origin is the top-left corner of the printable area.
    const qreal scale = device.logicalDpiX() / 96.0;
    painter.scale(scale, scale);
    paintClientArea(painter, window);
    return painter.end();
}
