// The "Варианты" window: opened from the report window after a calculation
// that reached the wire diameter. Its "Соседние диаметры": the rows on known
// designs with the calculation's own choice marked and the verdicts told
// apart, a row picked with Enter or a double click giving the report, the
// rows following the main window's edits, and the window's words when it
// has no rows. Its "Материалы": every material, lightest first, sorted by
// any column, the main window's material marked, a material picked giving
// its report through the main window.
#include "engine/features/characteristic.h"
#include "engine/features/neighbours.h"
#include "engine/method/quantities.h"
#include "forms/widgets/materialmodel.h"
#include "forms/widgets/neighbourmodel.h"
#include "forms/widgets/qtext.h"
#include "forms/windows/pruzform.h"
#include "forms/windows/rascet.h"
#include "forms/windows/searchtab.h"
#include "forms/windows/sosedi.h"
#include "helpers/child.h"
#include "helpers/datacopy.h"
#include "helpers/formtest.h"
#include "helpers/onmodal.h"
#include "helpers/recorder.h"
#include "helpers/scetch_testing.h"
#include "helpers/scriptedfiles.h"
#include "helpers/textfit.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QToolButton>

namespace {

const QString kSteel = QStringLiteral(EXAMPLES_DIR "steel-60s2a.rid");
const QString kWideSteel = QStringLiteral(CLI_CASES_DIR "inputs/wide-steel.rid");
const QString kWireClass2 = QStringLiteral(EXAMPLES_DIR "wire-class2.rid");
const QString kChosenDiameter = QStringLiteral(EXAMPLES_DIR "chosen-diameter.rid");
const QString kStop = QStringLiteral("Индекс пружины i>15. Измените исходные данные и повторите расчет.");

QString cell(const TForm13& panel, int row, int column)
{
    return panel.view()->model()->index(row, column).data().toString();
}

int columnOf(NeighbourCell kind, const char* header = nullptr)
{
    const auto& columns = neighbourColumns();
    for (size_t k = 0; k < columns.size(); ++k)
        if (columns[k].cell == kind && (!header || qstrcmp(header, columns[k].header) == 0))
            return static_cast<int>(k);
    return -1;
}

int materialColumn(const char* key)
{
    const auto& columns = materialColumns();
    for (size_t k = 0; k < columns.size(); ++k)
        if (qstrcmp(key, columns[k].key) == 0)
            return static_cast<int>(k);
    return -1;
}

// The materials as the tab shows them, top to bottom.
QStringList materialsShown(const TForm13& panel)
{
    QStringList names;
    for (const MaterialRow& row : static_cast<const MaterialModel*>(panel.materialsView()->model())->rows())
        names << qs(row.material);
    return names;
}

QString reportLineWith(const TForm3& report, const QString& start)
{
    for (const QString& line : report.reportLines())
        if (line.startsWith(start))
            return line.simplified();
    return {};
}

} // namespace

class TestSosedi : public QObject {
    Q_OBJECT

    struct Rig {
        DataCopy data;
        MessageRecorder messages;
        ScriptedFiles files;
        TForm1 form { messages, files, data.dataDir() };

