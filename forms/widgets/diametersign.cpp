#include "forms/widgets/diametersign.h"

#include <QFontDatabase>
#include <QResource>

// The resources live in a static library; registering them here makes the
// linker keep them.
static void registerFonts()
{
    Q_INIT_RESOURCE(fonts);
}

namespace {

QString signFamily()
{
    static const QString family = [] {
        registerFonts();
        const QResource file(QStringLiteral(":/fonts/diameter-sign.ttf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(
            QFontDatabase::addApplicationFontFromData(file.uncompressedData()));
        return families.isEmpty() ? QString() : families.front();
    }();
    return family;
}

} // namespace

QFont withDiameterSign(QFont font)
{
    const QString sign = signFamily();
    if (!sign.isEmpty())
        font.setFamilies({ font.family(), sign });
    return font;
}
