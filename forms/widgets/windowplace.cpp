#include "forms/widgets/windowplace.h"

#include "forms/widgets/appsettings.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

WindowPlace::WindowPlace(QWidget* window, AppSettings& settings, const QString& name)
    : QObject(window)
    , window_(window)
    , settings_(settings)
    , name_(name)
{
    if (const auto stored = settings_.windowPosition(name_)) {
        // The title bar must be on a screen the user still has.
        if (QGuiApplication::screenAt(*stored + QPoint(20, 5)))
            window_->move(*stored);
    }
    placed_ = window_->pos();
    window_->installEventFilter(this);
}

bool WindowPlace::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::Hide && window_->pos() != placed_) {
        placed_ = window_->pos();
        settings_.setWindowPosition(name_, placed_);
        settings_.save();
    }
    return false;
}
