// "Проверить расчёты…" of the settings window: the saved designs whose
// results a catalogue change alters, against the catalogue as the window
// found it when it was opened; the button's place beside the read-only
// note and "Закрыть".
#include "helpers/scetch_testing.h"
#include "helpers/setup_fixture.h"
#include "helpers/textfit.h"

#include "forms/windows/designcheck.h"
#include "forms/windows/setup.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

const QString kExamples = QStringLiteral(EXAMPLES_DIR);

DesignCheckWindow* checkWindow(const SetupWindow& w)
{
    return w.form->findChild<DesignCheckWindow*>();
}

QString summary(const DesignCheckWindow* check)
{
    return check->findChild<QLabel*>(QStringLiteral("summary"))->text();
}

QList<QStringList> rows(const DesignCheckWindow* check)
{
    const auto* table = check->findChild<QTableWidget*>(QStringLiteral("changes"));
    QList<QStringList> out;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << (table->item(r, c) ? table->item(r, c)->text() : QString());
        out << cells;
    }
    return out;
}

// The diameter list dialog with `diameter` removed, then OK.
DialogPlayer::Step removeDiameter(const QString& diameter)
{
    return [diameter](QDialog& d) {
        auto* list = d.findChild<QListWidget*>(QStringLiteral("list"));
        const auto found = list->findItems(diameter, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        list->setCurrentItem(found.first());
        d.findChild<QAbstractButton*>(QStringLiteral("minus"))->click();
        d.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    };
}

} // namespace

class TestDesignCheck : public QObject {
    Q_OBJECT

private slots:
    void listsTheDesignADiameterRemovalChanges()
    {
        SetupWindow w;
        w.chooser.toOpenFolder = kExamples;
        w.form->show();
        w.button("checkDesigns")->click();
        DesignCheckWindow* check = checkWindow(w);
        QVERIFY(check && check->isVisible());
        QCOMPARE(summary(check), QStringLiteral("Изменений нет"));
        QCOMPARE(rows(check), QList<QStringList>());

        const auto before = w.files();
        w.mat()->setCurrentRow(1);
        w.messages.answers = { true }; // "Вы действительно хотите удалить диаметр"
        w.player.then(removeDiameter(QStringLiteral("4")));
        w.button("editButton")->click();
        w.button("checkDesigns")->click();
        QCOMPARE(summary(check), QStringLiteral("Изменились расчеты: 1 из 4"));
        QCOMPARE(rows(check),
            QList<QStringList>({ { "wire-class2.rid", "4 → 4,2", "26 → 27",
                "138,201147611001 → 147,591244890001", "расчет выполнен" } }));
        QCOMPARE(w.chooser.folders, QStringList({ QString(), kExamples })); // opens where it read last
        // Only the edited diameter file was written.
        auto after = w.files();
        after.remove(QStringLiteral("Проволока II класса.dat"));
        auto unchanged = before;
        unchanged.remove(QStringLiteral("Проволока II класса.dat"));
        QCOMPARE(after, unchanged);

        QVERIFY(QTest::qWaitForWindowExposed(check));
        QCOMPARE(cutTexts(check), QStringList());
        scetchtest::saveScreenshot(*check, QStringLiteral("design-check"));

        // Opened again, the window starts from the catalogue as it is now.
        w.form->hide();
        w.form->show();
        w.button("checkDesigns")->click();
        QCOMPARE(summary(check), QStringLiteral("Изменений нет"));
    }

    void fitsBesideTheNoteAndCloseAndWorksReadOnly_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("editing") << false;
        QTest::newRow("read-only") << true;
    }
    void fitsBesideTheNoteAndCloseAndWorksReadOnly()
    {
        QFETCH(bool, readOnly);
        SetupWindow editor; // holds the lock when the second one must only look
        SetupWindow w(editor.dataDir);
        w.chooser.toOpenFolder = kExamples;
        if (readOnly)
            editor.form->show();
        w.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        QCOMPARE(w.form->readOnly(), readOnly);
        QCOMPARE(cutTexts(w.form->findChild<QWidget*>(QStringLiteral("bottomPanel"))), QStringList());
        QList<QWidget*> bar;
        for (const char* name : { "checkDesigns", "readOnlyNote", "closeButton" }) {
            auto* widget = w.form->findChild<QWidget*>(QLatin1String(name));
            if (widget->isVisible())
                bar << widget;
        }
        QCOMPARE(bar.size(), readOnly ? 3 : 2);
        for (int a = 0; a < bar.size(); ++a)
            for (int b = a + 1; b < bar.size(); ++b)
                QVERIFY2(!bar[a]->geometry().intersects(bar[b]->geometry()),
                    qPrintable(bar[a]->objectName() + " overlaps " + bar[b]->objectName()));

        QVERIFY(w.button("checkDesigns")->isEnabled());
        w.button("checkDesigns")->click();
        QCOMPARE(summary(checkWindow(w)), QStringLiteral("Изменений нет"));
    }
};

int main(int argc, char** argv)
{
    TestDesignCheck test;
    return runStyledTest(test, argc, argv);
}

#include "test_designcheck.moc"
