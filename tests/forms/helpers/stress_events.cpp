#include "stress_events.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QtTest/qtestspontaneevent.h>

namespace stress {

namespace {

    // Input arrives as the window system delivers it (spontaneous), so focus
    // follows clicks as it does for the user, and a refused event is no error.
    void send(QWidget* widget, QEvent& event)
    {
        QSpontaneKeyEvent::setSpontaneous(&event);
        QApplication::instance()->notify(widget, &event);
    }

} // namespace

void click(QWidget* widget, QPoint at)
{
    const QPointer<QWidget> target(widget);
    const QPointF local(at), global(widget->mapToGlobal(at));
    QMouseEvent press(
        QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    send(widget, press);
    if (!target)
        return;
    QMouseEvent release(
        QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    send(target, release); // may run a modal dialog: the last thing a step does
}

void click(QWidget* widget)
{
    click(widget, widget->rect().center());
}

void key(QWidget* widget, int code, Qt::KeyboardModifiers modifiers, const QString& text)
{
    const QPointer<QWidget> target(widget);
    QKeyEvent press(QEvent::KeyPress, code, modifiers, text);
    send(widget, press);
    if (!target)
        return;
    QKeyEvent release(QEvent::KeyRelease, code, modifiers, text);
    send(target, release);
}

const QList<Key>& keys()
{
    static const QList<Key> all = [] {
        QList<Key> k;
        for (int d = 0; d <= 9; ++d) {
            k.append({ Qt::Key_0 + d, Qt::NoModifier, QString(QChar('0' + d)) });
            k.append({ Qt::Key_0 + d, Qt::KeypadModifier, QString(QChar('0' + d)) });
        }
        for (int n = 0; n < 3; ++n) {
            k.append({ Qt::Key_Comma, Qt::NoModifier, "," });
            k.append({ Qt::Key_Period, Qt::NoModifier, "." });
            k.append({ Qt::Key_Backspace, Qt::NoModifier, "\b" });
            k.append({ Qt::Key_Tab, Qt::NoModifier, "\t" });
            k.append({ Qt::Key_Return, Qt::NoModifier, "\r" });
        }
        k.append({ Qt::Key_Period, Qt::KeypadModifier, "." });
        k.append({ Qt::Key_Enter, Qt::KeypadModifier, "\r" });
        k.append({ Qt::Key_Backtab, Qt::ShiftModifier, {} });
        k.append({ Qt::Key_Escape, Qt::NoModifier, "\x1b" });
        k.append({ Qt::Key_Delete, Qt::NoModifier, "\x7f" });
        k.append({ Qt::Key_Space, Qt::NoModifier, " " });
        for (int code : { Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End,
                 Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Insert })
            k.append({ code, Qt::NoModifier, {} });
        for (const char* s : { "-", "+", "*", "/", "?", "\\", ":", "a", "e", "z" })
            k.append({ QChar(s[0]).toUpper().unicode(), Qt::NoModifier, s });
        k.append({ Qt::Key_E, Qt::ShiftModifier, "E" });
        k.append({ 0x416, Qt::NoModifier, QStringLiteral("ж") });
        for (int code : { Qt::Key_A, Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Z })
            k.append({ code, Qt::ControlModifier, QString(QChar(code - Qt::Key_A + 1)) });
        return k;
    }();
    return all;
}

int keyFor(QChar c)
{
    if (c == QLatin1Char(','))
        return Qt::Key_Comma;
    if (c == QLatin1Char('.'))
        return Qt::Key_Period;
    if (c.isSurrogate())
        return Qt::Key_unknown;
    return c.toUpper().unicode();
}

} // namespace stress
