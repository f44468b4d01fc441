#pragma once
// Remembers where the user left a window: the window is put back there when
// it is made (if that place is still on a screen), and its place is stored
// each time it is hidden after the user moved it. A window that can be
// resized gets its size back too.

#include <QObject>
#include <QPoint>
#include <QSize>

class AppSettings;
class QWidget;

class WindowPlace : public QObject {
    Q_OBJECT
public:
    // Watches `window`, which owns this object; `name` is its settings key.
    WindowPlace(QWidget* window, AppSettings& settings, const QString& name);

private:
    bool resizable() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    AppSettings& settings_;
    QString name_;
    QPoint placed_; // where the program put it
    QSize sized_; // the size it was given
};
