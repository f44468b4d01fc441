// Qt's own texts are Russian, the file dialog's names of folders included.
#include "forms/widgets/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QtTest>

class TestQtTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installQtTranslations(*QCoreApplication::instance()); }

    void qtTextsInRussian_data()
    {
        QTest::addColumn<QByteArray>("context");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("fromCatalogue");
        QTest::newRow("button") << QByteArray("QPlatformTheme") << QByteArray("Cancel")
                                << QStringLiteral("Отмена") << true;
        QTest::newRow("print slot") << QByteArray("Print Device Input Slot") << QByteArray("Automatic")
                                    << QStringLiteral("Автоматически") << true;
        QTest::newRow("folder") << QByteArray("QAbstractFileIconProvider") << QByteArray("Folder")
                                << QStringLiteral("Папка") << false;
    }
    void qtTextsInRussian()
    {
        QFETCH(QByteArray, context);
        QFETCH(QByteArray, source);
        QFETCH(QString, answer);
        QFETCH(bool, fromCatalogue);
        if (fromCatalogue
            && !QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ru.qm"))
            QSKIP("Qt's Russian catalogue is not installed");
        QCOMPARE(QCoreApplication::translate(context, source), answer);
    }
};

QTEST_GUILESS_MAIN(TestQtTranslations)
#include "test_qttranslations.moc"
