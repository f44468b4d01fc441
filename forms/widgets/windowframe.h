#pragma once
// The fixed frames of the program's windows: a client area of the designed
// size that cannot be resized, a title bar with only the close box, placed
// in the centre of the screen.

#include <QSize>

class QWidget;

void fixWindow(QWidget* window, QSize client);

// The same frame for a window the user may make larger (with a maximise
// box): it starts at the designed size, which is also its smallest.
void resizableWindow(QWidget* window, QSize client);
