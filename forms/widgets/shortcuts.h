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

// Alt and a Cyrillic accelerator letter also work with a Latin keyboard
// layout: for every label (with its buddy) and button of `window` whose
// accelerator is a Cyrillic letter, Alt and the Latin letter on the same
// key (ЙЦУКЕН over QWERTY) does what the accelerator does. Qt itself only
// finds Latin accelerators from a Cyrillic layout.
void addLatinTwins(QWidget* window);
