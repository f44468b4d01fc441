#pragma once
// Texts that do not fit their widget in the font the window uses: labels,
// buttons, radio buttons and check boxes whose text needs more room than
// their fixed geometry gives. Empty when nothing is cut off.

#include <QStringList>

class QWidget;

QStringList cutTexts(const QWidget* window);
