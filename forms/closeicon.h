#pragma once
// The style's icon for a "close" button, made without Qt's image reader
// guessing the picture's format: that guess loads every image format
// plugin there is, which was the largest single cost of the program's
// start.

#include <QIcon>

class QStyle;

// What style->standardIcon(QStyle::SP_DialogCloseButton) gives: the desktop
// icon theme's "window-close" where the theme has one, else Qt's own
// pictures, read as the PNG files they are.
QIcon closeButtonIcon(const QStyle* style);
