// The report window: the result "Расчет" hands it, the diameter question
// in the middle of the calculation, a missing file, printing and the PDF
// made from the result, its resizing and its keys.
#include "engine/catalogue/datafiles.h"
#include "engine/features/design.h"
#include "engine/features/reportheader.h"
#include "engine/features/verificationtext.h"
#include "engine/method/inputform.h"
#include "engine/method/quiethost.h"
#include "forms/print/reportprint.h"
#include "forms/widgets/appsettings.h"
#include "forms/widgets/filechooser.h"
#include "forms/widgets/qtext.h"
#include "forms/windows/checktab.h"
#include "forms/windows/harakter.h"
#include "forms/windows/pruzform.h"
#include "forms/windows/rascet.h"
#include "forms/windows/scetch.h"
#include "helpers/child.h"
#include "helpers/datacopy.h"
#include "helpers/formtest.h"
#include "helpers/onmodal.h"
#include "helpers/recorder.h"
#include "helpers/replacing.h"
#include "helpers/scetch_testing.h"
#include "helpers/scriptedfiles.h"
#include "helpers/textfit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWindow>

namespace {

QString pdfText(const QString& pdf)
{
    QProcess run;
    // -layout keeps a line with long runs of blanks on one line.
    run.start(QStringLiteral("pdftotext"),
        { QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf,
            QStringLiteral("-") });
    if (!run.waitForFinished(30000) || run.exitCode() != 0)
        return {};
    return QString::fromUtf8(run.readAllStandardOutput());
}

int pdfPages(const QString& pdf)
{
    QProcess run;
    run.start(QStringLiteral("pdfinfo"), { pdf });
    run.waitForFinished(30000);
    const QString info = QString::fromUtf8(run.readAllStandardOutput());
    for (const QString& line : info.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

// The text of each page, its lines trimmed, empty ones left out.
QList<QStringList> pdfPageLines(const QString& pdf)
{
    QList<QStringList> pages;
    for (const QString& page : pdfText(pdf).split(QLatin1Char('\f'))) {
        QStringList lines;
        for (const QString& line : page.split(QLatin1Char('\n')))
            if (!line.trimmed().isEmpty())
                lines << line.trimmed();
        if (!lines.isEmpty())
            pages << lines;
    }
    return pages;
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

// Lines as one text without blanks: the same whether or not a long line was
// broken where the printed page ends.
QString joinedText(const QStringList& lines)
{
    return lines.join(QString()).remove(QLatin1Char(' '));
}

// "Печать" (or Ctrl+P) pressed and its dialog accepted, printing to a PDF:
// the page range choices the dialog showed, and the lines printed.
struct Printed {
    QStringList rangeShown; // by the names of Qt's dialog widgets
    QStringList lines; // blanks simplified, empty lines left out
    QString docName; // the printout's name, which the dialog proposes for a file
};

Printed printWithTheButton(TForm3& window, QPrinter& printer, bool byKey = false)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    Printed printed;
    OnModal accept([&](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        QVERIFY(dialog);
        for (const char* name : { "printRange", "pagesRadioButton", "printSelection", "printCurrentPage" })
            if (auto* w = dialog->findChild<QWidget*>(QLatin1String(name)); w && w->isVisibleTo(dialog))
                printed.rangeShown << QLatin1String(name);
        printed.docName = dialog->printer()->docName();
        dialog->accept();
    });
    if (byKey)
        QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    else
        window.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
    if (!accept.fired())
        return {};
    printed.lines = simplified(pdfText(pdf).split(QLatin1Char('\n')));
    return printed;
}

// The height in points of the tallest word on the PDF's first page, as
// poppler reads its boxes back; -1 when there is no such file.
double tallestWord(const QString& pdf)
{
    QProcess run;
    run.start(QStringLiteral("pdftotext"),
        { QStringLiteral("-bbox"), QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-") });
    if (!QFile::exists(pdf) || !run.waitForFinished(30000) || run.exitCode() != 0)
        return -1;
    static const QRegularExpression word(QStringLiteral("yMin=\"([0-9.]+)\"[^>]*yMax=\"([0-9.]+)\""));
    double tallest = 0;
    for (auto m = word.globalMatch(QString::fromUtf8(run.readAllStandardOutput())); m.hasNext();) {
        const auto found = m.next();
        tallest = std::max(tallest, found.captured(2).toDouble() - found.captured(1).toDouble());
    }
    return tallest;
}

} // namespace

class TestRascet : public QObject {
    Q_OBJECT

    // A report window of its own, and the main window whose "Расчет"
    // calculates into its report window.
    struct Rig {
        DataCopy data;
        MessageRecorder messages;
        QPrinter printer;
        ScriptedFiles files;
        QTemporaryDir settingsDir;
        AppSettings settings { settingsDir.filePath("pruz.ini") };
        TForm3 window { messages, printer, files, &settings };
        TForm1 form { messages, files, data.dataDir() };
        Rig() { form.show(); }
        // "Расчет" with these inputs, in working-stroke mode.
        TForm3& calculate(const QString& material, int group, const QString& f1, const QString& f2,
            const QString& d1, const QString& h, const QString& vmax = QStringLiteral("2"))
        {
            child<QComboBox>(form, "material")->setCurrentText(material);
            child<QComboBox>(form, "grup")->setCurrentIndex(group - 1);
            child<QLineEdit>(form, "f1")->setText(f1);
            child<QLineEdit>(form, "f2")->setText(f2);
            child<QLineEdit>(form, "d1")->setText(d1);
            child<QLineEdit>(form, "h")->setText(h);
            child<QLineEdit>(form, "vmax")->setText(vmax);
            child<QPushButton>(form, "Rascet")->click();
            return *form.reportWindow();
        }
    };

private slots:
    // "Печать", "PDF…" and the chart's and the neighbours' buttons stay on
    // the left, "Закрыть" follows the right edge and the memo's tabs grow
    // with the window.
    void layoutFollowsTheSize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("views");
        QTest::addColumn<QRect>("close");
        QTest::newRow("as designed") << QSize(536, 344) << QRect(0, 0, 536, 303) << QRect(442, 8, 75, 25);
        QTest::newRow("larger") << QSize(800, 500) << QRect(0, 0, 800, 459) << QRect(706, 8, 75, 25);
        QTest::newRow("not smaller than designed")
            << QSize(300, 200) << QRect(0, 0, 536, 303) << QRect(442, 8, 75, 25);
    }
    void layoutFollowsTheSize()
    {
        QFETCH(QSize, size);
        QFETCH(QRect, views);
        QFETCH(QRect, close);
        Rig rig;
        rig.window.show();
        rig.window.resize(size);
        QTRY_COMPARE(rig.window.findChild<QTabWidget*>(QStringLiteral("views"))->geometry(), views);
        QCOMPARE(
            rig.window.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->geometry(), QRect(50, 8, 75, 25));
        QCOMPARE(
            rig.window.findChild<QPushButton*>(QStringLiteral("pdf"))->geometry(), QRect(130, 8, 55, 25));
        QCOMPARE(rig.window.findChild<QPushButton*>(QStringLiteral("chartButton"))->geometry(),
            QRect(190, 8, 110, 25));
        QCOMPARE(rig.window.findChild<QPushButton*>(QStringLiteral("neighboursButton"))->geometry(),
            QRect(305, 8, 130, 25));
        QCOMPARE(rig.window.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->geometry(), close);
        QCOMPARE(cutTexts(&rig.window), QStringList());
    }

    // Each "Расчет" shows its result, into a cleared memo.
    void showsEachResult()
    {
        Rig rig;
        TForm3& report = rig.calculate(kWire2, 1, "10", "30", "20", "15");
        const QStringList lines = report.reportLines();
        QCOMPARE(lines.first(),
            QStringLiteral("Сила пружины при максимальной деформации                            F3=375 H"));
        QCOMPARE(lines.size(), 35);
        QCOMPARE(rig.messages.messages, QStringList());
        QVERIFY(report.isVisible() && report.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->isEnabled());
        rig.calculate(kWire2, 1, "10", "20", "20", "15");
        QCOMPARE(report.reportLines().first(),
            QStringLiteral("Сила пружины при максимальной деформации                            F3=250 H"));
        QCOMPARE(report.reportLines().count(lines.first()), 0);
    }

    void missingFileLeavesItOpen()
    {
        Rig rig;
        rig.data.remove(kWire2 + "mat.dat");
        TForm3& report = rig.calculate(kWire2, 1, "10", "30", "20", "15");
        QCOMPARE(rig.messages.messages, QStringList { "no " + kWire2 + "mat.dat" });
        QVERIFY(report.isVisible());
        QCOMPARE(report.reportLines(), QStringList { QString() });
        QVERIFY(report.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->isEnabled());
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
        QStringList messagesBeforeAsking;
        OnModal answer([&](QWidget* choice) {
            messagesBeforeAsking = rig.messages.messages;
            if (pick.isEmpty()) {
                child<QPushButton>(*choice, "BitBtn2")->click();
                return;
            }
            child<QComboBox>(*choice, "dBox")->setCurrentText(pick);
            child<QPushButton>(*choice, "BitBtn1")->click();
        });
        TForm3& report = rig.calculate(kWire2, 1, "1", "2", "35", "10");
        QVERIFY(answer.fired());
        // Asked in the middle: after the message that says why.
        QCOMPARE(messagesBeforeAsking, QStringList { "Не выполнено условие устойчивости i>10" });
        const CalcResult& result = rig.form.lastResult();
        QCOMPARE(result.stopped(), failed);
        const QStringList lines = report.reportLines();
        if (failed) {
            QVERIFY(lines.last().startsWith(QStringLiteral("Наибольшее допустимое напряжение")));
            QVERIFY(!report.isVisible());
        } else {
            QCOMPARE(result.values.d, 5.0);
            QCOMPARE(result.values.i, 6.0);
            QVERIFY(lines.contains(QStringLiteral("Индекс пружины") + QString(80, ' ') + "i=6"));
        }
    }

    // Header, rule and lines on as many pages as they need, each page
    // ending with its number.
    void printsEveryLineInOrder_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("pages"); // 0: more than two, as they come
        QTest::newRow("40 lines, one page") << 40 << 1;
        QTest::newRow("150 lines") << 150 << 0;
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
        const QStringList header { QStringLiteral("Заголовок отчета"), QStringLiteral("Вторая строка") };
        const QStringList lines = numberedLines(count);
        const int used = printReport(header, lines, printer, rig.window.printFont());
        QVERIFY(pages ? used == pages : used > 2);
        QCOMPARE(pdfPages(pdf), used);
        const QList<QStringList> printed = pdfPageLines(pdf);
        QCOMPARE(printed.size(), used);
        QStringList body;
        for (int k = 0; k < used; ++k) {
            QCOMPARE(printed[k].last(), pageFoot(k + 1, used));
            body += printed[k].mid(0, printed[k].size() - 1);
        }
        QCOMPARE(body, header + lines);
    }

    // On a page of known height: a text line takes its height + 2 device
    // pixels, an empty line the font height, the foot band is kept free,
    // and a line that would pass into it goes to a new page.
    void linesPerPage()
    {
        QTemporaryDir dir;
        QPdfWriter pdf(dir.filePath("page.pdf"));
        pdf.setResolution(300);
        pdf.setPageSize(QPageSize(QSizeF(100, 100), QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSize(10);
        const QFontMetrics metrics(QFont(font, &pdf));
        const int body = pdf.height() - footHeight(metrics);
        const int textLines = body / (metrics.height() + 2);
        const int emptyLines = body / metrics.height();
        QVERIFY(emptyLines > textLines);
        QCOMPARE(printReport({}, QStringList(textLines, "x"), pdf, font), 1);
        QCOMPARE(printReport({}, QStringList(textLines + 1, "x"), pdf, font), 2);
        QCOMPARE(printReport({}, QStringList(emptyLines, QString()), pdf, font), 1);
        QCOMPARE(printReport({}, QStringList(2 * textLines + 1, "x"), pdf, font), 3);
        // The rule under a header takes one empty line's height.
        QCOMPARE(printReport({ "x" }, QStringList(textLines - 2, "x"), pdf, font), 1);
        QCOMPARE(printReport({ "x" }, QStringList(textLines, "x"), pdf, font), 2);
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
        QCOMPARE(printReport({}, { "до", wide, "после" }, printer, rig.window.printFont()), 1);
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
        // Words are never broken.
        const QString words = QStringList(200, QStringLiteral("пружина")).join(' ');
        const QStringList lines = breakLine(words, printer.width(), metrics);
        QVERIFY(lines.size() > 1);
        QCOMPARE(lines.join(' '), words);
        for (const QString& line : lines)
            QCOMPARE(line.split(' ').count(QStringLiteral("пружина")), line.split(' ').size());
    }

    // "Печать" (and Ctrl+P): the print dialog offers no page range, and
    // what it accepts gets the header, then every line.
    // The shared printer may come from another printout (the chart's
    // landscape page, small margins, another resolution): the report sets
    // up its own page each time.
    void printButton_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<bool>("afterAnotherPrintout");
        QTest::newRow("button") << false << false;
        QTest::newRow("Ctrl+P") << true << false;
        QTest::newRow("after a landscape printout") << false << true;
    }
    void printButton()
    {
        QFETCH(bool, byKey);
        QFETCH(bool, afterAnotherPrintout);
        Rig rig;
        auto& printer = static_cast<QPrinter&>(rig.form.printer());
        if (afterAnotherPrintout) {
            printer.setPageOrientation(QPageLayout::Landscape);
            printer.setPageMargins(QMarginsF(3.5, 3.5, 3.5, 3.5), QPageLayout::Millimeter);
            printer.setResolution(72);
        }
        TForm3& report = rig.calculate(kWire2, 1, "10", "30", "20", "15");
        QVERIFY(QTest::qWaitForWindowExposed(&report));
        // Printed from the result, not from the memo's text.
        report.findChild<QPlainTextEdit*>(QStringLiteral("otcet"))->setPlainText(QStringLiteral("не отчет"));
        Printed printed = printWithTheButton(report, printer, byKey);
        QCOMPARE(printed.rangeShown, QStringList());
        QCOMPARE(printed.docName, QStringLiteral("расчет.pdf")); // as "PDF…" offers it
        QCOMPARE(printed.lines.takeLast(), pageFoot(2, 2));
        printed.lines.removeAll(pageFoot(1, 2));
        // The check of the made spring follows the report (its long lines
        // broken where the page ends).
        const auto joined
            = [](const QStringList& lines) { return lines.join(QString()).remove(QLatin1Char(' ')); };
        QCOMPARE(joined(printed.lines),
            joined(simplified(
                report.headerLines() + qsList(rig.form.lastResult().report) + report.checkTab()->lines())));
        QCOMPARE(rig.messages.messages, QStringList());
        const QPageLayout page = printer.pageLayout();
        QCOMPARE(page.orientation(), QPageLayout::Portrait);
        QVERIFY(page.margins(QPageLayout::Millimeter).left() >= 15);
    }

    // "Подробно" after the example shows the text of pruzcalc --verify --explain, and
    // "Печать" on that tab prints it; the report tab keeps the report.
    void detailedView()
    {
        Rig rig;
        TForm3& window = rig.calculate(kWire2, 1, "10", "30", "20", "15"); // examples/wire-class2.rid
        QCOMPARE(window.findChild<QTabWidget*>(QStringLiteral("views"))->currentWidget(),
            window.findChild<QWidget*>(QStringLiteral("otcetTab")));
        QTest::keyClick(
            window.findChild<QPlainTextEdit*>(QStringLiteral("otcet")), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(window.findChild<QTabWidget*>(QStringLiteral("views"))->currentWidget(),
            window.findChild<QWidget*>(QStringLiteral("podrobnoTab")));
        // The calculation's steps, then the check's (pruzcalc --verify --explain).
        QFile explained(QStringLiteral(CLI_CASES_DIR "verify-explain-wire-class2/stdout"));
        QVERIFY(explained.open(QIODevice::ReadOnly));
        QCOMPARE(
            window.findChild<QPlainTextEdit*>(QStringLiteral("podrobno"))->toPlainText() + QLatin1Char('\n'),
            QString::fromUtf8(explained.readAll()));
        QCOMPARE(window.reportLines().size(), 35);
        QCOMPARE(cutTexts(&window), QStringList());
        // For the documentation: the view from the allowable stress on.
        const int from = window.traceViewLines().indexOf(
            QStringLiteral("Наибольшее допустимое напряжение в первом приближении"));
        window.findChild<QPlainTextEdit*>(QStringLiteral("podrobno"))->verticalScrollBar()->setValue(from);
        scetchtest::saveScreenshot(window, QStringLiteral("report-detailed"));

        Printed printed = printWithTheButton(window, static_cast<QPrinter&>(rig.form.printer()));
        printed.lines.removeIf([](const QString& line) { return line.startsWith(QStringLiteral("стр. ")); });
        // Long lines of the check's steps break where the page ends.
        QCOMPARE(joinedText(printed.lines),
            joinedText(simplified(window.headerLines() + window.traceViewLines())));
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
        rig.window.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->setEnabled(true);
        rig.window.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
        QVERIFY(cancel.fired());
        QVERIFY(!QFile::exists(pdf));
    }

    // With room on the screen the report opens showing the whole check
    // table: every row, the verdict column, no scroll bar.
    void opensLargeEnoughForTheCheck()
    {
        Rig rig;
        rig.calculate(kWire2, 1, "10", "30", "20", "15");
        rig.window.setResult(std::make_shared<const CalcResult>(rig.form.lastResult()), {});
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
        rig.window.fitCheckTable(QRect(0, 0, 4000, 3000));
        auto* tab = rig.window.findChild<CheckTab*>(QStringLiteral("checkTab"));
        rig.window.findChild<QTabWidget*>(QStringLiteral("views"))->setCurrentWidget(tab);
        auto* table = tab->findChild<QTableWidget*>(QStringLiteral("checkTable"));
        QTRY_VERIFY(table->isVisible() && !table->horizontalScrollBar()->isVisible());
        QVERIFY(!table->verticalScrollBar()->isVisible());
    }

    // "PDF…": the printed pages, header first, in the file chosen, offered
    // under the input file's name.
    void pdfHasThePrintedPages()
    {
        Rig rig;
        rig.calculate(kWire2, 1, "10", "30", "20", "15");
        ReportHeader header;
        header.dateTime = "01.02.2025 10:00";
        header.inputFile = "/home/u/пружина.rid";
        rig.window.showResult(std::make_shared<const CalcResult>(rig.form.lastResult()), header);
        QTemporaryDir dir;
        rig.files.toSavePdf = dir.filePath("отчет.pdf");
        rig.window.findChild<QPushButton*>(QStringLiteral("pdf"))->click();
        QCOMPARE(rig.files.suggested, QStringList { "/home/u/пружина.pdf" });
        QCOMPARE(rig.messages.messages, QStringList());
        QCOMPARE(rig.messages.questions, QStringList());
        // Vector text, as the printout has it; printButton checks what it holds.
        const QList<QStringList> pages = pdfPageLines(rig.files.toSavePdf);
        QVERIFY(pages.value(0).contains(QStringLiteral("Исходные данные: /home/u/пружина.rid")));
        // The same pages as printing gives.
        const QString printed = dir.filePath("printed.pdf");
        rig.printer.setOutputFormat(QPrinter::PdfFormat);
        rig.printer.setOutputFileName(printed);
        QCOMPARE(rig.window.printTo(rig.printer), 2);
        QCOMPARE(pdfPageLines(printed), pages);
        // The next PDF is offered in the folder this one went to.
        rig.files.toSavePdf.clear();
        rig.window.findChild<QPushButton*>(QStringLiteral("pdf"))->click();
        QCOMPARE(rig.files.suggested.last(), dir.filePath("пружина.pdf"));
    }

    void pdfReplacesOnlyAfterAsking()
    {
        Rig rig;
        rig.calculate(kWire2, 1, "10", "30", "20", "15");
        rig.window.showResult(std::make_shared<const CalcResult>(rig.form.lastResult()), {});
        QTemporaryDir dir;
        rig.files.toSavePdf = dir.filePath("old.pdf");
        checkReplacing(rig.messages, rig.files.toSavePdf,
            [&] { rig.window.findChild<QPushButton*>(QStringLiteral("pdf"))->click(); });
    }

    // "Проверка": the made spring's check in a table; a failed check puts a
    // line above the report naming the worst finding, with a link to the
    // tab; one that passes puts none. ν is kept for the design.
    void checkTab_data()
    {
        QTest::addColumn<QStringList>("inputs"); // F1, F2, D1, H
        QTest::addColumn<double>("wire"); // answer to the diameter question; 0 for none
        QTest::addColumn<QString>("warning");
        QTest::newRow("examples/wire-class2.rid")
            << QStringList { "10", "30", "20", "15" } << 0.0
            << QStringLiteral("Проверка по EN 13906-1 не пройдена: Сила при длине L2 = 532,2 Н, допускается "
                              "294,2 ± 78,27 (использование 3,04)");
        // Wire 3 carries more than [τ] (487,5 against 486 МПа) and fails the
        // calculation itself; 3,2 is the thinnest chosen wire that passes,
        // loaded statically (10⁴ cycles: the coil gaps Sa without the 1,5).
        QTest::newRow("examples/chosen-diameter.rid, wire 3,2 passes")
            << QStringList { "4", "10", "40", "20" } << 3.2 << QString();
    }
    void checkTab()
    {
        QFETCH(QStringList, inputs);
        QFETCH(double, wire);
        QFETCH(QString, warning);
        Rig rig;
        ReportHeader header;
        header.inputFile = "/home/u/design.rid";
        InputForm form;
        form.materialName = kWire2.toStdString();
        form.f1 = inputs[0].toStdString();
        form.f2 = inputs[1].toStdString();
        form.d1 = inputs[2].toStdString();
        form.h = inputs[3].toStdString();
        form.vmax = "2";
        form.ni = "1";
        form.stepni = "4";
        CalcInputs given; // the wire, when given, as picked among the neighbours
        given.dataDir = rig.data.dataDir();
        if (wire > 0) {
            given.chosenD = wire;
            given.askAlways = true;
        }
        QuietHost host;
        const auto result
            = std::make_shared<const DesignResult>(runForm(form, given, host, FolderFiles(given.dataDir)));
        rig.window.showResult(result, header);
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
        auto* views = rig.window.findChild<QTabWidget*>(QStringLiteral("views"));
        auto* tab = rig.window.findChild<CheckTab*>(QStringLiteral("checkTab"));
        QVERIFY(tab);
        QCOMPARE(views->tabText(views->indexOf(tab)), QStringLiteral("Проверка"));
        const Verification& v = tab->verification();
        QVERIFY(v.available);
        QCOMPARE(tab->findChild<QTableWidget*>(QStringLiteral("checkTable"))->rowCount(), int(v.rows.size()));
        QLabel* line = rig.window.findChild<QLabel*>(QStringLiteral("checkWarning"));
        QCOMPARE(line->isVisibleTo(&rig.window), !warning.isEmpty());
        QCOMPARE(tab->findChild<QLabel*>(QStringLiteral("checkVerdict"))->text(),
            QStringLiteral("Итог проверки: ") + qs(verificationVerdictText(v)));
        QCOMPARE(v.passed, warning.isEmpty());
        if (!warning.isEmpty())
            QCOMPARE(qs(verificationWarning(v)), warning);
        if (warning.isEmpty())
            return;
        QVERIFY(line->text().startsWith(warning.toHtmlEscaped()));
        emit line->linkActivated(QStringLiteral("#check"));
        QCOMPARE(views->currentWidget(), tab);
        rig.window.resize(1000, 560); // the whole table, for the documentation
        scetchtest::saveScreenshot(rig.window, QStringLiteral("report-check"));
        views->setCurrentWidget(rig.window.findChild<QWidget*>(QStringLiteral("otcetTab")));
        scetchtest::saveScreenshot(rig.window, QStringLiteral("report-check-warning"));

        // One end free: the spring buckles, and the design keeps ν = 2; another
        // design starts from the defaults.
        auto* seating = tab->findChild<QComboBox*>(QStringLiteral("seating"));
        seating->setCurrentIndex(seating->findData(2.0));
        emit seating->activated(seating->currentIndex());
        QCOMPARE(tab->verification().row(CheckKey::Buckling)->verdict, CheckVerdict::Failed);
        QCOMPARE(rig.settings.checkSettings(QStringLiteral("/home/u/design.rid"))->nu, 2.0);
        rig.window.showResult(result, header); // the design calculated again
        QCOMPARE(seating->currentData().toDouble(), 2.0);
        header.inputFile = "/home/u/other.rid";
        rig.window.showResult(result, header);
        QCOMPARE(seating->currentData().toDouble(), kDefaultSeating);
    }

    void escapeCloses()
    {
        Rig rig;
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window));
        QTest::keyClick(rig.window.findChild<QPlainTextEdit*>(QStringLiteral("otcet")), Qt::Key_Escape);
        QVERIFY(!rig.window.isVisible());
    }
    // Printouts through the print dialog one after another on the program's
    // one printer come out each as it does alone, on a printer nothing has
    // printed on yet, whatever the one before set (the chart's landscape
    // page, its resolution).
    void printoutsInSequenceAsAlone()
    {
        const auto report = [](Rig& rig) -> TForm3& { return *rig.form.reportWindow(); };
        const QList<std::pair<QString, std::function<void(Rig&)>>> printouts {
            { QStringLiteral("chart"),
                [&](Rig& rig) {
                    child<QPushButton>(report(rig), "chartButton")->click();
                    report(rig).findChild<TForm12*>()->BitBtn2Click();
                } },
            { QStringLiteral("report"),
                [&](Rig& rig) { child<QPushButton>(report(rig), "BitBtn2")->click(); } },
            { QStringLiteral("trace"),
                [&](Rig& rig) {
                    auto* views = child<QTabWidget>(report(rig), "views");
                    views->setCurrentWidget(child<QWidget>(report(rig), "podrobnoTab"));
                    child<QPushButton>(report(rig), "BitBtn2")->click();
                    views->setCurrentWidget(child<QWidget>(report(rig), "otcetTab"));
                } },
            { QStringLiteral("sketch"),
                [](Rig& rig) {
                    child<QPushButton>(rig.form, "scetch")->click();
                    child<QToolButton>(*rig.form.sketchWindow(), "pr")->click();
                } },
        };
        QTemporaryDir dir;
        const auto print = [&](Rig& rig, const QString& name, const std::function<void(Rig&)>& press) {
            auto& printer = static_cast<QPrinter&>(rig.form.printer());
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath(name + QStringLiteral(".pdf")));
            OnModal accept([](QWidget* modal) { qobject_cast<QPrintDialog*>(modal)->accept(); });
            press(rig);
            return tallestWord(printer.outputFileName());
        };
        QMap<QString, double> alone;
        for (const auto& [name, press] : printouts) {
            Rig rig;
            rig.calculate(kWire2, 1, "10", "30", "20", "15");
            alone[name] = print(rig, name + QStringLiteral("-alone"), press);
            QVERIFY2(alone[name] > 0, qPrintable(name));
        }
        Rig rig;
        rig.calculate(kWire2, 1, "10", "30", "20", "15");
        for (const auto& [name, press] : printouts) {
            const double height = print(rig, name, press);
            QVERIFY2(qAbs(height - alone[name]) < 0.5,
                qPrintable(QStringLiteral("%1: %2 pt, alone %3 pt").arg(name).arg(height).arg(alone[name])));
        }
        QCOMPARE(rig.messages.messages, QStringList());
    }
};

PRUZ_FORM_TEST_MAIN(TestRascet)
#include "test_rascet.moc"
