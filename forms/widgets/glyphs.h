#pragma once
// The 16 x 16 button glyphs and the program's window icon, PNG images in
// the Qt resource file resources/glyphs.qrc, rendered from SVG by
// tools/make-icons.sh: an SVG icon would load the SVG icon engine before
// the main window could show.

#include <QIcon>

// The glyph resources/glyphs/<name>.png, with its twice-as-large image
// for dense screens.
QIcon glyph(const char* name);

// The program icon at the sizes a window manager asks for.
QIcon programIcon();
