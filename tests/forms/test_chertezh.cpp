// The drawing window: its refusal without a check, the sheet exported as
// PDF (vectors, fonts embedded), SVG and DXF without a display, the title
// block's fields kept per design and for all, and its button in the report
// window.

#include "engine/features/design.h"
#include "forms/print/exportchooser.h"
#include "forms/widgets/appsettings.h"
#include "forms/windows/chertezh.h"
#include "forms/windows/rascet.h"
#include "helpers/recorder.h"
#include "helpers/scriptedfiles.h"

#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

class ScriptedExports : public ExportChooser {
public:
    QString answer;
    QString saveAs(QWidget*, const QString&, const QString&, const QString&) override { return answer; }
};

QString run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

DesignResult design(const char* rid)
{
    DesignSettings settings;
    settings.dataDir = SHIPPED_DATA_DIR;
    settings.verify = true;
    return runDesign(std::string(EXAMPLES_DIR) + rid, settings);
}

} // namespace

class TestChertezh : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        settings = std::make_unique<AppSettings>(dir.filePath(QStringLiteral("pruz.ini")));
        input = { drawingSpring(done, done.verification), QStringLiteral("/a/one.rid"),
            QStringLiteral("Сталь") };
        window = std::make_unique<TForm14>(
            [this] { return input; }, messages, settings.get(), nullptr, &exports);
    }
    void cleanup() { window.reset(); }

    void refusesWithoutACheck()
    {
        input.source = drawingSpring(done, Verification {});
        window->show();
        QVERIFY(!window->sheet());
        QVERIFY(window->findChild<QLabel*>(QStringLiteral("refusal"))->isVisible());
        QVERIFY(window->refusal().startsWith(QStringLiteral("Нет проверки изготовленной пружины")));
        for (const char* name : { "printButton", "exportButton" })
            QVERIFY(!window->findChild<QPushButton*>(QLatin1String(name))->isEnabled());
    }

    void writesEachFormat_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("PDF") << "pdf";
        QTest::newRow("SVG") << "svg";
        QTest::newRow("DXF") << "dxf";
    }

    void writesEachFormat()
    {
        QFETCH(QString, suffix);
        window->show();
        QVERIFY(window->sheet());
        exports.answer = dir.filePath(QStringLiteral("spring.") + suffix);
        window->findChild<QPushButton*>(QStringLiteral("exportButton"))->click();
        QCOMPARE(messages.messages, QStringList());
        QFile file(exports.answer);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (suffix == QLatin1String("pdf")) {
            QVERIFY(run(QStringLiteral("pdfinfo"), { exports.answer })
                        .contains(QStringLiteral("595 x 842 pts (A4)")));
            QCOMPARE(
                run(QStringLiteral("pdfimages"), { QStringLiteral("-list"), exports.answer }).count(u'\n'),
                2);
            const QString fonts = run(QStringLiteral("pdffonts"), { exports.answer });
            QVERIFY2(
                fonts.contains(QRegularExpression(QStringLiteral("osifont .* yes "))), qPrintable(fonts));
            QVERIFY(run(QStringLiteral("pdftotext"), { exports.answer, QStringLiteral("-") })
                        .contains(QStringLiteral("Пружина")));
        } else if (suffix == QLatin1String("svg"))
            QVERIFY(QSvgRenderer(bytes).isValid());
        else
            QVERIFY(bytes.contains("AC1009"));
    }

    // The designation belongs to the input file, the designer to everyone.
    void fieldsAreKept()
    {
        window->show();
        QTest::keyClicks(
            window->findChild<QLineEdit*>(QStringLiteral("designation")), QStringLiteral("ABVG.1"));
        QTest::keyClicks(window->findChild<QLineEdit*>(QStringLiteral("designer")), QStringLiteral("Ivanov"));
        const auto cellText = [this](int graph) {
            for (const TitleCell& c : window->sheet()->title)
                if (c.graph == graph && !c.text.empty())
                    return QString::fromStdString(c.text);
            return QString();
        };
        QCOMPARE(cellText(2), QStringLiteral("ABVG.1"));
        QCOMPARE(cellText(11), QStringLiteral("Ivanov"));
        window->hide();
        input.design = QStringLiteral("/a/two.rid");
        window->show();
        QCOMPARE(cellText(2), QString());
        QCOMPARE(cellText(11), QStringLiteral("Ivanov"));
        window->hide();
        input.design = QStringLiteral("/a/one.rid");
        window->show();
        QCOMPARE(cellText(2), QStringLiteral("ABVG.1"));
    }

    void reportOpensIt()
    {
        ScriptedFiles files;
        QPrinter printer;
        TForm3 report(messages, printer, files, nullptr);
        report.showResult(std::make_shared<const DesignResult>(done), {});
        auto* button = report.findChild<QPushButton*>(QStringLiteral("drawingButton"));
        QVERIFY(button);
        button->click();
        auto* drawing = report.findChild<TForm14*>();
        QVERIFY(drawing && drawing->isVisible() && drawing->sheet());
        QCOMPARE(drawing->sheet()->dimensions.front().value, 20.0); // D1 of the example
    }

private:
    QTemporaryDir dir;
    const DesignResult done = design("wire-class2.rid");
    MessageRecorder messages;
    ScriptedExports exports;
    std::unique_ptr<AppSettings> settings;
    DrawingInput input;
    std::unique_ptr<TForm14> window;
};

QTEST_MAIN(TestChertezh)
#include "test_chertezh.moc"
