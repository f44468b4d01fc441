// The diameter choice dialog: what it offers, what OK and Close hand back,
// and the cases that end it as cancel before it opens.
#include "forms/windows/dopvvod.h"
#include "helpers/datacopy.h"
#include "helpers/formtest.h"
#include "helpers/onmodal.h"
#include "helpers/recorder.h"
#include "helpers/textfit.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

class TestDopvvod : public QObject {
    Q_OBJECT

    const QString material = QStringLiteral("Сталь опытная");

    void prepare(DataCopy& data, const QStringList& diameters) { data.write(material + ".dat", diameters); }

private slots:
    void layoutFits()
    {
        MessageRecorder messages;
        TForm8 dialog(messages);
        QCOMPARE(dialog.size(), QSize(346, 164));
        QCOMPARE(cutTexts(&dialog), QStringList());
    }

    // The dialog opens; `pick` is the item chosen before the button.
    void choice_data()
    {
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<int>("pick");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<double>("chosenD");
        const QStringList file { "3", "", "4,5", "", "", "5" };
        const QStringList offered { "3", "4,5", "5" };
        QTest::newRow("OK at once takes the first") << file << offered << -1 << true << true << 3.0;
        QTest::newRow("OK after picking the last") << file << offered << 2 << true << true << 5.0;
        QTest::newRow("Close after picking cancels") << file << offered << 1 << false << false << 3.0;
        QTest::newRow("Close at once cancels") << file << offered << -1 << false << false << 3.0;
        QTest::newRow("lines kept as written")
            << QStringList { " 2,50", "1E1" } << QStringList { " 2,50", "1E1" } << 1 << true << true << 10.0;
    }
    void choice()
    {
        QFETCH(QStringList, file);
        QFETCH(QStringList, offered);
        QFETCH(int, pick);
        QFETCH(bool, ok);
        QFETCH(bool, chosen);
        QFETCH(double, chosenD);
        DataCopy data;
        prepare(data, file);
        MessageRecorder messages;
        TForm8 dialog(messages);
        QStringList shown;
        OnModal answer([&](QWidget* modal) {
            QCOMPARE(modal, &dialog);
            auto* list = dialog.findChild<QComboBox*>(QStringLiteral("dBox"));
            for (int k = 0; k < list->count(); ++k)
                shown << list->itemText(k);
            if (pick >= 0)
                list->setCurrentIndex(pick);
            dialog.findChild<QPushButton*>(QLatin1String(ok ? "BitBtn1" : "BitBtn2"))->click();
        });
        const std::optional<double> d = dialog.choose(data.dataDir(), material.toStdString());
        QVERIFY(answer.fired());
        QCOMPARE(shown, offered);
        QCOMPARE(d.has_value(), chosen);
        QCOMPARE(d.value_or(chosenD), chosenD);
        QCOMPARE(messages.messages, QStringList());
    }

    // With the diameter the calculation needs: shown, and the smallest
    // listed one not below it preselected (else the largest).
    void preselectsTheNeededDiameter_data()
    {
        QTest::addColumn<double>("needs");
        QTest::addColumn<QString>("preselected");
        QTest::addColumn<QString>("shown");
        QTest::newRow("between") << 0.87 << "1"
                                 << "Расчетный диаметр проволоки: 0,87 мм";
        QTest::newRow("listed") << 2.0 << "2"
                                << "Расчетный диаметр проволоки: 2 мм";
        QTest::newRow("above all") << 9.5 << "3"
                                   << "Расчетный диаметр проволоки: 9,5 мм";
    }
    void preselectsTheNeededDiameter()
    {
        QFETCH(double, needs);
        QFETCH(QString, preselected);
        QFETCH(QString, shown);
        DataCopy data;
        prepare(data, { "0,2", "3", "x", "1", "2" });
        MessageRecorder messages;
        TForm8 dialog(messages);
        QString current, said;
        OnModal answer([&](QWidget*) {
            current = dialog.findChild<QComboBox*>(QStringLiteral("dBox"))->currentText();
            said = dialog.findChild<QLabel*>(QStringLiteral("needed"))->text();
            dialog.reject();
        });
        dialog.choose(data.dataDir(), material.toStdString(), needs);
        QCOMPARE(current, preselected);
        QCOMPARE(said, shown);
    }

    // Nothing to choose from, or an item that is not a number: the message,
    // then cancel. `opens`: whether the dialog is shown at all.
    void endsAsCancel_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<int>("pick");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("message");
        QTest::newRow("file missing") << false << QStringList() << -1 << false << "no Сталь опытная.dat";
        QTest::newRow("only empty lines") << true << QStringList { "", "" } << -1 << false
                                          << "В файле Сталь опытная.dat нет ни одного диаметра";
        QTest::newRow("first item not a number") << true << QStringList { "abc", "3" } << -1 << false
                                                 << "'abc' is not a valid floating point value";
        QTest::newRow("chosen item not a number")
            << true << QStringList { "3", "3.5" } << 1 << true << "'3.5' is not a valid floating point value";
    }
    void endsAsCancel()
    {
        QFETCH(bool, fileExists);
        QFETCH(QStringList, file);
        QFETCH(int, pick);
        QFETCH(bool, opens);
        QFETCH(QString, message);
        DataCopy data;
        if (fileExists)
            data.write(material + ".dat", file);
        MessageRecorder messages;
        TForm8 dialog(messages);
        OnModal answer([&](QWidget*) {
            if (pick >= 0)
                dialog.findChild<QComboBox*>(QStringLiteral("dBox"))->setCurrentIndex(pick);
            dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        });
        QVERIFY(!dialog.choose(data.dataDir(), material.toStdString()));
        QCOMPARE(messages.messages, QStringList { message });
        QCOMPARE(answer.fired(), opens);
    }

    void reopeningRereadsTheFile()
    {
        DataCopy data;
        prepare(data, { "1", "2" });
        MessageRecorder messages;
        TForm8 dialog(messages);
        const std::string dir = data.dataDir();
        const std::string name = material.toStdString();
        {
            OnModal close(
                [&](QWidget*) { dialog.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click(); });
            QVERIFY(!dialog.choose(dir, name));
        }
        data.write(material + ".dat", { "1", "2", "7" });
        OnModal pickLast([&](QWidget*) {
            auto* list = dialog.findChild<QComboBox*>(QStringLiteral("dBox"));
            list->setCurrentIndex(list->count() - 1);
            dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        });
        QCOMPARE(dialog.choose(dir, name), std::optional<double>(7.0));
    }
};

PRUZ_FORM_TEST_MAIN(TestDopvvod)
#include "test_dopvvod.moc"
