// The main window's close icon is the style's own, pixel for pixel, once
// the window has been drawn, whichever icon theme there is.
#include "forms/widgets/appstyle.h"
#include "forms/widgets/closeicon.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>

namespace {

enum class IconCache { None, Fresh, Stale };

// An icon theme `name` in `dir`, with a red "window-close" when `withIcon`,
// and an icon cache that does not name it.
void makeTheme(const QString& dir, const QString& name, bool withIcon, IconCache cache)
{
    const QString folder = dir + QLatin1Char('/') + name;
    QDir().mkpath(folder + QStringLiteral("/16x16/actions"));
    QFile index(folder + QStringLiteral("/index.theme"));
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=" + name.toUtf8()
        + "\nDirectories=16x16/actions\n\n[16x16/actions]\nSize=16\nType=Fixed\n");
    index.close();
    if (withIcon) {
        QImage red(16, 16, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(folder + QStringLiteral("/16x16/actions/window-close.png")));
    }
    if (cache == IconCache::None)
        return;
    // A cache in GTK's format that lists the theme's one folder and no icon.
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly); // big-endian
    out << quint16(1) << quint16(0) << quint32(12) << quint32(16) << quint32(0) << quint32(1) << quint32(24);
    bytes += QByteArray("16x16/actions", 14);
    QFile file(folder + QStringLiteral("/icon-theme.cache"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.flush(); // else closing would set the time again
    const QDateTime folderTime = QFileInfo(folder + QStringLiteral("/16x16/actions")).lastModified();
    QVERIFY(file.setFileTime(
        folderTime.addSecs(cache == IconCache::Fresh ? 60 : -60), QFileDevice::FileModificationTime));
}

QImage shown(const QIcon& icon)
{
    return icon.pixmap(16).toImage();
}

} // namespace

class TestCloseIcon : public QObject {
    Q_OBJECT
private slots:
    void isTheStylesIcon_data()
    {
        // Each row its own theme names: Qt keeps what it found for a name.
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("fallback");
        QTest::addColumn<bool>("withIcon");
        QTest::addColumn<IconCache>("cache");
        QTest::newRow("fallback theme without the icon") << "fallback1"
                                                         << "fallback1" << false << IconCache::None;
        QTest::newRow("fallback theme with the icon") << "fallback2"
                                                      << "fallback2" << true << IconCache::None;
        QTest::newRow("desktop theme with the icon") << "desktop"
                                                     << "fallback3" << true << IconCache::None;
        QTest::newRow("cache without the icon") << "fallback4"
                                                << "fallback4" << false << IconCache::Fresh;
        QTest::newRow("stale cache, icon added") << "fallback5"
                                                 << "fallback5" << true << IconCache::Stale;
    }
    void isTheStylesIcon()
    {
        QFETCH(QString, theme);
        QFETCH(QString, fallback);
        QFETCH(bool, withIcon);
        QFETCH(IconCache, cache);
        QTemporaryDir themes;
        makeTheme(themes.path(), theme, withIcon, cache);
        QIcon::setThemeSearchPaths({ themes.path() });
        QIcon::setFallbackThemeName(fallback);
        QIcon::setThemeName(theme);
        QWidget window;
        auto* button = new QPushButton(&window);
        setCloseButtonIcon(button);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage styles = shown(window.style()->standardIcon(QStyle::SP_DialogCloseButton));
        QCOMPARE(styles.pixelColor(8, 8) == QColor(Qt::red), withIcon);
        QTRY_COMPARE(shown(button->icon()), styles);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    applyAppStyle(app);
    TestCloseIcon test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_closeicon.moc"
