// The settings window, tab "Материалы": opening, adding a material from
// start to finish (and every way an addition stops), deleting, editing the
// diameters, the empty catalogue, and a failed or refused write.

#include "helpers/setup_fixture.h"

#include "engine/catalogue/datafiles.h"
#include "engine/catalogue/textfile.h"
#include "engine/common/encoding.h"
#include "engine/features/design.h"
#include "engine/method/calc.h"
#include "engine/method/inputform.h"
#include "engine/method/quiethost.h"
#include "forms/widgets/qtext.h"
#include "forms/windows/newdiam.h"
#include "forms/windows/setup.h"

#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <unistd.h>

namespace {

const QStringList kShipped { "Проволока I класса", "Проволока II класса", "60С2А", "50ХФА", "51ХФА", "40Х13",
    "12Х18Н10Т", "ХН77ТЮР", "БрКМц3-1", "БрОЦ4-3", "БрБ2" };

QStringList fileLines(const CatalogueScratch& data, const QString& name)
{
    return qsList(*readTextLines(ss(data.path(name))));
}

} // namespace

class TestSetup : public QObject {
    Q_OBJECT

private slots:
    void init() { w = std::make_unique<SetupWindow>(); }
    void cleanup()
    {
        setWriteFaultInjector({});
        QFile::setPermissions(
            w->data.path(QString()), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        w.reset();
    }

    void opensBrowsingTheFirstMaterial()
    {
        w->tabs()->setCurrentIndex(1);
        w->form->show();
        QCOMPARE(w->form->settingsState(), TForm4::SettingsState::Browsing);
        QCOMPARE(w->tabs()->currentIndex(), 0);
        QCOMPARE(entries(w->mat()), kShipped);
        QCOMPARE(w->mat()->currentRow(), 0);
        QCOMPARE(entries(w->diametr()), fileLines(w->data, QStringLiteral("Проволока I класса.dat")));
        QVERIFY(!w->pending());
        QVERIFY(!w->button("applybt")->isEnabled());
        QVERIFY(w->messages.messages.isEmpty());
    }

    // Typed into "Описание", kept with the material in the catalogue (CR LF,
    // Windows-1251), shown when the material is selected again or the window
    // is opened again, and gone with the material.
    void descriptionKeptPerMaterial()
    {
        w->form->show();
        auto* comment = w->form->findChild<QPlainTextEdit*>(QStringLiteral("comment"));
        QVERIFY(comment && !comment->isReadOnly());
        w->mat()->setCurrentRow(2);
        comment->setFocus();
        comment->insertPlainText(QStringLiteral("Пружинная сталь"));
        w->mat()->setCurrentRow(3);
        QCOMPARE(comment->toPlainText(), QString());
        QCOMPARE(w->data.bytes(QStringLiteral("60С2Аopis.dat")), catalogueBytes({ "Пружинная сталь" }));
        w->mat()->setCurrentRow(2);
        QCOMPARE(comment->toPlainText(), QStringLiteral("Пружинная сталь"));
        comment->appendPlainText(QStringLiteral("вторая строка"));
        w->form->hide();
        w->form->show();
        w->mat()->setCurrentRow(2);
        QCOMPARE(comment->toPlainText(), QStringLiteral("Пружинная сталь\nвторая строка"));
    }

    void selectingAMaterialListsItsDiameters()
    {
        w->form->show();
        w->mat()->setCurrentRow(6);
        QCOMPARE(entries(w->diametr()), fileLines(w->data, QStringLiteral("12Х18Н10Т.dat")));
        w->data.remove(QStringLiteral("40Х13.dat"));
        w->mat()->setCurrentRow(5);
        QCOMPARE(w->messages.messages, QStringList { "no 40Х13.dat" });
        QCOMPARE(entries(w->diametr()), fileLines(w->data, QStringLiteral("12Х18Н10Т.dat")));
    }

    void addMaterialStartToFinish()
    {
        w->form->show();
        const QByteArray list = w->data.bytes(QStringLiteral("material.dat"));
        w->player.then(nameStep(QStringLiteral("Сталь 65Г")));
        w->player.then(diameterListStep(3, [&](QDialog& d) {
            QCOMPARE(w->form->settingsState(), TForm4::SettingsState::Adding);
            QVERIFY(w->pending());
            QCOMPARE(d.windowTitle(), QStringLiteral("Диаметры"));
        }));
        for (const char* d : { "2", "1,6", "1,2" })
            w->player.then(diameterStep(QString::fromUtf8(d)));
        // The files come in the order diameter file, properties, list: the
        // material is listed only once both of its files are complete.
        bool listUnchangedAfterDiameters = false;
        connect(w->diameters.get(), &QDialog::accepted, this,
            [&] { listUnchangedAfterDiameters = w->data.bytes(QStringLiteral("material.dat")) == list; });
        w->button("addButton")->click();

        QVERIFY(w->player.done());
        QVERIFY(listUnchangedAfterDiameters);
        QCOMPARE(w->data.bytes(QStringLiteral("Сталь 65Г.dat")), QByteArray("1,2\r\n1,6\r\n2\r\n"));
        QCOMPARE(w->data.bytes(QStringLiteral("material.dat")), list);
        QVERIFY(!w->data.exists(QStringLiteral("Сталь 65Гmat.dat")));
        QCOMPARE(w->tabs()->currentIndex(), 1);
        QVERIFY(!w->tabs()->isTabEnabled(0));
        QVERIFY(!w->Mlist()->isEnabled());
        QCOMPARE(current(w->Mlist()), QStringLiteral("Сталь 65Г"));
        QCOMPARE(w->field("ro")->text(), QStringLiteral("7,85")); // the first material's, as a start
        QVERIFY(w->pending());

        w->field("ro")->setText(QStringLiteral("7,8"));
        w->field("EE")->setText(QStringLiteral("20"));
        w->field("ge")->setText(QStringLiteral("79,5"));
        w->groupItem(7)->click();
        w->button("appsv")->click();
        QCOMPARE(w->data.bytes(QStringLiteral("Сталь 65Гmat.dat")), QByteArray("7,8\r\n20\r\n79,5\r\n7\r\n"));
        QCOMPARE(w->data.bytes(QStringLiteral("material.dat")), list + catalogueBytes({ "Сталь 65Г" }));
        QVERIFY(!w->data.exists(QString::fromLatin1(kAdditionNote)));
        QVERIFY(!w->pending());
        QCOMPARE(w->form->settingsState(), TForm4::SettingsState::Browsing);
        QVERIFY(w->tabs()->isTabEnabled(0));
        QVERIFY(w->Mlist()->isEnabled());
        QCOMPARE(current(w->Mlist()), QStringLiteral("Сталь 65Г"));
        QVERIFY(w->messages.messages.isEmpty());

        w->button("closeButton")->click();
        QVERIFY(!w->form->isVisible());
    }

    // A new user's round: a material with the diameters of 60С2А, a
    // calculation with it, and the material deleted again.
    void addCalculateDelete()
    {
        w->form->show();
        const auto before = w->files();
        w->mat()->setCurrentRow(2);
        w->player.then(diameterListStep(0)); // "Изменить" on 60С2А: the dialog now holds its list
        w->button("editButton")->click();
        w->player.then(nameStep(QStringLiteral("Пружинная сталь")));
        w->player.then(diameterListStep(0));
        w->button("addButton")->click();
        w->field("ro")->setText(QStringLiteral("7,68"));
        w->groupItem(2)->click();
        w->button("appsv")->click();
        QCOMPARE(
            w->data.bytes(QStringLiteral("Пружинная сталь.dat")), before.value(QStringLiteral("60С2А.dat")));

        InputForm input = parseRid(*readTextLines(EXAMPLES_DIR "steel-60s2a.rid"));
        input.materialName = "Пружинная сталь";
        CalcInputs given;
        given.dataDir = w->dataDir;
        QuietHost host;
        const DesignResult calc = runForm(input, given, host, FolderFiles(w->dataDir));
        QVERIFY(calc.complete());
        QCOMPARE(calc.values.materialClass, 2);
        QCOMPARE(calc.values.d, 5.0);
        QVERIFY(host.messages.empty());

        w->tabs()->setCurrentIndex(0);
        w->mat()->setCurrentRow(w->mat()->count() - 1);
        w->messages.answers = { true };
        w->button("deleteButton")->click();
        QCOMPARE(w->files(), before);
        QVERIFY(w->messages.messages.isEmpty());
    }

    void addingStopsWithoutChanges_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("nameAccepted");
        QTest::addColumn<QString>("message");
        QTest::newRow("cancel in Новый материал") << "" << false << "";
        QTest::newRow("name already listed") << "60с2а" << false << "Материал 60с2а уже есть в списке";
        QTest::newRow("Esc in Диаметры") << "Латунь" << true << "";
    }
    void addingStopsWithoutChanges()
    {
        QFETCH(QString, name);
        QFETCH(bool, nameAccepted);
        QFETCH(QString, message);
        w->form->show();
        const auto before = w->files();
        w->player.then(name.isEmpty() ? rejectStep() : nameStep(name));
        if (nameAccepted)
            w->player.then(rejectStep());
        w->button("addButton")->click();
        QCOMPARE(w->files(), before);
        QCOMPARE(entries(w->mat()), kShipped);
        QCOMPARE(w->form->settingsState(), TForm4::SettingsState::Browsing);
        QVERIFY(!w->pending());
        QCOMPARE(w->tabs()->currentIndex(), 0);
        QCOMPARE(w->messages.messages, message.isEmpty() ? QStringList() : QStringList { message });
    }

