#include "forms/widgets/glyphs.h"

#include <QGuiApplication>
#include <QImageReader>

// The resources live in a static library; registering them here makes the
// linker keep them wherever a glyph is used.
static void registerGlyphs()
{
    Q_INIT_RESOURCE(glyphs);
}

static void ensureRegistered()
{
    static const bool registered = (registerGlyphs(), true);
    Q_UNUSED(registered);
}

QPixmap readPng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon glyph(const char* name)
{
    ensureRegistered();
    const QString base = QStringLiteral(":/glyphs/") + QLatin1String(name);
    QIcon icon;
    icon.addPixmap(readPng(base + QStringLiteral(".png")));
    // As QIcon(file) would: the larger picture only on a dense screen.
    if (qRound(qApp->devicePixelRatio()) >= 2) {
        QPixmap dense = readPng(base + QStringLiteral("@2x.png"));
        dense.setDevicePixelRatio(2);
        icon.addPixmap(dense);
    }
    return icon;
}

QIcon programIcon()
{
    ensureRegistered();
    QIcon icon;
    for (int size : { 16, 32, 48, 64 })
        icon.addPixmap(readPng(QStringLiteral(":/icon/%1.png").arg(size)));
    return icon;
}
