// The message boxes: wide enough for their title, and the save question
// answered with Alt keys in either keyboard layout.
#include "forms/widgets/qtmessages.h"
#include "helpers/formtest.h"
#include "helpers/onmodal.h"

#include <QElapsedTimer>
#include <QMessageBox>

class TestQtMessages : public QObject {
    Q_OBJECT
private slots:
    void titleFits()
    {
        QtMessages messages;
        int width = 0, title = 0;
        OnModal close([&](QWidget* box) {
            width = box->width();
            title = box->fontMetrics().horizontalAdvance(box->windowTitle());
            box->close();
        });
        messages.message(QStringLiteral("Да"));
        QVERIFY(close.fired());
        QVERIFY2(width > title + 100, qPrintable(QStringLiteral("%1 for %2").arg(width).arg(title)));
    }

    void saveQuestionKeys_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<int>("answer"); // Messages::SaveAnswer
        const int save = int(Messages::SaveAnswer::Save), dontSave = int(Messages::SaveAnswer::DontSave),
                  cancel = int(Messages::SaveAnswer::Cancel);
        QTest::newRow("Alt+С") << (Qt::ALT | Qt::Key(0x0421)) << save;
        QTest::newRow("Alt+Н") << (Qt::ALT | Qt::Key(0x041D)) << dontSave;
        QTest::newRow("Alt+О") << (Qt::ALT | Qt::Key(0x041E)) << cancel;
        QTest::newRow("Alt+C, Latin") << (Qt::ALT | Qt::Key_C) << save;
        QTest::newRow("Alt+Y, Latin") << (Qt::ALT | Qt::Key_Y) << dontSave;
        QTest::newRow("Alt+J, Latin") << (Qt::ALT | Qt::Key_J) << cancel;
    }
    void saveQuestionKeys()
    {
        QFETCH(QKeyCombination, key);
        QFETCH(int, answer);
        QtMessages messages;
        OnModal press([&](QWidget* box) {
            const QString letter = QString(QChar(char16_t(key.key()))).toLower();
            QTest::sendKeyEvent(QTest::Click, box, key.key(), letter, key.keyboardModifiers());
        });
        QTimer stop; // a key that does nothing leaves the box open: ended here
        stop.singleShot(3000, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
        QElapsedTimer took;
        took.start();
        QCOMPARE(int(messages.askToSave(QStringLiteral("Исходные данные изменены. Сохранить их?"))), answer);
        QVERIFY(took.elapsed() < 2500);
    }
};

PRUZ_FORM_TEST_MAIN(TestQtMessages)
#include "test_qtmessages.moc"
