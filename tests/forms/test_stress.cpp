// The whole program driven by a random but reproducible user: key presses,
// clicks on every window's buttons, fields, lists, combo boxes and tabs,
// Load of generated input data files (sound and damaged), Save to good and
// bad places, calculations on generated inputs, the settings window with
// its dialogs and viewers, and every modal dialog answered. Nothing may
// crash or leave an exception to the event loop; every modal dialog must
// end and every window be left the way the user can; the tables are never
// written, no temporary file stays, and the program goes on working.
//
//   PRUZ_STRESS_SEEDS=1-50 PRUZ_STRESS_EVENTS=5000 ./test_stress
// (seeds as a range or a list "4,9,12"; PRUZ_STRESS_SECONDS bounds each seed,
// 150 by default, and the whole run is allowed that much for each seed)

#include "helpers/child.h"
#include "helpers/datacopy.h"
#include "helpers/stress_driver.h"
#include "helpers/stress_inputs.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/catalogueedit.h"
#include "engine/catalogue/textfile.h"
#include "forms/widgets/appstyle.h"
#include "forms/widgets/qtext.h"
#include "forms/windows/programwindows.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <exception>

namespace {

QStringList escapedExceptions;
uint currentSeed = 0;
QtMessageHandler testLog = nullptr;

// The offscreen platform cannot raise a window or grab the keyboard and
// says so each time; everything else goes to the test log.
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
        return;
    testLog(type, context, text);
}

// Records what would otherwise leave an event handler through Qt's event
// loop, which cannot carry an exception.
class CheckedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            escapedExceptions << QString::fromUtf8(e.what());
        } catch (...) {
            escapedExceptions << QStringLiteral("an exception of unknown type");
        }
        return false;
    }
};

QList<uint> seeds()
{
    const QString seedList = qEnvironmentVariable("PRUZ_STRESS_SEEDS", QStringLiteral("1-4"));
    QList<uint> out;
    for (const QString& part : seedList.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList range = part.split(QLatin1Char('-'));
        for (uint s = range.first().toUInt(); s <= range.last().toUInt(); ++s)
            out << s;
    }
    return out;
}

int setting(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

constexpr int kSecondsPerSeed = 150;

const char* const kTables[] = { "k3.dat", "tau1.dat", "tau2.dat", "sigmab.dat", "sigmdiam.dat" };

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QMap<QString, QByteArray> filesOf(const QString& dir)
{
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(dir).entryList(QDir::Files))
        files[name] = bytesOf(dir + name);
    return files;
}

// Files added, removed or rewritten with other bytes.
QStringList changedFiles(const QMap<QString, QByteArray>& before, const QMap<QString, QByteArray>& after)
{
    QSet<QString> names;
    for (const QString& name : before.keys() + after.keys())
        names << name;
    QStringList changed;
    for (const QString& name : names)
        if (before.value(name) != after.value(name) || before.contains(name) != after.contains(name))
            changed << name;
    return changed;
}

// What the catalogue's readers cannot read after the run: the list, and for
// every listed material its diameters (numbers above zero) and its
// properties as the calculation converts them; and any file the run wrote
// that no listed material owns (half an addition).
QStringList unreadableCatalogue(const std::string& dataDir, const QStringList& changed)
{
    QStringList faults;
    const auto readable = [&faults](const std::string& file, const auto& read) {
        try {
            if (!read())
                faults << qs(file);
        } catch (const std::exception& e) {
            faults << qs(file) + QStringLiteral(": ") + QString::fromUtf8(e.what());
        }
    };
    std::vector<std::string> names;
    readable(kMaterialList, [&] {
        const auto list = readMaterialNames(dataDir);
        names = list.value_or(names);
        return list.has_value();
    });
    for (const auto& name : names) {
        readable(diameterFileName(name), [&] {
            const auto diameters = readDiameters(dataDir, name);
            return diameters && !diameters->empty()
                && std::all_of(diameters->begin(), diameters->end(), diameterAboveZero);
        });
        readable(propertiesFileName(name), [&] { return readProperties(dataDir, name).has_value(); });
    }
    QStringList owned { qs(kMaterialList) };
    for (const auto& name : names)
        owned << qs(diameterFileName(name)) << qs(propertiesFileName(name)) << qs(descriptionFileName(name));
    for (const QString& file : changed)
        if (QFile::exists(qs(dataDir) + file) && !owned.contains(file))
            faults << file + QStringLiteral(" belongs to no listed material");
    return faults;
}

QStringList leftovers(const QString& dir)
{
    return QDir(dir).entryList({ QStringLiteral("*.tmp-*") }, QDir::Files | QDir::Hidden);
}

} // namespace

