#pragma once
// The stress run's keyboard and mouse: clicks and key presses delivered as
// the window system delivers them, and the keys a user may press.

#include <QList>
#include <QPoint>
#include <QString>

class QWidget;

namespace stress {

// A left click at `at` (the centre when not given). The release may run a
// modal dialog, so a click is the last thing a step does.
void click(QWidget* widget, QPoint at);
void click(QWidget* widget);

// Press and release of one key; `text` is what it types.
void key(
    QWidget* widget, int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {});

struct Key {
    int code;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

// Digits, separators and editing keys often; every other kind of key too.
const QList<Key>& keys();

// The key that types `c`, as a keyboard would send it.
int keyFor(QChar c);

} // namespace stress
