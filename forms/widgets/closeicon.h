#pragma once
// The style's icon for a "close" button, made without the costs that made
// it the largest single part of the program's start: Qt's image reader
// guessing the picture's format (which loads every image format plugin
// there is), and reading the whole fallback icon theme (hicolor, some 3800
// lines of index) before the window can show.

class QAbstractButton;

// Gives `button` what style()->standardIcon(QStyle::SP_DialogCloseButton)
// gives: the desktop icon theme's "window-close" where the theme has one,
// else Qt's own pictures. Under the fallback theme alone (no desktop
// theme), Qt's pictures come first and the theme is looked at once the
// window has been drawn.
void setCloseButtonIcon(QAbstractButton* button);
