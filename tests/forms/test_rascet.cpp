// The report window: the calculation run by its showing, the timer that
// closes it after a failure, the diameter question, and printing.
#include "engine/inputform.h"
#include "engine/peremenn.h"
#include "forms/dopvvod.h"
#include "forms/rascet.h"
#include "forms/reportprint.h"
#include "helpers/datacopy.h"
#include "helpers/formtest.h"
#include "helpers/onmodal.h"
#include "helpers/recorder.h"
#include "helpers/scetch_testing.h"
#include "helpers/textfit.h"

#include <QComboBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>

namespace {

// The inputs of a spring as "Расчет" stores them.
void setInputs(Peremenn& p, const QString& material, int group, const QString& f1, const QString& f2,
               const QString& d1, const QString& h, const QString& vmax = QStringLiteral("2"))
{
    InputForm form;
    form.materialName = material.toStdString();
    form.grupIndex = group - 1;
    form.f1 = f1.toStdString();
    form.f2 = f2.toStdString();
    form.d1 = d1.toStdString();
    form.h = h.toStdString();
    form.vmax = vmax.toStdString();
    p.mode = 1;
    QVERIFY(applyCalcInputs(p, form) == InputOutcome::Proceed);
}

QString pdfText(const QString& pdf)
{
    QProcess run;
    // -layout keeps a line with long runs of blanks on one line.
    run.start(QStringLiteral("pdftotext"),
              {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!run.waitForFinished(30000) || run.exitCode() != 0)
        return {};
    return QString::fromUtf8(run.readAllStandardOutput());
}

int pdfPages(const QString& pdf)
{
    QProcess run;
    run.start(QStringLiteral("pdfinfo"), {pdf});
    run.waitForFinished(30000);
    const QString info = QString::fromUtf8(run.readAllStandardOutput());
    for (const QString& line : info.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int k = 1; k <= count; ++k)
        lines << QStringLiteral("Строка отчета номер %1 конец").arg(k);
    return lines;
}

const QString kWire2 = QStringLiteral("Проволока II класса");

// Each line with its runs of blanks made one; empty lines left out.
QStringList simplified(const QStringList& lines)
{
    QStringList out;
    for (const QString& line : lines)
        if (!line.simplified().isEmpty())
            out << line.simplified();
    return out;
}

// "Печать" pressed and its dialog accepted, printing to a PDF: whether the
// dialog offered a page range, and the lines printed.
struct Printed {
    bool rangeOffered = true;
    QStringList lines; // blanks simplified, empty lines left out
};

Printed printWithTheButton(TForm3& window, QPrinter& printer)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    Printed printed;
    OnModal accept([&](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        QVERIFY(dialog);
        printed.rangeOffered = dialog->testOption(QAbstractPrintDialog::PrintPageRange)
            || dialog->testOption(QAbstractPrintDialog::PrintSelection);
        dialog->accept();
    });
    window.ui.BitBtn2->click();
    if (!accept.fired())
        return {};
    printed.lines = simplified(pdfText(pdf).split(QLatin1Char('\n')));
    return printed;
}

} // namespace

class TestRascet : public QObject {
    Q_OBJECT

    struct Rig {
        DataCopy data;
        Peremenn p;
        MessageRecorder messages;
        TForm8 choice{p, messages};
        QPrinter printer;
        TForm3 window{p, messages, choice, printer};
        Rig() { p.dataDir = data.dataDir(); }
    };

private slots:
    void layoutFits()
    {
        Rig rig;
        QCOMPARE(rig.window.size(), QSize(536, 344));
        QCOMPARE(cutTexts(&rig.window), QStringList());
        QVERIFY(!rig.window.ui.BitBtn2->isEnabled());
    }

    void showingRunsTheCalculation()
    {
        Rig rig;
        setInputs(rig.p, kWire2, 1, "10", "30", "20", "15");
        rig.window.show();
        const QStringList lines = rig.window.reportLines();
        QCOMPARE(lines.first(),
                 QStringLiteral("Сила пружины при максимальной деформации                            F3=375 H"));
        QCOMPARE(lines.size(), 35);
        QCOMPARE(rig.messages.messages, QStringList());
        QVERIFY(rig.window.ui.BitBtn2->isEnabled());
        // Shown again: a new calculation into a cleared memo.
        rig.window.hide();
        setInputs(rig.p, kWire2, 1, "10", "20", "20", "15");
        rig.window.show();
        QCOMPARE(rig.window.reportLines().first(),
                 QStringLiteral("Сила пружины при максимальной деформации                            F3=250 H"));
        QCOMPARE(rig.window.reportLines().count(lines.first()), 0);
    }

