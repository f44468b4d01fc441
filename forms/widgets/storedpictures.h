#pragma once
// The pictures the main window shows at start (the toolbar's glyphs, the
// program's icon, the frame of Fusion's group boxes), kept in the program
// as pixels. A build step (resources/picturetable.cpp) makes them from
// their PNG files: decoding PNG at every start mapped libpng and zlib and
// Qt's own picture resources before the window could show.

#include <QImage>

#include <span>
#include <string_view>

struct StoredPicture {
    const char* name;
    const char* source; // the PNG it was made from: in the source tree, or ":/" for Qt's
    int width;
    int height;
    const quint32* pixels; // premultiplied ARGB, row after row
};

extern const std::span<const StoredPicture> storedPictures;

// The picture `name`, on the stored pixels; null when there is none.
QImage storedPicture(std::string_view name);
