// "Диаметры" (TForm10): loading in state 2, adding with the sort, removing,
// and OK writing the material's diameter file.

#include "helpers/setup_recorder.h"

#include "forms/windows/Inputdiam.h"
#include "forms/windows/newdiam.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

// A step of the player: "Новый диаметр" gets `text` and OK.
DialogPlayer::Step enterDiameter(const QString& text)
{
    return [text](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("diameter"))->setText(text);
        d.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    };
}

} // namespace

class TestNewdiam : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        data = std::make_unique<CatalogueScratch>();
        data->write(QStringLiteral("Тест.dat"), catalogueBytes({ "2", "", "1,50", "3" }));
        dataDir = data->dataDir();
        messages = SetupRecorder();
        player = DialogPlayer();
        input = std::make_unique<TForm11>();
        dialog = std::make_unique<TForm10>(dataDir, messages, *input);
        dialog->setMaterial("Тест", true);
        dialog->runDialog = player.runner();
        list = dialog->findChild<QListWidget*>(QStringLiteral("list"));
    }
    void cleanup()
    {
        dialog.reset();
        input.reset();
        data.reset();
    }

    void showingInState2LoadsTheFile()
    {
        dialog->show();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Диаметры для Тест"));
        QCOMPARE(entries(), QStringList({ "2", "1,50", "3" }));
        QVERIFY(messages.messages.isEmpty());
    }

    void missingFileKeepsTheList()
    {
        dialog->show();
        clickOk();
        dialog->setMaterial("Нет такого", true);
        dialog->show();
        QCOMPARE(messages.messages, QStringList { "no Нет такого.dat" });
        QCOMPARE(entries(), QStringList({ "2", "1,50", "3" }));
    }

    void whileAddingStartsFromTheLastList()
    {
        dialog->show();
        clickOk();
        dialog->setMaterial("Новый", false);
        dialog->show();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Диаметры"));
        QCOMPARE(entries(), QStringList({ "2", "1,50", "3" }));
        clickOk();
        QCOMPARE(data->bytes(QStringLiteral("Новый.dat")), catalogueBytes({ "2", "1,50", "3" }));
    }

    void addingSorts_data()
    {
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("message");
        QTest::newRow("3, 1,2, 2 added") << QStringList { "5" } << QStringList { "3", "1,2", "2" }
                                         << QStringList { "1,2", "2", "3", "5" } << "";
        QTest::newRow("an entry that is no number stops the sort, nothing moves")
            << QStringList { "3", "x", "1" } << QStringList { "2" } << QStringList { "3", "x", "1", "2" }
            << "'x' is not a valid floating point value";
    }
    void addingSorts()
    {
        QFETCH(QStringList, file);
        QFETCH(QStringList, added);
        QFETCH(QStringList, list);
        QFETCH(QString, message);
        data->write(QStringLiteral("Тест.dat"), catalogueBytes(file));
        dialog->show();
        for (const QString& d : added) {
            player.then(enterDiameter(d));
            plus();
        }
        QCOMPARE(entries(), list);
        QCOMPARE(messages.messages, message.isEmpty() ? QStringList() : QStringList { message });
        QCOMPARE(player.shown, QStringList(added.size(), QStringLiteral("TForm11")));
    }

    void cancelledNewDiameterAddsNothing()
    {
        dialog->show();
        player.then([](QDialog& d) { d.reject(); });
        plus();
        QCOMPARE(entries(), QStringList({ "2", "1,50", "3" }));
    }

    void removing()
    {
        dialog->show();
        list->setCurrentRow(-1);
        minus();
        QCOMPARE(messages.messages, QStringList { "Не выбран удаляемый диаметр!!" });
        QVERIFY(messages.questions.isEmpty());

        list->setCurrentRow(1);
        minus(); // answered Cancel
        QCOMPARE(messages.questions.last(),
            qMakePair(QStringLiteral("Удаление диаметра."),
                QStringLiteral("Вы действительно хотите удалить диаметр  1,50")));
        QCOMPARE(entries(), QStringList({ "2", "1,50", "3" }));

        messages.answers = { true };
        list->setCurrentRow(1);
        minus();
        QCOMPARE(entries(), QStringList({ "2", "3" })); // no re-sort

        messages.answers = { true, true };
        for (int k = 0; k < 2; ++k) {
            list->setCurrentRow(0);
            minus();
        }
        messages.messages.clear();
        minus();
        QCOMPARE(messages.messages, QStringList { "Уже нечего удалять" });
    }

    // The words "Добавить" and "Удалить" and the Delete key in the list do
    // what the buttons do.
    void wordsAndDeleteKeyActAsTheButtons_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("list");
        QTest::newRow("click on Добавить") << "plusLabel" << QStringList { "1,5", "2", "3", "4" };
        QTest::newRow("click on Удалить") << "minusLabel" << QStringList { "2", "3" };
        QTest::newRow("Delete in the list") << "Delete" << QStringList { "2", "3" };
    }
    void wordsAndDeleteKeyActAsTheButtons()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, list);
        dialog->show();
        this->list->setCurrentRow(1);
        messages.answers = { true };
        player.then(enterDiameter(QStringLiteral("4")));
        if (how == QLatin1String("Delete")) {
            this->list->setFocus();
            QTest::keyClick(this->list, Qt::Key_Delete);
        } else {
            QTest::mouseClick(dialog->findChild<QLabel*>(how), Qt::LeftButton);
        }
        QCOMPARE(entries(), list);
    }

    void okWithEmptyListStaysOpenWithCaptionBack()
    {
        dialog->show();
        list->clear();
        clickOk();
        QVERIFY(dialog->isVisible());
        QCOMPARE(messages.messages, QStringList { "должен быть хотя бы один диаметр" });
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Диаметры"));
        QCOMPARE(data->bytes(QStringLiteral("Тест.dat")), catalogueBytes({ "2", "", "1,50", "3" }));
    }

    void okWritesTheList()
    {
        dialog->show();
        player.then(enterDiameter(QStringLiteral("0,8")));
        plus();
        clickOk();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(data->bytes(QStringLiteral("Тест.dat")), QByteArray("0,8\r\n1,5\r\n2\r\n3\r\n"));
    }

    void failedWriteKeepsFileAndDialog()
    {
        dialog->show();
        delete list->takeItem(0);
        {
            FailingWrites failing;
            clickOk();
        }
        QVERIFY(dialog->isVisible());
        QCOMPARE(messages.messages, QStringList { "Ошибка при записи в Тест.dat" });
        QCOMPARE(data->bytes(QStringLiteral("Тест.dat")), catalogueBytes({ "2", "", "1,50", "3" }));
        QCOMPARE(entries(), QStringList({ "1,50", "3" }));
    }

    void escapeLeavesWithoutWriting()
    {
        dialog->show();
        list->clear();
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Диаметры"));
        QCOMPARE(data->bytes(QStringLiteral("Тест.dat")), catalogueBytes({ "2", "", "1,50", "3" }));
    }

private:
    QStringList entries() const
    {
        QStringList out;
        for (int k = 0; k < list->count(); ++k)
            out << list->item(k)->text();
        return out;
    }
    void plus() { dialog->findChild<QToolButton*>(QStringLiteral("plus"))->click(); }
    void minus() { dialog->findChild<QToolButton*>(QStringLiteral("minus"))->click(); }
    void clickOk() { dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click(); }

    std::unique_ptr<CatalogueScratch> data;
    std::string dataDir;
    SetupRecorder messages;
    DialogPlayer player;
    std::unique_ptr<TForm11> input;
    std::unique_ptr<TForm10> dialog;
    QListWidget* list = nullptr;
};

int main(int argc, char** argv)
{
    TestNewdiam test;
    return runStyledTest(test, argc, argv);
}

#include "test_newdiam.moc"
