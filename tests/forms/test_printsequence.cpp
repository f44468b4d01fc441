// Printouts through the print dialog one after another on the program's one
// printer: each comes out as it does alone, whatever the one before it set
// (the chart's landscape page, its resolution).
#include "forms/windows/harakter.h"
#include "forms/windows/pruzform.h"
#include "forms/windows/rascet.h"
#include "forms/windows/scetch.h"
#include "helpers/child.h"
#include "helpers/datacopy.h"
#include "helpers/formtest.h"
#include "helpers/onmodal.h"
#include "helpers/recorder.h"
#include "helpers/scriptedfiles.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>

namespace {

// The height in points of the tallest word on the PDF's first page, as
// poppler reads its boxes back.
double tallestWord(const QString& pdf)
{
    QProcess run;
    run.start(QStringLiteral("pdftotext"),
        { QStringLiteral("-bbox"), QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-") });
    if (!run.waitForFinished(30000) || run.exitCode() != 0)
        return -1;
    const QString html = QString::fromUtf8(run.readAllStandardOutput());
    static const QRegularExpression word(QStringLiteral("yMin=\"([0-9.]+)\"[^>]*yMax=\"([0-9.]+)\""));
    double tallest = 0;
    for (auto m = word.globalMatch(html); m.hasNext();) {
        const auto found = m.next();
        tallest = std::max(tallest, found.captured(2).toDouble() - found.captured(1).toDouble());
    }
    return tallest;
}

} // namespace

class TestPrintSequence : public QObject {
    Q_OBJECT

    struct Rig {
        DataCopy data;
        MessageRecorder messages;
        ScriptedFiles files;
        TForm1 form { messages, files, data.dataDir() };
        QTemporaryDir dir;
        Rig()
        {
            form.show();
            child<QComboBox>(form, "material")->setCurrentText(QStringLiteral("Проволока II класса"));
            child<QLineEdit>(form, "f1")->setText(QStringLiteral("10"));
            child<QLineEdit>(form, "f2")->setText(QStringLiteral("30"));
            child<QLineEdit>(form, "d1")->setText(QStringLiteral("20"));
            child<QLineEdit>(form, "h")->setText(QStringLiteral("15"));
            child<QLineEdit>(form, "vmax")->setText(QStringLiteral("2"));
            child<QPushButton>(form, "Rascet")->click();
        }
        // Presses `print`; the print dialog that opens is set to print to
        // the file `name` and accepted, as the user does. The tallest word
        // of the file, or -1 when nothing was printed.
        double print(const QString& name, const std::function<void()>& press)
        {
            const QString pdf = dir.filePath(name + QStringLiteral(".pdf"));
            auto& printer = static_cast<QPrinter&>(form.printer());
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            OnModal accept([&](QWidget* modal) {
                auto* dialog = qobject_cast<QPrintDialog*>(modal);
                QVERIFY(dialog);
                dialog->accept();
            });
            press();
            return QFile::exists(pdf) ? tallestWord(pdf) : -1;
        }
    };

    // The printouts of the sequence, each pressed in its window.
    static QList<std::pair<QString, std::function<void(Rig&)>>> printouts()
    {
        return {
            { QStringLiteral("chart"),
                [](Rig& rig) {
                    child<QPushButton>(*rig.form.reportWindow(), "chartButton")->click();
                    rig.form.reportWindow()->findChild<TForm12*>()->BitBtn2Click();
                } },
            { QStringLiteral("report"),
                [](Rig& rig) { child<QPushButton>(*rig.form.reportWindow(), "BitBtn2")->click(); } },
            { QStringLiteral("trace"),
                [](Rig& rig) {
                    TForm3& report = *rig.form.reportWindow();
                    child<QTabWidget>(report, "views")
                        ->setCurrentWidget(child<QWidget>(report, "podrobnoTab"));
                    child<QPushButton>(report, "BitBtn2")->click();
                    child<QTabWidget>(report, "views")->setCurrentWidget(child<QWidget>(report, "otcetTab"));
                } },
            { QStringLiteral("sketch"),
                [](Rig& rig) {
                    child<QPushButton>(rig.form, "scetch")->click();
                    child<QToolButton>(*rig.form.sketchWindow(), "pr")->click();
                } },
        };
    }

private slots:
    void eachAsAlone()
    {
        // Each alone, on a printer nothing has printed on yet.
        QMap<QString, double> alone;
        for (const auto& printout : printouts()) {
            Rig rig;
            const QString& name = printout.first;
            alone[name] = rig.print(name, [&] { printout.second(rig); });
            QVERIFY2(alone[name] > 0, qPrintable(name + QString::number(alone[name])));
        }
        // Then one after another on the one printer.
        Rig rig;
        for (const auto& printout : printouts()) {
            const QString& name = printout.first;
            const double height = rig.print(name, [&] { printout.second(rig); });
            QVERIFY2(qAbs(height - alone[name]) < 0.5,
                qPrintable(QStringLiteral("%1: %2 pt, alone %3 pt").arg(name).arg(height).arg(alone[name])));
        }
        QCOMPARE(rig.messages.messages, QStringList());
    }
};

PRUZ_FORM_TEST_MAIN(TestPrintSequence)
#include "test_printsequence.moc"
