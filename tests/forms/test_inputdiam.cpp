// "Новый диаметр" (TForm11): the numeric key filter on its field, the tidy
// on leaving it, and OK taking only a diameter above zero.

#include "helpers/setup_recorder.h"

#include "forms/widgets/numericfield.h"
#include "forms/windows/Inputdiam.h"
#include "forms/windows/dopvvod.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace {

// One character of a key script: the key the user presses.
void press(QWidget* field, QChar k)
{
    struct Key {
        Qt::Key key;
        QString text;
        Qt::KeyboardModifiers modifiers;
    };
    Key key;
    if (k.isDigit())
        key = { static_cast<Qt::Key>(Qt::Key_0 + k.digitValue()), QString(k), Qt::NoModifier };
    else if (k == QLatin1Char('.'))
        key = { Qt::Key_Period, QStringLiteral("."), Qt::NoModifier };
    else if (k == QLatin1Char(','))
        key = { Qt::Key_Comma, QStringLiteral(","), Qt::NoModifier };
    else if (k == QLatin1Char('k')) // keypad decimal key
        key = { Qt::Key_Period, QStringLiteral("."), Qt::KeypadModifier };
    else if (k == QLatin1Char('n')) // keypad 5
        key = { Qt::Key_5, QStringLiteral("5"), Qt::KeypadModifier };
    else if (k == QChar(0x0431)) // the comma key on a Russian layout
        key = { static_cast<Qt::Key>(0x0411), QString(k), Qt::NoModifier };
    else if (k == QLatin1Char('&')) // Shift+7
        key = { Qt::Key_Ampersand, QStringLiteral("&"), Qt::ShiftModifier };
    else if (k == QLatin1Char('<'))
        key = { Qt::Key_Backspace, QStringLiteral("\b"), Qt::NoModifier };
    else if (k == QLatin1Char('v')) // Ctrl+V
        key = { Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier };
    else
        key = { static_cast<Qt::Key>(k.toUpper().unicode()), QString(k), Qt::NoModifier };
    QTest::sendKeyEvent(QTest::Click, field, key.key, key.text, key.modifiers);
}

void leave(QWidget* field)
{
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(field, &out);
}

} // namespace

class TestInputdiam : public QObject {
    Q_OBJECT

private slots:
    // The dialogs' buttons speak Russian, the standard ones included.
    void buttonTextsAreRussian_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::newRow("Новый диаметр") << "TForm11";
        QTest::newRow("Выбор диаметра") << "TForm8";
    }
    void buttonTextsAreRussian()
    {
        QFETCH(QString, dialog);
        SetupRecorder messages;
        std::unique_ptr<QDialog> window;
        if (dialog == QLatin1String("TForm11"))
            window = std::make_unique<TForm11>();
        else
            window = std::make_unique<TForm8>(messages);
        const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
            if (button->text() != QLatin1String("OK"))
                QVERIFY2(!button->text().contains(latin), qPrintable(button->text()));
    }

    void init()
    {
        dialog = std::make_unique<TForm11>();
        field = dialog->findChild<QLineEdit*>(QStringLiteral("diameter"));
        ok = dialog->findChild<QPushButton*>(QStringLiteral("okButton"));
        dialog->show();
    }
    void cleanup() { dialog.reset(); }

    void keys_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::newRow("period then 5") << ""
                                       << ".5"
                                       << ",5";
        QTest::newRow("second separator dropped") << ""
                                                  << "1..5"
                                                  << "1,5";
        QTest::newRow("comma key") << ""
                                   << "2,5"
                                   << "2,5";
        QTest::newRow("keypad decimal and digit") << ""
                                                  << "1kn"
                                                  << "1,5";
        QTest::newRow("russian comma key") << "" << QStringLiteral("3б7") << "3,7";
        QTest::newRow("double zero refused") << ""
                                             << "00"
                                             << "0";
        QTest::newRow("zero after comma") << ""
                                          << "0,0"
                                          << "0,0";
        QTest::newRow("zero after other digit") << ""
                                                << "100"
                                                << "100";
        QTest::newRow("shift 7 gives 7") << ""
                                         << "&"
                                         << "7";
        QTest::newRow("letters and space give nothing") << ""
                                                        << "a1 z"
                                                        << "1";
        QTest::newRow("backspace") << "12"
                                   << "<"
                                   << "1";
        QTest::newRow("comma refused when text has one") << "1,5"
                                                         << ","
                                                         << "1,5";
        QTest::newRow("ctrl v pastes nothing") << ""
                                               << "v"
                                               << "";
    }
    void keys()
    {
        QFETCH(QString, start);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QApplication::clipboard()->setText(QStringLiteral("abc"));
        field->setText(start);
        for (const QChar k : keys)
            press(field, k);
        QCOMPARE(field->text(), text);
    }

    void lastKeyFollowsEachKey()
    {
        const NumericField* filter = field->findChild<NumericField*>();
        QVERIFY(filter);
        press(field, QLatin1Char('5'));
        QCOMPARE(filter->lastKey(), '5');
        press(field, QLatin1Char('k'));
        QCOMPARE(filter->lastKey(), ',');
        press(field, QLatin1Char('a'));
        QCOMPARE(filter->lastKey(), '\0');
    }

    void leavingDropsTrailingComma_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        QTest::newRow("2,") << "2,"
                            << "2";
        QTest::newRow(",") << ","
                           << "";
        QTest::newRow("1,5") << "1,5"
                             << "1,5";
        QTest::newRow("empty stays empty") << ""
                                           << "";
    }
    void leavingDropsTrailingComma()
    {
        QFETCH(QString, text);
        QFETCH(QString, after);
        field->setText(text);
        leave(field);
        QCOMPARE(field->text(), after);
    }

    void okTakesOnlyAboveZero_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("newDiameter");
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("0") << "0" << false << "";
        QTest::newRow("0,0") << "0,0" << false << "";
        QTest::newRow("00") << "00" << false << "";
        QTest::newRow("0,") << "0," << false << "";
        QTest::newRow("pasted text") << "abc" << false << "";
        QTest::newRow(",5") << ",5" << true << ",5";
        QTest::newRow("1,5") << "1,5" << true << "1,5";
        QTest::newRow("2, tidied") << "2," << true << "2";
    }
    void okTakesOnlyAboveZero()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(QString, newDiameter);
        field->setText(text);
        ok->click();
        QCOMPARE(dialog->isVisible(), !accepted);
        if (accepted)
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(dialog->diameter()), newDiameter);
    }

    void enterPressesOkAndEscapeCancels()
    {
        press(field, QLatin1Char('3'));
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->diameter(), std::string("3"));

        dialog->show();
        QCOMPARE(field->text(), QStringLiteral("3")); // kept from the last use
        press(field, QLatin1Char('4'));
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(dialog->diameter(), std::string("3"));
    }

    void cancelButton()
    {
        field->setText(QStringLiteral("5"));
        dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(dialog->diameter(), std::string());
    }

private:
    std::unique_ptr<TForm11> dialog;
    QLineEdit* field = nullptr;
    QPushButton* ok = nullptr;
};

int main(int argc, char** argv)
{
    TestInputdiam test;
    return runStyledTest(test, argc, argv);
}

#include "test_inputdiam.moc"
