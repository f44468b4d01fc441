#include "forms/widgets/windowframe.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

void frameAndCentre(QWidget* window, QSize client)
{
    window->setWindowFlags((window->windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint
        | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - QPoint(client.width() / 2, client.height() / 2));
    }
}

} // namespace

void fixWindow(QWidget* window, QSize client)
{
    window->setFixedSize(client);
    frameAndCentre(window, client);
}

void resizableWindow(QWidget* window, QSize client)
{
    window->setMinimumSize(client);
    window->resize(client);
    frameAndCentre(window, client);
    window->setWindowFlag(Qt::WindowMaximizeButtonHint);
}
