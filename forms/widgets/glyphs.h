#pragma once
// The 16 x 16 button glyphs and the program's window icon
// (resources/glyphs.qrc). Both are PNG pictures rendered from their SVG
// sources by tools/make-icons.sh: a PNG is read by Qt itself, while an SVG
// icon would load the SVG icon engine before the main window could show.

#include <QIcon>
#include <QPixmap>

// Reads a PNG as PNG: left to guess the format, Qt's image reader loads
// every image format plugin there is before it reads the file.
QPixmap readPng(const QString& path);

// ":/glyphs/<name>.png", with its twice-as-large picture for dense screens.
QIcon glyph(const char* name);

// The program icon at the sizes a window manager asks for.
QIcon programIcon();
