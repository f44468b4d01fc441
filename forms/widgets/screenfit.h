#pragma once
// Where windows open: every window fully on the screen it belongs to,
// however large its designed size or its remembered place; the report
// beside the main window rather than over its fields.

#include <QObject>
#include <QPoint>
#include <QRect>

#include <optional>

class QWidget;

// The frame `frame` moved, and shrunk where it is larger, so that it lies
// inside `available`.
QRect fittedOnScreen(QRect frame, QRect available);

// The top left of a frame of `size` beside `mainFrame`, right of it or else
// left of it, level with its top as far as `available` allows, or else
// below it, or else at the screen's right edge (over the main window's
// right side, not its fields); nullopt when it is taller than the screen.
std::optional<QPoint> placeBeside(QRect mainFrame, QSize size, QRect available);

// Moves `window` (not yet shown) beside `main` when its screen has room.
void placeBesideWindow(QWidget& window, const QWidget& main);

// Installed on the application: each top-level window, as it is shown, is
// fitted onto its screen; a dialog after Qt has centred it over its window.
class KeepOnScreen : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
