#include "forms/widgets/glyphs.h"

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

QIcon glyph(const char* name)
{
    ensureRegistered();
    // QIcon finds "<name>@2x.png" beside the file by itself.
    return QIcon(QStringLiteral(":/glyphs/") + QLatin1String(name) + QStringLiteral(".png"));
}

QIcon programIcon()
{
    ensureRegistered();
    QIcon icon;
    for (int size : { 16, 32, 48, 64 })
        icon.addFile(QStringLiteral(":/icon/%1.png").arg(size), QSize(size, size));
    return icon;
}
