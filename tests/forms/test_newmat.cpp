// "Новый материал" (TForm9): what the name field takes, and what OK takes.

#include "helpers/setup_recorder.h"

#include "forms/windows/NewMat.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestNewMat : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        messages = SetupRecorder();
        dialog = std::make_unique<TForm9>(messages);
        dialog->setListedNames({ "60С2А", "Проволока I класса" });
        field = dialog->findChild<QLineEdit*>(QStringLiteral("name"));
        dialog->show();
    }
    void cleanup() { dialog.reset(); }

    void typedCharactersFileNamesCannotHold_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::newRow("listed signs") << "a*b,c.d/e?f\\g"
                                      << "abcdefg";
        QTest::newRow("colon") << "Сталь:65"
                               << "Сталь65";
        QTest::newRow("cyrillic, digits, blanks, dash") << "Сталь 65Г-1 "
                                                        << "Сталь 65Г-1 ";
        QTest::newRow("outside windows-1251") << QStringLiteral("ab\u4E2D\u00FCc") << "abc";
        QTest::newRow("in windows-1251") << QStringLiteral("№1 «€»") << QStringLiteral("№1 «€»");
        QTest::newRow("tab") << "a\tb"
                             << "ab";
    }
    void typedCharactersFileNamesCannotHold()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        field->clear();
        typeText(field, typed);
        QCOMPARE(field->text(), text);
    }

    // Pasted or set from code, the refused characters are dropped and the
    // rest kept: a name copied from a spreadsheet comes with a line break.
    void pastedCharactersFileNamesCannotHoldAreDropped_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("text");
        QTest::newRow("colon") << " 65:Г"
                               << "Сталь 65Г";
        QTest::newRow("spreadsheet cell") << "\r\n65Г\r\n"
                                          << "Сталь65Г";
        QTest::newRow("LF, Ctrl-Z, NUL") << QStringLiteral("\n6\x1A"
                                                           "5")
                + QChar(0) << "Сталь65";
        QTest::newRow("sound") << " 65Г"
                               << "Сталь 65Г";
    }
    void pastedCharactersFileNamesCannotHoldAreDropped()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, text);
        field->setText(QStringLiteral("Сталь"));
        field->end(false);
        QApplication::clipboard()->setText(pasted);
        field->paste();
        QCOMPARE(field->text(), text);
        field->setText(QStringLiteral("Сталь") + pasted);
        QCOMPARE(field->text(), text);
    }

    void ok_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("message");
        QTest::newRow("new name, blanks kept") << "  Сталь 65Г " << true << "";
        QTest::newRow("empty: stays, silent") << "" << false << "";
        QTest::newRow("listed") << "60С2А" << false << "Материал 60С2А уже есть в списке";
        QTest::newRow("listed, other case")
            << "проволока i класса" << false << "Материал проволока i класса уже есть в списке";
        QTest::newRow("a table's file")
            << "sigmab" << false << "Название sigmab не подходит: файл sigmab.dat уже занят";
        QTest::newRow("another material's properties file")
            << "60С2Аmat" << false << "Название 60С2Аmat не подходит: файл 60С2Аmat.dat уже занят";
        QTest::newRow("too long for a file name")
            << QString(119, QChar(0x0436)) << false
            << "Название материала слишком длинное: допускается не более 118 русских "
               "букв (или 237 латинских букв и цифр)";
    }
    void ok()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        QFETCH(QString, message);
        field->setText(name);
        dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        QCOMPARE(dialog->isVisible(), !accepted);
        QCOMPARE(QString::fromStdString(dialog->name()), accepted ? name : QString());
        QCOMPARE(messages.messages, message.isEmpty() ? QStringList() : QStringList { message });
    }

    void enterPressesOk()
    {
        typeText(field, QStringLiteral("Бронза"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->name(), std::string("Бронза"));
    }

    void cancelAndCloseLeaveNameAlone()
    {
        field->setText(QStringLiteral("Латунь"));
        dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        dialog->show();
        QCOMPARE(field->text(), QStringLiteral("Латунь")); // kept for the next use
        dialog->close();
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(dialog->name(), std::string());
    }

private:
    SetupRecorder messages;
    std::unique_ptr<TForm9> dialog;
    QLineEdit* field = nullptr;
};

int main(int argc, char** argv)
{
    TestNewMat test;
    return runStyledTest(test, argc, argv);
}

#include "test_newmat.moc"
