#include "forms/closeicon.h"

#include <QApplication>
#include <QImageReader>
#include <QPixmap>
#include <QStyle>

QIcon closeButtonIcon(const QStyle* style)
{
    if (QApplication::desktopSettingsAware() && !QIcon::themeName().isEmpty()
        && QIcon::hasThemeIcon(QStringLiteral("window-close")))
        return style->standardIcon(QStyle::SP_DialogCloseButton);
    QIcon icon;
    for (int size : { 16, 32, 128 }) {
        QImageReader reader(
            QStringLiteral(":/qt-project.org/styles/commonstyle/images/standardbutton-close-%1.png")
                .arg(size),
            "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (image.isNull()) // a Qt that keeps its pictures elsewhere
            return style->standardIcon(QStyle::SP_DialogCloseButton);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
