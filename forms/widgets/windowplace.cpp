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
    if (const auto stored = settings_.windowSize(name_); stored && resizable())
        window_->resize(stored->boundedTo(window_->maximumSize()).expandedTo(window_->minimumSize()));
    placed_ = window_->pos();
    sized_ = window_->size();
    window_->installEventFilter(this);
}

bool WindowPlace::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_ || event->type() != QEvent::Hide)
        return false;
    const bool moved = window_->pos() != placed_, resized = window_->size() != sized_ && resizable();
    if (moved) {
        placed_ = window_->pos();
        settings_.setWindowPosition(name_, placed_);
    }
    if (resized) {
        sized_ = window_->size();
        settings_.setWindowSize(name_, sized_);
    }
    if (moved || resized)
        settings_.save();
    return false;
}

bool WindowPlace::resizable() const
{
    return window_->minimumSize() != window_->maximumSize();
}