class TestStress : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testLog = qInstallMessageHandler(quietPlatform); }
    void cleanupTestCase() { qInstallMessageHandler(testLog); }

    void windows_data()
    {
        QTest::addColumn<uint>("seed");
        for (uint seed : seeds())
            QTest::addRow("seed %u", seed) << seed;
    }
    void windows()
    {
        QFETCH(uint, seed);
        currentSeed = seed;
        const int events = setting("PRUZ_STRESS_EVENTS", 2500);
        std::fprintf(stderr, "stress seed %u: %d events\n", seed, events);
        escapedExceptions.clear();

        DataCopy data;
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QDir::setCurrent(data.dir());
        QMap<QString, QByteArray> tables;
        for (const char* name : kTables)
            tables[name] = bytesOf(data.dir() + name);
        const QMap<QString, QByteArray> catalogue = filesOf(data.dir());

        StressRandom random(seed);
        StressInputs inputs(random, data.dataDir(), folder.path() + QLatin1Char('/'));
        StressMessages messages(random);
        StressFiles files(random, inputs);
        ProgramWindows windows(messages, files, data.dataDir());
        // Printing goes to a file, never to a printer of the machine.
        auto& printer = static_cast<QPrinter&>(windows.form1.printer());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("print.pdf")));
        windows.form1.show();
        QVERIFY(QTest::qWaitForWindowExposed(&windows.form1));

        StressDriver driver(random, inputs, files, windows.form1);
        driver.run(events, setting("PRUZ_STRESS_SECONDS", kSecondsPerSeed));
        QStringList counts;
        for (auto it = driver.counts.cbegin(); it != driver.counts.cend(); ++it)
            counts << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
        std::fprintf(stderr,
            "stress seed %u: %d events driven, %d messages, %d questions, %d loads, %d saves, %d data files "
            "changed; "
            "%s\n",
            seed, driver.driven, messages.shown, messages.asked, files.loads, files.saves,
            int(changedFiles(catalogue, filesOf(data.dir())).size()),
            qPrintable(counts.join(QStringLiteral(", "))));

        QVERIFY2(escapedExceptions.isEmpty(), qPrintable(escapedExceptions.join(QStringLiteral("; "))));
        QVERIFY2(driver.problems.isEmpty(), qPrintable(driver.problems.join(QStringLiteral("; "))));
        QVERIFY2(messages.internal.isEmpty(), qPrintable(messages.internal.join(QStringLiteral("; "))));
        QVERIFY(driver.driven >= events);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        for (const char* name : kTables)
            QVERIFY2(bytesOf(data.dir() + name) == tables[name], name);
        QCOMPARE(leftovers(data.dir()), QStringList());
        QCOMPARE(leftovers(folder.path()), QStringList());
        const QStringList unreadable
            = unreadableCatalogue(data.dataDir(), changedFiles(catalogue, filesOf(data.dir())));
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral("; "))));

        // The program goes on: New, Save and Load work as on the first day.
        messages.queueSaveAnswer(Messages::SaveAnswer::DontSave);
        child<QToolButton>(windows.form1, "SpeedButton1")->click();
        QCOMPARE(windows.form1.windowTitle(), QStringLiteral("Расчет пружин сжатия по ОСТ 5.9539-80"));
        const QString saved = folder.filePath(QStringLiteral("after.rid"));
        files.queueSave(saved);
        child<QToolButton>(windows.form1, "SpeedButton2")->click();
        const auto lines = readTextLines(saved.toStdString());
        QVERIFY(lines && lines->size() == 22);
        files.queueOpen(saved);
        child<QToolButton>(windows.form1, "SpeedButton3")->click();
        QCOMPARE(windows.form1.windowTitle(), QStringLiteral("Расчет пружины ") + saved);
        QDir::setCurrent(QDir::tempPath());
    }
};

int main(int argc, char** argv)
{
    // Qt Test's watchdog allows one test function 300 seconds, all its seeds
    // together; a long run gets what its seeds may take, each bounded by
    // PRUZ_STRESS_SECONDS, with a minute for starting and checking.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT")) {
        const qint64 seconds
            = qint64(seeds().size()) * (setting("PRUZ_STRESS_SECONDS", kSecondsPerSeed) + 60);
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(std::max<qint64>(seconds, 300) * 1000));
    }
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    CheckedApplication app(argc, argv);
    applyAppStyle(app);
    // Every key typed into a list starts a new search, as when typed
    // slowly, so that a seed runs the same however fast the machine is.
    QApplication::setKeyboardInputInterval(-1);
    std::set_terminate([] {
        std::fprintf(stderr, "terminated during stress seed %u\n", currentSeed);
        std::abort();
    });
    TestStress test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_stress.moc"
