#include "forms/widgets/screenfit.h"

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

const QScreen* screenOf(const QWidget& window)
{
    if (const QWidget* parent = window.parentWidget())
        return parent->window()->screen();
    if (const QScreen* at = QGuiApplication::screenAt(window.geometry().center()))
        return at;
    return window.screen();
}

// The frame a window will have: its own once the window system has framed
// it, else that of the window it belongs to (same decorations), else none.
QMargins frameMargins(const QWidget& window)
{
    auto margins = [](const QWidget& w) {
        const QRect frame = w.frameGeometry(), inner = w.geometry();
        return QMargins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom());
    };
    const QMargins own = margins(window);
    if (!own.isNull() || !window.parentWidget())
        return own;
    return margins(*window.parentWidget()->window());
}

} // namespace

QRect fittedOnScreen(QRect frame, QRect available)
{
    frame.setWidth(std::min(frame.width(), available.width()));
    frame.setHeight(std::min(frame.height(), available.height()));
    frame.moveLeft(std::clamp(frame.left(), available.left(), available.right() - frame.width() + 1));
    frame.moveTop(std::clamp(frame.top(), available.top(), available.bottom() - frame.height() + 1));
    return frame;
}

std::optional<QPoint> placeBeside(QRect mainFrame, QSize size, QRect available)
{
    const int top = std::clamp(mainFrame.top(), available.top(), available.bottom() - size.height() + 1);
    if (size.height() > available.height())
        return std::nullopt;
    if (mainFrame.right() + size.width() <= available.right())
        return QPoint(mainFrame.right() + 1, top);
    if (mainFrame.left() - size.width() >= available.left())
        return QPoint(mainFrame.left() - size.width(), top);
    // Else below it, level with its left as far as the screen allows.
    if (mainFrame.bottom() + size.height() <= available.bottom() && size.width() <= available.width())
        return QPoint(std::clamp(mainFrame.left(), available.left(), available.right() - size.width() + 1),
            mainFrame.bottom() + 1);
    // Else at the screen's right edge: over the main window's right side,
    // the diameter column, and not over the fields on its left.
    return QPoint(std::max(available.left(), available.right() - size.width() + 1), top);
}

void placeBesideWindow(QWidget& window, const QWidget& main)
{
    const QScreen* screen = main.screen();
    if (!screen)
        return;
    const QMargins margins = frameMargins(main);
    const QSize frame = window.size().grownBy(margins);
    if (auto at = placeBeside(main.frameGeometry(), frame, screen->availableGeometry()))
        window.move(*at); // move() places the frame's top left
}

bool KeepOnScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType())
        return false;
    auto* window = static_cast<QWidget*>(watched);
    // A dialog that no one placed is centred over its window by Qt in its
    // show event: it is fitted after that (ShowToParent follows the show
    // event), or moving it first would keep Qt from placing it.
    const bool qtPlaces = qobject_cast<QDialog*>(window) && !window->testAttribute(Qt::WA_Moved);
    if (event->type() != (qtPlaces ? QEvent::ShowToParent : QEvent::Show))
        return false;
    const Qt::WindowType type = window->windowType();
    if (!window->isWindow() || type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop)
        return false;
    const QScreen* screen = screenOf(*window);
    if (!screen)
        return false;
    const QMargins margins = frameMargins(*window);
    const QRect frame = window->geometry().marginsAdded(margins);
    const QRect fitted = fittedOnScreen(frame, screen->availableGeometry());
    if (fitted != frame)
        window->setGeometry(fitted.marginsRemoved(margins));
    return false;
}
