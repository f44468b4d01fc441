#include "forms/widgets/glyphs.h"

// The resources live in a static library; registering them here makes the
// linker keep them wherever a glyph is used.
static void registerGlyphs()
{
    Q_INIT_RESOURCE(glyphs);
}

QIcon glyph(const char* name)
{
    static const bool registered = (registerGlyphs(), true);
    Q_UNUSED(registered);
    return QIcon(QStringLiteral(":/glyphs/") + QLatin1String(name) + QStringLiteral(".svg"));
}
