// Qt's own texts are Russian, while the start reads Qt's catalogue only
// when one of them is first asked for.
#include "forms/widgets/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QtTest>

class TestQtTranslations : public QObject {
    Q_OBJECT
private slots:
    void readOnFirstQtText_data()
    {
        QTest::addColumn<QByteArray>("context");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("reads");
        // What the start asks: the program's own window texts and the
        // direction of writing.
        QTest::newRow("own window") << QByteArray("TForm1") << QByteArray("Расчет") << QString() << false;
        QTest::newRow("direction") << QByteArray("QGuiApplication") << QByteArray("QT_LAYOUT_DIRECTION")
                                   << QString() << false;
        QTest::newRow("button") << QByteArray("QPlatformTheme") << QByteArray("Cancel")
                                << QStringLiteral("Отмена") << true;
        QTest::newRow("print slot") << QByteArray("Print Device Input Slot") << QByteArray("Automatic")
                                    << QStringLiteral("Автоматически") << true;
    }
    void readOnFirstQtText()
    {
        QFETCH(QByteArray, context);
        QFETCH(QByteArray, source);
        QFETCH(QString, answer);
        QFETCH(bool, reads);
        if (reads && !QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ru.qm"))
            QSKIP("Qt's Russian catalogue is not installed");
        const LazyQtCatalogue catalogue;
        QCOMPARE(catalogue.translate(context, source), answer);
        QCOMPARE(catalogue.loaded(), reads);
    }

    void installedBesideTheFileTypeNames()
    {
        installQtTranslations(*QCoreApplication::instance());
        QCOMPARE(QCoreApplication::translate("QAbstractFileIconProvider", "Folder"), QStringLiteral("Папка"));
    }
};

QTEST_GUILESS_MAIN(TestQtTranslations)
#include "test_qttranslations.moc"