    // The program's own way of showing the dialogs: a real modal loop,
    // answered by a timer that presses "Отмена" in "Новый материал".
    void realModalDialogIsAnswered()
    {
        w->form->runDialog = execDialog;
        w->form->show();
        const auto before = w->files();
        QStringList seen;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                seen << modal->objectName();
                if (auto* cancel = modal->findChild<QPushButton*>(QStringLiteral("cancelButton")))
                    cancel->click();
                else if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
            }
        });
        answer.start(10);
        w->button("addButton")->click();
        answer.stop();
        QCOMPARE(seen, QStringList { "TForm9" });
        QCOMPARE(w->files(), before);
        QVERIFY(!w->pending());
    }

    void addingANameThatHasADiameterFile()
    {
        w->data.write(QStringLiteral("Новый.dat"), QByteArray("3\r\n4\r\n"));
        w->form->show();
        w->player.then(nameStep(QStringLiteral("Новый")));
        w->button("addButton")->click();
        QCOMPARE(w->player.shown, QStringList { "TForm9" });
        QCOMPARE(entries(w->diametr()), QStringList({ "3", "4" }));
        QCOMPARE(w->data.bytes(QStringLiteral("Новый.dat")), QByteArray("3\r\n4\r\n"));
        QCOMPARE(w->tabs()->currentIndex(), 1);
        QCOMPARE(w->form->settingsState(), TForm4::SettingsState::Adding);
        QVERIFY(w->pending());
        w->button("appsv")->click();
        QVERIFY(w->data.exists(QStringLiteral("Новыйmat.dat")));
        QCOMPARE(fileLines(w->data, QStringLiteral("material.dat")), kShipped + QStringList { "Новый" });
        QVERIFY(!w->pending());
    }

    void failedWritesLeaveEveryOldFile_data()
    {
        QTest::addColumn<bool>("realReadOnly");
        QTest::addColumn<int>("goodWrites");
        QTest::addColumn<QString>("message");
        QTest::newRow("note of the addition fails") << false << 0 << "Ошибка при записи в .pruz-addition";
        QTest::newRow("diameter file fails") << false << 1 << "Ошибка при записи в Латунь.dat";
        QTest::newRow("read-only directory") << true << 0 << "Ошибка при записи в .pruz-addition";
    }
    void failedWritesLeaveEveryOldFile()
    {
        QFETCH(bool, realReadOnly);
        QFETCH(int, goodWrites);
        QFETCH(QString, message);
        if (realReadOnly && ::geteuid() == 0)
            QSKIP("root writes into read-only directories; the fault injector covers it");
        w->form->show();
        const auto before = w->files();
        std::unique_ptr<FailingWrites> failing;
        if (realReadOnly)
            QVERIFY(QFile::setPermissions(w->data.path(QString()), QFile::ReadOwner | QFile::ExeOwner));
        else
            failing = std::make_unique<FailingWrites>(goodWrites);
        w->player.then(nameStep(QStringLiteral("Латунь")));
        w->player.then(diameterListStep(1));
        w->player.then(diameterStep(QStringLiteral("2")));
        w->button("addButton")->click();
        QCOMPARE(w->messages.messages, QStringList { message });
        QCOMPARE(w->files(), before);
        QCOMPARE(entries(w->mat()), kShipped);
        QCOMPARE(w->form->settingsState(), TForm4::SettingsState::Browsing);
        QVERIFY(!w->pending());

        // Deleting in the same directory fails the same way.
        w->messages.messages.clear();
        w->messages.answers = { true };
        if (failing) {
            failing.reset();
            failing = std::make_unique<FailingWrites>();
        }
        w->button("deleteButton")->click();
        QCOMPARE(w->messages.messages, QStringList { "Ошибка при записи в material.dat" });
        QCOMPARE(w->files(), before);
        QCOMPARE(entries(w->mat()), kShipped);
    }

    void deleting_data()
    {
        QTest::addColumn<bool>("withProperties");
        QTest::newRow("with properties file") << true;
        QTest::newRow("without properties file") << false;
    }
    void deleting()
    {
        QFETCH(bool, withProperties);
        if (!withProperties)
            w->data.remove(QStringLiteral("60С2Аmat.dat"));
        w->form->show();
        w->mat()->setCurrentRow(2);
        w->messages.answers = { true };
        w->button("deleteButton")->click();
        QCOMPARE(w->messages.questions,
            (QList<QPair<QString, QString>> {
                { "Удаление материала.", "Вы действительно хотите удалить материал  60С2А" } }));
        QStringList left = kShipped;
        left.removeAt(2);
        QCOMPARE(w->data.bytes(QStringLiteral("material.dat")), catalogueBytes(left));
        QVERIFY(!w->data.exists(QStringLiteral("60С2А.dat")));
        QVERIFY(!w->data.exists(QStringLiteral("60С2Аmat.dat")));
        QVERIFY(w->data.exists(QStringLiteral("50ХФА.dat")));
        QCOMPARE(entries(w->mat()), left);
        QCOMPARE(w->mat()->currentRow(), 0);
        QCOMPARE(entries(w->diametr()), fileLines(w->data, QStringLiteral("Проволока I класса.dat")));
        QVERIFY(w->messages.messages.isEmpty());
    }

    void deletingCancelledOrUnselected()
    {
        w->form->show();
        const auto before = w->files();
        w->mat()->setCurrentRow(4);
        w->button("deleteButton")->click(); // answered Cancel
        QCOMPARE(w->files(), before);
        QCOMPARE(w->mat()->currentRow(), 0);
        QCOMPARE(entries(w->diametr()), fileLines(w->data, QStringLiteral("Проволока I класса.dat")));

        w->mat()->setCurrentRow(-1);
        w->button("deleteButton")->click();
        QCOMPARE(w->messages.questions.last().second,
            QStringLiteral("Вы действительно хотите удалить материал  Проволока I класса"));
        QCOMPARE(w->files(), before);
    }

    void deletingOneOfTwoEntriesKeepsTheirFiles()
    {
        w->data.write(QStringLiteral("material.dat"), catalogueBytes({ "60С2А", "40Х13", "60С2А" }));
        w->form->show();
        w->messages.answers = { true };
        w->button("deleteButton")->click();
        QCOMPARE(w->data.bytes(QStringLiteral("material.dat")), catalogueBytes({ "40Х13", "60С2А" }));
        QVERIFY(w->data.exists(QStringLiteral("60С2А.dat")));
        QVERIFY(w->data.exists(QStringLiteral("60С2Аmat.dat")));
    }

    // Delete in the materials tab's diameter list, as in "Диаметры".
    void deleteKeyInDiameterList_data()
    {
        QTest::addColumn<QStringList>("diameters");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("OK") << QStringList { "1", "2" } << true << QStringList { "1" } << QStringList();
        QTest::newRow("Cancel") << QStringList { "1", "2" } << false << QStringList { "1", "2" }
                                << QStringList();
        QTest::newRow("the last one") << QStringList { "2" } << true << QStringList { "2" }
                                      << QStringList { "должен быть хотя бы один диаметр" };
    }
    void deleteKeyInDiameterList()
    {
        QFETCH(QStringList, diameters);
        QFETCH(bool, answer);
        QFETCH(QStringList, left);
        QFETCH(QStringList, messages);
        w->data.write(QStringLiteral("50ХФА.dat"), catalogueBytes(diameters));
        w->form->show();
        w->mat()->setCurrentRow(3);
        w->diametr()->setCurrentRow(diameters.size() - 1);
        w->messages.answers = { answer };
        QTest::keyClick(w->diametr(), Qt::Key_Delete);
        QCOMPARE(w->messages.messages, messages);
        QCOMPARE(fileLines(w->data, QStringLiteral("50ХФА.dat")), left);
        QCOMPARE(entries(w->diametr()), left);
    }

    void editingDiameters()
    {
        w->form->show();
        w->mat()->setCurrentRow(3);
        w->player.then(diameterListStep(1));
        w->player.then(diameterStep(QStringLiteral("12,50")));
        w->button("editButton")->click();
        QCOMPARE(w->player.titles.first(), QStringLiteral("Диаметры для 50ХФА"));
        QCOMPARE(w->form->settingsState(), TForm4::SettingsState::DiametersEdited);
        QCOMPARE(w->form->editMaterial(), std::string("50ХФА"));
        const QStringList written = fileLines(w->data, QStringLiteral("50ХФА.dat"));
        QCOMPARE(written.mid(written.size() - 3), QStringList({ "11", "12", "12,5" }));
        QCOMPARE(entries(w->diametr()), written);
        QVERIFY(!w->pending());

        // State 2 lasts until "Применить" or reopening.
        w->showProperties();
        QCOMPARE(w->form->settingsState(), TForm4::SettingsState::DiametersEdited);
        QCOMPARE(w->Mlist()->currentRow(), -1);
        w->form->hide();
        w->form->show();
        QCOMPARE(w->form->settingsState(), TForm4::SettingsState::Browsing);
    }

    void editingWithoutSelectionTakesTheFirst()
    {
        w->form->show();
        w->mat()->setCurrentRow(-1);
        w->player.then(rejectStep());
        w->button("editButton")->click();
        QCOMPARE(w->form->editMaterial(), std::string("Проволока I класса"));
        QCOMPARE(w->mat()->currentRow(), 0);
    }

    void emptyCatalogue_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("empty lines only") << QByteArray("\r\n\r\n");
    }
    void emptyCatalogue()
    {
        QFETCH(QByteArray, list);
        w->data.write(QStringLiteral("material.dat"), list);
        w->form->show();
        QVERIFY(w->messages.messages.isEmpty());
        QCOMPARE(w->mat()->count(), 0);
        QCOMPARE(w->diametr()->count(), 0);
        w->button("deleteButton")->click();
        w->button("editButton")->click();
        QCOMPARE(w->messages.messages, QStringList({ "Уже нечего удалять", "Нет ни одного материала" }));
        QVERIFY(w->player.shown.isEmpty());
        w->showProperties();
        QCOMPARE(w->Mlist()->count(), 0);
        QCOMPARE(w->messages.messages.size(), 2);
        QVERIFY(!w->pending());
    }

    void deletingTheLastMaterial()
    {
        w->data.write(QStringLiteral("material.dat"), catalogueBytes({ "БрБ2" }));
        w->form->show();
        w->messages.answers = { true };
        w->button("deleteButton")->click();
        QCOMPARE(w->data.bytes(QStringLiteral("material.dat")), QByteArray());
        QCOMPARE(w->mat()->count(), 0);
        QCOMPARE(w->diametr()->count(), 0);
        QVERIFY(w->messages.messages.isEmpty());
    }

    // A material list that cannot be read: the window says why and stays
    // usable. A file far too big to be a list is not read at all.
    void unreadableMaterialList_data()
    {
        QTest::addColumn<qint64>("size"); // -1: no file
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << qint64(-1) << "no material.dat";
        QTest::newRow("over 16 MB") << qint64(17 << 20) << "Файл %1material.dat слишком велик (больше 16 МБ)";
    }
    void unreadableMaterialList()
    {
        QFETCH(qint64, size);
        QFETCH(QString, message);
        if (size < 0)
            w->data.remove(QStringLiteral("material.dat"));
        else
            QVERIFY(QFile::resize(w->data.path(QStringLiteral("material.dat")), size)); // sparse, so quick
        w->form->show();
        QCOMPARE(w->messages.messages, QStringList { message.arg(qs(w->data.dataDir())) });
        QCOMPARE(w->mat()->count(), 0);
        QVERIFY(!w->pending());
        w->button("closeButton")->click();
        QVERIFY(!w->form->isVisible());
    }

    void interlock()
    {
        w->form->show();
        QVERIFY(!w->pending());
        w->showProperties();
        QVERIFY(!w->pending()); // state 0 loads the first material and is clean
        w->Mlist()->setCurrentRow(3);
        QVERIFY(w->pending());
        w->form->reject(); // Esc
        w->form->close();
        QVERIFY(w->form->isVisible());
        w->tabs()->setCurrentIndex(0);
        QVERIFY(!w->pending());
        w->showProperties();
        w->field("ge")->setText(QStringLiteral("80"));
        QVERIFY(w->pending());
        w->button("appsv")->click();
        QVERIFY(!w->pending());
        QVERIFY(!w->button("applybt")->isEnabled());
        w->form->reject();
        QVERIFY(!w->form->isVisible());
    }

private:
    std::unique_ptr<SetupWindow> w;
};

int main(int argc, char** argv)
{
    TestSetup test;
    return runStyledTest(test, argc, argv);
}

#include "test_setup.moc"
