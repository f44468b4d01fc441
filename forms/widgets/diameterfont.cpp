#include "forms/widgets/diameterfont.h"

#include <QFontDatabase>
#include <QResource>

// The resources live in a static library; registering them here makes the
// linker keep them.
static void registerFonts()
{
    Q_INIT_RESOURCE(fonts);
}

QFont diameterListFont(const QFont& window, int pixelSize)
{
    static const QString family = [] {
        registerFonts();
        const QResource file(QStringLiteral(":/fonts/diameters.ttf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(
            QFontDatabase::addApplicationFontFromData(file.uncompressedData()));
        return families.isEmpty() ? QString() : families.front();
    }();
    QFont font = family.isEmpty() ? window : QFont(family);
    font.setPixelSize(pixelSize);
    return font;
}
