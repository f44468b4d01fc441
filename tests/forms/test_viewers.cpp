// The reference viewers TForm5 (k3), TForm6 (torsion stress) and TForm7
// (tensile strength): what each shows on the shipped tables, refilling on
// every showing, read-only cells, and the messages for missing files. The
// grids of odd files are the engine tests' concern.

#include "helpers/setup_recorder.h"

#include "forms/windows/VIEVTAU.h"
#include "forms/windows/VievI.h"
#include "forms/windows/Vievsb.h"

#include <QAbstractItemModel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

QAbstractItemModel* grid(QWidget& viewer, const char* name = "tabl")
{
    auto* view = viewer.findChild<QTableView*>(QString::fromLatin1(name));
    return view ? view->model() : nullptr;
}

QStringList header(QAbstractItemModel* model)
{
    QStringList out;
    for (int c = 0; c < model->columnCount(); ++c)
        out << model->headerData(c, Qt::Horizontal).toString();
    return out;
}

QStringList row(QAbstractItemModel* model, int r)
{
    QStringList out;
    for (int c = 0; c < model->columnCount(); ++c)
        out << model->index(r, c).data().toString();
    return out;
}

std::unique_ptr<TableViewer> makeViewer(
    const QString& kind, const std::string& dataDir, const std::string& tableKind, Messages& messages)
{
    if (kind == QLatin1String("k3"))
        return std::make_unique<TForm5>(dataDir, messages);
    if (kind == QLatin1String("tau"))
        return std::make_unique<TForm6>(
            dataDir, [table = &tableKind] { return *table; }, messages);
    return std::make_unique<TForm7>(dataDir, messages);
}

} // namespace

