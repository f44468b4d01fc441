// The chart window: its refusal without complete results, the chart read
// back from its PDF, the SVG picture, printing, replacing and failed writes,
// and the buttons that open it from the report and sketch windows.

#include "forms/print/exportchooser.h"
#include "forms/widgets/qtext.h"
#include "forms/widgets/sketchresources.h"
#include "forms/windows/harakter.h"
#include "forms/windows/rascet.h"
#include "forms/windows/scetch.h"
#include "helpers/formtest.h"
#include "helpers/onmodal.h"
#include "helpers/recorder.h"
#include "helpers/replacing.h"
#include "helpers/scetch_testing.h"
#include "helpers/scriptedfiles.h"
#include "helpers/textfit.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <memory>
#include <optional>

namespace {

class ScriptedExports : public ExportChooser {
public:
    QString answer;
    QStringList asked;
    QString saveAs(QWidget*, const QString& caption, const QString&, const QString&) override
    {
        asked << caption;
        return answer;
    }
};

QString run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct Word {
    QRectF box; // points, from the page's top left
    QString text;
};

QList<Word> pdfWords(const QString& pdf)
{
    const QString html
        = run(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), pdf, QStringLiteral("-") });
    static const QRegularExpression re(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    QList<Word> words;
    for (const auto& m : re.globalMatch(html)) {
        const QPointF from(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF to(m.captured(3).toDouble(), m.captured(4).toDouble());
        words << Word { QRectF(from, to), m.captured(5) }; // no label holds a character HTML escapes
    }
    return words;
}

// Where a phrase of blank-separated words stands on the page.
std::optional<QRectF> phrase(const QList<Word>& words, const QString& text)
{
    const QStringList parts = text.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype k = 0; k + parts.size() <= words.size(); ++k) {
        QRectF box;
        qsizetype n = 0;
        while (n < parts.size() && words[k + n].text == parts[n])
            box |= words[k + n++].box;
        if (n == parts.size())
            return box;
    }
    return std::nullopt;
}

// The word `text` farthest along `key` (a tick label of one of the scales).
QRectF extreme(const QList<Word>& words, const QString& text, const std::function<double(const QRectF&)>& key)
{
    QRectF best;
    for (const Word& w : words)
        if (w.text == text && (best.isNull() || key(w.box) > key(best)))
            best = w.box;
    return best;
}

} // namespace

