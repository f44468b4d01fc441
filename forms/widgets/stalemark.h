#pragma once
// A result window (report, sketch, chart) shows one calculation. Once the
// main window's inputs no longer match it, the window says so: a note after
// its title and a line of its own, "Исходные данные изменены — нажмите
// «Расчет»", which the window places where it has room. The next
// calculation clears the mark. Windows a result window opened (its chart)
// carry the same mark.

class QLabel;
class QWidget;

// Makes the hidden line of `window`, a child of `parent` (the window itself
// or a widget of it), for the window to lay out.
QLabel* makeStaleLine(QWidget* window, QWidget* parent);

// Sets or clears the mark of `window` and of the result windows it opened.
// A window without a stale line is left alone.
void setStale(QWidget* window, bool stale);
bool isStale(const QWidget* window);
