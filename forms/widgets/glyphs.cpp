#include "forms/widgets/glyphs.h"
#include "forms/widgets/storedpictures.h"

#include <QGuiApplication>

#include <string>

QIcon glyph(const char* name)
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(storedPicture(name)));
    // As QIcon(file) would: the larger picture only on a dense screen.
    if (qRound(qApp->devicePixelRatio()) >= 2) {
        QPixmap dense = QPixmap::fromImage(storedPicture(std::string(name) + "@2x"));
        dense.setDevicePixelRatio(2);
        icon.addPixmap(dense);
    }
    return icon;
}

QIcon programIcon()
{
    QIcon icon;
    for (const char* size : { "icon16", "icon32", "icon48", "icon64" })
        icon.addPixmap(QPixmap::fromImage(storedPicture(size)));
    return icon;
}