    void timerClosesAfterFailure()
    {
        Rig rig;
        setInputs(rig.p, QStringLiteral("Проволока I класса"), 4, "10", "30", "20", "15");
        rig.window.show();
        const QString text = QStringLiteral("Материал Проволока I класса не применяется для группы-IV");
        QCOMPARE(rig.messages.messages, QStringList{text});
        QCOMPARE(rig.window.reportLines(), QStringList{text});
        QVERIFY(rig.p.calcFailed);
        QVERIFY(rig.window.isVisible()); // the timer closes it, not the calculation
        QTRY_VERIFY_WITH_TIMEOUT(!rig.window.isVisible(), 1000);
        QCOMPARE(rig.window.reportLines(), QStringList{text});

        // The next calculation clears the flag and stays on the screen.
        setInputs(rig.p, kWire2, 1, "10", "30", "20", "15");
        rig.window.show();
        QVERIFY(!rig.p.calcFailed);
        QTest::qWait(200);
        QVERIFY(rig.window.isVisible());
    }

    void missingFileLeavesItOpen()
    {
        Rig rig;
        rig.data.remove(kWire2 + "mat.dat");
        setInputs(rig.p, kWire2, 1, "10", "30", "20", "15");
        rig.window.show();
        QCOMPARE(rig.messages.messages, QStringList{"no " + kWire2 + "mat.dat"});
        QTest::qWait(200);
        QVERIFY(rig.window.isVisible());
        QCOMPARE(rig.window.reportLines(), QStringList{QString()});
        QVERIFY(rig.window.ui.BitBtn2->isEnabled());
    }

    // k3 above 59.43 asks for the wire diameter.
    void diameterQuestion_data()
    {
        QTest::addColumn<QString>("pick"); // empty: Close
        QTest::addColumn<bool>("failed");
        QTest::newRow("Close stops the calculation") << QString() << true;
        QTest::newRow("5 for D1 35 gives i 6") << "5" << false;
    }
    void diameterQuestion()
    {
        QFETCH(QString, pick);
        QFETCH(bool, failed);
        Rig rig;
        setInputs(rig.p, kWire2, 1, "1", "2", "35", "10");
        QStringList shownWhileAsking;
        OnModal answer([&](QWidget*) {
            shownWhileAsking = rig.window.reportLines();
            if (pick.isEmpty()) {
                rig.choice.ui.BitBtn2->click();
                return;
            }
            rig.choice.ui.dBox->setCurrentText(pick);
            rig.choice.ui.BitBtn1->click();
        });
        rig.window.show();
        QVERIFY(answer.fired());
        // The lines so far are on the screen while the user picks.
        QCOMPARE(shownWhileAsking.size(), 2);
        QVERIFY(shownWhileAsking.last().contains(QStringLiteral("taupr=618")));
        QCOMPARE(rig.messages.messages.value(0), QStringLiteral("Не выполнено условие устойчивости i>10"));
        QCOMPARE(rig.p.calcFailed, failed);
        const QStringList lines = rig.window.reportLines();
        if (failed) {
            QVERIFY(lines.last().startsWith(QStringLiteral("Наибольшее допустимое напряжение")));
            QTRY_VERIFY_WITH_TIMEOUT(!rig.window.isVisible(), 1000);
        } else {
            QCOMPARE(rig.p.d, 5.0);
            QCOMPARE(rig.p.i, 6.0);
            QVERIFY(lines.contains(QStringLiteral("Индекс пружины") + QString(80, ' ') + "i=6"));
        }
    }

