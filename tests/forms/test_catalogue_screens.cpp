// The catalogue windows as the user sees them: every caption, button text,
// grid header and cell fits its place (nothing cut off). With
// PRUZ_SCREENSHOT_DIR set to a folder, each window is also saved there as PNG.

#include "helpers/scriptedfiles.h"
#include "helpers/setup_recorder.h"

#include "forms/windows/Inputdiam.h"
#include "forms/windows/NewMat.h"
#include "forms/windows/VIEVTAU.h"
#include "forms/windows/VievI.h"
#include "forms/windows/Vievsb.h"
#include "forms/windows/newdiam.h"
#include "forms/windows/setup.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace {

constexpr int kTextPadding = 6; // the frame and margins a button or cell draws around its text

QString fitProblems(QWidget& window)
{
    QStringList problems;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window))
            continue;
        const QSize need = label->sizeHint();
        if (need.width() > label->width() || need.height() > label->height())
            problems << QStringLiteral("label %1 \"%2\"").arg(label->objectName(), label->text());
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&window) || button->text().isEmpty())
            continue;
        const bool plain = qobject_cast<QPushButton*>(button) != nullptr;
        const int need = plain ? button->fontMetrics().horizontalAdvance(button->text()) + kTextPadding
                               : button->sizeHint().width();
        if (need > button->width())
            problems << QStringLiteral("button %1 \"%2\"").arg(button->objectName(), button->text());
    }
    for (QTableView* grid : window.findChildren<QTableView*>()) {
        const QAbstractItemModel* model = grid->model();
        const QFontMetrics fm = grid->fontMetrics();
        for (int c = 0; c < model->columnCount(); ++c) {
            const int width = grid->horizontalHeader()->sectionSize(c);
            const QString header = model->headerData(c, Qt::Horizontal).toString();
            if (fm.horizontalAdvance(header) + kTextPadding > width)
                problems << QStringLiteral("%1 header %2 \"%3\"").arg(grid->objectName()).arg(c).arg(header);
            for (int r = 0; r < model->rowCount(); ++r) {
                const QString cell = model->index(r, c).data().toString();
                if (fm.horizontalAdvance(cell) + kTextPadding > width)
                    problems << QStringLiteral("%1 cell %2,%3 \"%4\"")
                                    .arg(grid->objectName())
                                    .arg(r)
                                    .arg(c)
                                    .arg(cell);
            }
        }
    }
    return problems.join(QStringLiteral("; "));
}

void look(QWidget& window, const QString& name)
{
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    const QString folder = qEnvironmentVariable("PRUZ_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png")));
    const QString problems = fitProblems(window);
    QVERIFY2(problems.isEmpty(), qPrintable(name + ": " + problems));
}

} // namespace

class TestCatalogueScreens : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { dataDir = data.dataDir(); }

    void settingsTabs()
    {
        TForm9 newMat(messages);
        TForm11 input;
        TForm10 diameters(dataDir, messages, input);
        ScriptedFiles files;
        TForm4 settings(dataDir, messages, newMat, diameters, files);
        settings.show();
        look(settings, QStringLiteral("settings-materials"));
        auto* tabs = settings.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        tabs->setCurrentIndex(1);
        look(settings, QStringLiteral("settings-properties"));
        // The steels hide the red note and grey the tensile-strength row.
        settings.findChild<QAbstractButton*>(QStringLiteral("groupItem2"))->click();
        look(settings, QStringLiteral("settings-properties-steel"));
        QVERIFY(messages.messages.isEmpty());
    }

    void dialogs()
    {
        TForm9 newMat(messages);
        newMat.findChild<QLineEdit*>(QStringLiteral("name"))->setText(QStringLiteral("Сталь 65Г"));
        newMat.show();
        look(newMat, QStringLiteral("dialog-new-material"));

        TForm11 input;
        input.findChild<QLineEdit*>(QStringLiteral("diameter"))->setText(QStringLiteral("1,6"));
        input.show();
        look(input, QStringLiteral("dialog-new-diameter"));

        TForm10 diameters(dataDir, messages, input);
        diameters.setMaterial("60С2А", true);
        diameters.show();
        look(diameters, QStringLiteral("dialog-diameters"));
        QCOMPARE(diameters.windowTitle(), QStringLiteral("Диаметры для 60С2А"));
        QVERIFY(messages.messages.isEmpty());
    }

    void viewers()
    {
        TForm5 k3(dataDir, messages);
        k3.show();
        look(k3, QStringLiteral("viewer-k3"));
        std::string tableKind = "PREDVARIT";
        TForm6 tau(
            dataDir, [&] { return tableKind; }, messages);
        tau.show();
        look(tau, QStringLiteral("viewer-tau1"));
        tau.hide();
        tableKind = "OKONCAT";
        tau.show();
        look(tau, QStringLiteral("viewer-tau2"));
        TForm7 sigma(dataDir, messages);
        sigma.show();
        look(sigma, QStringLiteral("viewer-sigma"));
        QVERIFY(messages.messages.isEmpty());
    }

private:
    CatalogueScratch data;
    std::string dataDir;
    SetupRecorder messages;
};

int main(int argc, char** argv)
{
    TestCatalogueScreens test;
    return runStyledTest(test, argc, argv);
}

#include "test_catalogue_screens.moc"
