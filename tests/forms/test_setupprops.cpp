// The settings window, tab "Мех. свойства": loading a material's properties,
// the group and what it switches, "Применить", and the viewers it opens.

#include "helpers/setup_fixture.h"

#include "engine/catalogue/textfile.h"
#include "forms/windows/VIEVTAU.h"
#include "forms/windows/VievI.h"
#include "forms/windows/Vievsb.h"
#include "forms/windows/setup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace {

QStringList fieldTexts(const SetupWindow& w)
{
    return { w.field("ro")->text(), w.field("EE")->text(), w.field("ge")->text() };
}

int checkedGroup(const SetupWindow& w)
{
    for (int k = 0; k < 10; ++k)
        if (w.groupItem(k)->isChecked())
            return k;
    return -1;
}

template <class Viewer> QList<Viewer*> viewers(const SetupWindow& w)
{
    return w.form->findChildren<Viewer*>();
}

int rows(QWidget* viewer)
{
    return viewer->findChild<QTableView*>(QStringLiteral("tabl"))->model()->rowCount();
}

} // namespace

class TestSetupProps : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        w = std::make_unique<SetupWindow>();
        w->form->show();
        w->showProperties();
    }
    void cleanup()
    {
        setWriteFaultInjector({});
        w.reset();
    }

    void showsTheFirstMaterialClean()
    {
        QCOMPARE(w->Mlist()->count(), 11);
        QCOMPARE(w->Mlist()->currentRow(), 0);
        QCOMPARE(fieldTexts(*w), QStringList({ "7,85", "20,5", "78,5" }));
        QCOMPARE(checkedGroup(*w), 0);
        QVERIFY(!w->pending());
        QVERIFY(w->messages.messages.isEmpty());
    }

    void groupSwitchesNoteRowAndTable_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<bool>("firstApproximation");
        const bool first[10] = { true, true, false, false, false, true, true, true, true, true };
        for (int k = 9; k >= 0; --k)
            QTest::addRow("%s", qPrintable(groupCaption(k))) << k << first[k];
    }
    void groupSwitchesNoteRowAndTable()
    {
        QFETCH(int, group);
        QFETCH(bool, firstApproximation);
        // Start from the other kind, so that every row shows a switch.
        w->groupItem(firstApproximation ? 3 : 1)->click();
        QCOMPARE(w->groupItem(group)->text(), groupCaption(group));
        w->groupItem(group)->click();
        QCOMPARE(w->form->findChild<QLabel*>(QStringLiteral("vpp"))->isVisibleTo(w->form.get()),
            firstApproximation);
        for (const char* name : { "sigma", "sigmaLabel", "sigmaSymbol", "sigmaIndex", "sigmaRest" })
            QCOMPARE(
                w->form->findChild<QWidget*>(QString::fromLatin1(name))->isEnabled(), firstApproximation);
        QCOMPARE(w->form->tauTableKind(), std::string(firstApproximation ? "PREDVARIT" : "OKONCAT"));
        QVERIFY(w->pending());
    }

    void noGroupInTheFileChangesNothingElse_data()
    {
        QTest::addColumn<int>("before");
        QTest::newRow("after a steel") << 2;
        QTest::newRow("after a wire class") << 1;
    }
    void noGroupInTheFileChangesNothingElse()
    {
        QFETCH(int, before);
        w->data.write(QStringLiteral("40Х13mat.dat"), QByteArray("7,65\r\n21,8\r\n75,8\r\n-1\r\n"));
        w->groupItem(before)->click();
        const std::string kind = w->form->tauTableKind();
        const bool note = w->form->findChild<QLabel*>(QStringLiteral("vpp"))->isVisibleTo(w->form.get());
        w->Mlist()->setCurrentRow(5);
        QCOMPARE(checkedGroup(*w), -1);
        QCOMPARE(fieldTexts(*w), QStringList({ "7,65", "21,8", "75,8" }));
        QCOMPARE(w->form->tauTableKind(), kind);
        QCOMPARE(w->form->findChild<QLabel*>(QStringLiteral("vpp"))->isVisibleTo(w->form.get()), note);
        w->button("appsv")->click();
        QCOMPARE(w->data.bytes(QStringLiteral("40Х13mat.dat")), QByteArray("7,65\r\n21,8\r\n75,8\r\n-1\r\n"));
    }

    void unreadablePropertiesKeepTheFields_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QString bad = QStringLiteral(
            "Файл 60С2Аmat.dat должен содержать четыре строки: плотность, E, G и код группы материала");
        QTest::newRow("three lines") << QByteArray("7,68\r\n21,2\r\n78,5\r\n") << bad;
        QTest::newRow("fourth not an integer") << QByteArray("7,68\r\n21,2\r\n78,5\r\nдва\r\n") << bad;
        QTest::newRow("fourth out of range") << QByteArray("7,68\r\n21,2\r\n78,5\r\n12\r\n") << bad;
        QTest::newRow("missing") << QByteArray() << "no 60С2Аmat.dat";
    }
    void unreadablePropertiesKeepTheFields()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        if (bytes.isEmpty())
            w->data.remove(QStringLiteral("60С2Аmat.dat"));
        else
            w->data.write(QStringLiteral("60С2Аmat.dat"), bytes);
        w->Mlist()->setCurrentRow(2);
        QCOMPARE(w->messages.messages, QStringList { message });
        QCOMPARE(fieldTexts(*w), QStringList({ "7,85", "20,5", "78,5" }));
        QCOMPARE(checkedGroup(*w), 0);
        QVERIFY(!w->pending());
    }

    void applyWritesTheSelectedMaterial()
    {
        w->Mlist()->setCurrentRow(2);
        QVERIFY(w->pending());
        w->field("ro")->setText(QStringLiteral(" 7,90 "));
        w->groupItem(4)->click();
        w->button("appsv")->click();
        QCOMPARE(
            w->data.bytes(QStringLiteral("60С2Аmat.dat")), QByteArray(" 7,90 \r\n21,2\r\n78,5\r\n4\r\n"));
        QVERIFY(!w->pending());
    }

    // A value that is no positive number would only fail at the next
    // calculation: it is refused at once with the message naming the field,
    // and stays for the user to mend.
    void applyRefusesWhatIsNoPositiveNumber()
    {
        w->Mlist()->setCurrentRow(2);
        const QByteArray before = w->data.bytes(QStringLiteral("60С2Аmat.dat"));
        w->field("EE")->setText(QStringLiteral("abc"));
        w->button("appsv")->click();
        QCOMPARE(w->messages.messages, QStringList { "Модуль упругости E должен быть положительным числом" });
        QCOMPARE(w->data.bytes(QStringLiteral("60С2Аmat.dat")), before);
        QVERIFY(w->pending());
        QCOMPARE(w->field("EE")->text(), QStringLiteral("abc"));
    }

    // A spreadsheet cell comes with its line break; it would split the
    // properties file. The field drops it, and Ctrl-Z and NUL as well.
    void pastedLineBreaksAreDropped_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("text");
        QTest::newRow("density, LF") << "ro"
                                     << "7,85\n"
                                     << "7,85";
        QTest::newRow("E, CR LF") << "EE"
                                  << "\r\n20,6\r\n"
                                  << "20,6";
        QTest::newRow("G, Ctrl-Z and NUL") << "ge" << QStringLiteral("78\x1A,5") + QChar(0) << "78,5";
    }
    void pastedLineBreaksAreDropped()
    {
        QFETCH(QString, field);
        QFETCH(QString, pasted);
        QFETCH(QString, text);
        QLineEdit* edit = w->field(qPrintable(field));
        edit->clear();
        QApplication::clipboard()->setText(pasted);
        edit->paste();
        QCOMPARE(edit->text(), text);
    }

    void failedApplyKeepsTheFile()
    {
        w->Mlist()->setCurrentRow(2);
        w->field("ge")->setText(QStringLiteral("1"));
        const QByteArray before = w->data.bytes(QStringLiteral("60С2Аmat.dat"));
        {
            FailingWrites failing;
            w->button("appsv")->click();
        }
        QCOMPARE(w->messages.messages, QStringList { "Ошибка при записи в 60С2Аmat.dat" });
        QCOMPARE(w->data.bytes(QStringLiteral("60С2Аmat.dat")), before);
        QVERIFY(!w->pending());
    }

    void applyNeedsASelectedMaterial()
    {
        w->tabs()->setCurrentIndex(0);
        w->player.then(diameterListStep(0));
        w->button("editButton")->click();
        w->showProperties();
        QCOMPARE(w->Mlist()->currentRow(), -1);
        w->field("ro")->setText(QStringLiteral("1"));
        w->button("appsv")->click();
        QCOMPARE(w->messages.messages, QStringList { "Не выбран изменяемый материал" });
        QCOMPARE(w->form->settingsState(), TForm4::SettingsState::DiametersEdited);
    }

    void fieldFocusRemembersTheText()
    {
        QLineEdit* ro = w->field("ro");
        QFocusEvent in(QEvent::FocusIn);
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(ro, &in);
        QApplication::sendEvent(ro, &out);
        QVERIFY(!w->pending());
        QApplication::sendEvent(w->field("EE"), &in);
        w->field("EE")->setText(QStringLiteral("20,6"));
        w->field("EE")->setText(QStringLiteral("20,5")); // typed back: still a change
        QApplication::sendEvent(w->field("EE"), &out);
        QVERIFY(w->pending());
    }

    void additionGoesOnWhenTheFirstPropertiesAreMissing()
    {
        w->data.remove(QStringLiteral("Проволока I классаmat.dat"));
        w->tabs()->setCurrentIndex(0);
        w->messages.messages.clear();
        w->player.then(nameStep(QStringLiteral("Нихром")));
        w->player.then(diameterListStep(1));
        w->player.then(diameterStep(QStringLiteral("1")));
        w->button("addButton")->click();
        QCOMPARE(w->messages.messages, QStringList { "no Проволока I классаmat.dat" });
        QCOMPARE(current(w->Mlist()), QStringLiteral("Нихром"));
        QVERIFY(!w->Mlist()->isEnabled());
        QVERIFY(w->pending());
        w->button("appsv")->click(); // the fields hold 0: refused, the addition waits
        QCOMPARE(w->messages.messages.last(),
            QStringLiteral("Плотность материала должна быть положительным числом"));
        QVERIFY(w->pending() && !w->Mlist()->isEnabled());
        QVERIFY(!w->data.exists(QStringLiteral("Нихромmat.dat")));
        w->field("ro")->setText(QStringLiteral("8,4"));
        w->field("EE")->setText(QStringLiteral("21,6"));
        w->field("ge")->setText(QStringLiteral("81"));
        w->button("appsv")->click();
        QCOMPARE(w->data.bytes(QStringLiteral("Нихромmat.dat")), QByteArray("8,4\r\n21,6\r\n81\r\n-1\r\n"));
        QVERIFY(!w->pending());
    }

    void viewersOpenFromTheirButtons()
    {
        w->button("ik3")->click();
        w->button("ik3")->click();
        QCOMPARE(viewers<TForm5>(*w).size(), 1);
        QVERIFY(viewers<TForm5>(*w).first()->isVisible());
        QCOMPARE(rows(viewers<TForm5>(*w).first()), 71);

        w->groupItem(2)->click();
        w->button("tau")->click();
        QCOMPARE(rows(viewers<TForm6>(*w).first()), 3);
        w->button("sigma")->click(); // disabled for the steels
        QVERIFY(viewers<TForm7>(*w).isEmpty());

        w->groupItem(9)->click();
        w->button("sigma")->click();
        QCOMPARE(viewers<TForm7>(*w).size(), 1);
        QCOMPARE(rows(viewers<TForm7>(*w).first()), 22);
        QVERIFY(w->form->isVisible());
        QVERIFY(w->messages.messages.isEmpty());
    }

private:
    static QString groupCaption(int k)
    {
        static const char* captions[] = { "Класс1", "Класс2", "60С2А", "50ХФА,51ХФА", "40Х13", "12Х18Н10Т",
            "ХН77ТЮР", "БрКМц3-1", "БрОЦ4-3", "БрБ2" };
        return QString::fromUtf8(captions[k]);
    }

    std::unique_ptr<SetupWindow> w;
};

int main(int argc, char** argv)
{
    TestSetupProps test;
    return runStyledTest(test, argc, argv);
}

#include "test_setupprops.moc"