class TestHarakter : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        r = CalcResult();
        messages = MessageRecorder();
        exports.asked.clear();
        exports.answer.clear();
        QVERIFY(dir.isValid());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
        window = std::make_unique<TForm12>(
            std::make_shared<const CalcResult>(r), messages, printer, nullptr, &exports);
    }

    void cleanup() { window.reset(); }

    void refusesWithoutCompleteResults_data()
    {
        QTest::addColumn<QString>("afterwards");
        QTest::newRow("before any calculation") << "";
        QTest::newRow("stopped at the coil impact check") << "impact";
        QTest::newRow("Расчет stopped on a zero force") << "zero";
    }

    void refusesWithoutCompleteResults()
    {
        QFETCH(QString, afterwards);
        if (!afterwards.isEmpty()) {
            showCalculated();
            QVERIFY(window->chart().refusal.empty());
            window->hide();
            QVERIFY(!scetchtest::calculateExample(r, "steel-60s2a.rid", [&](InputForm& f) {
                if (afterwards == "impact")
                    f.vmax = "100";
                else
                    f.f1 = "0";
            }));
        }
        showResult();
        auto* refusal = window->findChild<QLabel*>(QStringLiteral("refusal"));
        QVERIFY(refusal->isVisible());
        QVERIFY(refusal->text().startsWith(
            QStringLiteral("Нет результатов расчета для построения характеристики.")));
        QVERIFY(!window->findChild<QWidget*>(QStringLiteral("chartView"))->isVisible());
        for (const char* name : { "BitBtn2", "pdfButton", "svgButton" })
            QVERIFY2(!window->findChild<QPushButton*>(QLatin1String(name))->isEnabled(), name);
        window->pdfClick();
        window->svgClick();
        QCOMPARE(exports.asked, QStringList());
        QVERIFY(window->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->isEnabled());
    }

    void pdfHoldsEveryLabelWhereItsValueLies()
    {
        showCalculated();
        scetchtest::saveScreenshot(*window, QStringLiteral("chart"));
        QCOMPARE(cutTexts(window.get()), QStringList());
        exports.answer = dir.filePath(QStringLiteral("chart.pdf"));
        window->findChild<QPushButton*>(QStringLiteral("pdfButton"))->click();
        QCOMPARE(messages.messages, QStringList());
        QCOMPARE(messages.questions, QStringList());
        const QString pdf = exports.answer;
        QVERIFY(run(QStringLiteral("pdfinfo"), { pdf })
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
        // vectors only: the list has its two heading lines and no image
        QCOMPARE(run(QStringLiteral("pdfimages"), { QStringLiteral("-list"), pdf }).count(u'\n'), 2);

        const Characteristic& chart = window->chart();
        const QList<Word> words = pdfWords(pdf);
        QStringList expected { QStringLiteral("Характеристика пружины"), qs(chart.allowableLabel) };
        for (const LengthMark& mark : chart.lengths)
            expected << qs(mark.label);
        for (const LoadPoint& point : chart.points)
            expected << qs(point.forceLabel) << qs(point.deflectionLabel) << qs(point.stressLabel);
        expected.removeAll(QString());
        QCOMPARE(expected.size(), 14);
        for (const QString& text : expected)
            QVERIFY2(phrase(words, text), qPrintable(text));

        // The scales from their tick labels: force up the left (0 to 500 N),
        // deflection along the bottom (0 to 30 mm).
        const auto left = [](const QRectF& r) { return -r.left(); };
        const auto low = [](const QRectF& r) { return r.top(); };
        const QRectF force0 = extreme(words, QStringLiteral("0"), left);
        const QRectF force500 = extreme(words, QStringLiteral("500"), left);
        const QRectF deflection0 = extreme(words, QStringLiteral("0"), low);
        const QRectF deflection30 = extreme(words, QStringLiteral("30"), low);
        QVERIFY(!force500.isNull() && !deflection30.isNull());
        const auto yOf = [&](double f) {
            return force0.center().y() + f / 500 * (force500.center().y() - force0.center().y());
        };
        const auto xOf = [&](double s) {
            return deflection0.center().x() + s / 30 * (deflection30.center().x() - deflection0.center().x());
        };
        const double line = force0.height();
        // Each point's force label: its box stands just above the point, or
        // just below it.
        for (const LoadPoint& point : chart.points) {
            const QRectF label = *phrase(words, qs(point.forceLabel));
            QVERIFY2(label.top() > yOf(point.force) - 4 * line && label.top() < yOf(point.force) + line,
                qPrintable(qs(point.forceLabel)));
        }
        // The lengths' flags start at their deflections (L3 may end at its
        // own near the right edge).
        for (int k = 0; k < 3; ++k) {
            const QRectF flag = *phrase(words, qs(chart.lengths[k].label));
            QVERIFY2(qAbs(flag.left() - xOf(chart.lengths[k].deflection) - 3) < 2,
                qPrintable(QString::number(flag.left())));
        }
    }

    void svgPictureIsWritten()
    {
        showCalculated();
        exports.answer = dir.filePath(QStringLiteral("chart.svg"));
        window->findChild<QPushButton*>(QStringLiteral("svgButton"))->click();
        QVERIFY(QSvgRenderer(exports.answer).isValid());
        // Qt writes a run of each script as its own text element.
        QString text;
        static const QRegularExpression element(QStringLiteral(">([^<]*)</text>"));
        for (const auto& m : element.globalMatch(QString::fromUtf8(fileBytes(exports.answer))))
            text += m.captured(1);
        for (const LengthMark& mark : window->chart().lengths)
            QVERIFY2(text.contains(qs(mark.label)), qPrintable(qs(mark.label)));
    }

    void replacesOnlyAfterAsking()
    {
        showCalculated();
        exports.answer = dir.filePath(QStringLiteral("replace.pdf"));
        checkReplacing(messages, exports.answer, [this] { window->pdfClick(); });
    }

    void printsOnePageAfterTheDialog()
    {
        showCalculated();
        OnModal accept([](QWidget* modal) { qobject_cast<QPrintDialog*>(modal)->accept(); });
        window->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
        QVERIFY(accept.fired());
        QCOMPARE(messages.messages, QStringList());
        const QString pdf = printer.outputFileName();
        const QString info = run(QStringLiteral("pdfinfo"), { pdf });
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
        QVERIFY(phrase(pdfWords(pdf), qs(window->chart().points.front().forceLabel)));
        // Landscape, as its PDF: the page is wider than high.
        const auto size
            = QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+)")).match(info);
        QVERIFY(size.hasMatch() && size.captured(1).toDouble() > size.captured(2).toDouble());
    }

    void escapeCloses()
    {
        window->show();
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    void openedBesidePrintAndHiddenWithItsOpener_data()
    {
        QTest::addColumn<bool>("fromReport");
        QTest::newRow("report window") << true;
        QTest::newRow("sketch window") << false;
    }

    void openedBesidePrintAndHiddenWithItsOpener()
    {
        QFETCH(bool, fromReport);
        QVERIFY(scetchtest::calculateExample(r, "wire-class2.rid"));
        std::unique_ptr<QWidget> opener;
        if (fromReport) {
            auto report = std::make_unique<TForm3>(messages, printer, files, nullptr);
            report->setResult(std::make_shared<const CalcResult>(r), {});
            opener = std::move(report);
        } else {
            auto sketch = std::make_unique<TForm2>(messages, printer, files);
            sketch->setResult(std::make_shared<const CalcResult>(r), {});
            opener = std::move(sketch);
        }
        opener->show();
        auto* button = opener->findChild<QPushButton*>(QStringLiteral("chartButton"));
        QVERIFY(!cutTexts(opener.get()).contains(QStringLiteral("chartButton")));
        button->click();
        auto* chart = opener->findChild<TForm12*>();
        QVERIFY(chart && chart->isVisible());
        QVERIFY(chart->chart().refusal.empty());
        opener->hide(); // as "Расчет" does before it calculates anew
        QVERIFY(!chart->isVisible());
        opener->show();
        button->click();
        QCOMPARE(opener->findChildren<TForm12*>().size(), 1);
        QVERIFY(chart->isVisible());
    }

    void sketchButtonStandsOnBlankPaper()
    {
        initSketchResources();
        QSvgRenderer drawing(QStringLiteral(":/sketch/sketch.svg"));
        QImage paper(435, 416, QImage::Format_RGB32);
        paper.fill(Qt::white);
        QPainter painter(&paper);
        drawing.render(&painter, QRectF(0, 0, 435, 416));
        painter.end();
        TForm2 sketch(messages, printer, files);
        const QRect button = sketch.findChild<QPushButton*>(QStringLiteral("chartButton"))->geometry();
        for (int y = button.top() - 1; y <= button.bottom() + 1; ++y)
            for (int x = button.left() - 1; x <= button.right() + 1; ++x)
                QVERIFY2(paper.pixel(x, y) == qRgb(255, 255, 255),
                    qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }

private:
    void showCalculated()
    {
        QVERIFY(scetchtest::calculateExample(r, "wire-class2.rid"));
        showResult();
    }

    // Shows the window with what `r` holds now.
    void showResult()
    {
        window->setResult(std::make_shared<const CalcResult>(r));
        window->show();
    }

    static QByteArray fileBytes(const QString& name)
    {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    CalcResult r;
    MessageRecorder messages;
    ScriptedFiles files;
    ScriptedExports exports;
    QPrinter printer { QPrinter::HighResolution };
    std::unique_ptr<TForm12> window;
};

PRUZ_FORM_TEST_MAIN(TestHarakter)
#include "test_harakter.moc"