        Rig() { form.show(); }
        void load(const QString& rid)
        {
            files.toOpen = rid;
            child<QToolButton>(form, "SpeedButton3")->click();
        }
        // "Расчет"; `answer` picks the diameter when the calculation asks.
        TForm3& calculate(const QString& answer = QString())
        {
            OnModal pick([&](QWidget* choice) {
                child<QComboBox>(*choice, "dBox")->setCurrentText(answer);
                child<QPushButton>(*choice, "BitBtn1")->click();
            });
            child<QPushButton>(form, "Rascet")->click();
            return *form.reportWindow();
        }
        TForm13& openPanel()
        {
            form.reportWindow()->findChild<QPushButton*>(QStringLiteral("neighboursButton"))->click();
            return *form.reportWindow()->neighboursWindow();
        }
        TForm13& openMaterials()
        {
            TForm13& panel = openPanel();
            panel.findChild<QTabWidget*>(QStringLiteral("tabs"))->setCurrentIndex(1);
            return panel;
        }
        // The steel example with lighter forces: the calculation's wire
        // passes, the thinner ones are overstressed, the thicker too slender.
        void typeLightSteel()
        {
            load(kSteel);
            child<QLineEdit>(form, "f1")->setText(QStringLiteral("10"));
            child<QLineEdit>(form, "f2")->setText(QStringLiteral("25"));
            child<QLineEdit>(form, "h")->setText(QStringLiteral("10"));
            child<QLineEdit>(form, "vmax")->setText(QStringLiteral("0,5"));
        }
    };

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void rowsMarkAndVerdicts_data()
    {
        QTest::addColumn<QString>("rid");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("diameters");
        QTest::addColumn<int>("marked");
        QTest::addColumn<QString>("verdicts");
        QTest::addColumn<QStringList>("freeLengths"); // "L0, мм", as the panel rounds it
        QTest::addColumn<QString>("screenshot");
        // The calculation's wire passes the method's checks; its made spring
        // closes below Ln, so no row passes the check of the made spring.
        QTest::newRow("the calculation's wire, made, closes below Ln")
            << QString() << QString() << QStringList { "3,2", "3,5", "4", "4,5", "5" } << 2 << "✗✗✗✗✗"
            << QStringList { "32,86", "43,63", "62,96", "94,97", "148,1" } << "neighbours";
        QTest::newRow("picked in the dialog, the thinnest stops")
            << kWideSteel << "2,8" << QStringList { "2,2", "2,5", "2,8", "3", "3,2" } << 2 << "✗✗✗✗✗"
            << QStringList { QString(), "46,08", "59,29", "74,29", "93,98" } << QString();
    }
    void rowsMarkAndVerdicts()
    {
        QFETCH(QString, rid);
        QFETCH(QString, answer);
        QFETCH(QStringList, diameters);
        QFETCH(int, marked);
        QFETCH(QString, verdicts);
        QFETCH(QStringList, freeLengths);
        QFETCH(QString, screenshot);
        Rig rig;
        if (rid.isEmpty())
            rig.typeLightSteel();
        else
            rig.load(rid);
        TForm3& report = rig.calculate(answer);
        QVERIFY(report.findChild<QPushButton*>(QStringLiteral("neighboursButton"))->isEnabled());
        TForm13& panel = rig.openPanel();
        QVERIFY(panel.isVisible());
        QCOMPARE(panel.windowTitle(), QStringLiteral("Варианты"));

        const QAbstractItemModel& model = *panel.view()->model();
        QCOMPARE(model.rowCount(), diameters.size());
        const int choice = columnOf(NeighbourCell::Choice);
        const int verdict = columnOf(NeighbourCell::Verdict);
        const int freeLength = columnOf(NeighbourCell::Number, "L0, мм");
        for (int r = 0; r < model.rowCount(); ++r) {
            const QString at = diameters[r];
            QCOMPARE(cell(panel, r, 0), at);
            QCOMPARE(cell(panel, r, choice), r == marked ? QStringLiteral("◀ расчет") : QString());
            QCOMPARE(model.index(r, 0).data(Qt::FontRole).value<QFont>().bold(), r == marked);
            const bool passes = verdicts[r] == QChar(u'✓');
            QCOMPARE(cell(panel, r, verdict), QString(verdicts[r]));
            const QString words = model.index(r, verdict).data(Qt::ToolTipRole).toString();
            QVERIFY2(passes ? words == QStringLiteral("проходит все проверки")
                            : words.startsWith("Не проходит:\n"),
                qPrintable(at + ": " + words));
            const QColor tint = model.index(r, verdict).data(Qt::BackgroundRole).value<QBrush>().color();
            QVERIFY2(passes ? tint.green() > tint.red() : tint.red() > tint.green(), qPrintable(at));
            QCOMPARE(cell(panel, r, freeLength), freeLengths[r]);
        }
        // A row that stopped says why over the room of its figures.
        for (int r = 0; r < model.rowCount(); ++r) {
            const bool stopped = freeLengths[r].isEmpty();
            if (stopped)
                QCOMPARE(cell(panel, r, NeighbourModel::stopColumn()), kStop);
            QCOMPARE(panel.view()->columnSpan(r, NeighbourModel::stopColumn()),
                stopped ? NeighbourModel::stopSpan() : 1);
        }
        QCOMPARE(panel.view()->currentIndex().row(), marked);
        QCOMPARE(cutTexts(&panel), QStringList());
        if (!screenshot.isEmpty())
            scetchtest::saveScreenshot(panel, screenshot);

        QVERIFY(QTest::qWaitForWindowActive(&panel));
        QTest::keyClick(&panel, Qt::Key_Escape);
        QVERIFY(!panel.isVisible());
    }

