// The spring sketch window: its fields, its drawing, its printing and its
// PDF.

#include "engine/method/inputform.h"
#include "forms/print/sketchpage.h"
#include "forms/widgets/appstyle.h"
#include "forms/widgets/filechooser.h"
#include "forms/widgets/sketchfields.h"
#include "forms/widgets/sketchresources.h"
#include "forms/windows/scetch.h"
#include "helpers/onmodal.h"
#include "helpers/scetch_testing.h"
#include "helpers/scriptedfiles.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <memory>

using scetchtest::RecordedMessages;

namespace {

// Accepts the print dialog when it opens, as its "Печать" would without
// the checks of its fields.
struct AcceptPrintDialog {
    OnModal onModal { [this](QWidget* modal) {
        shown = qobject_cast<QPrintDialog*>(modal) != nullptr;
        qobject_cast<QDialog*>(modal)->accept();
    } };
    bool shown = false;
};

QLineEdit* field(QWidget& window, const char* name)
{
    return window.findChild<QLineEdit*>(QString::fromLatin1(name));
}

QString run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The left and top of a word on the first PDF page, in points.
QPointF wordPosition(const QString& pdf, const QString& word)
{
    const QString html
        = run(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), pdf, QStringLiteral("-") });
    const QRegularExpression re(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>")
        + QRegularExpression::escape(word.toHtmlEscaped()) + QStringLiteral("</word>"));
    const auto m = re.match(html);
    return m.hasMatch() ? QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QPointF(-1, -1);
}

} // namespace

