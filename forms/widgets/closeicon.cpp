#include "forms/widgets/closeicon.h"
#include "forms/widgets/storedpictures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
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

// Qt's own pictures, stored in the program: the button's size and twice it
// (Qt's larger picture would only cost start-up time).
QIcon qtIcon(const QAbstractButton* button)
{
    QIcon icon;
    for (const char* name : { "close16", "close32" }) {
        const QImage picture = storedPicture(name);
        if (picture.isNull())
            return styleIcon(button);
        icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon;
}

quint32 bigEndian32(const QByteArray& bytes, qsizetype at)
{
    if (at < 0 || at + 4 > bytes.size())
        return 0;
    const auto* b = reinterpret_cast<const uchar*>(bytes.constData() + at);
    return quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 | b[3];
}

// Whether an icon cache (GTK's icon-theme.cache) is one Qt trusts: no older
// than any folder it lists. Qt then looks for icons in it alone.
bool cacheIsCurrent(const QString& folder, const QByteArray& cache, const QDateTime& built)
{
    const quint32 list = bigEndian32(cache, 8);
    const quint32 count = bigEndian32(cache, list);
    if (list == 0 || count == 0 || qsizetype(list) + 4 + 4 * qsizetype(count) > cache.size())
        return false;
    for (quint32 i = 0; i < count; ++i) {
        const quint32 at = bigEndian32(cache, qsizetype(list) + 4 + 4 * qsizetype(i));
        const qsizetype end = at > 0 ? cache.indexOf('\0', at) : -1;
        if (end < 0)
            return false;
        const QString dir = QString::fromUtf8(cache.constData() + at, end - at);
        if (QFileInfo(folder + QLatin1Char('/') + dir).lastModified() > built)
            return false;
    }
    return true;
}

// False when the theme surely lacks the icon: each of its folders has an
// icon cache that Qt would trust and that does not name the icon. Qt's own
// answer parses the theme's whole index and keeps it (for hicolor,
// thousands of lines and some 800 KB) to find, mostly, nothing.
bool themeMayHave(const QString& theme, const QString& icon)
{
    const QByteArray name = icon.toUtf8() + '\0';
    for (const QString& root : QIcon::themeSearchPaths()) {
        const QString folder = root + QLatin1Char('/') + theme;
        if (!QFileInfo(folder).isDir())
            continue;
        QFile file(folder + QStringLiteral("/icon-theme.cache"));
        if (!file.open(QIODevice::ReadOnly))
            return true;
        const QByteArray cache = file.readAll();
        if (!cacheIsCurrent(folder, cache, QFileInfo(file).lastModified()) || cache.contains(name))
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
