// Qt's own texts are Russian, while the start reads Qt's catalogue only
// when one of them is first asked for.
#include "forms/widgets/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QtTest>

#include <thread>
#include <vector>

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

    // The file dialog reads folders in a thread of its own, which asks for
    // the names of file types while the window asks for its buttons'.
    void answersSeveralThreadsAtOnce()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ru.qm"))
            QSKIP("Qt's Russian catalogue is not installed");
        const LazyQtCatalogue catalogue;
        std::vector<QString> answers(8);
        std::vector<std::thread> threads;
        for (QString& answer : answers)
            threads.emplace_back([&] { answer = catalogue.translate("QPlatformTheme", "Cancel"); });
        for (std::thread& t : threads)
            t.join();
        for (const QString& answer : answers)
            QCOMPARE(answer, QStringLiteral("Отмена"));
    }

    void installedBesideTheFileTypeNames()
    {
        installQtTranslations(*QCoreApplication::instance());
        QCOMPARE(QCoreApplication::translate("QAbstractFileIconProvider", "Folder"), QStringLiteral("Папка"));
    }
};

QTEST_GUILESS_MAIN(TestQtTranslations)
#include "test_qttranslations.moc"