class TestScetch : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        r = CalcResult();
        header_ = ReportHeader();
        messages = RecordedMessages();
        QVERIFY(dir.isValid());
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath());
        QFile::remove(pdfPath());
        files = ScriptedFiles();
        window = std::make_unique<TForm2>(messages, *printer, files);
    }

    void cleanup() { window.reset(); }

    void fieldsAfterCalculation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        // wire-class2.rid: class II wire, group I, F1 10 kgf, F2 30 kgf,
        // outer diameter 20, stroke 15; the wire comes out at 4 mm.
        // clang-format off
        QTest::newRow("Tau3 stress at F3") << "Edit1" << "375,400369162088";
        QTest::newRow("Tau allowable stress") << "Edit2" << "456";
        QTest::newRow("F3") << "Edit3" << "375";
        QTest::newRow("F2") << "Edit4" << "300";
        QTest::newRow("F1") << "Edit5" << "100";
        QTest::newRow("D1 outer diameter") << "Edit6" << "20";
        QTest::newRow("D mean diameter") << "Edit7" << "16";
        QTest::newRow("Sk ground end") << "Edit8" << "1";
        QTest::newRow("L0 free length") << "Edit9" << "138,201147611001";
        QTest::newRow("d wire") << "Edit10" << "4";
        QTest::newRow("t pitch") << "Edit11" << "5,08465952350003";
        QTest::newRow("S2") << "Edit12" << "22,5609180888006";
        QTest::newRow("S3") << "Edit13" << "28,2011476110007";
        QTest::newRow("L2") << "Edit14" << "115,6402295222";
        QTest::newRow("L3") << "Edit15" << "110";
        QTest::newRow("L1") << "Edit16" << "130,680841581401";
        QTest::newRow("S1") << "Edit17" << "7,52030602960019";
        QTest::newRow("Tau2 stress at F2") << "Edit18" << "300,32029532967";
        // clang-format on
    }

    void fieldsAfterCalculation()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QVERIFY(scetchtest::calculateExample(r, "wire-class2.rid"));
        show();
        auto* edit = field(*window, qPrintable(name));
        QVERIFY(edit);
        // a long value shows rounded to the decimals that fit whole, and
        // the whole of it in the tooltip
        const QString shown = edit->text();
        const int decimals = qMax(0, int(shown.size() - shown.indexOf(QLatin1Char(',')) - 1));
        const double value = QString(expected).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
        QVERIFY(qAbs(QString(shown).replace(QLatin1Char(','), QLatin1Char('.')).toDouble() - value)
            <= 0.5 * std::pow(10.0, -decimals) + 1e-12);
        QVERIFY(QFontMetrics(edit->font()).horizontalAdvance(shown) + 6 <= edit->width());
        QCOMPARE(edit->toolTip(), expected);
        scetchtest::saveScreenshot(*window, QStringLiteral("sketch"));
    }

    // A negative t from the method's formula is no pitch: the field says so.
    void negativePitchIsNoPitch()
    {
        QVERIFY(scetchtest::calculateExample(r, "wire-class2.rid"));
        p.t = -0.686;
        show();
        QCOMPARE(field(*window, "Edit11")->text(), QStringLiteral("не шаг"));
        QCOMPARE(field(*window, "Edit11")->toolTip(), QString::fromUtf8(kNoPitch));
    }

    // Before any calculation, and after one that stopped, there is nothing
    // to show or print: the window says so instead of showing zeros.
    void saysSoWithoutResults()
    {
        show();
        const auto edits = window->findChildren<QLineEdit*>();
        QCOMPARE(edits.size(), 18);
        for (QLineEdit* edit : edits) {
            QCOMPARE(edit->text(), QString());
            QVERIFY(edit->isReadOnly());
            QCOMPARE(edit->focusPolicy(), Qt::NoFocus);
        }
        QVERIFY(window->findChild<QLabel*>(QStringLiteral("noResults"))->isVisible());
        for (const char* name : { "pr", "pdf" })
            QVERIFY(!window->findChild<QToolButton*>(QLatin1String(name))->isEnabled());
    }

    void derivedDiameters_data()
    {
        QTest::addColumn<double>("D1");
        QTest::addColumn<double>("d");
        QTest::addColumn<QString>("meanDiameter");
        QTest::addColumn<QString>("groundEnd");
        // clang-format off
        QTest::newRow("whole and half") << 20.0 << 2.0 << "18" << "0,5";
        QTest::newRow("decimal wire") << 12.5 << 1.2 << "11,3" << "0,3";
        QTest::newRow("fifteen digits") << 10.0 << 10.0 / 3 << "6,66666666666667" << "0,833333333333333";
        QTest::newRow("tiny wire in scientific form") << 1.0 << 0.0002 << "0,9998" << "5E-5";
        // clang-format on
    }

    void derivedDiameters()
    {
        QFETCH(double, D1);
        QFETCH(double, d);
        QFETCH(QString, meanDiameter);
        QFETCH(QString, groundEnd);
        p.D1 = D1;
        p.d = d;
        r.outcome = Outcome::Complete;
        show();
        QCOMPARE(field(*window, "Edit7")->toolTip(), meanDiameter);
        QCOMPARE(field(*window, "Edit8")->toolTip(), groundEnd);
    }

    void printButtonsDisabledUntilFirstShown()
    {
        for (const char* name : { "pr", "pdf" }) {
            auto* button = window->findChild<QToolButton*>(QLatin1String(name));
            QVERIFY(button);
            QVERIFY(!button->isEnabled());
        }
        r.outcome = Outcome::Complete;
        show();
        for (const char* name : { "pr", "pdf" })
            QVERIFY(window->findChild<QToolButton*>(QLatin1String(name))->isEnabled());
        QCOMPARE(window->findChild<QToolButton*>(QStringLiteral("pdf"))->geometry(), QRect(110, 386, 60, 25));
    }

    void refilledOnEveryShowingOnly()
    {
        QVERIFY(scetchtest::calculateExample(r, "wire-class2.rid"));
        show();
        // A later calculation that stops at the coil impact check sets the
        // force, stress and wire again and leaves the deflections and
        // lengths of the one before.
        QVERIFY(!scetchtest::calculateExample(r, "steel-60s2a.rid", [](InputForm& f) { f.vmax = "100"; }));
        QVERIFY(r.stopped());
        QCOMPARE(field(*window, "Edit3")->text(), QStringLiteral("375")); // open: not followed
        window->hide();
        show();
        // no mix of the two calculations' values
        QCOMPARE(field(*window, "Edit3")->text(), QString());
        QCOMPARE(field(*window, "Edit17")->text(), QString());
        QVERIFY(window->findChild<QLabel*>(QStringLiteral("noResults"))->isVisible());
    }

    void closeHides_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Закрыть") << false;
        QTest::newRow("Esc") << true;
    }
    void closeHides()
    {
        QFETCH(bool, byEscape);
        show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        if (byEscape)
            QTest::keyClick(window.get(), Qt::Key_Escape);
        else
            QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        QVERIFY(!window->isVisible());
    }

    // Each printed value whole: its own text where the box holds it, else
    // rounded as the chart rounds; a box still too narrow grows.
    void printedValuesAreWhole_data()
    {
        QTest::addColumn<int>("field"); // index in kSketchFields
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("printed");
        QTest::newRow("short value as it is") << 5 << 20.0 << "20";
        QTest::newRow("S3 202,089 rounded, not cut") << 12 << 202.089 << "202,1";
        QTest::newRow("long stress rounded") << 0 << 375.400369162088 << "375,4";
        QTest::newRow("too long even rounded: box grows") << 12 << 1234567.5 << "1234568";
    }
    void printedValuesAreWhole()
    {
        QFETCH(int, field);
        QFETCH(double, value);
        QFETCH(QString, printed);
        const SketchField& f = kSketchFields[static_cast<size_t>(field)];
        // The record's field that this box shows.
        CalcValues values;
        using V = CalcValues;
        for (double V::*member : { &V::tau3, &V::tau, &V::F3, &V::F2, &V::F1, &V::D1, &V::L0calc, &V::t,
                 &V::S2, &V::S3, &V::L2, &V::L3, &V::L1, &V::S1, &V::tau2 }) {
            values.*member = value;
            if (f.value(values) == value)
                break;
            values.*member = 0;
        }
        QCOMPARE(f.value(values), value);
        QFont font(QStringLiteral("Liberation Mono"));
        font.setPixelSize(11);
        const QFontMetricsF metrics(font);
        const SketchValue shown = sketchPageValues(values, metrics)[static_cast<size_t>(field)];
        QCOMPARE(shown.text, printed);
        QVERIFY(metrics.horizontalAdvance(shown.text) <= shown.box.width() - 6);
        QCOMPARE(shown.box.topLeft(), f.rect.topLeft());
    }

    // The printout is drawn from the results: no button of the window, and
    // a title block naming the design.
    void printoutHasATitleBlockAndNoButtons()
    {
        QVERIFY(scetchtest::calculateExample(r, "wire-class2.rid"));
        ReportHeader header;
        header.form.materialName = "Проволока II класса";
        header.form.navivkaIndex = 0;
        header.inputFile = "/home/u/пружина.rid";
        header.dateTime = "07.12.2026 10:00";
        header_ = header;
        show();
        AcceptPrintDialog dialog;
        QTest::mouseClick(window->findChild<QToolButton*>(QStringLiteral("pr")), Qt::LeftButton);
        QVERIFY(dialog.shown);
        QVERIFY(messages.shown.isEmpty());
        const QString text = run(QStringLiteral("pdftotext"), { pdfPath(), QStringLiteral("-") });
        for (const char* button : { "Закрыть", "Печать", "PDF…", "Характеристика" })
            QVERIFY2(!text.contains(QString::fromUtf8(button)), button);
        for (const char* item : { "Проволока II класса", "Левая", "/home/u/пружина.rid", "07.12.2026 10:00",
                 "Полное число витков N1", "28" })
            QVERIFY2(text.contains(QString::fromUtf8(item)), item);
        const QString shots = qEnvironmentVariable("PRUZ_SCREENSHOT_DIR");
        if (!shots.isEmpty())
            run(QStringLiteral("pdftoppm"),
                { QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                    QStringLiteral("-singlefile"), pdfPath(), shots + QStringLiteral("/sketch-printout") });
    }

    void printFailureIsReported()
    {
        r.outcome = Outcome::Complete;
        printer->setOutputFileName(dir.filePath(QStringLiteral("missing/folder/sketch.pdf")));
        show();
        AcceptPrintDialog dialog;
        window->findChild<QToolButton*>(QStringLiteral("pr"))->click();
        QVERIFY(dialog.shown);
        QCOMPARE(messages.shown, QStringList { QStringLiteral("Ошибка печати") });
        QVERIFY(window->findChild<QToolButton*>(QStringLiteral("pr"))->isVisible());
    }

    void drawingHasABoxUnderEveryFieldAndItsLabelLeftOfIt()
    {
        initSketchResources();
        QSvgRenderer drawing(QStringLiteral(":/sketch/sketch.svg"));
        QVERIFY(drawing.isValid());
        QCOMPARE(drawing.viewBox(), QRect(0, 0, 435, 416));
        QList<QRect> covered { QRect(30, 386, 75, 25), QRect(110, 386, 60, 25), QRect(346, 386, 75, 25) };
        show();
        for (auto* label : window->findChildren<QLabel*>()) // the drawing's own, not the notes over it
            if (label->objectName().startsWith(QLatin1String("tau")))
                covered << label->geometry();
        for (const auto& f : kSketchFields)
            covered << f.rect;
        for (const auto& f : kSketchFields) {
            const QString name = QString::fromLatin1(f.name);
            const QRectF box = drawing.boundsOnElement(QStringLiteral("box-") + name);
            QVERIFY2(qAbs(box.left() - f.rect.left()) <= 1 && qAbs(box.top() - f.rect.top()) <= 1
                    && qAbs(box.right() - f.rect.right()) <= 1 && qAbs(box.bottom() - f.rect.bottom()) <= 1,
                f.name);
            const QString labelId = QStringLiteral("label-") + name;
            if (name == QLatin1String("Edit1") || name == QLatin1String("Edit18"))
                continue; // labelled by the window
            QVERIFY2(drawing.elementExists(labelId), f.name);
            const QRectF label = drawing.boundsOnElement(labelId);
            QVERIFY2(!label.isEmpty() && label.right() <= f.rect.left(), f.name);
            QVERIFY2(label.top() >= f.rect.top() - 2 && label.bottom() <= f.rect.bottom() + 2, f.name);
            for (const QRect& r : covered)
                QVERIFY2(!label.intersects(r), f.name);
        }
    }

    void printsOnePageWithTheFieldTexts()
    {
        // short values, so that every one is whole in its field
        p.tau3 = 611;
        p.tau = 622;
        p.F3 = 633;
        p.F2 = 644;
        p.F1 = 655;
        p.D1 = 26;
        p.d = 4; // D 22, Sk 1
        p.L0calc = 177;
        p.t = 7.25;
        p.S2 = 28.5;
        p.S3 = 39;
        p.L2 = 148.5;
        p.L3 = 138;
        p.L1 = 165.5;
        p.S1 = 11.5;
        p.tau2 = 499;
        r.outcome = Outcome::Complete;
        printer->setPageMargins(QMarginsF(3.5, 3.5, 3.5, 3.5), QPageLayout::Millimeter);
        show();
        AcceptPrintDialog dialog;
        window->findChild<QToolButton*>(QStringLiteral("pr"))->click();
        QVERIFY(dialog.shown);
        QVERIFY(messages.shown.isEmpty());

        QCOMPARE(run(QStringLiteral("pdfinfo"), { pdfPath() })
                     .section(QStringLiteral("Pages:"), 1)
                     .simplified()
                     .section(u' ', 0, 0),
            QStringLiteral("1"));
        // drawn, not pasted in as a bitmap
        QCOMPARE(run(QStringLiteral("pdfimages"), { QStringLiteral("-list"), pdfPath() }).count(u'\n'), 2);
        const QString text = run(QStringLiteral("pdftotext"), { pdfPath(), QStringLiteral("-") });
        const QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        for (const char* expected : { "611", "622", "633", "644", "655", "26", "22", "1", "177", "4", "7,25",
                 "28,5", "39", "148,5", "138", "165,5", "11,5", "499", "Tau3*=", "Tau2*=" })
            QVERIFY2(words.contains(QString::fromUtf8(expected)), expected);
        QVERIFY(!text.contains(QStringLiteral("Печать")));

        // Within margins of at least 15 mm (42,5 points), even when the
        // printer had smaller ones.
        const QPointF tau3 = wordPosition(pdfPath(), QStringLiteral("Tau3*="));
        QVERIFY2(tau3.x() >= 42.5 && tau3.y() >= 42.5, qPrintable(QString::number(tau3.x())));
    }

    // Without a real printer the print dialog comes first, so that a file
    // or a printer can be chosen; a file already there is only replaced
    // after the dialog asked.
    void printerThatIsNoPrinter_data()
    {
        QTest::addColumn<bool>("toFile");
        QTest::newRow("printer is a file") << true;
        QTest::newRow("no printer chosen") << false;
    }
    void printerThatIsNoPrinter()
    {
        QFETCH(bool, toFile);
        if (!toFile)
            printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        window = std::make_unique<TForm2>(messages, *printer, files);
        r.outcome = Outcome::Complete;
        QFile old(pdfPath());
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        show();
        QString asked;
        bool printPressed = false;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                asked = box->text();
                box->button(QMessageBox::No)->click();
            } else if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
                if (!printPressed) {
                    printPressed = true;
                    dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(pdfPath());
                    QPushButton* print = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
                    QTimer::singleShot(0, print, &QPushButton::click);
                } else if (!asked.isEmpty()) {
                    dialog->reject();
                }
            }
        });
        answer.start(10);
        window->findChild<QToolButton*>(QStringLiteral("pr"))->click();
        QVERIFY(printPressed);
        QVERIFY2(asked.contains(QStringLiteral("sketch.pdf")), qPrintable(asked));
        QFile kept(pdfPath());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("old"));
        QVERIFY(messages.shown.isEmpty());
    }

    // "PDF…": the printed page, drawn, under the name offered for the
    // input file.
    void pdfIsThePrintedPage()
    {
        QVERIFY(scetchtest::calculateExample(r, "wire-class2.rid"));
        ReportHeader header;
        header.inputFile = "/home/u/пружина.rid";
        header_ = header;
        show();
        files.toSavePdf = dir.filePath(QStringLiteral("эскиз.pdf"));
        window->findChild<QToolButton*>(QStringLiteral("pdf"))->click();
        QCOMPARE(files.suggested, QStringList { QStringLiteral("/home/u/пружина-эскиз.pdf") });
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(
            run(QStringLiteral("pdfimages"), { QStringLiteral("-list"), files.toSavePdf }).count(u'\n'), 2);
        AcceptPrintDialog dialog;
        window->findChild<QToolButton*>(QStringLiteral("pr"))->click();
        const QString exported = run(QStringLiteral("pdftotext"), { files.toSavePdf, QStringLiteral("-") });
        QVERIFY(exported.contains(QStringLiteral("375,4")));
        QVERIFY(!exported.contains(QStringLiteral("PDF…")));
        QCOMPARE(exported, run(QStringLiteral("pdftotext"), { pdfPath(), QStringLiteral("-") }));
    }

    void ctrlPPrints()
    {
        r.outcome = Outcome::Complete;
        show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        AcceptPrintDialog dialog;
        QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(dialog.shown);
        QVERIFY(QFile::exists(pdfPath()));
    }

private:
    QString pdfPath() const { return dir.filePath(QStringLiteral("sketch.pdf")); }

    QTemporaryDir dir;
    CalcResult r;
    CalcValues& p = r.values; // what the window shows
    ReportHeader header_;

    // Shows the window with what `r` and `header_` hold now.
    void show()
    {
        window->setResult(std::make_shared<const CalcResult>(r), header_);
        window->show();
    }
    RecordedMessages messages;
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<TForm2> window;
    ScriptedFiles files;
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    applyAppStyle(app);
    TestScetch test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_scetch.moc"
