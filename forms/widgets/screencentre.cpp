#include "forms/widgets/screencentre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect placed(QPoint(), window.size());
        placed.moveCenter(screen->availableGeometry().center());
        window.move(placed.topLeft());
    }
}