    // wire-class2: the row of the calculation's choice is the report's own
    // spring, value for value and figure for figure; the same wire picked in
    // the dialog (n = 42, not 26) follows as a row of its own, labelled.
    void methodRowIsTheReport()
    {
        Rig rig;
        rig.load(QStringLiteral(EXAMPLES_DIR "wire-class2.rid"));
        rig.calculate();
        TForm13& panel = rig.openPanel();
        const auto& rows = panel.table().rows;
        const auto mine
            = std::find_if(rows.begin(), rows.end(), [](const NeighbourRow& r) { return r.methodChoice; });
        QVERIFY(mine != rows.end());
        for (const Quantity& q : kQuantities)
            QVERIFY2(mine->record.*q.field == rig.form.lastResult().values.*q.field, q.name);
        const int r = static_cast<int>(mine - rows.begin());
        const int coils = columnOf(NeighbourCell::Number, "n");
        QCOMPARE(cell(panel, r, coils), QStringLiteral("26"));
        QCOMPARE(cell(panel, r, columnOf(NeighbourCell::Check)), QStringLiteral("✗"));
        QCOMPARE(
            cell(panel, r + 1, columnOf(NeighbourCell::Choice)), QStringLiteral("◁ как выбор в диалоге"));
        QCOMPARE(cell(panel, r + 1, 0), cell(panel, r, 0));
        QCOMPARE(cell(panel, r + 1, coils), QStringLiteral("42"));
    }

