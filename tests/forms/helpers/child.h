#pragma once
// A control of a window found by its object name, as the window's Designer
// form or code names it. Only the window's own controls count, not those of
// the windows it owns (a report window is the main window's child). A name
// the window does not have ends the test run with the name, rather than
// with a null pointer somewhere later.
//
//   child<QLineEdit>(form, "f1")->setText("12");

#include <QWidget>
#include <QtGlobal>

template <typename T> T* child(const QWidget& window, const char* name)
{
    for (T* found : window.findChildren<T*>(QLatin1String(name)))
        if (found->window() == window.window())
            return found;
    qFatal("%s has no %s named %s", qPrintable(window.objectName()), T::staticMetaObject.className(), name);
}
