#pragma once
// The 16 x 16 button glyphs (resources/glyphs.qrc): ":/glyphs/<name>.svg".

#include <QIcon>

QIcon glyph(const char* name);