    // Enter or a double click: the report again, with that diameter as if
    // chosen in the dialog; no dialog opens and nothing is asked.
    void pickedRowGivesTheReport()
    {
        Rig rig;
        rig.typeLightSteel();
        TForm3& report = rig.calculate();
        const QString chosenLine = QStringLiteral("Диаметр проволоки по нормали d=4 мм");
        QCOMPARE(reportLineWith(report, QStringLiteral("Диаметр проволоки по нормали")), chosenLine);
        TForm13& panel = rig.openPanel();

        panel.view()->setCurrentIndex(panel.view()->model()->index(3, 0));
        QTest::keyClick(panel.view(), Qt::Key_Return);
        QVERIFY(report.isVisible());
        QCOMPARE(reportLineWith(report, QStringLiteral("Диаметр проволоки по нормали")),
            QStringLiteral("Диаметр проволоки по нормали d=4,5 мм"));
        QVERIFY(rig.form.lastResult().chosenD);
        QCOMPARE(rig.messages.messages, QStringList());
        // The panel shows the new report's inputs; the row looked at stays,
        // the mark follows the report to the picked wire.
        const int current = panel.view()->currentIndex().row();
        QCOMPARE(panel.table().rows[static_cast<size_t>(current)].d, 4.5);
        for (int r = 0; r < panel.view()->model()->rowCount(); ++r)
            QCOMPARE(cell(panel, r, columnOf(NeighbourCell::Choice)),
                r == current ? QStringLiteral("◀ расчет") : QString());

        const QModelIndex thinnest = panel.view()->model()->index(0, 0);
        // As the mouse gives it: a click, then the double click.
        const QPoint at = panel.view()->visualRect(thinnest).center();
        QTest::mouseClick(panel.view()->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(reportLineWith(report, QStringLiteral("Диаметр проволоки по нормали")),
            QStringLiteral("Диаметр проволоки по нормали d=4,5 мм"));
        const QString thinnestWire = qs(panel.table().rows.front().listed);
        QTest::mouseDClick(panel.view()->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(reportLineWith(report, QStringLiteral("Диаметр проволоки по нормали")),
            QStringLiteral("Диаметр проволоки по нормали d=") + thinnestWire + QStringLiteral(" мм"));

        // The next "Расчет" asks the calculation again.
        child<QPushButton>(rig.form, "Rascet")->click();
        QCOMPARE(reportLineWith(report, QStringLiteral("Диаметр проволоки по нормали")), chosenLine);
    }

    // Each valid edit of the main window's inputs works the rows out again;
    // the report waits for "Расчет", and a row picked then takes the edited
    // inputs.
    void followsTheMainWindow()
    {
        Rig rig;
        rig.typeLightSteel();
        TForm3& report = rig.calculate();
        const QString firstLine = report.reportLines().first().simplified();
        QCOMPARE(firstLine, QStringLiteral("Сила пружины при максимальной деформации F3=312,5 H"));
        TForm13& panel = rig.openPanel();
        QVERIFY(!panel.captionText().contains(QStringLiteral("главного окна")));

        child<QLineEdit>(rig.form, "f2")->setText(QStringLiteral("30"));
        QTRY_VERIFY(panel.captionText().contains(QStringLiteral("По исходным данным главного окна")));
        QCOMPARE(panel.table().rows.front().record.F3, 375.0);
        QCOMPARE(report.reportLines().first().simplified(), firstLine);

        // A field that stops "Расчет" leaves the rows as they were.
        child<QLineEdit>(rig.form, "d1")->setText(QStringLiteral("0"));
        child<QLineEdit>(rig.form, "f2")->setText(QStringLiteral("35"));
        QTest::qWait(50);
        QCOMPARE(panel.table().rows.front().record.F3, 375.0);
        child<QLineEdit>(rig.form, "d1")->setText(QStringLiteral("30"));
        QTRY_COMPARE(panel.table().rows.front().record.F3, 437.5);

        const int marked = 2;
        QCOMPARE(cell(panel, marked, columnOf(NeighbourCell::Choice)), QStringLiteral("◀ расчет"));
        panel.view()->setCurrentIndex(panel.view()->model()->index(marked, 0));
        QTest::keyClick(panel.view(), Qt::Key_Enter);
        QCOMPARE(report.reportLines().first().simplified(),
            QStringLiteral("Сила пружины при максимальной деформации F3=437,5 H"));
        QCOMPARE(rig.form.lastResult().values.d, panel.table().rows[marked].d);
    }

    // Following the form keeps the answer the dialog gave: the rows stay
    // around the wire picked there.
    void followingKeepsTheDialogsAnswer()
    {
        Rig rig;
        rig.load(kWideSteel);
        rig.calculate(QStringLiteral("2,8"));
        TForm13& panel = rig.openPanel();
        child<QLineEdit>(rig.form, "vmax")->setText(QStringLiteral("0,4"));
        QTRY_VERIFY(panel.captionText().contains(QStringLiteral("По исходным данным главного окна")));
        QVERIFY(panel.captionText().contains(QStringLiteral("Выбран в окне «Выбор диаметра»: d = 2,8 мм")));
        QCOMPARE(panel.table().refusal, std::string());
    }

    // No rows: the window says why; no wire diameter: no button.
    void withoutRows()
    {
        Rig rig;
        rig.load(kSteel);
        rig.calculate();
        rig.data.remove(QStringLiteral("60С2А.dat"));
        TForm13& panel = rig.openPanel();
        QVERIFY(!panel.view()->isVisible());
        auto* refusal = panel.findChild<QLabel*>(QStringLiteral("refusal"));
        QVERIFY(refusal->isVisible());
        QCOMPARE(refusal->text(), QStringLiteral("Нет списка диаметров материала 60С2А: no 60С2А.dat"));

        child<QComboBox>(rig.form, "grup")->setCurrentIndex(3);
        child<QComboBox>(rig.form, "material")
            ->setCurrentIndex(0); // "Проволока I класса", not used for group IV
        TForm3& report = rig.calculate();
        QVERIFY(!rig.form.lastResult().wire);
        QVERIFY(!report.findChild<QPushButton*>(QStringLiteral("neighboursButton"))->isEnabled());
    }

    // The tab: every material once, lightest first, the main window's
    // material marked and current.
    void materialsTab()
    {
        Rig rig;
        rig.load(kWireClass2);
        rig.calculate();
        TForm13& panel = rig.openMaterials();
        QVERIFY(panel.materialsView()->isVisible());
        const QAbstractItemModel& model = *panel.materialsView()->model();
        const QStringList shown = materialsShown(panel);
        QCOMPARE(shown.size(), child<QComboBox>(rig.form, "material")->count());
        QCOMPARE(shown.first(), QStringLiteral("Проволока I класса"));
        QCOMPARE(panel.materialsView()->horizontalHeader()->sortIndicatorSection(), materialColumn("M"));
        const int own = static_cast<int>(shown.indexOf(QStringLiteral("Проволока II класса")));
        QCOMPARE(panel.materialsView()->currentIndex().row(), own);
        for (int r = 0; r < model.rowCount(); ++r) {
            QCOMPARE(model.index(r, 0).data(Qt::FontRole).value<QFont>().bold(), r == own);
            QCOMPARE(model.index(r, 0).data().toString().endsWith(QStringLiteral(" ◀")), r == own);
        }
        QTest::qWait(0); // the tab laid out for its new caption
        QCOMPARE(cutTexts(&panel), QStringList());
        scetchtest::saveScreenshot(panel, QStringLiteral("materials"));

        // It follows the main window: another material there moves the mark.
        child<QComboBox>(rig.form, "material")
            ->setCurrentIndex(child<QComboBox>(rig.form, "material")->findText(QStringLiteral("40Х13")));
        QTRY_VERIFY(std::any_of(panel.materials().rows.begin(), panel.materials().rows.end(),
            [](const MaterialRow& r) { return r.selected && r.material == "40Х13"; }));
        QVERIFY(panel.findChild<QLabel*>(QStringLiteral("materialsCaption"))
                    ->text()
                    .startsWith(QStringLiteral("По исходным данным главного окна")));
    }

    // A header click orders by that column, a second click the other way;
    // the rows that never got that far stay last, the current row stays.
    void materialsSort()
    {
        Rig rig;
        rig.load(kWireClass2);
        rig.calculate();
        TForm13& panel = rig.openMaterials();
        QHeaderView& header = *panel.materialsView()->horizontalHeader();
        const QString current = materialsShown(panel)[panel.materialsView()->currentIndex().row()];
        const int index = materialColumn("i");
        const QPoint at(header.sectionViewportPosition(index) + 5, header.height() / 2);
        for (const bool descending : { false, true }) {
            QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, at);
            QCOMPARE(header.sortIndicatorSection(), index);
            const auto& rows = static_cast<const MaterialModel*>(panel.materialsView()->model())->rows();
            for (size_t k = 1; k < rows.size(); ++k) {
                const MaterialRow& a = rows[k - 1];
                const MaterialRow& b = rows[k];
                // A row the method stopped keeps the i its report wrote.
                const MaterialColumn& column = materialColumns()[static_cast<size_t>(index)];
                QVERIFY(!column.reached(b) || column.reached(a));
                if (column.reached(b))
                    QVERIFY(descending ? a.record.i >= b.record.i : a.record.i <= b.record.i);
            }
            QCOMPARE(materialsShown(panel)[panel.materialsView()->currentIndex().row()], current);
        }
    }

    // Enter or a double click: the material selected in the main window and
    // "Расчет" pressed there; the mark follows. A material that needs the
    // diameter choice asks for it then, as "Расчет" does.
    void pickedMaterialIsCalculated()
    {
        Rig rig;
        rig.load(kChosenDiameter);
        TForm3& report = rig.calculate(QStringLiteral("3"));
        TForm13& panel = rig.openMaterials();
        const int steel = static_cast<int>(materialsShown(panel).indexOf(QStringLiteral("60С2А")));
        const QAbstractItemModel& model = *panel.materialsView()->model();
        QCOMPARE(model.index(steel, materialColumn("outcome")).data().toString(),
            QStringLiteral("нужен выбор диаметра"));

        panel.materialsView()->setCurrentIndex(model.index(steel, 0));
        OnModal pick([&](QWidget* choice) {
            child<QComboBox>(*choice, "dBox")->setCurrentText(QStringLiteral("3,5"));
            child<QPushButton>(*choice, "BitBtn1")->click();
        });
        QTest::keyClick(panel.materialsView(), Qt::Key_Return);
        QVERIFY(pick.fired());
        QCOMPARE(child<QComboBox>(rig.form, "material")->currentText(), QStringLiteral("60С2А"));
        QVERIFY(report.isVisible());
        QCOMPARE(reportLineWith(report, QStringLiteral("Допускаемое напряжение")),
            QStringLiteral("Допускаемое напряжение при кручении tau=471 МПа"));
        QCOMPARE(report.result().values.d, 3.5);
        QTRY_COMPARE(model.index(panel.materialsView()->currentIndex().row(), 0).data().toString(),
            QStringLiteral("60С2А ◀"));
        // The answer now stands in the main window's material's row.
        const int picked = static_cast<int>(materialsShown(panel).indexOf(QStringLiteral("60С2А")));
        QCOMPARE(model.index(picked, materialColumn("d")).data().toString(), QStringLiteral("3,5"));

        const int first = 0;
        const QString name = materialsShown(panel)[first];
        const QPoint at = panel.materialsView()->visualRect(model.index(first, 0)).center();
        QTest::mouseDClick(panel.materialsView()->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(child<QComboBox>(rig.form, "material")->currentText(), name);
        QCOMPARE(qs(report.result().inputs.materialName), name);

        // A material whose calculation fails closes the report, not the tab.
        const int bronze = static_cast<int>(materialsShown(panel).indexOf(QStringLiteral("БрБ2")));
        panel.materialsView()->setCurrentIndex(model.index(bronze, 0));
        QTest::keyClick(panel.materialsView(), Qt::Key_Enter);
        QCOMPARE(rig.messages.messages.last(),
            QStringLiteral("Не выполнено условие отсутствия соударения витков"));
        QTRY_VERIFY(!report.isVisible());
        QVERIFY(panel.isVisible());
        QCOMPARE(child<QComboBox>(rig.form, "material")->currentText(), QStringLiteral("БрБ2"));
    }
    // "Подбор": the search over the outer diameters of its fields, the
    // table following it; Enter puts the first (lightest) row into the
    // main window and its report is that spring's. A space nothing fits
    // says which rule rejected the candidates.
    void searchRowIsCalculated()
    {
        Rig rig;
        rig.load(QStringLiteral(EXAMPLES_DIR "wire-class2.rid"));
        TForm3& report = rig.calculate();
        TForm13& panel = rig.openPanel();
        panel.findChild<QTabWidget*>(QStringLiteral("tabs"))->setCurrentIndex(2);
        SearchTab& tab = *panel.searchTab();
        const auto search = [&](const char* field, const QString& text) {
            child<QLineEdit>(tab, field)->setText(text);
            child<QPushButton>(tab, "find")->click();
            QTRY_VERIFY_WITH_TIMEOUT(!tab.running(), 30000);
        };
        child<QLineEdit>(tab, "outerMin")->setText(QStringLiteral("38"));
        search("outerMax", QStringLiteral("40"));
        QVERIFY(tab.statusText().startsWith(QStringLiteral("Готово")));
        QVERIFY(!tab.rows().empty());
        const SearchRow best = tab.rows().front();
        tab.view()->setCurrentIndex(tab.view()->model()->index(0, 0));
        QTest::keyClick(tab.view(), Qt::Key_Return);
        QCOMPARE(child<QComboBox>(rig.form, "material")->currentText(), qs(best.material));
        QCOMPARE(report.result().inputs.D1, best.D1);
        QCOMPARE(report.result().values.d, best.d);
        QCOMPARE(report.result().inputs.group, best.group);
        QCOMPARE(child<QLineEdit>(tab, "outerMax")->text(), QStringLiteral("40")); // the range stays

        search("massMax", QStringLiteral("0,000001"));
        QVERIFY(tab.rows().empty());
        QVERIFY(tab.statusText().contains(QStringLiteral("масса больше допустимой")));
    }
};

PRUZ_FORM_TEST_MAIN(TestSosedi)
#include "test_sosedi.moc"
