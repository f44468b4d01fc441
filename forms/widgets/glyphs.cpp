#include "forms/widgets/glyphs.h"

#include <QGuiApplication>

// The resources live in a static library, whose resources must be
// registered explicitly; Q_INIT_RESOURCE must be used outside any namespace.
static void registerGlyphs()
{
    Q_INIT_RESOURCE(glyphs);
}

namespace {

// Read with the format named, Qt's own PNG reader reads it; left to guess
// the format, Qt would load every image format plugin there is first.
QPixmap png(const QString& path)
{
    static const bool registered = (registerGlyphs(), true);
    (void)registered;
    return QPixmap(path, "PNG");
}

} // namespace

QIcon glyph(const char* name)
{
    const QString path = QStringLiteral(":/glyphs/") + QLatin1String(name);
    QIcon icon(png(path + QStringLiteral(".png")));
    // As QIcon(file) would: the larger image only on a dense screen.
    if (qRound(qApp->devicePixelRatio()) >= 2) {
        QPixmap dense = png(path + QStringLiteral("@2x.png"));
        dense.setDevicePixelRatio(2);
        icon.addPixmap(dense);
    }
    return icon;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : { 16, 32, 48, 64 })
        icon.addPixmap(png(QStringLiteral(":/icons/%1x%1.png").arg(size)));
    return icon;
}
