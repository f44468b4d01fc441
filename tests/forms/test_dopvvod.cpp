// The diameter choice dialog: what it offers, what OK and Close hand back,
// and the cases that end it as cancel before it opens.
#include "engine/peremenn.h"
#include "forms/dopvvod.h"
#include "helpers/datacopy.h"
#include "helpers/formtest.h"
#include "helpers/onmodal.h"
#include "helpers/recorder.h"
#include "helpers/textfit.h"

#include <QComboBox>
#include <QPushButton>

class TestDopvvod : public QObject {
    Q_OBJECT

    const QString material = QStringLiteral("Сталь опытная");

    void prepare(DataCopy& data, Peremenn& p, const QStringList& diameters)
    {
        data.write(material + ".dat", diameters);
        p.dataDir = data.dataDir();
        p.materialName = material.toStdString();
    }

private slots:
    void layoutFits()
    {
        Peremenn p;
        MessageRecorder messages;
        TForm8 dialog(p, messages);
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
        Peremenn p;
        prepare(data, p, file);
        MessageRecorder messages;
        TForm8 dialog(p, messages);
        QStringList shown;
        OnModal answer([&](QWidget* modal) {
            QCOMPARE(modal, &dialog);
            for (int k = 0; k < dialog.ui.dBox->count(); ++k)
                shown << dialog.ui.dBox->itemText(k);
            if (pick >= 0)
                dialog.ui.dBox->setCurrentIndex(pick);
            (ok ? dialog.ui.BitBtn1 : dialog.ui.BitBtn2)->click();
        });
        QCOMPARE(dialog.choose(), chosen);
        QVERIFY(answer.fired());
        QCOMPARE(shown, offered);
        QCOMPARE(p.chosenD, chosenD);
        QCOMPARE(messages.messages, QStringList());
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
        Peremenn p;
        if (fileExists)
            data.write(material + ".dat", file);
        p.dataDir = data.dataDir();
        p.materialName = material.toStdString();
        MessageRecorder messages;
        TForm8 dialog(p, messages);
        OnModal answer([&](QWidget*) {
            if (pick >= 0)
                dialog.ui.dBox->setCurrentIndex(pick);
            dialog.ui.BitBtn1->click();
        });
        QVERIFY(!dialog.choose());
        QCOMPARE(messages.messages, QStringList { message });
        QCOMPARE(answer.fired(), opens);
    }

    void reopeningRereadsTheFile()
    {
        DataCopy data;
        Peremenn p;
        prepare(data, p, { "1", "2" });
        MessageRecorder messages;
        TForm8 dialog(p, messages);
        {
            OnModal close([&](QWidget*) { dialog.ui.BitBtn2->click(); });
            QVERIFY(!dialog.choose());
        }
        data.write(material + ".dat", { "1", "2", "7" });
        OnModal pickLast([&](QWidget*) {
            dialog.ui.dBox->setCurrentIndex(dialog.ui.dBox->count() - 1);
            dialog.ui.BitBtn1->click();
        });
        QVERIFY(dialog.choose());
        QCOMPARE(p.chosenD, 7.0);
    }
};

PRUZ_FORM_TEST_MAIN(TestDopvvod)
#include "test_dopvvod.moc"