class TestViewers : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        data = std::make_unique<CatalogueScratch>();
        dataDir = data->dataDir();
        tableKind = "PREDVARIT";
        messages = SetupRecorder();
    }

    void k3Viewer()
    {
        TForm5 viewer(dataDir, messages);
        viewer.show();
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Справочник"));
        QCOMPARE(viewer.size(), QSize(154, 327));
        QVERIFY(!viewer.findChild<QTableView*>(QStringLiteral("zag")));
        auto* model = grid(viewer);
        QCOMPARE(header(model), QStringList({ "         I", "        K3" }));
        QCOMPARE(model->rowCount(), 71);
        QCOMPARE(row(model, 0), QStringList({ "3", "13,91" }));
        QCOMPARE(row(model, 1), QStringList({ "3,1", "14,38" }));
        QCOMPARE(row(model, 70).first(), QStringLiteral("10"));
        QVERIFY(messages.messages.isEmpty());
    }

    void torsionStressViewer()
    {
        TForm6 viewer(
            dataDir, [this] { return tableKind; }, messages);
        viewer.show();
        QCOMPARE(viewer.size(), QSize(401, 261));
        QCOMPARE(header(grid(viewer, "zag")), QStringList({ "Класс(марка)|", "", "Группа", "пружин", "" }));
        QCOMPARE(grid(viewer, "zag")->rowCount(), 0);
        auto* model = grid(viewer);
        QCOMPARE(header(model),
            QStringList({ "материала", "        I", "        II", "        III", "        IV" }));
        QCOMPARE(model->rowCount(), 7);
        QCOMPARE(row(model, 0), QStringList({ "        I", "735", "1470", "1225", "        -" }));
        QCOMPARE(row(model, 6).first(), QStringLiteral("  БрБ2"));

        viewer.hide();
        tableKind = "OKONCAT";
        viewer.show();
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(row(model, 0).first(), QStringLiteral(" 60С2А "));
        QVERIFY(messages.messages.isEmpty());
    }

    void tensileStrengthViewer()
    {
        TForm7 viewer(dataDir, messages);
        QCOMPARE(viewer.pos(), QPoint(194, 112));
        viewer.show();
        QCOMPARE(viewer.size(), QSize(553, 344));
        QCOMPARE(header(grid(viewer, "zag")), QStringList({ "Диаметр", "", "", "Сигма В", "МПа", "", "" }));
        auto* model = grid(viewer);
        QCOMPARE(header(model),
            QStringList(
                { "проволоки", "Класс I", "Класс II", "12Х18Н10Т", "ХН77ТЮР", "БрКМц3-1БрОц4-3", "БрБ2" }));
        QCOMPARE(model->rowCount(), 22);
        QCOMPARE(row(model, 0), QStringList({ "0,2", "3180", "2680", "2240", "930", "760", "735" }));
        QVERIFY(messages.messages.isEmpty());
    }

    void cellsAreReadOnly()
    {
        for (const char* kind : { "k3", "tau", "sigma" }) {
            auto viewer = makeViewer(QString::fromLatin1(kind), dataDir, tableKind, messages);
            viewer->show();
            auto* view = viewer->findChild<QTableView*>(QStringLiteral("tabl"));
            QCOMPARE(view->editTriggers(), QAbstractItemView::NoEditTriggers);
            QVERIFY(!(view->model()->flags(view->model()->index(1, 1)) & Qt::ItemIsEditable));
        }
    }

    void escapeCloses_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : { "k3", "tau", "sigma" })
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void escapeCloses()
    {
        QFETCH(QString, kind);
        auto viewer = makeViewer(kind, dataDir, tableKind, messages);
        viewer->show();
        QVERIFY(QTest::qWaitForWindowActive(viewer.get()));
        QTest::keyClick(viewer->findChild<QWidget*>(QStringLiteral("tabl")), Qt::Key_Escape);
        QVERIFY(!viewer->isVisible());
    }

    void refilledOnlyWhenShownAgain()
    {
        TForm5 viewer(dataDir, messages);
        viewer.show();
        data->write(QStringLiteral("k3.dat"), QByteArray("1\r\n2\r\n"));
        viewer.show(); // already on the screen: brought to the front only
        QCOMPARE(grid(viewer)->rowCount(), 71);
        viewer.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        QVERIFY(!viewer.isVisible());
        viewer.show();
        QCOMPARE(grid(viewer)->rowCount(), 2);
    }

    void missingFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("tauTableKind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("firstRow");
        QTest::newRow("no k3") << "k3"
                               << "PREDVARIT"
                               << "k3.dat"
                               << "no k3.dat" << 0 << QStringList();
        QTest::newRow("no tau1") << "tau"
                                 << "PREDVARIT"
                                 << "tau1.dat"
                                 << "no TAU1.DAT" << 0 << QStringList();
        QTest::newRow("no table kind") << "tau"
                                       << ""
                                       << ""
                                       << "no " << 0 << QStringList();
        QTest::newRow("no sigmab") << "sigma"
                                   << ""
                                   << "sigmab.dat"
                                   << "no SIGMAB.DAT" << 22 << QStringList(7);
        QTest::newRow("no sigmdiam") << "sigma"
                                     << ""
                                     << "sigmdiam.dat"
                                     << "no SIGMDIAM.DAT" << 22
                                     << QStringList({ "", "3180", "2680", "2240", "930", "760", "735" });
    }
    void missingFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, tauTableKind);
        QFETCH(QString, file);
        QFETCH(QString, message);
        QFETCH(int, rows);
        QFETCH(QStringList, firstRow);
        tableKind = tauTableKind.toStdString();
        if (!file.isEmpty())
            data->remove(file);
        auto viewer = makeViewer(kind, dataDir, tableKind, messages);
        viewer->show();
        QCOMPARE(messages.messages, message.isEmpty() ? QStringList() : QStringList { message });
        auto* model = grid(*viewer);
        QCOMPARE(model->rowCount(), rows);
        if (rows > 0)
            QCOMPARE(row(model, 0), firstRow);
    }

private:
    std::unique_ptr<CatalogueScratch> data;
    std::string dataDir;
    std::string tableKind;
    SetupRecorder messages;
};

int main(int argc, char** argv)
{
    TestViewers test;
    return runStyledTest(test, argc, argv);
}

#include "test_viewers.moc"