    void printsEveryLineInOrder_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("pages");
        QTest::newRow("40 lines, one page") << 40 << 1;
        QTest::newRow("150 lines, three pages") << 150 << 3;
    }
    void printsEveryLineInOrder()
    {
        QFETCH(int, count);
        QFETCH(int, pages);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("report.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        Rig rig;
        const QStringList lines = numberedLines(count);
        QCOMPARE(printLines(lines, printer, rig.window.printFont()), pages);
        QCOMPARE(pdfPages(pdf), pages);
        QStringList printed = pdfText(pdf).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        printed.removeAll(QStringLiteral("\f"));
        for (QString& line : printed)
            line = line.remove(QLatin1Char('\f')).trimmed();
        QCOMPARE(printed, lines);
    }

    // On a page of known height: a text line takes its height + 2 device
    // pixels, an empty line the font height, and a line that would pass the
    // bottom goes to a new page.
    void linesPerPage()
    {
        QTemporaryDir dir;
        QPdfWriter pdf(dir.filePath("page.pdf"));
        pdf.setResolution(300);
        pdf.setPageSize(QPageSize(QSizeF(100, 100), QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSize(10);
        const int height = QFontMetrics(QFont(font, &pdf)).height();
        const int textLines = pdf.height() / (height + 2);
        const int emptyLines = pdf.height() / height;
        QVERIFY(emptyLines > textLines);
        QCOMPARE(printLines(QStringList(textLines, "x"), pdf, font), 1);
        QCOMPARE(printLines(QStringList(textLines + 1, "x"), pdf, font), 2);
        QCOMPARE(printLines(QStringList(emptyLines, QString()), pdf, font), 1);
        QCOMPARE(printLines(QStringList(2 * textLines + 1, "x"), pdf, font), 3);
    }

    void breaksTooWideLines()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("wide.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        Rig rig;
        const QString wide = QString(400, QChar(0x0416)); // "Ж" x 400
        QCOMPARE(printLines({"до", wide, "после"}, printer, rig.window.printFont()), 1);
        const QStringList printed = pdfText(pdf).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const int first = printed.indexOf(QStringLiteral("до"));
        const int last = printed.indexOf(QStringLiteral("после"));
        QVERIFY2(first >= 0 && last > first + 2, qPrintable(printed.join('|')));
        QCOMPARE(printed.mid(first + 1, last - first - 1).join(QString()), wide);

        const QFontMetrics metrics(QFont(rig.window.printFont(), &printer));
        const QStringList pieces = breakLine(wide, printer.width(), metrics);
        for (const QString& piece : pieces.mid(0, pieces.size() - 1)) {
            QVERIFY(metrics.horizontalAdvance(piece) <= printer.width());
            QVERIFY(metrics.horizontalAdvance(piece + QChar(0x0416)) > printer.width());
        }
    }

    // "Печать": the print dialog offers no page range, and what it accepts
    // gets every line.
    void printButton()
    {
        Rig rig;
        setInputs(rig.p, kWire2, 1, "10", "30", "20", "15");
        rig.window.show();
        const Printed printed = printWithTheButton(rig.window, rig.printer);
        QVERIFY(!printed.rangeOffered);
        QCOMPARE(printed.lines, simplified(rig.window.reportLines()));
        QCOMPARE(rig.messages.messages, QStringList());
    }

    // "Подробно" after the example shows the text of pruzcalc --explain, and
    // "Печать" on that tab prints it; the report tab keeps the report.
    void detailedView()
    {
        Rig rig;
        setInputs(rig.p, kWire2, 1, "10", "30", "20", "15"); // examples/wire-class2.rid
        rig.window.show();
        QCOMPARE(rig.window.ui.views->currentWidget(), rig.window.ui.otcetTab);
        QTest::keyClick(rig.window.ui.otcet, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(rig.window.ui.views->currentWidget(), rig.window.ui.podrobnoTab);
        QFile explained(QStringLiteral(CLI_CASES_DIR "explain-wire-class2/stdout"));
        QVERIFY(explained.open(QIODevice::ReadOnly));
        QCOMPARE(rig.window.ui.podrobno->toPlainText() + QLatin1Char('\n'), QString::fromUtf8(explained.readAll()));
        QCOMPARE(rig.window.reportLines().size(), 35);
        QCOMPARE(cutTexts(&rig.window), QStringList());
        // For the documentation: the view from the allowable stress on.
        const int from = rig.window.traceViewLines().indexOf(
            QStringLiteral("Наибольшее допустимое напряжение в первом приближении"));
        rig.window.ui.podrobno->verticalScrollBar()->setValue(from);
        scetchtest::saveScreenshot(rig.window, QStringLiteral("report-detailed"));

        const Printed printed = printWithTheButton(rig.window, rig.printer);
        QCOMPARE(printed.lines, simplified(rig.window.traceViewLines()));
        QVERIFY(printed.lines.contains(QStringLiteral("k3 = D1 / √(F3 / τ')")));
    }

    void cancelledPrintDialogPrintsNothing()
    {
        Rig rig;
        QTemporaryDir dir;
        const QString pdf = dir.filePath("none.pdf");
        rig.printer.setOutputFormat(QPrinter::PdfFormat);
        rig.printer.setOutputFileName(pdf);
        OnModal cancel([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        rig.window.ui.BitBtn2->setEnabled(true);
        rig.window.ui.BitBtn2->click();
        QVERIFY(cancel.fired());
        QVERIFY(!QFile::exists(pdf));
    }
};

PRUZ_FORM_TEST_MAIN(TestRascet)
#include "test_rascet.moc"
