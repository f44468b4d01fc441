#pragma once
// Keyboard shortcuts of the windows' buttons. A shortcut works wherever the
// focus is in the button's window (the numeric fields pass Ctrl keys on),
// presses the button as a click would, focus included, and is named in the
// button's tooltip.

#include <QKeySequence>

class QAbstractButton;
class QWidget;

void bindShortcut(QAbstractButton* button, const QKeySequence& key);

// The key as a tooltip names it. Qt's Russian names of the keys the windows
// use (Ctrl, Shift, F1, letters) are its English ones, so the untranslated
// name reads the same and asks nothing of Qt's catalogue, which the start
// then need not read.
QString keyName(const QKeySequence& key);

// Esc closes (hides) the window.
void closeOnEscape(QWidget* window);
