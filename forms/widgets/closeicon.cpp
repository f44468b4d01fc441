#include "forms/widgets/closeicon.h"
#include "forms/widgets/glyphs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDirIterator>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QPointer>
#include <QStyle>

namespace {

const QString kThemeName = QStringLiteral("window-close");

QIcon styleIcon(const QAbstractButton* button)
{
    return button->style()->standardIcon(QStyle::SP_DialogCloseButton);
}

// Qt's own pictures, read as the PNG files they are: the button's size and
// twice it (Qt's larger picture would only cost start-up time).
QIcon qtIcon(const QAbstractButton* button)
{
    QIcon icon;
    for (int size : { 16, 32 }) {
        const QPixmap picture
            = readPng(QStringLiteral(":/qt-project.org/styles/commonstyle/images/standardbutton-close-%1.png")
                          .arg(size));
        if (picture.isNull()) // a Qt that keeps its pictures elsewhere
            return styleIcon(button);
        icon.addPixmap(picture);
    }
    return icon;
}

// False when the theme surely lacks the icon: each of its folders has an
// icon cache no older than any folder beneath it, and no cache names the
// icon. Qt's own answer parses the theme's whole index and keeps it (for
// hicolor, thousands of lines and some 800 KB) to find, mostly, nothing.
bool themeMayHave(const QString& theme, const QString& icon)
{
    const QByteArray name = icon.toUtf8() + '\0';
    for (const QString& root : QIcon::themeSearchPaths()) {
        const QString folder = root + QLatin1Char('/') + theme;
        if (!QFileInfo(folder).isDir())
            continue;
        QFile cache(folder + QStringLiteral("/icon-theme.cache"));
        if (!cache.open(QIODevice::ReadOnly))
            return true;
        const QDateTime built = QFileInfo(cache).lastModified();
        if (QFileInfo(folder).lastModified() > built)
            return true;
        QDirIterator below(folder, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (below.hasNext())
            if (below.nextFileInfo().lastModified() > built)
                return true;
        if (cache.readAll().contains(name))
            return true;
    }
    // Unthemed icons, which Qt finds too.
    for (const QString& root : QIcon::fallbackSearchPaths())
        for (const char* suffix : { ".png", ".svg", ".xpm" })
            if (QFileInfo::exists(root + QLatin1Char('/') + icon + QLatin1String(suffix)))
                return true;
    return false;
}

// After the window's first drawing, gives the button the theme's icon if
// the theme has one.
class ThemeLookAfterPaint : public QObject {
public:
    explicit ThemeLookAfterPaint(QAbstractButton* button)
        : QObject(button)
        , button_(button)
    {
        button->window()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (button_ && themeMayHave(QIcon::themeName(), kThemeName)
                        && QIcon::hasThemeIcon(kThemeName))
                        button_->setIcon(styleIcon(button_));
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QPointer<QAbstractButton> button_;
};

} // namespace

void setCloseButtonIcon(QAbstractButton* button)
{
    const bool themed = QApplication::desktopSettingsAware() && !QIcon::themeName().isEmpty();
    if (themed && QIcon::themeName() != QIcon::fallbackThemeName()) {
        button->setIcon(styleIcon(button));
        return;
    }
    button->setIcon(qtIcon(button));
    if (themed)
        new ThemeLookAfterPaint(button);
}
